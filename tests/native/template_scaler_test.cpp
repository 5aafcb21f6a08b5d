#include "frame/template_scaler.h"
#include "frame/geometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace scrv {
namespace {

constexpr uint32_t kDsSetFont = 0x40;
constexpr uint32_t kDsFixedSys = 0x08;
constexpr uint32_t kWsPopup = 0x80000000;

struct Bytes {
  std::vector<uint8_t> b;
  Bytes& W(uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
    return *this;
  }
  Bytes& D(uint32_t v) { return W(static_cast<uint16_t>(v)).W(static_cast<uint16_t>(v >> 16)); }
  Bytes& Str(std::u16string_view s) {
    for (char16_t c : s) W(c);
    return W(0);
  }
  Bytes& Ordinal(uint16_t id) { return W(0xFFFF).W(id); }
};

// A name or ordinal field: an empty name writes the ordinal.
void Field(Bytes& t, std::u16string_view name, uint16_t ordinal) {
  if (name.empty()) {
    t.Ordinal(ordinal);
  } else {
    t.Str(name);
  }
}

// DLGTEMPLATE: style, extended style, item count, x, y, cx, cy; then menu, class, title, font.
std::vector<uint8_t> Classic(uint32_t style, uint16_t points, std::u16string_view menu = u"",
                             std::u16string_view cls = u"") {
  Bytes t;
  t.D(style).D(0).W(0).W(0).W(0).W(200).W(100);
  Field(t, menu, 7);
  Field(t, cls, 0x8002);
  t.Str(u"Number range");
  if (style & (kDsSetFont | kDsFixedSys)) t.W(points).Str(u"Segoe UI");
  return t.b;
}

// DLGTEMPLATEEX: version 1, 0xFFFF, help id, extended style, style, item count, x, y, cx, cy;
// then menu, class, title, and point size, weight, italic, charset, typeface.
std::vector<uint8_t> Extended(uint32_t style, uint16_t points, std::u16string_view menu = u"",
                              std::u16string_view cls = u"") {
  Bytes t;
  t.W(1).W(0xFFFF).D(0).D(0).D(style).W(0).W(0).W(0).W(200).W(100);
  Field(t, menu, 7);
  Field(t, cls, 0x8002);
  t.Str(u"Number range");
  if (style & (kDsSetFont | kDsFixedSys)) t.W(points).W(400).W(0x0100).Str(u"Segoe UI");
  return t.b;
}

uint16_t PointSize(const std::vector<uint8_t>& t) {
  auto where = FindTemplatePointSize(t.data(), t.size());
  EXPECT_TRUE(where && *where);
  if (!where || !*where) return 0;
  return static_cast<uint16_t>(t[**where] | (t[**where + 1] << 8));
}

std::optional<std::vector<uint8_t>> Scale(const std::vector<uint8_t>& t, int32_t percent) {
  return ScaleDialogTemplate(t.data(), t.size(), percent);
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(9, 150, 100), 14);
  EXPECT_EQ(MulDiv(-9, 150, 100), -14);
  EXPECT_EQ(MulDiv(9, -150, 100), -14);
  EXPECT_EQ(MulDiv(9, 150, -100), -14);
  EXPECT_EQ(MulDiv(-9, 150, -100), 14);
  EXPECT_EQ(MulDiv(7, 1, 2), 4);
  EXPECT_EQ(MulDiv(5, 1, 3), 2);
  EXPECT_EQ(MulDiv(4, 1, 3), 1);
  EXPECT_EQ(MulDiv(9, 125, 100), 11);  // 11.25
  EXPECT_EQ(MulDiv(0, 150, 100), 0);
}

