// Plug-ins the tests and the gallery load: one source, built once per kind (see the build file).
// Every message and event a plug-in receives is appended to the process environment variable
// SCRV_PLUGIN_LOG as "<name>:<number>;" so that a test can see what the library asked.
//
//   PLUGIN_OUTLINE    every message answered; UTF-16 descriptions, properties, a button bitmap
//                     by message (magenta transparent), uninstalled by deleting its file
//   PLUGIN_CHARMAP    8-bit descriptions, identifier exports for its texts and bitmap, uninstalled
//                     by running a program
//   PLUGIN_CLOCK      the removal event only: no message procedure
//   PLUGIN_NOEVENTS   a message procedure without the removal event (not a plug-in)
//   PLUGIN_UNRULY     fills every buffer to the brim without a terminator and answers garbage

#include <windows.h>

#include <cstring>

#include "test_plugin_ids.h"

// Plain C and the system only, so that loading a test plug-in costs what a small real one does.
namespace {

void Log(const wchar_t* what) {
  wchar_t text[8192] = {};
  DWORD n = GetEnvironmentVariableW(L"SCRV_PLUGIN_LOG", text, 8192 - 64);
  if (n >= 8192 - 64) text[0] = L'\0';  // full: start over
  wsprintfW(text + lstrlenW(text), L"%s:%.40s;", PLUGIN_NAME, what);
  SetEnvironmentVariableW(L"SCRV_PLUGIN_LOG", text);
}

void Log(UINT number) {
  wchar_t text[16];
  wsprintfW(text, L"%u", number);
  Log(text);
}

// Copies a text into a buffer of `capacity` units, terminated.
LRESULT Put(LPARAM buffer, WPARAM capacity, const wchar_t* text) {
  if (!buffer || !capacity) return 0;
  lstrcpynW(reinterpret_cast<wchar_t*>(buffer), text, static_cast<int>(capacity));
  return static_cast<LRESULT>(wcslen(reinterpret_cast<wchar_t*>(buffer)));
}

LRESULT PutAnsi(LPARAM buffer, WPARAM capacity, const char* text) {
  if (!buffer || !capacity) return 0;
  lstrcpynA(reinterpret_cast<char*>(buffer), text, static_cast<int>(capacity));
  return static_cast<LRESULT>(strlen(reinterpret_cast<char*>(buffer)));
}

}  // namespace

#if !defined(PLUGIN_NOEVENTS)
extern "C" __declspec(dllexport) void OnEvents(HWND, UINT event, LPARAM) {
  wchar_t text[32];
  wsprintfW(text, L"event%x", event);
  Log(text);
}
#endif

#if defined(PLUGIN_OUTLINE)

extern "C" __declspec(dllexport) LRESULT PlugInProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  Log(msg);
  switch (msg) {
    case 2304:  // properties
    case 2305:
    case 2310:  // uninstalled by deleting its file
    case 2311:
      return 1;
    case 2306:
    case 2308:
      return PutAnsi(lParam, wParam, "(the 8-bit text is not asked for)");
    case 2307:
      return Put(lParam, wParam, L"Shows the outline of the document in a side pane.");
    case 2309:
      return Put(lParam, wParam, L"Version 2.1 \x2014 headings, functions and bookmarks");
    case 2312:
      return wParam == 33 ? IDB_PLUGIN_BUTTON_LARGE : IDB_PLUGIN_BUTTON;
    case 2313:
      return RGB(255, 0, 255);
    case 2317:
      return Put(lParam, wParam, L"&Outline");
    case 2318:
      return Put(lParam, wParam, L"Shows or hides the outline of the document");
  }
  return 0;
}

#elif defined(PLUGIN_CHARMAP)

extern "C" __declspec(dllexport) LRESULT PlugInProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  Log(msg);
  switch (msg) {
    case 2306:
      return PutAnsi(lParam, wParam, "Inserts characters picked from a table.");
    case 2308:
      return PutAnsi(lParam, wParam, "Version 1.4 (8-bit texts)");
    case 2310:
      return 1;
    case 2311:
      Put(wParam, 260, L"cmd.exe");
      Put(lParam, 260, L"/c exit 0");
      return 2;  // run the program
  }
  return 0;
}

extern "C" __declspec(dllexport) UINT GetBitmapID() {
  Log(L"GetBitmapID");
  return IDB_PLUGIN_BUTTON;
}
extern "C" __declspec(dllexport) UINT GetMenuTextID() {
  return IDS_PLUGIN_MENU_TEXT;
}
extern "C" __declspec(dllexport) UINT GetStatusMessageID() {
  return IDS_PLUGIN_STATUS_TEXT;
}

#elif defined(PLUGIN_NOEVENTS)

// The message procedure without the removal event: the library must refuse it.
extern "C" __declspec(dllexport) LRESULT PlugInProc(HWND, UINT msg, WPARAM, LPARAM) {
  Log(msg);
  return 0;
}

#elif defined(PLUGIN_UNRULY)

extern "C" __declspec(dllexport) LRESULT PlugInProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  Log(msg);
  switch (msg) {
    case 2304:
      return -1;
    case 2306:
    case 2308:
      if (lParam) memset(reinterpret_cast<char*>(lParam), 'X', wParam);
      return 0x7FFFFFFF;
    case 2307:
    case 2309:
    case 2317:
    case 2318:
      if (lParam)
        for (WPARAM i = 0; i < wParam; ++i) reinterpret_cast<wchar_t*>(lParam)[i] = L'Y';
      return 0x7FFFFFFF;
    case 2310:
      return 0x12345;
    case 2311:
      for (int i = 0; i < 260; ++i) reinterpret_cast<wchar_t*>(wParam)[i] = L'P';
      for (int i = 0; i < 260; ++i) reinterpret_cast<wchar_t*>(lParam)[i] = L'A';
      return 2;
    case 2312:
      return 0xBAD;
    case 2313:
      return -1;
  }
  return 0x5A5A5A5A;
}

#endif
