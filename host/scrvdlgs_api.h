#pragma once
// The library's exports as the host declares them.
#include <windows.h>

extern "C" {
int DoNumberRangeDlg(HWND owner, wchar_t* text, int capacity);
int DoAdvancedFilterDlg(HWND owner, const void* columnNames, HGLOBAL* block, int secondButton);
}
