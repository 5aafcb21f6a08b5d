#pragma once
// Where one open of a dialog export spends its work, counted from outside the library so that
// the library carries no counters at all: the benchmark redirects entries of the library's own
// import table (the platform calls it makes) to counting stand-ins for the length of one open,
// and watches the messages of the thread through hooks. Nothing is patched outside a counted
// open, so the timed runs see the library exactly as it ships.
//
// What is counted, and how:
//   messages    messages delivered (sent or posted) to a window whose dialog or window
//               procedure lies in the library, or that the library subclassed
//   reads       settings values read: registry value queries and profile-string reads
//   keys        settings keys opened or created
//   gdi         GDI objects, icons and image lists the library created; `left` is how many of
//               them the library had not freed after the dialog closed (an image list handed
//               to a list view is freed by the list view, which this does not see)
//   inserts     rows added to list views, tree views, list boxes and combo boxes; owner-data
//               item counts set apart; list set-up (columns, image lists) and extended
//               styles (check boxes: the list view draws its check box images) timed apart
//   control     every other message the library sends to a platform control, by number
//   layouts     WM_SIZE handled by a resizable dialog of the library (each runs the anchor
//               layout), and the control moves the library made
//   inside      the time spent handling messages sent to the library's windows, and the part
//               of it in WM_INITDIALOG
//   loads       libraries loaded, COM objects created, shell icon and file-information queries,
//               drop targets registered and revoked, files opened, read and searched, signature
//               checks, the host's windows looked for and atoms made for it
// with the calls and the wall time spent inside each kind. The message hooks slow an open down
// (every message of the thread passes through them), so the messages are counted in an open of
// their own and the times inside platform calls come from opens without them; the ratios come
// from the timed runs, made with neither.

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <uxtheme.h>
#include <wintrust.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bench_clock.h"

