#pragma once
// The library's interface to its host, in one place: the exports (names and ordinals in
// exports.def), the private messages the library sends to the host's windows, and the window
// classes it finds them by. The library, the host stand-in and the tests all include this.
// Every message is sent synchronously; WM_APP is 0x8000, WM_USER 0x400.

#include <windows.h>

#include <cstdint>

extern "C" {

// The host's numbers are zero-based unless `asIs` is nonzero; the choice list is a wide string
// list in the host's layout (may be null). Returns the check box state on OK (the three in/out
// values written back), -1 otherwise (left untouched).
int DoJump(HWND owner, uint32_t* target, uint32_t* secondary, int32_t* choiceIndex,
           const void* choiceList, int asIs);

// `text` holds the starting expression (at most 159 characters are taken) and receives the
// result on OK, cut to `capacity` - 1 characters. Returns 1 (OK), 2 (Cancel) or -1.
int DoNumberRangeDlg(HWND owner, wchar_t* text, int capacity);

// `columnNames` is a wide string list (may be null), `block` the host's handle of the current
// conditions (in) and of the last applied list (out), `secondButton` nonzero to start with the
// second Filter button enabled. Returns 2 on every normal close, -1 when the dialog could not
// be run.
int DoAdvancedFilterDlg(HWND owner, const void* columnNames, HGLOBAL* block, int secondButton);

// Column names: the host's wide string list; keys: its key list (8-byte entries), edited in
// place. Returns 1, 1812 (second sort button) or 2; -1 when the dialog could not be started
// (including a key list or column name list that cannot be read).
int DoSortMulti(HWND owner, const void* columnNames, void* sortKeys, int groupFlag,
                int selectionFlag);

// As DoSortMulti; null lists count as empty. Returns 1, 1812 (second delete button) or 2; -1
// when the dialog could not be started.
int DoDeleteDuplicateAdvanced(HWND owner, const void* columnNames, void* keys, int groupFlag,
                              int mode);

// The host's 32-byte join record; after OK (1) its last field holds a movable block of column
// pairs that the host frees. 0: cancelled, no open document, or no dialog.
int DoJoinCSV(HWND owner, void* record);

// After OK (1) the 8 bytes at offset 24 of `record` hold a movable block of column entries that
// the host frees; no other byte is touched. 0: cancelled or no dialog.
int DoExtractColumns(HWND owner, void* record);

// The plug-ins dialog. 1 on OK, 2 on Cancel, -1 when it cannot be shown; 0 when COM cannot be
// initialised.
int DoPlugIn(HWND owner);
// Switches the plug-in stored as `path` off (without a dialog) and tells the owner. Plug-ins
// that cannot be loaded now stay in the list as they are.
void DisablePlugIn(HWND owner, const wchar_t* path);

// The file association dialog. Nothing happens in a packaged installation; with settings in
// INI files the user confirms first. `reserved` is not used.
void DoFileAssociate(HWND owner, void* reserved);
// The Customize sheet, opened on page `startPage` (negative: the page last used). On OK the
// pages that were shown save their settings and the host's windows hear of the changes; the
// result is 1 plus the bits of the pages' result (3 when the current window size is to be
// recorded, 8 synchronising, 16 workspace timer, 32 CSV, 128 mapped files), 0 after Cancel.
// `restartNotice` (may be null) receives 4097, or 8193, when a change needs the host to start
// again. `csvFormat` is the CSV format to select on the CSV page (negative: none); when
// `focusControl` is nonzero, that control of the start page gets the focus, and item
// `focusItem` of it (a list view) is selected.
uint32_t DoCustomize(HWND owner, int startPage, uint32_t* restartNotice, int csvFormat,
                     uint32_t focusControl, uint32_t focusItem);

// Searches the option labels of the Customize pages without opening the sheet: `selector`
// holds the first item to look at (low 16 bits) and the page's template (high 16 bits). Returns
// the item whose label (copied into `buffer`, `size` characters) matches every word of `query`
// (each item when `query` is null or empty), or the complement of the first index past the
// page's items (of the item asked for, for a page without labels).
uint32_t FindAdditionalText(wchar_t* buffer, uint32_t size, uint32_t selector,
                            const wchar_t* query);

// `start` is the menu shown first (0 to 13; anything else shows the main menu). Returns 1 (OK,
// every menu saved and the host's windows told), 2 (Cancel, nothing written) or -1.
int DoMenu(HWND owner, int32_t start);

// Rebuilds the taskbar jump list from the jump list menu; nothing with INI settings.
void ResetJumpList();

// Options of extracting the most frequent strings, kept in the settings, and the list of words
// to ignore, kept in "Spell\ExtIgnr.bin" of the application data. A nonzero `selectionFlag`
// offers the selection-only option. Returns 1 on OK, else 0.
int DoExtractFrequent(HWND owner, uint8_t selectionFlag);

// The options of character conversion. `record`: at offset 0 a pointer to the host's character
// state, which begins with the 200-bit selection mask (bit i of byte i / 8 for character i of
// the table; may be null), at offset 8 the 32-bit flags (in: 0x100 forces the selection radio;
// out: the flag word). Closing by OK or Cancel alike writes the mask and the flag word. Returns
// 0 on OK, -1 otherwise (also when the dialog could not be started, the record untouched then).
int DoConvert(HWND owner, void* record);

// The about box; asks the owner for the host's version (SCM_QUERY, kQueryVersion). `value`
// passes through unused. Returns 1 (OK), 2 (Cancel) or -1.
int DoAbout(HWND owner, uint32_t value);

// The start dialog's options: 1 when OK changed one of the eight look options, else 0 (Cancel
// included); -1 when the dialog could not be started.
int DoCustomizeStart(HWND owner);

// The code pages offered by the editor: 1 OK (the list saved, SCM_SETTINGS_CHANGED with
// wParam 8 sent to the owner, or to its parent when the owner is no main window), 2 Cancel, -1
// when the dialog could not be started, 0 when COM cannot be initialised on the thread.
int DoCodePage(HWND owner);

// Fills the host's list of 16-bit code pages (three pointers: first element, one past the
// last, end of storage) with the 38 default code pages.
// Storage: when the list's capacity holds 38 entries they are written in place and the host's
// block is kept. Otherwise a new block is allocated with HeapAlloc(GetProcessHeap(), 0, 76)
// (the heap the host's operator new and delete use) and the three pointers are set to it, with
// the end of storage equal to one past the last; the host's old block is never freed by the
// library, it stays the host's. A list whose pointers are null, out of order or misaligned
// counts as having no room. Nothing happens for a null list or when the heap has no room.
void ResetCodePage(void* list);

// The tray icon's click actions and hot keys. Returns 1 on OK (the six values written), else 0.
int DoCustomizeTray(HWND owner);
// The editor's main window (the receiver of the toolbar messages) and its rebar, style flag A,
// style value B, options 1 and 2. Returns 2 when closed, -1 after New, 512 + i to customize
// user toolbar i, 0 when the editor failed to rebuild its bars after a reset.
int DoToolbarsDlg(HWND mainWindow, HWND rebar, uint8_t styleFlag, uint8_t styleValue,
                  uint8_t option1, uint8_t option2);

// The marker sheet: owner, first page (negative: the one current when it last closed), the
// current configuration's name (its colour set draws the samples; null or empty for none), the
// marker to select first (-1: the first), and a control of the first page to focus with the
// row of it to select (0, 0: none). Returns 1 after OK (what changed saved, SCM_SETTINGS_CHANGED
// sent to every main window), else 0.
int DoCustomizeMarkers(HWND owner, int startPage, const wchar_t* configuration, int selectMarker,
                       uint32_t focusControl, uint32_t focusItem);

// Writes the values of "Common" that differ from their defaults (flags bit 0: every value) and
// the customised record files to one UTF-8 settings file; a null path asks for it with the Save
// dialog owned by `owner`. Returns 1 written, 0 cancelled, -1 failed (with a message box giving
// the reason when `owner` is not null).
int ExportSettings(HWND owner, const wchar_t* path, uint32_t flags);

// Reads a settings file (a null path asks for it with the Open dialog) and, unless flags bit 0 is
// set, lists in a report what would change, what is unknown and what is refused before anything
// is written. Applies all or nothing, then sends SCM_SETTINGS_CHANGED with the union of the
// changes' bits to every main window. Returns the number of entries applied (>= 0), -1 when
// cancelled, -2 when the file was refused (unreadable, damaged, not a settings file) or could
// not be applied.
int ImportSettings(HWND owner, const wchar_t* path, uint32_t flags);

}  // extern "C"

