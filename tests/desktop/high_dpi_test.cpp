// The window on a dense screen: run with QT_SCALE_FACTOR=2, everything is twice as large.
#include <QApplication>
#include <QTest>
#include <cmath>

#include "desktop/main_window.h"
#include "suites.h"
#include "window_driver.h"
#include "window_test_case.h"

namespace {

// Smallest rectangle around the pixels of `colour` inside `area` of `image`.
QRect boundsOf(const QImage& image, const QColor& colour, const QRect& area) {
  QRect bounds;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y) == colour) {
        bounds |= QRect(x, y, 1, 1);
      }
    }
  }
  return bounds;
}

QRect doubled(int left, int top, int width, int height) {
  auto px = [](int twips) { return 2 * static_cast<int>(std::lround(twips / 15.0)); };
  return {px(left), px(top), px(width), px(height)};
}

}  // namespace

class HighDpiTest : public WindowTestCase {
  Q_OBJECT

 private slots:

  void runsAtScaleTwo() {
    if (qgetenv("QT_SCALE_FACTOR") != "2") {
      QSKIP("run with QT_SCALE_FACTOR=2");
    }
    QCOMPARE(driver().window().devicePixelRatio(), 2.0);
  }

  // Coloured controls found in the device pixels of the window, where the layout doubled puts
  // them. A search area one device pixel wider on each side catches a control off by one.
  void colouredControlsCoverTwiceTheirArea_data() {
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Брой") << doubled(120, 120, 735, 375) << QColor(255, 224, 192);
    QTest::newRow("first sign") << doubled(1920, 480, 615, 255) << QColor(0, 255, 0);
    QTest::newRow("ninth sign") << doubled(1920, 2955, 615, 255) << QColor(0, 255, 0);
  }
  void colouredControlsCoverTwiceTheirArea() {
    QFETCH(QRect, expected);
    QFETCH(QColor, colour);
    if (driver().window().devicePixelRatio() != 2.0) {
      QSKIP("run with QT_SCALE_FACTOR=2");
    }
    driver().chooseCountByClick(1);
    const QImage image = driver().window().grab().toImage();
    QCOMPARE(image.size(), QSize(970, 954));
    QCOMPARE(boundsOf(image, colour, expected.adjusted(-1, -1, 1, 1)), expected);
  }

  void iconHasARealLargeSize() {
    const QIcon icon = driver().window().windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(64, 64)));
    QCOMPARE(icon.pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
  }
};

std::unique_ptr<QObject> makeHighDpiTest() {
  return std::make_unique<HighDpiTest>();
}

#include "high_dpi_test.moc"
