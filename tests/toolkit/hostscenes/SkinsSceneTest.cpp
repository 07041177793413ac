// Scene "skins" of the toolkit host: the "Look" menu, the extended status
// bar's progress, colour, bitmap and indicator panes driven by the scene's
// commands, its double-click notification and a look's gripper on screen.
#include "tests/toolkit/support/HostProcess.h"

#include <gtest/gtest.h>

namespace {
enum : UINT
{
    LookClassic = 32791,
    LookXp = 32792,
    Look2003 = 32793,
    LookNone = 32794,
    ProgressStep = 33020,
    ProgressTwoOfThree = 33021,
    ToggleColor = 33022,
    NextBitmapMode = 33023,
    RemoveSkin = 33024,
    ThreePanes = 33025,
    StatusBarId = 0xE801,
};

class SkinsSceneTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.Start("skins")); }
    void TearDown() override { EXPECT_EQ(0u, host.Close()); }
    CHostProcess host;
};
} // namespace

TEST_F(SkinsSceneTest, StartsInOfficeXpWithFivePanes)
{
    auto state = host.State();
    EXPECT_EQ("Office XP", state["look"]);
    EXPECT_EQ("5", state["panes"]);
    EXPECT_EQ("0", state["progress.percent"]);
    EXPECT_EQ("1", state["progress.windows"]);
    EXPECT_EQ("0", state["pane0.ownerdraw"]);
    EXPECT_EQ("2", state["bitmap.mode"]);
    EXPECT_EQ("none", state["last"]);
}

TEST_F(SkinsSceneTest, LookMenuSwitchesAndClearsTheSkin)
{
    host.Command(Look2003);
    EXPECT_TRUE(host.WaitFor("look", "Office 2003"));
    host.Command(LookClassic);
    EXPECT_TRUE(host.WaitFor("look", "Classic"));
    host.Command(LookNone);
    EXPECT_TRUE(host.WaitFor("look", "none"));
    host.Command(LookXp);
    EXPECT_TRUE(host.WaitFor("look", "Office XP"));
    // Removing the current skin leaves the windows on their classic painters.
    host.Command(RemoveSkin);
    EXPECT_TRUE(host.WaitFor("look", "none"));
    host.Command(LookXp);
    EXPECT_TRUE(host.WaitFor("look", "none"));
    host.Command(Look2003);
    EXPECT_TRUE(host.WaitFor("look", "Office 2003"));
}

TEST_F(SkinsSceneTest, ProgressColourAndBitmapCommands)
{
    host.Command(ProgressStep);
    EXPECT_TRUE(host.WaitFor("progress.percent", "25"));
    host.Command(ProgressTwoOfThree);
    EXPECT_TRUE(host.WaitFor("progress.percent", "66"));
    host.Command(ToggleColor);
    EXPECT_TRUE(host.WaitFor("pane0.ownerdraw", "1"));
    host.Command(ToggleColor);
    EXPECT_TRUE(host.WaitFor("pane0.ownerdraw", "0"));
    for (int mode = 3; mode <= 7; ++mode)
    {
        host.Command(NextBitmapMode);
        EXPECT_TRUE(host.WaitFor("bitmap.mode", std::to_string(mode)));
    }
    host.Command(NextBitmapMode);
    EXPECT_TRUE(host.WaitFor("bitmap.mode", "1"));
    host.Command(ThreePanes);
    EXPECT_TRUE(host.WaitFor("panes", "3"));
    EXPECT_EQ("1", host.Value("progress.windows"));
}

TEST_F(SkinsSceneTest, DoubleClickOnTheLastPaneReportsItsId)
{
    HWND bar = host.Control(StatusBarId);
    ASSERT_NE(nullptr, bar);
    RECT client;
    ::GetClientRect(bar, &client);
    ::PostMessageA(bar, WM_LBUTTONDBLCLK, 0, MAKELPARAM(client.right - 30, client.bottom / 2));
    EXPECT_TRUE(host.WaitFor("last", "dblclk 59138"));
}
