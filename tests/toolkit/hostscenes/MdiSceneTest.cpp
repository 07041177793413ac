// Scene "mdi" of the toolkit host: an MDI frame with a text and a split
// template, driven by its menu commands and read from its state box.
#include "tests/toolkit/support/HostProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {
enum : UINT
{
    NewText = 33000,
    NewSplit = 33001,
    Maximize = 33002,
    Restore = 33003,
    CloseChild = 33004,
    KickIdleDialog = 33005,
    SplitRow60 = 33006,
    WhoHandles = 33007,
    WindowNew = 0xE130,
    WindowCascade = 0xE132,
};

class MdiSceneTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.Start("mdi")); }
    void TearDown() override { EXPECT_EQ(0u, host.Close()); }

    // Gives a command and waits for the state line it should bring.
    bool CommandThen(UINT id, const std::string& key, const std::string& value)
    {
        host.Command(id);
        return host.WaitFor(key, value);
    }

    CHostProcess host;
};
} // namespace

TEST_F(MdiSceneTest, StartsEmptyWithTheFramesOwnMenu)
{
    auto state = host.State();
    EXPECT_EQ("mdi", state["scene"]);
    EXPECT_EQ("0", state["children"]);
    EXPECT_EQ("", state["active"]);
    EXPECT_EQ("&Host,&Look,&Scene,&Window", state["menu"]);
    EXPECT_EQ("Toolkit Host - mdi", state["caption"]);
    EXPECT_EQ("none", state["handled"]);
    // The state box is the bar at the frame's right.
    RECT frame;
    RECT box;
    ::GetClientRect(host.MainWindow(), &frame);
    ::GetWindowRect(host.Control(100), &box);
    POINT corner = {box.right, box.bottom};
    ::ScreenToClient(host.MainWindow(), &corner);
    EXPECT_EQ(frame.right, corner.x);
    EXPECT_EQ(frame.bottom, corner.y);
    EXPECT_EQ(300, box.right - box.left);
}

TEST_F(MdiSceneTest, TemplatesSwitchTheMenuAndCommandsReachTheActiveView)
{
    ASSERT_TRUE(CommandThen(NewText, "active", "Text1"));
    EXPECT_EQ("1", host.Value("children"));
    EXPECT_EQ("&Host,&Look,&Scene,&Text,&Window", host.Value("menu"));
    ASSERT_TRUE(CommandThen(NewSplit, "active", "Split1"));
    EXPECT_EQ("2", host.Value("children"));
    EXPECT_EQ("&Host,&Look,&Scene,&Window", host.Value("menu"));
    const std::string rows = host.Value("split.rows");
    EXPECT_EQ(0u, rows.find("100,")) << rows;
    ASSERT_TRUE(CommandThen(SplitRow60, "split.rows", "60," + std::to_string(std::stoi(rows.substr(4)) + 40)));
    EXPECT_TRUE(CommandThen(WhoHandles, "handled", "view"));

    ASSERT_TRUE(CommandThen(CloseChild, "children", "1"));
    EXPECT_EQ("Text1", host.Value("active"));
    EXPECT_EQ("&Host,&Look,&Scene,&Text,&Window", host.Value("menu"));
    ASSERT_TRUE(CommandThen(CloseChild, "children", "0"));
    EXPECT_EQ("&Host,&Look,&Scene,&Window", host.Value("menu"));
    EXPECT_TRUE(CommandThen(WhoHandles, "handled", "frame"));
}

TEST_F(MdiSceneTest, NewWindowNumbersAndMaximizingShowsTheChildInTheCaption)
{
    ASSERT_TRUE(CommandThen(NewText, "active", "Text1"));
    ASSERT_TRUE(CommandThen(WindowNew, "active", "Text1:2"));
    EXPECT_EQ("2", host.Value("children"));
    ASSERT_TRUE(CommandThen(Maximize, "maximized", "1"));
    EXPECT_EQ("Toolkit Host - mdi - [Text1:2]", host.Value("caption"));
    ASSERT_TRUE(CommandThen(Restore, "maximized", "0"));
    EXPECT_EQ("Toolkit Host - mdi", host.Value("caption"));
    host.Command(WindowCascade);
    EXPECT_TRUE(host.WaitFor("active", "Text1:2"));
}

TEST_F(MdiSceneTest, ModalDialogCountsIdleTimeAndEscapeClosesIt)
{
    host.Command(KickIdleDialog);
    HWND dialog = nullptr;
    PumpUntil([&] {
        dialog = host.FindWindowOf([](HWND hWnd) {
            char caption[16] = "";
            ::GetWindowTextA(hWnd, caption, sizeof caption);
            return std::string(caption) == "Idle";
        });
        return dialog != nullptr;
    }, 3000);
    ASSERT_NE(nullptr, dialog);
    PumpUntil([&] { return host.Value("kickidle") != "0"; }, 3000);
    EXPECT_NE("0", host.Value("kickidle"));
    ::PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpUntil([&] { return !::IsWindow(dialog); }, 3000);
    EXPECT_FALSE(::IsWindow(dialog));
}
