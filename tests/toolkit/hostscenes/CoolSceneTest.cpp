// Scene "cool" of the toolkit host: the cool-control organizer attached to
// and detached from the host's thread, what it converts and skips, windows
// made later, hot tracking under the real cursor, and the cool look switch.
#include "tests/toolkit/support/HostProcess.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {
enum : UINT
{
    Attach = 32880,
    Detach = 32881,
    ToggleEnable = 32882,
    CreateLater = 32883,
    ToggleCool = 32884,
    RecreatePush = 32885,
};

RECT ParseRect(const std::string& text)
{
    RECT rect = {};
    sscanf(text.c_str(), "%ld,%ld,%ld,%ld", &rect.left, &rect.top, &rect.right, &rect.bottom);
    return rect;
}

class CoolSceneTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Start("cool"));
        // The cursor away from the controls.
        RECT main = {};
        ::GetWindowRect(host.MainWindow(), &main);
        SetCursorAt(CPoint(main.right - 5, main.bottom - 5));
    }
    void TearDown() override { EXPECT_EQ(0u, host.Close()); }
    CHostProcess host;
};
} // namespace

TEST_F(CoolSceneTest, AttachConvertsPlainControlsAndSkipsTheFrameworkEdit)
{
    auto state = host.State();
    EXPECT_EQ("0", state["organizer.attached"]);
    EXPECT_EQ("0", state["conv.1401"]);

    host.Command(Attach);
    ASSERT_TRUE(host.WaitFor("last", "attach 1"));
    state = host.State();
    EXPECT_EQ("1", state["organizer.attached"]);
    for (const char* id : {"1401", "1402", "1403", "1404", "1405", "1406", "1407", "1408", "1409", "1410", "1411",
                           "1412"}) {
        EXPECT_EQ("1", state[std::string("conv.") + id]) << id;
        EXPECT_EQ("1", state[std::string("cool.") + id]) << id;
    }
    EXPECT_EQ("skip:1", state["conv.1413"]);

    host.Command(Attach);
    EXPECT_TRUE(host.WaitFor("last", "attach 0"));
}

TEST_F(CoolSceneTest, LaterAndRecreatedWindowsConvertAndDetachGivesThemBack)
{
    host.Command(Attach);
    ASSERT_TRUE(host.WaitFor("last", "attach 1"));
    host.Command(CreateLater);
    ASSERT_TRUE(host.WaitFor("last", "create 1"));
    EXPECT_TRUE(host.WaitFor("conv.1414", "1"));
    host.Command(RecreatePush);
    ASSERT_TRUE(host.WaitFor("last", "recreate 1"));
    EXPECT_TRUE(host.WaitFor("conv.1408", "1"));

    host.Command(Detach);
    ASSERT_TRUE(host.WaitFor("last", "detach 1"));
    auto state = host.State();
    EXPECT_EQ("0", state["organizer.attached"]);
    EXPECT_EQ("0", state["conv.1401"]);
    EXPECT_EQ("0", state["conv.1414"]);
    EXPECT_EQ("0", state["cool.1401"]);   // no cool object any more
    host.Command(Detach);
    EXPECT_TRUE(host.WaitFor("last", "detach 0"));
}

TEST_F(CoolSceneTest, HoverMakesAControlHotAndTheCoolLookSwitches)
{
    host.Command(Attach);
    ASSERT_TRUE(host.WaitFor("last", "attach 1"));
    RECT push = ParseRect(host.Value("rect.1408"));
    SetCursorAt(CPoint((push.left + push.right) / 2, (push.top + push.bottom) / 2));
    EXPECT_TRUE(host.WaitFor("hot.1408", "1"));
    RECT main = {};
    ::GetWindowRect(host.MainWindow(), &main);
    SetCursorAt(CPoint(main.right - 5, main.bottom - 5));
    EXPECT_TRUE(host.WaitFor("hot.1408", "0"));

    host.Command(ToggleCool);
    ASSERT_TRUE(host.WaitFor("last", "cool 0"));
    EXPECT_EQ("0", host.Value("cool.1401"));
    host.Command(ToggleCool);
    EXPECT_TRUE(host.WaitFor("cool.1401", "1"));

    host.Command(ToggleEnable);
    ASSERT_TRUE(host.WaitFor("last", "disabled"));
    host.Command(ToggleEnable);
    EXPECT_TRUE(host.WaitFor("last", "enabled"));
}
