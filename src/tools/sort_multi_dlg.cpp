#include "tools/sort_multi_dlg.h"

#include "frame/export_guard_win.h"
#include "frame/subclass_win.h"
#include "frame/dialog_appearance.h"
#include "controls/dialog_items_win.h"
#include "controls/wide_string_list.h"
#include "scrvdlgs_api.h"
#include "settings/app_settings_win.h"
#include "settings/settings_tables_win.h"

namespace scrv {

CSortMultiDlg::CSortMultiDlg(std::vector<std::u16string> columnNames, KeyList keys, bool groupFlag,
                             bool selectionFlag)
    : names_(columnNames), model_(std::move(columnNames), keys, groupFlag, selectionFlag) {}

bool CSortMultiDlg::OnCommand(int id, int code, HWND control) {
  if (id >= IDC_SM_KIND_FIRST && id <= IDC_SM_KIND_LAST) {
    if (code == BN_CLICKED) OnKindRadio(id);
    if (code == BN_SETFOCUS || code == BN_KILLFOCUS) RedrawGridFocus(control);
    return true;
  }
  if (id == IDC_SM_SORT_SECOND) {
    OnClose(id);
    return true;
  }
  return CColumnListDialog::OnCommand(id, code, control);
}

BOOL CSortMultiDlg::OnInitDialog() {
  model_.Load(Settings(), Flags());
  SetButtonChecked(GetDlgItem(IDC_SM_ENTIRE_GROUP), model_.entireGroup);
  SetButtonChecked(GetDlgItem(IDC_SM_SELECTION_ONLY), model_.selectionOnly);

  {
    ListViewFillScope fill(GetDlgItem(IDC_CHECK_LIST));
    AttachColumnList(1, true);
    AddListColumn(list_, 0, IDS_KEY_COLUMN_HEADER, FillColumnWidth(list_, 0));
    for (size_t row = 0; row < model_.RowCount(); ++row)
      AppendCallbackRow(list_, model_.Keys().Column(row), model_.rowChecked[row]);
    if (model_.RowCount() > 0) list_.SelectRows({0}, 0);
  }
  for (int id = IDC_SM_KIND_FIRST; id < IDC_SM_RANDOM; ++id)
    SetSubclass(GetDlgItem(id), GridRadioKeys, 0, 0);
  if (model_.RowCount() > 0) ::SetFocus(list_);
  Refresh();
  return model_.RowCount() == 0;  // FALSE: the focus is on the first row already
}

// The row's parameter is the column its key named when the row was filled; the key moves with
// the row, so the name does too.
std::u16string_view CSortMultiDlg::RowText(LPARAM column, int) const {
  if (column < 0 || static_cast<size_t>(column) >= names_.size()) return {};
  return names_[static_cast<size_t>(column)];
}

void CSortMultiDlg::ReadList() {
  model_.rowChecked = RowChecks(model_.RowCount());
  model_.selectedRows.clear();
  for (int row : list_.SelectedRows()) model_.selectedRows.push_back(static_cast<size_t>(row));
  model_.entireGroup = IsDlgButtonChecked(IDC_SM_ENTIRE_GROUP);
  model_.selectionOnly = IsDlgButtonChecked(IDC_SM_SELECTION_ONLY);
}

void CSortMultiDlg::Refresh() {
  ReadList();
  SortMultiView view = model_.Refresh();
  std::array<HWND, IDC_SM_KIND_LAST - IDC_SM_KIND_FIRST + 1> kinds = {};
  for (size_t k = 0; k < kinds.size(); ++k)
    kinds[k] = GetDlgItem(IDC_SM_KIND_FIRST + static_cast<int>(k));
  const bool anyChecked =
      view.checkedRadio >= IDC_SM_KIND_FIRST && view.checkedRadio <= IDC_SM_KIND_LAST;
  CheckRadio(
      kinds.data(), kinds.size(),
      anyChecked ? kinds[static_cast<size_t>(view.checkedRadio - IDC_SM_KIND_FIRST)] : nullptr);
  for (HWND radio : kinds) ::EnableWindow(radio, view.radiosEnabled);
  EnableDlgItem(IDOK, view.okEnabled);
  EnableDlgItem(IDC_SM_SORT_SECOND, view.okEnabled);
  EnableDlgItem(IDC_SM_ENTIRE_GROUP, view.entireGroupEnabled);
  EnableDlgItem(IDC_SM_SELECTION_ONLY, view.selectionOnlyEnabled);
  list_.UpdateControls();
}

void CSortMultiDlg::OnKindRadio(int radio) {
  ReadList();
  model_.ChooseRadio(radio);
  Refresh();
}

bool CSortMultiDlg::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         LRESULT& result) {
  if (msg != WM_PAINT)
    return CColumnListDialog::ProcessWindowMessage(hwnd, msg, wParam, lParam, result);
  CColumnListDialog::ProcessWindowMessage(hwnd, msg, wParam, lParam, result);
  PAINTSTRUCT ps;  // whatever the base left to paint
  ::BeginPaint(m_hWnd, &ps);
  ::EndPaint(m_hWnd, &ps);
  DrawGridFocus();
  result = 0;
  return true;
}

