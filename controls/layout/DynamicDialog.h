// cdxCDynamicDialog: a dialog whose controls move and size with the window by
// the class's layout map, and which keeps its placement under its template id.
#pragma once

#include "afx/Dialog.h"
#include "controls/layout/DynamicWndEx.h"

class cdxCDynamicDialog : public CDialog, public cdxCDynamicWndEx
{
    DECLARE_DYNAMIC(cdxCDynamicDialog)
public:
    explicit cdxCDynamicDialog(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr,
                               UINT nFreedom = FreedomBoth, UINT nFlags = FlagSizeGrip | FlagSizingRedraw);
    ~cdxCDynamicDialog() override;

    BOOL OnInitDialog() override;
    BOOL DestroyWindow() override;
    using CDialog::IsWindow;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
