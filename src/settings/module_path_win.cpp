#include "settings/module_path_win.h"

#include "base/module_state_win.h"
#include "settings/app_settings_win.h"
#include "settings/settings_store.h"

namespace scrv {

bool HasModulePath() {
  const ModuleState& m = Module();
  if (m.packaged || m.iniMode) return false;
  SettingsStore& store = Settings();
  SettingsHandle common = store.OpenAppKey(u"Common", kMachineCommonReadFlags);
  if (!common) return false;
  // Room for the longest registry string, so that a long path is not mistaken for none.
  bool has = !store.ReadString(common, u"ModulePath", 32768, u"").empty();
  store.CloseSettings(common);
  return has;
}

}  // namespace scrv
