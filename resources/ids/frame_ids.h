#pragma once
// Resource numbers of the dialog frame's own texts and controls (message boxes and help),
// shared by the localisation module's scripts and the code.

#define IDS_DONT_ASK_AGAIN 408      /* verification check box of questions */
#define IDS_HELP_FILE_MISSING 444   /* main text when the local help file is missing */
#define IDS_HELP_SOURCE_QUESTION 445
#define IDS_HELP_SOURCE_ONLINE 446
#define IDS_HELP_SOURCE_LOCAL 447
#define IDS_OPEN_FAILED 1105        /* the browser or a link could not be opened */

#define IDC_HELP_SOURCE_ONLINE 1001 /* radio buttons of the help source question */
#define IDC_HELP_SOURCE_LOCAL 1002

#define IDI_APP_CURRENT 128         /* image module icons */
#define IDI_APP_CLASSIC 129
