#include "framework/app/BasedApp.h"

#include "afx/AfxRes.h"
#include "afx/CommandLineInfo.h"
#include "afx/DocTemplate.h"
#include "afx/OleInit.h"
#include "afx/Wnd.h"
#include "framework/app/ExternalTool.h"
#include "framework/app/MessageBoxEx.h"
#include "framework/crash/ExceptionReport.h"
#include "framework/crash/SeTranslator.h"
#include "framework/dialogs/AboutDlg.h"
#include "framework/dialogs/TipDlg.h"
#include "framework/log/LogWindowView.h"
#include "framework/log/Logger.h"
#include "framework/util/FileFunctions.h"
#include "resources/resource.h"

#include <commctrl.h>

BOOL m_bEnableLog = TRUE;

namespace {
CBasedApp* g_pBasedApp = nullptr;

const char ExitBoxText[] = "OLE initializtion failed\nTry reinstall your system";

// The about box's text until the program's application class sets its own.
const char DefaultAboutText[] =
    "\t<Program Name>\r\n***\r\n\tTarnwick\r\n\tRelease version.\r\n\tPress Esc to close this dialog";

BOOL ReadBool(CWinApp* app, LPCTSTR section, LPCTSTR key, int defaultValue)
{
    return app->GetProfileInt(section, key, defaultValue) != 0;
}
}

CBasedApp* GetBasedApp()
{
    return g_pBasedApp;
}

IMPLEMENT_DYNAMIC(CBasedApp, CWinApp)

BEGIN_MESSAGE_MAP(CBasedApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, &CBasedApp::OnAppAbout)
    ON_COMMAND(ID_SHOW_TIP, &CBasedApp::OnShowTip)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CBasedApp::OnUpdateRecentFileMenu)
    ON_COMMAND(ID_CLEAR_RECENT_FILES, &CBasedApp::OnClearRecentFiles)
    ON_UPDATE_COMMAND_UI(ID_CLEAR_RECENT_FILES, &CBasedApp::OnUpdateClearRecentFiles)
    ON_COMMAND(ID_BACKUP_DOCUMENT, &CBasedApp::OnBackupDocument)
END_MESSAGE_MAP()

CBasedApp::CBasedApp()
    : CWinApp(nullptr),
      m_pSplashWnd(nullptr),
      m_bSplashShown(FALSE),
      m_strAboutText(DefaultAboutText),
      m_nAboutTextX(420),
      m_bAboutWave(1),
      m_bAutoSaveEnable(0),
      m_iSaveTime(10),
      m_bMinimizeToTray(1),
      m_bAutoSaveByMinimize(0),
      m_bAutoSaveBySwitch(0),
      m_bStartWithWindows(0),
      m_bDontCloseAndMinimize(0),
      m_pLogTemplate(nullptr),
      m_bLogToDisk(0),
      m_strRegistryKey("Tarnwick")
{
    g_pBasedApp = this;
    InstallExceptionTranslator();
}

CBasedApp::~CBasedApp()
{
    FreeExternalTools();
    if (g_pBasedApp == this)
        g_pBasedApp = nullptr;
}

BOOL CBasedApp::PreTranslateMessage(MSG* pMsg)
{
    // A modeless about box shown at start goes at the first key or click.
    if (CAboutDlg::PreTranslateAppMessage(pMsg))
        return TRUE;
    return CWinApp::PreTranslateMessage(pMsg);
}

