// Scene "lists" of the toolkit host, driven from outside its process: the
// item tip over a cut-off cell, the recent sections, the font list, the
// multi-column combo box's master column, the font picker's buddy, the
// separator and the option tree's commands.
#include "tests/toolkit/support/HostProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {
enum : UINT
{
    Report = 1701,
    ListBoxEx = 1702,
    Separator = 1708,
    OptionTree = 1710,
};

class ListsSceneTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.Start("lists")); }
    void TearDown() override { EXPECT_EQ(0u, host.Close()); }
    CHostProcess host;
};
} // namespace

TEST_F(ListsSceneTest, StartsWithEveryControlFilled)
{
    auto state = host.State();
    EXPECT_EQ("20", state["lbex.count"]);
    EXPECT_EQ("", state["lbex.mru"]);
    EXPECT_NE("0", state["fontlist.count"]);
    EXPECT_EQ("1:BER|Berlin|Germany", state["multicombo.sel"]);
    EXPECT_EQ("0", state["multicombo.master"]);
    EXPECT_NE("0", state["imagelist.count"]);
    EXPECT_EQ("12 pt, Tahoma", state["fontpicker.text"]);
    EXPECT_EQ("1", state["option.1"]);
    EXPECT_EQ("1", state["option.11"]);
    EXPECT_EQ("0", state["option.12"]);
    EXPECT_EQ("Options", state["sep.1708.text"]);
    EXPECT_EQ("centre", state["sep.1708.align"]);
    EXPECT_EQ("0", state["tip.visible"]);
    for (UINT id = Report; id <= OptionTree; ++id)
        EXPECT_NE(state.end(), state.find("rect." + std::to_string(id))) << id;
}

TEST_F(ListsSceneTest, TipShowsTheWholeTextOfACutCell)
{
    HWND report = host.Control(Report);
    HWND header = ::FindWindowExA(report, nullptr, "SysHeader32", nullptr);
    ASSERT_TRUE(header);
    RECT headerRect;
    ::GetWindowRect(header, &headerRect);
    POINT origin = { 0, 0 };
    ::ClientToScreen(report, &origin);
    // The middle of row 0, column 1 (columns of 70 pixels).
    SetCursorAt(CPoint(origin.x + 105, headerRect.bottom + 7));
    SetCursorAt(CPoint(origin.x + 106, headerRect.bottom + 8));
    EXPECT_TRUE(host.WaitFor("tip.visible", "1"));
    EXPECT_EQ("a search engine with a long name", host.Value("tip.text"));
    EXPECT_EQ("1", host.Value("tip.result"));
    SetCursorAt(CPoint(origin.x - 40, origin.y - 40));
    EXPECT_TRUE(host.WaitFor("tip.visible", "0"));
}

TEST_F(ListsSceneTest, DoubleClickMovesAnItemIntoTheRecentSection)
{
    HWND list = host.Control(ListBoxEx);
    ::SendMessageA(list, LB_SETCURSEL, 5, 0);
    ::SendMessageA(host.MainWindow(), WM_COMMAND, MAKEWPARAM(ListBoxEx, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(host.WaitFor("lbex.mru", "Item 05"));
    EXPECT_EQ("Item 05", host.Value("lbex.sel"));
    ::SendMessageA(list, LB_SETCURSEL, 9, 0);
    ::SendMessageA(host.MainWindow(), WM_COMMAND, MAKEWPARAM(ListBoxEx, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(host.WaitFor("lbex.mru", "Item 09|Item 05"));
    EXPECT_EQ("20", host.Value("lbex.count"));
}

TEST_F(ListsSceneTest, CommandsReachEveryControl)
{
    host.Command(32942);
    EXPECT_TRUE(host.WaitFor("last", "command 32942"));
    // Exactly Tahoma, never a font whose name merely begins so; a display
    // without Tahoma selects nothing.
    const std::string font = host.Value("fontlist.sel");
    EXPECT_TRUE(font == "Tahoma" || font.empty()) << font;
    host.Command(32943);
    EXPECT_TRUE(host.WaitFor("multicombo.master", "1"));
    EXPECT_EQ("1:BER|Berlin|Germany", host.Value("multicombo.sel"));
    host.Command(32948);
    EXPECT_TRUE(host.WaitFor("sep.1708.align", "right"));
    EXPECT_EQ("Options", host.Value("sep.1708.text"));
    EXPECT_EQ("1", host.Value("option.disabled3"));
    host.Command(32946);
    EXPECT_TRUE(host.WaitFor("option.disabled3", "0"));
    host.Command(32947);
    EXPECT_TRUE(host.WaitFor("option.dark", "1"));
    host.Command(32947);
    EXPECT_TRUE(host.WaitFor("option.dark", "0"));
    host.Command(32944);
    EXPECT_TRUE(host.WaitFor("last", "command 32944"));
    host.Command(32945);
    EXPECT_TRUE(host.WaitFor("last", "command 32945"));
    // The saved states equal the shown ones: loading changes nothing.
    EXPECT_EQ("", host.Value("option.last"));
    EXPECT_EQ("1", host.Value("option.11"));
}
