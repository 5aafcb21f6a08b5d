#include "menus/menu_set.h"

#include "menus/menu_item.h"
#include "menus_ids.h"
#include "settings/record_table.h"

namespace scrv {
namespace {

struct MenuSetEntry {
  std::u16string_view name;
  uint32_t resource;
};

constexpr MenuSetEntry kMenus[kMenuCount] = {
    {u"MainMenu", IDR_MENU_MAIN},   {u"ContextMenu", IDR_MENU_CONTEXT},
    {u"TrayMenu1", IDR_MENU_TRAY1}, {u"TrayMenu2", IDR_MENU_TRAY2},
    {u"TabMenu", IDR_MENU_TAB},     {u"UserMenu1", IDR_MENU_USER1},
    {u"UserMenu2", IDR_MENU_USER},  {u"UserMenu3", IDR_MENU_USER},
    {u"UserMenu4", IDR_MENU_USER},  {u"UserMenu5", IDR_MENU_USER},
    {u"UserMenu6", IDR_MENU_USER},  {u"UserMenu7", IDR_MENU_USER},
    {u"UserMenu8", IDR_MENU_USER},  {u"JumpListMenu", IDR_MENU_JUMP_LIST},
};
static_assert(IDS_MENU_NAME_LAST - IDS_MENU_NAME_FIRST + 1 == kMenuCount);

}  // namespace

std::u16string_view MenuName(uint32_t index) {
  return index < kMenuCount ? kMenus[index].name : std::u16string_view();
}

uint32_t DefaultMenuResource(uint32_t index) {
  return index < kMenuCount ? kMenus[index].resource : 0;
}

uint32_t MenuNameStringId(uint32_t index) {
  return IDS_MENU_NAME_FIRST + index;
}

uint32_t MenuRecordNumber(uint32_t index) {
  return record::kMenu0 + index;
}

std::u16string DelayValueName(uint32_t index) {
  return u"Delay-" + std::u16string(MenuName(index));
}

uint8_t MaxMenuLevel(uint32_t index) {
  return index == kMainMenu ? kMaxMenuLevel : kMaxMenuLevel - 1;
}

}  // namespace scrv
