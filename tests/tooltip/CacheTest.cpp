// The drawer keeps fonts, read style entries and pens between passes; these
// must never change what a pass measures or draws.
#include "tooltip/PPHtmlDrawer.h"

#include "FakeMeasurer.h"

#include <gtest/gtest.h>

namespace {

TEST(DrawerCaches, AChangedStyleSheetTakesEffectAtTheNextPass)
{
    CPPHtmlDrawer drawer;
    FakeMeasurer measurer;
    drawer.SetStyleText(".note", "font-size: 20px");
    const SIZE before = drawer.PrepareOutput(measurer, "<span class=note>abcd</span>");
    drawer.SetStyleText(".note", "font-size: 40px");
    const SIZE after = drawer.PrepareOutput(measurer, "<span class=note>abcd</span>");
    // Four characters half the font height wide each, plus the drawer's pixels around.
    EXPECT_EQ(4 * 10 + 2, before.cx);
    EXPECT_EQ(4 * 20 + 2, after.cx);

    drawer.SetCssStyles(".note { font-size: 10px }");
    const SIZE replaced = drawer.PrepareOutput(measurer, "<span class=note>abcd</span>");
    EXPECT_EQ(4 * 5 + 2, replaced.cx);
}

TEST(DrawerCaches, RepeatedPassesOnADeviceContextGiveTheSameResult)
{
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 400;
    bi.bmiHeader.biHeight = -200;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bmp);
    HFONT dcFont = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));

    // More fonts and border colours than the caches keep.
    CString text;
    for (int i = 0; i < 12; ++i)
        text.AppendFormat("<font size=%d><b>b%d</b><i>i</i></font>", 8 + i, i);
    text += "<table border=1>";
    for (int i = 0; i < 12; ++i)
        text.AppendFormat("<tr><td style=\"border-color:#%02x0000\">%d</td></tr>", i * 20, i);
    text += "</table>";

    CPPHtmlDrawer drawer;
    std::vector<DWORD> first;
    SIZE firstSize = {0, 0};
    for (int pass = 0; pass < 3; ++pass)
    {
        PatBlt(dc, 0, 0, 400, 200, WHITENESS);
        const SIZE size = drawer.PrepareOutput(dc, text);
        const RECT rect = {0, 0, std::min(400L, size.cx), std::min(200L, size.cy)};
        drawer.DrawPreparedOutput(dc, text, &rect);
        GdiFlush();
        const DWORD* pixels = static_cast<const DWORD*>(bits);
        std::vector<DWORD> now(pixels, pixels + 400 * 200);
        if (pass == 0)
        {
            first = now;
            firstSize = size;
        }
        else
        {
            EXPECT_EQ(firstSize.cx, size.cx);
            EXPECT_EQ(firstSize.cy, size.cy);
            EXPECT_TRUE(first == now) << "pass " << pass;
        }
        // The DC gets its own font back after every pass.
        EXPECT_EQ(dcFont, GetCurrentObject(dc, OBJ_FONT));
    }
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
}

}  // namespace
