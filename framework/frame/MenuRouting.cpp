#include "framework/frame/MenuRouting.h"

#include "afx/Menu.h"
#include "afx/Wnd.h"
#include "controls/menu/BCMenu.h"

namespace {
int g_nMenuIconSize = 32;
} // namespace

int GetMenuIconSize()
{
    return g_nMenuIconSize;
}

void SetMenuIconSize(int size)
{
    g_nMenuIconSize = size;
}

BOOL MeasureOwnerDrawnMenuItem(LPMEASUREITEMSTRUCT lpMIS)
{
    if (!lpMIS || lpMIS->CtlType != ODT_MENU || lpMIS->itemData == 0)
        return FALSE;
    // Every owner-drawn menu item of the framework carries a BCMenu record as
    // its data, and measuring needs only that record.
    BCMenu measurer;
    measurer.MeasureItem(lpMIS);
    return TRUE;
}

BOOL DrawOwnerDrawnMenuItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (!lpDIS || lpDIS->CtlType != ODT_MENU)
        return FALSE;
    CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lpDIS->hwndItem));
    BCMenu* owned = DYNAMIC_DOWNCAST(BCMenu, menu);
    if (!owned)
        return FALSE;
    owned->DrawItem(lpDIS);
    return TRUE;
}

void EnableMenuItemsByControls(CMenu* pPopup, CWnd* pWnd)
{
    if (!pPopup || !pPopup->GetSafeHmenu() || !pWnd || !pWnd->GetSafeHwnd())
        return;
    int count = static_cast<int>(pPopup->GetMenuItemCount());
    for (int i = 0; i < count; ++i) {
        UINT id = pPopup->GetMenuItemID(i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;
        HWND control = ::GetDlgItem(pWnd->GetSafeHwnd(), static_cast<int>(id));
        if (!control)
            continue;
        pPopup->EnableMenuItem(id, MF_BYCOMMAND | (::IsWindowEnabled(control) ? MF_ENABLED : MF_GRAYED));
    }
}

void TrackOwnerDrawnMenu(CWnd* pOwner, UINT nMenuId, int iconSize, CPoint point, BOOL bFollowControls)
{
    BCMenu::SetIconSize(iconSize, iconSize);
    BCMenu menu;
    if (!menu.LoadMenu(nMenuId))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (popup) {
        if (bFollowControls)
            EnableMenuItemsByControls(popup, pOwner);
        popup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pOwner);
    }
    menu.DestroyMenu();
}
