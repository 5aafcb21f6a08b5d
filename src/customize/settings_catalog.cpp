#include "customize/settings_catalog.h"

#include "customize/additional_text.h"
#include "customize/customize_pages.h"
#include "customize/customize_session.h"
#include "customize/setting_reset.h"
#include "settings/record_table.h"
#include "settings/settings_report.h"

namespace scrv {
namespace {

bool IsButton(Show show) {
  return show == Show::kButton || show == Show::kBrowse;
}

// The one control that shows row `row` of the page whole: the only binding of the row that is
// not a button, or, beside boxes, its only list, number, text or colour control. Null for a row
// that several boxes share (bits, choices) or that no control shows.
const Binding* ShowingControl(const PageDescriptor& page, size_t row) {
  const Binding *only = nullptr, *whole = nullptr;
  size_t count = 0, wholeCount = 0;
  for (const Binding& b : page.bindings) {
    if (b.row != row || IsButton(b.show)) continue;
    ++count;
    only = &b;
    if (b.show == Show::kCombo || b.show == Show::kNumber || b.show == Show::kText ||
        b.show == Show::kColor) {
      ++wholeCount;
      whole = &b;
    }
  }
  if (wholeCount == 1) return whole;
  if (count == 1 && (only->show == Show::kCheck || only->show == Show::kInverted)) return only;
  return nullptr;
}

}  // namespace

std::u16string DescribeAsShown(std::u16string_view name, const EntryValue& value,
                               const FlagTable& flags, const StringSource& strings,
                               CustomizeSession* session) {
  if (value.type == EntryType::kDword || value.type == EntryType::kQword ||
      value.type == EntryType::kString) {
    const auto pages = CustomizePages();
    for (size_t p = 0; p < pages.size(); ++p) {
      const PageDescriptor& page = *pages[p];
      for (size_t r = 0; r < page.rows.size(); ++r) {
        const SettingRow& row = page.rows[r];
        const std::u16string_view rowName =
            row.stored == Stored::kFlag ? flags.Row(static_cast<uint32_t>(row.def))->name : row.key;
        if (row.stored == Stored::kNone || rowName != name) continue;
        const Binding* b = ShowingControl(page, r);
        if (!b) return DescribeValue(value);
        const SettingValue v{value.number, value.text};
        const std::u16string shown =
            ShownText(ShownBy(page, *b, v, session ? &session->Page(p) : nullptr), strings);
        return shown.empty() ? DescribeValue(value) : shown;
      }
    }
  }
  return DescribeValue(value);
}

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

  // The records of the Active Strings and CSV pages, the menus, the toolbar layout and the
  // code pages offered (by number: the same on every machine; the code-page dialog reports 8).
  catalog.AddRecord({record::kActiveS, 0x4000});
  catalog.AddRecord({record::kCsv2, 0x4102});
  for (uint32_t menu = 0; menu < 14; ++menu) catalog.AddRecord({record::kMenu0 + menu, 0});
  catalog.AddRecord({record::kRebar, 0});
  catalog.AddRecord({record::kNewCp, 8});
  return catalog;
}

}  // namespace scrv
