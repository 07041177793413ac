// A date field: an edit in which the user types a date and, while it has the
// focus, an arrow button that drops the month grid down. Dates stay within an
// allowed range and are read and written in the locale's form, or through a
// format string of the caller.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/GdiObject.h"
#include "afx/OleDateTime.h"
#include "toolkit/foundation/OXCalendarPopup.h"

class COXCalendar : public CWnd
{
public:
    COXCalendar();
    ~COXCalendar() override;

    enum { EditId = 100 };

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Days count 0 Sunday ... 6 Saturday here.
    BOOL SetFirstDayOfWeek(int nDay);
    int GetFirstDayOfWeek() const { return (m_nFirstDayOfWeek + 1) % 7; }
    BOOL SetDateRange(const COleDateTime& dateMin, const COleDateTime& dateMax);
    void GetDateRange(COleDateTime& dateMin, COleDateTime& dateMax) const;
    BOOL SetDate(const COleDateTime& date);
    // The date the edit holds now.
    COleDateTime GetDate();
    // Reads the edit: null for an empty text, invalid when nothing parses,
    // else valid; the stored date is null unless valid.
    COleDateTime GetDateFromEdit(COleDateTime::DateTimeStatus& status);
    void ShowButton(BOOL bShow);
    BOOL IsButtonShown() const { return m_bShowButton; }
    void SetFormat(LPCTSTR lpszFormat) { m_sFormat = lpszFormat; }
    CString GetFormat() const { return m_sFormat; }
    CEdit& GetEdit() { return m_edit; }
    COXCalendarPopup& GetPopup() { return m_popup; }
    CRect GetButtonRect() const;

    virtual void FormatDate(CString& sText);
    // The edit lost the focus: the date is read, held in range and shown again.
    void OnEditKillFocus();

protected:
    void PreSubclassWindow() override;
    void PostNcDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL SetUpChildren();
    void ClampDate();
    void ShowDate();
    void ForwardToParent(UINT nCode);
    void PlaceEdit();

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnClose();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    DECLARE_MESSAGE_MAP()

    CEdit m_edit;
    CFont m_font;
    COleDateTime m_date;
    COleDateTime m_dateMax;
    COleDateTime m_dateMin;
    int m_nFirstDayOfWeek;
    COXCalendarPopup m_popup;
    HCURSOR m_hCursor;
    BOOL m_bShowButton;
    int m_nButtonWidth;
    CString m_sFormat;
};
