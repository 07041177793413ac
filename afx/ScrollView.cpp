// CScrollView: bars, positions and scrolling of a view over a document of a
// fixed size.
#include "afx/View.h"

#include "afx/DC.h"
#include "afx/FrameWnd.h"
#include "afx/GdiObject.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

namespace {

// The scroll codes of OnScroll: one per byte, 0xFF for a direction not scrolled.
const UINT kNoScroll = 0xFF;

// The new position of one bar for a scroll code; `pos` when the code moves nothing.
int PositionFor(UINT code, int pos, int trackPos, int line, int page, int limit)
{
    switch (code) {
    case SB_TOP: return 0;
    case SB_BOTTOM: return limit;
    case SB_LINEUP: return pos - line;
    case SB_LINEDOWN: return pos + line;
    case SB_PAGEUP: return pos - page;
    case SB_PAGEDOWN: return pos + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return trackPos;
    default: return pos;
    }
}

} // namespace

CScrollView::CScrollView()
    : m_nMapMode(MM_TEXT), m_totalLog(0, 0), m_totalDev(0, 0), m_pageDev(0, 0), m_lineDev(0, 0),
      m_bInUpdateBars(FALSE)
{
}

CSize CScrollView::LogicalToDevice(CSize size) const
{
    if (m_nMapMode == MM_TEXT)
        return size;
    // The screen's resolution converts the other mapping modes.
    HDC screen = ::GetDC(nullptr);
    ::SetMapMode(screen, m_nMapMode);
    POINT points[2] = {{0, 0}, {size.cx, size.cy}};
    ::LPtoDP(screen, points, 2);
    ::ReleaseDC(nullptr, screen);
    return CSize(std::abs(points[1].x - points[0].x), std::abs(points[1].y - points[0].y));
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    ASSERT(sizeTotal.cx >= 0 && sizeTotal.cy >= 0);
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_totalDev = LogicalToDevice(sizeTotal);
    m_pageDev = LogicalToDevice(sizePage);
    m_lineDev = LogicalToDevice(sizeLine);
    // The default steps: a tenth of the document, a tenth of that.
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = std::max<LONG>(1, m_pageDev.cx / 10);
    if (m_lineDev.cy == 0)
        m_lineDev.cy = std::max<LONG>(1, m_pageDev.cy / 10);
    if (m_hWnd) {
        UpdateBars();
        Invalidate(TRUE);
    }
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const
{
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    // A hidden bar keeps no position of meaning: the document starts at 0.
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
    return CPoint((style & WS_HSCROLL) ? ::GetScrollPos(m_hWnd, SB_HORZ) : 0,
                  (style & WS_VSCROLL) ? ::GetScrollPos(m_hWnd, SB_VERT) : 0);
}

CPoint CScrollView::GetScrollPosition() const
{
    CPoint pos = GetDeviceScrollPosition();
    if (m_nMapMode != MM_TEXT) {
        HDC screen = ::GetDC(nullptr);
        ::SetMapMode(screen, m_nMapMode);
        ::DPtoLP(screen, &pos, 1);
        ::ReleaseDC(nullptr, screen);
    }
    return pos;
}

int CScrollView::BarLimit(int nBar) const
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
    if (!(style & (nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)))
        return 0;
    SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    if (!::GetScrollInfo(m_hWnd, nBar, &si))
        return 0;
    return std::max(0, si.nMax - si.nMin - static_cast<int>(si.nPage) + 1);
}

