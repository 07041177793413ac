// Resource ids of the program. Plain #defines only: the resource compiler
// reads this file too. The class library's standard ids are in afx/AfxRes.h.
#pragma once

#include "afx/AfxRes.h"

// Main frame: menu, icon, document string, framework toolbar.
#define IDR_MAINFRAME                   128
#define IDR_TOOLBAR_MENU_IMAGES         129     // toolbar whose images the edit menus use
#define IDR_LOGWINDOW                   121     // trace-log window: menu, document string
#define IDR_TOOLBAR_EXPORTCOPY          135
#define IDR_MENU_EXPORT                 138
#define IDR_MENU_COPY                   139
#define IDR_MENU_FRAME_CONTEXT          141
#define IDR_MENU_TRAY                   142
#define IDR_MENU_RICHEDIT               133

// Dialog templates.
#define IDD_LEXIFERN_FORM               101
#define IDD_LOG_WINDOW                  130     // the trace-log window's form
#define IDD_TRACE_NOTE                  132
#define IDD_SETTING_PAGE_GENERAL        112     // general options page
#define IDD_ERROR_READER                126     // last crash report
#define IDD_SETTINGS                    129     // the two Basket options
#define IDD_INPUT_STRING                133     // one line of text
#define IDD_EXPORT_PROGRESS             137     // export progress
#define IDD_INPUT_DATE                  231     // a date and time
#define IDD_ABOUTBOX                    201     // animated credits, also the start-up splash
#define IDD_TIP                         202     // tip of the day
#define IDD_SPLASH                      1169    // start-up progress splash
#define IDD_EXTERNAL_TOOLS              207     // the external tools editor
#define IDD_SETUP_GRID                  329     // a grid host's columns and colours
#define IDD_ACCEL_MAP                   240     // shortcut keys of the commands
#define IDC_ACCEL_COMMANDS              1400    // command names
#define IDC_ACCEL_BINDINGS              1401    // the selected command's keys
#define IDC_ACCEL_KEY                   1402    // captures a key combination
#define IDC_ACCEL_HOLDER                1403    // names the command holding it
#define IDC_ACCEL_ASSIGN                1404
#define IDC_ACCEL_RESET                 1405
#define IDC_ACCEL_REFRESH               1406

// Controls of the small dialogs above.
#define IDC_EXPORT_PROGRESS             1002
#define IDC_SORT_BASKET                 1009
#define IDC_DEDUPE_BASKET               1010
#define IDC_SHOW_TIPS                   1003
#define IDC_KEEP_LOG                    1006
#define IDC_AUTO_SAVE                   1010
#define IDC_MINUTES_LABEL               1047
#define IDC_SAVE_MINUTES                1055
#define IDC_SAVE_MINUTES_SPIN           1058
#define IDC_INPUT_DATE                  1179
#define IDC_REPORT_TEXT                 1208
#define IDC_INPUT_TEXT                  1208

// Controls of the about box (201), the tip of the day (202) and the splash (1169).
#define IDC_ABOUT_PANEL                 1008
#define IDC_TIP_PANEL                   1001
#define IDC_TIP_FRAME                   1004
#define IDC_NEXT_TIP                    1011
#define IDC_TIP_TEXT                    1020
#define IDC_SPLASH_PROGRESS             1002
#define IDC_SPLASH_STATUS               1018
#define IDC_SPLASH_NOTICE               1029
#define IDC_SPLASH_PICTURE              1340
#define IDC_SPLASH_TITLE                1341

// Controls of the trace-log window (template 130) and the note (template 132).
#define IDC_TRACE_LIST                  1000
#define IDC_LOG_FIRST                   1002
#define IDC_LOG_PREV_ERROR              1004
#define IDC_LOG_NEXT_ERROR              1005
#define IDC_LOG_LAST                    1007
#define IDC_LOG_LIMIT_VALUE             1012
#define IDC_LOG_LIMIT                   1013
#define IDC_LOG_NOTE                    1015
#define IDC_TRACE_NOTE_TEXT             1018
#define IDC_LOG_SET_LIMIT               1021
#define IDC_LOG_DISK                    1022

// The grid of every grid host (dialog or form view).
#define IDC_GRID_HOST                   1014

// Controls of the external tools editor (template 207).
#define IDC_TOOL_ARGUMENTS              1079
#define IDC_TOOL_HOTKEY                 1080
#define IDC_TOOL_TITLE                  1081
#define IDC_TOOL_CHOOSE_COMMAND         1084
#define IDC_TOOL_COMMAND                1086
#define IDC_TOOL_TITLE_LABEL            1088
#define IDC_TOOL_COMMAND_LABEL          1090
#define IDC_TOOL_ARGUMENTS_LABEL        1092
#define IDC_TOOL_HOTKEY_LABEL           1093
#define IDC_TOOL_ADD                    1065
#define IDC_TOOL_DELETE                 1200
#define IDC_TOOL_UP                     1201
#define IDC_TOOL_DOWN                   1202
#define IDC_TOOL_DELETE_ALL             1203

// Controls of the grid set-up dialog (template 329).
#define IDC_SETUP_COLUMNS               5026
#define IDC_SETUP_BACKGROUND            5027
#define IDC_SETUP_TEXT_BACKGROUND       5028
#define IDC_SETUP_TEXT_FOREGROUND       1063
#define IDC_SETUP_GRID_LINES            1064
#define IDC_SETUP_SHOW_ALL              1171
#define IDC_SETUP_HIDE_ALL              4
#define IDC_SETUP_DEFAULTS              5

