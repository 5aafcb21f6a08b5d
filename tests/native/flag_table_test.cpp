#include "settings/flag_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "settings/memory_settings.h"
#include "settings/small_value_table.h"

namespace scrv {
namespace {

// The rows as the shared format lists them, in row order.
const char16_t* const kFlagNames[] = {
    u"AddMymacros",
    u"AddRecentDocs",
    u"AlwaysTop",
    u"AskMacroLang",
    u"AttrDontDeleteBookmarked",
    u"AutoCopy",
    u"AutoCsvCell",
    u"AutodetectDWSettings",
    u"AutoDisableMarkers",
    u"AutoLargeFileBar",
    u"AutoShowMarkersBar",
    u"AutoSort",
    u"AvoidPrinterAccess",
    u"AWSCrashed",
    u"AWSPeriodic",
    u"BatchOpen",
    u"Beep",
    u"CellBarAutoHeight",
    u"ShowCellBarCsv",
    u"CellBarFocus",
    u"CheckTempFolder",
    u"CloseAllCombined",
    u"ColorToolbar",
    u"CFS",
    u"CsvAllSingleWidth",
    u"CsvDblclkCreateCell",
    u"CsvDblclkHeaderCreate",
    u"CsvDiscardUndo",
    u"CsvKeepNumOfColSame",
    u"CsvTabCreateCell",
    u"DblclkSelectCell",
    u"DefMacroLang",
    u"DeleteDuplicateAdjacentOnly",
    u"DeleteDuplicateEntireGroup",
    u"DeleteDuplicateIgnoreCase",
    u"DeleteDuplicateIgnoreEmptyCells",
    u"DeleteDuplicateIgnoreEmptyLines",
    u"DeleteDuplicateIncludeAll",
    u"DeleteDuplicateSelOnly",
    u"DisableShortcuts",
    u"DiscardLengthyUndo",
    u"DontSaveWSLines",
    u"DontSaveWSUseTemp",
    u"DragSepOnlyHeadings",
    u"EnableAutoFill",
    u"EnableCsvDragDrop",
    u"EnableMultiSel",
    u"EnableWordSelByCtrl",
    u"EscCloseBar",
    u"ExcludeInternetCache",
    u"FastDraw",
    u"FilterLimit",
    u"FindBarEscClose",
    u"FindBarFocusView",
    u"FindBarReplace",
    u"FindInitSave",
    u"FindMultiline",
    u"FocusBar",
    u"FullScreen",
    u"FunctionBar",
    u"GetSelFind",
    u"GetTextFind",
    u"GoCloseBar",
    u"GrepFileInitSave",
    u"GrepMultiline",
    u"GrepPathInitSave",
    u"HighlightActiveTab",
    u"HighlightRF",
    u"HTMLReadOnly",
    u"InfoUndoHistory",
    u"JumpInvalidChar",
    u"KeepCaretXPos",
    u"KeymapAllConfig",
    u"KeymapModeless",
    u"LargeToolbar",
    u"MultipleProcesses",
    u"MultiSortEntireGroup",
    u"MultiSortSelOnly",
    u"NoCloseLast",
    u"NoEditHeadings",
    u"NoPromptExitApp",
    u"OpenUndefinedSystem",
    u"OpenUsasciiSystem",
    u"OutlineBarConfig",
    u"OutlineBarGuide",
    u"OutlineSync",
    u"OutputCsvError",
    u"OutputShortcuts",
    u"OutputWrap",
    u"Overwrite",
    u"PromptBackupFailed",
    u"PromptFilterLimit",
    u"PromptGrepFolder",
    u"PromptHotKeyFailed",
    u"PromptNewFile",
    u"PromptNoClipboard",
    u"PromptNoUndo",
    u"PromptOpenFilter",
    u"PromptPortionOpened",
    u"PromptRemoveMarker",
    u"PromptSearchedEnd",
    u"PromptSeparateCRLF",
    u"PromptSetWorkspace",
    u"PromptStoreMsg",
    u"PromptTerminateJob",
    u"PromptTooManyCol",
    u"QuickStart",
    u"ReadOnlyIcon",
    u"SaveAlwaysTop",
    u"SaveOpenDir",
    u"SaveOverwrite",
    u"SDRWNameVisible",
    u"SendToAll",
    u"SetCaretFocused",
    u"ShowCsvConverter",
    u"ShowCsvTip",
    u"ShowHeader",
    u"ShowOutlineBar",
    u"ShowOutlineGuide",
    u"ShowStartDlg",
    u"ShowStatusBar",
    u"ShowTime",
    u"SortDescending",
    u"StartDownKey",
    u"StopSearchFail",
    u"StripCurPath",
    u"SwitchLastWindow",
    u"SyncFindHistory",
    u"SyncFindReplace",
    u"SyncHSS",
    u"SyncVSS",
    u"SyncWrap",
    u"SystemLang",
    u"TabStyle",
    u"TabWheel",
    u"TabWheelRightClick",
    u"TagRegexp",
    u"TempFileLock",
    u"TempFileRead",
    u"TempFileSizeAuto",
    u"TextDragDrop",
    u"ToolbarText",
    u"ToolsReset",
    u"TrayIconAppLaunch",
    u"TripleClickSelect",
    u"UndoCharByChar",
    u"UseAttr",
    u"UseColorFonts",
    u"UseDirectWrite",
    u"UseSysColorBar",
    u"UseSysColorCaret",
    u"UseSystemDate",
    u"UseSystemTime",
    u"UseFileBased",
    u"WheelFont",
    u"WinCombine",
    u"ClipHist",
    u"CnvtAction",
    u"CnvtAlphaNum",
    u"CnvtKata",
    u"CnvtMark",
    u"CnvtSpace",
    u"CnvtKanaMark",
    u"PromptNetworkNew",
    u"EnableMaxMatches",
    u"NoSaveWorkspace",
    u"SkipNumRange",
    u"AssumeFixedWidth",
    u"FilterClose",
    u"MultiselCopyNL",
    u"MultiselKeepSel",
    u"UseSysColorCaretOvr",
    u"CustViewOvr",
    u"FSMon",
    u"WordRightType",
    u"WordLeftType",
    u"PromptDisableIncSearch",
    u"IgnoreLastCharSJ",
    u"PromptOddSizeUTF16",
    u"BackslashJapanese",
    u"BackslashKorean",
    u"ValidatorShowComments",
    u"ValidatorAutoRefresh",
    u"FileMappingSave",
    u"InspectSelOnlyDD",
    u"RightSingleQuotation",
    u"RightDoubleQuotation",
    u"DuplicateExtendSel",
    u"MClickPaste",
    u"RClickSetCursor",
    u"StartDlgLargeIcon",
    u"StartDlgSnap",
    u"StartDlgDate",
    u"StartDlgType",
    u"StartDlgSize",
    u"StartDlgAddBtn",
    u"DragSelBorder",
    u"EnableAutoRepeat",
    u"ActivateOnDrop",
    u"CountMarkerMatches",
    u"ExtractFreqCase",
    u"ExtractFreqType",
    u"ExtractFreqSelOnly",
    u"StartDlgNewOption",
    u"ShowClipHist",
};

// The rows that default to off; every other row but "BackslashJapanese" defaults to on.
const char16_t* const kOffByDefault[] = {
    u"AlwaysTop",
    u"AutoCopy",
    u"AutoSort",
    u"AWSPeriodic",
    u"BatchOpen",
    u"CellBarAutoHeight",
    u"CellBarFocus",
    u"CFS",
    u"CsvAllSingleWidth",
    u"CsvDiscardUndo",
    u"CsvKeepNumOfColSame",
    u"CsvTabCreateCell",
    u"DblclkSelectCell",
    u"DefMacroLang",
    u"DeleteDuplicateAdjacentOnly",
    u"DeleteDuplicateEntireGroup",
    u"DeleteDuplicateIgnoreCase",
    u"DeleteDuplicateIgnoreEmptyCells",
    u"DeleteDuplicateIgnoreEmptyLines",
    u"DeleteDuplicateIncludeAll",
    u"DeleteDuplicateSelOnly",
    u"DisableShortcuts",
    u"DiscardLengthyUndo",
    u"EscCloseBar",
    u"FastDraw",
    u"FindBarEscClose",
    u"FindBarReplace",
    u"FindMultiline",
    u"FocusBar",
    u"FullScreen",
    u"FunctionBar",
    u"GoCloseBar",
    u"GrepMultiline",
    u"HighlightActiveTab",
    u"InfoUndoHistory",
    u"KeepCaretXPos",
    u"KeymapAllConfig",
    u"KeymapModeless",
    u"LargeToolbar",
    u"MultipleProcesses",
    u"MultiSortEntireGroup",
    u"MultiSortSelOnly",
    u"NoEditHeadings",
    u"OpenUndefinedSystem",
    u"OutlineBarConfig",
    u"OutlineBarGuide",
    u"OutlineSync",
    u"Overwrite",
    u"QuickStart",
    u"SaveAlwaysTop",
    u"SaveOpenDir",
    u"SaveOverwrite",
    u"SDRWNameVisible",
    u"SendToAll",
    u"ShowCsvConverter",
    u"ShowOutlineBar",
    u"ShowOutlineGuide",
    u"ShowTime",
    u"SortDescending",
    u"StopSearchFail",
    u"SyncHSS",
    u"SyncVSS",
    u"TabStyle",
    u"TagRegexp",
    u"TempFileSizeAuto",
    u"ToolbarText",
    u"ToolsReset",
    u"TrayIconAppLaunch",
    u"UndoCharByChar",
    u"UseAttr",
    u"UseDirectWrite",
    u"ClipHist",
    u"CnvtAction",
    u"EnableMaxMatches",
    u"NoSaveWorkspace",
    u"SkipNumRange",
    u"AssumeFixedWidth",
    u"FilterClose",
    u"MultiselKeepSel",
    u"CustViewOvr",
    u"WordRightType",
    u"WordLeftType",
    u"IgnoreLastCharSJ",
    u"BackslashKorean",
    u"InspectSelOnlyDD",
    u"MClickPaste",
    u"RClickSetCursor",
    u"StartDlgLargeIcon",
    u"StartDlgSnap",
    u"StartDlgDate",
    u"StartDlgType",
    u"StartDlgSize",
    u"StartDlgAddBtn",
    u"ActivateOnDrop",
    u"CountMarkerMatches",
    u"ExtractFreqType",
    u"ExtractFreqSelOnly",
};

struct SmallRow {
  const char16_t* name;
  int def;
  int limit;
};
const SmallRow kSmallRows[] = {
    {u"AdjustColumnVisible", 3, 3},
    {u"AdjustTabWidth", 2, 3},
    {u"AntialiasingMode", 0, 3},
    {u"AutoMarkerFlags", 0, 31},
    {u"AutoWorkspace", 1, 7},
    {u"BeepLevel", 2, 3},
    {u"CaretHeight", 0, 15},
    {u"CaretWidth", 11, 15},
    {u"ChangeFindFont", 1, 3},
    {u"CharsCategory", 0, 3},
    {u"CombineOptions", 0, 7},
    {u"CsvNewMode", 0, 15},
    {u"CurrDirGrep", 1, 7},
    {u"DefMarkerColor", 15, 15},
    {u"ExpandCustomBar", 0, 0},
    {u"ExtractVisibleLinesAbove", 0, 31},
    {u"ExtractVisibleLinesBelow", 0, 31},
    {u"ExtraShortcut", 0, 3},
    {u"FilterVisibleLinesAbove", 0, 31},
    {u"FilterVisibleLinesBelow", 0, 31},
    {u"FindInit", 0, 7},
    {u"GrepFileInit", 1, 7},
    {u"HeaderType", 0, 3},
    {u"KeymapType", 0, 3},
    {u"LargeFileBarUnit", 0, 3},
    {u"LineNumGroupingDec", 0, 15},
    {u"LineNumGroupingHex", 0, 7},
    {u"LineNumGroupingSpaceDec", 5, 15},
    {u"LineNumGroupingSpaceHex", 5, 15},
    {u"MaxFindHistory", 32, 127},
    {u"MaxRecentFile", 16, 127},
    {u"MaxRecentFont", 16, 127},
    {u"MorePopupCount", 8, 127},
    {u"NumFlags", 0, 15},
    {u"NumType", 1, 7},
    {u"OpenIn", 1, 3},
    {u"OutlineBarPos", 2, 3},
    {u"RegexEngine", 0, 3},
    {u"RenderingMode", 0, 7},
    {u"RestoreCWS", 2, 3},
    {u"RestoreWindowSize", 0, 3},
    {u"RetryOpen", 1, 0},
    {u"RetrySave", 0, 7},
    {u"ShowDetect", 1, 3},
    {u"ShowDetectGrep", 0, 3},
    {u"SymbolSort", 1, 3},
    {u"TabCloseBtn", 2, 3},
    {u"TabIcon", 1, 3},
    {u"TabInsertPos", 1, 3},
    {u"TabSort", 0, 3},
    {u"TabWhenClosed", 0, 3},
    {u"TabWidthMode", 0, 3},
    {u"AppTheme", 1, 3},
    {u"HexFormat", 1, 7},
    {u"DFIExpHilite", 1, 3},
    {u"DFIImpHilite", 1, 3},
    {u"CaretHeightOvr", 0, 15},
    {u"CaretWidthOvr", 0, 15},
    {u"ValidatorMode", 0, 15},
    {u"ExtractFreqCsv", 0, 63},
};

constexpr uint32_t kWesternCodePage = 1252;
constexpr uint32_t kSentinel = 0xDEADBEEF;

TEST(FlagTable, EveryRowHasItsListedNameAndDefault) {
  static_assert(std::size(kFlagNames) == kFlagRowCount);
  ASSERT_EQ(std::size(kOffByDefault), 97u);
  std::set<std::u16string_view> off(std::begin(kOffByDefault), std::end(kOffByDefault));
  for (uint32_t codePage : {kWesternCodePage, kJapaneseCodePage}) {
    FlagTable table(codePage);
    for (uint32_t row = 0; row < kFlagRowCount; ++row) {
      const FlagRow* r = table.Row(row);
      ASSERT_NE(r, nullptr);
      std::u16string_view name = kFlagNames[row];
      EXPECT_EQ(r->name, name) << "row " << row;
      int expected = name == u"BackslashJapanese" ? codePage == kJapaneseCodePage
                     : off.count(name)            ? 0
                                                  : 1;
      EXPECT_EQ(r->def, expected) << "row " << row;
    }
    EXPECT_EQ(table.Row(kFlagRowCount), nullptr);
  }
}

TEST(FlagTable, RowConstantsNameTheirRows) {
  FlagTable table(kWesternCodePage);
  EXPECT_EQ(table.Row(flag::kStartDlgNewOption)->name, u"StartDlgNewOption");
  EXPECT_EQ(flag::kStartDlgNewOption, 203u);
  EXPECT_EQ(flag::kFilterClose, 168u);
  EXPECT_EQ(flag::kBackslashJapanese, 179u);
  EXPECT_EQ(flag::kShowClipHist, 204u);
}

TEST(SmallValueTable, EveryRowHasItsListedNameDefaultAndLimit) {
  static_assert(std::size(kSmallRows) == kSmallValueRowCount);
  for (uint32_t row = 0; row < kSmallValueRowCount; ++row) {
    const SmallValueRow* r = SmallValueRowAt(row);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->name, std::u16string_view(kSmallRows[row].name)) << "row " << row;
    EXPECT_EQ(r->def, kSmallRows[row].def) << "row " << row;
    EXPECT_EQ(r->limit, kSmallRows[row].limit) << "row " << row;
  }
  EXPECT_EQ(SmallValueRowAt(kSmallValueRowCount), nullptr);
  EXPECT_EQ(SmallValueRowAt(small_value::kTabIcon)->def, 1);
  EXPECT_EQ(SmallValueRowAt(small_value::kTabCloseBtn)->def, 2);
}

// Counts the store operations, to show that rows outside the tables touch nothing.
class CountingSettings : public MemorySettings {
 public:
  using MemorySettings::MemorySettings;
  SettingsHandle OpenAppKey(std::u16string_view key, uint32_t flags) override {
    ++calls;
    return MemorySettings::OpenAppKey(key, flags);
  }
  int calls = 0;

