#pragma once
// Base of every property page. The page is bound to its object through the creation list (its
// page callback registers it just before the platform creates its dialog), and the base decodes
// the property-sheet notifications once for every page:
//
//   PSN_SETACTIVE   tells the sheet (SCM_PAGE_ACTIVATED), then OnSetActive()
//   PSN_KILLACTIVE  OnKillActive(): true keeps the user on the page
//   PSN_APPLY       OnApply(): false keeps the sheet open
//   PSN_HELP        OnHelp(): the page's help topic (also for F1 on the page)
//   PSN_TRANSLATEACCELERATOR  OnTranslateAccelerator(): true consumes the key
//
// A page overrides OnInitDialog, OnCommand and OnNotify as a plain dialog does. Resizable pages
// keep their anchored controls laid out as the sheet resizes them. Edit fields and lists take
// the dark theme's colours (in the dark theme the whole page is dark: control_look_win.h), and
// while the sheet shows its page list instead of tabs the page paints its own background and takes
// Ctrl+F to the search box. A control the search found on the page is framed in the highlight
// colour for a moment (SCM_MARK_CONTROL).

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "frame/control_look_win.h"
#include "frame/dialog_appearance_win.h"
#include "frame/dialog_resizer_win.h"
#include "frame/window_win.h"

namespace scrv {

// From a page to its sheet when it becomes the current page: lParam is the page window.
constexpr UINT SCM_PAGE_ACTIVATED = 0x80FF;
// From the sheet to a page: mark control wParam for a moment (the search found it there).
constexpr UINT SCM_MARK_CONTROL = 0x80FE;

struct PageAnchorRule {
  uint32_t controlId;
  uint32_t flags;
};

class CPropertyPageBase : public CDialogBase {
 public:
  CPropertyPageBase(UINT templateId, UINT helpTopic) : templateId_(templateId), help_(helpTopic) {}
  ~CPropertyPageBase() override;

  // The page's handle for the sheet; `indirect` is a template copy to create it from instead
  // of the localisation module's. Null when the platform refuses.
  HPROPSHEETPAGE CreatePage(const void* indirect);

  UINT TemplateId() const { return templateId_; }
  // Set when the page's dialog has been created.
  bool Visited() const { return visited_; }
  // The sheet's theme decision, given before the page is created.
  void SetDarkTheme(bool dark) { dark_ = dark; }
  // Whether the sheet shows its page list instead of its tab row, given likewise.
  void SetSheetNavigation(bool navigation) { navigation_ = navigation; }

  // The decoded handlers.
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual bool OnNotify(int /*id*/, NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual bool OnApply() { return true; }
  virtual void OnSetActive() {}
  virtual bool OnKillActive() { return false; }
  virtual void OnHelp();
  virtual bool OnTranslateAccelerator(const MSG& /*msg*/) { return false; }

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 protected:
  HWND Sheet() const { return ::GetParent(m_hWnd); }
  // Whether the sheet shows its page list instead of its tab row.
  bool SheetTabsHidden() const { return navigation_; }
  // Resizable pages: their anchors, laid out on every WM_SIZE (the page calls this before its
  // dialog exists, typically in its constructor).
  void SetAnchors(std::span<const PageAnchorRule> anchors) { anchors_ = anchors; }
  bool DarkTheme() const { return dark_; }
  // Turns a list's redraw off until the page is first made current: by then the sheet has given
  // the page its size, and the list, filled in the meantime, is laid out and drawn once. With
  // `showFocused` a list view then scrolls its focused row into view.
  void HoldRedraw(HWND list, bool showFocused = false);
  bool RedrawHeld(HWND list) const;

 private:
  static UINT CALLBACK PageCallback(HWND, UINT msg, LPPROPSHEETPAGEW page);
  bool OnSheetNotify(NMHDR& header, LRESULT& result);
  bool FocusSearchBox(const MSG& msg);
  void Mark(UINT controlId);
  void PaintMark();
  HBRUSH OnCtlColor(HDC dc);

  UINT templateId_;
  UINT help_;
  bool visited_ = false;
  bool dark_ = false;
  bool navigation_ = false;
  bool registered_ = false;
  std::span<const PageAnchorRule> anchors_;
  std::optional<DialogResizer> resizer_;
  HBRUSH brush_ = nullptr;
  DarkFace face_;                            // the dark theme's face
  UINT marked_ = 0;                          // the control marked for a moment
  std::vector<std::pair<HWND, bool>> held_;  // lists whose redraw waits, and showFocused
};

// The names the pages are declared with: every page is a CResizablePropertyPageImpl over its
// own class, built on CScPropertyPageImpl.
template <class T>
class CScPropertyPageImpl : public CPropertyPageBase {
 public:
  using CPropertyPageBase::CPropertyPageBase;
};

template <class T>
class CResizablePropertyPageImpl : public CScPropertyPageImpl<T> {
 public:
  using CScPropertyPageImpl<T>::CScPropertyPageImpl;
};

}  // namespace scrv
