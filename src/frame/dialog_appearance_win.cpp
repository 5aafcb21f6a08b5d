#include "frame/dialog_appearance_win.h"

#include <vector>

#include "base/module_state_win.h"
#include "frame/window_win.h"
#include "frame_ids.h"
#include "settings/app_settings_win.h"
#include "settings/settings_store.h"

namespace scrv {
namespace {

constexpr wchar_t kPersonalizeKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// A shared icon stays valid while its module is loaded, so the caption icons are loaded once.
struct CachedIcons {
  HMODULE module = nullptr;
  UINT id = 0;
  HICON big = nullptr;
  HICON small = nullptr;
};
CachedIcons g_icons;

// The dialog icons of static control 1920, by design and size (one size per DPI in use): an
// icon loaded at a size of its own cannot be shared by the system, so the library keeps it.
struct SizedIcon {
  HMODULE module;
  UINT id;
  int cx, cy;
  HICON icon;
};
std::vector<SizedIcon> g_dialogIcons;

HICON LoadShared(HMODULE module, UINT id, int cx, int cy) {
  return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy,
                                       (cx ? 0u : LR_DEFAULTSIZE) | LR_SHARED));
}

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

bool HighContrastOn() {
  HIGHCONTRASTW hc = {sizeof hc};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) &&
         (hc.dwFlags & HCF_HIGHCONTRASTON);
}

bool IsDarkTheme(SettingsStore& settings) {
  return !HighContrastOn() && scrv::IsDarkTheme(settings, SystemAppsUseLightTheme);
}

bool IsDarkTheme() {
  return IsDarkTheme(Settings());
}

void SetBigIcon(HWND dialog, SettingsStore& settings) {
  HMODULE images = Module().imageModule;
  if (!images) return;
  UINT id = DialogIconId(settings);
  if (g_icons.module != images || g_icons.id != id || !g_icons.big) {
    g_icons = {
        images, id, LoadShared(images, id, 0, 0),
        LoadShared(images, id, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON))};
  }
  // The caption shows the icon's own small image rather than the big one shrunk; set first,
  // it also spares the window making that shrunk copy when the big icon arrives.
  if (g_icons.small)
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_icons.small));
  if (g_icons.big)
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_icons.big));
}

void ForgetAppIcons() {
  g_icons = {};
  for (const SizedIcon& sized : g_dialogIcons) DestroyIcon(sized.icon);
  g_dialogIcons.clear();
}

bool SetDialogIcon(HWND dialog) {
  HMODULE images = Module().imageModule;
  if (!images) return false;
  // A caption icon set when this dialog opened tells which design the setting chose.
  const auto caption = reinterpret_cast<HICON>(SendMessageW(dialog, WM_GETICON, ICON_BIG, 0));
  const UINT id = caption && caption == g_icons.big && g_icons.module == images
                      ? g_icons.id
                      : DialogIconId(Settings());
  UINT scale = WindowScalePercent(dialog);
  int cx = MulDiv(GetSystemMetrics(SM_CXICON), static_cast<int>(scale), 100);
  int cy = MulDiv(GetSystemMetrics(SM_CYICON), static_cast<int>(scale), 100);
  HICON icon = nullptr;
  for (const SizedIcon& sized : g_dialogIcons)
    if (sized.module == images && sized.id == id && sized.cx == cx && sized.cy == cy)
      icon = sized.icon;
  if (!icon) {
    icon = static_cast<HICON>(LoadImageW(images, MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy, 0));
    if (!icon) return false;
    g_dialogIcons.push_back({images, id, cx, cy, icon});
  }
  SendDlgItemMessageW(dialog, IDC_DIALOG_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  return true;
}

ControlColors EditColors(bool dark) {
  if (dark) return {kDarkTextColor, kDarkBackgroundColor};
  return {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
}

COLORREF LinkColor(bool dark) {
  if (HighContrastOn()) return GetSysColor(COLOR_HOTLIGHT);
  return dark ? kDarkLinkColor : kLinkColor;
}

}  // namespace scrv