CString CBasedApp::GetProgramPath()
{
    char path[MAX_PATH + 1] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

CString CBasedApp::GetWebSite()
{
    return "http://www.lexifern.example/";
}

CString CBasedApp::GetSecondWebSite()
{
    return "http://www.tarnwick.example/";
}

CString CBasedApp::GetSupportMail()
{
    return "support@lexifern.example";
}

CString CBasedApp::GetAppFolder()
{
    // The help-file path is the program's path with another extension: its
    // folder is the program folder.
    CString folder(m_pszHelpFilePath ? m_pszHelpFilePath : "");
    if (folder.IsEmpty())
        folder = GetProgramPath();
    while (!folder.IsEmpty() && folder[folder.GetLength() - 1] != '\\')
        folder.Truncate(folder.GetLength() - 1);
    return folder;
}

CString CBasedApp::GetAppTempFolder()
{
    return GetAppFolder() + "Temp\\";
}

BOOL CBasedApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = { sizeof controls,
                                      ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES | ICC_DATE_CLASSES
                                          | ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS };
    InitCommonControlsEx(&controls);
    CWinApp::InitInstance();

    if (!AfxOleInit()) {
        ErrorMessage(ExitBoxText);
        return FALSE;
    }
    AfxInitRichEdit();
    AfxEnableControlContainer();

    SetRegistryKey(m_strRegistryKey);
    LoadStdProfileSettings(4);

    InstallExceptionTranslator();

    // Creating a folder that exists (or may not be made) is not an error here.
    CreateDirectoryA(GetAppTempFolder(), nullptr);
    CreateDirectoryA(GetAppFolder(), nullptr);
    m_strLogsFolder = GetAppFolder() + "\\Logs\\";
    CreateDirectoryA(m_strLogsFolder, nullptr);
    m_strLogFile = m_strLogsFolder + "log.txt";
    m_bLogToDisk = 1;

    m_bEnableLog = ReadBool(this, "CBasedApp", "m_bEnableLog", 1);
    m_bAutoSaveEnable = ReadBool(this, "Settings", "m_bAutoSaveEnable", 0);
    m_iSaveTime = static_cast<int>(GetProfileInt("Settings", "m_iSaveTime", 10));
    m_bMinimizeToTray = ReadBool(this, "Settings", "m_bMinimizeToTray", m_bMinimizeToTray);
    m_bAutoSaveByMinimize = ReadBool(this, "Settings", "m_bAutoSaveByMinimize", m_bAutoSaveByMinimize);
    m_bDontCloseAndMinimize = ReadBool(this, "Settings", "m_bDontCloseAndMinimize", m_bDontCloseAndMinimize);
    m_bAutoSaveBySwitch = ReadBool(this, "Settings", "m_bAutoSaveBySwitch", m_bAutoSaveBySwitch);
    m_bStartWithWindows = ReadBool(this, "Settings", "m_bStartWithWindows", m_bStartWithWindows);

    LoadExternalTools();
    m_pLogTemplate = CreateLogTemplate();
    return TRUE;
}

int CBasedApp::ExitInstance()
{
    if (m_pSplashWnd) {
        m_pSplashWnd->DestroyWindow();
        delete m_pSplashWnd;
        m_pSplashWnd = nullptr;
    }
    WriteProfileInt("CBasedApp", "m_bEnableLog", m_bEnableLog ? 1 : 0);
    if (m_pLogTemplate)
        m_pLogTemplate->CloseAllDocuments(TRUE);
    WriteProfileInt("Settings", "m_bMinimizeToTray", m_bMinimizeToTray ? 1 : 0);
    WriteProfileInt("Settings", "m_bAutoSaveByMinimize", m_bAutoSaveByMinimize ? 1 : 0);
    WriteProfileInt("Settings", "m_bDontCloseAndMinimize", m_bDontCloseAndMinimize ? 1 : 0);
    WriteProfileInt("Settings", "m_bAutoSaveBySwitch", m_bAutoSaveBySwitch ? 1 : 0);
    WriteProfileInt("Settings", "m_bStartWithWindows", m_bStartWithWindows ? 1 : 0);
    delete m_pLogTemplate;
    m_pLogTemplate = nullptr;
    SaveExternalTools();
    FreeExternalTools();
    return CWinApp::ExitInstance();
}

void CBasedApp::InstallExceptionTranslator()
{
    // The crash report asks and warns through the framework's own boxes.
    CrashReportUi ui = GetDefaultCrashReportUi();
    ui.pfnAsk = [](LPCTSTR text) {
        CBasedApp* app = GetBasedApp();
        return app ? app->QuestionWarningMessage(text)
                   : MessageBoxA(nullptr, text, "Warning", MB_ICONEXCLAMATION | MB_YESNO);
    };
    ui.pfnShowError = [](LPCTSTR text) {
        if (CBasedApp* app = GetBasedApp())
            app->ErrorMessage(text);
        else
            MessageBoxA(nullptr, text, "Error", MB_ICONSTOP | MB_OK);
    };
    SetCrashReportUi(ui);
    SetExceptionReportInfo("Lexifern", GetSupportMail(), GetWebSite());
    InstallSeTranslator();
}

CString CBasedApp::GetExternalToolsPath()
{
    return GetAppFolder() + "ExternalTools.ini";
}

void CBasedApp::LoadExternalTools()
{
    ::LoadExternalTools(m_arrTools, GetExternalToolsPath());
}

void CBasedApp::SaveExternalTools()
{
    ::SaveExternalTools(m_arrTools, GetExternalToolsPath());
}

void CBasedApp::FreeExternalTools()
{
    ::FreeExternalTools(m_arrTools);
}

CMultiDocTemplate* CBasedApp::CreateLogTemplate()
{
    CLogWindowView::SetDefaults(m_bLogToDisk, m_strLogFile);
    return ::CreateLogTemplate();
}

CAboutDlg* CBasedApp::CreateAboutBox(BOOL scroll)
{
    return new CAboutDlg(m_strAboutText, m_nAboutTextX, m_bAboutWave, scroll, nullptr);
}

