#pragma once
// The Customize pages as data. A page is a descriptor: its template and help topic, one row per
// stored setting (key, stored type, default, capacity, when it is written, the change and
// result bits it contributes), one binding per control or option-list entry that shows a row,
// the enable rules between them, the resizing anchors, and — only where a page has behaviour a
// table cannot say — a pointer to its special rules. PageModel walks these tables to load,
// reset and save; the one Win32 page binds the controls to it.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "frame/anchor_layout.h"
#include "settings/flag_table.h"
#include "settings/small_value_table.h"

namespace scrv {

class PageModel;
struct SaveContext;
class SettingsStore;
class CustomizeEnvironment;
using SettingsHandle = std::uintptr_t;

// How a setting is kept in the store.
enum class Stored : uint8_t {
  kDword,   // 32-bit integer
  kQword,   // 64-bit integer
  kString,  // text of at most `capacity` characters, terminator included
  kFlag,    // a row of the flag table: default from the table, and a value equal to the
            // default is deleted from the store instead of written
  kNone,    // kept only while the sheet is open (a button's effect, for example)
};

// When a page's save step writes a row. Nothing at all is written for a page never shown.
enum class Write : uint8_t { kWhenChanged, kAlways };

// Defaults that the running system decides.
enum class SystemDefault : uint8_t {
  kNone,
  kBarTextColor,    // the theme's or the system's bar text colour
  kBarBackColor,    // the theme's or the system's bar background colour
  kActiveTabColor,  // the system colour of an active caption
  kIconDesign,      // 1, or 0 for a packaged installation
};

struct SettingRow {
  std::u16string_view key;  // for kFlag the table's name is used
  Stored stored = Stored::kDword;
  uint64_t def = 0;             // the default; for kFlag the flag row number
  std::u16string_view textDef;  // kString
  uint16_t capacity = 0;        // kString: characters, terminator included
  Write write = Write::kWhenChanged;
  SystemDefault system = SystemDefault::kNone;
  bool ignoreCase = false;  // kString: a change of case alone is no change
  uint64_t changeBits = 0;  // the page's change bits when the value changed
  uint32_t resultBits = 0;  // ORed into the sheet's result when the value changed
  // kDword: a value never stored loads as `unstored` instead of the default, so that the page's
  // rules can tell it apart; the default, and a reset, stay the row's.
  bool marksUnstored = false;
  uint32_t unstored = 0;
  // kDword: the largest value the setting can hold (0: any 32-bit value). A number typed
  // beyond it, or no number at all, is refused with a reason instead of being taken.
  uint32_t max = 0;

