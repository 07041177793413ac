// The 236-colour palette made from a memory bitmap's colour table.
#include "controls/progress/MemoryPalette.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// An 8-bit DIB section whose colour table holds colour i = (i, 255 - i, 7).
HBITMAP MakeIndexedBitmap()
{
    std::vector<BYTE> buffer(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    BITMAPINFO* info = reinterpret_cast<BITMAPINFO*>(buffer.data());
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = 8;
    info->bmiHeader.biHeight = 8;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = 8;
    info->bmiHeader.biCompression = BI_RGB;
    info->bmiHeader.biClrUsed = 256;
    for (int i = 0; i < 256; ++i)
        info->bmiColors[i] = RGBQUAD{7, static_cast<BYTE>(255 - i), static_cast<BYTE>(i), 0};
    void* bits = nullptr;
    return ::CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
}
} // namespace

TEST(MemoryPalette, TakesTheFirst236ColoursOfTheBitmapsTable)
{
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(nullptr));
    HBITMAP indexed = MakeIndexedBitmap();
    ASSERT_NE(nullptr, indexed);
    HGDIOBJ old = ::SelectObject(memDC.m_hDC, indexed);

    CPalette palette;
    ASSERT_TRUE(CreateMemoryBitmapPalette(memDC, palette));
    EXPECT_EQ(236, palette.GetEntryCount());
    PALETTEENTRY entries[236] = {};
    ASSERT_EQ(236u, palette.GetPaletteEntries(0, 236, entries));
    EXPECT_EQ(0, entries[0].peRed);
    EXPECT_EQ(255, entries[0].peGreen);
    EXPECT_EQ(7, entries[0].peBlue);
    EXPECT_EQ(235, entries[235].peRed);
    EXPECT_EQ(20, entries[235].peGreen);

    // A true-colour bitmap has no table to build from.
    HDC screen = ::GetDC(nullptr);
    HBITMAP plain = ::CreateCompatibleBitmap(screen, 8, 8);
    ::ReleaseDC(nullptr, screen);
    ::SelectObject(memDC.m_hDC, plain);
    CPalette none;
    EXPECT_FALSE(CreateMemoryBitmapPalette(memDC, none));

    ::SelectObject(memDC.m_hDC, old);
    ::DeleteObject(indexed);
    ::DeleteObject(plain);
}
