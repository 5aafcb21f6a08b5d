#pragma once
// Dialogs that the library does not scale itself run with the thread switched from per-monitor
// to system DPI awareness, so that the system scales them as a whole.

#include <windows.h>

namespace scrv {

// For its lifetime, a thread that is per-monitor aware runs system aware; any other thread is
// left as it is. The previous awareness comes back at the end.
class ScopedSystemDpiAwareness {
 public:
  ScopedSystemDpiAwareness();
  ~ScopedSystemDpiAwareness();
  ScopedSystemDpiAwareness(const ScopedSystemDpiAwareness&) = delete;
  ScopedSystemDpiAwareness& operator=(const ScopedSystemDpiAwareness&) = delete;

 private:
  DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

}  // namespace scrv
