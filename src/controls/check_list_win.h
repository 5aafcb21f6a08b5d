#pragma once
// CCheckList: a report-style list view of a dialog turned into an editable, reorderable list
// with check boxes. The dialog keeps the row data; the control gives the keys, the context
// menu, row moves (buttons, keys, drag), the check-all box and copy, and hands every command
// that changes data to the dialog as SLM_CHECKLIST.
//
// How a dialog uses it:
//   1. A member `CCheckList list;`. In WM_INITDIALOG set the configuration fields below, then
//      `list.SubclassWindow(GetDlgItem(IDC_CHECK_LIST))`, fill the rows, `list.UpdateControls()`
//      (which subclassing an empty list in a hidden dialog leaves to that call).
//      Changing the configuration later: set the fields, then `list.ApplyConfiguration()`.
//   2. Register the list as a hook of the dialog (`AddParentHook(list)`, next to the
//      subclassing), so that it sees the dialog's messages before the dialog's own handlers.
//      The hook runs the move buttons (IDC_CL_MOVE_*), a Select All button (ID_CL_SELECT_ALL)
//      and the check-all box, starts drags, and turns each burst of row state changes (checks
//      and selection) into one SLM_CHECKLIST / kClSelectionChanged a moment later.
//   3. Answer SLM_CHECKLIST (wParam one of the codes below) for the commands it allows.
//   4. When rows move, the swap callback exchanges the dialog's own entries (the list view's
//      rows are exchanged by the control). Owner-data lists (LVS_OWNERDATA) keep nothing in
//      the list view: there the callback is the only exchange, the texts for copy come from
//      kClGetRowText and the check states from kClGetStateImage / kClSetStateImage.
// Requirements and limits:
//   - The check-all box is a three-state check box (BS_3STATE or BS_AUTO3STATE); the control
//     sets its caption (IDS_CHECK_ALL / IDS_CHECK_SELECTED) and state.
//   - Ordinary lists keep their texts in the list view (no LPSTR_TEXTCALLBACK): a move copies
//     the texts, parameter, image and check state of the rows it exchanges. A list whose
//     texts all come from LVN_GETDISPINFO (LPSTR_TEXTCALLBACK) sets `textCallback`: a move
//     then leaves the texts alone, and the swap callback exchanges the data they come from.
//   - Check states live in the list view's state images (1 unchecked, 2 checked, 3 and 4 the
//     extra images); an owner-data list keeps none: its dialog keeps them in its model and
//     answers kClGetStateImage / kClSetStateImage, and the control shows them through the
//     list view's callback mask.
//   - Drag reordering needs OLE on the thread (the host initialises it), `options.moving`,
//     a swap callback and a context.
//   - `darkTheme` is the dialog base's theme decision; set it before subclassing (or call
//     ApplyColors after changing it).

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/check_list_commands.h"
#include "controls/check_states.h"
#include "controls/dialog_items_win.h"
#include "controls/row_moves.h"
#include "controls_ids.h"
#include "frame/subclass_win.h"
#include "frame/library_messages_win.h"

namespace scrv {

// Codes of SLM_CHECKLIST. Commands the dialog carries out on its rows (lParam 0): cut,
// copy (only without own copy), paste (only without own paste), delete, add (Insert key),
// load and save (their menu items).
constexpr WPARAM kClCut = ID_CL_CUT;
constexpr WPARAM kClCopy = ID_CL_COPY;
constexpr WPARAM kClPaste = ID_CL_PASTE;
constexpr WPARAM kClDelete = ID_CL_DELETE;
constexpr WPARAM kClAdd = ID_CL_ADD;
constexpr WPARAM kClLoad = ID_CL_LOAD;
constexpr WPARAM kClSave = ID_CL_SAVE;
// lParam a CheckListRowText*: fill `text` with the row's text and answer > 0.
constexpr WPARAM kClGetRowText = 0x10000;
// lParam a CheckListPastedRow*: insert a row with `text` at `row` (into the dialog's data and
// the list view) and answer > 0 when it was inserted (own paste).
constexpr WPARAM kClInsertPastedRow = 0x10001;
// lParam 0: the selection or a check state changed (once per burst of changes).
constexpr WPARAM kClSelectionChanged = 0x10002;
// Owner-data lists only. lParam a row: answer its state image index (0 none, 1 unchecked,
// 2 checked, 3 and 4 the extra images).
constexpr WPARAM kClGetStateImage = 0x10003;
// Owner-data lists only. lParam a CheckListRowState*: keep the row's new state image and
// answer > 0.
constexpr WPARAM kClSetStateImage = 0x10004;

struct CheckListRowText {
  int row = 0;
  std::wstring text;
};

struct CheckListRowState {
  int row = 0;
  int image = 0;
};

struct CheckListPastedRow {
  int row = 0;
  std::wstring text;
};

// Called for every exchange of two rows (first < second) with the context given.
using CheckListSwapFn = void (*)(int first, int second, void* context);

// Timers on the list window.
constexpr UINT_PTR kCheckListScrollTimer = 25;     // auto-scroll while dragging, 100 ms
constexpr UINT_PTR kCheckListSelectionTimer = 26;  // coalesces state changes, 10 ms

class CCheckList : public CSubclassedWindow, public ParentMessageHook {
 public:
  CCheckList() = default;
  ~CCheckList() override;

