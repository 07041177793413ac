#include "afx/CmdUI.h"

#include "afx/Menu.h"
#include "afx/Wnd.h"

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(nullptr), m_pSubMenu(nullptr), m_pParentMenu(nullptr), m_pOther(nullptr),
      m_hMenu(nullptr), m_hSubMenu(nullptr), m_bEnableChanged(FALSE), m_bContinueRouting(FALSE), m_nIndexMax(0)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_hMenu) {
        // A popup that stands for its first item has no command of its own.
        if (m_hSubMenu)
            return;
        ::EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_pOther) {
        HWND control = m_pOther->m_hWnd;
        // Disabling the control with the focus would leave the keyboard nowhere.
        if (!bOn && ::GetFocus() == control) {
            HWND dialog = ::GetParent(control);
            if (dialog)
                ::SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
        }
        ::EnableWindow(control, bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_hMenu) {
        if (m_hSubMenu)
            return;
        ::CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther) {
        if (::SendMessageA(m_pOther->m_hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            ::SendMessageA(m_pOther->m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_hMenu) {
        if (m_hSubMenu)
            return;
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        if (::GetMenuItemInfoA(m_hMenu, m_nIndex, TRUE, &info)) {
            info.fType = bOn ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~MFT_RADIOCHECK);
            info.fState = bOn ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
            ::SetMenuItemInfoA(m_hMenu, m_nIndex, TRUE, &info);
        }
        return;
    }
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_hMenu) {
        if (m_hSubMenu)
            return;
        const UINT state = ::GetMenuState(m_hMenu, m_nIndex, MF_BYPOSITION);
        const UINT keep = state & (MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_MENUBARBREAK | MF_MENUBREAK);
        ::ModifyMenuA(m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | keep, m_nID, lpszText);
    } else if (m_pOther) {
        ::SetWindowTextA(m_pOther->m_hWnd, lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    // Ids 0 (separators) and 0xFFFF (popups) name no command.
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;
    m_bEnableChanged = FALSE;
    const BOOL handled = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info = { nullptr, nullptr };
        const BOOL hasHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(hasHandler);
    }
    return handled;
}

namespace {

UINT ItemCount(HMENU menu)
{
    const int count = ::GetMenuItemCount(menu);
    return count > 0 ? static_cast<UINT>(count) : 0;
}

} // namespace

void AFXAPI AfxUpdateMenuPopup(CCmdTarget* target, HMENU popup, BOOL disableIfNoHandler)
{
    CCmdUI state;
    state.m_hMenu = popup;
    state.m_pMenu = CMenu::FromHandle(popup);
    // The count is read again at every step: handlers may insert or remove
    // items (the recent-file list rebuilds its part of the menu).
    for (UINT index = 0; index < ItemCount(popup);) {
        const UINT before = ItemCount(popup);
        state.m_nIndex = index;
        state.m_nIndexMax = before;
        state.m_nID = ::GetMenuItemID(popup, static_cast<int>(index));
        if (state.m_nID == static_cast<UINT>(-1)) {
            // A popup item is updated as its first command, and only disabled by
            // its own handler, never for lack of one.
            HMENU sub = ::GetSubMenu(popup, static_cast<int>(index));
            state.m_nID = sub ? ::GetMenuItemID(sub, 0) : 0;
            state.m_hSubMenu = sub;
            state.m_pSubMenu = CMenu::FromHandle(sub);
            if (state.m_nID != 0 && state.m_nID != static_cast<UINT>(-1))
                state.DoUpdate(target, FALSE);
        } else if (state.m_nID != 0) {
            state.m_hSubMenu = nullptr;
            state.m_pSubMenu = nullptr;
            // System commands are the system's business.
            state.DoUpdate(target, disableIfNoHandler && state.m_nID < 0xF000);
        }

        const UINT after = ItemCount(popup);
        if (state.m_nIndex != index || state.m_nIndexMax != before) {
            // The handler placed the position itself (past the items it made).
            index = state.m_nIndex + 1;
        } else {
            // Items removed went with or before this one; items added came
            // after it and are the handler's own, already up to date.
            const long next = static_cast<long>(index) + 1 + (static_cast<long>(after) - static_cast<long>(before));
            index = next > 0 ? static_cast<UINT>(next) : 0;
        }
    }
}

void AFXAPI AfxUpdateDialogControls(CWnd* window, CCmdTarget* target, BOOL disableIfNoHandler)
{
    CCmdUI state;
    CWnd control;
    for (HWND child = ::GetTopWindow(window->m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        control.m_hWnd = child;
        state.m_pOther = &control;
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(child));
        // Buttons other than push buttons have no command to disable for lack
        // of a handler: they are data, not actions.
        BOOL disable = disableIfNoHandler;
        if (disable) {
            const UINT code = static_cast<UINT>(::SendMessageA(child, WM_GETDLGCODE, 0, 0));
            if (code & DLGC_BUTTON) {
                const DWORD type = static_cast<DWORD>(::GetWindowLongPtrA(child, GWL_STYLE)) & BS_TYPEMASK;
                if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON && type != BS_USERBUTTON)
                    disable = FALSE;
            } else {
                disable = FALSE;
            }
        }
        state.DoUpdate(target, disable);
    }
    control.m_hWnd = nullptr;
}
