#include "menus/toolbars_dlg.h"

#include <algorithm>
#include <vector>

#include "controls/dialog_items_win.h"
#include "controls/image_strip_win.h"
#include "frame/export_guard_win.h"
#include "frame/message_box_win.h"
#include "frame/reason_text.h"
#include "settings/settings_tables_win.h"
#include "base/text_win.h"
#include "controls/column_list_win.h"

namespace scrv {
namespace {

// The rebar's bands as the band rules see them; a failed query is a missing band.
class RebarBands : public BandQuery {
 public:
  explicit RebarBands(HWND rebar) : rebar_(rebar) {}
  std::optional<uint32_t> BandStyle(uint32_t band) override {
    if (!rebar_ || !IsWindow(rebar_)) return std::nullopt;
    const auto index = static_cast<int>(SendMessageW(rebar_, RB_IDTOINDEX, band, 0));
    if (index < 0) return std::nullopt;
    REBARBANDINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_STYLE;
    if (!SendMessageW(rebar_, RB_GETBANDINFOW, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&info)))
      return std::nullopt;
    return info.fStyle;
  }

 private:
  HWND rebar_;
};

// The face behind "MS Shell Dlg" among the system's font substitutes, else the fallback face.
std::u16string DefaultComboFace() {
  wchar_t face[kFaceNameCapacity] = {};
  DWORD size = sizeof face;
  if (RegGetValueW(HKEY_LOCAL_MACHINE,
                   L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
                   L"MS Shell Dlg", RRF_RT_REG_SZ, nullptr, face, &size) == ERROR_SUCCESS &&
      face[0])
    return ToU(face);
  return u"Microsoft Sans Serif";
}

// The name of the ANSI character set's script as the font dialog shows it.
std::wstring AnsiScriptName() {
  constexpr UINT kScriptNames = 1792;  // the common dialogs' string of character set 0
  wchar_t name[64] = {};
  if (HMODULE dialogs = GetModuleHandleW(L"comdlg32.dll"))
    if (LoadStringW(dialogs, kScriptNames + ANSI_CHARSET, name, 64) > 0) return name;
  return LoadResString(IDS_SCRIPT_WESTERN);
}

// The family the system draws `face` with (a face that is not installed is substituted).
std::u16string DrawnFace(HWND window, std::u16string_view face) {
  LOGFONTW font = {};
  font.lfCharSet = DEFAULT_CHARSET;
  CopyBounded(font.lfFaceName, LF_FACESIZE, ToW(face));
  HFONT made = CreateFontIndirectW(&font);
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, made);
  wchar_t drawn[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, drawn);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  DeleteObject(made);
  return ToU(drawn);
}

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) {
  if (font->lfFaceName[0] != L'@' && font->lfOrientation == 0)
    reinterpret_cast<std::vector<std::u16string>*>(param)->push_back(ToU(font->lfFaceName));
  return 1;
}

}  // namespace

CToolbarsDlg::CToolbarsDlg(const ToolbarsArgs& args, ToolbarSettings settings,
                           std::u16string defaultFace)
    : args_(args), settings_(std::move(settings)), defaultFace_(std::move(defaultFace)) {}

CToolbarsDlg::~CToolbarsDlg() {
  if (sample_) DeleteObject(sample_);
  if (darkBrush_) DeleteObject(darkBrush_);
}

bool CToolbarsDlg::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result) {
  if (CMyDialogImpl::ProcessWindowMessage(hwnd, msg, wParam, lParam, result)) return true;
  switch (msg) {
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) != GetDlgItem(IDC_TB_ZOOM)) return false;
      OnZoom(LOWORD(wParam));
      result = 0;
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORDLG:
      if (!dark_) return false;
      result = reinterpret_cast<LRESULT>(OnStaticColor(reinterpret_cast<HDC>(wParam)));
      return true;
  }
  return false;
}

void CToolbarsDlg::OnLayout() {
  FitLastColumn(list_);
}

LRESULT CToolbarsDlg::OnCheckList(UINT code, LPARAM) {
  if (code == kClSelectionChanged) UpdateButtons();
  return 0;
}

