#include "frame/dpi_win.h"

#include <cwchar>

#include "base/windows_version_win.h"
#include "frame/host_windows_win.h"
#include "frame/window_win.h"
#include "scrvdlgs_api.h"

namespace scrv {
namespace {

const DPI_AWARENESS_CONTEXT kPerMonitorAware = reinterpret_cast<DPI_AWARENESS_CONTEXT>(-3);
const DPI_AWARENESS_CONTEXT kPerMonitorAwareV2 = reinterpret_cast<DPI_AWARENESS_CONTEXT>(-4);

struct DpiApi {
  UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
  UINT(WINAPI* getDpiForSystem)() = nullptr;
  DPI_AWARENESS_CONTEXT(WINAPI* getThreadContext)() = nullptr;
  BOOL(WINAPI* contextsEqual)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT) = nullptr;
  DPI_AWARENESS_CONTEXT(WINAPI* setThreadContext)(DPI_AWARENESS_CONTEXT) = nullptr;
  bool windows10 = false;
  bool windows81 = false;
};

template <typename F>
void Bind(HMODULE user, const char* name, F& fn) {
  fn = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user, name)));
}

const DpiApi& Api() {
  static const DpiApi api = [] {
    DpiApi a;
    a.windows10 = WindowsVersionAtLeast(10, 0);
    a.windows81 = WindowsVersionAtLeast(6, 3);
    if (a.windows10) {
      if (HMODULE user = LoadLibraryExW(L"User32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        Bind(user, "GetDpiForWindow", a.getDpiForWindow);
        Bind(user, "GetDpiForSystem", a.getDpiForSystem);
        Bind(user, "GetThreadDpiAwarenessContext", a.getThreadContext);
        Bind(user, "AreDpiAwarenessContextsEqual", a.contextsEqual);
        Bind(user, "SetThreadDpiAwarenessContext", a.setThreadContext);
      }
    }
    return a;
  }();
  return api;
}

// The screen's DPI is fixed for the life of the process, and reading it takes a display device
// context (a round trip to the display): it is read once.
UINT ScreenDpi() {
  static const UINT screen = [] {
    HDC dc = GetDC(nullptr);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96u;
  }();
  return screen;
}

// GetDpiForSystem answers from the thread's awareness without a round trip, so it is asked
// each time (a thread may change its awareness).
UINT RawSystemDpi() {
  const DpiApi& a = Api();
  return a.getDpiForSystem ? a.getDpiForSystem() : ScreenDpi();
}

// Before Windows 10 the host's main window knows the DPI of the monitor it is on.
UINT DpiFromHost(HWND hwnd) {
  for (HWND w = hwnd; w;) {
    if (IsHostMainWindow(w)) {
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
  UINT dpi = RawSystemDpi();
  return dpi ? dpi : 96;
}

UINT ScalePercentAt(UINT windowDpi) {
  if (!ThreadIsPerMonitorAware()) return 100;
  UINT systemDpi = RawSystemDpi();
  if (!windowDpi || !systemDpi) return 100;
  return static_cast<UINT>(MulDiv(static_cast<int>(windowDpi), 100, static_cast<int>(systemDpi)));
}

UINT WindowScalePercent(HWND hwnd) {
  if (!hwnd || !ThreadIsPerMonitorAware()) return 100;
  const DpiApi& a = Api();
  return ScalePercentAt(a.getDpiForWindow ? a.getDpiForWindow(hwnd) : DpiFromHost(hwnd));
}

bool Windows81OrLater() {
  return Api().windows81;
}

SystemAwareScope::SystemAwareScope() {
  const DpiApi& a = Api();
  if (a.setThreadContext && ThreadContextIs(kPerMonitorAware))
    previous_ = a.setThreadContext(reinterpret_cast<DPI_AWARENESS_CONTEXT>(-2));
}

SystemAwareScope::~SystemAwareScope() {
  if (previous_) Api().setThreadContext(previous_);
}

}  // namespace scrv
