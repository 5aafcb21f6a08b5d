#pragma once
// The settings back end the library keeps its settings in: the registry, or INI files beside
// the program when the installation holds "scUseIni.ini". Chosen once at load.

#include <string>

#include "settings/settings_store.h"

namespace scrv {

// The back end chosen at start-up.
SettingsStore& Settings();

// Chooses the back end and the INI paths for the application folder `folder` (with a
// trailing backslash), recording them in the module state; run at attach and by tests that
// move the folder.
void SettingsStartup(const std::wstring& folder);

}  // namespace scrv
