#include "afx/RectTracker.h"

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/Wnd.h"

#include <algorithm>

namespace {

// Handle size in pixels when the caller gives none.
const int kDefaultHandleSize = 7;
// Frame thickness of the moving drag frame.
const int kTrackerBorder = 1;

// Which edges of the rectangle a handle moves (member order: left, top, right, bottom).
struct HandleEdges
{
    bool left, top, right, bottom;
};

HandleEdges EdgesOf(int nHandle)
{
    switch (nHandle) {
    case CRectTracker::hitTopLeft: return {true, true, false, false};
    case CRectTracker::hitTopRight: return {false, true, true, false};
    case CRectTracker::hitBottomRight: return {false, false, true, true};
    case CRectTracker::hitBottomLeft: return {true, false, false, true};
    case CRectTracker::hitTop: return {false, true, false, false};
    case CRectTracker::hitRight: return {false, false, true, false};
    case CRectTracker::hitBottom: return {false, false, false, true};
    case CRectTracker::hitLeft: return {true, false, false, false};
    default: return {true, true, true, true};   // hitMiddle moves the whole
    }
}

// The cursor shown over a handle (as seen on the screen).
LPCTSTR CursorOf(int nHandle)
{
    switch (nHandle) {
    case CRectTracker::hitTopLeft:
    case CRectTracker::hitBottomRight: return IDC_SIZENWSE;
    case CRectTracker::hitTopRight:
    case CRectTracker::hitBottomLeft: return IDC_SIZENESW;
    case CRectTracker::hitTop:
    case CRectTracker::hitBottom: return IDC_SIZENS;
    case CRectTracker::hitLeft:
    case CRectTracker::hitRight: return IDC_SIZEWE;
    default: return IDC_SIZEALL;
    }
}

} // namespace

CRectTracker::CRectTracker()
    : m_nStyle(0), m_rect(), m_sizeMin(2 * kDefaultHandleSize, 2 * kDefaultHandleSize),
      m_nHandleSize(kDefaultHandleSize), m_bAllowInvert(FALSE), m_rectLast(), m_sizeLast(0, 0), m_bErase(FALSE),
      m_bFinalErase(FALSE)
{
}

CRectTracker::CRectTracker(LPCRECT lpSrcRect, UINT nStyle) : CRectTracker()
{
    m_rect = *lpSrcRect;
    m_nStyle = nStyle;
}

CRectTracker::~CRectTracker()
{
}

UINT CRectTracker::GetHandleMask() const
{
    CRect rect(m_rect);
    rect.NormalizeRect();
    UINT mask = 0x0F;
    // Side handles only where they do not crowd the corners.
    if (rect.Width() > 3 * m_nHandleSize)
        mask |= (1u << hitTop) | (1u << hitBottom);
    if (rect.Height() > 3 * m_nHandleSize)
        mask |= (1u << hitLeft) | (1u << hitRight);
    return mask;
}

void CRectTracker::GetHandleRect(int nHandle, CRect* pHandleRect) const
{
    CRect rect(m_rect);
    rect.NormalizeRect();
    const int size = m_nHandleSize;
    // Inside handles lie within the rectangle, outside ones just beyond it.
    const bool outside = (m_nStyle & resizeOutside) != 0;
    const int left = outside ? rect.left - size : rect.left;
    const int right = outside ? rect.right : rect.right - size;
    const int top = outside ? rect.top - size : rect.top;
    const int bottom = outside ? rect.bottom : rect.bottom - size;
    const int centreX = rect.left + (rect.Width() - size) / 2;
    const int centreY = rect.top + (rect.Height() - size) / 2;
    int x = centreX;
    int y = centreY;
    switch (nHandle) {
    case hitTopLeft: x = left; y = top; break;
    case hitTopRight: x = right; y = top; break;
    case hitBottomRight: x = right; y = bottom; break;
    case hitBottomLeft: x = left; y = bottom; break;
    case hitTop: y = top; break;
    case hitRight: x = right; break;
    case hitBottom: y = bottom; break;
    case hitLeft: x = left; break;
    default: break;
    }
    pHandleRect->SetRect(x, y, x + size, y + size);
}

void CRectTracker::GetTrueRect(LPRECT lpTrueRect) const
{
    CRect rect(m_rect);
    rect.NormalizeRect();
    if (m_nStyle & (resizeOutside | hatchedBorder))
        rect.InflateRect(m_nHandleSize, m_nHandleSize);
    *lpTrueRect = rect;
}

