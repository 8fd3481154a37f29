#pragma once
// Resource, command and string ids of Ombrixm.exe. The numbers are the
// system's own, shared with the other programs and the help file; never
// renumber them.

// The frame: menus, icon, accelerators and tool bar share the id 128
#define IDR_MAINFRAME             128
#define IDR_SECTION               129   // menu and icon of a section window
#define IDR_TEMPLATES             3144  // menu and icon of the template window
#define IDR_OPTIONS               5346  // menu of the options window
#define IDR_CONTEXT_MENUS         5345  // the context menus, submenus 0 to 5
#define IDI_SECTION_DEFAULT       133   // a section's icon when it names none
#define IDI_DAY_BASE              1000  // 1001 to 1031: the day-of-month faces
#define IDI_SYSTEM_FOLDERS        5893
#define IDC_NO_DROP               5230  // cursor of a drag from the services browser: no drop here
#define IDC_DROP                  5232  // cursor of a drag from the services browser over a menu tree
#define IDB_MENU_TREE             5330  // the menu tree's 15 images, 16 x 16
#define IDB_SECTION_TABS          5341  // the section tabs' images
#define IDR_MENU_HEADER           136   // the 448-byte header block of written menu files

// Submenus of IDR_CONTEXT_MENUS
#define CONTEXT_PATH              0     // "popmenu"
#define CONTEXT_FORM              1     // "popform"
#define CONTEXT_TREE              2     // "poptree"
#define CONTEXT_TREE_OUTSIDE      3     // "poptree-out"
#define CONTEXT_SERVICE_LIST      4     // "srvlist"
#define CONTEXT_MANAGE_TREE       5     // "jumppop"

// Closing the resident at start
#define IDD_CLOSE_RESIDENT        3406
#define IDC_CLOSE_TEXT            3205
#define IDC_CLOSE_ICON            3206
#define IDC_CLOSE_AUTOMATICALLY   3207

// Bars and windows
#define ID_TOOL_BAR               0xE800
#define ID_STATUS_BAR             0xE801
#define ID_MANAGE_TREE_BAR        0xE865

// Private window messages
#define UM_SECTION_CHANGED        0x8056  // to the management tree bar: list position / section
#define UM_COMMIT_EDITS           0x8057  // to a view: write pending edits into the model
#define UM_SET_PROMPT             0x8058  // to a child window: string id of its status text
#define UM_DROP_ENTRIES           0x8059  // to a menu tree's pane: EntryDrop* (null: does it take entries?)
#define UM_SHOW_FORM              0x805A  // to the section window: node kind | shortcut flag << 16

// Commands
#define ID_SAVE_ALL               34001
#define ID_TEMPLATE_WINDOW        34014
#define ID_SELECT_ALL             34015
#define ID_OPEN_OBJECT            34016
#define ID_VIEW_DETAILS           34005
#define ID_VIEW_LIST              34006
#define ID_VIEW_SMALL_ICONS       34007
#define ID_VIEW_LARGE_ICONS       34008
#define ID_DELETE_ITEM            36001
#define ID_PARENT_NODE            36002
#define ID_NEW_ITEM               36003
#define ID_NEW_SEPARATOR          36004
#define ID_NEW_GROUP              36005
#define ID_NEW_TITLE              36006
#define ID_REFRESH                36007
#define ID_LEVEL_DOWN             36008
#define ID_LEVEL_UP               36009
#define ID_MOVE_UP                36010
#define ID_MOVE_DOWN              36011
#define ID_PICK_SHORTCUT          36012
#define ID_PICK_FILE              36013
#define ID_PICK_FOLDER            36014
#define ID_TEST_FORM              36018
#define ID_TO_ITEM                36019
#define ID_TO_SEPARATOR           36020
#define ID_TO_GROUP               36022
#define ID_CHANGE_ICON            36025
#define ID_TO_TITLE               36033
#define ID_CHANGE_COLOURS         36035
#define ID_TEST_LEFT              32771
#define ID_TEST_RIGHT             32772
#define ID_SECTION_NEW            32775
#define ID_SECTION_OPEN           32776
#define ID_SECTION_UP             32777
#define ID_SECTION_DOWN           32778
#define ID_SECTION_DUPLICATE      32779
#define ID_SECTION_RENAME         32780
#define ID_SECTION_DELETE         32781
#define ID_PICK_SYSTEM_FOLDER     32782
#define ID_FILE_NEW               57600
#define ID_FILE_OPEN              57601
#define ID_FILE_CLOSE             57602
#define ID_FILE_SAVE              57603
#define ID_EDIT_COPY              57634
#define ID_EDIT_CUT               57635
#define ID_EDIT_PASTE             57637
#define ID_EDIT_UNDO              57643
#define ID_EDIT_REDO              57644
#define ID_WINDOW_ARRANGE         57649
#define ID_WINDOW_CASCADE         57650
#define ID_WINDOW_TILE            57651
#define ID_APP_ABOUT              57664
#define ID_APP_EXIT               57665
#define ID_HELP_INDEX             57666
#define ID_HELP_FINDER            57667
#define ID_CONTEXT_HELP           57669
#define ID_HELP                   57670
#define ID_DEFAULT_HELP           57671
#define ID_NEXT_PANE              57680
#define ID_PREV_PANE              57681

