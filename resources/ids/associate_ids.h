// The file association dialog and its properties dialog.
#pragma once

#define IDD_FILE_ASSOCIATE 136
#define HELP_TOPIC_FILE_ASSOCIATE 7023
#define IDC_ASSOC_LIST 119
#define IDC_ASSOC_DELETE 121
#define IDC_ASSOC_ADD 123
#define IDC_ASSOC_PROPERTIES 205
#define IDC_ASSOC_CLOSE 1009

#define IDD_ASSOCIATE_PROPERTIES 103
#define HELP_TOPIC_ASSOCIATE_PROPERTIES 7024
#define IDC_ASSOC_DESCRIPTION 1003
#define IDC_ASSOC_ICON_FILE 1004
#define IDC_ASSOC_BROWSE 1005
#define IDC_ASSOC_ICONS 1008
#define IDC_ASSOC_EXTENSION 1010
#define IDC_ASSOC_REASON 2954 /* why OK is disabled */

#define IDS_ASSOC_INI_MODE 230         /* confirmation before associating in INI mode */
#define IDS_ASSOC_REPLACE_TYPE 2624    /* %s: the type the extension belongs to now */
#define IDS_ASSOC_RESERVED 2625
#define IDS_ASSOC_DEFAULT_DESCRIPTION 2628 /* %s: the extension in capitals, without dot */
#define IDS_ASSOC_CONFIRM_DELETE 2629  /* %s: the extension */
#define IDS_ASSOC_ALREADY_LISTED 2630
#define IDS_ASSOC_PROPERTIES_TITLE 2631 /* %s: the extension with its dot */
#define IDS_ASSOC_EXTENSION_HEADER 2632
#define IDS_ASSOC_DESCRIPTION_HEADER 2633
#define IDS_ASSOC_WHY_NO_EXTENSION 3413
#define IDS_ASSOC_WHY_RESERVED 3414
#define IDS_ASSOC_WHY_NO_ICON_FILE 3415
#define IDS_ASSOC_WHY_NO_ICON 3416
#define IDS_ASSOC_ICON_FILTER 2634     /* pairs of description and pattern, each followed by TAB */
