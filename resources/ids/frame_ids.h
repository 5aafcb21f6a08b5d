// Dialog base, help, message boxes, resource modules.
#pragma once

// Icons and bitmaps of the image module.
#define IDI_APP_COLOR 128
#define IDI_APP_MONO 129

// Controls several dialogs share.
#define IDC_SIZE_GRIP 100
#define IDC_DIALOG_ICON 1920

// Message boxes and help.
#define IDS_DONT_ASK_AGAIN 408    /* verification check box of questions */
#define IDS_HELP_FILE_MISSING 444 /* main text when the local help file is missing */
#define IDS_HELP_SOURCE_QUESTION 445
#define IDS_HELP_SOURCE_ONLINE 446
#define IDS_HELP_SOURCE_LOCAL 447
#define IDS_OPEN_FAILED 1105        /* the browser or a link could not be opened */
#define IDC_HELP_SOURCE_ONLINE 1001 /* radio buttons of the help source question */
#define IDC_HELP_SOURCE_LOCAL 1002
// The common buttons of the library's own message box.
#define IDS_BUTTON_OK 3322
#define IDS_BUTTON_CANCEL 3323
#define IDS_BUTTON_YES 3324
#define IDS_BUTTON_NO 3325
#define IDS_BUTTON_RETRY 3326

// Texts of the library's own error codes.
#define IDS_ERR_BAD_FILE_FORMAT 388    /* 0xA0000008 */
#define IDS_ERR_SIGNATURE 438          /* 0xA0000021 */
#define IDS_ERR_CANCELLED 439          /* 0x20000004 */
#define IDS_ERR_NOTHING_FOUND 440      /* 0x20000005 */
#define IDS_ERR_FILE_TOO_LARGE 766     /* 0xA0000016 */
#define IDS_ERR_LINE_TOO_LONG 767      /* 0xA0000017 */
#define IDS_ERR_TOO_MANY_ITEMS 768     /* 0xA0000018 */
#define IDS_ERR_INVALID_PLUGIN 800     /* 0xA0000020 */
#define IDS_ERR_PLUGIN_VERSION 804     /* 0xA0000022 */
#define IDS_ERR_INVALID_MENU 805       /* 0xA0000023 */
#define IDS_ERR_INVALID_MACRO 806      /* 0xA0000024 */
#define IDS_ERR_INVALID_FILTER 807     /* 0xA0000025 */
#define IDS_ERR_READ_ONLY_SETTINGS 808 /* 0xA0000026 */

// Refusals the base explains: a numeric edit that dropped pasted characters.
#define IDS_DIGITS_ONLY_TITLE 3300
#define IDS_DIGITS_ONLY_PASTED 3301
// Signature check of product files.
#define IDS_SIGNATURE_FAILED 130    /* main text; " (0x%x)" with the verification result follows */
#define IDS_SIGNATURE_PROCEED 409   /* the button that uses the file anyway */
