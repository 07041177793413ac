#include "TestGrid.h"

#include <gtest/gtest.h>

// 10 rows x 6 columns of 50 x 20 pixels, one fixed row and column, in a
// 200 x 100 view: fixed area 50 wide and 20 high.
class GridGeometry : public ::testing::Test
{
protected:
    GridGeometry() : grid(10, 6) { grid.SetViewSize(200, 100); }
    TestGrid grid;
};

TEST_F(GridGeometry, CellRectanglesOfFixedAndScrollingCells)
{
    CRect rect;
    ASSERT_TRUE(grid.GetCellRect(0, 0, rect));
    EXPECT_EQ(CRect(0, 0, 49, 19), rect);
    ASSERT_TRUE(grid.GetCellRect(2, 3, rect));
    EXPECT_EQ(CRect(150, 40, 199, 59), rect);
    EXPECT_EQ(CCellRange(1, 1, 4, 3), grid.GetVisibleNonFixedCellRange());
    EXPECT_EQ(CCellRange(1, 1, 4, 3), grid.GetUnobstructedNonFixedCellRange());
    grid.SetViewSize(190, 90);  // the last row and column only partly shown
    EXPECT_EQ(CCellRange(1, 1, 4, 3), grid.GetVisibleNonFixedCellRange());
    EXPECT_EQ(CCellRange(1, 1, 3, 2), grid.GetUnobstructedNonFixedCellRange());
    grid.SetViewSize(200, 100);

    // One column and two rows scrolled away.
    grid.SetScrollPos32(SB_HORZ, 50);
    grid.SetScrollPos32(SB_VERT, 40);
    EXPECT_EQ(CCellID(3, 2), grid.GetTopleftNonFixedCell());
    EXPECT_FALSE(grid.GetCellRect(2, 1, rect));
    ASSERT_TRUE(grid.GetCellRect(0, 0, rect));
    EXPECT_EQ(CRect(0, 0, 49, 19), rect);
    ASSERT_TRUE(grid.GetCellRect(0, 2, rect));  // header follows the columns
    EXPECT_EQ(CRect(50, 0, 99, 19), rect);
    ASSERT_TRUE(grid.GetCellRect(3, 0, rect));  // row header follows the rows
    EXPECT_EQ(CRect(0, 20, 49, 39), rect);

    // A hidden column takes no room.
    grid.SetScrollPos32(SB_HORZ, 0);
    grid.SetScrollPos32(SB_VERT, 0);
    grid.SetColumnWidth(1, 0);
    ASSERT_TRUE(grid.GetCellRect(1, 2, rect));
    EXPECT_EQ(50, rect.left);
}

TEST_F(GridGeometry, HitTestingWithAndWithoutFixedCells)
{
    EXPECT_EQ(CCellID(0, 0), grid.GetCellFromPt(CPoint(10, 10)));
    EXPECT_EQ(CCellID(1, 1), grid.GetCellFromPt(CPoint(50, 20)));
    EXPECT_EQ(CCellID(2, 3), grid.GetCellFromPt(CPoint(199, 59)));
    EXPECT_EQ(CCellID(-1, -1), grid.GetCellFromPt(CPoint(10, 10), FALSE));
    EXPECT_EQ(CCellID(-1, 1), grid.GetCellFromPt(CPoint(60, -1)));
    // Past the last column and row of the table.
    grid.SetViewSize(1000, 1000);
    EXPECT_EQ(CCellID(-1, -1), grid.GetCellFromPt(CPoint(300, 200)));

    grid.SetScrollPos32(SB_HORZ, 100);
    EXPECT_EQ(CCellID(1, 3), grid.GetCellFromPt(CPoint(60, 30)));
    EXPECT_EQ(CPoint(10, 10), grid.GetPointClicked(1, 3, CPoint(60, 30)));
}

