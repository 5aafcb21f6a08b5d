// Shared controls: check list, drag-and-drop edit, search box, hyperlink.
#pragma once

// Check list: the list view and the parent's controls it drives.
#define IDC_CHECK_LIST 119
#define IDC_CHECK_ALL 1734
#define IDC_CL_MOVE_UP 1365
#define IDC_CL_MOVE_DOWN 1366
#define IDC_CL_MOVE_TOP 1782
#define IDC_CL_MOVE_BOTTOM 1783

// Check list context menu and its commands (menu items, keys and parent buttons share them).
#define IDM_CHECK_LIST 514
#define ID_CL_DELETE 121
#define ID_CL_ADD 204
#define ID_CL_SELECT_ALL 206
#define ID_CL_LOAD 660
#define ID_CL_SAVE 661
#define ID_CL_CUT 4126
#define ID_CL_COPY 4127
#define ID_CL_PASTE 4129
#define ID_CL_RENAME 4427

// Check-all box captions: fewer than two rows selected (applies to all rows), or several.
#define IDS_CHECK_ALL 583
#define IDS_CHECK_SELECTED 584

// Extra state images of check lists (image module), after the two check box images.
#define IDB_STATE_PARTIAL 287
#define IDB_STATE_CHECKED_DIMMED 288

// The page list of property sheets: the controls the sheet creates in place of its tab row.
#define IDC_NAV_SEPARATOR 32493
#define IDC_NAV_SEARCH 32494
#define IDC_NAV_TITLES 32495
// The title shown above the page while a query lists no page.
#define IDC_NAV_PAGE_TITLE 32490
#define IDS_SEARCH_CUE 1042 /* cue banner of the search box, before " (Ctrl+F)": "Search", defined once, in menus.rc */
// The labels above the search box and above the page list.
#define IDC_NAV_SEARCH_LABEL 32491
#define IDC_NAV_TITLES_LABEL 32492
#define IDS_NAV_SEARCH_LABEL 3302
#define IDS_NAV_TITLES_LABEL 3303
// The search's own texts: the line in an empty page list, the names of the marks for a screen
// reader, and the context menus of settings and pages (%s: the query, the default as its
// control shows it, the page's title).
#define IDS_SEARCH_NO_MATCH 3340
#define IDS_SEARCH_MATCH_NAME 3341
#define IDS_SEARCH_MODIFIED_NAME 3342
#define IDS_RESET_TO_DEFAULT 3343
#define IDS_RESTORE_PAGE_DEFAULTS 3344
#define IDS_DEFAULT_TICKED 3345
#define IDS_DEFAULT_CLEARED 3346
#define IDS_DEFAULT_EMPTY 3347
#define IDS_UNDO_SETTING 3348
#define IDS_REDO_SETTING 3349
