#pragma once
// DPI queries of the dialogs: the thread's awareness, a window's DPI and the system DPI. The
// per-monitor functions exist only on Windows 10 and later and are looked up at run time.

#include <windows.h>

namespace scrv {

// The thread runs per-monitor aware (version 1): templates are scaled to the owner's monitor.
bool ThreadIsPerMonitorAware();
// The thread runs per-monitor aware, version 2: the resizing engine follows the window's scale.
bool ThreadIsPerMonitorAwareV2();
// The DPI of the monitor a window is on (before Windows 10 asked of the host's main window).
UINT WindowDpi(HWND hwnd);
// The scale in percent of the system DPI that a window at `windowDpi` has (100 when the thread
// is not per-monitor aware): what WindowScalePercent says once the window's DPI is known.
UINT ScalePercentAt(UINT windowDpi);
UINT SystemDpi();
// Windows 8.1 (version 6.3) or later.
bool Windows81OrLater();

// For its lifetime a per-monitor aware thread runs system aware: dialogs that are not scaled to
// the owner's monitor (the system's colour chooser, say) then come out at the system DPI.
class SystemAwareScope {
 public:
  SystemAwareScope();
  ~SystemAwareScope();
  SystemAwareScope(const SystemAwareScope&) = delete;
  SystemAwareScope& operator=(const SystemAwareScope&) = delete;

 private:
  DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

}  // namespace scrv
