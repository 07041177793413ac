// Resource ids of the taskbar icon tests.
#pragma once

#define IDI_TEST_TRAY 3101
#define IDI_TEST_TRAY_BUSY 3102
