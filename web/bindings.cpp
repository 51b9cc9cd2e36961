// The window model for the browser face, as a few plain C functions exported from the
// WebAssembly module. The face calls one input, gets a mask of the kinds of controls that
// changed, and reads back only those; the per-row masks say which rows.
#include <emscripten/emscripten.h>

#include <bitset>
#include <cstdint>
#include <string>

#include "window/window_model.h"

namespace {

// Kinds of change in the mask an input returns; the face reads the same bits.
enum ChangeKind : int {
  kCountChanged = 1 << 0,
  kOptionChanged = 1 << 1,
  kValuesChanged = 1 << 2,
  kLabelsChanged = 1 << 3,
  kShownChanged = 1 << 4,
  kResultChanged = 1 << 5,
};

nf::WindowModel& model() {
  static nf::WindowModel window;
  return window;
}

nf::WindowChanges& lastChanges() {
  static nf::WindowChanges changes;
  return changes;
}

int remember(const nf::WindowChanges& changes) {
  lastChanges() = changes;
  return (changes.countIndex ? kCountChanged : 0) | (changes.option ? kOptionChanged : 0) |
         (changes.values.any() ? kValuesChanged : 0) | (changes.labels.any() ? kLabelsChanged : 0) |
         (changes.shown.any() ? kShownChanged : 0) | (changes.result ? kResultChanged : 0);
}

bool isRow(int row) {
  return row >= 0 && row < nf::kRowSlots;
}

std::size_t at(int row) {
  return static_cast<std::size_t>(row);
}

std::uint32_t rowMask(const std::bitset<nf::kRowSlots>& rows) {
  return static_cast<std::uint32_t>(rows.to_ulong());
}

}  // namespace

extern "C" {

/// The user chooses item `index` of the count list; returns the mask of changed kinds.
EMSCRIPTEN_KEEPALIVE int nf_choose_count(int index) {
  return remember(model().chooseCount(index));
}

/// The user chooses option `index` (0 ДНФ, 1 КНФ); returns the mask of changed kinds.
EMSCRIPTEN_KEEPALIVE int nf_choose_form(int index) {
  return remember(model().chooseForm(index));
}

/// The user chooses item `item` of row `row`'s value selector; returns the mask.
EMSCRIPTEN_KEEPALIVE int nf_choose_value(int row, int item) {
  return remember(model().chooseValue(row, item));
}

/// The user presses button `index` (0 is Clear); returns the mask of changed kinds.
EMSCRIPTEN_KEEPALIVE int nf_press_clear(int index) {
  return remember(model().pressClear(index));
}

/// The user clicks label `index` (a " = " sign, or the square at 32); returns the mask.
EMSCRIPTEN_KEEPALIVE int nf_click_label(int index) {
  return remember(model().clickLabel(index));
}

/// Selected item of the count list, or -1 while none.
EMSCRIPTEN_KEEPALIVE int nf_count() {
  return model().state().countIndex;
}

/// Selected option, or -1 while none.
EMSCRIPTEN_KEEPALIVE int nf_option() {
  return model().state().option;
}

/// Selected item of row `row`'s value selector, or -1 while none (and for no such row).
EMSCRIPTEN_KEEPALIVE int nf_value(int row) {
  return isRow(row) ? model().state().values[at(row)] : -1;
}

/// 1 while row `row` is shown, else 0.
EMSCRIPTEN_KEEPALIVE int nf_shown(int row) {
  return isRow(row) && model().state().shown[at(row)] ? 1 : 0;
}

/// Label of row `row`, UTF-8 and NUL-terminated; valid until the next call of nf_label.
EMSCRIPTEN_KEEPALIVE const char* nf_label(int row) {
  static std::string label;
  label = isRow(row) ? std::string(model().state().labels[at(row)]) : std::string();
  return label.c_str();
}

/// Text of the result box, UTF-8 and NUL-terminated, lines ended by CR LF; valid until the
/// next input.
EMSCRIPTEN_KEEPALIVE const char* nf_result() {
  return model().state().result.c_str();
}

/// Rows whose value changed in the last input, one bit per row (bit 0 is row 0).
EMSCRIPTEN_KEEPALIVE std::uint32_t nf_changed_values() {
  return rowMask(lastChanges().values);
}

/// Rows whose label changed in the last input.
EMSCRIPTEN_KEEPALIVE std::uint32_t nf_changed_labels() {
  return rowMask(lastChanges().labels);
}

/// Rows shown or hidden by the last input.
EMSCRIPTEN_KEEPALIVE std::uint32_t nf_changed_shown() {
  return rowMask(lastChanges().shown);
}

}  // extern "C"
