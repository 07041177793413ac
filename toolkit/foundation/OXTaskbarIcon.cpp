#include "toolkit/foundation/OXTaskbarIcon.h"

#include <string.h>

IMPLEMENT_DYNAMIC(COXTaskbarIcon, CWnd)

BEGIN_MESSAGE_MAP(COXTaskbarIcon, CWnd)
    ON_MESSAGE(WM_OX_TASKBARICON, &COXTaskbarIcon::OnTaskbarIcon)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

COXTaskbarIcon::COXTaskbarIcon() : m_bShowing(FALSE), m_nIconID(0)
{
}

COXTaskbarIcon::~COXTaskbarIcon()
{
    if (::IsWindow(m_hWnd)) {
        if (m_bShowing)
            Hide();
        DestroyWindow();
    }
}

BOOL COXTaskbarIcon::Create(UINT nIconID)
{
    m_nIconID = nIconID;
    LPCTSTR cls = AfxRegisterWndClass(CS_GLOBALCLASS | CS_CLASSDC);
    return CreateEx(0, cls, "", 0, 0, 0, 0, 0, nullptr, nullptr);
}

BOOL COXTaskbarIcon::SetTooltipText(UINT nIDText, BOOL bRefresh)
{
    CString text;
    if (!text.LoadString(nIDText))
        return FALSE;
    return SetTooltipText(text, bRefresh);
}

BOOL COXTaskbarIcon::SetTooltipText(LPCTSTR lpszText, BOOL bRefresh)
{
    if (!::IsWindow(m_hWnd))
        return FALSE;
    SetWindowText(lpszText ? lpszText : "");
    if (m_bShowing && bRefresh)
        return Refresh();
    return TRUE;
}

HICON COXTaskbarIcon::SetIcon(LPCTSTR lpszResourceName, BOOL bRefresh)
{
    HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON);
    HICON icon = ::LoadIconA(module, lpszResourceName);
    if (!icon)
        return nullptr;
    return SetIcon(icon, bRefresh);
}

HICON COXTaskbarIcon::SetIcon(UINT nIDResource, BOOL bRefresh)
{
    return SetIcon(MAKEINTRESOURCEA(nIDResource), bRefresh);
}

HICON COXTaskbarIcon::SetIcon(HICON hIcon, BOOL bRefresh)
{
    if (!::IsWindow(m_hWnd))
        return nullptr;
    HICON previous = reinterpret_cast<HICON>(SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
    if (m_bShowing && bRefresh)
        Refresh();
    return previous;
}

BOOL COXTaskbarIcon::Show()
{
    if (m_bShowing)
        return FALSE;
    if (!Notify(NIM_ADD))
        return FALSE;
    m_bShowing = TRUE;
    return TRUE;
}

BOOL COXTaskbarIcon::Hide()
{
    if (!m_bShowing)
        return FALSE;
    if (!Notify(NIM_DELETE))
        return FALSE;
    m_bShowing = FALSE;
    return TRUE;
}

BOOL COXTaskbarIcon::Refresh()
{
    if (!m_bShowing)
        return FALSE;
    return Notify(NIM_MODIFY);
}

BOOL COXTaskbarIcon::GetTooltipText(CString& sText) const
{
    sText.Empty();
    if (!::IsWindow(m_hWnd))
        return FALSE;
    GetWindowText(sText);
    return TRUE;
}

int COXTaskbarIcon::GetTooltipText(LPTSTR lpszText, int nMaxCount) const
{
    if (lpszText && nMaxCount > 0)
        lpszText[0] = '\0';
    if (!::IsWindow(m_hWnd))
        return 0;
    return GetWindowText(lpszText, nMaxCount);
}

int COXTaskbarIcon::GetTooltipTextBuffer(LPTSTR lpszText, int nMaxCount) const
{
    return GetTooltipText(lpszText, nMaxCount);
}

HICON COXTaskbarIcon::GetIcon() const
{
    if (!::IsWindow(m_hWnd))
        return nullptr;
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, WM_GETICON, ICON_SMALL, 0));
}

void COXTaskbarIcon::FillNotifyData(DWORD dwMessage, NOTIFYICONDATAA& data) const
{
    memset(&data, 0, sizeof(data));
    // The first form of the record: the tip field holds 64 bytes there.
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = m_hWnd;
    data.uID = m_nIconID;
    if (dwMessage == NIM_DELETE)
        return;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_OX_TASKBARICON;
    data.hIcon = GetIcon();
    GetTooltipText(data.szTip, MaxTipLength + 1);
}

BOOL COXTaskbarIcon::Notify(DWORD dwMessage)
{
    NOTIFYICONDATAA data;
    FillNotifyData(dwMessage, data);
    return ::Shell_NotifyIconA(dwMessage, &data);
}

LRESULT COXTaskbarIcon::OnTaskbarIcon(WPARAM wParam, LPARAM lParam)
{
    CWnd* target = GetOwner();
    if (target && target->GetSafeHwnd())
        target->PostMessage(WM_OX_TASKBARICON, wParam, lParam);
    else
        PostMessage(static_cast<UINT>(lParam), 0, 0);
    return -1;
}

void COXTaskbarIcon::OnDestroy()
{
    if (m_bShowing)
        Hide();
    CWnd::OnDestroy();
}
