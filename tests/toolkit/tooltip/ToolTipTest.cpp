// The toolkit tooltip: which part of a text shows, where the tip goes inside
// the monitor, and the timing driven by relayed mouse messages, the real
// cursor and the control's timers.
#include "toolkit/foundation/OXToolTipCtrl.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"
#include "toolkit/resources/ToolkitResource.h"

#include <gtest/gtest.h>

namespace {
const UINT_PTR ToolA = 1;
const UINT_PTR ToolB = 2;
const UINT_PTR ToolEmpty = 3;
const UINT_PTR ToolCallback = 4;
const CRect RectA(10, 10, 110, 40);
const CRect RectB(150, 10, 250, 40);
const CRect RectEmpty(10, 60, 110, 90);
const CRect RectCallback(150, 60, 250, 90);

// The parent answers TTN_NEEDTEXT in the way it was told.
class CTipParent : public CTestFrame
{
public:
    enum Answer { ByStringId, ByPointer, InlineUnterminated };
    Answer answer = ByPointer;
    UINT_PTR lastIdFrom = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TTN_NEEDTEXTA) {
            NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
            lastIdFrom = info->hdr.idFrom;
            switch (answer) {
            case ByStringId:
                info->hinst = AfxGetResourceHandle();
                info->lpszText = MAKEINTRESOURCEA(IDS_OX_COLORPICKER_DEFAULT);
                break;
            case ByPointer:
                info->lpszText = const_cast<LPSTR>("from a pointer");
                break;
            case InlineUnterminated:
                memset(info->szText, 'x', sizeof info->szText);
                break;
            }
            return 0;
        }
        return CTestFrame::WindowProc(message, wParam, lParam);
    }
};

class ToolTipTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ReleaseModifierKeys();
        ASSERT_TRUE(parent.CreateFrame(CRect(100, 100, 400, 300)));
        ASSERT_TRUE(tip.Create(&parent));
        tip.SetShowDelay(60);
        tip.SetCheckPeriod(50);
        tip.SetDisplayTime(400);
        ASSERT_TRUE(tip.AddTool(&parent, "Tool A", &RectA, ToolA));
        ASSERT_TRUE(tip.AddTool(&parent, "Tool B\rMore about B", &RectB, ToolB));
        ASSERT_TRUE(tip.AddTool(&parent, "", &RectEmpty, ToolEmpty));
        ASSERT_TRUE(tip.AddTool(&parent, LPSTR_TEXTCALLBACKA, &RectCallback, ToolCallback));
    }
    void TearDown() override
    {
        tip.DestroyWindow();
        parent.DestroyWindow();
    }
    // The mouse goes to the middle of a rectangle of the parent: the real
    // cursor for the timers, a relayed WM_MOUSEMOVE for the control.
    void HoverOver(const CRect& rect)
    {
        CPoint point = rect.CenterPoint();
        MoveCursorTo(parent, point);
        MSG msg = {};
        msg.hwnd = parent.GetSafeHwnd();
        msg.message = WM_MOUSEMOVE;
        msg.lParam = MAKELPARAM(point.x, point.y);
        tip.RelayEvent(&msg);
    }
    CString TipText() const
    {
        CString text;
        tip.GetWindowText(text);
        return text;
    }
    bool WaitShown() { return PumpUntil([this] { return tip.IsTipShowing() != FALSE; }, 2000); }

    CTipParent parent;
    COXToolTipCtrl tip;
};
} // namespace

TEST(ToolTipRules, TextPartsAroundTheExtendedMark)
{
    EXPECT_STREQ("plain", COXToolTipCtrl::TipPart("plain", FALSE));
    EXPECT_STREQ("plain", COXToolTipCtrl::TipPart("plain", TRUE));
    EXPECT_STREQ("short  ", COXToolTipCtrl::TipPart("short\rlong\rer", FALSE));
    EXPECT_STREQ("  long\rer", COXToolTipCtrl::TipPart("short\rlong\rer", TRUE));
}

TEST(ToolTipRules, TipStaysInsideTheMonitor)
{
    const CRect monitor(0, 0, 1024, 768);
    EXPECT_EQ(CRect(100, 100, 200, 120), COXToolTipCtrl::PlaceTip(CRect(100, 100, 200, 120), monitor, 50));
    // Past the right edge: moved left; before the left edge: moved right.
    EXPECT_EQ(CRect(924, 100, 1024, 120), COXToolTipCtrl::PlaceTip(CRect(1000, 100, 1100, 120), monitor, 50));
    EXPECT_EQ(CRect(0, 100, 100, 120), COXToolTipCtrl::PlaceTip(CRect(-30, 100, 70, 120), monitor, 50));
    // Past the bottom: directly above the tool window.
    EXPECT_EQ(CRect(100, 680, 200, 700), COXToolTipCtrl::PlaceTip(CRect(100, 760, 200, 780), monitor, 700));
}

