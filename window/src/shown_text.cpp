#include "window/shown_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace nf {
namespace {

constexpr char32_t kNoCharacter = 0xFFFFFFFF;

struct Character {
  char32_t code;  // kNoCharacter for a byte that begins no valid character: it stands alone
  std::size_t length;
};

Character decoded(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  // The ones before the lead byte's first zero count its bytes; a single one marks a byte that
  // continues a character.
  const auto ones = static_cast<std::size_t>(std::countl_one(lead));
  const std::size_t length = std::max<std::size_t>(ones, 1);
  if (ones == 1 || ones > 4 || text.size() < length) {
    return {kNoCharacter, 1};
  }
  char32_t code = lead & (0xFFU >> (ones + 1));
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0U) != 0x80U) {
      return {kNoCharacter, 1};
    }
    code = (code << 6U) | (next & 0x3FU);
  }
  // The least code each length may carry: below it, the form is an overlong one.
  constexpr std::array<char32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return {kNoCharacter, 1};
  }
  return {code, length};
}

// The characters that act rather than show: they move the cursor, start a terminal's command
// (CSI is U+009B), break the line or reorder the text around them.
bool acts(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// "<U+009B>", "<0xED>": `code` in `digits` hexadecimal digits after `prefix`.
std::string named(const char* prefix, std::uint32_t code, std::size_t digits) {
  std::string name = std::string("<") + prefix + std::string(digits, '0') + ">";
  for (std::size_t at = name.size() - 2; code != 0; --at, code >>= 4U) {
    name[at] = "0123456789ABCDEF"[code & 0xFU];
  }
  return name;
}

}  // namespace

std::size_t characterLength(std::string_view text) {
  return decoded(text).length;
}

std::string shownText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  while (!text.empty()) {
    const auto [code, length] = decoded(text);
    if (code == kNoCharacter) {
      shown += named("0x", static_cast<unsigned char>(text.front()), 2);
    } else if (acts(code)) {
      shown += named("U+", code, 4);
    } else {
      shown.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return shown;
}

}  // namespace nf
