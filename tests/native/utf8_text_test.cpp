#include "settings/utf8_text.h"

#include <gtest/gtest.h>

namespace scrv {
namespace {

TEST(Utf8Text, EncodesEveryPlaneAndReplacesLoneSurrogates) {
  EXPECT_EQ(Utf16ToUtf8(u"a\u00e9\u20ac"), "a\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(Utf16ToUtf8(u"\u07ff\u0800\uffff"), "\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF") << "the edges";
  EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xDC00})), "\xEF\xBF\xBD");
}

TEST(Utf8Text, EncodingStopsBeforeACharacterThatDoesNotFit) {
  uint8_t out[8] = {};
  EXPECT_EQ(EncodeUtf8(u"ab\u20ac", out, 4), 2u) << "the euro sign needs three more bytes";
  EXPECT_EQ(EncodeUtf8(u"ab\u20ac", nullptr, 5), 5u);
  EXPECT_EQ(EncodeUtf8(u"\U0001F600", nullptr, 3), 0u) << "a pair is never split";
}

TEST(Utf8Text, DecodesWellFormedText) {
  EXPECT_EQ(Utf8ToUtf16("a\xC3\xA9\xE2\x82\xAC"), u"a\u00e9\u20ac");
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");
  EXPECT_EQ(Utf8ToUtf16("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");
}

TEST(Utf8Text, EachIllFormedPartReadsAsOneReplacement) {
  const std::u16string r(1, char16_t{0xFFFD});
  EXPECT_EQ(Utf8ToUtf16("\x80x"), r + u"x");
  EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), r) << "cut short";
  EXPECT_EQ(Utf8ToUtf16("\xE2\x82x"), r + u"x");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), r + r) << "overlong";
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), r + r + r) << "an encoded surrogate";
  EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), r + r + r + r) << "above U+10FFFF";
  EXPECT_EQ(Utf8ToUtf16("\xFF"), r);
}

}  // namespace
}  // namespace scrv
