#pragma once
// The clipboard's text form of menu items: one line per item in pre-order, ended by CR LF, with
// five fields separated by tabs: the label shown for the item, the target, and the command,
// level and kind in decimal. Pasting reads the same form back; the label becomes the item's own
// text.

#include <string>
#include <string_view>
#include <vector>

#include "menus/menu_item.h"
#include "menus/menu_labels.h"

namespace scrv {

// The text of `items` (levels as they are), without the terminating null the clipboard block
// adds.
std::u16string FormatMenuClipboard(const MenuList& items, const MenuLabelSources& sources);

// The items of a clipboard text, up to the first line with fewer than four tabs (it and the
// rest are ignored). Lines end at CR, LF or CR LF; a line not ended by CR is the last one read.
// Numbers are signed decimals: a command of -1 makes a popup; otherwise the kind is the
// number's low 8 bits (unknown kinds read as `Custom`); command and level keep their low 16 and
// 8 bits. Over-long labels and targets are cut to their capacities.
// `rawCommands`, when given, receives each item's command number as the text has it (before it
// is cut to 16 bits), in item order.
MenuList ParseMenuClipboard(std::u16string_view text, std::vector<uint32_t>* rawCommands = nullptr);

}  // namespace scrv
