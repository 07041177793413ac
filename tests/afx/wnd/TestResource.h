// Ids of the test program's dialog.
#define IDD_EXCHANGE 200
#define IDC_NAME 201
#define IDC_NUMBER 202
#define IDC_CHECK 203
#define IDC_RADIO1 204
#define IDC_RADIO2 205
#define IDC_RADIO3 206
#define IDC_COMBO 207
#define IDC_LIST 208
#define IDC_UNSIGNED 209
#define IDC_RATIO 210
// A string with inserts for the format tests.
#define IDS_TEST_INSERTS 220
