#include "tools/convert.h"

namespace scrv {
namespace {

constexpr auto kSpace = CharCategory::kSpace;
constexpr auto kMark = CharCategory::kMark;
constexpr auto kAlphaNumeric = CharCategory::kAlphaNumeric;
constexpr auto kKatakana = CharCategory::kKatakana;
constexpr auto kKanaMark = CharCategory::kKanaMark;

constexpr char16_t kActionSetting[] = u"CnvtAction";
constexpr char16_t kCustomCharsSetting[] = u"CnvtCustomChars";
// Room for every character of the table, with some to spare for a hand-edited value.
constexpr size_t kCustomCharsCapacity = 1024;

// Per category box: its flag row and its bit in the flag word.
struct CategoryRow {
  uint32_t flagRow;
  uint32_t bit;
};
constexpr std::array<CategoryRow, kCategoryCount> kCategoryRows = {{
    {flag::kCnvtKata, 0x400},
    {flag::kCnvtAlphaNum, 0x800},
    {flag::kCnvtMark, 0x1000},
    {flag::kCnvtSpace, 0x2000},
    {flag::kCnvtKanaMark, 0x4000},
}};

// Per display option: its flag row and its bit in the flag word.
constexpr std::array<CategoryRow, kConvertOptionCount> kOptionRows = {{
    {flag::kBackslashJapanese, 0x10},
    {flag::kBackslashKorean, 0x20},
    {flag::kRightSingleQuotation, 0x40},
    {flag::kRightDoubleQuotation, 0x80},
}};

size_t BoxOf(CharCategory category) {
  for (size_t b = 0; b < kCategoryCount; ++b)
    if (kCategories[b] == category) return b;
  return 0;
}

char16_t AsciiLower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view word) {
  if (word.size() > text.size()) return false;
  for (size_t i = 0; i + word.size() <= text.size(); ++i) {
    size_t k = 0;
    while (k < word.size() && AsciiLower(text[i + k]) == AsciiLower(word[k])) ++k;
    if (k == word.size()) return true;
  }
  return false;
}

}  // namespace

