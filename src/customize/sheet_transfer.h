#pragma once
// Settings files inside the Customize sheet. An export there writes what the pages show now —
// the store's values and records with the pages' working values and lists over them — so that
// the file holds what the user sees, changed or not yet saved. An import there compares the
// file with the same, and turns what it changes into working values of the pages, as one step
// to undo; nothing is written until OK. What no page shows (the key tables' other values, the
// menus, the toolbar layout, the code pages) is left out of an import in the sheet, with a line
// in the report: OK writes what the pages show, and a value no page shows could be neither
// checked nor undone before it.

#include <memory>

#include "customize/customize_session.h"
#include "customize/customize_undo.h"
#include "settings/settings_transfer.h"

namespace scrv {

// The store and the record files as the pages show them: copies in memory, never written back.
class ShownSettings {
 public:
  ShownSettings(CustomizeSession& session, SettingsStore& store, const SettingsCatalog& catalog,
                const RecordPlace& place);
  ~ShownSettings();

  SettingsStore& Store();
  const RecordPlace& Place();

 private:
  struct Copies;
  std::unique_ptr<Copies> copies_;
};

// The file an export from the sheet writes (every value with `every`).
SettingsFile CollectShown(CustomizeSession& session, SettingsStore& store,
                          const SettingsCatalog& catalog, const RecordPlace& place, bool every);

// What importing `file` into the pages would change: compared with what the pages show, and
// with the entries no page shows turned into kLeftOut.
ImportPlan PlanSheetImport(const SettingsFile& file, CustomizeSession& session,
                           SettingsStore& store, const SettingsCatalog& catalog,
                           const RecordPlace& place);

// Puts the plan's values and records into the pages' working values and lists as one undo
// step (the pages it changes count as shown, so that OK writes them). False when nothing
// changed.
bool ImportIntoPages(const ImportPlan& plan, CustomizeUndo& undo, UndoPlace place);

}  // namespace scrv
