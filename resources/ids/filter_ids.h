// Advanced filter dialog: template, controls, strings and help topic.
#pragma once

#define IDD_ADVANCED_FILTER 368
#define HELP_TOPIC_ADVANCED_FILTER 7255

// The condition list (IDC_CHECK_LIST) with its check-all box (IDC_CHECK_ALL) and the list
// commands its buttons share with the check list's menu: Delete 121, Select all 206, Load 660,
// Save 661.
#define IDC_AF_ADD 123
#define IDC_AF_DELETE 121
#define IDC_AF_SELECT_ALL 206
#define IDC_AF_LOAD 660
#define IDC_AF_SAVE 661

// Column and line range of the selected conditions.
#define IDC_AF_COLUMN_LABEL 663
#define IDC_AF_COLUMN 1865
#define IDC_AF_START_LABEL 662
#define IDC_AF_RANGE_START 358
#define IDC_AF_OPEN_START 1740
#define IDC_AF_END_LABEL 664
#define IDC_AF_RANGE_END 359
#define IDC_AF_OPEN_END 1885

// Match kind (radio buttons) and the flag check boxes.
#define IDC_AF_MATCH_GROUP 665
#define IDC_AF_MATCH_TEXT 1999
#define IDC_AF_MATCH_REGEXP 2000
#define IDC_AF_MATCH_ESCSEQ 2001
#define IDC_AF_MATCH_NUMRANGE 2002
#define IDC_AF_OPTIONS_GROUP 1020
#define IDC_AF_CASE 1052
#define IDC_AF_ONLY_WORD 1114
#define IDC_AF_NEGATIVE 1712
#define IDC_AF_LOGICAL_OR 1713
#define IDC_AF_WHOLE_STRING 1880
#define IDC_AF_MATCH_NL 1989
#define IDC_AF_CR_ONLY 1896
#define IDC_AF_LF_ONLY 1820
#define IDC_AF_CRLF 1282
#define IDC_AF_NL_OTHERS 1904
#define IDC_AF_BOOKMARKED 1958
#define IDC_AF_UNBOOKMARKED 1990

// Filter (IDOK), the second Filter button, close after filtering; Close is IDCANCEL.
#define IDC_AF_FILTER_AGAIN 1938
#define IDC_AF_CLOSE_AFTER 1357

// Strings.
#define IDS_AF_RANGE_COLUMN 132 /* the column list's last entry: the line range */
#define IDS_AF_HEADER_TEXT 211
#define IDS_AF_LOAD_REPLACE 223 /* question before loading into a list that is not empty */
#define IDS_AF_HEADER_FLAGS 293
#define IDS_AF_HEADER_COLUMN 370 /* "Column": defined once, in keys.rc */
#define IDS_AF_ANY_COLUMN 386    /* the column list's first entry */
#define IDS_AF_BAD_NUMBER_RANGE 761
#define IDS_AF_OPEN_FILTER 1255 /* file types of the Load dialog, separated by "|" */
#define IDS_AF_SAVE_FILTER 1257 /* file types of the Save dialog, in save-type order */
#define IDS_AF_WHY_NO_START 3405  /* the "from" field holds no line number */
#define IDS_AF_WHY_NO_END 3406
#define IDS_AF_WHY_INVERTED 3407  /* %1 first line, %2 last line */
#define IDS_AF_FLAGS_LEGEND 3330 /* tooltip of the flags column: what each letter means */
#define IDC_AF_LIST_LABEL 667
#define IDC_AF_RANGE_REASON 2951 /* why the line range keeps Filter off */
