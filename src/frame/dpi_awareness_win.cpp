#include "frame/dpi_awareness_win.h"

#include "frame/dpi_win.h"

namespace scrv {
namespace {

using SetContextFn = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
const DPI_AWARENESS_CONTEXT kSystemAware = reinterpret_cast<DPI_AWARENESS_CONTEXT>(-2);

// Windows 10 and later only; looked up in the system's own user32.
SetContextFn SetContext() {
  static const SetContextFn fn = [] {
    HMODULE user = LoadLibraryExW(L"User32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return user ? reinterpret_cast<SetContextFn>(
                      reinterpret_cast<void*>(GetProcAddress(user, "SetThreadDpiAwarenessContext")))
                : nullptr;
  }();
  return fn;
}

}  // namespace

ScopedSystemDpiAwareness::ScopedSystemDpiAwareness() {
  if (ThreadIsPerMonitorAware() && SetContext()) previous_ = SetContext()(kSystemAware);
}

ScopedSystemDpiAwareness::~ScopedSystemDpiAwareness() {
  if (previous_) SetContext()(previous_);
}

}  // namespace scrv
