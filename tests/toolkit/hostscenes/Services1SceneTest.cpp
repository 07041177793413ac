// Scene "services1" of the toolkit host, driven from outside its process:
// the static's fills and tip, the splash, the hooks' enter and leave, the
// auto-scroll of the list, and the bitmap saved and dithered.
#include "tests/toolkit/support/HostProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {
enum : UINT
{
    Caption = 1101,
    List = 1102,
    Picture = 1103,
    HookTarget = 1104,
};

// The splash: a visible topmost popup of the host the size of the bitmap.
HWND FindSplash(const CHostProcess& host)
{
    return host.FindWindowOf([](HWND hWnd) {
        RECT rect;
        ::GetWindowRect(hWnd, &rect);
        return (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) && rect.right - rect.left == 64 &&
               rect.bottom - rect.top == 48;
    });
}

std::vector<char> FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string HostFolder()
{
    const std::string program = HostProgramPath();
    return program.substr(0, program.find_last_of("\\/") + 1);
}

class Services1SceneTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.Start("services1")); }
    void TearDown() override { EXPECT_EQ(0u, host.Close()); }
    CHostProcess host;
};
} // namespace

TEST_F(Services1SceneTest, StartsWithTheBitmapTheTipAndNoAutoScroll)
{
    auto state = host.State();
    EXPECT_EQ("0", state["static.fill"]);
    EXPECT_EQ("Shaded caption", state["static.tip"]);
    EXPECT_EQ("64", state["dib.width"]);
    EXPECT_EQ("48", state["dib.height"]);
    EXPECT_EQ("8", state["dib.bits"]);
    EXPECT_EQ("0", state["imouse.attached"]);
    EXPECT_EQ("0", state["splash.visible"]);
    EXPECT_EQ("0", state["list.top"]);
    EXPECT_EQ("0", state["screen.palette"]);
    for (UINT id = Caption; id <= HookTarget; ++id)
        EXPECT_NE(state.end(), state.find("rect." + std::to_string(id))) << id;
}

TEST_F(Services1SceneTest, FillTypesCycleAndTheBackgroundCanGo)
{
    for (const char* fill : { "1", "2", "3", "4", "0" }) {
        host.Command(32822);
        EXPECT_TRUE(host.WaitFor("static.fill", fill));
    }
    host.Command(32826);
    EXPECT_TRUE(host.WaitFor("static.bk", "none"));
}

TEST_F(Services1SceneTest, ShapedSplashStaysThroughMovesAndClosesOnAClick)
{
    host.Command(32820);
    ASSERT_TRUE(host.WaitFor("splash.visible", "1"));
    EXPECT_EQ("1", host.Value("splash.shaped"));
    HWND splash = FindSplash(host);
    ASSERT_NE(nullptr, splash);
    ::PostMessageA(splash, WM_MOUSEMOVE, 0, MAKELPARAM(30, 20));
    PumpFor(400);
    EXPECT_EQ("1", host.Value("splash.visible"));
    ::PostMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 20));
    EXPECT_TRUE(host.WaitFor("splash.closed", "1"));
    EXPECT_EQ("0", host.Value("splash.visible"));

    // The default time closes the plain splash by itself.
    host.Command(32821);
    EXPECT_TRUE(host.WaitFor("splash.closed", "2", 4000));
    EXPECT_EQ("0", host.Value("splash.shaped"));
}

TEST_F(Services1SceneTest, HooksHearTheCursorComeAndGo)
{
    RECT target;
    ::GetWindowRect(host.Control(HookTarget), &target);
    SetCursorAt(CPoint((target.left + target.right) / 2, (target.top + target.bottom) / 2));
    EXPECT_TRUE(host.WaitFor("hook.inside", "1"));
    // Each hook that sees a move posts its own notice: one or two.
    EXPECT_NE("0", host.Value("hook.enter"));
    SetCursorAt(CPoint(target.right + 200, target.bottom + 300));
    EXPECT_TRUE(host.WaitFor("hook.inside", "0"));
    EXPECT_NE("0", host.Value("hook.leave"));
}

TEST_F(Services1SceneTest, MiddleButtonScrollsTheListUntilAKey)
{
    host.Command(32823);
    ASSERT_TRUE(host.WaitFor("imouse.attached", "1"));
    HWND list = host.Control(List);
    RECT rect;
    ::GetWindowRect(list, &rect);
    const CPoint centre((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SetCursorAt(centre);
    ::PostMessageA(list, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(100, 80));
    ASSERT_TRUE(host.WaitFor("imouse.active", "1"));
    SetCursorAt(centre + CPoint(0, 60));
    ::PostMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(100, 140));
    PumpUntil([&] { return host.Value("list.top") != "0"; }, 3000);
    EXPECT_NE("0", host.Value("list.top"));
    ::PostMessageA(list, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(host.WaitFor("imouse.active", "0"));
    const std::string top = host.Value("list.top");
    PumpFor(400);
    EXPECT_EQ(top, host.Value("list.top"));

    host.Command(32823);
    EXPECT_TRUE(host.WaitFor("imouse.attached", "0"));
}

TEST_F(Services1SceneTest, BitmapSavesByteForByteAndDithers)
{
    const std::string out = HostFolder() + "host-dib-out.bmp";
    ::DeleteFileA(out.c_str());
    host.Command(32824);
    ASSERT_TRUE(host.WaitFor("dib.saved", "1"));
    EXPECT_EQ(FileBytes(HostFolder() + "data\\host-dib.bmp"), FileBytes(out));
    ::DeleteFileA(out.c_str());
    host.Command(32825);
    EXPECT_TRUE(host.WaitFor("dib.dither", "ok"));
}
