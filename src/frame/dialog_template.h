#pragma once
// Reading a dialog template as the resource module holds it (classic DLGTEMPLATE or extended
// DLGTEMPLATEEX): its caption and the identifier and title of every control. The page-list
// search matches typed words against these titles.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scrv {

struct TemplateControl {
  uint32_t id = 0;
  std::u16string title;  // empty when the title is an ordinal (an icon or bitmap) or absent
};

struct DialogTemplateText {
  std::u16string caption;
  std::vector<TemplateControl> controls;
};

// Nothing for a template that ends before its declared controls do; a template is never read
// past `size`.
std::optional<DialogTemplateText> ReadDialogTemplateText(const uint8_t* data, size_t size);

}  // namespace scrv
