#include "framework/frame/BasedMainFrame.h"

#include "afx/CmdUI.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/WinApp.h"
#include "afx/WorkArea.h"
#include "controls/bars/ProgressBar.h"
#include "framework/app/BasedApp.h"
#include "framework/app/ExternalTool.h"
#include "framework/dialogs/ExternalToolDlg.h"
#include "framework/crash/MailMsg.h"
#include "framework/frame/MenuRouting.h"
#include "framework/log/LogWindowView.h"
#include "framework/log/Logger.h"
#include "framework/util/ControlFunctions.h"
#include "resources/resource.h"

#include <shellapi.h>

#include <ctime>

namespace {
const char SettingsSection[] = "Settings";
const char KeyX[] = "Main Frame X";
const char KeyY[] = "Main Frame Y";
const char KeyWidth[] = "Main Frame Width";
const char KeyHeight[] = "Main Frame Height";
// The place of a first start, and of a stored size no one could use.
const int DefaultWidth = 800;
const int DefaultHeight = 600;
const char KeyState[] = "Main Frame State";
const char TopmostSection[] = "MainFrame";
const char TopmostKey[] = "Topmost";
const char FrameSection[] = "CBasedMainFrame";
const char FullScreenKey[] = "m_bFullScreen";

// The frame's window style: an overlapped window with the document's title
// in the caption.
const DWORD FrameStyle = 0x00CF8000;
// Rebar control and window styles, and the toolbar's creation style.
const DWORD ReBarCtrlStyle = 0x6400;
const DWORD ReBarWndStyle = 0x10402874;
const DWORD ToolBarWndStyle = 0x50002000;
const DWORD ChevronBandStyle = 0x200;
// A minimised window is parked far above the screen; its position is not one to keep.
const int ParkedTop = -30000;
// Full screen hides the caption and the maximised state and pushes the frame
// this far past each screen edge so its borders fall outside.
const DWORD FullScreenRemovedStyle = 0x01C00000;
const DWORD CaptionStyle = 0x00C00000;
const int FullScreenOverhang = 4;
// Menu 141 holds the frame's own right-click menu; the tray icon uses 142.
const UINT FrameContextMenu = IDR_MENU_FRAME_CONTEXT;
const UINT TrayId = IDR_MENU_TRAY;
const char SupportQuestionText[] = "< Question 1 : >";
const char UnsavedDocumentText[] = "Now document not saved to disk.";
const size_t MailSubjectCapacity = 4096;

CWinApp* App()
{
    return AfxGetApp();
}

CString LocalDateTime()
{
    char text[128] = "";
    time_t now = time(nullptr);
    struct tm local = {};
    localtime_s(&local, &now);
    strftime(text, sizeof text, "%x %X", &local);
    return text;
}
} // namespace

IMPLEMENT_DYNCREATE(CBasedMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CBasedMainFrame, CFrameWnd)
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_WM_MENUCHAR()
    ON_WM_ENTERIDLE()
    ON_MESSAGE(WM_TRAY_NOTIFY, &CBasedMainFrame::OnTrayNotification)
    ON_WM_DESTROY()
    ON_COMMAND(ID_RESTORE_FROM_TRAY, &CBasedMainFrame::OnRestoreFromTray)
    ON_COMMAND(ID_MINIMIZE_TO_TRAY, &CBasedMainFrame::OnMinimizeToTray)
    ON_UPDATE_COMMAND_UI(ID_MINIMIZE_TO_TRAY, &CBasedMainFrame::OnUpdateNoChange)
    ON_COMMAND(ID_ALWAYS_ON_TOP, &CBasedMainFrame::OnAlwaysOnTop)
    ON_UPDATE_COMMAND_UI(ID_ALWAYS_ON_TOP, &CBasedMainFrame::OnUpdateAlwaysOnTop)
    ON_COMMAND(ID_EXTERNAL_TOOLS_EDIT, &CBasedMainFrame::OnExternalToolsEditor)
    ON_UPDATE_COMMAND_UI(ID_EXTERNAL_TOOLS_EDIT, &CBasedMainFrame::OnUpdateExternalToolsMenu)
    ON_COMMAND_RANGE(ID_EXTERNAL_TOOL_FIRST, ID_EXTERNAL_TOOL_LAST, &CBasedMainFrame::OnRunExternalTool)
    ON_COMMAND(ID_FULL_SCREEN, &CBasedMainFrame::OnFullScreen)
    ON_UPDATE_COMMAND_UI(ID_FULL_SCREEN, &CBasedMainFrame::OnUpdateFullScreen)
    ON_COMMAND(ID_MAIL_TO_SUPPORT, &CBasedMainFrame::OnMailToSupport)
    ON_COMMAND(ID_DOCUMENT_PROPERTIES, &CBasedMainFrame::OnDocumentProperties)
    ON_UPDATE_COMMAND_UI(ID_DOCUMENT_PROPERTIES, &CBasedMainFrame::OnUpdateNoChange)
    ON_COMMAND(ID_LOG_WINDOW, &CBasedMainFrame::OnLogWindowCommand)
    ON_UPDATE_COMMAND_UI(ID_LOG_WINDOW, &CBasedMainFrame::OnUpdateLogWindow)
    ON_COMMAND(ID_FRAME_NO_ACTION, &CBasedMainFrame::OnNoAction)
