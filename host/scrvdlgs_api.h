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
// 1 OK, 2 Cancel, -1 when the dialog cannot be shown, 0 when COM cannot be initialised.
int DoPlugIn(HWND owner);
// Switches the plug-in stored as `path` off and tells the owner.
void DisablePlugIn(HWND owner, const wchar_t* path);
void DoFileAssociate(HWND owner, void* reserved);
}
