// Where every control stands, how it looks and what it holds when the window opens.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "desktop/main_window.h"
#include "expected_places.h"
#include "suites.h"
#include "window_driver.h"
#include "window_test_case.h"

namespace {

QColor backgroundOf(QWidget* widget, QPoint where) {
  return widget->grab().toImage().pixelColor(where);
}

}  // namespace

class LayoutTest : public WindowTestCase {
  Q_OBJECT

 private slots:

  void windowSizeTitleAndIcon() {
    nf::MainWindow& window = driver().window();
    QCOMPARE(window.size(), QSize(485, 477));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("www.example.org ")));
    QVERIFY(
        window.windowTitle().endsWith(QStringLiteral(" Информатика - булеви функции, ДНФ и КНФ")));
    QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));
  }

  void controlsStandWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    for (const ExpectedPlace& p : expectedPlaces()) {
      QTest::newRow(p.name.c_str())
          << QString::fromStdString(p.name) << QRect(p.left, p.top, p.width, p.height);
    }
  }
  void controlsStandWhereTheLayoutPutsThem() {
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    driver().chooseCountByClick(2);
    QWidget* control = driver().control(name);
    QCOMPARE(QRect(control->mapTo(&driver().window(), QPoint(0, 0)), control->size()), expected);
  }

  void backgroundsHaveTheirColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("expected");
    const QColor caption(255, 224, 192);
    QTest::newRow("Брой") << "Label2_0" << QPoint(2, 2) << caption;
    QTest::newRow("Вид:") << "Label2_1" << QPoint(2, 2) << caption;
    QTest::newRow("ДНФ") << "Option1_0" << QPoint(54, 16) << QColor(255, 192, 128);
    QTest::newRow("КНФ") << "Option1_1" << QPoint(54, 16) << QColor(255, 255, 128);
    QTest::newRow("Чисти") << "Command1_0" << QPoint(4, 4) << QColor(255, 128, 128);
    QTest::newRow(" = ") << "Label1_0" << QPoint(2, 2) << QColor(0, 255, 0);
    QTest::newRow("square") << "Label1_32" << QPoint(4, 4) << QColor(192, 192, 255);
    QTest::newRow("Frame1") << "Frame1" << QPoint(100, 2) << QColor(192, 192, 255);
    QTest::newRow("count list") << "List2" << QPoint(20, 18) << QColor(Qt::white);
    QTest::newRow("result box") << "Text1_0" << QPoint(400, 90) << QColor(Qt::white);
  }
  void backgroundsHaveTheirColours() {
    QFETCH(QString, name);
    QFETCH(QPoint, where);
    QFETCH(QColor, expected);
    QCOMPARE(backgroundOf(driver().control(name), where), expected);
  }

  void windowBackgroundIsLavender() {
    QCOMPARE(backgroundOf(&driver().window(), QPoint(400, 200)), QColor(192, 192, 255));
  }

  void captionsAndItems() {
    QCOMPARE(qobject_cast<QLabel*>(driver().control("Label2_0"))->text(), QStringLiteral("Брой"));
    QCOMPARE(qobject_cast<QLabel*>(driver().control("Label2_1"))->text(), QStringLiteral("Вид:"));
    QCOMPARE(driver().option(0)->text(), QStringLiteral("ДНФ"));
    QCOMPARE(driver().option(1)->text(), QStringLiteral("КНФ"));
    QVERIFY(driver().option(0)->x() < driver().option(1)->x());
    QCOMPARE(driver().clearButton()->text(), QStringLiteral("Чисти"));
    QCOMPARE(driver().sign(32)->toolTip(), QStringLiteral("Великденски заяк"));
    QVERIFY(driver().sign(32)->text().isEmpty());
    driver().chooseCountByClick(2);
    const QStringList counts = {"3", "4", "5"};
    QCOMPARE(driver().countList()->count(), 3);
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(driver().countList()->item(i)->text(), counts[i]);
    }
    for (int row = 0; row < 32; ++row) {
      QCOMPARE(driver().sign(row)->text(), QStringLiteral(" = "));
      QCOMPARE(driver().selector(row)->count(), 2);
      QCOMPARE(driver().selector(row)->item(0)->text(), QStringLiteral("0"));
      QCOMPARE(driver().selector(row)->item(1)->text(), QStringLiteral("1"));
    }
  }

  void fonts() {
    const QFont windowFont = driver().window().font();
    QCOMPARE(windowFont.family(), QStringLiteral("Times New Roman"));
    QCOMPARE(windowFont.pointSizeF(), 12.0);
    QCOMPARE(windowFont.weight(), QFont::Normal);
    QCOMPARE(driver().resultBox()->font().pointSizeF(), 12.0);
    QCOMPARE(driver().labelBox(3)->font().pointSizeF(), 12.0);
    // Item views take the platform's own font unless told otherwise.
    QCOMPARE(driver().countList()->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(driver().countList()->font().pointSizeF(), 12.0);
    driver().chooseCountByClick(2);
    for (int row = 0; row < 32; ++row) {
      QCOMPARE(driver().selector(row)->font().family(), QStringLiteral("Times New Roman"));
      QCOMPARE(driver().selector(row)->font().pointSizeF(), 9.75);
    }
  }

  void startState() {
    QCOMPARE(selectedItem(driver().countList()), -1);
    QVERIFY(!driver().option(0)->isChecked());
    QVERIFY(!driver().option(1)->isChecked());
    QCOMPARE(driver().shownRows(), QList<int>({0, 1, 2, 3, 4, 5, 6, 7}));
    const QStringList labels = {"0 0 0", "0 0 1", "0 1 0", "0 1 1",
                                "1 0 0", "1 0 1", "1 1 0", "1 1 1"};
    for (int row = 0; row < 32 && driver().hasRow(row); ++row) {
      QCOMPARE(driver().labelBox(row)->text(), row < 8 ? labels[row] : QStringLiteral("0 0 0"));
      QVERIFY(driver().labelBox(row)->isReadOnly());
      QCOMPARE(selectedItem(driver().selector(row)), 0);
    }
    QVERIFY(driver().resultBox()->isReadOnly());
    QCOMPARE(driver().resultBox()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(QApplication::focusWidget(), driver().selector(0));
  }

  void resultBoxHoldsTheAssignment() {
    const QStringList lines = driver().resultLines();
    QCOMPARE(lines.size(), 12);  // eleven lines, each ended by a line break
    QCOMPARE(lines.front(),
             QStringLiteral(
                 "Да се състави проект, осъществяващ вътрешнопредметна връзка в Информатика."));
    QCOMPARE(lines[8],
             QStringLiteral("избор на начин за поредставяне на булевата функция ДНФ (конюнктивна "
                            "нормална форма) или КНФ (конюнктивна нормална форма) - избор чрез "
                            "радиобутони;"));
    QCOMPARE(lines[10], QStringLiteral("Промяна стойността на произволен терм води до извеждане "
                                       "актуалната ДНФ или КНФ за разглежданата булева функция."));
    QVERIFY(lines.back().isEmpty());
  }

  // The option pair is one stop, on the selected option; the arrow keys move inside it.
  void tabOrderFollowsTheGrid_data() {
    QTest::addColumn<int>("countIndex");
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("expected");
    auto range = [](const char* group, int from, int to) {
      QStringList names;
      const int step = from <= to ? 1 : -1;
      for (int i = from; i != to + step; i += step) {
        names << QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(i);
      }
      return names;
    };
    const QStringList head = range("List1", 0, 7) + QStringList{"Text1_0"};
    QTest::newRow("three variables, ДНФ")
        << 0 << 0 << head + range("Text2", 0, 7) + QStringList{"List2", "Option1_0", "Command1_0"};
    QTest::newRow("five variables, КНФ")
        << 2 << 1
        << head + range("Text2", 0, 15) + range("List1", 8, 15) + range("List1", 31, 24) +
               range("Text2", 31, 16) + range("List1", 23, 16) +
               QStringList{"List2", "Option1_1", "Command1_0", "List1_0"};
  }
  void tabOrderFollowsTheGrid() {
    QFETCH(int, countIndex);
    QFETCH(int, form);
    QFETCH(QStringList, expected);
    driver().chooseCountByClick(countIndex);
    driver().chooseForm(form);
    driver().selector(0)->setFocus();
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (qsizetype step = 1; step < expected.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
  }

  void arrowKeysMoveBetweenTheOptions() {
    driver().chooseForm(0);
    driver().option(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(driver().option(0), Qt::Key_Right);
    QVERIFY(driver().option(1)->isChecked());
    QVERIFY(!driver().option(0)->isChecked());
    QTest::keyClick(driver().option(1), Qt::Key_Left);
    QVERIFY(driver().option(0)->isChecked());
  }
};

std::unique_ptr<QObject> makeLayoutTest() {
  return std::make_unique<LayoutTest>();
}

#include "layout_test.moc"
