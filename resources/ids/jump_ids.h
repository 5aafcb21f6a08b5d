#pragma once
// Resource numbers of the jump dialog.

#define IDD_JUMP 145
#define IDC_JUMP_TARGET 1108           /* edit: target number */
#define IDC_JUMP_SECONDARY_LABEL 663   /* label of the secondary number */
#define IDC_JUMP_SECONDARY 1584        /* edit: secondary number */
#define IDC_JUMP_CHOICE 1865           /* drop-down list of the host's choices */
#define IDC_JUMP_CHECK 1059            /* the check box handed back as the result */
#define HELP_TOPIC_JUMP 7040
#define IDC_JUMP_TARGET_LABEL 662      /* label of the target number */
#define IDC_JUMP_NOTE 2955             /* what OK does with a number it does not take */
#define IDS_JUMP_NOTE_NOT_NUMBER 3418  /* %1 the field's label, %2 the value kept */
#define IDS_JUMP_NOTE_OUT_OF_RANGE 3419 /* %1 label, %2 lowest, %3 highest, %4 the value used */
