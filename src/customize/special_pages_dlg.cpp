#include "customize/special_pages_dlg.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "resource_ids.h"
#include "controls/column_list_win.h"
#include "frame/language_folder.h"

namespace scrv {
namespace {

// The file association dialog is another export of this library, when it has it.
using DoFileAssociateFn = void (*)(HWND owner, HWND host);
DoFileAssociateFn FileAssociateExport() {
  return reinterpret_cast<DoFileAssociateFn>(
      reinterpret_cast<void*>(GetProcAddress(Module().dllInstance, "DoFileAssociate")));
}

size_t RowOfKey(const PageModel& m, std::u16string_view key) {
  return m.RowOf(key).value_or(0);
}

}  // namespace

BOOL CCustomizeFilePage::OnInitDialog() {
  CCustomizePage::OnInitDialog();
  EnableDlgItem(IDC_FILE_ASSOCIATE, FileAssociateExport() != nullptr);
  return TRUE;
}

bool CCustomizeFilePage::OnCommand(int id, int code, HWND control) {
  if (id == IDC_FILE_ASSOCIATE && code == BN_CLICKED) {
    if (DoFileAssociateFn associate = FileAssociateExport())
      associate(m_hWnd, ::GetWindow(Sheet(), GW_OWNER));
    return true;
  }
  return CCustomizePage::OnCommand(id, code, control);
}

BOOL CCustomizeSortPage::OnInitDialog() {
  CCustomizePage::OnInitDialog();
  EnumSystemLocalesEx(
      [](LPWSTR name, DWORD, LPARAM names) -> BOOL {
        if (name && *name) reinterpret_cast<std::vector<std::wstring>*>(names)->push_back(name);
        return TRUE;
      },
      LOCALE_WINDOWS, reinterpret_cast<LPARAM>(&names_), nullptr);
  const std::wstring current = ToW(Model().Working(RowOfKey(Model(), u"SortLocaleName")).text);
  if (!current.empty() && std::find(names_.begin(), names_.end(), current) == names_.end())
    names_.push_back(current);
  HWND combo = GetDlgItem(IDC_SORT_LOCALE);
  // The list is sorted here, once, by the sort keys of the combo box's own comparison (its
  // locale, case ignored) and inserted in that order: letting the sorted box place each of
  // the many locales costs a binary search of string comparisons per item.
  const auto lcid = static_cast<LCID>(::SendMessageW(combo, CB_GETLOCALE, 0, 0));
  std::vector<std::wstring> shown(names_.size());
  std::vector<std::string> keys(names_.size());
  size_t chars = 0;
  for (size_t i = 0; i < names_.size(); ++i) {
    wchar_t text[LOCALE_NAME_MAX_LENGTH + 100] = {};
    if (!GetLocaleInfoEx(names_[i].c_str(), LOCALE_SLOCALIZEDDISPLAYNAME, text, 100))
      CopyBounded(text, 100, names_[i]);
    shown[i] = text;
    chars += shown[i].size() + 1;
    int bytes = LCMapStringW(lcid, LCMAP_SORTKEY | NORM_IGNORECASE, text, -1, nullptr, 0);
    keys[i].resize(static_cast<size_t>(std::max(bytes, 0)));
    if (bytes > 0)
      LCMapStringW(lcid, LCMAP_SORTKEY | NORM_IGNORECASE, text, -1,
                   reinterpret_cast<LPWSTR>(keys[i].data()), bytes);
    keys[i].resize(std::strlen(keys[i].c_str()));  // the key without its terminator
  }
  std::vector<size_t> order(names_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return keys[a] < keys[b]; });
  ::SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(combo, CB_INITSTORAGE, order.size(), static_cast<LPARAM>(chars * sizeof(wchar_t)));
  for (size_t i : order) {
    // Inserting at the end keeps this order even though the box sorts what it adds.
    const auto item = ::SendMessageW(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(shown[i].c_str()));
    ::SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(i));
    if (names_[i] == current) ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  }
  ::SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
  return TRUE;
}

bool CCustomizeSortPage::OnCommand(int id, int code, HWND control) {
  if (id != IDC_SORT_LOCALE) return CCustomizePage::OnCommand(id, code, control);
  if (code == CBN_SELCHANGE) {
    const auto item = SendDlgItemMessage(IDC_SORT_LOCALE, CB_GETCURSEL);
    const auto index = static_cast<size_t>(
        SendDlgItemMessage(IDC_SORT_LOCALE, CB_GETITEMDATA, static_cast<WPARAM>(item)));
    if (item >= 0 && index < names_.size())
      Model().Working(RowOfKey(Model(), u"SortLocaleName")).text = ToU(names_[index]);
  }
  return true;
}

void CCustomizeSortPage::OnModelRestored() {
  CCustomizePage::OnModelRestored();
  const std::wstring current = ToW(Model().Working(RowOfKey(Model(), u"SortLocaleName")).text);
  HWND combo = GetDlgItem(IDC_SORT_LOCALE);
  const auto count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT item = 0; item < count; ++item) {
    const auto index = static_cast<size_t>(::SendMessageW(combo, CB_GETITEMDATA, item, 0));
    if (index < names_.size() && names_[index] == current) {
      ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
      return;
    }
  }
  ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

namespace {

// Selects and focuses `row` of a list view alone (none for -1) and scrolls it into view.
void SelectAlone(HWND list, int row) {
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (row < 0) return;
  ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list, row, FALSE);
}

}  // namespace

