// The Marks page: the characters that show tabs, spaces, line ends and the end of the file, each
// either the built-in one or the user's own. Written by the sheet itself after OK.

#include "customize/customize_pages.h"
#include "resource_ids.h"

namespace scrv {
namespace {

constexpr uint64_t kBits = 0x6000;
constexpr SettingRow kRows[] = {
    Dword(u"CustomMarkBits", 0).Always().Bits(kBits), Text(u"CstMrk0", 8).Always().Bits(kBits),
    Text(u"CstMrk1", 8).Always().Bits(kBits),         Text(u"CstMrk2", 8).Always().Bits(kBits),
    Text(u"CstMrk3", 8).Always().Bits(kBits),         Text(u"CstMrk4", 8).Always().Bits(kBits),
    Text(u"CstMrk5", 8).Always().Bits(kBits),         Text(u"CstMrk6", 8).Always().Bits(kBits),
};

constexpr Binding kBindings[] = {
    BitBox(IDC_MARK_USE_FIRST + 0, 0, 1 << 0), Edit(IDC_MARK_TEXT_FIRST + 0, 1),
    BitBox(IDC_MARK_USE_FIRST + 1, 0, 1 << 1), Edit(IDC_MARK_TEXT_FIRST + 1, 2),
    BitBox(IDC_MARK_USE_FIRST + 2, 0, 1 << 2), Edit(IDC_MARK_TEXT_FIRST + 2, 3),
    BitBox(IDC_MARK_USE_FIRST + 3, 0, 1 << 3), Edit(IDC_MARK_TEXT_FIRST + 3, 4),
    BitBox(IDC_MARK_USE_FIRST + 4, 0, 1 << 4), Edit(IDC_MARK_TEXT_FIRST + 4, 5),
    BitBox(IDC_MARK_USE_FIRST + 5, 0, 1 << 5), Edit(IDC_MARK_TEXT_FIRST + 5, 6),
    BitBox(IDC_MARK_USE_FIRST + 6, 0, 1 << 6), Edit(IDC_MARK_TEXT_FIRST + 6, 7),
};

constexpr EnableRule kEnables[] = {
    {IDC_MARK_TEXT_FIRST + 0, Effect::kEnable, IDC_MARK_USE_FIRST + 0},
    {IDC_MARK_LABEL_FIRST + 0, Effect::kEnable, IDC_MARK_USE_FIRST + 0},
    {IDC_MARK_TEXT_FIRST + 1, Effect::kEnable, IDC_MARK_USE_FIRST + 1},
    {IDC_MARK_LABEL_FIRST + 1, Effect::kEnable, IDC_MARK_USE_FIRST + 1},
    {IDC_MARK_TEXT_FIRST + 2, Effect::kEnable, IDC_MARK_USE_FIRST + 2},
    {IDC_MARK_LABEL_FIRST + 2, Effect::kEnable, IDC_MARK_USE_FIRST + 2},
    {IDC_MARK_TEXT_FIRST + 3, Effect::kEnable, IDC_MARK_USE_FIRST + 3},
    {IDC_MARK_LABEL_FIRST + 3, Effect::kEnable, IDC_MARK_USE_FIRST + 3},
    {IDC_MARK_TEXT_FIRST + 4, Effect::kEnable, IDC_MARK_USE_FIRST + 4},
    {IDC_MARK_LABEL_FIRST + 4, Effect::kEnable, IDC_MARK_USE_FIRST + 4},
    {IDC_MARK_TEXT_FIRST + 5, Effect::kEnable, IDC_MARK_USE_FIRST + 5},
    {IDC_MARK_LABEL_FIRST + 5, Effect::kEnable, IDC_MARK_USE_FIRST + 5},
    {IDC_MARK_TEXT_FIRST + 6, Effect::kEnable, IDC_MARK_USE_FIRST + 6},
    {IDC_MARK_LABEL_FIRST + 6, Effect::kEnable, IDC_MARK_USE_FIRST + 6},
};

}  // namespace

const PageDescriptor kMarksPage =
    Describe(IDD_CUST_MARKS, HELP_TOPIC_CUST_MARKS, kRows, kBindings, kEnables);

}  // namespace scrv
