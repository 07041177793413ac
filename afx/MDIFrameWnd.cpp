#include "afx/MDIFrameWnd.h"

#include "afx/CmdUI.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/MDIChildWnd.h"
#include "afx/Menu.h"
#include "afx/WinApp.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_COMMAND(ID_WINDOW_NEW, &CMDIFrameWnd::OnWindowNew)
    ON_COMMAND_EX_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
    ON_MESSAGE(WM_COMMANDHELP, &CMDIFrameWnd::OnCommandHelp)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(nullptr)
{
}

// ---- The client ------------------------------------------------------------------

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (!hMenuBar || !::IsMenu(hMenuBar))
        return nullptr;
    const int count = ::GetMenuItemCount(hMenuBar);
    for (int i = 0; i < count; ++i)
    {
        HMENU popup = ::GetSubMenu(hMenuBar, i);
        if (!popup)
            continue;
        char text[64] = "";
        ::GetMenuStringA(hMenuBar, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        CString name(text);
        name.Remove('&');
        if (name.CompareNoCase("Window") == 0)
            return popup;
    }
    // By custom the window popup comes just before "Help".
    return count >= 2 ? ::GetSubMenu(hMenuBar, count - 2) : nullptr;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    CMenu* windowMenu = CMenu::FromHandle(GetWindowMenuPopup(::GetMenu(m_hWnd)));
    return CreateClient(lpcs, windowMenu);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = pWindowMenu->GetSafeHmenu();
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    // Scroll bars asked for the frame belong to the client, which scrolls its children.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MDIS_ALLCHILDSTYLES;
    if (lpCreateStruct)
        style |= static_cast<DWORD>(lpCreateStruct->style) & (WS_HSCROLL | WS_VSCROLL);
    ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0, SWP_NOREDRAW | SWP_FRAMECHANGED);
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, style, 0, 0, 0, 0, m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                                        AfxGetInstanceHandle(), &ccs);
    if (!m_hWndMDIClient)
        return FALSE;
    // Below the bars, which may overlap its edge.
    ::SetWindowPos(m_hWndMDIClient, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CMDIFrameWnd::SyncClientEdge()
{
    if (!m_hWndMDIClient)
        return FALSE;
    BOOL maximized = FALSE;
    const HWND active = reinterpret_cast<HWND>(
        ::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
    const LONG_PTR exStyle = ::GetWindowLongPtrA(m_hWndMDIClient, GWL_EXSTYLE);
    LONG_PTR wanted = exStyle | WS_EX_CLIENTEDGE;
    if (active && maximized)
        wanted &= ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    if (wanted == exStyle)
        return FALSE;
    ::SetWindowLongPtrA(m_hWndMDIClient, GWL_EXSTYLE, wanted);
    ::SetWindowPos(m_hWndMDIClient, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

// ---- The children ----------------------------------------------------------------

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL maximized = FALSE;
    HWND active = m_hWndMDIClient ? reinterpret_cast<HWND>(::SendMessageA(
                                        m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)))
                                  : nullptr;
    CMDIChildWnd* child = DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(active));
    if (pbMaximized)
        *pbMaximized = child ? maximized : FALSE;
    return child;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDINext()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDIPrev()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 1);
}

void CMDIFrameWnd::MDICascade()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

void CMDIFrameWnd::MDICascade(int nType)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, static_cast<WPARAM>(nType), 0);
}

void CMDIFrameWnd::MDITile()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDITILE, 0, 0);
}

void CMDIFrameWnd::MDITile(int nType)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDITILE, static_cast<WPARAM>(nType), 0);
}

void CMDIFrameWnd::MDIIconArrange()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    HMENU old = reinterpret_cast<HMENU>(::SendMessageA(m_hWndMDIClient, WM_MDISETMENU,
                                                       reinterpret_cast<WPARAM>(pFrameMenu->GetSafeHmenu()),
                                                       reinterpret_cast<LPARAM>(pWindowMenu->GetSafeHmenu())));
    return CMenu::FromHandle(old);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* child = MDIGetActive();
    return child ? static_cast<CFrameWnd*>(child) : this;
}

