// cdxCDynamicFormView: a form view whose controls move and size with the view
// by the class's layout map; when the view is smaller than its form it
// scrolls instead of squeezing the controls.
#pragma once

#include "afx/View.h"
#include "controls/layout/DynamicHost.h"
#include "controls/layout/DynamicWnd.h"

class cdxCDynamicFormView : public cdxCDynamicHost<CFormView, cdxCDynamicWnd>
{
    DECLARE_DYNAMIC(cdxCDynamicFormView)
protected:
    explicit cdxCDynamicFormView(UINT nIDTemplate, UINT nFreedom = FreedomBoth, UINT nFlags = FlagSizingRedraw);

public:
    ~cdxCDynamicFormView() override;

    void OnInitialUpdate() override;

protected:
    DECLARE_MESSAGE_MAP()
};
