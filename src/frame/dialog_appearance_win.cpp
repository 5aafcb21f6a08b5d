#include "frame/dialog_appearance_win.h"

#include "frame/module_state_win.h"
#include "frame/window_win.h"
#include "frame_ids.h"
#include "settings/settings_store.h"

namespace scrv {
namespace {

constexpr wchar_t kPersonalizeKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

std::optional<uint32_t> SystemAppsUseLightTheme() {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kPersonalizeKey, L"AppsUseLightTheme", RRF_RT_REG_DWORD,
                   nullptr, &value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

HICON LoadAppIcon(int cx, int cy, UINT flags) {
  HMODULE images = Module().imageModule;
  if (!images) return nullptr;
  return static_cast<HICON>(
      LoadImageW(images, MAKEINTRESOURCEW(DialogIconId()), IMAGE_ICON, cx, cy, flags));
}

}  // namespace

UINT DialogIconId() {
  return scrv::DialogIconId(Settings(), Module().packaged);
}

bool IsDarkTheme() {
  return scrv::IsDarkTheme(Settings(), SystemAppsUseLightTheme);
}

void SetBigIcon(HWND dialog) {
  // Shared: the system keeps one copy per module and size and frees it with the module.
  if (HICON icon = LoadAppIcon(0, 0, LR_DEFAULTSIZE | LR_SHARED))
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

HICON SetDialogIcon(HWND dialog) {
  UINT scale = WindowScalePercent(dialog);
  int cx = MulDiv(GetSystemMetrics(SM_CXICON), static_cast<int>(scale), 100);
  int cy = MulDiv(GetSystemMetrics(SM_CYICON), static_cast<int>(scale), 100);
  HICON icon = LoadAppIcon(cx, cy, 0);
  if (icon)
    SendDlgItemMessageW(dialog, IDC_DIALOG_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  return icon;
}

ControlColors EditColors(bool dark) {
  if (dark) return {kDarkTextColor, kDarkBackgroundColor};
  return {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
}

}  // namespace scrv
