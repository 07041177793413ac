#include "framework/frame/BasedMainFrame.h"

#include "afx/AfxRes.h"
#include "framework/app/BasedApp.h"
#include "framework/app/ExternalTool.h"
#include "framework/log/Logger.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// The tests keep their profile apart from the program's.
const char TestRegistryKey[] = "TarnwickFrameTests";
const char ProfilePath[] = "Software\\TarnwickFrameTests";

class TestApp : public CBasedApp
{
public:
    int DoMessageBox(LPCTSTR, UINT, UINT) override { return IDOK; }
};

// The program's frame in small: status bar first, then the base's bars; the
// tool launcher is watched instead of asking the shell.
class TestFrame : public CBasedMainFrame
{
public:
    std::vector<INT_PTR> launched;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        static const UINT indicators[] = { ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL };
        if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
            !m_wndStatusBar.SetIndicators(indicators, 4))
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        return CBasedMainFrame::OnCreate(lpcs);
    }
    BOOL LaunchExternalTool(INT_PTR index) override
    {
        launched.push_back(index);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestFrame, CBasedMainFrame)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// Stands for the log window's list.
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

class MainFrameTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfilePath);
        app = new TestApp;
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        app->SetRegistryKey(TestRegistryKey);
        app->m_bMinimizeToTray = 0;
    }
    void TearDown() override
    {
        if (frame && ::IsWindow(frame->GetSafeHwnd()))
            frame->DestroyWindow();   // the frame deletes itself
        frame = nullptr;
        app->m_pMainWnd = nullptr;
        delete app;
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfilePath);
    }
    TestFrame* Open()
    {
        frame = new TestFrame;
        if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
            frame = nullptr;
            return nullptr;
        }
        app->m_pMainWnd = frame;
        return frame;
    }
    void Close()
    {
        frame->DestroyWindow();
        frame = nullptr;
        app->m_pMainWnd = nullptr;
    }
    int Setting(LPCSTR section, LPCSTR key) { return static_cast<int>(app->GetProfileInt(section, key, -12345)); }
    CRect WindowRect()
    {
        CRect rect;
        frame->GetWindowRect(&rect);
        return rect;
    }
    void Command(UINT id) { frame->SendMessage(WM_COMMAND, id, 0); }

    TestApp* app = nullptr;
    TestFrame* frame = nullptr;
};
} // namespace

TEST_F(MainFrameTest, FirstStartOpensAtTheDefaultPlacementAndMovesAreKept)
{
    ASSERT_TRUE(Open());
    EXPECT_EQ(CRect(0, 0, 800, 600), WindowRect());
    EXPECT_EQ(0x00CF8000u, frame->GetStyle() & 0x00FF8000u);

    frame->ShowWindow(SW_SHOWNORMAL);
    frame->MoveWindow(40, 50, 640, 480);
    EXPECT_EQ(40, Setting("Settings", "Main Frame X"));
    EXPECT_EQ(50, Setting("Settings", "Main Frame Y"));
    EXPECT_EQ(640, Setting("Settings", "Main Frame Width"));
    EXPECT_EQ(480, Setting("Settings", "Main Frame Height"));
    EXPECT_EQ(0, Setting("Settings", "Main Frame State"));
    Close();

    ASSERT_TRUE(Open());
    EXPECT_EQ(CRect(40, 50, 680, 530), WindowRect());
}

// A stored place off every screen comes back into the nearest work area, and
// a size below the smallest window (negative too) gives the first start's.
TEST_F(MainFrameTest, StoredPlacesOffScreenOrTooSmallAreMended)
{
    CRect work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    struct Stored
    {
        int x, y, cx, cy;
        CSize size;
    };
    for (const Stored& stored : { Stored{ 50000, 50000, 640, 480, CSize(640, 480) },
                                  Stored{ -50000, -50000, 640, 480, CSize(640, 480) },
                                  Stored{ 40, 50, -200, -100, CSize(800, 600) },
                                  Stored{ 40, 50, 0, 480, CSize(800, 480) },
                                  Stored{ -50000, 50000, -5, -5, CSize(800, 600) } }) {
        app->WriteProfileInt("Settings", "Main Frame X", stored.x);
        app->WriteProfileInt("Settings", "Main Frame Y", stored.y);
        app->WriteProfileInt("Settings", "Main Frame Width", stored.cx);
        app->WriteProfileInt("Settings", "Main Frame Height", stored.cy);
        ASSERT_TRUE(Open());
        CRect rect = WindowRect();
        EXPECT_EQ(stored.size, rect.Size()) << stored.x << "," << stored.y << " " << stored.cx << "x" << stored.cy;
        CRect common;
        EXPECT_TRUE(common.IntersectRect(&rect, &work)) << stored.x << "," << stored.y;
        if (stored.x == 40) {
            EXPECT_EQ(CPoint(40, 50), rect.TopLeft());
        }
        Close();
    }
}

