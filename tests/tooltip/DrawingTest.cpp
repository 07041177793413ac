// The palette DIB, the draw manager's colour arithmetic, fills and guards,
// and the HTML drawer on a real memory DC.
#include <gtest/gtest.h>

#include "tooltip/CeXDib.h"
#include "tooltip/PPDrawManager.h"
#include "tooltip/PPHtmlDrawer.h"

#include <stdio.h>
#include <vector>

namespace {

// A 32-bit memory DC of the given size, filled white.
class MemoryDC
{
public:
    MemoryDC(int width, int height)
        : m_dc(CreateCompatibleDC(nullptr)), m_bitmap(nullptr), m_old(nullptr)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        PatBlt(m_dc, 0, 0, width, height, WHITENESS);
    }
    ~MemoryDC()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC Get() const { return m_dc; }
    COLORREF Pixel(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

std::vector<unsigned char> ReadFileBytes(const char* path)
{
    std::vector<unsigned char> bytes;
    FILE* f = fopen(path, "rb");
    if (!f)
        return bytes;
    int ch;
    while ((ch = fgetc(f)) != EOF)
        bytes.push_back(static_cast<unsigned char>(ch));
    fclose(f);
    return bytes;
}

unsigned Le32(const std::vector<unsigned char>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<unsigned>(b[at + 3]) << 24);
}

}  // namespace

TEST(PaletteDib, GeometryAndPixelAddressing)
{
    CCeXDib dib;
    ASSERT_NE(nullptr, dib.Create(3, 2, 8));
    EXPECT_EQ(4u, dib.GetEffWidth());
    EXPECT_EQ(256, dib.GetNumColors());
    dib.Clear(0);
    dib.SetPixelIndex(0, 0, 7);   // top-left is the first byte of the last stored row
    dib.SetPixelIndex(3, 0, 9);   // x equal to the width is dropped
    dib.SetPixelIndex(-1, 0, 9);
    EXPECT_EQ(7, dib.GetBits()[4]);
    EXPECT_EQ(0, dib.GetBits()[3]);

    ASSERT_NE(nullptr, dib.Create(33, 1, 1));
    EXPECT_EQ(8u, dib.GetEffWidth());

    // Narrow pixels write their own bits only, inside their row.
    ASSERT_NE(nullptr, dib.Create(16, 2, 1));
    dib.Clear(0);
    dib.SetPixelIndex(3, 1, 1);
    dib.SetPixelIndex(15, 0, 1);
    EXPECT_EQ(0x10, dib.GetBits()[0]);
    EXPECT_EQ(0x01, dib.GetBits()[4 + 1]);
    EXPECT_EQ(1, dib.GetPixelIndex(3, 1));
    EXPECT_EQ(0, dib.GetPixelIndex(2, 1));
    ASSERT_NE(nullptr, dib.Create(5, 1, 4));
    dib.Clear(0xFF);
    dib.SetPixelIndex(1, 0, 0x5);
    dib.SetPixelIndex(4, 0, 0x0);
    EXPECT_EQ(0xF5, dib.GetBits()[0]);
    EXPECT_EQ(0x0F, dib.GetBits()[2]);
    EXPECT_EQ(0xFF, dib.GetBits()[3]);   // padding untouched

    ASSERT_NE(nullptr, dib.Create(4, 4, 24));
    EXPECT_EQ(0, dib.GetNumColors());
    dib.Clear(1);
    dib.SetPixelIndex(0, 0, 9);
    EXPECT_EQ(1, dib.GetBits()[0]);

    EXPECT_EQ(nullptr, dib.Create(0x7FFFFFFF, 0x7FFFFFFF, 8));
    EXPECT_EQ(nullptr, dib.GetBits());
}

