#include "TestGrid.h"

#include <gtest/gtest.h>

TEST(GridModel, CountsCellsAndFixedStates)
{
    CGridModel grid(3, 4, 1, 1);
    EXPECT_EQ(3, grid.GetRowCount());
    EXPECT_EQ(4, grid.GetColumnCount());
    EXPECT_TRUE(grid.GetItemState(0, 2) & GVIS_FIXEDROW);
    EXPECT_TRUE(grid.GetItemState(2, 0) & GVIS_FIXEDCOL);
    EXPECT_FALSE(grid.GetItemState(1, 1) & GVIS_FIXED);
    EXPECT_EQ(nullptr, grid.GetCell(3, 0));
    EXPECT_EQ(nullptr, grid.GetCell(0, -1));
    EXPECT_EQ(-1, grid.GetRowHeight(3));
    EXPECT_EQ(-1, grid.GetColumnWidth(-1));
    EXPECT_FALSE(grid.SetColumnWidth(1, -5));
    EXPECT_FALSE(grid.SetItemText(5, 5, "x"));
    EXPECT_EQ(CString(), grid.GetItemText(5, 5));

    // More fixed rows than rows grows the grid first.
    EXPECT_TRUE(grid.SetFixedRowCount(5));
    EXPECT_EQ(5, grid.GetRowCount());
    EXPECT_TRUE(grid.GetItemState(4, 3) & GVIS_FIXEDROW);
    grid.SetFixedRowCount(1);
    EXPECT_FALSE(grid.GetItemState(4, 3) & GVIS_FIXED);
    EXPECT_TRUE(grid.GetItemState(4, 0) & GVIS_FIXEDCOL);

    // One row left: only the header row.
    grid.SetRowCount(1);
    EXPECT_EQ(1, grid.GetRowCount());
    EXPECT_EQ(nullptr, grid.GetCell(1, 1));

    CGridModel empty;
    EXPECT_EQ(0, empty.GetVirtualWidth());
    EXPECT_EQ(0, empty.GetVirtualHeight());
    EXPECT_EQ(nullptr, empty.GetCell(0, 0));
}

TEST(GridModel, DeletingRowsAndColumnsMovesTheRestAndTheFocus)
{
    TestGrid grid(5, 4);
    for (int row = 0; row < 5; row++)
        grid.SetItemTextFmt(row, 0, "row %d", row);
    grid.SetFocusCell(3, 2);
    EXPECT_TRUE(grid.DeleteRow(1));
    EXPECT_EQ(4, grid.GetRowCount());
    EXPECT_EQ(CString("row 2"), grid.GetItemText(1, 0));
    EXPECT_FALSE(grid.DeleteRow(4));
    EXPECT_TRUE(grid.DeleteColumn(0));
    EXPECT_EQ(3, grid.GetColumnCount());
    EXPECT_EQ(0, grid.GetFixedColumnCount());
    EXPECT_TRUE(grid.DeleteNonFixedRows());
    EXPECT_EQ(1, grid.GetRowCount());
}

TEST(GridModel, InsertColumnAndRowAppendWithHeadings)
{
    CGridModel grid;
    EXPECT_EQ(0, grid.InsertColumn("Name"));
    EXPECT_EQ(1, grid.GetRowCount());  // row 0 holds the headings
    EXPECT_EQ(1, grid.InsertColumn("Value"));
    EXPECT_EQ(1, grid.InsertRow("first"));
    EXPECT_EQ(CString("Name"), grid.GetItemText(0, 0));
    EXPECT_EQ(CString("Value"), grid.GetItemText(0, 1));
    EXPECT_EQ(CString("first"), grid.GetItemText(1, 0));
    EXPECT_EQ(2, grid.GetRowCount());
}

TEST(GridModel, SettersMarkModifiedAndRemoveTheSortMark)
{
    TestGrid grid(4, 3);
    grid.SetModified(FALSE);
    grid.SetSortColumn(1);
    grid.SetItemFgColour(2, 2, RGB(1, 2, 3));
    EXPECT_FALSE(grid.GetModified());
    EXPECT_EQ(1, grid.GetSortColumn());
    grid.SetItemText(2, 1, "x");
    EXPECT_TRUE(grid.GetModified());
    EXPECT_TRUE(grid.GetModified(2, 1));
    EXPECT_EQ(-1, grid.GetSortColumn());
    grid.SetModified(FALSE);
    EXPECT_FALSE(grid.GetModified(2, 1));
}

TEST(GridModel, GetNextItemFindsSelectedAndModifiedCellsInRowOrder)
{
    TestGrid grid(5, 4);
    CCellID start(-1, -1);
    EXPECT_EQ(CCellID(-1, -1), grid.GetNextItem(start, 0xE02));
    grid.SetSelectedRange(3, 2, 3, 3);
    grid.SetSelectedRange(2, 3, 2, 3, FALSE, TRUE);
    EXPECT_EQ(CCellID(2, 3), grid.GetNextItem(start, 0xE02));
    grid.SetModified(FALSE);
    grid.SetItemText(4, 1, "m");
    EXPECT_EQ(CCellID(4, 1), grid.GetNextItem(start, 0xE20));
    EXPECT_EQ(CCellID(-1, -1), grid.GetNextItem(start, 0x02));
    CCellID below(1, 3);
    EXPECT_EQ(CCellID(2, 3), grid.GetNextItem(below, GVNI_BELOW | GVNI_SELECTED));
}

static BOOL CALLBACK FillVirtual(GV_ITEM* pItem, LPARAM lParam)
{
    ++*(int*)lParam;
    pItem->strText.Format("%d:%d%s", pItem->row, pItem->col, (pItem->nState & GVIS_FIXEDROW) ? "h" : "");
    return TRUE;
}

TEST(GridModel, VirtualModeAsksTheCallbackOrTheOwnerForEveryCell)
{
    TestGrid grid(0, 0, 0, 0);
    grid.SetVirtualMode(TRUE);
    grid.SetRowCount(1000000);
    grid.SetColumnCount(10);
    grid.SetFixedRowCount(1);
    EXPECT_EQ(1000000, grid.GetRowCount());
    EXPECT_EQ(CString("r500c3"), grid.GetItemText(500, 3));
    EXPECT_EQ(1, grid.displayRequests);
    EXPECT_FALSE(grid.SetItemText(2, 2, "no"));

    int calls = 0;
    grid.SetCallbackFunc(FillVirtual, (LPARAM)&calls);
    EXPECT_EQ(CString("0:4h"), grid.GetItemText(0, 4));
    CGridCellBase* first = grid.GetCell(7, 1);
    CGridCellBase* second = grid.GetCell(8, 2);
    EXPECT_EQ(first, second);  // one shared cell, refilled on each call
    EXPECT_STREQ("8:2", second->GetText());
    EXPECT_EQ(3, calls);
    EXPECT_EQ(1, grid.displayRequests);

    // Selection in virtual mode lives in the map only.
    grid.SetSelectedRange(5, 1, 6, 2);
    EXPECT_TRUE(grid.IsCellSelected(6, 2));
    EXPECT_TRUE(grid.GetCell(5, 1)->IsSelected());
    EXPECT_EQ(4, grid.GetSelectedCount());

    // Sorting without a compare function only moves the mark.
    EXPECT_TRUE(grid.SortItems(2, FALSE));
    EXPECT_EQ(2, grid.GetSortColumn());
    EXPECT_FALSE(grid.GetSortAscending());
    EXPECT_EQ(0, grid.GetSelectedCount());
}
