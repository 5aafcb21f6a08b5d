// Menus: the customisable menus, the menus dialog and the menu properties dialog.
#pragma once

// Default menus of the fourteen customisable menus (menus 6 to 12 share one).
#define IDR_MENU_MAIN 128
#define IDR_MENU_CONTEXT 101
#define IDR_MENU_TRAY1 150
#define IDR_MENU_TRAY2 169
#define IDR_MENU_TAB 188
#define IDR_MENU_USER1 241
#define IDR_MENU_USER 243
#define IDR_MENU_JUMP_LIST 253

// Names of the menus shown to the user, menu 0 to 13 in order.
#define IDS_MENU_NAME_FIRST 17152
#define IDS_MENU_NAME_LAST 17165

// Names of the command categories.
#define IDS_CATEGORY_FILE 1040
#define IDS_CATEGORY_EDIT 1041
#define IDS_CATEGORY_SEARCH 1042
#define IDS_CATEGORY_VIEW 1043
#define IDS_CATEGORY_TOOLS 1044
#define IDS_CATEGORY_WINDOW 1045
#define IDS_CATEGORY_HELP 1046
#define IDS_CATEGORY_MACROS 1049
#define IDS_CATEGORY_MACRO_FILES 1050
#define IDS_CATEGORY_TAB 1051
#define IDS_CATEGORY_BOOKMARKS 1076
#define IDS_CATEGORY_PLUGINS 143
#define IDS_CATEGORY_TRAY 161
#define IDS_CATEGORY_TOOL_PROGRAMS 167
#define IDS_CATEGORY_JUMP_LIST IDS_MENU_NAME_LAST