// The grid's radios are as wide as their glyph, so the platform's focus rectangle (around the
// text) never shows: the dialog draws one around the focused glyph, in the margin beside it.
RECT CSortMultiDlg::GridFocusRect(HWND radio) const {
  RECT r = {};
  ::GetWindowRect(radio, &r);
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
  const int margin = ScaleForList(list_, 2);  // the list keeps the dialog's DPI
  InflateRect(&r, margin, margin);
  return r;
}

bool CSortMultiDlg::IsGridRadio(HWND window) const {
  const int id = window ? ::GetDlgCtrlID(window) : 0;
  return id >= IDC_SM_KIND_FIRST && id < IDC_SM_RANDOM && ::GetParent(window) == m_hWnd;
}

void CSortMultiDlg::RedrawGridFocus(HWND radio) {
  if (!IsGridRadio(radio)) return;
  RECT r = GridFocusRect(radio);
  ::RedrawWindow(m_hWnd, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CSortMultiDlg::DrawGridFocus() {
  HWND focus = ::GetFocus();
  if (!IsGridRadio(focus)) return;
  if (::SendMessageW(m_hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) return;
  RECT r = GridFocusRect(focus);
  HDC dc = ::GetDC(m_hWnd);
  LOGBRUSH brush = {BS_SOLID, DarkTheme() ? kDarkTextColor : GetSysColor(COLOR_WINDOWTEXT), 0};
  HPEN pen = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  ::ReleaseDC(m_hWnd, dc);
}

LRESULT CALLBACK CSortMultiDlg::GridRadioKeys(HWND radio, UINT msg, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR) {
  const bool across = wParam == VK_LEFT || wParam == VK_RIGHT;
  const auto* asked = reinterpret_cast<const MSG*>(lParam);
  if (msg == WM_GETDLGCODE && asked && asked->message == WM_KEYDOWN && across)
    return DefSubclass(radio, msg, wParam, lParam) | DLGC_WANTARROWS;
  if (msg == WM_KEYDOWN && across) {
    // The grid's rows pair a descending radio (even number) with an ascending one.
    HWND dlg = ::GetParent(radio);
    HWND partner = ::GetDlgItem(dlg, ::GetDlgCtrlID(radio) ^ 1);
    if (partner && ::IsWindowEnabled(partner)) {
      ::SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(partner), TRUE);
      ::SendMessageW(partner, BM_CLICK, 0, 0);
    }
    return 0;
  }
  return DefSubclass(radio, msg, wParam, lParam);
}

void CSortMultiDlg::OnClose(int button) {
  ReadList();
  model_.Close(Settings(), Flags());
  EndDialog(button);
}

}  // namespace scrv

extern "C" int DoSortMulti(HWND owner, const void* columnNames, void* sortKeys, int groupFlag,
                           int selectionFlag) {
  return scrv::GuardExport(-1, [&] {
    std::optional<std::vector<std::u16string>> names = scrv::ReadWideStringList(columnNames);
    std::optional<scrv::KeyList> keys = scrv::KeyList::Attach(sortKeys);
    if (!names || !keys) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return -1;
    }
    scrv::CSortMultiDlg dlg(std::move(*names), *keys, groupFlag != 0, selectionFlag != 0);
    INT_PTR result = dlg.DoModal(owner);
    return result > 0 ? static_cast<int>(result) : -1;
  });
}
