// Resource numbers shared by the resource scripts and the code: templates, controls, strings,
// icons and bitmaps. These numbers are the contract between the library and its resource
// modules; no bare control number appears in C++.
#pragma once

// ---- Icons and bitmaps (scrvres.dll) ---------------------------------------------------------
#define IDI_APP_COLOR 128
#define IDI_APP_MONO 129

// ---- Common controls of several dialogs -------------------------------------------------------
#define IDC_SIZE_GRIP 100
#define IDC_DIALOG_ICON 1920

// ---- Number range dialog ----------------------------------------------------------------------
#define IDD_NUMBER_RANGE 709
#define IDC_NR_LOWER_LABEL 662
#define IDC_NR_UPPER_LABEL 663
#define IDC_NR_EXPRESSION_LABEL 664
#define IDC_NR_LOWER 1997
#define IDC_NR_UPPER 1998
#define IDC_NR_LOWER_INCLUSIVE 1712
#define IDC_NR_UPPER_INCLUSIVE 1740
#define IDC_NR_INTEGERS 1958
#define IDC_NR_DIRECT 1896
#define IDC_NR_EXPRESSION 2005
#define IDC_NR_SKIP 1880
#define IDC_NR_EXAMPLES 665
