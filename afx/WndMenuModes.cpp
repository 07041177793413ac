// Window relations and modes: descendants, cancelling another window's mode,
// and owner-drawn menu items handed to the permanent CMenu that holds them.
#include "afx/Wnd.h"

#include "afx/Menu.h"

namespace {

// The permanent menu object responsible for item nID: the nearest wrapped
// menu on the way down to the popup that holds the item (a sub-menu item is
// matched by its handle). nullptr when the item is not there or no menu on
// its way is wrapped.
CMenu* FindItemMenu(HMENU hMenu, UINT nID, CMenu* pInherited)
{
    CMenu* here = CMenu::FromHandlePermanent(hMenu);
    if (!here)
        here = pInherited;
    const int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = ::GetSubMenu(hMenu, i)) {
            if (static_cast<UINT>(reinterpret_cast<UINT_PTR>(sub)) == nID)
                return here;
            if (CMenu* found = FindItemMenu(sub, nID, here))
                return found;
        } else if (::GetMenuItemID(hMenu, i) == nID) {
            return here;
        }
    }
    return nullptr;
}

// The menu an owner-drawn item of hWnd's belongs to: the menu being tracked
// when hWnd tracks it, else the window's menu bar.
CMenu* MenuOfItem(HWND hWnd, UINT nID)
{
    const _AFX_THREAD_STATE* menus = AfxGetThreadState();
    HMENU root = menus->m_hTrackingWindow == hWnd ? menus->m_hTrackingMenu : nullptr;
    if (!root && hWnd && !(::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
        root = ::GetMenu(hWnd);
    return root && ::IsMenu(root) ? FindItemMenu(root, nID, nullptr) : nullptr;
}

} // namespace

// Owner-drawn menu items reach the CMenu object of their menu. TRUE when one
// took the message.
BOOL AfxReflectMenuOwnerDraw(HWND hWnd, UINT message, LPARAM lParam)
{
    if (message == WM_MEASUREITEM) {
        LPMEASUREITEMSTRUCT item = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        if (!item || item->CtlType != ODT_MENU)
            return FALSE;
        CMenu* menu = MenuOfItem(hWnd, item->itemID);
        if (!menu)
            return FALSE;
        menu->MeasureItem(item);
        return TRUE;
    }
    if (message == WM_DRAWITEM) {
        LPDRAWITEMSTRUCT item = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        if (!item || item->CtlType != ODT_MENU)
            return FALSE;
        CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(item->hwndItem));
        if (!menu)
            menu = MenuOfItem(hWnd, item->itemID);
        if (!menu)
            return FALSE;
        menu->DrawItem(item);
        return TRUE;
    }
    return FALSE;
}

BOOL AFXAPI AfxIsDescendant(HWND hWndParent, HWND hWndChild)
{
    if (!hWndParent || !hWndChild)
        return FALSE;
    // Up through the parents of child windows; a top-level window's "parent"
    // is its owner, which does not count.
    while (hWndChild && (::GetWindowLongPtrA(hWndChild, GWL_STYLE) & WS_CHILD)) {
        hWndChild = ::GetParent(hWndChild);
        if (hWndChild == hWndParent)
            return TRUE;
    }
    return FALSE;
}

void AFXAPI AfxCancelModes(HWND hWndRcvr)
{
    HWND capture = ::GetCapture();
    if (capture && capture != hWndRcvr)
        ::SendMessageA(capture, WM_CANCELMODE, 0, 0);

    // A combo box drops its list while it has the focus (its edit has it in
    // a drop-down combo).
    HWND focus = ::GetFocus();
    if (!focus || focus == hWndRcvr)
        return;
    char className[16] = "";
    ::GetClassNameA(focus, className, sizeof className);
    HWND combo = nullptr;
    if (lstrcmpiA(className, "ComboBox") == 0) {
        combo = focus;
    } else if (lstrcmpiA(className, "Edit") == 0) {
        HWND parent = ::GetParent(focus);
        ::GetClassNameA(parent, className, sizeof className);
        if (parent && lstrcmpiA(className, "ComboBox") == 0)
            combo = parent;
    }
    if (combo && combo != hWndRcvr && ::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0))
        ::SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
}
