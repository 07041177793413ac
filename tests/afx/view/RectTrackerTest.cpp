// CRectTracker's modal loop driven by posted mouse and key messages: moving,
// resizing within the minimum size, rubber bands made from any corner, Esc and
// a lost capture cancelling, and a quit that outlives the loop.
#include <gtest/gtest.h>

#include "afx/DC.h"
#include "afx/RectTracker.h"
#include "afx/Wnd.h"

#include <string>
#include <vector>

namespace {

LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

class RecordingTracker : public CRectTracker
{
public:
    using CRectTracker::CRectTracker;
    std::vector<CRect> changes;
    int finalErases = 0;
    void OnChangedRect(const CRect& rectOld) override { changes.push_back(rectOld); }
    void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd) override
    {
        if (m_bFinalErase)
            ++finalErases;
        CRectTracker::DrawTrackerRect(lpRect, pWndClipTo, pDC, pWnd);
    }
};

class TrackerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                                   "tracker", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
        m_wnd.UpdateWindow();
        Drain();
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        Drain();
    }
    // Leaves only what a test posts in the queue.
    static void Drain()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                ::DispatchMessageA(&msg);
    }
    void Post(UINT message, int x, int y) { ::PostMessageA(m_wnd.m_hWnd, message, 0, At(x, y)); }

    CWnd m_wnd;
};

} // namespace

