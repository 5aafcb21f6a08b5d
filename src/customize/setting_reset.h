#pragma once
// Resetting one setting from its control's context menu: "Reset to default (…)" names the
// default as the control would show it, is offered only while the control shows something
// else, and sets the value as the user's own edit would, so the page's rules run.

#include <cstdint>
#include <string>

#include "customize/page_state.h"

namespace scrv {

// The default of a control, as the control shows it.
struct ShownDefault {
  enum class Kind : uint8_t {
    kNone,     // the control offers no reset (a push button, or no binding)
    kTicked,   // a box or option row, ticked
    kCleared,  // a box or option row, clear
    kText,     // an edit's text (`text`, possibly empty)
    kItem,     // a drop-down list's item: its string `id`
    kColor,    // a colour: `text` is "#RRGGBB"
  };
  Kind kind = Kind::kNone;
  std::u16string text;
  uint32_t id = 0;
  friend bool operator==(const ShownDefault&, const ShownDefault&) = default;
};

// Value `v` of binding `b`'s row as the control shows it. A number shown in a unit is shown in
// the unit `page` holds now; without a page, in the stored unit.
ShownDefault ShownBy(const PageDescriptor& desc, const Binding& b, const SettingValue& v,
                     const PageModel* page = nullptr);

// The default of control (or option label) `id` of the page: the value restoring the page
// gives it. A number shown in a unit is shown in the unit chosen now.
ShownDefault DefaultShownBy(const PageModel& page, const PageDefaults& defaults, uint16_t id);

// Whether the menu entry is offered enabled: the control has a default to show and shows
// something else now.
bool CanResetToDefault(const PageModel& page, const PageDefaults& defaults, uint16_t id);

// Sets control `id` back to its default as the user would (a bit box: its bit; a box of a
// choice: the whole choice) and runs the page's rules. False when nothing changed.
bool ResetToDefault(PageModel& page, const PageDefaults& defaults, uint16_t id);

}  // namespace scrv

namespace scrv {

class StringSource;

// A shown value as text: "ticked", "cleared", a list item's string, the text or "empty".
std::u16string ShownText(const ShownDefault& shown, const StringSource& strings);

// The menu entry for control `id`: IDS_RESET_TO_DEFAULT with the default as its control shows
// it (a long text cut to 40 characters with an ellipsis); empty when the control has none.
std::u16string ResetEntryText(const ShownDefault& shown, const StringSource& strings);

}  // namespace scrv