 protected:
  RawValue ReadRaw(SettingsHandle h, std::u16string_view name, size_t capacity) override {
    ++calls;
    return MemorySettings::ReadRaw(h, name, capacity);
  }
  uint32_t WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type, const void* data,
                    size_t size) override {
    ++calls;
    return MemorySettings::WriteRaw(h, name, type, data, size);
  }
  uint32_t DeleteRaw(SettingsHandle h, std::u16string_view name) override {
    ++calls;
    return MemorySettings::DeleteRaw(h, name);
  }
};

// Every accessor behaves the same over the registry and the INI shapes of the store.
class FlagAccess : public ::testing::TestWithParam<bool> {
 protected:
  bool Ini() const { return GetParam(); }
  // The key path (registry) or section (INI) of the "Common" settings in the memory store.
  static constexpr std::u16string_view kCommon = u"Common";
  bool StoredInCommon(std::u16string_view name) const { return store.Find(kCommon, name); }
  uint32_t CommonDword(std::u16string_view name) { return store.ReadCommonDword(name, kSentinel); }

  CountingSettings store{GetParam()};
  FlagTable table{kWesternCodePage};
};

TEST_P(FlagAccess, DefaultOnFlagIsRemovedWhenSetBackAndStoredWhenCleared) {
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kStartDlgNewOption)) << "nothing stored";
  WriteCommonFlag(store, table, flag::kStartDlgNewOption, 0);
  EXPECT_EQ(CommonDword(u"StartDlgNewOption"), 0u);
  if (Ini()) EXPECT_EQ(store.Find(kCommon, u"StartDlgNewOption")->text, u"0");
  EXPECT_FALSE(ReadCommonFlag(store, table, flag::kStartDlgNewOption));
  WriteCommonFlag(store, table, flag::kStartDlgNewOption, 1);
  EXPECT_FALSE(StoredInCommon(u"StartDlgNewOption"));
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kStartDlgNewOption));
  EXPECT_EQ(store.OpenHandles(), 0) << "Common is closed after every access";
}

