// What the looks draw: gradients with and without GradientFill, the 2003
// gripper stripes, the dither brush, transparent bitmaps, caption buttons
// and the frame painters; and the theme binding without its library.
#include "toolkit/bars/skins/OXDitherBrush.h"
#include "toolkit/bars/skins/OXFrameSkin.h"
#include "toolkit/bars/skins/OXSkin2003.h"

#include "afx/GdiObject.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/PixelDC.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
// Part and state of a normal push button in the "button" class.
const int PushButton = 1;
const int Normal = 1;
const COLORREF Red = RGB(255, 0, 0);
const COLORREF Blue = RGB(0, 0, 255);
const COLORREF Black = RGB(0, 0, 0);
const COLORREF White = RGB(255, 255, 255);

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

TEST(Gradient, WithAndWithoutGradientFillAgreeAtBothEnds)
{
    COXSkin2003 withFill;
    COXSkin2003 withoutFill("UxTheme.dll", "lexifern-no-such-gradient.dll");
    ASSERT_TRUE(withFill.HasGradientFill());
    ASSERT_FALSE(withoutFill.HasGradientFill());
    for (BOOL vertical : {TRUE, FALSE})
    {
        CPixelDC a(64, 64, White);
        CPixelDC b(64, 64, White);
        CRect rect(0, 0, 64, 64);
        EXPECT_TRUE(withFill.FillGradient(&a.dc(), &rect, Red, Blue, vertical));
        EXPECT_TRUE(withoutFill.FillGradient(&b.dc(), &rect, Red, Blue, vertical));
        EXPECT_TRUE(Near(a.Pixel(0, 0), Red, 4)) << vertical;
        EXPECT_TRUE(Near(b.Pixel(0, 0), Red, 4)) << vertical;
        EXPECT_TRUE(Near(a.Pixel(63, 63), b.Pixel(63, 63), 8)) << vertical;
        EXPECT_TRUE(Near(b.Pixel(63, 63), Blue, 8)) << vertical;
        // Along the gradient's axis only.
        if (vertical)
            EXPECT_EQ(b.Pixel(0, 32), b.Pixel(63, 32));
        else
            EXPECT_EQ(b.Pixel(32, 0), b.Pixel(32, 63));
    }
}

TEST(Gradient, LinesStepPerRowAndAnEmptyRectangleDrawsNothing)
{
    CPixelDC pixels(8, 4, White);
    CRect rect(0, 0, 8, 4);
    EXPECT_TRUE(COXSkin2003::FillGradientLines(&pixels.dc(), &rect, RGB(0, 100, 200), RGB(100, 0, 0), TRUE));
    EXPECT_EQ(pixels.Pixel(3, 0), RGB(0, 100, 200));
    EXPECT_EQ(pixels.Pixel(3, 1), RGB(25, 75, 150));
    EXPECT_EQ(pixels.Pixel(3, 3), RGB(75, 25, 50));

    CPixelDC empty(8, 4, White);
    CRect none(2, 2, 2, 4);
    EXPECT_TRUE(COXSkin2003::FillGradientLines(&empty.dc(), &none, Red, Blue, FALSE));
    CRect inverted(2, 3, 6, 1);
    EXPECT_TRUE(COXSkin2003::FillGradientLines(&empty.dc(), &inverted, Red, Blue, TRUE));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(empty.Pixel(x, y), White) << x << "," << y;
}

TEST(Gradient, FourCornersWithoutGradientFillFollowTheLongerSide)
{
    COXSkin2003 skin("UxTheme.dll", "lexifern-no-such-gradient.dll");
    CPixelDC wide(40, 10, White);
    CRect rect(0, 0, 40, 10);
    EXPECT_TRUE(skin.FillGradient4(&wide.dc(), &rect, Red, Black, Blue, Black));
    EXPECT_EQ(wide.Pixel(39, 0), Red);
    EXPECT_TRUE(Near(wide.Pixel(0, 9), Blue, 26));
    CPixelDC tall(10, 40, White);
    CRect tallRect(0, 0, 10, 40);
    EXPECT_TRUE(skin.FillGradient4(&tall.dc(), &tallRect, Red, Blue, Black, Black));
    EXPECT_EQ(tall.Pixel(0, 39), Red);
    EXPECT_TRUE(Near(tall.Pixel(9, 0), Blue, 26));
}

