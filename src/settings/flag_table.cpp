#include "settings/flag_table.h"

namespace scrv {

FlagTable::FlagTable(uint32_t ansiCodePage) : rows_(kFlagRows) {
  rows_[flag::kBackslashJapanese].def = ansiCodePage == kJapaneseCodePage ? 1 : 0;
}

bool ReadFlag(SettingsStore& store, const FlagTable& table, SettingsHandle h, uint32_t row) {
  const FlagRow* r = table.Row(row);
  if (!r) return false;
  return store.ReadDword(h, r->name, r->def) != 0;
}

bool ReadCommonFlag(SettingsStore& store, const FlagTable& table, uint32_t row) {
  const FlagRow* r = table.Row(row);
  if (!r) return false;
  return store.ReadCommonDword(r->name, r->def) != 0;
}

void WriteFlag(SettingsStore& store, const FlagTable& table, SettingsHandle h, uint32_t row,
               uint8_t value) {
  const FlagRow* r = table.Row(row);
  if (!r) return;
  if (value == r->def)
    store.DeleteValue(h, r->name, false);
  else
    store.WriteDword(h, r->name, value);
}

void StoreFlag(SettingsStore& store, const FlagTable& table, SettingsHandle h, uint32_t row,
               bool on) {
  if (const FlagRow* r = table.Row(row)) store.WriteDword(h, r->name, on ? 1 : 0);
}

void WriteCommonFlag(SettingsStore& store, const FlagTable& table, uint32_t row, uint8_t value) {
  const FlagRow* r = table.Row(row);
  if (!r) return;
  if (value == r->def)
    store.DeleteCommonValue(r->name);
  else
    store.WriteCommonDword(r->name, value);
}

}  // namespace scrv
