#include "tools/macro_literal.h"

#include <gtest/gtest.h>

namespace scrv {
namespace {

std::u16string Js(std::u16string_view t) {
  return MacroStringLiteral(t, MacroLanguage::kJavaScript);
}
std::u16string Vbs(std::u16string_view t) {
  return MacroStringLiteral(t, MacroLanguage::kVBScript);
}

TEST(MacroLiteral, JavaScriptEscapesAsHexAndDoublesBackslash) {
  EXPECT_EQ(Js(u"a\"b"), u"\"a\\x22b\"");
  EXPECT_EQ(Js(u"it's"), u"\"it\\x27s\"");
  EXPECT_EQ(Js(u"c:\\x"), u"\"c:\\\\x\"");
  EXPECT_EQ(Js(u"\t\x7f"), u"\"\\x09\\x7f\"");
  EXPECT_EQ(Js(u""), u"\"\"");
  EXPECT_EQ(Js(u"\u00e9"), u"\"\u00e9\"");
}

TEST(MacroLiteral, VBScriptJoinsChrTermsOutsideQuotes) {
  EXPECT_EQ(Vbs(u"a\"b"), u"\"a\" & Chr(34) & \"b\"");
  EXPECT_EQ(Vbs(u"\"b"), u"Chr(34) & \"b\"");
  EXPECT_EQ(Vbs(u"a\t"), u"\"a\" & Chr(9)");
  EXPECT_EQ(Vbs(u"\""), u"Chr(34)");
  EXPECT_EQ(Vbs(u"a\r\nb"), u"\"a\" & Chr(13) & Chr(10) & \"b\"");
  EXPECT_EQ(Vbs(u"it's \\"), u"\"it's \\\"");
  EXPECT_EQ(Vbs(u""), u"\"\"");
}

}  // namespace
}  // namespace scrv
