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
    : cdxCDynamicHost(nFreedom, nFlags, nIDTemplate, pParentWnd)
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
    AttachLayoutToClient();
    return result;
}
