#include "afx/DockContext.h"

#include "afx/DC.h"
#include "afx/DockBar.h"
#include "afx/FrameWnd.h"
#include "afx/MiniFrameWnd.h"

namespace {

BOOL IsHorz(DWORD style)
{
    return (style & CBRS_ORIENT_HORZ) != 0;
}

BOOL IsVert(DWORD style)
{
    return (style & CBRS_ORIENT_VERT) != 0;
}

// Slides a rectangle along x (and y) only as far as needed to hold the point.
void KeepPointInside(CRect& rect, CPoint pt)
{
    if (pt.x < rect.left)
        rect.OffsetRect(pt.x - rect.left, 0);
    else if (pt.x >= rect.right)
        rect.OffsetRect(pt.x - rect.right + 1, 0);
    if (pt.y < rect.top)
        rect.OffsetRect(0, pt.y - rect.top);
    else if (pt.y >= rect.bottom)
        rect.OffsetRect(0, pt.y - rect.bottom + 1);
}

} // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_ptLast(0, 0), m_rectLast(0, 0, 0, 0), m_sizeLast(0, 0), m_bDitherLast(FALSE), m_rectDragHorz(0, 0, 0, 0),
      m_rectDragVert(0, 0, 0, 0), m_rectFrameDragHorz(0, 0, 0, 0), m_rectFrameDragVert(0, 0, 0, 0), m_pBar(pBar),
      m_pDockSite(nullptr), m_dwDockStyle(0), m_dwOverDockStyle(0), m_dwStyle(0), m_bFlip(FALSE),
      m_bForceFrame(FALSE), m_pDC(nullptr), m_bDragging(FALSE), m_nHitTest(HTNOWHERE), m_ptStart(0, 0),
      m_uMRUDockID(0), m_rectMRUDockPos(0, 0, 0, 0), m_dwMRUFloatStyle(CBRS_ALIGN_TOP), m_ptMRUFloatPos(-1, -1),
      m_rectRequestedSize(0, 0, 0, 0), m_rectActualSize(0, 0, 0, 0), m_rectActualFrameSize(0, 0, 0, 0),
      m_rectFrameBorders(0, 0, 0, 0), m_bLocked(FALSE)
{
    m_pDockSite = pBar->m_pDockSite;
}

CDockContext::~CDockContext()
{
    if (m_pDC)
        CancelLoop();
}

void CDockContext::InitLoop()
{
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    m_bFlip = FALSE;
    m_bForceFrame = FALSE;
    // The outline is drawn over every window: lock them while it shows.
    HWND desktop = ::GetDesktopWindow();
    m_bLocked = ::LockWindowUpdate(desktop);
    HDC dc = ::GetDCEx(desktop, nullptr, DCX_WINDOW | DCX_CACHE | (m_bLocked ? DCX_LOCKWINDOWUPDATE : 0));
    m_pDC = new CDC;
    m_pDC->Attach(dc);
}

void CDockContext::CancelLoop()
{
    if (m_pDC) {
        DrawFocusRect(TRUE);
        HDC dc = m_pDC->Detach();
        delete m_pDC;
        m_pDC = nullptr;
        ::ReleaseDC(::GetDesktopWindow(), dc);
    }
    if (m_pBar->m_hWnd && ::GetCapture() == m_pBar->m_hWnd)
        ::ReleaseCapture();
    if (m_bLocked)
        ::LockWindowUpdate(nullptr);
    m_bLocked = FALSE;
    m_bDragging = FALSE;
}

void CDockContext::StartDrag(CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite)
        return;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->m_dwStyle & CBRS_ALIGN_ANY;
    m_bDragging = TRUE;
    // What was waiting to be painted is painted first: the outline is
    // drawn by inverting the screen as it is.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE)) {
        if (!::GetMessageA(&msg, nullptr, WM_PAINT, WM_PAINT)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_bDragging = FALSE;
            return;
        }
        ::DispatchMessageA(&msg);
    }

    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    m_ptStart = pt;
    CSize sizeHorz, sizeVert, sizeFloat;
    if (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
        sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        sizeFloat = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    } else {
        sizeHorz = m_pBar->CalcFixedLayout(FALSE, TRUE);
        sizeVert = m_pBar->CalcFixedLayout(FALSE, FALSE);
        sizeFloat = IsHorz(m_dwStyle) || !m_dwStyle ? sizeHorz : sizeVert;
    }
    m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
    m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    // A floating frame is the bar with the frame's borders and caption round it.
    m_rectFrameDragHorz = CRect(rect.TopLeft(), (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) ? sizeFloat : sizeHorz);
    m_rectFrameDragVert = CRect(rect.TopLeft(), (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) ? sizeFloat : sizeVert);
    CMiniDockFrameWnd::CalcBorders(&m_rectFrameDragHorz);
    CMiniDockFrameWnd::CalcBorders(&m_rectFrameDragVert);
    KeepPointInside(m_rectDragHorz, pt);
    KeepPointInside(m_rectDragVert, pt);
    KeepPointInside(m_rectFrameDragHorz, pt);
    KeepPointInside(m_rectFrameDragVert, pt);

    InitLoop();
    // Ctrl held from before the press already forces floating; later the
    // key messages switch it.
    m_bForceFrame = ::GetKeyState(VK_CONTROL) < 0;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    Move(pt);
    Track();
}

