#include "framework/app/BasedApp.h"

#include "framework/app/MessageBoxEx.h"
#include "framework/crash/ExceptionReport.h"
#include "framework/dialogs/AboutDlg.h"
#include "tests/support/ModalDriver.h"
#include "framework/log/Logger.h"
#include "afx/Wnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const char ProfileKey[] = "Software\\Tarnwick\\Lexifern";

// The application base with its seams watched and its boxes answered at once.
class TestApp : public CBasedApp
{
public:
    int DoMessageBox(LPCTSTR, UINT, UINT) override { return IDOK; }
    using CBasedApp::InstallExceptionTranslator;
    int tipRuns = 0;

protected:
    BOOL RunTipOfTheDay(BOOL) override
    {
        ++tipRuns;
        return TRUE;
    }
};

bool FolderExists(const CString& path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

DWORD ReadDword(LPCSTR section, LPCSTR key, DWORD missing = 0xFFFFFFFF)
{
    CString path;
    path.Format("%s\\%s", ProfileKey, section);
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, path, key, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return missing;
    return value;
}

class BasedAppTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
        app = new TestApp;
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    }
    void TearDown() override
    {
        delete app;
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
    }
    TestApp* app = nullptr;
};
}

TEST_F(BasedAppTest, EmptyProfileGivesTheDefaults)
{
    ASSERT_TRUE(app->InitInstance());
    EXPECT_TRUE(m_bEnableLog);
    EXPECT_EQ(0, app->m_bAutoSaveEnable);
    EXPECT_EQ(10, app->m_iSaveTime);
    EXPECT_EQ(1, app->m_bMinimizeToTray);
    EXPECT_EQ(0, app->m_bAutoSaveByMinimize);
    EXPECT_EQ(0, app->m_bDontCloseAndMinimize);
    EXPECT_EQ(0, app->m_bAutoSaveBySwitch);
    EXPECT_EQ(0, app->m_bStartWithWindows);
    EXPECT_EQ(1, app->m_bLogToDisk);
    EXPECT_STREQ("Tarnwick", app->m_pszRegistryKey);
    EXPECT_STREQ("Lexifern", app->m_pszProfileName);
    app->ExitInstance();
}

TEST_F(BasedAppTest, FoldersAndPathsUnderTheProgramFolder)
{
    CString folder = app->GetAppFolder();
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_EQ('\\', folder[folder.GetLength() - 1]);
    EXPECT_EQ(0, app->GetProgramPath().Find(folder));
    EXPECT_EQ(folder + "Temp\\", app->GetAppTempFolder());

    ASSERT_TRUE(app->InitInstance());
    EXPECT_TRUE(FolderExists(app->GetAppTempFolder()));
    EXPECT_TRUE(FolderExists(folder + "Logs"));
    // The stored path keeps the doubled backslash the folder rule gives.
    EXPECT_EQ(folder + "\\Logs\\", app->m_strLogsFolder);
    EXPECT_EQ(app->m_strLogsFolder + "log.txt", app->m_strLogFile);
    // A second start-up finds the folders there and is content.
    EXPECT_TRUE(app->InitInstance());
    app->ExitInstance();
}

TEST_F(BasedAppTest, ExitWritesTheOptionsEvenWhenUnchanged)
{
    ASSERT_TRUE(app->InitInstance());
    app->m_bStartWithWindows = 1;
    m_bEnableLog = FALSE;
    app->ExitInstance();
    EXPECT_EQ(0u, ReadDword("CBasedApp", "m_bEnableLog"));
    EXPECT_EQ(1u, ReadDword("Settings", "m_bMinimizeToTray"));
    EXPECT_EQ(0u, ReadDword("Settings", "m_bAutoSaveByMinimize"));
    EXPECT_EQ(0u, ReadDword("Settings", "m_bDontCloseAndMinimize"));
    EXPECT_EQ(0u, ReadDword("Settings", "m_bAutoSaveBySwitch"));
    EXPECT_EQ(1u, ReadDword("Settings", "m_bStartWithWindows"));
    // The auto-save options belong to the settings page, not to exit.
    EXPECT_EQ(0xFFFFFFFFu, ReadDword("Settings", "m_bAutoSaveEnable"));
    EXPECT_EQ(0xFFFFFFFFu, ReadDword("Settings", "m_iSaveTime"));
    m_bEnableLog = TRUE;
}

TEST_F(BasedAppTest, StoredSettingsAreReadAsBooleans)
{
    ASSERT_TRUE(app->InitInstance());
    app->WriteProfileInt("Settings", "m_bMinimizeToTray", 0);
    app->WriteProfileInt("Settings", "m_bAutoSaveEnable", 7);
    app->WriteProfileInt("Settings", "m_iSaveTime", 25);
    app->WriteProfileInt("CBasedApp", "m_bEnableLog", 0);
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(0, app->m_bMinimizeToTray);
    EXPECT_EQ(1, app->m_bAutoSaveEnable);
    EXPECT_EQ(25, app->m_iSaveTime);
    EXPECT_FALSE(m_bEnableLog);
    m_bEnableLog = TRUE;
}

namespace {
// Stands for the log window's list: records what the routines log.
class LogRecorder : public ITraceEventTarget
{
public:
    int AddEvent(TraceEvent* event) override
    {
        texts.push_back(event->GetText());
        delete event;
        return static_cast<int>(texts.size()) - 1;
    }
    std::vector<CString> texts;
};

int g_boxesShown = 0;
void CALLBACK AnswerYesTicked(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = FindWindowA("#32770", "Remember");
    if (!box)
        return;
    KillTimer(nullptr, timer);
    ++g_boxesShown;
    SendDlgItemMessageA(box, IDC_MSGBOX_DONT_AGAIN, BM_CLICK, 0, 0);
    SendMessageA(box, WM_COMMAND, IDYES, 0);
}
void CALLBACK AnswerNoTicked(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = FindWindowA("#32770", "Remember");
    if (!box)
        return;
    KillTimer(nullptr, timer);
    ++g_boxesShown;
    SendDlgItemMessageA(box, IDC_MSGBOX_DONT_AGAIN, BM_CLICK, 0, 0);
    SendMessageA(box, WM_COMMAND, IDNO, 0);
}
}

