#include "framework/dialogs/BaseInputDateDlg.h"

#include "afx/DataExchange.h"
#include "framework/dialogs/InputDlgButtons.h"

namespace {
const UINT DateTemplateId = 231;
}

const char CBaseInputDateDlg::PickerFormat[] = "dddd : dd - MMMM - yyyy  ---  (HH : mm : ss)";

IMPLEMENT_DYNAMIC(CBaseInputDateDlg, CBaseDlg)

BEGIN_MESSAGE_MAP(CBaseInputDateDlg, CBaseDlg)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CBaseInputDateDlg, CBaseDlg)
    DYNAMIC_MAP_ENTRY(InputDatePickerId, ModeStretch, ModeStretch)
    DYNAMIC_MAP_ENTRY(IDOK, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(IDCANCEL, ModeMove, ModeMove)
END_DYNAMIC_MAP()

CBaseInputDateDlg::CBaseInputDateDlg(COleDateTime initial, CString caption, CWnd* pParent)
    : CBaseDlg(DateTemplateId, pParent),
      m_dtInitial(initial),
      m_dtChosen(),
      m_timeChosen(),
      m_strCaption(caption)
{
}

CBaseInputDateDlg::~CBaseInputDateDlg() = default;

void CBaseInputDateDlg::DoDataExchange(CDataExchange* pDX)
{
    CBaseDlg::DoDataExchange(pDX);
    DDX_Control(pDX, InputDatePickerId, m_picker);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
}

BOOL CBaseInputDateDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    DecorateInputButtons(m_btnOK, m_btnCancel);
    SetWindowText(m_strCaption);
    m_picker.SetFormat(PickerFormat);
    m_picker.SetTime(m_dtInitial);
    m_picker.SetFocus();
    return FALSE;
}

void CBaseInputDateDlg::OnOK()
{
    m_picker.GetTime(m_dtChosen);
    SYSTEMTIME st;
    if (m_dtChosen.GetAsSystemTime(st))
        m_timeChosen = CTime(st);
    CBaseDlg::OnOK();
}
