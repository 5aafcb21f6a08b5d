#pragma once
// The sentences dialogs show beside a field or in place of a hint when they refuse an input:
// a localised template whose %1, %2, ... are filled in with the details of the case.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace scrv {

// `format` with every %n (n = 1..9) replaced by the n-th argument (a missing one by nothing);
// "%%" is a percent sign and any other "%" stays as it is.
std::u16string FillArguments(std::u16string_view format,
                             std::initializer_list<std::u16string_view> arguments);

// A number as the reason texts show it.
std::u16string DecimalText(int64_t value);

// A field's label as a reason names the field: without its mnemonic and its closing colon.
std::u16string FieldName(std::u16string_view label);

}  // namespace scrv
