#include "customize/page_model.h"

#include <algorithm>

#include "customize/customize_environment.h"
#include "frame/reason_text.h"
#include "resource_ids.h"
#include "settings/flag_table.h"
#include "settings/settings_store.h"

namespace scrv {
namespace {

char16_t FoldCase(char16_t c) {
  // Basic Latin and Latin-1: what paths and names of this page family hold.
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  return c;
}

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

SettingValue DefaultValue(const SettingRow& row, CustomizeEnvironment& env) {
  SettingValue v;
  if (row.stored == Stored::kFlag) {
    const FlagRow* f = env.Flags().Row(static_cast<uint32_t>(row.def));
    v.number = f ? f->def : 0;
  } else if (row.system != SystemDefault::kNone) {
    v.number = env.Default(row.system);
  } else {
    v.number = row.def;
  }
  v.text = row.textDef;
  return v;
}

}  // namespace

std::optional<uint64_t> ParseDecimal(std::u16string_view text) {
  while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    uint64_t digit = static_cast<uint64_t>(c - u'0');
    if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

std::u16string FormatDecimal(uint64_t value) {
  std::u16string out;
  do {
    out.insert(out.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value);
  return out;
}

uint16_t AdditionalTextId(const PageDescriptor& page, size_t i) {
  if (!page.extraTexts.empty()) return i < page.extraTexts.size() ? page.extraTexts[i] : 0;
  for (const Binding& b : page.bindings)
    if (b.inList && i-- == 0) return b.id;
  return 0;
}

void PageModel::Load(SettingsStore& store, SettingsHandle h, CustomizeEnvironment& env) {
  const size_t n = page_->rows.size();
  working_.assign(n, {});
  defaults_.assign(n, {});
  for (size_t i = 0; i < n; ++i) {
    const SettingRow& row = page_->rows[i];
    defaults_[i] = DefaultValue(row, env);
    SettingValue& v = working_[i];
    switch (row.stored) {
      case Stored::kDword:
        v.number = store.ReadDword(
            h, row.key,
            row.marksUnstored ? row.unstored : static_cast<uint32_t>(defaults_[i].number));
        break;
      case Stored::kQword:
        v.number = store.ReadQword(h, row.key, defaults_[i].number);
        break;
      case Stored::kString:
        v.text = store.ReadString(h, row.key, row.capacity, row.textDef);
        break;
      case Stored::kFlag:
        v.number = ReadFlag(store, env.Flags(), h, static_cast<uint32_t>(row.def)) ? 1 : 0;
        break;
      case Stored::kNone:
        v = defaults_[i];
        break;
    }
  }
  loaded_ = working_;
  if (page_->rules) page_->rules->AfterLoad(*this, store, h, env);
  if (page_->extension) {
    if (!extension_) extension_ = page_->extension();
    extension_->Load(*this, store, h, env);
  }
}

void PageModel::Reset() {
  working_ = defaults_;
  if (page_->rules) page_->rules->AfterReset(*this);
}

bool PageModel::Changed(size_t row) const {
  const SettingRow& r = page_->rows[row];
  if (r.stored == Stored::kString && r.ignoreCase)
    return !EqualIgnoringCase(working_[row].text, loaded_[row].text);
  return !(working_[row] == loaded_[row]);
}

std::optional<size_t> PageModel::RowOf(std::u16string_view key) const {
  for (size_t i = 0; i < page_->rows.size(); ++i)
    if (page_->rows[i].stored != Stored::kFlag && page_->rows[i].key == key) return i;
  return std::nullopt;
}

uint64_t PageModel::Save(SaveContext& ctx) {
  if (!visited) return 0;
  uint64_t bits = page_->visitedBits;
  ctx.result |= page_->visitedResult;
  const FlagTable& flags = ctx.env.Flags();
  for (size_t i = 0; i < page_->rows.size(); ++i) {
    const SettingRow& row = page_->rows[i];
    const bool changed = Changed(i);
    if (changed) {
      bits |= row.changeBits;
      ctx.result |= row.resultBits;
    }
    if (!changed && row.write != Write::kAlways) continue;
    const SettingValue& v = working_[i];
    switch (row.stored) {
      case Stored::kDword:
        ctx.store.WriteDword(ctx.handle, row.key, static_cast<uint32_t>(v.number));
        break;
      case Stored::kQword:
        ctx.store.WriteQword(ctx.handle, row.key, v.number);
        break;
      case Stored::kString:
        ctx.store.WriteString(ctx.handle, row.key, v.text);
        break;
      case Stored::kFlag:
        WriteFlag(ctx.store, flags, ctx.handle, static_cast<uint32_t>(row.def), v.number ? 1 : 0);
        break;
      case Stored::kNone:
        break;
    }
  }
  if (page_->rules) bits = page_->rules->AfterSave(*this, ctx, bits);
  if (extension_) bits |= extension_->Save(*this, ctx);
  return bits;
}

const Binding* PageModel::Find(uint16_t id) const {
  for (const Binding& b : page_->bindings)
    if (b.id == id) return &b;
  return nullptr;
}

bool PageModel::IsOn(uint16_t id) const {
  const Binding* b = Find(id);
  return b && BindingOn(*b);
}

bool PageModel::BindingOn(const Binding& b) const {
  const SettingValue& v = working_[b.row];
  switch (b.show) {
    case Show::kCheck:
      return v.number != 0;
    case Show::kInverted:
      return v.number == 0;
    case Show::kBit:
      return (v.number & b.arg) != 0;
    case Show::kChoice:
      return v.number == b.arg;
    case Show::kButton:
      return v.number == b.arg;
    case Show::kBrowse:
      return true;
    case Show::kText:
      return page_->rows[b.row].stored == Stored::kString ? !v.text.empty() : v.number != 0;
    case Show::kNumber:
    case Show::kCombo:
    case Show::kColor:
      return v.number != 0;
  }
  return false;
}

void PageModel::Notify(const Binding& b) {
  if (page_->rules) page_->rules->OnChange(*this, b.id);
}

void PageModel::SetBoxes(const std::vector<ControlState>& boxes) {
  auto ticked = [&](const Binding& b) -> std::optional<bool> {
    for (const ControlState& s : boxes)
      if (s.id == b.id) return s.on;
    return std::nullopt;
  };
  std::vector<const Binding*> changed;
  for (const Binding& b : page_->bindings) {
    std::optional<bool> on = ticked(b);
    if (!on || *on == BindingOn(b)) continue;
    SettingValue& v = working_[b.row];
    switch (b.show) {
      case Show::kCheck:
        v.number = *on ? 1 : 0;
        break;
      case Show::kInverted:
        v.number = *on ? 0 : 1;
        break;
      case Show::kBit:
        v.number = *on ? (v.number | b.arg) : (v.number & ~static_cast<uint64_t>(b.arg));
        break;
      case Show::kChoice: {
        // The row's boxes in order: the first ticked one decides.
        uint64_t value = b.other;
        for (const Binding& c : page_->bindings)
          if (c.row == b.row && c.show == Show::kChoice && ticked(c).value_or(BindingOn(c))) {
            value = c.arg;
            break;
          }
        v.number = value;
        break;
      }
      default:
        continue;
    }
    changed.push_back(&b);
  }
  for (const Binding* b : changed) Notify(*b);
}

uint64_t PageModel::UnitOf(const Binding& b) const {
  if (b.show != Show::kNumber || b.other == 0 || b.other > working_.size()) return 1;
  const uint64_t unit = working_[b.other - 1].number;
  return unit ? unit : 1;
}

std::u16string PageModel::TextOf(uint16_t id) const {
  const Binding* b = Find(id);
  if (!b) return {};
  const SettingValue& v = working_[b->row];
  if (page_->rows[b->row].stored == Stored::kString) return v.text;
  return FormatDecimal(v.number / UnitOf(*b));
}

void PageModel::SetText(uint16_t id, std::u16string_view text) {
  const Binding* b = Find(id);
  if (!b) return;
  const SettingRow& row = page_->rows[b->row];
  SettingValue& v = working_[b->row];
  if (row.stored == Stored::kString) {
    v.text = text.substr(0, row.capacity ? row.capacity - 1u : text.size());
  } else if (std::optional<uint64_t> n = ParseDecimal(text);
             n && CheckNumber(id, text) == NumberProblem::kNone) {
    // A number shown in a unit changes only when the user typed another one, so a value that
    // is no whole multiple of the unit survives being looked at.
    const uint64_t unit = UnitOf(*b);
    const uint64_t limit = row.stored == Stored::kQword ? UINT64_MAX : UINT32_MAX;
    if (*n != v.number / unit && *n <= limit / unit) v.number = *n * unit;
  }
  // Rules also run when the text is unchanged: they act on leaving the field.
  Notify(*b);
}

NumberProblem PageModel::CheckNumber(uint16_t id, std::u16string_view text) const {
  const Binding* b = Find(id);
  if (!b || b->show != Show::kNumber || page_->rows[b->row].max == 0) return NumberProblem::kNone;
  const std::optional<uint64_t> n = ParseDecimal(text);
  if (!n) return NumberProblem::kNotANumber;
  return *n > page_->rows[b->row].max / UnitOf(*b) ? NumberProblem::kTooBig : NumberProblem::kNone;
}

std::u16string PageModel::NumberReason(uint16_t id, std::u16string_view text,
                                       std::u16string_view label,
                                       const std::function<std::u16string(uint32_t)>& load) const {
  const NumberProblem problem = CheckNumber(id, text);
  if (problem == NumberProblem::kNone) return {};
  const Binding& b = *Find(id);
  const std::u16string max = DecimalText(page_->rows[b.row].max / UnitOf(b));
  return FillArguments(
      load(problem == NumberProblem::kTooBig ? IDS_CUST_WHY_TOO_BIG : IDS_CUST_WHY_NOT_NUMBER),
      {FieldName(label), max});
}

int PageModel::SelectionOf(uint16_t id) const {
  const Binding* b = Find(id);
  if (!b) return -1;
  const uint64_t value = working_[b->row].number;
  if (b->values.empty()) return value < 0x7FFFFFFF ? static_cast<int>(value) : -1;
  for (size_t i = 0; i < b->values.size(); ++i)
    if (b->values[i] == value) return static_cast<int>(i);
  return -1;
}

void PageModel::SetSelection(uint16_t id, int item) {
  const Binding* b = Find(id);
  if (!b || item < 0) return;
  uint64_t value = static_cast<uint64_t>(item);
  if (!b->values.empty()) {
    if (static_cast<size_t>(item) >= b->values.size()) return;
    value = b->values[static_cast<size_t>(item)];
  }
  if (working_[b->row].number == value) return;
  working_[b->row].number = value;
  Notify(*b);
}

uint32_t PageModel::ColorOf(uint16_t id) const {
  const Binding* b = Find(id);
  return b ? static_cast<uint32_t>(working_[b->row].number) : 0;
}

void PageModel::SetColor(uint16_t id, uint32_t color) {
  const Binding* b = Find(id);
  if (!b || working_[b->row].number == color) return;
  working_[b->row].number = color;
  Notify(*b);
}

void PageModel::Press(uint16_t id) {
  const Binding* b = Find(id);
  if (!b) return;
  if (b->show == Show::kButton) working_[b->row].number = b->arg;
  Notify(*b);
}

std::vector<ControlState> PageModel::States() const {
  std::vector<ControlState> states;
  auto at = [&](uint16_t id) -> ControlState& {
    for (ControlState& s : states)
      if (s.id == id) return s;
    const Binding* b = Find(id);
    states.push_back({id, b && BindingOn(*b), true});
    return states.back();
  };
  for (const Binding& b : page_->bindings) at(b.id);
  for (const EnableRule& r : page_->enables) {
    const bool source = IsOn(r.source) || (r.source2 && IsOn(r.source2));
    ControlState& t = at(r.target);
    switch (r.effect) {
      case Effect::kEnable:
        t.enabled = t.enabled && source;
        break;
      case Effect::kEnableOff:
        t.enabled = t.enabled && !source;
        break;
      case Effect::kLockOff:
      case Effect::kLockOn:
        if (source) {
          t.on = r.effect == Effect::kLockOn;
          t.enabled = false;
        }
        break;
    }
  }
  return states;
}

}  // namespace scrv
