// The true-colour toolbar's three image lists made from one bitmap resource.
#include "collector/ToolBar24.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

namespace {
// The colour of pixel (x, y) of image 'index' drawn on white.
COLORREF ImagePixel(HIMAGELIST list, int index, int x, int y)
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP surface = ::CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = ::SelectObject(dc, surface);
    RECT all = {0, 0, 16, 16};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ImageList_Draw(list, index, dc, 0, 0, ILD_TRANSPARENT);
    COLORREF colour = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteObject(surface);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return colour;
}
} // namespace

TEST(ToolBar24, TheShortFormMakesThreeListsOfSixteenPixelImages)
{
    CToolBar24 bar;
    ASSERT_TRUE(bar.LoadToolBarImages(IDR_TOOLBAR_EXPORTCOPY, RGB(255, 0, 255)));
    const CToolBarImageLists& lists = bar.GetImageLists();
    for (HIMAGELIST list : {lists.GetHotList(), lists.GetDisabledList(), lists.GetNormalList()}) {
        ASSERT_NE(nullptr, list);
        int cx = 0, cy = 0;
        ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
        EXPECT_EQ(16, cx);
        EXPECT_EQ(16, cy);
        EXPECT_EQ(ImageList_GetImageCount(lists.GetHotList()), ImageList_GetImageCount(list));
    }
    // Some pixel of the first image differs between the hot and the grayed list,
    // and the grayed one is gray there.
    bool differs = false;
    for (int y = 0; y < 16 && !differs; ++y)
        for (int x = 0; x < 16 && !differs; ++x) {
            COLORREF hot = ImagePixel(lists.GetHotList(), 0, x, y);
            COLORREF gray = ImagePixel(lists.GetDisabledList(), 0, x, y);
            if (hot != gray) {
                differs = true;
                EXPECT_EQ(GetRValue(gray), GetGValue(gray));
                EXPECT_EQ(GetGValue(gray), GetBValue(gray));
            }
        }
    EXPECT_TRUE(differs);

    EXPECT_FALSE(bar.LoadToolBarImages(0xFFF0, RGB(255, 0, 255)));   // no such bitmap
}