TEST(Stripes, TheGripperLinesAreStraight)
{
    COXSkin2003 skin;
    COLORREF dark = skin.GetGripperColor();
    COLORREF light = ::GetSysColor(COLOR_WINDOW);
    CPixelDC pixels(24, 10, RGB(1, 2, 3));
    CRect rect(0, 0, 20, 4);
    skin.DrawStripes(&pixels.dc(), &rect, TRUE);
    EXPECT_EQ(pixels.Pixel(0, 0), dark);
    EXPECT_EQ(pixels.Pixel(19, 0), dark);
    EXPECT_EQ(pixels.Pixel(0, 1), dark);
    // The first light line lies on row 1 all along, not from row 2 up to row 1.
    EXPECT_EQ(pixels.Pixel(2, 1), light);
    EXPECT_EQ(pixels.Pixel(20, 1), light);
    EXPECT_EQ(pixels.Pixel(2, 2), light);
    EXPECT_EQ(pixels.Pixel(2, 3), RGB(1, 2, 3));
    EXPECT_EQ(pixels.Pixel(0, 4), dark);
    EXPECT_EQ(pixels.Pixel(0, 8), RGB(1, 2, 3));

    CPixelDC vertical(10, 24, RGB(1, 2, 3));
    CRect column(0, 0, 4, 20);
    skin.DrawStripes(&vertical.dc(), &column, FALSE);
    EXPECT_EQ(vertical.Pixel(0, 10), dark);
    EXPECT_EQ(vertical.Pixel(1, 0), dark);
    EXPECT_EQ(vertical.Pixel(1, 2), light);
    EXPECT_EQ(vertical.Pixel(2, 2), light);
    EXPECT_EQ(vertical.Pixel(4, 10), dark);
}

TEST(DitherBrush, IsACheckerboardOfBothColours)
{
    HBRUSH brush = CreateDitherBrush(Red, Blue);
    ASSERT_NE(brush, nullptr);
    CPixelDC pixels(16, 16, White);
    CRect rect(0, 0, 16, 16);
    ::FillRect(pixels.dc().GetSafeHdc(), &rect, brush);
    ::DeleteObject(brush);
    // Row 0 is 0x55: bit 0 (clrA) first; row 1 is 0xAA.
    EXPECT_EQ(pixels.Pixel(0, 0), Red);
    EXPECT_EQ(pixels.Pixel(1, 0), Blue);
    EXPECT_EQ(pixels.Pixel(0, 1), Blue);
    EXPECT_EQ(pixels.Pixel(1, 1), Red);
    EXPECT_EQ(pixels.Pixel(8, 8), Red);

    HBRUSH other = OXCreateCheckerboardBrush(Red, Blue, FALSE);
    ASSERT_NE(other, nullptr);
    ::FillRect(pixels.dc().GetSafeHdc(), &rect, other);
    ::DeleteObject(other);
    EXPECT_EQ(pixels.Pixel(0, 0), Blue);
    EXPECT_EQ(pixels.Pixel(0, 1), Red);
}

TEST(TransparentBitmap, LeavesTheTransparentColourUntouched)
{
    CPixelDC source(4, 4, Red);
    source.dc().FillSolidRect(0, 0, 2, 4, RGB(0, 255, 0));
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&source.dc(), 4, 4);
    {
        CDC copy;
        copy.CreateCompatibleDC(&source.dc());
        CSelectGuard select(copy, bitmap);
        copy.BitBlt(0, 0, 4, 4, &source.dc(), 0, 0, SRCCOPY);
    }
    CPixelDC target(8, 8, Blue);
    COXSkinXP::DrawTransparentBitmap(&bitmap, &target.dc(), 2, 2, 4, 4, RGB(0, 255, 0));
    EXPECT_EQ(target.Pixel(2, 2), Blue);
    EXPECT_EQ(target.Pixel(3, 5), Blue);
    EXPECT_EQ(target.Pixel(4, 2), Red);
    EXPECT_EQ(target.Pixel(5, 5), Red);
    EXPECT_EQ(target.Pixel(6, 6), Blue);
}

class WindowDrawing : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(frame.CreateFrame(CRect(100, 100, 300, 250)));
        SetCursorAt(CPoint(600, 600));
    }
    void TearDown() override { frame.DestroyWindow(); }
    CTestFrame frame;
};

TEST_F(WindowDrawing, CaptionButtonAwayFromTheCursor)
{
    COXSkinXP skin;
    const COLORREF back = RGB(200, 200, 200);
    CPixelDC pixels(20, 20, White);
    CRect rect(2, 2, 18, 18);
    skin.DrawCaptionButton(&pixels.dc(), &rect, DFCS_CAPTIONCLOSE, TRUE, FALSE, back, &frame);
    EXPECT_EQ(pixels.Pixel(0, 0), White);
    EXPECT_EQ(pixels.Pixel(2, 2), back);
    EXPECT_EQ(pixels.Pixel(17, 17), back);
    // The disabled glyph shows in the background darkened by 96.
    const COLORREF glyph = RGB(104, 104, 104);
    int glyphPixels = 0;
    for (int y = 2; y < 18; ++y)
        for (int x = 2; x < 18; ++x)
            glyphPixels += pixels.Pixel(x, y) == glyph;
    EXPECT_GT(glyphPixels, 6);

    // Under the cursor the hot colour and the highlight border show.
    CRect window;
    frame.GetWindowRect(&window);
    SetCursorAt(window.TopLeft() + CPoint(10, 10));
    CPixelDC hot(20, 20, White);
    skin.DrawCaptionButton(&hot.dc(), &rect, DFCS_CAPTIONCLOSE, FALSE, FALSE, back, &frame);
    EXPECT_EQ(hot.Pixel(2, 2), skin.GetHighlightBorderColor());
    EXPECT_EQ(hot.Pixel(4, 4), skin.GetHotItemColor());
}

