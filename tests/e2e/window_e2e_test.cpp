// End-to-end test: the real program runs in a private X server (Xvfb, no window manager), gets
// real mouse clicks and key presses through xdotool, and its result box is read back the way a
// user would copy it: click, Ctrl+A, Ctrl+C, then the clipboard through xclip. What it shows is
// compared with what the user model says the user should see.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>

#include "click_point.h"
#include "seen_window.h"
#include "user_model.h"
#include "window/controls.h"
#include "xsupport/clipboard.h"
#include "xsupport/x_input.h"
#include "xsupport/x_server.h"

namespace {

using namespace std::chrono_literals;
namespace layout = nf::layout;

class WindowE2eTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string missing = xsupport::missingPrograms({"Xvfb", "xdotool", "xclip"});
        !missing.empty()) {
      GTEST_SKIP() << "end-to-end test needs these programs, not found on PATH: " << missing;
    }
    ASSERT_EQ("", server_.start());
    server_.useForPrograms();
    ASSERT_TRUE(program_.start({NF_PROGRAM_PATH})) << "could not start " NF_PROGRAM_PATH;
    window_ = xsupport::waitForWindow(program_, 10s);
    ASSERT_TRUE(window_.found()) << window_.problem;
    ASSERT_EQ(layout::toPixels(layout::kClientWidth), window_.width);
    ASSERT_EQ(layout::toPixels(layout::kClientHeight), window_.height);
  }

  // Clicks well inside a control, left of any scroll bar (in a one-item list, on that item),
  // then presses `keys`.
  void clickThenKeys(const layout::Control& control, const std::vector<std::string>& keys = {}) {
    xsupport::XCommands commands;
    const ClickPoint at = clickPoint(control);
    commands.moveTo(window_.x + at.x, window_.y + at.y);
    commands.click();
    if (!keys.empty()) {
      commands.keys(keys);
    }
    ASSERT_EQ("", xsupport::sendInput(commands));
  }

  // Sets a row's selector the keyboard way: click it, then Down for "1" or Up for "0"; or, with
  // `typed`, the item's own text.
  void setValue(int row, int value, bool typed = false) {
    const std::string key = typed ? std::to_string(value) : value == 1 ? "Down" : "Up";
    clickThenKeys({layout::group::List1, row}, {key});
    expected_.setValue(row, value);
  }

  // Copies the result box and checks it holds what the model expects; returns the copy. The
  // clipboard has one line feed for each CR LF, the last line's included: it is compared
  // without trimming.
  std::string expectResultBox() {
    const std::string expected = withLineFeeds(expected_.boxText());
    clickThenKeys({layout::group::Text1, 0}, {"ctrl+a", "ctrl+c"});
    std::string copied = xsupport::readClipboardUntil(expected, 5s);
    EXPECT_EQ(std::string::npos, copied.find('\r'))
        << "the box should show each CR LF as one line break";
    EXPECT_EQ(expected, copied);
    return copied;
  }

  // Destroyed in reverse order: the program before its server.
  xsupport::XServer server_;
  xsupport::ChildProcess program_;
  xsupport::WindowPlace window_;
  UserModel expected_;
};

TEST_F(WindowE2eTest, FourVariableReportFollowsClicksAndKeysInBothForms) {
  // The count list shows one item: clicking it chooses the "3" it shows, Down then moves to
  // "4". Choosing a count while nothing is chosen also chooses ДНФ.
  clickThenKeys({layout::group::List2}, {"Down"});
  expected_.chooseCount(0);
  expected_.chooseCount(1);

  setValue(1, 1);
  setValue(9, 1, true);  // typing an item's text selects it as well
  setValue(14, 1);

  const std::string dnf = expectResultBox();
  // The terms spelled out by hand, so that a fault the model and the window share still shows.
  EXPECT_TRUE(dnf.ends_with("\n(!A ^ !B ^ !C ^ D)\n v (A ^ !B ^ !C ^ D)\n v (A ^ B ^ C ^ !D)\n"))
      << dnf;

  // Same table in КНФ.
  clickThenKeys({layout::group::Option1, 1});
  expected_.chooseForm(1);
  expectResultBox();

  // A value change in КНФ rewrites the КНФ report: row 9 back to "0" with Up.
  setValue(9, 0);
  const std::string knfText = expectResultBox();
  EXPECT_TRUE(knfText.ends_with("\n(!A v !B v !C v D)\n ^ (A v B v C v !D)\n")) << knfText;
}

}  // namespace
