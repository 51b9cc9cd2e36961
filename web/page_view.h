#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "window/controls.h"
#include "window/window_state.h"

namespace nf::web {

/// Where the page's attributes that follow the window's state go: into the markup of the
/// page's first frame, or into the patch an input sends the face.
class AttributeSink {
 public:
  virtual ~AttributeSink() = default;
  /// Attribute `name` of the element with id `element` is `value`, or absent when there is
  /// none; "value" is the text a box shows.
  virtual void set(std::string_view element, std::string_view name,
                   std::optional<std::string_view> value) = 0;
};

/// Writes the attributes of each of `controls` that follow the state, as `state` has them, by
/// the control's kind: the one description of how the page shows the state. The first frame
/// is written with every control's, and every later input sends the face those of the
/// controls its answer names.
void showControls(const WindowState& state, std::span<const layout::Control> controls,
                  AttributeSink& sink);

/// Id of item `item` of the list with id `list`.
std::string itemId(std::string_view list, int item);

/// The attributes showControls writes, as the face reads them: per attribute the element, the
/// name and the value, separated by U+001F, the attributes separated by U+001E; an absent
/// value has no field.
std::string patchText(const WindowState& state, std::span<const layout::Control> controls);

}  // namespace nf::web
