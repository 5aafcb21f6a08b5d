// Clipboard text comes from any program: pasting it must read what is a menu and stop at what
// is not, and the items read must go into the tree within its limits and copy back the same.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "menus/menu_clipboard.h"
#include "menus/menu_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scrv;
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));

  MenuList items = ParseMenuClipboard(text);
  for (const MenuItem& item : items)
    if (item.text.size() > kMenuTextMax || item.target.size() > kMenuTargetMax ||
        static_cast<uint8_t>(item.kind) >= kMenuKindCount)
      std::abort();

  MenuLabelSources none;
  if (ParseMenuClipboard(FormatMenuClipboard(items, none)) != items) std::abort();

  for (bool mainMenu : {true, false}) {
    MenuTree tree(mainMenu, 62);
    tree.Build({MenuItem{u"P", u"", 0, 0, MenuKind::kPopup},
                MenuItem{u"c", u"", 1, 1, MenuKind::kCustom}});
    MenuNode* popup = tree.TopLevel().front().get();
    MenuNode* first = tree.InsertRun(items, popup->children.front().get(), MenuPlace::kAfter);
    if (!first && tree.Count() != 2) std::abort();
    if (first && tree.Count() != 2 + items.size()) std::abort();
    tree.InsertRun(items, nullptr, MenuPlace::kInto);
    for (const MenuItem& item : tree.Flatten())
      if (item.level > 62) std::abort();
  }
  return 0;
}
