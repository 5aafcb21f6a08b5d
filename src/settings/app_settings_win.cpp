#include "settings/app_settings_win.h"

#include <windows.h>

#include <cwchar>

#include "base/module_state_win.h"
#include "base/windows_version_win.h"
#include "settings/ini_settings_win.h"
#include "settings/registry_settings_win.h"

namespace scrv {
namespace {

RegistrySettings g_registry;
IniSettings g_ini(&Module().commonIni, &Module().configIni);

void DetectPackage(ModuleState& m) {
  m.packaged = m.sideLoad = false;
  if (!WindowsVersionAtLeast(10, 0)) return;
  HMODULE kernel = LoadLibraryExW(L"Kernel32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!kernel) return;
  using Fn = LONG(WINAPI*)(UINT32*, PWSTR);
  auto fn = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "GetCurrentPackageFamilyName")));
  if (fn) {
    wchar_t name[260] = {};
    UINT32 len = 260;
    if (fn(&len, name) == ERROR_SUCCESS) {
      m.packaged = true;
      m.sideLoad = wcsncmp(name, L"Veltranix.Scrivlet64UWPSideload", 31) == 0;
    }
  }
  FreeLibrary(kernel);
}

}  // namespace

SettingsStore& Settings() {
  if (Module().iniMode) return g_ini;
  return g_registry;
}

void SettingsStartup(const std::wstring& folder) {
  ModuleState& m = Module();
  m.appFolder = folder;
  DetectPackage(m);
  // INI mode: an unpackaged installation with a file (not a folder) "scUseIni.ini" beside us.
  DWORD attrs = GetFileAttributesW(AppPath(L"scUseIni.ini").c_str());
  m.iniMode =
      !m.packaged && attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
  m.commonIni = AppPath(L"scCommon.ini");
  m.configIni = AppPath(L"scConfig.ini");
  m.pluginsIni.clear();
}

}  // namespace scrv