  // Configuration, set by the owning dialog.
  UINT16 contextMenuId = IDM_CHECK_LIST;  // menu of the localisation module; 0 for none
  UINT16 controlId = IDC_CHECK_LIST;      // the list's identifier, to recognise its
                                          // notifications; taken from the window when
                                          // subclassed
  UINT16 checkAllId = 0;                  // the parent's three-state check-all box; 0: none
  int columnCount = 1;                    // columns to rescale when the DPI changes
  CheckListOptions options;               // editing, moving, paste/cut, check boxes, ...
  bool ownCopy = false;                   // copy the rows' texts itself (else ask the parent)
  bool ownPaste = false;                  // paste lines itself through kClInsertPastedRow
  bool upDownButtons = false;             // the parent has IDC_CL_MOVE_UP / _DOWN
  bool topBottomButtons = false;          // the parent has IDC_CL_MOVE_TOP / _BOTTOM
  bool darkTheme = false;                 // the dialog base's dark theme is in effect
  bool textCallback = false;              // every row's texts are LPSTR_TEXTCALLBACK
  bool fillLastColumn = true;             // the last column takes the rest of the width,
                                          // kept so whenever the client area changes
  CheckListSwapFn swapCallback = nullptr;
  void* swapContext = nullptr;
  // The parent dialog's look-up of its controls (the check-all box, the move buttons), when it
  // keeps the handles it has found; else each is looked up once in the parent's children.
  std::function<HWND(int)> parentLookup;
  UINT dpi = 0;  // the DPI the column widths are for (0: the window's when subclassed); the
                 // control keeps it current

  // Subclasses the list view and applies the configuration.
  bool SubclassWindow(HWND list);
  // Extended styles (full-row select, double buffering, check boxes), colours, the extra
  // state images and the parent's controls.
  void ApplyConfiguration();
  // Background and text colours: the dark colours when `darkTheme`, else the system's.
  void ApplyColors();

  // The parent hook (see above); true when the message was consumed, with `result` set.
  bool OnParentMessage(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) override;

  // Rows and their states.
  int RowCount() const;
  std::vector<int> SelectedRows() const;
  void SelectRows(const std::vector<int>& rows, int focusRow);
  bool IsRowChecked(int row) const;
  void SetRowChecked(int row, bool checked);
  // The state image index of a row: 0 none, 1 unchecked, 2 checked, 3 and 4 the extra images.
  int RowStateImage(int row) const;
  void SetRowStateImage(int row, int image);

  // Commands: whether one is available now, and carrying it out (nothing when unavailable).
  CheckListSelection CurrentSelection() const;
  bool IsCommandAvailable(UINT command) const;
  void RunCommand(UINT command);

  // Moves the selected rows as a block (through the swap callback and the list view), keeps
  // them selected and shows the row at the block's new edge.
  void MoveSelection(MoveDirection direction);
  void MoveSelectionTo(int target);

  // The texts of the selected rows as CR LF lines on the clipboard; false when nothing is
  // selected or the clipboard cannot be had.
  bool CopySelection();
  // The clipboard's lines inserted after the selection (at the end without one) through the
  // parent; selects the inserted rows and returns how many there were.
  int PasteRows();
  // A row's text: the parent's (kClGetRowText) for owner-data lists, else the list view's
  // columns joined by TAB.
  std::wstring RowText(int row) const;

  // Updates the check-all box (caption and state) and enables the parent's move buttons.
  void UpdateControls();

  // The context menu with accelerator texts and enabling for the current state (the caller
  // destroys it); null when there is no menu.
  HMENU BuildContextMenu() const;

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 private:
  bool OwnerData() const;
  HWND Parent() const { return ::GetParent(m_hWnd); }
  LRESULT Notify(WPARAM code, LPARAM lParam = 0) const;
  void SwapListRows(int first, int second);
  void ApplyMove(const RowMove& move);
  void Toggle(bool asFirst);
  void OnCheckAllClicked();
  void ShowContextMenu(LPARAM lParam);
  bool OnKeyDown(WPARAM key);
  void BeginDrag();
  void AutoScroll();
  // Custom drawing of a disabled list's rows; true when the stage was answered.
  bool DrawDisabledRow(NMLVCUSTOMDRAW& draw, LRESULT& result) const;
  void OnDpiChanged();
  // The state images: the list view's own boxes and the extra images of the image module, or
  // all four drawn (dark theme, high contrast).
  void RebuildStateImages();
  void NoteStateChange();
  void OnOwnerDataNotify(NMHDR* header);
  void SetOwnerDataStates(int row, UINT state);
  bool OnOwnerDataClick(LPARAM lParam);
  static void DropMove(void* context, int target);

  DialogItems parentControls_;  // the parent's check-all box and move buttons
  bool selectionTimer_ = false;
  bool dragging_ = false;
  bool drawnBoxes_ = false;  // the state images are the drawn ones
  bool clicking_ = false;  // an owner-data list's check box click is being handled
  bool fitting_ = false;   // the last column is being fitted to the client width
};

}  // namespace scrv