void CDockContext::Move(CPoint pt)
{
    const CPoint offset = pt - m_ptLast;
    m_rectDragHorz.OffsetRect(offset);
    m_rectDragVert.OffsetRect(offset);
    m_rectFrameDragHorz.OffsetRect(offset);
    m_rectFrameDragVert.OffsetRect(offset);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

DWORD CDockContext::CanDock()
{
    BOOL horz = IsHorz(m_dwStyle) || !m_dwStyle;
    horz = m_bFlip ? !horz : horz;
    DWORD dock = 0;
    if (horz && IsHorz(m_dwDockStyle))
        dock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    else if (IsVert(m_dwDockStyle))
        dock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
    if (!m_bFlip) {
        // The other orientation counts only where both of its outlines agree,
        // so a bar does not flip back and forth at a corner.
        if (dock == 0 && IsHorz(m_dwDockStyle)) {
            const DWORD other = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_VERT);
            dock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
            dock = dock == other ? dock : 0;
        }
        if (dock == 0 && IsVert(m_dwDockStyle)) {
            const DWORD other = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
            dock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
            dock = dock == other ? dock : 0;
        }
    }
    return dock;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    CDockBar* dockBar = nullptr;
    if (IsHorz(dwOverDockStyle))
        m_pDockSite->CanDock(m_rectDragHorz, dwOverDockStyle & ~CBRS_ORIENT_VERT, &dockBar);
    else if (IsVert(dwOverDockStyle))
        m_pDockSite->CanDock(m_rectDragVert, dwOverDockStyle & ~CBRS_ORIENT_HORZ, &dockBar);
    return dockBar;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (!m_pDC)
        return;
    CSize size(1, 1);
    CRect rect;
    CBrush* white = CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    CBrush* dither = CDC::GetHalftoneBrush();
    CBrush* brush = white;
    if (!m_bDragging) {
        rect = m_rectActualFrameSize;
        size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
        brush = dither;
    } else if (IsHorz(m_dwOverDockStyle)) {
        rect = m_rectDragHorz;
    } else if (IsVert(m_dwOverDockStyle)) {
        rect = m_rectDragVert;
    } else {
        // Floating: the thick frame of the mini frame it would float in.
        size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
        const BOOL horz = IsHorz(m_dwStyle) || !m_dwStyle;
        rect = (horz && !m_bFlip) || (!horz && m_bFlip) ? m_rectFrameDragHorz : m_rectFrameDragVert;
        brush = dither;
    }
    if (bRemoveRect)
        size = CSize(0, 0);
    // A docking outline one pixel in looks pressed into the side.
    if (m_bDragging && (IsHorz(m_dwOverDockStyle) || IsVert(m_dwOverDockStyle)))
        rect.InflateRect(-1, -1);
    m_pDC->DrawDragRect(&rect, size, &m_rectLast, m_sizeLast, brush, m_bDitherLast ? dither : white);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = brush == dither;
}

void CDockContext::OnKey(int nChar, BOOL bDown)
{
    if (nChar == VK_CONTROL)
        UpdateState(&m_bForceFrame, bDown);
}

void CDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue)
{
    if (*pFlag == bNewValue)
        return;
    *pFlag = bNewValue;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

BOOL CDockContext::Track()
{
    if (::GetCapture() != nullptr) {
        CancelLoop();
        return FALSE;
    }
    ::SetCapture(m_pBar->m_hWnd);
    while (::GetCapture() == m_pBar->m_hWnd) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            // The quit belongs to the program's loop: it goes back on the queue.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
            // The release point is where the bar goes, moves merged or not.
            if (m_bDragging) {
                if (CPoint(msg.pt) != m_ptLast)
                    Move(msg.pt);
                EndDrag();
            }
            else {
                if (CPoint(msg.pt) != m_ptLast)
                    Stretch(msg.pt);
                EndResize();
            }
            return TRUE;
        case WM_MOUSEMOVE:
            if (m_bDragging)
                Move(msg.pt);
            else
                Stretch(msg.pt);
            break;
        case WM_KEYUP:
            if (m_bDragging)
                OnKey(static_cast<int>(msg.wParam), FALSE);
            break;
        case WM_KEYDOWN:
            if (m_bDragging)
                OnKey(static_cast<int>(msg.wParam), TRUE);
            if (msg.wParam == VK_ESCAPE) {
                CancelLoop();
                return FALSE;
            }
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            return FALSE;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    CancelLoop();
    return FALSE;
}

void CDockContext::EndDrag()
{
    CancelLoop();
    // A press and release in one place is a click, not a move.
    if (m_ptLast == m_ptStart)
        return;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    if (m_dwOverDockStyle != 0) {
        CDockBar* dockBar = GetDockBar(m_dwOverDockStyle);
        const CRect rect = IsHorz(m_dwOverDockStyle) ? m_rectDragHorz : m_rectDragVert;
        m_pDockSite->DockControlBar(m_pBar, dockBar, &rect);
        m_pDockSite->RecalcLayout();
        return;
    }
    const BOOL horz = IsHorz(m_dwStyle) || !m_dwStyle;
    if ((m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) || horz) {
        m_dwMRUFloatStyle = CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI);
        m_ptMRUFloatPos = m_rectFrameDragHorz.TopLeft();
    } else {
        m_dwMRUFloatStyle = CBRS_ALIGN_LEFT | (m_dwDockStyle & CBRS_FLOAT_MULTI);
        m_ptMRUFloatPos = m_rectFrameDragVert.TopLeft();
    }
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
}

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite)
        return;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    m_ptLast = pt;
    m_ptStart = pt;
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    const CSize size = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    m_rectRequestedSize = CRect(rect.TopLeft(), size);
    m_rectActualSize = m_rectRequestedSize;
    m_rectActualFrameSize = m_rectRequestedSize;
    CMiniDockFrameWnd::CalcBorders(&m_rectActualFrameSize);
    m_rectFrameBorders = CRect(m_rectActualSize.left - m_rectActualFrameSize.left,
                               m_rectActualSize.top - m_rectActualFrameSize.top,
                               m_rectActualFrameSize.right - m_rectActualSize.right,
                               m_rectActualFrameSize.bottom - m_rectActualSize.bottom);
    InitLoop();
    m_dwOverDockStyle = 0;
    Stretch(pt);
    Track();
}

