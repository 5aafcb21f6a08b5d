#include "settings/app_data_path_win.h"

#include <windows.h>
#include <shlobj.h>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "settings/app_path.h"

namespace scrv {
namespace {

// `folder` plus `name`, created when missing; `folder` itself when no name is given.
std::wstring AddLevel(const std::wstring& folder, const wchar_t* name) {
  if (!name || !*name) return folder;
  std::wstring path = ToW(JoinPath(ToU(folder), ToU(name)));
  CreateDirectoryW(path.c_str(), nullptr);
  return path;
}

std::wstring WindowsDrive() {
  wchar_t windows[MAX_PATH] = {};
  UINT n = GetWindowsDirectoryW(windows, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return L"C:\\";
  std::wstring root = ToW(DriveRoot(ToU(windows)));
  return root.empty() ? L"C:\\" : root;
}

thread_local AppDataScope* t_scope = nullptr;

std::wstring AskShell(bool local) {
  wchar_t path[MAX_PATH] = {};
  int csidl = local ? CSIDL_LOCAL_APPDATA : CSIDL_APPDATA;
  if (SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) && *path)
    return path;
  return WindowsDrive();
}

std::wstring DataRoot(bool local) {
  const ModuleState& m = Module();
  if (m.iniMode) return AddLevel(m.appFolder, L"AppData");
  std::wstring vendor = AddLevel(AppDataScope::UserFolder(local), L"Veltranix");
  return AddLevel(vendor, m.packaged ? L"ScrivletUWP" : L"Scrivlet");
}

}  // namespace

AppDataScope::AppDataScope() : outer_(t_scope) {
  if (!outer_) t_scope = this;
}

AppDataScope::~AppDataScope() {
  if (!outer_) t_scope = nullptr;
}

std::wstring AppDataScope::UserFolder(bool local) {
  AppDataScope* scope = t_scope;
  if (!scope) return AskShell(local);
  std::optional<std::wstring>& known = scope->userFolders_[local ? 1 : 0];
  if (!known) known = AskShell(local);
  return *known;
}

std::wstring GetAppDataPath(const wchar_t* first, const wchar_t* second, bool local) {
  return AddLevel(AddLevel(DataRoot(local), first), second);
}

std::wstring GetBinFilePath(const wchar_t* first, const wchar_t* second, std::wstring_view name) {
  std::wstring file(name);
  file += L".bin";
  return ToW(JoinPath(ToU(GetAppDataPath(first, second)), ToU(file)));
}

}  // namespace scrv
