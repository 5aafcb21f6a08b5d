#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <regex>
#include <string>

#include "host_app.h"
#include "host_condition_block.h"
#include "host_rebar.h"
#include "scrvdlgs_api.h"

namespace {

constexpr int kMenuFirstDemo = 1000;
constexpr int kMenuGallery = 900;
constexpr int kMenuExit = 901;
HWND g_log = nullptr;
unsigned g_dpiQuestions = 0;  // since the current open began
UINT g_lastDpi = 0;
HostRebar* g_rebar = nullptr;
bool g_logging = true;

// The fake documents the host has open, with their columns.
struct FakeDocument {
  const wchar_t* name;
  std::vector<const wchar_t*> columns;
};
const FakeDocument kDocuments[] = {
    {L"customers.csv", {L"Id", L"Name", L"City", L"Country", L"Customer since"}},
    {L"orders.csv", {L"Order", L"Customer", L"Date", L"Amount"}},
    {L"notes.txt", {}},
};

std::wstring Hex(unsigned long long v) {
  wchar_t buf[32];
  swprintf(buf, 32, L"0x%llX", v);
  return buf;
}

// Fills `count` slots of 260 units with names; nonzero when done.
LRESULT FillSlots(LPARAM buffer, size_t count, const std::vector<const wchar_t*>& names) {
  auto* out = reinterpret_cast<wchar_t*>(buffer);
  if (!out || count > names.size()) return 0;
  for (size_t i = 0; i < count; ++i) lstrcpynW(out + i * 260, names[i], 260);
  return 1;
}

// The DPI of the monitor the window is on, as a user at that scale sees it: the window's own
// DPI where the platform tells it, else the screen's.
UINT WindowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto forWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (UINT dpi = forWindow ? forWindow(hwnd) : 0) return dpi;
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

// The rebar at the top, the log below it.
void Layout(HWND hwnd) {
  RECT client = {}, bars = {};
  GetClientRect(hwnd, &client);
  if (g_rebar) {
    SendMessageW(g_rebar->Hwnd(), WM_SIZE, 0, 0);
    GetWindowRect(g_rebar->Hwnd(), &bars);
  }
  const int top = bars.bottom - bars.top;
  MoveWindow(g_log, 0, top, client.right, client.bottom - top, TRUE);
}

// The editor's search accepts what the standard ECMAScript grammar does.
LRESULT RegexAnswer(const scrv::RegexQuery& query) {
  try {
    std::wregex(query.pattern, query.matchCase ? std::regex::ECMAScript
                                               : std::regex::ECMAScript | std::regex::icase);
    return scrv::kRegexValid;
  } catch (const std::regex_error&) {
    return scrv::kRegexInvalid;
  }
}

LRESULT OnPrivateMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  std::wstring line = L"message " + Hex(msg) + L" wParam " + Hex(wParam) + L" lParam " +
                      Hex(static_cast<unsigned long long>(lParam));
  LRESULT result = 0;
  if (g_rebar && g_rebar->OnMessage(msg, wParam, lParam, result)) {
    line += msg == scrv::SCM_TOOLBAR_REBUILD ? L"  (toolbars rebuilt)"
            : msg == scrv::SCM_TOOLBAR_HIDE  ? L"  (toolbar hidden or deleted)"
                                             : L"  (toolbar shown or option clicked)";
    HostLog(line + L" -> " + Hex(static_cast<unsigned long long>(result)));
    return result;
  }
  switch (msg) {
    case scrv::SCM_QUERY:
      if (wParam == scrv::kQueryDpi) {
        // Asked at every layout pass: counted, and told once in the open's own line.
        ++g_dpiQuestions;
        g_lastDpi = WindowDpi(hwnd);
        return g_lastDpi;
      } else if (wParam == scrv::kQueryVersion && lParam) {
        lstrcpynW(reinterpret_cast<wchar_t*>(lParam), L"3.0.0.1", 64);
        result = 1;
      } else if (wParam == scrv::kQueryRegex && lParam) {
        result = RegexAnswer(*reinterpret_cast<const scrv::RegexQuery*>(lParam));
      }
      break;
    case scrv::SCM_DOCUMENT_NAMES: {
      std::vector<const wchar_t*> names;
      for (const auto& d : kDocuments) names.push_back(d.name);
      result = wParam == 0 ? static_cast<LRESULT>(names.size()) : FillSlots(lParam, wParam, names);
      break;
    }
    case scrv::SCM_COLUMN_NAMES: {
      size_t doc = HIWORD(wParam);
      size_t count = LOWORD(wParam);
      if (doc == 0xFFFF) doc = 0;  // the current document
      if (doc < std::size(kDocuments)) {
        const auto& cols = kDocuments[doc].columns;
        result = count == 0 ? static_cast<LRESULT>(cols.size()) : FillSlots(lParam, count, cols);
      }
      break;
    }
    case scrv::SCM_APPLY_FILTER: {
      auto conditions = ReadConditionBlock(reinterpret_cast<HGLOBAL>(lParam));
      line += L"  (apply filter" + std::wstring(wParam ? L" from the second button" : L"") + L", " +
              std::to_wstring(conditions.size()) + L" conditions)";
      for (const HostCondition& c : conditions) line += L"\r\n    " + DescribeCondition(c);
      break;
    }
    case scrv::SCM_PLUGIN_BUSY:
    case scrv::SCM_RELEASE_PLUGIN: {
      // The plug-in's path comes as a global atom; no plug-in of the stand-in is ever busy.
      wchar_t path[256] = {};
      GlobalGetAtomNameW(static_cast<ATOM>(lParam), path, 256);
      line += std::wstring(msg == scrv::SCM_PLUGIN_BUSY ? L"  (is the plug-in busy: "
                                                        : L"  (release: ") +
              path + L")";
      break;
    }
    case scrv::SCM_PLUGINS_CHANGING:
      line += wParam ? L"  (plug-in list changed)" : L"  (plug-in list changing)";
      break;
    case scrv::SCM_RENDERING:
      // The editor's rendering defaults: gamma 2.2, contrast 0.5, ClearType level 1, grayscale
      // antialiasing, the default rendering mode, DirectWrite on.
      if (wParam == 0 && lParam) {
        struct {
          float gamma, contrast, level;
          uint32_t antialiasing, mode;
          uint8_t directWrite, reserved[3];
        } defaults = {2.2f, 0.5f, 1.0f, 2, 0, 1, {}};
        memcpy(reinterpret_cast<void*>(lParam), &defaults, sizeof defaults);
      }
      break;
    case scrv::SCM_SETTINGS_CHANGED:
      line += L"  (settings changed, mask " +
              Hex((static_cast<unsigned long long>(lParam) << 32) | (wParam & 0xFFFFFFFF)) + L")";
      break;
  }
  HostLog(line + L" -> " + std::to_wstring(result));
  return result;
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      g_log = CreateWindowExW(
          WS_EX_CLIENTEDGE, L"EDIT", L"",
          WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0,
          0, hwnd, nullptr, nullptr, nullptr);
      SendMessageW(g_log, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                   FALSE);
      g_rebar = new HostRebar(hwnd, 3);
      g_rebar->onRebuilt = [hwnd] { Layout(hwnd); };
      HostLog(L"Scrivlet host stand-in: choose a dialog from the Dialogs menu.");
      return 0;
    case WM_SIZE:
      Layout(hwnd);
      return 0;
    case WM_NOTIFY:
      if (g_rebar && reinterpret_cast<NMHDR*>(lParam)->code == RBN_HEIGHTCHANGE) Layout(hwnd);
      return 0;
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      const auto& demos = DemoEntries();
      if (id >= kMenuFirstDemo && id < kMenuFirstDemo + static_cast<int>(demos.size())) {
        const DemoEntry& e = demos[static_cast<size_t>(id - kMenuFirstDemo)];
        TakeDpiQuestions();
        const std::wstring result = e.open(hwnd);
        HostLog(std::wstring(e.exportName) + L": " + result + TakeDpiQuestions());
      } else if (id == kMenuExit) {
        DestroyWindow(hwnd);
      }
      return 0;
    }
    case WM_DESTROY:
      delete g_rebar;
      g_rebar = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  if (msg >= WM_USER && msg < 0xC000) return OnPrivateMessage(hwnd, msg, wParam, lParam);
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HMENU BuildMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kMenuExit, L"E&xit");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  HMENU dialogs = CreatePopupMenu();
  const auto& demos = DemoEntries();
  for (size_t i = 0; i < demos.size(); ++i)
    AppendMenuW(dialogs, MF_STRING, kMenuFirstDemo + i,
                (std::wstring(demos[i].title) + L"...").c_str());
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dialogs), L"&Dialogs");
  return bar;
}

}  // namespace

