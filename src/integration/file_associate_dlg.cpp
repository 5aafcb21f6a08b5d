#include "integration/file_associate_dlg.h"

#include <algorithm>

#include "controls/dialog_items_win.h"
#include "frame/dpi_awareness_win.h"
#include "frame/export_guard_win.h"
#include "frame/dpi_win.h"
#include "frame/message_box_win.h"
#include "frame/program_runner_win.h"
#include "frame/signature_check_win.h"
#include "frame/system_calls_win.h"
#include "frame/text_case_win.h"
#include "base/text_win.h"
#include "integration/associate_prop_dlg.h"
#include "integration/icon_files_win.h"
#include "scrvdlgs_api.h"
#include "controls/column_list_win.h"

namespace scrv {
namespace {

constexpr int kExtensionColumn96 = 120;
constexpr int kIconSize96 = 32;
constexpr DWORD kToolNotRun = 0xFFFFFFFF;

std::u16string Dotted(const Association& a) {
  return u"." + a.extension;
}

}  // namespace

CFileAssociateDlg::CFileAssociateDlg() : program_(ToU(AppPath(ToW(kEditorProgram)))) {}

bool CFileAssociateDlg::OnNotify(int id, NMHDR& header, LRESULT&) {
  if (id != IDC_ASSOC_LIST) return false;
  if (header.code == LVN_ITEMCHANGED) UpdateButtons();
  if (header.code == NM_DBLCLK && IsWindowEnabled(GetDlgItem(IDC_ASSOC_PROPERTIES))) OnProperties();
  return true;
}

BOOL CFileAssociateDlg::OnInitDialog() {
  list_ = GetDlgItem(IDC_ASSOC_LIST);
  // Held off until Fill has added the columns and rows (the styles need no repaint before).
  ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                 LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  dpi_ = static_cast<int>(WindowDpi(m_hWnd));
  associations_ = ReadAssociations(registry_, program_, InvariantCase());
  Fill(0);
  FitColumns();
  return TRUE;
}

bool CFileAssociateDlg::OnCommand(int id, int code, HWND control) {
  if (code != BN_CLICKED) return CMyDialogImpl::OnCommand(id, code, control);
  switch (id) {
    case IDC_ASSOC_CLOSE:
      EndDialog(IDCANCEL);
      return true;
    case IDC_ASSOC_ADD:
      OnAdd();
      return true;
    case IDC_ASSOC_PROPERTIES:
      OnProperties();
      return true;
    case IDC_ASSOC_DELETE:
      OnDelete();
      return true;
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

void CFileAssociateDlg::Fill(int row) {
  HWND list = list_;
  const int size = MulDiv(kIconSize96, dpi_, 96);
  HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK,
                                       static_cast<int>(associations_.size()), 1);
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  if (!columnsAdded_) {
    // The columns start at their fitted widths: each later width change costs a header layout.
    const int first = MulDiv(kExtensionColumn96, dpi_, 96);
    AddListColumn(list, 0, IDS_ASSOC_EXTENSION_HEADER, first);
    AddListColumn(list, 1, IDS_ASSOC_DESCRIPTION_HEADER, FillColumnWidth(list, first));
    columnsAdded_ = true;
  }
  ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  // An association whose icon cannot be had is not listed. The icons are taken file by file.
  std::vector<HICON> icons(associations_.size(), nullptr);
  std::vector<bool> done(associations_.size(), false);
  for (size_t i = 0; i < associations_.size(); ++i) {
    if (done[i]) continue;
    std::vector<size_t> same;
    std::vector<int> indexes;
    for (size_t j = i; j < associations_.size(); ++j) {
      if (done[j] || associations_[j].iconFile != associations_[i].iconFile) continue;
      done[j] = true;
      same.push_back(j);
      indexes.push_back(associations_[j].iconIndex);
    }
    std::vector<HICON> got = ExtractIconsAt(ToW(associations_[i].iconFile), indexes, size);
    for (size_t k = 0; k < same.size(); ++k) icons[same[k]] = got[k];
  }
  size_t kept = 0;
  for (size_t i = 0; i < associations_.size(); ++i) {
    if (!icons[i]) continue;
    AddKeptIconImage(images, icons[i]);
    if (kept != i) associations_[kept] = std::move(associations_[i]);
    ++kept;
  }
  associations_.resize(kept);
  HIMAGELIST old = reinterpret_cast<HIMAGELIST>(
      ::SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images)));
  if (old) ImageList_Destroy(old);
  for (size_t i = 0; i < associations_.size(); ++i) {
    std::wstring extension = ToW(Dotted(associations_[i]));
    std::wstring description = ToW(associations_[i].description);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(i);
    item.pszText = extension.data();
    item.iImage = static_cast<int>(i);
    ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    LVITEMW sub = {};
    sub.iSubItem = 1;
    sub.pszText = description.data();
    ::SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&sub));
  }
  const int count = static_cast<int>(associations_.size());
  if (count > 0) {
    row = std::clamp(row, 0, count - 1);
    LVITEMW state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&state));
  }
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  // Scrolling to the row needs the scroll bars, which the list sets up as redrawing resumes.
  if (count > 0) ::SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  UpdateButtons();
}

