#pragma once

#include <optional>
#include <string>
#include <vector>

#include "session_runner.h"
#include "window/window_model.h"

/// The window model driven as a face: each action becomes the clicks or keys a user makes,
/// handed to the model's input() and key(), and a copy of every control is drawn again only
/// where the answer names it, as a face draws; what the face reads is that copy.
class ModelFace : public Face {
 public:
  void open() override;
  void perform(const UserAction& action, UserModel& expected) override;
  SeenWindow read() override;
  /// A control the answers did not name although it shows something else now, or a key the
  /// window did not take, or a focus left where the keys could not have put it.
  std::string problem(const UserModel& expected) override;

 private:
  struct Drawn {
    bool shown = false;
    int selected = -1;
    std::string text;
    std::string nameEnd;
  };

  void click(const nf::layout::Control& control, int item = 0);
  void press(const nf::layout::Control& control, nf::Key key, std::string_view text = {});
  void draw(const nf::Answer& answer);
  const Drawn& drawn(const nf::layout::Control& control) const;

  nf::WindowModel window_;
  std::vector<Drawn> drawn_;
  std::optional<nf::layout::Control> focus_;
  std::string problem_;
};
