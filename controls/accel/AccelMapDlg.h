// CAccelMapDlg: the dialog in which the user gives commands new shortcut
// keys: the command names, the selected command's keys, a box that captures
// a key combination and a line naming the command that already holds one.
// It works on the CAcceleratorManager given to it; without one it closes at
// once as cancelled. Resizable, like the program's other dialogs.
#pragma once

#include "controls/accel/AccelDlgHelper.h"
#include "controls/accel/AccelListBox.h"
#include "controls/accel/KeyboardEdit.h"
#include "controls/layout/DynamicDialog.h"

class CAcceleratorManager;

class CAccelMapDlg : public cdxCDynamicDialog
{
    DECLARE_DYNAMIC(CAccelMapDlg)
public:
    CAccelMapDlg(CAcceleratorManager* pManager, CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    CStatic m_staticHolder;
    CKeyboardEdit m_editKey;
    CAccelListBox m_listBindings;
    CListBox m_listCommands;
    CAccelDlgHelper m_helper;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSelChangeCommands();
    afx_msg void OnAssign();
    afx_msg void OnReset();
    afx_msg void OnRefresh();
    DECLARE_MESSAGE_MAP()

private:
    CAcceleratorManager* m_pManager;
};
