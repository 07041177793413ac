// CAboutDlg: the framework's about box, an animated credits panel. It runs
// modally from the About command and modeless as a start-up splash. The
// credits text's "***" shows the program's version text.
#pragma once

#include "afx/Dialog.h"
#include "controls/progress/ProgressCtrlX.h"
#include "framework/dialogs/AboutCtrl.h"

class CAboutDlg : public CDialog
{
    DECLARE_DYNAMIC(CAboutDlg)
public:
    enum { IDD = 201 };
    enum { PanelId = 1008 };
    // The idle timer of a box that does not scroll.
    enum { IdleTimerId = 1, IdlePeriod = 1000 };

    // A box whose scroll flag is clear deletes itself when its window is gone.
    CAboutDlg(CString credits, int creditsX, BOOL wave, BOOL scroll, CWnd* parent = nullptr);
    ~CAboutDlg() override;

    // Modeless: TRUE when the window was created.
    virtual BOOL Create(CWnd* parent);

    // The credits text with every "***" replaced by the version text.
    static CString FormatCredits(const CString& credits, const CString& version);

    // The application-wide credits text; the next box replaces it again.
    static void SetCreditsText(const CString& text);
    static const CString& GetCreditsText();
    // Allows (non-zero) or forbids (0) the modeless box of ShowModelessSplash.
    static void EnableModelessSplash(int enable);
    // Creates the application-wide modeless box (no parent, credits at x 0,
    // waving logo) when allowed and none exists; FALSE when none was made.
    static BOOL ShowModelessSplash(const CString& credits);
    static CAboutDlg* GetModelessSplash();
    // The application's filter while the modeless box exists: the first key
    // or mouse press anywhere removes it and is eaten.
    static BOOL PreTranslateAppMessage(MSG* pMsg);

    int m_nCreditsX;
    BYTE m_bScroll;
    CAboutCtrl m_ctrl;
    // A gradient progress bar bound to no control of the template; Create sets
    // it up when it has been given a window.
    CProgressCtrlX m_progress;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};
