#include "TestGrid.h"

#include <gtest/gtest.h>

TEST(GridSelection, EmptySelectionReadsAsTheInvalidStartRange)
{
    TestGrid grid(6, 5);
    EXPECT_EQ(CCellRange(6, 5, -1, -1), grid.GetSelectedCellRange());
    EXPECT_FALSE(grid.IsValid(grid.GetSelectedCellRange()));
}

TEST(GridSelection, RangesReachingIntoFixedCellsStartAtTheFirstDataCell)
{
    TestGrid grid(6, 5);
    grid.SetSelectedRange(0, 0, 2, 2);
    EXPECT_EQ(CCellRange(1, 1, 2, 2), grid.GetSelectedCellRange());
    EXPECT_FALSE(grid.IsCellSelected(0, 0));
    EXPECT_TRUE(grid.GetItemState(2, 2) & GVIS_SELECTED);

    // A new range unselects the cells that leave it; all -1 clears.
    grid.SetSelectedRange(3, 3, 4, 4);
    EXPECT_FALSE(grid.IsCellSelected(1, 1));
    EXPECT_EQ(4, grid.GetSelectedCount());
    grid.SetSelectedRange(-1, -1, -1, -1);
    EXPECT_EQ(0, grid.GetSelectedCount());
}

TEST(GridSelection, ShiftExtendsFromTheAnchorAndCtrlMergesTheEarlierSelection)
{
    TestGrid grid(8, 6);
    grid.m_SelectionStartCell = CCellID(2, 2);
    grid.SelectCells(CCellID(4, 3));
    EXPECT_EQ(CCellRange(2, 2, 4, 3), grid.GetSelectedCellRange());
    grid.SelectCells(CCellID(1, 1));  // backwards from the anchor
    EXPECT_EQ(CCellRange(1, 1, 2, 2), grid.GetSelectedCellRange());

    // Ctrl+press: the earlier block stays while a new one is dragged.
    grid.KeepSelectionForMerge(TRUE);
    grid.m_SelectionStartCell = CCellID(6, 4);
    grid.SelectCells(CCellID(7, 5));
    EXPECT_TRUE(grid.IsCellSelected(1, 1));
    EXPECT_TRUE(grid.IsCellSelected(7, 5));
    EXPECT_EQ(8, grid.GetSelectedCount());

    // All -1 clears but keeps the earlier selection for the next range.
    grid.SetSelectedRange(-1, -1, -1, -1);
    EXPECT_EQ(0, grid.GetSelectedCount());
    grid.SelectCells(CCellID(6, 4));
    EXPECT_TRUE(grid.IsCellSelected(2, 2));
}

TEST(GridSelection, RowsAndColumnsFromTheAnchor)
{
    TestGrid grid(8, 6);
    grid.m_SelectionStartCell = CCellID(2, 3);
    grid.SelectRows(CCellID(4, 1));
    EXPECT_EQ(CCellRange(2, 1, 4, 5), grid.GetSelectedCellRange());
    grid.SelectColumns(CCellID(4, 2));  // single-column selection by default
    EXPECT_EQ(CCellRange(1, 2, 7, 2), grid.GetSelectedCellRange());
    grid.m_bSingleColSelection = FALSE;
    grid.SelectColumns(CCellID(4, 5));
    EXPECT_EQ(CCellRange(1, 3, 7, 5), grid.GetSelectedCellRange());

    // List mode with single-row selection: Shift still selects one row.
    grid.SetListMode(TRUE);
    grid.m_SelectionStartCell = CCellID(2, 1);
    grid.SelectRows(CCellID(5, 1));
    EXPECT_EQ(CCellRange(5, 1, 5, 5), grid.GetSelectedCellRange());
    grid.SelectRows(CCellID(0, 1));  // a fixed row selects nothing new
    EXPECT_EQ(CCellRange(5, 1, 5, 5), grid.GetSelectedCellRange());
}

TEST(GridSelection, FocusMovesOffFixedCellsAndCarriesTheFocusedBit)
{
    TestGrid grid(5, 5);
    EXPECT_EQ(CCellID(-1, -1), grid.SetFocusCell(0, 0));
    EXPECT_EQ(CCellID(1, 1), grid.GetFocusCell());
    EXPECT_TRUE(grid.GetItemState(1, 1) & GVIS_FOCUSED);
    EXPECT_EQ(CCellID(1, 1), grid.SetFocusCell(3, 2));
    EXPECT_FALSE(grid.GetItemState(1, 1) & GVIS_FOCUSED);
    EXPECT_TRUE(grid.GetItemState(3, 2) & GVIS_FOCUSED);
    grid.SetRowCount(3);  // the focus row goes
    EXPECT_EQ(CCellID(-1, -1), grid.GetFocusCell());
}

TEST(GridSelection, SelectAllFillsTheMapBelowRowZero)
{
    TestGrid one(1, 4);
    one.SelectAllCells();
    EXPECT_EQ(0, one.GetSelectedCount());

    TestGrid grid(4, 3);
    grid.SelectAllCells();
    EXPECT_EQ(9, grid.GetSelectedCount());
    EXPECT_EQ(CCellRange(1, 0, 3, 2), grid.GetSelectedCellRange());
    grid.ResetSelectedRange();
    EXPECT_EQ(0, grid.GetSelectedCount());
}