END_MESSAGE_MAP()

CBasedMainFrame::CBasedMainFrame()
    : CFrameWnd(),
      m_wndReBar(),
      m_menu(),
      m_wndStatusBar(),
      m_wndToolBar(),
      m_ilToolBar(),
      m_ilToolBarDisabled(),
      m_nImageCount(24),
      m_nImageSize(32),
      m_clrImageBackground(RGB(192, 192, 192)),
      m_tooltip(),
      m_pProgressBar(nullptr),
      m_trayIcon(),
      m_bFullScreen(0),
      m_bStatusBarWasVisible(0),
      m_rcBeforeFullScreen(),
      m_wpBeforeFullScreen()
{
    if (CWinApp* app = App())
        m_bFullScreen = static_cast<BYTE>(app->GetProfileInt(FrameSection, FullScreenKey, 0));
    SetMenuIconSize(32);
}

CBasedMainFrame::~CBasedMainFrame()
{
    if (CWinApp* app = App())
        app->WriteProfileInt(FrameSection, FullScreenKey, m_bFullScreen);
    delete m_pProgressBar;
    m_pProgressBar = nullptr;
}

BOOL CBasedMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (CWinApp* app = App()) {
        const int x = static_cast<int>(app->GetProfileInt(SettingsSection, KeyX, 0));
        const int y = static_cast<int>(app->GetProfileInt(SettingsSection, KeyY, 0));
        const int cx = static_cast<int>(app->GetProfileInt(SettingsSection, KeyWidth, DefaultWidth));
        const int cy = static_cast<int>(app->GetProfileInt(SettingsSection, KeyHeight, DefaultHeight));
        // A stored place off every screen, or a size no one can use, would
        // keep the window out of reach (and be stored again as it is).
        const CRect place = AfxFitRectToMonitors(CRect(x, y, x + cx, y + cy), CSize(0, 0),
                                                 CSize(DefaultWidth, DefaultHeight));
        cs.x = place.left;
        cs.y = place.top;
        cs.cx = place.Width();
        cs.cy = place.Height();
    }
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style = FrameStyle;
    return TRUE;
}

int CBasedMainFrame::OnCreate(LPCREATESTRUCT /*lpCreateStruct*/)
{
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, ToolBarWndStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;

    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    LoadImageListReplacingColor(IDB_TOOLBAR_IMAGES, &m_ilToolBar, m_nImageSize, m_nImageSize, ILC_COLOR24,
                                m_nImageCount, m_clrImageBackground, face);
    LoadImageListReplacingColor(IDB_TOOLBAR_IMAGES_DISABLED, &m_ilToolBarDisabled, m_nImageSize, m_nImageSize,
                                ILC_COLOR24, m_nImageCount, m_clrImageBackground, face);
    m_wndToolBar.SetImageList(m_ilToolBar.GetSafeHandle());
    m_wndToolBar.SetDisabledImageList(m_ilToolBarDisabled.GetSafeHandle());

    m_wndToolBar.SetWindowText("Main Toolbar");
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);

    if (!m_wndReBar.Create(this, ReBarCtrlStyle, ReBarWndStyle, AFX_IDW_REBAR) ||
        !m_wndReBar.AddBar(&m_wndToolBar, 0, nullptr, ChevronBandStyle))
        return -1;

    SIZE maxSize = {};
    m_wndToolBar.SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&maxSize));
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID | RBBIM_IDEALSIZE;
    band.wID = 0;
    band.cxMinChild = 0;
    band.cyMinChild = maxSize.cy;
    band.cx = maxSize.cx;
    band.cxIdeal = maxSize.cx;
    m_wndReBar.SendMessage(RB_SETBANDINFOA, 0, reinterpret_cast<LPARAM>(&band));

    CreateToolTip();
    if (!m_pProgressBar)
        CreateProgressBar();

    CString tip;
    tip.LoadString(AFX_IDS_APP_TITLE);
    HICON trayIcon = static_cast<HICON>(::LoadImageA(AfxFindResourceHandle(MAKEINTRESOURCE(IDI_TRAY), RT_GROUP_ICON),
                                                     MAKEINTRESOURCE(IDI_TRAY), IMAGE_ICON, 16, 16, 0));
    m_trayIcon.Create(this, WM_TRAY_NOTIFY, tip, trayIcon, TrayId);

    BOOL topmost = App() && App()->GetProfileInt(TopmostSection, TopmostKey, 0) != 0;
    SetWindowPos(topmost ? &CWnd::wndTopMost : &CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    OnLogWindow();
    LogLifeEvent("Application starting ");
    return 0;
}

