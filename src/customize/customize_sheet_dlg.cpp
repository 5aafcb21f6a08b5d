#include "customize/customize_sheet_dlg.h"

#include <algorithm>
#include <cwchar>

#include "frame/text_folder_win.h"
#include "customize/additional_text.h"
#include "customize/customize_environment_win.h"
#include "customize/customize_search_win.h"
#include "customize/list_pages_dlg.h"
#include "customize/settings_catalog.h"
#include "customize/sheet_transfer.h"
#include "frame/search_query.h"
#include "integration/settings_transfer_dlg.h"
#include "frame/dialog_appearance_win.h"
#include "frame/export_guard_win.h"
#include "frame/host_windows_win.h"
#include "base/text_win.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"
#include "settings/app_settings_win.h"
#include "settings/common_read_pass.h"

namespace scrv {
namespace {

constexpr size_t kCaptionCapacity = 80;
constexpr size_t kExtraTextCapacity = 100000;

std::unique_ptr<CCustomizePage> MakePage(size_t index, PageModel& model,
                                         CustomizeEnvironment& env) {
  switch (index) {
    case page::kFile:
      return std::make_unique<CCustomizeFilePage>(model, env);
    case page::kSort:
      return std::make_unique<CCustomizeSortPage>(model, env);
    case page::kActiveString:
      return std::make_unique<CCustomizeActiveStringTablePage>(model, env);
    case page::kStatus:
      return std::make_unique<CCustomizeStatusPage>(model, env);
    case page::kCsv:
      return std::make_unique<CCustomizeCsvPage>(model, env);
    case page::kRendering:
      return std::make_unique<CCustomizeRendering>(model, env);
    case page::kHistory:
      return std::make_unique<CCustomizeHistoryPage>(model, env);
    case page::kLanguage:
      return std::make_unique<CCustomizeLangPage>(model, env);
    default:
      return std::make_unique<CCustomizePage>(model, env);
  }
}

}  // namespace

// The page list's context menu, one row per entry, in menu order.
const CCustomizeSheet::PageMenuRow CCustomizeSheet::kPageMenu[] = {
    // Greyed on a page that already has its defaults.
    {IDS_RESTORE_PAGE_DEFAULTS, &CCustomizeSheet::RestoreDefaultsOf,
     &CCustomizeSheet::PageModified},
    {IDS_ST_MENU_EXPORT, &CCustomizeSheet::ExportShown, nullptr},
    {IDS_ST_MENU_IMPORT, &CCustomizeSheet::ImportIntoSheet, nullptr},
};

CCustomizeSheet::CCustomizeSheet(SheetOptions options, CustomizeSession& session)
    : CPropertySheetBase(std::move(options)), session_(session), defaults_(session), undo_(session) {
  const ModuleStrings strings;
  for (size_t i = 0; i < page::kCount; ++i) {
    pages_.push_back(MakePage(i, session.Page(i), session.Environment()));
    AddPage(*pages_.back(),
            GetAllAdditionalText(*CustomizePages()[i], strings, kExtraTextCapacity));
  }
  TrackSteps(*this);
}

int CCustomizeSheet::RowShown(size_t page, uint32_t list, int row) {
  if (page != page::kStatus || list != IDC_CHECK_LIST || row < 0) return row;
  PageModel& status = session_.Page(page::kStatus);
  if (!status.HasExtension()) return row;
  // Row r of the index is item r + 1; the list leaves out the order's first place.
  const StatusOrder& order = status.Extension<StatusExtension>().order;
  const auto at = std::find(order.begin() + 1, order.end(), static_cast<uint32_t>(row + 1));
  return at == order.end() ? -1 : static_cast<int>(at - order.begin()) - 1;
}

void CCustomizeSheet::BeginStep(size_t page) {
  if (!replaying_ && page < page::kCount) undo_.Begin(page);
}

void CCustomizeSheet::EndStep(UndoPlace place, UndoKind kind) {
  // A change moves the marks of what differs from the defaults.
  if (!replaying_ && undo_.End(place, kind)) ShowMarks(pages_[place.page]->m_hWnd);
}

bool CCustomizeSheet::OnUndo(bool redo) {
  replaying_ = true;
  const std::optional<UndoPlace> place = redo ? undo_.Redo() : undo_.Undo();
  if (place) ShowRestored(*place);
  replaying_ = false;
  return place.has_value();
}

std::vector<CPropertySheetBase::PageMenuEntry> CCustomizeSheet::PageMenu(size_t page) {
  std::vector<PageMenuEntry> entries;
  if (page >= page::kCount) return entries;
  const std::u16string& title = CustomizeSearchIndex().Page(page).title;
  const ModuleStrings strings;
  for (size_t i = 0; i < std::size(kPageMenu); ++i) {
    const std::u16string text = strings.Load(kPageMenu[i].text);
    entries.push_back({static_cast<UINT>(i + 1),
                       ToW(text.find(u"%s") == std::u16string::npos ? text : FormatText(text, title)),
                       !kPageMenu[i].enabled || (this->*kPageMenu[i].enabled)(page)});
  }
  return entries;
}

void CCustomizeSheet::OnPageMenu(size_t page, UINT command) {
  if (page >= page::kCount || command < 1 || command > std::size(kPageMenu)) return;
  const PageMenuRow& row = kPageMenu[command - 1];
  if (!row.enabled || (this->*row.enabled)(page)) (this->*row.run)(page);
}

// The same step as a page's own reset button: one step to undo, the page's controls refilled.
void CCustomizeSheet::RestoreDefaultsOf(size_t page) {
  undo_.Track({page}, UndoKind::kRestorePage, RestorePageDefaults);
  replaying_ = true;
  ShowRestored({page});
  replaying_ = false;
}

const SearchIndex* CCustomizeSheet::SharedSearchIndex() {
  return &CustomizeSearchIndex();
}

bool CCustomizeSheet::PageModified(size_t page) {
  return page < page::kCount && defaults_.PageModified(page);
}

PageHits CCustomizeSheet::ModifiedMarks(size_t page) {
  return page < page::kCount ? defaults_.Marks(page) : PageHits{};
}

void CCustomizeSheet::TakeTypedValues() {
  const int current = CurrentIndex();
  if (current >= 0 && static_cast<size_t>(current) < pages_.size() && pages_[current]->m_hWnd)
    pages_[current]->OnApply();
}

void CCustomizeSheet::ExportShown(size_t) {
  TakeTypedValues();
  AppRecordFiles records;
  WriteChosenSettingsFile(m_hWnd, nullptr,
                          CollectShown(session_, Settings(), CustomizeCatalog(Flags()),
                                       records.place, false));
}

void CCustomizeSheet::ImportIntoSheet(size_t) {
  TakeTypedValues();
  bool refused = false;
  const std::optional<SettingsFile> file = ReadChosenSettingsFile(m_hWnd, nullptr, refused);
  if (!file) return;
  AppRecordFiles records;
  const ImportPlan plan =
      PlanSheetImport(*file, session_, Settings(), CustomizeCatalog(Flags()), records.place);
  if (!ShowImportReport(m_hWnd, plan, &session_)) return;
  const int current = CurrentIndex();
  if (!ImportIntoPages(plan, undo_, {current < 0 ? 0 : static_cast<size_t>(current)}))
    return;
  // The pages show their new values; refilling the controls is not a step of its own.
  replaying_ = true;
  for (const auto& page : pages_)
    if (page->m_hWnd) page->OnModelRestored();
  replaying_ = false;
  ShowMarks();
}

void NotifySettingsChanged(uint64_t changes) {
  if (!changes) return;
  SendChangesToMainWindows(changes, /*stopAtNonzero=*/true);
  if (!TrayNeedsChange(changes)) return;
  if (HWND tray = FindWindowW(kHostTrayWindowClass, nullptr))
    SendMessageW(tray, SCM_SETTINGS_CHANGED, static_cast<WPARAM>(changes & 0xFFFFFFFF),
                 static_cast<LPARAM>(changes >> 32));
}

}  // namespace scrv

