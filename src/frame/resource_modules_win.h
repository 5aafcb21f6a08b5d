#pragma once
// The localisation module (templates, strings, menus) chosen by language from "mui", and the
// image module "scrvres.dll" (icons, bitmaps), both loaded as image resources only.

#include <windows.h>

#include <string>

namespace scrv {

HMODULE LoadLocalisationModule();
HMODULE LoadImageModule();
// "Cannot load %s (0x%x)." with the path and the last error, owned by the active window.
void ShowLoadFailure(const std::wstring& path, DWORD error);

}  // namespace scrv
