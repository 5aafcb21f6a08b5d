// The library's entry point: the settings tables are built by static initialisers before
// this runs; attach chooses the settings back end, loads both resource modules and the
// common controls; detach frees the resource modules.

#include "frame/dllmain_win.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <string>

#include "base/module_state_win.h"
#include "frame/common_controls_win.h"
#include "frame/dialog_appearance_win.h"
#include "frame/resource_modules_win.h"
#include "settings/app_settings_win.h"

namespace scrv {
namespace {

std::wstring ModuleFolder(HINSTANCE instance) {
  wchar_t path[MAX_PATH] = {}, full[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(instance, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return L"";
  if (!GetFullPathNameW(path, MAX_PATH, full, nullptr)) lstrcpynW(full, path, MAX_PATH);
  PathRemoveFileSpecW(full);
  std::wstring folder = full;
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

}  // namespace

void ModuleAttach(HINSTANCE instance) {
  ModuleState& m = Module();
  SettingsStartup(ModuleFolder(instance));
  m.dllInstance = instance;
  HMODULE loc = LoadLocalisationModule();
  InterlockedExchangePointer(reinterpret_cast<PVOID*>(&m.resourceModule), loc);
  m.imageModule = LoadImageModule();
  InitCommonControls();
}

void ModuleDetach() {
  ModuleState& m = Module();
  ReleaseCommonControls();
  ForgetAppIcons();
  if (m.resourceModule) FreeLibrary(m.resourceModule);
  if (m.imageModule) FreeLibrary(m.imageModule);
  m.resourceModule = nullptr;
  m.imageModule = nullptr;
  m.trustAccepted = false;
}

}  // namespace scrv

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
    scrv::ModuleAttach(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    scrv::ModuleDetach();
  }
  return TRUE;
}
