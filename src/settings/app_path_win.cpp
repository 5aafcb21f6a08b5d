#include "settings/app_path_win.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "settings/app_path.h"
#include "settings/app_settings_win.h"
#include "settings/settings_store.h"

namespace scrv {
namespace {

std::wstring Cut(std::wstring_view s) {
  return std::wstring(s.substr(0, MAX_PATH - 1));
}

std::wstring ExpandEnvironment(const std::wstring& text) {
  DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::wstring out(needed, L'\0');
  DWORD n = ExpandEnvironmentStringsW(text.c_str(), out.data(), needed);
  if (n == 0 || n > needed) return text;
  out.resize(n - 1);
  return out;
}

std::wstring HostProgramFolder() {
  wchar_t exe[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return L"";
  return ToW(RemoveFileName(ToU(exe)));
}

bool IsRelativeNonUrl(const std::wstring& path) {
  return PathIsRelativeW(path.c_str()) && !PathIsURLW(path.c_str());
}

std::wstring MakeAbsolute(const std::wstring& path, std::wstring_view baseFolder) {
  wchar_t combined[MAX_PATH] = {}, canonical[MAX_PATH] = {};
  if (!PathCombineW(combined, Cut(baseFolder).c_str(), path.c_str())) return L"";
  if (!PathCanonicalizeW(canonical, combined)) return combined;
  return canonical;
}

std::wstring DefaultMacroFolder() {
  const ModuleState& m = Module();
  if (m.iniMode) return ToW(WithoutTrailingBackslash(ToU(m.appFolder)));
  wchar_t documents[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)))
    documents[0] = L'\0';
  return ToW(JoinPath(ToU(documents), u"My Macros"));
}

}  // namespace

std::wstring ExpandAppPath(std::wstring_view path, std::wstring_view baseFolder) {
  std::wstring expanded = ExpandEnvironment(Cut(path));
  bool replaced = false;
  std::wstring out = Cut(ToW(ReplaceAppDir(ToU(expanded), ToU(HostProgramFolder()), &replaced)));
  if (!replaced && IsRelativeNonUrl(out)) return MakeAbsolute(out, baseFolder);
  return out;
}

std::wstring GetMacroFolder() {
  std::wstring folder = DefaultMacroFolder();
  std::u16string stored = Settings().ReadCommonString(u"MacroFolder", MAX_PATH, u"");
  if (!stored.empty()) folder = ToW(stored);
  folder = Cut(ExpandEnvironment(folder));
  if (IsRelativeNonUrl(folder)) folder = MakeAbsolute(folder, Module().appFolder);
  return folder;
}

}  // namespace scrv
