// Scene "edits" of the toolkit host, driven from outside its process: the
// paste into a masked edit, the units, the drop buttons' places and the
// popups opened by their buttons and ended by keys.
#include "tests/toolkit/support/HostProcess.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {
enum : UINT
{
    Calc = 1301,
    CalEdit = 1302,
    ListEdit = 1303,
    Phys = 1304,
    Calendar = 1305,
    Mask = 1306,
};

RECT ParseRect(const std::string& text)
{
    RECT rect = {};
    std::sscanf(text.c_str(), "%ld,%ld,%ld,%ld", &rect.left, &rect.top, &rect.right, &rect.bottom);
    return rect;
}

std::string Sep()
{
    char text[8] = {};
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof(text));
    return std::string(text, 1);
}

class EditsSceneTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.Start("edits")); }
    void TearDown() override { EXPECT_EQ(0u, host.Close()); }
    // A press and release on a control's drop button, as the mouse gives them.
    void ClickDropButton(UINT id)
    {
        const RECT button = ParseRect(host.Value("dropbtn." + std::to_string(id)));
        const LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
        ::PostMessageA(host.Control(id), WM_NCLBUTTONDOWN, HTBORDER, at);
        ::PostMessageA(host.Control(id), WM_NCLBUTTONUP, HTBORDER, at);
    }
    void Key(UINT vk) { ::PostMessageA(host.MainWindow(), WM_KEYDOWN, vk, 1); }
    CHostProcess host;
};
} // namespace

TEST_F(EditsSceneTest, StartsWithButtonsInTheFramesAndNoPopups)
{
    auto state = host.State();
    EXPECT_EQ("[]", state["mask.text"]);
    EXPECT_EQ("1" + Sep() + "50 m", state["phys.text"]);
    EXPECT_EQ("m", state["phys.unit"]);
    EXPECT_EQ("null", state["calendar.date"]);
    for (const char* popup : { "calc.popup", "caledit.popup", "listedit.popup", "calendar.popup" })
        EXPECT_EQ("0", state[popup]) << popup;
    for (UINT id : { Calc, CalEdit, ListEdit, Phys }) {
        const RECT button = ParseRect(state["dropbtn." + std::to_string(id)]);
        const RECT control = ParseRect(state["rect." + std::to_string(id)]);
        EXPECT_EQ(::GetSystemMetrics(SM_CXHTHUMB), button.right - button.left) << id;
        EXPECT_LE(button.right, control.right) << id;
        EXPECT_GT(button.left, (control.left + control.right) / 2) << id;
    }
}

TEST_F(EditsSceneTest, PasteUnitsAndTheButtonSide)
{
    host.Command(32860);
    EXPECT_TRUE(host.WaitFor("mask.text", "[abc]"));
    host.Command(32863);
    EXPECT_TRUE(host.WaitFor("phys.unit", "cm"));
    EXPECT_TRUE(host.WaitFor("phys.text", "150" + Sep() + "00 cm"));
    host.Command(32862);
    ASSERT_TRUE(host.WaitFor("last", "command 32862"));
    const RECT button = ParseRect(host.Value("dropbtn.1301"));
    const RECT control = ParseRect(host.Value("rect.1301"));
    EXPECT_LT(button.left, control.left + 5);
    host.Command(32865);
    EXPECT_TRUE(host.WaitFor("caledit.text", "  .  .    "));
}

TEST_F(EditsSceneTest, ListPopupOpensByTheButtonAndTakesKeys)
{
    // The pointer over the list would choose its line itself.
    SetCursorAt(CPoint(1000, 10));
    ClickDropButton(ListEdit);
    ASSERT_TRUE(host.WaitFor("listedit.popup", "1"));
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_TRUE(host.WaitFor("listedit.popup", "0"));
    EXPECT_TRUE(host.WaitFor("listedit.text", "Item 2"));
}

TEST_F(EditsSceneTest, CalculatorPopupReturnsTheTypedNumberUnlessReadOnly)
{
    ClickDropButton(Calc);
    ASSERT_TRUE(host.WaitFor("calc.popup", "1"));
    Key('1');
    Key('2');
    Key(VK_RETURN);
    EXPECT_TRUE(host.WaitFor("calc.popup", "0"));
    EXPECT_TRUE(host.WaitFor("calc.value", "12"));

    host.Command(32861);
    ASSERT_TRUE(host.WaitFor("calc.readonly", "1"));
    ClickDropButton(Calc);
    ::Sleep(400);
    EXPECT_EQ("0", host.Value("calc.popup"));
}

TEST_F(EditsSceneTest, CalendarRangeAndFirstWeekday)
{
    host.Command(32864);
    ASSERT_TRUE(host.WaitFor("last", "command 32864"));
    const HWND calendar = host.Control(Calendar);
    const HWND edit = ::GetDlgItem(calendar, 100);
    ASSERT_TRUE(edit);
    ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("15.06.2030"));
    ::SendMessageA(calendar, WM_COMMAND, MAKEWPARAM(100, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit));
    EXPECT_TRUE(host.WaitFor("calendar.date", "2024-12-31"));
    EXPECT_EQ("1", host.Value("calendar.firstday"));
    host.Command(32866);
    EXPECT_TRUE(host.WaitFor("calendar.firstday", "0"));
    host.Command(32866);
    EXPECT_TRUE(host.WaitFor("calendar.firstday", "1"));
}
