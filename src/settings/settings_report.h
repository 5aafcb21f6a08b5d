#pragma once
// The import report as text: one line per entry of an import plan, a summary and the warning
// for a file of a newer version, from the localisation module's strings (passed in, so that the
// model is tested without the module).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/settings_transfer.h"

namespace scrv {

using ReportStrings = std::function<std::u16string(uint32_t id)>;

struct ReportText {
  std::u16string summary;
  std::u16string newer;  // empty unless the file is of a newer version
  std::vector<std::u16string> lines;
};

// How a value of "Common" is shown; by default in its stored form (DescribeValue).
using ValueText = std::function<std::u16string(std::u16string_view name, const EntryValue&)>;

ReportText DescribeReport(const ImportPlan& plan, const ReportStrings& strings,
                          const ValueText& describe = {});

// A value in its stored form: a number in decimal, a text in quotes, a list of texts, the first
// bytes of a binary value in hexadecimal.
std::u16string DescribeValue(const EntryValue& value);

// A number in decimal.
std::u16string DecimalText(uint64_t v);

// `format` with %1 to %4 replaced by the arguments ("%%" gives a percent sign).
std::u16string FillIn(std::u16string_view format, const std::vector<std::u16string>& args);

}  // namespace scrv
