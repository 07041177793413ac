#include "controls/misc/SystemTray.h"

#include "afx/Menu.h"
#include "afx/WinApp.h"

#include <time.h>

IMPLEMENT_DYNAMIC(CSystemTray, CWnd)

BEGIN_MESSAGE_MAP(CSystemTray, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {
void CopyTip(NOTIFYICONDATAA& nid, LPCTSTR text)
{
    // Tips are cut to 63 characters and the terminator, the classic field's
    // size, whatever room the newer structure has.
    static_assert(sizeof(nid.szTip) >= 64, "tip field");
    lstrcpynA(nid.szTip, text ? text : "", 64);
}
}

CSystemTray::CSystemTray()
    : m_bEnabled(FALSE), m_bHidden(FALSE), m_tnd(), m_animation(), m_uIDTimer(0),
      m_DefaultMenuItemID(0), m_DefaultMenuItemByPos(TRUE)
{
}

CSystemTray::CSystemTray(CWnd* pParent, UINT uCallbackMessage, LPCTSTR szTip, HICON icon, UINT uID)
    : CSystemTray()
{
    Create(pParent, uCallbackMessage, szTip, icon, uID);
}

CSystemTray::~CSystemTray()
{
    StopAnimation();
    RemoveIcon();
    m_animation.ClearIcons();
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CSystemTray::Create(CWnd* pParent, UINT uCallbackMessage, LPCTSTR szTip, HICON icon, UINT uID)
{
    m_bEnabled = LOBYTE(LOWORD(::GetVersion())) >= 4;
    if (!m_bEnabled)
        return FALSE;
    if (!GetSafeHwnd() && !CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr)) {
        m_bEnabled = FALSE;
        return FALSE;
    }
    m_tnd = NOTIFYICONDATAA();
    // The size of the structure actually passed, not a fixed older layout's.
    m_tnd.cbSize = sizeof(m_tnd);
    m_tnd.hWnd = pParent && pParent->GetSafeHwnd() ? pParent->GetSafeHwnd() : m_hWnd;
    m_tnd.uID = uID;
    m_tnd.hIcon = icon;
    m_tnd.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_tnd.uCallbackMessage = uCallbackMessage;
    CopyTip(m_tnd, szTip);
    m_bHidden = FALSE;
    m_bEnabled = ::Shell_NotifyIconA(NIM_ADD, &m_tnd);
    return m_bEnabled;
}

BOOL CSystemTray::Notify(DWORD dwMessage, UINT uFlags)
{
    m_tnd.uFlags = uFlags;
    return ::Shell_NotifyIconA(dwMessage, &m_tnd);
}

void CSystemTray::RemoveIcon()
{
    if (!m_bEnabled)
        return;
    Notify(NIM_DELETE, 0);
    m_bEnabled = FALSE;
}

void CSystemTray::HideIcon()
{
    if (m_bEnabled && !m_bHidden) {
        Notify(NIM_DELETE, NIF_ICON);
        m_bHidden = TRUE;
    }
}

void CSystemTray::ShowIcon()
{
    if (m_bEnabled && m_bHidden) {
        Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
        m_bHidden = FALSE;
    }
}

void CSystemTray::MoveToRight()
{
    HideIcon();
    ShowIcon();
}

BOOL CSystemTray::SetIcon(HICON hIcon)
{
    if (!m_bEnabled)
        return FALSE;
    m_tnd.hIcon = hIcon;
    return Notify(NIM_MODIFY, NIF_ICON);
}

BOOL CSystemTray::SetIcon(LPCTSTR lpszIconName)
{
    HICON hIcon = ::LoadIconA(AfxFindResourceHandle(lpszIconName, RT_GROUP_ICON), lpszIconName);
    return hIcon ? SetIcon(hIcon) : FALSE;
}

BOOL CSystemTray::SetIcon(UINT nIDResource)
{
    return SetIcon(MAKEINTRESOURCE(nIDResource));
}

BOOL CSystemTray::SetStandardIcon(LPCTSTR lpIconName)
{
    HICON hIcon = ::LoadIconA(nullptr, lpIconName);
    return hIcon ? SetIcon(hIcon) : FALSE;
}

BOOL CSystemTray::SetStandardIcon(UINT nIDResource)
{
    return SetStandardIcon(MAKEINTRESOURCE(nIDResource));
}

HICON CSystemTray::GetIcon() const
{
    return m_bEnabled ? m_tnd.hIcon : nullptr;
}

BOOL CSystemTray::SetTooltipText(LPCTSTR pszTooltipText)
{
    if (!m_bEnabled)
        return FALSE;
    CopyTip(m_tnd, pszTooltipText);
    return Notify(NIM_MODIFY, NIF_TIP);
}

BOOL CSystemTray::SetTooltipText(UINT nID)
{
    CString text;
    if (!text.LoadString(nID))
        return FALSE;
    return SetTooltipText(text);
}

CString CSystemTray::GetTooltipText() const
{
    return m_bEnabled ? CString(m_tnd.szTip) : CString();
}

BOOL CSystemTray::SetNotificationWnd(CWnd* pNotifyWnd)
{
    if (!m_bEnabled)
        return FALSE;
    // The shell knows the icon by its owner and id: a new owner cannot be set
    // by a modification (the shell finds no such icon, and the one shown could
    // then never be removed). The icon goes under its old owner and comes back
    // under the new one; without one, the tray's own window takes the
    // callbacks, as when it was created without a parent.
    HWND hOwner = pNotifyWnd ? pNotifyWnd->GetSafeHwnd() : m_hWnd;
    if (!hOwner)
        return FALSE;
    if (hOwner == m_tnd.hWnd)
        return TRUE;
    if (!m_bHidden)
        Notify(NIM_DELETE, 0);
    m_tnd.hWnd = hOwner;
    if (m_bHidden)
        return TRUE;
    return Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
}

BOOL CSystemTray::SetMenuDefaultItem(UINT uItem, BOOL bByPos)
{
    m_DefaultMenuItemID = uItem;
    m_DefaultMenuItemByPos = bByPos;
    return TRUE;
}

void CSystemTray::GetMenuDefaultItem(UINT& uItem, BOOL& bByPos) const
{
    uItem = m_DefaultMenuItemID;
    bByPos = m_DefaultMenuItemByPos;
}

BOOL CSystemTray::SetIconList(HICON* pHIconList, UINT nNumIcons)
{
    m_animation.SetIconList(pHIconList, static_cast<int>(nNumIcons));
    return TRUE;
}

BOOL CSystemTray::SetIconList(UINT uFirstIconID, UINT uLastIconID)
{
    if (uFirstIconID > uLastIconID)
        return FALSE;
    m_animation.ClearIcons();
    for (UINT id = uFirstIconID; id <= uLastIconID; ++id) {
        LPCTSTR name = MAKEINTRESOURCE(id);
        m_animation.AddIcon(::LoadIconA(AfxFindResourceHandle(name, RT_GROUP_ICON), name));
    }
    return TRUE;
}

BOOL CSystemTray::Animate(UINT nDelayMilliSeconds, int nNumSeconds)
{
    StopAnimation();
    m_animation.Start(_time64(nullptr), nNumSeconds, GetIcon());
    m_uIDTimer = GetSafeHwnd() ? SetTimer(AnimationTimerId, nDelayMilliSeconds) : 0;
    return m_uIDTimer != 0;
}

BOOL CSystemTray::StepAnimation()
{
    if (m_animation.GetIconCount() == 0)
        return FALSE;
    return SetIcon(m_animation.Step());
}

BOOL CSystemTray::StopAnimation()
{
    BOOL stopped = FALSE;
    if (m_uIDTimer) {
        stopped = KillTimer(m_uIDTimer);
        m_uIDTimer = 0;
    }
    HICON before = m_animation.Stop();
    if (before && m_bEnabled)
        SetIcon(before);
    return stopped;
}

void CSystemTray::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_uIDTimer || !m_uIDTimer)
        return;
    if (m_animation.IsOver(_time64(nullptr)))
        StopAnimation();
    else
        StepAnimation();
}

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_tnd.uCallbackMessage && message == m_tnd.uCallbackMessage)
        return OnTrayNotification(wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CSystemTray::OnTrayNotification(WPARAM wParam, LPARAM lParam)
{
    if (wParam != m_tnd.uID)
        return 0;
    CMenu menu;
    if (!menu.LoadMenu(m_tnd.uID))
        return 0;
    CMenu* pSubMenu = menu.GetSubMenu(0);
    if (!pSubMenu)
        return 0;
    CWnd* pTarget = AfxGetMainWnd();
    HWND hTarget = pTarget ? pTarget->GetSafeHwnd() : nullptr;
    UINT mouse = LOWORD(lParam);
    if (mouse == WM_RBUTTONUP) {
        ::SetMenuDefaultItem(pSubMenu->GetSafeHmenu(), m_DefaultMenuItemID, m_DefaultMenuItemByPos);
        POINT pos;
        ::GetCursorPos(&pos);
        if (hTarget) {
            ::SetForegroundWindow(hTarget);
            ::TrackPopupMenu(pSubMenu->GetSafeHmenu(), 0, pos.x, pos.y, 0, hTarget, nullptr);
            // Without a message after it the menu does not close when the user clicks elsewhere.
            ::PostMessageA(hTarget, WM_NULL, 0, 0);
        }
    } else if (mouse == WM_LBUTTONDOWN || mouse == WM_LBUTTONDBLCLK) {
        if (hTarget) {
            ::SetForegroundWindow(hTarget);
            UINT uItem = m_DefaultMenuItemByPos ? pSubMenu->GetMenuItemID(static_cast<int>(m_DefaultMenuItemID)) : m_DefaultMenuItemID;
            ::SendMessageA(hTarget, WM_COMMAND, uItem, 0);
        }
    }
    menu.DestroyMenu();
    return 1;
}
