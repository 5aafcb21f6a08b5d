#pragma once
// The two ways the library hands something to another program: the shell's default verb on an
// address (the browser, a mail program) and the HTML Help viewer. Both go through one
// replaceable launcher so that a test can see what would have been opened.

#include <windows.h>

#include <string>

namespace scrv {

class ShellLauncher {
 public:
  virtual ~ShellLauncher() = default;
  // ShellExecuteW with the default verb and SW_SHOWNORMAL; true when it started (result > 32).
  virtual bool OpenAddress(HWND owner, const std::wstring& address);
  // HtmlHelpW of the HTML Help control; does nothing when the control cannot be loaded.
  virtual void OpenHtmlHelp(HWND caller, const std::wstring& file, UINT command, DWORD_PTR data);
};

// The launcher in use: the platform's unless one was installed.
ShellLauncher& Launcher();
// Installs `replacement` (null restores the platform's) and returns the one it replaces.
ShellLauncher* SetLauncher(ShellLauncher* replacement);

}  // namespace scrv
