#include "integration/associate_prop_dlg.h"

#include "controls/dialog_items_win.h"

#include <shlwapi.h>

#include "frame/dpi_win.h"
#include "frame/file_dialog_win.h"
#include "frame/message_box_win.h"
#include "frame/system_calls_win.h"
#include "frame/text_case_win.h"
#include "base/text_win.h"
#include "integration/icon_files_win.h"

namespace scrv {
namespace {

constexpr int kIconEntry96 = 64;  // one entry of the icon list
constexpr int kIconInset96 = 8;   // the icon's distance from the entry's top-left corner
constexpr int kIconSize96 = 32;

}  // namespace

CAssociatePropDlg::CAssociatePropDlg(ClassesRegistry& registry,
                                     const std::vector<Association>& listed,
                                     const Association* editing, std::u16string program)
    : registry_(registry),
      listed_(listed),
      adding_(editing == nullptr),
      result_(editing ? *editing : Association{}),
      program_(std::move(program)) {}

CAssociatePropDlg::~CAssociatePropDlg() {
  DestroyIcons(icons_);
}

bool CAssociatePropDlg::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                             LRESULT& result) {
  if (CMyDialogImpl::ProcessWindowMessage(hwnd, msg, wParam, lParam, result)) return true;
  switch (msg) {
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item->CtlID != IDC_ASSOC_ICONS) return false;
      item->itemHeight = static_cast<UINT>(Scaled(kIconEntry96));
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID != IDC_ASSOC_ICONS) return false;
      DrawIcon(*item);
      result = TRUE;
      return true;
    }
  }
  return false;
}

BOOL CAssociatePropDlg::OnInitDialog() {
  dpi_ = WindowDpi(m_hWnd);
  loading_ = true;
  extension_.SubclassWindow(GetDlgItem(IDC_ASSOC_EXTENSION));
  description_.SubclassWindow(GetDlgItem(IDC_ASSOC_DESCRIPTION));
  iconFile_.SubclassWindow(GetDlgItem(IDC_ASSOC_ICON_FILE));
  SendDlgItemMessage(IDC_ASSOC_EXTENSION, EM_LIMITTEXT, kExtensionCapacity - 1);
  SendDlgItemMessage(IDC_ASSOC_DESCRIPTION, EM_LIMITTEXT, kDescriptionCapacity - 1);
  SendDlgItemMessage(IDC_ASSOC_ICON_FILE, EM_LIMITTEXT, kIconFileCapacity - 1);
  SHAutoComplete(GetDlgItem(IDC_ASSOC_ICON_FILE), SHACF_FILESYSTEM);
  SendDlgItemMessage(IDC_ASSOC_ICONS, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(Scaled(kIconEntry96)));
  SendDlgItemMessage(IDC_ASSOC_ICONS, LB_SETITEMHEIGHT, 0, Scaled(kIconEntry96));

  // A new association starts with the product's own icons.
  if (adding_) result_.iconFile = ToU(AppPath(L"scrvres.dll"));
  const std::u16string dotted = adding_ ? std::u16string() : u"." + result_.extension;
  SetWindowTextW(
      m_hWnd,
      ToW(FormatResourceText(ToU(LoadResString(IDS_ASSOC_PROPERTIES_TITLE)), dotted)).c_str());
  SetDlgItemText(IDC_ASSOC_EXTENSION, ToW(dotted));
  EnableDlgItem(IDC_ASSOC_EXTENSION, adding_);
  SetDlgItemText(IDC_ASSOC_DESCRIPTION, ToW(result_.description));
  SetDlgItemText(IDC_ASSOC_ICON_FILE, ToW(result_.iconFile));
  loading_ = false;
  LoadIcons(adding_ ? 0 : result_.iconIndex);
  if (adding_) {
    ::SetFocus(GetDlgItem(IDC_ASSOC_EXTENSION));
    return FALSE;
  }
  return TRUE;
}

bool CAssociatePropDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_ASSOC_BROWSE:
      if (code == BN_CLICKED) OnBrowse();
      return true;
    case IDC_ASSOC_EXTENSION:
      if (code == EN_KILLFOCUS && adding_) NormalizeExtensionField();
      if (code == EN_CHANGE && !loading_) UpdateOk();
      return true;
    case IDC_ASSOC_ICON_FILE:
      if (code == EN_CHANGE && !loading_) LoadIcons(0);
      return true;
    case IDC_ASSOC_ICONS:
      if (code == LBN_SELCHANGE) UpdateOk();
      return true;
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

NormalizedExtension CAssociatePropDlg::NormalizeExtensionField() {
  const TextCase& tc = InvariantCase();
  NormalizedExtension ext = NormalizeExtension(ToU(GetDlgItemText(IDC_ASSOC_EXTENSION)), tc);
  if (!adding_) return ext;
  loading_ = true;
  SetDlgItemText(IDC_ASSOC_EXTENSION, ToW(ext.text));
  if (ext.valid && GetDlgItemText(IDC_ASSOC_DESCRIPTION).empty())
    SetDlgItemText(IDC_ASSOC_DESCRIPTION,
                   ToW(FormatResourceText(ToU(LoadResString(IDS_ASSOC_DEFAULT_DESCRIPTION)),
                                          tc.Upper(ext.WithoutDot()))));
  loading_ = false;
  UpdateOk();
  return ext;
}

