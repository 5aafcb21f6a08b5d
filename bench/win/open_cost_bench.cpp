// What each dialog export adds to the platform's own cost of the same dialog. Every dialog of
// the host stand-in's demo table (the gallery's dialogs, with the same sample host data) is
// opened through its export and cancelled as soon as it has been initialised, shown and painted
// whole, against the platform running the same template with a procedure that does nothing
// (DialogBoxParamW, or the entry's own bare run for property sheets). Runs are interleaved and
// alternate which side goes first, so that drift in the machine's load hits both alike; the
// figures are the median and the interquartile range of the per-pair ratios.
//
//   scripts/wine-run build/win64/bin/open_cost_bench.exe [pairs] [filter] [--profile] [--marks]
//                                                        [--frame]
//
// The filter keeps the dialogs whose export name or demo title contains it.
//
// With --profile each dialog is first opened six more times with the counters of open_profile.h
// on, and its line adds what an open did up to the first paint (messages, settings reads, GDI
// objects, rows inserted, layout passes, the time inside each kind of platform call) and which
// of the objects it created outlived it.
//
// With --frame the platform's side does, on top of the bare template, what every dialog of the
// library must do when it opens: the application's icon in the caption (small, then big, as
// the library sets them) and a position centred over the owner within the work area. The ratio
// then shows what the library adds beyond that. Property sheets, whose bare run is their own,
// are left out.
//
// With --marks every timed open is bracketed by a lookup of a named atom ("scrv-mark:ours" or
// "scrv-mark:bare", then "scrv-mark:end"). The lookups cost nothing worth counting but show in
// a request trace of the Wine server, where bench/win/server_requests finds them to count the
// requests of one open against the other.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host_app.h"
#include "open_profile.h"

#include "bench_clock.h"

