#include "toolkit/lists/shell/MFCToolBar.h"

IMPLEMENT_DYNAMIC(CMFCToolBar, CToolBar)

BEGIN_MESSAGE_MAP(CMFCToolBar, CToolBar)
END_MESSAGE_MAP()

CMFCToolBar::CMFCToolBar() = default;

CMFCToolBar::~CMFCToolBar() = default;

BOOL CMFCToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    const DWORD kOtherAlignments = CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT | CBRS_ALIGN_BOTTOM;
    dwStyle = (dwStyle & ~kOtherAlignments) | CBRS_ALIGN_TOP;
    return CToolBar::CreateEx(pParentWnd, dwCtrlStyle, dwStyle, rcBorders, nID);
}

void CMFCToolBar::SetBarStyle(DWORD dwStyle)
{
    EnableToolTips((dwStyle & CBRS_TOOLTIPS) != 0);
    CToolBar::SetBarStyle(dwStyle);
}