BOOL CBasedApp::RunTipOfTheDay(BOOL atStartup)
{
    CTipDlg tip(nullptr);
    if (atStartup && !tip.m_bStartup)
        return FALSE;
    tip.DoModal();
    return TRUE;
}

void CBasedApp::OnAppAbout()
{
    CAboutDlg* about = CreateAboutBox(TRUE);
    if (about)
        about->DoModal();
    delete about;
}

void CBasedApp::OnShowTip()
{
    RunTipOfTheDay(FALSE);
}

void CBasedApp::ShowTipAtStartup()
{
    CCommandLineInfo info;
    ParseCommandLine(info);
    if (info.m_bShowSplash)
        RunTipOfTheDay(TRUE);
}

BOOL CBasedApp::OpenLastDocument(CString mustContain)
{
    CCommandLineInfo info;
    ParseCommandLine(info);

    if (m_pSplashWnd) {
        m_pSplashWnd->DestroyWindow();
        delete m_pSplashWnd;
    }
    // Scrolling like the About command's box: the application owns and frees it.
    CAboutDlg* splash = CreateAboutBox(TRUE);
    m_pSplashWnd = splash;
    m_bSplashShown = info.m_bShowSplash;
    if (info.m_bRunEmbedded)
        m_nCmdShow = SW_SHOWNORMAL;
    else if (m_nCmdShow == SW_HIDE || m_nCmdShow == SW_SHOWMINIMIZED || m_nCmdShow == SW_MINIMIZE
             || m_nCmdShow == SW_SHOWMINNOACTIVE)
        m_bSplashShown = FALSE;
    if (m_bSplashShown && splash && splash->Create(nullptr)) {
        splash->ShowWindow(SW_SHOW);
        splash->UpdateWindow();
    }

    if (info.m_nShellCommand == CCommandLineInfo::FileNew && info.m_strFileName.IsEmpty()) {
        CString last = GetProfileString("Recent File List", "File1", "");
        if (last.Find(mustContain) < 0)
            last += mustContain;
        if (!last.IsEmpty() && IsFileExisting(last)) {
            OpenDocumentFile(last);
        } else if (!ProcessShellCommand(info)) {
            return FALSE;
        }
    } else if (!ProcessShellCommand(info)) {
        return FALSE;
    }
    if (!m_pMainWnd && !ProcessShellCommand(info))
        return FALSE;

    if (m_bSplashShown && m_pSplashWnd) {
        m_pSplashWnd->DestroyWindow();
        m_bSplashShown = FALSE;
    }
    return TRUE;
}

void CBasedApp::LogMessage(LPCTSTR prefix, const CString& text)
{
    if (!m_bEnableLog)
        return;
    GetLogger().PostTraceEvent(new TraceComment(-1, CString(prefix) + text));
    GetLogger().PostTraceEvent(new TraceData(-1, nullptr, 0));
}

void CBasedApp::WarningMessage(CString text, CString caption)
{
    MessageBoxA(GetThreadMainWindow(), text, caption, MB_ICONEXCLAMATION | MB_OK);
    LogMessage("== WarningMessage: ", text);
}

void CBasedApp::InfoMessage(CString text, CWnd* parent)
{
    HWND owner = parent ? parent->GetSafeHwnd() : GetThreadMainWindow();
    MessageBoxA(owner, text, "Information", MB_ICONINFORMATION | MB_OK);
    LogMessage("== InfoMessage: ", text);
}

void CBasedApp::ErrorMessage(CString text)
{
    MessageBoxA(GetThreadMainWindow(), text, "Error", MB_ICONSTOP | MB_OK);
    LogMessage("== ErrorMessage: ", text);
}

int CBasedApp::QuestionMessage(CString text)
{
    LogMessage("== QuestionMessage: ", text);
    return MessageBoxA(GetThreadMainWindow(), text, "Question", MB_ICONQUESTION | MB_YESNO);
}

int CBasedApp::QuestionWarningMessage(CString text)
{
    LogMessage("== QuestionWarningMessage: ", text);
    return MessageBoxA(GetThreadMainWindow(), text, "Warning", MB_ICONEXCLAMATION | MB_YESNO);
}

int CBasedApp::QuestionDontAskAgain(CString text, CString key, CString caption)
{
    CWinApp* app = AfxGetApp();
    if (app && app->GetProfileInt("Settings", key, 0) != 0)
        return IDYES;
    int answer = MessageBoxEx(nullptr, text, caption, MB_YESNO | MB_ICONQUESTION | MB_DONT_ASK_AGAIN, 0);
    bool remember = (answer & MB_DONT_ASK_AGAIN) != 0;
    answer &= ~MB_DONT_ASK_AGAIN;
    if (remember && answer == IDYES && app)
        app->WriteProfileInt("Settings", key, 1);
    return answer;
}
