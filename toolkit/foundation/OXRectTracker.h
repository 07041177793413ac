// COXRectTracker: a rectangle tracker whose moves and resizes stay inside a
// bounding rectangle, that can be locked to horizontal or vertical changes,
// and whose moving frame is always two pixels thick.
#pragma once

#include "afx/RectTracker.h"

// Style bits in m_nStyle: the top and bottom stay where tracking began (only
// horizontal changes), or the left and right do (only vertical changes).
const UINT OXRT_HORIZONTAL_ONLY = 0x100;
const UINT OXRT_VERTICAL_ONLY = 0x200;

class COXRectTracker : public CRectTracker
{
public:
    // How much of a moved rectangle's height stays inside the bound's bottom.
    static constexpr int MinVisibleHeight = 10;

    COXRectTracker();
    COXRectTracker(LPCRECT lpSrcRect, UINT nStyle);
    ~COXRectTracker() override;

    // The base's tracking, with m_rectStart taken from m_rect first.
    BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE, CWnd* pWndClipTo = nullptr);
    BOOL TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert = TRUE);
    // Tracks by a hit code; HTCAPTION moves the whole rectangle.
    BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo = nullptr);

    void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd) override;
    void AdjustRect(int nHandle, LPRECT lpRect) override;

    // Where moves and resizes must stay; empty: anywhere.
    CRect m_rectBound;
    // The rectangle tracking began with: a move keeps its size, the locks its edges.
    CRect m_rectStart;
};
