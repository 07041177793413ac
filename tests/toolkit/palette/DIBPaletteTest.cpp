// The device-independent bitmap on a palette display: the halftone dither,
// the system palette and its clearing.
#include "toolkit/foundation/OXDIB.h"

#include "tests/toolkit/support/HostProcess.h"
#include "toolkit/foundation/OXDIBBlock.h"

#include <gtest/gtest.h>

namespace {
class DIBPaletteTest : public testing::Test
{
protected:
    void SetUp() override
    {
        HDC screen = ::GetDC(nullptr);
        const int caps = ::GetDeviceCaps(screen, RASTERCAPS);
        ::ReleaseDC(nullptr, screen);
        ASSERT_NE(0, caps & RC_PALETTE) << "this program runs on an 8-bit screen";
    }
};

// A 24-bit image of 8 x 8 blocks, one per colour, side by side.
COXDIB Swatches(const std::vector<COLORREF>& colors)
{
    COXDIB dib;
    EXPECT_TRUE(dib.Create(24, static_cast<int>(8 * colors.size()), 8));
    HGLOBAL h = dib.Detach();
    {
        COXDIBBlock block(h);
        for (LONG y = 0; y < 8; ++y)
            for (LONG x = 0; x < block.layout.width; ++x) {
                BYTE* p = block.Bits() + y * block.layout.stride + x * 3;
                const COLORREF c = colors[x / 8];
                p[0] = GetBValue(c);
                p[1] = GetGValue(c);
                p[2] = GetRValue(c);
            }
    }
    dib = h;
    ::GlobalFree(h);
    return dib;
}
} // namespace

TEST_F(DIBPaletteTest, HalftoneDitherMapsPureColoursToPaletteEntriesOfThoseColours)
{
    const std::vector<COLORREF> colors = { RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(204, 204, 204) };
    COXDIB dib = Swatches(colors);
    ASSERT_TRUE(dib.HalfToneDitherDIB());
    ASSERT_EQ(8, dib.GetNumBitsPerPixel());
    CPalette* palette = dib.GetPalette();
    ASSERT_NE(nullptr, palette);
    HGLOBAL h = dib.CopyHandle();
    {
        COXDIBBlock block(h);
        for (size_t i = 0; i < colors.size(); ++i)
            for (LONG y = 0; y < 8; ++y)
                for (LONG x = 0; x < 8; ++x) {
                    const BYTE index = block.Bits()[y * block.layout.stride + i * 8 + x];
                    PALETTEENTRY entry;
                    ASSERT_EQ(1u, palette->GetPaletteEntries(index, 1, &entry));
                    // This palette is not the 6 x 6 x 6 cube: grey meets its nearest grey.
                    if (i < 3) {
                        ASSERT_EQ(colors[i], RGB(entry.peRed, entry.peGreen, entry.peBlue)) << i << " " << x << "," << y;
                    } else {
                        ASSERT_EQ(entry.peRed, entry.peGreen) << x << "," << y;
                        ASSERT_EQ(entry.peRed, entry.peBlue) << x << "," << y;
                        ASSERT_NEAR(204, entry.peRed, 16) << x << "," << y;
                    }
                }
    }
    ::GlobalFree(h);
}

TEST_F(DIBPaletteTest, SystemPaletteHasTheScreensEntries)
{
    HPALETTE system = COXDIB::GetSystemPalette();
    ASSERT_NE(nullptr, system);
    PALETTEENTRY first = {}, screenFirst = {};
    EXPECT_EQ(256u, ::GetPaletteEntries(system, 0, 0, nullptr));
    ::GetPaletteEntries(system, 0, 1, &first);
    HDC screen = ::GetDC(nullptr);
    ::GetSystemPaletteEntries(screen, 0, 1, &screenFirst);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(RGB(screenFirst.peRed, screenFirst.peGreen, screenFirst.peBlue),
              RGB(first.peRed, first.peGreen, first.peBlue));
    ::DeleteObject(system);
    COXDIB::ClearSystemPalette();   // selects and lets go of black entries: nothing to leak or crash

    CPalette halftone;
    ASSERT_TRUE(COXDIB::CreateHalftonePalette(halftone));
    EXPECT_EQ(256, halftone.GetEntryCount());
}

TEST_F(DIBPaletteTest, HostSceneDithersItsBitmapAndShowsTheShapedSplash)
{
    CHostProcess host;
    ASSERT_TRUE(host.Start("services1"));
    EXPECT_EQ("1", host.Value("screen.palette"));
    EXPECT_EQ("8", host.Value("dib.bits"));
    host.Command(32825);
    EXPECT_TRUE(host.WaitFor("dib.dither", "ok"));
    host.Command(32820);
    EXPECT_TRUE(host.WaitFor("splash.visible", "1"));
    EXPECT_EQ("1", host.Value("splash.shaped"));
    EXPECT_EQ(0u, host.Close());
}