// Bitmaps.
#define IDB_TOOLBAR_IMAGES              112     // 24-bit, 32x32 images of the main toolbar
#define IDB_TOOLBAR_IMAGES_DISABLED     117
#define IDB_SETTINGS                    134
#define IDB_GET_NEW_VERSION             137
#define IDB_CHECK_ALL                   138
#define IDB_QUIT                        139
#define IDB_COPY_BASKET                 140
#define IDB_HELP                        141
#define IDB_BACK                        143
#define IDB_SAVE_BASKET                 144
#define IDB_TIP_HEADER                  110     // the tip panel's header image
#define IDB_ABOUT_LOGO                  114     // white is transparent: ANDed onto the background
#define IDB_ABOUT_BACK                  115     // about box background and splash picture

// Icons (framework dialogs decorate their buttons by role).
#define IDI_TRAY                        142
#define IDI_TRAY_BUSY                   508
#define IDI_CLOSE                       160
#define IDI_OK                          161
#define IDI_MOVE_UP                     162
#define IDI_MOVE_DOWN                   163
#define IDI_ADD                         164
#define IDI_DELETE                      165
#define IDI_DELETE_ALL                  166
#define IDI_HIDE_ALL                    167
#define IDI_DEFAULTS                    174
#define IDI_CHOOSE_COMMAND              502
#define IDI_NEXT_TIP                    504
#define IDI_SHOW_ALL                    505

// Controls of the main view (template 101).
#define IDC_KEYWORD                     1000
#define IDC_SUGGESTIONS                 1001
#define IDC_BASKET                      1002
#define IDC_SETTINGS                    1003
#define IDC_CHECK_ALL                   1004
#define IDC_EXIT                        1005
#define IDC_COPY_BASKET                 1006
#define IDC_UNCHECK_ALL                 1007
#define IDC_GET_NEW_VERSION             1011
#define IDC_HELP_BUTTON                 1012
#define IDC_BACK                        1013
#define IDC_SAVE_BASKET                 1014
#define IDC_CHECK_CUSTOM                1015
#define IDC_GO                          1016
#define IDC_PROGRESS                    1018
#define IDC_WEB_PLACE                   1019
// The view's three labels, named so that the layout can place them.
#define IDC_KEYWORD_LABEL               1024
#define IDC_LIST_LABEL                  1025
#define IDC_BASKET_LABEL                1026
#define IDC_WEB_PANE                    1319

// Commands.
#define ID_COPY_DROPDOWN                4
#define ID_SHOW_TIP                     300
#define ID_FULL_SCREEN                  35001
#define ID_MAIL_TO_SUPPORT              35002
#define ID_BACKUP_DOCUMENT              35005
#define ID_PROGRAM_SETTINGS             35009
#define ID_ERROR_REPORT                 35010
#define ID_CLEAR_RECENT_FILES           35012
#define ID_EXPORT_DROPDOWN              35015
#define ID_EXPORT_HTML                  35018
#define ID_EXPORT_TEXT                  35019
#define ID_EXPORT_METATAG               35020
#define ID_EXPORT_CSV                   35021
#define ID_EXPORT_EXCEL                 35022
#define ID_COPY_TEXT                    35027
#define ID_COPY_HTML_TABLE              35028
#define ID_COPY_CSV                     35029
#define ID_COPY_METATAG                 35030
#define ID_EXPORT_ADWORDS_BROAD         35044
#define ID_EXPORT_ADWORDS_PHRASE        35045
#define ID_EXPORT_ADWORDS_EXACT         35046
#define ID_COPY_ADWORDS_BROAD           35055
#define ID_COPY_ADWORDS_PHRASE          35056
#define ID_COPY_ADWORDS_EXACT           35057
#define ID_RESTORE_FROM_TRAY            33001
#define ID_MINIMIZE_TO_TRAY             32077
#define ID_ALWAYS_ON_TOP                32079
#define ID_FRAME_NO_ACTION              35000   // routed by the frame so it stays enabled; does nothing
#define ID_DOCUMENT_PROPERTIES          35006
#define ID_LOG_WINDOW                   35008

// Test commands of the trace-log window's menu (121): each posts sample events.
#define ID_TRACE_TEST_COMMENT           32774
#define ID_TRACE_TEST_ERROR             32775
#define ID_TRACE_TEST_FORMAT_ERROR      32776
#define ID_TRACE_TEST_FORMAT_MESSAGE    32777
#define ID_TRACE_TEST_DATA_BINARY       32779
#define ID_TRACE_TEST_DATA_STRING       32780

// The rich edit's own right-click menu (IDR_MENU_RICHEDIT); the control
// handles these itself, so they may share numbers with commands elsewhere.
#define ID_RICHEDIT_UNDO                32777
#define ID_RICHEDIT_CUT                 32778
#define ID_RICHEDIT_DELETE              32781
#define ID_RICHEDIT_SELECT_ALL          32782
#define ID_RICHEDIT_COPY                32783
#define ID_RICHEDIT_PASTE               32784

// Strings.
#define IDS_UNKNOWN_ERROR               5000
#define IDS_LOG_FILTER                  5001
#define IDS_LOG_SAVE                    5002
#define IDS_LOG_SAVE_AS                 5003
#define IDS_LOG_OPEN_FAILED             5004
#define IDS_LOG_TITLE                   5005
#define IDS_LOG_ENTRIES_DELETED         5006
#define IDS_TRACE_TEST_ACCESS_DENIED    113
#define IDS_TRACE_TEST_TIMES            135
#define IDS_TRACE_TEST_TIME             136
#define IDS_TRACE_TEST_COMMENT          145
#define IDS_TRACE_TEST_ERROR            147
