// CSplashDialog: the start-up splash. It shows the product title, a picture,
// a legal notice and a progress bar that advances by time alone, then closes
// itself; nothing is loaded while it runs.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/Dialog.h"
#include "afx/RangeCtrls.h"
#include "controls/label/Label.h"

class CSplashDialog : public CDialog
{
    DECLARE_DYNAMIC(CSplashDialog)
public:
    enum { IDD = 1169 };
    // The progress tick and how long the splash stays.
    enum { TickTimerId = 1014, TickPeriod = 50, DefaultTotalTime = 2000 };

    CSplashDialog(CString title, CWnd* parent = nullptr);
    ~CSplashDialog() override;

    int GetElapsedTime() const { return m_nElapsedTime; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // How long the splash stays, in milliseconds; tests shorten it.
    virtual int GetTotalTime() const { return DefaultTotalTime; }

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CString m_strTitle;
    int m_nTotalTime;
    int m_nElapsedTime;
    CProgressCtrl m_progress;
    CStatic m_status;
    CStatic m_picture;
    CLabel m_title;
    CString m_strNotice;
    CEdit m_notice;
};
