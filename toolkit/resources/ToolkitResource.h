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
