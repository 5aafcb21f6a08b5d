#pragma once
// The menu model's platform services on Windows: menu resources and strings of the
// localisation module, names compared as the system compares them, and the record files in
// the application-data folder.

#include <windows.h>

#include <map>

#include "menus/menu_labels.h"
#include "menus/menu_resources.h"
#include "menus/menu_storage.h"

namespace scrv {

// Each menu resource is walked once per object: a dialog reads the default and the reference
// of a menu from the same walk.
class CModuleMenuResources : public MenuResources {
 public:
  std::optional<std::vector<ResourceMenuItem>> LoadMenuResource(uint32_t id) override;
  std::u16string LoadText(uint32_t id) override;

 private:
  std::map<uint32_t, std::optional<std::vector<ResourceMenuItem>>> menus_;
};

// Equal without regard to case, as the system's ordinal comparison has it.
bool SameNameOrdinal(std::u16string_view a, std::u16string_view b);

// The menu records of the application-data folder (its path worked out once per call).
MenuRecordFiles AppMenuRecordFiles();

}  // namespace scrv
