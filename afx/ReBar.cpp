#include "afx/ReBar.h"

#include "afx/FrameWnd.h"

IMPLEMENT_DYNAMIC(CReBar, CControlBar)

BEGIN_MESSAGE_MAP(CReBar, CControlBar)
    ON_NOTIFY_REFLECT(RBN_HEIGHTCHANGE, &CReBar::OnHeightChange)
END_MESSAGE_MAP()

CReBar::CReBar() = default;

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    ASSERT(pParentWnd != nullptr);
    DWORD windowStyle = SplitBarStyle(dwStyle) | WS_CHILD | dwCtrlStyle;
    // The frame gives the rebar its place; it only decides its own height.
    windowStyle |= CCS_NOPARENTALIGN | CCS_NODIVIDER | CCS_NORESIZE;
    if (!CWnd::Create(REBARCLASSNAMEA, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    REBARINFO info = {};
    info.cbSize = sizeof info;
    SendMessage(RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
    AttachToFrame(pParentWnd);
    return TRUE;
}

BOOL CReBar::AddBandForBar(CWnd* pBar, REBARBANDINFO& rbbi)
{
    ASSERT(pBar && pBar->GetSafeHwnd());
    // The bar becomes the band's child; the frame no longer places it.
    ::SetParent(pBar->m_hWnd, m_hWnd);
    CSize size;
    CControlBar* bar = DYNAMIC_DOWNCAST(CControlBar, CWnd::FromHandlePermanent(pBar->m_hWnd));
    if (bar) {
        size = bar->CalcFixedLayout(FALSE, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    } else {
        RECT rect;
        ::GetWindowRect(pBar->m_hWnd, &rect);
        size = CSize(rect.right - rect.left, rect.bottom - rect.top);
    }
    rbbi.cbSize = sizeof rbbi;
    rbbi.fMask |= RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID | RBBIM_IDEALSIZE;
    rbbi.hwndChild = pBar->m_hWnd;
    rbbi.cxMinChild = 0;
    rbbi.cyMinChild = static_cast<UINT>(size.cy);
    rbbi.cx = static_cast<UINT>(size.cx);
    rbbi.cxIdeal = static_cast<UINT>(size.cx);
    rbbi.wID = static_cast<UINT>(::GetDlgCtrlID(pBar->m_hWnd));
    if (!SendMessage(RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&rbbi)))
        return FALSE;
    if (m_pDockSite)
        m_pDockSite->RecalcLayout();
    return TRUE;
}

BOOL CReBar::AddBar(CWnd* pBar, LPCTSTR pszText, HBITMAP hbmp, DWORD dwStyle)
{
    REBARBANDINFO rbbi = {};
    rbbi.fMask = RBBIM_STYLE;
    rbbi.fStyle = dwStyle;
    if (pszText) {
        rbbi.fMask |= RBBIM_TEXT;
        rbbi.lpText = const_cast<LPSTR>(pszText);
    }
    if (hbmp) {
        rbbi.fMask |= RBBIM_BACKGROUND;
        rbbi.hbmBack = hbmp;
    }
    return AddBandForBar(pBar, rbbi);
}

BOOL CReBar::AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCTSTR pszText, DWORD dwStyle)
{
    REBARBANDINFO rbbi = {};
    rbbi.fMask = RBBIM_STYLE | RBBIM_COLORS;
    rbbi.fStyle = dwStyle;
    rbbi.clrFore = clrFore;
    rbbi.clrBack = clrBack;
    if (pszText) {
        rbbi.fMask |= RBBIM_TEXT;
        rbbi.lpText = const_cast<LPSTR>(pszText);
    }
    return AddBandForBar(pBar, rbbi);
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const int height = m_hWnd ? static_cast<int>(GetReBarCtrl().GetBarHeight()) : 0;
    if (bHorz)
        return CSize(bStretch ? 32767 : 0, height + m_cyTopBorder + m_cyBottomBorder);
    return CSize(height + m_cxLeftBorder + m_cxRightBorder, bStretch ? 32767 : 0);
}

void CReBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // The bands' bars are the rebar's children: each updates itself at idle.
}

void CReBar::OnHeightChange(NMHDR*, LRESULT* pResult)
{
    // A band wrapped or unwrapped: the frame's layout follows the new height.
    if (m_pDockSite)
        m_pDockSite->RecalcLayout();
    *pResult = 0;
}