void CAssociatePropDlg::LoadIcons(int select) {
  HWND list = GetDlgItem(IDC_ASSOC_ICONS);
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  DestroyIcons(icons_);
  icons_ = ExtractAllIcons(GetDlgItemText(IDC_ASSOC_ICON_FILE), Scaled(kIconSize96));
  for (size_t i = 0; i < icons_.size(); ++i)
    ::SendMessageW(list, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
  if (!icons_.empty())
    ::SendMessageW(list, LB_SETCURSEL,
                   select >= 0 && static_cast<size_t>(select) < icons_.size() ? select : 0, 0);
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  UpdateOk();
}

void CAssociatePropDlg::UpdateOk() {
  NormalizedExtension ext = NormalizeExtension(
      adding_ ? ToU(GetDlgItemText(IDC_ASSOC_EXTENSION)) : result_.extension, InvariantCase());
  bool iconSelected = SendDlgItemMessage(IDC_ASSOC_ICONS, LB_GETCURSEL) != LB_ERR;
  const std::u16string iconFile = ToU(GetDlgItemText(IDC_ASSOC_ICON_FILE));
  EnableDlgItem(IDOK, CanAcceptAssociation(ext, iconFile, iconSelected));
  // While OK is greyed, the line beside the icons says why.
  const uint32_t why = AssociationRefusalText(ext, iconFile, iconSelected);
  SetControlText(GetDlgItem(IDC_ASSOC_REASON), why ? LoadResString(why) : std::wstring());
}

void CAssociatePropDlg::OnBrowse() {
  FileRequest request{IDS_ASSOC_ICON_FILTER};
  request.file = GetDlgItemText(IDC_ASSOC_ICON_FILE);
  if (auto chosen = AskFiles(m_hWnd, request))
    SetDlgItemText(IDC_ASSOC_ICON_FILE, chosen->paths.front());
}

void CAssociatePropDlg::OnOK() {
  const TextCase& tc = InvariantCase();
  NormalizedExtension ext =
      adding_ ? NormalizeExtensionField() : NormalizeExtension(result_.extension, tc);
  const std::u16string extension = ext.WithoutDot();
  if (!ext.valid) return;
  if (IsReservedExtension(extension)) {
    ShowMessage(m_hWnd, UiText::Res(IDS_ASSOC_RESERVED), {}, MB_ICONWARNING);
    return;
  }
  if (adding_ && IsListed(listed_, extension, tc)) {
    ShowMessage(m_hWnd, UiText::Res(IDS_ASSOC_ALREADY_LISTED), {}, MB_ICONWARNING);
    return;
  }
  const std::u16string iconFile = ToU(GetDlgItemText(IDC_ASSOC_ICON_FILE));
  const LRESULT icon = SendDlgItemMessage(IDC_ASSOC_ICONS, LB_GETCURSEL);
  if (iconFile.empty() || icon == LB_ERR) return;
  if (std::optional<std::u16string> replaced = ReplacedTypeName(registry_, extension, tc)) {
    std::u16string question =
        FormatResourceText(ToU(LoadResString(IDS_ASSOC_REPLACE_TYPE)), *replaced);
    if (ShowMessage(m_hWnd, UiText::Of(question), {}, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) !=
        IDYES)
      return;
  }
  result_.extension = extension;
  result_.description = ToU(GetDlgItemText(IDC_ASSOC_DESCRIPTION));
  result_.iconFile = iconFile;
  result_.iconIndex = static_cast<int32_t>(icon);
  result_.machineWide = false;
  WriteAssociation(registry_, result_, program_);
  System().NotifyAssociationsChanged();
  EndDialog(IDOK);
}

void CAssociatePropDlg::DrawIcon(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  const RECT& rc = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  // The list has painted with the dialog's list colours (dark or light) on this context.
  COLORREF back = selected ? GetSysColor(COLOR_HIGHLIGHT) : GetBkColor(dc);
  HBRUSH brush = CreateSolidBrush(back);
  FillRect(dc, &rc, brush);
  DeleteObject(brush);
  if (item.itemID != static_cast<UINT>(-1) && item.itemID < icons_.size() && icons_[item.itemID]) {
    const int inset = Scaled(kIconInset96), size = Scaled(kIconSize96);
    DrawIconEx(dc, rc.left + inset, rc.top + inset, icons_[item.itemID], size, size, 0, nullptr,
               DI_NORMAL);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &rc);
}

int CAssociatePropDlg::Scaled(int pixels96) const {
  return MulDiv(pixels96, static_cast<int>(dpi_), 96);
}

}  // namespace scrv