// ---- Menu and caption -------------------------------------------------------------

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (CMDIChildWnd* child = MDIGetActive())
    {
        child->OnUpdateFrameMenu(TRUE, child, hMenuAlt);
        return;
    }
    if (!hMenuAlt)
        hMenuAlt = m_hMenuDefault;
    if (!m_hWndMDIClient || !hMenuAlt)
        return;
    ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenuAlt),
                   reinterpret_cast<LPARAM>(GetWindowMenuPopup(hMenuAlt)));
    ::DrawMenuBar(m_hWnd);
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!m_hWnd || !(GetStyle() & FWS_ADDTOTITLE))
        return;
    BOOL maximized = FALSE;
    CMDIChildWnd* child = MDIGetActive(&maximized);
    // A maximized child's title is added by the system: "Frame - [Child]".
    CDocument* doc = nullptr;
    if (bAddToTitle && child && !maximized)
    {
        doc = GetActiveDocument();
        if (!doc)
            doc = child->GetActiveDocument();
    }
    const CString docTitle = doc ? doc->GetTitle() : CString();
    CString title;
    if (doc)
    {
        if (GetStyle() & FWS_PREFIXTITLE)
            title.Format("%s - %s", static_cast<LPCTSTR>(docTitle), static_cast<LPCTSTR>(m_strTitle));
        else
            title.Format("%s - %s", static_cast<LPCTSTR>(m_strTitle), static_cast<LPCTSTR>(docTitle));
    }
    else
        title = m_strTitle;
    // The caption holds the system's addition too; compare with what was set.
    if (title == m_strCaptionSet && ::GetWindowTextLengthA(m_hWnd) > 0)
        return;
    m_strCaptionSet = title;
    SetWindowText(title);
}

// ---- Keys and commands -------------------------------------------------------------

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    // A child has no menu bar: its keys give commands in the frame's name,
    // which routes them to the child.
    CMDIChildWnd* child = MDIGetActive();
    if (child && child->m_hAccelTable && ::TranslateAcceleratorA(m_hWnd, child->m_hAccelTable, pMsg))
        return TRUE;
    if (m_hAccelTable && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    if (!GetActiveView() && (pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) &&
        ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
        return TRUE;
    return FALSE;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active document frame routes to its view and document first.
    CMDIChildWnd* child = MDIGetActive();
    if (child && child->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMDIFrameWnd::OnWindowNew()
{
    // Another frame on the active document, made by its template.
    CMDIChildWnd* child = MDIGetActive();
    CDocument* doc = child ? child->GetActiveDocument() : nullptr;
    CDocTemplate* docTemplate = doc ? doc->GetDocTemplate() : nullptr;
    CFrameWnd* frame = docTemplate ? docTemplate->CreateNewFrame(doc, child) : nullptr;
    if (!frame)
    {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
        return;
    }
    docTemplate->InitialUpdateFrame(frame, doc);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID)
    {
    case ID_WINDOW_ARRANGE: MDIIconArrange(); break;
    case ID_WINDOW_CASCADE: MDICascade(); break;
    case ID_WINDOW_TILE_HORZ: MDITile(MDITILE_HORIZONTAL); break;
    case ID_WINDOW_TILE_VERT: MDITile(MDITILE_VERTICAL); break;
    default: return FALSE;
    }
    return TRUE;
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != nullptr);
}

LRESULT CMDIFrameWnd::OnCommandHelp(WPARAM wParam, LPARAM lParam)
{
    // Help on the menu item being shown when none is named.
    if (lParam == 0 && m_nIDTracking > AFX_IDS_IDLEMESSAGE)
        lParam = static_cast<LPARAM>(0x10000 + m_nIDTracking);
    CMDIChildWnd* child = MDIGetActive();
    if (child && child->SendMessage(WM_COMMANDHELP, wParam, lParam))
        return TRUE;
    if (lParam == 0)
        return FALSE;
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(static_cast<DWORD_PTR>(lParam));
    return TRUE;
}
