#pragma once

#include "session_runner.h"
#include "window/window_model.h"

/// The window model driven as a face: each action becomes the model's input, and a copy of the
/// state is redrawn from the changes the input reported, as a face redraws only those.
class ModelFace : public Face {
 public:
  void open() override;
  void perform(const UserAction& action, UserModel& expected) override;
  SeenWindow read() override;
  /// A change the model made without reporting it: the redrawn copy differs from its state.
  std::string problem(const UserModel& expected) override;

  nf::WindowModel& window() { return window_; }

 private:
  nf::WindowModel window_;
  nf::WindowState redrawn_ = window_.state();
};