namespace scrv {

// Each main window of the host (several may exist; found by exact class name).
constexpr wchar_t kHostMainWindowClass[] = L"ScrivletMainFrame3";
// The tray program's window.
constexpr wchar_t kHostTrayWindowClass[] = L"ScrivletTrayIcon3";

// To the owner: 0 before, 1 after the plug-in list changes.
constexpr UINT SCM_PLUGINS_CHANGING = 0x801D;
// To every main window (and the tray window for some bits): low and high 32 bits of the
// change mask; the host rereads the settings the bits name.
constexpr UINT SCM_SETTINGS_CHANGED = 0x8020;
// To the main window handed to DoToolbarsDlg, which applies each at once. SHOW: wParam the band
// to show, or 0 with lParam 1 or 2 when option 1 or 2 was clicked. HIDE: wParam the band to hide
// (a user toolbar's band: to delete). REBUILD: wParam style flag A, lParam style value B; the
// answer is the new rebar window, 0 when the bars could not be rebuilt.
constexpr UINT SCM_TOOLBAR_SHOW = 0x8021;
constexpr UINT SCM_TOOLBAR_REBUILD = 0x8022;
constexpr UINT SCM_TOOLBAR_HIDE = 0x8037;
// To the main window: 0 and the clear-history bits.
constexpr UINT SCM_CLEAR_HISTORY = 0x804F;
// To the owner: 0 for the number of open documents, then the count and a buffer of 260-unit
// slots; nonzero when the names were filled.
constexpr UINT SCM_DOCUMENT_NAMES = 0x8073;
// To the parent: the document index in the high word of wParam (0xFFFF the current one), 0 or
// the count in the low word; the number of columns, then nonzero when the names were filled.
constexpr UINT SCM_COLUMN_NAMES = 0x8074;
// To the owner: 0 and a block to fill, or 1 and values to preview.
constexpr UINT SCM_RENDERING = 0x8080;
// To the parent: wParam 1 when the second Filter button asked, 0 for the Filter button; lParam
// the condition block (the host's handle, null for an empty list). The host filters before it
// returns.
constexpr UINT SCM_APPLY_FILTER = 0x8084;
// To every main window: the number of formats and the old-index table.
constexpr UINT SCM_REMAP_CSV_FORMATS = 0x8085;
// To every main window: nonzero means a plug-in may not be switched or removed now.
constexpr UINT SCM_PLUGIN_BUSY = 0x829;
// To the nearest main window: wParam kQueryDpi asks for a window's DPI; to the owner: wParam
// kQueryVersion and a buffer asks for the version string.
constexpr UINT SCM_QUERY = 0x83A;
constexpr WPARAM kQueryDpi = 356;
constexpr WPARAM kQueryVersion = 290;
// To the owner of the marker sheet: is lParam (a RegexQuery*) an expression the editor's search
// accepts? Answer kRegexValid or kRegexInvalid; any other answer leaves the decision to the
// library's own syntax check.
constexpr WPARAM kQueryRegex = 0x7201;
constexpr LRESULT kRegexValid = 1;
constexpr LRESULT kRegexInvalid = 2;
struct RegexQuery {
  const wchar_t* pattern;  // terminated
  uint32_t matchCase;      // 0 or 1
};
// To every main window: release the plug-in before the call returns.
constexpr UINT SCM_RELEASE_PLUGIN = 0x83B;

}  // namespace scrv
