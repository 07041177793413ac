// The size grip over a real parent: the size cursor in its client area, none
// while the parent is maximised, and double-clicks that change nothing.
#include "controls/layout/SizeIconCtrl.h"

#include <gtest/gtest.h>

namespace {

struct Parent
{
    Parent()
        : hwnd(::CreateWindowExA(0, "STATIC", "grip", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                                 nullptr, nullptr, nullptr))
    {
    }
    ~Parent() { ::DestroyWindow(hwnd); }
    HWND hwnd;
};

TEST(SizeGrip, ShowsTheSizeCursorUnlessTheParentIsMaximised)
{
    Parent parent;
    cdxCSizeIconCtrl grip;
    ASSERT_TRUE(grip.Create(CWnd::FromHandle(parent.hwnd), 4242));
    EXPECT_TRUE(::GetWindowLongA(grip.m_hWnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_TRUE(grip.GetStyle() & SBS_SIZEBOX);
    ASSERT_NE(nullptr, cdxCSizeIconCtrl::SharedImages().GetSafeHandle());
    EXPECT_EQ(1, ImageList_GetImageCount(cdxCSizeIconCtrl::SharedImages()));
    grip.ShowWindow(SW_SHOW);

    HCURSOR arrow = ::LoadCursor(nullptr, IDC_ARROW);
    ::SetCursor(arrow);
    EXPECT_TRUE(grip.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(grip.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(cdxCSizeIconCtrl::SharedCursor(), ::GetCursor());
    EXPECT_FALSE(grip.IsHiddenNow());

    ::ShowWindow(parent.hwnd, SW_MAXIMIZE);
    ASSERT_TRUE(::IsZoomed(parent.hwnd));
    EXPECT_TRUE(grip.IsHiddenNow());
    ::SetCursor(arrow);
    EXPECT_TRUE(grip.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(grip.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(arrow, ::GetCursor());

    // A grip told to stay shown keeps its cursor on a maximised parent.
    grip.m_bHideIfMaximized = false;
    EXPECT_FALSE(grip.IsHiddenNow());

    ::ShowWindow(parent.hwnd, SW_RESTORE);
    grip.DestroyWindow();
}

TEST(SizeGrip, DoubleClickLeavesTheParentAlone)
{
    Parent parent;
    cdxCSizeIconCtrl grip;
    ASSERT_TRUE(grip.Create(CWnd::FromHandle(parent.hwnd), 4243));
    grip.ShowWindow(SW_SHOW);
    RECT before;
    ::GetWindowRect(parent.hwnd, &before);
    grip.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(295, 195));
    RECT after;
    ::GetWindowRect(parent.hwnd, &after);
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_FALSE(::IsZoomed(parent.hwnd));
    grip.DestroyWindow();
}

} // namespace
