// Renders the program's icon from its drawing, at build time:
//   icon-export SIZE FILE.png      one size as a PNG for the desktop's icon theme;
//   icon-export --source FILE.cpp  the window icon's sizes as pixel data compiled into the
//                                  window, so that the program draws nothing when it starts;
//   icon-export --data-uri SIZE FILE.txt
//                                  one size as a "data:image/png;base64,..." text, the web
//                                  page's favicon, so that the page fetches no file.
#include <QBuffer>
#include <QByteArray>
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

// The size argument as a number of pixels, or 0 (after saying why) when it is none.
int parseSize(const char* sizeText) {
  char* end = nullptr;
  const long size = std::strtol(sizeText, &end, 10);
  if (end == sizeText || *end != '\0' || size < 16 || size > 1024) {
    std::fprintf(stderr, "icon-export: size must be a number of pixels from 16 to 1024, not '%s'\n",
                 sizeText);
    return 0;
  }
  return static_cast<int>(size);
}

int writePng(const char* sizeText, const char* path) {
  const int size = parseSize(sizeText);
  if (size == 0) {
    return 2;
  }
  if (!render(size).save(QString::fromLocal8Bit(path), "PNG")) {
    std::fprintf(stderr, "icon-export: cannot write '%s'\n", path);
    return 1;
  }
  return 0;
}

int writeDataUri(const char* sizeText, const char* path) {
  const int size = parseSize(sizeText);
  if (size == 0) {
    return 2;
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!render(size).save(&buffer, "PNG")) {
    std::fprintf(stderr, "icon-export: cannot encode the %d px icon as PNG\n", size);
    return 1;
  }
  std::ofstream out(path, std::ios::binary);
  out << "data:image/png;base64," << png.toBase64().toStdString();
  out.close();
  if (!out) {
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
  if (argc == 4 && QString::fromLatin1(argv[1]) == QLatin1String("--data-uri")) {
    return writeDataUri(argv[2], argv[3]);
  }
  if (argc == 3) {
    return writePng(argv[1], argv[2]);
  }
  std::fprintf(stderr,
               "usage: icon-export SIZE FILE.png | icon-export --source FILE.cpp"
               " | icon-export --data-uri SIZE FILE.txt\n");
  return 2;
}
