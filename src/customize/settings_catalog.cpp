#include "customize/settings_catalog.h"

#include "customize/customize_pages.h"
#include "settings/record_table.h"

namespace scrv {

SettingsCatalog CustomizeCatalog(const FlagTable& flags) {
  SettingsCatalog catalog;
  for (const PageDescriptor* page : CustomizePages()) {
    for (const SettingRow& row : page->rows) {
      KeySpec k;
      k.changeBits = row.changeBits;
      k.hasDefault = row.system == SystemDefault::kNone;
      k.name = row.key;
      k.def = row.def;
      switch (row.stored) {
        case Stored::kNone:
          continue;
        case Stored::kDword:
          break;
        case Stored::kQword:
          k.type = EntryType::kQword;
          k.max = UINT64_MAX;
          break;
        case Stored::kString:
          k.type = EntryType::kString;
          k.textDef = row.textDef;
          k.capacity = row.capacity;
          break;
        case Stored::kFlag:
          k.name = flags.Row(static_cast<uint32_t>(row.def))->name;
          k.def = flags.Row(static_cast<uint32_t>(row.def))->def;
          k.max = 1;
          k.deleteAtDefault = true;
          break;
      }
      catalog.Add(k);
    }
  }
  // The Status page's order of the status bar's items.
  KeySpec order;
  order.name = u"StatusOrderArray";
  order.type = EntryType::kBinary;
  order.hasDefault = false;
  order.changeBits = 0x4;
  catalog.Add(order);
  AddTableKeys(catalog, flags);

  // The records of the Active Strings and CSV pages, the menus and the toolbar layout.
  catalog.AddRecord({record::kActiveS, 0x4000});
  catalog.AddRecord({record::kCsv2, 0x4102});
  for (uint32_t menu = 0; menu < 14; ++menu) catalog.AddRecord({record::kMenu0 + menu, 0});
  catalog.AddRecord({record::kRebar, 0});
  return catalog;
}

}  // namespace scrv