TEST_F(GridGeometry, DividersLieOnlyInTheHeadersAndNeverLeftOfTheFirst)
{
    EXPECT_TRUE(grid.MouseOverColumnResizeArea(CPoint(48, 5)));   // right edge of column 0
    EXPECT_TRUE(grid.MouseOverColumnResizeArea(CPoint(51, 5)));   // left edge of column 1
    EXPECT_FALSE(grid.MouseOverColumnResizeArea(CPoint(1, 5)));   // left edge of column 0
    EXPECT_FALSE(grid.MouseOverColumnResizeArea(CPoint(75, 5)));  // middle of a header
    EXPECT_FALSE(grid.MouseOverColumnResizeArea(CPoint(48, 30))); // data rows
    EXPECT_TRUE(grid.MouseOverRowResizeArea(CPoint(10, 18)));
    EXPECT_FALSE(grid.MouseOverRowResizeArea(CPoint(10, 1)));
    EXPECT_FALSE(grid.MouseOverRowResizeArea(CPoint(60, 18)));
}

TEST_F(GridGeometry, ScrollRangesFollowRowZeroTimesTheRowCount)
{
    grid.SetRowHeight(5, 200);  // not counted: the range uses row 0's height
    grid.ResetScrollBars();
    EXPECT_EQ(10 * 20 - 20 - 1, grid.GetScrollMax(SB_VERT));
    EXPECT_EQ(6 * 50 - 50 - 1, grid.GetScrollMax(SB_HORZ));

    grid.SetViewSize(1000, 1000);
    grid.ResetScrollBars();
    EXPECT_EQ(0, grid.GetScrollMax(SB_VERT));
    EXPECT_EQ(0, grid.GetScrollMax(SB_HORZ));
    EXPECT_EQ(0, grid.m_nBarState);
}

TEST_F(GridGeometry, EnsureVisibleScrollsACellIntoView)
{
    grid.ResetScrollBars();
    grid.EnsureVisible(8, 5);
    EXPECT_TRUE(grid.IsCellVisible(8, 5));
    CRect rect;
    ASSERT_TRUE(grid.GetCellRect(8, 5, rect));
    EXPECT_LE(rect.right, 200);
    EXPECT_LE(rect.bottom, 100);
    grid.EnsureVisible(1, 1);
    EXPECT_EQ(CCellID(1, 1), grid.GetTopleftNonFixedCell());
}

TEST_F(GridGeometry, EnsureVisibleEndsOnACellLargerThanTheView)
{
    grid.SetColumnWidth(4, 1000);
    grid.SetRowHeight(7, 500);
    grid.ResetScrollBars();
    grid.EnsureVisible(7, 4);  // used to loop for ever
    CRect rect;
    ASSERT_TRUE(grid.GetCellRect(7, 4, rect));
    EXPECT_EQ(50, rect.left);  // the wide cell starts right of the fixed column
    EXPECT_EQ(20, rect.top);
}

TEST_F(GridGeometry, ExpandingToFitNeverShrinksBelowOnePixel)
{
    grid.SetColumnWidth(2, 2);
    grid.SetColumnWidth(3, 0);  // hidden: stays hidden
    grid.SetViewSize(60, 100);  // far narrower than the columns
    grid.ExpandColumnsToFit(TRUE);
    for (int col = 0; col < grid.GetColumnCount(); col++) {
        int width = grid.GetColumnWidth(col);
        if (col == 3)
            EXPECT_EQ(0, width);
        else {
            EXPECT_GE(width, 1) << col;
            EXPECT_LT(width, 1000) << col;  // no wrapped negative sizes
        }
    }
    grid.SetViewSize(200, 30);
    grid.ExpandRowsToFit(FALSE);
    for (int row = 1; row < grid.GetRowCount(); row++)
        EXPECT_GE(grid.GetRowHeight(row), 1) << row;
    EXPECT_EQ(20, grid.GetRowHeight(0));

    // Growing shares the room out exactly.
    TestGrid wide(3, 3, 0, 0);
    wide.SetViewSize(301, 100);
    wide.ExpandColumnsToFit(TRUE);
    EXPECT_EQ(101, wide.GetColumnWidth(0));
    EXPECT_EQ(100, wide.GetColumnWidth(1));
    EXPECT_EQ(301, wide.GetVirtualWidth());
}
