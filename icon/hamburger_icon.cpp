#include "hamburger_icon.h"

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <array>

namespace nf {
namespace {

const QColor kBun(214, 142, 58);
const QColor kBunShade(170, 98, 34);
const QColor kSesame(252, 240, 200);
const QColor kLettuce(84, 178, 52);
const QColor kCheese(250, 204, 44);
const QColor kTomato(214, 44, 36);
const QColor kPatty(78, 44, 26);

void drawBun(QPainter& p) {
  QPainterPath top;
  top.moveTo(3, 14);
  top.cubicTo(3, 4, 29, 4, 29, 14);
  top.closeSubpath();
  p.setPen(QPen(kBunShade, 0.8));
  p.setBrush(kBun);
  p.drawPath(top);

  p.setPen(Qt::NoPen);
  p.setBrush(kSesame);
  constexpr std::array<std::array<double, 3>, 6> seeds = {{
      {10, 9, 20},
      {15, 7.5, -10},
      {20, 9, 25},
      {12.5, 11.5, -30},
      {18, 11.5, 15},
      {24, 11.5, 0},
  }};
  for (const auto& [x, y, angle] : seeds) {
    p.save();
    p.translate(x, y);
    p.rotate(angle);
    p.drawEllipse(QRectF(-1.1, -0.6, 2.2, 1.2));
    p.restore();
  }

  p.setPen(QPen(kBunShade, 0.8));
  p.setBrush(kBun);
  p.drawRoundedRect(QRectF(4, 24.5, 24, 4.5), 2, 2);
}

void drawFilling(QPainter& p) {
  p.setPen(Qt::NoPen);

  QPainterPath lettuce;
  lettuce.moveTo(2.5, 14);
  for (int i = 0; i < 9; ++i) {
    const double x = 2.5 + 3 * i;
    lettuce.quadTo(x + 1.5, 18.5, x + 3, 15.5);
  }
  lettuce.lineTo(29.5, 14);
  lettuce.closeSubpath();
  p.setBrush(kLettuce);
  p.drawPath(lettuce);

  // Tomato first, so that the cheese drips hang over it.
  p.setBrush(kTomato);
  p.drawRoundedRect(QRectF(4, 18, 24, 2), 1, 1);

  QPainterPath cheese;
  cheese.addRect(QRectF(3.5, 16, 25, 2));
  cheese.moveTo(8, 18);
  cheese.lineTo(11, 18);
  cheese.lineTo(9.5, 20);
  cheese.moveTo(19, 18);
  cheese.lineTo(22, 18);
  cheese.lineTo(20.5, 19.5);
  p.setBrush(kCheese);
  p.drawPath(cheese);

  p.setBrush(kPatty);
  p.drawRoundedRect(QRectF(3, 20, 26, 4.5), 2, 2);
}

}  // namespace

QImage drawHamburger(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);
  drawBun(painter);
  drawFilling(painter);
  painter.end();
  return image;
}

QImage drawHamburgerIndexed(int size) {
  const QImage image = drawHamburger(size).convertToFormat(QImage::Format_ARGB32);
  // The palette lists the colours in the order the rows first show them, so that every run
  // writes the same bytes; a set's own order would change with the process's hash seed.
  QList<QRgb> palette;
  QSet<QRgb> seen;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb colour = image.pixel(x, y);
      if (!seen.contains(colour)) {
        seen.insert(colour);
        palette.append(colour);
      }
    }
  }
  if (palette.size() > 256) {
    return image.convertToFormat(QImage::Format_Indexed8);
  }
  return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

}  // namespace nf