void CScrollView::UpdateBars()
{
    if (!m_hWnd || m_bInUpdateBars)
        return;
    m_bInUpdateBars = TRUE;
    // The client size without bars, then the bars each direction needs (one
    // bar takes room from the other direction).
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
    const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    CSize room(client.Width() + ((style & WS_VSCROLL) ? barWidth : 0),
               client.Height() + ((style & WS_HSCROLL) ? barHeight : 0));
    bool needH = m_totalDev.cx > room.cx;
    bool needV = m_totalDev.cy > room.cy;
    if (needH && !needV)
        needV = m_totalDev.cy > room.cy - barHeight;
    if (needV && !needH)
        needH = m_totalDev.cx > room.cx - barWidth;
    const CSize page(room.cx - (needV ? barWidth : 0), room.cy - (needH ? barHeight : 0));

    const CPoint old = GetDeviceScrollPosition();
    const auto setBar = [this](int bar, bool need, LONG total, LONG pageSize, int pos) {
        if (!need) {
            // A hidden bar keeps its position: it is cleared, so code that
            // reads GetScrollPos (the dynamic layout) sees the view at its start.
            SCROLLINFO zero = {sizeof zero, SIF_POS, 0, 0, 0, 0, 0};
            ::SetScrollInfo(m_hWnd, bar, &zero, FALSE);
        }
        ::ShowScrollBar(m_hWnd, bar, need);
        if (!need)
            return 0;
        const int kept = std::max(0, std::min<int>(pos, total - pageSize));
        SCROLLINFO si = {sizeof si, SIF_PAGE | SIF_RANGE | SIF_POS, 0, static_cast<int>(total) - 1,
                         static_cast<UINT>(std::max<LONG>(0, pageSize)), kept, 0};
        ::SetScrollInfo(m_hWnd, bar, &si, TRUE);
        return kept;
    };
    const int x = setBar(SB_HORZ, needH, m_totalDev.cx, page.cx, old.x);
    const int y = setBar(SB_VERT, needV, m_totalDev.cy, page.cy, old.y);
    // The window's contents follow a position the new size clamped.
    if (x != old.x || y != old.y)
        ScrollContents(old.x - x, old.y - y);
    m_bInUpdateBars = FALSE;
}

