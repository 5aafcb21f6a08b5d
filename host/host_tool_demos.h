#pragma once
// The extract frequent and convert dialogs as the host opens them, with the editor's own
// sample data. Each returns its log line.

#include <windows.h>

#include <string>

std::wstring OpenExtractFrequentDemo(HWND owner);
std::wstring OpenConvertDemo(HWND owner);
