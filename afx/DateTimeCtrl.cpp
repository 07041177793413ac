#include "afx/DateTimeCtrl.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CMonthCalCtrl, CWnd)

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxCreateControl(this, DATETIMEPICK_CLASS, dwStyle, rect, pParentWnd, nID);
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& timeDest) const
{
    SYSTEMTIME time = {};
    const DWORD result = GetTime(&time);
    if (result == GDT_VALID) {
        timeDest = time;
        return TRUE;
    }
    if (result == GDT_NONE) {
        timeDest = COleDateTime();
        timeDest.SetStatus(COleDateTime::null);
        return TRUE;
    }
    return FALSE;
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* pTimeNew)
{
    // "No date" still takes a time record: some pickers refuse a null one.
    SYSTEMTIME unused = {};
    return static_cast<BOOL>(AfxCtrlSend(this, DTM_SETSYSTEMTIME, pTimeNew ? GDT_VALID : GDT_NONE,
                                         reinterpret_cast<LPARAM>(pTimeNew ? pTimeNew : &unused)));
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew)
{
    SYSTEMTIME time = {};
    if (timeNew.GetStatus() != COleDateTime::valid || !timeNew.GetAsSystemTime(time))
        return SetTime(static_cast<const SYSTEMTIME*>(nullptr));
    return SetTime(&time);
}

BOOL CDateTimeCtrl::SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange)
{
    SYSTEMTIME range[2] = {};
    WPARAM flags = 0;
    if (pMinRange) {
        range[0] = *pMinRange;
        flags |= GDTR_MIN;
    }
    if (pMaxRange) {
        range[1] = *pMaxRange;
        flags |= GDTR_MAX;
    }
    return static_cast<BOOL>(AfxCtrlSend(this, DTM_SETRANGE, flags, reinterpret_cast<LPARAM>(range)));
}

CMonthCalCtrl* CDateTimeCtrl::GetMonthCalCtrl() const
{
    return AfxControlFromHandle<CMonthCalCtrl>(reinterpret_cast<HWND>(AfxCtrlSend(this, DTM_GETMONTHCAL)));
}

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxCreateControl(this, MONTHCAL_CLASS, dwStyle, rect, pParentWnd, nID);
}

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID)
{
    if (!Create(dwStyle, CRect(pt.x, pt.y, pt.x, pt.y), pParentWnd, nID))
        return FALSE;
    return SizeMinReq();
}

BOOL CMonthCalCtrl::GetCurSel(COleDateTime& refDateTime) const
{
    SYSTEMTIME time = {};
    if (!GetCurSel(&time))
        return FALSE;
    // The calendar leaves the time fields as they were; a date has none.
    time.wHour = time.wMinute = time.wSecond = time.wMilliseconds = 0;
    refDateTime = time;
    return TRUE;
}

BOOL CMonthCalCtrl::SetCurSel(const COleDateTime& refDateTime)
{
    SYSTEMTIME time = {};
    if (refDateTime.GetStatus() != COleDateTime::valid || !refDateTime.GetAsSystemTime(time))
        return FALSE;
    return SetCurSel(&time);
}

BOOL CMonthCalCtrl::SizeMinReq(BOOL bRepaint)
{
    CRect rect;
    if (!GetMinReqRect(&rect))
        return FALSE;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rect.Width(), rect.Height(),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
    return TRUE;
}
