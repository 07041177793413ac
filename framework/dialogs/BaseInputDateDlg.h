// CBaseInputDateDlg: the framework's stock dialog that asks for a date and a
// time with a date-time picker. After IDOK the chosen moment is in
// m_dtChosen and m_timeChosen; both stay zero when the user cancels.
#pragma once

#include "afx/DateTimeCtrl.h"
#include "framework/dialogs/BaseDlg.h"
#include "afx/OleDateTime.h"
#include "afx/Time.h"
#include "controls/buttons/ButtonST.h"

class CBaseInputDateDlg : public CBaseDlg
{
    DECLARE_DYNAMIC(CBaseInputDateDlg)
public:
    CBaseInputDateDlg(COleDateTime initial, CString caption, CWnd* pParent = nullptr);
    ~CBaseInputDateDlg() override;

    // Weekday name, day, month name and year, then the 24-hour time.
    static const char PickerFormat[];

    COleDateTime m_dtInitial;
    COleDateTime m_dtChosen;
    CTime m_timeChosen;
    CString m_strCaption;
    CDateTimeCtrl m_picker;
    CButtonST m_btnOK;
    CButtonST m_btnCancel;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
};
