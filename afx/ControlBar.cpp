#include "afx/ControlBar.h"

#include "afx/FrameWnd.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// The length a stretched bar asks for along its edge; the frame cuts it to its client.
const int kStretchLength = 32767;

} // namespace

CControlBar::CControlBar()
    : m_bAutoDelete(FALSE), m_cxLeftBorder(0), m_cxRightBorder(0), m_cyTopBorder(0), m_cyBottomBorder(0),
      m_dwStyle(0), m_dwDockStyle(0), m_pDockSite(nullptr)
{
}

CControlBar::~CControlBar()
{
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const int across = bHorz ? m_cyTopBorder + m_cyBottomBorder : m_cxLeftBorder + m_cxRightBorder;
    const int along = bStretch ? kStretchLength : 0;
    return bHorz ? CSize(along, across) : CSize(across, along);
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

UINT CControlBar::GetDockBarID() const
{
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
    m_dwStyle = dwStyle;
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    return m_pDockSite ? m_pDockSite : GetParentFrame();
}

BOOL CControlBar::IsVisible() const
{
    return m_hWnd && (::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
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

void CControlBar::OnDestroy()
{
    if (m_pDockSite) {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = nullptr;
    }
    CWnd::OnDestroy();
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
