#pragma once

#include <string>

#include "user_action.h"
#include "user_model.h"
#include "window/window_model.h"

/// Performs `action` on the window model as the user's input and returns what it changed.
nf::WindowChanges perform(const UserAction& action, nf::WindowModel& window);

/// The first difference between what the window shows and what the user model expects, or
/// an empty text.
std::string difference(const nf::WindowState& shown, const UserModel& expected);

/// Applies `changes` to `copy`, taking from `state` only the controls named in them: a face
/// that redraws only what changed ends up showing `state` when the changes are complete.
void redraw(nf::WindowState& copy, const nf::WindowState& state, const nf::WindowChanges& changes);
