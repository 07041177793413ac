// The taskbar icon in Wine's real notification area, and what it hands the
// shell and its owner.
#include "toolkit/foundation/OXTaskbarIcon.h"

#include "afx/WinApp.h"
#include "tests/toolkit/taskbar/TaskbarIconIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const UINT IconId = 7;

// Keeps each record given to the shell, and the messages the window gets.
class RecordingIcon : public COXTaskbarIcon
{
public:
    BOOL Notify(DWORD dwMessage) override
    {
        NOTIFYICONDATAA data;
        FillNotifyData(dwMessage, data);
        calls.push_back(dwMessage);
        tips.push_back(data.szTip);
        return COXTaskbarIcon::Notify(dwMessage);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
            mouse.push_back({ message, wParam, lParam });
        return COXTaskbarIcon::WindowProc(message, wParam, lParam);
    }
    NOTIFYICONDATAA Data(DWORD dwMessage) const
    {
        NOTIFYICONDATAA data;
        FillNotifyData(dwMessage, data);
        return data;
    }
    struct Message
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<DWORD> calls;
    std::vector<std::string> tips;
    std::vector<Message> mouse;
};

class Owner : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_OX_TASKBARICON)
            received.push_back({ message, wParam, lParam });
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<RecordingIcon::Message> received;
};

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class TaskbarIconTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(icon.Create(IconId));
        icon.SetIcon(IDI_TEST_TRAY, FALSE);
    }
    // The shell's own answer for the icon, asked directly.
    BOOL Raw(DWORD message)
    {
        NOTIFYICONDATAA data = icon.Data(message);
        return Shell_NotifyIconA(message, &data);
    }
    RecordingIcon icon;
};

TEST_F(TaskbarIconTest, ShowAndHideAddAndRemoveTheIconOnce)
{
    EXPECT_FALSE(icon.IsWindowVisible());
    EXPECT_FALSE(icon.Refresh());
    EXPECT_FALSE(icon.Hide());
    EXPECT_TRUE(icon.calls.empty());

    EXPECT_TRUE(icon.Show());
    EXPECT_FALSE(icon.Show());
    EXPECT_TRUE(icon.IsShowing());
    EXPECT_EQ(std::vector<DWORD>({ NIM_ADD }), icon.calls);
    // The shell holds the icon once: adding it again is refused.
    EXPECT_FALSE(Raw(NIM_ADD));
    EXPECT_TRUE(icon.Refresh());

    EXPECT_TRUE(icon.Hide());
    EXPECT_FALSE(icon.Hide());
    EXPECT_FALSE(icon.IsShowing());
    EXPECT_FALSE(Raw(NIM_DELETE));
    EXPECT_EQ(std::vector<DWORD>({ NIM_ADD, NIM_MODIFY, NIM_DELETE }), icon.calls);

    // Shown again, then gone with the object.
    {
        COXTaskbarIcon other;
        ASSERT_TRUE(other.Create(IconId + 1));
        EXPECT_TRUE(other.Show());
    }
    NOTIFYICONDATAA data = icon.Data(NIM_DELETE);
    data.uID = IconId + 1;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_DELETE, &data));
}

TEST_F(TaskbarIconTest, TheShellGetsTheIconAndTheTipCutTo63Characters)
{
    NOTIFYICONDATAA data = icon.Data(NIM_ADD);
    EXPECT_EQ(DWORD(NOTIFYICONDATAA_V1_SIZE), data.cbSize);
    EXPECT_EQ(icon.GetSafeHwnd(), data.hWnd);
    EXPECT_EQ(IconId, data.uID);
    EXPECT_EQ(UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP), data.uFlags);
    EXPECT_EQ(WM_OX_TASKBARICON, data.uCallbackMessage);
    EXPECT_NE(nullptr, data.hIcon);
    EXPECT_EQ(icon.GetIcon(), data.hIcon);
    EXPECT_EQ(0u, icon.Data(NIM_DELETE).uFlags);

    std::string tip(100, 'x');
    for (size_t i = 0; i < tip.size(); ++i)
        tip[i] = static_cast<char>('a' + i % 26);
    icon.SetTooltipText(tip.c_str());
    CString whole;
    EXPECT_TRUE(icon.GetTooltipText(whole));
    EXPECT_STREQ(tip.c_str(), whole);
    EXPECT_EQ(tip.substr(0, 63), std::string(icon.Data(NIM_MODIFY).szTip));
    char buffer[16];
    EXPECT_EQ(15, icon.GetTooltipTextBuffer(buffer, sizeof(buffer)));
    EXPECT_EQ(tip.substr(0, 15), std::string(buffer));
}

