// The environment integration dialogs: code pages, tray icon, start dialog, about box.
#pragma once

// Code page dialog. Its list uses the shared check list number (119).
#define IDD_CODE_PAGE 170
#define HELP_TOPIC_CODE_PAGE 7036
#define IDC_CP_RESET 1000
#define IDC_CP_NOTE 1734
#define IDS_CP_NAME_HEADER 192
#define IDS_CP_SCRIPT_HEADER 146
// Names of the GDI character sets, strings 256 + their position in the table of known sets.
#define IDS_CP_CHARSET_FIRST 256

// Tray icon dialog.
#define IDD_TRAY 109
#define HELP_TOPIC_TRAY 7048
#define IDC_TRAY_LEFT 1005
#define IDC_TRAY_RIGHT 1006
#define IDC_TRAY_MIDDLE 1476
#define IDC_TRAY_DOUBLE 1504
#define IDC_TRAY_HOT_KEY 1422
#define IDC_TRAY_EDIT_HOT_KEY 1423
#define IDC_TRAY_MENUS 1477
#define IDC_TRAY_RESET 1000
#define IDS_TRAY_NOTHING 1058
// The tray menus' names are those of the customisable menus 2 and 3.
#define IDS_TRAY_MENU1 17154
#define IDS_TRAY_MENU2 17155

// Start dialog options.
#define IDD_START_OPTIONS 446
#define HELP_TOPIC_START_OPTIONS 7260
#define IDC_SD_SHOW 1712
#define IDC_SD_DOWN_KEY 1881
#define IDC_SD_PROMPT_WORKSPACE 1740
#define IDC_SD_NAME_VISIBLE 1880
#define IDC_SD_NEW_OPTION 1989
#define IDC_SD_SNAP 1958
#define IDC_SD_DATE 1896
#define IDC_SD_TYPE 1003
#define IDC_SD_SIZE 1904
#define IDC_SD_LARGE_ICONS 1986
#define IDC_SD_SMALL_ICONS 1987
#define IDC_SD_ADD_BUTTON 1820
#define IDC_SD_RESET 1000
#define IDC_SD_BEHAVIOUR_GROUP 662
#define IDC_SD_LOOK_GROUP 663

// About box.
#define IDD_ABOUT 100
#define HELP_TOPIC_ABOUT 7240
#define IDC_ABOUT_TITLE 1478
#define IDC_ABOUT_VERSION 1000
#define IDC_ABOUT_LINK 1110
#define IDC_ABOUT_COMPONENT1 1653
#define IDC_ABOUT_COMPONENT2 1694
#define IDC_ABOUT_COMPONENT3 1957
#define IDC_ABOUT_COPYRIGHT 662
#define IDS_ABOUT_LINK 173
