// The controls that show or pick a position in a range: CProgressCtrl,
// CSliderCtrl, CSpinButtonCtrl and CScrollBar, each a thin layer over the
// control's own messages.
#pragma once

#include "afx/CtrlCreate.h"
#include "afx/Rect.h"

#include <commctrl.h>

class CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper) { SetRange32(nLower, nUpper); }
    void SetRange32(int nLower, int nUpper) { AfxCtrlSend(this, PBM_SETRANGE32, nLower, nUpper); }
    void GetRange(int& nLower, int& nUpper) const;
    int GetPos() const { return static_cast<int>(AfxCtrlSend(this, PBM_GETPOS)); }
    // Each returns the previous position.
    int SetPos(int nPos) { return static_cast<int>(AfxCtrlSend(this, PBM_SETPOS, nPos)); }
    int OffsetPos(int nPos) { return static_cast<int>(AfxCtrlSend(this, PBM_DELTAPOS, nPos)); }
    int StepIt() { return static_cast<int>(AfxCtrlSend(this, PBM_STEPIT)); }
    int SetStep(int nStep) { return static_cast<int>(AfxCtrlSend(this, PBM_SETSTEP, nStep)); }
    COLORREF SetBarColor(COLORREF clrBar) { return static_cast<COLORREF>(AfxCtrlSend(this, PBM_SETBARCOLOR, 0, clrBar)); }
    COLORREF SetBkColor(COLORREF clrNew) { return static_cast<COLORREF>(AfxCtrlSend(this, PBM_SETBKCOLOR, 0, clrNew)); }
};

class CSliderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    CSliderCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetRangeMin() const { return static_cast<int>(AfxCtrlSend(this, TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(AfxCtrlSend(this, TBM_GETRANGEMAX)); }
    void GetRange(int& nMin, int& nMax) const { nMin = GetRangeMin(); nMax = GetRangeMax(); }
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE) { AfxCtrlSend(this, TBM_SETRANGEMIN, bRedraw, nMin); }
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE) { AfxCtrlSend(this, TBM_SETRANGEMAX, bRedraw, nMax); }
    // Both ends in full 32 bits (TBM_SETRANGE would cut them to 16).
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
    int GetPos() const { return static_cast<int>(AfxCtrlSend(this, TBM_GETPOS)); }
    void SetPos(int nPos) { AfxCtrlSend(this, TBM_SETPOS, TRUE, nPos); }
    int GetLineSize() const { return static_cast<int>(AfxCtrlSend(this, TBM_GETLINESIZE)); }
    int SetLineSize(int nSize) { return static_cast<int>(AfxCtrlSend(this, TBM_SETLINESIZE, 0, nSize)); }
    int GetPageSize() const { return static_cast<int>(AfxCtrlSend(this, TBM_GETPAGESIZE)); }
    int SetPageSize(int nSize) { return static_cast<int>(AfxCtrlSend(this, TBM_SETPAGESIZE, 0, nSize)); }
    void SetTicFreq(int nFreq) { AfxCtrlSend(this, TBM_SETTICFREQ, nFreq); }
    BOOL SetTic(int nTic) { return static_cast<BOOL>(AfxCtrlSend(this, TBM_SETTIC, 0, nTic)); }
    void ClearTics(BOOL bRedraw = FALSE) { AfxCtrlSend(this, TBM_CLEARTICS, bRedraw); }
    UINT GetNumTics() const { return static_cast<UINT>(AfxCtrlSend(this, TBM_GETNUMTICS)); }
    void GetChannelRect(LPRECT lprc) const { AfxCtrlSend(this, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(lprc)); }
    void GetThumbRect(LPRECT lprc) const { AfxCtrlSend(this, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(lprc)); }
};

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The lower end may be above the upper one: the arrows then run backwards.
    void SetRange(short nLower, short nUpper) { AfxCtrlSend(this, UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
    void SetRange32(int nLower, int nUpper) { AfxCtrlSend(this, UDM_SETRANGE32, nLower, nUpper); }
    DWORD GetRange() const { return static_cast<DWORD>(AfxCtrlSend(this, UDM_GETRANGE)); }
    void GetRange(int& nLower, int& nUpper) const;
    void GetRange32(int& nLower, int& nUpper) const { GetRange(nLower, nUpper); }
    // The position, read back from the buddy's text when there is one.
    // GetPos gives the position in the low word and a failure in the high word.
    int GetPos() const { return static_cast<int>(AfxCtrlSend(this, UDM_GETPOS)); }
    int GetPos32(LPBOOL lpbError = nullptr) const { return static_cast<int>(AfxCtrlSend(this, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(lpbError))); }
    int SetPos(int nPos) { return static_cast<int>(AfxCtrlSend(this, UDM_SETPOS32, 0, nPos)); }
    int SetPos32(int nPos) { return SetPos(nPos); }
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
    int SetBase(int nBase) { return static_cast<int>(AfxCtrlSend(this, UDM_SETBASE, nBase)); }
    UINT GetBase() const { return static_cast<UINT>(AfxCtrlSend(this, UDM_GETBASE)); }
    BOOL SetAccel(int nAccel, UDACCEL* pAccel) { return static_cast<BOOL>(AfxCtrlSend(this, UDM_SETACCEL, nAccel, reinterpret_cast<LPARAM>(pAccel))); }
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const { return static_cast<UINT>(AfxCtrlSend(this, UDM_GETACCEL, nAccel, reinterpret_cast<LPARAM>(pAccel))); }
};

class CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    CScrollBar() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE) { return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw); }
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const { ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos); }
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE) { ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw); }
    void ShowScrollBar(BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, SB_CTL, bShow); }
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH) { return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags); }
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    // The largest position the thumb can reach: the maximum less the page, plus one.
    int GetScrollLimit();
};