HMENU CBasedMainFrame::BuildMainMenu()
{
    BCMenu::SetIconSize(GetMenuIconSize(), GetMenuIconSize());
    if (!m_menu.LoadMenu(IDR_MAINFRAME))
        return nullptr;
    m_menu.LoadToolbar(IDR_MAINFRAME);
    m_menu.LoadToolbar(IDR_TOOLBAR_MENU_IMAGES);
    return m_menu.Detach();
}

void CBasedMainFrame::LogLifeEvent(LPCTSTR text)
{
    if (!m_bEnableLog)
        return;
    CString line(text);
    line += LocalDateTime();
    GetLogger().PostTraceEvent(new TraceComment(-1, line));
    GetLogger().PostTraceEvent(new TraceData(-1, ""));
}

// ---- Placement -------------------------------------------------------------------------

void CBasedMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    CBasedApp* based = GetBasedApp();
    if (nType == SIZE_MINIMIZED && based && based->m_bMinimizeToTray)
        based->HideApplication();
    CWinApp* app = App();
    if (!app)
        return;
    app->WriteProfileInt(SettingsSection, KeyState, static_cast<int>(nType));
    if (nType == SIZE_MINIMIZED || nType == SIZE_MAXIMIZED)
        return;
    CRect rect;
    GetWindowRect(&rect);
    if (rect.Width() > 0)
        app->WriteProfileInt(SettingsSection, KeyWidth, rect.Width());
    if (rect.Height() > 0)
        app->WriteProfileInt(SettingsSection, KeyHeight, rect.Height());
}

void CBasedMainFrame::OnMove(int x, int y)
{
    CFrameWnd::OnMove(x, y);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (::GetWindowPlacement(m_hWnd, &placement) && placement.showCmd == SW_SHOWMAXIMIZED)
        return;
    CRect rect;
    GetWindowRect(&rect);
    if (rect.top < ParkedTop)
        return;
    if (CWinApp* app = App()) {
        app->WriteProfileInt(SettingsSection, KeyX, rect.left);
        app->WriteProfileInt(SettingsSection, KeyY, rect.top);
    }
}

// ---- Menus -----------------------------------------------------------------------------

void CBasedMainFrame::OnContextMenu(CWnd* pWnd, CPoint point)
{
    // Views show their own menus.
    if (pWnd) {
        CWnd* parent = pWnd->GetParent();
        if (pWnd->IsKindOf(RUNTIME_CLASS(CView)) || (parent && parent->IsKindOf(RUNTIME_CLASS(CView))))
            return;
    }
    TrackOwnerDrawnMenu(this, FrameContextMenu, GetMenuIconSize(), point, FALSE);
}

void CBasedMainFrame::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (!bSysMenu && BCMenu::IsMenu(pPopupMenu))
        BCMenu::UpdateMenu(pPopupMenu);
}

void CBasedMainFrame::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
{
    if (lpMIS && lpMIS->CtlType == ODT_MENU && BCMenu::IsMenuHandle(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(lpMIS->itemID)))) {
        m_menu.MeasureItem(lpMIS);
        return;
    }
    if (MeasureOwnerDrawnMenuItem(lpMIS))
        return;
    CFrameWnd::OnMeasureItem(nIDCtl, lpMIS);
}

