// COwnerDrawnMenuHost: the menu handlers every framework window that shows
// the owner-drawn menus needs (the base dialog and the base form view): the
// items are measured and drawn by the menus' own code, a popup is brought up
// to date before it opens and menu mnemonics are looked up in the owner-drawn
// texts. Anything that is not one of those menus goes to the window class.
#pragma once

#include "afx/Menu.h"
#include "afx/Wnd.h"
#include "controls/menu/BCMenu.h"
#include "framework/frame/MenuRouting.h"

template <class TWndBase>
class COwnerDrawnMenuHost : public TWndBase
{
public:
    using TWndBase::TWndBase;

protected:
    // Handlers for the derived class's message map.
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
    {
        TWndBase::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
        if (!bSysMenu && BCMenu::IsMenu(pPopupMenu))
            BCMenu::UpdateMenu(pPopupMenu);
    }
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
    {
        if (!MeasureOwnerDrawnMenuItem(lpMIS))
            TWndBase::OnMeasureItem(nIDCtl, lpMIS);
    }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
    {
        if (!DrawOwnerDrawnMenuItem(lpDIS))
            TWndBase::OnDrawItem(nIDCtl, lpDIS);
    }
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
    {
        if (BCMenu::IsMenu(pMenu))
            return BCMenu::OnMenuChar(nChar, nFlags, pMenu);
        return TWndBase::OnMenuChar(nChar, nFlags, pMenu);
    }
};
