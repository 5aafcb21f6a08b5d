#include "host_integration_demos.h"

#include <shlobj.h>

#include <filesystem>
#include <fstream>

#include "integration/plugin_list.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"
#include "settings/record_table.h"

namespace {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path().wstring();
}

// The file of the stored plug-in list, or nothing without a user folder. The user's folder is
// asked for once: the shell's look-up is not what the benchmark measures.
std::filesystem::path PluginListFile() {
  static const std::wstring appData = []() -> std::wstring {
    wchar_t path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, path)) ? path : L"";
  }();
  if (appData.empty()) return {};
  const scrv::RecordInfo* info = scrv::RecordInfoAt(scrv::record::kPlugIns);
  return std::filesystem::path(appData) / L"Veltranix" / L"Scrivlet" /
         std::wstring(info->folder.begin(), info->folder.end()) /
         (std::wstring(info->name.begin(), info->name.end()) + L".bin");
}

// The plug-ins built beside the host: two with their own images and texts, one switched off.
void EnsurePluginList() {
  const std::filesystem::path file = PluginListFile();
  if (file.empty()) return;
  const scrv::RecordInfo* info = scrv::RecordInfoAt(scrv::record::kPlugIns);
  const std::filesystem::path folder = file.parent_path();
  std::error_code ec;
  if (std::filesystem::exists(file, ec)) return;
  std::filesystem::create_directories(folder, ec);
  scrv::SettingsRecord record(file.u16string(), info->magic, info->text);
  scrv::PutStoredPlugins(
      record, {{u"Outline.dll", true}, {u"CharacterMap.dll", true}, {u"Clock.dll", false}},
      scrv::AsciiTextCase());
  if (auto bytes = scrv::BuildRecordFile(record.Lists(), info->magic, info->text))
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes->data()),
               static_cast<std::streamsize>(bytes->size()));
}

void SetClassValue(const std::wstring& key, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, (L"Software\\Classes\\" + key).c_str(), nullptr, REG_SZ,
                  value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// Three associations of the editor beside the host, with the image module's icons. They are
// written again when they lead to another folder (a copy of the program folder, such as the
// one of the pseudo-localised language, shares the registry).
void EnsureAssociations() {
  const std::wstring folder = ProgramFolder();
  std::wstring program = folder + L"\\scrivlet.exe";
  if (program.find(L' ') != std::wstring::npos) program = L"\"" + program + L"\"";
  wchar_t command[MAX_PATH + 16] = {};
  DWORD size = sizeof command;
  if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Classes\\scrivlet64.txt\\shell\\open\\command",
                   nullptr, RRF_RT_REG_SZ, nullptr, command, &size) == ERROR_SUCCESS &&
      std::wstring(command) == program + L" \"%1\"")
    return;
  const struct {
    const wchar_t* extension;
    const wchar_t* description;
    int icon;
  } demos[] = {{L"txt", L"Text Document", 0},
               {L"log", L"Log File", 1},
               {L"scworkspace", L"Scrivlet Workspace", 0}};
  for (const auto& d : demos) {
    const std::wstring progId = std::wstring(L"scrivlet64.") + d.extension;
    SetClassValue(progId, d.description);
    SetClassValue(progId + L"\\DefaultIcon", folder + L"\\scrvres.dll," + std::to_wstring(d.icon));
    SetClassValue(progId + L"\\shell\\open\\command", program + L" \"%1\"");
    SetClassValue(progId + L"\\shell\\print\\command", program + L" /p \"%1\"");
  }
}

}  // namespace

std::wstring OpenPlugInsDemo(HWND owner) {
  EnsurePluginList();
  return L"returned " + std::to_wstring(DoPlugIn(owner));
}

std::wstring OpenStandardPlugInsDemo(HWND owner) {
  const std::filesystem::path file = PluginListFile();
  std::error_code ec;
  std::filesystem::remove(file, ec);
  std::wstring line = L"returned " + std::to_wstring(DoPlugIn(owner));
  // Whatever the dialog saved, the other demos have their own list again.
  std::filesystem::remove(file, ec);
  EnsurePluginList();
  return line;
}

std::wstring OpenFileAssociateDemo(HWND owner) {
  EnsureAssociations();
  DoFileAssociate(owner, nullptr);
  return L"returned nothing";
}

void PrepareReservedExtensionDemo(HWND dlg) {
  static HWND s_list;
  s_list = dlg;
  PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_ASSOC_ADD, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_ASSOC_ADD)));
  SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND props = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM found) -> BOOL {
          if (GetWindow(w, GW_OWNER) != s_list || !IsWindowVisible(w)) return TRUE;
          *reinterpret_cast<HWND*>(found) = w;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&props));
    if (!props) return;
    KillTimer(nullptr, id);
    SetDlgItemTextW(props, IDC_ASSOC_EXTENSION, L"exe");
  });
}

void PrepareAssociatePropertiesDemo(HWND dlg) {
  PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_ASSOC_PROPERTIES, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_ASSOC_PROPERTIES)));
}
