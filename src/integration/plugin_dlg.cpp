#include "integration/plugin_dlg.h"

#include <objbase.h>

#include <algorithm>
#include <vector>

#include "controls/dialog_items_win.h"
#include "frame/export_guard_win.h"
#include "frame/file_dialog_win.h"
#include "frame/host_windows_win.h"
#include "frame/message_box_win.h"
#include "frame/path_text.h"
#include "frame/system_calls_win.h"
#include "frame/text_case_win.h"
#include "base/text_win.h"
#include "scrvdlgs_api.h"
#include "settings/app_path.h"
#include "settings/file_store_win.h"
#include "settings/module_path_win.h"
#include "settings/settings_store.h"
#include "settings/settings_tables_win.h"
#include "controls/column_list_win.h"

namespace scrv {
namespace {

constexpr WPARAM kPluginsChangedMask = 3;
constexpr int kImageSize96 = 16;
constexpr UINT kHighDpi = 144;

// A global atom of the plug-in's path for the host's plug-in messages; deleted again at scope
// end. A path the atom table refuses (over 255 characters) is sent as 0.
class PathAtom {
 public:
  explicit PathAtom(std::u16string_view path) : atom_(GlobalAddAtomW(ToW(path).c_str())) {}
  ~PathAtom() {
    if (atom_) GlobalDeleteAtom(atom_);
  }
  LPARAM Value() const { return atom_; }

