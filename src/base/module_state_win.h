#pragma once
// The library's module state, as data: one instance per process, filled at process attach
// (frame/dllmain_win.cpp) and by the settings start-up (settings/app_settings_win.cpp), emptied
// at detach. Nothing else lives between two export calls.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace scrv {

// One per dialog object being created; lives inside the object until its window's first
// message binds the two.
struct CreateWndEntry {
  void* object = nullptr;
  DWORD threadId = 0;
  CreateWndEntry* next = nullptr;
};

struct ModuleState {
  HINSTANCE dllInstance = nullptr;
  HMODULE resourceModule = nullptr;  // scrvloc.dll: templates, strings, menus
  HMODULE imageModule = nullptr;     // scrvres.dll: icons, bitmaps
  uint32_t languageId = 0;           // "ID" of the chosen folder's info.ini
  std::wstring appFolder;            // the library's folder, with a trailing backslash
  std::wstring languageFolder;       // the chosen "mui" folder, with a trailing backslash

  // Settings back end, chosen once at start-up.
  bool packaged = false;
  bool sideLoad = false;
  bool iniMode = false;
  std::wstring commonIni;   // scCommon.ini
  std::wstring configIni;   // scConfig.ini
  std::wstring pluginsIni;  // scPlugins.ini, resolved on first use

  CRITICAL_SECTION createListLock;  // initialised by a static initialiser
  CreateWndEntry* createListHead = nullptr;
};

ModuleState& Module();

// The application folder plus a relative name, limited to MAX_PATH.
std::wstring AppPath(std::wstring_view relative);

}  // namespace scrv