  constexpr SettingRow Always() const {
    SettingRow r = *this;
    r.write = Write::kAlways;
    return r;
  }
  constexpr SettingRow Bits(uint64_t bits) const {
    SettingRow r = *this;
    r.changeBits = bits;
    return r;
  }
  constexpr SettingRow Result(uint32_t bits) const {
    SettingRow r = *this;
    r.resultBits = bits;
    return r;
  }
  constexpr SettingRow From(SystemDefault source) const {
    SettingRow r = *this;
    r.system = source;
    return r;
  }
  constexpr SettingRow LoadUnstoredAs(uint32_t marker) const {
    SettingRow r = *this;
    r.marksUnstored = true;
    r.unstored = marker;
    return r;
  }
  constexpr SettingRow IgnoreCase() const {
    SettingRow r = *this;
    r.ignoreCase = true;
    return r;
  }
};

constexpr SettingRow MakeRow(std::u16string_view key, Stored stored, uint64_t def) {
  SettingRow r;
  r.key = key;
  r.stored = stored;
  r.def = def;
  return r;
}
constexpr SettingRow Dword(std::u16string_view key, uint32_t def) {
  return MakeRow(key, Stored::kDword, def);
}
constexpr SettingRow Qword(std::u16string_view key, uint64_t def) {
  return MakeRow(key, Stored::kQword, def);
}
constexpr SettingRow Text(std::u16string_view key, uint16_t capacity,
                          std::u16string_view def = {}) {
  SettingRow r = MakeRow(key, Stored::kString, 0);
  r.textDef = def;
  r.capacity = capacity;
  return r;
}
constexpr SettingRow Flag(uint32_t row) {
  return MakeRow({}, Stored::kFlag, row);
}
// A row of the flag table that its page keeps as a plain DWORD (written as the page says, not
// deleted at its default): the name and the default are the table's. A flag whose default the
// running system decides has no compile-time default and is refused here; use Flag for it.
// Not constexpr: a call in a constant expression is the compile error.
inline void DefaultDecidedAtRunTime() {}
constexpr SettingRow FlagDword(uint32_t row) {
  if (row == flag::kBackslashJapanese) DefaultDecidedAtRunTime();
  return Dword(kFlagRows.at(row).name, kFlagRows.at(row).def);
}
// A row of the small-value table, its name, default and largest value the table's.
constexpr SettingRow SmallDword(uint32_t row) {
  SettingRow r = Dword(kSmallValueRows.at(row).name, kSmallValueRows.at(row).def);
  r.max = kSmallValueRows.at(row).limit;
  return r;
}
// A value the page keeps while the sheet is open and never stores.
constexpr SettingRow Transient(uint64_t def = 0) {
  return MakeRow({}, Stored::kNone, def);
}

// How a control shows a row.
enum class Show : uint8_t {
  kCheck,     // ticked while the value is nonzero; ticking stores 1, clearing 0
  kInverted,  // ticked while the value is 0
  kBit,       // ticked while bit `arg` is set; ticking sets just that bit
  kChoice,    // ticked while the value is `arg`; the row takes the `arg` of its first ticked
              // box, or `other` when none of its boxes is ticked
  kNumber,    // an edit holding the value in decimal; with `other` = n + 1, in the unit held
              // by row n (the value shown is the row's value divided by the unit)
  kText,      // an edit holding the text
  kCombo,     // a drop-down list: item i stands for values[i], or for i without a value list
  kColor,     // a button that shows the colour (COLORREF) and lets the user choose another
  kButton,    // a push button that stores `arg` in its row when pressed
  kBrowse,    // a push button that lets the user choose a folder (arg 0) or a program (arg 1)
              // for the edit bound to the same row
};

struct Binding {
  uint16_t id = 0;  // the control; for an entry of the option list, its label string
  Show show = Show::kCheck;
  uint8_t row = 0;
  bool inList = false;  // an entry of the page's option list rather than a control
  uint32_t arg = 0;
  uint32_t other = 0;
  std::span<const uint16_t> items;   // kCombo: the string of each item
  std::span<const uint64_t> values;  // kCombo: the value of each item
};

constexpr Binding MakeBinding(uint16_t id, Show show, uint8_t row, uint32_t arg = 0,
                              uint32_t other = 0) {
  Binding b;
  b.id = id;
  b.show = show;
  b.row = row;
  b.arg = arg;
  b.other = other;
  return b;
}
constexpr Binding Check(uint16_t id, uint8_t row) {
  return MakeBinding(id, Show::kCheck, row);
}
constexpr Binding Inverted(uint16_t id, uint8_t row) {
  return MakeBinding(id, Show::kInverted, row);
}
constexpr Binding BitBox(uint16_t id, uint8_t row, uint32_t bit) {
  return MakeBinding(id, Show::kBit, row, bit);
}
constexpr Binding Choice(uint16_t id, uint8_t row, uint32_t value, uint32_t none) {
  return MakeBinding(id, Show::kChoice, row, value, none);
}
constexpr Binding Number(uint16_t id, uint8_t row) {
  return MakeBinding(id, Show::kNumber, row);
}
// A number shown in the unit that row `unitRow` holds.
constexpr Binding Scaled(uint16_t id, uint8_t row, uint8_t unitRow) {
  return MakeBinding(id, Show::kNumber, row, 0, static_cast<uint32_t>(unitRow) + 1u);
}
constexpr Binding Edit(uint16_t id, uint8_t row) {
  return MakeBinding(id, Show::kText, row);
}
constexpr Binding Combo(uint16_t id, uint8_t row, std::span<const uint16_t> items,
                        std::span<const uint64_t> values = {}) {
  Binding b = MakeBinding(id, Show::kCombo, row);
  b.items = items;
  b.values = values;
  return b;
}
constexpr Binding Color(uint16_t id, uint8_t row) {
  return MakeBinding(id, Show::kColor, row);
}
constexpr Binding Button(uint16_t id, uint8_t row, uint32_t stores) {
  return MakeBinding(id, Show::kButton, row, stores);
}
constexpr Binding Browse(uint16_t id, uint8_t row, bool program = false) {
  return MakeBinding(id, Show::kBrowse, row, program ? 1u : 0u);
}
// The same binding as an entry of the option list, `id` being its label.
constexpr Binding Option(Binding b) {
  b.inList = true;
  return b;
}

// What a binding's state does to another control. A binding is "on" when its box is ticked,
// its combo shows a nonzero value, or its edit holds a nonzero number or any text.
enum class Effect : uint8_t {
  kEnable,     // enabled while `source` (or `source2`) is on
  kEnableOff,  // enabled while `source` is off
  kLockOff,    // while `source` is on: cleared and disabled
  kLockOn,     // while `source` is on: ticked and disabled
};

struct EnableRule {
  uint16_t target;
  Effect effect;
  uint16_t source;
  uint16_t source2 = 0;
};

// What a page's save step hands back, and what it may change besides its change bits.
struct SaveContext {
  SettingsStore& store;
  SettingsHandle handle;
  CustomizeEnvironment& env;
  uint32_t result = 1;          // CustomizeResult
  uint32_t* restart = nullptr;  // RestartNotice, when the host gave one
};

// The behaviour of a page that its tables cannot express. Stateless: what a rule needs to
// remember lives in the page model's rows.
class PageRules {
 public:
  virtual ~PageRules() = default;
  // After the rows have been read (values derived from other keys, fallbacks).
  virtual void AfterLoad(PageModel&, SettingsStore&, SettingsHandle, CustomizeEnvironment&) const {}
  // After the rows have been set back to their defaults by the page's reset button.
  virtual void AfterReset(PageModel&) const {}
  // A control of the page changed (a box ticked, a button pressed, an edit left).
  virtual void OnChange(PageModel&, uint16_t /*id*/) const {}
  // After the rows have been written: further effects, given the change bits so far.
  virtual uint64_t AfterSave(PageModel&, SaveContext&, uint64_t bits) const { return bits; }
};

// The state of a page that is more than rows: a list of its own, a record file, values with
// rules of their own. The page model makes it at the first load and runs it after its rows.
class PageExtension {
 public:
  virtual ~PageExtension() = default;
  virtual void Load(PageModel&, SettingsStore&, SettingsHandle, CustomizeEnvironment&) = 0;
  // Only for a page that was shown; answers the change bits.
  virtual uint64_t Save(PageModel&, SaveContext&) = 0;
};
using MakeExtensionFn = std::unique_ptr<PageExtension> (*)();

struct PageDescriptor {
  uint16_t templateId = 0;
  uint16_t helpTopic = 0;
  std::span<const SettingRow> rows;
  std::span<const Binding> bindings;
  std::span<const EnableRule> enables;
  std::span<const Anchor> anchors;
  uint16_t optionList = 0;   // the list view of the option entries, 0 without one
  uint16_t resetButton = 0;  // sets every row back to its default
  // The texts the page serves to searches when they are not its option labels.
  std::span<const uint16_t> extraTexts;
  uint64_t visitedBits = 0;    // change bits of a page that was shown, whatever changed
  uint32_t visitedResult = 0;  // result bits of a page that was shown
  const PageRules* rules = nullptr;
  MakeExtensionFn extension = nullptr;
};

// A page's descriptor from its template, help topic and tables; the few other fields are set
// on the result.
constexpr PageDescriptor Describe(uint16_t templateId, uint16_t helpTopic,
                                  std::span<const SettingRow> rows,
                                  std::span<const Binding> bindings = {},
                                  std::span<const EnableRule> enables = {},
                                  std::span<const Anchor> anchors = {},
                                  const PageRules* rules = nullptr) {
  PageDescriptor d;
  d.templateId = templateId;
  d.helpTopic = helpTopic;
  d.rows = rows;
  d.bindings = bindings;
  d.enables = enables;
  d.anchors = anchors;
  d.rules = rules;
  return d;
}

}  // namespace scrv
