#pragma once
// Resource numbers of the marker sheet and its three pages.

// The pages and their help topics.
#define IDD_MARKER_LIST 20672
#define IDD_MARKER_AUTO 20673
#define IDD_MARKER_OPTIONS 20674
#define HELP_TOPIC_MARKER_LIST 7216
#define HELP_TOPIC_MARKER_AUTO 7217
#define HELP_TOPIC_MARKER_OPTIONS 7224

// The sheet's title: the command name of the editor's "Customize Markers" command.
#define IDS_CMD_CUSTOMIZE_MARKERS 4562
// The text of a new marker.
#define IDS_NEW_MARKER_TEXT 1047
// The first entry of the default colour list: the least-used colour.
#define IDS_MARKER_LEAST_USED_COLOR 16880

// Colour swatches of the ten marker colours (image module), one 16 x 16 image each.
#define IDB_MARKER_COLORS 268

// Marker list page (the list itself is the check list, 119).
#define IDC_ML_ADD 123
#define IDC_ML_DELETE 121
#define IDC_ML_WHOLE_WORD 1037
#define IDC_ML_MATCH_CASE 1052
#define IDC_ML_REGEXP 2000
#define IDC_ML_NAMED 1740
#define IDC_ML_NAME 1803
#define IDC_ML_COLOR 1719
#define IDC_ML_COLOR_SAMPLE 1028
#define IDC_ML_COLOR_LABEL 1720
#define IDC_ML_REASON 2953 /* why OK keeps the sheet open */
#define IDS_MARKER_WHY_BAD_REGEX 3412 /* %1 the marker's number, %2 the start of its text */

// Automatic markers page: one check box per bit of "AutoMarkerFlags".
#define IDC_MA_SELECTION 1712
#define IDC_MA_WORD 1718
#define IDC_MA_WHOLE_WORD 1037
#define IDC_MA_MATCH_CASE 1052
#define IDC_MA_SINGLE_LINE 1053

// Options page.
#define IDC_MO_DEFAULT_COLOR 1719
#define IDC_MO_DEFAULT_COLOR_LABEL 1720
#define IDC_MO_PROMPT_REMOVE 1712
#define IDC_MO_AUTO_SHOW_BAR 1731
#define IDC_MO_AUTO_DISABLE 1740
#define IDC_MO_COUNT_MATCHES 1880
