#include "base/command_table.h"

#include <array>

#include "menus_ids.h"

namespace scrv {
namespace {

// Category masks as commands.inc spells them.
constexpr uint32_t C_FILE = 1u << kCategoryFile;
constexpr uint32_t C_EDIT = 1u << kCategoryEdit;
constexpr uint32_t C_SEARCH = 1u << kCategorySearch;
constexpr uint32_t C_VIEW = 1u << kCategoryView;
constexpr uint32_t C_BOOKMARKS = 1u << kCategoryBookmarks;
constexpr uint32_t C_MACROS = 1u << kCategoryMacros;
constexpr uint32_t C_TOOLS = 1u << kCategoryTools;
constexpr uint32_t C_WINDOW = 1u << kCategoryWindow;
constexpr uint32_t C_HELP = 1u << kCategoryHelp;
constexpr uint32_t C_TAB = 1u << kCategoryTab;
constexpr uint32_t C_TRAY = 1u << kCategoryTray;
constexpr uint32_t C_JUMP = 1u << kCategoryJumpList;

struct CommandRow {
  uint16_t command;
  uint32_t categories;
};

constexpr CommandRow kRows[] = {
#define SC_COMMAND(id, categories, status, name) {id, categories},
#include "commands.inc"
#undef SC_COMMAND
};

constexpr std::array<uint16_t, std::size(kRows)> kIds = [] {
  std::array<uint16_t, std::size(kRows)> ids{};
  for (size_t i = 0; i < std::size(kRows); ++i) ids[i] = kRows[i].command;
  return ids;
}();

// The categories that have rows, in table order.
constexpr uint32_t kRunOrder[] = {kCategoryFile,  kCategoryEdit,      kCategorySearch,
                                  kCategoryView,  kCategoryBookmarks, kCategoryMacros,
                                  kCategoryTools, kCategoryWindow,    kCategoryHelp,
                                  kCategoryTab,   kCategoryTray,      kCategoryJumpList};

constexpr size_t RunLength(uint32_t category) {
  size_t n = 0;
  for (const CommandRow& row : kRows)
    if (row.categories & (1u << category)) ++n;
  return n;
}

// The run lengths the host's command set has; a change to commands.inc that breaks them does
// not compile.
static_assert(RunLength(kCategoryFile) == 80);
static_assert(RunLength(kCategoryEdit) == 326);
static_assert(RunLength(kCategorySearch) == 63);
static_assert(RunLength(kCategoryView) == 99);
static_assert(RunLength(kCategoryBookmarks) == 24);
static_assert(RunLength(kCategoryMacros) == 14);
static_assert(RunLength(kCategoryTools) == 86);
static_assert(RunLength(kCategoryWindow) == 68);
static_assert(RunLength(kCategoryHelp) == 12);
static_assert(RunLength(kCategoryPlugIns) == 0 && RunLength(kCategoryToolPrograms) == 0 &&
              RunLength(kCategoryMacroFiles) == 0);
static_assert(RunLength(kCategoryTab) == 29);
static_assert(RunLength(kCategoryTray) == 25);
static_assert(RunLength(kCategoryJumpList) == 14);

constexpr bool RowsAreSound() {
  for (size_t i = 0; i < std::size(kRows); ++i) {
    const uint16_t id = kRows[i].command;
    // Plug-in, tool and macro commands take their numbers from their positions.
    if (id < 3843 || id > 22912) return false;
    if ((id >= 5888 && id < 6144) || (id >= 8448 && id < 8704) || (id >= 10240 && id < 11264))
      return false;
    // The recent-item lists stand in menus but are never offered as commands.
    if (id >= 4463 && id <= 4465 && kRows[i].categories != 0) return false;
    for (size_t j = 0; j < i; ++j)
      if (kRows[j].command == id) return false;
  }
  return true;
}
static_assert(RowsAreSound());

constexpr std::array<CommandEntry, kCommandTableSize> kTable = [] {
  std::array<CommandEntry, kCommandTableSize> table{};
  size_t n = 0;
  for (uint32_t category : kRunOrder)
    for (const CommandRow& row : kRows)
      if (row.categories & (1u << category))
        table[n++] = {row.command, static_cast<uint8_t>(category)};
  return table;
}();
static_assert(kTable[0].command == 4096 && kTable[0].category == kCategoryFile);

// Where each category's run starts and how long it is.
struct Run {
  size_t start = 0;
  size_t length = 0;
};
constexpr std::array<Run, kCommandCategoryCount> kRuns = [] {
  std::array<Run, kCommandCategoryCount> runs{};
  size_t start = 0;
  for (uint32_t category : kRunOrder) {
    runs[category] = {start, RunLength(category)};
    start += RunLength(category);
  }
  return runs;
}();

constexpr uint32_t kCategoryNames[kCommandCategoryCount] = {
    IDS_CATEGORY_FILE,    IDS_CATEGORY_EDIT,          IDS_CATEGORY_SEARCH,
    IDS_CATEGORY_VIEW,    IDS_CATEGORY_BOOKMARKS,     IDS_CATEGORY_MACROS,
    IDS_CATEGORY_TOOLS,   IDS_CATEGORY_WINDOW,        IDS_CATEGORY_HELP,
    IDS_CATEGORY_PLUGINS, IDS_CATEGORY_TOOL_PROGRAMS, IDS_CATEGORY_MACRO_FILES,
    IDS_CATEGORY_TAB,     IDS_CATEGORY_TRAY,          IDS_CATEGORY_JUMP_LIST};

}  // namespace

std::span<const CommandEntry> CommandTable() {
  return kTable;
}

std::span<const CommandEntry> CategoryRun(uint32_t category) {
  if (category >= kCommandCategoryCount) return {};
  return std::span<const CommandEntry>(kTable).subspan(kRuns[category].start,
                                                       kRuns[category].length);
}

uint32_t CategoryNameId(uint32_t category) {
  return category < kCommandCategoryCount ? kCategoryNames[category] : 0;
}

std::span<const uint16_t> CommandIds() {
  return kIds;
}

std::u16string_view CommandNameOf(std::u16string_view commandString) {
  size_t lf = commandString.find(u'\n');
  return lf == std::u16string_view::npos ? commandString : commandString.substr(lf + 1);
}

std::u16string_view CommandStatusOf(std::u16string_view commandString) {
  return commandString.substr(0, commandString.find(u'\n'));
}

}  // namespace scrv
