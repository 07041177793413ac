// The cool-control template: flat-thumb placement, hot tracking by the real
// cursor and by the focus (an edit with its spin), the hover timer kept from
// the control, and the flat frame read back from the window's DC.
#include "toolkit/lists/cool/OXCoolCtrl.h"

#include "afx/DC.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
SCROLLINFO Info(int nMin, int nMax, UINT nPage, int nPos)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.nMin = nMin;
    info.nMax = nMax;
    info.nPage = nPage;
    info.nPos = nPos;
    return info;
}

// A cool window whose own procedure records every timer it is given.
class CTimerWatch : public COXCoolCtrl<CWnd>
{
public:
    std::vector<WPARAM> timers;

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER)
            timers.push_back(wParam);
        return COXCoolCtrl<CWnd>::DefWindowProc(message, wParam, lParam);
    }
};

class CoolCtrlTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 250)));
        ::SetForegroundWindow(parent.m_hWnd);
        // Away from everything the tests create.
        MoveCursorTo(parent, CPoint(380, 180));
    }
    void TearDown() override { parent.DestroyWindow(); }

    // An edit with a sunken client edge and its spin attached at the right.
    void CreateEditWithSpin()
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 110, 34), &parent, 1401));
        edit.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
        ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT, CRect(0, 0, 0, 0), &parent,
                                1402));
        spin.SetBuddy(&edit);
        // Focus comes to the edit from a sibling, as in a dialog.
        ASSERT_TRUE(other.Create("Other", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(300, 10, 380, 34), &parent, 1408));
        other.SetFocus();
        PumpFor(50);
    }

    COLORREF WindowPixel(CWnd& wnd, int x, int y)
    {
        CWindowDC dc(&wnd);
        return ::GetPixel(dc.GetSafeHdc(), x, y);
    }

    CTestFrame parent;
    COXCoolCtrl<CEdit> edit;
    COXCoolCtrl<CSpinButtonCtrl> spin;
    CButton other;
};
} // namespace

TEST(CoolThumbTest, ThumbIsProportionalAndAtLeastEightPixels)
{
    COXCoolThumb thumb = {};
    ASSERT_TRUE(OXCoolCalcThumb(Info(0, 99, 50, 0), 20, 100, thumb));
    EXPECT_EQ(20, thumb.nStart);
    EXPECT_EQ(50, thumb.nLength);
    ASSERT_TRUE(OXCoolCalcThumb(Info(0, 99, 50, 50), 20, 100, thumb));
    EXPECT_EQ(70, thumb.nStart);   // at the far end of the track

    ASSERT_TRUE(OXCoolCalcThumb(Info(0, 9999, 1, 0), 0, 100, thumb));
    EXPECT_EQ(8, thumb.nLength);
    ASSERT_TRUE(OXCoolCalcThumb(Info(0, 9999, 1, 9999), 0, 100, thumb));
    EXPECT_EQ(92, thumb.nStart);   // never past the track's end
}

TEST(CoolThumbTest, NoPageShortTrackOrOversizedPageKeepTheSystemThumb)
{
    COXCoolThumb thumb = {};
    EXPECT_FALSE(OXCoolCalcThumb(Info(0, 99, 0, 10), 0, 100, thumb));
    EXPECT_FALSE(OXCoolCalcThumb(Info(0, 99, 10, 10), 0, 7, thumb));
    EXPECT_TRUE(OXCoolCalcThumb(Info(0, 99, 10, 10), 0, 8, thumb));
    EXPECT_FALSE(OXCoolCalcThumb(Info(0, 99, 101, 0), 0, 100, thumb));
    // A page of the whole range fills the track without dividing by zero.
    ASSERT_TRUE(OXCoolCalcThumb(Info(0, 99, 99, 0), 0, 100, thumb));
    EXPECT_EQ(0, thumb.nStart);
}

TEST(CoolThumbTest, PositionsCountFromTheMinimum)
{
    COXCoolThumb low = {};
    COXCoolThumb base = {};
    ASSERT_TRUE(OXCoolCalcThumb(Info(100, 199, 50, 100), 0, 100, low));
    ASSERT_TRUE(OXCoolCalcThumb(Info(0, 99, 50, 0), 0, 100, base));
    EXPECT_EQ(base.nStart, low.nStart);
    EXPECT_EQ(base.nLength, low.nLength);
    ASSERT_TRUE(OXCoolCalcThumb(Info(100, 199, 50, 125), 0, 100, low));
    EXPECT_EQ(25, low.nStart);
    ASSERT_TRUE(OXCoolCalcThumb(Info(-50, 49, 50, 0), 0, 100, low));
    EXPECT_EQ(50, low.nStart);
}

