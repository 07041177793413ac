// CErrorReaderDlg: shows the text of the last crash report, the file the
// crash handler writes into the temporary folder, or "No file" when there is
// none.
#pragma once

#include "afx/BasicCtrls.h"
#include "framework/dialogs/BaseDlg.h"
#include "controls/buttons/ButtonST.h"

class CErrorReaderDlg : public CBaseDlg
{
    DECLARE_DYNAMIC(CErrorReaderDlg)
public:
    explicit CErrorReaderDlg(CWnd* pParent = nullptr);
    ~CErrorReaderDlg() override;

    // The report's text, or "No file".
    static CString ReadLastReport();

    CButtonST m_btnOK;
    CEdit m_editReport;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
