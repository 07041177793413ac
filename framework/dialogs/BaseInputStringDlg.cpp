#include "framework/dialogs/BaseInputStringDlg.h"

#include "afx/DataExchange.h"
#include "framework/dialogs/InputDlgButtons.h"

IMPLEMENT_DYNAMIC(CBaseInputStringDlg, CDialog)

BEGIN_MESSAGE_MAP(CBaseInputStringDlg, CDialog)
END_MESSAGE_MAP()

CBaseInputStringDlg::CBaseInputStringDlg(CString initialText, CString caption, UINT templateId, CWnd* pParent)
    : CDialog(templateId, pParent), m_strCaption(caption), m_strInitialText(initialText)
{
}

CBaseInputStringDlg::~CBaseInputStringDlg() = default;

void CBaseInputStringDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, InputTextEditId, m_edit);
}

BOOL CBaseInputStringDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
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
    CDialog::OnOK();
}
