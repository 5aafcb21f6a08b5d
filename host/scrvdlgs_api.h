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
// The about box; asks the owner for the host's version (0x83A, 290). `value` passes through.
int DoAbout(HWND owner, uint32_t value);
// 1 when OK changed a look option of the start dialog, else 0; -1 when it could not start.
int DoCustomizeStart(HWND owner);
// The code pages offered by the editor: 1 OK (the list saved, 0x8020 with wParam 8 sent to the
// owner, or to its parent when the owner is no main window), 2 Cancel, -1 when the dialog could
// not be started, 0 when COM cannot be initialised on the thread.
int DoCodePage(HWND owner);
// Fills the host's list of 16-bit code pages (three pointers: first element, one past the
// last, end of storage) with the 38 default code pages. Storage: when the list's capacity
// holds 38 entries they are written in place and the host's block is kept; otherwise a new
// block is allocated with HeapAlloc(GetProcessHeap(), 0, 76) (what the host's operator new
// and delete use), the three pointers are set to it (end = last), and the host's old block is
// never freed by the library: the host still owns it. A list whose pointers are out of order
// or misaligned counts as having no room. Nothing happens for a null list or when the heap
// has no room.
void ResetCodePage(void* list);
}
