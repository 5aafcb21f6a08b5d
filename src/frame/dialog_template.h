#pragma once
// Reading a dialog template as the resource module holds it (classic DLGTEMPLATE or extended
// DLGTEMPLATEEX): its caption and the identifier, style, class and title of every control. The
// page-list search matches typed words against these titles; a dialog that opens finds the
// controls it sets up from them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scrv {

struct TemplateControl {
  uint32_t id = 0;
  std::u16string title;  // empty when the title is an ordinal (an icon or bitmap) or absent
  uint32_t style = 0;
  std::u16string className;  // the predefined classes by name ("Button", "Edit", ...)
  int16_t width = 0;         // in dialog units
};

struct DialogTemplateText {
  std::u16string caption;
  std::vector<TemplateControl> controls;
};

// Nothing for a template that ends before its declared controls do; a template is never read
// past `size`.
std::optional<DialogTemplateText> ReadDialogTemplateText(const uint8_t* data, size_t size);

// The controls of a template that the light theme sets up when the dialog opens: numeric edit
// fields (class "Edit" with ES_NUMBER), list views, and check boxes and radio buttons too narrow
// to show their caption (one of a grid under column headings: the caption is only their name),
// which show the focus around their box instead. Nothing when one of them shares its identifier
// with another control, as a look-up by identifier could then find the wrong one.
struct PreparedControl {
  uint32_t id = 0;
  bool listView = false;  // else a numeric edit field, or:
  bool boxOnly = false;   // a check box or radio button without room for its caption
  friend bool operator==(const PreparedControl&, const PreparedControl&) = default;
};
std::optional<std::vector<PreparedControl>> ControlsToPrepare(const DialogTemplateText& text);
// The widest check box or radio button, in dialog units, that holds its box and no caption.
constexpr int16_t kBoxOnlyWidth = 10;
bool IsBoxOnly(const TemplateControl& control);

}  // namespace scrv
