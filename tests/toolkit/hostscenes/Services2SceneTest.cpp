// Scene "services2" of the toolkit host: the layout container, the taskbar
// icon, the instance manager across two hosts and the registry value file,
// driven by menu commands and read from the state box.
#include "tests/toolkit/support/HostProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
enum : UINT
{
    Container = 1201,
    Stretched = 1202,
    RightTied = 1203,
    Centred = 1204,
    TrayShow = 32840,
    TrayHide = 32841,
    TrayLongTip = 32842,
    InstancesOne = 32843,
    InstancesThree = 32844,
    ShortcutBind = 32845,
    ShortcutSave = 32846,
    ShortcutLoad = 32847,
    ShortcutTarget = 32849,
    ResizeContainer = 32848,
    RegFileWrite = 32851,
    RegFileRead = 32852,
};

// "l,t,r,b" as a rectangle.
RECT ParseRect(const std::string& text)
{
    RECT rect = {};
    sscanf(text.c_str(), "%ld,%ld,%ld,%ld", &rect.left, &rect.top, &rect.right, &rect.bottom);
    return rect;
}

// The icon's hidden window: the host's top-level window owned by its main window.
HWND TrayWindow(const CHostProcess& host)
{
    struct Search
    {
        HWND owner;
        HWND found;
    } search = { host.MainWindow(), nullptr };
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search* s = reinterpret_cast<Search*>(lParam);
            if (::GetWindow(hWnd, GW_OWNER) == s->owner && !::IsWindowVisible(hWnd)) {
                s->found = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Presses the keys together as the user would (the last one is the key, the
// others modifiers), in the host's foreground window.
void PressKeys(HWND window, std::initializer_list<WORD> keys)
{
    ::SetForegroundWindow(window);
    PumpUntil([&] { return ::GetForegroundWindow() == window; }, 2000);
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto it = keys.end(); it != keys.begin();) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--it;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

const char ShortcutKey[] = "Software\\Tarnwick\\ToolkitHost\\Services2Keys";

class Services2SceneTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.Start("services2")); }
    void TearDown() override { EXPECT_EQ(0u, host.Close()); }
    CHostProcess host;
};
} // namespace

TEST_F(Services2SceneTest, StartsAloneWithTheIconHiddenAndTheChildrenLaidOut)
{
    auto state = host.State();
    EXPECT_EQ("0", state["tray.showing"]);
    EXPECT_EQ("Toolkit host", state["tray.tip"]);
    EXPECT_EQ("1", state["instance.count"]);
    EXPECT_EQ("1", state["instance.max"]);
    EXPECT_EQ("300,120", state["layout.size"]);
    RECT container = ParseRect(state["rect.1201"]);
    RECT stretched = ParseRect(state["rect.1202"]);
    RECT centred = ParseRect(state["rect.1204"]);
    EXPECT_EQ(300, container.right - container.left);
    EXPECT_EQ(container.left + 10, stretched.left);
    EXPECT_EQ(container.right - 10, stretched.right);
    EXPECT_EQ(container.left + 150, centred.left);
}

TEST_F(Services2SceneTest, ResizingTheContainerMovesItsChildren)
{
    host.Command(ResizeContainer);
    ASSERT_TRUE(host.WaitFor("layout.size", "400,160"));
    auto state = host.State();
    RECT container = ParseRect(state["rect.1201"]);
    RECT stretched = ParseRect(state["rect.1202"]);
    RECT right = ParseRect(state["rect.1203"]);
    RECT centred = ParseRect(state["rect.1204"]);
    EXPECT_EQ(400, container.right - container.left);
    EXPECT_EQ(380, stretched.right - stretched.left);
    EXPECT_EQ(container.right - 10, right.right);
    EXPECT_EQ(60, right.right - right.left);
    EXPECT_EQ(container.left + 200, centred.left);
    EXPECT_EQ(40, centred.right - centred.left);

    host.Command(ResizeContainer);
    ASSERT_TRUE(host.WaitFor("layout.size", "240,100"));
    stretched = ParseRect(host.Value("rect.1202"));
    EXPECT_EQ(220, stretched.right - stretched.left);
}

TEST_F(Services2SceneTest, TrayIconShowsOnceTakesALongTipAndReportsClicks)
{
    host.Command(TrayShow);
    ASSERT_TRUE(host.WaitFor("last", "tray show 1"));
    host.Command(TrayShow);
    ASSERT_TRUE(host.WaitFor("last", "tray show 0"));
    EXPECT_EQ("1", host.Value("tray.showing"));
    host.Command(TrayLongTip);
    ASSERT_TRUE(host.WaitFor("last", "tray tip"));
    EXPECT_EQ(100u, host.Value("tray.tip").size());

    // The shell's callback reaches the scene through the icon's owner.
    HWND tray = TrayWindow(host);
    ASSERT_NE(nullptr, tray);
    ::PostMessageA(tray, 0x80A3, 1, WM_LBUTTONUP);
    ASSERT_TRUE(host.WaitFor("tray.callbacks", "1"));
    EXPECT_EQ("0x202", host.Value("tray.last"));

    host.Command(TrayHide);
    ASSERT_TRUE(host.WaitFor("last", "tray hide 1"));
    EXPECT_EQ("0", host.Value("tray.showing"));
}