TEST(PaletteDib, PaletteBlendAndGray)
{
    CCeXDib dib;
    ASSERT_NE(nullptr, dib.Create(2, 2, 4));
    dib.SetGrayPalette();
    EXPECT_EQ(14, dib.GetPaletteIndex(14).rgbRed);
    EXPECT_EQ(255, dib.GetPaletteIndex(15).rgbBlue);
    dib.SetPaletteIndex(16, 1, 2, 3);   // past the table: ignored
    dib.BlendPalette(RGB(10, 20, 30), 150);
    for (int i = 0; i < 16; ++i)
    {
        const RGBQUAD q = dib.GetPaletteIndex(static_cast<BYTE>(i));
        EXPECT_EQ(10, q.rgbRed);
        EXPECT_EQ(20, q.rgbGreen);
        EXPECT_EQ(30, q.rgbBlue);
    }
}

TEST(PaletteDib, WritesBmpBytes)
{
    CCeXDib dib;
    ASSERT_NE(nullptr, dib.Create(10, 10, 8));
    dib.SetGrayPalette();
    dib.Clear(3);
    dib.SetPixelIndex(1, 0, 200);
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    const std::string path = std::string(dir) + "lexifern_dib_test.bmp";
    ASSERT_TRUE(dib.WriteBMP(path.c_str()));
    const std::vector<unsigned char> b = ReadFileBytes(path.c_str());
    DeleteFileA(path.c_str());
    ASSERT_EQ(1198u, b.size());
    EXPECT_EQ('B', b[0]);
    EXPECT_EQ('M', b[1]);
    EXPECT_EQ(1198u, Le32(b, 2));
    EXPECT_EQ(0u, Le32(b, 6));
    EXPECT_EQ(1078u, Le32(b, 10));
    EXPECT_EQ(40u, Le32(b, 14));
    EXPECT_EQ(10u, Le32(b, 18));
    EXPECT_EQ(10u, Le32(b, 22));
    EXPECT_EQ(8, b[28]);
    EXPECT_EQ(120u, Le32(b, 34));
    EXPECT_EQ(200, b[54 + 4 * 200]);           // grey entry 200
    EXPECT_EQ(200, b[1078 + 9 * 12 + 1]);      // top row is stored last
    EXPECT_EQ(3, b[1078]);

    EXPECT_FALSE(dib.WriteBMP(""));
    EXPECT_FALSE(dib.WriteBMP("Z:\\no such folder\\x\\y.bmp"));
    CCeXDib empty;
    EXPECT_FALSE(empty.WriteBMP(path.c_str()));
}

TEST(DrawManager, ColourArithmetic)
{
    EXPECT_EQ(RGB(76, 76, 76), CPPDrawManager::PixelGrayScale(RGB(255, 0, 0)));
    EXPECT_EQ(RGB(0, 255, 155), CPPDrawManager::InvertColor(RGB(255, 0, 100)));
    EXPECT_EQ(RGB(10, 20, 30), CPPDrawManager::DarkenColor(RGB(10, 20, 30), 1.0));
    EXPECT_EQ(RGB(5, 10, 15), CPPDrawManager::DarkenColor(RGB(10, 20, 30), 0.5));
    EXPECT_EQ(RGB(20, 255, 60), CPPDrawManager::LightenColor(RGB(10, 200, 30), 1.0));
    EXPECT_EQ(RGB(10, 200, 30), CPPDrawManager::LightenColor(RGB(10, 200, 30), 0.0));
    EXPECT_EQ(RGB(150, 50, 0), CPPDrawManager::BlendColors(RGB(200, 100, 0), 0.5, RGB(100, 0, 0), 0.5));
}

