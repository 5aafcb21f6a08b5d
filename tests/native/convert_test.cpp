#include "tools/convert.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/memory_settings.h"

namespace scrv {
namespace {

size_t FirstOf(CharCategory c) {
  for (size_t i = 0; i < kConvertCharCount; ++i)
    if (kConvertChars[i].category == c) return i;
  return kConvertCharCount;
}

size_t BoxOf(CharCategory c) {
  for (size_t b = 0; b < kCategoryCount; ++b)
    if (kCategories[b] == c) return b;
  return kCategoryCount;
}

TEST(ConvertTable, EveryCharacterOnceInEachOfTheFiveCategories) {
  std::set<char16_t> codes;
  std::set<CharCategory> seen;
  for (const ConvertChar& c : kConvertChars) {
    codes.insert(c.code);
    seen.insert(c.category);
  }
  EXPECT_EQ(codes.size(), kConvertCharCount);
  EXPECT_EQ(seen.size(), kCategoryCount);
  EXPECT_EQ(kConvertChars[FirstOf(CharCategory::kSpace)].code, u'\x3000');
}

TEST(ConvertRows, RowTextShowsCodeCharacterAndNameAndTheSearchMatchesWords) {
  size_t space = FirstOf(CharCategory::kSpace);
  EXPECT_EQ(ConvertRowText(space, u"Ideographic space"), u"U+3000  \x3000  (Ideographic space)");
  EXPECT_EQ(ConvertRowText(kConvertCharCount, u"x"), u"");
  std::u16string row = u"U+FF21  \xFF21  (Fullwidth latin capital letter a)";
  EXPECT_TRUE(ConvertRowMatches(row, u""));
  EXPECT_TRUE(ConvertRowMatches(row, u"  LATIN\tcapital "));
  EXPECT_TRUE(ConvertRowMatches(row, u"ff21"));
  EXPECT_FALSE(ConvertRowMatches(row, u"latin small"));
}

TEST(ConvertMask, TheHostsMaskIsBitIOfByteIOverEight) {
  uint8_t mask[kSelectionMaskBytes + 1] = {};
  mask[kSelectionMaskBytes] = 0x5A;  // past the mask: never touched
  CharSelection s;
  s[0] = s[9] = s[199] = true;
  WriteSelectionMask(s, mask);
  EXPECT_EQ(mask[0], 0x01);
  EXPECT_EQ(mask[1], 0x02);
  EXPECT_EQ(mask[24], 0x80);
  EXPECT_EQ(mask[kSelectionMaskBytes], 0x5A);
  EXPECT_EQ(ReadSelectionMask(mask), s);
  s.reset();
  WriteSelectionMask(s, mask);
  EXPECT_EQ(mask[0], 0);
}

class ConvertModelTest : public ::testing::TestWithParam<bool> {
 protected:
  bool Stored(std::u16string_view name) const { return store.Find(u"Common", name) != nullptr; }
  uint32_t Dword(std::u16string_view name) { return store.ReadCommonDword(name, 0xDEAD); }
  ConvertModel Loaded(uint32_t hostFlags = 0) {
    ConvertModel m;
    m.Load(store, flags, hostFlags);
    return m;
  }

