// The toolkit's floor: what any version of normal-forms has to load at the least. The same
// window size, title, font and style as the program, and its first caption; nothing else.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QStyleFactory>
#include <QWidget>
#include <string_view>

#include "window/controls.h"

namespace {

namespace layout = nf::layout;

QString qtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  QWidget window;
  window.setWindowTitle(qtText(layout::kTitle));
  window.setFixedSize(layout::toPixels(layout::kClientWidth),
                      layout::toPixels(layout::kClientHeight));
  QFont font(qtText(layout::kFontFamily));
  font.setPointSizeF(layout::kWindowFontPoints);
  window.setFont(font);

  const layout::Control first{layout::group::Label2, 0};
  QLabel label(qtText(layout::elementOf(first).text), &window);
  const layout::Pixels place = layout::placeInWindow(first);
  label.setGeometry(place.left, place.top, place.width, place.height);

  window.show();
  return QApplication::exec();
}
