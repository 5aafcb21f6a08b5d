#pragma once
// The Customize sheet: the application's options on twenty-three pages, with the page list and
// its search in place of the tab row (unless "NewPropertySheet" is 0). DoCustomize loads every
// page's settings before the sheet opens, and after OK saves the pages that were shown and tells
// the host's windows what changed.

#include <memory>
#include <vector>

#include "customize/customize_page_dlg.h"
#include "customize/customize_session.h"
#include "customize/customize_undo.h"
#include "frame/property_sheet_win.h"

namespace scrv {

class CCustomizeSheet : public CPropertySheetBase, private PageSteps {
 public:
  CCustomizeSheet(SheetOptions options, CustomizeSession& session);

 protected:
  // The search keeps one index for the library's life; "@modified" and the modified marks come
  // from the pages' defaults.
  const SearchIndex* SharedSearchIndex() override;
  bool PageModified(size_t page) override;
  PageHits ModifiedMarks(size_t page) override;
  // The status bar's items are listed in the order the user gave them.
  int RowShown(size_t page, uint32_t list, int row) override;
  // Ctrl+Z and Ctrl+Y over every page's steps.
  bool OnUndo(bool redo) override;
  // The page list's menu: see kPageMenu.
  std::vector<PageMenuEntry> PageMenu(size_t page) override;
  void OnPageMenu(size_t page, UINT command) override;

 private:
  // PageSteps: not while a step is being taken back or done again.
  void BeginStep(size_t page) override;
  void EndStep(UndoPlace place, UndoKind kind) override;
  void RestoreDefaultsOf(size_t page);
  // A settings file of what the pages show now, saved or not.
  void ExportShown(size_t page);
  // A settings file's values as the pages' working values (one undo step; written at OK).
  void ImportIntoSheet(size_t page);
  // A value being typed on the current page counts as the page's.
  void TakeTypedValues();

  struct PageMenuRow {
    UINT text;  // a string with the page's title for its %s, if it has one
    void (CCustomizeSheet::*run)(size_t page);
    bool (CCustomizeSheet::*enabled)(size_t page);  // whether it would change anything; null: always
  };
  static const PageMenuRow kPageMenu[];

  std::vector<std::unique_ptr<CCustomizePage>> pages_;
  CustomizeSession& session_;
  CustomizeDefaults defaults_;
  CustomizeUndo undo_;
  bool replaying_ = false;
};

// Sends the change mask to every main window of the host (stopping at the first that answers
// nonzero) and, when its bits concern it, to the tray program's window.
void NotifySettingsChanged(uint64_t changes);

}  // namespace scrv
