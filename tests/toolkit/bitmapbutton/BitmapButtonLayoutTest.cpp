// The bitmap button's window-free rules: layout, fit size, compact text
// block, grey levels and mnemonic stripping.
#include "toolkit/foundation/OXBitmapButton.h"
#include "toolkit/foundation/OXBitmapButtonLayout.h"

#include <gtest/gtest.h>

#include <vector>

TEST(BitmapButtonRules, MnemonicsAreStripped)
{
    EXPECT_STREQ("&ab", COXBitmapButton::StripMnemonics("&&a&b"));
    EXPECT_STREQ("", COXBitmapButton::StripMnemonics(nullptr));
    EXPECT_STREQ("Save", COXBitmapButton::StripMnemonics("&Save"));
    EXPECT_STREQ("end", COXBitmapButton::StripMnemonics("end&"));
}

TEST(BitmapButtonRules, GreyTableHasFourLevelsAndKeepsTheTransparentColour)
{
    std::vector<BYTE> buffer(sizeof(BITMAPINFOHEADER) + 8 * sizeof(RGBQUAD));
    BITMAPINFO* info = reinterpret_cast<BITMAPINFO*>(buffer.data());
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biBitCount = 8;
    info->bmiHeader.biClrUsed = 8;
    // Greys of luminance 63, 64, 159, 160, 223, 224 and 255, then the transparent magenta.
    const BYTE levels[] = { 63, 64, 159, 160, 223, 224, 255 };
    for (int i = 0; i < 7; ++i)
        info->bmiColors[i] = { levels[i], levels[i], levels[i], 0 };
    info->bmiColors[7] = { 255, 0, 255, 0 };
    ASSERT_TRUE(COXBitmapButton::MakeGrayColorTable(info, RGB(255, 0, 255)));
    const BYTE expected[] = { 0, 128, 128, 192, 192, 255, 255 };
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(expected[i], info->bmiColors[i].rgbRed) << "entry " << i;
        EXPECT_EQ(expected[i], info->bmiColors[i].rgbBlue) << "entry " << i;
    }
    EXPECT_EQ(255, info->bmiColors[7].rgbRed);
    EXPECT_EQ(0, info->bmiColors[7].rgbGreen);
    // Pure red weighs 77: the middle grey.
    EXPECT_EQ(128, BitmapButtonGrayLevel(255, 0, 0));

    info->bmiHeader.biBitCount = 24;
    EXPECT_FALSE(COXBitmapButton::MakeGrayColorTable(info));
}

TEST(BitmapButtonRules, FitSizeSideBySideStackedAndAlone)
{
    const CSize image(32, 32);
    const CSize text(40, 13);
    EXPECT_EQ(CSize(89, 42), CalcBitmapButtonFitSize(image, text, 0));
    EXPECT_EQ(CSize(89, 42), CalcBitmapButtonFitSize(image, text, BS_VCENTER));
    EXPECT_EQ(CSize(54, 61), CalcBitmapButtonFitSize(image, text, BS_TOP));
    EXPECT_EQ(CSize(54, 61), CalcBitmapButtonFitSize(image, text, BS_BOTTOM));
    EXPECT_EQ(CSize(54, 25), CalcBitmapButtonFitSize(CSize(0, 0), text, BS_TOP));
    EXPECT_EQ(CSize(42, 42), CalcBitmapButtonFitSize(image, CSize(0, 0), 0));
}

TEST(BitmapButtonRules, LayoutPlacesImageAndText)
{
    CRect image, text;
    // Side by side in 100 x 50: image at x 5, text after the image block.
    CalcBitmapButtonLayout(CSize(100, 50), CSize(32, 32), CSize(40, 13), 0, image, text);
    EXPECT_EQ(CRect(5, 9, 37, 41), image);
    EXPECT_EQ(CRect(42, 18, 82, 31), text);
    // BS_RIGHT swaps them.
    CalcBitmapButtonLayout(CSize(100, 50), CSize(32, 32), CSize(40, 13), BS_RIGHT, image, text);
    EXPECT_EQ(7, text.left);
    EXPECT_EQ(52, image.left);
    // BS_TOP: image on top, centred; the text under its block.
    CalcBitmapButtonLayout(CSize(100, 80), CSize(32, 32), CSize(40, 13), BS_TOP, image, text);
    EXPECT_EQ(CRect(34, 5, 66, 37), image);
    EXPECT_EQ(CRect(30, 42, 70, 55), text);
    // A lone text is centred.
    CalcBitmapButtonLayout(CSize(100, 50), CSize(0, 0), CSize(40, 13), 0, image, text);
    EXPECT_TRUE(image.IsRectEmpty());
    EXPECT_EQ(CRect(30, 18, 70, 31), text);
    // Too small a button cuts the parts; a part without room is empty.
    CalcBitmapButtonLayout(CSize(30, 20), CSize(32, 32), CSize(40, 13), 0, image, text);
    EXPECT_TRUE(image.IsRectEmpty());
}

TEST(BitmapButtonRules, CompactBlockNarrowsAWideLine)
{
    // A text of 1200 square pixels: one line 300 wide and 4 high, wrapped by width.
    auto measure = [](int width) {
        if (width == 0)
            width = 300;
        int lines = (300 + width - 1) / width;
        return CSize(std::min(width, 300), lines * 4);
    };
    CSize block = CompactTextBlock(measure);
    EXPECT_LT(block.cx, block.cy * 26 / 10 + 1);
    EXPECT_LT(block.cy, block.cx);
}
