// The separator: where its caption and line pieces go, the text it keeps
// itself, the frame styles it strips and the caption it draws upwards.
#include "toolkit/lists/listboxes/OXSeparator.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
const UINT SeparatorId = 1201;

class SeparatorWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 350)));
    }
    void TearDown() override { parent.DestroyWindow(); }

    // The bounding box of the control's client pixels of one colour.
    static CRect PaintedBox(CWnd& wnd, COLORREF colour)
    {
        wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PumpFor(50);
        CRect client;
        wnd.GetClientRect(&client);
        HDC hdc = ::GetDC(wnd.GetSafeHwnd());
        CRect box(client.right, client.bottom, -1, -1);
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                if (::GetPixel(hdc, x, y) == colour) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        ::ReleaseDC(wnd.GetSafeHwnd(), hdc);
        return box;
    }

    CTestFrame parent;
};
} // namespace

TEST(SeparatorLayoutTest, LineRunsThroughTheMiddleWithoutText)
{
    COXSeparator::Layout h = COXSeparator::LayoutFor(CSize(100, 21), CSize(), FALSE, FALSE, SS_LEFT);
    EXPECT_EQ(CRect(0, 10, 100, 12), h.line1);
    EXPECT_TRUE(h.line2.IsRectEmpty());
    COXSeparator::Layout v = COXSeparator::LayoutFor(CSize(20, 80), CSize(), FALSE, TRUE, SS_CENTER);
    EXPECT_EQ(CRect(9, 0, 11, 80), v.line1);
}

TEST(SeparatorLayoutTest, AlignmentPlacesTheCaptionAndShortensTheLine)
{
    const CSize client(200, 20);
    const CSize text(40, 13);
    COXSeparator::Layout left = COXSeparator::LayoutFor(client, text, TRUE, FALSE, SS_LEFT);
    EXPECT_EQ(CRect(0, 4, 40, 17), left.text);
    EXPECT_EQ(CRect(46, 9, 200, 11), left.line1);

    COXSeparator::Layout right = COXSeparator::LayoutFor(client, text, TRUE, FALSE, SS_RIGHT);
    EXPECT_EQ(CRect(160, 4, 200, 17), right.text);
    EXPECT_EQ(CRect(0, 9, 154, 11), right.line1);

    COXSeparator::Layout centre = COXSeparator::LayoutFor(client, text, TRUE, FALSE, SS_CENTER);
    EXPECT_EQ(CRect(80, 4, 120, 17), centre.text);
    EXPECT_EQ(CRect(0, 9, 74, 11), centre.line1);
    EXPECT_EQ(CRect(126, 9, 200, 11), centre.line2);

    // Along a vertical control the same rules run down its height.
    COXSeparator::Layout down = COXSeparator::LayoutFor(CSize(20, 200), text, TRUE, TRUE, SS_RIGHT);
    EXPECT_EQ(CRect(4, 160, 17, 200), down.text);
    EXPECT_EQ(CRect(9, 0, 11, 154), down.line1);
}

TEST(SeparatorLayoutTest, CaptionWiderThanTheControlDrawsNoLine)
{
    for (DWORD align : {DWORD(SS_RIGHT), DWORD(SS_CENTER)}) {
        COXSeparator::Layout layout = COXSeparator::LayoutFor(CSize(50, 20), CSize(80, 13), TRUE, FALSE, align);
        EXPECT_TRUE(layout.line1.IsRectEmpty()) << align;
        EXPECT_TRUE(layout.line2.IsRectEmpty()) << align;
    }
}

TEST_F(SeparatorWindowTest, AnswersTextMessagesFromItsOwnField)
{
    COXSeparator sep;
    ASSERT_TRUE(sep.Create("Options", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 30), &parent, SeparatorId));
    EXPECT_EQ(7, sep.SendMessage(WM_GETTEXTLENGTH));

    char buffer[16];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(0, sep.SendMessage(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_EQ('x', buffer[0]);
    EXPECT_EQ(6, sep.SendMessage(WM_GETTEXT, 7, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_STREQ("Option", buffer);
    EXPECT_EQ(7, sep.SendMessage(WM_GETTEXT, 8, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_STREQ("Options", buffer);

    EXPECT_EQ(TRUE, sep.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Side")));
    CString text;
    sep.GetWindowText(text);
    EXPECT_STREQ("Side", text);
    EXPECT_EQ(TRUE, sep.SendMessage(WM_SETTEXT, 0, 0));
    EXPECT_EQ(0, sep.SendMessage(WM_GETTEXTLENGTH));
}

TEST_F(SeparatorWindowTest, BorderAndEdgeStylesAreStripped)
{
    const DWORD edges = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME;
    HWND hwnd = ::CreateWindowExA(edges, "STATIC", "Group", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 40, 200, 20,
                                  parent.GetSafeHwnd(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(hwnd);
    COXSeparator subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(hwnd));
    EXPECT_FALSE(subclassed.GetStyle() & WS_BORDER);
    EXPECT_EQ(0u, subclassed.GetExStyle() & edges);
    EXPECT_EQ(5, subclassed.SendMessage(WM_GETTEXTLENGTH));

    COXSeparator created;
    ASSERT_TRUE(created.CreateEx(edges, "STATIC", "Made", WS_CHILD | WS_VISIBLE | WS_BORDER,
                                 CRect(10, 70, 210, 90), &parent, SeparatorId));
    EXPECT_FALSE(created.GetStyle() & WS_BORDER);
    EXPECT_EQ(0u, created.GetExStyle() & edges);
    CString text;
    created.GetWindowText(text);
    EXPECT_STREQ("Made", text);
}

TEST_F(SeparatorWindowTest, LineAndVerticalCaptionArePainted)
{
    COXSeparator plain;
    ASSERT_TRUE(plain.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 31), &parent, SeparatorId));
    plain.SetLineColors(RGB(255, 0, 0), RGB(0, 0, 255));
    // Shadow at the top and left, highlight at the bottom and right.
    const CRect shadow = PaintedBox(plain, RGB(255, 0, 0));
    const CRect highlight = PaintedBox(plain, RGB(0, 0, 255));
    EXPECT_EQ(0, shadow.left);
    EXPECT_EQ(10, shadow.top);
    EXPECT_EQ(100, highlight.right);
    EXPECT_EQ(12, highlight.bottom);

    COXSeparator vertical;
    ASSERT_TRUE(vertical.Create("Side", WS_CHILD | WS_VISIBLE | SS_RIGHT, CRect(150, 10, 180, 210), &parent,
                                SeparatorId + 1));
    vertical.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
    vertical.SetVertical(TRUE);
    // The caption reads upwards: taller than wide and at the bottom end.
    vertical.SetTextColor(RGB(0, 0, 255));
    CRect caption = PaintedBox(vertical, RGB(0, 0, 255));
    ASSERT_FALSE(caption.IsRectEmpty());
    EXPECT_GT(caption.Height(), caption.Width());
    EXPECT_GT(caption.top, 100) << caption.left << "," << caption.top << "," << caption.right << "," << caption.bottom;
}
