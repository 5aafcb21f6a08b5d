// The library's entry point: the settings tables are built by static initialisers before
// this runs; attach chooses the settings back end, loads both resource modules and the
// common controls; detach frees the resource modules.

#include <windows.h>

#include "frame/module_state_win.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
    scrv::ModuleAttach(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    scrv::ModuleDetach();
  }
  return TRUE;
}