TEST_F(MainFrameTest, MaximisedAndMinimisedWriteOnlyTheirState)
{
    ASSERT_TRUE(Open());
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->MoveWindow(40, 50, 640, 480);

    frame->ShowWindow(SW_MAXIMIZE);
    EXPECT_EQ(2, Setting("Settings", "Main Frame State"));
    frame->ShowWindow(SW_MINIMIZE);
    EXPECT_EQ(1, Setting("Settings", "Main Frame State"));
    EXPECT_EQ(40, Setting("Settings", "Main Frame X"));
    EXPECT_EQ(50, Setting("Settings", "Main Frame Y"));
    EXPECT_EQ(640, Setting("Settings", "Main Frame Width"));
    EXPECT_EQ(480, Setting("Settings", "Main Frame Height"));
    // Without minimising to the tray the frame stays where the user can find it.
    EXPECT_TRUE(frame->IsWindowVisible());

    // Restoring a minimised frame that was maximised maximises it again.
    frame->ShowWindow(SW_RESTORE);
    EXPECT_EQ(2, Setting("Settings", "Main Frame State"));
    frame->ShowWindow(SW_RESTORE);
    EXPECT_EQ(0, Setting("Settings", "Main Frame State"));
    EXPECT_EQ(CRect(40, 50, 680, 530), WindowRect());
}

TEST_F(MainFrameTest, MinimisingToTheTrayHidesTheApplication)
{
    app->m_bMinimizeToTray = 1;
    ASSERT_TRUE(Open());
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->ShowWindow(SW_MINIMIZE);
    EXPECT_EQ(1, Setting("Settings", "Main Frame State"));
    EXPECT_FALSE(frame->IsWindowVisible());
    Command(ID_RESTORE_FROM_TRAY);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_FALSE(frame->IsIconic());
}

