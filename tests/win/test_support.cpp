#include "test_support.h"

#include <dlgs.h>
#include <shlwapi.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>

#include "../../host/host_rebar.h"
#include "scrvdlgs_api.h"

namespace testing_support {
namespace {

void CopyTree(const std::wstring& from, const std::wstring& to) {
  CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((from + L"*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = fd.cFileName;
    if (name == L"." || name == L"..") continue;
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CopyTree(from + name + L"\\", to + name + L"\\");
    } else {
      std::wstring lower = name;
      CharLowerW(lower.data());
      // The application folder: the library, its resource modules and info files.
      if (lower.size() > 4 && (lower.ends_with(L".dll") || lower.ends_with(L".ini")))
        CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE);
    }
  } while (FindNextFileW(h, &fd));
  FindClose(h);
}

void DeleteTree(const std::wstring& dir) {
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((dir + L"*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring p = dir + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        DeleteTree(p + L"\\");
      } else {
        SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(p.c_str());
      }
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryW(dir.c_str());
}

}  // namespace

std::wstring BinFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  PathRemoveFileSpecW(path);
  return std::wstring(path) + L"\\";
}

void ClearRegistrySettings() {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Korvan");
}

AppFolder::AppFolder(bool iniMode, bool withMui) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static int counter = 0;
  path_ = std::wstring(temp) + L"scrvtest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter) + L"\\";
  DeleteTree(path_);
  CopyTree(BinFolder(), path_);
  if (!withMui) DeleteTree(path_ + L"mui\\");
  if (iniMode) std::ofstream(std::filesystem::path(path_ + L"scUseIni.ini")).put('\n');
}

AppFolder::~AppFolder() {
  DeleteTree(path_);
}

