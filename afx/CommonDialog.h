// CCommonDialog: the base of the system's ready-made dialogs (files, colour,
// font, printer). The system runs their modal loop; a hook binds the dialog
// window to the object when it opens, so a derived class gets the dialog's
// messages through its message map and OnInitDialog as with any CDialog.
#pragma once

#include "afx/Dialog.h"

#include <commdlg.h>

class CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

    // The system's dialog handles its own buttons; these only let it.
    void OnOK() override;
    void OnCancel() override;

protected:
    // Before the system call: the owner window (the parent's top-level
    // window, else the main window's last active popup) and the object the
    // hook binds to the dialog. Every PreModal is matched by a PostModal.
    HWND PreModal();
    void PostModal();
};

// The hook procedure every common dialog is given. On WM_INITDIALOG it binds
// the dialog (for explorer-style file dialogs, the parent of the hook's child
// dialog) to the object started by PreModal, then calls its OnInitDialog.
// An explorer file dialog's notifications (WM_NOTIFY from the dialog to the
// hook's child) go to the object's OnNotify.
UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
