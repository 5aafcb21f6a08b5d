#pragma once
// The state of the pages that keep more than rows: the status bar's order, the CSV formats,
// the active string table, the rendering values and the folders left out of the history.
// Each is loaded with its page before the sheet opens and saved with it after OK.

#include <string>
#include <vector>

#include "customize/active_strings.h"
#include "customize/csv_format_list.h"
#include "customize/page_model.h"
#include "customize/rendering_values.h"
#include "customize/status_order.h"

namespace scrv {

// The label string of status item 1 to 17 (0 for any other).
uint16_t StatusItemLabel(uint32_t item);

class StatusExtension : public PageExtension {
 public:
  void Load(PageModel&, SettingsStore&, SettingsHandle, CustomizeEnvironment&) override;
  uint64_t Save(PageModel&, SaveContext&) override;
  // An order that is not every item once resets the order and the show bits.
  static void Normalize(PageModel& page);
  static void Reset(PageModel& page);
  // The show bits row of the page.
  static SettingValue& ShowBits(PageModel& page);

  StatusOrder order{}, loadedOrder{};
};

class CsvExtension : public PageExtension {
 public:
  void Load(PageModel&, SettingsStore&, SettingsHandle, CustomizeEnvironment&) override;
  uint64_t Save(PageModel&, SaveContext&) override;

  CsvFormatList list;
  int preselect = -1;  // the format to select when the page opens (DoCustomize's argument 4)
};

class ActiveStringExtension : public PageExtension {
 public:
  void Load(PageModel&, SettingsStore&, SettingsHandle, CustomizeEnvironment&) override;
  uint64_t Save(PageModel&, SaveContext&) override;

  ActiveStringTable table{}, loaded{};
};

class RenderingExtension : public PageExtension {
 public:
  void Load(PageModel&, SettingsStore&, SettingsHandle, CustomizeEnvironment&) override;
  uint64_t Save(PageModel&, SaveContext&) override;

  RenderingModel model;
};

class HistoryExtension : public PageExtension {
 public:
  void Load(PageModel&, SettingsStore&, SettingsHandle, CustomizeEnvironment&) override;
  uint64_t Save(PageModel&, SaveContext&) override;

  std::vector<std::u16string> folders, loadedFolders;
};

}  // namespace scrv