TEST_F(TrackerTest, DraggingAHandleResizesWithinTheMinimumSize)
{
    RecordingTracker tracker(CRect(10, 10, 60, 60), CRectTracker::resizeInside | CRectTracker::solidLine);
    tracker.m_sizeMin = CSize(20, 20);
    EXPECT_EQ(CRectTracker::hitBottomRight, tracker.HitTest(CPoint(58, 58)));
    EXPECT_EQ(CRectTracker::hitMiddle, tracker.HitTest(CPoint(30, 30)));
    EXPECT_EQ(CRectTracker::hitNothing, tracker.HitTest(CPoint(100, 100)));

    Post(WM_MOUSEMOVE, 90, 100);
    Post(WM_LBUTTONUP, 98, 108);
    EXPECT_TRUE(tracker.Track(&m_wnd, CPoint(58, 58)));
    // The edges keep their distance (2 pixels) to the mouse.
    EXPECT_EQ(CRect(10, 10, 100, 110), tracker.m_rect);
    EXPECT_EQ(2u, tracker.changes.size());
    EXPECT_EQ(1, tracker.finalErases);
    EXPECT_EQ(nullptr, ::GetCapture());

    // Pulled past the opposite corner: held at the minimum size.
    Post(WM_MOUSEMOVE, 0, 0);
    Post(WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(tracker.Track(&m_wnd, CPoint(98, 108)));
    EXPECT_EQ(CRect(10, 10, 30, 30), tracker.m_rect);
}

TEST_F(TrackerTest, DraggingTheInsideMovesTheWholeRectangle)
{
    CRectTracker tracker(CRect(10, 10, 60, 40), CRectTracker::dottedLine);
    Post(WM_MOUSEMOVE, 50, 45);
    Post(WM_LBUTTONUP, 50, 45);
    EXPECT_TRUE(tracker.Track(&m_wnd, CPoint(20, 20)));
    EXPECT_EQ(CRect(40, 35, 90, 65), tracker.m_rect);

    // A click without a move changes nothing.
    Post(WM_LBUTTONUP, 50, 45);
    EXPECT_FALSE(tracker.Track(&m_wnd, CPoint(50, 45)));
    EXPECT_EQ(CRect(40, 35, 90, 65), tracker.m_rect);
}

TEST_F(TrackerTest, RubberBandFromBottomRightToTopLeftIsNormalised)
{
    CRectTracker tracker;
    tracker.m_sizeMin = CSize(0, 0);
    Post(WM_MOUSEMOVE, 120, 90);
    Post(WM_MOUSEMOVE, 40, 30);
    Post(WM_LBUTTONUP, 40, 30);
    EXPECT_TRUE(tracker.TrackRubberBand(&m_wnd, CPoint(150, 120)));
    EXPECT_EQ(CRect(40, 30, 150, 120), tracker.m_rect);
}

TEST_F(TrackerTest, EscapeRightClickAndLostCaptureCancel)
{
    const CRect start(10, 10, 60, 60);
    CRectTracker tracker(start, CRectTracker::resizeOutside);
    Post(WM_MOUSEMOVE, 100, 100);
    ::PostMessageA(m_wnd.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    Post(WM_LBUTTONUP, 100, 100);
    EXPECT_FALSE(tracker.Track(&m_wnd, CPoint(30, 30)));
    EXPECT_EQ(start, tracker.m_rect);
    Drain();

    Post(WM_MOUSEMOVE, 100, 100);
    Post(WM_RBUTTONDOWN, 100, 100);
    EXPECT_FALSE(tracker.Track(&m_wnd, CPoint(30, 30)));
    EXPECT_EQ(start, tracker.m_rect);
    Drain();

    // Another window takes the capture while the loop waits.
    Post(WM_MOUSEMOVE, 100, 100);
    HWND other = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    // The capture goes to the other window from a timer inside the loop.
    ::SetTimer(other, 1, 10, [](HWND hWnd, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(hWnd, id);
        ::SetCapture(hWnd);
    });
    EXPECT_FALSE(tracker.Track(&m_wnd, CPoint(30, 30)));
    EXPECT_EQ(start, tracker.m_rect);
    ::ReleaseCapture();
    ::DestroyWindow(other);
}

TEST_F(TrackerTest, QuitPostedDuringTrackingIsStillQueuedAfterwards)
{
    const CRect start(10, 10, 60, 60);
    CRectTracker tracker(start, CRectTracker::resizeInside);
    Post(WM_MOUSEMOVE, 100, 100);
    ::PostQuitMessage(9);
    EXPECT_FALSE(tracker.Track(&m_wnd, CPoint(58, 58)));
    EXPECT_EQ(start, tracker.m_rect);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(9u, msg.wParam);
}

TEST(TrackerGeometry, HandlesTrueRectAndInvertedHits)
{
    CRectTracker tracker(CRect(10, 10, 110, 60), CRectTracker::resizeOutside | CRectTracker::hatchedBorder);
    tracker.m_nHandleSize = 6;
    CRect trueRect;
    tracker.GetTrueRect(&trueRect);
    EXPECT_EQ(CRect(4, 4, 116, 66), trueRect);
    // Outside handles lie beyond the corners; side handles where there is room.
    EXPECT_EQ(CRectTracker::hitTopLeft, tracker.HitTest(CPoint(6, 6)));
    EXPECT_EQ(CRectTracker::hitTop, tracker.HitTest(CPoint(58, 6)));
    EXPECT_EQ(0xFFu, tracker.GetHandleMask());
    CRectTracker narrow(CRect(0, 0, 12, 12), CRectTracker::resizeInside);
    EXPECT_EQ(0x0Fu, narrow.GetHandleMask());

    // Inverted horizontally: what looks like the top-left handle moves the right edge.
    tracker.m_rect = CRect(110, 10, 10, 60);
    EXPECT_EQ(CRectTracker::hitTopRight, tracker.NormalizeHit(CRectTracker::hitTopLeft));
    EXPECT_EQ(CRectTracker::hitRight, tracker.NormalizeHit(CRectTracker::hitLeft));
    EXPECT_EQ(CRectTracker::hitMiddle, tracker.NormalizeHit(CRectTracker::hitMiddle));
    tracker.m_rect = CRect(110, 60, 10, 10);
    EXPECT_EQ(CRectTracker::hitBottomRight, tracker.NormalizeHit(CRectTracker::hitTopLeft));
}

TEST(TrackerGeometry, DrawPaintsFrameHandlesAndHatching)
{
    HDC screen = ::GetDC(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.Attach(::CreateCompatibleDC(screen)));
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 100, 100);
    ::ReleaseDC(nullptr, screen);
    {
        CSelectGuard selected(dc, bitmap);
        dc.FillSolidRect(CRect(0, 0, 100, 100), RGB(255, 255, 255));
        CRectTracker tracker(CRect(20, 20, 80, 80), CRectTracker::solidLine | CRectTracker::resizeInside);
        tracker.m_nHandleSize = 5;
        tracker.Draw(&dc);
        EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(50, 20));    // frame
        EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(22, 22));    // top-left handle
        EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(77, 77));    // bottom-right handle
        EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(40, 40));
        EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(10, 10));
    }
    ::DeleteObject(bitmap);
    ::DeleteDC(dc.Detach());
}
