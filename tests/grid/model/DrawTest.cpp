#include "TestGrid.h"

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/MemDC.h"

#include <gtest/gtest.h>

// A 200 x 100 memory bitmap to paint a grid into.
class GridDrawing : public ::testing::Test
{
protected:
    GridDrawing() : grid(5, 3)
    {
        dc.CreateCompatibleDC(nullptr);
        HDC screen = ::GetDC(nullptr);
        bitmap.Attach(::CreateCompatibleBitmap(screen, 200, 100));
        ::ReleaseDC(nullptr, screen);
        oldBitmap = ::SelectObject(dc.m_hDC, bitmap.GetSafeHandle());
        grid.SetViewSize(200, 100);
        grid.m_crGridBkColour = RGB(1, 2, 3);
        grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(RGB(250, 250, 250));
    }
    ~GridDrawing() override { ::SelectObject(dc.m_hDC, oldBitmap); }
    COLORREF Pixel(int x, int y) { return ::GetPixel(dc.m_hDC, x, y); }

    TestGrid grid;
    CDC dc;
    CBitmap bitmap;
    HGDIOBJ oldBitmap;
};

TEST_F(GridDrawing, PaintsCellsLinesAndTheAreaBeyondTheCells)
{
    grid.SetSelectedRange(2, 2, 2, 2);
    grid.DrawGrid(&dc);
    EXPECT_EQ(RGB(250, 250, 250), Pixel(60, 25));          // plain cell (1,1)
    EXPECT_EQ(RGB(0x66, 0x99, 0xCC), Pixel(110, 45));      // selected cell (2,2)
    EXPECT_EQ(RGB(192, 192, 192), Pixel(99, 30));          // line right of column 1
    EXPECT_EQ(RGB(192, 192, 192), Pixel(60, 39));          // line under row 1
    EXPECT_EQ(RGB(1, 2, 3), Pixel(170, 50));               // right of the last column
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), Pixel(49, 5));  // raised edge of a header
}

TEST_F(GridDrawing, WithoutGridLinesHeadersAreFlatAndNoLinesAreDrawn)
{
    grid.SetGridLines(GVL_NONE);
    grid.DrawGrid(&dc);
    EXPECT_EQ(RGB(250, 250, 250), Pixel(99, 30));
    EXPECT_EQ(grid.GetDefaultCell(TRUE, FALSE)->GetBackClr(), Pixel(99, 5));
}

TEST_F(GridDrawing, MemoryDCReachesTheTargetOnlyWhenItGoes)
{
    ::PatBlt(dc.m_hDC, 0, 0, 200, 100, BLACKNESS);
    {
        CMemDC memDC(&dc);
        grid.DrawGrid(memDC);
        EXPECT_EQ(RGB(0, 0, 0), Pixel(60, 25));
    }
    EXPECT_EQ(RGB(250, 250, 250), Pixel(60, 25));
}

TEST_F(GridDrawing, MeasuringWithoutTextOrDCGivesTheDefaultSize)
{
    CGridCellBase* pCell = grid.GetCell(1, 1);
    CGridDefaultCell* pDefault = grid.GetDefaultCell(FALSE, FALSE);
    CSize size = pCell->GetTextExtent(nullptr, nullptr);
    EXPECT_EQ(pDefault->GetWidth(), size.cx);
    EXPECT_EQ(pDefault->GetHeight(), size.cy);
    CSize shortText = pCell->GetTextExtent("ab", &dc);
    CSize longText = pCell->GetTextExtent("abcdefgh", &dc);
    EXPECT_GT(longText.cx, shortText.cx);
    EXPECT_EQ(shortText.cy, longText.cy);
    EXPECT_FALSE(pCell->Draw(&dc, 1, 1, CRect(10, 10, 10, 20)));  // no width
}
