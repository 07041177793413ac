// CExternalToolDlg: the "External Tools" editor. The application's tools are
// the grid's rows; every edit (add, delete, move, title, command, arguments,
// hot key) goes straight into the application's tool array, which reaches
// its file at application exit.
#pragma once

#include "afx/HotKeyCtrl.h"
#include "controls/buttons/ButtonST.h"
#include "framework/dialogs/BasedGridDlg.h"

class CBasedApp;

class CExternalToolDlg : public CBasedGridDlg
{
    DECLARE_DYNAMIC(CExternalToolDlg)
public:
    explicit CExternalToolDlg(CWnd* pParent = nullptr);
    ~CExternalToolDlg() override;

    void FillGrid() override;
    void UpdateControls() override;
    BOOL OnInitDialog() override;

    CBasedApp* m_pApp;
    CString m_strTitle;
    CString m_strCommand;
    CString m_strArguments;
    CButtonST m_btnAdd;
    CButtonST m_btnDelete;
    CButtonST m_btnUp;
    CButtonST m_btnDown;
    CButtonST m_btnChooseCommand;
    CButtonST m_btnClose;
    CButtonST m_btnDeleteAll;
    CHotKeyCtrl m_hotKey;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Shows the selected tool in the fields (or empties them).
    void OnSelectionChanged();
    // Moves the fields into the controls without their change notices
    // writing the half-updated fields back into a tool.
    void LoadFields();
    // Asks the file dialog for a command; "" when cancelled.
    virtual CString ChooseCommandFile();

    afx_msg void OnDestroy();
    afx_msg void OnGridSelChangedNotify(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnAdd();
    afx_msg void OnDelete();
    afx_msg void OnDeleteAll();
    afx_msg void OnUp();
    afx_msg void OnDown();
    afx_msg void OnChooseCommand();
    afx_msg void OnFieldChange();
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()

    BOOL m_bLoadingFields;
};
