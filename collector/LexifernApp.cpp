#include "collector/LexifernApp.h"

#include "afx/CommandLineInfo.h"
#include "afx/DocTemplate.h"
#include "afx/FrameWnd.h"
#include "afx/Socket.h"
#include "collector/LexifernDoc.h"
#include "collector/LexifernView.h"
#include "collector/MainFrame.h"
#include "framework/dialogs/SplashDialog.h"
#include "framework/log/Logger.h"
#include "resources/resource.h"

namespace {
// The about box's credits: the sibling product and the maker.
const char AboutText[] =
    "\tQuillmoss\r\n***\r\n\tLexifern keyword research\r\n\tby Tarnwick\r\n\r\n\tRelease version.\r\n"
    "\tPress Esc to close this dialog";

// How the frame is shown at start-up ("Settings"/"Main Frame State").
enum FrameState
{
    FrameHidden = 1,
    FrameMaximized = 2,
};
}

IMPLEMENT_DYNAMIC(CLexifernApp, CBasedApp)

BEGIN_MESSAGE_MAP(CLexifernApp, CBasedApp)
END_MESSAGE_MAP()

CLexifernApp* GetLexifernApp()
{
    return static_cast<CLexifernApp*>(GetBasedApp());
}

CLexifernApp::CLexifernApp() : m_bDedupeBasket(TRUE), m_bSortBasket(TRUE)
{
    m_strAboutText = AboutText;
    m_nAboutTextX = 130;
    m_bAboutWave = 0;
}

void CLexifernApp::LoadBasketSettings()
{
    m_bDedupeBasket = GetProfileInt("Settings", "bDedupeBasket", 1) != 0;
    m_bSortBasket = GetProfileInt("Settings", "bSortBasket", 1) != 0;
}

void CLexifernApp::SaveBasketSettings()
{
    WriteProfileInt("Settings", "bDedupeBasket", m_bDedupeBasket ? 1 : 0);
    WriteProfileInt("Settings", "bSortBasket", m_bSortBasket ? 1 : 0);
}

BOOL CLexifernApp::InitInstance()
{
    if (!AfxSocketInit()) {
        AfxMessageBox("Socket initialization failed", MB_OK);
        return FALSE;
    }
    CBasedApp::InitInstance();
    ShowSplash();
    LoadBasketSettings();
    int state = static_cast<int>(GetProfileInt("Settings", "Main Frame State", FrameMaximized));

    CSingleDocTemplate* docTemplate = new CSingleDocTemplate(
        IDR_MAINFRAME, RUNTIME_CLASS(CLexifernDoc), RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CLexifernView));
    AddDocTemplate(docTemplate);

    EnableShellOpen();
    RegisterShellFileTypes(TRUE);

    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine))
        return FALSE;

    CMainFrame* frame = static_cast<CMainFrame*>(m_pMainWnd);
    if (frame)
        frame->InstallMainMenu();

    if (state == FrameHidden) {
        HideApplication();
    } else if (frame) {
        frame->ShowWindow(state == FrameMaximized ? SW_SHOWMAXIMIZED : SW_SHOW);
        frame->UpdateWindow();
    }
    if (frame)
        frame->EnterSavedFullScreen();

    // The trace-log window lives hidden until the user opens it.
    if (CWnd* logFrame = GetLogger().GetLogFrame())
        if (::IsWindow(logFrame->GetSafeHwnd()))
            logFrame->ShowWindow(SW_HIDE);

    ShowTipAtStartup();
    return TRUE;
}

void CLexifernApp::ShowSplash()
{
    CSplashDialog splash("Quillmoss v 3.0", nullptr);
    splash.DoModal();
}

int CLexifernApp::ExitInstance()
{
    return CBasedApp::ExitInstance();
}