TEST_F(ToolTipTest, DefaultTimingIsHalfASecondAndFiveSecondsUp)
{
    COXToolTipCtrl fresh;
    EXPECT_EQ(500u, fresh.GetShowDelay());
    EXPECT_EQ(500u, fresh.GetCheckPeriod());
    EXPECT_EQ(5000u, fresh.GetDisplayTime());
    EXPECT_TRUE(fresh.IsActive());
}

TEST_F(ToolTipTest, ToolsAreFoundByPointAndDescribedBack)
{
    EXPECT_EQ(ToolA, tip.HitTest(RectA.CenterPoint())->nIDTool);
    EXPECT_EQ(ToolB, tip.HitTest(RectB.CenterPoint())->nIDTool);
    EXPECT_EQ(nullptr, tip.HitTest(CPoint(5, 150)));

    OXTOOLINFO info;
    ASSERT_TRUE(tip.GetToolInfo(info, &parent, ToolB));
    EXPECT_EQ(sizeof(OXTOOLINFO), info.cbSize);
    EXPECT_EQ(RectB, CRect(info.rect));
    EXPECT_STREQ("Tool B\rMore about B", info.lpszText);
    info.nWidth = 120;
    info.clrBackColor = RGB(1, 2, 3);
    info.lpszText = const_cast<LPSTR>("changed");
    ASSERT_TRUE(tip.SetToolInfo(&info));
    CString text;
    tip.GetText(text, &parent, ToolB);
    EXPECT_STREQ("changed", text);

    // New defaults reach the tools that still have the old default only.
    tip.SetBkColor(RGB(9, 9, 9));
    ASSERT_TRUE(tip.GetToolInfo(info, &parent, ToolA));
    EXPECT_EQ(RGB(9, 9, 9), info.clrBackColor);
    ASSERT_TRUE(tip.GetToolInfo(info, &parent, ToolB));
    EXPECT_EQ(RGB(1, 2, 3), info.clrBackColor);

    tip.DelTool(&parent, ToolA);
    EXPECT_EQ(3, tip.GetToolCount());
    EXPECT_EQ(nullptr, tip.HitTest(RectA.CenterPoint()));
}

TEST_F(ToolTipTest, NeededTextComesByStringIdPointerOrTheInlineBuffer)
{
    CString text;
    parent.answer = CTipParent::ByStringId;
    tip.GetText(text, &parent, ToolCallback);
    EXPECT_STREQ("Default", text);
    parent.answer = CTipParent::ByPointer;
    tip.GetText(text, &parent, ToolCallback);
    EXPECT_STREQ("from a pointer", text);
    // A buffer filled to its end without a terminator: 79 characters are read.
    parent.answer = CTipParent::InlineUnterminated;
    tip.GetText(text, &parent, ToolCallback);
    EXPECT_EQ(79, text.GetLength());
    EXPECT_EQ(CString('x', 79), text);
}

TEST_F(ToolTipTest, ToolWithEmptyTextNeverShows)
{
    HoverOver(RectEmpty);
    PumpFor(300);
    EXPECT_FALSE(tip.IsTipShowing());
}

TEST_F(ToolTipTest, ShowsAfterTheDelayBelowTheCursorAndHidesAfterTheDisplayTime)
{
    HoverOver(RectA);
    EXPECT_FALSE(tip.IsTipShowing());
    ASSERT_TRUE(WaitShown());
    EXPECT_STREQ("Tool A", TipText());
    CRect rect;
    tip.GetWindowRect(&rect);
    CPoint cursor;
    ::GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, rect.left);
    EXPECT_EQ(cursor.y + 20, rect.top);
    // At most the display time while the mouse rests on the tool.
    DWORD shown = ::GetTickCount();
    EXPECT_TRUE(PumpUntil([this] { return !tip.IsTipShowing(); }, 2000));
    DWORD up = ::GetTickCount() - shown;
    EXPECT_GE(up, 300u);
    EXPECT_LE(up, 1000u);
}

TEST_F(ToolTipTest, StaysLongerWhileTheMouseIsOnTheTip)
{
    HoverOver(RectA);
    ASSERT_TRUE(WaitShown());
    CRect rect;
    tip.GetWindowRect(&rect);
    SetCursorAt(rect.CenterPoint());
    PumpFor(800);   // twice the display time
    EXPECT_TRUE(tip.IsTipShowing());
    // Off the tip and off every tool it goes.
    MoveCursorTo(parent, CPoint(5, 150));
    EXPECT_TRUE(PumpUntil([this] { return !tip.IsTipShowing(); }, 1000));
}

