#pragma once
// Helpers for the tests of the dialog base, message boxes and help: the Win32 layer linked into
// the test program set up as the library sets itself up at load, a launcher that records what
// would have been opened, and the geometry and task-dialog probes the scripts use.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "frame/dllmain_win.h"
#include "frame/shell_launcher_win.h"
#include "test_support.h"

namespace dialog_test {

// The test program's own copy of the Win32 layer, attached for the program's folder (the build's
// "bin": registry settings, both resource modules); detached at destruction.
class InProcessModule {
 public:
  InProcessModule() { scrv::ModuleAttach(GetModuleHandleW(nullptr)); }
  ~InProcessModule() { scrv::ModuleDetach(); }
};

// Installed for its lifetime: records every address and help file instead of starting a
// program. `openSucceeds` decides what the shell call reports.
class RecordingLauncher : public scrv::ShellLauncher {
 public:
  struct HelpCall {
    std::wstring file;
    UINT command;
    DWORD_PTR data;
  };
  RecordingLauncher() : previous_(scrv::SetLauncher(this)) {}
  ~RecordingLauncher() override { scrv::SetLauncher(previous_); }
  bool OpenAddress(HWND, const std::wstring& address) override {
    addresses.push_back(address);
    return openSucceeds;
  }
  void OpenHtmlHelp(HWND, const std::wstring& file, UINT command, DWORD_PTR data) override {
    helpCalls.push_back({file, command, data});
  }
  bool openSucceeds = true;
  std::vector<std::wstring> addresses;
  std::vector<HelpCall> helpCalls;

 private:
  scrv::ShellLauncher* previous_;
};

// A control's rectangle in its dialog's client coordinates.
inline RECT ControlRect(HWND dlg, int id) {
  RECT rc = {};
  GetWindowRect(GetDlgItem(dlg, id), &rc);
  MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

// Placement records keep sizes in units of 96 DPI; the dialogs under test open at 100 % of
// the system DPI, so a unit is a pixel only at 96 DPI.
// A key as a sheet's own loop gets it: posted to `control` and taken from the queue, with Ctrl
// and Shift held as asked.
inline void PostedKey(HWND control, UINT vk, bool ctrl = false, bool shift = false) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = ctrl ? 0x80 : 0;
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  PostMessageW(control, WM_KEYDOWN, vk, 0);
  testing_support::PumpMessages(30);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

inline int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}
inline int PlacementUnits(int pixels) {
  return MulDiv(pixels, 96, SystemDpi());
}
inline int PlacementPixels(int units) {
  return MulDiv(units, SystemDpi(), 96);
}

inline RECT WindowRectOf(HWND hwnd) {
  RECT rc = {};
  GetWindowRect(hwnd, &rc);
  return rc;
}

inline std::wstring WindowText(HWND hwnd) {
  wchar_t text[1024] = {};
  GetWindowTextW(hwnd, text, 1024);
  return text;
}

// The child windows of a dialog of one class, in creation order.
inline std::vector<HWND> ChildrenOfClass(HWND dlg, const wchar_t* cls) {
  struct Ctx {
    const wchar_t* cls;
    std::vector<HWND> found;
  } ctx{cls, {}};
  EnumChildWindows(
      dlg,
      [](HWND w, LPARAM p) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(p);
        wchar_t name[64] = {};
        GetClassNameW(w, name, 64);
        if (lstrcmpiW(name, c->cls) == 0) c->found.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return ctx.found;
}

// The task dialog's "do not ask again" box: its one automatic check box.
inline HWND VerificationBox(HWND taskDialog) {
  for (HWND b : ChildrenOfClass(taskDialog, L"Button"))
    if ((GetWindowLongW(b, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) return b;
  return nullptr;
}

// Ticks the verification box as the user would. Wine lays the task dialog's check box and
// radio buttons out without height, where a click cannot reach them, so the task dialog is
// told directly what the click would have told it.
inline void TickVerification(HWND taskDialog) {
  SendMessageW(taskDialog, TDM_CLICK_VERIFICATION, TRUE, FALSE);
}

// Chooses a radio button of a task dialog (see TickVerification).
inline void ChooseRadio(HWND taskDialog, int id) {
  HWND radio = GetDlgItem(taskDialog, id);
  SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(taskDialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(radio));
}

// Whether some static or link text of the dialog contains `text`.
inline bool ShowsText(HWND dlg, const std::wstring& text) {
  for (const wchar_t* cls : {L"Static", L"SysLink"})
    for (HWND w : ChildrenOfClass(dlg, cls))
      if (WindowText(w).find(text) != std::wstring::npos) return true;
  return false;
}

// The default button of a dialog (DM_GETDEFID), 0 when it has none.
inline int DefaultButton(HWND dlg) {
  LRESULT r = SendMessageW(dlg, DM_GETDEFID, 0, 0);
  return HIWORD(r) == DC_HASDEFID ? LOWORD(r) : 0;
}

}  // namespace dialog_test
