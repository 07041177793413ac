// The constraint layout manager on a real container with static children:
// where the children end up for a size, how constraints read back, and the
// subclassing that lays them out on WM_SIZE.
#include "toolkit/foundation/OXLayoutManager.h"

#include "afx/WinApp.h"

#include <gtest/gtest.h>

namespace {
const UINT IdA = 101;
const UINT IdB = 102;
const UINT IdC = 103;

class LayoutManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        // A popup without a frame: its client area is its window.
        LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        ASSERT_TRUE(container.CreateEx(0, cls, "container", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 50, 50, 300, 200,
                                       nullptr, nullptr));
        AddStatic(IdA, CRect(10, 10, 60, 30));
        AddStatic(IdB, CRect(100, 50, 200, 80));
        AddStatic(IdC, CRect(20, 120, 80, 140));
    }
    void TearDown() override
    {
        manager.Detach();
        if (container.GetSafeHwnd())
            container.DestroyWindow();
    }
    void AddStatic(UINT id, const CRect& rect)
    {
        ASSERT_NE(nullptr, CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.Width(),
                                           rect.Height(), container.GetSafeHwnd(),
                                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr));
    }
    CRect Rect(UINT id)
    {
        CRect rect;
        HWND child = ::GetDlgItem(container.GetSafeHwnd(), static_cast<int>(id));
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, container.GetSafeHwnd(), reinterpret_cast<LPPOINT>(&rect), 2);
        return rect;
    }
    void Resize(int cx, int cy) { container.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER); }

    CWnd container;
    COXLayoutManager manager;
};

TEST_F(LayoutManagerTest, SiblingsTiedToEachOtherGiveNoLayout)
{
    ASSERT_TRUE(manager.Attach(&container));
    ASSERT_TRUE(manager.SetConstraint(IdA, OX_LMS_RIGHT, OX_LMT_OPPOSITE, -5, IdB));
    ASSERT_TRUE(manager.SetConstraint(IdB, OX_LMS_LEFT, OX_LMT_OPPOSITE, 5, IdA));
    EXPECT_FALSE(manager.ApplyLayout(400, 300));
    EXPECT_EQ(CRect(10, 10, 60, 30), Rect(IdA));
    EXPECT_EQ(CRect(100, 50, 200, 80), Rect(IdB));
    // An unknown base cannot be resolved either.
    manager.RemoveAllChildren();
    ASSERT_TRUE(manager.SetConstraint(IdA, OX_LMS_LEFT, OX_LMT_SAME, 0, 999));
    EXPECT_FALSE(manager.ApplyLayout(400, 300));
}

TEST_F(LayoutManagerTest, SidesFollowTheirBases)
{
    ASSERT_TRUE(manager.Attach(&container));
    // A: left only, so it keeps its width; its top and bottom stay.
    ASSERT_TRUE(manager.SetConstraint(IdA, OX_LMS_LEFT, OX_LMT_SAME, 20));
    // B: stretched between the container's sides, 30 px above the bottom.
    ASSERT_TRUE(manager.SetConstraint(IdB, OX_LMS_LEFT, OX_LMT_SAME, 100));
    ASSERT_TRUE(manager.SetConstraint(IdB, OX_LMS_RIGHT, OX_LMT_SAME, -10));
    ASSERT_TRUE(manager.SetConstraint(IdB, OX_LMS_BOTTOM, OX_LMT_SAME, -30));
    // C: its left side halfway across the container, its top 5 px under B.
    ASSERT_TRUE(manager.SetConstraint(IdC, OX_LMS_LEFT, OX_LMT_POSITION, 50));
    ASSERT_TRUE(manager.SetConstraint(IdC, OX_LMS_TOP, OX_LMT_OPPOSITE, 5, IdB));

    ASSERT_TRUE(manager.ApplyLayout(400, 300));
    EXPECT_EQ(CRect(20, 10, 70, 30), Rect(IdA));
    EXPECT_EQ(CRect(100, 240, 390, 270), Rect(IdB));
    EXPECT_EQ(CRect(200, 275, 260, 295), Rect(IdC));
    EXPECT_EQ(CSize(400, 300), manager.GetLayoutSize());

    // Proportional to a sibling: halfway across B.
    ASSERT_TRUE(manager.SetConstraint(IdA, OX_LMS_LEFT, OX_LMT_POSITION, 50, IdB));
    ASSERT_TRUE(manager.ApplyLayout(400, 300));
    EXPECT_EQ(CRect(245, 10, 295, 30), Rect(IdA));
}

