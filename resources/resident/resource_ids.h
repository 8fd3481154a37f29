#pragma once
// Resource, command and string ids of Ombrix.exe. The numbers are shared
// with the other two programs and the help file; never renumber them.

// Strings
#define IDS_PRODUCT_CAPTION       103
#define IDS_LAUNCH_FAILED         134  // "%s" path, code
#define IDS_LAUNCH_FAILED_REASON  135  // reason, path, code
#define IDS_REASON_FILE_NOT_FOUND 136
#define IDS_REASON_PATH_NOT_FOUND 137
#define IDS_REASON_ACCESS_DENIED  138
#define IDS_REASON_OUT_OF_MEMORY  139
#define IDS_FILE_NOT_FOUND        152
#define IDS_ERR_NO_STATEMENT      156
#define IDS_ERR_MISSING_STATEMENT 157
#define IDS_ERR_MISSING_OPERAND   158
#define IDS_ERR_NO_POPUP          159
#define IDS_ERR_BAD_OPERAND       160
#define IDS_ERR_TOO_MANY          161
#define IDS_ERR_BAD_STATEMENT     162
#define IDS_ERR_OFFER_NOTEPAD     163

// Icons and menus
#define IDI_RESIDENT              107
#define IDI_RESIDENT_SMALL        108
#define IDM_RESIDENT              109
#define IDI_TRAY_NORMAL           131
#define IDI_TRAY_PRESSED          132
#define IDI_DAY_BASE              1000  // 1001 to 1031: the day-of-month faces

// Commands
#define CMD_ABOUT                 104
#define CMD_EXIT                  105
#define CMD_RELOAD                32771
#define CMD_EDIT_MENUS            32772
#define CMD_HELP                  32775
