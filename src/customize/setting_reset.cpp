#include "customize/setting_reset.h"

namespace scrv {
namespace {

using Kind = ShownDefault::Kind;

bool IsBox(Show show) {
  return show == Show::kCheck || show == Show::kInverted || show == Show::kBit ||
         show == Show::kChoice;
}

// Whether a box shows ticked for row value `v`.
bool TickedFor(const Binding& b, uint64_t v) {
  switch (b.show) {
    case Show::kCheck:
      return v != 0;
    case Show::kInverted:
      return v == 0;
    case Show::kBit:
      return (v & b.arg) != 0;
    default:
      return v == b.arg;
  }
}

std::u16string ColorText(uint32_t colorref) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  const uint32_t rgb[] = {colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF};
  std::u16string out = u"#";
  for (uint32_t c : rgb) {
    out.push_back(kHex[c >> 4]);
    out.push_back(kHex[c & 0xF]);
  }
  return out;
}

// The unit a number is shown in now (1 without one).
uint64_t UnitNow(const PageModel& page, const Binding& b) {
  if (b.show != Show::kNumber || b.other == 0 || b.other > page.RowCount()) return 1;
  const uint64_t unit = page.Working(b.other - 1).number;
  return unit ? unit : 1;
}

}  // namespace

ShownDefault ShownBy(const PageDescriptor& desc, const Binding& b, const SettingValue& v,
                     const PageModel* page) {
  ShownDefault shown;
  if (b.row >= desc.rows.size()) return shown;
  const bool text = desc.rows[b.row].stored == Stored::kString;
  if (IsBox(b.show)) {
    shown.kind = TickedFor(b, v.number) ? Kind::kTicked : Kind::kCleared;
  } else if (b.show == Show::kNumber || b.show == Show::kText) {
    shown.kind = Kind::kText;
    shown.text = text ? v.text : FormatDecimal(v.number / (page ? UnitNow(*page, b) : 1));
  } else if (b.show == Show::kCombo) {
    size_t item = b.items.size();
    if (b.values.empty()) {
      if (v.number < b.items.size()) item = static_cast<size_t>(v.number);
    } else {
      for (size_t i = 0; i < b.values.size() && i < b.items.size(); ++i)
        if (b.values[i] == v.number) {
          item = i;
          break;
        }
    }
    if (item < b.items.size()) {
      shown.kind = Kind::kItem;
      shown.id = b.items[item];
    }
  } else if (b.show == Show::kColor) {
    shown.kind = Kind::kColor;
    shown.text = ColorText(static_cast<uint32_t>(v.number));
  }
  return shown;
}

ShownDefault DefaultShownBy(const PageModel& page, const PageDefaults& defaults, uint16_t id) {
  const Binding* b = page.Find(id);
  if (!b || b->row >= defaults.restored.rows.size()) return {};
  return ShownBy(page.Page(), *b, defaults.restored.rows[b->row], &page);
}

bool CanResetToDefault(const PageModel& page, const PageDefaults& defaults, uint16_t id) {
  const Binding* b = page.Find(id);
  return b && DefaultShownBy(page, defaults, id).kind != Kind::kNone &&
         BindingDiffers(page, defaults, *b);
}

bool ResetToDefault(PageModel& page, const PageDefaults& defaults, uint16_t id) {
  if (!CanResetToDefault(page, defaults, id)) return false;
  const Binding& b = *page.Find(id);
  const SettingValue def = defaults.restored.rows[b.row];
  const SettingValue before = page.Working(b.row);
  if (IsBox(b.show)) {
    // A choice is decided by all its boxes together, so all of them are given.
    std::vector<ControlState> boxes;
    for (const Binding& c : page.Page().bindings)
      if (&c == &b || (b.show == Show::kChoice && c.show == Show::kChoice && c.row == b.row))
        boxes.push_back({c.id, TickedFor(c, def.number)});
    page.SetBoxes(boxes);
    // A box shows only part of a value: the rest of the row is its default too.
    if (b.show != Show::kBit && !(page.Working(b.row) == def) && b.show != Show::kChoice)
      page.Working(b.row) = def;
  } else if (b.show == Show::kCombo) {
    const ShownDefault shown = DefaultShownBy(page, defaults, id);
    int item = -1;
    for (size_t i = 0; i < b.items.size(); ++i)
      if (b.items[i] == shown.id) item = static_cast<int>(i);
    page.SetSelection(id, item);
  } else if (b.show == Show::kColor) {
    page.SetColor(id, static_cast<uint32_t>(def.number));
  } else {
    // The exact default, then the edit as the user leaves it: its rules run, the value stays.
    page.Working(b.row) = def;
    page.SetText(id, page.TextOf(id));
  }
  return !(page.Working(b.row) == before);
}

}  // namespace scrv

#include "controls_ids.h"
#include "customize/additional_text.h"
#include "frame/search_query.h"

namespace scrv {

std::u16string ShownText(const ShownDefault& shown, const StringSource& strings) {
  switch (shown.kind) {
    case Kind::kNone:
      return {};
    case Kind::kTicked:
      return strings.Load(IDS_DEFAULT_TICKED);
    case Kind::kCleared:
      return strings.Load(IDS_DEFAULT_CLEARED);
    case Kind::kItem:
      return strings.Load(shown.id);
    case Kind::kText:
    case Kind::kColor:
      break;
  }
  return shown.text.empty() ? strings.Load(IDS_DEFAULT_EMPTY) : shown.text;
}

std::u16string ResetEntryText(const ShownDefault& shown, const StringSource& strings) {
  constexpr size_t kShownMax = 40;
  if (shown.kind == Kind::kNone) return {};
  std::u16string value = ShownText(shown, strings);
  if (value.size() > kShownMax) value = value.substr(0, kShownMax - 1) + u"\u2026";
  return FormatText(strings.Load(IDS_RESET_TO_DEFAULT), value, true);
}

}  // namespace scrv
