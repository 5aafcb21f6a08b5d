#pragma once
// The localisation module (templates, strings, menus) chosen by language from "mui", and the
// image module "scrvres.dll" (icons, bitmaps), both loaded as image resources only.

#include <windows.h>

#include <optional>
#include <string>

#include "frame/dialog_template.h"

namespace scrv {

HMODULE LoadLocalisationModule();
HMODULE LoadImageModule();
// "Cannot load %s (0x%x)." with the path and the last error, owned by the active window.
void ShowLoadFailure(const std::wstring& path, DWORD error);

// The controls template `templateId` of `module` declares; nothing when it has no such template
// or the template does not read. Reading it costs no round trip to the window system.
std::optional<DialogTemplateText> ReadTemplateText(HMODULE module, UINT templateId);

}  // namespace scrv