template <class Fn>
void CRectTracker::ForEachHandle(Fn&& fn) const
{
    if (!(m_nStyle & (resizeInside | resizeOutside)))
        return;
    const UINT mask = GetHandleMask();
    for (int handle = hitTopLeft; handle <= hitLeft; ++handle) {
        if (!(mask & (1u << handle)))
            continue;
        CRect handleRect;
        GetHandleRect(handle, &handleRect);
        fn(handle, handleRect);
    }
}

int CRectTracker::HitTest(CPoint point) const
{
    int hit = hitNothing;
    ForEachHandle([&](int handle, const CRect& handleRect) {
        if (hit == hitNothing && handleRect.PtInRect(point))
            hit = handle;
    });
    if (hit != hitNothing)
        return hit;
    CRect trueRect;
    GetTrueRect(&trueRect);
    return trueRect.PtInRect(point) ? hitMiddle : hitNothing;
}

int CRectTracker::NormalizeHit(int nHandle) const
{
    if (nHandle < hitTopLeft || nHandle > hitLeft)
        return nHandle;
    // Each table swaps the handles across one axis.
    static const int acrossX[] = {hitTopRight, hitTopLeft, hitBottomLeft, hitBottomRight,
                                  hitTop, hitLeft, hitBottom, hitRight};
    static const int acrossY[] = {hitBottomLeft, hitBottomRight, hitTopRight, hitTopLeft,
                                  hitBottom, hitRight, hitTop, hitLeft};
    if (m_rect.Width() < 0)
        nHandle = acrossX[nHandle];
    if (m_rect.Height() < 0)
        nHandle = acrossY[nHandle];
    return nHandle;
}

BOOL CRectTracker::SetCursor(CWnd* pWnd, UINT nHitTest) const
{
    if (nHitTest != HTCLIENT)
        return FALSE;
    POINT point;
    ::GetCursorPos(&point);
    ::ScreenToClient(pWnd->GetSafeHwnd(), &point);
    const int hit = HitTest(point);
    if (hit == hitNothing)
        return FALSE;
    ::SetCursor(::LoadCursor(nullptr, CursorOf(hit)));
    return TRUE;
}

void CRectTracker::Draw(CDC* pDC) const
{
    CRect rect(m_rect);
    rect.NormalizeRect();
    const int saved = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    if (m_nStyle & (solidLine | dottedLine)) {
        CPen pen;
        pen.CreatePen((m_nStyle & dottedLine) ? PS_DOT : PS_SOLID, 0, RGB(0, 0, 0));
        CSelectGuard penGuard(*pDC, pen);
        CSelectGuard brushGuard(*pDC, ::GetStockObject(NULL_BRUSH));
        pDC->Rectangle(rect);
    }
    if (m_nStyle & (hatchInside | hatchedBorder)) {
        CBrush hatch;
        hatch.CreateHatchBrush(HS_BDIAGONAL, RGB(0, 0, 0));
        if (m_nStyle & hatchInside)
            pDC->FillRect(rect, &hatch);
        if (m_nStyle & hatchedBorder) {
            // A band of handle width around the rectangle.
            CRect outer(rect);
            outer.InflateRect(m_nHandleSize, m_nHandleSize);
            const CRect bands[4] = {{outer.left, outer.top, outer.right, rect.top},
                                    {outer.left, rect.bottom, outer.right, outer.bottom},
                                    {outer.left, rect.top, rect.left, rect.bottom},
                                    {rect.right, rect.top, outer.right, rect.bottom}};
            for (const CRect& band : bands)
                pDC->FillRect(band, &hatch);
        }
    }
    ForEachHandle([pDC](int, const CRect& handleRect) { pDC->FillSolidRect(handleRect, RGB(0, 0, 0)); });
    pDC->RestoreDC(saved);
}

void CRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd)
{
    DrawTrackerFrame(lpRect, pWndClipTo, pDC, pWnd, kTrackerBorder);
}

void CRectTracker::DrawTrackerFrame(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd, int nBorder)
{
    CRect rect(lpRect);
    rect.NormalizeRect();
    if (pWndClipTo && pWnd) {
        pWnd->ClientToScreen(&rect);
        pWndClipTo->ScreenToClient(&rect);
    }
    // While an erase is pending the frame stays: the next draw moves it.
    if (m_bErase && !m_bFinalErase) {
        m_rectLast = rect;
        m_sizeLast = CSize(nBorder, nBorder);
        return;
    }
    const CSize size = m_bFinalErase ? CSize(0, 0) : CSize(nBorder, nBorder);
    pDC->DrawDragRect(rect, size, m_rectLast, m_sizeLast);
    m_rectLast = rect;
    m_sizeLast = size;
}

