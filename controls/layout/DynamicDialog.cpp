#include "controls/layout/DynamicDialog.h"

IMPLEMENT_DYNAMIC(cdxCDynamicDialog, CDialog)

BEGIN_MESSAGE_MAP(cdxCDynamicDialog, CDialog)
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_TIMER()
    ON_WM_GETMINMAXINFO()
    ON_WM_PARENTNOTIFY()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

cdxCDynamicDialog::cdxCDynamicDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nFreedom, UINT nFlags)
    : CDialog(nIDTemplate, pParentWnd), cdxCDynamicWndEx(nFreedom, nFlags)
{
    if (nIDTemplate != 0)
        ActivateAutoPos(nIDTemplate);
}

cdxCDynamicDialog::~cdxCDynamicDialog()
{
    if (cdxCDynamicWnd::IsWindow())
        DoOnDestroy();
}

BOOL cdxCDynamicDialog::OnInitDialog()
{
    BOOL result = CDialog::OnInitDialog();
    CRect rc;
    GetClientRect(&rc);
    AttachLayout(this, rc.Size());
    return result;
}

BOOL cdxCDynamicDialog::DestroyWindow()
{
    DoOnDestroy();
    return CDialog::DestroyWindow();
}

void cdxCDynamicDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    cdxCDynamicWndEx::OnSize(nType, cx, cy);
}

void cdxCDynamicDialog::OnSizing(UINT fwSide, LPRECT pRect)
{
    CDialog::OnSizing(fwSide, pRect);
    cdxCDynamicWndEx::OnSizing(fwSide, pRect);
}

void cdxCDynamicDialog::OnTimer(UINT_PTR nIDEvent)
{
    CDialog::OnTimer(nIDEvent);
    cdxCDynamicWndEx::OnTimer(nIDEvent);
}

void cdxCDynamicDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CDialog::OnGetMinMaxInfo(lpMMI);
    cdxCDynamicWndEx::OnGetMinMaxInfo(lpMMI);
}

void cdxCDynamicDialog::OnParentNotify(UINT message, LPARAM lParam)
{
    CDialog::OnParentNotify(message, lParam);
    cdxCDynamicWndEx::OnParentNotify(message, lParam);
}

void cdxCDynamicDialog::OnDestroy()
{
    DoOnDestroy();
    CDialog::OnDestroy();
}
