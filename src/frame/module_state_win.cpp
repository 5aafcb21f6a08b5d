#include "frame/module_state_win.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <memory>

#include "frame/common_controls_win.h"
#include "frame/dialog_appearance_win.h"
#include "frame/resource_modules_win.h"
#include "frame/text_win.h"
#include "settings/ini_settings_win.h"
#include "settings/registry_settings_win.h"

namespace scrv {
namespace {

ModuleState g_module;
RegistrySettings g_registry;
IniSettings g_ini(&g_module.commonIni, &g_module.configIni);

struct LockInit {
  LockInit() { InitializeCriticalSectionEx(&g_module.createListLock, 0, 0); }
} g_lockInit;

bool IsWindows10OrLater() {
  OSVERSIONINFOEXW vi = {sizeof vi};
  vi.dwMajorVersion = 10;
  DWORDLONG mask = 0;
  mask = VerSetConditionMask(mask, VER_MAJORVERSION, VER_GREATER_EQUAL);
  mask = VerSetConditionMask(mask, VER_MINORVERSION, VER_GREATER_EQUAL);
  mask = VerSetConditionMask(mask, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
  return VerifyVersionInfoW(&vi, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR,
                            mask) != FALSE;
}

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

void DetectPackage(ModuleState& m) {
  m.packaged = m.sideLoad = false;
  if (!IsWindows10OrLater()) return;
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

ModuleState& Module() {
  return g_module;
}

SettingsStore& Settings() {
  if (g_module.iniMode) return g_ini;
  return g_registry;
}

std::wstring AppPath(std::wstring_view relative) {
  std::wstring p = g_module.appFolder;
  p += relative;
  if (p.size() >= MAX_PATH) p.resize(MAX_PATH - 1);
  return p;
}

void SettingsStartup(const std::wstring& folder) {
  ModuleState& m = g_module;
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

void ModuleAttach(HINSTANCE instance) {
  ModuleState& m = g_module;
  SettingsStartup(ModuleFolder(instance));
  m.dllInstance = instance;
  HMODULE loc = LoadLocalisationModule();
  InterlockedExchangePointer(reinterpret_cast<PVOID*>(&m.resourceModule), loc);
  m.imageModule = LoadImageModule();
  InitCommonControls();
}

void ModuleDetach() {
  ModuleState& m = g_module;
  ReleaseCommonControls();
  ForgetAppIcons();
  if (m.resourceModule) FreeLibrary(m.resourceModule);
  if (m.imageModule) FreeLibrary(m.imageModule);
  m.resourceModule = nullptr;
  m.imageModule = nullptr;
  m.trustAccepted = false;
}

std::wstring GetWindowTextString(HWND hwnd) {
  int n = GetWindowTextLengthW(hwnd);
  if (n <= 0) return L"";
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  int got = GetWindowTextW(hwnd, s.data(), n + 1);
  s.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return s;
}

std::wstring LoadResString(UINT id) {
  const wchar_t* p = nullptr;
  int n = LoadStringW(g_module.resourceModule, id, reinterpret_cast<LPWSTR>(&p), 0);
  return n > 0 && p ? std::wstring(p, static_cast<size_t>(n)) : std::wstring();
}

std::wstring FileDialogFilter(UINT id, wchar_t separator) {
  std::wstring filter = LoadResString(id);
  for (wchar_t& c : filter)
    if (c == separator) c = L'\0';
  filter.append(2, L'\0');  // c_str() adds one more: the list ends with an empty string
  return filter;
}

}  // namespace scrv
