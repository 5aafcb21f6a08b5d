#pragma once
// Base of the library's property sheets: runs the platform's property sheet modally over pages
// of the localisation module, binds the sheet window to its object (subclassing it once the
// platform has created it), remembers the last page, routes help to the current page, and
// optionally makes the sheet resizable (placement kept under its key, the current page filling
// the tab area) and replaces the tab row by a page list with a search box.
//
// A sheet derives from CPropertySheetBase, adds its pages in order with AddPage and runs
// DoModal. The page list shows the pages whose title, option labels (the extra text given to
// AddPage) or control captions hold every typed word; when a caption found the page, choosing
// the page puts the focus on that control and marks it for a moment. What a page or the sheet
// throws ends the sheet as its Cancel button does, and DoModal throws it again.

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/page_list.h"
#include "frame/sheet_search.h"
#include "frame/text_folder_win.h"
#include "frame/search_box_win.h"
#include "frame/dialog_resizer_win.h"
#include "frame/property_page_win.h"
#include "frame/subclass_win.h"

namespace scrv {

struct SheetOptions {
  std::wstring caption;
  HWND owner = nullptr;
  UINT startPage = 0;
  bool resizable = false;
  bool navigation = false;                 // a page list with a search box instead of the tab row
  const char16_t* lastPageKey = nullptr;   // "Common" DWORD of the page current at closing
  const char16_t* placementKey = nullptr;  // resizable sheets
  UINT focusControl = 0;                   // on the start page, when the sheet first shows
  int focusItem = -1;                      // in that control (a list view), when it is one
  bool dark = false;                       // the application's dark theme, for the pages
};

class CPropertySheetBase : public CSubclassedWindow, private NavigationKeys {
 public:
  explicit CPropertySheetBase(SheetOptions options);
  ~CPropertySheetBase() override;

  // Adds a page with the text searches find it by besides its captions (its option labels;
  // empty for none). False when the platform refuses the page.
  bool AddPage(CPropertyPageBase& page, std::u16string extraText);

  // Runs the sheet; returns what the platform's property sheet returns (1 for OK), -1 when the
  // sheet could not be started.
  INT_PTR DoModal();

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 protected:
  HWND TabControl();
  HWND CurrentPage() const;
  int CurrentIndex();

  // The search's index: a sheet may keep one for the library's life; otherwise the sheet
  // builds its own from its pages at the first search.
  virtual const SearchIndex* SharedSearchIndex() { return nullptr; }
  // Whether page i holds a setting that differs from its default, and which of its controls
  // and list rows do (for "@modified" and the modified marks).
  virtual bool PageModified(size_t /*page*/) { return false; }
  virtual PageHits ModifiedMarks(size_t /*page*/) { return {}; }
  // Where the list of page i shows the label at (list, row) of the index now: a list the user
  // reorders shows it elsewhere.
  virtual int RowShown(size_t /*page*/, uint32_t /*list*/, int row) { return row; }
  // Ctrl+Z (or, with `redo`, Ctrl+Y): true when the sheet took a change back or did it again.
  virtual bool OnUndo(bool /*redo*/) { return false; }
  // Shows the search's marks on `page` (by default the current one) anew.
  void ShowMarks(HWND page = nullptr);

  // The pages record each user action as a step in `steps` (the sheet's undo).
  void TrackSteps(PageSteps& steps);
  // After an undo, a redo or a page restored: shows the page the step happened on with its
  // model in every control, and focuses the step's control (its row, in a list view).
  void ShowRestored(const UndoPlace& place);

  // The context menu of a page's row in the page list (the mouse, Shift+F10, the Menu key):
  // the entries the sheet offers for the page, numbered from 1, and what choosing one does.
  struct PageMenuEntry {
    UINT command;
    std::wstring text;
    bool enabled = true;  // greyed when it would change nothing
  };
  virtual std::vector<PageMenuEntry> PageMenu(size_t /*page*/) { return {}; }
  virtual void OnPageMenu(size_t /*page*/, UINT /*command*/) {}