namespace openprofile {

enum Cause {
  kRead,
  kKey,
  kEnum,
  kGdi,
  kInsert,
  kItemCount,
  kListSetup,
  kListStyle,
  kMove,
  kLoadLibrary,
  kCom,
  kShellIcon,
  kTheme,
  kFile,
  kTrust,
  kHost,
  kDragDrop,
  kControlMessage,
  kCauseCount
};

struct Counts {
  long messages = 0;
  long sizes = 0;
  long calls[kCauseCount] = {};
  double seconds[kCauseCount] = {};
  long gdiLeft = 0;
  long redrawOff = 0;
  double initSeconds = 0;  // inside WM_INITDIALOG of the library's dialogs and pages
  double sentSeconds = 0;  // inside every message sent to the library's windows
};

// Calls and time per platform function (or message), for the costliest of one open.
struct Call {
  long calls = 0;
  double seconds = 0;
};
inline Counts g_counts;
inline std::map<std::string, Call> g_byName;
inline std::map<void*, const char*> g_aliveFrom;  // the function that made each live object
inline bool g_on = false;
inline int g_depth = 0;  // time only the outermost call of a cause
inline std::set<HWND> g_subclassed;
inline BYTE* g_base = nullptr;
inline size_t g_size = 0;

// Counts one call of a cause and, for the outermost one, the time spent in it.
struct Section {
  Cause cause;
  const char* name;
  double start;
  bool outer;
  Section(Cause c, const char* n) : cause(c), name(n), start(Now()), outer(g_depth++ == 0) {
    if (g_on) ++g_counts.calls[c];
  }
  ~Section() {
    --g_depth;
    if (!g_on || !outer) return;
    double t = Now() - start;
    g_counts.seconds[cause] += t;
    Call& call = g_byName[name];
    ++call.calls;
    call.seconds += t;
  }
};

// A stand-in for one import: counts a cause and calls the original.
template <int Id, class F>
struct Hook;
template <int Id, class R, class... A>
struct Hook<Id, R(WINAPI*)(A...)> {
  static inline R(WINAPI* original)(A...) = nullptr;
  static inline Cause cause = kRead;
  static inline const char* name = "";
  static R WINAPI Call(A... a) {
    Section s(cause, name);
    return original(a...);
  }
};

// Object-creating imports also remember the handle, so that what outlives the dialog shows.
template <int Id, class F>
struct CreateHook;
template <int Id, class R, class... A>
struct CreateHook<Id, R(WINAPI*)(A...)> {
  static inline R(WINAPI* original)(A...) = nullptr;
  static inline Cause cause = kGdi;
  static inline const char* name = "";
  static R WINAPI Call(A... a) {
    Section s(cause, name);
    R r = original(a...);
    if (g_on && r) g_aliveFrom[reinterpret_cast<void*>(r)] = name;
    return r;
  }
};
template <int Id, class F>
struct FreeHook;
template <int Id, class R, class H, class... A>
struct FreeHook<Id, R(WINAPI*)(H, A...)> {
  static inline R(WINAPI* original)(H, A...) = nullptr;
  static R WINAPI Call(H h, A... a) {
    g_aliveFrom.erase(reinterpret_cast<void*>(h));
    return original(h, a...);
  }
};

// The cause of a message the library sends (kCauseCount for one that is not counted), and its
// name.
struct MessageKind {
  UINT msg;
  Cause cause;
  const char* name;
};
inline constexpr MessageKind kMessages[] = {
    {LVM_SETITEMCOUNT, kItemCount, "LVM_SETITEMCOUNT"},
    {LVM_SETEXTENDEDLISTVIEWSTYLE, kListStyle, "LVM_SETEXTENDEDLISTVIEWSTYLE"},
    {LVM_INSERTCOLUMNW, kListSetup, "LVM_INSERTCOLUMNW"},
    {LVM_SETCOLUMNWIDTH, kListSetup, "LVM_SETCOLUMNWIDTH"},
    {LVM_SETIMAGELIST, kListSetup, "LVM_SETIMAGELIST"},
    {LVM_INSERTITEMW, kInsert, "LVM_INSERTITEMW"},
    {TVM_INSERTITEMW, kInsert, "TVM_INSERTITEMW"},
    {LB_ADDSTRING, kInsert, "LB_ADDSTRING"},
    {LB_INSERTSTRING, kInsert, "LB_INSERTSTRING"},
    {CB_ADDSTRING, kInsert, "CB_ADDSTRING"},
    {CB_INSERTSTRING, kInsert, "CB_INSERTSTRING"},
};
inline const MessageKind* FindMessage(UINT msg) {
  for (const MessageKind& k : kMessages)
    if (k.msg == msg) return &k;
  return nullptr;
}

inline bool OurWindow(HWND w);
// "msg 0x1234", kept for the profile's names.
inline const char* MessageName(UINT msg) {
  static std::map<UINT, std::string> names;
  std::string& name = names[msg];
  if (name.empty()) {
    char text[16];
    std::snprintf(text, sizeof text, "msg 0x%04X", msg);
    name = text;
  }
  return name.c_str();
}
// A message the library sends: a known kind is timed under its cause; any other message to a
// window that is not the library's (a platform control) is timed as a control message.
template <class F>
LRESULT TimedSend(HWND w, UINT msg, WPARAM wp, F send) {
  if (g_on && msg == WM_SETREDRAW && !wp) ++g_counts.redrawOff;
  if (const MessageKind* k = FindMessage(msg)) {
    Section s(k->cause, k->name);
    return send();
  }
  if (!g_on || !w || OurWindow(w)) return send();
  Section s(kControlMessage, MessageName(msg));
  return send();
}
inline LRESULT(WINAPI* g_send)(HWND, UINT, WPARAM, LPARAM) = nullptr;
inline LRESULT WINAPI SendHook(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  return TimedSend(w, msg, wp, [&] { return g_send(w, msg, wp, lp); });
}
inline LRESULT(WINAPI* g_sendItem)(HWND, int, UINT, WPARAM, LPARAM) = nullptr;
inline LRESULT WINAPI SendItemHook(HWND w, int id, UINT msg, WPARAM wp, LPARAM lp) {
  return TimedSend(GetDlgItem(w, id), msg, wp, [&] { return g_sendItem(w, id, msg, wp, lp); });
}
// The library subclasses a control by replacing its window procedure.
inline LONG_PTR(WINAPI* g_setLong)(HWND, int, LONG_PTR) = nullptr;
inline LONG_PTR WINAPI SetLongHook(HWND w, int index, LONG_PTR value) {
  if (index == GWLP_WNDPROC) g_subclassed.insert(w);
  return g_setLong(w, index, value);
}

struct Patch {
  const char* dll;
  const char* name;
  void* hook;
  void** original;
};

#define OPENPROFILE_HOOK(kind, dll, fn, c)                    \
  [] {                                                        \
    using H = kind<__COUNTER__, decltype(&::fn)>;             \
    H::cause = c;                                             \
    H::name = #fn;                                            \
    return Patch{dll, #fn, reinterpret_cast<void*>(&H::Call), \
                 reinterpret_cast<void**>(&H::original)};     \
  }()
#define OPENPROFILE_FREE(dll, fn)                             \
  [] {                                                        \
    using H = FreeHook<__COUNTER__, decltype(&::fn)>;         \
    return Patch{dll, #fn, reinterpret_cast<void*>(&H::Call), \
                 reinterpret_cast<void**>(&H::original)};     \
  }()

inline std::vector<Patch>& Patches() {
  static std::vector<Patch> patches = {
      OPENPROFILE_HOOK(Hook, "advapi32.dll", RegQueryValueExW, kRead),
      OPENPROFILE_HOOK(Hook, "advapi32.dll", RegGetValueW, kRead),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", GetPrivateProfileStringW, kRead),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", GetPrivateProfileStructW, kRead),
      OPENPROFILE_HOOK(Hook, "advapi32.dll", RegOpenKeyExW, kKey),
      OPENPROFILE_HOOK(Hook, "advapi32.dll", RegCreateKeyExW, kKey),
      OPENPROFILE_HOOK(Hook, "advapi32.dll", RegEnumKeyExW, kEnum),
      OPENPROFILE_HOOK(Hook, "advapi32.dll", RegEnumValueW, kEnum),
      OPENPROFILE_HOOK(CreateHook, "gdi32.dll", CreateFontIndirectW, kGdi),
      OPENPROFILE_HOOK(CreateHook, "gdi32.dll", CreateFontW, kGdi),
      OPENPROFILE_HOOK(CreateHook, "gdi32.dll", CreateSolidBrush, kGdi),
      OPENPROFILE_HOOK(CreateHook, "gdi32.dll", CreatePen, kGdi),
      OPENPROFILE_HOOK(CreateHook, "gdi32.dll", CreateCompatibleDC, kGdi),
      OPENPROFILE_HOOK(CreateHook, "gdi32.dll", CreateCompatibleBitmap, kGdi),
      OPENPROFILE_HOOK(CreateHook, "gdi32.dll", CreateDIBSection, kGdi),
      OPENPROFILE_HOOK(CreateHook, "gdi32.dll", CreateBitmap, kGdi),
      OPENPROFILE_HOOK(CreateHook, "gdi32.dll", CreateRectRgn, kGdi),
      OPENPROFILE_HOOK(CreateHook, "user32.dll", LoadImageW, kGdi),
      OPENPROFILE_HOOK(CreateHook, "user32.dll", CopyImage, kGdi),
      OPENPROFILE_HOOK(CreateHook, "user32.dll", CreateIconIndirect, kGdi),
      OPENPROFILE_HOOK(CreateHook, "user32.dll", CopyIcon, kGdi),
      OPENPROFILE_HOOK(CreateHook, "comctl32.dll", ImageList_Create, kGdi),
      OPENPROFILE_HOOK(CreateHook, "comctl32.dll", ImageList_Duplicate, kGdi),
      OPENPROFILE_HOOK(CreateHook, "shell32.dll", ExtractIconW, kShellIcon),
      OPENPROFILE_HOOK(Hook, "shell32.dll", ExtractIconExW, kShellIcon),
      OPENPROFILE_HOOK(Hook, "shell32.dll", SHGetFileInfoW, kShellIcon),
      OPENPROFILE_HOOK(Hook, "user32.dll", PrivateExtractIconsW, kShellIcon),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", LoadLibraryW, kLoadLibrary),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", LoadLibraryExW, kLoadLibrary),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", FreeLibrary, kLoadLibrary),
      OPENPROFILE_HOOK(Hook, "ole32.dll", CoCreateInstance, kCom),
      OPENPROFILE_HOOK(Hook, "ole32.dll", CoInitialize, kCom),
      OPENPROFILE_HOOK(Hook, "ole32.dll", RegisterDragDrop, kDragDrop),
      OPENPROFILE_HOOK(Hook, "ole32.dll", RevokeDragDrop, kDragDrop),
      OPENPROFILE_HOOK(Hook, "ole32.dll", CoUninitialize, kCom),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", CreateFileW, kFile),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", ReadFile, kFile),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", FindFirstFileW, kFile),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", FindNextFileW, kFile),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", GetFileAttributesW, kFile),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", GetFileAttributesExW, kFile),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", GetPrivateProfileIntW, kRead),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", GetPrivateProfileSectionNamesW, kRead),
      OPENPROFILE_HOOK(Hook, "wintrust.dll", WinVerifyTrust, kTrust),
      OPENPROFILE_HOOK(Hook, "user32.dll", EnumWindows, kHost),
      OPENPROFILE_HOOK(Hook, "user32.dll", FindWindowW, kHost),
      OPENPROFILE_HOOK(Hook, "user32.dll", FindWindowExW, kHost),
      OPENPROFILE_HOOK(Hook, "user32.dll", SendMessageTimeoutW, kHost),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", GlobalAddAtomW, kHost),
      OPENPROFILE_HOOK(Hook, "kernel32.dll", GlobalDeleteAtom, kHost),
      OPENPROFILE_HOOK(Hook, "uxtheme.dll", OpenThemeData, kTheme),
      OPENPROFILE_HOOK(Hook, "uxtheme.dll", SetWindowTheme, kTheme),
      OPENPROFILE_HOOK(Hook, "user32.dll", SetWindowPos, kMove),
      OPENPROFILE_HOOK(Hook, "user32.dll", MoveWindow, kMove),
      OPENPROFILE_HOOK(Hook, "user32.dll", DeferWindowPos, kMove),
      OPENPROFILE_FREE("gdi32.dll", DeleteObject),
      OPENPROFILE_FREE("gdi32.dll", DeleteDC),
      OPENPROFILE_FREE("user32.dll", DestroyIcon),
      OPENPROFILE_FREE("comctl32.dll", ImageList_Destroy),
      Patch{"user32.dll", "SendMessageW", reinterpret_cast<void*>(&SendHook),
            reinterpret_cast<void**>(&g_send)},
      Patch{"user32.dll", "SendDlgItemMessageW", reinterpret_cast<void*>(&SendItemHook),
            reinterpret_cast<void**>(&g_sendItem)},
      Patch{"user32.dll", "SetWindowLongPtrW", reinterpret_cast<void*>(&SetLongHook),
            reinterpret_cast<void**>(&g_setLong)},
  };
  return patches;
}

