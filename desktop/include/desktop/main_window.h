#pragma once

#include <QHash>
#include <QWidget>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "window/function_code.h"
#include "window/window_model.h"

class QButtonGroup;
class QStyle;

namespace nf {

/// The program's one window on the desktop: Qt widgets made by kind from the window's
/// description, showing the window model's state. Every input of the user on a control, a
/// click, a choice or a key, goes to the model as it is; the widgets its answer names are then
/// drawn again from the state with their signals blocked, so drawing never counts as input.
/// Every widget carries its control's name as its object name ("List1_7"). A control is made
/// the first time the state shows it: the rows beyond the first eight wait for their count.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  /// The window as it opens, or showing `function` from its first frame on.
  explicit MainWindow(const std::optional<Function>& function = std::nullopt,
                      QWidget* parent = nullptr);

  /// Font of the window and of every control without one of its own. Made the application's
  /// font before the window is built, so that no control loads the platform's default first.
  static QFont programFont();

  /// The state the window shows.
  const WindowState& state() const { return model_.state(); }

 signals:
  /// The window took the user's input, once it has drawn what the input changed: a choice,
  /// click or press on a control, or a key that stands for one.
  void inputTaken(const nf::Input& input);

 protected:
  /// Hands the keys pressed on a control to the model; those it does not take go on to Qt.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  /// Makes the widget of `control` from its description, with its input connected.
  QWidget* make(const layout::Control& control);
  /// Draws `control` from the state; a control shown for the first time is made first.
  void draw(const layout::Control& control);
  /// Draws what `answer` names and moves the focus where it says.
  void apply(const Answer& answer);
  void setTabOrder();

  QWidget* widget(const layout::Control& control) const;

  WindowModel model_;
  std::vector<QWidget*> widgets_;  // by the control's slot; none while not made
  QHash<const QObject*, layout::Control> controls_;
  std::map<std::string_view, QButtonGroup*> optionGroups_;
  QStyle* buttonStyle_ = nullptr;
};

}  // namespace nf