std::wstring TakeDpiQuestions() {
  if (!g_dpiQuestions) return {};
  std::wstring note = L" (asked the DPI " + std::to_wstring(g_dpiQuestions) +
                      (g_dpiQuestions == 1 ? L" time: " : L" times: ") +
                      std::to_wstring(g_lastDpi) + L")";
  g_dpiQuestions = 0;
  return note;
}

void SetHostLogging(bool on) {
  g_logging = on;
}

void HostLog(const std::wstring& line) {
  if (!g_log || !g_logging) return;
  int end = GetWindowTextLengthW(g_log);
  SendMessageW(g_log, EM_SETSEL, end, end);
  std::wstring text = line + L"\r\n";
  SendMessageW(g_log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND HostRebarWindow() {
  return g_rebar ? g_rebar->Hwnd() : nullptr;
}

std::vector<std::wstring> CurrentDocumentColumns() {
  return {kDocuments[0].columns.begin(), kDocuments[0].columns.end()};
}

HWND CreateHostWindow(HINSTANCE instance) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = scrv::kHostMainWindowClass;
  if (!RegisterClassW(&wc)) return nullptr;
  return CreateWindowExW(0, scrv::kHostMainWindowClass, L"Scrivlet (host stand-in)",
                         WS_OVERLAPPEDWINDOW, 40, 40, 900, 640, nullptr, BuildMenu(), instance,
                         nullptr);
}
