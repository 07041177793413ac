#include "toolkit/foundation/OXRectTracker.h"


namespace {
// The moving frame's thickness.
const int FrameBorder = 2;

LONG Clamp(LONG value, LONG low, LONG high)
{
    return value < low ? low : (value > high ? high : value);
}
} // namespace

COXRectTracker::COXRectTracker()
{
}

COXRectTracker::COXRectTracker(LPCRECT lpSrcRect, UINT nStyle) : CRectTracker(lpSrcRect, nStyle)
{
}

COXRectTracker::~COXRectTracker()
{
}

BOOL COXRectTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert, CWnd* pWndClipTo)
{
    m_rectStart = m_rect;
    return CRectTracker::Track(pWnd, point, bAllowInvert, pWndClipTo);
}

BOOL COXRectTracker::TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert)
{
    m_rectStart = m_rect;
    return CRectTracker::TrackRubberBand(pWnd, point, bAllowInvert);
}

BOOL COXRectTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo)
{
    m_rectStart = m_rect;
    m_bAllowInvert = FALSE;
    if (nHandle == HTCAPTION)
        nHandle = hitMiddle;
    return CRectTracker::TrackHandle(nHandle, pWnd, point, pWndClipTo);
}

void COXRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd)
{
    DrawTrackerFrame(lpRect, pWndClipTo, pDC, pWnd, FrameBorder);
}

void COXRectTracker::AdjustRect(int nHandle, LPRECT lpRect)
{
    if (!m_rectBound.IsRectEmpty()) {
        if (nHandle == hitMiddle) {
            const int width = m_rectStart.Width();
            const int height = m_rectStart.Height();
            lpRect->left = Clamp(lpRect->left, m_rectBound.left, m_rectBound.right);
            lpRect->top = Clamp(lpRect->top, m_rectBound.top, m_rectBound.bottom - MinVisibleHeight);
            lpRect->right = lpRect->left + width;
            lpRect->bottom = lpRect->top + height;
        } else {
            // The intersection with the bound, edge by edge, so that a
            // rectangle turned inside out is limited too instead of emptied.
            lpRect->left = Clamp(lpRect->left, m_rectBound.left, m_rectBound.right);
            lpRect->right = Clamp(lpRect->right, m_rectBound.left, m_rectBound.right);
            lpRect->top = Clamp(lpRect->top, m_rectBound.top, m_rectBound.bottom);
            lpRect->bottom = Clamp(lpRect->bottom, m_rectBound.top, m_rectBound.bottom);
        }
    }
    CRectTracker::AdjustRect(nHandle, lpRect);
    if (m_nStyle & OXRT_HORIZONTAL_ONLY) {
        lpRect->top = m_rectStart.top;
        lpRect->bottom = m_rectStart.bottom;
    }
    if (m_nStyle & OXRT_VERTICAL_ONLY) {
        lpRect->left = m_rectStart.left;
        lpRect->right = m_rectStart.right;
    }
}
