#pragma once
// Starting another program, optionally waiting for it while the caller's windows stay alive.

#include <windows.h>

namespace scrv {

// The shell's default verb on `file` with `parameters`, shown normally. When waiting: the
// program's exit code, after pumping this thread's messages (dispatched, not translated) until
// it ends; a quit request taken meanwhile is posted again afterwards. 0xFFFFFFFF when the
// program cannot be started, and always when not waiting.
DWORD RunProgram(HWND owner, const wchar_t* file, const wchar_t* parameters, bool wait);

}  // namespace scrv
