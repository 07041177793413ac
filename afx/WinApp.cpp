#include "afx/WinApp.h"

#include "afx/AfxRes.h"
#include "afx/CmdUI.h"
#include "afx/DocManager.h"
#include "afx/Exception.h"
#include "afx/RecentFileList.h"

#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

CWinApp* g_app = nullptr;

LPTSTR Duplicate(LPCTSTR text)
{
    return text ? _strdup(text) : nullptr;
}

void Replace(LPCTSTR& member, LPCTSTR text)
{
    LPTSTR copy = Duplicate(text);
    free(const_cast<LPTSTR>(member));
    member = copy;
}

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::OnOpenRecentFile)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(Duplicate(lpszAppName)), m_pszExeName(nullptr), m_pszHelpFilePath(nullptr),
      m_pszRegistryKey(nullptr), m_pszProfileName(nullptr), m_hInstance(nullptr), m_hPrevInstance(nullptr),
      m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL), m_pRecentFileList(nullptr), m_pDocManager(nullptr),
      m_nWaitCursorCount(0),
      m_hcurWaitCursorRestore(nullptr)
{
    // One application object per process, built on the thread that will run it.
    ASSERT(g_app == nullptr);
    g_app = this;
    m_bAutoDelete = FALSE;
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
    AfxSetThread(this);
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    delete m_pRecentFileList;
    free(const_cast<LPTSTR>(m_pszAppName));
    free(const_cast<LPTSTR>(m_pszExeName));
    free(const_cast<LPTSTR>(m_pszHelpFilePath));
    free(const_cast<LPTSTR>(m_pszRegistryKey));
    free(const_cast<LPTSTR>(m_pszProfileName));
    // The pseudo handle of the current thread is not ours to close.
    m_hThread = nullptr;
    if (AfxGetThread() == this)
        AfxSetThread(nullptr);
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::SetCurrentHandles()
{
    char path[MAX_PATH + 1] = "";
    ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
    path[MAX_PATH] = 0;

    const char* name = strrchr(path, '\\');
    name = name ? name + 1 : path;
    CString exeName(name);
    const int dot = exeName.ReverseFind('.');
    if (dot >= 0)
        exeName = exeName.Left(dot);
    Replace(m_pszExeName, exeName);

    CString help(path);
    const int helpDot = help.ReverseFind('.');
    const int slash = help.ReverseFind('\\');
    if (helpDot > slash)
        help = help.Left(helpDot);
    help += ".HLP";
    Replace(m_pszHelpFilePath, help);

    if (!m_pszAppName) {
        CString title;
        if (title.LoadString(AFX_IDS_APP_TITLE) && !title.IsEmpty())
            Replace(m_pszAppName, title);
        else
            Replace(m_pszAppName, exeName);
    }
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    // An exception that escapes the loop's own work (a PreTranslateMessage,
    // an idle handler) is reported and the loop goes on.
    for (;;) {
        try {
            return CWinThread::Run();
        } catch (CException* e) {
            if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
                e->ReportError(MB_OK | MB_ICONSTOP);
            e->Delete();
        }
    }
}

int CWinApp::ExitInstance()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
    return CWinThread::ExitInstance();
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    CWnd* mainWnd = AfxGetMainWnd();
    HWND stop = mainWnd ? mainWnd->m_hWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(stop, pMsg))
        return TRUE;
    // A modeless window outside the main window's tree still lets the main
    // window see the keys (its accelerators).
    if (mainWnd && mainWnd->m_hWnd && pMsg->hwnd) {
        HWND top = pMsg->hwnd;
        while ((::GetWindowLongPtrA(top, GWL_STYLE) & WS_CHILD) && ::GetParent(top))
            top = ::GetParent(top);
        if (top != mainWnd->m_hWnd && mainWnd->PreTranslateMessage(pMsg))
            return TRUE;
    }
    return CWinThread::PreTranslateMessage(pMsg);
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        CWnd* mainWnd = m_pMainWnd;
        if (mainWnd && mainWnd->m_hWnd && ::IsWindowVisible(mainWnd->m_hWnd)) {
            AfxCallWndProc(mainWnd, mainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            mainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        return TRUE;
    }
    // The thread's idle work frees the temporary wrappers.
    CWinThread::OnIdle(lCount);
    return FALSE;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    // The box belongs to the active window of this thread, else the main window.
    HWND owner = ::GetActiveWindow();
    if (!owner && m_pMainWnd)
        owner = ::GetLastActivePopup(m_pMainWnd->m_hWnd);
    if ((nType & MB_ICONMASK) == 0) {
        switch (nType & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    return ::MessageBoxA(owner, lpszPrompt, m_pszAppName, nType);
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0) {
        HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = previous;
    } else {
        // More ends than begins must not leave a negative count behind.
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore ? m_hcurWaitCursorRestore
                                            : ::LoadCursorA(nullptr, IDC_ARROW));
    }
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(3)), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconA(nullptr, lpszIconName);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(1)), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorA(nullptr, lpszCursorName);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (!m_pRecentFileList) {
        pCmdUI->Enable(FALSE);
        return;
    }
    m_pRecentFileList->UpdateMenu(pCmdUI);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU == 0)
        return;
    delete m_pRecentFileList;
    m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", static_cast<int>(nMaxMRU));
    m_pRecentFileList->ReadList();
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(lpszPathName);
}

// ---- Free functions ---------------------------------------------------------

CWinApp* AFXAPI AfxGetApp()
{
    return g_app;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* thread = AfxGetThread();
    if (thread)
        return thread->GetMainWnd();
    return g_app ? g_app->m_pMainWnd : nullptr;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return g_app && g_app->m_pszAppName ? g_app->m_pszAppName : "";
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (g_app)
        return g_app->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(::GetActiveWindow(), lpszText, AfxGetAppName(), nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    if (!text.LoadString(nIDPrompt))
        TRACE("AfxMessageBox: no string %u\n", nIDPrompt);
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(text, nType, nIDHelp);
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    AfxSetInstanceHandle(hInstance);
    AfxSetResourceHandle(hInstance);
    CWinApp* app = AfxGetApp();
    if (app) {
        app->m_hInstance = hInstance;
        app->m_hPrevInstance = hPrevInstance;
        app->m_lpCmdLine = lpCmdLine;
        app->m_nCmdShow = nCmdShow;
        app->SetCurrentHandles();
    }
    return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* app = AfxGetApp();
    if (!app || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return -1;
    if (!app->InitApplication())
        return -1;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd && app->m_pMainWnd->m_hWnd)
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}

// ---- Wait cursor -------------------------------------------------------------

void CCmdTarget::BeginWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(0);
}

CWaitCursor::CWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(1);
}

CWaitCursor::~CWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(-1);
}

void CWaitCursor::Restore()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(0);
}
