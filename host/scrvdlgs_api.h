#pragma once
// The library's exports as the host declares them.
#include <windows.h>

#include <cstdint>

extern "C" {
int DoJump(HWND owner, uint32_t* target, uint32_t* secondary, int32_t* choiceIndex,
           const void* choiceList, int asIs);
int DoNumberRangeDlg(HWND owner, wchar_t* text, int capacity);
int DoAdvancedFilterDlg(HWND owner, const void* columnNames, HGLOBAL* block, int secondButton);
}
