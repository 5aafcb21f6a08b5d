#include "frame/dpi_win.h"

#include <cwchar>

#include "scrvdlgs_api.h"
#include "frame/window_win.h"

namespace scrv {
namespace {

const DPI_AWARENESS_CONTEXT kPerMonitorAware = reinterpret_cast<DPI_AWARENESS_CONTEXT>(-3);
const DPI_AWARENESS_CONTEXT kPerMonitorAwareV2 = reinterpret_cast<DPI_AWARENESS_CONTEXT>(-4);

struct DpiApi {
  UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
  UINT(WINAPI* getDpiForSystem)() = nullptr;
  DPI_AWARENESS_CONTEXT(WINAPI* getThreadContext)() = nullptr;
  BOOL(WINAPI* contextsEqual)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT) = nullptr;
  bool windows10 = false;
  bool windows81 = false;
};

template <typename F>
void Bind(HMODULE user, const char* name, F& fn) {
  fn = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user, name)));
}

bool VersionAtLeast(DWORD major, DWORD minor) {
  OSVERSIONINFOEXW vi = {sizeof vi};
  vi.dwMajorVersion = major;
  vi.dwMinorVersion = minor;
  DWORDLONG mask = 0;
  mask = VerSetConditionMask(mask, VER_MAJORVERSION, VER_GREATER_EQUAL);
  mask = VerSetConditionMask(mask, VER_MINORVERSION, VER_GREATER_EQUAL);
  mask = VerSetConditionMask(mask, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
  return VerifyVersionInfoW(&vi, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR,
                            mask) != FALSE;
}

const DpiApi& Api() {
  static const DpiApi api = [] {
    DpiApi a;
    a.windows10 = VersionAtLeast(10, 0);
    a.windows81 = VersionAtLeast(6, 3);
    if (a.windows10) {
      if (HMODULE user = LoadLibraryExW(L"User32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        Bind(user, "GetDpiForWindow", a.getDpiForWindow);
        Bind(user, "GetDpiForSystem", a.getDpiForSystem);
        Bind(user, "GetThreadDpiAwarenessContext", a.getThreadContext);
        Bind(user, "AreDpiAwarenessContextsEqual", a.contextsEqual);
      }
    }
    return a;
  }();
  return api;
}

UINT ScreenDpi() {
  HDC dc = GetDC(nullptr);
  int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
  if (dc) ReleaseDC(nullptr, dc);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

// Before Windows 10 the host's main window knows the DPI of the monitor it is on.
UINT DpiFromHost(HWND hwnd) {
  for (HWND w = hwnd; w;) {
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    if (wcscmp(cls, kHostMainWindowClass) == 0) {
      UINT dpi = static_cast<UINT>(SendMessageW(w, SCM_QUERY, kQueryDpi, 0));
      return dpi ? dpi : ScreenDpi();
    }
    HWND parent = GetParent(w);
    w = parent ? parent : GetWindow(w, GW_OWNER);
  }
  return ScreenDpi();
}

bool ThreadContextIs(DPI_AWARENESS_CONTEXT context) {
  const DpiApi& a = Api();
  return a.getThreadContext && a.contextsEqual &&
         a.contextsEqual(a.getThreadContext(), context) != FALSE;
}

}  // namespace

bool ThreadIsPerMonitorAware() {
  const DpiApi& a = Api();
  if (a.getThreadContext && a.contextsEqual) return ThreadContextIs(kPerMonitorAware);
  return !a.windows10 && a.windows81;
}

bool ThreadIsPerMonitorAwareV2() {
  return ThreadContextIs(kPerMonitorAwareV2);
}

UINT WindowDpi(HWND hwnd) {
  const DpiApi& a = Api();
  UINT dpi = a.getDpiForWindow && hwnd ? a.getDpiForWindow(hwnd) : DpiFromHost(hwnd);
  return dpi ? dpi : SystemDpi();
}

UINT SystemDpi() {
  const DpiApi& a = Api();
  UINT dpi = a.getDpiForSystem ? a.getDpiForSystem() : ScreenDpi();
  return dpi ? dpi : 96;
}

UINT WindowScalePercent(HWND hwnd) {
  if (!hwnd || !ThreadIsPerMonitorAware()) return 100;
  const DpiApi& a = Api();
  UINT windowDpi = a.getDpiForWindow ? a.getDpiForWindow(hwnd) : DpiFromHost(hwnd);
  UINT systemDpi = a.getDpiForSystem ? a.getDpiForSystem() : ScreenDpi();
  if (!windowDpi || !systemDpi) return 100;
  return static_cast<UINT>(MulDiv(static_cast<int>(windowDpi), 100, static_cast<int>(systemDpi)));
}

}  // namespace scrv
