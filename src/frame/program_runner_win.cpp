#include "frame/program_runner_win.h"

#include <shellapi.h>

#include "frame/system_calls_win.h"

namespace scrv {
namespace {

static_assert(sizeof(SHELLEXECUTEINFOW) == 112);

constexpr DWORD kNotRun = 0xFFFFFFFF;

// Waits for `process`, dispatching what arrives meanwhile. Returns the quit request's exit
// code when one was taken from the queue.
bool WaitPumping(HANDLE process, int& quitCode) {
  bool quit = false;
  for (;;) {
    MSG msg;
    while (!quit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        quitCode = static_cast<int>(msg.wParam);
        break;
      }
      DispatchMessageW(&msg);
    }
    // After a quit request only the program's end is waited for.
    DWORD r = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, quit ? 0 : QS_ALLINPUT);
    if (r != WAIT_OBJECT_0 + 1) return quit;  // ended, or the wait itself failed
  }
}

}  // namespace

DWORD RunProgram(HWND owner, const wchar_t* file, const wchar_t* parameters, bool wait) {
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = wait ? SEE_MASK_NOCLOSEPROCESS : 0;
  info.hwnd = owner;
  info.lpFile = file;
  info.lpParameters = parameters;
  info.nShow = SW_SHOWNORMAL;
  if (!System().Execute(&info) || !wait || !info.hProcess) return kNotRun;
  int quitCode = 0;
  bool quit = WaitPumping(info.hProcess, quitCode);
  DWORD code = kNotRun;
  if (!GetExitCodeProcess(info.hProcess, &code)) code = kNotRun;
  CloseHandle(info.hProcess);
  if (quit) PostQuitMessage(quitCode);
  return code;
}

}  // namespace scrv
