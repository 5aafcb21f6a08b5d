#pragma once
// Installed for its lifetime in place of the platform's outside calls: each one is recorded and
// either answered as the test says or passed on to the platform.

#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frame/system_calls_win.h"

namespace trust_test {

class SystemCallsRecorder : public scrv::SystemCalls {
 public:
  SystemCallsRecorder() : previous_(scrv::SetSystemCalls(this)) {}
  ~SystemCallsRecorder() override { scrv::SetSystemCalls(previous_); }

  // Attributes: the given answer (called on the probe thread), else the platform's.
  std::function<DWORD(const wchar_t*)> attributes;
  std::atomic<int> attributeCalls{0};
  DWORD FileAttributes(const wchar_t* path) override {
    ++attributeCalls;
    return attributes ? attributes(path) : SystemCalls::FileAttributes(path);
  }

  // The verification: the given verdict, else the platform's; the request as it came.
  struct TrustCall {
    HWND window;
    GUID action;
    DWORD dataSize, uiChoice, revocation, unionChoice, stateAction, providerFlags;
    DWORD fileInfoSize = 0;
    std::wstring path;
    HANDLE file = nullptr;
    const GUID* knownSubject = nullptr;
    LONG result = 0;
  };
  std::optional<LONG> verdict;
  std::vector<TrustCall> trustCalls;
  LONG VerifyTrust(HWND window, GUID* action, WINTRUST_DATA* data) override {
    TrustCall c{window,
                *action,
                data->cbStruct,
                data->dwUIChoice,
                data->fdwRevocationChecks,
                data->dwUnionChoice,
                data->dwStateAction,
                data->dwProvFlags};
    if (data->dwUnionChoice == WTD_CHOICE_FILE && data->pFile) {
      c.fileInfoSize = data->pFile->cbStruct;
      c.path = data->pFile->pcwszFilePath ? data->pFile->pcwszFilePath : L"";
      c.file = data->pFile->hFile;
      c.knownSubject = data->pFile->pgKnownSubject;
    }
    c.result = verdict ? *verdict : SystemCalls::VerifyTrust(window, action, data);
    trustCalls.push_back(c);
    return c.result;
  }

  // Libraries loaded for their code (plug-ins): recorded, then loaded.
  std::vector<std::wstring> loadedLibraries;
  HMODULE LoadCodeLibrary(const wchar_t* path, DWORD flags) override {
    loadedLibraries.push_back(path ? path : L"");
    return SystemCalls::LoadCodeLibrary(path, flags);
  }

  // Programs: recorded; `launch` decides what happens (default: nothing starts).
  struct Launch {
    HWND owner;
    DWORD size, mask;
    std::wstring verb, file, parameters;
    int show;
  };
  std::vector<Launch> launches;
  std::function<BOOL(SHELLEXECUTEINFOW*)> launch;
  BOOL Execute(SHELLEXECUTEINFOW* info) override {
    launches.push_back({info->hwnd, info->cbSize, info->fMask, info->lpVerb ? info->lpVerb : L"",
                        info->lpFile ? info->lpFile : L"",
                        info->lpParameters ? info->lpParameters : L"", info->nShow});
    return launch ? launch(info) : FALSE;
  }
  std::vector<std::wstring> commandLines;
  bool StartCommandLine(const std::wstring& commandLine) override {
    commandLines.push_back(commandLine);
    return true;
  }
  std::vector<std::wstring> deletedFiles;
  int ShellDeleteFile(HWND, const std::wstring& path) override {
    deletedFiles.push_back(path);
    return 0;
  }
  int associationNotices = 0;
  void NotifyAssociationsChanged() override { ++associationNotices; }

 private:
  scrv::SystemCalls* previous_;
};

// A real process that ends at once with `code`, handed back as the shell would with
// SEE_MASK_NOCLOSEPROCESS.
inline BOOL StartExitingProcess(SHELLEXECUTEINFOW* info, int code) {
  std::wstring line = L"cmd.exe /c exit " + std::to_wstring(code);
  STARTUPINFOW si = {sizeof si};
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &si, &pi))
    return FALSE;
  CloseHandle(pi.hThread);
  if (info->fMask & SEE_MASK_NOCLOSEPROCESS)
    info->hProcess = pi.hProcess;
  else
    CloseHandle(pi.hProcess);
  return TRUE;
}

}  // namespace trust_test
