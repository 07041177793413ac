// Resource ids of the toolkit's own resources (toolkit.rc), all from 20000 up
// so that they never meet the program's.
#pragma once

// Strings of the colour picker and its popup bar; the forty colour names
// follow from IDS_OX_COLOR_NAME_FIRST to IDS_OX_COLOR_NAME_LAST.
#define IDS_OX_COLORPICKER_DEFAULT  26536
#define IDS_OX_COLORPICKER_CUSTOM   26537
#define IDS_OX_POPUPBAR_TEAROFF_TIP 26538
#define IDS_OX_POPUPBAR_CAPTION     26539
#define IDS_OX_COLOR_NAME_FIRST     26540
#define IDS_OX_COLOR_NAME_LAST      26579

// Auto-scroll: the direction cursors and the origin mark.
#define IDC_OX_IM_NEUTRAL_ALL       28006
#define IDC_OX_IM_NEUTRAL_VERT      28007
#define IDC_OX_IM_NEUTRAL_HORZ      28008
#define IDC_OX_IM_UP                28009
#define IDC_OX_IM_DOWN              28010
#define IDC_OX_IM_LEFT              28011
#define IDC_OX_IM_RIGHT             28012
#define IDC_OX_IM_UPLEFT            28013
#define IDC_OX_IM_UPRIGHT           28014
#define IDC_OX_IM_DOWNLEFT          28015
#define IDC_OX_IM_DOWNRIGHT         28016
#define IDC_OX_IM_UP_STOP           28017
#define IDC_OX_IM_DOWN_STOP         28018
#define IDB_OX_IM_ORIGIN            28019

// The calculator: dialog and accelerators share IDD_OXCALCULATOR (26450); the
// four names of the base selector follow from IDS_OX_CALC_BASE_FIRST.
#define IDS_OX_CALC_BASE_FIRST      26492
// Buttons of the calculator and calendar popups.
#define IDS_OX_POPUP_OK             27282
#define IDS_OX_POPUP_CANCEL         27283
#define IDS_OX_CALENDAR_TODAY       26854
#define IDS_OX_CALENDAR_NONE        26855

// Font list box: the 16-pixel pictures of a font's kind (0 other, 1 TrueType).
#define IDB_OX_LB_FONTTYPE          26360

// Option tree: check box cleared and checked, radio button cleared and
// selected, for light and for dark backgrounds.
#define IDB_OX_OPTIONTREE_LIGHT     27262
#define IDB_OX_OPTIONTREE_DARK      27263

// History combo: its mini toolbar (add, delete, browse, two spare buttons)
// and the buttons' prompts, whose tips follow the "\n".
#define IDR_OX_HISTORY_COMBO        28022
#define ID_OX_HISTORY_ADD           26391
#define ID_OX_HISTORY_DELETE        26392
#define ID_OX_HISTORY_BROWSE        26393
#define ID_OX_HISTORY_SPARE1        26394
#define ID_OX_HISTORY_SPARE2        26395
