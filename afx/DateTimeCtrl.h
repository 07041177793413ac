// CDateTimeCtrl (the date and time picker) and CMonthCalCtrl (the month
// calendar) as objects; times go in and out as SYSTEMTIME or COleDateTime.
#pragma once

#include "afx/CtrlCreate.h"
#include "afx/OleDateTime.h"
#include "afx/Rect.h"

#include <commctrl.h>

class CMonthCalCtrl;

class CDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    CDateTimeCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // GDT_VALID with the time, or GDT_NONE when a DTS_SHOWNONE picker is unchecked.
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const { return static_cast<DWORD>(AfxCtrlSend(this, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pTimeDest))); }
    // A null status when the picker holds no time.
    BOOL GetTime(COleDateTime& timeDest) const;
    // nullptr clears a DTS_SHOWNONE picker.
    BOOL SetTime(const SYSTEMTIME* pTimeNew);
    // A null or invalid date clears the picker.
    BOOL SetTime(const COleDateTime& timeNew);
    BOOL SetFormat(LPCTSTR pstrFormat) { return static_cast<BOOL>(AfxCtrlSend(this, DTM_SETFORMAT, 0, reinterpret_cast<LPARAM>(pstrFormat))); }
    BOOL SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange);
    COLORREF SetMonthCalColor(int iColor, COLORREF ref) { return static_cast<COLORREF>(AfxCtrlSend(this, DTM_SETMCCOLOR, iColor, ref)); }
    // The drop-down calendar while it is open, else nullptr.
    CMonthCalCtrl* GetMonthCalCtrl() const;
};

class CMonthCalCtrl : public CWnd
{
    DECLARE_DYNAMIC(CMonthCalCtrl)
public:
    CMonthCalCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // At pt, sized to the smallest rectangle that shows one whole month.
    BOOL Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID);

    BOOL GetCurSel(LPSYSTEMTIME pDateTime) const { return static_cast<BOOL>(AfxCtrlSend(this, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(pDateTime))); }
    BOOL GetCurSel(COleDateTime& refDateTime) const;
    BOOL SetCurSel(const SYSTEMTIME* pDateTime) { return static_cast<BOOL>(AfxCtrlSend(this, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(pDateTime))); }
    BOOL SetCurSel(const COleDateTime& refDateTime);
    void SetToday(const SYSTEMTIME* pDateTime) { AfxCtrlSend(this, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(pDateTime)); }
    BOOL GetToday(LPSYSTEMTIME pDateTime) const { return static_cast<BOOL>(AfxCtrlSend(this, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(pDateTime))); }
    BOOL GetMinReqRect(RECT* pRect) const { return static_cast<BOOL>(AfxCtrlSend(this, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(pRect))); }
    BOOL SizeMinReq(BOOL bRepaint = TRUE);
    DWORD HitTest(PMCHITTESTINFO pMCHitTest) { return static_cast<DWORD>(AfxCtrlSend(this, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(pMCHitTest))); }
    COLORREF SetColor(int nRegion, COLORREF ref) { return static_cast<COLORREF>(AfxCtrlSend(this, MCM_SETCOLOR, nRegion, ref)); }
};
