#pragma once
// Resource, control and string ids of Ombrixa.exe. The numbers are the
// system's own and shared with the help file; never renumber them.

// Version box
#define IDD_ABOUT                 102
#define IDI_PROGRAM               108
#define IDC_CREDITS               200
#define IDC_MAIL_LINK             201
#define IDC_WEB_LINK              202

// Setup dialog
#define IDD_SETUP                 103
#define IDI_STEP_DONE             168
#define IDC_SETUP_PROGRESS        1048
#define IDC_SETUP_STEP1           1049
#define IDC_SETUP_STEP2           1050
#define IDC_SETUP_STEP3           1051
#define IDC_SETUP_MARK1           1052
#define IDC_SETUP_MARK2           1053
#define IDC_SETUP_MARK3           1054
#define IDC_SETUP_TITLE           1055
#define IDC_SETUP_ICON            1056
#define IDS_STEP_ENVIRONMENT      171
#define IDS_STEP_SAMPLES          172
#define IDS_STEP_START            173
#define IDS_STEP_CONVERSION       174

// Sample menu files
#define IDR_MENU_HEADER           178    // the 448-byte header block of written menu files
#define IDS_FILE_NOT_FOUND        133    // display text of an entry the shell cannot name
#define IDS_FILE_ERROR_BASE       61856  // + the cause of a file error; %1 = the path
