#pragma once
// A Customize page's state as a whole — its rows, whether it was shown, and the lists and values
// its extension keeps — to take and put back (undo and redo), and its defaults: what restoring
// the page gives, which rows and controls differ from them ("@modified" and its marks), and
// restoring them.
//
// Restoring a page gives its rows' defaults after the page's own reset rules, the status bar's
// order, the built-in active strings and the rendering defaults. A value also counts as its
// default when it is what the page shows with nothing stored: a few pages derive values at
// load (a locale from the system, a position from an older key) that their reset leaves to be
// derived again. The CSV formats and the folders left out of the history are the user's own
// lists, not settings with a default: restoring a page keeps them, and they do not make a page
// differ from its defaults.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "customize/active_strings.h"
#include "customize/csv_format_list.h"
#include "customize/page_model.h"
#include "customize/rendering_values.h"
#include "customize/status_order.h"

namespace scrv {

class CustomizeEnvironment;

struct PageState {
  std::vector<SettingValue> rows;
  bool visited = false;
  std::variant<std::monostate, StatusOrder, CsvFormatList, ActiveStringTable, RenderingModel,
               std::vector<std::u16string>>
      extension;
};

// Whether two states of one page hold the same values (the shown flag included).
bool SameState(const PageState& a, const PageState& b);

PageState CapturePage(PageModel& page);
// Puts a state taken from the same page back. A rendering preview once sent stays sent.
void RestorePage(PageModel& page, const PageState& state);

// The page's restore step: every row, and the lists that have defaults, back to them, as one
// user action (the page then counts as shown, so OK writes it).
void RestorePageDefaults(PageModel& page);

struct PageDefaults {
  PageState restored;  // what RestorePageDefaults leaves
  PageState unstored;  // what the load gives when nothing is stored
};

// The page's defaults, the page itself unchanged; `env` is the one the page was loaded with.
PageDefaults DefaultsOf(PageModel& page, CustomizeEnvironment& env);

// Whether row `row` differs from both its defaults (a row kept only while the sheet is open
// never does).
bool RowDiffers(const PageModel& page, const PageDefaults& defaults, size_t row);
// Whether any row, or a list that has defaults, differs.
bool PageDiffers(PageModel& page, const PageDefaults& defaults);

// Whether binding `b` shows something other than at either default: a box whose tick differs
// (a bit box: its bit), or any other control whose row differs. Buttons never.
bool BindingDiffers(const PageModel& page, const PageDefaults& defaults, const Binding& b);

// The status bar's items (label index: 0 for item 1) that differ from their defaults: shown
// where the default hides them or the other way round, or at another position.
std::vector<size_t> ChangedStatusItems(PageModel& status, const PageDefaults& defaults);

// The active string page's rows that differ from the built-in table, as its search labels
// count them: a kind (0 to 21) with any occasion changed, and an occasion (22 on) changed for
// the kind chosen now.
std::vector<size_t> ChangedActiveStringRows(PageModel& page, const PageDefaults& defaults);

}  // namespace scrv
