#pragma once
// The boundary of every export: no exception reaches the host. An export's body runs inside
// GuardExport with the value the export returns when it fails:
//
//   extern "C" int DoSomething(HWND owner, ...) {
//     return scrv::GuardExport(-1, [&] { ... return result; });
//   }
//
// A failure sets the thread's last error: ERROR_OUTOFMEMORY when memory ran out (which is also
// what the platform reports for a dialog object that cannot get its window), and
// ERROR_INTERNAL_ERROR for any other exception. Exceptions thrown inside the handlers of a
// dialog, a property sheet or its pages arrive here too: the window procedure gives them to
// the innermost ModalScope (window_win.h), which ends its loop and throws them again; the
// export's call is the outermost scope, which keeps what no loop took.
//
// For the length of the call the shell is asked for the user's data folder once, however many
// record files the export opens (AppDataScope).

#include <windows.h>

#include <new>
#include <utility>

#include "frame/window_win.h"
#include "settings/app_data_path_win.h"

namespace scrv {

template <class R, class Body>
R GuardExport(R failureValue, Body&& body) noexcept {
  try {
    AppDataScope dataFolders;
    ModalScope call;
    const R result = static_cast<R>(std::forward<Body>(body)());
    call.Rethrow();
    return result;
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_OUTOFMEMORY);
  } catch (...) {
    SetLastError(ERROR_INTERNAL_ERROR);
  }
  return failureValue;
}

}  // namespace scrv
