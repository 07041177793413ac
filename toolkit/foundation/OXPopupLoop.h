// Helpers of the popups that run their own message loop while open.
#pragma once

#include "afx/Rect.h"

// Reads the next message of the popup's loop. FALSE means the loop must end
// as a cancel: the application is quitting (the quit is posted again with its
// code, for the outer loop) or the queue failed.
BOOL OXGetPopupMessage(MSG& msg);

// Fits a popup rectangle to the work area of the monitor that holds it: not
// left of the work area, moved left when it would pass the right edge, and,
// when it would pass the bottom, placed so that its bottom is at nAboveBottom.
void OXFitPopupRect(CRect& rect, int nAboveBottom);
