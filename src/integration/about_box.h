#pragma once
// What the about box shows besides its template: the host's version and the versions of the
// three components, each put into a format text of the template.

#include <array>
#include <string>
#include <string_view>

namespace scrv {

// In the order of the template's three component lines.
constexpr std::array<std::u16string_view, 3> kComponentVersions = {u"1.66.0", u"1.6.2", u"6.1.3"};

// `format` with its first "%s" replaced by `value` ("%%" stands for one "%"); a format
// without "%s" is followed by a blank and the value.
std::u16string FillFormat(std::u16string_view format, std::u16string_view value);

}  // namespace scrv
