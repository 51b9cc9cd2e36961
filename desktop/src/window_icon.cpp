#include "window_icon.h"

#include <QPixmap>

namespace nf {

QIcon programIcon() {
  QIcon icon;
  for (const IconPixels& pixels : windowIconPixels()) {
    const QImage image(reinterpret_cast<const uchar*>(pixels.argb), pixels.size, pixels.size,
                       QImage::Format_ARGB32);
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace nf
