#include "afx/DialogBar.h"

#include "afx/ChildDialog.h"
#include "afx/FrameWnd.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

CDialogBar::CDialogBar() : m_sizeDefault(0, 0)
{
}

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    ASSERT(pParentWnd != nullptr);
    SplitBarStyle(nStyle);
    HWND hWnd = AfxCreateChildDialog(this, lpszTemplateName, pParentWnd, nID);
    if (!hWnd)
        return FALSE;
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    m_sizeDefault = CSize(rect.right - rect.left, rect.bottom - rect.top);
    AttachToFrame(pParentWnd);
    if (nStyle & WS_VISIBLE)
        ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bHorz)
        return CSize(bStretch ? 32767 : m_sizeDefault.cx, m_sizeDefault.cy + m_cyTopBorder + m_cyBottomBorder);
    return CSize(m_sizeDefault.cx + m_cxLeftBorder + m_cxRightBorder, bStretch ? 32767 : m_sizeDefault.cy);
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}