TEST(MulDiv, UsesA64BitIntermediateAndRefusesWhatDoesNotFit) {
  EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
  EXPECT_EQ(MulDiv(96, 100, 0), -1);
  EXPECT_EQ(MulDiv(std::numeric_limits<int32_t>::max(), 2, 1), -1);
  EXPECT_EQ(MulDiv(std::numeric_limits<int32_t>::max(), 1, 1), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(MulDiv(std::numeric_limits<int32_t>::min(), 1, 1), -1);
  EXPECT_EQ(MulDiv(std::numeric_limits<int32_t>::min(), 1, 2), -1073741824);
}

TEST(TemplateScaler, NinePointAt150PercentBecomes14InBothKinds) {
  struct Case {
    bool extended;
    std::u16string_view menu, cls;
  } cases[] = {{false, u"", u""}, {false, u"IDR_MENU", u"ScrivletDlg"}, {false, u"M", u""},
               {true, u"", u""},  {true, u"IDR_MENU", u"ScrivletDlg"},  {true, u"", u"C"}};
  for (const Case& c : cases) {
    std::vector<uint8_t> t = c.extended ? Extended(kWsPopup | kDsSetFont, 9, c.menu, c.cls)
                                        : Classic(kWsPopup | kDsSetFont, 9, c.menu, c.cls);
    auto scaled = Scale(t, 150);
    ASSERT_TRUE(scaled);
    ASSERT_EQ(scaled->size(), t.size());
    EXPECT_EQ(PointSize(*scaled), 14);
    // Nothing but the point size changes.
    size_t at = **FindTemplatePointSize(t.data(), t.size());
    for (size_t k = 0; k < t.size(); ++k) {
      if (k != at && k != at + 1) EXPECT_EQ((*scaled)[k], t[k]) << "byte " << k;
    }
  }
}

TEST(TemplateScaler, FixedSysAloneAlsoDeclaresAFont) {
  auto scaled = Scale(Extended(kDsFixedSys, 8), 200);
  ASSERT_TRUE(scaled);
  EXPECT_EQ(PointSize(*scaled), 16);
}

TEST(TemplateScaler, TemplatesWithoutFontOrPointSizeZeroAreCopiedUnchanged) {
  for (auto t : {Classic(kWsPopup, 0), Extended(kWsPopup, 0), Classic(kDsSetFont, 0),
                 Extended(kDsSetFont, 0)}) {
    auto scaled = Scale(t, 150);
    ASSERT_TRUE(scaled);
    EXPECT_EQ(*scaled, t);
  }
  std::vector<uint8_t> plain = Classic(kWsPopup, 0);
  auto noFont = FindTemplatePointSize(plain.data(), plain.size());
  ASSERT_TRUE(noFont);
  EXPECT_FALSE(*noFont);
}

TEST(TemplateScaler, ScaledSizeStaysAPositiveWord) {
  EXPECT_EQ(PointSize(*Scale(Classic(kDsSetFont, 1), 1)), 1);
  EXPECT_EQ(PointSize(*Scale(Classic(kDsSetFont, 60000), 200)), 0xFFFF);
  EXPECT_EQ(PointSize(*Scale(Classic(kDsSetFont, 9), std::numeric_limits<int32_t>::max())), 0xFFFF);
  EXPECT_FALSE(Scale(Classic(kDsSetFont, 9), 0));
  EXPECT_FALSE(Scale(Classic(kDsSetFont, 9), -150));
}

TEST(TemplateScaler, TruncatedTemplatesAreRefused) {
  for (auto t : {Classic(kDsSetFont, 9, u"MENU", u"CLS"), Extended(kDsSetFont, 9),
                 Extended(kDsSetFont, 9, u"", u"CLS"), Classic(kWsPopup, 0)}) {
    auto where = FindTemplatePointSize(t.data(), t.size());
    ASSERT_TRUE(where);
    // The shortest acceptable prefix ends with the point size word (or the title).
    size_t needed = *where ? **where + 2 : t.size();
    for (size_t len = 0; len < t.size(); ++len) {
      // An exact-size copy, so that the sanitizers see any read past the end.
      std::vector<uint8_t> prefix(t.begin(), t.begin() + len);
      EXPECT_EQ(ScaleDialogTemplate(prefix.data(), prefix.size(), 150).has_value(), len >= needed)
          << "length " << len;
    }
  }
  // A title without its terminator.
  Bytes t;
  t.D(kDsSetFont).D(0).W(0).W(0).W(0).W(200).W(100).W(0).W(0).W(u'A').W(u'B');
  EXPECT_FALSE(ScaleDialogTemplate(t.b.data(), t.b.size(), 150));
  EXPECT_FALSE(ScaleDialogTemplate(nullptr, 0, 150));
}

}  // namespace
}  // namespace scrv
