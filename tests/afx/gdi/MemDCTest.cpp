// The one memory DC of the layer and the DC attribute guards: what the
// off-screen bitmap starts with, when its pixels reach the target, and that
// every guard puts back the value it found first.
#include <gtest/gtest.h>

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/MemDC.h"

namespace {

// A 100x60 bitmap DC standing in for a window's DC.
class TargetDC
{
public:
    TargetDC()
    {
        HDC screen = ::GetDC(nullptr);
        dc.Attach(::CreateCompatibleDC(screen));
        bitmap = ::CreateCompatibleBitmap(screen, 100, 60);
        ::ReleaseDC(nullptr, screen);
        old = ::SelectObject(dc.m_hDC, bitmap);
        dc.FillSolidRect(CRect(0, 0, 100, 60), RGB(0, 0, 255));
    }
    ~TargetDC()
    {
        ::SelectObject(dc.m_hDC, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc.Detach());
    }
    CDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

} // namespace

TEST(MemDC, DrawingReachesTheTargetWhenItGoesInTheTargetsCoordinates)
{
    TargetDC target;
    const CRect area(10, 10, 50, 40);
    {
        CMemDC mem(&target.dc, &area, CMemDC::startBlank);
        ASSERT_TRUE(mem.IsOffScreen());
        mem.FillSolidRect(CRect(10, 10, 30, 40), RGB(255, 0, 0));
        mem.FillSolidRect(CRect(30, 10, 50, 40), RGB(0, 255, 0));
        EXPECT_EQ(RGB(0, 0, 255), target.dc.GetPixel(15, 15));   // not yet
    }
    EXPECT_EQ(RGB(255, 0, 0), target.dc.GetPixel(15, 15));
    EXPECT_EQ(RGB(0, 255, 0), target.dc.GetPixel(45, 35));
    EXPECT_EQ(RGB(0, 0, 255), target.dc.GetPixel(5, 5));     // outside the area
    EXPECT_EQ(RGB(0, 0, 255), target.dc.GetPixel(55, 15));
}

TEST(MemDC, StartsFilledWithTheBackgroundOrWithACopyOfTheTarget)
{
    TargetDC target;
    target.dc.SetBkColor(RGB(250, 250, 250));
    {
        const CRect area(0, 0, 20, 20);
        CMemDC filled(&target.dc, &area);
        EXPECT_EQ(RGB(250, 250, 250), filled.GetPixel(5, 5));
    }
    EXPECT_EQ(RGB(250, 250, 250), target.dc.GetPixel(5, 5));

    target.dc.FillSolidRect(CRect(20, 20, 40, 40), RGB(9, 9, 9));
    {
        const CRect area(20, 20, 60, 60);
        CMemDC copied(&target.dc, &area, CMemDC::startCopied);
        EXPECT_EQ(RGB(9, 9, 9), copied.GetPixel(25, 25));
        EXPECT_EQ(RGB(0, 0, 255), copied.GetPixel(45, 45));
    }
    EXPECT_EQ(RGB(9, 9, 9), target.dc.GetPixel(25, 25));
}

TEST(MemDC, DirectOrEmptyDrawsOnTheTargetAndLeavesItsHandle)
{
    TargetDC target;
    {
        const CRect area(0, 0, 50, 50);
        CMemDC direct(&target.dc, &area, CMemDC::startBlank, TRUE);
        EXPECT_FALSE(direct.IsOffScreen());
        EXPECT_EQ(target.dc.m_hDC, direct.m_hDC);
        direct.FillSolidRect(CRect(0, 0, 10, 10), RGB(1, 2, 3));
        EXPECT_EQ(RGB(1, 2, 3), target.dc.GetPixel(5, 5));

        const CRect empty(5, 5, 5, 5);
        CMemDC none(&target.dc, &empty);
        EXPECT_FALSE(none.IsOffScreen());
    }
    // The target's handle survived both.
    EXPECT_EQ(RGB(1, 2, 3), target.dc.GetPixel(5, 5));
}

TEST(DCGuards, EachGuardPutsBackTheFirstValueItReplaced)
{
    TargetDC target;
    CDC& dc = target.dc;
    dc.SetBkMode(OPAQUE);
    dc.SetTextColor(RGB(1, 1, 1));
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    {
        CSelBkMode mode(&dc, TRANSPARENT);
        CSelTextColor colour(&dc, RGB(2, 2, 2));
        CSelTextAlign align(&dc, TA_RIGHT);
        colour.Select(RGB(3, 3, 3));   // a second change still restores the first value
        EXPECT_EQ(TRANSPARENT, dc.GetBkMode());
        EXPECT_EQ(RGB(3, 3, 3), dc.GetTextColor());
        EXPECT_EQ(static_cast<UINT>(TA_RIGHT), dc.GetTextAlign() & TA_RIGHT);
        mode.Restore();
        EXPECT_EQ(OPAQUE, dc.GetBkMode());
        mode.Select(TRANSPARENT);
    }
    EXPECT_EQ(OPAQUE, dc.GetBkMode());
    EXPECT_EQ(RGB(1, 1, 1), dc.GetTextColor());
    EXPECT_EQ(static_cast<UINT>(TA_LEFT | TA_TOP), dc.GetTextAlign());
}
