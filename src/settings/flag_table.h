#pragma once
// The flag table: the on/off settings that pages and dialogs address by row number, so that
// they can load and store them in loops and so that a flag switched back to its default
// disappears from the store instead of being kept. Row numbers are shared with the callers
// and never change.

#include <array>
#include <cstdint>
#include <string_view>

#include "settings/settings_store.h"

namespace scrv {

struct FlagRow {
  std::u16string_view name;
  uint8_t def = 0;  // 0 or 1
};

constexpr uint32_t kFlagRowCount = 205;
// Under this ANSI code page the backslash key shows a yen sign, so its flag defaults to on.
constexpr uint32_t kJapaneseCodePage = 932;

// Row numbers by value name.
namespace flag {
enum : uint32_t {
  kAddMymacros = 0,
  kAddRecentDocs = 1,
  kAlwaysTop = 2,
  kAskMacroLang = 3,
  kAttrDontDeleteBookmarked = 4,
  kAutoCopy = 5,
  kAutoCsvCell = 6,
  kAutodetectDWSettings = 7,
  kAutoDisableMarkers = 8,
  kAutoLargeFileBar = 9,
  kAutoShowMarkersBar = 10,
  kAutoSort = 11,
  kAvoidPrinterAccess = 12,
  kAWSCrashed = 13,
  kAWSPeriodic = 14,
  kBatchOpen = 15,
  kBeep = 16,
  kCellBarAutoHeight = 17,
  kShowCellBarCsv = 18,
  kCellBarFocus = 19,
  kCheckTempFolder = 20,
  kCloseAllCombined = 21,
  kColorToolbar = 22,
  kCFS = 23,
  kCsvAllSingleWidth = 24,
  kCsvDblclkCreateCell = 25,
  kCsvDblclkHeaderCreate = 26,
  kCsvDiscardUndo = 27,
  kCsvKeepNumOfColSame = 28,
  kCsvTabCreateCell = 29,
  kDblclkSelectCell = 30,
  kDefMacroLang = 31,
  kDeleteDuplicateAdjacentOnly = 32,
  kDeleteDuplicateEntireGroup = 33,
  kDeleteDuplicateIgnoreCase = 34,
  kDeleteDuplicateIgnoreEmptyCells = 35,
  kDeleteDuplicateIgnoreEmptyLines = 36,
  kDeleteDuplicateIncludeAll = 37,
  kDeleteDuplicateSelOnly = 38,
  kDisableShortcuts = 39,
  kDiscardLengthyUndo = 40,
  kDontSaveWSLines = 41,
  kDontSaveWSUseTemp = 42,
  kDragSepOnlyHeadings = 43,
  kEnableAutoFill = 44,
  kEnableCsvDragDrop = 45,
  kEnableMultiSel = 46,
  kEnableWordSelByCtrl = 47,
  kEscCloseBar = 48,
  kExcludeInternetCache = 49,
  kFastDraw = 50,
  kFilterLimit = 51,
  kFindBarEscClose = 52,
  kFindBarFocusView = 53,
  kFindBarReplace = 54,
  kFindInitSave = 55,
  kFindMultiline = 56,
  kFocusBar = 57,
  kFullScreen = 58,
  kFunctionBar = 59,
  kGetSelFind = 60,
  kGetTextFind = 61,
  kGoCloseBar = 62,
  kGrepFileInitSave = 63,
  kGrepMultiline = 64,
  kGrepPathInitSave = 65,
  kHighlightActiveTab = 66,
  kHighlightRF = 67,
  kHTMLReadOnly = 68,
  kInfoUndoHistory = 69,
  kJumpInvalidChar = 70,
  kKeepCaretXPos = 71,
  kKeymapAllConfig = 72,
  kKeymapModeless = 73,
  kLargeToolbar = 74,
  kMultipleProcesses = 75,
  kMultiSortEntireGroup = 76,
  kMultiSortSelOnly = 77,
  kNoCloseLast = 78,
  kNoEditHeadings = 79,
  kNoPromptExitApp = 80,
  kOpenUndefinedSystem = 81,
  kOpenUsasciiSystem = 82,
  kOutlineBarConfig = 83,
  kOutlineBarGuide = 84,
  kOutlineSync = 85,
  kOutputCsvError = 86,
  kOutputShortcuts = 87,
  kOutputWrap = 88,
  kOverwrite = 89,
  kPromptBackupFailed = 90,
  kPromptFilterLimit = 91,
  kPromptGrepFolder = 92,
  kPromptHotKeyFailed = 93,
  kPromptNewFile = 94,
  kPromptNoClipboard = 95,
  kPromptNoUndo = 96,
  kPromptOpenFilter = 97,
  kPromptPortionOpened = 98,
  kPromptRemoveMarker = 99,
  kPromptSearchedEnd = 100,
  kPromptSeparateCRLF = 101,
  kPromptSetWorkspace = 102,
  kPromptStoreMsg = 103,
  kPromptTerminateJob = 104,
  kPromptTooManyCol = 105,
  kQuickStart = 106,
  kReadOnlyIcon = 107,
  kSaveAlwaysTop = 108,
  kSaveOpenDir = 109,
  kSaveOverwrite = 110,
  kSDRWNameVisible = 111,
  kSendToAll = 112,
  kSetCaretFocused = 113,
  kShowCsvConverter = 114,
  kShowCsvTip = 115,
  kShowHeader = 116,
  kShowOutlineBar = 117,
  kShowOutlineGuide = 118,
  kShowStartDlg = 119,
  kShowStatusBar = 120,
  kShowTime = 121,
  kSortDescending = 122,
  kStartDownKey = 123,
  kStopSearchFail = 124,
  kStripCurPath = 125,
  kSwitchLastWindow = 126,
  kSyncFindHistory = 127,
  kSyncFindReplace = 128,
  kSyncHSS = 129,
  kSyncVSS = 130,
  kSyncWrap = 131,
  kSystemLang = 132,
  kTabStyle = 133,
  kTabWheel = 134,
  kTabWheelRightClick = 135,
  kTagRegexp = 136,
  kTempFileLock = 137,
  kTempFileRead = 138,
  kTempFileSizeAuto = 139,
  kTextDragDrop = 140,
  kToolbarText = 141,
  kToolsReset = 142,
  kTrayIconAppLaunch = 143,
  kTripleClickSelect = 144,
  kUndoCharByChar = 145,
  kUseAttr = 146,
  kUseColorFonts = 147,
  kUseDirectWrite = 148,
  kUseSysColorBar = 149,
  kUseSysColorCaret = 150,
  kUseSystemDate = 151,
  kUseSystemTime = 152,
  kUseFileBased = 153,
  kWheelFont = 154,
  kWinCombine = 155,
  kClipHist = 156,
  kCnvtAction = 157,
  kCnvtAlphaNum = 158,
  kCnvtKata = 159,
  kCnvtMark = 160,
  kCnvtSpace = 161,
  kCnvtKanaMark = 162,
  kPromptNetworkNew = 163,
  kEnableMaxMatches = 164,
  kNoSaveWorkspace = 165,
  kSkipNumRange = 166,
  kAssumeFixedWidth = 167,
  kFilterClose = 168,
  kMultiselCopyNL = 169,
  kMultiselKeepSel = 170,
  kUseSysColorCaretOvr = 171,
  kCustViewOvr = 172,
  kFSMon = 173,
  kWordRightType = 174,
  kWordLeftType = 175,
  kPromptDisableIncSearch = 176,
  kIgnoreLastCharSJ = 177,
  kPromptOddSizeUTF16 = 178,
  kBackslashJapanese = 179,
  kBackslashKorean = 180,
  kValidatorShowComments = 181,
  kValidatorAutoRefresh = 182,
  kFileMappingSave = 183,
  kInspectSelOnlyDD = 184,
  kRightSingleQuotation = 185,
  kRightDoubleQuotation = 186,
  kDuplicateExtendSel = 187,
  kMClickPaste = 188,
  kRClickSetCursor = 189,
  kStartDlgLargeIcon = 190,
  kStartDlgSnap = 191,
  kStartDlgDate = 192,
  kStartDlgType = 193,
  kStartDlgSize = 194,
  kStartDlgAddBtn = 195,
  kDragSelBorder = 196,
  kEnableAutoRepeat = 197,
  kActivateOnDrop = 198,
  kCountMarkerMatches = 199,
  kExtractFreqCase = 200,
  kExtractFreqType = 201,
  kExtractFreqSelOnly = 202,
  kStartDlgNewOption = 203,
  kShowClipHist = 204,
};
}  // namespace flag

// Built once at start-up; constant afterwards.
class FlagTable {
 public:
  // ansiCodePage: the system's ANSI code page; only "BackslashJapanese" depends on it.
  explicit FlagTable(uint32_t ansiCodePage);
  // Null for a row outside the table.
  const FlagRow* Row(uint32_t row) const { return row < kFlagRowCount ? &rows_[row] : nullptr; }

 private:
  std::array<FlagRow, kFlagRowCount> rows_;
};

// A row outside the table reads as off; any nonzero stored DWORD reads as on.
bool ReadFlag(SettingsStore& store, const FlagTable& table, SettingsHandle h, uint32_t row);
// The same from "Common", opened read-only for this one read.
bool ReadCommonFlag(SettingsStore& store, const FlagTable& table, uint32_t row);
// A value equal to the row's default deletes the stored value; any other is written as a
// DWORD. A row outside the table writes nothing.
void WriteFlag(SettingsStore& store, const FlagTable& table, SettingsHandle h, uint32_t row,
               uint8_t value);
void WriteCommonFlag(SettingsStore& store, const FlagTable& table, uint32_t row, uint8_t value);
// Writes the DWORD 1 or 0 even when it equals the row's default: for the dialogs that store
// their boxes whatever state they are in. A row outside the table writes nothing.
void StoreFlag(SettingsStore& store, const FlagTable& table, SettingsHandle h, uint32_t row,
               bool on);

}  // namespace scrv