TEST_F(LayoutManagerTest, AMinimumTheContainerCannotMeetGrowsTheSizeUsed)
{
    ASSERT_TRUE(manager.Attach(&container));
    ASSERT_TRUE(manager.SetConstraint(IdB, OX_LMS_LEFT, OX_LMT_SAME, 10));
    ASSERT_TRUE(manager.SetConstraint(IdB, OX_LMS_RIGHT, OX_LMT_SAME, -10));
    ASSERT_TRUE(manager.SetMinMax(IdB, 200, 0));
    ASSERT_TRUE(manager.ApplyLayout(100, 100));
    EXPECT_EQ(CRect(10, 50, 210, 80), Rect(IdB));
    EXPECT_EQ(220, manager.GetLayoutSize().cx);
    // The size found is a bound from now on; a larger size is honoured.
    ASSERT_TRUE(manager.ApplyLayout(50, 100));
    EXPECT_EQ(CRect(10, 50, 210, 80), Rect(IdB));
    ASSERT_TRUE(manager.ApplyLayout(300, 100));
    EXPECT_EQ(CRect(10, 50, 290, 80), Rect(IdB));

    // A maximum shrinks the size used the same way.
    ASSERT_TRUE(manager.SetMinMax(IdB, 0, 0, 150, 0));
    CSize minSize, maxSize;
    ASSERT_TRUE(manager.GetMinMax(IdB, minSize, maxSize));
    EXPECT_EQ(CSize(0, 0), minSize);
    EXPECT_EQ(CSize(150, 0), maxSize);
    ASSERT_TRUE(manager.ApplyLayout(300, 100));
    EXPECT_EQ(CRect(10, 50, 160, 80), Rect(IdB));

    // Two children asking opposite ways: no layout.
    ASSERT_TRUE(manager.SetConstraint(IdC, OX_LMS_LEFT, OX_LMT_SAME, 5));
    ASSERT_TRUE(manager.SetConstraint(IdC, OX_LMS_RIGHT, OX_LMT_SAME, -5));
    ASSERT_TRUE(manager.SetMinMax(IdC, 250, 0));
    EXPECT_FALSE(manager.ApplyLayout(200, 100));
}

TEST_F(LayoutManagerTest, AZeroSizeMovesNothing)
{
    ASSERT_TRUE(manager.Attach(&container));
    ASSERT_TRUE(manager.SetConstraint(IdA, OX_LMS_LEFT, OX_LMT_SAME, 40));
    EXPECT_TRUE(manager.ApplyLayout(0, 0));
    EXPECT_TRUE(manager.ApplyLayout(0, 100));
    EXPECT_EQ(CRect(10, 10, 60, 30), Rect(IdA));
    // Nor does a manager without a container.
    COXLayoutManager loose;
    EXPECT_TRUE(loose.SetConstraint(IdA, OX_LMS_LEFT, OX_LMT_SAME, 40));
    EXPECT_TRUE(loose.ApplyLayout(400, 300));
    EXPECT_EQ(CRect(10, 10, 60, 30), Rect(IdA));
}

TEST_F(LayoutManagerTest, ConstraintsReadBackByType)
{
    ASSERT_TRUE(manager.SetConstraint(IdA, OX_LMS_TOP, OX_LMT_SAME, 5));
    ASSERT_TRUE(manager.SetConstraint(IdA, OX_LMS_BOTTOM, OX_LMT_OPPOSITE, -3, IdB));
    ASSERT_TRUE(manager.SetConstraint(IdA, OX_LMS_LEFT, OX_LMT_POSITION, 25));
    ASSERT_TRUE(manager.SetConstraint(IdC, OX_LMS_TOP, OX_LMT_OPPOSITE, 7, IdA));
    ASSERT_TRUE(manager.SetConstraint(IdC, OX_LMS_RIGHT, OX_LMT_SAME, -9));
    struct Expected
    {
        UINT id;
        int side, type, offset;
        UINT base;
    } cases[] = {
        { IdA, OX_LMS_TOP, 1, 5, 0 },     { IdA, OX_LMS_BOTTOM, 2, -3, IdB }, { IdA, OX_LMS_LEFT, 3, 25, 0 },
        { IdA, OX_LMS_RIGHT, 0, 32767, 0 }, { IdC, OX_LMS_TOP, 2, 7, IdA },  { IdC, OX_LMS_RIGHT, 1, -9, 0 },
    };
    for (const Expected& c : cases) {
        int type = -1, offset = -1;
        UINT base = 1;
        ASSERT_TRUE(manager.GetConstraint(c.id, c.side, type, offset, base)) << c.id << "/" << c.side;
        EXPECT_EQ(c.type, type) << c.id << "/" << c.side;
        EXPECT_EQ(c.offset, offset) << c.id << "/" << c.side;
        EXPECT_EQ(c.base, base) << c.id << "/" << c.side;
    }
    // The base was added as a child of its own; bad requests are refused.
    EXPECT_EQ(3, manager.GetChildCount());
    int type, offset;
    UINT base;
    EXPECT_FALSE(manager.GetConstraint(999, OX_LMS_TOP, type, offset, base));
    EXPECT_FALSE(manager.GetConstraint(IdA, OX_LMS_TOP | OX_LMS_LEFT, type, offset, base));
    EXPECT_FALSE(manager.SetConstraint(0, OX_LMS_TOP, OX_LMT_SAME, 0));
    EXPECT_FALSE(manager.SetConstraint(IdA, OX_LMS_TOP, 4, 0));
    EXPECT_EQ(-1, manager.AddChild(0u));

    ASSERT_TRUE(manager.RemoveConstraint(IdA, OX_LMS_TOP | OX_LMS_LEFT));
    ASSERT_TRUE(manager.GetConstraint(IdA, OX_LMS_LEFT, type, offset, base));
    EXPECT_EQ(0, type);
}

