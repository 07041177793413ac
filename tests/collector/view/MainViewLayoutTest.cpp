// The main view's hand layout as plain logic: at every view size from the
// smallest the form is made for up to a full-HD screen, every control lies
// inside the view, none overlaps another and every caption has its width;
// where the form's own size rules fit, they hold.
#include "collector/MainViewLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// One control of the form in dialog units, and the width its caption needs
// in pixels (0: none).
struct FormControl
{
    UINT id;
    int x, y, cx, cy;
    int least;
};

const FormControl Form[] = {
    { IDC_WEB_PANE, 11, 8, 433, 74, 0 },
    { IDC_KEYWORD_LABEL, 12, 91, 97, 8, 156 },
    { IDC_PROGRESS, 209, 90, 98, 9, 0 },
    { IDC_BASKET_LABEL, 315, 91, 25, 8, 38 },
    { IDC_COPY_BASKET, 357, 85, 42, 14, 56 },
    { IDC_SAVE_BASKET, 402, 85, 42, 14, 56 },
    { IDC_KEYWORD, 12, 104, 276, 13, 0 },
    { IDC_GO, 291, 103, 16, 14, 26 },
    { IDC_BACK, 12, 119, 42, 14, 55 },
    { IDC_LIST_LABEL, 200, 123, 108, 8, 176 },
    { IDC_SUGGESTIONS, 12, 133, 295, 138, 0 },
    { IDC_BASKET, 314, 103, 130, 168, 0 },
    { IDC_SETTINGS, 12, 277, 50, 14, 73 },
    { IDC_CHECK_CUSTOM, 143, 277, 60, 14, 104 },
    { IDC_UNCHECK_ALL, 205, 277, 52, 14, 90 },
    { IDC_CHECK_ALL, 259, 277, 48, 14, 80 },
    { IDC_GET_NEW_VERSION, 314, 277, 75, 14, 118 },
    { IDC_HELP_BUTTON, 396, 277, 50, 14, 54 },
};

// The form at a font's dialog base units (pixels per 4 horizontal and 8
// vertical units), the captions' widths scaled by the same font.
CMainViewLayout MakeLayout(int baseX, int baseY, int leastPercent = 100)
{
    CMainViewLayout layout;
    for (const FormControl& c : Form) {
        const int left = c.x * baseX / 4, top = c.y * baseY / 8;
        layout.SetDesignRect(c.id, CRect(left, top, (c.x + c.cx) * baseX / 4, (c.y + c.cy) * baseY / 8));
        layout.SetLeastWidth(c.id, c.least * leastPercent / 100);
    }
    return layout;
}

std::string Where(UINT id, int cx, int cy)
{
    return "control " + std::to_string(id) + " at " + std::to_string(cx) + "x" + std::to_string(cy);
}

void ExpectInsideApartAndWideEnough(CMainViewLayout& layout, int leastPercent, int cx, int cy)
{
    layout.Arrange(cx, cy);
    const CRect client(0, 0, cx, cy);
    for (int i = 0; i < kLaidOutCount; ++i) {
        const UINT id = kLaidOutControls[i];
        const CRect rect = layout.GetRect(id);
        CRect inside;
        inside.IntersectRect(&rect, &client);
        EXPECT_EQ(rect, inside) << Where(id, cx, cy);
        EXPECT_FALSE(rect.IsRectEmpty()) << Where(id, cx, cy);
        for (const FormControl& c : Form) {
            if (c.id == id) {
                EXPECT_GE(rect.Width(), c.least * leastPercent / 100) << Where(id, cx, cy);
            }
        }
        for (int j = i + 1; j < kLaidOutCount; ++j) {
            CRect both;
            EXPECT_FALSE(both.IntersectRect(&rect, layout.GetRect(kLaidOutControls[j])))
                << Where(id, cx, cy) << " overlaps " << kLaidOutControls[j];
        }
    }
}

struct Size
{
    int cx, cy;
};
const Size Sizes[] = { { 600, 400 }, { 784, 470 }, { 800, 600 }, { 1024, 768 }, { 1920, 1080 } };
} // namespace

TEST(MainViewLayout, EveryControlInsideAndApartFromTheSmallestToAFullHdView)
{
    CMainViewLayout layout = MakeLayout(6, 13);
    for (Size size : Sizes)
        ExpectInsideApartAndWideEnough(layout, 100, size.cx, size.cy);
    // Every size between, a step at a time, on the way back down.
    for (int cx = 1920, cy = 1080; cx >= 600; cx -= 37, cy = std::max(400, cy - 23))
        ExpectInsideApartAndWideEnough(layout, 100, cx, cy);
}

