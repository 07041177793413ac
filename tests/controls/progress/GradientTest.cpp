// The colour gradient: segment shares, band expansion with exact colours and
// lengths, the cyclic shift, and bands painted into a memory DC.
#include "controls/progress/Gradient.h"

#include "Surface.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

TEST(Gradient, SegmentSharesFollowTheColours)
{
    CGradient g;
    g.SetColors(2, kRed, kBlue);
    ASSERT_EQ(1, g.GetSegmentCount());
    EXPECT_DOUBLE_EQ(100.0, g.GetSegment(0));

    CGradient added;
    added.AddColor(kRed);
    EXPECT_EQ(1, added.GetColorCount());
    EXPECT_EQ(0, added.GetSegmentCount());
    added.AddColor(kBlue);
    ASSERT_EQ(1, added.GetSegmentCount());
    EXPECT_DOUBLE_EQ(100.0, added.GetSegment(0));
    added.AddColor(kWhite);
    ASSERT_EQ(2, added.GetSegmentCount());
    EXPECT_DOUBLE_EQ(50.0, added.GetSegment(0));
    EXPECT_DOUBLE_EQ(50.0, added.GetSegment(1));

    added.SetSegments(1.0, 3.0);
    EXPECT_DOUBLE_EQ(25.0, added.GetSegment(0));
    EXPECT_DOUBLE_EQ(75.0, added.GetSegment(1));

    COLORREF first = 0, second = 0;
    CGradient empty;
    empty.GetColors(first, second);
    EXPECT_EQ(static_cast<COLORREF>(-1), first);
    EXPECT_EQ(static_cast<COLORREF>(-1), second);
    empty.AddColor(kRed);
    empty.GetColors(first, second);
    EXPECT_EQ(kRed, second);
}

TEST(Gradient, BlackToWhiteExpandsIntoBandsOfExactColours)
{
    CGradient g;
    CGradElementArray bands;
    g.InterpolateEntries(bands, kBlack, kWhite, 100);
    ASSERT_EQ(100, bands.GetSize());
    EXPECT_EQ(kBlack, bands[0].color);
    EXPECT_EQ(RGB(2, 2, 2), bands[1].color);        // 2.55 truncated
    EXPECT_EQ(RGB(127, 127, 127), bands[50].color);
    EXPECT_EQ(RGB(252, 252, 252), bands[99].color);
    for (INT_PTR i = 0; i < bands.GetSize(); ++i)
        ASSERT_EQ(1, bands[i].length);

    CGradElementArray limited;
    g.InterpolateEntries(limited, kBlack, kWhite, 100, 0, -1, 20);
    ASSERT_EQ(20, limited.GetSize());
    EXPECT_EQ(RGB(12, 12, 12), limited[1].color);   // 12.75 truncated
    EXPECT_EQ(RGB(242, 242, 242), limited[19].color);
    for (INT_PTR i = 0; i < limited.GetSize(); ++i)
        ASSERT_EQ(5, limited[i].length);

    // A range inside the segment clips the first and last band.
    CGradElementArray part;
    g.InterpolateEntries(part, kBlack, kWhite, 100, 7, 23, 20);
    ASSERT_EQ(4, part.GetSize());
    EXPECT_EQ(3, part[0].length);
    EXPECT_EQ(RGB(12, 12, 12), part[0].color);
    EXPECT_EQ(3, part[3].length);
}

TEST(Gradient, SegmentsTakeTheirSharesAndShiftRotatesTheBands)
{
    CGradient g;
    g.SetColors(3, kBlack, kWhite, kBlack);
    g.SetSegments(1.0, 3.0);
    CGradElementArray bands;
    g.MakeSegmentEntries(bands, 100, 0, -1, 10);   // 5 steps per segment
    ASSERT_EQ(10, bands.GetSize());
    int firstSegment = 0;
    for (int i = 0; i < 5; ++i)
        firstSegment += bands[i].length;
    EXPECT_EQ(25, firstSegment);
    EXPECT_EQ(kBlack, bands[0].color);
    EXPECT_EQ(kWhite, bands[5].color);

    CGradient bw;
    bw.SetColors(2, kBlack, kWhite);
    CGradElementArray plain, full, shifted;
    bw.MakeEntries(plain, 0, 100);
    bw.MakeEntries(full, 100, 100);
    ASSERT_EQ(plain.GetSize(), full.GetSize());
    for (INT_PTR i = 0; i < plain.GetSize(); ++i)
        EXPECT_EQ(plain[i].color, full[i].color);

    bw.MakeEntries(shifted, 25, 100);
    ASSERT_EQ(100, shifted.GetSize());
    EXPECT_EQ(RGB(191, 191, 191), shifted[0].color);   // position 75 first
    EXPECT_EQ(kBlack, shifted[25].color);
    bw.MakeEntries(shifted = CGradElementArray(), -75, 100);
    EXPECT_EQ(RGB(191, 191, 191), shifted[0].color);
}

TEST(Gradient, PaintsBandsInEachDirection)
{
    CGradient g;
    g.SetColors(2, kRed, kBlue);
    Surface s(256, 20, kWhite);
    g.Draw(s.dc(), CRect(0, 0, 256, 10));
    EXPECT_EQ(kRed, s.At(0, 5));
    EXPECT_EQ(RGB(1, 0, 254), s.At(255, 5));
    EXPECT_EQ(kWhite, s.At(10, 15));

    g.SetDirection(CGradient::RightToLeft);
    g.Draw(s.dc(), CRect(0, 10, 256, 20), 0, 128);
    EXPECT_EQ(kRed, s.At(255, 15));
    EXPECT_EQ(kWhite, s.At(127, 15));   // positions 128.. not painted

    Surface v(10, 100, kWhite);
    g.SetDirection(CGradient::BottomToTop);
    g.Draw(v.dc(), CRect(0, 0, 10, 100));
    EXPECT_EQ(kRed, v.At(5, 99));
    EXPECT_EQ(GetBValue(v.At(5, 0)) > 240, true);
}

} // namespace
