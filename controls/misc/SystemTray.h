// CSystemTray: one icon with a tip in the taskbar notification area, a
// context menu on a right click, a default command on a left click, and an
// animation that cycles through a list of icons on a timer of its own.
#pragma once

#include "afx/Wnd.h"
#include "controls/misc/TrayAnimation.h"

#include <shellapi.h>

class CSystemTray : public CWnd
{
    DECLARE_DYNAMIC(CSystemTray)
public:
    enum : UINT { AnimationTimerId = 4567 };

    CSystemTray();
    CSystemTray(CWnd* pParent, UINT uCallbackMessage, LPCTSTR szTip, HICON icon, UINT uID);
    ~CSystemTray() override;

    BOOL Create(CWnd* pParent, UINT uCallbackMessage, LPCTSTR szTip, HICON icon, UINT uID);

    BOOL IsEnabled() const { return m_bEnabled; }
    BOOL IsHidden() const { return m_bHidden; }
    void RemoveIcon();
    void HideIcon();
    void ShowIcon();
    void MoveToRight();

    BOOL SetIcon(HICON hIcon);
    BOOL SetIcon(LPCTSTR lpszIconName);
    BOOL SetIcon(UINT nIDResource);
    BOOL SetStandardIcon(LPCTSTR lpIconName);
    BOOL SetStandardIcon(UINT nIDResource);
    HICON GetIcon() const;

    BOOL SetTooltipText(LPCTSTR pszTooltipText);
    BOOL SetTooltipText(UINT nID);
    CString GetTooltipText() const;

    BOOL SetNotificationWnd(CWnd* pNotifyWnd);
    BOOL SetMenuDefaultItem(UINT uItem, BOOL bByPos);
    void GetMenuDefaultItem(UINT& uItem, BOOL& bByPos) const;

    BOOL SetIconList(HICON* pHIconList, UINT nNumIcons);
    BOOL SetIconList(UINT uFirstIconID, UINT uLastIconID);
    BOOL Animate(UINT nDelayMilliSeconds, int nNumSeconds = -1);
    BOOL StepAnimation();
    BOOL StopAnimation();
    const CTrayAnimation& Animation() const { return m_animation; }

    virtual LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL Notify(DWORD dwMessage, UINT uFlags);

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    BOOL m_bEnabled;
    BOOL m_bHidden;
    NOTIFYICONDATAA m_tnd;
    CTrayAnimation m_animation;
    UINT_PTR m_uIDTimer;
    UINT m_DefaultMenuItemID;
    BOOL m_DefaultMenuItemByPos;
};
