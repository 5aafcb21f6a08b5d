#pragma once
// One Customize page's working copy of its settings, driven by its descriptor: the load step
// reads every row through the open "Common" handle, the reset button sets the rows back to
// their defaults, the controls read and set the rows through their bindings, and the save
// step writes what the rows say (only for a page that was shown) and reports change bits.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "customize/setting_row.h"

namespace scrv {

struct SettingValue {
  uint64_t number = 0;
  std::u16string text;
  friend bool operator==(const SettingValue&, const SettingValue&) = default;
};

enum class NumberProblem : uint8_t { kNone, kNotANumber, kTooBig };

// A control's state after the enable rules.
struct ControlState {
  uint16_t id = 0;
  bool on = false;
  bool enabled = true;
};

class PageModel {
 public:
  explicit PageModel(const PageDescriptor& page) : page_(&page) {}

  const PageDescriptor& Page() const { return *page_; }

  // The load step: every row from `h` (the open "Common" configuration); the values as
  // loaded are kept for change detection.
  void Load(SettingsStore& store, SettingsHandle h, CustomizeEnvironment& env);
  // The reset button: every row back to its default (the page's rules may add to it).
  void Reset();
  // The save step: nothing unless the page was shown. Writes each row its table says (every
  // kAlways row, the others when changed), ORs the result bits of changed rows into the
  // context and returns the change bits.
  uint64_t Save(SaveContext& ctx);

  // Set when the page's dialog is created.
  bool visited = false;

  // The page's extension (made at the first load), as its own type.
  template <typename T>
  T& Extension() {
    return static_cast<T&>(*extension_);
  }
  bool HasExtension() const { return extension_ != nullptr; }

  size_t RowCount() const { return working_.size(); }
  SettingValue& Working(size_t row) { return working_[row]; }
  const SettingValue& Working(size_t row) const { return working_[row]; }
  const SettingValue& Loaded(size_t row) const { return loaded_[row]; }
  const SettingValue& DefaultOf(size_t row) const { return defaults_[row]; }
  bool Changed(size_t row) const;
  // The row stored under `key` (flag rows by their table name are not found here).
  std::optional<size_t> RowOf(std::u16string_view key) const;
  // Makes the current working value of a row its value as loaded (for rows a rule derives).
  void MarkLoaded(size_t row) { loaded_[row] = working_[row]; }

  // Bindings by control (or option label).
  const Binding* Find(uint16_t id) const;
  // Whether a check box or option entry is ticked.
  bool IsOn(uint16_t id) const;
  // The boxes of the page as the user left them: every box's state, given together so that
  // rows shown by several boxes are decided once. A row changes only where a box's state
  // differs from what the row shows now, so an untouched row keeps its value exactly.
  void SetBoxes(const std::vector<ControlState>& boxes);
  // Edits: the text to show, and the text typed (on leaving the field and on apply). A number
  // that cannot be read leaves the row as it is.
  std::u16string TextOf(uint16_t id) const;
  void SetText(uint16_t id, std::u16string_view text);
  // A number typed for a row with a largest value: whether the row can take it. A refused
  // number leaves the row as it is (SetText), and the page says why: `NumberReason` is the
  // sentence for the field labelled `label`, empty when the text is taken.
  NumberProblem CheckNumber(uint16_t id, std::u16string_view text) const;
  std::u16string NumberReason(uint16_t id, std::u16string_view text, std::u16string_view label,
                              const std::function<std::u16string(uint32_t)>& load) const;
  // Combos: the item to select (-1 for none), and the item chosen.
  int SelectionOf(uint16_t id) const;
  void SetSelection(uint16_t id, int item);
  // Colour buttons and push buttons.
  uint32_t ColorOf(uint16_t id) const;
  void SetColor(uint16_t id, uint32_t color);
  void Press(uint16_t id);

  // Every box and option entry with its state after the enable rules, in binding order,
  // followed by every other control a rule enables or disables.
  std::vector<ControlState> States() const;

 private:
  bool BindingOn(const Binding& b) const;
  uint64_t UnitOf(const Binding& b) const;
  void Notify(const Binding& b);

  const PageDescriptor* page_;
  std::vector<SettingValue> working_, loaded_, defaults_;
  std::unique_ptr<PageExtension> extension_;
};

// The label string of entry i of a page's searchable texts (its extra texts, else its option
// labels), or 0 past the end.
uint16_t AdditionalTextId(const PageDescriptor& page, size_t i);

// Reads the decimal number of an edit: digits only, surrounding blanks allowed, no overflow.
std::optional<uint64_t> ParseDecimal(std::u16string_view text);
std::u16string FormatDecimal(uint64_t value);

}  // namespace scrv