// Swaps each listed import of `module` between the original and the stand-in.
inline void SwapImports(HMODULE module, bool install) {
  auto base = reinterpret_cast<BYTE*>(module);
  auto dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
       dir.VirtualAddress && imp->Name; ++imp) {
    const char* dll = reinterpret_cast<const char*>(base + imp->Name);
    if (!imp->OriginalFirstThunk) continue;  // names bound away: nothing to match
    auto names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
    auto slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      for (Patch& p : Patches()) {
        if (_stricmp(p.dll, dll) != 0 || std::strcmp(p.name, byName->Name) != 0) continue;
        void* want = install ? p.hook : *p.original;
        if (install) *p.original = reinterpret_cast<void*>(slots->u1.Function);
        DWORD old = 0;
        VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
        slots->u1.Function = reinterpret_cast<ULONG_PTR>(want);
        VirtualProtect(&slots->u1.Function, sizeof(void*), old, &old);
      }
    }
  }
}

inline bool Ours(const void* p) {
  auto b = static_cast<const BYTE*>(p);
  return b >= g_base && b < g_base + g_size;
}
inline bool OurWindow(HWND w) {
  return Ours(reinterpret_cast<void*>(GetWindowLongPtrW(w, GWLP_WNDPROC))) ||
         Ours(reinterpret_cast<void*>(GetWindowLongPtrW(w, DWLP_DLGPROC))) ||
         g_subclassed.count(w) != 0;
}
inline void CountMessage(HWND w, UINT msg) {
  if (!g_on || !w || !OurWindow(w)) return;
  ++g_counts.messages;
  if (msg == WM_SIZE && (GetWindowLongW(w, GWL_STYLE) & WS_THICKFRAME)) ++g_counts.sizes;
}
inline HHOOK g_sentHook = nullptr, g_postedHook = nullptr, g_returnHook = nullptr;
// The sent messages being handled, innermost last: when each started, whether it went to one of
// the library's windows and whether it is WM_INITDIALOG. Only the outermost of our windows'
// messages are timed, so that nested ones are not counted twice.
struct Handling {
  double start;
  bool ours;
  bool init;
};
inline std::vector<Handling> g_handling;
inline int g_oursOpen = 0, g_initOpen = 0;
inline LRESULT CALLBACK SentProc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION) {
    auto m = reinterpret_cast<CWPSTRUCT*>(lp);
    CountMessage(m->hwnd, m->message);
    bool ours = g_on && m->hwnd && OurWindow(m->hwnd);
    bool init = ours && m->message == WM_INITDIALOG;
    g_handling.push_back({Now(), ours && g_oursOpen++ == 0, init && g_initOpen++ == 0});
  }
  return CallNextHookEx(g_sentHook, code, wp, lp);
}
inline LRESULT CALLBACK ReturnProc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && !g_handling.empty()) {
    auto m = reinterpret_cast<CWPRETSTRUCT*>(lp);
    Handling h = g_handling.back();
    g_handling.pop_back();
    double t = Now() - h.start;
    bool ours = g_on && m->hwnd && OurWindow(m->hwnd);
    if (ours && g_oursOpen > 0 && --g_oursOpen == 0 && h.ours) g_counts.sentSeconds += t;
    if (ours && m->message == WM_INITDIALOG && g_initOpen > 0 && --g_initOpen == 0 && h.init)
      g_counts.initSeconds += t;
  }
  return CallNextHookEx(g_returnHook, code, wp, lp);
}
inline LRESULT CALLBACK PostedProc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && wp == PM_REMOVE) {
    auto m = reinterpret_cast<MSG*>(lp);
    CountMessage(m->hwnd, m->message);
  }
  return CallNextHookEx(g_postedHook, code, wp, lp);
}

