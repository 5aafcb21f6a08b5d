#include "settings/plugin_settings_win.h"

#include <windows.h>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "settings/app_settings_win.h"
#include "settings/ini_settings_win.h"
#include "settings/settings_store.h"
#include "settings/unicode_ini_win.h"

namespace scrv {
namespace {

constexpr std::u16string_view kPlugInKey = u"ScrivletPlugIns\\OutlineText";

// The plug-in file is resolved on first use and kept in the module state from then on.
const std::wstring& PlugInFile() {
  ModuleState& m = Module();
  if (m.pluginsIni.empty()) m.pluginsIni = AppPath(L"scPlugins.ini");
  return m.pluginsIni;
}

uint32_t ReadIniPlugInDword(std::u16string_view name, uint32_t* value) {
  const std::wstring& file = PlugInFile();
  EnsureUnicodeIni(file);
  uint32_t v = ReadIniDword(L"OutlineText", name, kPlugInAbsent, file);
  if (v == kPlugInAbsent) return ERROR_FILE_NOT_FOUND;
  *value = v;
  return 0;
}

uint32_t ReadRegistryPlugInDword(std::u16string_view name, uint32_t* value) {
  SettingsStore& store = Settings();
  SettingsHandle h = store.OpenAppKey(kPlugInKey, kNoProductKey);
  if (!h) {
    DWORD error = GetLastError();
    return error ? error : ERROR_FILE_NOT_FOUND;
  }
  DWORD type = 0, size = sizeof(uint32_t);
  uint32_t v = 0;
  LONG rc = RegQueryValueExW(reinterpret_cast<HKEY>(h), ToW(name).c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&v), &size);
  store.CloseSettings(h);
  if (rc == ERROR_MORE_DATA) return ERROR_BAD_ARGUMENTS;
  if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
  if (type != REG_DWORD || size != sizeof(uint32_t)) return ERROR_BAD_ARGUMENTS;
  *value = v;
  return 0;
}

}  // namespace

uint32_t ReadPlugInDword(std::u16string_view name, uint32_t* value) {
  return Module().iniMode ? ReadIniPlugInDword(name, value) : ReadRegistryPlugInDword(name, value);
}

uint32_t ReadPlugInDwordOr(std::u16string_view name, uint32_t def) {
  uint32_t value = 0;
  return ReadPlugInDword(name, &value) == 0 ? value : def;
}

}  // namespace scrv
