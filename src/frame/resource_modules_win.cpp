#include "frame/resource_modules_win.h"

#include <shlwapi.h>

#include <cwchar>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "frame/language_folder.h"
#include "frame/win_file_system_queries_win.h"
#include "settings/app_settings_win.h"
#include "settings/settings_store.h"
#include "settings/settings_tables_win.h"

namespace scrv {
namespace {

constexpr DWORD kImageResourceFlags = LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;

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
  WinFileSystemQueries files;
  LanguageFolderContext ctx{&files, ToU(m.appFolder), GetUserDefaultUILanguage()};
  std::optional<LocalisationCandidate> found = FindLocalisationModule(ctx, Settings(), Flags());
  if (!found) {
    MessageBoxW(nullptr, L"No localized file found - scrvloc.dll", L"Scrivlet", MB_ICONERROR);
    return nullptr;
  }
  m.languageFolder = ToW(found->folder);
  if (!m.languageFolder.empty() && m.languageFolder.back() != L'\\') m.languageFolder += L'\\';
  HMODULE h = LoadResourceOnly(ToW(found->modulePath));
  m.languageId = GetPrivateProfileIntW(L"Language", L"ID", 0, ToW(found->infoPath).c_str());
  return h;
}

HMODULE LoadImageModule() {
  return LoadResourceOnly(AppPath(L"scrvres.dll"));
}

std::optional<DialogTemplateText> ReadTemplateText(HMODULE module, UINT templateId) {
  HRSRC res = module ? FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG) : nullptr;
  HGLOBAL loaded = res ? LoadResource(module, res) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return std::nullopt;
  return ReadDialogTemplateText(static_cast<const uint8_t*>(data), SizeofResource(module, res));
}

}  // namespace scrv
