// CCmdUI: the state of one command's user interface (a menu item, a control,
// later a toolbar button or a status pane) handed to ON_UPDATE_COMMAND_UI
// handlers, which enable, check or rename it. Bars derive from it.
#pragma once

#include "afx/Afx.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);   // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    // The handler declines: the command goes on to the next target.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks the target to update this item; disables it when no target
    // handles the command and bDisableIfNoHndler is set.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID;
    UINT m_nIndex;            // position of the menu item
    CMenu* m_pMenu;           // the menu being updated (temporary wrapper), or nullptr
    CMenu* m_pSubMenu;        // the popup whose first item stands for this item, or nullptr
    CMenu* m_pParentMenu;
    CWnd* m_pOther;           // a control or bar, when the item is not a menu item
    HMENU m_hMenu;            // handles behind m_pMenu / m_pSubMenu
    HMENU m_hSubMenu;
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;         // item count of the menu; handlers that add or remove items update it
};

// Takes the state update handlers give a command that is shown nowhere (no
// menu item, no control): an accelerator's command, or a button of another
// window asking its owner. Check marks and texts have nothing to change.
class CCmdUIState : public CCmdUI
{
public:
    explicit CCmdUIState(UINT nID, BOOL bEnabled = TRUE) : m_bEnabled(bEnabled) { m_nID = nID; }
    void Enable(BOOL bOn = TRUE) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    BOOL m_bEnabled;
};

// Updates the items of a popup menu about to be shown (WM_INITMENUPOPUP) by
// asking target for each one. Handlers may insert or remove items while this
// runs (the recent-file list does): the count is read again after each item.
void AFXAPI AfxUpdateMenuPopup(CCmdTarget* target, HMENU popup, BOOL disableIfNoHandler);

// Enables or disables the controls of a dialog or bar by their update
// handlers in target (CWnd::UpdateDialogControls).
void AFXAPI AfxUpdateDialogControls(CWnd* window, CCmdTarget* target, BOOL disableIfNoHandler);
