#include "controls/bars/DynamicBar.h"

#include "afx/FrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(cdxCDynamicBarDlg, cdxCDynamicDialog)
IMPLEMENT_DYNAMIC(cdxCDynamicChildDlg, cdxCDynamicDialog)
IMPLEMENT_DYNAMIC(cdxCDynamicBar, CSizingControlBar)

BEGIN_MESSAGE_MAP(cdxCDynamicBar, CSizingControlBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

cdxCDynamicBar::cdxCDynamicBar(UINT nIDDialog, cdxCDynamicBarDlg* pDlg)
    : m_nIDDialog(nIDDialog), m_pDlg(pDlg), m_bOwnDlg(pDlg == nullptr)
{
}

cdxCDynamicBar::~cdxCDynamicBar()
{
    if (m_pDlg && m_pDlg->GetSafeHwnd())
        m_pDlg->DestroyWindow();
    if (m_bOwnDlg)
        delete m_pDlg;
}

BOOL cdxCDynamicBar::Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                            DWORD dwStyle)
{
    if (!CSizingControlBar::Create(lpszWindowName, pParentWnd, sizeDefault, bHasGripper, nID, dwStyle))
        return FALSE;
    if (!m_pDlg)
        m_pDlg = new cdxCDynamicBarDlg(m_nIDDialog, this);
    if (!m_pDlg->Create(m_nIDDialog, this))
        return FALSE;
    return AfterDialog();
}

BOOL cdxCDynamicBar::CreateIndirect(LPCTSTR lpszWindowName, CWnd* pParentWnd, LPCDLGTEMPLATE lpTemplate,
                                    BOOL bHasGripper, UINT nID, DWORD dwStyle)
{
    if (!CSizingControlBar::Create(lpszWindowName, pParentWnd, CSize(0, 0), bHasGripper, nID, dwStyle))
        return FALSE;
    if (!m_pDlg)
        m_pDlg = new cdxCDynamicBarDlg(0, this);
    if (!m_pDlg->CreateIndirect(lpTemplate, this))
        return FALSE;
    return AfterDialog();
}

BOOL cdxCDynamicBar::AfterDialog()
{
    // The dialog as designed is the least the bar may shrink to.
    CRect dialog;
    m_pDlg->GetWindowRect(&dialog);
    CRect window, client;
    GetWindowRect(&window);
    GetClientRect(&client);
    // Borders of the bar as docked: the non-client part of its window.
    const CSize borders(window.Width() - client.Width(), window.Height() - client.Height());
    const CSize minimum(dialog.Width() + borders.cx, dialog.Height() + borders.cy);
    m_szMinHorz = m_szMinVert = m_szMinFloat = minimum;
    for (CSize* size : {&m_szHorz, &m_szVert, &m_szFloat}) {
        size->cx = std::max(size->cx, minimum.cx);
        size->cy = std::max(size->cy, minimum.cy);
    }
    m_pDlg->ShowWindow(SW_SHOW);
    if (CFrameWnd* frame = GetDockingFrame())
        frame->RecalcLayout();
    return TRUE;
}

void cdxCDynamicBar::OnSize(UINT nType, int cx, int cy)
{
    CSizingControlBar::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED && m_pDlg && m_pDlg->GetSafeHwnd())
        m_pDlg->MoveWindow(0, 0, cx, cy);
}

BOOL cdxCDynamicBar::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pDlg && m_pDlg->GetSafeHwnd() && m_pDlg->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CSizingControlBar::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL cdxCDynamicBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_pDlg && m_pDlg->GetSafeHwnd() && m_pDlg->OnCommand(wParam, lParam))
        return TRUE;
    return CSizingControlBar::OnCommand(wParam, lParam);
}
