#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "session_runner.h"
#include "window/layout.h"

/// The page as the sessions drive it, through a driver in another process that holds the
/// browser: this face sends it one command per line and reads one answer line back.
///   open            a fresh page; answers "ok"
///   click X Y       a trusted left click at the window's pixel (X, Y); answers "ok"
///   tap X Y         a finger's tap there
///   swipe X Y DY    a finger put down there and moved DY pixels down (up when negative)
///   keys K ...      trusted key presses ("Down", "Up", "Left", "Right", "Enter", "Space",
///                   or a character)
///   focus NAME      gives control NAME the keyboard focus, as Tab would, without input
///   read            answers with what the page shows, in the form parseSeenWindow reads
/// How a user reaches each action with the page's controls is decided here, as the desktop
/// tests decide it for the Qt window.
class BrowserFace : public Face {
 public:
  /// By touch, every action is taps, and swipes that scroll a list to the item to tap.
  BrowserFace(std::istream& answers, std::ostream& commands, bool touch);

  void open() override;
  void perform(const UserAction& action, UserModel& expected) override;
  SeenWindow read() override;
  /// An answer the driver should not have given.
  std::string problem() override;

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
};
