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

// The menus dialog.
#define IDD_MENUS 101
#define IDC_MENUS_LIST 119          /* list box of the fourteen menus */
#define IDC_MENUS_TREE 1003         /* tree view of the current menu */
#define IDC_MENUS_INSERT_BEFORE 204
#define IDC_MENUS_INSERT_AFTER 1008
#define IDC_MENUS_INSERT_INTO 1009
#define IDC_MENUS_PROPERTIES 205
#define IDC_MENUS_DELETE 121        /* also the context menu's and the Delete key's command */
#define ID_MENUS_DELETE IDC_MENUS_DELETE
#define IDC_MENUS_UP 1001
#define IDC_MENUS_DOWN 1002
#define IDC_MENUS_RESET 1000
#define IDC_MENUS_DELAY 1560        /* slider: a user menu's delay in tenths of a second */
#define IDC_MENUS_DELAY_TEXT 1561   /* its text; the template's text is the format */
#define IDC_MENUS_DELAY_LABEL 662
#define IDC_MENUS_DELAY_MIN 663
#define IDC_MENUS_DELAY_MAX 664
#define IDC_MENUS_ITEMS_LABEL 665
#define IDC_MENUS_HINT 1416
#define HELP_TOPIC_MENUS 7028

// The tree's context menu (its first sub-menu) and the commands the tree's keys share with it.
#define IDM_MENUS_TREE 515
#define ID_MENUS_CUT 4126
#define ID_MENUS_COPY 4127
#define ID_MENUS_PASTE 4129
#define ID_MENUS_COPY_MENU 70
#define ID_MENUS_DELETE_ALL 71
#define ID_MENUS_MOVE_UP 1365
#define ID_MENUS_MOVE_DOWN 1366
#define ID_MENUS_MOVE_TOP 1782
#define ID_MENUS_MOVE_BOTTOM 1783
#define ID_MENUS_RENAME 4427

// The menu properties dialog.
#define IDD_MENU_PROPERTIES 104
#define IDC_MPROP_COMMAND 1004      /* radio buttons: command, popup, separator */
#define IDC_MPROP_POPUP 1005
#define IDC_MPROP_SEPARATOR 1006
#define IDC_MPROP_CATEGORIES 374
#define IDC_MPROP_COMMANDS 375
#define IDC_MPROP_STATUS 381
#define IDC_MPROP_LABEL 1011
#define IDC_MPROP_STATUS_LABEL 662
#define IDC_MPROP_LABEL_LABEL 663
#define IDC_MPROP_REASON 2950        /* why OK keeps the dialog open */

// Why the menu properties dialog or a paste refuses an item.
#define IDS_MPROP_WHY_UNKNOWN_COMMAND 3400
#define IDS_MPROP_WHY_NO_LABEL 3401
#define IDS_MENUS_PASTE_NO_ITEMS 3402
#define IDS_MENUS_PASTE_UNKNOWN_COMMAND 3403
#define IDS_MENUS_PASTE_NEEDS_POPUP 3462 /* the main menu's top level takes only popups */
#define IDS_MENUS_PASTE_TOO_DEEP 3463    /* a pasted run would nest deeper than a menu may */
#define HELP_TOPIC_MENU_PROPERTIES 7029
