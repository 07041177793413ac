#include "afx/FrameWnd.h"

#include "afx/ControlBar.h"
#include "afx/DocManager.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/Menu.h"
#include "afx/MiniFrameWnd.h"
#include "afx/WinApp.h"

#include <commctrl.h>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_ENTERIDLE()
    ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_REBAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_REBAR, &CFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, &CFrameWnd::OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, &CFrameWnd::OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, &CFrameWnd::OnUpdateKeyIndicator)
END_MESSAGE_MAP()

namespace
{
// No prompt is shown (m_nIDTracking / m_nIDLastMessage).
const UINT kNoPrompt = 0;
}

CFrameWnd::CFrameWnd()
    : m_bAutoMenuEnable(TRUE), m_hMenuDefault(nullptr), m_hAccelTable(nullptr), m_nIDHelp(0), m_dwDockStyle(0),
      m_pFloatingFrameClass(RUNTIME_CLASS(CMiniDockFrameWnd)), m_nShowDelay(-1), m_rectBorder(0, 0, 0, 0),
      m_pViewActive(nullptr), m_nIDTracking(kNoPrompt), m_nIDLastMessage(kNoPrompt), m_bInRecalcLayout(FALSE),
      m_bLayoutDue(FALSE)
{
}

CFrameWnd::~CFrameWnd()
{
    // Bars outlive the frame's window only as objects: they must not reach back.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;)
        static_cast<CControlBar*>(m_listControlBars.GetNext(pos))->m_pDockSite = nullptr;
    if (m_hMenuDefault && !(m_hWnd && ::GetMenu(m_hWnd) == m_hMenuDefault))
        ::DestroyMenu(m_hMenuDefault);
}

BOOL CFrameWnd::IsFrameWnd() const
{
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // Captions read "Document - Program", the shell's convention.
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                           m_nIDHelp ? AfxGetApp() ? AfxGetApp()->LoadIcon(m_nIDHelp) : nullptr
                                                     : nullptr);
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU menu = nullptr;
    if (lpszMenuName)
    {
        HINSTANCE module = AfxFindResourceHandle(lpszMenuName, RT_MENU);
        menu = ::LoadMenuA(module, lpszMenuName);
        if (!menu)
            return FALSE;
    }
    m_strTitle = lpszWindowName;
    // A top-level frame has no control id: the menu takes that slot.
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr,
                  menu, pContext))
    {
        if (menu)
            ::DestroyMenu(menu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString fullString;
    fullString.LoadString(nIDResource);
    CString title;
    CDocTemplate::ExtractDocString(fullString, CDocTemplate::windowTitle, title);
    const LPCTSTR resource = MAKEINTRESOURCE(nIDResource);
    HINSTANCE module = AfxFindResourceHandle(resource, RT_MENU);
    if (::FindResourceA(module, resource, RT_MENU) == nullptr)
        module = nullptr;
    if (!Create(nullptr, title, dwDefaultStyle, rectDefault, pParentWnd, module ? resource : nullptr, 0, pContext))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    HINSTANCE accelModule = AfxFindResourceHandle(resource, RT_ACCELERATOR);
    if (!m_hAccelTable)
        m_hAccelTable = ::LoadAcceleratorsA(accelModule, resource);
    if (HICON icon = ::LoadIconA(AfxFindResourceHandle(resource, RT_GROUP_ICON), resource))
    {
        SetIcon(icon, TRUE);
        SetIcon(icon, FALSE);
    }
    // A frame of a document template shows the template's own menu and keys.
    if (pContext && pContext->m_pNewDocTemplate && pContext->m_pNewDocTemplate->m_hMenuShared && !m_hMenuDefault)
        ::SetMenu(m_hWnd, pContext->m_pNewDocTemplate->m_hMenuShared);
    if (pContext && pContext->m_pNewDocTemplate && pContext->m_pNewDocTemplate->m_hAccelTable && !m_hAccelTable)
        m_hAccelTable = pContext->m_pNewDocTemplate->m_hAccelTable;
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* context = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    if (!OnCreateClient(lpcs, context))
        return -1;
    RecalcLayout();
    // "Ready" once the derived frame has made its status bar.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext && pContext->m_pNewViewClass)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CWnd* view = static_cast<CWnd*>(pContext->m_pNewViewClass->CreateObject());
    if (!view)
        return nullptr;
    ASSERT_KINDOF(CWnd, view);
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID, pContext))
    {
        // A window never made leaves the object to us; a made one freed itself.
        if (!view->GetSafeHwnd())
            delete view;
        return nullptr;
    }
    return view;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    // Bars made by the derived OnCreate came after the first layout.
    RecalcLayout();
    CView* view = GetActiveView();
    if (!view)
    {
        CWnd* pane = GetDlgItem(AFX_IDW_PANE_FIRST);
        view = pane ? DYNAMIC_DOWNCAST(CView, CWnd::FromHandlePermanent(pane->GetSafeHwnd())) : nullptr;
        if (view)
            SetActiveView(view, FALSE);
    }
    // Every view of this frame gets its initial update once.
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (bMakeVisible)
    {
        if (view)
            view->OnActivateFrame(WA_INACTIVE, this);
        int show = -1;
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == this)
        {
            show = app->m_nCmdShow;
            app->m_nCmdShow = -1;   // only the first frame takes the start-up state
        }
        ActivateFrame(show);
        if (view)
            view->OnActivateView(TRUE, view, view);
    }
    (void)pDoc;
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!::IsWindowVisible(m_hWnd))
            nCmdShow = SW_SHOWNORMAL;
        else if (::IsIconic(m_hWnd))
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ::ShowWindow(m_hWnd, nCmdShow);
    if (::IsWindowVisible(m_hWnd))
    {
        ::BringWindowToTop(m_hWnd);
        ::SetForegroundWindow(m_hWnd);
    }
}