std::string AppFolder::ReadBytes(const std::wstring& relative) const {
  std::ifstream in(std::filesystem::path(path_ + relative), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::wstring AppFolder::IniText(const std::wstring& file, const std::wstring& section,
                                const std::wstring& key) const {
  wchar_t buf[4096] = {};
  GetPrivateProfileStringW(section.c_str(), key.c_str(), L"\x1", buf, 4096, (path_ + file).c_str());
  return buf;
}

Library::Library(const std::wstring& folder) {
  module_ = LoadLibraryW((folder + L"scrvdlgs.dll").c_str());
}

Library::~Library() {
  if (module_) FreeLibrary(module_);
}

namespace {
struct DriverState {
  std::function<void(HWND)> script;
  bool ran = false;
  bool timedOut = false;
  DWORD deadline = 0;
  UINT_PTR timer = 0;
};
DriverState* g_driver = nullptr;

void CALLBACK DriverTick(HWND, UINT, UINT_PTR, DWORD) {
  DriverState* d = g_driver;
  if (!d) return;
  if (!d->ran) {
    HWND dlg = FindThreadDialog();
    if (dlg) {
      d->ran = true;
      d->script(dlg);  // may nest modal loops of its own
      return;
    }
  }
  if (GetTickCount() > d->deadline) {
    // Watchdog: close whatever is still open so the test fails instead of hanging, one dialog
    // per tick (a property sheet ends on its Cancel command, not on EndDialog).
    d->timedOut = true;
    if (HWND dlg = FindThreadDialog()) {
      EndDialog(dlg, IDCANCEL);
      PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    }
  }
}
}  // namespace

ScriptResult RunDialog(const std::function<INT_PTR()>& open,
                       const std::function<void(HWND)>& script, int timeoutMs) {
  DriverState state;
  state.script = script;
  state.deadline = GetTickCount() + static_cast<DWORD>(timeoutMs);
  DriverState* saved = g_driver;
  g_driver = &state;
  state.timer = SetTimer(nullptr, 0, 20, DriverTick);
  ScriptResult r;
  r.result = open();
  KillTimer(nullptr, state.timer);
  g_driver = saved;
  r.scriptRan = state.ran;
  r.timedOut = state.timedOut;
  return r;
}

HWND FindThreadDialog(const std::vector<HWND>& except) {
  struct Ctx {
    HWND found;
    const std::vector<HWND>* except;
  } ctx{nullptr, &except};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(p);
        wchar_t cls[16] = {};
        GetClassNameW(w, cls, 16);
        if (IsWindowVisible(w) && wcscmp(cls, L"#32770") == 0 &&
            std::find(c->except->begin(), c->except->end(), w) == c->except->end()) {
          c->found = w;  // EnumThreadWindows lists the newest first
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return ctx.found;
}

NestedDialogs::NestedDialogs(HWND main, std::vector<std::function<void(HWND)>> scripts)
    : handled_{main}, scripts_(std::move(scripts)), saved_(current_) {
  current_ = this;
  timer_ = SetTimer(nullptr, 0, 20, Tick);
}

NestedDialogs::~NestedDialogs() {
  KillTimer(nullptr, timer_);
  current_ = saved_;
}

void CALLBACK NestedDialogs::Tick(HWND, UINT, UINT_PTR, DWORD) {
  NestedDialogs* s = current_;
  if (!s || s->ran_ >= s->scripts_.size()) return;
  if (HWND box = FindThreadDialog(s->handled_)) {
    s->handled_.push_back(box);
    s->scripts_[s->ran_++](box);
  }
}

void ChooseFile(HWND box, const std::wstring& path, int type) {
  if (type) {
    SendDlgItemMessageW(box, cmb1, CB_SETCURSEL, static_cast<WPARAM>(type - 1), 0);
    for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
      SendMessageW(box, WM_COMMAND, MAKEWPARAM(cmb1, code),
                   reinterpret_cast<LPARAM>(GetDlgItem(box, cmb1)));
  }
  SetDlgItemTextW(box, cmb13, path.c_str());
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

void PumpMessages(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    const DWORD left = end - GetTickCount();
    if (static_cast<LONG>(left) <= 0) break;
    // Sleeps until the next message (or timer) arrives instead of polling.
    MsgWaitForMultipleObjectsEx(0, nullptr, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void Click(HWND dlg, int id) {
  SendMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0);
}

void ChooseComboEntry(HWND dlg, int id, LRESULT entry) {
  HWND combo = GetDlgItem(dlg, id);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void SetText(HWND dlg, int id, const std::wstring& text) {
  SetDlgItemTextW(dlg, id, text.c_str());
}

std::wstring Text(HWND dlg, int id) {
  HWND w = GetDlgItem(dlg, id);
  int n = GetWindowTextLengthW(w);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  GetWindowTextW(w, s.data(), n + 1);
  s.resize(static_cast<size_t>(n));
  return s;
}

bool Checked(HWND dlg, int id) {
  return IsDlgButtonChecked(dlg, id) == BST_CHECKED;
}
UINT CheckState(HWND dlg, int id) {
  return IsDlgButtonChecked(dlg, id);
}
void PutClipboardText(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    memcpy(GlobalLock(h), text.c_str(), bytes);
    GlobalUnlock(h);
    if (!SetClipboardData(CF_UNICODETEXT, h)) GlobalFree(h);
  }
  CloseClipboard();
}

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* p = static_cast<const wchar_t*>(GlobalLock(h))) text = p;
    GlobalUnlock(h);
  }
  CloseClipboard();
  return text;
}

bool Enabled(HWND dlg, int id) {
  return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE;
}

FakeHost::FakeHost() {
  static ATOM cls = [] {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = scrv::kHostMainWindowClass;
    return RegisterClassW(&wc);
  }();
  (void)cls;
  hwnd_ = CreateWindowExW(0, scrv::kHostMainWindowClass, L"Scrivlet", WS_OVERLAPPEDWINDOW, 100, 100,
                          800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

FakeHost::~FakeHost() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK FakeHost::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<FakeHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && msg >= WM_USER && msg < 0xC000) {
    self->messages.push_back({msg, wParam, lParam, {}});
    if (msg == scrv::SCM_PLUGIN_BUSY ||
        msg == scrv::SCM_RELEASE_PLUGIN) {  // a plug-in's path as a global atom
      wchar_t name[256] = {};
      UINT n = GlobalGetAtomNameW(static_cast<ATOM>(lParam), name, 256);
      auto* bytes = reinterpret_cast<const BYTE*>(name);
      self->messages.back().payload.assign(bytes, bytes + n * sizeof(wchar_t));
    }
    if (self->answer) return self->answer(msg, wParam, lParam, self->messages.back());
    return self->DefaultAnswer(msg, wParam, lParam);
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT FakeHost::DefaultAnswer(UINT msg, WPARAM wParam, LPARAM lParam) {
  auto fill = [&](const std::vector<std::wstring>& names, size_t count) -> LRESULT {
    if (count == 0) return static_cast<LRESULT>(names.size());
    auto* out = reinterpret_cast<wchar_t*>(lParam);
    if (!out || count > names.size()) return 0;
    for (size_t i = 0; i < count; ++i) lstrcpynW(out + i * 260, names[i].c_str(), 260);
    return 1;
  };
  LRESULT toolbarAnswer = 0;
  if (rebar && rebar->OnMessage(msg, wParam, lParam, toolbarAnswer)) return toolbarAnswer;
  switch (msg) {
    case scrv::SCM_QUERY:
      if (wParam == scrv::kQueryDpi) return dpi;
      if (wParam == scrv::kQueryVersion && lParam) {
        lstrcpynW(reinterpret_cast<wchar_t*>(lParam), version.c_str(), 64);
        return 1;
      }
      if (wParam == scrv::kQueryRegex && lParam) {
        const auto& query = *reinterpret_cast<const scrv::RegexQuery*>(lParam);
        try {
          std::wregex(query.pattern, std::regex::ECMAScript);
          return scrv::kRegexValid;
        } catch (const std::regex_error&) {
          return scrv::kRegexInvalid;
        }
      }
      return 0;
    case scrv::SCM_PLUGIN_BUSY:
      return !busyPlugIn.empty() && PayloadText(messages.back()) == busyPlugIn;
    case scrv::SCM_DOCUMENT_NAMES:
      return fill(documents, wParam);
    case scrv::SCM_COLUMN_NAMES: {
      size_t doc = HIWORD(wParam) == 0xFFFF ? 0 : HIWORD(wParam);
      return doc < columns.size() ? fill(columns[doc], LOWORD(wParam)) : 0;
    }
  }
  return 0;
}

}  // namespace testing_support