const std::array<ConvertChar, kConvertCharCount> kConvertChars = {{
    {0x30A1, kKatakana},     {0x30A2, kKatakana},     {0x30A3, kKatakana},
    {0x30A4, kKatakana},     {0x30A5, kKatakana},     {0x30A6, kKatakana},
    {0x30A7, kKatakana},     {0x30A8, kKatakana},     {0x30A9, kKatakana},
    {0x30AA, kKatakana},     {0x30AB, kKatakana},     {0x30AD, kKatakana},
    {0x30AF, kKatakana},     {0x30B1, kKatakana},     {0x30B3, kKatakana},
    {0x30B5, kKatakana},     {0x30B7, kKatakana},     {0x30B9, kKatakana},
    {0x30BB, kKatakana},     {0x30BD, kKatakana},     {0x30BF, kKatakana},
    {0x30C1, kKatakana},     {0x30C3, kKatakana},     {0x30C4, kKatakana},
    {0x30C6, kKatakana},     {0x30C8, kKatakana},     {0x30CA, kKatakana},
    {0x30CB, kKatakana},     {0x30CC, kKatakana},     {0x30CD, kKatakana},
    {0x30CE, kKatakana},     {0x30CF, kKatakana},     {0x30D2, kKatakana},
    {0x30D5, kKatakana},     {0x30D8, kKatakana},     {0x30DB, kKatakana},
    {0x30DE, kKatakana},     {0x30DF, kKatakana},     {0x30E0, kKatakana},
    {0x30E1, kKatakana},     {0x30E2, kKatakana},     {0x30E3, kKatakana},
    {0x30E4, kKatakana},     {0x30E5, kKatakana},     {0x30E6, kKatakana},
    {0x30E7, kKatakana},     {0x30E8, kKatakana},     {0x30E9, kKatakana},
    {0x30EA, kKatakana},     {0x30EB, kKatakana},     {0x30EC, kKatakana},
    {0x30ED, kKatakana},     {0x30EF, kKatakana},     {0x30F2, kKatakana},
    {0x30F3, kKatakana},     {0x30FC, kKatakana},     {0xFF10, kAlphaNumeric},
    {0xFF11, kAlphaNumeric}, {0xFF12, kAlphaNumeric}, {0xFF13, kAlphaNumeric},
    {0xFF14, kAlphaNumeric}, {0xFF15, kAlphaNumeric}, {0xFF16, kAlphaNumeric},
    {0xFF17, kAlphaNumeric}, {0xFF18, kAlphaNumeric}, {0xFF19, kAlphaNumeric},
    {0xFF21, kAlphaNumeric}, {0xFF22, kAlphaNumeric}, {0xFF23, kAlphaNumeric},
    {0xFF24, kAlphaNumeric}, {0xFF25, kAlphaNumeric}, {0xFF26, kAlphaNumeric},
    {0xFF27, kAlphaNumeric}, {0xFF28, kAlphaNumeric}, {0xFF29, kAlphaNumeric},
    {0xFF2A, kAlphaNumeric}, {0xFF2B, kAlphaNumeric}, {0xFF2C, kAlphaNumeric},
    {0xFF2D, kAlphaNumeric}, {0xFF2E, kAlphaNumeric}, {0xFF2F, kAlphaNumeric},
    {0xFF30, kAlphaNumeric}, {0xFF31, kAlphaNumeric}, {0xFF32, kAlphaNumeric},
    {0xFF33, kAlphaNumeric}, {0xFF34, kAlphaNumeric}, {0xFF35, kAlphaNumeric},
    {0xFF36, kAlphaNumeric}, {0xFF37, kAlphaNumeric}, {0xFF38, kAlphaNumeric},
    {0xFF39, kAlphaNumeric}, {0xFF3A, kAlphaNumeric}, {0xFF41, kAlphaNumeric},
    {0xFF42, kAlphaNumeric}, {0xFF43, kAlphaNumeric}, {0xFF44, kAlphaNumeric},
    {0xFF45, kAlphaNumeric}, {0xFF46, kAlphaNumeric}, {0xFF47, kAlphaNumeric},
    {0xFF48, kAlphaNumeric}, {0xFF49, kAlphaNumeric}, {0xFF4A, kAlphaNumeric},
    {0xFF4B, kAlphaNumeric}, {0xFF4C, kAlphaNumeric}, {0xFF4D, kAlphaNumeric},
    {0xFF4E, kAlphaNumeric}, {0xFF4F, kAlphaNumeric}, {0xFF50, kAlphaNumeric},
    {0xFF51, kAlphaNumeric}, {0xFF52, kAlphaNumeric}, {0xFF53, kAlphaNumeric},
    {0xFF54, kAlphaNumeric}, {0xFF55, kAlphaNumeric}, {0xFF56, kAlphaNumeric},
    {0xFF57, kAlphaNumeric}, {0xFF58, kAlphaNumeric}, {0xFF59, kAlphaNumeric},
    {0xFF5A, kAlphaNumeric}, {0x2018, kMark},         {0x2019, kMark},
    {0x201C, kMark},         {0x201D, kMark},         {0x2190, kMark},
    {0x2191, kMark},         {0x2192, kMark},         {0x2193, kMark},
    {0x25A0, kMark},         {0x3001, kMark},         {0x3002, kMark},
    {0x300C, kMark},         {0x300D, kMark},         {0x30FB, kMark},
    {0xFF01, kMark},         {0xFF02, kMark},         {0xFF03, kMark},
    {0xFF04, kMark},         {0xFF05, kMark},         {0xFF06, kMark},
    {0xFF07, kMark},         {0xFF08, kMark},         {0xFF09, kMark},
    {0xFF0A, kMark},         {0xFF0B, kMark},         {0xFF0C, kMark},
    {0xFF0D, kMark},         {0xFF0E, kMark},         {0xFF0F, kMark},
    {0xFF1A, kMark},         {0xFF1B, kMark},         {0xFF1C, kMark},
    {0xFF1D, kMark},         {0xFF1E, kMark},         {0xFF1F, kMark},
    {0xFF20, kMark},         {0xFF3B, kMark},         {0xFF3C, kMark},
    {0xFF3D, kMark},         {0xFF3E, kMark},         {0xFF3F, kMark},
    {0xFF40, kMark},         {0xFF5B, kMark},         {0xFF5C, kMark},
    {0xFF5D, kMark},         {0xFF5E, kMark},         {0xFFE0, kMark},
    {0xFFE1, kMark},         {0xFFE2, kMark},         {0xFFE3, kMark},
    {0xFFE4, kMark},         {0xFFE5, kMark},         {0xFFE6, kMark},
    {0x3000, kSpace},        {0x309B, kKanaMark},     {0x309C, kKanaMark},
    {0x30AC, kKanaMark},     {0x30AE, kKanaMark},     {0x30B0, kKanaMark},
    {0x30B2, kKanaMark},     {0x30B4, kKanaMark},     {0x30B6, kKanaMark},
    {0x30B8, kKanaMark},     {0x30BA, kKanaMark},     {0x30BC, kKanaMark},
    {0x30BE, kKanaMark},     {0x30C0, kKanaMark},     {0x30C2, kKanaMark},
    {0x30C5, kKanaMark},     {0x30C7, kKanaMark},     {0x30C9, kKanaMark},
    {0x30D0, kKanaMark},     {0x30D1, kKanaMark},     {0x30D3, kKanaMark},
    {0x30D4, kKanaMark},     {0x30D6, kKanaMark},     {0x30D7, kKanaMark},
    {0x30D9, kKanaMark},     {0x30DA, kKanaMark},     {0x30DC, kKanaMark},
    {0x30DD, kKanaMark},     {0x30F4, kKanaMark},
}};

