// WM_SIZEPARENT: how a frame lays out its bars. RepositionBars sends it to
// each bar with one record; a bar takes its strip off the remaining
// rectangle, adds its size to the total and, when a deferral handle is
// given, moves itself through it. Without a handle the layout is a query:
// nothing moves.
#pragma once

#include "afx/Afx.h"

#define WM_SIZEPARENT 0x0361

struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;       // null: a query, nothing moves
    RECT rect;       // what is left for the bars after this one and the pane
    SIZE sizeTotal;  // the bars' summed extent (used by frames that fit their bars)
    BOOL bStretch;   // bars stretch along their edge
};

// Moves a window to a rectangle through the layout's deferral (when it
// differs from where the window is); a query moves nothing.
void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);
