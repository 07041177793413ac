// The month grid that drops down from the calendar control: a header with the
// month between two arrows, the weekday row, six weeks of days, and Today and
// None buttons. Pick runs a captured-mouse loop and answers the chosen date.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/GdiObject.h"
#include "afx/OleDateTime.h"
#include "afx/Wnd.h"

class COXCalendarPopup : public CWnd
{
public:
    COXCalendarPopup();
    ~COXCalendarPopup() override;

    enum { PickEnded = WM_USER + 10, RepeatTimer = 0, RepeatPeriod = 200 };
    enum { MouseNone = 0, MouseToday = 1, MouseNoneButton = 2, MouseGrid = 3 };
    enum { ScrollNone = 0, ScrollPrev = 1, ScrollNext = 2 };

    BOOL Create(CWnd* pOwnerWnd, CFont* pFont);
    // Shows the month of the date (today when it is null or invalid) below
    // the reference; TRUE and the date when the user chose one.
    BOOL Pick(COleDateTime& date, const CRect& rectReference, const COleDateTime& dateMin,
              const COleDateTime& dateMax);

    void SetFirstDayOfWeek(int nLocaleDay) { m_nFirstDayOfWeek = nLocaleDay; }
    int GetFirstDayOfWeek() const { return m_nFirstDayOfWeek; }

    // The grid's first day for a day of the month shown, and the
    // grid's cell at a client point (-1 for none).
    COleDateTime GetFirstGridDate(const COleDateTime& dateInMonth) const;
    int CellFromPoint(CPoint point) const;
    COleDateTime GetDisplayDate() const { return m_dateDisplay; }
    COleDateTime GetSelectedDate() const { return m_dateSelected; }
    CRect GetCellRect(int nCell) const;
    CRect GetPrevRect() const { return m_rectPrev; }
    CRect GetNextRect() const { return m_rectNext; }
    CButton& GetTodayButton() { return m_btnToday; }
    CButton& GetNoneButton() { return m_btnNone; }
    CString GetTitle() const;

    // One month on or back; FALSE when the new month's grid lies wholly
    // outside the range.
    BOOL StepMonth(BOOL bNext);

protected:
    void Layout();
    void SelectDate(COleDateTime date);
    COleDateTime ClampDate(const COleDateTime& date) const;
    void StopRepeat();
    int ArrowAt(CPoint point) const;

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    int m_nMouseMode;
    CButton m_btnTitle;
    CString m_sNoneText;
    CButton m_btnNone;
    CString m_sTodayText;
    CButton m_btnToday;
    CRect m_rectGrid;
    CFont m_font;
    CSize m_sizeWindow;
    CSize m_sizeCell;
    CRect m_rectNext;
    CRect m_rectPrev;
    COleDateTime m_dateSelected;
    COleDateTime m_dateToday;
    int m_nFirstDayOfWeek;
    COleDateTime m_dateMin;
    COleDateTime m_dateMax;
    COleDateTime m_dateDisplay;
    int m_nScroll;
};