TEST(DrawManager, GradientBandsAndBumpRows)
{
    CPPDrawManager dm;
    MemoryDC dc(128, 4);
    const RECT r = {0, 0, 128, 4};
    dm.FillEffect(dc.Get(), CPPDrawManager::EFFECT_HGRADIENT, &r, RGB(0, 0, 0), 0, RGB(255, 255, 255));
    EXPECT_EQ(RGB(0, 0, 0), dc.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), dc.Pixel(1, 0));
    EXPECT_EQ(RGB(251, 251, 251), dc.Pixel(127, 3));

    ASSERT_TRUE(dm.FillEffect8(0, 0, 4, 256, CPPDrawManager::EFFECT_HBUMP, 0, 0, RGB(255, 255, 255), 0, 0));
    const CCeXDib& canvas = dm.GetCanvas();
    const int bottom = canvas.GetBits()[0];
    const int top = canvas.GetBits()[255 * canvas.GetEffWidth()];
    EXPECT_LE(bottom, 4);   // 3, give or take a rare noise step
    EXPECT_GE(top, 250);
}

TEST(DrawManager, DegenerateSizesDrawNothing)
{
    CPPDrawManager dm;
    EXPECT_FALSE(dm.FillEffect8(0, 0, 0, 10, CPPDrawManager::EFFECT_NOISE, 5, 0, 0, 0, 0));
    EXPECT_FALSE(dm.FillEffect8(0, 0, 10, -5, CPPDrawManager::EFFECT_DIAGSHADE, 5, 0, 0, 0, 0));
    EXPECT_FALSE(dm.FillEffect8(0, 0, 40, 1, CPPDrawManager::EFFECT_HARDBUMP, 5, 0, 0, 0, 0));
    EXPECT_FALSE(dm.FillEffect8(0, 0, 40000, 2, CPPDrawManager::EFFECT_METAL, 5, 0, 0, 0, 0));
    EXPECT_TRUE(dm.FillEffect8(0, 0, 3, 2, CPPDrawManager::EFFECT_HARDBUMP, 5, 0, 0, 0, 0));
    EXPECT_TRUE(dm.FillEffect8(0, 0, 1, 1, CPPDrawManager::EFFECT_METAL, 200, 0, 0, 0, 0));

    MemoryDC dc(8, 8);
    for (int effect = -1; effect <= 16; ++effect)
    {
        const RECT empty = {4, 4, 4, 9};
        dm.FillEffect(dc.Get(), effect, &empty, RGB(0, 0, 0), 0, 0, 5, 0);
    }
    dm.MultiCopyBitmap(dc.Get(), 0, 0, 8, 8, dc.Get(), 0, 0, 0, 0);   // an empty tile must not spin
    dm.DrawRectangle(dc.Get(), 0, 0, 8, 8, RGB(0, 0, 0), RGB(0, 0, 0), CPPDrawManager::PEN_NULL, 1);
    dm.DrawRectangle(dc.Get(), 0, 0, 8, 8, RGB(0, 0, 0), RGB(0, 0, 0), CPPDrawManager::PEN_SOLID, 0);
    dm.DrawBitmap(dc.Get(), 0, 0, 0, 0, nullptr, FALSE, 0);
    dm.DrawShadow(dc.Get(), 0, 0, 40000, 2, nullptr);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(RGB(255, 255, 255), dc.Pixel(x, y));
}

TEST(DrawManager, AlphaBlitAndFrames)
{
    CPPDrawManager dm;
    MemoryDC src(4, 4), dst(4, 4);
    PatBlt(src.Get(), 0, 0, 4, 4, BLACKNESS);
    dm.AlphaBitBlt(dst.Get(), 0, 0, 4, 4, src.Get(), 0, 0, 0);
    EXPECT_EQ(RGB(255, 255, 255), dst.Pixel(1, 1));
    dm.AlphaBitBlt(dst.Get(), 0, 0, 4, 4, src.Get(), 0, 0, 50);
    EXPECT_EQ(RGB(127, 127, 127), dst.Pixel(1, 1));
    dm.AlphaBitBlt(dst.Get(), 0, 0, 4, 4, src.Get(), 0, 0, 100);
    EXPECT_EQ(RGB(0, 0, 0), dst.Pixel(1, 1));

    MemoryDC frame(16, 16);
    dm.DrawRectangle(frame.Get(), 0, 0, 15, 15, RGB(255, 0, 0), RGB(0, 0, 255), CPPDrawManager::PEN_DOUBLE, 1);
    EXPECT_EQ(RGB(255, 0, 0), frame.Pixel(0, 5));    // outer left
    EXPECT_EQ(RGB(255, 0, 0), frame.Pixel(2, 5));    // inner left, 2 pixels in
    EXPECT_EQ(RGB(255, 255, 255), frame.Pixel(1, 5));
    EXPECT_EQ(RGB(0, 0, 255), frame.Pixel(15, 5));   // right side in the dark colour
}

