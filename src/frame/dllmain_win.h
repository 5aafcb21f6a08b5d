#pragma once
// The library's start and stop, run by its entry point (and by test programs that link the
// Win32 layer statically, for their own folder).

#include <windows.h>

namespace scrv {

// Process attach: the settings back end and the INI paths for the folder of `instance`, the
// module handle, both resource modules and the common controls. `instance` is the module whose
// folder is the application folder (the library itself, or a test program).
void ModuleAttach(HINSTANCE instance);
// Process detach: the common controls' context, the caption icons and both resource modules.
void ModuleDetach();

}  // namespace scrv
