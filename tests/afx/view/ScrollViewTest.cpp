// CScrollView on a real window: bars for a document larger than the view,
// scrolling by lines, pages, the thumb and the wheel, clamped to the document,
// and OnScroll's dry run that only reports.
#include <gtest/gtest.h>

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/View.h"

namespace {

class CTestScrollView : public CScrollView
{
public:
    CTestScrollView() = default;
    using CScrollView::UpdateBars;
};

class ScrollViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
        // Views delete themselves with their windows.
        m_view = new CTestScrollView;
        ASSERT_TRUE(m_view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_parent,
                                   AFX_IDW_PANE_FIRST));
        m_view->SetScrollSizes(MM_TEXT, CSize(1000, 800), CSize(150, 60), CSize(10, 7));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CRect Client() const
    {
        CRect client;
        m_view->GetClientRect(&client);
        return client;
    }

    CWnd m_parent;
    CTestScrollView* m_view = nullptr;
};

} // namespace

TEST_F(ScrollViewTest, BarsAppearAndLinesPagesAndEndsMoveThePosition)
{
    EXPECT_TRUE(m_view->GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(m_view->GetStyle() & WS_VSCROLL);
    EXPECT_EQ(CSize(1000, 800), m_view->GetTotalSize());
    EXPECT_EQ(CPoint(0, 0), m_view->GetScrollPosition());

    m_view->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(CPoint(0, 7), m_view->GetScrollPosition());
    m_view->SendMessage(WM_HSCROLL, SB_PAGERIGHT);
    EXPECT_EQ(CPoint(150, 7), m_view->GetScrollPosition());
    m_view->SendMessage(WM_VSCROLL, SB_LINEUP);
    m_view->SendMessage(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(CPoint(150, 0), m_view->GetScrollPosition());

    // The end leaves the last page of the document in the view.
    m_view->SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(800 - Client().Height(), m_view->GetScrollPosition().y);
    m_view->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(800 - Client().Height(), m_view->GetScrollPosition().y);

    m_view->ScrollToPosition(CPoint(20, 30));
    EXPECT_EQ(CPoint(20, 30), m_view->GetScrollPosition());
    m_view->ScrollToPosition(CPoint(5000, -10));
    EXPECT_EQ(CPoint(1000 - Client().Width(), 0), m_view->GetScrollPosition());
}

TEST_F(ScrollViewTest, OnScrollWithoutScrollingOnlyReports)
{
    // Code bytes: horizontal low, vertical high; 0xFF leaves a direction alone.
    EXPECT_TRUE(m_view->OnScroll(MAKEWORD(0xFF, SB_LINEDOWN), 0, FALSE));
    EXPECT_EQ(CPoint(0, 0), m_view->GetScrollPosition());
    EXPECT_FALSE(m_view->OnScroll(MAKEWORD(SB_LINELEFT, 0xFF), 0, FALSE));
    EXPECT_FALSE(m_view->OnScrollBy(CSize(-5, -5), FALSE));
    EXPECT_TRUE(m_view->OnScrollBy(CSize(3, 0), FALSE));
    EXPECT_EQ(CPoint(0, 0), m_view->GetScrollPosition());

    EXPECT_TRUE(m_view->OnScroll(MAKEWORD(SB_LINERIGHT, SB_LINEDOWN), 0, TRUE));
    EXPECT_EQ(CPoint(10, 7), m_view->GetScrollPosition());
    m_view->SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_FALSE(m_view->OnScroll(MAKEWORD(0xFF, SB_LINEDOWN), 0, FALSE));
}

TEST_F(ScrollViewTest, WheelScrollsByTheUsersLines)
{
    UINT lines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    ASSERT_NE(static_cast<UINT>(WHEEL_PAGESCROLL), lines);
    m_view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(CPoint(0, static_cast<LONG>(7 * lines)), m_view->GetScrollPosition());
    m_view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), 0);
    EXPECT_EQ(CPoint(0, 0), m_view->GetScrollPosition());
}

TEST_F(ScrollViewTest, ALargerViewDropsItsBarsAndGoesBackToTheStart)
{
    m_view->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    m_view->SetScrollSizes(MM_TEXT, CSize(150, 80));
    EXPECT_FALSE(m_view->GetStyle() & WS_HSCROLL);
    EXPECT_FALSE(m_view->GetStyle() & WS_VSCROLL);
    EXPECT_EQ(CPoint(0, 0), m_view->GetScrollPosition());
    EXPECT_EQ(0, ::GetScrollPos(m_view->m_hWnd, SB_VERT));
    // Defaults: a page of a tenth of the document, a line of a tenth of that.
    int mode = 0;
    SIZE total, page, line;
    m_view->GetDeviceScrollSizes(mode, total, page, line);
    EXPECT_EQ(MM_TEXT, mode);
    EXPECT_EQ(15, page.cx);
    EXPECT_EQ(8, page.cy);
    EXPECT_EQ(1, line.cx);
}

TEST_F(ScrollViewTest, MappingModeSizesAreTurnedIntoPixels)
{
    // 10 cm by 5 cm: as many pixels as the screen's resolution makes them.
    m_view->SetScrollSizes(MM_LOMETRIC, CSize(1000, 500));
    HDC screen = ::GetDC(nullptr);
    const int perInchX = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    int mode = 0;
    SIZE total, page, line;
    m_view->GetDeviceScrollSizes(mode, total, page, line);
    EXPECT_EQ(MM_LOMETRIC, mode);
    EXPECT_NEAR(MulDiv(1000, perInchX, 254), total.cx, 2);
    EXPECT_EQ(CSize(1000, 500), m_view->GetTotalSize());
}

TEST_F(ScrollViewTest, OutsideOfTheDocumentIsFilledAndTheParentResizedToFit)
{
    m_view->SetScrollSizes(MM_TEXT, CSize(120, 50));
    // A memory copy of the client area shows what was painted.
    CClientDC screen(m_view);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 200, 100));
    CSelectGuard selected(dc, bitmap);
    dc.FillSolidRect(CRect(0, 0, 200, 100), RGB(255, 255, 255));
    CBrush brush;
    brush.CreateSolidBrush(RGB(255, 0, 0));
    m_view->FillOutsideRect(&dc, &brush);
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(119, 49));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(121, 10));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(10, 51));

    // Here the parent is the view's frame: it shrinks by what the view has beyond the document.
    CRect before;
    m_parent.GetWindowRect(&before);
    m_view->ResizeParentToFit();
    CRect after;
    m_parent.GetWindowRect(&after);
    EXPECT_EQ(before.Width() - (200 - 120), after.Width());
    EXPECT_EQ(before.Height() - (100 - 50), after.Height());
}

TEST_F(ScrollViewTest, AScrollBarControlsMessagesDoNotScrollTheView)
{
    // A slider or scroll bar inside a view reports to it with WM_HSCROLL too.
    HWND bar = ::CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | SBS_HORZ, 0, 0, 80, 16, m_view->m_hWnd, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(nullptr, bar);
    m_view->SendMessage(WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(bar));
    m_view->SendMessage(WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(CPoint(0, 0), m_view->GetScrollPosition());
    m_view->SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(CPoint(10, 0), m_view->GetScrollPosition());
}
