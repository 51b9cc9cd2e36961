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

namespace {

namespace group = nf::layout::group;

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
  return existingControl<QListWidget>(*window_, {group::List2});
}
QRadioButton* WindowDriver::option(int index) const {
  return existingControl<QRadioButton>(*window_, {group::Option1, index});
}
QPushButton* WindowDriver::clearButton() const {
  return existingControl<QPushButton>(*window_, {group::Command1, 0});
}
QLineEdit* WindowDriver::labelBox(int row) const {
  return existingControl<QLineEdit>(*window_, {group::Text2, row});
}
QLabel* WindowDriver::sign(int index) const {
  return existingControl<QLabel>(*window_, {group::Label1, index});
}
QListWidget* WindowDriver::selector(int row) const {
  return existingControl<QListWidget>(*window_, {group::List1, row});
}
QPlainTextEdit* WindowDriver::resultBox() const {
  return existingControl<QPlainTextEdit>(*window_, {group::Text1, 0});
}
QWidget* WindowDriver::control(const QString& name) const {
  QWidget* found = window_->findChild<QWidget*>(name);
  if (found == nullptr) {
    qFatal("no control named %s", qPrintable(name));
  }
  return found;
}

bool WindowDriver::hasRow(int row) const {
  return findControl<QListWidget>(*window_, {group::List1, row}) != nullptr;
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
  return QString::fromStdString(::difference(readWindow(*window_), expected));
}