TEST_F(WindowDrawing, FramePaintersPerLook)
{
    COXSkinXP xp;
    COXSkin2003 themed;
    COXSkin2003 unthemed("lexifern-no-such-theme.dll");
    COXFrameSkinClassic classic;
    COXFrameSkin* pXp = xp.GetFrameSkin();
    COXFrameSkin* pThemed = themed.GetFrameSkin();
    COXFrameSkin* pUnthemed = unthemed.GetFrameSkin();

    EXPECT_EQ(classic.GetBackgroundColor(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(classic.GetBorderColor(), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pXp->GetBackgroundColor(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(pXp->GetBorderColor(), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pThemed->GetBackgroundColor(), themed.GetDockbarGradientLight());
    EXPECT_EQ(pThemed->GetBorderColor(), themed.GetBorderColor());
    EXPECT_EQ(pUnthemed->GetBackgroundColor(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(pUnthemed->GetBorderColor(), COXSkinXP::ShiftColor(::GetSysColor(COLOR_BTNSHADOW), 38));

    CRect rect(10, 10, 20, 20);
    EXPECT_EQ(classic.AdjustFrameRect(&rect, &frame), &rect);
    EXPECT_EQ(rect, CRect(10, 10, 20, 20));
    EXPECT_EQ(pXp->AdjustFrameRect(&rect, &frame), &rect);
    EXPECT_EQ(rect, CRect(9, 9, 21, 21));

    // The flat frame is the window's outermost pixel ring.
    pThemed->DrawFrame(&frame);
    CWindowDC dc(&frame);
    CRect window;
    frame.GetWindowRect(&window);
    EXPECT_EQ(dc.GetPixel(0, 0), themed.GetBorderColor());
    EXPECT_EQ(dc.GetPixel(window.Width() - 1, window.Height() / 2), themed.GetBorderColor());
}

TEST(UxTheme, AMissingLibraryOrEntryFailsCleanly)
{
    CPixelDC pixels(8, 8, White);
    CRect rect(0, 0, 8, 8);
    for (LPCTSTR library : {"lexifern-no-such-theme.dll", "kernel32.dll"})
    {
        COXUxTheme theme(library);
        EXPECT_EQ(theme.IsLoaded(), library[0] == 'k') << library;
        EXPECT_EQ(theme.OpenThemeData(nullptr, "button"), nullptr) << library;
        EXPECT_EQ(theme.GetWindowTheme(::GetDesktopWindow()), nullptr) << library;
        EXPECT_FALSE(theme.DrawThemeBackground(nullptr, pixels.dc().GetSafeHdc(), PushButton, Normal, &rect, nullptr));
        EXPECT_FALSE(theme.DrawThemeText(nullptr, pixels.dc().GetSafeHdc(), 1, 1, "x", -1, 0, 0, &rect));
        EXPECT_FALSE(theme.CloseThemeData(nullptr));
    }
}

TEST(UxTheme, DrawingReportsOnlySOkAsSuccess)
{
    COXUxTheme theme;
    ASSERT_TRUE(theme.IsLoaded());
    HTHEME handle = theme.OpenThemeData(nullptr, "button");
    ASSERT_NE(handle, nullptr);
    CPixelDC pixels(40, 20, White);
    CRect rect(0, 0, 40, 20);
    EXPECT_TRUE(theme.DrawThemeBackground(handle, pixels.dc().GetSafeHdc(), PushButton, Normal, &rect,
                                          nullptr));
    EXPECT_TRUE(theme.DrawThemeText(handle, pixels.dc().GetSafeHdc(), PushButton, Normal, "\xcf\xf0\xe8", -1,
                                    DT_SINGLELINE, 0, &rect));
    // Without a theme handle the library answers with an error code.
    EXPECT_FALSE(theme.DrawThemeBackground(nullptr, pixels.dc().GetSafeHdc(), PushButton, Normal, &rect, nullptr));
    EXPECT_TRUE(theme.CloseThemeData(handle));
}
}