TEST(CoolClassTest, ClassNamesCompareWithoutCase)
{
    HWND edit = ::CreateWindowA("EDIT", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND spin = ::CreateWindowA(UPDOWN_CLASSA, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(IsEditWindowClass(edit));
    EXPECT_FALSE(IsUpDownWindowClass(edit));
    EXPECT_TRUE(IsUpDownWindowClass(spin));
    EXPECT_FALSE(IsEditWindowClass(spin));
    EXPECT_FALSE(IsEditWindowClass(nullptr));
    ::DestroyWindow(edit);
    ::DestroyWindow(spin);
}

TEST_F(CoolCtrlTest, EditStaysHotOverItsSpinAndColdElsewhere)
{
    CreateEditWithSpin();
    EXPECT_EQ(spin.m_hWnd, COXCoolCtrl<CEdit>::FindBuddySpin(edit.m_hWnd));
    EXPECT_FALSE(edit.IsHot());
    MoveCursorTo(edit, CPoint(20, 8));
    ASSERT_TRUE(PumpUntil([&] { return edit.IsHot(); }));

    CRect spinRect;
    spin.GetClientRect(&spinRect);
    MoveCursorTo(spin, spinRect.CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return spin.IsHot(); }));
    PumpFor(400);
    EXPECT_TRUE(edit.IsHot());

    MoveCursorTo(parent, CPoint(380, 180));
    EXPECT_TRUE(PumpUntil([&] { return !edit.IsHot() && !spin.IsHot(); }));
}

TEST_F(CoolCtrlTest, FocusKeepsTheControlHotAndTabbingToTheSpinKeepsTheEditHot)
{
    CreateEditWithSpin();
    edit.SetFocus();
    EXPECT_TRUE(edit.IsHot());
    MoveCursorTo(edit, CPoint(20, 8));
    PumpFor(200);
    MoveCursorTo(parent, CPoint(380, 180));
    PumpFor(400);
    EXPECT_TRUE(edit.IsHot());   // the focus is still inside

    spin.SetFocus();
    EXPECT_TRUE(edit.IsHot());   // focus moved from the edit to its own spin
    // The focus leaving the spin is no news to the edit: the mouse passing
    // over it and away cools it.
    other.SetFocus();
    MoveCursorTo(edit, CPoint(20, 8));
    PumpFor(200);
    MoveCursorTo(parent, CPoint(380, 180));
    EXPECT_TRUE(PumpUntil([&] { return !edit.IsHot() && !spin.IsHot(); }));
}

TEST_F(CoolCtrlTest, HoverTimerNeverReachesTheControl)
{
    CTimerWatch watch;
    ASSERT_TRUE(watch.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 60, 110, 100), &parent, 1410));
    watch.SendMessage(WM_TIMER, OXCOOL_HOVER_TIMER);
    watch.SetCool(FALSE);
    watch.SendMessage(WM_TIMER, OXCOOL_HOVER_TIMER);
    watch.SendMessage(WM_TIMER, 7);
    ASSERT_EQ(1u, watch.timers.size());
    EXPECT_EQ(7u, watch.timers[0]);

    // While the cursor is over it the hover timer runs, still unseen.
    watch.SetCool(TRUE);
    MoveCursorTo(watch, CPoint(30, 10));
    ASSERT_TRUE(PumpUntil([&] { return watch.IsHot(); }));
    PumpFor(400);
    EXPECT_EQ(1u, watch.timers.size());
    watch.DestroyWindow();
}

TEST_F(CoolCtrlTest, FramesAreFlatColdSunkenHotAndLightOutsideWhenDisabled)
{
    CreateEditWithSpin();
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    edit.SendMessage(WM_NCPAINT, 1);
    EXPECT_EQ(light, WindowPixel(edit, 20, 0));
    EXPECT_EQ(light, WindowPixel(edit, 20, 1));

    edit.SetFocus();
    ASSERT_TRUE(edit.IsHot());
    edit.SendMessage(WM_NCPAINT, 1);
    EXPECT_EQ(shadow, WindowPixel(edit, 20, 0));
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), WindowPixel(edit, 20, 1));

    other.SetFocus();
    edit.EnableWindow(FALSE);
    edit.SendMessage(WM_NCPAINT, 1);
    EXPECT_EQ(light, WindowPixel(edit, 20, 0));
    EXPECT_EQ(shadow, WindowPixel(edit, 20, 1));
}

TEST_F(CoolCtrlTest, ControlWithoutFrameGetsNoNonClientPainting)
{
    COXCoolCtrl<CEdit> bare;
    ASSERT_TRUE(bare.Create(WS_CHILD | WS_VISIBLE, CRect(10, 120, 110, 140), &parent, 1413));
    bare.SetWindowText("abc");
    bare.UpdateWindow();
    const COLORREF before = WindowPixel(bare, 0, 0);
    bare.EnableWindow(FALSE);
    bare.SendMessage(WM_NCPAINT, 1);
    // A disabled frame would put the light ring here.
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), WindowPixel(bare, 0, 0)) << before;
    EXPECT_NE(::GetSysColor(COLOR_BTNHIGHLIGHT), WindowPixel(bare, 0, 0));
}

TEST_F(CoolCtrlTest, TooltipTextIsKeptAcrossAResize)
{
    COXCoolCtrl<CListBox> list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(150, 10, 250, 100), &parent, 1411));
    CString text;
    ASSERT_TRUE(list.GetTooltipText(text));
    EXPECT_EQ("", text);
    EXPECT_TRUE(list.SetTooltipText("Items"));
    list.MoveWindow(150, 10, 120, 120);
    ASSERT_TRUE(list.GetTooltipText(text));
    EXPECT_EQ("Items", text);
    EXPECT_TRUE(list.SetTooltipText(""));
    ASSERT_TRUE(list.GetTooltipText(text));
    EXPECT_EQ("", text);
}
