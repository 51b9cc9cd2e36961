// Renders the program's icon from its drawing, at build time:
//   icon-export SIZE FILE.png      one size as a PNG for the desktop's icon theme;
//   icon-export --source FILE.cpp  the window icon's sizes as pixel data compiled into the
//                                  window, so that the program draws nothing when it starts.
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "hamburger_icon.h"

namespace {

constexpr int kWindowIconSizes[] = {16, 32, 48, 64};

// The 32 px icon is the classic 256-colour one, in the theme and in the window alike.
QImage render(int size) {
  return size == 32 ? nf::drawHamburgerIndexed(size) : nf::drawHamburger(size);
}

int writePng(const char* sizeText, const char* path) {
  char* end = nullptr;
  const long size = std::strtol(sizeText, &end, 10);
  if (end == sizeText || *end != '\0' || size < 16 || size > 1024) {
    std::fprintf(stderr, "icon-export: size must be a number of pixels from 16 to 1024, not '%s'\n",
                 sizeText);
    return 2;
  }
  if (!render(static_cast<int>(size)).save(QString::fromLocal8Bit(path), "PNG")) {
    std::fprintf(stderr, "icon-export: cannot write '%s'\n", path);
    return 1;
  }
  return 0;
}

int writeSource(const char* path) {
  std::ofstream out(path);
  out << "// Rendered by icon-export from the icon's drawing when the program was built.\n"
         "#include \"window_icon.h\"\n\nnamespace nf {\nnamespace {\n";
  for (const int size : kWindowIconSizes) {
    const QImage image = render(size).convertToFormat(QImage::Format_ARGB32);
    out << "\nconst unsigned int kPixels" << size << "[] = {";
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        out << ((x % 8) == 0 ? "\n    " : " ") << image.pixel(x, y) << "u,";
      }
    }
    out << "\n};\n";
  }
  out << "\nconst IconPixels kSizes[] = {";
  for (const int size : kWindowIconSizes) {
    out << "{" << size << ", kPixels" << size << "}, ";
  }
  out << "};\n\n}  // namespace\n\n"
         "std::span<const IconPixels> windowIconPixels() { return kSizes; }\n\n"
         "}  // namespace nf\n";
  out.close();
  if (!out) {
    std::fprintf(stderr, "icon-export: cannot write '%s'\n", path);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 3 && QString::fromLatin1(argv[1]) == QLatin1String("--source")) {
    return writeSource(argv[2]);
  }
  if (argc == 3) {
    return writePng(argv[1], argv[2]);
  }
  std::fprintf(stderr, "usage: icon-export SIZE FILE.png | icon-export --source FILE.cpp\n");
  return 2;
}