void CScrollView::ScrollContents(int dx, int dy)
{
    // The system leaves the children of a window it does not draw (a hidden
    // page, a view not shown yet) where they are: they are moved here, so
    // they stay in step with the position.
    if (::IsWindowVisible(m_hWnd)) {
        ::ScrollWindowEx(m_hWnd, dx, dy, nullptr, nullptr, nullptr, nullptr,
                         SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
        return;
    }
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        ::SetWindowPos(child, nullptr, rect.left + dx, rect.top + dy, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    pDC->SetMapMode(m_nMapMode);
    const CPoint pos = GetDeviceScrollPosition();
    pDC->SetViewportOrg(-pos.x, -pos.y);
}

void CScrollView::ScrollToPosition(POINT pt)
{
    CPoint target(pt);
    if (m_nMapMode != MM_TEXT) {
        HDC screen = ::GetDC(nullptr);
        ::SetMapMode(screen, m_nMapMode);
        ::LPtoDP(screen, &target, 1);
        ::ReleaseDC(nullptr, screen);
    }
    const CPoint pos = GetDeviceScrollPosition();
    OnScrollBy(CSize(target.x - pos.x, target.y - pos.y), TRUE);
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll)
{
    const CPoint pos = GetDeviceScrollPosition();
    const auto track = [this](int bar, UINT pos32) {
        // The 16-bit nPos of the message is cut short on large documents.
        SCROLLINFO si = {sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        return ::GetScrollInfo(m_hWnd, bar, &si) ? si.nTrackPos : static_cast<int>(pos32);
    };
    const UINT hCode = LOBYTE(nScrollCode);
    const UINT vCode = HIBYTE(nScrollCode);
    int x = pos.x;
    int y = pos.y;
    if (hCode != kNoScroll)
        x = PositionFor(hCode, pos.x, track(SB_HORZ, nPos), m_lineDev.cx, m_pageDev.cx, BarLimit(SB_HORZ));
    if (vCode != kNoScroll)
        y = PositionFor(vCode, pos.y, track(SB_VERT, nPos), m_lineDev.cy, m_pageDev.cy, BarLimit(SB_VERT));
    return OnScrollBy(CSize(x - pos.x, y - pos.y), bDoScroll);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    const CPoint pos = GetDeviceScrollPosition();
    const int x = std::max(0, std::min<int>(pos.x + sizeScroll.cx, BarLimit(SB_HORZ)));
    const int y = std::max(0, std::min<int>(pos.y + sizeScroll.cy, BarLimit(SB_VERT)));
    if (x == pos.x && y == pos.y)
        return FALSE;
    if (bDoScroll) {
        if (x != pos.x)
            ::SetScrollPos(m_hWnd, SB_HORZ, x, TRUE);
        if (y != pos.y)
            ::SetScrollPos(m_hWnd, SB_VERT, y, TRUE);
        ScrollContents(pos.x - x, pos.y - y);
    }
    return TRUE;
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    // A scroll-bar control of the view's own sends these too: not ours.
    if (pScrollBar)
        return CView::OnHScroll(nSBCode, nPos, pScrollBar);
    OnScroll(MAKEWORD(nSBCode, kNoScroll), nPos, TRUE);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar)
        return CView::OnVScroll(nSBCode, nPos, pScrollBar);
    OnScroll(MAKEWORD(kNoScroll, nSBCode), nPos, TRUE);
}

BOOL CScrollView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    // The wheel scrolls vertically, or horizontally when only that bar is up;
    // by the user's lines per notch, or a page when that is the setting.
    const DWORD style = GetStyle();
    const bool vertical = (style & WS_VSCROLL) != 0;
    if (!vertical && !(style & WS_HSCROLL))
        return CView::OnMouseWheel(nFlags, zDelta, pt);
    UINT lines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int line = vertical ? m_lineDev.cy : m_lineDev.cx;
    const int page = vertical ? m_pageDev.cy : m_pageDev.cx;
    const int step = lines == WHEEL_PAGESCROLL ? page : static_cast<int>(lines) * line;
    const int distance = -MulDiv(zDelta, step, WHEEL_DELTA);
    return OnScrollBy(vertical ? CSize(0, distance) : CSize(distance, 0), TRUE);
}

void CScrollView::FillOutsideRect(CDC* pDC, CBrush* pBrush)
{
    // In device units, whatever the DC's mapping: the document ends at its
    // size less the scroll position.
    const int saved = pDC->SaveDC();
    ::SetMapMode(pDC->m_hDC, MM_TEXT);
    ::SetViewportOrgEx(pDC->m_hDC, 0, 0, nullptr);
    ::SetWindowOrgEx(pDC->m_hDC, 0, 0, nullptr);
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    const CPoint pos = GetDeviceScrollPosition();
    const int right = m_totalDev.cx - pos.x;
    const int bottom = m_totalDev.cy - pos.y;
    HBRUSH brush = static_cast<HBRUSH>(pBrush->GetSafeHandle());
    if (right < client.right) {
        RECT band = {std::max(0, right), 0, client.right, client.bottom};
        ::FillRect(pDC->m_hDC, &band, brush);
    }
    if (bottom < client.bottom) {
        RECT band = {0, std::max(0, bottom), std::min<int>(client.right, std::max(0, right)), client.bottom};
        ::FillRect(pDC->m_hDC, &band, brush);
    }
    pDC->RestoreDC(saved);
}

void CScrollView::ResizeParentToFit(BOOL bShrinkOnly)
{
    CWnd* frame = GetParentFrame();
    if (!frame)
        frame = GetParent();
    if (!frame)
        return;
    // The frame grows or shrinks by what the view's client area lacks or has
    // beyond the document; bars the change removes count as client area.
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    const DWORD style = GetStyle();
    const int width = client.Width() + ((style & WS_VSCROLL) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
    const int height = client.Height() + ((style & WS_HSCROLL) ? ::GetSystemMetrics(SM_CYHSCROLL) : 0);
    int dx = m_totalDev.cx - width;
    int dy = m_totalDev.cy - height;
    if (bShrinkOnly) {
        dx = std::min(dx, 0);
        dy = std::min(dy, 0);
    }
    CRect frameRect;
    ::GetWindowRect(frame->m_hWnd, &frameRect);
    ::SetWindowPos(frame->m_hWnd, nullptr, 0, 0, frameRect.Width() + dx, frameRect.Height() + dy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
