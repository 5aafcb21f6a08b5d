#pragma once
// Resource numbers of the toolbars dialog.

#define IDD_TOOLBARS 117
#define HELP_TOPIC_TOOLBARS 7034

// The list of user toolbars is the check list, 119.
#define IDC_TB_NEW 204             /* closes the dialog with -1 */
#define IDC_TB_DELETE 121          /* deletes the selected user toolbar */
#define IDC_TB_CUSTOMIZE 1332      /* closes the dialog with 512 + the selected toolbar */
#define IDC_TB_RESET 1312
#define IDC_TB_BAR_STANDARD 1335   /* band 768 shown */
#define IDC_TB_BAR_MACROS 1375     /* band 769 shown */
#define IDC_TB_BAR_PLUGINS 1539    /* band 772 shown */
#define IDC_TB_LARGE_ICONS 1342    /* style flag A */
#define IDC_TB_ICONS_LABEL 664
#define IDC_TB_STYLE_0 1347        /* style value B = 0 */
#define IDC_TB_STYLE_1 1349        /* style value B = 1 */
#define IDC_TB_OPTION_1 1388
#define IDC_TB_OPTION_2 1389
#define IDC_TB_TEXT_LABELS 1651    /* "ToolbarText" */
#define IDC_TB_FONT_LABEL 662
#define IDC_TB_FONT 1894           /* font faces of the toolbar combo boxes */
#define IDC_TB_SAMPLE 708
#define IDC_TB_ZOOM_LABEL 663
#define IDC_TB_ZOOM 1564           /* slider */
#define IDC_TB_ZOOM_VALUE 1565

// Image list of the user toolbar list (image module): image 7 stands for a toolbar.
#define IDB_TOOLBAR_IMAGES 237
#define TOOLBAR_LIST_IMAGE 7

// Strings.
#define IDS_USER_TOOLBAR_NAME 136      /* "%d" replaced by the toolbar's number */
#define IDS_RESET_TOOLBARS_QUESTION 1086
#define IDS_DELETE_TOOLBAR_QUESTION 3404  /* %1: the toolbar's name */
#define IDS_SCRIPT_WESTERN 16869       /* when the system gives no script name */
