#include "desktop/main_window.h"

#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleFactory>

#include "click_label.h"
#include "selector_list.h"
#include "window/control_view.h"
#include "window_icon.h"

namespace nf {
namespace {

using layout::Kind;

QString qtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void fillBackground(QWidget* widget, layout::Rgb rgb) {
  QPalette palette = widget->palette();
  palette.setColor(widget->backgroundRole(), QColor(rgb.red, rgb.green, rgb.blue));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

// The key as the window knows it; `text` holds what it types.
KeyPress keyPress(const QKeyEvent& event, std::string& text) {
  static const QHash<int, Key> kKeys = {
      {Qt::Key_Left, Key::Left},     {Qt::Key_Right, Key::Right},       {Qt::Key_Up, Key::Up},
      {Qt::Key_Down, Key::Down},     {Qt::Key_Home, Key::Home},         {Qt::Key_End, Key::End},
      {Qt::Key_PageUp, Key::PageUp}, {Qt::Key_PageDown, Key::PageDown}, {Qt::Key_Space, Key::Space},
      {Qt::Key_Return, Key::Enter},  {Qt::Key_Enter, Key::Enter},
  };
  text = event.text().toStdString();
  const bool shortcut =
      (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
  return {kKeys.value(event.key(), Key::Other), text, shortcut};
}

}  // namespace

MainWindow::MainWindow(const std::optional<Function>& function, QWidget* parent)
    : QWidget(parent), widgets_(layout::controlCount(), nullptr) {
  // Applied before any control is made, so the window never shows the start state first.
  if (function) {
    applyCode(model_, *function);
  }
  setWindowTitle(qtText(layout::kTitle));
  setWindowIcon(programIcon());
  setFixedSize(layout::toPixels(layout::kClientWidth), layout::toPixels(layout::kClientHeight));
  setFont(programFont());
  fillBackground(this, layout::kWindowColour);

  for (const layout::Control& control : layout::stackingOrder()) {
    draw(control);
  }
  setTabOrder();
  widget(layout::tabOrder().front())->setFocus();
}

QFont MainWindow::programFont() {
  QFont font(qtText(layout::kFontFamily));
  font.setPointSizeF(layout::kWindowFontPoints);
  return font;
}

QWidget* MainWindow::widget(const layout::Control& control) const {
  return widgets_[layout::slotOf(control)];
}

QWidget* MainWindow::make(const layout::Control& control) {
  const layout::Group& group = layout::groupOf(control);
  const layout::Element element = layout::elementOf(control);
  QWidget* parent = group.container.empty() ? this : widget({group.container});
  const auto input = [this, control](int item) { apply(model_.input(control, item)); };
  QWidget* made = nullptr;
  switch (group.kind) {
    case Kind::Label: {
      auto* label = new ClickLabel(qtText(element.text), parent);
      label->setAlignment(Qt::AlignCenter);
      if (group.takesInput) {
        connect(label, &ClickLabel::clicked, this, [input] { input(0); });
      }
      made = label;
      break;
    }
    case Kind::List: {
      auto* list = new SelectorList(parent);
      for (const std::string_view item : group.items) {
        list->addItem(qtText(item));
      }
      list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      connect(list, &QListWidget::itemSelectionChanged, this,
              [input, list] { input(list->selectedRow()); });
      made = list;
      break;
    }
    case Kind::Frame:
      made = new QFrame(parent);
      break;
    case Kind::OptionButton: {
      auto* option = new QRadioButton(qtText(element.text), parent);
      QButtonGroup*& options = optionGroups_[group.name];
      if (options == nullptr) {
        options = new QButtonGroup(this);
      }
      options->addButton(option);
      // An option is an input when it becomes selected; losing the selection is none.
      connect(option, &QRadioButton::toggled, this, [input](bool checked) {
        if (checked) {
          input(0);
        }
      });
      made = option;
      break;
    }
    case Kind::PushButton: {
      auto* button = new QPushButton(qtText(element.text), parent);
      // The window's style shades a button's colour into a gradient; the classic bevelled
      // style fills the face with the plain colour.
      if (buttonStyle_ == nullptr) {
        buttonStyle_ = QStyleFactory::create(QStringLiteral("Windows"));
        buttonStyle_->setParent(this);
      }
      button->setStyle(buttonStyle_);
      connect(button, &QPushButton::clicked, this, [input] { input(0); });
      made = button;
      break;
    }
    case Kind::TextBox:
      if (group.multiLine) {
        auto* box = new QPlainTextEdit(parent);
        box->setReadOnly(true);
        // Read-only, yet the user can still reach the box with Tab, select and copy.
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setFocusPolicy(Qt::StrongFocus);
        box->setTabChangesFocus(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        made = box;
      } else {
        auto* box = new QLineEdit(parent);
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        made = box;
      }
      break;
  }
  made->setObjectName(qtText(control.name()));
  if (group.fontPoints > 0) {
    QFont font = made->font();
    font.setPointSizeF(group.fontPoints);
    made->setFont(font);
  }
  if (element.background) {
    fillBackground(made, *element.background);
  }
  if (!element.tip.empty()) {
    made->setToolTip(qtText(element.tip));
  }
  if (!group.namedByRowLabel && !element.accessible.name.empty()) {
    made->setAccessibleName(qtText(element.accessible.name));
  }
  if (!element.accessible.description.empty()) {
    made->setAccessibleDescription(qtText(element.accessible.description));
  }
  const layout::Pixels place = layout::toPixels(element.place);
  made->setGeometry(place.left, place.top, place.width, place.height);
  if (group.takesInput) {
    made->installEventFilter(this);
  }
  controls_.insert(made, control);
  widgets_[layout::slotOf(control)] = made;
  return made;
}

void MainWindow::draw(const layout::Control& control) {
  const ControlView view = viewOf(state(), control);
  QWidget* shown = widget(control);
  if (shown == nullptr) {
    if (!view.shown) {
      return;
    }
    shown = make(control);
  }
  const layout::Group& group = layout::groupOf(control);
  const QSignalBlocker quiet(shown);
  switch (group.kind) {
    case Kind::List:
      if (auto* list = static_cast<SelectorList*>(shown); view.selected < 0) {
        list->clearSelection();
      } else if (list->selectedRow() != view.selected) {
        list->selectRow(view.selected);
      }
      break;
    case Kind::OptionButton:
      if (auto* option = static_cast<QRadioButton*>(shown); view.selected == control.index) {
        option->setChecked(true);
      } else if (option->isChecked()) {
        // The group keeps one option selected; only the reset leaves all deselected.
        QButtonGroup* options = option->group();
        options->setExclusive(false);
        option->setChecked(false);
        options->setExclusive(true);
      }
      break;
    case Kind::TextBox:
      if (group.multiLine) {
        static_cast<QPlainTextEdit*>(shown)->setPlainText(qtText(view.text));
      } else {
        static_cast<QLineEdit*>(shown)->setText(qtText(view.text));
      }
      break;
    default:
      break;
  }
  if (!view.nameEnd.empty()) {
    shown->setAccessibleName(qtText(layout::elementOf(control).accessible.name) +
                             qtText(view.nameEnd));
  }
  shown->setVisible(view.shown);
}

void MainWindow::apply(const Answer& answer) {
  const qsizetype made = controls_.size();
  for (const layout::Control& control : answer.redraw) {
    draw(control);
  }
  // Controls made just now take their places in the Tab order.
  if (controls_.size() != made) {
    setTabOrder();
  }
  if (answer.focus) {
    widget(*answer.focus)->setFocus(Qt::TabFocusReason);
  }
  if (answer.taken) {
    emit inputTaken(*answer.taken);
  }
}

void MainWindow::setTabOrder() {
  QWidget* previous = nullptr;
  for (const layout::Control& control : layout::tabOrder()) {
    // Controls not made yet have no place in the chain.
    if (QWidget* next = widget(control)) {
      if (previous != nullptr) {
        QWidget::setTabOrder(previous, next);
      }
      previous = next;
    }
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    if (const auto found = controls_.constFind(watched); found != controls_.constEnd()) {
      std::string text;
      const Answer answer = model_.key(*found, keyPress(*static_cast<QKeyEvent*>(event), text));
      if (answer.taken) {
        apply(answer);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace nf
