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

class CCustomizeSheet : public CPropertySheetBase {
 public:
  CCustomizeSheet(SheetOptions options, CustomizeSession& session);

 protected:
  // The search keeps one index for the library's life; "@modified" and the modified marks come
  // from the pages' defaults.
  const SearchIndex* SharedSearchIndex() override;
  bool PageModified(size_t page) override;
  PageHits ModifiedMarks(size_t page) override;
  // The page list's menu: exporting and importing settings files.
  std::vector<MenuEntry> PageListMenu(size_t page) override;
  void OnPageListCommand(UINT command, size_t page) override;

 private:
  // A settings file of what the pages show now, saved or not.
  void ExportShown();
  // A settings file's values as the pages' working values (one undo step; written at OK).
  void ImportIntoSheet();
  // A value being typed on the current page counts as the page's.
  void TakeTypedValues();

  std::vector<std::unique_ptr<CCustomizePage>> pages_;
  CustomizeSession& session_;
  CustomizeDefaults defaults_;
  CustomizeUndo undo_;
};

// Sends the change mask to every main window of the host (stopping at the first that answers
// nonzero) and, when its bits concern it, to the tray program's window.
void NotifySettingsChanged(uint64_t changes);

}  // namespace scrv
