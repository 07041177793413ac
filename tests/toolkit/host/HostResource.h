// Resource and command ids of the toolkit host (all below 20000: the toolkit's
// own start there). Each scene owns a block of control ids and of commands.
#pragma once

#define IDI_HOST_GO          101
#define IDC_HOST_STATE       100
#define ID_HOST_REFRESH      32790
#define ID_HOST_EXIT         32791

// Scene "colors": controls 1001-, commands 32800-.
#define IDC_COLORS_FIRST     1001
#define ID_COLORS_FIRST      32800

// Scene "services2": controls 1201-, commands 32840-.
#define IDC_SERVICES2_FIRST  1201
#define ID_SERVICES2_FIRST   32840
