// The Mouse page: what clicks, drags and the wheel do, and the commands of clicks on tabs.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

enum : uint8_t { kTabMiddle = 11, kTabDouble, kBarMiddle, kBarDouble, kTabWheel };

constexpr uint64_t kBits = 0x4000;
constexpr SettingRow kRows[] = {
    Flag(flag::kTextDragDrop).Bits(kBits),       Flag(flag::kTripleClickSelect).Bits(kBits),
    Flag(flag::kWheelFont).Bits(kBits),          Flag(flag::kSetCaretFocused).Bits(kBits),
    Flag(flag::kTabWheelRightClick).Bits(kBits), Flag(flag::kEnableWordSelByCtrl).Bits(kBits),
    Flag(flag::kMClickPaste).Bits(kBits),        Flag(flag::kRClickSetCursor).Bits(kBits),
    Flag(flag::kDragSelBorder).Bits(kBits),      Flag(flag::kEnableAutoRepeat).Bits(kBits),
    Flag(flag::kActivateOnDrop).Bits(kBits),     Dword(u"TabMClickCmd", 4117).Bits(kBits),
    Dword(u"TabDblClkCmd", 4391).Bits(kBits),    Dword(u"TabMClickOutCmd", 4117).Bits(kBits),
    Dword(u"TabDblClkOutCmd", 4096).Bits(kBits), FlagDword(flag::kTabWheel).Bits(kBits),
};

// The host's commands a click on the tab bar can run.
constexpr uint16_t kCommandItems[] = {IDS_COMMAND_NOTHING, IDS_COMMAND_NEW, IDS_COMMAND_CLOSE,
                                      IDS_COMMAND_DUPLICATE};
constexpr uint64_t kCommands[] = {0, 4096, 4117, 4391};

constexpr Binding kBindings[] = {
    Check(IDC_MOUSE_TEXT_DRAG, 0),
    Check(IDC_MOUSE_TRIPLE_CLICK, 1),
    Check(IDC_MOUSE_WHEEL_FONT, 2),
    Check(IDC_MOUSE_SET_CARET_FOCUS, 3),
    Check(IDC_MOUSE_TAB_WHEEL_RIGHT, 4),
    Check(IDC_MOUSE_WORD_SEL_CTRL, 5),
    Check(IDC_MOUSE_MIDDLE_PASTE, 6),
    Check(IDC_MOUSE_RIGHT_CARET, 7),
    Check(IDC_MOUSE_DRAG_BORDER, 8),
    Check(IDC_MOUSE_AUTO_REPEAT, 9),
    Check(IDC_MOUSE_ACTIVATE_DROP, 10),
    Combo(IDC_MOUSE_TAB_MIDDLE, kTabMiddle, kCommandItems, kCommands),
    Combo(IDC_MOUSE_TAB_DOUBLE, kTabDouble, kCommandItems, kCommands),
    Combo(IDC_MOUSE_BAR_MIDDLE, kBarMiddle, kCommandItems, kCommands),
    Combo(IDC_MOUSE_BAR_DOUBLE, kBarDouble, kCommandItems, kCommands),
    Check(IDC_MOUSE_TAB_WHEEL, kTabWheel),
};

}  // namespace

const PageDescriptor kMousePage = Describe(IDD_CUST_MOUSE, HELP_TOPIC_CUST_MOUSE, kRows, kBindings);

}  // namespace scrv
