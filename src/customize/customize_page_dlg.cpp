#include "customize/customize_page_dlg.h"

#include "frame/popup_menu_win.h"
#include "frame/search_marks.h"
#include "customize/additional_text.h"
#include "customize/setting_reset.h"
#include "base/text_win.h"

#include <shlobj.h>

#include <algorithm>

#include "customize/customize_session.h"
#include "frame/control_look_win.h"
#include "frame/dialog_appearance.h"
#include "frame/dpi_win.h"
#include "frame/file_dialog_win.h"
#include "base/text_win.h"
#include "resource_ids.h"
#include "controls/column_list_win.h"
#include "controls/dialog_items_win.h"

namespace scrv {
namespace {

bool IsBox(Show show) {
  return show == Show::kCheck || show == Show::kInverted || show == Show::kBit ||
         show == Show::kChoice;
}

bool IsEdit(Show show) {
  return show == Show::kNumber || show == Show::kText;
}

// The longest text an edit takes: the row's capacity, or the digits of its widest number.
int EditLimit(const SettingRow& row) {
  switch (row.stored) {
    case Stored::kString:
      return row.capacity > 1 ? row.capacity - 1 : 0;
    case Stored::kQword:
      return 20;
    default:
      return 10;
  }
}

COLORREF g_customColors[16];

}  // namespace

CCustomizePage::CCustomizePage(PageModel& model, CustomizeEnvironment& env)
    : CPropertyPageBase(model.Page().templateId, model.Page().helpTopic),
      model_(model),
      env_(env) {
  SetAnchors(model.Page().anchors);
}

BOOL CCustomizePage::OnInitDialog() {
  model_.visited = true;
  const PageDescriptor& page = model_.Page();
  for (const Binding& b : page.bindings) {
    if (b.inList) continue;
    HWND control = GetDlgItem(b.id);
    if (!control) continue;
    if (IsEdit(b.show)) {
      ::SendMessageW(control, EM_LIMITTEXT, EditLimit(page.rows[b.row]), 0);
    } else if (b.show == Show::kCombo) {
      // The drop-down list is drawn once, after the last item.
      ::SendMessageW(control, WM_SETREDRAW, FALSE, 0);
      for (uint16_t item : b.items) {
        const std::wstring text = LoadResString(item);
        ::SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      }
      ::SendMessageW(control, WM_SETREDRAW, TRUE, 0);
    }
  }
  if (page.optionList) {
    options_.checkAllId = GetDlgItem(IDC_CHECK_ALL) ? IDC_CHECK_ALL : 0;
    options_.contextMenuId = 0;
    options_.options.checkBoxes = true;
    options_.options.moving = false;
    options_.options.editing = false;
    options_.options.pasteEnabled = false;
    options_.options.cutEnabled = false;
    options_.ownCopy = true;
    options_.darkTheme = DarkTheme();
    HWND list = GetDlgItem(page.optionList);
    HoldRedraw(list);
    options_.SubclassWindow(list);
    AddParentHook(options_);
    AddListColumn(options_.m_hWnd, 0, 0, FillColumnWidth(options_.m_hWnd, 0));
    for (const Binding& b : page.bindings) {
      if (!b.inList) continue;
      std::wstring label = LoadResString(b.id);
      LVITEMW item = {};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(optionIds_.size());
      item.pszText = label.data();
      options_.SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
      optionIds_.push_back(b.id);
    }
    rowEnabled_.assign(optionIds_.size(), true);
  }
  ShowValues();
  if (options_.m_hWnd) {
    options_.SelectRows({0}, 0);
    options_.UpdateControls();
  }
  return TRUE;
}

int CCustomizePage::OptionRow(uint16_t id) const {
  auto it = std::find(optionIds_.begin(), optionIds_.end(), id);
  return it == optionIds_.end() ? -1 : static_cast<int>(it - optionIds_.begin());
}

void CCustomizePage::ShowValues() {
  const uint16_t keep = refused_;  // the user's text stays until it is fixed
  for (const Binding& b : model_.Page().bindings) {
    if (b.inList) continue;
    HWND control = GetDlgItem(b.id);
    if (!control) continue;
    if (IsEdit(b.show)) {
      if (b.id == keep) continue;
      const std::wstring text = ToW(model_.TextOf(b.id));
      if (GetWindowTextString(control) != text) SetWindowTextW(control, text.c_str());
    } else if (b.show == Show::kCombo) {
      const int item = model_.SelectionOf(b.id);
      if (::SendMessageW(control, CB_GETCURSEL, 0, 0) != item)
        ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    }
  }
  // The fields were filled one by one, each change judged while the later ones were not.
  ShowNumberReason();
  ShowStates();
}

void CCustomizePage::ShowStates() {
  for (const ControlState& s : model_.States()) {
    const Binding* b = model_.Find(s.id);
    if (b && b->inList) {
      const int row = OptionRow(s.id);
      if (row < 0) continue;
      // A ticked entry that cannot be changed shows the dimmed tick.
      const int image = !s.on ? 1 : s.enabled ? 2 : 4;
      if (options_.RowStateImage(row) != image) options_.SetRowStateImage(row, image);
      if (rowEnabled_[row] != s.enabled) {
        rowEnabled_[row] = s.enabled;
        options_.SendMessage(LVM_REDRAWITEMS, row, row);
      }
      continue;
    }
    HWND control = GetDlgItem(s.id);
    if (!control) continue;
    if (b && IsBox(b->show)) CheckDlgButton(s.id, s.on ? BST_CHECKED : BST_UNCHECKED);
    if (b && b->show == Show::kColor) InvalidateRect(control, nullptr, FALSE);
    if ((IsWindowEnabled(control) != FALSE) != s.enabled) EnableWindow(control, s.enabled);
  }
}

void CCustomizePage::ReadBoxes() {
  std::vector<ControlState> boxes;
  for (const ControlState& s : model_.States()) {
    const Binding* b = model_.Find(s.id);
    // A box the rules hold keeps what the model says.
    if (!b || !IsBox(b->show) || !s.enabled) continue;
    const int row = b->inList ? OptionRow(b->id) : -1;
    if (b->inList && row < 0) continue;
    const bool on = b->inList ? options_.RowStateImage(row) != 1 : IsDlgButtonChecked(b->id);
    boxes.push_back({b->id, on, true});
  }
  model_.SetBoxes(boxes);
  ShowValues();
}

void CCustomizePage::ReadEdits() {
  for (const Binding& b : model_.Page().bindings)
    if (!b.inList && IsEdit(b.show) && GetDlgItem(b.id))
      model_.SetText(b.id, ToU(GetDlgItemText(b.id)));
}

bool CCustomizePage::OnCommand(int id, int code, HWND) {
  if (id == model_.Page().resetButton && id && code == BN_CLICKED) {
    // The same step as "Restore defaults of" in the page list's menu.
    RestorePageDefaults(model_);
    SetStepKind(UndoKind::kRestorePage);
    refused_ = 0;
    OnModelRestored();
    return true;
  }
  const Binding* b = model_.Find(static_cast<uint16_t>(id));
  if (!b || b->inList) return false;
  switch (b->show) {
    case Show::kNumber:
    case Show::kText:
      if (code == EN_CHANGE && b->show == Show::kNumber && model_.Page().rows[b->row].max) {
        ShowNumberReason();
        return false;
      }
      if (code != EN_KILLFOCUS) return false;
      model_.SetText(b->id, ToU(GetDlgItemText(id)));
      ShowValues();
      return true;
    case Show::kCombo:
      if (code != CBN_SELCHANGE) return false;
      model_.SetSelection(b->id, static_cast<int>(SendDlgItemMessage(id, CB_GETCURSEL)));
      ShowValues();
      return true;
    case Show::kColor:
      if (code == BN_CLICKED) ChooseColor(*b);
      return true;
    case Show::kButton:
      if (code != BN_CLICKED) return false;
      model_.Press(b->id);
      ShowValues();
      return true;
    case Show::kBrowse:
      if (code == BN_CLICKED) Browse(*b);
      return true;
    default:
      if (code == BN_CLICKED) ReadBoxes();
      return true;
  }
}

bool CCustomizePage::OnNotify(int id, NMHDR& header, LRESULT& result) {
  if (header.code != NM_CUSTOMDRAW || !MarksRowsOf(id)) return false;
  auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
  const auto row = static_cast<size_t>(draw.nmcd.dwItemSpec);
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      result = CDRF_NOTIFYITEMDRAW;
      return true;
    case CDDS_ITEMPREPAINT:
      result = CDRF_DODEFAULT;
      // In the dark theme a selected row of the list without the focus is dark too.
      if (DarkTheme()) DarkCustomDraw(header, result);
      DrawRowMarks(static_cast<uint32_t>(id), draw, result);
      // Entries the rules hold are drawn in the disabled colour.
      if (id == model_.Page().optionList && row < rowEnabled_.size() && !rowEnabled_[row])
        draw.clrText = DarkTheme() ? kDarkDisabledTextColor : GetSysColor(COLOR_GRAYTEXT);
      return true;
    case CDDS_ITEMPOSTPAINT:
      result = CDRF_DODEFAULT;
      DrawRowMarks(static_cast<uint32_t>(id), draw, result);
      return true;
  }
  return false;
}

