// Stored window places fitted to the work areas: sizes no one can use give
// the default size, places off every area come back into the nearest one.
#include "afx/WorkArea.h"

#include <gtest/gtest.h>

namespace {
const CRect kLeftScreen(0, 0, 1024, 738);
const CRect kRightScreen(1024, 0, 2304, 1024);
const CRect kBoth[] = { kLeftScreen, kRightScreen };
const CSize kMin(116, 27);
const CSize kDefault(800, 600);

CRect Fit(const CRect& rect)
{
    return AfxFitRectToWorkAreas(rect, kBoth, 2, kMin, kDefault);
}
} // namespace

TEST(WorkAreaFit, PlacesThatMeetAnAreaStayWhereTheyAre)
{
    EXPECT_EQ(CRect(10, 20, 810, 620), Fit(CRect(10, 20, 810, 620)));
    // Partly off screen, and across both screens.
    EXPECT_EQ(CRect(-700, -10, 100, 590), Fit(CRect(-700, -10, 100, 590)));
    EXPECT_EQ(CRect(900, 100, 1300, 400), Fit(CRect(900, 100, 1300, 400)));
    // The minimum itself is a usable size.
    EXPECT_EQ(CRect(0, 0, 116, 27), Fit(CRect(0, 0, 116, 27)));
}

TEST(WorkAreaFit, PlacesOffEveryAreaComeIntoTheNearest)
{
    // Far to the right: the right screen, flush with its right edge.
    EXPECT_EQ(CRect(1504, 0, 2304, 600), Fit(CRect(50000, -50000, 50800, -49400)));
    // Far to the left and below: the left screen, at its bottom-left corner.
    EXPECT_EQ(CRect(0, 138, 800, 738), Fit(CRect(-50000, 50000, -49200, 50600)));
    // Below the right screen only (the left one is shorter).
    EXPECT_EQ(CRect(1100, 924, 1300, 1024), Fit(CRect(1100, 2000, 1300, 2100)));
    // Larger than the area it comes into: shrunk to the area.
    EXPECT_EQ(kLeftScreen, Fit(CRect(-9000, 0, -9000 + 3000, 2000)));
}

TEST(WorkAreaFit, UnusableSizesGiveTheDefaultSize)
{
    EXPECT_EQ(CRect(10, 20, 810, 620), Fit(CRect(10, 20, 10 - 500, 20 - 300)));
    EXPECT_EQ(CRect(10, 20, 810, 320), Fit(CRect(10, 20, 10 + 115, 320)));
    EXPECT_EQ(CRect(10, 20, 410, 620), Fit(CRect(10, 20, 410, 20 + 26)));
    // Negative size and off screen together.
    EXPECT_EQ(CRect(1504, 424, 2304, 1024), Fit(CRect(50000, 50000, 40000, 40000)));
    // Without areas only the size is mended.
    EXPECT_EQ(CRect(-50000, 5, -49200, 605), AfxFitRectToWorkAreas(CRect(-50000, 5, -50010, 0), nullptr, 0, kMin, kDefault));
}

TEST(WorkAreaFit, TheMonitorsOfThisSystem)
{
    CRect work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    const CRect fitted = AfxFitRectToMonitors(CRect(-50000, -50000, -50000 - 5, -50000 - 5), CSize(0, 0), CSize(300, 200));
    EXPECT_EQ(CSize(300, 200), fitted.Size());
    CRect common;
    EXPECT_TRUE(common.IntersectRect(&fitted, &work));
}
