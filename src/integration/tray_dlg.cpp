#include "integration/tray_dlg.h"

#include <commctrl.h>

#include "base/text_win.h"
#include "controls/list_columns_win.h"
#include "frame/export_guard_win.h"
#include "base/command_table.h"

namespace scrv {
namespace {

// The click combos in the order of TrayClick.
constexpr int kClickCombos[kTrayClickCount] = {IDC_TRAY_LEFT, IDC_TRAY_RIGHT, IDC_TRAY_MIDDLE,
                                               IDC_TRAY_DOUBLE};
constexpr int kHotKeyControls[kTrayHotKeyCount] = {IDC_TRAY_HOT_KEY, IDC_TRAY_EDIT_HOT_KEY};

// The menus dialog opens on the tray's first menu.
constexpr int32_t kTrayMenu1Index = 2;

// Refused combinations of the hot key controls and what stands in for them.
constexpr WPARAM kRefusedCombinations = HKCOMB_NONE | HKCOMB_S | HKCOMB_C | HKCOMB_SC;
constexpr WORD kReplacementModifiers = HOTKEYF_CONTROL | HOTKEYF_ALT;
static_assert(HOTKEYF_SHIFT == hot_key::kShift && HOTKEYF_CONTROL == hot_key::kControl &&
              HOTKEYF_ALT == hot_key::kAlt && HOTKEYF_EXT == hot_key::kExtended);

}  // namespace

BOOL CCustomizeTrayDlg::OnInitDialog() {
  FillCombos();
  for (int id : kHotKeyControls)
    SendDlgItemMessage(id, HKM_SETRULES, kRefusedCombinations,
                       MAKELPARAM(kReplacementModifiers, 0));
  ShowOptions(LoadTrayOptions(Settings()));
  return TRUE;
}

void CCustomizeTrayDlg::FillCombos() {
  std::array<std::wstring, kTrayEntryCount> entries;
  entries[0] = LoadResString(IDS_TRAY_NOTHING);
  entries[1] = LoadResString(IDS_TRAY_MENU1);
  entries[2] = LoadResString(IDS_TRAY_MENU2);
  for (size_t i = 0; i < kTrayCommandCount; ++i)
    entries[kTrayFixedEntries + i] = ToW(CommandNameOf(ToU(LoadResString(kTrayCommands[i]))));
  for (int id : kClickCombos) {
    HWND combo = GetDlgItem(id);
    ListFillScope fill(combo);
    for (const std::wstring& entry : entries)
      ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  }
}

void CCustomizeTrayDlg::ShowOptions(const TrayOptions& options) {
  for (size_t c = 0; c < kTrayClickCount; ++c)
    SendDlgItemMessage(kClickCombos[c], CB_SETCURSEL, static_cast<WPARAM>(options.entries[c]));
  for (size_t k = 0; k < kTrayHotKeyCount; ++k)
    SendDlgItemMessage(kHotKeyControls[k], HKM_SETHOTKEY, options.hotKeys[k]);
  EnableDlgItem(IDC_TRAY_DOUBLE, options.DoubleClickAllowed());
}

TrayOptions CCustomizeTrayDlg::ReadOptions() const {
  TrayOptions o;
  for (size_t c = 0; c < kTrayClickCount; ++c)
    o.entries[c] = static_cast<int>(SendDlgItemMessage(kClickCombos[c], CB_GETCURSEL));
  for (size_t k = 0; k < kTrayHotKeyCount; ++k)
    o.hotKeys[k] = static_cast<uint16_t>(SendDlgItemMessage(kHotKeyControls[k], HKM_GETHOTKEY));
  return o;
}

void CCustomizeTrayDlg::ApplyLeftClickRule() {
  TrayOptions o = ReadOptions();
  o.ApplyLeftClickRule();
  SendDlgItemMessage(IDC_TRAY_DOUBLE, CB_SETCURSEL,
                     static_cast<WPARAM>(o.entries[kTrayDoubleClick]));
  EnableDlgItem(IDC_TRAY_DOUBLE, o.DoubleClickAllowed());
}

bool CCustomizeTrayDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_TRAY_LEFT:
      if (code == CBN_SELCHANGE) ApplyLeftClickRule();
      return true;
    case IDC_TRAY_MENUS:
      DoMenu(m_hWnd, kTrayMenu1Index);
      return true;
    case IDC_TRAY_RESET: {
      TrayOptions defaults = DefaultTrayOptions();
      defaults.ApplyLeftClickRule();
      ShowOptions(defaults);
      return true;
    }
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

void CCustomizeTrayDlg::OnOK() {
  TrayOptions o = ReadOptions();
  o.ApplyLeftClickRule();
  SaveTrayOptions(Settings(), o);
  EndDialog(IDOK);
}

}  // namespace scrv

extern "C" int DoCustomizeTray(HWND owner) {
  return scrv::GuardExport(0, [&] {
    scrv::CCustomizeTrayDlg dlg;
    return dlg.DoModal(owner) == IDOK ? 1 : 0;
  });
}
