// Resource ids of the document/view and bar tests (read by the resource compiler too).
#pragma once

#define IDR_TEST_FRAME      200
#define IDR_TEST_TOOLBAR    300
#define IDD_TEST_FORM       400
#define IDD_TEST_DIALOGBAR  401
#define IDC_TEST_EDIT       1001
#define ID_TEST_ONE         32001
#define ID_TEST_TWO         32002
#define ID_TEST_THREE       32003
