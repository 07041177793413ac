#include "framework/dialogs/BaseInputStringDlg.h"

#include "afx/DataExchange.h"
#include "framework/dialogs/InputDlgButtons.h"

IMPLEMENT_DYNAMIC(CBaseInputStringDlg, CBaseDlg)

BEGIN_MESSAGE_MAP(CBaseInputStringDlg, CBaseDlg)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CBaseInputStringDlg, CBaseDlg)
    DYNAMIC_MAP_ENTRY(InputTextEditId, ModeStretch, ModeStretch)
    DYNAMIC_MAP_ENTRY(IDOK, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(IDCANCEL, ModeMove, ModeMove)
END_DYNAMIC_MAP()

CBaseInputStringDlg::CBaseInputStringDlg(CString initialText, CString caption, UINT templateId, CWnd* pParent)
    : CBaseDlg(templateId, pParent), m_strCaption(caption), m_strInitialText(initialText)
{
    // A fixed size: the user cannot resize it.
    m_nFreedom = 0;
}

CBaseInputStringDlg::~CBaseInputStringDlg() = default;

void CBaseInputStringDlg::DoDataExchange(CDataExchange* pDX)
{
    CBaseDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, InputTextEditId, m_edit);
}

BOOL CBaseInputStringDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    DecorateInputButtons(m_btnOK, m_btnCancel);
    SetWindowText(m_strCaption);
    m_edit.SetWindowText(m_strInitialText);
    m_edit.SetFocus();
    // The focus was set here.
    return FALSE;
}

void CBaseInputStringDlg::OnOK()
{
    m_edit.GetWindowText(m_strResult);
    CBaseDlg::OnOK();
}
