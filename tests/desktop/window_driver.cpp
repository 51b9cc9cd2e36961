#include "window_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include "desktop/main_window.h"
#include "user_model.h"

namespace {

template <typename T>
T* findControl(const nf::MainWindow& window, const QString& name) {
  T* found = window.findChild<T*>(name);
  if (found == nullptr) {
    qFatal("no control named %s", qPrintable(name));
  }
  return found;
}

QString indexed(const char* group, int index) {
  return QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index);
}

// Centre of one of the scroll bar's arrow buttons, as the style draws it.
QPoint arrowCentre(QScrollBar* bar, QStyle::SubControl arrow) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.subControls = QStyle::SC_All;
  option.orientation = bar->orientation();
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.upsideDown = bar->invertedAppearance();
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar).center();
}

bool itemShown(const QListWidget* list, int row) {
  const QRect itemRect = list->visualItemRect(list->item(row));
  return list->viewport()->rect().contains(itemRect.center());
}

}  // namespace

WindowDriver::WindowDriver(const std::optional<nf::Function>& function)
    : window_(std::make_unique<nf::MainWindow>(function)) {
  window_->show();
  if (!QTest::qWaitForWindowExposed(window_.get())) {
    qFatal("the window did not show");
  }
  window_->activateWindow();
  QApplication::setActiveWindow(window_.get());
}

WindowDriver::~WindowDriver() = default;

QListWidget* WindowDriver::countList() const {
  return findControl<QListWidget>(*window_, QStringLiteral("List2"));
}
QRadioButton* WindowDriver::option(int index) const {
  return findControl<QRadioButton>(*window_, indexed("Option1", index));
}
QPushButton* WindowDriver::clearButton() const {
  return findControl<QPushButton>(*window_, indexed("Command1", 0));
}
QLineEdit* WindowDriver::labelBox(int row) const {
  return findControl<QLineEdit>(*window_, indexed("Text2", row));
}
QLabel* WindowDriver::sign(int index) const {
  return findControl<QLabel>(*window_, indexed("Label1", index));
}
QListWidget* WindowDriver::selector(int row) const {
  return findControl<QListWidget>(*window_, indexed("List1", row));
}
QPlainTextEdit* WindowDriver::resultBox() const {
  return findControl<QPlainTextEdit>(*window_, indexed("Text1", 0));
}
QWidget* WindowDriver::control(const QString& name) const {
  return findControl<QWidget>(*window_, name);
}

bool WindowDriver::hasRow(int row) const {
  return window_->findChild<QListWidget*>(indexed("List1", row)) != nullptr;
}

void WindowDriver::scrollUntilShown(QListWidget* list, int row) {
  QScrollBar* bar = list->verticalScrollBar();
  for (int tries = 0; tries < 8 && !itemShown(list, row); ++tries) {
    const bool down = list->visualItemRect(list->item(row)).top() > 0;
    const QPoint arrow =
        arrowCentre(bar, down ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, arrow);
  }
  if (!itemShown(list, row)) {
    qFatal("item %d of %s never came into view", row, qPrintable(list->objectName()));
  }
}

void WindowDriver::chooseCountByClick(int index) {
  QListWidget* list = countList();
  scrollUntilShown(list, index);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualItemRect(list->item(index)).center());
}

void WindowDriver::chooseCountByKeys(int index) {
  QListWidget* list = countList();
  const QModelIndex top = list->indexAt(QPoint(1, 1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualRect(top).center());
  for (int row = top.row(); row < index; ++row) {
    QTest::keyClick(list, Qt::Key_Down);
  }
  for (int row = top.row(); row > index; --row) {
    QTest::keyClick(list, Qt::Key_Up);
  }
}

void WindowDriver::chooseForm(int index) {
  QRadioButton* button = option(index);
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

void WindowDriver::setValueByClick(int row, int value) {
  QListWidget* list = selector(row);
  scrollUntilShown(list, value);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualItemRect(list->item(value)).center());
}

void WindowDriver::setValueByKeys(int row, int value) {
  QListWidget* list = selector(row);
  const QModelIndex shown = list->indexAt(QPoint(1, 1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualRect(shown).center());
  if (shown.row() != value) {
    QTest::keyClick(list, value == 1 ? Qt::Key_Down : Qt::Key_Up);
  }
}

void WindowDriver::clickClear() {
  QTest::mouseClick(clearButton(), Qt::LeftButton);
}

void WindowDriver::clickSign(int index) {
  QTest::mouseClick(sign(index), Qt::LeftButton);
}

int WindowDriver::selectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.front());
}

QList<int> WindowDriver::shownRows() const {
  QList<int> rows;
  for (int row = 0; row < 32 && hasRow(row); ++row) {
    const bool label = labelBox(row)->isVisible();
    const bool signShown = sign(row)->isVisible();
    const bool value = selector(row)->isVisible();
    if (label != signShown || label != value) {
      qFatal("row %d is only partly shown", row);
    }
    if (label) {
      rows.append(row);
    }
  }
  return rows;
}

QStringList WindowDriver::resultLines() const {
  return resultBox()->toPlainText().split(QLatin1Char('\n'));
}

QString WindowDriver::difference(const UserModel& expected) const {
  const int count = selectedRow(countList());
  if (count != expected.countIndex()) {
    return QStringLiteral("count %1, expected %2").arg(count).arg(expected.countIndex());
  }
  for (int form = 0; form < 2; ++form) {
    if (option(form)->isChecked() != (expected.form() == form)) {
      return QStringLiteral("option %1 checked: %2").arg(form).arg(option(form)->isChecked());
    }
  }
  QList<int> expectedRows;
  for (int row = 0; row < expected.shownRows(); ++row) {
    expectedRows.append(row);
  }
  if (shownRows() != expectedRows) {
    return QStringLiteral("%1 rows shown, expected %2")
        .arg(shownRows().size())
        .arg(expected.shownRows());
  }
  for (int row = 0; row < 32 && hasRow(row); ++row) {
    const QString label = QString::fromStdString(expected.label(row));
    if (labelBox(row)->text() != label) {
      return QStringLiteral("row %1 labelled %2, expected %3")
          .arg(row)
          .arg(labelBox(row)->text(), label);
    }
    if (!labelBox(row)->isReadOnly()) {
      return QStringLiteral("row %1's label box can be edited").arg(row);
    }
    if (selectedRow(selector(row)) != expected.value(row)) {
      return QStringLiteral("row %1 holds %2, expected %3")
          .arg(row)
          .arg(selectedRow(selector(row)))
          .arg(expected.value(row));
    }
  }
  if (const QStringList lines = resultLines(); lines != boxLines(expected.boxText())) {
    return QStringLiteral("the box holds %1").arg(lines.join(QLatin1Char('|')));
  }
  return {};
}

QStringList boxLines(const std::string& text) {
  // The box shows the break after the last line as one more, empty line.
  return QString::fromStdString(text).split(QStringLiteral("\r\n"));
}
