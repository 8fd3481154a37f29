#pragma once
// Resource, command and string ids of Ombrixm.exe. The numbers are the
// system's own, shared with the other programs and the help file; never
// renumber them.

// Colour sheet of a title: two pages of one layout
#define IDS_COLOUR_SHEET          5117  // the sheet's caption
#define IDS_APPLY_TO_ALL_TITLES   5113  // the button in the Apply button's place
#define IDS_RGB_NAME              5112  // "赤:%d 緑:%d 青:%d"
#define IDS_NEW_TITLE             5114  // a title without description
#define IDS_SYSTEM_COLOUR_NAME    5172  // 5172 to 5199: names of the system colour table's rows
#define IDD_TEXT_COLOUR_PAGE      5352
#define IDD_BACK_COLOUR_PAGE      5353
#define IDC_COLOUR_PREVIEW        5491
#define IDC_COLOUR_NAME           5492
#define IDC_DEFAULT_COLOUR        5493
#define IDC_SYSTEM_SWATCH         5496  // 5496 to 5511
#define IDC_FIXED_SWATCH          5512  // 5512 to 5526
#define IDC_OTHER_COLOUR          5527

// Icon chooser
#define IDD_ICON_CHOOSER          4405
#define IDC_ICON_FILE             4751
#define IDC_ICON_LIST             4752
#define IDC_ICON_HISTORY          4753
#define IDB_ICON_HISTORY          1245
#define IDS_ICON_FILTER           4205
#define IDS_ICON_BROWSE_TITLE     4206
#define IDS_SELECT_AN_ICON        4453
#define IDS_ICON_FILE_MISSING     4455  // %1 = the file
#define IDS_ICON_FILE_EMPTY       4456  // %1 = the file
#define ID_ICON_RECENT_FILE       2001  // 2001 to 2005: the history menu's files
#define ID_ICON_BROWSE            2009

// System-folder chooser
#define IDD_SYSTEM_FOLDER_CHOOSER 4002
#define IDC_FOLDER_TEXT           4006
#define IDC_FOLDER_LIST           4007
#define IDC_FOLDER_GROUP          4101
#define IDC_FOLDER_ICON           4102