// ---- Views -------------------------------------------------------------------

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* old = m_pViewActive;
    if (pViewNew == old)
        return;
    m_pViewActive = nullptr;   // no commands reach a view half switched
    if (old && bNotify)
        old->OnActivateView(FALSE, pViewNew, old);
    m_pViewActive = pViewNew;
    if (pViewNew && bNotify)
        pViewNew->OnActivateView(TRUE, pViewNew, old);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

// ---- Command routing -----------------------------------------------------------

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view first (it passes on to its document), then the frame,
    // then the application.
    if (CView* view = m_pViewActive)
        if (view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // A command from a menu or accelerator clears the prompt it showed.
    if (lParam == 0 && m_nIDTracking != kNoPrompt)
    {
        m_nIDTracking = kNoPrompt;
        SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

// ---- Closing -----------------------------------------------------------------------

void CFrameWnd::OnClose()
{
    // The document decides: it may ask to save, and a Cancel keeps the frame.
    CDocument* doc = GetActiveDocument();
    if (doc && !doc->CanCloseFrame(this))
        return;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
    {
        if (!doc && app->m_pDocManager && !app->m_pDocManager->SaveAllModified())
            return;
        // The last frame takes every document with it.
        if (app->m_pDocManager)
            app->m_pDocManager->CloseAllDocuments(FALSE);
        if (!::IsWindow(m_hWnd))
            return;   // closing the documents destroyed the frame
    }
    else if (doc)
    {
        // Destroying the frame destroys the view, which closes its document.
        doc->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    // The menu of a template is shared: it must outlive this window.
    if (HMENU menu = ::GetMenu(m_hWnd))
        if (menu != m_hMenuDefault)
            ::SetMenu(m_hWnd, nullptr);
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy()
{
    // A main window has already been let go by the window procedure, which
    // ended its thread's message loop. Frames are always made with new (by
    // templates or the program).
    delete this;
}

// ---- Layout -------------------------------------------------------------------------

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    // Floating bars go and come back with their frame.
    if (nType == SIZE_MINIMIZED) {
        NotifyFloatingWindows(FS_HIDE);
    } else {
        if (::IsWindowVisible(m_hWnd))
            NotifyFloatingWindows(FS_SHOW);
        RecalcLayout();
    }
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive && m_pViewActive->GetSafeHwnd())
        ::SetFocus(m_pViewActive->m_hWnd);
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    // The floating frames' captions follow the frame's.
    NotifyFloatingWindows(nState != WA_INACTIVE ? FS_ACTIVATE : FS_DEACTIVATE);
    if (m_pViewActive)
        m_pViewActive->OnActivateFrame(nState, this);
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* bar = GetControlBar(pCmdUI->m_nID);
    if (!bar)
    {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((bar->GetStyle() & WS_VISIBLE) != 0);
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* bar = GetControlBar(nID);
    if (!bar)
        return FALSE;
    ShowControlBar(bar, (bar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

BOOL CFrameWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    // The frame's own tools (EnableToolTips) show their command's tip. A
    // tool that is a child window has the child's handle for its id, past
    // any range a map entry could name.
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if ((header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW) && AfxToolTipTextFromCommand(header)) {
        *pResult = 0;
        return TRUE;
    }
    return FALSE;
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int key = 0;
    switch (pCmdUI->m_nID)
    {
    case ID_INDICATOR_CAPS: key = VK_CAPITAL; break;
    case ID_INDICATOR_NUM: key = VK_NUMLOCK; break;
    case ID_INDICATOR_SCRL: key = VK_SCROLL; break;
    default: pCmdUI->ContinueRouting(); return;
    }
    // The low bit is the toggle: the lock is on.
    pCmdUI->Enable((::GetKeyState(key) & 1) != 0);
}

// ---- Idle updates and prompts ------------------------------------------------------------

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_bLayoutDue)
        RecalcLayout();
    // The bars are children: WM_IDLEUPDATECMDUI reaches them from the
    // application's idle loop directly. Floating bars are not: their frames
    // are popups, so the update is passed on to them here.
    UpdateFloatingFrames(static_cast<BOOL>(wParam));
    OnUpdateFrameTitle(TRUE);
    return 0;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu)
{
    CWnd::OnInitMenuPopup(pMenu, nIndex, bSysMenu);
    if (bSysMenu || !pMenu)
        return;
    AfxUpdateMenuPopup(this, pMenu->GetSafeHmenu(), m_bAutoMenuEnable);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    (void)hSysMenu;
    // A closed menu (0xFFFF, no handle) brings "Ready" back; popups and
    // separators show nothing of their own.
    if (nFlags == 0xFFFF)
    {
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;
        SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        m_nIDTracking = kNoPrompt;
        return;
    }
    if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        m_nIDTracking = kNoPrompt;
    else
        m_nIDTracking = nItemID;
    SendMessage(WM_SETMESSAGESTRING, m_nIDTracking ? m_nIDTracking : AFX_IDS_IDLEMESSAGE);
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    CWnd::OnEnterIdle(nWhy, pWho);
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDlgItem(AFX_IDW_STATUS_BAR);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    rMessage.Empty();
    CString full;
    if (!full.LoadString(nID))
        return;
    const int newline = full.Find('\n');
    rMessage = newline < 0 ? full : full.Left(newline);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    CWnd* bar = GetMessageBar();
    if (!bar)
        return 0;
    CString text;
    if (lParam)
        text = reinterpret_cast<LPCTSTR>(lParam);
    else if (wParam)
        GetMessageString(static_cast<UINT>(wParam), text);
    bar->SetWindowText(text);
    const UINT old = m_nIDLastMessage;
    m_nIDLastMessage = static_cast<UINT>(wParam);
    return static_cast<LRESULT>(old);
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID);
}

// ---- Title ------------------------------------------------------------------------------

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!m_hWnd || !(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* doc = GetActiveDocument();
    UpdateFrameTitleForDocument(bAddToTitle && doc ? static_cast<LPCTSTR>(doc->GetTitle()) : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString title;
    if (lpszDocName && *lpszDocName)
    {
        if (GetStyle() & FWS_PREFIXTITLE)
            title.Format("%s - %s", lpszDocName, (LPCTSTR)m_strTitle);
        else
            title.Format("%s - %s", (LPCTSTR)m_strTitle, lpszDocName);
    }
    else
        title = m_strTitle;
    CString current;
    GetWindowText(current);
    if (current != title)   // repainting the caption at every idle would flicker
        SetWindowText(title);
}
