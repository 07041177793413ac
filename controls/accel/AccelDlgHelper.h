// CAccelDlgHelper: the logic of the shortcut keys dialog, apart from the
// dialog: it fills the command and binding lists from a CAcceleratorManager
// and assigns the captured key combination to the selected command unless
// another command holds it.
#pragma once

#include "afx/BasicCtrls.h"

class CAcceleratorManager;
class CKeyboardEdit;

class CAccelDlgHelper
{
public:
    CAccelDlgHelper();
    virtual ~CAccelDlgHelper();

    void SetManager(CAcceleratorManager* pManager) { m_pManager = pManager; }
    void SetControls(CKeyboardEdit* pEdit, CListBox* pBindings, CListBox* pCommands, CWnd* pHolder);

    void FillCommandList();
    void FillAccelList();
    // FALSE when nothing was assigned (no key, no command, or the key is taken).
    BOOL Assign();
    void ResetAll();

private:
    CAcceleratorManager* m_pManager;
    CKeyboardEdit* m_pEdit;
    CListBox* m_pBindings;
    CListBox* m_pCommands;
    CWnd* m_pHolder;
};
