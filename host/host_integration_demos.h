#pragma once
// The plug-ins and file association dialogs as the host opens them. Like the editor after its
// installation, the host stand-in has a plug-in list and a few associations of its own: they
// are put in place the first time, when none exist.

#include <windows.h>

#include <string>

std::wstring OpenPlugInsDemo(HWND owner);
// The plug-ins dialog as a fresh installation opens it: no stored list, so the nine standard
// plug-ins, none of which are in the stand-in's "PlugIns" folder (its five are not listed).
std::wstring OpenStandardPlugInsDemo(HWND owner);
std::wstring OpenFileAssociateDemo(HWND owner);
// Opens the properties of the first association over the list.
void PrepareAssociatePropertiesDemo(HWND dlg);
