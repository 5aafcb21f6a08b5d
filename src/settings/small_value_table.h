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
  // rows. The accessors here use only the default; the Customize pages refuse a number typed
  // beyond it.
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

// The rows, for tables that refer to a row at compile time.
inline constexpr std::array<SmallValueRow, kSmallValueRowCount> kSmallValueRows = {{
    {u"AdjustColumnVisible", 3, 3},        // 0
    {u"AdjustTabWidth", 2, 3},             // 1
    {u"AntialiasingMode", 0, 3},           // 2
    {u"AutoMarkerFlags", 0, 31},           // 3
    {u"AutoWorkspace", 1, 7},              // 4
    {u"BeepLevel", 2, 3},                  // 5
    {u"CaretHeight", 0, 15},               // 6
    {u"CaretWidth", 11, 15},               // 7
    {u"ChangeFindFont", 1, 3},             // 8
    {u"CharsCategory", 0, 3},              // 9
    {u"CombineOptions", 0, 7},             // 10
    {u"CsvNewMode", 0, 15},                // 11
    {u"CurrDirGrep", 1, 7},                // 12
    {u"DefMarkerColor", 15, 15},           // 13
    {u"ExpandCustomBar", 0, 0},            // 14
    {u"ExtractVisibleLinesAbove", 0, 31},  // 15
    {u"ExtractVisibleLinesBelow", 0, 31},  // 16
    {u"ExtraShortcut", 0, 3},              // 17
    {u"FilterVisibleLinesAbove", 0, 31},   // 18
    {u"FilterVisibleLinesBelow", 0, 31},   // 19
    {u"FindInit", 0, 7},                   // 20
    {u"GrepFileInit", 1, 7},               // 21
    {u"HeaderType", 0, 3},                 // 22
    {u"KeymapType", 0, 3},                 // 23
    {u"LargeFileBarUnit", 0, 3},           // 24
    {u"LineNumGroupingDec", 0, 15},        // 25
    {u"LineNumGroupingHex", 0, 7},         // 26
    {u"LineNumGroupingSpaceDec", 5, 15},   // 27
    {u"LineNumGroupingSpaceHex", 5, 15},   // 28
    {u"MaxFindHistory", 32, 127},          // 29
    {u"MaxRecentFile", 16, 127},           // 30
    {u"MaxRecentFont", 16, 127},           // 31
    {u"MorePopupCount", 8, 127},           // 32
    {u"NumFlags", 0, 15},                  // 33
    {u"NumType", 1, 7},                    // 34
    {u"OpenIn", 1, 3},                     // 35
    {u"OutlineBarPos", 2, 3},              // 36
    {u"RegexEngine", 0, 3},                // 37
    {u"RenderingMode", 0, 7},              // 38
    {u"RestoreCWS", 2, 3},                 // 39
    {u"RestoreWindowSize", 0, 3},          // 40
    {u"RetryOpen", 1, 0},                  // 41
    {u"RetrySave", 0, 7},                  // 42
    {u"ShowDetect", 1, 3},                 // 43
    {u"ShowDetectGrep", 0, 3},             // 44
    {u"SymbolSort", 1, 3},                 // 45
    {u"TabCloseBtn", 2, 3},                // 46
    {u"TabIcon", 1, 3},                    // 47
    {u"TabInsertPos", 1, 3},               // 48
    {u"TabSort", 0, 3},                    // 49
    {u"TabWhenClosed", 0, 3},              // 50
    {u"TabWidthMode", 0, 3},               // 51
    {u"AppTheme", 1, 3},                   // 52
    {u"HexFormat", 1, 7},                  // 53
    {u"DFIExpHilite", 1, 3},               // 54
    {u"DFIImpHilite", 1, 3},               // 55
    {u"CaretHeightOvr", 0, 15},            // 56
    {u"CaretWidthOvr", 0, 15},             // 57
    {u"ValidatorMode", 0, 15},             // 58
    {u"ExtractFreqCsv", 0, 63},            // 59
}};

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