LRESULT CCustomizePage::OnCheckList(UINT code, LPARAM) {
  if (code == kClSelectionChanged) ReadBoxes();
  return 0;
}

void CCustomizePage::OnLayout() {
  FitLastColumn(options_);
}

namespace {

class PageStrings : public StringSource {
 public:
  std::u16string Load(uint32_t id) const override { return ToU(LoadResString(id)); }
};

}  // namespace

const PageDefaults& CCustomizePage::Defaults() {
  if (!defaults_) defaults_ = DefaultsOf(model_, env_);
  return *defaults_;
}

bool CCustomizePage::OnSettingMenu(HWND control, LPARAM pos) {
  if (!control || control == m_hWnd) return false;
  auto id = static_cast<uint16_t>(GetDlgCtrlID(control));
  RECT at = {};
  GetWindowRect(control, &at);
  if (options_.m_hWnd && control == options_.m_hWnd) {
    int row = -1;
    if (pos == -1) {
      row = static_cast<int>(options_.SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    } else {
      LVHITTESTINFO hit = {};
      hit.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
      ScreenToClient(control, &hit.pt);
      row = static_cast<int>(options_.SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    }
    if (row < 0 || static_cast<size_t>(row) >= optionIds_.size()) return false;
    id = optionIds_[static_cast<size_t>(row)];
    RECT rc = {};
    rc.left = LVIR_BOUNDS;
    if (options_.SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc))) {
      MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rc), 2);
      at = rc;
    }
  }
  const ShownDefault shown = DefaultShownBy(model_, Defaults(), id);
  if (shown.kind == ShownDefault::Kind::kNone) return false;
  ReadEdits();  // a value being typed counts as the value the reset replaces
  const POINT below = {at.left, at.bottom};
  const LPARAM where = pos == -1 ? MAKELPARAM(below.x, below.y) : pos;
  if (ChooseReset(shown, CanResetToDefault(model_, Defaults(), id), nullptr, where) &&
      ResetToDefault(model_, Defaults(), id)) {
    SetStepKind(UndoKind::kReset, options_.m_hWnd && control == options_.m_hWnd ? OptionRow(id) : -1);
    if (refused_ == id) refused_ = 0;
    // As after a user's edit: a page that previews its values shows the host this one.
    OnModelRestored();
  }
  return true;
}

