// The client-area painters: what each leaves of the system's drawing, read
// back from the control's client DC with the cool look on and off.
#include "toolkit/lists/cool/OXCoolPainters.h"

#include "afx/DC.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
class CoolPaintersTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 300)));
        ::SetForegroundWindow(parent.m_hWnd);
        MoveCursorTo(parent, CPoint(390, 240));
    }
    void TearDown() override { parent.DestroyWindow(); }

    static COLORREF Pixel(CWnd& wnd, int x, int y)
    {
        wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        CClientDC dc(&wnd);
        return ::GetPixel(dc.GetSafeHdc(), x, y);
    }

    // Every client pixel after a full repaint.
    static std::vector<COLORREF> Capture(CWnd& wnd)
    {
        wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        CRect client;
        wnd.GetClientRect(&client);
        CClientDC dc(&wnd);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                pixels.push_back(::GetPixel(dc.GetSafeHdc(), x, y));
        return pixels;
    }

    // Whether the cool look changes anything the control drew.
    template <class C>
    static bool CoolChangesPixels(C& control)
    {
        control.SetCool(FALSE);
        const std::vector<COLORREF> plain = Capture(control);
        control.SetCool(TRUE);
        return Capture(control) != plain;
    }

    CTestFrame parent;
};
} // namespace

TEST_F(CoolPaintersTest, HotEnabledButtonKeepsTheSystemLookDisabledIsFlat)
{
    COXCoolButton button;
    ASSERT_TRUE(button.Create("Push", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 40), &parent, 1408));
    const CPoint corner(79, 29);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(shadow, Pixel(button, corner.x, corner.y));
    EXPECT_TRUE(CoolChangesPixels(button));

    MoveCursorTo(button, CPoint(40, 15));
    ASSERT_TRUE(PumpUntil([&] { return button.IsHot(); }));
    const COLORREF hotCorner = Pixel(button, corner.x, corner.y);
    button.SetCool(FALSE);
    EXPECT_EQ(Pixel(button, corner.x, corner.y), hotCorner);   // the system's own corner
    button.SetCool(TRUE);

    button.EnableWindow(FALSE);
    EXPECT_TRUE(button.IsHot());
    EXPECT_EQ(shadow, Pixel(button, corner.x, corner.y));
}

TEST_F(CoolPaintersTest, OwnerDrawUserGroupBoxAndFlatButtonsAreLeftAlone)
{
    // (A user button paints differently at each paint here, so it is not compared.)
    const DWORD styles[] = {BS_OWNERDRAW, BS_GROUPBOX, BS_PUSHBUTTON | BS_FLAT,
                            BS_AUTOCHECKBOX | BS_FLAT};
    for (DWORD style : styles) {
        COXCoolButton button;
        ASSERT_TRUE(button.Create("B", WS_CHILD | WS_VISIBLE | style, CRect(10, 10, 90, 40), &parent, 1408));
        EXPECT_FALSE(CoolChangesPixels(button)) << std::hex << style;
        button.DestroyWindow();
    }
}

TEST_F(CoolPaintersTest, LeftTextPutsTheFlatBoxAtTheRight)
{
    COXCoolButton check;
    ASSERT_TRUE(check.Create("Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_LEFTTEXT, CRect(10, 10, 110, 31),
                             &parent, 1405));
    CRect client;
    check.GetClientRect(&client);
    const int top = (client.top + client.bottom - 13) / 2;
    // The ring one pixel inside the 13-pixel box at the right.
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), Pixel(check, client.right - 12, top + 6));
    check.SetCool(FALSE);
    const std::vector<COLORREF> plain = Capture(check);
    check.SetCool(TRUE);
    const std::vector<COLORREF> cool = Capture(check);
    int changed = 0;
    for (size_t i = 0; i < cool.size(); ++i) {
        if (cool[i] == plain[i])
            continue;
        ++changed;
        EXPECT_GE(static_cast<int>(i % client.right), client.right - 13);
    }
    EXPECT_GT(changed, 0);
}

TEST_F(CoolPaintersTest, RadioTurnsHotOnlyUnderTheMouseAndRepaintsFlatWhenUnchecked)
{
    COXCoolButton first;
    COXCoolButton second;
    ASSERT_TRUE(first.Create("One", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, CRect(10, 10, 110, 31),
                             &parent, 1406));
    ASSERT_TRUE(second.Create("Two", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(10, 40, 110, 61), &parent,
                              1407));
    first.SetFocus();
    EXPECT_FALSE(first.IsHot());

    first.SetCheck(BST_CHECKED);
    PumpFor(50);
    const std::vector<COLORREF> flatChecked = Capture(first);
    first.SetCool(FALSE);
    first.SetCheck(BST_UNCHECKED);
    const std::vector<COLORREF> plainUnchecked = Capture(first);
    first.SetCheck(BST_CHECKED);
    first.SetCool(TRUE);
    EXPECT_EQ(flatChecked, Capture(first));

    // The group unchecks it: no full repaint by the test, still flat.
    second.SendMessage(BM_SETCHECK, BST_CHECKED);
    first.SendMessage(BM_SETCHECK, BST_UNCHECKED);
    PumpFor(50);
    CRect client;
    first.GetClientRect(&client);
    CClientDC dc(&first);
    std::vector<COLORREF> now;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            now.push_back(::GetPixel(dc.GetSafeHdc(), x, y));
    EXPECT_NE(plainUnchecked, now);

    MoveCursorTo(first, CPoint(30, 10));
    EXPECT_TRUE(PumpUntil([&] { return first.IsHot(); }));
}

TEST_F(CoolPaintersTest, ShortSpinGetsNoFlatHalves)
{
    COXCoolSpinButtonCtrl tall;
    COXCoolSpinButtonCtrl shortSpin;
    ASSERT_TRUE(tall.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 26, 50), &parent, 1402));
    ASSERT_TRUE(shortSpin.Create(WS_CHILD | WS_VISIBLE, CRect(40, 10, 56, 17), &parent, 1403));
    EXPECT_TRUE(CoolChangesPixels(tall));
    EXPECT_FALSE(CoolChangesPixels(shortSpin));
}

TEST_F(CoolPaintersTest, VerticalSliderChannelIsTransposed)
{
    COXCoolSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE | TBS_VERT | TBS_BOTH | TBS_NOTICKS, CRect(10, 10, 50, 210),
                              &parent, 1409));
    slider.SetRange(0, 100);
    slider.SetPos(100);
    CRect channel;
    slider.GetChannelRect(&channel);
    // Reported as if horizontal, or already upright: drawn where it lies.
    const CRect real = channel.Width() > channel.Height()
                           ? CRect(channel.top, channel.left, channel.bottom, channel.right)
                           : channel;
    ASSERT_GT(real.Height(), real.Width());
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), Pixel(slider, real.left, real.top + 2));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), Pixel(slider, real.left + 1, real.top + 2));
}

TEST_F(CoolPaintersTest, ScrollBarGetsAFlatThumbButNoFrame)
{
    COXCoolScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | SBS_HORZ, CRect(10, 100, 210, 121), &parent, 1410));
    SCROLLINFO info = {sizeof info, SIF_ALL, 10, 109, 20, 10, 0};
    bar.SetScrollInfo(&info);
    EXPECT_TRUE(CoolChangesPixels(bar));
    // The border stays the system's.
    CWindowDC dc(&bar);
    EXPECT_NE(::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetPixel(dc.GetSafeHdc(), 50, 0));
}
