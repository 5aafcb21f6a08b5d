#pragma once
// The plug-ins and file association dialogs as the host opens them. Like the editor after its
// installation, the host stand-in has a plug-in list and a few associations of its own: they
// are put in place the first time, when none exist.

#include <windows.h>

#include <string>

std::wstring OpenPlugInsDemo(HWND owner);
std::wstring OpenFileAssociateDemo(HWND owner);
// Opens the properties of the first association over the list.
void PrepareAssociatePropertiesDemo(HWND dlg);
