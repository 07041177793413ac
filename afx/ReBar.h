// CReBarCtrl wraps the common-control rebar window; CReBar is the frame's bar
// built on it, whose bands hold other windows (a toolbar, a dialog bar). The
// frame gives the rebar the full width; its height is that of its band rows.
#pragma once

#include "afx/ControlBar.h"

#include <commctrl.h>

class CReBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CReBarCtrl)
public:
    CReBarCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    UINT GetBandCount() const;
    BOOL GetBandInfo(UINT uBand, REBARBANDINFO* prbbi) const;
    BOOL SetBandInfo(UINT uBand, REBARBANDINFO* prbbi);
    BOOL InsertBand(UINT uIndex, REBARBANDINFO* prbbi);
    BOOL DeleteBand(UINT uBand);
    UINT GetBarHeight() const;
    UINT GetRowCount() const;
    int IdToIndex(UINT uBandID) const;
    void MinimizeBand(UINT uBand);
    void MaximizeBand(UINT uBand, BOOL bIdeal = FALSE);
    void GetRect(UINT uBand, LPRECT prc) const;
};

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
