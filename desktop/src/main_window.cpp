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
#include "window/layout.h"
#include "window_icon.h"

namespace nf {
namespace {

QString qtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor qtColour(layout::Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

void place(QWidget* widget, layout::Twips twips) {
  const layout::Pixels pixels = layout::toPixels(twips);
  widget->setGeometry(pixels.left, pixels.top, pixels.width, pixels.height);
}

void fillBackground(QWidget* widget, layout::Rgb rgb) {
  QPalette palette = widget->palette();
  palette.setColor(widget->backgroundRole(), qtColour(rgb));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void describe(QWidget* widget, layout::Accessible accessible) {
  widget->setAccessibleName(qtText(accessible.name));
  widget->setAccessibleDescription(qtText(accessible.description));
}

QString nameOf(layout::Control control) {
  return qtText(control.name());
}

int lastShownRow(const WindowState& state) {
  int last = -1;
  for (int row = 0; row < kRowSlots; ++row) {
    if (state.shown[static_cast<std::size_t>(row)]) {
      last = row;
    }
  }
  return last;
}

}  // namespace

MainWindow::MainWindow(const std::optional<Function>& function, QWidget* parent) : QWidget(parent) {
  // Applied before any control is made, so the window never shows the start state first.
  if (function) {
    applyCode(model_, *function);
  }
  setWindowTitle(qtText(layout::kTitle));
  setWindowIcon(programIcon());
  setFixedSize(layout::toPixels(layout::kClientWidth), layout::toPixels(layout::kClientHeight));
  setFont(programFont());
  fillBackground(this, layout::kWindowColour);

  createControls();
  placeControls();
  connectInputs();
  createRows(lastShownRow(state()));
  showCount();
  showOption();
  List1[0]->setFocus();
}

QFont MainWindow::programFont() {
  QFont font(qtText(layout::kFontFamily));
  font.setPointSizeF(layout::kWindowFontPoints);
  return font;
}

void MainWindow::createControls() {
  for (std::size_t i = 0; i < Label2.size(); ++i) {
    Label2[i] = new QLabel(qtText(layout::kLabel2[i].text), this);
    Label2[i]->setObjectName(nameOf({layout::group::Label2, static_cast<int>(i)}));
    Label2[i]->setAlignment(Qt::AlignCenter);
    fillBackground(Label2[i], layout::kCaptionColour);
  }

  List2 = new SelectorList(this);
  List2->setObjectName(nameOf({layout::group::List2}));
  describe(List2, layout::kCountListAccessible);
  for (const std::string_view item : kCountItems) {
    List2->addItem(qtText(item));
  }
  List2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  // The options cover most of the frame's top edge, so it draws neither border nor caption.
  Frame1 = new QFrame(this);
  Frame1->setObjectName(nameOf({layout::group::Frame1}));
  describe(Frame1, layout::kFrameAccessible);
  fillBackground(Frame1, layout::kWindowColour);
  option1Group = new QButtonGroup(this);
  for (std::size_t i = 0; i < Option1.size(); ++i) {
    Option1[i] = new QRadioButton(qtText(layout::kOption1[i].text), Frame1);
    Option1[i]->setObjectName(nameOf({layout::group::Option1, static_cast<int>(i)}));
    describe(Option1[i], layout::kOptionAccessible[i]);
    fillBackground(Option1[i], layout::kOption1[i].colour);
    option1Group->addButton(Option1[i], static_cast<int>(i));
  }

  Command1[0] = new QPushButton(qtText(layout::kCommand1Text), this);
  Command1[0]->setObjectName(nameOf({layout::group::Command1, 0}));
  describe(Command1[0], layout::kClearAccessible);
  // The window's style shades a button's colour into a gradient; the classic bevelled style
  // fills the face with the plain colour.
  QStyle* classicStyle = QStyleFactory::create(QStringLiteral("Windows"));
  classicStyle->setParent(this);
  Command1[0]->setStyle(classicStyle);
  fillBackground(Command1[0], layout::kClearColour);

  Label1[kRowSlots] = new ClickLabel(this);
  Label1[kRowSlots]->setObjectName(nameOf({layout::group::Label1, kRowSlots}));
  Label1[kRowSlots]->setToolTip(qtText(layout::kEasterSquareTip));
  Label1[kRowSlots]->setAccessibleName(qtText(layout::kEasterSquareTip));
  fillBackground(Label1[kRowSlots], layout::kWindowColour);

  Text1[0] = new QPlainTextEdit(this);
  Text1[0]->setObjectName(nameOf({layout::group::Text1, 0}));
  describe(Text1[0], layout::kResultAccessible);
  Text1[0]->setReadOnly(true);
  // Read-only, yet the user can still reach the box with Tab, select and copy.
  Text1[0]->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Text1[0]->setFocusPolicy(Qt::StrongFocus);
  Text1[0]->setTabChangesFocus(true);
  Text1[0]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  showResult();
}

void MainWindow::placeControls() {
  for (std::size_t i = 0; i < Label2.size(); ++i) {
    place(Label2[i], layout::kLabel2[i].place);
  }
  place(List2, layout::kList2);
  place(Frame1, layout::kFrame1);
  for (std::size_t i = 0; i < Option1.size(); ++i) {
    place(Option1[i], layout::kOption1[i].place);
  }
  place(Command1[0], layout::kCommand1);
  place(Label1[kRowSlots], layout::kEasterSquare);
  place(Text1[0], layout::kText1);
}

void MainWindow::createRows(int lastRow) {
  if (lastRow < createdRows) {
    return;
  }
  QFont valueFont = font();
  valueFont.setPointSizeF(layout::kValueFontPoints);
  for (int row = createdRows; row <= lastRow; ++row) {
    createRow(row, valueFont);
  }
  createdRows = lastRow + 1;
  setTabOrder();
}

void MainWindow::createRow(int row, const QFont& valueFont) {
  const auto i = static_cast<std::size_t>(row);
  const layout::RowPlaces places = layout::rowPlaces(row);

  Text2[i] = new QLineEdit(this);
  Text2[i]->setObjectName(nameOf({layout::group::Text2, row}));
  Text2[i]->setReadOnly(true);
  Text2[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Text2[i]->setAccessibleDescription(qtText(layout::kLabelBoxDescription));
  place(Text2[i], places.labelBox);

  Label1[i] = new ClickLabel(qtText(layout::kSignText), this);
  Label1[i]->setObjectName(nameOf({layout::group::Label1, row}));
  describe(Label1[i], layout::kSignAccessible);
  Label1[i]->setAlignment(Qt::AlignCenter);
  fillBackground(Label1[i], layout::kSignColour);
  place(Label1[i], places.sign);
  connect(Label1[i], &ClickLabel::clicked, this,
          [this, row] { showChanges(model_.clickLabel(row)); });

  List1[i] = new SelectorList(this);
  List1[i]->setObjectName(nameOf({layout::group::List1, row}));
  List1[i]->setFont(valueFont);
  for (const std::string_view item : kValueItems) {
    List1[i]->addItem(qtText(item));
  }
  List1[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  List1[i]->setAccessibleDescription(qtText(layout::kSelectorDescription));
  place(List1[i], places.selector);
  connect(List1[i], &QListWidget::itemSelectionChanged, this, [this, row] {
    const WindowChanges changes =
        model_.chooseValue(row, List1[static_cast<std::size_t>(row)]->selectedRow());
    showValue(row);  // also when the model refused the choice
    showChanges(changes);
  });

  showValue(row);
  showLabel(row);
  showRow(row);
}

void MainWindow::setTabOrder() {
  QWidget* previous = nullptr;
  for (const layout::Control& control : layout::tabOrder()) {
    // Rows not made yet have no controls to pass.
    if (auto* next = findChild<QWidget*>(nameOf(control))) {
      if (previous != nullptr) {
        QWidget::setTabOrder(previous, next);
      }
      previous = next;
    }
  }
}

void MainWindow::connectInputs() {
  connect(Label1[kRowSlots], &ClickLabel::clicked, this,
          [this] { showChanges(model_.clickLabel(kRowSlots)); });
  connect(List2, &QListWidget::itemSelectionChanged, this, [this] {
    const WindowChanges changes = model_.chooseCount(List2->selectedRow());
    showCount();
    showChanges(changes);
  });
  // An option is an input when it becomes selected; losing the selection is none.
  connect(option1Group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
    if (checked) {
      const WindowChanges changes = model_.chooseForm(index);
      showOption();
      showChanges(changes);
    }
  });
  connect(Command1[0], &QPushButton::clicked, this, [this] { showChanges(model_.pressClear(0)); });
  for (QRadioButton* option : Option1) {
    option->installEventFilter(this);
  }
  Command1[0]->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) {
    return QWidget::eventFilter(watched, event);
  }
  const auto* key = static_cast<const QKeyEvent*>(event);
  const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  // Every arrow on an option moves to the other one and selects it, whether or not the first
  // was selected; Qt's own buttons only move the focus then, and only sideways.
  const bool arrow = key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                     key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
  if (plain && arrow && (watched == Option1[0] || watched == Option1[1])) {
    QRadioButton* other = watched == Option1[0] ? Option1[1] : Option1[0];
    other->setFocus(Qt::TabFocusReason);
    other->click();
    return true;
  }
  // Enter presses a focused button, as Space does.
  if (plain && watched == Command1[0] &&
      (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
    Command1[0]->click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::showChanges(const WindowChanges& changes) {
  if (changes.countIndex) {
    showCount();
  }
  if (changes.option) {
    showOption();
  }
  // Rows shown for the first time are made from the state as it is now.
  const int alreadyMade = createdRows;
  createRows(lastShownRow(state()));
  for (int row = 0; row < alreadyMade; ++row) {
    const auto i = static_cast<std::size_t>(row);
    if (changes.values[i]) {
      showValue(row);
    }
    if (changes.labels[i]) {
      showLabel(row);
    }
    if (changes.shown[i]) {
      showRow(row);
    }
  }
  if (changes.result) {
    showResult();
  }
}

void MainWindow::showCount() {
  const QSignalBlocker quiet(List2);
  if (state().countIndex == kNoCount) {
    List2->clearSelection();
  } else if (List2->selectedRow() != state().countIndex) {
    List2->selectRow(state().countIndex);
  }
}

void MainWindow::showOption() {
  const QSignalBlocker quietGroup(option1Group);
  const QSignalBlocker quietDnf(Option1[0]);
  const QSignalBlocker quietKnf(Option1[1]);
  if (state().option == kNoOption) {
    // The group keeps one option selected; only the reset leaves both deselected.
    option1Group->setExclusive(false);
    for (QRadioButton* option : Option1) {
      option->setChecked(false);
    }
    option1Group->setExclusive(true);
  } else {
    Option1[static_cast<std::size_t>(state().option)]->setChecked(true);
  }
}

void MainWindow::showValue(int row) {
  SelectorList* list = List1[static_cast<std::size_t>(row)];
  const int value = state().values[static_cast<std::size_t>(row)];
  const QSignalBlocker quiet(list);
  if (value == kNoItem) {
    list->clearSelection();
  } else if (list->selectedRow() != value) {
    list->selectRow(value);
  }
}

void MainWindow::showLabel(int row) {
  const auto i = static_cast<std::size_t>(row);
  const QString label = qtText(state().labels[i]);
  Text2[i]->setText(label);
  Text2[i]->setAccessibleName(qtText(layout::kLabelBoxNamePrefix) + label);
  List1[i]->setAccessibleName(qtText(layout::kSelectorNamePrefix) + label);
}

void MainWindow::showRow(int row) {
  const auto i = static_cast<std::size_t>(row);
  const bool shown = state().shown[i];
  Text2[i]->setVisible(shown);
  Label1[i]->setVisible(shown);
  List1[i]->setVisible(shown);
}

void MainWindow::showResult() {
  Text1[0]->setPlainText(qtText(state().result));
}

}  // namespace nf
