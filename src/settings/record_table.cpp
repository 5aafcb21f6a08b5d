#include "settings/record_table.h"

#include <array>

namespace scrv {
namespace {

constexpr auto kUtf16 = RecordTextEncoding::kUtf16;
constexpr auto kUtf8 = RecordTextEncoding::kUtf8;

constexpr RecordInfo Row(uint32_t number, std::u16string_view folder, std::u16string_view name,
                         RecordTextEncoding text) {
  return {folder, name, kFirstRecordMagic + kRecordMagicStep * number, text};
}

constexpr std::array<RecordInfo, kRecordCount> kRecords = {{
    Row(0, u"Common", u"ActiveS", kUtf16), Row(1, u"Common", u"FileAttr", kUtf16),
    Row(2, u"Common", u"Macros", kUtf16),  Row(3, u"Common", u"PlugIns", kUtf16),
    Row(4, u"Config", u"Accel", kUtf16),   Row(5, u"Config", u"DevInfo", kUtf16),
    Row(6, u"Config", u"PropEx", kUtf16),  Row(7, u"Common", u"FRP", kUtf16),
    Row(8, u"Common", u"BRP", kUtf16),     Row(9, u"Common", u"Menu0", kUtf16),
    Row(10, u"Common", u"Menu1", kUtf16),  Row(11, u"Common", u"Menu2", kUtf16),
    Row(12, u"Common", u"Menu3", kUtf16),  Row(13, u"Common", u"Menu4", kUtf16),
    Row(14, u"Common", u"Menu5", kUtf16),  Row(15, u"Common", u"Menu6", kUtf16),
    Row(16, u"Common", u"Menu7", kUtf16),  Row(17, u"Common", u"Menu8", kUtf16),
    Row(18, u"Common", u"Menu9", kUtf16),  Row(19, u"Common", u"Menu10", kUtf16),
    Row(20, u"Common", u"Menu11", kUtf16), Row(21, u"Common", u"Menu12", kUtf16),
    Row(22, u"Common", u"Menu13", kUtf16), Row(23, u"Config", u"cfg1_", kUtf8),
    Row(24, u"Config", u"cfg2_", kUtf8),   Row(25, u"Common", u"cmn", kUtf8),
    Row(26, u"Common", u"assoc", kUtf8),   Row(27, u"Common", u"rebar", kUtf8),
    Row(28, u"Common", u"newcp", kUtf8),   Row(29, u"Common", u"csv", kUtf8),
    Row(30, u"Common", u"csv2", kUtf8),
}};

}  // namespace

const RecordInfo* RecordInfoAt(uint32_t number) {
  return number < kRecordCount ? &kRecords[number] : nullptr;
}

}  // namespace scrv
