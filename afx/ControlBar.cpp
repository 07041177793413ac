#include "afx/ControlBar.h"

#include "afx/DC.h"
#include "afx/DockBar.h"
#include "afx/DockContext.h"
#include "afx/DockState.h"
#include "afx/FrameWnd.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
    ON_WM_DESTROY()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

// The length a stretched bar asks for along its edge; the frame cuts it to its client.
const int kStretchLength = 32767;
// The gripper of a docked bar: the strip before its first item, and the
// two raised lines drawn in it.
const int kGripperSpace = 8;
const int kGripperLine = 3;

} // namespace

CControlBar::CControlBar()
    : m_bAutoDelete(FALSE), m_cxLeftBorder(0), m_cxRightBorder(0), m_cyTopBorder(0), m_cyBottomBorder(0),
      m_dwStyle(0), m_dwDockStyle(0), m_pDockSite(nullptr), m_pDockBar(nullptr), m_pDockContext(nullptr),
      m_nMRUWidth(32767), m_nStateFlags(0)
{
}

CControlBar::~CControlBar()
{
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
    delete m_pDockContext;
    m_pDockContext = nullptr;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const int across = bHorz ? m_cyTopBorder + m_cyBottomBorder : m_cxLeftBorder + m_cxRightBorder;
    const int along = bStretch ? kStretchLength : 0;
    CSize size = bHorz ? CSize(along, across) : CSize(across, along);
    // A docked bar's edges come on top of what it shows.
    CRect edges(0, 0, 0, 0);
    CalcInsideRect(edges, bHorz);
    if (!bStretch || !bHorz)
        size.cx -= edges.Width();
    if (!bStretch || bHorz)
        size.cy -= edges.Height();
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    // The edges are non-client: a change of them re-frames a docked bar.
    const DWORD edges = CBRS_BORDER_ANY | CBRS_GRIPPER | CBRS_ALIGN_ANY;
    if (m_hWnd && HasDockedEdges() && ((dwOldStyle ^ dwNewStyle) & edges))
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

UINT CControlBar::GetDockBarID() const
{
    if (m_pDockBar && m_pDockBar->m_hWnd)
        return static_cast<UINT>(::GetDlgCtrlID(m_pDockBar->m_hWnd));
    if (m_dwStyle & CBRS_ALIGN_TOP)
        return AFX_IDW_DOCKBAR_TOP;
    if (m_dwStyle & CBRS_ALIGN_BOTTOM)
        return AFX_IDW_DOCKBAR_BOTTOM;
    if (m_dwStyle & CBRS_ALIGN_LEFT)
        return AFX_IDW_DOCKBAR_LEFT;
    if (m_dwStyle & CBRS_ALIGN_RIGHT)
        return AFX_IDW_DOCKBAR_RIGHT;
    return AFX_IDW_DOCKBAR_FLOAT;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    const DWORD old = m_dwStyle;
    m_dwStyle = dwStyle;
    if (old != dwStyle)
        OnBarStyleChange(old, dwStyle);
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    if (!m_pDockContext)
        m_pDockContext = new CDockContext(this);
    if (!m_pDockSite && m_hWnd)
        m_pDockSite = GetParentFrame();
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    return m_pDockSite ? m_pDockSite : GetParentFrame();
}

BOOL CControlBar::IsFloating() const
{
    return m_pDockBar && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    if (m_nStateFlags & delayShow)
        return TRUE;
    return m_hWnd && (::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    const BOOL shown = m_hWnd && (::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
    if (bShow && !shown)
        m_nStateFlags |= delayShow;
    else if (!bShow && shown)
        m_nStateFlags |= delayHide;
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
    if (!(m_nStateFlags & (delayHide | delayShow)))
        return style;
    const BOOL show = (m_nStateFlags & delayShow) != 0;
    style = show ? (style | WS_VISIBLE) : (style & ~WS_VISIBLE);
    // A query only answers how the layout would be.
    if (lpLayout && lpLayout->hDWP) {
        m_nStateFlags &= ~(delayHide | delayShow);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                           (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
    return style;
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (!HasDockedEdges() || IsDockBar())
        return;
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += cxBorder2;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += cyBorder2;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= cxBorder2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= cyBorder2;
    // The gripper leads the bar; a floating bar is moved by its frame's caption.
    if ((m_dwStyle & CBRS_GRIPPER) && !IsFloating()) {
        if (bHorz)
            rect.left += kGripperSpace;
        else
            rect.top += kGripperSpace;
    }
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    // Each edge is a groove: a shadow line and a light line.
    if (m_dwStyle & CBRS_BORDER_LEFT) {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), shadow);
        pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), light);
        rect.left += cxBorder2;
    }
    if (m_dwStyle & CBRS_BORDER_TOP) {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, shadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, light);
        rect.top += cyBorder2;
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT) {
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), shadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), light);
        rect.right -= cxBorder2;
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM) {
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, shadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, light);
        rect.bottom -= cyBorder2;
    }
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if (!(m_dwStyle & CBRS_GRIPPER) || IsFloating())
        return;
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        pDC->Draw3dRect(rect.left + 2, rect.top + 2, kGripperLine, rect.Height() - 4, light, shadow);
    else
        pDC->Draw3dRect(rect.left + 2, rect.top + 2, rect.Width() - 4, kGripperLine, light, shadow);
}