void CRectTracker::AdjustRect(int nHandle, LPRECT lpRect)
{
    if (nHandle == hitMiddle)
        return;
    const HandleEdges edges = EdgesOf(nHandle);
    // The edge the mouse holds gives way; the opposite one stays.
    const auto keep = [this](LONG& moving, LONG fixed, LONG minimum, bool movingIsLow) {
        const LONG extent = movingIsLow ? fixed - moving : moving - fixed;
        if (extent >= minimum)
            return;
        if (m_bAllowInvert && extent < 0) {
            if (-extent < minimum)
                moving = movingIsLow ? fixed + minimum : fixed - minimum;
            return;
        }
        moving = movingIsLow ? fixed - minimum : fixed + minimum;
    };
    if (edges.left)
        keep(lpRect->left, lpRect->right, m_sizeMin.cx, true);
    if (edges.right)
        keep(lpRect->right, lpRect->left, m_sizeMin.cx, false);
    if (edges.top)
        keep(lpRect->top, lpRect->bottom, m_sizeMin.cy, true);
    if (edges.bottom)
        keep(lpRect->bottom, lpRect->top, m_sizeMin.cy, false);
}

void CRectTracker::OnChangedRect(const CRect&)
{
}

BOOL CRectTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert, CWnd* pWndClipTo)
{
    const int hit = HitTest(point);
    if (hit == hitNothing)
        return FALSE;
    m_bAllowInvert = bAllowInvert;
    return TrackHandle(NormalizeHit(hit), pWnd, point, pWndClipTo);
}

BOOL CRectTracker::TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert)
{
    m_bAllowInvert = bAllowInvert;
    m_rect.SetRect(point.x, point.y, point.x, point.y);
    const BOOL taken = TrackHandle(hitBottomRight, pWnd, point, nullptr);
    if (taken)
        m_rect.NormalizeRect();
    return taken;
}

BOOL CRectTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo)
{
    ASSERT(pWnd && pWnd->m_hWnd);
    HWND hWnd = pWnd->m_hWnd;
    // XOR frames need the window's pixels as they will stay.
    ::UpdateWindow(hWnd);
    const CRect rectSave = m_rect;
    const HandleEdges edges = EdgesOf(nHandle);
    // Each moving edge keeps its distance to the mouse.
    const CRect offset(m_rect.left - point.x, m_rect.top - point.y, m_rect.right - point.x,
                       m_rect.bottom - point.y);

    ::SetCapture(hWnd);
    HWND hWndDraw = pWndClipTo ? pWndClipTo->m_hWnd : hWnd;
    CDC dc;
    dc.Attach(::GetDCEx(hWndDraw, nullptr, DCX_CACHE));
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bErase = FALSE;
    m_bFinalErase = FALSE;

    bool drawn = false;
    bool committed = false;
    for (;;) {
        // A window that took the capture (a message we dispatched, or the
        // system) ends the tracking.
        if (::GetCapture() != hWnd)
            break;
        MSG msg;
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // Tracking ends; the loop outside still has to see the quit.
            if (got == 0)
                AfxPostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (::GetCapture() != hWnd)
            break;
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
            POINT mouse = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
            if (msg.hwnd != hWnd)
                ::MapWindowPoints(msg.hwnd, hWnd, &mouse, 1);
            const CRect rectOld = m_rect;
            if (edges.left)
                m_rect.left = mouse.x + offset.left;
            if (edges.top)
                m_rect.top = mouse.y + offset.top;
            if (edges.right)
                m_rect.right = mouse.x + offset.right;
            if (edges.bottom)
                m_rect.bottom = mouse.y + offset.bottom;
            AdjustRect(nHandle, &m_rect);
            if (m_rect != rectOld || !drawn) {
                if (drawn) {
                    m_bErase = TRUE;
                    DrawTrackerRect(rectOld, pWndClipTo, &dc, pWnd);
                }
                OnChangedRect(rectOld);
                m_bErase = FALSE;
                DrawTrackerRect(m_rect, pWndClipTo, &dc, pWnd);
                drawn = true;
            }
            if (msg.message == WM_LBUTTONUP) {
                committed = true;
                break;
            }
            continue;
        }
        if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_RBUTTONDOWN)
            break;
        if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR)
            continue;   // the keyboard belongs to the tracker while it runs
        ::DispatchMessageA(&msg);
    }

    if (drawn) {
        m_bErase = TRUE;
        m_bFinalErase = TRUE;
        DrawTrackerRect(m_rect, pWndClipTo, &dc, pWnd);
        m_bFinalErase = FALSE;
        m_bErase = FALSE;
    }
    ::ReleaseDC(hWndDraw, dc.Detach());
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (!committed)
        m_rect = rectSave;
    return committed && m_rect != rectSave;
}
