#pragma once
// The host's commands as the menu editors offer them.
//
// Every command has a string in the localisation module under its own identifier: its status
// description, a line feed, and its name ("Creates a new document\nNew"). Dialogs that name
// commands (menus, tray icon, markers) load that string and take CommandNameOf() of it; the
// menu properties dialog also shows CommandStatusOf().
//
// The command table lists commands by category, one run per category in the order 0 to 8, 12,
// 13, 14, for the category and command lists of the menu properties dialog. A command may
// stand in several categories. Both the strings and the table come from one list,
// resources/ids/commands.inc, which the resource compiler turns into string table rows and
// this module into the table (the run lengths are checked when it is compiled).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace scrv {

enum CommandCategory : uint32_t {
  kCategoryFile = 0,
  kCategoryEdit = 1,
  kCategorySearch = 2,
  kCategoryView = 3,
  kCategoryBookmarks = 4,
  kCategoryMacros = 5,
  kCategoryTools = 6,
  kCategoryWindow = 7,
  kCategoryHelp = 8,
  // These three have no rows: they list the enabled plug-ins, the external tools and the
  // macro list, whose command identifiers follow from their positions.
  kCategoryPlugIns = 9,
  kCategoryToolPrograms = 10,
  kCategoryMacroFiles = 11,
  kCategoryTab = 12,
  kCategoryTray = 13,
  kCategoryJumpList = 14,
};
constexpr uint32_t kCommandCategoryCount = 15;

struct CommandEntry {
  uint16_t command;
  uint8_t category;
};

constexpr size_t kCommandTableSize = 840;

// The whole table, in category runs.
std::span<const CommandEntry> CommandTable();
// The run of one category; empty for 9 to 11 and for numbers past 14.
std::span<const CommandEntry> CategoryRun(uint32_t category);
// The string that names a category; 0 for numbers past 14.
uint32_t CategoryNameId(uint32_t category);
// Every command that has a command string, including the few that no category lists.
std::span<const uint16_t> CommandIds();

// The name: the part of a command string after its first line feed, or all of it when it has
// none.
std::u16string_view CommandNameOf(std::u16string_view commandString);
// The status description: the part before the first line feed (all of it without one).
std::u16string_view CommandStatusOf(std::u16string_view commandString);

}  // namespace scrv