CharSelection ReadSelectionMask(const uint8_t* mask) {
  CharSelection s;
  if (!mask) return s;
  for (size_t i = 0; i < kConvertCharCount; ++i) s[i] = (mask[i / 8] >> (i % 8)) & 1;
  return s;
}

void WriteSelectionMask(const CharSelection& selection, uint8_t* mask) {
  if (!mask) return;
  for (size_t i = 0; i < kConvertCharCount; ++i) {
    auto bit = static_cast<uint8_t>(1u << (i % 8));
    if (selection[i])
      mask[i / 8] |= bit;
    else
      mask[i / 8] &= static_cast<uint8_t>(~bit);
  }
}

std::u16string ConvertRowText(size_t index, std::u16string_view name) {
  if (index >= kConvertCharCount) return {};
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  char16_t code = kConvertChars[index].code;
  std::u16string text = u"U+";
  for (int shift = 12; shift >= 0; shift -= 4) text += kHex[(code >> shift) & 0xF];
  text += u"  ";
  text += code;
  text += u"  (";
  text += name;
  text += u')';
  return text;
}

bool ConvertRowMatches(std::u16string_view rowText, std::u16string_view query) {
  size_t pos = 0;
  while (pos < query.size()) {
    size_t start = query.find_first_not_of(u" \t", pos);
    if (start == std::u16string_view::npos) break;
    size_t end = query.find_first_of(u" \t", start);
    if (end == std::u16string_view::npos) end = query.size();
    if (!ContainsIgnoringCase(rowText, query.substr(start, end - start))) return false;
    pos = end;
  }
  return true;
}

