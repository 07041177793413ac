// Resource ids of the docking tests (read by the resource compiler too).
#pragma once

#define ID_DOCK_FIRST   32101   // the toolbars' commands: ID_DOCK_FIRST ...
#define ID_DOCK_LAST    32118
#define IDW_BAR_ONE     0xE800   // AFX_IDW_TOOLBAR: View / Toolbar shows and hides it
#define IDW_BAR_TWO     0xE806
#define IDW_BAR_THREE   0xE807
