#include "afx/MiniFrameWnd.h"

#include "afx/DockContext.h"
#include "afx/Menu.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_WM_NCHITTEST()
    ON_WM_NCACTIVATE()
    ON_WM_GETMINMAXINFO()
    ON_MESSAGE(WM_FLOATSTATUS, &CMiniFrameWnd::OnFloatStatus)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

// ---- CMiniFrameWnd ----------------------------------------------------------------

CMiniFrameWnd::CMiniFrameWnd() : m_bActive(FALSE)
{
}

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName;
    (void)nID;
    return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top,
                          pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, nullptr, nullptr);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // The small caption is the system's tool-window caption; any MFS_ border
    // is a sizing border (MFS_MOVEFRAME turns it into a handle for moving).
    cs.dwExStyle |= WS_EX_TOOLWINDOW;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    if (cs.style & (MFS_THICKFRAME | MFS_4THICKFRAME | MFS_MOVEFRAME))
        cs.style |= WS_THICKFRAME;
    cs.style &= ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    return CFrameWnd::PreCreateWindow(cs);
}

void PASCAL CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle, DWORD dwExStyle)
{
    ::AdjustWindowRectEx(lpClientRect, dwStyle | WS_POPUP, FALSE, dwExStyle | WS_EX_TOOLWINDOW);
}

void CMiniFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || !m_hWnd)
        return;
    if (!(GetStyle() & FWS_SNAPTOBARS)) {
        CFrameWnd::RecalcLayout(bNotify);
        return;
    }
    m_bInRecalcLayout = TRUE;
    m_bLayoutDue = FALSE;
    // The frame fits its bars: ask their size, place them, then size the window round them.
    CRect rect(0, 0, 32767, 32767);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect, &rect, FALSE);
    CRect none(0, 0, 0, 0);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &none, &rect, TRUE);
    CalcWindowRect(&rect);
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOZORDER);
    m_bInRecalcLayout = FALSE;
    // A show or hide that waited for this layout (the bar's delayed one).
    if (m_nShowDelay != -1) {
        const int show = m_nShowDelay;
        m_nShowDelay = -1;
        ShowWindow(show);
    }
}

LRESULT CMiniFrameWnd::OnNcHitTest(CPoint point)
{
    const LRESULT hit = CFrameWnd::OnNcHitTest(point);
    const DWORD style = GetStyle();
    if (style & MFS_MOVEFRAME) {
        // The whole border moves the frame.
        if (hit >= HTSIZEFIRST && hit <= HTSIZELAST)
            return HTCAPTION;
    } else if (style & MFS_4THICKFRAME) {
        // Corners size one side only.
        switch (hit) {
        case HTTOPLEFT:
        case HTTOPRIGHT:
            return HTTOP;
        case HTBOTTOMLEFT:
        case HTBOTTOMRIGHT:
            return HTBOTTOM;
        default:
            break;
        }
    }
    return hit;
}

void CMiniFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CFrameWnd::OnGetMinMaxInfo(lpMMI);
    // The frame fits its bar however small: the system's least tracking size
    // is for windows with a full caption.
    CRect borders(0, 0, 0, 0);
    CalcWindowRect(&borders);
    lpMMI->ptMinTrackSize.x = borders.Width();
    lpMMI->ptMinTrackSize.y = borders.Height();
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    // A floating frame shows active while its owner is: the two are one window to the user.
    if ((GetStyle() & MFS_SYNCACTIVE) && !bActive && m_bActive)
        bActive = TRUE;
    return CFrameWnd::OnNcActivate(bActive);
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    if (wParam & FS_SHOW) {
        // Only a frame that holds something visible comes back.
        CMiniDockFrameWnd* dock = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, this);
        if (!dock || dock->m_wndDockBar.GetDockedVisibleCount() > 0)
            ShowWindow(SW_SHOWNOACTIVATE);
    }
    if (wParam & FS_HIDE)
        ShowWindow(SW_HIDE);
    if (wParam & (FS_ACTIVATE | FS_DEACTIVATE)) {
        m_bActive = (wParam & FS_ACTIVATE) != 0;
        // The owner loses activation to this very frame when it is clicked:
        // its caption stays active then.
        if (m_bActive || ::GetActiveWindow() != m_hWnd)
            SendMessage(WM_NCACTIVATE, m_bActive);
    }
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    return TRUE;
}

// ---- CMiniDockFrameWnd ------------------------------------------------------------

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE)
{
}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    // Laid out only once the dock bar is in.
    m_bInRecalcLayout = TRUE;
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE |
                  MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        style &= ~MFS_MOVEFRAME;
    if (!CMiniFrameWnd::CreateEx(0, nullptr, "", style, rectDefault, pParent)) {
        m_bInRecalcLayout = FALSE;
        return FALSE;
    }
    // The close item hides the bar: it says so.
    if (CMenu* menu = GetSystemMenu(FALSE)) {
        CString hide;
        if (hide.LoadString(AFX_IDS_HIDE)) {
            menu->DeleteMenu(SC_CLOSE, MF_BYCOMMAND);
            menu->AppendMenu(MF_STRING | MF_ENABLED, SC_CLOSE, hide);
        }
    }
    DWORD dockStyle = (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    dockStyle |= dwBarStyle & CBRS_FLOAT_MULTI;
    // Made in the owning frame, so that frame lists the dock bar with its
    // own bars (its saved state covers it), then moved in here.
    if (!m_wndDockBar.Create(pParent, WS_CHILD | WS_VISIBLE | dockStyle, AFX_IDW_DOCKBAR_FLOAT)) {
        m_bInRecalcLayout = FALSE;
        return FALSE;
    }
    m_wndDockBar.SetParent(this);
    m_bInRecalcLayout = FALSE;
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetFirstBar() const
{
    for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i)
        if (CControlBar* bar = m_wndDockBar.GetDockedControlBar(i))
            return bar;
    return nullptr;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    CMiniFrameWnd::RecalcLayout(bNotify);
    // The caption names the bar it holds.
    if (CControlBar* bar = GetFirstBar()) {
        CString title;
        bar->GetWindowText(title);
        CString current;
        GetWindowText(current);
        if (current != title)
            SetWindowText(title);
    }
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing a floating bar's frame hides the bar; the frame goes with its last visible bar.
    m_wndDockBar.ShowAll(FALSE);
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* bar = (m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) ? nullptr : GetFirstBar();
    if (bar && bar->m_pDockContext) {
        if (nHitTest == HTCAPTION) {
            // The caption drags the bar (it may dock again), not only the frame.
            bar->m_pDockContext->StartDrag(point);
            return;
        }
        if (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST && (bar->m_dwStyle & CBRS_SIZE_DYNAMIC)) {
            bar->m_pDockContext->StartResize(static_cast<int>(nHitTest), point);
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CControlBar* bar = (m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) ? nullptr : GetFirstBar();
    if (nHitTest == HTCAPTION && bar && bar->m_pDockContext) {
        bar->m_pDockContext->ToggleDocking();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}
