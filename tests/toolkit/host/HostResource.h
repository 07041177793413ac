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

// Scene "services1": controls 1101-, commands 32820-.
#define IDC_SERVICES1_FIRST  1101
#define ID_SERVICES1_FIRST   32820

// Scene "lists": controls 1701-, commands 32940-.
#define IDC_LISTS_FIRST      1701
#define ID_LISTS_FIRST       32940
