// CTipDlg: the "Tip of the Day" dialog. It shows one tip at a time from
// "tips.txt" in the current folder, goes on in the next run where this one
// stopped, starts again from the top when the file has changed, and lets the
// user switch the display at start-up off (profile section "Tip").
#pragma once

#include "controls/buttons/ButtonST.h"
#include "framework/dialogs/BaseDlg.h"
#include "framework/dialogs/TipsFile.h"

class CTipDlg : public CBaseDlg
{
    DECLARE_DYNAMIC(CTipDlg)
public:
    enum { IDD = 202 };

    // Reads the settings and the first tip; the caller may look at
    // m_bStartup before running the dialog.
    explicit CTipDlg(CWnd* pParent = nullptr);
    ~CTipDlg() override;

    void OnCancel() override;

    BOOL IsFileOpen() const { return m_file.IsOpen(); }

    CTipsFile m_file;
    BOOL m_bStartup;      // show at start-up; the inverse of "Tip"/"StartUp"
    CString m_strTip;
    CButtonST m_btnClose;
    CButtonST m_btnNextTip;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // The next tip into tip; a file without one leaves it empty.
    void GetNextTipString(CString& tip);

    afx_msg void OnNextTip();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
};