 private:
  struct PageEntry {
    CPropertyPageBase* page;
    std::u16string extraText;
    std::vector<uint8_t> templateCopy;           // navigation only
    std::optional<DialogTemplateText> captions;  // read from the copy on the first search
  };

  static int CALLBACK SheetCallback(HWND hwnd, UINT msg, LPARAM lParam);
  void OnInitialized();
  void BuildNavigation();
  // Where the title list (its left, top and width given) ends and the separator under it runs:
  // half a tab row above the buttons, with the list's margin on both sides.
  struct NavigationLines {
    RECT list, separator;
  };
  NavigationLines Lines(const RECT& list);
  void OnFirstShow();
  void AttachResizer();
  void LayoutPageArea();
  // While a query lists no page, the page shown keeps its title above it (the page moves down
  // by the title's height); otherwise no title, the page where the platform put it.
  void ShowPageTitle(HWND page = nullptr);
  void FillTitles();
  void OnTitleChosen();
  // Marks the control whose caption found the selected page; with `focus` also moves the focus
  // there. True when the focus moved.
  bool ShowMatch(bool focus);
  void SelectRowOfPage(HWND page);
  // The page list's context menu at `pos` (screen coordinates; -1 from the keyboard).
  void OnTitlesMenu(LPARAM pos);
  // The same menu from the tab row (the sheet without its page list).
  void OnTabMenu(HWND tab, LPARAM pos);
  void ShowPageMenu(size_t page, POINT at);
  // The page list's width for its titles and the search box's hint.
  int NavigationWidth(HWND tab, const std::wstring& cue);
  SheetSearch& Search();
  // The keys of the search, wherever the focus is in the sheet: true when the key was used.
  bool OnSearchKey(const MSG& msg);
  void GoTo(const SearchMatch& match);
  static LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam);
  HFONT NavigationFont();
  // The bold version of the navigation font (of the sheet's font when there is none), for the
  // title over a page while a query lists no page.
  HFONT TitleFont();
  const DialogTemplateText* Captions(PageEntry& entry);

  // NavigationKeys.
  void FocusSearchBox() override;
  void FocusTitleList() override;
  void FocusSearchBoxSoon() override;
  void EnterPage() override;

  SheetOptions options_;
  PROPSHEETHEADERW header_ = {};
  std::vector<HPROPSHEETPAGE> handles_;
  std::vector<PageEntry> pages_;
  CreateWndEntry entry_;
  ModalScope* scope_ = nullptr;  // while DoModal runs
  HWND tab_ = nullptr;
  bool shown_ = false;
  bool layingOut_ = false;

  // Resizing.
  DialogResizer resizer_;
  SIZE pageInset_ = {};  // how much smaller the page is than the tab control's client area

  DarkFace face_;  // the dark theme's face

  // Navigation.
  CSearchBox search_;
  CTitleList titles_;
  std::vector<PageListRow> rows_;
  WinTextFolder folder_;
  std::unique_ptr<SearchIndex> ownIndex_;
  std::unique_ptr<SheetSearch> searchModel_;
  // The platform's own sheet loop may not offer the sheet its keys: they are taken from the
  // thread's message queue while the sheet is up.
  HHOOK keyHook_ = nullptr;
  CPropertySheetBase* outerKeySheet_ = nullptr;
  HWND separator_ = nullptr;
  HWND pageTitle_ = nullptr;
  HWND titledPage_ = nullptr;  // the page moved down under the title
  int titleShift_ = 0;
  HWND buttons_[4] = {};  // Cancel, OK, Help, Apply
  HFONT font_ = nullptr;
  HFONT titleFont_ = nullptr;
  int navWidth_ = 0;
  int tabRowHeight_ = 0;
};

}  // namespace scrv