namespace {

constexpr UINT kCloseWhenPainted = WM_APP + 1;
constexpr int kCountedOpens = 5;
HWND g_closer = nullptr;
HHOOK g_hook = nullptr;
bool g_armed = false;  // the next dialog activated is the one being measured
bool g_counting = false;
openprofile::Counts g_painted;  // the counted open, up to its first paint

// A dialog or sheet window that has just been activated is closed from the modal loop's next
// message: by then its initialisation is over, and the synchronous repaint draws the frame, the
// background and every control before the cancel is posted.
LRESULT CALLBACK CloserProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kCloseWhenPainted) {
    auto dlg = reinterpret_cast<HWND>(wParam);
    if (IsWindow(dlg)) {
      RedrawWindow(dlg, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      if (g_counting) g_painted = openprofile::Snapshot();
      PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    auto w = reinterpret_cast<HWND>(wParam);
    wchar_t cls[16] = {};
    GetClassNameW(w, cls, 16);
    if (g_armed && wcscmp(cls, L"#32770") == 0) {
      g_armed = false;
      PostMessageW(g_closer, kCloseWhenPainted, wParam, 0);
    }
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

INT_PTR CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialog(hwnd, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

// The bare template plus the frame every dialog must have (see --frame above).
INT_PTR CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_INITDIALOG) return BareProc(hwnd, msg, wParam, lParam);
  static HMODULE images = GetModuleHandleW(L"scrvres.dll");  // loaded with the library
  static HICON big = static_cast<HICON>(
      LoadImageW(images, MAKEINTRESOURCEW(128), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  static HICON small = static_cast<HICON>(LoadImageW(images, MAKEINTRESOURCEW(128), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  RECT owner = {}, self = {};
  GetWindowRect(GetWindow(hwnd, GW_OWNER), &owner);
  GetWindowRect(hwnd, &self);
  MONITORINFO monitor = {sizeof monitor};
  GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const LONG w = self.right - self.left, h = self.bottom - self.top;
  const LONG x = std::clamp((owner.left + owner.right - w) / 2, work.left, work.right - w);
  const LONG y = std::clamp((owner.top + owner.bottom - h) / 2, work.top, work.bottom - h);
  SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

std::string Narrow(const wchar_t* w) {
  std::string s;
  for (; *w; ++w) s += *w < 128 ? static_cast<char>(*w) : '?';
  return s;
}

}  // namespace

// What one counted open saw: up to the first paint, and until the dialog had closed.
struct CountedOpen {
  openprofile::Counts painted;
  openprofile::Counts closed;
  std::map<std::string, openprofile::Call> byName;  // open to close
  std::map<std::string, int> left;                  // objects alive after close, by maker
  long processGdi = 0;  // GetGuiResources' difference (0 where the platform does not count)
};

CountedOpen CountOpen(const std::function<void()>& open, bool watchMessages) {
  using namespace openprofile;
  HMODULE lib = GetModuleHandleW(L"scrvdlgs.dll");
  DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  g_counting = true;
  g_painted = Counts{};
  Start(lib, watchMessages);
  open();
  CountedOpen c;
  c.closed = Stop(lib);
  g_counting = false;
  c.painted = g_painted;
  c.byName = g_byName;
  for (const auto& [handle, from] : g_aliveFrom) ++c.left[from];
  c.processGdi = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) -
                 static_cast<long>(gdiBefore);
  return c;
}

double CallSeconds(const CountedOpen& c) {
  double t = 0;
  for (double s : c.painted.seconds) t += s;
  return t;
}

// The counts of one entry, as lines to print under its ratio: the messages from an open with the
// message hooks on, the rest from the open (of five without them) whose platform calls took the
// median time.
std::string ProfileLines(const std::function<void()>& open) {
  using namespace openprofile;
  const CountedOpen watched = CountOpen(open, true);
  std::vector<CountedOpen> opens;
  for (int i = 0; i < kCountedOpens; ++i) {
    g_armed = true;
    opens.push_back(CountOpen(open, false));
  }
  std::sort(opens.begin(), opens.end(), [](const CountedOpen& a, const CountedOpen& b) {
    return CallSeconds(a) < CallSeconds(b);
  });
  const CountedOpen& m = opens[opens.size() / 2];
  const Counts& c = m.painted;
  char line[640];
  std::snprintf(line, sizeof line,
                "  %5ld msgs %4ld reads %3ld keys %4ld enum | gdi %3ld made %3ld left (process "
                "%+ld) | %4ld inserts %ld counts %2ld redraw-off | %2ld sizes %4ld moves\n",
                watched.painted.messages, c.calls[kRead], c.calls[kKey], c.calls[kEnum],
                c.calls[kGdi], m.closed.gdiLeft, m.processGdi, c.calls[kInsert],
                c.calls[kItemCount], c.redrawOff, watched.painted.sizes, c.calls[kMove]);
  std::string text = line;
  // Calls/milliseconds inside each kind of platform call.
  static constexpr std::pair<const char*, Cause> kShown[] = {
      {"reads", kRead},
      {"keys", kKey},
      {"enum", kEnum},
      {"gdi", kGdi},
      {"inserts", kInsert},
      {"counts", kItemCount},
      {"list styles", kListStyle},
      {"list set-up", kListSetup},
      {"moves", kMove},
      {"files", kFile},
      {"signatures", kTrust},
      {"libraries", kLoadLibrary},
      {"COM", kCom},
      {"drop targets", kDragDrop},
      {"shell icons", kShellIcon},
      {"themes", kTheme},
      {"host windows", kHost},
      {"control messages", kControlMessage},
  };
  text += "        ms inside:";
  for (const auto& [label, cause] : kShown) {
    if (!c.calls[cause]) continue;
    std::snprintf(line, sizeof line, " %s %ld/%.1f", label, c.calls[cause],
                  c.seconds[cause] * 1000);
    text += line;
  }
  text += "\n";
  std::snprintf(line, sizeof line,
                "        ms handling messages sent to our windows %.1f, of it WM_INITDIALOG %.1f "
                "(message hooks on)\n",
                watched.painted.sentSeconds * 1000, watched.painted.initSeconds * 1000);
  text += line;
  std::vector<std::pair<std::string, Call>> calls(m.byName.begin(), m.byName.end());
  std::sort(calls.begin(), calls.end(),
            [](const auto& a, const auto& b) { return a.second.seconds > b.second.seconds; });
  text += "        costliest calls, open to close:";
  for (size_t i = 0; i < calls.size() && i < 8; ++i) {
    std::snprintf(line, sizeof line, " %s %ld/%.1f", calls[i].first.c_str(), calls[i].second.calls,
                  calls[i].second.seconds * 1000);
    text += line;
  }
  text += "\n";
  if (!m.left.empty()) {
    text += "        alive after close:";
    for (const auto& [from, n] : m.left) text += " " + from + " x" + std::to_string(n);
    text += "\n";
  }
  return text;
}

// Leaves a named mark in the Wine server's request trace (a failed atom lookup).
static void Mark(bool on, const wchar_t* name) {
  if (on) GlobalFindAtomW(name);
}

int main(int argc, char** argv) {
  bool profile = false;
  bool marks = false;
  bool frame = false;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--profile")
      profile = true;
    else if (std::string(argv[i]) == "--marks")
      marks = true;
    else if (std::string(argv[i]) == "--frame")
      frame = true;
    else
      args.push_back(argv[i]);
  }
  int pairs = !args.empty() ? std::atoi(args[0].c_str()) : 60;
  if (pairs < 1) pairs = 60;
  std::string filter = args.size() > 1 ? args[1] : "";

  InitCommonControls();
  OleInitialize(nullptr);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND owner = CreateHostWindow(instance);
  WNDCLASSW wc = {};
  wc.lpfnWndProc = CloserProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"ScrivletBenchCloser";
  RegisterClassW(&wc);
  g_closer = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             instance, nullptr);
  HMODULE loc = LoadBenchLocalisation();
  if (!owner || !g_closer || !loc) {
    std::fprintf(stderr, "cannot create the host window\n");
    return 1;
  }
  ShowWindow(owner, SW_SHOWNOACTIVATE);
  SetHostLogging(false);
  g_hook = SetWindowsHookExW(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());

  std::printf("%-28s %-34s %5s %9s %9s %7s %13s\n", "export", "demo", "tmpl", "ours ms",
              frame ? "frame ms" : "bare ms", "ratio", "IQR");
  for (const DemoEntry& e : DemoEntries()) {
    std::string exportName = Narrow(e.exportName);
    if (!filter.empty() && exportName.find(filter) == std::string::npos &&
        Narrow(e.title).find(filter) == std::string::npos)
      continue;
    if (!e.measured || (!e.templateId && !e.bare)) continue;  // nothing to compare with
    if (frame && e.bare) continue;
    auto ours = [&] {
      g_armed = true;
      Mark(marks, L"scrv-mark:ours");
      e.open(owner);
      Mark(marks, L"scrv-mark:end");
    };
    auto bare = [&] {
      g_armed = true;
      Mark(marks, L"scrv-mark:bare");
      if (e.bare)
        e.bare(owner);
      else
        DialogBoxParamW(loc, MAKEINTRESOURCEW(e.templateId), owner, frame ? FrameProc : BareProc,
                        0);
      Mark(marks, L"scrv-mark:end");
    };
    for (int i = 0; i < 3; ++i) ours(), bare();  // caches, fonts, settings keys
    std::string counted;
    if (profile) {
      g_armed = true;
      counted = ProfileLines([&] { e.open(owner); });
    }
    std::vector<double> oursT, bareT, ratio;
    for (int i = 0; i < pairs; ++i) {
      double t0 = Now();
      if (i % 2 == 0)
        ours();
      else
        bare();
      double t1 = Now();
      if (i % 2 == 0)
        bare();
      else
        ours();
      double t2 = Now();
      double o = i % 2 == 0 ? t1 - t0 : t2 - t1, b = i % 2 == 0 ? t2 - t1 : t1 - t0;
      oursT.push_back(o);
      bareT.push_back(b);
      ratio.push_back(o / b);
    }
    std::printf("%-28s %-34.34s %5d %9.2f %9.2f %7.3f %6.3f-%6.3f\n", exportName.c_str(),
                Narrow(e.title).c_str(), e.templateId, Quantile(oursT, 0.5) * 1000,
                Quantile(bareT, 0.5) * 1000, Quantile(ratio, 0.5), Quantile(ratio, 0.25),
                Quantile(ratio, 0.75));
    if (profile) std::printf("%s", counted.c_str());
    std::fflush(stdout);
  }
  UnhookWindowsHookEx(g_hook);
  DestroyWindow(owner);
  OleUninitialize();
  return 0;
}