// Strings
#define IDS_MANAGE_TREE           130
#define IDS_TREE_ROOT             131
#define IDS_OPTIONS_TITLE         132
#define IDS_FILE_NOT_FOUND        133
#define IDS_ERR_NO_STATEMENT      156
#define IDS_ERR_MISSING_STATEMENT 157
#define IDS_ERR_MISSING_OPERAND   158
#define IDS_ERR_NO_POPUP          159
#define IDS_ERR_BAD_OPERAND       160
#define IDS_ERR_TOO_MANY          161
#define IDS_ERR_BAD_STATEMENT     162
#define IDS_ERR_OFFER_NOTEPAD     163
#define IDS_ITEM_COLUMNS          140   // "項目,説明"
#define IDS_LEFT_OPTIONS_INFO     165
#define IDS_RIGHT_OPTIONS_INFO    166
#define IDS_TRAY_OPTIONS_INFO     167
#define IDS_LEFT_MENU_HINT        168
#define IDS_RIGHT_MENU_HINT       169
#define IDS_MENU_FILE_QUESTION    170
#define IDS_CLOSE_RESIDENT        3156
#define IDS_TEMPLATES_TITLE       3172
#define IDS_SECTION_PROMPT        3175
#define IDS_NAME_COLUMN           3169  // the services browser's list column
#define IDS_TEMPLATES_PROMPT      3174
#define IDS_SYSTEM_FOLDERS        5108
#define IDS_PREPARING_ICONS       5242
#define IDS_CONFIRM_DELETE        5340
#define IDS_CONFIRM_DELETE_GROUP  5341
#define IDS_CONFIRM_DELETE_SEPARATOR 5342
#define IDS_NEW_GROUP             5101
#define IDS_NEW_ITEM              5115
#define IDS_RESTART_RESIDENT      5373
#define IDS_NAME_TAKEN            5380
#define IDS_EMPTY_MENU            5381
#define IDS_APP_TITLE             57344
#define IDS_IDLE_PROMPT           57345
#define IDS_SAVE_CHANGES          61699
#define IDS_UNDO_STEP             5850  // "元に戻す: %s", the step's name
#define IDS_REDO_STEP             5851
#define IDS_STEP_BASE             5860  // + StepKind: the names of the steps
#define IDS_FILE_ERROR_BASE       61856  // + the cause of a file error; %1 = the path

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

// The forms of the section window's right pane
#define IDD_SHORTCUT_FORM         5301
#define IDD_FILE_FORM             5302
#define IDD_SEPARATOR_FORM        5303
#define IDD_GROUP_FORM            5304
#define IDD_TITLE_FORM            5309
#define IDD_MENU_OPTIONS_FORM     5311
#define IDD_TRAY_OPTIONS_FORM     5358
#define IDD_GENERAL_OPTIONS_FORM  5359
#define IDC_PATH                  5431
#define IDC_PATH_MENU             5454  // also the string id of its tool tip
#define IDC_SHORTCUT_DESCRIPTION  5412
#define IDC_LINK_TARGET           5413
#define IDC_LINK_ARGUMENTS        5414
#define IDC_LINK_FOLDER           5415
#define IDC_ICON_BUTTON           5433  // also the string id of its tool tip
#define IDC_FILE_DESCRIPTION      5440
#define IDC_FILE_TYPE             5434
#define IDC_OPEN_COMMAND          5435
#define IDC_PARAMETERS            5450  // the file form's parameters; the title form's colour button
#define IDC_SHORTCUT_NOTE         5441
#define IDC_FILE_NOTE             5442
#define IDC_DESCRIPTION           5449
#define IDC_MENU_BREAK            5443
#define IDC_SHOW_FOLDER           5444
#define IDC_FOLDER_DEPTH          1805
#define IDC_FOLDER_DEPTH_SPIN     1806
#define IDC_TO_TITLE              5482
#define IDC_TO_SEPARATOR          5445
#define IDC_TO_GROUP              5447
#define IDC_TO_ITEM               5448
#define IDC_TEST_DISPLAY          5455
#define IDS_NOT_FOUND_NOTE        5345  // "ファイルが見つかりません" on the item forms
#define IDS_PROGRAM_FILTER        5102
#define IDS_SHORTCUT_FILTER       5107
#define IDS_PICK_FOLDER           5103
#define IDS_CHANGE_KIND           5358
#define IDS_LINE_TOO_LONG         5390
#define IDS_RANGE_ERROR           61714  // %1 to %2
#define ID_PICK_SERVICE           36015

// The menu and tray option forms
#define IDC_SHOW_TEXT             1032
#define IDC_SHOW_ICONS            1033
#define IDC_ALL_MENUS_SAME        1034
#define IDC_WIDTH_LABEL           5924
#define IDC_AUTOMATIC_WIDTH       5459
#define IDC_WIDTH_TEXT            5468
#define IDC_WIDTH_TRACK           5458
#define IDC_SMALL_ICONS           5462
#define IDC_LARGE_ICONS           5463
#define IDC_DEFAULT_SMALL_ICON    5481
#define IDC_DEFAULT_LARGE_ICON    5464
#define IDC_MENU_PREVIEW          5469
#define IDC_NORMAL_ICON           5556
#define IDC_PRESSED_ICON          5560
#define IDC_UP_IS_DOWN            5561
#define IDC_CALENDAR              5901
#define IDC_TRAY_PREVIEW          5479
#define IDC_TRAY_DEFAULTS         5559
#define IDS_NOTHING_TO_SHOW       5362

// The options window
#define IDC_AUTO_HIDE             5563
#define IDC_AUTO_HIDE_SPIN        5564
#define IDR_OPTIONS_PAGE          5347  // the page "t.htm" above the form
