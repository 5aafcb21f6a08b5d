#include "customize/customize_environment_win.h"

#include <shlobj.h>
#include <shobjidl.h>

#include "frame/dialog_appearance.h"
#include "frame/dpi_win.h"
#include "base/module_state_win.h"
#include "base/text_win.h"
#include "scrvdlgs_api.h"
#include "settings/settings_tables_win.h"

namespace scrv {
namespace {

constexpr wchar_t kTrayProgram[] = L"scrvtray.exe";
constexpr wchar_t kStartupShortcut[] = L"Scrivlet.lnk";

std::u16string InfoValue(const std::wstring& file, const wchar_t* key) {
  wchar_t value[260] = {};
  GetPrivateProfileStringW(L"Language", key, L"", value, 260, file.c_str());
  return ToU(value);
}

std::wstring StartupShortcutPath() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder)))
    return {};
  return std::wstring(folder) + L"\\" + kStartupShortcut;
}

}  // namespace

const FlagTable& WinCustomizeEnvironment::Flags() {
  return scrv::Flags();
}

uint64_t WinCustomizeEnvironment::Default(SystemDefault which) {
  switch (which) {
    case SystemDefault::kBarTextColor:
      return dark_ ? kDarkTextColor : GetSysColor(COLOR_BTNTEXT);
    case SystemDefault::kBarBackColor:
      return dark_ ? kDarkBackgroundColor : GetSysColor(COLOR_BTNFACE);
    case SystemDefault::kActiveTabColor:
      return GetSysColor(COLOR_ACTIVECAPTION);
    case SystemDefault::kIconDesign:
      return Module().packaged ? 0 : 1;
    case SystemDefault::kDirectWrite:
      return rendering_.directWrite;
    case SystemDefault::kAntialiasing:
      return rendering_.antialiasing;
    case SystemDefault::kRenderingMode:
      return rendering_.renderingMode;
    case SystemDefault::kColorFonts:
      return Windows81OrLater() ? 1 : 0;
    case SystemDefault::kNone:
      break;
  }
  return 0;
}

std::u16string WinCustomizeEnvironment::LocaleNameFromLcid(uint32_t lcid) {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  if (!lcid || !LCIDToLocaleName(lcid, name, LOCALE_NAME_MAX_LENGTH, 0)) return {};
  return ToU(name);
}

std::u16string WinCustomizeEnvironment::SystemLocaleName() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  if (!GetSystemDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH)) return {};
  return ToU(name);
}

std::vector<LanguageEntry> WinCustomizeEnvironment::Languages() {
  std::vector<LanguageEntry> found;
  const std::wstring mui = AppPath(L"mui\\");
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((mui + L"*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return found;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || fd.cFileName[0] == L'.') continue;
    const std::wstring info = mui + fd.cFileName + L"\\info.ini";
    found.push_back({ToU(fd.cFileName), InfoValue(info, L"Language"), InfoValue(info, L"Text"),
                     InfoValue(info, L"Author"), InfoValue(info, L"Version")});
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return found;
}

void WinCustomizeEnvironment::SetTrayProgram(bool running) {
  if (!running) {
    if (HWND tray = FindWindowW(kHostTrayWindowClass, nullptr)) PostMessageW(tray, WM_CLOSE, 0, 0);
    return;
  }
  const std::wstring program = AppPath(kTrayProgram);
  if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  ShellExecuteW(nullptr, nullptr, program.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void WinCustomizeEnvironment::SetStartupShortcut(bool present) {
  const std::wstring link = StartupShortcutPath();
  if (link.empty()) return;
  if (!present) {
    DeleteFileW(link.c_str());
    return;
  }
  const HRESULT init = CoInitialize(nullptr);
  IShellLinkW* shell = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&shell)))) {
    const std::wstring program = AppPath(kTrayProgram);
    shell->SetPath(program.c_str());
    shell->SetWorkingDirectory(Module().appFolder.c_str());
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      file->Save(link.c_str(), TRUE);
      file->Release();
    }
    shell->Release();
  }
  if (SUCCEEDED(init)) CoUninitialize();
}

}  // namespace scrv
