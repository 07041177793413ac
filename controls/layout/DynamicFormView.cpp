#include "controls/layout/DynamicFormView.h"

IMPLEMENT_DYNAMIC(cdxCDynamicFormView, CFormView)

BEGIN_MESSAGE_MAP(cdxCDynamicFormView, CFormView)
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_TIMER()
    ON_WM_GETMINMAXINFO()
    ON_WM_PARENTNOTIFY()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

cdxCDynamicFormView::cdxCDynamicFormView(UINT nIDTemplate, UINT nFreedom, UINT nFlags)
    : cdxCDynamicHost(nFreedom, nFlags, nIDTemplate)
{
    // A view smaller than its form scrolls; the layout follows the scrolling.
    m_bUseScrollPos = TRUE;
}

cdxCDynamicFormView::~cdxCDynamicFormView()
{
    if (cdxCDynamicWnd::IsWindow())
        DoOnDestroy();
}

void cdxCDynamicFormView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    AttachLayout(this, GetTotalSize());
}
