#include "controls/bars/BarLayoutRules.h"

#include <gtest/gtest.h>

namespace {

TEST(ChevronBand, OnlyToolbarBandsWithAnIdGetTheChevron)
{
    EXPECT_EQ(0x200u, BarLayoutRules::ChevronBandStyle(0, true, 0));
    EXPECT_EQ(RBBS_BREAK | RBBS_USECHEVRON, BarLayoutRules::ChevronBandStyle(RBBS_BREAK, true, 5));
    EXPECT_EQ(0u, BarLayoutRules::ChevronBandStyle(RBBS_USECHEVRON, true, static_cast<UINT>(-1)));
    EXPECT_EQ(static_cast<DWORD>(RBBS_BREAK), BarLayoutRules::ChevronBandStyle(RBBS_BREAK | RBBS_USECHEVRON, false, 0));
}

TEST(ChevronBand, HiddenButtonsDropDownInRowsOfFour)
{
    EXPECT_EQ(3, BarLayoutRules::ChevronRows(9));
    EXPECT_EQ(1, BarLayoutRules::ChevronRows(1));
    EXPECT_EQ(2, BarLayoutRules::ChevronRows(5));
}

TEST(StatusProgress, BarTakesItsShareOfThePane)
{
    CRect rc = BarLayoutRules::ProgressRect(CRect(0, 0, 200, 20), 0, 4, 50);
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(100, rc.right);
    EXPECT_EQ(4, rc.top);
    EXPECT_EQ(16, rc.bottom);
    rc = BarLayoutRules::ProgressRect(CRect(10, 0, 210, 20), 30, 4, 100);
    EXPECT_EQ(56, rc.left);
    EXPECT_EQ(210, rc.right);
}

} // namespace