TEST_F(TaskbarIconTest, ATipChangedWhileHiddenAppearsOnShow)
{
    icon.SetTooltipText("while hidden");
    EXPECT_TRUE(icon.calls.empty());
    ASSERT_TRUE(icon.Show());
    EXPECT_EQ("while hidden", icon.tips.back());

    icon.SetTooltipText("no refresh", FALSE);
    EXPECT_EQ(1u, icon.calls.size());
    icon.SetTooltipText("refreshed");
    ASSERT_EQ(2u, icon.calls.size());
    EXPECT_EQ(DWORD(NIM_MODIFY), icon.calls.back());
    EXPECT_EQ("refreshed", icon.tips.back());

    // A new icon is handed over too; the previous one comes back.
    HICON busy = LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TEST_TRAY_BUSY));
    ASSERT_NE(nullptr, busy);
    HICON previous = icon.GetIcon();
    EXPECT_EQ(previous, icon.SetIcon(busy));
    EXPECT_EQ(busy, icon.GetIcon());
    EXPECT_EQ(3u, icon.calls.size());
    EXPECT_TRUE(icon.Hide());
}

TEST_F(TaskbarIconTest, MouseEventsGoToTheOwnerElseBackToTheIconWindow)
{
    // No owner: the mouse message itself comes back to the icon window.
    EXPECT_EQ(-1, icon.SendMessage(WM_OX_TASKBARICON, IconId, WM_RBUTTONUP));
    Pump();
    ASSERT_EQ(1u, icon.mouse.size());
    EXPECT_EQ(UINT(WM_RBUTTONUP), icon.mouse[0].message);
    EXPECT_EQ(0u, icon.mouse[0].wParam);
    EXPECT_EQ(0, icon.mouse[0].lParam);

    Owner owner;
    LPCTSTR cls = AfxRegisterWndClass(0);
    ASSERT_TRUE(owner.CreateEx(0, cls, "owner", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr));
    icon.SetOwner(&owner);
    EXPECT_EQ(-1, icon.SendMessage(WM_OX_TASKBARICON, IconId, WM_LBUTTONDBLCLK));
    Pump();
    ASSERT_EQ(1u, owner.received.size());
    EXPECT_EQ(WPARAM(IconId), owner.received[0].wParam);
    EXPECT_EQ(LPARAM(WM_LBUTTONDBLCLK), owner.received[0].lParam);
    EXPECT_EQ(1u, icon.mouse.size());
    icon.SetOwner(nullptr);
    owner.DestroyWindow();
}
} // namespace

namespace {
TEST_F(TaskbarIconTest, TheIconGoesWithAnOwnerDestroyedFirst)
{
    Owner owner;
    LPCTSTR cls = AfxRegisterWndClass(0);
    ASSERT_TRUE(owner.CreateEx(0, cls, "owner", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr));
    COXTaskbarIcon owned;
    ASSERT_TRUE(owned.Create(IconId + 2));
    owned.SetOwner(&owner);
    ASSERT_TRUE(owned.Show());
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owned.GetSafeHwnd();
    data.uID = IconId + 2;
    owner.DestroyWindow();
    EXPECT_FALSE(owned.IsShowing());
    EXPECT_FALSE(Shell_NotifyIconA(NIM_DELETE, &data));
}
} // namespace
