#include "settings/small_value_table.h"

namespace scrv {

const SmallValueRow* SmallValueRowAt(uint32_t row) {
  return row < kSmallValueRowCount ? &kSmallValueRows[row] : nullptr;
}

uint32_t ReadSmallValue(SettingsStore& store, SettingsHandle h, uint32_t row) {
  const SmallValueRow* r = SmallValueRowAt(row);
  return r ? store.ReadDword(h, r->name, r->def) : 0;
}

uint32_t ReadCommonSmallValue(SettingsStore& store, uint32_t row) {
  const SmallValueRow* r = SmallValueRowAt(row);
  return r ? store.ReadCommonDword(r->name, r->def) : 0;
}

void WriteSmallValue(SettingsStore& store, SettingsHandle h, uint32_t row, uint8_t value) {
  const SmallValueRow* r = SmallValueRowAt(row);
  if (!r) return;
  if (value == r->def)
    store.DeleteValue(h, r->name, false);
  else
    store.WriteDword(h, r->name, value);
}

}  // namespace scrv