bool CCustomizePage::ChooseReset(const ShownDefault& shown, bool enabled, HWND control,
                                 LPARAM where) {
  POINT at = {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (where == -1) {
    RECT rc = {};
    if (control) GetWindowRect(control, &rc);
    at = {rc.left, rc.bottom};
  }
  const std::wstring text = ToW(ResetEntryText(shown, PageStrings()));
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING | (enabled ? 0u : MF_GRAYED), 1, text.c_str());
  const int chosen =
      TrackMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, m_hWnd);
  DestroyMenu(menu);
  return chosen == 1;
}

bool CCustomizePage::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                          LRESULT& result) {
  if (msg == WM_CONTEXTMENU && OnSettingMenu(reinterpret_cast<HWND>(wParam), lParam)) {
    result = 0;
    return true;
  }
  if (msg == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const Binding* b = item ? model_.Find(static_cast<uint16_t>(item->CtlID)) : nullptr;
    if (!b || b->show != Show::kColor) return false;
    DrawColorButton(*item);
    result = TRUE;
    return true;
  }
  return CPropertyPageBase::ProcessWindowMessage(hwnd, msg, wParam, lParam, result);
}

bool CCustomizePage::OnApply() {
  ReadEdits();
  return !RefuseNumber();
}

bool CCustomizePage::OnKillActive() {
  ReadEdits();
  return RefuseNumber();
}

