#pragma once
// The library's exports as the host declares them.
#include <windows.h>

#include <cstdint>

extern "C" {
int DoJump(HWND owner, uint32_t* target, uint32_t* secondary, int32_t* choiceIndex,
           const void* choiceList, int asIs);
int DoNumberRangeDlg(HWND owner, wchar_t* text, int capacity);
// Column names: the host's wide string list; keys: its key list (8-byte entries), edited in
// place.
int DoSortMulti(HWND owner, const void* columnNames, void* sortKeys, int groupFlag,
                int selectionFlag);
int DoDeleteDuplicateAdvanced(HWND owner, const void* columnNames, void* keys, int groupFlag,
                              int mode);
// The 32-byte join record; on 1 its last field holds a movable block the host frees.
int DoJoinCSV(HWND owner, void* record);
// A record whose 8 bytes at offset 24 receive the column entry block on 1.
int DoExtractColumns(HWND owner, void* record);
int DoAdvancedFilterDlg(HWND owner, const void* columnNames, HGLOBAL* block, int secondButton);
// The editor's main window and rebar, style flag A, style value B, options 1 and 2. Returns 2,
// -1 after New, 512 + i to customize user toolbar i, or 0 after a failed rebuild.
int DoToolbarsDlg(HWND mainWindow, HWND rebar, uint8_t styleFlag, uint8_t styleValue,
                  uint8_t option1, uint8_t option2);
}
