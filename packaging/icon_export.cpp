// Writes the program's icon at one size as a PNG for the desktop's icon theme, so that menus and
// launchers show the same picture as the window.
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "hamburger_icon.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: icon-export SIZE FILE.png\n");
    return 2;
  }
  char* end = nullptr;
  const long size = std::strtol(argv[1], &end, 10);
  if (end == argv[1] || *end != '\0' || size < 16 || size > 1024) {
    std::fprintf(stderr, "icon-export: size must be a number of pixels from 16 to 1024, not '%s'\n",
                 argv[1]);
    return 2;
  }

  // The 32 px icon is the classic 256-colour one: the same pixels the window uses at that size.
  const int pixels = static_cast<int>(size);
  const QImage image = pixels == 32 ? nf::drawHamburgerIndexed(pixels) : nf::drawHamburger(pixels);
  if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "icon-export: cannot write '%s'\n", argv[2]);
    return 1;
  }
  return 0;
}