BOOL CCustomizeActiveStringPage::OnInitDialog() {
  CCustomizePage::OnInitDialog();
  // The page's search texts are the kinds, then the occasions (then the actions).
  const PageDescriptor& page = Model().Page();
  struct List {
    int id;
    size_t first, count;
    const char16_t* key;
  } lists[] = {{IDC_AS_KINDS, 0, 22, u"CustASType"}, {IDC_AS_OCCASIONS, 22, 5, u"CustASWhen"}};
  for (const List& l : lists) {
    HWND list = GetDlgItem(l.id);
    // Laid out once it is filled and sized, when the chosen row is scrolled into view.
    HoldRedraw(list, true);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    RECT rc = {};
    GetClientRect(list, &rc);
    AddListColumn(list, 0, 0, rc.right - GetSystemMetrics(SM_CXVSCROLL));
    for (size_t i = 0; i < l.count; ++i) {
      std::wstring label = LoadResString(page.extraTexts[l.first + i]);
      LVITEMW item = {};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(i);
      item.pszText = label.data();
      ListView_InsertItem(list, &item);
    }
    const auto chosen = static_cast<int>(Model().Working(RowOfKey(Model(), l.key)).number);
    ListView_SetItemState(list, chosen, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  return TRUE;
}

void CCustomizeActiveStringPage::OnModelRestored() {
  CCustomizePage::OnModelRestored();
  for (const auto& [id, key] : {std::pair{IDC_AS_KINDS, u"CustASType"},
                               std::pair{IDC_AS_OCCASIONS, u"CustASWhen"}})
    SelectAlone(GetDlgItem(id), static_cast<int>(Model().Working(RowOfKey(Model(), key)).number));
}

bool CCustomizeActiveStringPage::MarksRowsOf(int id) const {
  return id == IDC_AS_KINDS || id == IDC_AS_OCCASIONS || CCustomizePage::MarksRowsOf(id);
}

bool CCustomizeActiveStringPage::OnNotify(int id, NMHDR& header, LRESULT& result) {
  if ((id != IDC_AS_KINDS && id != IDC_AS_OCCASIONS) || header.code != LVN_ITEMCHANGED)
    return CCustomizePage::OnNotify(id, header, result);
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
    Model().Working(RowOfKey(Model(), id == IDC_AS_KINDS ? u"CustASType" : u"CustASWhen")).number =
        static_cast<uint64_t>(change.iItem);
  result = 0;
  return true;
}

BOOL CCustomizeLangPage::OnInitDialog() {
  CCustomizePage::OnInitDialog();
  languages_ = Env().Languages();
  HWND list = GetDlgItem(IDC_LANG_LIST);
  HoldRedraw(list);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  RECT rc = {};
  GetClientRect(list, &rc);
  const int width = rc.right - GetSystemMetrics(SM_CXVSCROLL);
  // Two fifths, a third and the rest: the version's heading is as long as the others' in
  // some languages.
  AddListColumn(list, 0, IDS_LANG_COLUMN_LANGUAGE, width * 2 / 5);
  AddListColumn(list, 1, IDS_LANG_COLUMN_AUTHOR, width / 3);
  AddListColumn(list, 2, IDS_LANG_COLUMN_VERSION, width - width * 2 / 5 - width / 3);
  const std::u16string& current = Model().Working(RowOfKey(Model(), kLangFolderKey)).text;
  for (size_t i = 0; i < languages_.size(); ++i) {
    const LanguageEntry& l = languages_[i];
    std::wstring name = ToW(l.language.empty() ? l.folder : l.language);
    if (!l.text.empty()) name += L" (" + ToW(l.text) + L")";
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(i);
    item.pszText = name.data();
    item.lParam = static_cast<LPARAM>(i);
    const int row = ListView_InsertItem(list, &item);
    std::wstring author = ToW(l.author), version = ToW(l.version);
    ListView_SetItemText(list, row, 1, author.data());
    ListView_SetItemText(list, row, 2, version.data());
    if (l.folder.size() == current.size() &&
        CompareStringOrdinal(W(l.folder), -1, W(current), -1, TRUE) == CSTR_EQUAL)
      ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  return TRUE;
}

bool CCustomizeLangPage::OnNotify(int id, NMHDR& header, LRESULT& result) {
  if (id != IDC_LANG_LIST || header.code != LVN_ITEMCHANGED)
    return CCustomizePage::OnNotify(id, header, result);
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED) &&
      static_cast<size_t>(change.lParam) < languages_.size())
    Model().Working(RowOfKey(Model(), kLangFolderKey)).text = languages_[change.lParam].folder;
  result = 0;
  return true;
}

void CCustomizeLangPage::OnModelRestored() {
  CCustomizePage::OnModelRestored();
  const std::u16string& current = Model().Working(RowOfKey(Model(), u"LangFolder")).text;
  HWND list = GetDlgItem(IDC_LANG_LIST);
  int chosen = -1;
  for (int row = 0; row < ListView_GetItemCount(list); ++row) {
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ListView_GetItem(list, &item);
    const auto i = static_cast<size_t>(item.lParam);
    if (i < languages_.size() && languages_[i].folder.size() == current.size() &&
        CompareStringOrdinal(W(languages_[i].folder), -1, W(current), -1, TRUE) == CSTR_EQUAL)
      chosen = row;
  }
  SelectAlone(list, chosen);
}

}  // namespace scrv
