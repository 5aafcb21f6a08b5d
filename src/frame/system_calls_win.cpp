#include "frame/system_calls_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include <vector>

namespace scrv {
namespace {

SystemCalls g_platform;
SystemCalls* g_current = &g_platform;

}  // namespace

DWORD SystemCalls::FileAttributes(const wchar_t* path) {
  return GetFileAttributesW(path);
}

LONG SystemCalls::VerifyTrust(HWND window, GUID* action, WINTRUST_DATA* data) {
  return WinVerifyTrust(window, action, data);
}

HMODULE SystemCalls::LoadCodeLibrary(const wchar_t* path, DWORD flags) {
  return LoadLibraryExW(path, nullptr, flags);
}

BOOL SystemCalls::Execute(SHELLEXECUTEINFOW* info) {
  return ::ShellExecuteExW(info);
}

bool SystemCalls::StartCommandLine(const std::wstring& commandLine) {
  // CreateProcessW may write into the command line.
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  STARTUPINFOW si = {sizeof si};
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

int SystemCalls::ShellDeleteFile(HWND owner, const std::wstring& path) {
  // The operation takes a list of paths ended by an empty one.
  std::wstring from = path;
  from.append(2, L'\0');
  SHFILEOPSTRUCTW op = {};
  op.hwnd = owner;
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION;
  return SHFileOperationW(&op);
}

void SystemCalls::NotifyAssociationsChanged() {
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSHNOWAIT, nullptr, nullptr);  // flags 0x3000
}

SystemCalls& System() {
  return *g_current;
}

SystemCalls* SetSystemCalls(SystemCalls* replacement) {
  SystemCalls* previous = g_current == &g_platform ? nullptr : g_current;
  g_current = replacement ? replacement : &g_platform;
  return previous;
}

}  // namespace scrv
