#pragma once
// The small-value table: settings that hold a small unsigned number, addressed by row number
// like the flags, so that a value set back to its default is removed from the store.

#include <array>
#include <cstdint>
#include <string_view>

#include "settings/settings_store.h"

namespace scrv {

struct SmallValueRow {
  std::u16string_view name;
  uint8_t def = 0;
  // The largest value as a mask of the setting's width (3, 7, ..., 127); 0 for the two on/off
  // rows. Carried for the host; the accessors here use only the default.
  uint8_t limit = 0;
};

constexpr uint32_t kSmallValueRowCount = 60;

// Row numbers by value name.
namespace small_value {
enum : uint32_t {
  kAdjustColumnVisible = 0,
  kAdjustTabWidth = 1,
  kAntialiasingMode = 2,
  kAutoMarkerFlags = 3,
  kAutoWorkspace = 4,
  kBeepLevel = 5,
  kCaretHeight = 6,
  kCaretWidth = 7,
  kChangeFindFont = 8,
  kCharsCategory = 9,
  kCombineOptions = 10,
  kCsvNewMode = 11,
  kCurrDirGrep = 12,
  kDefMarkerColor = 13,
  kExpandCustomBar = 14,
  kExtractVisibleLinesAbove = 15,
  kExtractVisibleLinesBelow = 16,
  kExtraShortcut = 17,
  kFilterVisibleLinesAbove = 18,
  kFilterVisibleLinesBelow = 19,
  kFindInit = 20,
  kGrepFileInit = 21,
  kHeaderType = 22,
  kKeymapType = 23,
  kLargeFileBarUnit = 24,
  kLineNumGroupingDec = 25,
  kLineNumGroupingHex = 26,
  kLineNumGroupingSpaceDec = 27,
  kLineNumGroupingSpaceHex = 28,
  kMaxFindHistory = 29,
  kMaxRecentFile = 30,
  kMaxRecentFont = 31,
  kMorePopupCount = 32,
  kNumFlags = 33,
  kNumType = 34,
  kOpenIn = 35,
  kOutlineBarPos = 36,
  kRegexEngine = 37,
  kRenderingMode = 38,
  kRestoreCWS = 39,
  kRestoreWindowSize = 40,
  kRetryOpen = 41,
  kRetrySave = 42,
  kShowDetect = 43,
  kShowDetectGrep = 44,
  kSymbolSort = 45,
  kTabCloseBtn = 46,
  kTabIcon = 47,
  kTabInsertPos = 48,
  kTabSort = 49,
  kTabWhenClosed = 50,
  kTabWidthMode = 51,
  kAppTheme = 52,
  kHexFormat = 53,
  kDFIExpHilite = 54,
  kDFIImpHilite = 55,
  kCaretHeightOvr = 56,
  kCaretWidthOvr = 57,
  kValidatorMode = 58,
  kExtractFreqCsv = 59,
};
}  // namespace small_value

// Null for a row outside the table.
const SmallValueRow* SmallValueRowAt(uint32_t row);

// The stored DWORD, or the row's default when none is stored; 0 for a row outside the table.
uint32_t ReadSmallValue(SettingsStore& store, SettingsHandle h, uint32_t row);
// The same from "Common", opened read-only for this one read.
uint32_t ReadCommonSmallValue(SettingsStore& store, uint32_t row);

// A value equal to the row's default deletes the stored value; any other is written as a
// DWORD. A row outside the table writes nothing.
void WriteSmallValue(SettingsStore& store, SettingsHandle h, uint32_t row, uint8_t value);

}  // namespace scrv
