#include "GridHost.h"

#include <gtest/gtest.h>

// A grid of 20 x 6 cells (50 x 20 pixels, one fixed row and column) in a
// 300 x 200 client area of a plain parent window.
class GridWindow : public ::testing::Test
{
protected:
    GridWindow() : grid(20, 6, 1, 1)
    {
        parent = CreateGridHost(nullptr, nullptr, WS_POPUP);
        CreateTestGrid(grid, parent);
    }
    ~GridWindow() override
    {
        grid.DestroyWindow();
        ::DestroyWindow(parent);
    }
    void Key(UINT vk) { grid.SendMessage(WM_KEYDOWN, vk, 0); }

    HWND parent;
    CGridCtrl grid;
};

TEST_F(GridWindow, ArrowKeysMoveTheFocusAndNeverOntoFixedCells)
{
    ASSERT_TRUE(::IsWindow(grid.m_hWnd));
    grid.m_MouseMode = MOUSE_NOTHING;  // as after the first mouse move
    grid.SetFocusCell(1, 1);
    Key(VK_UP);
    Key(VK_LEFT);
    EXPECT_EQ(CCellID(1, 1), grid.GetFocusCell());
    Key(VK_DOWN);
    Key(VK_RIGHT);
    EXPECT_EQ(CCellID(2, 2), grid.GetFocusCell());
    EXPECT_TRUE(grid.IsCellSelected(2, 3));  // keyboard moves select the row
    grid.SetRowHeight(3, 0);
    Key(VK_DOWN);
    EXPECT_EQ(CCellID(4, 2), grid.GetFocusCell());  // hidden row skipped
    Key(VK_TAB);
    Key(VK_TAB);
    Key(VK_TAB);
    Key(VK_TAB);
    EXPECT_EQ(CCellID(5, 1), grid.GetFocusCell());  // wrapped to the next row
}

TEST_F(GridWindow, AColumnWiderThanTheViewComesIntoViewWithoutHanging)
{
    grid.SetColumnWidth(4, 2000);
    grid.ResetScrollBars();
    grid.SetFocusCell(1, 3);
    Key(VK_RIGHT);
    EXPECT_EQ(CCellID(1, 4), grid.GetFocusCell());
    CRect rect;
    ASSERT_TRUE(grid.GetCellRect(1, 4, rect));
    EXPECT_EQ(50, rect.left);
    Key(VK_RIGHT);
    EXPECT_EQ(CCellID(1, 5), grid.GetFocusCell());
    EXPECT_TRUE(grid.IsCellVisible(1, 5));
}

TEST_F(GridWindow, LosingTheCaptureWhileResizingReturnsToIdle)
{
    CPoint divider(99, 10);  // right edge of column 1 in the header
    grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(divider.x, divider.y));
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(divider.x, divider.y));
    EXPECT_EQ(MOUSE_SIZING_COL, grid.m_MouseMode);
    ::ReleaseCapture();
    EXPECT_EQ(MOUSE_NOTHING, grid.m_MouseMode);
    RECT clip, screen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::GetClipCursor(&clip);
    EXPECT_TRUE(::EqualRect(&clip, &screen) || clip.right - clip.left >= screen.right);
    EXPECT_EQ(50, grid.GetColumnWidth(1));
}
