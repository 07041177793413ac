#include "framework/log/LogFrame.h"

#include "framework/log/Logger.h"

IMPLEMENT_DYNCREATE(CLogFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CLogFrame, CFrameWnd)
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CLogFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    // The document's name never enters the title: the view sets it once.
    cs.style &= ~FWS_ADDTOTITLE;
    return CFrameWnd::PreCreateWindow(cs);
}

void CLogFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    if (HWND child = ::GetWindow(m_hWnd, GW_CHILD))
        ::SetWindowPos(child, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLogFrame::OnClose()
{
    ShowWindow(SW_HIDE);
}

void CLogFrame::OnDestroy()
{
    // The logger must not keep a frame that is going away.
    if (GetLogger().GetLogFrame() == this)
        GetLogger().SetLogFrame(nullptr);
    CFrameWnd::OnDestroy();
}