BOOL CToolbarsDlg::OnInitDialog() {
  dark_ = DarkTheme();
  list_.options = {};
  list_.ownCopy = true;
  list_.darkTheme = dark_;
  list_.SubclassWindow(GetDlgItem(IDC_CHECK_LIST));
  AddParentHook(list_);

  SetButtonChecked(GetDlgItem(IDC_TB_LARGE_ICONS), args_.styleFlag);
  CheckRadio({GetDlgItem(IDC_TB_STYLE_0), GetDlgItem(IDC_TB_STYLE_1)},
             GetDlgItem(args_.styleValue ? IDC_TB_STYLE_1 : IDC_TB_STYLE_0));
  SetButtonChecked(GetDlgItem(IDC_TB_OPTION_1), args_.option1);
  SetButtonChecked(GetDlgItem(IDC_TB_OPTION_2), args_.option2);
  SetButtonChecked(GetDlgItem(IDC_TB_TEXT_LABELS), settings_.textLabels);

  ::SendMessageW(GetDlgItem(IDC_TB_ZOOM), TBM_SETRANGE, FALSE,
                 MAKELPARAM(zoom_slider::kMinPosition, zoom_slider::kMaxPosition));
  ::SendMessageW(GetDlgItem(IDC_TB_ZOOM), TBM_SETPAGESIZE, 0, zoom_slider::kPage);
  ::SendMessageW(GetDlgItem(IDC_TB_ZOOM), TBM_SETTICFREQ, zoom_slider::kTickEvery, 0);
  FillFaces();
  ShowZoomAndFace();
  {
    ListFillScope fill(list_);
    SetUpImageRows(list_.m_hWnd, Module().imageModule, IDB_TOOLBAR_IMAGES);
    FillRows();
  }
  UpdateButtons();
  ShowBars();
  return TRUE;
}

bool CToolbarsDlg::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED && id != IDC_TB_FONT) return false;
  for (const BuiltInBar& bar : kBuiltInBars) {
    if (bar.control == id) {
      SendToMain(IsButtonChecked(GetDlgItem(id)) ? SCM_TOOLBAR_SHOW : SCM_TOOLBAR_HIDE, bar.band,
                 0);
      return true;
    }
  }
  switch (id) {
    case IDCANCEL:
      EndDialog(IDCANCEL);
      return true;
    case IDC_TB_NEW:
      EndDialog(kToolbarsNewResult);
      return true;
    case IDC_TB_CUSTOMIZE:
      if (SelectedToolbar() >= 0) EndDialog(ToolbarsCustomizeResult(SelectedToolbar()));
      return true;
    case IDC_TB_DELETE:
      OnDeleteToolbar();
      return true;
    case IDC_TB_RESET:
      OnReset();
      return true;
    case IDC_TB_LARGE_ICONS:
      args_.styleFlag = !args_.styleFlag;
      SetButtonChecked(GetDlgItem(id), args_.styleFlag);
      Rebuild();
      return true;
    case IDC_TB_STYLE_0:
    case IDC_TB_STYLE_1:
      args_.styleValue = id == IDC_TB_STYLE_1 ? 1 : 0;
      CheckRadio({GetDlgItem(IDC_TB_STYLE_0), GetDlgItem(IDC_TB_STYLE_1)}, GetDlgItem(id));
      Rebuild();
      return true;
    case IDC_TB_OPTION_1:
    case IDC_TB_OPTION_2:
      SendToMain(SCM_TOOLBAR_SHOW, 0, id == IDC_TB_OPTION_1 ? 1 : 2);
      return true;
    case IDC_TB_TEXT_LABELS:
      settings_.textLabels = !settings_.textLabels;
      SetButtonChecked(GetDlgItem(id), settings_.textLabels);
      WriteTextLabels(Settings(), Flags(), settings_.textLabels);
      Rebuild();
      return true;
    case IDC_TB_FONT:
      if (code == CBN_SELCHANGE) OnFaceChosen();
      return true;
  }
  return false;
}

bool CToolbarsDlg::OnNotify(int id, NMHDR& header, LRESULT&) {
  if (id != IDC_CHECK_LIST || header.code != NM_DBLCLK) return false;
  const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
  if (activate.iItem >= 0) EndDialog(ToolbarsCustomizeResult(activate.iItem));
  return true;
}

