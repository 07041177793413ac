// Resource ids of the MDI and splitter tests (read by the resource compiler too).
#pragma once

#define IDR_MAINFRAME       100
#define IDR_TEXTTYPE        101
#define IDR_SPLITTYPE       102
#define ID_TEST_WHO         32100
#define ID_TEST_TEXT        32101