void CBasedMainFrame::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
{
    if (DrawOwnerDrawnMenuItem(lpDIS))
        return;
    CFrameWnd::OnDrawItem(nIDCtl, lpDIS);
}

LRESULT CBasedMainFrame::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    if (BCMenu::IsMenu(pMenu))
        return BCMenu::OnMenuChar(nChar, nFlags, pMenu);
    return CFrameWnd::OnMenuChar(nChar, nFlags, pMenu);
}

void CBasedMainFrame::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    CFrameWnd::OnEnterIdle(nWhy, pWho);
    m_tooltip.OnEnterIdle(nWhy, pWho);
}

// ---- Tooltip, progress bar and tools ------------------------------------------

void CBasedMainFrame::CreateToolTip()
{
    if (!m_tooltip.GetSafeHwnd())
        m_tooltip.Create(this, TRUE);
}

void CBasedMainFrame::CreateProgressBar()
{
    // The progress bar finds its status bar through the main window; this frame
    // is the program's main window even while it is still being created.
    CWinThread* thread = AfxGetThread();
    if (thread && !thread->m_pMainWnd)
        thread->m_pMainWnd = this;
    m_pProgressBar = new CProgressBar("Done", 100, 100, FALSE, 0);
    m_pProgressBar->SetRange(0, 100, 1);
    m_pProgressBar->ShowWindow(SW_HIDE);
}

BOOL CBasedMainFrame::LaunchExternalTool(INT_PTR index)
{
    CBasedApp* app = GetBasedApp();
    if (!app)
        return FALSE;
    return RunExternalTool(app->m_arrTools, index,
                           [app](LPCTSTR text, LPCTSTR caption) { app->WarningMessage(text, caption); });
}

void CBasedMainFrame::RunExternalToolsEditor()
{
    CExternalToolDlg dialog(nullptr);
    dialog.DoModal();
}