TEST_F(BasedAppTest, QuestionDontAskAgainRemembersOnlyYes)
{
    ASSERT_TRUE(app->InitInstance());
    g_boxesShown = 0;

    SetTimer(nullptr, 0, 20, AnswerNoTicked);
    EXPECT_EQ(IDNO, CBasedApp::QuestionDontAskAgain("Go on?", "TestQuestion", "Remember"));
    EXPECT_EQ(0, static_cast<int>(app->GetProfileInt("Settings", "TestQuestion", 0)));

    SetTimer(nullptr, 0, 20, AnswerYesTicked);
    EXPECT_EQ(IDYES, CBasedApp::QuestionDontAskAgain("Go on?", "TestQuestion", "Remember"));
    EXPECT_EQ(1, static_cast<int>(app->GetProfileInt("Settings", "TestQuestion", 0)));

    // Remembered: Yes at once, no box.
    EXPECT_EQ(IDYES, CBasedApp::QuestionDontAskAgain("Go on?", "TestQuestion", "Remember"));
    EXPECT_EQ(2, g_boxesShown);
}

TEST_F(BasedAppTest, MessageRoutinesLogOnlyWhenLoggingIsOn)
{
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    CWnd frame(window);
    LogRecorder recorder;
    GetLogger().SetLogFrame(&frame);
    GetLogger().SetEventTarget(&recorder, window);

    // The boxes close themselves at once: a timer answers them.
    SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR timer, DWORD) {
        if (HWND box = GetActiveWindow()) {
            KillTimer(nullptr, timer);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    });
    m_bEnableLog = TRUE;
    app->ErrorMessage("disk full");
    ASSERT_EQ(2u, recorder.texts.size());
    EXPECT_EQ("== ErrorMessage: disk full", recorder.texts[0]);
    EXPECT_EQ("", recorder.texts[1]);

    m_bEnableLog = FALSE;
    SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR timer, DWORD) {
        if (HWND box = GetActiveWindow()) {
            KillTimer(nullptr, timer);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    });
    app->WarningMessage("quiet", "Warning");
    EXPECT_EQ(2u, recorder.texts.size());
    m_bEnableLog = TRUE;

    GetLogger().SetEventTarget(nullptr, nullptr);
    GetLogger().SetLogFrame(nullptr);
    DestroyWindow(window);
}

TEST_F(BasedAppTest, TheCrashReportQuestionIsTheWarningQuestionBox)
{
    CrashReportUi saved = GetCrashReportUi();
    app->InstallExceptionTranslator();
    CString caption, text;
    {
        CMessageBoxCatcher catcher;
        GetCrashReportUi().pfnAsk("Write a report?");
        caption = catcher.caption;
        text = catcher.text;
    }
    SetCrashReportUi(saved);
    EXPECT_EQ(CString("Warning"), caption);
    EXPECT_EQ(CString("Write a report?"), text);
}

TEST_F(BasedAppTest, TheMessageFilterRemovesAModelessAboutBoxAtTheFirstPress)
{
    CAboutDlg::EnableModelessSplash(1);
    ASSERT_TRUE(CAboutDlg::ShowModelessSplash("\tCredits"));
    HWND window = CAboutDlg::GetModelessSplash()->GetSafeHwnd();
    MSG move = {window, WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
    app->PreTranslateMessage(&move);
    EXPECT_TRUE(IsWindow(window));
    MSG click = {window, WM_LBUTTONDOWN, MK_LBUTTON, 0, 0, {0, 0}};
    EXPECT_TRUE(app->PreTranslateMessage(&click));   // eaten
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, CAboutDlg::GetModelessSplash());
    CAboutDlg::EnableModelessSplash(0);
}

namespace {
// Records the documents the start-up opens; the first makes a main window.
class OpeningApp : public TestApp
{
public:
    std::vector<CString> opened;
    CWnd frame;
    CDocument* OpenDocumentFile(LPCTSTR path) override
    {
        opened.push_back(path);
        if (!frame.GetSafeHwnd())
            frame.CreateEx(0, "STATIC", "main", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
        m_pMainWnd = &frame;
        return nullptr;
    }
};
} // namespace

TEST(OpenLastDocument, OpensTheRememberedFileWithTheRequiredEndingAdded)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    const CString stem = CString(folder) + "last-document";
    const CString file = stem + ".qdfile";
    HANDLE h = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
    {
        OpeningApp app;
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE);
        app.m_nCmdShow = SW_HIDE;   // no splash for a hidden start
        app.SetRegistryKey("Tarnwick");
        app.WriteProfileString("Recent File List", "File1", stem);
        EXPECT_TRUE(app.OpenLastDocument(".qdfile"));
        ASSERT_EQ(1u, app.opened.size());
        EXPECT_EQ(file, app.opened[0]);
        EXPECT_FALSE(app.m_bSplashShown);

        // A remembered file that is gone is not opened.
        app.opened.clear();
        DeleteFileA(file);
        app.WriteProfileString("Recent File List", "File1", file);
        app.OpenLastDocument(".qdfile");
        EXPECT_TRUE(app.opened.empty());
        app.m_pMainWnd = nullptr;
        app.frame.DestroyWindow();
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
}
