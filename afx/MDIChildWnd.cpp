#include "afx/MDIChildWnd.h"

#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/MDIFrameWnd.h"
#include "afx/WinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_NCACTIVATE()
    ON_WM_MOUSEACTIVATE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_MDIACTIVATE, &CMDIChildWnd::HandleMDIActivate)
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(nullptr)
{
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    // Child -> MDI client -> frame.
    HWND client = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    HWND frame = client ? ::GetParent(client) : nullptr;
    return DYNAMIC_DOWNCAST(CMDIFrameWnd, CWnd::FromHandlePermanent(frame));
}

// ---- Creation ------------------------------------------------------------------------

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CHILD;
    // The caption is the document's alone ("Text1"), not "Text1 - Program".
    cs.style &= ~static_cast<LONG>(FWS_PREFIXTITLE);
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (!pParentWnd)
        pParentWnd = DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd());
    if (!pParentWnd || !pParentWnd->m_hWndMDIClient)
    {
        PostNcDestroy();   // a child frame is owned by its window, which never came
        return FALSE;
    }
    m_strTitle = lpszWindowName;

    CREATESTRUCT cs = {};
    cs.style = static_cast<LONG>(dwStyle | WS_CHILD);
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->m_hWndMDIClient;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    // Created hidden and normal; shown below as the style asks.
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    mcs.style = static_cast<DWORD>(cs.style) & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = reinterpret_cast<LPARAM>(cs.lpCreateParams);
    AfxHookWindowCreate(this);
    HWND hWnd = reinterpret_cast<HWND>(
        ::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    AfxUnhookWindowCreate();
    // A bound window that failed has freed this object: touch nothing.
    if (!hWnd)
        return FALSE;
    ASSERT(m_hWnd == hWnd);

    if (cs.style & WS_VISIBLE)
    {
        ::ShowWindow(m_hWnd, (cs.style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                             : (cs.style & WS_MINIMIZE) ? SW_SHOWMINIMIZED
                                                        : SW_SHOWNORMAL);
        MDIActivate();
        ::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
    return TRUE;
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // The creation data of an MDI child is the MDICREATESTRUCT; the context
    // travels in its lParam.
    const MDICREATESTRUCTA* mcs = static_cast<const MDICREATESTRUCTA*>(lpCreateStruct->lpCreateParams);
    CREATESTRUCT cs = *lpCreateStruct;
    cs.lpCreateParams = mcs ? reinterpret_cast<LPVOID>(mcs->lParam) : nullptr;
    return CFrameWnd::OnCreate(&cs);
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString fullString;
    fullString.LoadString(nIDResource);
    CString title;
    CDocTemplate::ExtractDocString(fullString, CDocTemplate::windowTitle, title);
    // The template's menu and keys serve all its frames.
    CDocTemplate* docTemplate = pContext ? pContext->m_pNewDocTemplate : nullptr;
    if (docTemplate)
    {
        m_hMenuShared = docTemplate->m_hMenuShared;
        m_hAccelTable = docTemplate->m_hAccelTable;
    }
    if (!Create(nullptr, title, dwDefaultStyle, rectDefault, DYNAMIC_DOWNCAST(CMDIFrameWnd, pParentWnd), pContext))
        return FALSE;
    const LPCTSTR resource = MAKEINTRESOURCE(nIDResource);
    if (HICON icon = ::LoadIconA(AfxFindResourceHandle(resource, RT_GROUP_ICON), resource))
    {
        SetIcon(icon, TRUE);
        SetIcon(icon, FALSE);
    }
    return TRUE;
}

// ---- Activation --------------------------------------------------------------------

void CMDIChildWnd::MDIActivate()
{
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->MDIActivate(this);
}

void CMDIChildWnd::MDIMaximize()
{
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->MDIMaximize(this);
}

void CMDIChildWnd::MDIRestore()
{
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->MDIRestore(this);
}

void CMDIChildWnd::MDIDestroy()
{
    // The object may be gone when this returns.
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CMDIFrameWnd* frame = GetMDIFrame();
    if (nCmdShow == -1)
    {
        // A new child joins the maximized state of the one before.
        BOOL maximized = FALSE;
        CMDIChildWnd* active = frame ? frame->MDIGetActive(&maximized) : nullptr;
        const DWORD style = GetStyle();
        if ((active && active != this && maximized) || (style & WS_MAXIMIZE))
            nCmdShow = SW_SHOWMAXIMIZED;
        else if (style & WS_MINIMIZE)
            nCmdShow = SW_SHOWMINIMIZED;
        else if (!(style & WS_VISIBLE))
            nCmdShow = SW_SHOWNORMAL;
    }
    if (nCmdShow != -1)
        ::ShowWindow(m_hWnd, nCmdShow);
    MDIActivate();
    if (frame)
    {
        ::SendMessageA(frame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
        ::DrawMenuBar(frame->m_hWnd);
        // The program's frame comes up with its first document.
        if (!frame->IsWindowVisible())
            frame->ActivateFrame(-1);
    }
}

LRESULT CMDIChildWnd::HandleMDIActivate(WPARAM wParam, LPARAM lParam)
{
    HWND activating = reinterpret_cast<HWND>(lParam);
    HWND deactivating = reinterpret_cast<HWND>(wParam);
    OnMDIActivate(activating == m_hWnd, CWnd::FromHandle(activating), CWnd::FromHandle(deactivating));
    return 0;
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*)
{
    Default();
    CMDIFrameWnd* frame = GetMDIFrame();
    CView* view = GetActiveView();
    if (bActivate)
    {
        OnUpdateFrameMenu(TRUE, pActivateWnd, nullptr);
        if (view)
            view->OnActivateView(TRUE, view, view);
    }
    else
    {
        if (view)
            view->OnActivateView(FALSE, view, view);
        // No child takes over: the frame's own menu comes back.
        if (!pActivateWnd || !pActivateWnd->GetSafeHwnd())
            OnUpdateFrameMenu(FALSE, nullptr, nullptr);
    }
    if (frame)
        frame->OnUpdateFrameTitle(TRUE);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* frame = GetMDIFrame();
    if (!frame || !frame->m_hWndMDIClient)
        return;
    if (bActive && pActivateWnd == this)
    {
        if (!hMenuAlt)
            hMenuAlt = m_hMenuShared;
        if (!hMenuAlt)
            hMenuAlt = frame->m_hMenuDefault;
    }
    else if (!bActive && !pActivateWnd)
        hMenuAlt = frame->m_hMenuDefault;
    else
        return;   // the child being activated puts in its own menu
    if (!hMenuAlt)
        return;
    ::SendMessageA(frame->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenuAlt),
                   reinterpret_cast<LPARAM>(frame->GetWindowMenuPopup(hMenuAlt)));
    ::DrawMenuBar(frame->m_hWnd);
}

BOOL CMDIChildWnd::OnNcActivate(BOOL bActive)
{
    // Only the client's active child shows an active caption.
    if (bActive)
    {
        CMDIFrameWnd* frame = GetMDIFrame();
        if (frame && frame->MDIGetActive() != this && ::GetParent(m_hWnd))
        {
            const HWND active = reinterpret_cast<HWND>(
                ::SendMessageA(frame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
            if (active && active != m_hWnd)
                bActive = FALSE;
        }
    }
    return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, static_cast<WPARAM>(bActive), 0));
}

int CMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    const int result = CFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT)
        return result;
    // A click anywhere in the child makes it the active one.
    CMDIFrameWnd* frame = GetMDIFrame();
    if (frame && frame->MDIGetActive() != this)
        MDIActivate();
    return result;
}

