// The tray icon's animation: frames cycle, the duration ends it, and
// stopping puts back the icon shown before.
#include "controls/misc/SystemTray.h"

#include "afx/AfxRes.h"
#include "afx/WinApp.h"
#include "resources/resource.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

HICON Icon(int i)
{
    static const LPCSTR names[] = {IDI_APPLICATION, IDI_WARNING, IDI_ERROR, IDI_INFORMATION};
    return ::LoadIconA(nullptr, names[i]);
}

TEST(TrayAnimation, CyclesFramesAndEndsAfterItsDuration)
{
    CTrayAnimation anim;
    HICON list[] = {Icon(0), Icon(1), Icon(2)};
    anim.SetIconList(list, 2);
    EXPECT_EQ(2, anim.GetIconCount());   // exactly the count given

    anim.Start(1000, 3, Icon(3));
    EXPECT_EQ(Icon(1), anim.Step());
    EXPECT_EQ(Icon(0), anim.Step());
    EXPECT_EQ(Icon(1), anim.Step());
    EXPECT_FALSE(anim.IsOver(1003));   // 3 seconds have not been exceeded
    EXPECT_TRUE(anim.IsOver(1004));
    EXPECT_EQ(Icon(3), anim.Stop());
    EXPECT_EQ(nullptr, anim.Stop());   // put back once only

    anim.Start(1000, -1, nullptr);
    EXPECT_EQ(0, anim.GetCurrentFrame());   // every start begins at frame 0
    EXPECT_FALSE(anim.IsOver(1000 + 86400));

    CTrayAnimation empty;
    EXPECT_EQ(nullptr, empty.Step());
}

TEST(SystemTray, AnimatesOnItsTimerAndRestoresTheIcon)
{
    CSystemTray tray;
    ASSERT_TRUE(tray.Create(nullptr, WM_APP + 1, "Lexifern tray test with a tip that is far longer than the sixty-three bytes of the field", Icon(2), 142));
    EXPECT_EQ(63, tray.GetTooltipText().GetLength());
    HICON frames[] = {Icon(0), Icon(1)};
    ASSERT_TRUE(tray.SetIconList(frames, 2));
    ASSERT_TRUE(tray.Animate(400, -1));

    // Drive the animation timer by hand rather than wait for it.
    tray.SendMessage(WM_TIMER, CSystemTray::AnimationTimerId);
    EXPECT_EQ(Icon(1), tray.GetIcon());
    tray.SendMessage(WM_TIMER, CSystemTray::AnimationTimerId);
    EXPECT_EQ(Icon(0), tray.GetIcon());
    tray.SendMessage(WM_TIMER, CSystemTray::AnimationTimerId);
    EXPECT_EQ(Icon(1), tray.GetIcon());
    // Another timer of the window does not step the animation.
    tray.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(Icon(1), tray.GetIcon());

    EXPECT_TRUE(tray.StopAnimation());
    EXPECT_EQ(Icon(2), tray.GetIcon());
    EXPECT_FALSE(tray.Animation().IsRunning());

    // Hiding twice removes the icon once; showing brings it back.
    tray.HideIcon();
    tray.HideIcon();
    EXPECT_TRUE(tray.IsHidden());
    tray.ShowIcon();
    EXPECT_FALSE(tray.IsHidden());
    EXPECT_TRUE(tray.IsEnabled());

    // Another icon's id, or no menu resource for it: nothing is shown.
    EXPECT_EQ(0, tray.SendMessage(WM_APP + 1, 999, WM_RBUTTONUP));

    tray.RemoveIcon();
    EXPECT_FALSE(tray.IsEnabled());
    EXPECT_EQ(nullptr, tray.GetIcon());
    EXPECT_FALSE(tray.SetIcon(Icon(0)));
}

// The main window of the tray tests: what the tray icon's clicks send it.
std::vector<UINT> g_commands;
int g_menusShown = 0;
int g_nulls = 0;
LRESULT CALLBACK MainProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        g_commands.push_back(LOWORD(wParam));
    else if (message == WM_INITMENUPOPUP)
        ++g_menusShown;
    else if (message == WM_NULL)
        ++g_nulls;
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    ::EndMenu();
}

class TrayWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = MainProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "TrayTestMain";
        ::RegisterClassA(&wc);
        main = ::CreateWindowA("TrayTestMain", "main", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                               wc.hInstance, nullptr);
        app.m_pMainWnd = CWnd::FromHandle(main);
        g_commands.clear();
        g_menusShown = 0;
        g_nulls = 0;
        ASSERT_TRUE(tray.Create(nullptr, WM_APP + 2, "tip", Icon(0), IDR_MENU_TRAY));
    }
    void TearDown() override
    {
        tray.RemoveIcon();
        app.m_pMainWnd = nullptr;
        ::DestroyWindow(main);
    }
    void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }

    CWinApp app{"Tray Test"};
    HWND main = nullptr;
    CSystemTray tray;
};

TEST_F(TrayWindow, ALeftClickSendsTheDefaultItemsCommandToTheMainWindow)
{
    // By position (the default): the first item of the menu of the icon's id.
    EXPECT_EQ(1, tray.SendMessage(WM_APP + 2, IDR_MENU_TRAY, WM_LBUTTONDOWN));
    ASSERT_EQ(1u, g_commands.size());
    EXPECT_EQ(UINT(ID_RESTORE_FROM_TRAY), g_commands[0]);

    // By command, on a double click too.
    tray.SetMenuDefaultItem(ID_APP_EXIT, FALSE);
    UINT item = 0;
    BOOL byPosition = TRUE;
    tray.GetMenuDefaultItem(item, byPosition);
    EXPECT_EQ(UINT(ID_APP_EXIT), item);
    EXPECT_FALSE(byPosition);
    tray.SendMessage(WM_APP + 2, IDR_MENU_TRAY, WM_LBUTTONDBLCLK);
    ASSERT_EQ(2u, g_commands.size());
    EXPECT_EQ(UINT(ID_APP_EXIT), g_commands[1]);

    // Mouse moves and other icons send nothing.
    tray.SendMessage(WM_APP + 2, IDR_MENU_TRAY, WM_MOUSEMOVE);
    EXPECT_EQ(0, tray.SendMessage(WM_APP + 2, IDR_MENU_TRAY + 1, WM_LBUTTONDOWN));
    EXPECT_EQ(2u, g_commands.size());
}

TEST_F(TrayWindow, ARightClickShowsTheMenuOwnedByTheMainWindowAndNudgesIt)
{
    UINT_PTR timer = ::SetTimer(nullptr, 0, 100, CloseMenu);
    EXPECT_EQ(1, tray.SendMessage(WM_APP + 2, IDR_MENU_TRAY, WM_RBUTTONUP));
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(1, g_menusShown);
    Pump();
    EXPECT_EQ(1, g_nulls);   // the posted WM_NULL that lets the menu close
    EXPECT_TRUE(g_commands.empty());
}

TEST_F(TrayWindow, IconsTipsAndTheOwnerChangeInPlace)
{
    EXPECT_TRUE(tray.SetTooltipText("another tip"));
    EXPECT_EQ("another tip", tray.GetTooltipText());
    EXPECT_TRUE(tray.SetStandardIcon(IDI_WARNING));
    EXPECT_EQ(::LoadIconA(nullptr, IDI_WARNING), tray.GetIcon());
    EXPECT_TRUE(tray.SetIcon(IDI_TRAY));
    EXPECT_NE(nullptr, tray.GetIcon());

    // The frames from a range of icon resources; a reversed range fails.
    EXPECT_FALSE(tray.SetIconList(IDI_TRAY_BUSY, IDI_TRAY));
    ASSERT_TRUE(tray.SetIconList(IDI_TRAY, IDI_TRAY));
    EXPECT_EQ(1, tray.Animation().GetIconCount());

    // Moving to the right removes and adds the icon again, as it was.
    HICON before = tray.GetIcon();
    tray.MoveToRight();
    EXPECT_FALSE(tray.IsHidden());
    EXPECT_EQ(before, tray.GetIcon());
    EXPECT_EQ("another tip", tray.GetTooltipText());

    // A new owner: the icon stays one icon the shell knows, so it can still be
    // changed and removed.
    EXPECT_TRUE(tray.SetNotificationWnd(CWnd::FromHandle(main)));
    EXPECT_TRUE(tray.SetTooltipText("owned by main"));
    EXPECT_TRUE(tray.SetNotificationWnd(nullptr));   // back to the tray's own window
    EXPECT_TRUE(tray.SetIcon(Icon(1)));
    NOTIFYICONDATAA probe = {};
    probe.cbSize = sizeof probe;
    probe.hWnd = main;
    probe.uID = IDR_MENU_TRAY;
    EXPECT_FALSE(::Shell_NotifyIconA(NIM_DELETE, &probe));   // none left under the old owner
}

} // namespace
