// Resource and command ids of the toolkit host (all below 20000: the toolkit's
// own start there). Each scene owns a block of control ids and of commands.
#pragma once

#define IDI_HOST_GO          101
#define IDC_HOST_STATE       100
#define IDC_HOST_STATE_BAR   99
#define ID_HOST_REFRESH      32790
#define ID_HOST_EXIT         32791

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
// Scene "docking": controls 1901-, commands 32980-.
#define IDC_DOCKING_FIRST    1901
#define ID_DOCKING_FIRST     32980
// The toolbars' buttons: six of "Standard", then four of "Second".
#define ID_DOCKING_BUTTON    32988
// Scene "cool": controls 1401-, commands 32880-.
#define IDC_COOL_FIRST       1401
#define ID_COOL_FIRST        32880
// Scene "painters": controls 1501-, commands 32900-.
#define IDC_PAINTERS_FIRST   1501
#define ID_PAINTERS_FIRST    32900
