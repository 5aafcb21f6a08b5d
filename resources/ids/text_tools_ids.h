// The extract frequent and convert dialogs.
#pragma once

// Extract frequent dialog. Its word list uses the shared check list number (119) and the
// check list's Add and Delete commands (204, 121) come to the dialog as its buttons do.
#define IDD_EXTRACT_FREQUENT 725
#define HELP_TOPIC_EXTRACT_FREQUENT 7278
#define IDC_EF_LINES_LABEL 662
#define IDC_EF_FORMAT_LABEL 663
#define IDC_EF_LINES 1705
#define IDC_EF_FORMAT 1895
#define IDC_EF_MATCH_CASE 1052
#define IDC_EF_WORDS 1866
#define IDC_EF_LINES_KIND 2023
#define IDC_EF_SELECTION_ONLY 1106
#define IDC_EF_IGNORE_LABEL 664
#define IDC_EF_ADD 123
#define IDC_EF_DELETE 121
#define IDS_IGNORE_LIST_HEADER 385
#define IDC_EF_LINES_REASON 2952 /* why OK refuses the count */
#define IDS_EF_WHY_EMPTY 3408
#define IDS_EF_WHY_ZERO 3409
#define IDS_EF_WHY_TOO_BIG 3410
#define IDS_EF_WHY_NOT_NUMBER 3411

// Names of the built-in separated-value formats offered when none is configured.
#define IDS_CSV_FORMAT_COMMA 363
#define IDS_CSV_FORMAT_TAB 364
#define IDS_CSV_FORMAT_SEMICOLON 365
#define IDS_CSV_FORMAT_LINE 813
// The pipe format, which a version-0 format list gets appended.
#define IDS_CSV_FORMAT_PIPE 814
// The built-in formats' second texts.
#define IDS_CSV_FORMAT_COMMA_TEXT 816
#define IDS_CSV_FORMAT_TAB_TEXT 817
#define IDS_CSV_FORMAT_SEMICOLON_TEXT 818
#define IDS_CSV_FORMAT_PIPE_TEXT 819
#define IDS_CSV_FORMAT_LINE_TEXT 820

// Convert dialog.
#define IDD_CONVERT 149
#define HELP_TOPIC_CONVERT 7039
#define IDC_CV_KATAKANA 1074
#define IDC_CV_ALPHANUMERIC 1075
#define IDC_CV_MARKS 1076
#define IDC_CV_SPACES 1077
#define IDC_CV_KANA_MARKS 1084
#define IDC_CV_TO_HALF 1078
#define IDC_CV_TO_FULL 1079
#define IDC_CV_SELECTION 1080
#define IDC_CV_DOCUMENT 1081
#define IDC_CV_SEARCH 1006
#define IDC_CV_SEARCH_LABEL 662
#define IDC_CV_DIRECTION_GROUP 663
#define IDC_CV_RANGE_GROUP 664
#define IDC_CV_CHARACTERS_GROUP 665
#define IDC_CV_OPTIONS_LABEL 666
#define IDC_CV_CHARACTERS_LABEL 667
#define IDC_CV_CHARACTERS 2015
#define IDC_CV_OPTIONS 1905
#define IDC_CV_APPLY_OPTIONS 1774
#define IDT_CV_SEARCH 30
#define IDS_CV_CHARACTER_HEADER 24570
#define IDS_CV_OPTION_HEADER 24571
// The display options' rows, in the order of their flag bits 0x10 .. 0x80.
#define IDS_CV_OPTION_FIRST 24572
// The names of the 200 convertible characters, in table order.
#define IDS_CV_CHAR_FIRST 24576
