// Scene "colors" of the toolkit host, driven from outside its process: menu
// commands, clicks posted to its buttons, the real cursor, and the state box.
#include "tests/toolkit/support/HostProcess.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {
enum : UINT
{
    Go = 1001,
    Toggle = 1002,
    DropDown = 1003,
    Color = 1004,
    TearOffColor = 1005,
    Override = 1006,
};

// A click on a button of the host: BM_CLICK presses and releases it there.
void Click(const CHostProcess& host, UINT id)
{
    ::PostMessageA(host.Control(id), BM_CLICK, 0, 0);
}

HWND WaitForPopupBar(const CHostProcess& host)
{
    HWND found = nullptr;
    PumpUntil([&] {
        found = host.FindWindowOf([](HWND hWnd) {
            char cls[64] = "";
            ::GetClassNameA(hWnd, cls, sizeof cls);
            return std::string(cls) == "PopupBarControl";
        });
        return found != nullptr;
    }, 3000);
    return found;
}

class ColorsSceneTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.Start("colors")); }
    void TearDown() override { EXPECT_EQ(0u, host.Close()); }
    CHostProcess host;
};
} // namespace

TEST_F(ColorsSceneTest, StartsWithTheApplicationsPickerAndTheOverrideOn)
{
    auto state = host.State();
    EXPECT_EQ("none", state["color.1004"]);
    EXPECT_EQ("none", state["color.1005"]);
    EXPECT_EQ("0", state["picker.1005.tornoff"]);
    EXPECT_EQ("0", state["picker.1005.visible"]);
    EXPECT_EQ("1", state["btn.1006.override"]);
    EXPECT_EQ("1", state["btn.1006.enabled"]);
    EXPECT_EQ("Start it", state["btn.1001.tip"]);
    EXPECT_EQ("0", state["screen.palette"]);
    EXPECT_EQ("0", state["btn.1002.state"]);
    for (UINT id = 1001; id <= 1007; ++id)
        EXPECT_NE(state.end(), state.find("rect." + std::to_string(id))) << id;
}

TEST_F(ColorsSceneTest, OverriddenButtonIgnoresClicksWhileDisabled)
{
    host.Command(32800);
    ASSERT_TRUE(host.WaitFor("btn.1006.enabled", "0"));
    EXPECT_TRUE(::IsWindowEnabled(host.Control(Override)));
    EXPECT_EQ(0, ::GetWindowLongA(host.Control(Override), GWL_STYLE) & WS_TABSTOP);
    Click(host, Override);
    PumpFor(300);
    EXPECT_EQ("0", host.Value("btn.1006.clicks"));
    host.Command(32800);
    ASSERT_TRUE(host.WaitFor("btn.1006.enabled", "1"));
    Click(host, Override);
    EXPECT_TRUE(host.WaitFor("btn.1006.clicks", "1"));
    EXPECT_EQ("BN_CLICKED 1006", host.Value("last"));
    // Without the override the window itself is disabled.
    host.Command(32800);
    host.Command(32801);
    ASSERT_TRUE(host.WaitFor("btn.1006.override", "0"));
    EXPECT_FALSE(::IsWindowEnabled(host.Control(Override)));
}

TEST_F(ColorsSceneTest, ToggleCyclesThroughTheThirdState)
{
    Click(host, Toggle);
    EXPECT_TRUE(host.WaitFor("btn.1002.state", "1"));
    Click(host, Toggle);
    EXPECT_TRUE(host.WaitFor("btn.1002.state", "2"));
    Click(host, Toggle);
    EXPECT_TRUE(host.WaitFor("btn.1002.state", "0"));
}

TEST_F(ColorsSceneTest, AnsweredDropDownIsCountedAndOpensNothing)
{
    host.Command(32802);
    ASSERT_TRUE(host.WaitFor("btn.1003.notify", "1"));
    Click(host, DropDown);
    EXPECT_TRUE(host.WaitFor("btn.1003.dropdowns", "1"));
    EXPECT_EQ("0x8066 1003", host.Value("last"));
}

