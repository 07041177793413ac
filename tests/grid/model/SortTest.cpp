#include "TestGrid.h"

#include <gtest/gtest.h>

static void Fill(CGridModel& grid, const char* const* texts, int count)
{
    grid.SetRowCount(count + 1);
    for (int i = 0; i < count; i++) {
        grid.SetItemText(i + 1, 1, texts[i]);
        grid.SetItemData(i + 1, 1, i);
        grid.SetItemTextFmt(i + 1, 2, "row%d", i);
    }
}

static CString Column(const CGridModel& grid, int col)
{
    CString all;
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); row++) {
        if (!all.IsEmpty())
            all += "|";
        all += grid.GetItemText(row, col);
    }
    return all;
}

TEST(GridSort, TextCompareSortsBytesAndDataTravelWithTheirRows)
{
    const char* texts[] = {"9", "10", "b", "a", "2"};
    TestGrid grid(1, 3);
    Fill(grid, texts, 5);
    ASSERT_TRUE(grid.SortItems(1, TRUE));
    EXPECT_EQ(CString("10|2|9|a|b"), Column(grid, 1));
    EXPECT_EQ(CString("row1|row4|row0|row3|row2"), Column(grid, 2));
    EXPECT_EQ(1, grid.GetItemData(1, 1));
    EXPECT_EQ(1, grid.GetSortColumn());
    ASSERT_TRUE(grid.SortItems(1, FALSE));
    EXPECT_EQ(CString("b|a|9|2|10"), Column(grid, 1));
}

TEST(GridSort, FloatCompareTreatsTextAsZeroAndBreaksTiesByText)
{
    const char* texts[] = {"10", "9.5", "abc", "-1", "9.50", "0"};
    TestGrid grid(1, 3);
    Fill(grid, texts, 6);
    grid.SetCompareFunction(CompareCellFloat);
    ASSERT_TRUE(grid.SortItems(1, TRUE));
    EXPECT_EQ(CString("-1|0|abc|9.5|9.50|10"), Column(grid, 1));
}

TEST(GridSort, RowsWithEqualKeysAreLeftWhereTheyWere)
{
    const char* texts[] = {"k", "k", "k", "k", "k", "k", "k"};
    TestGrid grid(1, 3);
    Fill(grid, texts, 7);
    ASSERT_TRUE(grid.SortItems(1, TRUE));
    EXPECT_EQ(CString("row0|row1|row2|row3|row4|row5|row6"), Column(grid, 2));
}

TEST(GridSort, SortIsOrderedOnLargeInputsAndClearsSelectionAndFocus)
{
    TestGrid grid(1, 3);
    const int count = 3000;
    grid.SetRowCount(count + 1);
    unsigned seed = 12345;
    for (int row = 1; row <= count; row++) {
        seed = seed * 1103515245 + 12345;
        grid.SetItemTextFmt(row, 1, "%05u", (seed >> 8) % 50000);
    }
    grid.SetFocusCell(5, 1);
    grid.SetSelectedRange(2, 1, 3, 2);
    ASSERT_TRUE(grid.SortItems(1, TRUE));
    for (int row = 2; row <= count; row++)
        ASSERT_LE(grid.GetItemText(row - 1, 1).Compare(grid.GetItemText(row, 1)), 0) << row;
    EXPECT_EQ(CCellID(-1, -1), grid.GetFocusCell());
    EXPECT_EQ(0, grid.GetSelectedCount());
}

TEST(GridSort, NothingToSortReportsFalse)
{
    const char* texts[] = {"b"};
    TestGrid grid(1, 3);
    Fill(grid, texts, 1);
    EXPECT_FALSE(grid.SortItems(1, TRUE));
    EXPECT_FALSE(grid.SortRows(CompareCellText, 3, TRUE, 0, 1, -1));
}
