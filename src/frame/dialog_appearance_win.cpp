#include "frame/dialog_appearance_win.h"

#include "frame/module_state_win.h"
#include "frame/window_win.h"
#include "frame_ids.h"
#include "settings/settings_store.h"

namespace scrv {
namespace {

constexpr wchar_t kPersonalizeKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// A shared icon stays valid while its module is loaded, so the caption icon is loaded once.
struct CachedIcon {
  HMODULE module = nullptr;
  UINT id = 0;
  HICON icon = nullptr;
};
CachedIcon g_bigIcon;

}  // namespace

std::optional<uint32_t> SystemAppsUseLightTheme() {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kPersonalizeKey, L"AppsUseLightTheme", RRF_RT_REG_DWORD,
                   nullptr, &value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

UINT DialogIconId(SettingsStore& settings) {
  return scrv::DialogIconId(settings, Module().packaged);
}

bool IsDarkTheme(SettingsStore& settings) {
  return scrv::IsDarkTheme(settings, SystemAppsUseLightTheme);
}

bool IsDarkTheme() {
  return IsDarkTheme(Settings());
}

void SetBigIcon(HWND dialog, SettingsStore& settings) {
  HMODULE images = Module().imageModule;
  if (!images) return;
  UINT id = DialogIconId(settings);
  if (g_bigIcon.module != images || g_bigIcon.id != id || !g_bigIcon.icon) {
    // Shared: the system keeps it and frees it with the module.
    g_bigIcon = {images, id,
                 static_cast<HICON>(LoadImageW(images, MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0,
                                               LR_DEFAULTSIZE | LR_SHARED))};
  }
  if (g_bigIcon.icon)
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_bigIcon.icon));
}

void ForgetAppIcons() {
  g_bigIcon = {};
}

HICON SetDialogIcon(HWND dialog) {
  HMODULE images = Module().imageModule;
  if (!images) return nullptr;
  UINT scale = WindowScalePercent(dialog);
  int cx = MulDiv(GetSystemMetrics(SM_CXICON), static_cast<int>(scale), 100);
  int cy = MulDiv(GetSystemMetrics(SM_CYICON), static_cast<int>(scale), 100);
  auto icon = static_cast<HICON>(
      LoadImageW(images, MAKEINTRESOURCEW(DialogIconId(Settings())), IMAGE_ICON, cx, cy, 0));
  if (icon)
    SendDlgItemMessageW(dialog, IDC_DIALOG_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  return icon;
}

ControlColors EditColors(bool dark) {
  if (dark) return {kDarkTextColor, kDarkBackgroundColor};
  return {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
}

}  // namespace scrv
