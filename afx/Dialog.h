// CDialog: a dialog box from a resource template or a template in memory,
// modal (DoModal runs its own message loop, so PreTranslateMessage and the
// dialog keys keep working while the owner is disabled) or modeless (Create).
// The dialog window is bound to the object like any window: its messages go
// through the message map before the system's dialog procedure.
#pragma once

#include "afx/Wnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless.
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr,
                                void* lpDialogInit = nullptr);
    virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = nullptr);

    // Modal. Without a parent the dialog is owned by the main window.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr,
                           void* lpDialogInit = nullptr);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = nullptr);
    // The code given to EndDialog; -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Commands the dialog does not handle go on to its owner, then the application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    LPCTSTR m_lpszTemplateName;
    HGLOBAL m_hDialogTemplate;
    LPCDLGTEMPLATE m_lpDialogTemplate;
    void* m_lpDialogInit;
    CWnd* m_pParentWnd;
    UINT m_nIDHelp;

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    // Runs until EndDialog; the message pump of DoModal. Idle time frees the
    // temporary wrappers made after tempMark (those of the dialog's session).
    void RunModalLoop(UINT_PTR tempMark);
    // The window a modal dialog disables while it runs: the top-level window
    // of the parent, else the main window's last active popup; nullptr for none.
    HWND GetModalOwner() const;

    int m_nModalResult;
    BOOL m_bContinueModal;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(LPCDLGTEMPLATE dialogTemplate, HINSTANCE instance, HWND owner);
    LPCDLGTEMPLATE LockTemplate(HINSTANCE* instance) const;
};

// The window a modal dialog or sheet disables while it runs: the top-level
// window of pParentWnd, else the main window's last active popup; nullptr for none.
HWND AFXAPI AfxGetModalOwner(CWnd* pParentWnd);
// One turn of the layer's modal loops: when the queue is empty the temporary
// wrappers made since tempMark (AfxTempMapsMark at the start of the session)
// are freed, so a long modal session does not grow them; then one message is
// taken and dispatched through the thread's PreTranslateMessage. FALSE when
// WM_QUIT came; it is posted again for the loop outside.
BOOL AFXAPI AfxPumpModalMessage(HWND hWndModal, UINT_PTR tempMark);

// The dialog procedure given to the system for every CDialog.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