uint16_t CCustomizePage::ShowNumberReason() {
  std::u16string reason;
  refused_ = 0;
  for (const Binding& b : model_.Page().bindings) {
    const bool bounded = !b.inList && b.show == Show::kNumber && model_.Page().rows[b.row].max;
    HWND edit = bounded ? GetDlgItem(b.id) : nullptr;
    if (!edit) continue;
    const std::u16string text = ToU(GetWindowTextString(edit));
    if (model_.CheckNumber(b.id, text) == NumberProblem::kNone) continue;
    // The field's label stands just before it.
    HWND label = ::GetWindow(edit, GW_HWNDPREV);
    reason = model_.NumberReason(b.id, text, label ? ToU(GetWindowTextString(label)) : u"",
                                 [](uint32_t id) { return ToU(LoadResString(id)); });
    refused_ = b.id;
    break;
  }
  if (HWND line = GetDlgItem(IDC_CUST_NUMBER_REASON)) SetControlText(line, ToW(reason));
  return refused_;
}

// Leaving the page or OK with a refused number: the page stays (the sheet brings it back on
// OK) and the focus goes to the field, its text selected.
bool CCustomizePage::RefuseNumber() {
  if (!ShowNumberReason()) return false;
  ::PostMessageW(Sheet(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(refused_)), TRUE);
  return true;
}

void CCustomizePage::ChooseColor(const Binding& b) {
  CHOOSECOLORW cc = {};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = m_hWnd;
  cc.rgbResult = model_.ColorOf(b.id);
  cc.lpCustColors = g_customColors;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  // The system's colour chooser is not scaled to the owner's monitor.
  SystemAwareScope systemAware;
  if (!::ChooseColorW(&cc)) return;
  model_.SetColor(b.id, cc.rgbResult);
  ShowValues();
}

void CCustomizePage::Browse(const Binding& b) {
  // The edit that shows the same row receives the choice.
  const Binding* edit = nullptr;
  for (const Binding& c : model_.Page().bindings)
    if (c.row == b.row && c.show == Show::kText) edit = &c;
  if (!edit) return;
  std::wstring chosen;
  if (b.arg == 0) {
    const std::wstring title = LoadResString(IDS_CHOOSE_FOLDER);
    BROWSEINFOW bi = {};
    bi.hwndOwner = m_hWnd;
    bi.lpszTitle = title.c_str();
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    if (PIDLIST_ABSOLUTE pidl = SHBrowseForFolderW(&bi)) {
      wchar_t path[MAX_PATH] = {};
      if (SHGetPathFromIDListW(pidl, path)) chosen = path;
      CoTaskMemFree(pidl);
    }
  } else {
    FileRequest request{IDS_VAL_PROGRAM_FILTER};
    request.file = ToW(model_.TextOf(edit->id));
    if (auto file = AskFiles(m_hWnd, request)) chosen = file->paths.front();
  }
  if (chosen.empty()) return;
  model_.SetText(edit->id, ToU(chosen));
  ShowValues();
}

void CCustomizePage::DrawColorButton(const DRAWITEMSTRUCT& item) {
  RECT rc = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool dark = DarkTheme();
  if (dark)
    DrawDarkButtonFace(item.hDC, rc, pressed, false);
  else
    DrawFrameControl(item.hDC, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  const int inset = GetSystemMetrics(SM_CXEDGE) * 3;
  InflateRect(&rc, -inset, -inset);
  if (pressed) OffsetRect(&rc, 1, 1);
  // A disabled button shows no colour, only the outline of the swatch.
  COLORREF fill = model_.ColorOf(static_cast<uint16_t>(item.CtlID));
  if (disabled) fill = dark ? kDarkButtonColor : GetSysColor(COLOR_3DFACE);
  COLORREF frame = dark ? kDarkTextColor : GetSysColor(COLOR_WINDOWTEXT);
  if (disabled) frame = dark ? kDarkDisabledTextColor : GetSysColor(COLOR_GRAYTEXT);
  SetDCBrushColor(item.hDC, fill);
  FillRect(item.hDC, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(item.hDC, frame);
  FrameRect(item.hDC, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -inset / 2, -inset / 2);
    DrawFocusRect(item.hDC, &focus);
  }
}

}  // namespace scrv
