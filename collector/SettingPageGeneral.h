// CSettingPageGeneral: the page of general options: the tip of the day at
// start-up, the trace log, and the periodic auto-save with its period in
// minutes. Its host shows it and calls SaveSettings when the user confirms;
// FALSE from it means the page's values could not be taken and the host
// should stay open.
#pragma once

#include "afx/BasicCtrls.h"
#include "framework/dialogs/BaseDlg.h"
#include "afx/RangeCtrls.h"

class CSettingPageGeneral : public CBaseDlg
{
    DECLARE_DYNAMIC(CSettingPageGeneral)
public:
    explicit CSettingPageGeneral(CWnd* pParent = nullptr);
    ~CSettingPageGeneral() override;

    // Stores the page into the profile and the running program.
    BOOL SaveSettings() override;

    BOOL m_bShowTips;
    BOOL m_bKeepLog;
    BOOL m_bAutoSave;
    CEdit m_editMinutes;
    CSpinButtonCtrl m_spinMinutes;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnAutoSave();

    DECLARE_MESSAGE_MAP()
};
