#include "TestGrid.h"

#include <gtest/gtest.h>

// Paper 1000 x 1400 pixels, characters 10 x 20: outside WYSIWYG mode the page
// is the grid's width (5 x 50) plus 8 characters of margin = 330 wide and
// 330 x 1400 / 1000 = 462 high; 462 - (2 + 2 + 2) x 20 - 20 = 322 for rows.
static const CSize kPaper(1000, 1400), kChar(10, 20), kDpi(300, 300), kScreenDpi(96, 96);

TEST(GridPrint, RowPagesBreakWhenTheRowsOverflowThePage)
{
    TestGrid grid(41, 5);  // 40 data rows of 20 pixels: 16 fit a page of 322
    EXPECT_EQ(3, grid.LayOutPrintPages(kPaper, kChar, kDpi, kScreenDpi));
    EXPECT_EQ(322, grid.m_nPageHeight);
    EXPECT_EQ(1, grid.m_nPageMultiplier);
    int row, col;
    grid.GetPrintPageStart(1, row, col);
    EXPECT_EQ(1, row);
    EXPECT_EQ(1, col);
    grid.GetPrintPageStart(2, row, col);
    EXPECT_EQ(17, row);
    grid.GetPrintPageStart(3, row, col);
    EXPECT_EQ(33, row);
}

TEST(GridPrint, AllRowsOnOnePageAndATallRowOnAPageOfItsOwn)
{
    TestGrid grid(6, 5);
    EXPECT_EQ(1, grid.LayOutPrintPages(kPaper, kChar, kDpi, kScreenDpi));
    grid.SetRowHeight(3, 1000);  // taller than the page
    EXPECT_EQ(3, grid.LayOutPrintPages(kPaper, kChar, kDpi, kScreenDpi));
    int row, col;
    grid.GetPrintPageStart(2, row, col);
    EXPECT_EQ(3, row);
    grid.GetPrintPageStart(3, row, col);
    EXPECT_EQ(4, row);
}

TEST(GridPrint, WysiwygPagesAlsoSplitColumns)
{
    TestGrid grid(11, 21);  // 20 data columns of 50 = 1000 pixels wide
    grid.SetWysiwygPrinting(TRUE);
    // 1000 printer pixels at 300 dpi = 320 screen pixels, three quarters = 240;
    // less the fixed column (50) and 8 characters (80) leaves 110: 2 columns a page.
    int pages = grid.LayOutPrintPages(kPaper, kChar, kDpi, kScreenDpi);
    EXPECT_EQ(110, grid.m_nPageWidth);
    EXPECT_EQ(10, grid.m_nPageMultiplier);
    EXPECT_EQ(pages, grid.m_nPageMultiplier * ((pages + 9) / 10));
    int row, col;
    grid.GetPrintPageStart(3, row, col);
    EXPECT_EQ(1, row);
    EXPECT_EQ(5, col);
    grid.GetPrintPageStart(10, row, col);
    EXPECT_EQ(19, col);
}
