// Plain rules of the chevron rebar and the status-bar progress bar, kept
// apart from their windows: the band style a child gets, the rows of the
// chevron drop-down, and where the bar sits in its pane.
#pragma once

#include "afx/Rect.h"

#include <commctrl.h>

namespace BarLayoutRules {

// A toolbar band with a real id gets the chevron; anything else never does.
inline DWORD ChevronBandStyle(DWORD dwStyle, bool bIsToolBar, UINT nBandId)
{
    if (bIsToolBar && nBandId != static_cast<UINT>(-1))
        return dwStyle | RBBS_USECHEVRON;
    return dwStyle & ~static_cast<DWORD>(RBBS_USECHEVRON);
}

// Rows of the drop-down toolbar holding the hidden buttons.
inline int ChevronRows(int nButtons)
{
    int rows = (nButtons + 3) / 4;
    return rows > 1 ? rows : 1;
}

// The progress bar's rectangle in a pane: after the label and four blanks,
// size percent of the rest of the pane's width, a fifth of the height off
// the top and the bottom.
inline CRect ProgressRect(const CRect& rcPane, int nLabelWidth, int nBlankWidth, int nSizePercent)
{
    CRect rc = rcPane;
    if (nLabelWidth > 0)
        rc.left += nLabelWidth + 4 * nBlankWidth;
    int width = rc.Width();
    rc.right -= (100 - nSizePercent) * width / 100;
    if (rc.right < rc.left)
        rc.right = rc.left;
    int inset = rc.Height() / 5;
    rc.top += inset;
    rc.bottom -= inset;
    return rc;
}

} // namespace BarLayoutRules
