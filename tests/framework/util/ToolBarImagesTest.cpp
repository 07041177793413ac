#include "framework/util/HslColor.h"
#include "framework/util/ImageProcessor.h"
#include "framework/util/ToolBarImages.h"

#include <gtest/gtest.h>

namespace {
const COLORREF kMagenta = RGB(255, 0, 255);

// A 24-bit top-down bitmap of one row holding the colours.
HBITMAP MakeRow(const std::vector<COLORREF>& colors, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(colors.size());
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const int stride = (static_cast<int>(colors.size()) * 3 + 3) & ~3;
    for (int y = 0; y < height; ++y)
    {
        BYTE* row = static_cast<BYTE*>(bits) + y * stride;
        for (size_t x = 0; x < colors.size(); ++x)
        {
            row[x * 3] = GetBValue(colors[x]);
            row[x * 3 + 1] = GetGValue(colors[x]);
            row[x * 3 + 2] = GetRValue(colors[x]);
        }
    }
    return bitmap;
}

// The pixels of one image of a list drawn over a green background.
std::vector<COLORREF> DrawImage(HIMAGELIST list, int index, int size)
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP target = ::CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = ::SelectObject(dc, target);
    HBRUSH green = ::CreateSolidBrush(RGB(0, 255, 0));
    RECT all = { 0, 0, size, size };
    ::FillRect(dc, &all, green);
    ImageList_Draw(list, index, dc, 0, 0, ILD_TRANSPARENT);
    std::vector<COLORREF> pixels;
    for (int x = 0; x < size; ++x)
        pixels.push_back(::GetPixel(dc, x, 0));
    ::SelectObject(dc, old);
    ::DeleteObject(green);
    ::DeleteObject(target);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

void ExpectNear(COLORREF expected, COLORREF actual, const char* what)
{
    EXPECT_NEAR(GetRValue(expected), GetRValue(actual), 1) << what;
    EXPECT_NEAR(GetGValue(expected), GetGValue(actual), 1) << what;
    EXPECT_NEAR(GetBValue(expected), GetBValue(actual), 1) << what;
}
}

TEST(CHslColor, ConversionsBothWays)
{
    const CHslColor red(RGB(255, 0, 0));
    EXPECT_FLOAT_EQ(360.0f, red.GetHue());   // by the formula, not reduced to 0
    EXPECT_FLOAT_EQ(1.0f, red.GetSaturation());
    EXPECT_FLOAT_EQ(0.5f, red.GetLightness());
    const CHslColor back(360.0f, 0.5f, 1.0f);
    EXPECT_EQ(RGB(255, 0, 0), back.GetRGB());

    // Red, blue, green order of the byte constructor.
    const CHslColor green(BYTE(0), BYTE(0), BYTE(255));
    EXPECT_EQ(RGB(0, 255, 0), green.GetRGB());
    EXPECT_FLOAT_EQ(120.0f, green.GetHue());
    const CHslColor blue(RGB(0, 0, 255));
    EXPECT_FLOAT_EQ(240.0f, blue.GetHue());

    const CHslColor gray(RGB(128, 128, 128));
    EXPECT_FLOAT_EQ(0.0f, gray.GetSaturation());
    EXPECT_FLOAT_EQ(256.0f / 510.0f, gray.GetLightness());

    // Setting one form recomputes the other on the next read.
    CHslColor color(RGB(200, 100, 50));
    const float hue = color.GetHue();
    color.SetLightness(0.0f);
    EXPECT_EQ(RGB(0, 0, 0), color.GetRGB());
    color.SetRed(255);
    EXPECT_NE(hue, color.GetHue());
    EXPECT_FLOAT_EQ(0.5f, color.GetLightness());

    // Round trips of ordinary colours stay within truncation.
    for (COLORREF c : { RGB(10, 200, 30), RGB(250, 250, 5), RGB(90, 40, 160), RGB(1, 2, 3) })
    {
        CHslColor hsl(c);
        const CHslColor again(hsl.GetHue(), hsl.GetLightness(), hsl.GetSaturation());
        ExpectNear(c, again.GetRGB(), "round trip");
    }
}

