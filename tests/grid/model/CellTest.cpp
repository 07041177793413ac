#include "grid/GridCell.h"
#include "grid/GridModel.h"

#include <gtest/gtest.h>

TEST(GridCell, NewCellIsEmptyAndResolvesThroughItsDefaultCell)
{
    CGridCell cell;
    EXPECT_STREQ("", cell.GetText());
    EXPECT_EQ(-1, cell.GetImage());
    EXPECT_EQ(CLR_DEFAULT, cell.GetTextClr());
    EXPECT_EQ(CLR_DEFAULT, cell.GetBackClr());
    EXPECT_EQ(0u, cell.GetFormat());  // no grid, no default cell

    CGridModel grid(3, 3, 1, 1);
    cell.SetGrid(&grid);
    EXPECT_EQ(grid.GetDefaultCell(FALSE, FALSE)->GetFormat(), cell.GetFormat());
    EXPECT_EQ(grid.GetDefaultCell(FALSE, FALSE)->GetMargin(), cell.GetMargin());
    cell.SetState(GVIS_FIXED | GVIS_FIXEDROW);
    EXPECT_EQ(grid.GetDefaultCell(TRUE, FALSE), cell.GetDefaultCell());
    cell.SetState(GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL);
    EXPECT_EQ(grid.GetDefaultCell(TRUE, TRUE), cell.GetDefaultCell());
}

TEST(GridCell, DefaultCellIsReadOnlyAndIgnoresStateAndData)
{
    CGridDefaultCell cell;
    EXPECT_TRUE(cell.GetState() & GVIS_READONLY);
    cell.SetState(GVIS_SELECTED);
    cell.SetData(42);
    EXPECT_EQ((DWORD)GVIS_READONLY, cell.GetState());
    EXPECT_EQ(0, cell.GetData());
    EXPECT_EQ((DWORD)(DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER), cell.GetFormat());
    EXPECT_GT(cell.GetWidth(), 0);
    EXPECT_GT(cell.GetHeight(), 0);
    EXPECT_NE(nullptr, cell.GetFont());
}

TEST(GridCell, AssignmentCopiesTheResolvedFormatSoTheCopyStopsFollowingTheDefault)
{
    CGridModel grid(2, 2, 0, 0);
    CGridCell source, target;
    source.SetGrid(&grid);
    source.SetText("text");
    source.SetData(7);
    source.SetFormat((DWORD)-1);
    target = source;
    DWORD original = grid.GetDefaultCell(FALSE, FALSE)->GetFormat();
    grid.GetDefaultCell(FALSE, FALSE)->SetFormat(DT_RIGHT);
    EXPECT_EQ(original, target.GetFormat());
    EXPECT_EQ((DWORD)DT_RIGHT, source.GetFormat());
    EXPECT_STREQ("text", target.GetText());
    EXPECT_EQ(7, target.GetData());
    EXPECT_TRUE(target.IsDefaultFont());
}

TEST(GridCell, ResetKeepsTheDataAndDropsTheFont)
{
    CGridCell cell;
    LOGFONT lf = {};
    lf.lfHeight = 12;
    cell.SetFont(&lf);
    cell.SetData(9);
    cell.SetText("x");
    EXPECT_FALSE(cell.IsDefaultFont());
    cell.Reset();
    EXPECT_TRUE(cell.IsDefaultFont());
    EXPECT_EQ(9, cell.GetData());
    EXPECT_STREQ("", cell.GetText());
}

TEST(GridCell, EditorAlignmentFollowsTheFormatWithRightWinning)
{
    EXPECT_EQ((DWORD)ES_RIGHT, CGridCell::EditStyleFromFormat(DT_RIGHT));
    EXPECT_EQ((DWORD)ES_RIGHT, CGridCell::EditStyleFromFormat(DT_RIGHT | DT_CENTER));
    EXPECT_EQ((DWORD)ES_CENTER, CGridCell::EditStyleFromFormat(DT_CENTER));
    EXPECT_EQ((DWORD)ES_LEFT, CGridCell::EditStyleFromFormat(DT_VCENTER));
}
