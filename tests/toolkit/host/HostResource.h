// Resource and command ids of the toolkit host (all below 20000: the toolkit's
// own start there). Each scene owns a block of control ids and of commands.
#pragma once

#define IDI_HOST_GO          101
#define IDC_HOST_STATE       100
#define IDC_HOST_STATE_BAR   99
#define ID_HOST_REFRESH      32790
#define ID_HOST_EXIT         32789
// The "Look" menu: the application's skins by name, and no skin.
#define ID_HOST_LOOK_CLASSIC 32791
#define ID_HOST_LOOK_XP      32792
#define ID_HOST_LOOK_2003    32793
#define ID_HOST_LOOK_NONE    32794

// Scene "colors": controls 1001-, commands 32800-.
#define IDC_COLORS_FIRST     1001
#define ID_COLORS_FIRST      32800

// Scene "services1": controls 1101-, commands 32820-.
#define IDC_SERVICES1_FIRST  1101
#define ID_SERVICES1_FIRST   32820
// Scene "mdi": controls 2001-, commands 33000-33019, its templates' strings.
#define IDC_MDI_FIRST        2001
#define ID_MDI_FIRST         33000
#define IDR_MDI_TEXT         2101
#define IDR_MDI_SPLIT        2102
// Scene "services2": controls 1201-, commands 32840-.
#define IDC_SERVICES2_FIRST  1201
#define ID_SERVICES2_FIRST   32840
// Its main window's keys (Ctrl+J gives 32849).
#define IDR_SERVICES2_KEYS   1200
// Scene "docking": controls 1901-, commands 32980-.
#define IDC_DOCKING_FIRST    1901
#define ID_DOCKING_FIRST     32980
// The toolbars' buttons: six of "Standard", then four of "Second".
#define ID_DOCKING_BUTTON    32988

// Scene "edits": controls 1301-, commands 32860-.
#define IDC_EDITS_FIRST      1301
#define ID_EDITS_FIRST       32860
// Scene "skins": controls 2101-, commands 33020-33039, the bitmap of its pane.
#define IDC_SKINS_FIRST      2101
#define ID_SKINS_FIRST       33020
#define IDB_SKINS_PANE       2110


// Scene "lists": controls 1701-, commands 32940-.
#define IDC_LISTS_FIRST      1701
#define ID_LISTS_FIRST       32940
// Scene "cool": controls 1401-, commands 32880-.
#define IDC_COOL_FIRST       1401
#define ID_COOL_FIRST        32880
// Scene "painters": controls 1501-, commands 32900-.
#define IDC_PAINTERS_FIRST   1501
#define ID_PAINTERS_FIRST    32900
