// cdxCDynamicFormView: a form view whose controls move and size with the view
// by the class's layout map; when the view is smaller than its form it
// scrolls instead of squeezing the controls.
#pragma once

#include "afx/View.h"
#include "controls/layout/DynamicWnd.h"

class cdxCDynamicFormView : public CFormView, public cdxCDynamicWnd
{
    DECLARE_DYNAMIC(cdxCDynamicFormView)
protected:
    explicit cdxCDynamicFormView(UINT nIDTemplate, UINT nFreedom = FreedomBoth, UINT nFlags = FlagSizingRedraw);

public:
    ~cdxCDynamicFormView() override;

    void OnInitialUpdate() override;
    BOOL DestroyWindow() override;
    using CFormView::IsWindow;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
