// Scene "docking" of the toolkit host: the host's frame itself docks the
// bars. Menu commands float, dock, hide and show them; the state box tells
// where each bar is; the layout is kept in the profile from run to run.
#include "tests/toolkit/support/HostProcess.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {
enum : UINT
{
    Standard = 0xE800,
    Status = 0xE801,
    Second = 0xE806,
    Sizing = 0xE809,
    View = 0xE900,
    StateBox = 100,
};

enum : UINT
{
    FloatStandard = 32980,
    DockStandardLeft,
    DockStandardTop,
    ShowSecond,
    SaveState,
    LoadState,
    FloatSizing,
    ToggleSecond,
};

const char ProfileKey[] = "Software\\Tarnwick\\ToolkitHost";

RECT ParseRect(const std::string& text)
{
    RECT rect = { 0, 0, 0, 0 };
    std::sscanf(text.c_str(), "%ld,%ld,%ld,%ld", &rect.left, &rect.top, &rect.right, &rect.bottom);
    return rect;
}

RECT RectOf(const CHostProcess& host, UINT id)
{
    return ParseRect(host.Value("rect." + std::to_string(id)));
}

bool ProfileHas(const char* name)
{
    HKEY key = nullptr;
    std::string path = std::string(ProfileKey) + "\\" + name;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

class DockingSceneTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // Each case starts from the scene's own layout, not one an earlier run saved.
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
        ASSERT_TRUE(host.Start("docking"));
    }
    void TearDown() override
    {
        EXPECT_EQ(0u, host.Close());
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
    }
    // Posts a command and waits for the line it should change.
    bool Run(UINT command, const std::string& key, const std::string& value)
    {
        host.Command(command);
        return host.WaitFor(key, value);
    }
    CHostProcess host;
};
} // namespace