 private:
  ATOM atom_;
};

// Whether a host window says the plug-in may not be switched or removed now.
bool PluginBusy(std::u16string_view path) {
  PathAtom atom(path);
  return SendToMainWindows(SCM_PLUGIN_BUSY, 0, atom.Value(), true);
}

// The files chosen in a multiple-selection open dialog: the folder and the names after it, or
// one full path.
// A fully transparent 32-bit image of `size` pixels (a DIB section starts zeroed).
HBITMAP ClearBitmap(int size) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = size;
  bi.bmiHeader.biHeight = size;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  return CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

void NotifyPluginsChanged(HWND owner) {
  SendMessageW(owner, SCM_PLUGINS_CHANGING, 0, 0);
  SendChangesToMainWindows(kPluginsChangedMask);
  SendMessageW(owner, SCM_PLUGINS_CHANGING, 1, 0);
}

CPluginDlg::~CPluginDlg() {
  plugins_.reset();  // unloads the dialog's copies of the plug-ins
}

bool CPluginDlg::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                      LRESULT& result) {
  if (msg == WM_DPICHANGED) {
    dpi_ = LOWORD(wParam);
    BuildImages();
  }
  return CMyDialogImpl::ProcessWindowMessage(hwnd, msg, wParam, lParam, result);
}

LRESULT CPluginDlg::OnCheckList(UINT code, LPARAM) {
  if (code == kClSelectionChanged) ShowDetails();
  if (code == kClAdd && IsWindowEnabled(GetDlgItem(IDC_PLUGIN_ADD))) OnAdd();
  return 0;
}

BOOL CPluginDlg::OnInitDialog() {
  SettingsStore& settings = Settings();
  const std::u16string app = ToU(Module().appFolder);
  folderAtOpen_ = AbsolutePluginsFolder(
      settings.ReadCommonString(kPluginsFolderSetting, kPluginsFolderCapacity, kPluginsFolderName),
      app);
  folder_ = folderAtOpen_;

  list_.columnCount = 1;
  list_.options.checkBoxes = true;
  list_.options.moving = true;
  list_.ownCopy = true;
  list_.upDownButtons = true;
  list_.swapCallback = SwapRecords;
  list_.swapContext = this;
  list_.darkTheme = DarkTheme();
  list_.SubclassWindow(GetDlgItem(IDC_CHECK_LIST));
  dpi_ = list_.dpi;  // the dialog's, which the list asked for
  AddParentHook(list_);

  loader_ = std::make_unique<WinPluginLoader>(m_hWnd);
  plugins_ = std::make_unique<PluginList>(ModulePluginsFolder(), *loader_, InvariantCase());
  std::optional<SettingsRecord> record = OpenAppRecord(record::kPlugIns);
  Win32FileStore files;
  if (record) plugins_->Load(LoadStoredPlugins(*record, files), false);

  // The path reads as a text like the descriptions below it, but can be selected and copied.
  ::SendMessageW(GetDlgItem(IDC_PLUGIN_PATH), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  if (HasModulePath()) ::SendMessageW(GetDlgItem(IDC_PLUGIN_UNINSTALL), BCM_SETSHIELD, 0, TRUE);
  const ModuleState& m = Module();
  if (m.packaged && !m.sideLoad) ::EnableWindow(GetDlgItem(IDC_PLUGIN_ADD), false);
  FillList();
  ready_ = true;
  return TRUE;
}

bool CPluginDlg::OnCommand(int id, int code, HWND control) {
  if (code != BN_CLICKED) return CMyDialogImpl::OnCommand(id, code, control);
  switch (id) {
    case IDC_PLUGIN_ADD:
      OnAdd();
      return true;
    case IDC_PLUGIN_REMOVE:
      OnRemove();
      return true;
    case IDC_PLUGIN_PROPERTIES:
      OnProperties();
      return true;
    case IDC_PLUGIN_UNINSTALL:
      OnUninstall();
      return true;
    case IDC_PLUGIN_RESET:
      OnReset();
      return true;
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

bool CPluginDlg::OnNotify(int id, NMHDR& header, LRESULT&) {
  if (id != IDC_CHECK_LIST) return false;
  if (header.code == LVN_ITEMCHANGED) {
    OnRowChanged(reinterpret_cast<const NMLISTVIEW&>(header));
    return true;
  }
  if (header.code == NM_DBLCLK) {
    // A double-click on the check mark only switches the plug-in.
    LVHITTESTINFO hit = {};
    hit.pt = reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction;
    list_.SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem >= 0 && !(hit.flags & LVHT_ONITEMSTATEICON)) OnProperties();
    return true;
  }
  return false;
}

void CPluginDlg::FillList() {
  {
    ListFillScope fill(list_);
    if (!columnAdded_) {
      LVCOLUMNW column = {};
      column.mask = LVCF_WIDTH;
      column.cx = FillColumnWidth(list_.m_hWnd, 0);
      list_.SendMessage(LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
      columnAdded_ = true;
    }
    list_.SendMessage(LVM_DELETEALLITEMS);
    for (size_t i = 0; i < plugins_->Count(); ++i) AppendRow(i);
    BuildImages();
    if (plugins_->Count() > 0) list_.SelectRows({0}, 0);
  }
  list_.UpdateControls();
  ShowDetails();
}

void CPluginDlg::AppendRow(size_t position) {
  std::wstring name = ToW(PluginDisplayName(plugins_->At(position).path));
  LVITEMW item = {};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = static_cast<int>(position);
  item.pszText = name.data();
  item.iImage = static_cast<int>(position);  // see BuildImages
  int row =
      static_cast<int>(list_.SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  // A list with check boxes inserts its rows unchecked.
  if (row >= 0 && plugins_->At(position).enabled) list_.SetRowChecked(row, true);
}

// One image per position, in list order; a plug-in without a bitmap gets a clear one. Rows carry
// their image index when the list moves them, so only a rebuild renumbers them.
void CPluginDlg::BuildImages() {
  const UINT dpi = dpi_ ? dpi_ : 96;
  const int size = MulDiv(kImageSize96, static_cast<int>(dpi), 96);
  HIMAGELIST images =
      ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, static_cast<int>(plugins_->Count()), 1);
  HBITMAP clear = nullptr;
  for (size_t i = 0; i < plugins_->Count() && images; ++i) {
    PluginModule& module = *plugins_->At(i).module;
    HBITMAP bitmap = nullptr;
    if (UINT id = module.ButtonBitmapId(dpi >= kHighDpi))
      bitmap = static_cast<HBITMAP>(LoadImageW(reinterpret_cast<HMODULE>(module.Library()),
                                               MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                               LR_CREATEDIBSECTION));
    BITMAP bm = {};
    if (bitmap && GetObjectW(bitmap, sizeof bm, &bm) && (dpi >= kHighDpi || bm.bmWidth != 16)) {
      if (HBITMAP scaled = static_cast<HBITMAP>(
              CopyImage(bitmap, IMAGE_BITMAP, size, size, LR_CREATEDIBSECTION))) {
        DeleteObject(bitmap);
        bitmap = scaled;
      }
    }
    if (bitmap) {
      ImageList_AddMasked(images, bitmap, module.TransparentColor());
      DeleteObject(bitmap);
      continue;
    }
    if (!clear) clear = ClearBitmap(size);
    ImageList_AddMasked(images, clear, 0);
  }
  if (clear) DeleteObject(clear);
  HIMAGELIST old = reinterpret_cast<HIMAGELIST>(
      list_.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images)));
  if (old) ImageList_Destroy(old);
  for (int row = 0; row < list_.RowCount(); ++row) {
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = row;
    list_.SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}

int CPluginDlg::SelectedRow() const {
  std::vector<int> rows = list_.SelectedRows();
  return rows.size() == 1 ? rows[0] : -1;
}

void CPluginDlg::ShowDetails() {
  const int row = SelectedRow();
  PluginRecord* record = row >= 0 && static_cast<size_t>(row) < plugins_->Count()
                             ? &plugins_->At(static_cast<size_t>(row))
                             : nullptr;
  bool properties = false, uninstall = false;
  if (record) {
    SetControlText(GetDlgItem(IDC_PLUGIN_PATH),
                   ToW(FullPluginPath(record->path, plugins_->PluginsFolder())));
    SetControlText(GetDlgItem(IDC_PLUGIN_FIRST_TEXT), ToW(record->module->Description(0)));
    SetControlText(GetDlgItem(IDC_PLUGIN_SECOND_TEXT), ToW(record->module->Description(1)));
    properties = record->module->HasProperties();
    uninstall = record->module->CanUninstall() && !PluginBusy(record->path);
  } else {
    for (int id : {IDC_PLUGIN_PATH, IDC_PLUGIN_FIRST_TEXT, IDC_PLUGIN_SECOND_TEXT})
      SetControlText(GetDlgItem(id), L"");
  }
  ::EnableWindow(GetDlgItem(IDC_PLUGIN_REMOVE), record != nullptr);
  ::EnableWindow(GetDlgItem(IDC_PLUGIN_PROPERTIES), properties);
  ::EnableWindow(GetDlgItem(IDC_PLUGIN_UNINSTALL), uninstall);
}

void CPluginDlg::OnRowChanged(const NMLISTVIEW& change) {
  if (!ready_ || !(change.uChanged & LVIF_STATE) || change.iItem < 0) return;
  if (!((change.uOldState ^ change.uNewState) & LVIS_STATEIMAGEMASK)) return;
  const size_t position = static_cast<size_t>(change.iItem);
  if (position >= plugins_->Count()) return;
  const bool checked = list_.IsRowChecked(change.iItem);
  PluginRecord& record = plugins_->At(position);
  // Rows moved by the list arrive here with the records already exchanged.
  if (checked == record.enabled) return;
  if (PluginBusy(record.path)) {
    list_.SetRowChecked(change.iItem, record.enabled);
    return;
  }
  plugins_->SetEnabled(position, checked);
}

void CPluginDlg::OnAdd() {
  FileRequest request{IDS_PLUGIN_FILTER};
  request.folder = ToW(folder_);
  request.multiple = true;
  std::optional<ChosenFiles> chosen = AskFiles(m_hWnd, request);
  if (!chosen) return;
  const std::vector<std::wstring>& files = chosen->paths;
  folder_ = RemoveFileName(ToU(files.front()));
  for (const std::wstring& file : files) {
    uint32_t error = 0;
    switch (plugins_->Add(ToU(file), true, error)) {
      case PluginList::AddResult::kAdded:
        AppendRow(plugins_->Count() - 1);
        break;
      case PluginList::AddResult::kAlreadyListed:
        break;
      case PluginList::AddResult::kRefused:
        ShowError(m_hWnd, error, ToW(FileNameOf(ToU(file))).c_str());
        break;
    }
  }
  BuildImages();
  list_.UpdateControls();
  ShowDetails();
}

void CPluginDlg::OnRemove() {
  const int row = SelectedRow();
  if (row < 0) return;
  plugins_->Remove(static_cast<size_t>(row));
  list_.SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(row));
  SelectAfterRemoval(row);
}

void CPluginDlg::SelectAfterRemoval(int row) {
  BuildImages();  // the rows after the removed one move up an image
  const int count = list_.RowCount();
  if (count > 0) list_.SelectRows({std::min(row, count - 1)}, std::min(row, count - 1));
  list_.UpdateControls();
  ShowDetails();
}

void CPluginDlg::OnProperties() {
  const int row = SelectedRow();
  if (row < 0) return;
  PluginModule& module = *plugins_->At(static_cast<size_t>(row)).module;
  if (module.HasProperties()) module.ShowProperties();
}

void CPluginDlg::OnUninstall() {
  const int row = SelectedRow();
  if (row < 0) return;
  const size_t position = static_cast<size_t>(row);
  PluginRecord& record = plugins_->At(position);
  if (PluginBusy(record.path) || !record.module->CanUninstall()) return;
  UninstallRequest request = record.module->QueryUninstall();
  if (request.kind == UninstallRequest::kNothing) return;

  ::EnableWindow(GetDlgItem(IDCANCEL), false);
  const std::u16string path = record.path;
  const std::wstring full = ToW(FullPluginPath(path, plugins_->PluginsFolder()));
  {
    PathAtom atom(path);
    SendToMainWindows(SCM_RELEASE_PLUGIN, 0, atom.Value());
  }
  uint32_t error = 0;
  if (!plugins_->Release(position, error)) {
    ShowError(m_hWnd, error, full.c_str());
    return;
  }
  list_.SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(row));
  if (request.kind == UninstallRequest::kDeleteFile) {
    System().ShellDeleteFile(m_hWnd, full);
  } else if (!request.program.empty()) {
    System().StartCommandLine(L"\"" + ToW(request.program) + L"\" " + ToW(request.arguments));
  }
  SelectAfterRemoval(row);
}

void CPluginDlg::OnReset() {
  folder_ = ModulePluginsFolder();
  ready_ = false;
  plugins_->Reset();
  FillList();
  ready_ = true;
}

void CPluginDlg::SwapRecords(int first, int second, void* context) {
  auto* self = static_cast<CPluginDlg*>(context);
  self->plugins_->Swap(static_cast<size_t>(first), static_cast<size_t>(second));
}

void CPluginDlg::OnCancel() {
  if (IsWindowEnabled(GetDlgItem(IDCANCEL))) EndDialog(IDCANCEL);
}

void CPluginDlg::OnOK() {
  SettingsStore& settings = Settings();
  const TextCase& tc = InvariantCase();
  if (!EqualIgnoreCase(tc, folder_, folderAtOpen_)) {
    std::u16string value =
        PluginsFolderSetting(folder_, ToU(Module().appFolder), settings.IniMode(), tc);
    if (value.empty())
      settings.DeleteCommonValue(kPluginsFolderSetting);
    else
      settings.WriteCommonString(kPluginsFolderSetting, value);
  }
  std::optional<SettingsRecord> record = OpenAppRecord(record::kPlugIns);
  Win32FileStore files;
  if (record && SaveStoredPlugins(*record, files, plugins_->Stored(), tc))
    NotifyPluginsChanged(owner_);
  EndDialog(IDOK);
}

}  // namespace scrv

