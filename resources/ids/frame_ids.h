// Dialog base, help, message boxes, resource modules.
#pragma once

// Icons and bitmaps of the image module.
#define IDI_APP_COLOR 128
#define IDI_APP_MONO 129

// Controls several dialogs share.
#define IDC_SIZE_GRIP 100
#define IDC_DIALOG_ICON 1920

// Message boxes and help.
#define IDS_DONT_ASK_AGAIN 408      /* verification check box of questions */
#define IDS_HELP_FILE_MISSING 444   /* main text when the local help file is missing */
#define IDS_HELP_SOURCE_QUESTION 445
#define IDS_HELP_SOURCE_ONLINE 446
#define IDS_HELP_SOURCE_LOCAL 447
#define IDS_OPEN_FAILED 1105        /* the browser or a link could not be opened */
#define IDC_HELP_SOURCE_ONLINE 1001 /* radio buttons of the help source question */
#define IDC_HELP_SOURCE_LOCAL 1002