void CDockContext::Stretch(CPoint pt)
{
    const CPoint offset = pt - m_ptLast;
    DWORD mode = LM_HORZ;
    int length = 0;
    if (m_nHitTest == HTLEFT || m_nHitTest == HTRIGHT) {
        if (m_nHitTest == HTLEFT)
            m_rectRequestedSize.left += offset.x;
        else
            m_rectRequestedSize.right += offset.x;
        length = m_rectRequestedSize.Width();
    } else {
        mode |= LM_LENGTHY;
        if (m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT)
            m_rectRequestedSize.top += offset.y;
        else
            m_rectRequestedSize.bottom += offset.y;
        length = m_rectRequestedSize.Height();
    }
    if (length < 0)
        length = 0;
    const CSize size = m_pBar->CalcDynamicLayout(length, mode);
    const int framesX = m_rectFrameBorders.left + m_rectFrameBorders.right;
    const int framesY = m_rectFrameBorders.top + m_rectFrameBorders.bottom;
    // The edge that does not move stays put; the moving one follows the size the bar takes.
    if (m_nHitTest == HTLEFT || m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT) {
        m_rectActualSize.left = m_rectActualSize.right - size.cx;
        m_rectActualSize.top = m_rectActualSize.bottom - size.cy;
        m_rectActualFrameSize.left = m_rectActualFrameSize.right - (size.cx + framesX);
        m_rectActualFrameSize.top = m_rectActualFrameSize.bottom - (size.cy + framesY);
    } else {
        m_rectActualSize.right = m_rectActualSize.left + size.cx;
        m_rectActualSize.bottom = m_rectActualSize.top + size.cy;
        m_rectActualFrameSize.right = m_rectActualFrameSize.left + size.cx + framesX;
        m_rectActualFrameSize.bottom = m_rectActualFrameSize.top + size.cy + framesY;
    }
    m_ptLast = pt;
    DrawFocusRect();
}

void CDockContext::EndResize()
{
    CancelLoop();
    m_pBar->CalcDynamicLayout(m_rectActualSize.Width(), LM_HORZ | LM_COMMIT);
    m_pDockSite->FloatControlBar(m_pBar, m_rectActualFrameSize.TopLeft(),
                                 CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI));
}

void CDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite)
        return;
    if (m_pBar->IsFloating()) {
        // Docking back is only for a bar that may dock.
        if (!(m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
            return;
        CDockBar* dockBar = m_uMRUDockID ? DYNAMIC_DOWNCAST(CDockBar, m_pDockSite->GetControlBar(m_uMRUDockID))
                                         : nullptr;
        CRect rect = m_rectMRUDockPos;
        if (dockBar && !dockBar->m_bFloating) {
            dockBar->ClientToScreen(&rect);
            m_pDockSite->ReDockControlBar(m_pBar, dockBar, &rect);
        } else {
            m_pDockSite->ReDockControlBar(m_pBar, nullptr, nullptr);
        }
        m_pDockSite->RecalcLayout();
        return;
    }
    CPoint ptFloat = m_ptMRUFloatPos;
    if (ptFloat.x < 0 || ptFloat.y < 0) {
        // Never floated: it floats where it stands.
        CRect rect;
        m_pBar->GetWindowRect(&rect);
        ptFloat = rect.TopLeft();
    }
    m_pDockSite->FloatControlBar(m_pBar, ptFloat, m_dwMRUFloatStyle);
}