TEST_F(Services2SceneTest, ASecondHostIsCountedAndClosedByAnEnforcedMaximum)
{
    CHostProcess second;
    ASSERT_TRUE(second.Start("services2"));
    std::string secondPid = second.Value("instance.pid");
    EXPECT_EQ("2", second.Value("instance.count"));
    ASSERT_TRUE(host.WaitFor("instance.added", secondPid));
    EXPECT_EQ("2", host.Value("instance.count"));

    host.Command(InstancesThree);
    ASSERT_TRUE(host.WaitFor("instance.max", "3"));
    EXPECT_TRUE(second.WaitFor("instance.max", "3"));

    host.Command(InstancesOne);
    ASSERT_TRUE(host.WaitFor("instance.removed", secondPid, 10000));
    EXPECT_EQ("1", host.Value("instance.count"));
    EXPECT_EQ("1", host.Value("instance.max"));
    EXPECT_EQ(0u, second.Close());
}

TEST_F(Services2SceneTest, RegistryValueFileKeepsThreeThousandBytes)
{
    const char key[] = "Software\\Tarnwick\\ToolkitHost\\Services2";
    ::RegDeleteKeyA(HKEY_CURRENT_USER, key);
    host.Command(RegFileWrite);
    ASSERT_TRUE(host.WaitFor("last", "regfile write"));
    HKEY opened = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyA(HKEY_CURRENT_USER, key, &opened));
    DWORD type = 0, size = 0;
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(opened, "RegFile", nullptr, &type, nullptr, &size));
    ::RegCloseKey(opened);
    EXPECT_EQ(DWORD(REG_BINARY), type);
    EXPECT_EQ(3000u, size);

    host.Command(RegFileRead);
    ASSERT_TRUE(host.WaitFor("last", "regfile read"));
    EXPECT_EQ("3000", host.Value("regfile.bytes"));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, key);
}

TEST_F(Services2SceneTest, TrackerStaysInItsAreaAndKeepsItsLock)
{
    EXPECT_EQ("20,20,120,80", host.Value("tracker.rect"));
    EXPECT_EQ("0x0", host.Value("tracker.style"));
    RECT bound = ParseRect(host.Value("tracker.bound"));
    HWND area = host.Control(1205);
    ASSERT_NE(nullptr, area);
    auto drag = [&](int fromX, int fromY, int toX, int toY) {
        ::PostMessageA(area, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(fromX, fromY));
        ::PostMessageA(area, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY));
        ::PostMessageA(area, WM_LBUTTONUP, 0, MAKELPARAM(toX, toY));
    };
    auto text = [](long l, long t, long r, long b) {
        return std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(r) + "," + std::to_string(b);
    };
    // Far down: the top stops 10 pixels above the area's bottom, the size stays.
    const long top = bound.bottom - 10;
    drag(50, 50, 60, 1000);
    ASSERT_TRUE(host.WaitFor("tracker.rect", text(30, top, 130, top + 60))) << host.Value("tracker.rect");

    // Locked to horizontal moves: the mouse going up moves it sideways only.
    host.Command(32850);
    ASSERT_TRUE(host.WaitFor("tracker.style", "0x100"));
    drag(50, top + 5, 100, 20);
    ASSERT_TRUE(host.WaitFor("tracker.rect", text(80, top, 180, top + 60))) << host.Value("tracker.rect");

    // Locked to vertical moves.
    host.Command(32850);
    ASSERT_TRUE(host.WaitFor("tracker.style", "0x200"));
    drag(100, top + 5, 10, 15);
    ASSERT_TRUE(host.WaitFor("tracker.rect", text(80, 10, 180, 70))) << host.Value("tracker.rect");
}

TEST_F(Services2SceneTest, ShortcutKeysAreBoundSavedAndLoaded)
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, ShortcutKey);
    EXPECT_EQ("Ctrl+J", host.Value("accel.32849"));
    EXPECT_EQ("0", host.Value("shortcut.hits"));
    host.Command(ShortcutTarget);
    ASSERT_TRUE(host.WaitFor("shortcut.hits", "1"));
    PressKeys(host.MainWindow(), { VK_CONTROL, 'J' });
    ASSERT_TRUE(host.WaitFor("shortcut.hits", "2"));

    // Ctrl+Shift+K is bound only after the command.
    PressKeys(host.MainWindow(), { VK_CONTROL, VK_SHIFT, 'K' });
    PumpFor(300);
    EXPECT_EQ("2", host.Value("shortcut.hits"));
    host.Command(ShortcutBind);
    ASSERT_TRUE(host.WaitFor("last", "shortcut bind 1"));
    EXPECT_EQ("Ctrl+J, Shift+Ctrl+K", host.Value("accel.32849"));
    PressKeys(host.MainWindow(), { VK_CONTROL, VK_SHIFT, 'K' });
    ASSERT_TRUE(host.WaitFor("shortcut.hits", "3"));
    host.Command(ShortcutSave);
    ASSERT_TRUE(host.WaitFor("last", "shortcut save 1"));
    EXPECT_EQ(0u, host.Close());

    // A new host starts with its resource's keys and loads the saved ones.
    ASSERT_TRUE(host.Start("services2"));
    EXPECT_EQ("Ctrl+J", host.Value("accel.32849"));
    host.Command(ShortcutLoad);
    ASSERT_TRUE(host.WaitFor("last", "shortcut load 1"));
    EXPECT_EQ("Ctrl+J, Shift+Ctrl+K", host.Value("accel.32849"));
    PressKeys(host.MainWindow(), { VK_CONTROL, VK_SHIFT, 'K' });
    ASSERT_TRUE(host.WaitFor("shortcut.hits", "1"));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, ShortcutKey);
}
