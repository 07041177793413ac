// CBaseInputStringDlg: the framework's stock dialog that asks for one line of
// text. The caller gives the initial text, the caption and a template holding
// the edit 1208 and the OK and Cancel buttons, runs it modally and reads
// m_strResult after IDOK. The dialog cannot be resized.
#pragma once

#include "afx/BasicCtrls.h"
#include "framework/dialogs/BaseDlg.h"
#include "controls/buttons/ButtonST.h"

class CBaseInputStringDlg : public CBaseDlg
{
    DECLARE_DYNAMIC(CBaseInputStringDlg)
public:
    CBaseInputStringDlg(CString initialText, CString caption, UINT templateId, CWnd* pParent = nullptr);
    ~CBaseInputStringDlg() override;

    CString m_strCaption;
    CString m_strInitialText;
    CString m_strResult;       // empty until OK
    CButtonST m_btnOK;
    CButtonST m_btnCancel;
    CEdit m_edit;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
};
