#include "afx/ReBarCtrl.h"

IMPLEMENT_DYNAMIC(CReBarCtrl, CWnd)

BOOL CReBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(REBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
}

UINT CReBarCtrl::GetBandCount() const { return static_cast<UINT>(SendMessage(RB_GETBANDCOUNT)); }

BOOL CReBarCtrl::GetBandInfo(UINT uBand, REBARBANDINFO* prbbi) const
{
    return static_cast<BOOL>(SendMessage(RB_GETBANDINFOA, uBand, reinterpret_cast<LPARAM>(prbbi)));
}

BOOL CReBarCtrl::SetBandInfo(UINT uBand, REBARBANDINFO* prbbi)
{
    return static_cast<BOOL>(SendMessage(RB_SETBANDINFOA, uBand, reinterpret_cast<LPARAM>(prbbi)));
}

BOOL CReBarCtrl::InsertBand(UINT uIndex, REBARBANDINFO* prbbi)
{
    return static_cast<BOOL>(SendMessage(RB_INSERTBANDA, uIndex, reinterpret_cast<LPARAM>(prbbi)));
}

BOOL CReBarCtrl::DeleteBand(UINT uBand) { return static_cast<BOOL>(SendMessage(RB_DELETEBAND, uBand)); }
UINT CReBarCtrl::GetBarHeight() const { return static_cast<UINT>(SendMessage(RB_GETBARHEIGHT)); }
UINT CReBarCtrl::GetRowCount() const { return static_cast<UINT>(SendMessage(RB_GETROWCOUNT)); }
int CReBarCtrl::IdToIndex(UINT uBandID) const { return static_cast<int>(SendMessage(RB_IDTOINDEX, uBandID)); }
void CReBarCtrl::MinimizeBand(UINT uBand) { SendMessage(RB_MINIMIZEBAND, uBand); }
void CReBarCtrl::MaximizeBand(UINT uBand, BOOL bIdeal) { SendMessage(RB_MAXIMIZEBAND, uBand, bIdeal); }
void CReBarCtrl::GetRect(UINT uBand, LPRECT prc) const { SendMessage(RB_GETRECT, uBand, reinterpret_cast<LPARAM>(prc)); }