// Starts counting the calls `module` makes and, with `watchMessages`, the messages its windows
// get (the message hooks slow every message of the thread down, the import stand-ins do not).
inline void Start(HMODULE module, bool watchMessages) {
  g_base = reinterpret_cast<BYTE*>(module);
  auto nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
      g_base + reinterpret_cast<IMAGE_DOS_HEADER*>(g_base)->e_lfanew);
  g_size = nt->OptionalHeader.SizeOfImage;
  g_counts = Counts{};
  g_aliveFrom.clear();
  g_byName.clear();
  g_subclassed.clear();
  SwapImports(module, true);
  if (watchMessages) {
    const DWORD thread = GetCurrentThreadId();
    g_sentHook = SetWindowsHookExW(WH_CALLWNDPROC, SentProc, nullptr, thread);
    g_postedHook = SetWindowsHookExW(WH_GETMESSAGE, PostedProc, nullptr, thread);
    g_returnHook = SetWindowsHookExW(WH_CALLWNDPROCRET, ReturnProc, nullptr, thread);
  }
  g_handling.clear();
  g_oursOpen = g_initOpen = 0;
  g_on = true;
}

// Stops counting at the moment the dialog has been initialised and painted.
inline Counts Snapshot() {
  return g_counts;
}

// Ends the counted open after the dialog has closed: what it created and left alive.
inline Counts Stop(HMODULE module) {
  g_on = false;
  for (HHOOK* hook : {&g_sentHook, &g_postedHook, &g_returnHook}) {
    if (*hook) UnhookWindowsHookEx(*hook);
    *hook = nullptr;
  }
  SwapImports(module, false);
  Counts c = g_counts;
  c.gdiLeft = static_cast<long>(g_aliveFrom.size());
  return c;
}

}  // namespace openprofile
