// cdxCDynamicBar: a sizing bar that hosts a child dialog (cdxCDynamicBarDlg)
// whose controls follow the bar's size by the dialog's layout map. The
// dialog's size is the bar's minimum; commands go to the dialog first.
#pragma once

#include "controls/bars/SizingControlBar.h"
#include "controls/layout/DynamicDialog.h"

class cdxCDynamicBarDlg : public cdxCDynamicDialog
{
    DECLARE_DYNAMIC(cdxCDynamicBarDlg)
public:
    // A child of the bar: no grip (the bar's edge sizes it) and no placement
    // of its own in the profile.
    explicit cdxCDynamicBarDlg(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr)
        : cdxCDynamicDialog(nIDTemplate, pParentWnd, FreedomBoth, FlagSizingRedraw)
    {
        NoAutoPos();
    }
    // A child dialog has no OK or Cancel to end it: Enter and Escape do nothing.
    void OnOK() override {}
    void OnCancel() override {}
};

// Registered by name only; nothing in the program derives from it yet.
class cdxCDynamicChildDlg : public cdxCDynamicDialog
{
    DECLARE_DYNAMIC(cdxCDynamicChildDlg)
public:
    explicit cdxCDynamicChildDlg(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr)
        : cdxCDynamicDialog(nIDTemplate, pParentWnd, FreedomBoth, FlagSizingRedraw)
    {
        NoAutoPos();
    }
};

class cdxCDynamicBar : public CSizingControlBar
{
    DECLARE_DYNAMIC(cdxCDynamicBar)
public:
    // The dialog is made by the bar (template nIDDialog) unless one is given.
    explicit cdxCDynamicBar(UINT nIDDialog = 0, cdxCDynamicBarDlg* pDlg = nullptr);
    ~cdxCDynamicBar() override;

    BOOL Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP) override;
    // Creates from a dialog template held in memory (for bars built in code).
    BOOL CreateIndirect(LPCTSTR lpszWindowName, CWnd* pParentWnd, LPCDLGTEMPLATE lpTemplate, BOOL bHasGripper,
                        UINT nID, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);

    cdxCDynamicBarDlg* GetDialog() const { return m_pDlg; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    BOOL AfterDialog();

    UINT m_nIDDialog;
    cdxCDynamicBarDlg* m_pDlg;
    bool m_bOwnDlg;
};