TEST_F(ToolTipTest, AnotherToolRestartsTheDelayUnlessTheCursorIsOverTheTip)
{
    HoverOver(RectA);
    ASSERT_TRUE(WaitShown());
    // Onto tool B: A's tip goes at once and B's comes after the delay.
    HoverOver(RectB);
    EXPECT_FALSE(tip.IsTipShowing());
    EXPECT_EQ(ToolB, tip.GetCurrentTool()->nIDTool);
    ASSERT_TRUE(WaitShown());
    EXPECT_STREQ("Tool B  ", TipText());

    // A move reported over tool A while the real cursor rests on the open tip
    // keeps the tip and its tool.
    CRect rect;
    tip.GetWindowRect(&rect);
    SetCursorAt(rect.CenterPoint());
    MSG msg = {};
    msg.hwnd = parent.GetSafeHwnd();
    msg.message = WM_MOUSEMOVE;
    msg.lParam = MAKELPARAM(RectA.CenterPoint().x, RectA.CenterPoint().y);
    tip.RelayEvent(&msg);
    EXPECT_TRUE(tip.IsTipShowing());
    EXPECT_EQ(ToolB, tip.GetCurrentTool()->nIDTool);
}

TEST_F(ToolTipTest, ClickOnTheTipTogglesTheExtendedText)
{
    HoverOver(RectB);
    ASSERT_TRUE(WaitShown());
    EXPECT_TRUE(tip.HasExtendedText());
    EXPECT_FALSE(tip.IsExtended());
    EXPECT_STREQ("Tool B  ", TipText());
    CRect before;
    tip.GetWindowRect(&before);
    tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_TRUE(tip.IsExtended());
    EXPECT_STREQ("  More about B", TipText());
    CRect after;
    tip.GetWindowRect(&after);
    EXPECT_EQ(before.TopLeft(), after.TopLeft());
    tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_FALSE(tip.IsExtended());
    EXPECT_STREQ("Tool B  ", TipText());
}

TEST_F(ToolTipTest, AKeyOrAClickHidesTheTip)
{
    HoverOver(RectA);
    ASSERT_TRUE(WaitShown());
    MSG key = {};
    key.hwnd = parent.GetSafeHwnd();
    key.message = WM_KEYDOWN;
    key.wParam = 'A';
    tip.RelayEvent(&key);
    EXPECT_FALSE(tip.IsTipShowing());
    EXPECT_EQ(nullptr, tip.GetCurrentTool());
    PumpFor(200);
    EXPECT_FALSE(tip.IsTipShowing());
}

TEST(ToolTipPlacement, NearTheMonitorsBottomTheTipOpensAboveTheToolWindow)
{
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    const int screenBottom = ::GetSystemMetrics(SM_CYSCREEN);
    CTestFrame parent;
    ASSERT_TRUE(parent.CreateFrame(CRect(100, screenBottom - 40, 400, screenBottom)));
    COXToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&parent));
    tip.SetShowDelay(50);
    ASSERT_TRUE(tip.AddTool(&parent, "Near the bottom", nullptr, 1));
    MoveCursorTo(parent, CPoint(50, 20));
    MSG msg = {};
    msg.hwnd = parent.GetSafeHwnd();
    msg.message = WM_MOUSEMOVE;
    msg.lParam = MAKELPARAM(50, 20);
    tip.RelayEvent(&msg);
    ASSERT_TRUE(PumpUntil([&] { return tip.IsTipShowing() != FALSE; }, 2000));
    CRect rect, frame;
    tip.GetWindowRect(&rect);
    parent.GetWindowRect(&frame);
    EXPECT_EQ(frame.top, rect.bottom);
    tip.DestroyWindow();
    parent.DestroyWindow();
}

TEST_F(ToolTipTest, FontComesByMessageAndFallsBackToTheSystemFont)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(140, "Tahoma"));
    tip.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    HFONT now = reinterpret_cast<HFONT>(tip.SendMessage(WM_GETFONT));
    LOGFONTA given = {}, used = {};
    font.GetLogFont(&given);
    ASSERT_TRUE(::GetObjectA(now, sizeof used, &used));
    EXPECT_EQ(given.lfHeight, used.lfHeight);
    // A handle that describes no font gives the system status font back.
    tip.SendMessage(WM_SETFONT, 0, TRUE);
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = 340;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0));
    now = reinterpret_cast<HFONT>(tip.SendMessage(WM_GETFONT));
    ASSERT_TRUE(::GetObjectA(now, sizeof used, &used));
    EXPECT_EQ(metrics.lfStatusFont.lfHeight, used.lfHeight);
    EXPECT_STREQ(metrics.lfStatusFont.lfFaceName, used.lfFaceName);
}