BOOL CBasedMainFrame::PreTranslateMessage(MSG* pMsg)
{
    CreateToolTip();
    m_tooltip.RelayEvent(pMsg);
    CBasedApp* app = GetBasedApp();
    if (app && (pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN)) {
        int index = FindExternalToolByHotKey(app->m_arrTools, pMsg->message, pMsg->wParam, GetHotKeyModifierState());
        if (index >= 0) {
            LaunchExternalTool(index);
            return TRUE;
        }
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

void CBasedMainFrame::OnExternalToolsEditor()
{
    RunExternalToolsEditor();
}

void CBasedMainFrame::OnUpdateExternalToolsMenu(CCmdUI* pCmdUI)
{
    CBasedApp* app = GetBasedApp();
    if (!pCmdUI->m_pMenu || !app)
        return;
    UpdateExternalToolsMenu(pCmdUI->m_pMenu, app->m_arrTools);
}

void CBasedMainFrame::OnRunExternalTool(UINT nID)
{
    LaunchExternalTool(static_cast<INT_PTR>(nID) - static_cast<INT_PTR>(ID_EXTERNAL_TOOL_FIRST));
}

// ---- Tray, always on top, full screen --------------------------------------------------

LRESULT CBasedMainFrame::OnTrayNotification(WPARAM wParam, LPARAM lParam)
{
    return m_trayIcon.OnTrayNotification(wParam, lParam);
}

void CBasedMainFrame::OnRestoreFromTray()
{
    if (IsWindowVisible()) {
        ShowWindow(SW_RESTORE);
        return;
    }
    SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    ShowWindow(SW_SHOW);
    BringWindowToTop();
    UpdateWindow();
    SetFocus();
    SetForegroundWindow();
}

void CBasedMainFrame::OnMinimizeToTray()
{
    if (CWinApp* app = App())
        app->HideApplication();
}

void CBasedMainFrame::OnUpdateNoChange(CCmdUI* /*pCmdUI*/)
{
}

void CBasedMainFrame::OnAlwaysOnTop()
{
    CWinApp* app = App();
    if (!app)
        return;
    BOOL wasTopmost = app->GetProfileInt(TopmostSection, TopmostKey, 0) != 0;
    SetWindowPos(wasTopmost ? &CWnd::wndNoTopMost : &CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    app->WriteProfileInt(TopmostSection, TopmostKey, wasTopmost ? 0 : 1);
}

void CBasedMainFrame::OnUpdateAlwaysOnTop(CCmdUI* pCmdUI)
{
    CWinApp* app = App();
    pCmdUI->SetCheck(app && app->GetProfileInt(TopmostSection, TopmostKey, 0) != 0);
}

void CBasedMainFrame::EnterFullScreen()
{
    m_bStatusBarWasVisible = m_wndStatusBar.GetSafeHwnd() && m_wndStatusBar.IsWindowVisible();
    if (m_bStatusBarWasVisible)
        m_wndStatusBar.ShowWindow(SW_HIDE);
    GetWindowRect(&m_rcBeforeFullScreen);
    // The whole placement too: a maximised frame must come back maximised and
    // still know the normal rectangle it restores to.
    m_wpBeforeFullScreen = WINDOWPLACEMENT();
    m_wpBeforeFullScreen.length = sizeof m_wpBeforeFullScreen;
    if (!::GetWindowPlacement(m_hWnd, &m_wpBeforeFullScreen))
        m_wpBeforeFullScreen.length = 0;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(GetStyle() & ~FullScreenRemovedStyle));
    int width = ::GetSystemMetrics(SM_CXSCREEN);
    int height = ::GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(nullptr, -FullScreenOverhang, -FullScreenOverhang, width + 2 * FullScreenOverhang,
                 height + 2 * FullScreenOverhang, SWP_NOZORDER | SWP_FRAMECHANGED);
    RecalcLayout();
    m_bFullScreen = 1;
}

void CBasedMainFrame::LeaveFullScreen()
{
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(GetStyle() | CaptionStyle));
    if (m_bStatusBarWasVisible && m_wndStatusBar.GetSafeHwnd())
        m_wndStatusBar.ShowWindow(SW_SHOW);
    if (m_wpBeforeFullScreen.length && m_wpBeforeFullScreen.showCmd == SW_SHOWMAXIMIZED)
        ::SetWindowPlacement(m_hWnd, &m_wpBeforeFullScreen);
    else if (!m_rcBeforeFullScreen.IsRectEmpty())
        SetWindowPos(nullptr, m_rcBeforeFullScreen.left, m_rcBeforeFullScreen.top, m_rcBeforeFullScreen.Width(),
                     m_rcBeforeFullScreen.Height(), SWP_NOZORDER | SWP_FRAMECHANGED);
    else
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    RecalcLayout();
    m_bFullScreen = 0;
}

void CBasedMainFrame::OnFullScreen()
{
    if (m_bFullScreen == 0)
        EnterFullScreen();
    else
        LeaveFullScreen();
}

void CBasedMainFrame::OnUpdateFullScreen(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bFullScreen);
}

// ---- Log window, mail, properties ------------------------------------------------------

void CBasedMainFrame::OnLogWindow()
{
    CBasedApp* app = GetBasedApp();
    OpenLogWindow(app ? app->m_pLogTemplate : nullptr);
}

void CBasedMainFrame::OnLogWindowCommand()
{
    OnLogWindow();
}

void CBasedMainFrame::OnUpdateLogWindow(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CBasedMainFrame::OnMailToSupport()
{
    CBasedApp* app = GetBasedApp();
    if (!app)
        return;
    CString path = app->GetProgramPath();
    char subject[MailSubjectCapacity] = "";
    _snprintf(subject, sizeof subject - 1, "%s", static_cast<LPCTSTR>("Question by " + path + "\r\n\r\n"));
    CMailMsg mail;
    mail.Initialize();
    mail.SetSubject(subject);
    mail.SetMessage(SupportQuestionText);
    mail.AddTo(app->GetSupportMail(), "");
    mail.Send();
}

void CBasedMainFrame::OnDocumentProperties()
{
    CDocument* doc = GetActiveDocument();
    CString path = doc ? doc->GetPathName() : CString();
    if (path.IsEmpty()) {
        if (CBasedApp* app = GetBasedApp())
            app->WarningMessage(UnsavedDocumentText, "Warning");
        return;
    }
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.hwnd = AfxGetMainWnd() ? AfxGetMainWnd()->GetSafeHwnd() : m_hWnd;
    info.lpVerb = "properties";
    info.lpFile = path;
    info.nShow = SW_SHOW;
    ::ShellExecuteExA(&info);
}

void CBasedMainFrame::OnNoAction()
{
}

void CBasedMainFrame::OnDestroy()
{
    m_trayIcon.RemoveIcon();
    LogLifeEvent("Application exiting ");
    CFrameWnd::OnDestroy();
}
