// The popup bar's window-free rules: its bands and buttons, where it goes
// beside an anchor, and the keyboard's way through its buttons.
#include "toolkit/foundation/OXPopupBarLayout.h"

#include <gtest/gtest.h>

namespace {
// The grid set-up dialog's pickers: 40 colours in 4 rows of 18 x 18 pixels
// with a default and a custom button.
PopupBarGeometry PickerGeometry()
{
    PopupBarGeometry g;
    g.buttonCount = 40;
    g.rowCount = 4;
    g.buttonSize = CSize(18, 18);
    g.hasDefault = TRUE;
    g.hasCustom = TRUE;
    g.defaultTextHeight = 13;
    g.customTextHeight = 13;
    g.dialogFrame = CSize(3, 3);
    return g;
}
} // namespace

TEST(PopupBarLayout, PickerBarHasTenColumnsBetweenTheDefaultAndCustomBands)
{
    PopupBarLayout layout = CalcPopupBarLayout(PickerGeometry());
    EXPECT_EQ(10, PopupBarColumnCount(40, 4));
    EXPECT_EQ(3, PopupBarColumnCount(7, 3));   // rounded up
    // 10 x 18 plus the 4-pixel side margins: a client width of 188.
    EXPECT_EQ(188 + 6, layout.windowSize.cx);
    ASSERT_EQ(40u, layout.buttonRects.size());

    // Default band: top margin 2, text + 8 high, 2 below it; the grid follows.
    EXPECT_EQ(CRect(4, 2, 184, 23), layout.defaultRect);
    EXPECT_EQ(CRect(4, 25, 22, 43), layout.buttonRects[0]);
    EXPECT_EQ(CRect(166, 25, 184, 43), layout.buttonRects[9]);
    EXPECT_EQ(CRect(4, 43, 22, 61), layout.buttonRects[10]);
    EXPECT_EQ(CRect(166, 79, 184, 97), layout.buttonRects[39]);
    // Custom band: 2 pixels under the grid.
    EXPECT_EQ(CRect(4, 99, 184, 120), layout.customRect);
    EXPECT_EQ(120 + 2 + 6, layout.windowSize.cy);
    EXPECT_TRUE(layout.tearOffRect.IsRectEmpty());
}

TEST(PopupBarLayout, TearOffStripLeadsThePopupAndTheFloatingBarAddsItsCaption)
{
    PopupBarGeometry g = PickerGeometry();
    g.hasTearOff = TRUE;
    PopupBarLayout layout = CalcPopupBarLayout(g);
    // A 6-pixel strip inside the side gaps, one pixel into the top margin.
    EXPECT_EQ(CRect(6, 1, 182, 7), layout.tearOffRect);
    // Every band below moves down by the strip's band of 7 pixels.
    EXPECT_EQ(CRect(4, 9, 184, 30), layout.defaultRect);
    EXPECT_EQ(CRect(4, 32, 22, 50), layout.buttonRects[0]);
    EXPECT_EQ(CRect(4, 106, 184, 127), layout.customRect);
    EXPECT_EQ(128 + 7, layout.windowSize.cy);

    // Torn off: no strip; the window grows by the small caption and the
    // client bands stay where the popup has them.
    g.hasTearOff = FALSE;
    g.tornOff = TRUE;
    g.smallCaptionHeight = 15;
    layout = CalcPopupBarLayout(g);
    EXPECT_TRUE(layout.tearOffRect.IsRectEmpty());
    EXPECT_EQ(CRect(4, 2, 184, 23), layout.defaultRect);
    EXPECT_EQ(CRect(4, 99, 184, 120), layout.customRect);
    EXPECT_EQ(128 + 15, layout.windowSize.cy);
}

TEST(PopupBarLayout, PlacementFlipsToTheOtherSideThenClampsOrFails)
{
    const CSize bar(100, 50);
    const CSize screen(800, 600);
    CPoint at;
    // Below the anchor, left edges aligned.
    ASSERT_TRUE(PlacePopupBar(3, CRect(10, 20, 60, 40), 0, 0, bar, screen, at));
    EXPECT_EQ(CPoint(10, 40), at);
    // No room below: above instead.
    ASSERT_TRUE(PlacePopupBar(3, CRect(10, 570, 60, 590), 0, 0, bar, screen, at));
    EXPECT_EQ(CPoint(10, 520), at);
    // Right of the anchor; at the right edge it goes to the left side.
    ASSERT_TRUE(PlacePopupBar(1, CRect(750, 20, 790, 40), 0, 0, bar, screen, at));
    EXPECT_EQ(CPoint(650, 20), at);
    // A horizontal overflow of the chosen side is clamped into the screen.
    ASSERT_TRUE(PlacePopupBar(3, CRect(760, 20, 790, 40), 0, 0, bar, screen, at));
    EXPECT_EQ(CPoint(700, 40), at);
    // Neither above nor below fits: the pick must fail.
    EXPECT_FALSE(PlacePopupBar(3, CRect(0, 20, 50, 590), 0, 0, bar, screen, at));
    // A bar larger than the screen fails at once.
    EXPECT_FALSE(PlacePopupBar(3, CRect(0, 0, 10, 10), 0, 0, CSize(900, 50), screen, at));
}

TEST(PopupBarLayout, KeysWalkTheGridAndItsBands)
{
    const int N = 40;
    const int cols = 10;
    auto next = [&](UINT key, int hot, BOOL shift = FALSE, BOOL def = TRUE, BOOL custom = TRUE) {
        return PopupBarNextHot(key, shift, hot, N, cols, def, custom);
    };
    EXPECT_EQ(0, next(VK_DOWN, -1));
    EXPECT_EQ(1, next(VK_DOWN, 0));
    EXPECT_EQ(15, next(VK_DOWN, 5));
    EXPECT_EQ(41, next(VK_DOWN, 35));               // from the last row to the custom button
    EXPECT_EQ(1, next(VK_DOWN, 35, FALSE, FALSE, FALSE));   // ... or round to the first
    EXPECT_EQ(0, next(VK_DOWN, 41));                // from the custom button back to the first
    EXPECT_EQ(0, next(VK_UP, 5));                   // first grid row to the default button
    EXPECT_EQ(40, next(VK_UP, 41));
    EXPECT_EQ(41, next(VK_UP, 0));
    EXPECT_EQ(40, next(VK_UP, 5, FALSE, FALSE, FALSE));
    EXPECT_EQ(25, next(VK_UP, 35));
    EXPECT_EQ(0, next(VK_RIGHT, 41));
    EXPECT_EQ(41, next(VK_LEFT, 0));
    EXPECT_EQ(6, next(VK_LEFT, 7));
    EXPECT_EQ(1, next(VK_TAB, 0));
    EXPECT_EQ(41, next(VK_TAB, 12));
    EXPECT_EQ(0, next(VK_TAB, 12, TRUE));
    EXPECT_EQ(1, next(VK_TAB, 41, TRUE));
    EXPECT_EQ(41, next(VK_TAB, 0, TRUE));
    EXPECT_EQ(7, next('A', 7));
}
