// The window-free rules of the popup button bar: where its bands and buttons
// lie for a given button count, row count and caption heights, where the bar
// goes beside an anchor rectangle, and which button the arrow, Tab and
// Shift+Tab keys make hot. The bar window asks these and paints the answer.
#pragma once

#include "afx/Afx.h"
#include "afx/Rect.h"

#include <vector>

// Bar style bits.
const DWORD POPUPBAR_NOTOOLTIPS = 0x01;
const DWORD POPUPBAR_NODEFAULT = 0x02;
const DWORD POPUPBAR_NOCUSTOM = 0x04;
const DWORD POPUPBAR_NOTEAROFF = 0x10;

// Height of the tear-off strip in pixels.
const int PopupBarTearOffHeight = 6;

struct PopupBarGeometry
{
    int buttonCount = 0;          // N grid buttons
    int rowCount = 1;
    CSize buttonSize;             // one grid button
    BOOL hasDefault = FALSE;
    BOOL hasCustom = FALSE;
    BOOL hasTearOff = FALSE;      // shown and not torn off
    BOOL tornOff = FALSE;
    int defaultTextHeight = 0;    // caption heights measured in the bar's font
    int customTextHeight = 0;
    CSize dialogFrame;            // SM_CXDLGFRAME, SM_CYDLGFRAME
    int smallCaptionHeight = 0;   // SM_CYSMCAPTION
    CRect outerMargins = CRect(4, 2, 4, 2);
    CRect buttonGaps = CRect(0, 0, 0, 0);
    CRect defaultGaps = CRect(0, 0, 0, 2);
    CRect customGaps = CRect(0, 2, 0, 0);
    CRect tearOffGaps = CRect(2, -1, 2, 2);
};

struct PopupBarLayout
{
    CSize windowSize;
    CRect defaultRect, customRect, tearOffRect;   // client coordinates; empty when absent
    std::vector<CRect> buttonRects;
};

// Columns = ceil(N / rows).
int PopupBarColumnCount(int buttonCount, int rowCount);
PopupBarLayout CalcPopupBarLayout(const PopupBarGeometry& g);

// The bar's top-left beside the anchor for alignment 0-7 (other values keep
// (0, 0)); FALSE when the bar is larger than the bounds or fits on neither side.
BOOL PlacePopupBar(int alignment, const CRect& anchor, int dx, int dy, CSize size, CSize bounds, CPoint& topLeft);

// The button a navigation key makes hot. Indexes: 0 default, 1..N grid,
// N+1 custom, -1 none. VK_DOWN, VK_UP, VK_RIGHT, VK_LEFT and VK_TAB (shift
// for Shift+Tab); other keys leave the hot button.
int PopupBarNextHot(UINT key, BOOL shift, int hot, int buttonCount, int columns, BOOL hasDefault, BOOL hasCustom);
