#pragma once
// Base of every property page: a dialog of the frame (dialog_impl_win.h) bound to its object
// through the creation list (its page callback registers it just before the platform creates
// its dialog), which decodes the property-sheet notifications besides:
//
//   PSN_SETACTIVE   tells the sheet (SCM_PAGE_ACTIVATED), then OnSetActive()
//   PSN_KILLACTIVE  OnKillActive(): true keeps the user on the page
//   PSN_APPLY       OnApply(): false keeps the sheet open
//   PSN_HELP        OnHelp(): the page's help topic (also for F1 on the page)
//   PSN_TRANSLATEACCELERATOR  OnTranslateAccelerator(): true consumes the key
//
// While the sheet shows its page list instead of tabs the page paints its own background and
// takes Ctrl+F to the search box. A control the search found on the page is framed in the
// highlight colour for a moment (SLM_MARK_CONTROL). A control that carries a lasting mark tells
// a screen reader so in its accessible description for as long as it carries it.
//
// A test seam: when the environment variable SCRV_TEST_PAGE_THROW holds a message number, a
// page that gets that message throws, as a broken handler would.

#include <windows.h>

#include <commctrl.h>

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "frame/dialog_impl_win.h"
#include "frame/library_messages_win.h"
#include "frame/undo_stack.h"

namespace scrv {

// Where a sheet records its pages' user actions for undo: the page opens a step before it
// handles a message a user's action sends it (a command, a notification, a list's change, a
// context menu) and closes it after; the sheet keeps the step when the page's model changed.
class PageSteps {
 public:
  virtual void BeginStep(size_t page) = 0;
  virtual void EndStep(UndoPlace place, UndoKind kind) = 0;

 protected:
  ~PageSteps() = default;
};

class CPropertyPageBase : public CDialogFrame {
 public:
  CPropertyPageBase(UINT templateId, UINT helpTopic);
  ~CPropertyPageBase() override;

  // The page's handle for the sheet; `indirect` is a template copy to create it from instead
  // of the localisation module's. Null when the platform refuses.
  HPROPSHEETPAGE CreatePage(const void* indirect);

  // The sheet's theme decision, given before the page is created.
  void SetDarkTheme(bool dark) { SetDark(dark); }
  // Whether the sheet shows its page list instead of its tab row, given likewise.
  void SetSheetNavigation(bool navigation) { navigation_ = navigation; }

  // The sheet's notifications, decoded.
  virtual bool OnApply() { return true; }
  virtual void OnSetActive() {}
  virtual bool OnKillActive() { return false; }
  virtual bool OnTranslateAccelerator(const MSG& /*msg*/) { return false; }

  // What the sheet's search marks on the page while a query is typed: every control it matches
  // (a frame), every control whose setting differs from its default (a bar), and the rows of
  // the page's lists it matches (a coloured background, drawn by the page's list).
  struct SearchMarks {
    std::vector<uint32_t> matched, modified;
    std::vector<std::pair<uint32_t, int>> rows;          // list control, row
    std::vector<std::pair<uint32_t, int>> modifiedRows;  // likewise, rows that differ
  };
  const SearchMarks& Marks() const { return marks_; }
  bool RowMatched(uint32_t list, int row) const;
  bool RowModified(uint32_t list, int row) const;
  // Draws the marks of a row of list view `list` (its NM_CUSTOMDRAW): a matched row on the
  // mark's background, a row that differs with the modified bar at its left edge. Adds to
  // `result` what the stage needs; true when it drew something.
  bool DrawRowMarks(uint32_t list, NMLVCUSTOMDRAW& draw, LRESULT& result);

  // The sheet's undo: the page's index in its sheet and where its steps go.
  void SetSteps(PageSteps* steps, size_t index) {
    steps_ = steps;
    index_ = index;
  }
  // The page's model was put back to an earlier state (undo, redo, a page restored from the
  // sheet): show it in every control.
  virtual void OnModelRestored() {}

  // Every message goes through the step around the frame's dispatch.
  DLGPROC GetDialogProc() override { return StepProc; }

  // The page's own messages (background, marks) before the frame's.
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 protected:
  HWND Sheet() const { return ::GetParent(m_hWnd); }
  // What the step being handled is, when it is not a plain change (a reset, a page restored,
  // a list edited), and the row of the list it happened in.
  void SetStepKind(UndoKind kind, int item = -1) {
    stepKind_ = kind;
    stepItem_ = item;
  }
  // Whether the sheet shows its page list instead of its tab row.
  bool SheetTabsHidden() const { return navigation_; }
  // Turns a list's redraw off until the page is first made current: by then the sheet has given
  // the page its size, and the list, filled in the meantime, is laid out and drawn once. With
  // `showFocused` a list view then scrolls its focused row into view.
  void HoldRedraw(HWND list, bool showFocused = false);
  bool RedrawHeld(HWND list) const;

 private:
  static UINT CALLBACK PageCallback(HWND, UINT msg, LPPROPSHEETPAGEW page);
  static INT_PTR CALLBACK StepProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool OnSheetNotify(NMHDR& header, LRESULT& result) override;
  bool FocusSearchBox(const MSG& msg);
  void Mark(UINT controlId);
  void PaintMark();
  void SetMarks(const SearchMarks* marks);
  // What a screen reader is told about control `id`'s marks: empty when it carries none.
  std::wstring MarkDescription(uint32_t id) const;
  static LRESULT CALLBACK DescribedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data);

  bool navigation_ = false;
  bool registered_ = false;
  PageSteps* steps_ = nullptr;
  size_t index_ = 0;
  int stepDepth_ = 0;
  UndoKind stepKind_ = UndoKind::kChange;
  int stepItem_ = -1;
  UINT throwOn_ = 0;                         // the test seam's message
  UINT marked_ = 0;                          // the control marked for a moment
  SearchMarks marks_;                        // the search's lasting marks
  std::vector<uint32_t> described_;          // controls whose description names their marks
  std::vector<std::pair<HWND, bool>> held_;  // lists whose redraw waits, and showFocused
};

}  // namespace scrv
