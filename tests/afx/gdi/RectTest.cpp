// Geometry: the rectangle rules drawing and layout code depends on.
#include <gtest/gtest.h>

#include "afx/Rect.h"

TEST(Rect, NormalizeSwapsInvertedEdges)
{
    CRect r(10, 20, 2, 5);
    EXPECT_TRUE(r.IsRectEmpty());
    r.NormalizeRect();
    EXPECT_EQ(CRect(2, 5, 10, 20), r);
    EXPECT_EQ(8, r.Width());
    EXPECT_EQ(15, r.Height());
    EXPECT_FALSE(r.IsRectEmpty());
}

TEST(Rect, IntersectAndUnionWithEmptyRectangles)
{
    CRect a(0, 0, 10, 10), b(20, 20, 30, 30), empty(5, 5, 5, 50);
    CRect out(1, 2, 3, 4);
    EXPECT_FALSE(out.IntersectRect(a, b));
    EXPECT_TRUE(out.IsRectNull());          // disjoint: all zeros, not a stale value
    EXPECT_TRUE((a & empty).IsRectEmpty());
    EXPECT_EQ(CRect(0, 0, 30, 30), a | b);
    EXPECT_EQ(a, a | empty);                // an empty operand adds nothing
    EXPECT_EQ(CRect(0, 0, 10, 10), CRect() | a);
    CRect c = a;
    c &= CRect(5, -5, 15, 5);
    EXPECT_EQ(CRect(5, 0, 10, 5), c);
    c |= CRect(0, 0, 1, 1);
    EXPECT_EQ(CRect(0, 0, 10, 5), c);
}

TEST(Rect, InflateDeflateOverloads)
{
    CRect r(10, 10, 20, 20);
    r.InflateRect(2, 3);
    EXPECT_EQ(CRect(8, 7, 22, 23), r);
    r.DeflateRect(CSize(2, 3));
    EXPECT_EQ(CRect(10, 10, 20, 20), r);
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(9, 8, 23, 24), r);
    r.DeflateRect(CRect(1, 2, 3, 4));
    EXPECT_EQ(CRect(10, 10, 20, 20), r);
    r += CRect(1, 1, 1, 1);
    EXPECT_EQ(CRect(9, 9, 21, 21), r);
    r -= CRect(1, 1, 1, 1);
    r.DeflateRect(8, 8);                    // over-deflated: inverted, hence empty
    EXPECT_TRUE(r.IsRectEmpty());
    EXPECT_EQ(CRect(18, 18, 12, 12), r);
}

TEST(Rect, MovesCornersAndPoints)
{
    CRect r(1, 2, 11, 22);
    r.MoveToXY(100, 200);
    EXPECT_EQ(CRect(100, 200, 110, 220), r);
    r.OffsetRect(CPoint(-100, -200));
    EXPECT_EQ(CPoint(0, 0), r.TopLeft());
    r.BottomRight() = CPoint(4, 6);        // a reference into the rectangle
    EXPECT_EQ(CRect(0, 0, 4, 6), r);
    EXPECT_EQ(CPoint(2, 3), r.CenterPoint());
    EXPECT_EQ(CSize(4, 6), r.Size());
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(r.PtInRect(CPoint(4, 5)));  // right and bottom edges are outside
    EXPECT_EQ(CRect(5, 5, 9, 11), r + CSize(5, 5));
    EXPECT_EQ(CRect(-1, 0, 3, 6), r - CPoint(1, 0));
    CRect sub;
    EXPECT_TRUE(sub.SubtractRect(CRect(0, 0, 10, 10), CRect(5, -1, 11, 11)));
    EXPECT_EQ(CRect(0, 0, 5, 10), sub);
}

TEST(Rect, PointAndSizeArithmetic)
{
    CPoint p(3, 4);
    EXPECT_EQ(CSize(2, 2), p - CPoint(1, 2));
    EXPECT_EQ(CPoint(4, 6), p + CSize(1, 2));
    p += CSize(-3, -4);
    EXPECT_EQ(CPoint(0, 0), p);
    EXPECT_EQ(CPoint(-2, 7), CPoint(MAKELPARAM(-2, 7)));   // signed message coordinates
    EXPECT_EQ(CSize(-3, -4), -CSize(3, 4));
    const RECT raw = {1, 1, 2, 2};
    const CRect wrapped(raw);
    LPCRECT pr = wrapped;
    EXPECT_EQ(1, pr->left);
}
