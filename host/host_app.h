#pragma once
// The host stand-in: a main window of class "ScrivletMainFrame3" with a menu entry per
// export, a log pane of the private messages it receives and of each export's result, and
// the screenshot gallery.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The product's "Common" settings key, where the gallery sets the theme and the help choices.
inline constexpr wchar_t kCommonKey[] = L"Software\\Korvan\\Scrivlet v3\\Common";

// One dialog of the gallery and of the Dialogs menu.
struct DemoEntry {
  const wchar_t* title;       // menu text and gallery caption
  const wchar_t* exportName;  // the export it calls
  int templateId;
  // Calls the export over `owner` and returns a line for the log.
  std::function<std::wstring(HWND owner)> open;
  // Optional: prepares the open dialog before its screenshot (gallery only).
  std::function<void(HWND dlg)> prepare;
  // Optional: runs the platform's own dialog of the same template with a procedure that does
  // nothing, for the open-cost benchmark; by default DialogBoxParamW of templateId. Property
  // sheets give their bare PropertySheetW here.
  std::function<INT_PTR(HWND owner)> bare;
  // False for a dialog that its export opens only over another one (through `prepare`): the
  // benchmark, which measures the first dialog an export shows, leaves it out.
  bool measured = true;
  // Optional: the screen area of the screenshot, when more than the dialog is to be seen.
  std::function<RECT(HWND dlg)> area;
  // False for a state the gallery walk would only walk again: a menu open over a dialog
  // another entry already shows.
  bool walked = true;
  // A message box over the dialog: the library's own in the dark theme, the platform's task
  // dialog in the others, so the walk checks it in the dark theme only.
  bool walkedDarkOnly = false;
};

const std::vector<DemoEntry>& DemoEntries();

HWND CreateHostWindow(HINSTANCE instance);
// The rebar of the host's toolbars.
HWND HostRebarWindow();
// The column names of the host's current document.
std::vector<std::wstring> CurrentDocumentColumns();
void HostLog(const std::wstring& line);
// How often the library asked for the DPI since the last call, as a note for an open's log line
// (empty when it did not ask).
std::wstring TakeDpiQuestions();
// The open-cost benchmark measures the dialogs without the log pane's cost.
void SetHostLogging(bool on);

// Opens every entry (or those whose title contains `filter`) in the light and in the dark theme,
// saves DIR\<n>-<name>.png, DIR\<n>-<name>-dark.png and DIR\index.html, titled by the
// screen's DPI. Returns the number of screenshots written; *missing counts those that could
// not be taken.
int RunGallery(HWND owner, const std::wstring& dir, const std::wstring& filter = L"",
               int* missing = nullptr);

// The system in high contrast for the library, while an object lives: the system colours of the
// "High Contrast Black" scheme, the visual styles off, and SPI_GETHIGHCONTRAST answering "on" to
// the library (Wine's answer is always "off" and it refuses to change it: the library's import
// of the call is redirected here). The user's colours come back at destruction.
class HighContrastScope {
 public:
  HighContrastScope();
  ~HighContrastScope();
  HighContrastScope(const HighContrastScope&) = delete;
  HighContrastScope& operator=(const HighContrastScope&) = delete;
  bool Active() const { return active_; }

 private:
  std::vector<int> elements_;
  std::vector<COLORREF> saved_;
  bool active_ = false;
};

// Saves the window's current image, or a rectangle of the screen, to a PNG file.
bool CaptureWindowPng(HWND hwnd, const std::wstring& path);
// With `over`, that window (a popup menu) copied from its own window over the screen.
bool CaptureScreenPng(const RECT& screenRect, const std::wstring& path, HWND over = nullptr);