void CMDIChildWnd::OnSetFocus(CWnd* pOldWnd)
{
    CMDIFrameWnd* frame = GetMDIFrame();
    if (frame && frame->MDIGetActive() != this && IsWindowVisible())
        MDIActivate();
    CFrameWnd::OnSetFocus(pOldWnd);
}

// ---- Size, caption and end ------------------------------------------------------------

BOOL CMDIChildWnd::UpdateClientEdge(LPRECT lpRect)
{
    CMDIFrameWnd* frame = GetMDIFrame();
    if (!frame || !frame->SyncClientEdge())
        return FALSE;
    // A rectangle in client coordinates follows the client's new border.
    if (lpRect)
    {
        const int edge = ::GetSystemMetrics(SM_CXEDGE);
        const bool hasEdge = (::GetWindowLongPtrA(frame->m_hWndMDIClient, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
        ::InflateRect(lpRect, hasEdge ? -edge : edge, hasEdge ? -edge : edge);
    }
    return TRUE;
}

void CMDIChildWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CFrameWnd::OnWindowPosChanged(lpwndpos);
    UpdateClientEdge();
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    CMDIFrameWnd* frame = GetMDIFrame();
    if (!frame)
        return CFrameWnd::DestroyWindow();
    // The frame's caption would otherwise show each step of the destruction.
    const HWND frameWnd = frame->m_hWnd;
    const LONG_PTR style = ::GetWindowLongPtrA(frameWnd, GWL_STYLE);
    ::SetWindowLongPtrA(frameWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(FWS_ADDTOTITLE));
    MDIDestroy();   // this object may be gone now
    if (::IsWindow(frameWnd) && CWnd::FromHandlePermanent(frameWnd) == frame)
    {
        ::SetWindowLongPtrA(frameWnd, GWL_STYLE, style);
        frame->SyncClientEdge();
        frame->OnUpdateFrameTitle(TRUE);
    }
    return TRUE;
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!m_hWnd)
        return;
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->OnUpdateFrameTitle(bAddToTitle);
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* doc = GetActiveDocument();
    if (!bAddToTitle || !doc)
        return;
    CString title = doc->GetTitle();
    if (m_nWindow > 0)
    {
        CString number;
        number.Format(":%d", m_nWindow);
        title += number;
    }
    CString current;
    GetWindowText(current);
    if (current != title)
        SetWindowText(title);
}
