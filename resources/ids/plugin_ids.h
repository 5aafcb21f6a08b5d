// The plug-ins dialog. Its check list uses the shared numbers of controls_ids.h (119 and the
// move buttons 1365, 1366).
#pragma once

#define IDD_PLUGINS 169
#define HELP_TOPIC_PLUGINS 7030
#define IDC_PLUGIN_ADD 123
#define IDC_PLUGIN_PROPERTIES 205
#define IDC_PLUGIN_REMOVE 379
#define IDC_PLUGIN_UNINSTALL 1006
#define IDC_PLUGIN_SECOND_TEXT 1008
#define IDC_PLUGIN_FIRST_TEXT 1011
#define IDC_PLUGIN_PATH 1059
#define IDC_PLUGIN_RESET 1312
#define IDC_PLUGIN_PATH_LABEL 662
#define IDC_PLUGIN_FIRST_LABEL 663
#define IDC_PLUGIN_SECOND_LABEL 664

// The add dialog's filter: pairs of description and pattern, each followed by a TAB.
#define IDS_PLUGIN_FILTER 1259
