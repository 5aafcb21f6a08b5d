#pragma once
// The table of active strings: for each of 22 kinds of recognised text and 5 occasions, the
// action the editor takes, two values for it and a text (an address template, a macro path or
// a command line). Stored in record 0 ("ActiveS") as the entries that differ from the built-in
// ones.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"

namespace scrv {

constexpr size_t kActiveStringKinds = 22;
constexpr size_t kActiveStringOccasions = 5;
constexpr size_t kActiveStringEntries = kActiveStringKinds * kActiveStringOccasions;
constexpr size_t kActiveStringTextCapacity = 260;  // units, terminator included
constexpr uint32_t kActiveStringActions = 12;      // 0 (none) to 11
constexpr uint32_t kActiveStringRunCommand = 6;    // the action whose first value is a command
constexpr size_t kActiveStringCommandCount = 70;   // the commands the page offers for it

struct ActiveStringEntry {
  uint32_t action = 0;
  uint32_t value1 = 0;
  uint32_t value2 = 0;
  std::u16string text;
  friend bool operator==(const ActiveStringEntry&, const ActiveStringEntry&) = default;
};

// Indexed kind * 5 + occasion.
using ActiveStringTable = std::array<ActiveStringEntry, kActiveStringEntries>;

const ActiveStringTable& BuiltinActiveStrings();

// The built-in table with the entries of a loaded record over it: groups of kind, occasion,
// action and two values (a missing value reads as 0) with the next text (cut to 259 units);
// a kind or occasion out of range ends the reading.
ActiveStringTable ReadActiveStrings(const RecordLists& lists);

// Texts equal ignoring case (the platform's ordinal comparison).
using SameTextFn = std::function<bool(std::u16string_view, std::u16string_view)>;
// The record's lists: every entry that differs from its built-in one, in table order.
RecordLists ActiveStringLists(const ActiveStringTable& table, const SameTextFn& same);

// The variables the variable menu inserts as "$(name)", in menu order.
extern const std::array<std::u16string_view, 22> kActiveStringVariables;
std::u16string ActiveStringVariable(size_t index);

// The commands the page offers for "Run a command", in list order: the editing commands, then
// the search commands, then the tools, kActiveStringCommandCount of them.
std::vector<uint16_t> ActiveStringCommands();

}  // namespace scrv