TEST_F(DockingSceneTest, TheMainWindowIsTheFrameAndTheStateBoxKeepsItsRightEdge)
{
    // The bars are the frame's: their windows lie inside it, not in a window of their own.
    EXPECT_EQ(host.MainWindow(), ::GetAncestor(host.Control(Standard), GA_ROOT));
    EXPECT_EQ(host.MainWindow(), ::GetAncestor(host.Control(View), GA_ROOT));

    RECT client;
    ::GetClientRect(host.MainWindow(), &client);
    ::MapWindowPoints(host.MainWindow(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT box;
    ::GetWindowRect(host.Control(StateBox), &box);
    EXPECT_EQ(300, box.right - box.left);
    EXPECT_EQ(client.right, box.right);
    EXPECT_EQ(client.top, box.top);
    EXPECT_EQ(client.bottom, box.bottom);
    // Nothing the frame lays out reaches under the state box.
    for (UINT id : { Standard, Status, Second, Sizing, View })
        EXPECT_LE(RectOf(host, id).right, box.left) << id;
}

TEST_F(DockingSceneTest, StartsWithBothToolbarsInOneRowAndTheOtherBarsAtTheirEdges)
{
    auto state = host.State();
    EXPECT_EQ("top", state["std.side"]);
    EXPECT_EQ("0", state["std.row"]);
    EXPECT_EQ("top", state["second.side"]);
    EXPECT_EQ("0", state["second.row"]);
    EXPECT_EQ("left", state["sizing.side"]);
    EXPECT_EQ("bottom", state["status.side"]);
    for (const char* bar : { "std", "second", "sizing", "status" })
        EXPECT_EQ("1", state[std::string(bar) + ".visible"]) << bar;
    EXPECT_EQ("0", state["floatframes"]);

    const RECT standard = ParseRect(state["rect.59392"]);
    const RECT second = ParseRect(state["rect.59398"]);
    const RECT sizing = ParseRect(state["rect.59401"]);
    const RECT status = ParseRect(state["rect.59393"]);
    const RECT view = ParseRect(state["rect.59648"]);
    EXPECT_EQ(standard.top, second.top);
    EXPECT_EQ(standard.right, second.left);
    // The sizing bar under the toolbars' row, the view right of it, the
    // status bar under both across the frame's whole width.
    EXPECT_GE(sizing.top, standard.bottom - 2);
    EXPECT_GE(view.left, sizing.right - 2);
    EXPECT_LE(view.bottom, status.top + 2);
    EXPECT_LE(status.left, sizing.left);
    EXPECT_GT(view.right - view.left, 100);
    EXPECT_GT(view.bottom - view.top, 100);
}

TEST_F(DockingSceneTest, ToolbarButtonsAreEnabledAndReachTheScene)
{
    EXPECT_EQ("", host.Value("last"));
    ASSERT_TRUE(Run(ShowSecond, "last", "command 32983"));
    ASSERT_TRUE(Run(ShowSecond, "second.visible", "1"));
    // A click in the middle of Standard's last button (23 x 22 pixels, at the bar's far end).
    HWND standard = host.Control(Standard);
    ASSERT_NE(nullptr, standard);
    RECT client;
    ::GetClientRect(standard, &client);
    const LPARAM at = MAKELPARAM(client.right - 11, client.bottom / 2);
    ::PostMessageA(standard, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageA(standard, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(host.WaitFor("last", "command 32993"));
    EXPECT_EQ("top", host.Value("std.side"));
}

TEST_F(DockingSceneTest, StandardFloatsDocksLeftAndComesBackToTheTop)
{
    ASSERT_TRUE(Run(FloatStandard, "std.side", "float"));
    EXPECT_EQ("-1", host.Value("std.row"));
    EXPECT_EQ("1", host.Value("floatframes"));
    EXPECT_EQ("1", host.Value("std.visible"));
    // The floating frame stands at (200, 200); the bar lies in it.
    RECT floating = RectOf(host, Standard);
    EXPECT_GE(floating.left, 200);
    EXPECT_GE(floating.top, 200);
    EXPECT_LT(floating.left, 220);
    EXPECT_LT(floating.top, 240);
    // The bar left the frame's windows for the floating frame's.
    EXPECT_EQ(nullptr, host.Control(Standard));
    // Second keeps its row; the one left of it is free now.
    EXPECT_EQ("top", host.Value("second.side"));
    EXPECT_EQ("0", host.Value("second.row"));

    ASSERT_TRUE(Run(DockStandardLeft, "std.side", "left"));
    EXPECT_EQ("0", host.Value("floatframes"));
    EXPECT_EQ("left", host.Value("sizing.side"));
    // A row of its own beside the sizing bar's.
    EXPECT_EQ("0", host.Value("sizing.row"));
    EXPECT_EQ("1", host.Value("std.row"));
    RECT left = RectOf(host, Standard);
    EXPECT_GT(left.bottom - left.top, left.right - left.left);   // vertical now

    ASSERT_TRUE(Run(DockStandardTop, "std.side", "top"));
    RECT top = RectOf(host, Standard);
    EXPECT_GT(top.right - top.left, top.bottom - top.top);
    EXPECT_EQ("top", host.Value("second.side"));
    EXPECT_EQ("0", host.Value("floatframes"));
}

TEST_F(DockingSceneTest, SecondHidesAndShowsAtIdle)
{
    const RECT shown = RectOf(host, Second);
    HWND second = host.Control(Second);
    ASSERT_NE(nullptr, second);
    ASSERT_TRUE(Run(ShowSecond, "second.visible", "0"));
    // The frame hides the window when it is idle.
    PumpUntil([second] { return !::IsWindowVisible(second); });
    EXPECT_FALSE(::IsWindowVisible(second));
    EXPECT_EQ("top", host.Value("second.side"));
    EXPECT_EQ("1", host.Value("std.visible"));

    ASSERT_TRUE(Run(ShowSecond, "second.visible", "1"));
    PumpUntil([second] { return ::IsWindowVisible(second) != FALSE; });
    EXPECT_TRUE(::IsWindowVisible(second));
    EXPECT_TRUE(host.WaitFor("rect.59398", host.Value("rect.59398")));
    const RECT again = RectOf(host, Second);
    EXPECT_EQ(shown.left, again.left);
    EXPECT_EQ(shown.top, again.top);
}

TEST_F(DockingSceneTest, SizingBarFloatsInAFrameOfItsOwn)
{
    ASSERT_TRUE(Run(FloatSizing, "sizing.side", "float"));
    EXPECT_EQ("-1", host.Value("sizing.row"));
    EXPECT_EQ("1", host.Value("floatframes"));
    EXPECT_EQ("1", host.Value("sizing.visible"));
    // The view takes the room the bar left.
    RECT frame;
    ::GetClientRect(host.MainWindow(), &frame);
    ::MapWindowPoints(host.MainWindow(), nullptr, reinterpret_cast<POINT*>(&frame), 2);
    PumpUntil([&] { return RectOf(host, View).left == frame.left; });
    EXPECT_EQ(frame.left, RectOf(host, View).left);

    ASSERT_TRUE(Run(FloatStandard, "std.side", "float"));
    EXPECT_EQ("2", host.Value("floatframes"));
}

TEST_F(DockingSceneTest, ToggleFloatsSecondAndDocksItBackInItsRow)
{
    const std::string place = host.Value("rect.59398");
    ASSERT_TRUE(Run(ToggleSecond, "second.side", "float"));
    EXPECT_EQ("-1", host.Value("second.row"));
    EXPECT_EQ("1", host.Value("floatframes"));
    EXPECT_EQ("0", host.Value("std.row"));

    ASSERT_TRUE(Run(ToggleSecond, "second.side", "top"));
    EXPECT_EQ("0", host.Value("second.row"));
    EXPECT_EQ("0", host.Value("floatframes"));
    EXPECT_TRUE(host.WaitFor("rect.59398", place));
}

TEST_F(DockingSceneTest, SavedStateComesBackByCommand)
{
    host.Command(SaveState);
    PumpUntil([] { return ProfileHas("DockingScene-Summary"); });
    ASSERT_TRUE(ProfileHas("DockingScene-Summary"));
    const std::string place = host.Value("rect.59392");

    ASSERT_TRUE(Run(DockStandardLeft, "std.side", "left"));
    ASSERT_TRUE(Run(FloatSizing, "sizing.side", "float"));
    ASSERT_TRUE(Run(LoadState, "std.side", "top"));
    EXPECT_TRUE(host.WaitFor("sizing.side", "left"));
    EXPECT_EQ("0", host.Value("std.row"));
    EXPECT_EQ("0", host.Value("second.row"));
    EXPECT_TRUE(host.WaitFor("floatframes", "0"));
    EXPECT_TRUE(host.WaitFor("rect.59392", place));
}

TEST_F(DockingSceneTest, LayoutIsSavedAtCloseAndLoadedAtTheNextStart)
{
    ASSERT_TRUE(Run(FloatStandard, "std.side", "float"));
    ASSERT_TRUE(Run(ShowSecond, "second.visible", "0"));
    ASSERT_TRUE(Run(DockStandardLeft, "std.side", "left"));
    EXPECT_EQ(0u, host.Close());
    EXPECT_TRUE(ProfileHas("DockingScene-Summary"));

    ASSERT_TRUE(host.Start("docking"));
    auto state = host.State();
    EXPECT_EQ("left", state["std.side"]);
    EXPECT_EQ("1", state["std.row"]);
    EXPECT_EQ("0", state["second.visible"]);
    EXPECT_EQ("top", state["second.side"]);
    EXPECT_EQ("left", state["sizing.side"]);
    EXPECT_EQ("1", state["status.visible"]);
    EXPECT_EQ("0", state["floatframes"]);
    EXPECT_FALSE(::IsWindowVisible(host.Control(Second)));
}

TEST_F(DockingSceneTest, AFloatingLayoutComesBackAfterARestart)
{
    ASSERT_TRUE(Run(FloatSizing, "sizing.side", "float"));
    ASSERT_TRUE(Run(ToggleSecond, "second.side", "float"));
    const std::string sizing = host.Value("rect.59401");
    EXPECT_EQ(0u, host.Close());

    ASSERT_TRUE(host.Start("docking"));
    EXPECT_TRUE(host.WaitFor("floatframes", "2"));
    EXPECT_EQ("float", host.Value("sizing.side"));
    EXPECT_EQ("float", host.Value("second.side"));
    EXPECT_EQ("top", host.Value("std.side"));
    EXPECT_EQ("0", host.Value("std.row"));
    EXPECT_TRUE(host.WaitFor("rect.59401", sizing));
}

TEST(DockingScene, IsOneOfTheHostsScenes)
{
    std::string output;
    EXPECT_EQ(2u, RunHostCapturingOutput("", output));
    EXPECT_NE(std::string::npos, output.find("docking\r\n"));
}