TEST_F(LayoutManagerTest, TiedAtPresentOffsetsChildrenFollowResizes)
{
    ASSERT_TRUE(manager.Attach(&container));
    EXPECT_TRUE(manager.IsAttached());
    // B keeps its distances to all four container sides; C keeps its distance
    // below B's bottom and its own height; A is anchored where it is.
    ASSERT_TRUE(manager.TieChildAtCurrentOffsets(IdB, OX_LMS_ANY, OX_LMT_SAME, 0));
    ASSERT_TRUE(manager.TieChildAtCurrentOffsets(IdC, OX_LMS_TOP, OX_LMT_OPPOSITE, IdB));
    ASSERT_GE(manager.AddChild(IdA, TRUE), 0);
    EXPECT_FALSE(manager.TieChildAtCurrentOffsets(IdC, OX_LMS_LEFT, OX_LMT_POSITION, 0));

    int type, offset;
    UINT base;
    ASSERT_TRUE(manager.GetConstraint(IdB, OX_LMS_RIGHT, type, offset, base));
    EXPECT_EQ(-100, offset);
    ASSERT_TRUE(manager.GetConstraint(IdC, OX_LMS_TOP, type, offset, base));
    EXPECT_EQ(40, offset);
    EXPECT_EQ(IdB, base);

    // The subclassed container lays out on WM_SIZE.
    Resize(400, 250);
    EXPECT_EQ(CRect(100, 50, 300, 130), Rect(IdB));
    EXPECT_EQ(CRect(20, 170, 80, 190), Rect(IdC));
    EXPECT_EQ(CRect(10, 10, 60, 30), Rect(IdA));
}

TEST_F(LayoutManagerTest, AttachingDropsConstraintsAndDetachingRestoresTheContainer)
{
    LONG_PTR original = GetWindowLongPtrA(container.GetSafeHwnd(), GWLP_WNDPROC);
    ASSERT_TRUE(manager.Attach(&container));
    EXPECT_NE(original, GetWindowLongPtrA(container.GetSafeHwnd(), GWLP_WNDPROC));
    ASSERT_TRUE(manager.SetConstraint(IdA, OX_LMS_LEFT, OX_LMT_SAME, 30));
    // A second manager cannot take the same container.
    COXLayoutManager second;
    EXPECT_FALSE(second.Attach(&container));
    EXPECT_FALSE(second.IsAttached());

    // Attached again: the constraints are gone, so a resize moves nothing.
    ASSERT_TRUE(manager.Attach(&container));
    EXPECT_EQ(0, manager.GetChildCount());
    Resize(350, 220);
    EXPECT_EQ(CRect(10, 10, 60, 30), Rect(IdA));

    manager.Detach();
    EXPECT_FALSE(manager.IsAttached());
    EXPECT_EQ(original, GetWindowLongPtrA(container.GetSafeHwnd(), GWLP_WNDPROC));

    // A container destroyed while attached lets its manager go.
    ASSERT_TRUE(manager.Attach(&container));
    ASSERT_TRUE(manager.SetConstraint(IdA, OX_LMS_LEFT, OX_LMT_SAME, 30));
    container.DestroyWindow();
    EXPECT_FALSE(manager.IsAttached());
    EXPECT_TRUE(manager.RecalcLayout());
}
} // namespace
