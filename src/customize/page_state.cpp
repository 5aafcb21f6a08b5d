#include "customize/page_state.h"

#include <algorithm>
#include <cstring>

#include "customize/customize_pages.h"
#include "customize/page_extensions.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

char16_t FoldCase(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  return c;
}

bool SameValue(const SettingRow& row, const SettingValue& a, const SettingValue& b) {
  if (row.stored == Stored::kString && row.ignoreCase)
    return a.text.size() == b.text.size() &&
           std::equal(a.text.begin(), a.text.end(), b.text.begin(),
                      [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
  return a == b;
}

bool SameRendering(const RenderingModel& a, const RenderingModel& b, bool settingsOnly) {
  const RenderingValues &x = a.values, &y = b.values;
  const bool values =
      settingsOnly
          ? Thousandths(x.gamma) == Thousandths(y.gamma) &&
                Thousandths(x.contrast) == Thousandths(y.contrast) &&
                Thousandths(x.clearTypeLevel) == Thousandths(y.clearTypeLevel) &&
                x.antialiasing == y.antialiasing && x.renderingMode == y.renderingMode &&
                x.directWrite == y.directWrite
          : std::memcmp(&x, &y, sizeof x) == 0;
  return values && a.fastDrawOff == b.fastDrawOff && a.colorFonts == b.colorFonts &&
         a.fallback == b.fallback;
}

bool SameCsv(const CsvFormatList& a, const CsvFormatList& b) {
  return a.Formats() == b.Formats() && a.OldIndices() == b.OldIndices();
}

// Whether the lists of two states agree; `settingsOnly` leaves out the user's own lists.
bool SameExtension(const PageState& a, const PageState& b, bool settingsOnly) {
  if (a.extension.index() != b.extension.index()) return false;
  if (auto* x = std::get_if<CsvFormatList>(&a.extension))
    return settingsOnly || SameCsv(*x, std::get<CsvFormatList>(b.extension));
  if (auto* x = std::get_if<std::vector<std::u16string>>(&a.extension))
    return settingsOnly || *x == std::get<std::vector<std::u16string>>(b.extension);
  if (auto* x = std::get_if<RenderingModel>(&a.extension))
    return SameRendering(*x, std::get<RenderingModel>(b.extension), settingsOnly);
  if (auto* x = std::get_if<StatusOrder>(&a.extension))
    return *x == std::get<StatusOrder>(b.extension);
  if (auto* x = std::get_if<ActiveStringTable>(&a.extension))
    return *x == std::get<ActiveStringTable>(b.extension);
  return true;
}

}  // namespace

bool SameState(const PageState& a, const PageState& b) {
  return a.visited == b.visited && a.rows == b.rows && SameExtension(a, b, false);
}

PageState CapturePage(PageModel& page) {
  PageState s;
  s.rows.reserve(page.RowCount());
  for (size_t i = 0; i < page.RowCount(); ++i) s.rows.push_back(page.Working(i));
  s.visited = page.visited;
  if (!page.HasExtension()) return s;
  const PageDescriptor* d = &page.Page();
  if (d == &kStatusPage)
    s.extension = page.Extension<StatusExtension>().order;
  else if (d == &kCsvPage)
    s.extension = page.Extension<CsvExtension>().list;
  else if (d == &kActiveStringPage)
    s.extension = page.Extension<ActiveStringExtension>().table;
  else if (d == &kRenderingPage)
    s.extension = page.Extension<RenderingExtension>().model;
  else if (d == &kHistoryPage)
    s.extension = page.Extension<HistoryExtension>().folders;
  return s;
}

void RestorePage(PageModel& page, const PageState& state) {
  for (size_t i = 0; i < page.RowCount() && i < state.rows.size(); ++i)
    page.Working(i) = state.rows[i];
  page.visited = state.visited;
  if (!page.HasExtension()) return;
  if (auto* x = std::get_if<StatusOrder>(&state.extension))
    page.Extension<StatusExtension>().order = *x;
  else if (auto* x = std::get_if<CsvFormatList>(&state.extension))
    page.Extension<CsvExtension>().list = *x;
  else if (auto* x = std::get_if<ActiveStringTable>(&state.extension))
    page.Extension<ActiveStringExtension>().table = *x;
  else if (auto* x = std::get_if<std::vector<std::u16string>>(&state.extension))
    page.Extension<HistoryExtension>().folders = *x;
  else if (auto* x = std::get_if<RenderingModel>(&state.extension)) {
    RenderingModel& model = page.Extension<RenderingExtension>().model;
    const bool applied = model.applied || x->applied;
    model = *x;
    model.applied = applied;
  }
}

void RestorePageDefaults(PageModel& page) {
  page.Reset();
  page.visited = true;
  if (!page.HasExtension()) return;
  const PageDescriptor* d = &page.Page();
  if (d == &kStatusPage)
    StatusExtension::Reset(page);
  else if (d == &kActiveStringPage)
    page.Extension<ActiveStringExtension>().table = BuiltinActiveStrings();
  else if (d == &kRenderingPage)
    page.Extension<RenderingExtension>().model.Reset();
}

PageDefaults DefaultsOf(PageModel& page, CustomizeEnvironment& env) {
  PageDefaults defaults;
  const PageState now = CapturePage(page);
  RestorePageDefaults(page);
  defaults.restored = CapturePage(page);
  RestorePage(page, now);
  MemorySettings empty;
  PageModel fresh(page.Page());
  fresh.Load(empty, empty.OpenAppKey(u"Common", kCommonWriteFlags), env);
  defaults.unstored = CapturePage(fresh);
  return defaults;
}

namespace {

bool RowDiffersFrom(const PageModel& page, const PageState& state, size_t row) {
  const SettingRow& r = page.Page().rows[row];
  if (r.stored == Stored::kNone || row >= state.rows.size()) return false;
  return !SameValue(r, page.Working(row), state.rows[row]);
}

bool BindingDiffersFrom(const PageModel& page, const PageState& state, const Binding& b) {
  if (b.row >= state.rows.size()) return false;
  const uint64_t now = page.Working(b.row).number, def = state.rows[b.row].number;
  switch (b.show) {
    case Show::kBit:
      return ((now ^ def) & b.arg) != 0;
    case Show::kChoice:
      return (now == b.arg) != (def == b.arg);
    case Show::kButton:
    case Show::kBrowse:
      return false;
    default:
      return RowDiffersFrom(page, state, b.row);
  }
}

}  // namespace

bool RowDiffers(const PageModel& page, const PageDefaults& defaults, size_t row) {
  return RowDiffersFrom(page, defaults.restored, row) &&
         RowDiffersFrom(page, defaults.unstored, row);
}

bool PageDiffers(PageModel& page, const PageDefaults& defaults) {
  for (size_t i = 0; i < page.RowCount(); ++i)
    if (RowDiffers(page, defaults, i)) return true;
  const PageState now = CapturePage(page);
  // The active strings' defaults are the built-in ones, not the record the load reads.
  const bool fromRecord = std::holds_alternative<ActiveStringTable>(now.extension);
  return !SameExtension(now, defaults.restored, true) &&
         (fromRecord || !SameExtension(now, defaults.unstored, true));
}

bool BindingDiffers(const PageModel& page, const PageDefaults& defaults, const Binding& b) {
  return BindingDiffersFrom(page, defaults.restored, b) &&
         BindingDiffersFrom(page, defaults.unstored, b);
}

std::vector<size_t> ChangedStatusItems(PageModel& status, const PageDefaults& defaults) {
  std::vector<size_t> items;
  const auto* order = std::get_if<StatusOrder>(&defaults.restored.extension);
  if (&status.Page() != &kStatusPage || !order || !status.HasExtension()) return items;
  const StatusOrder& now = status.Extension<StatusExtension>().order;
  const uint64_t bits = StatusExtension::ShowBits(status).number;
  const std::optional<size_t> row = status.RowOf(u"StatusShowBits");
  const uint64_t defBits = row && *row < defaults.restored.rows.size()
                               ? defaults.restored.rows[*row].number
                               : kDefaultStatusShowBits;
  auto position = [](const StatusOrder& o, uint32_t item) {
    return std::find(o.begin() + 1, o.end(), item) - o.begin();
  };
  for (uint32_t item = 1; item < kStatusItemCount; ++item)
    if (((bits ^ defBits) >> item & 1) || position(now, item) != position(*order, item))
      items.push_back(item - 1);
  return items;
}

std::vector<size_t> ChangedActiveStringRows(PageModel& page, const PageDefaults& defaults) {
  std::vector<size_t> rows;
  const auto* builtin = std::get_if<ActiveStringTable>(&defaults.restored.extension);
  if (&page.Page() != &kActiveStringPage || !builtin || !page.HasExtension()) return rows;
  const ActiveStringTable& now = page.Extension<ActiveStringExtension>().table;
  auto differs = [&](size_t kind, size_t occasion) {
    const size_t i = kind * kActiveStringOccasions + occasion;
    return !(now[i] == (*builtin)[i]);
  };
  for (size_t kind = 0; kind < kActiveStringKinds; ++kind)
    for (size_t occasion = 0; occasion < kActiveStringOccasions; ++occasion)
      if (differs(kind, occasion)) {
        rows.push_back(kind);
        break;
      }
  const auto chosen = std::min<uint64_t>(page.Working(0).number, kActiveStringKinds - 1);
  for (size_t occasion = 0; occasion < kActiveStringOccasions; ++occasion)
    if (differs(static_cast<size_t>(chosen), occasion)) rows.push_back(kActiveStringKinds + occasion);
  return rows;
}

}  // namespace scrv
