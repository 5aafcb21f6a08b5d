#pragma once
// The menus dialog as the host opens it, and the preparations that show its tree opened up and
// its properties dialog over it. Each Open returns its log line.

#include <windows.h>

#include <string>

std::wstring OpenMainMenuDemo(HWND owner);
std::wstring OpenUserMenuDemo(HWND owner);
// Opens the Edit popup and its Convert popup.
void PrepareMainMenuDemo(HWND dlg);
// The properties dialog over the menus dialog, of a command and of a popup.
void PrepareCommandPropertiesDemo(HWND dlg);
void PreparePopupPropertiesDemo(HWND dlg);
// The command's properties with its label cleared and OK pressed: refused, with the reason.
void PrepareUnlabelledPropertiesDemo(HWND dlg);
// A paste of text that holds no menu items: the message that says so over the menus dialog.
void PreparePasteOfNoItemsDemo(HWND dlg);
// The platform's own menus dialog template, for the open-cost benchmark of the entries whose
// screenshot is the properties dialog.
INT_PTR BareMenusDialog(HWND owner);
