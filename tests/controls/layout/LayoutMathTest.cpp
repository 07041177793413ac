// The layout rules without windows: rectangles after a resize, parking,
// tracking sizes and stretching.
#include "controls/layout/DynamicWnd.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace {

using W = cdxCDynamicWnd;

cdxCDynamicLayoutInfo Grown(int dx, int dy)
{
    cdxCDynamicLayoutInfo li;
    li.m_szInitial = CSize(300, 200);
    li.m_szCurrent = CSize(300 + dx, 200 + dy);
    li.m_szDelta = CSize(dx, dy);
    return li;
}

CRect Apply(int modeX, int modeY, const CRect& start, const cdxCDynamicLayoutInfo& li, CSize szMin = CSize())
{
    signed char pct[4];
    W::ModesToPercent(modeX, modeY, pct);
    CRect rc;
    W::CalcControlRect(W::Position(start, pct, szMin), li, rc);
    return rc;
}

TEST(DynamicLayoutMath, ModesBecomeEdgePercentages)
{
    signed char pct[4];
    W::ModesToPercent(W::ModeStretch, W::ModeMove, pct);
    EXPECT_EQ(0, pct[W::PctLeft]);
    EXPECT_EQ(100, pct[W::PctRight]);
    EXPECT_EQ(100, pct[W::PctTop]);
    EXPECT_EQ(100, pct[W::PctBottom]);
    W::ModesToPercent(W::ModeHalf, 17, pct);
    EXPECT_EQ(50, pct[W::PctLeft]);
    EXPECT_EQ(50, pct[W::PctRight]);
    EXPECT_EQ(0, pct[W::PctTop]);   // unknown mode stays
    EXPECT_EQ(0, pct[W::PctBottom]);
}

TEST(DynamicLayoutMath, EachModeGivesExactRectangleAfterGrowth)
{
    const CRect start(10, 20, 110, 45);
    const cdxCDynamicLayoutInfo li = Grown(40, 30);
    EXPECT_EQ(CRect(10, 20, 110, 45), Apply(W::ModeFixed, W::ModeFixed, start, li));
    EXPECT_EQ(CRect(10, 20, 150, 75), Apply(W::ModeStretch, W::ModeStretch, start, li));
    EXPECT_EQ(CRect(50, 50, 150, 75), Apply(W::ModeMove, W::ModeMove, start, li));
    EXPECT_EQ(CRect(30, 35, 130, 60), Apply(W::ModeHalf, W::ModeHalf, start, li));
    EXPECT_EQ(CRect(50, 20, 150, 75), Apply(W::ModeMove, W::ModeStretch, start, li));

    CRect rc;
    W::CalcControlRect(W::Position(start, W::PercentBottomRight, CSize()), li, rc);
    EXPECT_EQ(CRect(50, 50, 150, 75), rc);
    W::CalcControlRect(W::Position(start, W::PercentMoveDown, CSize()), li, rc);
    EXPECT_EQ(CRect(10, 50, 110, 75), rc);
}

TEST(DynamicLayoutMath, PercentagesTruncateTowardZeroBothWays)
{
    const CRect start(100, 100, 200, 200);
    EXPECT_EQ(CRect(101, 101, 201, 201), Apply(W::ModeHalf, W::ModeHalf, start, Grown(3, 3)));
    EXPECT_EQ(CRect(99, 99, 199, 199), Apply(W::ModeHalf, W::ModeHalf, start, Grown(-3, -3)));
    EXPECT_EQ(CRect(100, 100, 170, 200), Apply(W::ModeStretch, W::ModeFixed, start, Grown(-30, 0)));
}

TEST(DynamicLayoutMath, TooSmallChildIsParkedOutOfSight)
{
    // 100 wide, shrinking by 80 leaves 20: at the minimum width 20, so parked.
    CRect rc = Apply(W::ModeStretch, W::ModeFixed, CRect(0, 0, 100, 30), Grown(-80, 0), CSize(20, 0));
    EXPECT_EQ(-30, rc.left);
    EXPECT_EQ(-10, rc.right);
    EXPECT_EQ(0, rc.top);
    EXPECT_EQ(30, rc.bottom);
    // One pixel more and it stays in place.
    rc = Apply(W::ModeStretch, W::ModeFixed, CRect(0, 0, 100, 30), Grown(-79, 0), CSize(20, 0));
    EXPECT_EQ(CRect(0, 0, 21, 30), rc);
    // Vertically the same, with a zero minimum only an inverted child parks.
    rc = Apply(W::ModeFixed, W::ModeStretch, CRect(0, 0, 100, 30), Grown(0, -30));
    EXPECT_EQ(-10, rc.top);
    EXPECT_EQ(-10, rc.bottom);
}

TEST(DynamicLayoutMath, ScrolledViewDoesNotSqueezeBelowDesignSize)
{
    cdxCDynamicLayoutInfo li = Grown(-50, 40);
    li.m_bUseScrollPos = true;
    li.m_ptViewScrollPos = CPoint(7, 0);
    // Horizontally smaller than designed: no growth term, shifted by the scroll.
    EXPECT_EQ(CRect(3, 20, 103, 85), Apply(W::ModeStretch, W::ModeStretch, CRect(10, 20, 110, 45), li));
    li.m_szDelta = CSize(-50, -40);
    li.m_ptViewScrollPos = CPoint(0, 12);
    EXPECT_EQ(CRect(10, 8, 110, 33), Apply(W::ModeMove, W::ModeMove, CRect(10, 20, 110, 45), li));
}

TEST(DynamicLayoutMath, TrackingSizesFollowFreedom)
{
    MINMAXINFO mmi = {};
    mmi.ptMaxTrackSize = {5000, 4000};
    W::CalcMinMaxInfo(mmi, CSize(300, 200), CSize(), CSize(16, 38), W::FreedomBoth);
    EXPECT_EQ(316, mmi.ptMinTrackSize.x);
    EXPECT_EQ(238, mmi.ptMinTrackSize.y);
    EXPECT_EQ(5000, mmi.ptMaxTrackSize.x);   // unbounded: left as proposed
    EXPECT_EQ(4000, mmi.ptMaxTrackSize.y);

    W::CalcMinMaxInfo(mmi, CSize(300, 200), CSize(600, 0), CSize(16, 38), W::FreedomHorizontal);
    EXPECT_EQ(616, mmi.ptMaxTrackSize.x);
    EXPECT_EQ(238, mmi.ptMaxTrackSize.y);    // height fixed
}

TEST(DynamicLayoutMath, StretchGrowsAboutTheCentre)
{
    CRect rc(100, 100, 200, 150);
    EXPECT_TRUE(W::StretchRect(rc, CSize(5, 3)));
    EXPECT_EQ(CRect(98, 99, 203, 152), rc);
    rc = CRect(100, 100, 200, 150);
    EXPECT_FALSE(W::StretchRect(rc, CSize(-101, 0)));
}

} // namespace
