#include "frame/shell_launcher_win.h"

#include <shellapi.h>

namespace scrv {
namespace {

using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

constexpr char kHtmlHelpClassKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr WORD kHtmlHelpOrdinal = 15;  // HtmlHelpW

// The HTML Help control, found through its class entry and kept for the life of the process;
// a failure to load it is remembered too.
struct HtmlHelpControl {
  HMODULE module = nullptr;
  HtmlHelpFn htmlHelp = nullptr;
  bool tried = false;
};

HMODULE LoadHtmlHelpControl() {
  char path[MAX_PATH] = {};
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kHtmlHelpClassKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    char value[MAX_PATH] = {};
    DWORD type = 0, size = sizeof value - 1;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
        ERROR_SUCCESS) {
      value[size < sizeof value ? size : sizeof value - 1] = '\0';
      if (type == REG_EXPAND_SZ) {
        DWORD n = ExpandEnvironmentStringsA(value, path, MAX_PATH);
        if (n == 0 || n > MAX_PATH) path[0] = '\0';
      } else if (type == REG_SZ) {
        lstrcpynA(path, value, MAX_PATH);
      }
    }
    RegCloseKey(key);
  }
  HMODULE module = path[0] ? LoadLibraryExA(path, nullptr, 0) : nullptr;
  return module ? module : LoadLibraryA("hhctrl.ocx");
}

HtmlHelpControl& Control() {
  static HtmlHelpControl control;
  if (!control.tried) {
    control.tried = true;
    control.module = LoadHtmlHelpControl();
    if (control.module)
      control.htmlHelp = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(
          GetProcAddress(control.module, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
  }
  return control;
}

ShellLauncher g_platform;
ShellLauncher* g_current = &g_platform;

}  // namespace

bool ShellLauncher::OpenAddress(HWND owner, const std::wstring& address) {
  HINSTANCE r = ShellExecuteW(owner, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(r) > 32;
}

void ShellLauncher::OpenHtmlHelp(HWND caller, const std::wstring& file, UINT command,
                                 DWORD_PTR data) {
  if (HtmlHelpFn fn = Control().htmlHelp) fn(caller, file.c_str(), command, data);
}

ShellLauncher& Launcher() {
  return *g_current;
}

ShellLauncher* SetLauncher(ShellLauncher* replacement) {
  ShellLauncher* previous = g_current;
  g_current = replacement ? replacement : &g_platform;
  return previous;
}

}  // namespace scrv
