#include "toolkit/bars/skins/OXSkinnedApp.h"

#include "afx/MiniFrameWnd.h"
#include "afx/Wnd.h"
#include "toolkit/bars/skins/OXSkin2003.h"

#include <new>

IMPLEMENT_DYNAMIC(COXSkinnedApp, CWinApp)

COXSkinnedApp::COXSkinnedApp() : CWinApp(nullptr), m_mapSkins(10), m_pCurrentSkin(nullptr)
{
    COXSkin* looks[] = {new (std::nothrow) COXSkinClassic, new (std::nothrow) COXSkinXP,
                        new (std::nothrow) COXSkin2003};
    for (COXSkin* pSkin : looks)
        if (pSkin != nullptr)
            AddSkin(pSkin);
    SetCurrentSkin(_T("Office XP"));
}

COXSkinnedApp::~COXSkinnedApp()
{
    m_pCurrentSkin = nullptr;
    POSITION pos = m_mapSkins.GetStartPosition();
    while (pos != nullptr)
    {
        CString name;
        void* pSkin = nullptr;
        m_mapSkins.GetNextAssoc(pos, name, pSkin);
        delete static_cast<COXSkin*>(pSkin);
    }
    m_mapSkins.RemoveAll();
}

void COXSkinnedApp::AddSkin(COXSkin* pSkin)
{
    if (pSkin != nullptr)
        m_mapSkins.SetAt(pSkin->GetName(), pSkin);
}

BOOL COXSkinnedApp::RemoveSkin(LPCTSTR lpszName)
{
    void* pSkin = nullptr;
    if (m_mapSkins.Lookup(lpszName, pSkin) && pSkin == m_pCurrentSkin)
        m_pCurrentSkin = nullptr;
    return m_mapSkins.RemoveKey(lpszName);
}

COXSkin* COXSkinnedApp::GetSkin(LPCTSTR lpszName) const
{
    void* pSkin = nullptr;
    return m_mapSkins.Lookup(lpszName, pSkin) ? static_cast<COXSkin*>(pSkin) : nullptr;
}

BOOL COXSkinnedApp::SetCurrentSkin(COXSkin* pSkin)
{
    if (pSkin == nullptr)
    {
        m_pCurrentSkin = nullptr;
        return FALSE;
    }
    return SetCurrentSkin(pSkin->GetName());
}

BOOL COXSkinnedApp::SetCurrentSkin(LPCTSTR lpszName)
{
    m_pCurrentSkin = GetSkin(lpszName);
    if (m_pCurrentSkin == nullptr)
        return FALSE;
    CWinThread* pThread = AfxGetThread();
    CWnd* pMainWnd = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    if (pMainWnd != nullptr && ::IsWindow(pMainWnd->GetSafeHwnd()))
        ApplySkin(pMainWnd);
    return TRUE;
}

COXSkin* COXSkinnedApp::GetAppSkin()
{
    auto* pApp = static_cast<COXSkinnedApp*>(AfxDynamicDownCast(RUNTIME_CLASS(COXSkinnedApp), AfxGetApp()));
    return pApp != nullptr ? pApp->GetCurrentSkin() : nullptr;
}

void COXSkinnedApp::ApplySkin(CWnd* pMainWnd)
{
    HWND hMain = pMainWnd->GetSafeHwnd();
    // The floating frames of the main window's bars are top-level windows of their own.
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd == hMain || !AfxIsDescendant(hMain, hWnd))
            continue;
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
            ApplySkinToWindow(hWnd);
    }
    ApplySkinToWindow(hMain);
}

void COXSkinnedApp::ApplySkinToWindow(HWND hWnd)
{
    CRect client;
    ::GetClientRect(hWnd, &client);
    if ((::GetWindowLong(hWnd, GWL_STYLE) & WS_MAXIMIZE) == 0)
        ::SendMessage(hWnd, WM_SIZE, 0, MAKELPARAM(client.Width(), client.Height()));
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        ApplySkinToWindow(hChild);
}
