// CReBarCtrl: the common-control rebar window, thin over its RB_ messages.
// CReBar (the frame's bar) is this window holding other bars in its bands.
#pragma once

#include "afx/Wnd.h"

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