void CFileAssociateDlg::FitColumns() {
  HWND list = list_;
  int first = static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0));
  int fill = FillColumnWidth(list, first);
  if (::SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0) != fill)
    ::SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(fill, 0));
}

int CFileAssociateDlg::SelectedRow() const {
  return static_cast<int>(
      ::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CFileAssociateDlg::UpdateButtons() {
  const int row = SelectedRow();
  const Association* a =
      row >= 0 && static_cast<size_t>(row) < associations_.size() ? &associations_[row] : nullptr;
  ::EnableWindow(GetDlgItem(IDC_ASSOC_PROPERTIES), a && CanEditAssociation(*a));
  ::EnableWindow(GetDlgItem(IDC_ASSOC_DELETE), a && CanDeleteAssociation(*a));
  // Deleting a machine-wide association needs the administrator.
  ::SendMessageW(GetDlgItem(IDC_ASSOC_DELETE), BCM_SETSHIELD, 0, a && a->machineWide);
}

void CFileAssociateDlg::OnAdd() {
  CAssociatePropDlg props(registry_, associations_, nullptr, program_);
  if (props.DoModal(m_hWnd) != IDOK) return;
  associations_.push_back(props.Result());
  Fill(static_cast<int>(associations_.size()) - 1);
}

void CFileAssociateDlg::OnProperties() {
  const int row = SelectedRow();
  if (row < 0 || static_cast<size_t>(row) >= associations_.size() ||
      !CanEditAssociation(associations_[row]))
    return;
  CAssociatePropDlg props(registry_, associations_, &associations_[row], program_);
  if (props.DoModal(m_hWnd) != IDOK) return;
  associations_[row] = props.Result();
  Fill(row);
}

void CFileAssociateDlg::OnDelete() {
  const int row = SelectedRow();
  if (row < 0 || static_cast<size_t>(row) >= associations_.size() ||
      !CanDeleteAssociation(associations_[row]))
    return;
  const Association a = associations_[row];
  std::u16string question =
      FormatResourceText(ToU(LoadResString(IDS_ASSOC_CONFIRM_DELETE)), a.extension);
  if (ShowMessage(m_hWnd, UiText::Of(question), {}, MB_OKCANCEL) != IDOK) return;
  if (a.machineWide) {
    // Only the elevated administration tool may change the machine's entries.
    const std::wstring tool = AppPath(ToW(kAdminTool));
    const std::wstring arguments = L"/d \"" + ToW(a.extension) + L"\"";
    if (!VerifyFileSignature(tool.c_str())) return;
    if (RunProgram(m_hWnd, tool.c_str(), arguments.c_str(), true) == kToolNotRun) return;
  } else {
    RemoveAssociation(registry_, a.extension);
  }
  associations_.erase(associations_.begin() + row);
  Fill(row);
  System().NotifyAssociationsChanged();
}

}  // namespace scrv

extern "C" void DoFileAssociate(HWND owner, void*) {
  scrv::GuardExport(0, [&] {
    const scrv::ModuleState& m = scrv::Module();
    if (m.packaged) return 0;
    if (m.iniMode && scrv::ShowMessage(owner, scrv::UiText::Res(IDS_ASSOC_INI_MODE), {},
                                       MB_OKCANCEL | MB_ICONWARNING) != IDOK)
      return 0;
    scrv::ScopedSystemDpiAwareness systemAware;
    scrv::CFileAssociateDlg dlg;
    dlg.DoModal(owner);
    return 0;
  });
}
