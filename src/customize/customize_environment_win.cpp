#include "customize/customize_environment_win.h"

#include <shlobj.h>
#include <shobjidl.h>

#include "frame/dialog_appearance.h"
#include "frame/dpi_win.h"
#include "frame/host_windows_win.h"
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
      return IconDesignDefault(Module().packaged);
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

std::u16string WinCustomizeEnvironment::String(uint32_t id) {
  return ToU(LoadResString(id));
}

std::optional<RecordLists> WinCustomizeEnvironment::ReadRecord(uint32_t number) {
  std::optional<SettingsRecord> record = OpenAppRecord(number);
  if (!record || LoadAppRecord(*record) != ReadResult::kRead) return std::nullopt;
  return record->Lists();
}

bool WinCustomizeEnvironment::WriteRecord(uint32_t number, const RecordLists& lists) {
  std::optional<SettingsRecord> record = OpenAppRecord(number);
  if (!record) return false;
  for (uint64_t v : lists.qwords) record->AddQword(v);
  for (uint32_t v : lists.dwords) record->AddDword(v);
  for (uint16_t v : lists.words) record->AddWord(v);
  for (uint8_t v : lists.bytes) record->AddByte(v);
  for (const std::u16string& v : lists.texts) record->AddText(v);
  for (bool v : lists.bits) record->AddBit(v);
  return SaveAppRecord(*record);
}

std::vector<std::u16string> WinCustomizeEnvironment::Configurations(SettingsStore& store) {
  std::vector<std::u16string> names;
  if (store.IniMode()) {
    // Section names, each ended by a zero and the whole by another; a buffer too small comes
    // back filled up to its size less two.
    std::vector<wchar_t> buffer(4096);
    for (;;) {
      const DWORD n = GetPrivateProfileSectionNamesW(
          buffer.data(), static_cast<DWORD>(buffer.size()), Module().configIni.c_str());
      if (n + 2 < buffer.size() || buffer.size() >= (1u << 20)) {
        for (const wchar_t* p = buffer.data(); p < buffer.data() + n && *p; p += wcslen(p) + 1)
          names.push_back(ToU(p));
        break;
      }
      buffer.resize(buffer.size() * 4);
    }
    return names;
  }
  const SettingsHandle config = store.OpenAppKey(u"Config", kOpenExisting | kReadOnly);
  if (!config) return names;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = 256;
    if (RegEnumKeyExW(reinterpret_cast<HKEY>(config), i, name, &size, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS)
      break;
    names.push_back(ToU(name));
  }
  store.CloseSettings(config);
  return names;
}

uint64_t WinCustomizeEnvironment::FileTimeNow() {
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  return (uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime;
}

void WinCustomizeEnvironment::CsvFormatsMoved(const std::vector<uint32_t>& oldIndex) {
  SendToMainWindows(SCM_REMAP_CSV_FORMATS, oldIndex.size(),
                    reinterpret_cast<LPARAM>(oldIndex.data()));
}

bool WinCustomizeEnvironment::SameTextIgnoringCase(std::u16string_view a, std::u16string_view b) {
  const std::wstring x = ToW(a), y = ToW(b);
  return CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(),
                              static_cast<int>(y.size()), TRUE) == CSTR_EQUAL;
}

RenderingModel::System WinCustomizeEnvironment::RenderingSystem() {
  RenderingModel::System s;
  s.defaults = rendering_;
  s.packaged = Module().packaged;
  s.colorFontsDefault = Windows81OrLater();
  return s;
}

}  // namespace scrv
