#pragma once
// The library's module state: one instance per process, set up at process attach and torn
// down at detach. Nothing else lives between two export calls.

#include <windows.h>

#include <cstdint>
#include <string>

namespace scrv {

class SettingsStore;

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

  // Set once the user accepted a file whose signature could not be verified (or its
  // certificate chain could not be built): every later check in the process passes.
  bool trustAccepted = false;

  CRITICAL_SECTION createListLock;
  CreateWndEntry* createListHead = nullptr;
};

ModuleState& Module();
// The settings back end chosen at start-up.
SettingsStore& Settings();

// Process attach and detach, in the order the library's entry point needs them. `instance` is
// the module whose folder is the application folder (the library itself, or a test program
// that links the Win32 layer statically).
void ModuleAttach(HINSTANCE instance);
void ModuleDetach();
// Re-runs the settings start-up (back end choice and INI paths) for the application folder
// `folder` (with a trailing backslash); used at attach and by tests that move the folder.
void SettingsStartup(const std::wstring& folder);

// The application folder plus a relative name, limited to MAX_PATH.
std::wstring AppPath(std::wstring_view relative);

}  // namespace scrv
