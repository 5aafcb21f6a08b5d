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

// The rows as the library ships them, for tables that refer to a row at compile time. Only
// "BackslashJapanese" has another default at run time (see FlagTable).
inline constexpr std::array<FlagRow, kFlagRowCount> kFlagRows = {{
    {u"AddMymacros", 1},                      // 0
    {u"AddRecentDocs", 1},                    // 1
    {u"AlwaysTop", 0},                        // 2
    {u"AskMacroLang", 1},                     // 3
    {u"AttrDontDeleteBookmarked", 1},         // 4
    {u"AutoCopy", 0},                         // 5
    {u"AutoCsvCell", 1},                      // 6
    {u"AutodetectDWSettings", 1},             // 7
    {u"AutoDisableMarkers", 1},               // 8
    {u"AutoLargeFileBar", 1},                 // 9
    {u"AutoShowMarkersBar", 1},               // 10
    {u"AutoSort", 0},                         // 11
    {u"AvoidPrinterAccess", 1},               // 12
    {u"AWSCrashed", 1},                       // 13
    {u"AWSPeriodic", 0},                      // 14
    {u"BatchOpen", 0},                        // 15
    {u"Beep", 1},                             // 16
    {u"CellBarAutoHeight", 0},                // 17
    {u"ShowCellBarCsv", 1},                   // 18
    {u"CellBarFocus", 0},                     // 19
    {u"CheckTempFolder", 1},                  // 20
    {u"CloseAllCombined", 1},                 // 21
    {u"ColorToolbar", 1},                     // 22
    {u"CFS", 0},                              // 23
    {u"CsvAllSingleWidth", 0},                // 24
    {u"CsvDblclkCreateCell", 1},              // 25
    {u"CsvDblclkHeaderCreate", 1},            // 26
    {u"CsvDiscardUndo", 0},                   // 27
    {u"CsvKeepNumOfColSame", 0},              // 28
    {u"CsvTabCreateCell", 0},                 // 29
    {u"DblclkSelectCell", 0},                 // 30
    {u"DefMacroLang", 0},                     // 31
    {u"DeleteDuplicateAdjacentOnly", 0},      // 32
    {u"DeleteDuplicateEntireGroup", 0},       // 33
    {u"DeleteDuplicateIgnoreCase", 0},        // 34
    {u"DeleteDuplicateIgnoreEmptyCells", 0},  // 35
    {u"DeleteDuplicateIgnoreEmptyLines", 0},  // 36
    {u"DeleteDuplicateIncludeAll", 0},        // 37
    {u"DeleteDuplicateSelOnly", 0},           // 38
    {u"DisableShortcuts", 0},                 // 39
    {u"DiscardLengthyUndo", 0},               // 40
    {u"DontSaveWSLines", 1},                  // 41
    {u"DontSaveWSUseTemp", 1},                // 42
    {u"DragSepOnlyHeadings", 1},              // 43
    {u"EnableAutoFill", 1},                   // 44
    {u"EnableCsvDragDrop", 1},                // 45
    {u"EnableMultiSel", 1},                   // 46
    {u"EnableWordSelByCtrl", 1},              // 47
    {u"EscCloseBar", 0},                      // 48
    {u"ExcludeInternetCache", 1},             // 49
    {u"FastDraw", 0},                         // 50
    {u"FilterLimit", 1},                      // 51
    {u"FindBarEscClose", 0},                  // 52
    {u"FindBarFocusView", 1},                 // 53
    {u"FindBarReplace", 0},                   // 54
    {u"FindInitSave", 1},                     // 55
    {u"FindMultiline", 0},                    // 56
    {u"FocusBar", 0},                         // 57
    {u"FullScreen", 0},                       // 58
    {u"FunctionBar", 0},                      // 59
    {u"GetSelFind", 1},                       // 60
    {u"GetTextFind", 1},                      // 61
    {u"GoCloseBar", 0},                       // 62
    {u"GrepFileInitSave", 1},                 // 63
    {u"GrepMultiline", 0},                    // 64
    {u"GrepPathInitSave", 1},                 // 65
    {u"HighlightActiveTab", 0},               // 66
    {u"HighlightRF", 1},                      // 67
    {u"HTMLReadOnly", 1},                     // 68
    {u"InfoUndoHistory", 0},                  // 69
    {u"JumpInvalidChar", 1},                  // 70
    {u"KeepCaretXPos", 0},                    // 71
    {u"KeymapAllConfig", 0},                  // 72
    {u"KeymapModeless", 0},                   // 73
    {u"LargeToolbar", 0},                     // 74
    {u"MultipleProcesses", 0},                // 75
    {u"MultiSortEntireGroup", 0},             // 76
    {u"MultiSortSelOnly", 0},                 // 77
    {u"NoCloseLast", 1},                      // 78
    {u"NoEditHeadings", 0},                   // 79
    {u"NoPromptExitApp", 1},                  // 80
    {u"OpenUndefinedSystem", 0},              // 81
    {u"OpenUsasciiSystem", 1},                // 82
    {u"OutlineBarConfig", 0},                 // 83
    {u"OutlineBarGuide", 0},                  // 84
    {u"OutlineSync", 0},                      // 85
    {u"OutputCsvError", 1},                   // 86
    {u"OutputShortcuts", 1},                  // 87
    {u"OutputWrap", 1},                       // 88
    {u"Overwrite", 0},                        // 89
    {u"PromptBackupFailed", 1},               // 90
    {u"PromptFilterLimit", 1},                // 91
    {u"PromptGrepFolder", 1},                 // 92
    {u"PromptHotKeyFailed", 1},               // 93
    {u"PromptNewFile", 1},                    // 94
    {u"PromptNoClipboard", 1},                // 95
    {u"PromptNoUndo", 1},                     // 96
    {u"PromptOpenFilter", 1},                 // 97
    {u"PromptPortionOpened", 1},              // 98
    {u"PromptRemoveMarker", 1},               // 99
    {u"PromptSearchedEnd", 1},                // 100
    {u"PromptSeparateCRLF", 1},               // 101
    {u"PromptSetWorkspace", 1},               // 102
    {u"PromptStoreMsg", 1},                   // 103
    {u"PromptTerminateJob", 1},               // 104
    {u"PromptTooManyCol", 1},                 // 105
    {u"QuickStart", 0},                       // 106
    {u"ReadOnlyIcon", 1},                     // 107
    {u"SaveAlwaysTop", 0},                    // 108
    {u"SaveOpenDir", 0},                      // 109
    {u"SaveOverwrite", 0},                    // 110
    {u"SDRWNameVisible", 0},                  // 111
    {u"SendToAll", 0},                        // 112
    {u"SetCaretFocused", 1},                  // 113
    {u"ShowCsvConverter", 0},                 // 114
    {u"ShowCsvTip", 1},                       // 115
    {u"ShowHeader", 1},                       // 116
    {u"ShowOutlineBar", 0},                   // 117
    {u"ShowOutlineGuide", 0},                 // 118
    {u"ShowStartDlg", 1},                     // 119
    {u"ShowStatusBar", 1},                    // 120
    {u"ShowTime", 0},                         // 121
    {u"SortDescending", 0},                   // 122
    {u"StartDownKey", 1},                     // 123
    {u"StopSearchFail", 0},                   // 124
    {u"StripCurPath", 1},                     // 125
    {u"SwitchLastWindow", 1},                 // 126
    {u"SyncFindHistory", 1},                  // 127
    {u"SyncFindReplace", 1},                  // 128
    {u"SyncHSS", 0},                          // 129
    {u"SyncVSS", 0},                          // 130
    {u"SyncWrap", 1},                         // 131
    {u"SystemLang", 1},                       // 132
    {u"TabStyle", 0},                         // 133
    {u"TabWheel", 1},                         // 134
    {u"TabWheelRightClick", 1},               // 135
    {u"TagRegexp", 0},                        // 136
    {u"TempFileLock", 1},                     // 137
    {u"TempFileRead", 1},                     // 138
    {u"TempFileSizeAuto", 0},                 // 139
    {u"TextDragDrop", 1},                     // 140
    {u"ToolbarText", 0},                      // 141
    {u"ToolsReset", 0},                       // 142
    {u"TrayIconAppLaunch", 0},                // 143
    {u"TripleClickSelect", 1},                // 144
    {u"UndoCharByChar", 0},                   // 145
    {u"UseAttr", 0},                          // 146
    {u"UseColorFonts", 1},                    // 147
    {u"UseDirectWrite", 0},                   // 148
    {u"UseSysColorBar", 1},                   // 149
    {u"UseSysColorCaret", 1},                 // 150
    {u"UseSystemDate", 1},                    // 151
    {u"UseSystemTime", 1},                    // 152
    {u"UseFileBased", 1},                     // 153
    {u"WheelFont", 1},                        // 154
    {u"WinCombine", 1},                       // 155
    {u"ClipHist", 0},                         // 156
    {u"CnvtAction", 0},                       // 157
    {u"CnvtAlphaNum", 1},                     // 158
    {u"CnvtKata", 1},                         // 159
    {u"CnvtMark", 1},                         // 160
    {u"CnvtSpace", 1},                        // 161
    {u"CnvtKanaMark", 1},                     // 162
    {u"PromptNetworkNew", 1},                 // 163
    {u"EnableMaxMatches", 0},                 // 164
    {u"NoSaveWorkspace", 0},                  // 165
    {u"SkipNumRange", 0},                     // 166
    {u"AssumeFixedWidth", 0},                 // 167
    {u"FilterClose", 0},                      // 168
    {u"MultiselCopyNL", 1},                   // 169
    {u"MultiselKeepSel", 0},                  // 170
    {u"UseSysColorCaretOvr", 1},              // 171
    {u"CustViewOvr", 0},                      // 172
    {u"FSMon", 1},                            // 173
    {u"WordRightType", 0},                    // 174
    {u"WordLeftType", 0},                     // 175
    {u"PromptDisableIncSearch", 1},           // 176
    {u"IgnoreLastCharSJ", 0},                 // 177
    {u"PromptOddSizeUTF16", 1},               // 178
    {u"BackslashJapanese", 0},      // 179: set from the ANSI code page when the table is built
    {u"BackslashKorean", 0},        // 180
    {u"ValidatorShowComments", 1},  // 181
    {u"ValidatorAutoRefresh", 1},   // 182
    {u"FileMappingSave", 1},        // 183
    {u"InspectSelOnlyDD", 0},       // 184
    {u"RightSingleQuotation", 1},   // 185
    {u"RightDoubleQuotation", 1},   // 186
    {u"DuplicateExtendSel", 1},     // 187
    {u"MClickPaste", 0},            // 188
    {u"RClickSetCursor", 0},        // 189
    {u"StartDlgLargeIcon", 0},      // 190
    {u"StartDlgSnap", 0},           // 191
    {u"StartDlgDate", 0},           // 192
    {u"StartDlgType", 0},           // 193
    {u"StartDlgSize", 0},           // 194
    {u"StartDlgAddBtn", 0},         // 195
    {u"DragSelBorder", 1},          // 196
    {u"EnableAutoRepeat", 1},       // 197
    {u"ActivateOnDrop", 0},         // 198
    {u"CountMarkerMatches", 0},     // 199
    {u"ExtractFreqCase", 1},        // 200
    {u"ExtractFreqType", 0},        // 201
    {u"ExtractFreqSelOnly", 0},     // 202
    {u"StartDlgNewOption", 1},      // 203
    {u"ShowClipHist", 1},           // 204
}};

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