TEST(MainViewLayout, WiderCaptionsAndALargerFontStillFit)
{
    // Captions a third wider than measured under the test font: the list
    // grows past its form width to hold its buttons.
    CMainViewLayout wide = MakeLayout(6, 13, 133);
    for (Size size : { Size{ 800, 600 }, Size{ 1024, 768 }, Size{ 1920, 1080 } })
        ExpectInsideApartAndWideEnough(wide, 133, size.cx, size.cy);
    EXPECT_GT(wide.GetRect(IDC_SUGGESTIONS).Width(), 442);
    // A larger dialog font makes the form itself larger.
    CMainViewLayout large = MakeLayout(7, 15, 115);
    for (Size size : { Size{ 800, 600 }, Size{ 1024, 768 }, Size{ 1920, 1080 } })
        ExpectInsideApartAndWideEnough(large, 115, size.cx, size.cy);
}

TEST(MainViewLayout, TheFormsSizeRulesHoldWhereTheyFit)
{
    CMainViewLayout layout = MakeLayout(6, 13);
    const CRect list = layout.GetRect(IDC_SUGGESTIONS);
    for (Size size : { Size{ 800, 600 }, Size{ 1024, 768 }, Size{ 1920, 1080 } }) {
        const int cx = size.cx, cy = size.cy;
        layout.Arrange(cx, cy);
        // The list keeps its place and width, and the height rule.
        EXPECT_EQ(CRect(list.left, list.top, list.left + 442, list.top + cy - 258), layout.GetRect(IDC_SUGGESTIONS));
        // The Basket box starts after the list and ends under Save's right edge.
        const CRect basket = layout.GetRect(IDC_BASKET);
        EXPECT_EQ(cy - 210, basket.Height());
        EXPECT_EQ(layout.GetRect(IDC_SAVE_BASKET).right, basket.right);
        EXPECT_EQ(list.left + 442 + 11, basket.left);
        // The bottom row, and the right-hand buttons' distances.
        for (UINT id : { IDC_SETTINGS, IDC_CHECK_CUSTOM, IDC_UNCHECK_ALL, IDC_CHECK_ALL, IDC_GET_NEW_VERSION,
                         IDC_HELP_BUTTON })
            EXPECT_EQ(cy - 25, layout.GetRect(id).top) << id;
        EXPECT_EQ(cx - 257, layout.GetRect(IDC_GET_NEW_VERSION).left);
        EXPECT_EQ(cx - 86, layout.GetRect(IDC_HELP_BUTTON).left);
        EXPECT_EQ(cx - 79, layout.GetRect(IDC_SAVE_BASKET).left);
        EXPECT_EQ(cx - 143, layout.GetRect(IDC_COPY_BASKET).left);
        // The web pane's width rule.
        EXPECT_EQ(cx - 30, layout.GetRect(IDC_WEB_PANE).Width());
        // Go and Check All end where the list ends.
        EXPECT_EQ(list.left + 442, layout.GetRect(IDC_GO).right);
        EXPECT_EQ(list.left + 442, layout.GetRect(IDC_CHECK_ALL).right);
    }
}

TEST(MainViewLayout, ANarrowViewTakesTheBasketsRoomFromTheList)
{
    CMainViewLayout layout = MakeLayout(6, 13);
    layout.Arrange(600, 400);
    const CRect list = layout.GetRect(IDC_SUGGESTIONS);
    EXPECT_LT(list.Width(), 442);
    EXPECT_EQ(142, list.Height());
    EXPECT_EQ(375, layout.GetRect(IDC_CHECK_ALL).top);
    // What stands over and under the list follows its right edge.
    EXPECT_EQ(list.right, layout.GetRect(IDC_GO).right);
    EXPECT_EQ(list.right, layout.GetRect(IDC_PROGRESS).right);
    EXPECT_EQ(list.right, layout.GetRect(IDC_CHECK_ALL).right);
    EXPECT_EQ(layout.GetRect(IDC_GO).left - 4, layout.GetRect(IDC_KEYWORD).right);
    // The Basket column holds Get New Version and Help side by side.
    EXPECT_GE(layout.GetRect(IDC_GET_NEW_VERSION).left, layout.GetRect(IDC_BASKET).left);
    EXPECT_LT(layout.GetRect(IDC_GET_NEW_VERSION).right, layout.GetRect(IDC_HELP_BUTTON).left);
}

TEST(MainViewLayout, ControlsWithoutADesignPlaceAreLeftAlone)
{
    CMainViewLayout layout;
    layout.SetDesignRect(IDC_GO, CRect(1, 2, 3, 4));
    layout.SetDesignRect(IDC_EXIT, CRect(5, 6, 7, 8));
    EXPECT_TRUE(layout.HasDesignRect(IDC_GO));
    EXPECT_FALSE(layout.HasDesignRect(IDC_EXIT));
    EXPECT_FALSE(layout.HasDesignRect(IDC_BASKET));
    layout.Arrange(800, 600);
    EXPECT_TRUE(layout.GetRect(IDC_BASKET).IsRectNull());
}