TEST_F(ColorsSceneTest, DefaultColourAndPickerColoursByCommand)
{
    host.Command(32806);
    char face[8];
    COLORREF colour = ::GetSysColor(COLOR_BTNFACE);
    std::snprintf(face, sizeof face, "%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    EXPECT_TRUE(host.WaitFor("color.1004", face));

    host.Command(32804);
    EXPECT_TRUE(host.WaitFor("picker.1005.colors", "40"));
    // No palette display here: the system palette gives nothing and changes nothing.
    host.Command(32803);
    PumpFor(300);
    EXPECT_EQ("40", host.Value("picker.1005.colors"));

    host.Command(32805);
    EXPECT_TRUE(host.WaitFor("btn.1001.tip", "Start it Runs the scene's action once"));
}

TEST_F(ColorsSceneTest, PickerDropsDownAndEscapeClosesIt)
{
    Click(host, Color);
    HWND popup = WaitForPopupBar(host);
    ASSERT_NE(nullptr, popup);
    ::PostMessageA(popup, WM_KEYUP, VK_ESCAPE, 0);
    PumpUntil([popup] { return !::IsWindowVisible(popup); });
    EXPECT_FALSE(::IsWindowVisible(popup));
    EXPECT_EQ("none", host.Value("color.1004"));

    // The tear-off picker's popup has its strip: a swatch click still picks.
    Click(host, TearOffColor);
    popup = WaitForPopupBar(host);
    ASSERT_NE(nullptr, popup);
    EXPECT_TRUE(host.WaitFor("picker.1005.visible", "1"));
    ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(host.WaitFor("color.1005", "000000"));
    EXPECT_EQ("0", host.Value("picker.1005.tornoff"));
}

TEST_F(ColorsSceneTest, HoverOverTheIconButtonShowsItsTip)
{
    RECT go;
    ::GetWindowRect(host.Control(Go), &go);
    SetCursorAt(CPoint((go.left + go.right) / 2, (go.top + go.bottom) / 2));
    // The host sees the real cursor's moves; nudging it makes sure one comes.
    ::PostMessageA(host.Control(Go), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(host.WaitFor("btn.1001.hover", "1"));
    EXPECT_TRUE(host.WaitFor("tip.visible", "1", 3000));
    EXPECT_EQ("Start it", host.Value("tip.text"));
    SetCursorAt(CPoint(go.right + 300, go.bottom + 300));
    ::PostMessageA(host.Control(Go), WM_MOUSEMOVE, 0, MAKELPARAM(600, 400));
    EXPECT_TRUE(host.WaitFor("btn.1001.hover", "0"));
}

TEST_F(ColorsSceneTest, TearOffPickerFloatsReportsItsColourAndHidesOnClose)
{
    Click(host, TearOffColor);
    HWND popup = WaitForPopupBar(host);
    ASSERT_NE(nullptr, popup);
    RECT before, client;
    ::GetWindowRect(popup, &before);
    ::GetClientRect(popup, &client);
    // The strip spans the top of the bar, 6 pixels high from y 1.
    POINT strip = { client.right / 2, 4 };
    POINT screen = strip;
    ::ClientToScreen(popup, &screen);
    SetCursorAt(CPoint(screen));
    ::PostMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(strip.x, strip.y));
    ::PostMessageA(popup, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(strip.x, 40));
    PumpFor(400);
    ::PostMessageA(popup, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(strip.x + 50, strip.y + 30));
    ::PostMessageA(popup, WM_LBUTTONUP, 0, MAKELPARAM(strip.x + 50, strip.y + 30));
    ASSERT_TRUE(host.WaitFor("picker.1005.tornoff", "1"));
    EXPECT_EQ("1", host.Value("picker.1005.visible"));
    EXPECT_EQ("Colours", host.Value("picker.1005.caption"));
    // Dragged by (50, 30) from where the popup stood.
    long left = 0, top = 0;
    ASSERT_EQ(2, std::sscanf(host.Value("picker.1005.rect").c_str(), "%ld,%ld", &left, &top));
    EXPECT_EQ(before.left + 50, left);
    EXPECT_EQ(before.top + 30, top);

    // The floating bar chooses by keys too: the first swatch is black.
    HWND floating = WaitForPopupBar(host);
    ASSERT_NE(nullptr, floating);
    SetCursorAt(CPoint(5, 700));
    PumpFor(400);   // the bar's timer clears the hot button away from the cursor
    ::PostMessageA(floating, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(floating, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(floating, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(host.WaitFor("color.1005", "000000"));
    EXPECT_EQ("0x8096 1005", host.Value("last"));
    EXPECT_EQ("1", host.Value("picker.1005.visible"));

    ::PostMessageA(floating, WM_CLOSE, 0, 0);
    EXPECT_TRUE(host.WaitFor("picker.1005.visible", "0"));
    EXPECT_EQ("1", host.Value("picker.1005.tornoff"));
}
