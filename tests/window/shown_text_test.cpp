// Outside text shown back. The rows stand on both sides of every edge of the rule: the shortest
// forms, the surrogates, U+10FFFF, a cut character and each range of controls.
#include "window/shown_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ShownText, ValidTextAsItIsAnyOtherByteAndEveryControlByItsCode) {
  const std::pair<std::string, std::string> table[] = {
      {"dnf-ж €😀", "dnf-ж €😀"},
      {"\x1F\x20\x7E\x7F", "<U+001F> ~<U+007F>"},
      {"\xC2\x80\xC2\x9F\xC2\xA0", "<U+0080><U+009F>\u00A0"},
      {"\xC0\x80\xC1\xBF", "<0xC0><0x80><0xC1><0xBF>"},
      {"\xE0\x9F\xBF\xE0\xA0\x80", "<0xE0><0x9F><0xBF>\u0800"},
      {"\xF0\x8F\xBF\xBF\xF0\x90\x80\x80", "<0xF0><0x8F><0xBF><0xBF>\U00010000"},
      {"\xED\x9F\xBF\xED\xA0\x80\xED\xBF\xBF\xEE\x80\x80",
       "\uD7FF<0xED><0xA0><0x80><0xED><0xBF><0xBF>\uE000"},
      {"\xF4\x8F\xBF\xBF\xF4\x90\x80\x80", "\U0010FFFF<0xF4><0x90><0x80><0x80>"},
      {"\xF8\x88\x80\x80\x80", "<0xF8><0x88><0x80><0x80><0x80>"},
      {"\xE2\x82z\xE2\x82", "<0xE2><0x82>z<0xE2><0x82>"},
      {"\u061B\u061C\u061D\u200D\u200E\u200F\u2010",
       "\u061B<U+061C>\u061D\u200D<U+200E><U+200F>\u2010"},
      {"\u2027\u2028\u2029\u202E\u202F\u2065\u2066\u2069\u206A",
       "\u2027<U+2028><U+2029><U+202E>\u202F\u2065<U+2066><U+2069>\u206A"},
  };
  for (const auto& [text, shown] : table) {
    EXPECT_EQ(shown, nf::shownText(text)) << ::testing::PrintToString(text);
  }
}

}  // namespace
