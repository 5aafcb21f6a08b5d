#include "frame/signature_check_win.h"

#include <softpub.h>
#include <wintrust.h>

#include <cstddef>
#include <cwchar>
#include <new>
#include <string>

#include "frame/message_box_win.h"
#include "base/module_state_win.h"
#include "frame/system_calls_win.h"
#include "base/text_win.h"
#include "resource_ids.h"

namespace scrv {
namespace {

// The verification data as the current system headers have it: the older 80-byte structure and
// the signature settings pointer after it (null: no settings), 88 bytes in all.
struct WintrustData {
  WINTRUST_DATA data;
  void* signatureSettings;
};
static_assert(sizeof(WintrustData) == 88 && offsetof(WintrustData, signatureSettings) == 80);
static_assert(sizeof(WINTRUST_FILE_INFO) == 32);

constexpr SIZE_T kProbeStack = 2048;
constexpr UINT kProbeErrorMode = SEM_NOOPENFILEERRORBOX;          // 0x8000
constexpr LONG kChainNotTrusted = static_cast<LONG>(0x800B010A);  // CERT_E_CHAINING
constexpr size_t kMessageCapacity = 260;

// What the probe thread owns: its own copy of the path and a reference on the module whose code
// it runs, so that neither goes away under a probe that outlives its caller's wait.
struct ProbeJob {
  SystemCalls* calls;
  HMODULE module;
  std::wstring path;
};

DWORD WINAPI ProbeThread(void* param) {
  auto* job = static_cast<ProbeJob*>(param);
  UINT previous = SetErrorMode(kProbeErrorMode);
  DWORD attributes = job->calls->FileAttributes(job->path.c_str());
  SetErrorMode(previous);
  HMODULE module = job->module;
  delete job;
  FreeLibraryAndExitThread(module, attributes);
}

// String 130 and the verdict, as the question's main text.
std::u16string FailureText(LONG result) {
  std::wstring text = LoadResString(IDS_SIGNATURE_FAILED);
  if (text.size() >= kMessageCapacity) text.resize(kMessageCapacity - 1);
  wchar_t code[24];
  swprintf(code, 24, L" (0x%x)", static_cast<unsigned>(result));
  return ToU(text + code);
}

}  // namespace

DWORD ProbeFileAttributes(const wchar_t* path) {
  if (!path) return INVALID_FILE_ATTRIBUTES;
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                          reinterpret_cast<LPCWSTR>(&ProbeThread), &module))
    return INVALID_FILE_ATTRIBUTES;
  auto* job = new (std::nothrow) ProbeJob{&System(), module, path};
  HANDLE thread = job ? CreateThread(nullptr, kProbeStack, ProbeThread, job, 0, nullptr) : nullptr;
  if (!thread) {
    delete job;
    FreeLibrary(module);
    return INVALID_FILE_ATTRIBUTES;
  }
  DWORD attributes = INVALID_FILE_ATTRIBUTES;
  if (WaitForSingleObject(thread, kProbeTimeoutMs) == WAIT_OBJECT_0) {
    if (!GetExitCodeThread(thread, &attributes)) attributes = INVALID_FILE_ATTRIBUTES;
  } else {
    CancelSynchronousIo(thread);
  }
  CloseHandle(thread);
  return attributes;
}

int VerifyFileSignature(const wchar_t* path) {
  ModuleState& m = Module();
  if (m.packaged || m.trustAccepted) return 1;
  // A missing file and a path that does not answer read as 0xFFFFFFFF: the folder bit is set.
  if (ProbeFileAttributes(path) & FILE_ATTRIBUTE_DIRECTORY) return 0;

  WINTRUST_FILE_INFO file = {};
  file.cbStruct = sizeof file;
  file.pcwszFilePath = path;
  WintrustData full = {};
  WINTRUST_DATA& data = full.data;
  data.cbStruct = sizeof full;
  data.dwUIChoice = WTD_UI_NONE;
  data.fdwRevocationChecks = WTD_REVOKE_NONE;
  data.dwUnionChoice = WTD_CHOICE_FILE;
  data.pFile = &file;
  data.dwStateAction = 0;
  data.dwProvFlags = WTD_REVOCATION_CHECK_NONE;
  GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
  LONG result = System().VerifyTrust(nullptr, &action, &data);
  if (result == 0) return 1;
  if (result == kChainNotTrusted) {
    m.trustAccepted = true;
    return 1;
  }
  bool dontAskAgain = false;
  int choice = AskProceed(GetActiveWindow(), UiText::Of(FailureText(result)), UiText::Of(ToU(path)),
                          UiText::Res(IDS_SIGNATURE_PROCEED), TaskIcon::kError, &dontAskAgain);
  if (choice != 1) return 0;
  if (dontAskAgain) m.trustAccepted = true;
  return 1;
}

}  // namespace scrv
