// COXTaskbarIcon: one icon with a tooltip in the taskbar notification area,
// passing the mouse events on it to an owner window. It is a hidden window
// that keeps the icon as its small window icon and the tooltip as its window
// text, so both survive hiding and showing.
#pragma once

#include "afx/Wnd.h"

#include <shellapi.h>

// The shell's callback to the icon window, passed on unchanged to the owner:
// wParam is the icon id, lParam the mouse message.
const UINT WM_OX_TASKBARICON = 0x80A3;

class COXTaskbarIcon : public CWnd
{
    DECLARE_DYNAMIC(COXTaskbarIcon)
public:
    // The most tooltip characters the shell takes (its field holds 64).
    static constexpr int MaxTipLength = 63;

    COXTaskbarIcon();
    // Removes the icon when it is shown and destroys the window.
    ~COXTaskbarIcon() override;

    // Creates the hidden window; nIconID is the id the shell knows the icon by.
    virtual BOOL Create(UINT nIconID = 0);
    // Loads the string first.
    virtual BOOL SetTooltipText(UINT nIDText, BOOL bRefresh = TRUE);
    // The new tooltip; the shown icon is refreshed when bRefresh is set.
    virtual BOOL SetTooltipText(LPCTSTR lpszText, BOOL bRefresh = TRUE);
    // The icon from a resource of the module holding the icon group.
    virtual HICON SetIcon(LPCTSTR lpszResourceName, BOOL bRefresh = TRUE);
    virtual HICON SetIcon(UINT nIDResource, BOOL bRefresh = TRUE);
    // The new icon; returns the previous one.
    virtual HICON SetIcon(HICON hIcon, BOOL bRefresh = TRUE);
    // Adds the icon to the notification area; FALSE when already shown or refused.
    virtual BOOL Show();
    // Removes it; FALSE when not shown or refused.
    virtual BOOL Hide();
    // Gives the shell the present icon and tooltip; FALSE when not shown.
    virtual BOOL Refresh();
    virtual BOOL GetTooltipText(CString& sText) const;
    virtual int GetTooltipText(LPTSTR lpszText, int nMaxCount) const;
    using CWnd::GetIcon;
    // The small window icon.
    virtual HICON GetIcon() const;
    // Shell_NotifyIcon with NIM_ADD, NIM_MODIFY or NIM_DELETE.
    virtual BOOL Notify(DWORD dwMessage);
    // The same as GetTooltipText into a buffer.
    virtual int GetTooltipTextBuffer(LPTSTR lpszText, int nMaxCount) const;

    BOOL IsShowing() const { return m_bShowing; }
    UINT GetIconID() const { return m_nIconID; }

protected:
    // What Notify gives the shell for the message.
    void FillNotifyData(DWORD dwMessage, NOTIFYICONDATAA& data) const;

    afx_msg LRESULT OnTaskbarIcon(WPARAM wParam, LPARAM lParam);
    // The window can go before the object (with its owner): the icon goes with it.
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    BOOL m_bShowing;
    UINT m_nIconID;
};
