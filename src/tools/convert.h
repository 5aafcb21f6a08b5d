#pragma once
// The model behind the convert dialog: which of the convertible characters are chosen (by
// category, or one by one), the two direction choices, the four character-display options,
// the settings they live in, and the flag word handed back to the host.

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/check_states.h"
#include "settings/flag_table.h"
#include "settings/settings_store.h"

namespace scrv {

// The categories, numbered as the host numbers them.
enum class CharCategory : uint8_t {
  kSpace = 1,
  kMark = 2,
  kAlphaNumeric = 3,
  kKatakana = 4,
  kKanaMark = 5,
};

struct ConvertChar {
  char16_t code;
  CharCategory category;
};

constexpr size_t kConvertCharCount = 200;
// The convertible characters, grouped by category; a character's index is its bit in the
// selection mask and its place in "CnvtCustomChars".
extern const std::array<ConvertChar, kConvertCharCount> kConvertChars;

using CharSelection = std::bitset<kConvertCharCount>;

// The category boxes in the order the model keeps them.
constexpr size_t kCategoryCount = 5;
constexpr std::array<CharCategory, kCategoryCount> kCategories = {
    CharCategory::kKatakana, CharCategory::kAlphaNumeric, CharCategory::kMark, CharCategory::kSpace,
    CharCategory::kKanaMark};

// The display options, in the order of their rows in the option list.
constexpr size_t kConvertOptionCount = 4;
using ConvertOptions = std::array<bool, kConvertOptionCount>;

// Bits of the record's flag word.
namespace convert_flag {
constexpr uint32_t kSecondAction = 0x1;  // radio 1079 rather than 1078
constexpr uint32_t kAlways = 0x2;
constexpr uint32_t kFirstScope = 0x100;   // radio 1080; in the host's word it forces it
constexpr uint32_t kIndividual = 0x8000;  // characters chosen one by one
}  // namespace convert_flag

// The selection mask as the host keeps it: 200 bits, bit i of byte i / 8 for character i.
constexpr size_t kSelectionMaskBytes = (kConvertCharCount + 7) / 8;
CharSelection ReadSelectionMask(const uint8_t* mask);
void WriteSelectionMask(const CharSelection& selection, uint8_t* mask);

// The list row of character `index`: "U+%04X  %c  (%s)" with its code, itself and `name`.
std::u16string ConvertRowText(size_t index, std::u16string_view name);
// Whether a row matches the search text: every blank-separated word of `query` occurs in
// `rowText`, ignoring the case of ASCII letters. An empty query matches every row.
bool ConvertRowMatches(std::u16string_view rowText, std::u16string_view query);

class ConvertModel {
 public:
  // Reads the settings through one handle: the action radio, the categories or the individual
  // choice ("CnvtCustomChars", when not empty), and the display options. `hostFlags` bit 0x100
  // forces the first scope radio.
  void Load(SettingsStore& store, const FlagTable& flags, uint32_t hostFlags);

  bool secondAction = false;  // radio 1079
  bool firstScope = false;    // radio 1080
  bool scopeForced = false;   // 1080 forced, 1081 disabled
  CharSelection selection;
  ConvertOptions options{};

  // A box is checked when every character of its category is chosen, clear when none is, and
  // indeterminate in between.
  std::array<BoxState, kCategoryCount> BoxStates() const;
  bool Individual() const;
  // A click on box `box`: a checked box clears, any other becomes checked; then exactly the
  // characters of the checked boxes are chosen.
  void ClickCategory(size_t box);

  // The option rows as the user checked them: the two backslash options exclude each other
  // (the first wins). Written at once through one handle.
  void ApplyOptions(SettingsStore& store, const FlagTable& flags, ConvertOptions checked);

  uint32_t FlagWord() const;
  // Closing, by OK or Cancel alike: the action, then the individual choice or the five
  // categories, through one handle.
  void Save(SettingsStore& store, const FlagTable& flags) const;
};

}  // namespace scrv