  MemorySettings store{GetParam()};
  FlagTable flags{1252};
};

TEST_P(ConvertModelTest, DefaultsChooseEveryCategoryAndGiveTheirBits) {
  ConvertModel m = Loaded();
  EXPECT_FALSE(m.secondAction);
  EXPECT_FALSE(m.firstScope);
  EXPECT_EQ(m.selection.count(), kConvertCharCount);
  EXPECT_FALSE(m.Individual());
  // The quotation options default to on, the backslash ones off outside code page 932.
  EXPECT_EQ(m.FlagWord(), 0x2u | 0x400 | 0x800 | 0x1000 | 0x2000 | 0x4000 | 0x40 | 0x80);
  m.Save(store, flags);
  for (auto name : {u"CnvtAction", u"CnvtKata", u"CnvtAlphaNum", u"CnvtMark", u"CnvtSpace",
                    u"CnvtKanaMark", u"CnvtCustomChars"})
    EXPECT_FALSE(Stored(name));
  EXPECT_EQ(store.OpenHandles(), 0);
}

TEST_P(ConvertModelTest, HostBitForcesTheFirstScopeAndTheActionSettingTheSecondAction) {
  store.WriteCommonDword(u"CnvtAction", 1);
  store.WriteCommonDword(u"CnvtMark", 0);
  ConvertModel m = Loaded(0x100);
  EXPECT_TRUE(m.scopeForced);
  EXPECT_EQ(m.FlagWord() & 0x1103, 0x103u);
  EXPECT_EQ(m.BoxStates()[BoxOf(CharCategory::kMark)], BoxState::kUnchecked);
  EXPECT_EQ(m.FlagWord() & 0x1000, 0u);
}

TEST_P(ConvertModelTest, AnIndividualChoiceIsStoredAsItsCharactersInTableOrder) {
  ConvertModel m = Loaded();
  m.selection.reset();
  size_t space = FirstOf(CharCategory::kSpace), kata = FirstOf(CharCategory::kKatakana);
  m.selection[space] = m.selection[kata] = true;
  EXPECT_TRUE(m.Individual());
  EXPECT_EQ(m.BoxStates()[BoxOf(CharCategory::kKatakana)], BoxState::kIndeterminate);
  EXPECT_EQ(m.BoxStates()[BoxOf(CharCategory::kSpace)], BoxState::kChecked);
  EXPECT_EQ(m.FlagWord() & 0xFF0F, 0x8002u) << "no category bit with an individual choice";
  m.Save(store, flags);
  std::u16string expected{kConvertChars[std::min(space, kata)].code,
                          kConvertChars[std::max(space, kata)].code};
  EXPECT_EQ(store.ReadCommonString(u"CnvtCustomChars", 300, u""), expected);

  ConvertModel back = Loaded();
  EXPECT_EQ(back.selection, m.selection);

  back.ClickCategory(BoxOf(CharCategory::kAlphaNumeric));  // the choice becomes categories
  back.Save(store, flags);
  EXPECT_FALSE(Stored(u"CnvtCustomChars"));
  EXPECT_EQ(Dword(u"CnvtKata"), 0u);
  EXPECT_EQ(Dword(u"CnvtMark"), 0u);
  EXPECT_FALSE(Stored(u"CnvtSpace"));
  EXPECT_FALSE(Stored(u"CnvtAlphaNum"));
}

TEST_P(ConvertModelTest, CategoryClicksCheckClearAndFollowTheirCharacters) {
  ConvertModel m = Loaded();
  size_t mark = BoxOf(CharCategory::kMark);
  m.ClickCategory(mark);
  EXPECT_EQ(m.BoxStates()[mark], BoxState::kUnchecked);
  EXPECT_FALSE(m.selection[FirstOf(CharCategory::kMark)]);
  m.selection[FirstOf(CharCategory::kMark)] = true;
  EXPECT_EQ(m.BoxStates()[mark], BoxState::kIndeterminate);
  m.ClickCategory(mark);
  EXPECT_EQ(m.BoxStates()[mark], BoxState::kChecked) << "indeterminate becomes checked";
  EXPECT_EQ(m.selection.count(), kConvertCharCount);
}

TEST_P(ConvertModelTest, CharacterOptionsExcludeTheKoreanBackslashAndAreWrittenAtOnce) {
  ConvertModel m = Loaded();
  m.ApplyOptions(store, flags, {true, true, true, false});
  EXPECT_EQ(m.options, (ConvertOptions{true, false, true, false}));
  EXPECT_EQ(Dword(u"BackslashJapanese"), 1u);
  EXPECT_FALSE(Stored(u"BackslashKorean"));
  EXPECT_FALSE(Stored(u"RightSingleQuotation")) << "equal to its default";
  EXPECT_EQ(Dword(u"RightDoubleQuotation"), 0u);
  EXPECT_EQ(m.FlagWord() & 0xF0, 0x50u);
  m.ApplyOptions(store, flags, {false, true, false, false});
  EXPECT_EQ(Loaded().FlagWord() & 0xF0, 0x20u);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, ConvertModelTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
}  // namespace scrv