TEST_P(FlagAccess, DefaultOffFlagIsStoredWhenSet) {
  EXPECT_FALSE(ReadCommonFlag(store, table, flag::kAlwaysTop));
  WriteCommonFlag(store, table, flag::kAlwaysTop, 1);
  EXPECT_EQ(CommonDword(u"AlwaysTop"), 1u);
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kAlwaysTop));
  WriteCommonFlag(store, table, flag::kAlwaysTop, 0);
  EXPECT_FALSE(StoredInCommon(u"AlwaysTop"));
}

TEST_P(FlagAccess, AnyNonzeroStoredValueReadsAsOnAndWritingTheDefaultDeletesIt) {
  store.WriteCommonDword(u"ShowStatusBar", 2);
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kShowStatusBar));
  store.WriteCommonDword(u"AutoCopy", 2);
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kAutoCopy));
  WriteCommonFlag(store, table, flag::kShowStatusBar, 1);
  EXPECT_FALSE(StoredInCommon(u"ShowStatusBar"));
}

TEST_P(FlagAccess, FlagsThroughAHandleUseThatHandle) {
  SettingsHandle config = store.OpenConfig(u"Text", 0);
  EXPECT_TRUE(ReadFlag(store, table, config, flag::kBeep));
  WriteFlag(store, table, config, flag::kBeep, 0);
  EXPECT_EQ(store.ReadDword(config, u"Beep", kSentinel), 0u);
  EXPECT_FALSE(ReadFlag(store, table, config, flag::kBeep));
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kBeep)) << "Common is a different place";
  WriteFlag(store, table, config, flag::kBeep, 1);
  EXPECT_EQ(store.ReadDword(config, u"Beep", kSentinel), kSentinel);
  store.CloseSettings(config);
}

