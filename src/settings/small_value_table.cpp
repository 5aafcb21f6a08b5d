#include "settings/small_value_table.h"

namespace scrv {
namespace {

constexpr std::array<SmallValueRow, kSmallValueRowCount> kSmallValueRows = {{
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

}  // namespace

const SmallValueRow* SmallValueRowAt(uint32_t row) {
  return row < kSmallValueRowCount ? &kSmallValueRows[row] : nullptr;
}

uint32_t ReadSmallValue(SettingsStore& store, SettingsHandle h, uint32_t row) {
  const SmallValueRow* r = SmallValueRowAt(row);
  return r ? store.ReadDword(h, r->name, r->def) : 0;
}

uint32_t ReadCommonSmallValue(SettingsStore& store, uint32_t row) {
  const SmallValueRow* r = SmallValueRowAt(row);
  return r ? store.ReadCommonDword(r->name, r->def) : 0;
}

void WriteSmallValue(SettingsStore& store, SettingsHandle h, uint32_t row, uint8_t value) {
  const SmallValueRow* r = SmallValueRowAt(row);
  if (!r) return;
  if (value == r->def)
    store.DeleteValue(h, r->name, false);
  else
    store.WriteDword(h, r->name, value);
}

}  // namespace scrv