void ConvertModel::Load(SettingsStore& store, const FlagTable& flags, uint32_t hostFlags) {
  SettingsHandle h = store.OpenCommon(false);
  secondAction = ReadFlag(store, flags, h, flag::kCnvtAction);
  scopeForced = (hostFlags & convert_flag::kFirstScope) != 0;
  firstScope = scopeForced;
  std::u16string custom = store.ReadString(h, kCustomCharsSetting, kCustomCharsCapacity, u"");
  selection.reset();
  if (custom.empty()) {
    std::array<bool, kCategoryCount> checked{};
    for (size_t b = 0; b < kCategoryCount; ++b)
      checked[b] = ReadFlag(store, flags, h, kCategoryRows[b].flagRow);
    for (size_t i = 0; i < kConvertCharCount; ++i)
      selection[i] = checked[BoxOf(kConvertChars[i].category)];
  } else {
    for (size_t i = 0; i < kConvertCharCount; ++i)
      selection[i] = custom.find(kConvertChars[i].code) != std::u16string::npos;
  }
  for (size_t o = 0; o < kConvertOptionCount; ++o)
    options[o] = ReadFlag(store, flags, h, kOptionRows[o].flagRow);
  store.CloseSettings(h);
}

std::array<BoxState, kCategoryCount> ConvertModel::BoxStates() const {
  std::array<size_t, kCategoryCount> chosen{}, total{};
  for (size_t i = 0; i < kConvertCharCount; ++i) {
    size_t box = BoxOf(kConvertChars[i].category);
    ++total[box];
    if (selection[i]) ++chosen[box];
  }
  std::array<BoxState, kCategoryCount> states{};
  for (size_t b = 0; b < kCategoryCount; ++b)
    states[b] = chosen[b] == 0          ? BoxState::kUnchecked
                : chosen[b] == total[b] ? BoxState::kChecked
                                        : BoxState::kIndeterminate;
  return states;
}

bool ConvertModel::Individual() const {
  for (BoxState s : BoxStates())
    if (s == BoxState::kIndeterminate) return true;
  return false;
}

void ConvertModel::ClickCategory(size_t box) {
  if (box >= kCategoryCount) return;
  std::array<BoxState, kCategoryCount> states = BoxStates();
  states[box] = states[box] == BoxState::kChecked ? BoxState::kUnchecked : BoxState::kChecked;
  for (size_t i = 0; i < kConvertCharCount; ++i)
    selection[i] = states[BoxOf(kConvertChars[i].category)] == BoxState::kChecked;
}

void ConvertModel::ApplyOptions(SettingsStore& store, const FlagTable& flags,
                                ConvertOptions checked) {
  if (checked[0]) checked[1] = false;
  options = checked;
  SettingsHandle h = store.OpenCommon(true);
  for (size_t o = 0; o < kConvertOptionCount; ++o)
    WriteFlag(store, flags, h, kOptionRows[o].flagRow, options[o]);
  store.CloseSettings(h);
}

uint32_t ConvertModel::FlagWord() const {
  uint32_t word = convert_flag::kAlways;
  if (secondAction) word |= convert_flag::kSecondAction;
  if (firstScope) word |= convert_flag::kFirstScope;
  std::array<BoxState, kCategoryCount> states = BoxStates();
  if (Individual()) {
    word |= convert_flag::kIndividual;
  } else {
    for (size_t b = 0; b < kCategoryCount; ++b)
      if (states[b] == BoxState::kChecked) word |= kCategoryRows[b].bit;
  }
  for (size_t o = 0; o < kConvertOptionCount; ++o)
    if (options[o]) word |= kOptionRows[o].bit;
  return word;
}

void ConvertModel::Save(SettingsStore& store, const FlagTable& flags) const {
  SettingsHandle h = store.OpenCommon(true);
  WriteFlag(store, flags, h, flag::kCnvtAction, secondAction);
  if (Individual()) {
    std::u16string chars;
    for (size_t i = 0; i < kConvertCharCount; ++i)
      if (selection[i]) chars += kConvertChars[i].code;
    store.WriteString(h, kCustomCharsSetting, chars);
  } else {
    std::array<BoxState, kCategoryCount> states = BoxStates();
    for (size_t b = 0; b < kCategoryCount; ++b)
      WriteFlag(store, flags, h, kCategoryRows[b].flagRow, states[b] == BoxState::kChecked);
    store.DeleteValue(h, kCustomCharsSetting, false);
  }
  store.CloseSettings(h);
}

}  // namespace scrv
