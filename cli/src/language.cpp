#include "cli/language.h"

#include <libintl.h>
#include <unistd.h>

#include <array>
#include <clocale>
#include <cstdio>

namespace nf {
namespace {

// Where the catalogues are: share/locale beside the bin/ folder the program runs from, so that
// /usr/bin/normal-forms reads /usr/share/locale and a build reads the catalogue it compiled.
std::string localeDirectory() {
  std::array<char, 4096> path{};
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  const std::string_view program(path.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
  const std::size_t slash = program.rfind('/');
  if (slash == std::string_view::npos || static_cast<std::size_t>(length) == path.size()) {
    return NF_INSTALLED_LOCALE_DIR;
  }
  return std::string(program.substr(0, slash)) + "/../share/locale";
}

}  // namespace

void useUserLanguage() {
  std::setlocale(LC_ALL, "");
  bindtextdomain(kTextDomain, localeDirectory().c_str());
  textdomain(kTextDomain);
}

const char* localized(const char* english) {
  return ::gettext(english);
}

std::string translated(const Message& message) {
  if (message.text.empty()) {
    return {};
  }
  return formatted(::gettext(std::string(message.text).c_str()), message.arguments);
}

void complain(std::string_view line) {
  const std::string text = std::string(kProgram) + ": " + std::string(line) + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace nf
