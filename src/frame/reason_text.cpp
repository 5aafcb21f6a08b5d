#include "frame/reason_text.h"

#include <string>

namespace scrv {

std::u16string FillArguments(std::u16string_view format,
                             std::initializer_list<std::u16string_view> arguments) {
  std::u16string out;
  out.reserve(format.size());
  for (size_t i = 0; i < format.size(); ++i) {
    const char16_t next = i + 1 < format.size() ? format[i + 1] : u'\0';
    if (format[i] == u'%' && next == u'%') {
      out += u'%';
      ++i;
    } else if (format[i] == u'%' && next >= u'1' && next <= u'9') {
      const size_t n = static_cast<size_t>(next - u'1');
      if (n < arguments.size()) out += *(arguments.begin() + n);
      ++i;
    } else {
      out += format[i];
    }
  }
  return out;
}

std::u16string DecimalText(int64_t value) {
  std::u16string out;
  for (char c : std::to_string(value)) out += static_cast<char16_t>(c);
  return out;
}

std::u16string FieldName(std::u16string_view label) {
  std::u16string name;
  for (char16_t c : label)
    if (c != u'&') name += c;
  while (!name.empty() && (name.back() == u':' || name.back() == u' ')) name.pop_back();
  return name;
}

}  // namespace scrv
