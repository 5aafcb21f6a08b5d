#include "frame/resource_modules_win.h"

#include <shlwapi.h>

#include <cwchar>

#include "frame/module_state_win.h"
#include "frame/text_win.h"
#include "settings/settings_store.h"

namespace scrv {
namespace {

constexpr DWORD kImageResourceFlags = LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;

bool IsFile(const std::wstring& path) {
  DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

HMODULE LoadResourceOnly(const std::wstring& path) {
  HMODULE h = LoadLibraryExW(path.c_str(), nullptr, kImageResourceFlags);
  if (!h) ShowLoadFailure(path, GetLastError());
  return h;
}

}  // namespace

void ShowLoadFailure(const std::wstring& path, DWORD error) {
  wchar_t text[324];
  _snwprintf(text, 324, L"Cannot load %ls (0x%x).", path.c_str(), static_cast<unsigned>(error));
  text[323] = L'\0';
  MessageBoxW(GetActiveWindow(), text, L"Scrivlet", MB_ICONERROR);
}

HMODULE LoadLocalisationModule() {
  ModuleState& m = Module();
  std::wstring candidate = AppPath(L"mui\\1033\\scrvloc.dll");
  if (!IsFile(candidate)) {
    MessageBoxW(nullptr, L"No localized file found - scrvloc.dll", L"Scrivlet", MB_ICONERROR);
    return nullptr;
  }
  m.languageFolder = AppPath(L"mui\\1033\\");
  HMODULE h = LoadResourceOnly(candidate);
  m.languageId = GetPrivateProfileIntW(L"Language", L"ID", 0,
                                       (m.languageFolder + L"info.ini").c_str());
  return h;
}

HMODULE LoadImageModule() { return LoadResourceOnly(AppPath(L"scrvres.dll")); }

}  // namespace scrv
