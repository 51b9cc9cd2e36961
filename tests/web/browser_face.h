#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "session_runner.h"
#include "window/controls.h"

/// The page as the sessions drive it, through a driver in another process that holds the
/// browser: this face sends it one command per line and reads one answer line back.
///   open [CODE]     a fresh page, with CODE in its address; answers "ok"
///   code CODE       CODE written into the address of the page open, which does not load again
///   address         answers with the length of the browser's history and the code in the
///                   page's address: "1 dnf-01101001", or "1 " for none
///   click X Y       a trusted left click at the window's pixel (X, Y); answers "ok"
///   tap X Y         a finger's tap there
///   swipe X Y DY    a finger put down there and moved DY pixels down (up when negative)
///   keys K ...      trusted key presses ("Down", "Up", "Left", "Right", "Enter", "Space",
///                   or a character)
///   focus NAME      gives control NAME the keyboard focus, as Tab would, without input
///   read            answers with what the page shows, in the form parseSeenWindow reads
/// How a user reaches each action with the page's controls is decided here, as the desktop
/// tests decide it for the Qt window.
/// The code the page's address must end in: the form and the values of the shown rows, while the
/// result box holds a report; none otherwise.
std::string expectedCode(const UserModel& model);

class BrowserFace : public Face {
 public:
  /// By touch, every action is taps, and swipes that scroll a list to the item to tap.
  BrowserFace(std::istream& answers, std::ostream& commands, bool touch);

  void open() override;
  void perform(const UserAction& action, UserModel& expected) override;
  SeenWindow read() override;
  /// The same page with `code` in its address: opened anew, or with the code written into the
  /// address of the page as it is.
  void openAt(const std::string& code, bool anew = true);
  /// An answer the driver should not have given; or an address that does not end in the code
  /// of the function the window shows, or that took a new entry in the browser's history.
  std::string problem(const UserModel& expected) override;

 private:
  std::string ask(const std::string& command);
  void click(nf::layout::Pixels at, int dx, int dy);
  void keys(const std::vector<std::string>& names);
  void performByTouch(const UserAction& action, const UserModel& expected);
  /// Chooses `item` of the list at `place` with `items` items, showing item `shown`, in the way
  /// `way` (typing `typed`); tells `select` of every item the list selects on the way.
  template <typename Select>
  void choose(nf::layout::Pixels place, int items, int shown, int item, UserAction::Way way,
              const std::string& typed, Select select);

  std::istream& answers_;
  std::ostream& commands_;
  bool touch_;
  std::string problem_;
  std::string history_;  // its length, as the page opened
};