TEST_F(MainFrameTest, AlwaysOnTopTogglesWithoutMovingTheFrame)
{
    ASSERT_TRUE(Open());
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->MoveWindow(40, 50, 640, 480);
    EXPECT_FALSE(frame->GetExStyle() & WS_EX_TOPMOST);

    Command(ID_ALWAYS_ON_TOP);
    EXPECT_TRUE(frame->GetExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ(1, Setting("MainFrame", "Topmost"));
    EXPECT_EQ(CRect(40, 50, 680, 530), WindowRect());

    Command(ID_ALWAYS_ON_TOP);
    EXPECT_FALSE(frame->GetExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ(0, Setting("MainFrame", "Topmost"));
    EXPECT_EQ(CRect(40, 50, 680, 530), WindowRect());

    // A frame created after the setting was stored starts on top.
    app->WriteProfileInt("MainFrame", "Topmost", 1);
    Close();
    ASSERT_TRUE(Open());
    EXPECT_TRUE(frame->GetExStyle() & WS_EX_TOPMOST);
}

TEST_F(MainFrameTest, FullScreenTwiceGivesBackRectangleCaptionAndStatusBar)
{
    ASSERT_TRUE(Open());
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->MoveWindow(40, 50, 640, 480);
    ASSERT_TRUE(frame->m_wndStatusBar.IsWindowVisible());

    Command(ID_FULL_SCREEN);
    EXPECT_EQ(1, frame->m_bFullScreen);
    EXPECT_FALSE(frame->GetStyle() & WS_CAPTION);
    EXPECT_FALSE(frame->m_wndStatusBar.IsWindowVisible());
    EXPECT_EQ(CRect(-4, -4, GetSystemMetrics(SM_CXSCREEN) + 4, GetSystemMetrics(SM_CYSCREEN) + 4), WindowRect());

    Command(ID_FULL_SCREEN);
    EXPECT_EQ(0, frame->m_bFullScreen);
    EXPECT_EQ(static_cast<DWORD>(WS_CAPTION), frame->GetStyle() & WS_CAPTION);
    EXPECT_TRUE(frame->m_wndStatusBar.IsWindowVisible());
    EXPECT_EQ(CRect(40, 50, 680, 530), WindowRect());

    // A hidden status bar stays hidden.
    frame->ShowControlBar(&frame->m_wndStatusBar, FALSE, FALSE);
    Command(ID_FULL_SCREEN);
    Command(ID_FULL_SCREEN);
    EXPECT_FALSE(frame->m_wndStatusBar.IsWindowVisible());

    // The state is kept for the next start.
    Command(ID_FULL_SCREEN);
    Close();
    EXPECT_EQ(1, Setting("CBasedMainFrame", "m_bFullScreen"));
}

TEST_F(MainFrameTest, FullScreenFromMaximisedReturnsMaximised)
{
    ASSERT_TRUE(Open());
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->MoveWindow(40, 50, 640, 480);
    frame->ShowWindow(SW_MAXIMIZE);
    CRect maximised = WindowRect();

    Command(ID_FULL_SCREEN);
    Command(ID_FULL_SCREEN);
    EXPECT_TRUE(frame->IsZoomed());
    EXPECT_EQ(maximised, WindowRect());
    EXPECT_EQ(static_cast<DWORD>(WS_CAPTION), frame->GetStyle() & WS_CAPTION);
    frame->ShowWindow(SW_RESTORE);
    EXPECT_EQ(CRect(40, 50, 680, 530), WindowRect());
}

TEST_F(MainFrameTest, StartAndExitAreLoggedWhenLoggingIsOn)
{
    LogRecorder recorder;
    HWND logWindow = CreateWindowA("STATIC", "log", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    CWnd logFrame;
    logFrame.m_hWnd = logWindow;
    GetLogger().SetLogFrame(&logFrame);
    GetLogger().SetEventTarget(&recorder, logWindow);

    ASSERT_TRUE(Open());
    ASSERT_EQ(2u, recorder.texts.size());
    EXPECT_EQ(0, recorder.texts[0].Find("Application starting "));
    EXPECT_GT(recorder.texts[0].GetLength(), 21);
    Close();
    ASSERT_EQ(4u, recorder.texts.size());
    EXPECT_EQ(0, recorder.texts[2].Find("Application exiting "));

    m_bEnableLog = FALSE;
    ASSERT_TRUE(Open());
    Close();
    m_bEnableLog = TRUE;
    EXPECT_EQ(4u, recorder.texts.size());

    GetLogger().SetEventTarget(nullptr, nullptr);
    GetLogger().SetLogFrame(nullptr);
    logFrame.m_hWnd = nullptr;
    DestroyWindow(logWindow);
}

namespace {
CExternalTool* MakeTool(LPCSTR title, LPCSTR hotKeyText, WORD key, WORD modifiers)
{
    CExternalTool* tool = new CExternalTool;
    tool->m_strTitle = title;
    tool->m_strCommand = "notepad.exe";
    tool->m_strHotKeyText = hotKeyText;
    tool->m_wHotKey = key;
    tool->m_wModifiers = modifiers;
    return tool;
}

CString ItemText(HMENU menu, int position)
{
    char text[256] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}
} // namespace

TEST_F(MainFrameTest, ToolsMenuIsBuiltFromTheTools)
{
    app->m_arrTools.Add(MakeTool("Editor", "", 0, 0));
    app->m_arrTools.Add(MakeTool("Viewer", "F7", VK_F7, 0));
    ASSERT_TRUE(Open());

    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, ID_EXTERNAL_TOOLS_EDIT, "External tools...");
    AppendMenuA(popup, MF_STRING, ID_EXTERNAL_TOOL_FIRST + 40, "left from before");
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);

    ASSERT_EQ(4, GetMenuItemCount(popup));
    EXPECT_EQ(ID_EXTERNAL_TOOLS_EDIT, GetMenuItemID(popup, 0));
    EXPECT_EQ(0u, GetMenuItemID(popup, 1));
    EXPECT_EQ(ID_EXTERNAL_TOOL_FIRST, GetMenuItemID(popup, 2));
    EXPECT_EQ(ID_EXTERNAL_TOOL_FIRST + 1, GetMenuItemID(popup, 3));
    EXPECT_EQ(CString("Editor"), ItemText(popup, 2));
    EXPECT_EQ(CString("Viewer\t        F7"), ItemText(popup, 3));
    // The tools' commands have a handler, so their items stay enabled.
    EXPECT_FALSE(GetMenuState(popup, 3, MF_BYPOSITION) & MF_GRAYED);
    DestroyMenu(popup);

    Command(ID_EXTERNAL_TOOL_FIRST + 1);
    ASSERT_EQ(1u, frame->launched.size());
    EXPECT_EQ(1, frame->launched[0]);
}

TEST_F(MainFrameTest, HotKeyRunsTheFirstMatchingToolAndIsConsumed)
{
    app->m_arrTools.Add(MakeTool("Editor", "F7", VK_F7, 0));
    app->m_arrTools.Add(MakeTool("Viewer", "F7", VK_F7, 0));
    app->m_arrTools.Add(MakeTool("Alt tool", "Alt+F8", VK_F8, TOOL_MOD_ALT));
    ASSERT_TRUE(Open());

    MSG msg = {};
    msg.hwnd = frame->GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_F7;
    EXPECT_TRUE(frame->PreTranslateMessage(&msg));
    ASSERT_EQ(1u, frame->launched.size());
    EXPECT_EQ(0, frame->launched[0]);

    // Without Alt held the Alt tool's key is an ordinary key.
    msg.wParam = VK_F8;
    EXPECT_FALSE(frame->PreTranslateMessage(&msg));
    msg.message = WM_KEYUP;
    msg.wParam = VK_F7;
    EXPECT_FALSE(frame->PreTranslateMessage(&msg));
    EXPECT_EQ(1u, frame->launched.size());
}
