#include "main_window.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleFactory>

#include "click_label.h"
#include "core/report.h"
#include "layout.h"
#include "selector_list.h"
#include "window_icon.h"

namespace nf {
namespace {

QString qtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor qtColour(layout::Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

int toPixels(int twips) {
  return (twips + layout::kTwipsPerPixel / 2) / layout::kTwipsPerPixel;
}

void place(QWidget* widget, layout::Twips twips) {
  widget->setGeometry(toPixels(twips.left), toPixels(twips.top), toPixels(twips.width),
                      toPixels(twips.height));
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

QString indexedName(const char* group, int index) {
  return QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index);
}

QString assignmentText() {
  QString text;
  for (const std::string_view line : layout::kAssignmentLines) {
    text += qtText(line);
    text += qtText(kLineBreak);
  }
  return text;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setWindowTitle(qtText(layout::kTitle));
  setWindowIcon(programIcon());
  setFixedSize(toPixels(layout::kClientWidth), toPixels(layout::kClientHeight));
  setFont(programFont());
  fillBackground(this, layout::kWindowColour);

  createControls();
  placeControls();
  connectHandlers();
  createRows(lastRowFromLabelTable(0), RowStart::Unselected);
  for (int row = 0; row <= lastRowFromLabelTable(0); ++row) {
    setRowShown(row, true);
  }

  Form_Load();
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
    Label2[i]->setObjectName(indexedName("Label2", static_cast<int>(i)));
    Label2[i]->setAlignment(Qt::AlignCenter);
    fillBackground(Label2[i], layout::kCaptionColour);
  }

  List2 = new SelectorList(this);
  List2->setObjectName(QStringLiteral("List2"));
  describe(List2, layout::kCountListAccessible);
  for (const std::string_view item : kCountItems) {
    List2->addItem(qtText(item));
  }
  List2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  // The options cover most of the frame's top edge, so it draws neither border nor caption.
  Frame1 = new QFrame(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  describe(Frame1, layout::kFrameAccessible);
  fillBackground(Frame1, layout::kWindowColour);
  option1Group = new QButtonGroup(this);
  for (std::size_t i = 0; i < Option1.size(); ++i) {
    Option1[i] = new QRadioButton(qtText(layout::kOption1[i].text), Frame1);
    Option1[i]->setObjectName(indexedName("Option1", static_cast<int>(i)));
    describe(Option1[i], layout::kOptionAccessible[i]);
    fillBackground(Option1[i], layout::kOption1[i].colour);
    option1Group->addButton(Option1[i], static_cast<int>(i));
  }

  Command1[0] = new QPushButton(qtText(layout::kCommand1Text), this);
  Command1[0]->setObjectName(indexedName("Command1", 0));
  describe(Command1[0], layout::kClearAccessible);
  // The window's style shades a button's colour into a gradient; the classic bevelled style
  // fills the face with the plain colour.
  QStyle* classicStyle = QStyleFactory::create(QStringLiteral("Windows"));
  classicStyle->setParent(this);
  Command1[0]->setStyle(classicStyle);
  fillBackground(Command1[0], layout::kClearColour);

  Label1[kRowSlots] = new ClickLabel(this);
  Label1[kRowSlots]->setObjectName(indexedName("Label1", kRowSlots));
  Label1[kRowSlots]->setToolTip(qtText(layout::kEasterSquareTip));
  Label1[kRowSlots]->setAccessibleName(qtText(layout::kEasterSquareTip));
  fillBackground(Label1[kRowSlots], layout::kWindowColour);

  Text1[0] = new QPlainTextEdit(this);
  Text1[0]->setObjectName(indexedName("Text1", 0));
  describe(Text1[0], layout::kResultAccessible);
  Text1[0]->setReadOnly(true);
  // Read-only, yet the user can still reach the box with Tab, select and copy.
  Text1[0]->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Text1[0]->setFocusPolicy(Qt::StrongFocus);
  Text1[0]->setTabChangesFocus(true);
  Text1[0]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1[0]->setPlainText(assignmentText());
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

void MainWindow::createRows(int lastRow, RowStart start) {
  if (lastRow < createdRows) {
    return;
  }
  QFont valueFont = font();
  valueFont.setPointSizeF(layout::kValueFontPoints);
  for (int row = createdRows; row <= lastRow; ++row) {
    createRow(row, valueFont, start);
  }
  createdRows = lastRow + 1;
  setTabOrder();
}

void MainWindow::createRow(int row, const QFont& valueFont, RowStart start) {
  const auto i = static_cast<std::size_t>(row);
  const layout::RowPlaces places = layout::rowPlaces(row);

  Text2[i] = new QLineEdit(this);
  Text2[i]->setObjectName(indexedName("Text2", row));
  Text2[i]->setReadOnly(true);
  Text2[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Text2[i]->setAccessibleDescription(qtText(layout::kLabelBoxDescription));
  place(Text2[i], places.labelBox);

  Label1[i] = new ClickLabel(qtText(layout::kSignText), this);
  Label1[i]->setObjectName(indexedName("Label1", row));
  describe(Label1[i], layout::kSignAccessible);
  Label1[i]->setAlignment(Qt::AlignCenter);
  fillBackground(Label1[i], layout::kSignColour);
  place(Label1[i], places.sign);
  connect(Label1[i], &ClickLabel::clicked, this, [this, row] { Label1_Click(row); });

  List1[i] = new SelectorList(this);
  List1[i]->setObjectName(indexedName("List1", row));
  List1[i]->setFont(valueFont);
  for (const std::string_view item : kValueItems) {
    List1[i]->addItem(qtText(item));
  }
  List1[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  List1[i]->setAccessibleDescription(qtText(layout::kSelectorDescription));
  place(List1[i], places.selector);
  if (start == RowStart::Reset) {
    // Never shown, never changed: the row holds what the last reset left, and its creation
    // is not a change to report.
    const QSignalBlocker quiet(List1[i]);
    List1[i]->selectRow(0);
  }
  connect(List1[i], &QListWidget::itemSelectionChanged, this, [this, row] { List1_Click(row); });

  // Until a count is chosen every box shows a three-variable label: the first eight the
  // labels of their rows, the others the label of row 0.
  setRowLabel(row, rowLabel(0, row < rowLabelCount(0) ? row : 0));
  setRowShown(row, false);
}

void MainWindow::setRowShown(int row, bool shown) {
  const auto i = static_cast<std::size_t>(row);
  Text2[i]->setVisible(shown);
  Label1[i]->setVisible(shown);
  List1[i]->setVisible(shown);
}

void MainWindow::setTabOrder() {
  std::vector<QWidget*> order;
  const auto add = [&order](auto& group, int from, int to) {
    const int step = from <= to ? 1 : -1;
    for (int i = from; i != to + step; i += step) {
      if (QWidget* control = group[static_cast<std::size_t>(i)]) {
        order.push_back(control);
      }
    }
  };
  add(List1, 0, 7);
  order.push_back(Text1[0]);
  add(Text2, 0, 15);
  add(List1, 8, 15);
  add(List1, 31, 24);
  add(Text2, 31, 16);
  add(List1, 23, 16);
  order.push_back(List2);
  order.push_back(Option1[0]);
  order.push_back(Option1[1]);
  order.push_back(Command1[0]);
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1], order[i]);
  }
}

void MainWindow::connectHandlers() {
  connect(Label1[kRowSlots], &ClickLabel::clicked, this, [this] { Label1_Click(kRowSlots); });
  connect(List2, &QListWidget::itemSelectionChanged, this, &MainWindow::List2_Click);
  // An option notifies when it becomes selected; losing the selection notifies nothing.
  connect(option1Group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
    if (checked) {
      Option1_Click(index);
    }
  });
  connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
}

void MainWindow::Form_Load() {
  ResetInputs();
}

void MainWindow::List1_Click(int /*Index*/) {
  UpdateResult();
}

void MainWindow::Option1_Click(int /*Index*/) {
  UpdateResult();
  if (List2->selectedRow() == kNoCount) {
    List2->selectRow(0);
  }
}

void MainWindow::List2_Click() {
  if (!Option1[0]->isChecked() && !Option1[1]->isChecked()) {
    selectOption(0);
  }
  const int countIndex = List2->selectedRow();
  if (countIndex == kNoCount) {
    return;
  }
  const int lastRow = lastRowFromCountItem(List2->item(countIndex)->text().toStdString());
  createRows(lastRow, RowStart::Reset);
  for (int row = 0; row < createdRows; ++row) {
    setRowShown(row, false);
  }
  for (int row = 0; row <= lastRow; ++row) {
    setRowShown(row, true);
    setRowLabel(row, rowLabel(countIndex, row));
  }
  UpdateResult();
}

void MainWindow::Command1_Click(int Index) {
  if (Index != 0) {
    return;
  }
  ResetInputs();
  List2->selectRow(0);
  selectOption(0);
  Text1[0]->clear();
}

// The " = " signs and the square take clicks and ignore them.
void MainWindow::Label1_Click(int /*Index*/) {}

void MainWindow::ResetInputs() {
  deselectOptions();
  for (std::size_t i = 0; i < static_cast<std::size_t>(createdRows); ++i) {
    List1[i]->selectRow(0);
    Text2[i]->setReadOnly(true);
  }
}

void MainWindow::UpdateResult() {
  const TruthTable table = tableFromControls();
  const std::optional<std::string> report =
      Option1[0]->isChecked() ? WriteDnf(table) : WriteKnf(table);
  if (report) {
    Text1[0]->setPlainText(QString::fromStdString(*report));
  }
}

TruthTable MainWindow::tableFromControls() const {
  TruthTable table;
  table.setCountIndex(List2->selectedRow());
  for (int row = 0; row < kRowSlots; ++row) {
    const SelectorList* selector = List1[static_cast<std::size_t>(row)];
    table.setSelectedItem(row, selector != nullptr ? selector->selectedRow() : 0);
  }
  return table;
}

void MainWindow::setRowLabel(int row, std::string_view label) {
  const auto i = static_cast<std::size_t>(row);
  Text2[i]->setText(qtText(label));
  Text2[i]->setAccessibleName(qtText(layout::kLabelBoxNamePrefix) + qtText(label));
  List1[i]->setAccessibleName(qtText(layout::kSelectorNamePrefix) + qtText(label));
}

void MainWindow::selectOption(int index) {
  Option1[static_cast<std::size_t>(index)]->setChecked(true);
}

void MainWindow::deselectOptions() {
  // The group keeps one option selected; only this reset may leave both deselected.
  option1Group->setExclusive(false);
  for (QRadioButton* option : Option1) {
    option->setChecked(false);
  }
  option1Group->setExclusive(true);
}

}  // namespace nf
