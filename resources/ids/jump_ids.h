#pragma once
// Resource numbers of the jump dialog.

#define IDD_JUMP 145
#define IDC_JUMP_TARGET 1108           /* edit: target number */
#define IDC_JUMP_SECONDARY_LABEL 663   /* label of the secondary number */
#define IDC_JUMP_SECONDARY 1584        /* edit: secondary number */
#define IDC_JUMP_CHOICE 1865           /* drop-down list of the host's choices */
#define IDC_JUMP_CHECK 1059            /* the check box handed back as the result */
#define HELP_TOPIC_JUMP 7040
