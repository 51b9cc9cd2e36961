// What assistive technology reads from the window, and the window worked by keyboard alone.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "desktop/main_window.h"
#include "suites.h"
#include "window_driver.h"
#include "window_test_case.h"

namespace {

QString accessibleText(QWidget* widget, QAccessible::Text which) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face != nullptr ? face->text(which) : QString();
}

bool isBulgarian(const QString& text) {
  static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
  return text.contains(cyrillic);
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

}  // namespace

class AccessibilityTest : public WindowTestCase {
  Q_OBJECT

 private slots:

  void everyControlHasABulgarianNameAndDescription_data() {
    QTest::addColumn<QString>("name");
    for (const char* fixed : {"List2", "Option1_0", "Option1_1", "Command1_0", "Text1_0", "Frame1",
                              "Label1_0", "Text2_0", "List1_0", "Text2_31", "List1_31"}) {
      QTest::newRow(fixed) << QString::fromLatin1(fixed);
    }
  }
  void everyControlHasABulgarianNameAndDescription() {
    QFETCH(QString, name);
    driver().chooseCountByClick(2);
    QWidget* widget = driver().control(name);
    QVERIFY2(isBulgarian(accessibleText(widget, QAccessible::Name)), qPrintable(name));
    QVERIFY2(isBulgarian(accessibleText(widget, QAccessible::Description)), qPrintable(name));
  }

  void rowControlsAreNamedAfterTheirRow() {
    QCOMPARE(accessibleText(driver().selector(5), QAccessible::Name),
             QStringLiteral("Стойност на ред 1 0 1"));
    QCOMPARE(accessibleText(driver().labelBox(5), QAccessible::Name), QStringLiteral("Ред 1 0 1"));
    driver().chooseCountByClick(2);
    QCOMPARE(accessibleText(driver().selector(5), QAccessible::Name),
             QStringLiteral("Стойност на ред 0 0 1 0 1"));
    QCOMPARE(accessibleText(driver().selector(26), QAccessible::Name),
             QStringLiteral("Стойност на ред 1 1 0 1 0"));
  }

  void squareIsNamedByItsTip() {
    QCOMPARE(accessibleText(driver().sign(32), QAccessible::Name),
             QStringLiteral("Великденски заяк"));
  }

  void wholeSessionWithoutAMouse() {
    QCOMPARE(QApplication::focusWidget(), driver().selector(0));
    press(Qt::Key_1);  // row 0 before any choice: the box keeps the assignment
    QCOMPARE(selectedItem(driver().selector(0)), 1);

    // Tab to the count list: rows 1-7, the result box and the eight label boxes lie between.
    for (int i = 0; i < 17; ++i) {
      press(Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), driver().countList());
    QCOMPARE(selectedItem(driver().countList()), -1);
    press(Qt::Key_4);
    QCOMPARE(selectedItem(driver().countList()), 1);
    QVERIFY(driver().option(0)->isChecked());
    QCOMPARE(driver().resultLines().at(2), QStringLiteral("(!A ^ !B ^ !C ^ !D)"));

    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), driver().option(0));
    press(Qt::Key_Right);
    QVERIFY(driver().option(1)->isChecked());
    QCOMPARE(driver().resultLines().at(2), QStringLiteral("(!A v !B v !C v !D)"));

    // Back to row 0 through the wrap-around, then down the selector with the arrows.
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), driver().selector(0));
    press(Qt::Key_Up);
    QCOMPARE(selectedItem(driver().selector(0)), 0);
    QCOMPARE(driver().resultLines().size(), 3);
    press(Qt::Key_Down);
    QCOMPARE(driver().resultLines().size(), 4);

    // Clear from the keyboard.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), driver().clearButton());
    QCOMPARE(selectedItem(driver().countList()), 0);
    QVERIFY(driver().option(0)->isChecked());
    QCOMPARE(selectedItem(driver().selector(0)), 0);
    QVERIFY(driver().resultBox()->toPlainText().isEmpty());
  }

  void resultCanBeSelectedAndCopiedFromTheKeyboard() {
    driver().chooseCountByClick(0);
    QPlainTextEdit* box = driver().resultBox();
    box->setFocus(Qt::TabFocusReason);
    press(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(box->textCursor().selectedText().size(), box->toPlainText().size());
  }
};

std::unique_ptr<QObject> makeAccessibilityTest() {
  return std::make_unique<AccessibilityTest>();
}

#include "accessibility_test.moc"