extern "C" uint32_t DoCustomize(HWND owner, int startPage, uint32_t* restartNotice, int csvFormat,
                                uint32_t focusControl, uint32_t focusItem) {
  using namespace scrv;
  return GuardExport<uint32_t>(0, [&]() -> uint32_t {
    SheetOptions options;
    options.caption = LoadResString(IDS_CUSTOMIZE_CAPTION).substr(0, kCaptionCapacity - 1);
    options.owner = owner;
    options.resizable = true;
    options.lastPageKey = u"DefCustomizePage";
    options.placementKey = u"CustomizePSPos";
    options.focusControl = focusControl;
    options.focusItem = focusControl ? static_cast<int>(focusItem) : 0;

    // Everything the pages and the sheet read comes through one read-only "Common" handle.
    CommonReadPass common(Settings());
    const SettingsHandle h = common.OpenCommon(false);
    options.startPage =
        startPage >= 0 ? static_cast<UINT>(startPage) : common.ReadDword(h, u"DefCustomizePage", 0);
    options.navigation = common.ReadDword(h, u"NewPropertySheet", 1) != 0;
    options.dark = IsDarkTheme(common);
    RenderingDefaults rendering;
    if (owner) SendMessageW(owner, SCM_RENDERING, 0, reinterpret_cast<LPARAM>(&rendering));
    if (rendering.antialiasing == 0) rendering.antialiasing = 1;
    if (rendering.gamma == 0.0f) rendering.gamma = 0.001f;
    WinCustomizeEnvironment env(rendering, options.dark);
    CustomizeSession session(env);
    session.Load(common, h);
    common.CloseSettings(h);
    session.Page(page::kCsv).Extension<CsvExtension>().preselect = csvFormat;

    CCustomizeSheet sheet(std::move(options), session);
    // Unless the sheet ends with OK, a previewed rendering change is taken back: the host goes
    // back to the stored values. That holds for a sheet that failed too, so it is done on the
    // way out whatever the way.
    bool accepted = false;
    struct PreviewRevert {
      const bool& accepted;
      CustomizeSession& session;
      ~PreviewRevert() {
        const auto& rendering = session.Page(page::kRendering).Extension<RenderingExtension>();
        if (!accepted && rendering.model.applied) NotifySettingsChanged(0x800004000);
      }
    } revert{accepted, session};
    if (sheet.DoModal() != IDOK) return 0;
    accepted = true;
    SettingsStore& store = Settings();
    const SettingsHandle w = store.OpenCommon(true);
    if (!w) return 1;
    const CustomizeOutcome outcome = session.Save(store, w, restartNotice);
    store.CloseSettings(w);
    NotifySettingsChanged(outcome.changes);
    return outcome.result;
  });
}

extern "C" uint32_t FindAdditionalText(wchar_t* buffer, uint32_t size, uint32_t selector,
                                       const wchar_t* query) {
  using namespace scrv;
  return GuardExport<uint32_t>(~(selector & 0xFFFF), [&] {
    if (buffer && size) buffer[0] = L'\0';
    const size_t capacity = buffer ? size : 0;
    const std::u16string words = query ? ToU(query) : std::u16string();
    std::u16string label;
    const uint32_t found = scrv::FindAdditionalText(
        selector, query ? &words : nullptr, ModuleStrings(), WinTextFolder(), &label, capacity);
    if (buffer && size) CopyBounded(buffer, size, ToW(label));
    return found;
  });
}
