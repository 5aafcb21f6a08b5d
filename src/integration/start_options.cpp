#include "integration/start_options.h"

namespace scrv {

const std::array<StartOptionRow, kStartOptionCount> kStartOptionRows = {{
    {flag::kShowStartDlg, false},
    {flag::kStartDownKey, false},
    {flag::kPromptSetWorkspace, false},
    {flag::kSDRWNameVisible, true},
    {flag::kStartDlgNewOption, true},
    {flag::kStartDlgSnap, true},
    {flag::kStartDlgDate, true},
    {flag::kStartDlgType, true},
    {flag::kStartDlgSize, true},
    {flag::kStartDlgLargeIcon, true},
    {flag::kStartDlgAddBtn, true},
}};

void StartOptionsModel::Load(SettingsStore& store, const FlagTable& flags) {
  SettingsHandle h = store.OpenCommon(false);
  for (size_t i = 0; i < kStartOptionCount; ++i)
    values[i] = ReadFlag(store, flags, h, kStartOptionRows[i].flagRow);
  store.CloseSettings(h);
  loaded_ = values;
}

void StartOptionsModel::Reset(const FlagTable& flags) {
  for (size_t i = 0; i < kStartOptionCount; ++i)
    values[i] = flags.Row(kStartOptionRows[i].flagRow)->def != 0;
}

int StartOptionsModel::Save(SettingsStore& store, const FlagTable& flags) const {
  SettingsHandle h = store.OpenCommon(true);
  int lookChanged = 0;
  for (size_t i = 0; i < kStartOptionCount; ++i) {
    WriteFlag(store, flags, h, kStartOptionRows[i].flagRow, values[i]);
    if (kStartOptionRows[i].look && values[i] != loaded_[i]) lookChanged = 1;
  }
  store.CloseSettings(h);
  return lookChanged;
}

}  // namespace scrv
