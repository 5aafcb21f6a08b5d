#pragma once
// The platform calls with effects beyond the library's own windows: reading a file's attributes
// (on the probe thread), the signature check, loading a plug-in's library, starting programs,
// deleting files through the shell and telling the shell that associations changed. They go
// through one replaceable object so that a test can stand in for a path that never answers, a
// signature verdict, or a program, and can see what would have been loaded or started.

#include <windows.h>

#include <wintrust.h>

#include <string>

namespace scrv {

class SystemCalls {
 public:
  virtual ~SystemCalls() = default;
  // GetFileAttributesW; called on the probe thread.
  virtual DWORD FileAttributes(const wchar_t* path);
  virtual LONG VerifyTrust(HWND window, GUID* action, WINTRUST_DATA* data);
  // LoadLibraryExW: a library whose code runs in the process (a plug-in).
  virtual HMODULE LoadCodeLibrary(const wchar_t* path, DWORD flags);
  // ShellExecuteExW (a name of its own: the platform's is a macro).
  virtual BOOL Execute(SHELLEXECUTEINFOW* info);
  // Starts a command line (CreateProcessW) without waiting; true when it started.
  virtual bool StartCommandLine(const std::wstring& commandLine);
  // Deletes a file through the shell's file operation, silently and without confirmation;
  // 0 or the operation's error.
  virtual int ShellDeleteFile(HWND owner, const std::wstring& path);
  // SHChangeNotify with SHCNE_ASSOCCHANGED and the flush flags.
  virtual void NotifyAssociationsChanged();
};

// The calls in use: the platform's unless a replacement is installed.
SystemCalls& System();
// Installs `replacement` (null restores the platform's) and returns the one it replaces.
SystemCalls* SetSystemCalls(SystemCalls* replacement);

}  // namespace scrv
