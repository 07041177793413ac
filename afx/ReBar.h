// CReBar: the frame's bar built on the rebar control, whose bands hold other
// windows (a toolbar, a dialog bar). The frame gives the rebar the full width;
// its height is that of its band rows.
#pragma once

#include "afx/ControlBar.h"
#include "afx/ReBarCtrl.h"

#include <commctrl.h>

class CReBar : public CControlBar
{
    DECLARE_DYNAMIC(CReBar)
public:
    CReBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT nID = AFX_IDW_REBAR);
    // A band holding pBar (made a child of the rebar), with an optional text
    // and background bitmap; its minimum height is the child's present height.
    BOOL AddBar(CWnd* pBar, LPCTSTR pszText = nullptr, HBITMAP hbmp = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
    BOOL AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCTSTR pszText = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS);
    CReBarCtrl& GetReBarCtrl() const { return *reinterpret_cast<CReBarCtrl*>(const_cast<CReBar*>(this)); }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    BOOL AddBandForBar(CWnd* pBar, REBARBANDINFO& rbbi);
    afx_msg void OnHeightChange(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