void CControlBar::EraseNonClient()
{
    CWindowDC dc(this);
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    CRect window;
    GetWindowRect(&window);
    client.OffsetRect(-window.left, -window.top);
    window.OffsetRect(-window.left, -window.top);
    // Only the edges are painted: the client is the control's own.
    dc.ExcludeClipRect(&client);
    dc.FillSolidRect(&window, ::GetSysColor(COLOR_BTNFACE));
    CRect rest = window;
    DrawBorders(&dc, rest);
    DrawGripper(&dc, rest);
}

DWORD CControlBar::SplitBarStyle(DWORD dwStyle)
{
    // The bar's bits share their values with control styles (TBSTYLE_*,
    // SBARS_*): they are kept here and never reach the window.
    m_dwStyle = dwStyle & CBRS_ALL;
    return dwStyle & ~static_cast<DWORD>(CBRS_ALL);
}

void CControlBar::AttachToFrame(CWnd* pParentWnd)
{
    CFrameWnd* frame = nullptr;
    if (pParentWnd)
        frame = pParentWnd->IsFrameWnd() ? static_cast<CFrameWnd*>(pParentWnd) : pParentWnd->GetParentFrame();
    m_pDockSite = frame;
    if (frame)
        frame->AddControlBar(this);
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // A hidden bar has nothing to show; its items are updated when it appears.
    if (!IsVisible())
        return 0;
    if (CFrameWnd* target = GetDockingFrame())
        OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
    return 0;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    const DWORD style = RecalcDelayShow(layout);
    const DWORD align = m_dwStyle & CBRS_ALIGN_ANY;
    // A hidden bar, or one without an edge (placed by its owner), takes nothing.
    if (!(style & WS_VISIBLE) || !align)
        return 0;
    CRect rest(layout->rect);
    const BOOL horz = (align & CBRS_ORIENT_HORZ) != 0;
    DWORD mode = layout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        mode |= LM_HORZ | LM_MRUWIDTH;
    else
        mode |= horz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, mode);
    size.cx = size.cx < rest.Width() ? size.cx : rest.Width();
    size.cy = size.cy < rest.Height() ? size.cy : rest.Height();
    if (size.cx < 0)
        size.cx = 0;
    if (size.cy < 0)
        size.cy = 0;
    // The bar takes its whole edge of what is left: the full width for a
    // top or bottom bar, the full height for a side bar.
    CRect place = rest;
    if (horz) {
        layout->sizeTotal.cy += size.cy;
        if (layout->sizeTotal.cx < size.cx)
            layout->sizeTotal.cx = size.cx;
        if (align & CBRS_ALIGN_TOP) {
            place.bottom = place.top + size.cy;
            layout->rect.top += size.cy;
        } else {
            place.top = place.bottom - size.cy;
            layout->rect.bottom -= size.cy;
        }
        if (!layout->bStretch)
            place.right = place.left + size.cx;
    } else {
        layout->sizeTotal.cx += size.cx;
        if (layout->sizeTotal.cy < size.cy)
            layout->sizeTotal.cy = size.cy;
        if (align & CBRS_ALIGN_LEFT) {
            place.right = place.left + size.cx;
            layout->rect.left += size.cx;
        } else {
            place.left = place.right - size.cx;
            layout->rect.right -= size.cx;
        }
        if (!layout->bStretch)
            place.bottom = place.top + size.cy;
    }
    if (layout->hDWP)
        AfxRepositionWindow(layout, m_hWnd, &place);
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockBar) {
        // Only the record goes: the dock bar may be going down itself.
        m_pDockBar->ForgetBar(this);
        m_pDockBar = nullptr;
    }
    if (m_pDockSite) {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = nullptr;
    }
    CWnd::OnDestroy();
}

void CControlBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (!HasDockedEdges())
        return;
    CRect inside(lpncsp->rgrc[0]);
    CalcInsideRect(inside, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    if (inside.right < inside.left)
        inside.right = inside.left;
    if (inside.bottom < inside.top)
        inside.bottom = inside.top;
    lpncsp->rgrc[0] = inside;
}

void CControlBar::OnNcPaint()
{
    if (HasDockedEdges())
        EraseNonClient();
    else
        CWnd::OnNcPaint();
}

LRESULT CControlBar::OnNcHitTest(CPoint point)
{
    // The edges and the gripper of a docked bar act as its client: a press
    // there starts the drag.
    if (HasDockedEdges() && m_pDockContext) {
        CRect window;
        GetWindowRect(&window);
        if (window.PtInRect(point))
            return HTCLIENT;
    }
    return CWnd::OnNcHitTest(point);
}

BOOL CControlBar::StartDragAt(CPoint clientPoint)
{
    if (!m_pDockContext || !HasDockedEdges())
        return FALSE;
    ClientToScreen(&clientPoint);
    m_pDockContext->StartDrag(clientPoint);
    return TRUE;
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!StartDragAt(point))
        CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDockContext && HasDockedEdges())
        m_pDockContext->ToggleDocking();
    else
        CWnd::OnLButtonDblClk(nFlags, point);
}

void CControlBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_nBarID = static_cast<UINT>(GetDlgCtrlID());
    pInfo->m_pBar = this;
    pInfo->m_bVisible = IsVisible();
    pInfo->m_nMRUWidth = m_nMRUWidth;
    pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    pInfo->m_bFloating = FALSE;
    pInfo->m_bDockBar = FALSE;
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* parent = GetParent())
        parent->ScreenToClient(&rect);
    pInfo->m_pointPos = rect.TopLeft();
    pInfo->m_bDocking = m_pDockContext != nullptr;
    if (m_pDockContext) {
        pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
        pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
        pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
        pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
    }
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd*)
{
    m_nMRUWidth = pInfo->m_nMRUWidth;
    CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    if (pInfo->m_bDocking && m_pDockContext) {
        m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
        m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
        m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
        m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    }
    // A bar outside the dock bars is placed by its frame: it only shows or hides.
    UINT flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (pInfo->m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (!m_pDockBar)
        flags |= SWP_NOMOVE;
    m_nStateFlags &= ~(delayHide | delayShow);
    SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0, flags);
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) {
        LRESULT result = 0;
        if (OnWndMsg(message, wParam, lParam, &result))
            return result;
        if (CFrameWnd* frame = GetDockingFrame())
            return frame->SendMessage(message, wParam, lParam);
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
