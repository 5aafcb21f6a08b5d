#include "integration/about_box.h"

namespace scrv {

std::u16string FillFormat(std::u16string_view format, std::u16string_view value) {
  std::u16string out;
  bool filled = false;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == u'%' && i + 1 < format.size()) {
      if (format[i + 1] == u'%') {
        out += u'%';
        ++i;
        continue;
      }
      if (format[i + 1] == u's' && !filled) {
        out += value;
        filled = true;
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  if (!filled) {
    if (!out.empty()) out += u' ';
    out += value;
  }
  return out;
}

}  // namespace scrv
