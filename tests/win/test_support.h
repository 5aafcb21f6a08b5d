#pragma once
// Helpers for the Wine tests: a sandboxed application folder, the library loaded from it,
// a driver that scripts a modal dialog from inside its own message loop, and a fake host
// main window that records the private messages it receives.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class HostRebar;

namespace testing_support {

// The folder of the test program, with a trailing backslash: the build's "bin" folder, which
// holds the library, both resource modules and "mui".
std::wstring BinFolder();

// Deletes HKCU\Software\Korvan (the library's whole settings tree).
void ClearRegistrySettings();

// A private copy of the application folder below %TEMP%, deleted again at destruction.
// With `iniMode` it holds "scUseIni.ini", so a library loaded from it keeps its settings in
// INI files beside itself.
class AppFolder {
 public:
  explicit AppFolder(bool iniMode, bool withMui = true);
  ~AppFolder();
  const std::wstring& Path() const { return path_; }  // with a trailing backslash
  std::wstring File(const std::wstring& relative) const { return path_ + relative; }
  // Reads a whole file as bytes (empty when missing).
  std::string ReadBytes(const std::wstring& relative) const;
  // The text of a profile value as GetPrivateProfileStringW returns it.
  std::wstring IniText(const std::wstring& file, const std::wstring& section,
                       const std::wstring& key) const;

 private:
  std::wstring path_;
};

// The library loaded from a folder; unloaded at destruction so that the next load runs its
// start-up (back-end choice, resource modules) afresh.
class Library {
 public:
  explicit Library(const std::wstring& folder);
  ~Library();
  HMODULE Handle() const { return module_; }
  template <typename F>
  F Get(const char* name) const {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_ = nullptr;
};

// Runs `open` (which shows a modal dialog and returns its result); once a dialog window of
// this thread is shown, `script` runs inside the modal loop with its handle. The script ends
// the dialog (for example with Click(dlg, IDOK)). A dialog still open after `timeoutMs` is
// cancelled and the returned `timedOut` is set.
struct ScriptResult {
  INT_PTR result = 0;
  bool scriptRan = false;
  bool timedOut = false;
};
ScriptResult RunDialog(const std::function<INT_PTR()>& open,
                       const std::function<void(HWND)>& script, int timeoutMs = 10000);

// The newest visible dialog box ("#32770") of this thread other than those in `except`, or null.
HWND FindThreadDialog(const std::vector<HWND>& except);
inline HWND FindThreadDialog(HWND except = nullptr) {
  return FindThreadDialog(std::vector<HWND>{except});
}

// Runs scripts on the dialogs that open next on this thread over `main` (message boxes,
// nested dialogs, file dialogs), one script per dialog in the order they show, from a timer,
// while the caller's step waits in their modal loops.
class NestedDialogs {
 public:
  NestedDialogs(HWND main, std::vector<std::function<void(HWND)>> scripts);
  NestedDialogs(HWND main, std::function<void(HWND)> script)
      : NestedDialogs(main, std::vector<std::function<void(HWND)>>{std::move(script)}) {}
  ~NestedDialogs();
  bool Ran() const { return ran_ == scripts_.size(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  static inline NestedDialogs* current_ = nullptr;
  std::vector<HWND> handled_;
  std::vector<std::function<void(HWND)>> scripts_;
  size_t ran_ = 0;
  NestedDialogs* saved_ = nullptr;
  UINT_PTR timer_ = 0;
};

// Closes a message box: its OK button, or the button of the answer asked for.
inline void AnswerBox(HWND box, int button) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

// Fills in and confirms a common file dialog: the file type (1-based) when given, and the name.
void ChooseFile(HWND box, const std::wstring& path, int type = 0);
// Pumps this thread's messages for a moment (lets posted work and timers run).
void PumpMessages(int milliseconds);

// Scripting steps.
void Click(HWND dlg, int id);
// Selects entry `entry` of combo box `id` and tells the dialog, as a user's choice would.
void ChooseComboEntry(HWND dlg, int id, LRESULT entry);
void SetText(HWND dlg, int id, const std::wstring& text);
std::wstring Text(HWND dlg, int id);
// The clipboard's Unicode text, set or read as a user's other program would.
void PutClipboardText(HWND owner, const std::wstring& text);
std::wstring ClipboardText(HWND owner);
bool Checked(HWND dlg, int id);
UINT CheckState(HWND dlg, int id);
bool Enabled(HWND dlg, int id);

// A top-level window of class "ScrivletMainFrame3" that records every message in the
// private ranges (WM_USER.. and WM_APP..) it receives. `answer` may supply a result.
class FakeHost {
 public:
  struct Message {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    std::vector<BYTE> payload;  // filled by `capture`, when set
  };
  FakeHost();
  ~FakeHost();
  HWND Hwnd() const { return hwnd_; }
  std::vector<Message> messages;
  // When set, answers every private message itself; otherwise the defaults below play the
  // host: its DPI and version, its open documents and their columns, its check of regular
  // expressions (the standard ECMAScript grammar).
  std::function<LRESULT(UINT, WPARAM, LPARAM, Message&)> answer;
  UINT dpi = 96;
  std::wstring version = L"3.0.0.1";
  std::vector<std::wstring> documents;
  std::vector<std::vector<std::wstring>> columns;  // per document; 0xFFFF asks for the first
  // The plug-in (its path as the library stores it) that the host calls busy; the plug-in
  // messages record that path (the atom's text) as their payload.
  std::wstring busyPlugIn;
  static std::wstring PayloadText(const Message& m) {
    return std::wstring(reinterpret_cast<const wchar_t*>(m.payload.data()),
                        m.payload.size() / sizeof(wchar_t));
  }
  HostRebar* rebar = nullptr;  // answers the toolbar messages when set

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  LRESULT DefaultAnswer(UINT msg, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

// The pixels of a 16 x 16 white square after `draw` has painted on it.
template <class Draw>
std::vector<DWORD> PaintedSquare(Draw draw) {
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof bi.bmiHeader, 16, -16, 1, 32, BI_RGB};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bmp);
  RECT all = {0, 0, 16, 16};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  draw(dc);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + 256);
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  return pixels;
}

}  // namespace testing_support

// Instantiates a suite parameterised on the settings back end: the registry (false) and INI
// files (true), so named in the tests' names.
#define SCRV_IN_BOTH_BACK_ENDS(Suite)                              \
  INSTANTIATE_TEST_SUITE_P(BothBackEnds, Suite, ::testing::Bool(), \
                           [](const auto& info) { return info.param ? "Ini" : "Registry"; })