extern "C" int DoPlugIn(HWND owner) {
  if (FAILED(CoInitialize(nullptr))) return 0;
  int result = scrv::GuardExport(-1, [&] {
    scrv::CPluginDlg dlg(owner);
    INT_PTR r = dlg.DoModal(owner);
    return r > 0 ? static_cast<int>(r) : -1;
  });
  CoUninitialize();
  return result;
}

extern "C" void DisablePlugIn(HWND owner, const wchar_t* path) {
  scrv::GuardExport(0, [&] {
    if (!path) return 0;
    // The stored list is edited as it is: a plug-in that cannot be loaded right now (a drive
    // that is offline) keeps its entry.
    std::optional<scrv::SettingsRecord> record = scrv::OpenAppRecord(scrv::record::kPlugIns);
    if (!record) return 0;
    scrv::Win32FileStore files;
    std::vector<scrv::StoredPlugin> list = scrv::LoadStoredPlugins(*record, files);
    const scrv::TextCase& tc = scrv::InvariantCase();
    std::optional<size_t> found = scrv::FindStoredPlugin(list, scrv::ToU(path), tc);
    if (!found) return 0;
    list[*found].enabled = false;
    if (scrv::SaveStoredPlugins(*record, files, list, tc)) scrv::NotifyPluginsChanged(owner);
    return 0;
  });
}