TEST(ImageProcessor, GrayAndLightenKeepTheMask)
{
    std::vector<RGBX> pixels = { RGBX(kMagenta), RGBX(RGB(128, 128, 128)), RGBX(RGB(0, 0, 0)),
                                 RGBX(RGB(255, 255, 255)), RGBX(RGB(255, 0, 0)) };
    CSize size(5, 1);
    CImageHigh high(0.04f);
    high.SetMask(kMagenta);
    const C32BitImageProcessor* lighten[] = { &high, &high };
    ASSERT_TRUE(ProcessPixelChain(pixels, size, lighten, 2, RGB(255, 255, 255)));
    EXPECT_EQ(CSize(5, 1), size);
    EXPECT_EQ(255, pixels[0].btRed);
    EXPECT_EQ(0, pixels[0].btGreen);
    EXPECT_EQ(255, pixels[0].btBlue);
    EXPECT_EQ(static_cast<BYTE>(0.08f * 255), pixels[2].btRed);   // black to lightness 0.08
    EXPECT_EQ(255, pixels[3].btGreen);                            // white stays white

    CImageHigh darken(-2.0f);
    const C32BitImageProcessor* dark[] = { &darken };
    ProcessPixelChain(pixels, size, dark, 1, RGB(0, 0, 0));
    EXPECT_EQ(0, pixels[0].btGreen + pixels[1].btRed + pixels[3].btBlue);

    std::vector<RGBX> grayed = { RGBX(kMagenta), RGBX(RGB(128, 128, 128)), RGBX(RGB(10, 20, 250)) };
    CSize three(3, 1);
    CImageGrayer grayer;
    grayer.SetMask(kMagenta);
    const C32BitImageProcessor* gray[] = { &grayer };
    ProcessPixelChain(grayed, three, gray, 1, RGB(1, 2, 3));
    EXPECT_EQ(255, grayed[0].btRed);
    EXPECT_EQ(0, grayed[0].btGreen);
    EXPECT_EQ(128, grayed[1].btBlue);
    EXPECT_EQ((3 * 10 + 6 * 20 + 250) / 10, grayed[2].btGreen);

    std::vector<RGBX> fill(7);
    FillPixels(fill.data(), fill.size(), RGB(1, 2, 3));
    for (const RGBX& p : fill)
        EXPECT_EQ(3, p.btBlue);
}

TEST(CToolBarImageLists, ThreeStatesFromOneBitmap)
{
    const int size = 4;
    // Two images of 4 x 4: magenta, mid gray, black, white | pure red, ...
    const std::vector<COLORREF> row = { kMagenta,         RGB(128, 128, 128), RGB(0, 0, 0),
                                        RGB(255, 255, 255), RGB(255, 0, 0),   kMagenta,
                                        RGB(0, 0, 255),   RGB(0, 0, 0) };
    HBITMAP bitmap = MakeRow(row, size);
    ASSERT_NE(nullptr, bitmap);
    CToolBarImageLists lists;
    ASSERT_TRUE(lists.Build(bitmap, kMagenta, size));
    ::DeleteObject(bitmap);
    EXPECT_EQ(2, ImageList_GetImageCount(lists.GetHotList()));
    EXPECT_EQ(2, ImageList_GetImageCount(lists.GetDisabledList()));
    EXPECT_EQ(2, ImageList_GetImageCount(lists.GetNormalList()));

    const COLORREF green = RGB(0, 255, 0);
    const std::vector<COLORREF> hot = DrawImage(lists.GetHotList(), 0, size);
    EXPECT_EQ(green, hot[0]);   // magenta is transparent
    EXPECT_EQ(RGB(128, 128, 128), hot[1]);
    EXPECT_EQ(RGB(0, 0, 0), hot[2]);
    EXPECT_EQ(RGB(255, 255, 255), hot[3]);

    const std::vector<COLORREF> normal = DrawImage(lists.GetNormalList(), 0, size);
    EXPECT_EQ(green, normal[0]);
    ExpectNear(RGB(148, 148, 148), normal[1], "gray + 0.08");
    ExpectNear(RGB(20, 20, 20), normal[2], "black + 0.08");
    EXPECT_EQ(RGB(255, 255, 255), normal[3]);

    const std::vector<COLORREF> disabled = DrawImage(lists.GetDisabledList(), 0, size);
    EXPECT_EQ(green, disabled[0]);
    ExpectNear(RGB(189, 189, 189), disabled[1], "gray + 0.24");
    ExpectNear(RGB(61, 61, 61), disabled[2], "black + 0.24");
    EXPECT_EQ(RGB(255, 255, 255), disabled[3]);

    const std::vector<COLORREF> second = DrawImage(lists.GetDisabledList(), 1, size);
    // Red grays to 76 and then gains 0.24 lightness; magenta stays transparent.
    ExpectNear(RGB(137, 137, 137), second[0], "red grayed");
    EXPECT_EQ(green, second[1]);
}
