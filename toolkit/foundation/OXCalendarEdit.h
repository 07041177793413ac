// A masked edit for dates in a fixed numeric layout ("DD.MM.YYYY" and the
// like): the date format is also its mask, and the drop button opens the
// system month calendar as a popup that writes the picked date back.
#pragma once

#include "afx/DateTimeCtrl.h"
#include "afx/OleDateTime.h"
#include "toolkit/foundation/OXDropEdit.h"

// The system month calendar shown as a popup.
class COXMonthCalPopup : public CMonthCalCtrl
{
};

class COXCalendarEdit : public COXDropEdit<COXMaskedEdit>
{
    DECLARE_DYNCREATE(COXCalendarEdit)

public:
    COXCalendarEdit();
    explicit COXCalendarEdit(LPCTSTR lpszDateFormat);
    ~COXCalendarEdit() override;

    // Letters D, M and Y mark the digits of day, month and year; everything
    // else is shown as it stands.
    void SetDateFormat(LPCTSTR lpszDateFormat);
    CString GetDateFormat() const { return m_sDateFormat; }

    CString GetInputData() const override;
    void SetInputData(LPCTSTR lpszText) override;
    void OnDropButton() override;
    BOOL InitializeDropEdit() override;
    virtual BOOL IsValidDate(LPCTSTR lpszText) const;
    virtual CString GetInvalidDateText() const;

    // The text of no date: the format with its letters blank.
    CString GetEmptyMask() const;
    // The date a text holds by the format (invalid when it holds none).
    COleDateTime ParseDate(LPCTSTR lpszText) const;
    CString FormatDate(const COleDateTime& date) const;
    COXMonthCalPopup& GetCalendarPopup() { return m_calendarPopup; }

protected:
    // Runs the popup's loop; TRUE and the date when the user picked one.
    BOOL TrackPopup(COleDateTime& date);

    COXMonthCalPopup m_calendarPopup;
    CString m_sDateFormat;
};
