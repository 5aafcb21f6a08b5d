#pragma once
// The key and column dialogs as the host opens them: sort multi, delete duplicates, join CSV
// and extract columns, each with the editor's own lists and records. Each returns its log line.

#include <windows.h>

#include <string>

std::wstring OpenSortMultiDemo(HWND owner);
void PrepareSortMultiDemo(HWND dlg);
std::wstring OpenDeleteDuplicatesDemo(HWND owner);
void PrepareDeleteDuplicatesDemo(HWND dlg);
std::wstring OpenJoinCsvDemo(HWND owner);
std::wstring OpenExtractColumnsDemo(HWND owner);
