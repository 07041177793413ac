// cdxCDynamicDialog: a dialog whose controls move and size with the window by
// the class's layout map, and which keeps its placement under its template id.
#pragma once

#include "afx/Dialog.h"
#include "controls/layout/DynamicHost.h"
#include "controls/layout/DynamicWndEx.h"

class cdxCDynamicDialog : public cdxCDynamicHost<CDialog, cdxCDynamicWndEx>
{
    DECLARE_DYNAMIC(cdxCDynamicDialog)
public:
    explicit cdxCDynamicDialog(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr,
                               UINT nFreedom = FreedomBoth, UINT nFlags = FlagSizeGrip | FlagSizingRedraw);
    ~cdxCDynamicDialog() override;

    BOOL OnInitDialog() override;

protected:
    DECLARE_MESSAGE_MAP()
};
