// Resource ids of the shortcut-key organizer tests (read by the resource compiler too).
#pragma once

#define IDR_SK_MAINFRAME    300
#define IDR_SK_TEXTTYPE     301
#define IDR_SK_PLAINTYPE    302
#define IDR_SK_SPLITTYPE    303
#define ID_SK_FIRST         32200
#define ID_SK_SECOND        32201
#define ID_SK_THIRD         32202