TEST_P(FlagAccess, BackslashJapaneseDefaultFollowsTheCodePage) {
  FlagTable japanese(kJapaneseCodePage);
  EXPECT_TRUE(ReadCommonFlag(store, japanese, flag::kBackslashJapanese));
  EXPECT_FALSE(ReadCommonFlag(store, table, flag::kBackslashJapanese));
  WriteCommonFlag(store, table, flag::kBackslashJapanese, 1);
  EXPECT_EQ(CommonDword(u"BackslashJapanese"), 1u);
  WriteCommonFlag(store, japanese, flag::kBackslashJapanese, 1);
  EXPECT_FALSE(StoredInCommon(u"BackslashJapanese"));
}

TEST_P(FlagAccess, RowsOutsideTheTablesTouchNothing) {
  SettingsHandle h = store.OpenAppKey(u"Common", kCommonWriteFlags);
  store.WriteDword(h, u"AddMymacros", 0);
  store.calls = 0;
  EXPECT_FALSE(ReadFlag(store, table, h, kFlagRowCount));
  EXPECT_FALSE(ReadCommonFlag(store, table, kFlagRowCount));
  WriteFlag(store, table, h, kFlagRowCount, 0);
  WriteCommonFlag(store, table, kFlagRowCount, 0);
  WriteSmallValue(store, h, kSmallValueRowCount, 7);
  EXPECT_EQ(store.calls, 0);
  store.CloseSettings(h);
}

TEST_P(FlagAccess, SmallValueEqualToItsDefaultIsDeleted) {
  SettingsHandle h = store.OpenAppKey(u"Common", kCommonWriteFlags);
  WriteSmallValue(store, h, small_value::kTabCloseBtn, 3);
  EXPECT_EQ(store.ReadDword(h, u"TabCloseBtn", kSentinel), 3u);
  WriteSmallValue(store, h, small_value::kTabCloseBtn, 2);
  EXPECT_EQ(store.ReadDword(h, u"TabCloseBtn", kSentinel), kSentinel);
  WriteSmallValue(store, h, small_value::kMaxFindHistory, 0);
  EXPECT_EQ(store.ReadDword(h, u"MaxFindHistory", kSentinel), 0u);
  store.CloseSettings(h);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, FlagAccess, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
}  // namespace scrv