void CToolbarsDlg::OnZoom(int code) {
  if (code != TB_THUMBPOSITION && code != TB_THUMBTRACK && code != TB_ENDTRACK) return;
  settings_.zoom =
      ZoomOfPosition(static_cast<int>(::SendMessageW(GetDlgItem(IDC_TB_ZOOM), TBM_GETPOS, 0, 0)));
  SetControlText(GetDlgItem(IDC_TB_ZOOM_VALUE), ToW(ZoomLabel(settings_.zoom)));
  WriteComboZoom(Settings(), settings_.zoom);
  RemakeSample();
  WriteComboFace(Settings(), settings_.face, defaultFace_);
  Rebuild();
}

HBRUSH CToolbarsDlg::OnStaticColor(HDC dc) {
  if (!darkBrush_) darkBrush_ = CreateSolidBrush(kDarkBackgroundColor);
  SetTextColor(dc, kDarkTextColor);
  SetBkColor(dc, kDarkBackgroundColor);
  return darkBrush_;
}

void CToolbarsDlg::FillList() {
  {
    ListFillScope fill(list_);
    FillRows();
  }
  UpdateButtons();
}

void CToolbarsDlg::FillRows() {
  RebarBands bands(args_.rebar);
  const uint32_t count = ListedUserToolbars(bands);
  const std::u16string format = ToU(LoadResString(IDS_USER_TOOLBAR_NAME));
  list_.SendMessage(LVM_DELETEALLITEMS);
  for (uint32_t k = 1; k <= count; ++k) {
    std::wstring text = ToW(UserToolbarName(format, k));
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(k - 1);
    item.pszText = text.data();
    item.iImage = TOOLBAR_LIST_IMAGE;
    list_.SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}

void CToolbarsDlg::ShowBars() {
  RebarBands bands(args_.rebar);
  for (const BuiltInBar& bar : kBuiltInBars)
    SetButtonChecked(GetDlgItem(bar.control), IsBandShown(bands, bar.band));
}

void CToolbarsDlg::UpdateButtons() {
  const bool selected = SelectedToolbar() >= 0;
  ::EnableWindow(GetDlgItem(IDC_TB_DELETE), selected);
  ::EnableWindow(GetDlgItem(IDC_TB_CUSTOMIZE), selected);
  KeepFocusUsable(m_hWnd, list_.m_hWnd);
}

int CToolbarsDlg::SelectedToolbar() const {
  return static_cast<int>(
      list_.SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CToolbarsDlg::FillFaces() {
  std::vector<std::u16string> names;
  LOGFONTW all = {};
  all.lfCharSet = DEFAULT_CHARSET;
  HDC dc = GetDC(m_hWnd);
  EnumFontFamiliesExW(dc, &all, CollectFace, reinterpret_cast<LPARAM>(&names), 0);
  ReleaseDC(m_hWnd, dc);
  faces_ = SortedFaceNames(std::move(names));
  HWND box = GetDlgItem(IDC_TB_FONT);
  ListFillScope fill(box);
  ::SendMessageW(box, CB_INITSTORAGE, faces_.size(), faces_.size() * 32 * sizeof(wchar_t));
  for (const std::u16string& face : faces_)
    ::SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(face)));
}

void CToolbarsDlg::ShowZoomAndFace() {
  ::SendMessageW(GetDlgItem(IDC_TB_ZOOM), TBM_SETPOS, TRUE, PositionOfZoom(settings_.zoom));
  SetControlText(GetDlgItem(IDC_TB_ZOOM_VALUE), ToW(ZoomLabel(settings_.zoom)));
  // A face that is not installed shows the family it is drawn with.
  int entry = FindFaceName(faces_, settings_.face);
  if (entry < 0) entry = FindFaceName(faces_, DrawnFace(m_hWnd, settings_.face));
  ::SendMessageW(GetDlgItem(IDC_TB_FONT), CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  RemakeSample();
}

void CToolbarsDlg::RemakeSample() {
  LOGFONTW font = {};
  auto dialogFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  if (!dialogFont || !GetObjectW(dialogFont, sizeof font, &font)) font.lfHeight = -12;
  font.lfHeight = MulDiv(font.lfHeight, settings_.zoom, 100);
  font.lfWidth = 0;
  font.lfCharSet = DEFAULT_CHARSET;
  CopyBounded(font.lfFaceName, LF_FACESIZE, ToW(settings_.face));
  HFONT made = CreateFontIndirectW(&font);
  ::SendMessageW(GetDlgItem(IDC_TB_SAMPLE), WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
  if (sample_) DeleteObject(sample_);
  sample_ = made;
  SetControlText(GetDlgItem(IDC_TB_SAMPLE), AnsiScriptName());
}

// A deleted user toolbar cannot be brought back and the dialog has no Cancel: the user is
// asked first, No being the default, and the editor hears of it only after Yes.
void CToolbarsDlg::OnDeleteToolbar() {
  const int selected = SelectedToolbar();
  if (selected < 0) return;
  const std::u16string name = UserToolbarName(ToU(LoadResString(IDS_USER_TOOLBAR_NAME)),
                                              static_cast<uint32_t>(selected) + 1);
  const std::u16string question =
      FillArguments(ToU(LoadResString(IDS_DELETE_TOOLBAR_QUESTION)), {name});
  if (ShowMessage(m_hWnd, UiText::Of(question), {},
                  mb::kYesNo | mb::kIconQuestion | mb::kDefButton2) != button_id::kYes)
    return;
  SendToMain(SCM_TOOLBAR_HIDE, kUserToolbarBand + static_cast<uint32_t>(selected), 0);
  FillList();
  KeepFocusUsable(m_hWnd, list_.m_hWnd, GetDlgItem(IDC_TB_DELETE));
}

void CToolbarsDlg::OnFaceChosen() {
  const auto entry = static_cast<int>(::SendMessageW(GetDlgItem(IDC_TB_FONT), CB_GETCURSEL, 0, 0));
  if (entry < 0 || static_cast<size_t>(entry) >= faces_.size()) return;
  settings_.face = faces_[static_cast<size_t>(entry)];
  RemakeSample();
  WriteComboFace(Settings(), settings_.face, defaultFace_);
  Rebuild();
}

// The reset throws away the user's layout: No is the default answer, so that Enter keeps it.
void CToolbarsDlg::OnReset() {
  if (ShowMessage(m_hWnd, UiText::Res(IDS_RESET_TOOLBARS_QUESTION), {},
                  mb::kYesNo | mb::kIconQuestion | mb::kDefButton2) != button_id::kYes)
    return;
  ResetToolbarSettings(Settings(), Flags());
  settings_ = ToolbarSettings{false, defaultFace_, kDefaultZoom};
  args_.styleFlag = 0;
  args_.styleValue = 1;
  args_.option1 = 1;
  args_.option2 = 0;
  if (!Rebuild()) {
    EndDialog(kToolbarsRebuildFailed);
    return;
  }
  SetButtonCheck(GetDlgItem(IDC_TB_LARGE_ICONS), BST_UNCHECKED);
  CheckRadio({GetDlgItem(IDC_TB_STYLE_0), GetDlgItem(IDC_TB_STYLE_1)}, GetDlgItem(IDC_TB_STYLE_1));
  SetButtonCheck(GetDlgItem(IDC_TB_OPTION_1), BST_CHECKED);
  SetButtonCheck(GetDlgItem(IDC_TB_OPTION_2), BST_UNCHECKED);
  SetButtonCheck(GetDlgItem(IDC_TB_TEXT_LABELS), BST_UNCHECKED);
  ShowZoomAndFace();
  FillList();
  ShowBars();
}

HWND CToolbarsDlg::Rebuild() {
  args_.rebar =
      reinterpret_cast<HWND>(SendToMain(SCM_TOOLBAR_REBUILD, args_.styleFlag, args_.styleValue));
  return args_.rebar;
}

LRESULT CToolbarsDlg::SendToMain(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return args_.mainWindow ? ::SendMessageW(args_.mainWindow, msg, wParam, lParam) : 0;
}

}  // namespace scrv

extern "C" int DoToolbarsDlg(HWND mainWindow, HWND rebar, uint8_t styleFlag, uint8_t styleValue,
                             uint8_t option1, uint8_t option2) {
  return scrv::GuardExport(-1, [&] {
    const std::u16string face = scrv::DefaultComboFace();
    scrv::CToolbarsDlg dlg({mainWindow, rebar, styleFlag, styleValue, option1, option2},
                           scrv::LoadToolbarSettings(scrv::Settings(), scrv::Flags(), face), face);
    return static_cast<int>(dlg.DoModal(GetActiveWindow()));
  });
}