TEST(DrawManager, ShadowDarkensByMask)
{
    CPPDrawManager dm;
    MemoryDC dc(8, 8);
    // A mask of grey 128 leaves about half of the light.
    HDC maskDC = CreateCompatibleDC(dc.Get());
    HBITMAP mask = CreateCompatibleBitmap(dc.Get(), 8, 8);
    HGDIOBJ old = SelectObject(maskDC, mask);
    HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    const RECT all = {0, 0, 8, 8};
    FillRect(maskDC, &all, grey);
    SelectObject(maskDC, old);
    DeleteObject(grey);
    DeleteDC(maskDC);
    dm.DrawShadow(dc.Get(), 0, 0, 8, 8, mask, FALSE);
    EXPECT_EQ(RGB(128, 128, 128), dc.Pixel(3, 3));
    DeleteObject(mask);

    // The box filter over a window of 3 x 3 ones gives back 9 x the centre.
    const double grid[25] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    double work[15], out[9];
    CPPDrawManager::BoxSum(grid, 5, 5, 3, 3, work, out);
    for (double v : out)
        EXPECT_DOUBLE_EQ(9.0, v);
}

TEST(HtmlOnMemoryDC, MeasuresAndPaintsWithTheRealFont)
{
    MemoryDC dc(200, 60);
    CPPHtmlDrawer d;
    const SIZE size = d.PrepareOutput(dc.Get(), "Hello");

    LOGFONT lf = {};
    lf.lfHeight = 13;   // the body's 10pt at 96 dpi
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(lf.lfFaceName, "Verdana");
    HFONT font = CreateFontIndirect(&lf);
    HGDIOBJ old = SelectObject(dc.Get(), font);
    SIZE extent;
    GetTextExtentPoint32A(dc.Get(), "Hello", 5, &extent);
    SelectObject(dc.Get(), old);
    DeleteObject(font);
    EXPECT_EQ(extent.cx + 2, size.cx);
    EXPECT_EQ(extent.cy + 2, size.cy);

    d.Draw(dc.Get(), "<font color=#ff0000>Hello</font>", POINT{10, 10});
    int red = 0, elsewhere = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
        {
            const COLORREF c = dc.Pixel(x, y);
            const bool inside = x >= 10 && x < 10 + size.cx && y >= 10 && y < 10 + size.cy;
            if (c != RGB(255, 255, 255))
                (inside ? red : elsewhere)++;
        }
    EXPECT_GT(red, 10);
    EXPECT_EQ(0, elsewhere);

    // A table with a background fills its cell area on the DC.
    MemoryDC table(100, 60);
    const char* markup = "<table bgcolor=#0000ff><tr><td>x</td></tr></table>";
    const SIZE ts = d.PrepareOutput(table.Get(), markup);
    const RECT rect = {0, 0, ts.cx, ts.cy};
    d.DrawPreparedOutput(table.Get(), markup, &rect);
    EXPECT_EQ(RGB(0, 0, 255), table.Pixel(1, 1));
    EXPECT_EQ(RGB(255, 255, 255), table.Pixel(ts.cx + 5, 1));

    // A face name too long for the font record is cut, not overrun.
    MemoryDC longFace(50, 30);
    const std::string markup2 = "<font face=\"" + std::string(200, 'F') + "\">x</font>";
    EXPECT_GT(d.PrepareOutput(longFace.Get(), markup2.c_str()).cx, 2);
}
