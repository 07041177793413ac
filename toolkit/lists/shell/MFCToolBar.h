// CMFCToolBar: the toolkit's thin toolbar base. It always docks its buttons
// along the top when created, and its bar-style setter switches the window's
// tooltips with CBRS_TOOLTIPS. The history combo's mini toolbar is one; the
// cool toolbar derives from it.
#pragma once

#include "afx/ToolBar.h"

class CMFCToolBar : public CToolBar
{
    DECLARE_DYNAMIC(CMFCToolBar)
public:
    CMFCToolBar();
    ~CMFCToolBar() override;

    // Creates the standard toolbar with the alignment bits of dwStyle
    // (left, right, bottom) replaced by CBRS_ALIGN_TOP; the rest is kept.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR) override;

    // Tooltips on with CBRS_TOOLTIPS, off without; a changed style is stored
    // and reported to OnBarStyleChange.
    void SetBarStyle(DWORD dwStyle) override;

protected:
    DECLARE_MESSAGE_MAP()
};
