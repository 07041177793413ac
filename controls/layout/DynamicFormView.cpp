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
    : CFormView(nIDTemplate), cdxCDynamicWnd(nFreedom, nFlags)
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

BOOL cdxCDynamicFormView::DestroyWindow()
{
    DoOnDestroy();
    return CFormView::DestroyWindow();
}

void cdxCDynamicFormView::OnSize(UINT nType, int cx, int cy)
{
    CFormView::OnSize(nType, cx, cy);
    cdxCDynamicWnd::OnSize(nType, cx, cy);
}

void cdxCDynamicFormView::OnSizing(UINT fwSide, LPRECT pRect)
{
    CFormView::OnSizing(fwSide, pRect);
    cdxCDynamicWnd::OnSizing(fwSide, pRect);
}

void cdxCDynamicFormView::OnTimer(UINT_PTR nIDEvent)
{
    CFormView::OnTimer(nIDEvent);
    cdxCDynamicWnd::OnTimer(nIDEvent);
}

void cdxCDynamicFormView::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CFormView::OnGetMinMaxInfo(lpMMI);
    cdxCDynamicWnd::OnGetMinMaxInfo(lpMMI);
}

void cdxCDynamicFormView::OnParentNotify(UINT message, LPARAM lParam)
{
    CFormView::OnParentNotify(message, lParam);
    cdxCDynamicWnd::OnParentNotify(message, lParam);
}

void cdxCDynamicFormView::OnDestroy()
{
    DoOnDestroy();
    CFormView::OnDestroy();
}
