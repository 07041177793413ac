// The bounded rectangle tracker's loop driven by posted mouse messages, and
// the shadow window's darkening on a memory surface.
#include "toolkit/foundation/OXRectTracker.h"
#include "toolkit/foundation/OXShdWnd.h"

#include "afx/DC.h"
#include "afx/WinApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

// Keeps the frame thickness of every drawing.
class RecordingTracker : public COXRectTracker
{
public:
    using COXRectTracker::COXRectTracker;
    void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd) override
    {
        COXRectTracker::DrawTrackerRect(lpRect, pWndClipTo, pDC, pWnd);
        if (!m_bErase || m_bFinalErase)
            sizes.push_back(m_sizeLast);
    }
    std::vector<CSize> sizes;
};

class RectTrackerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                                   "tracker", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr));
        m_wnd.UpdateWindow();
        Drain();
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        Drain();
    }
    static void Drain()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                ::DispatchMessageA(&msg);
    }
    // A drag from one point to another: one move, then the release.
    void Drag(int x, int y)
    {
        ::PostMessageA(m_wnd.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, At(x, y));
        ::PostMessageA(m_wnd.m_hWnd, WM_LBUTTONUP, 0, At(x, y));
    }
    CWnd m_wnd;
};
} // namespace

TEST_F(RectTrackerTest, WithoutABoundItTracksAsThePlainTrackerWithATwoPixelFrame)
{
    RecordingTracker tracker(CRect(10, 10, 60, 40), CRectTracker::dottedLine);
    CRectTracker plain(CRect(10, 10, 60, 40), CRectTracker::dottedLine);
    Drag(50, 45);
    EXPECT_TRUE(tracker.Track(&m_wnd, CPoint(20, 20)));
    Drag(50, 45);
    EXPECT_TRUE(plain.Track(&m_wnd, CPoint(20, 20)));
    EXPECT_EQ(plain.m_rect, tracker.m_rect);
    EXPECT_EQ(CRect(40, 35, 90, 65), tracker.m_rect);
    EXPECT_EQ(CRect(10, 10, 60, 40), tracker.m_rectStart);
    ASSERT_FALSE(tracker.sizes.empty());
    EXPECT_EQ(CSize(2, 2), tracker.sizes.front());
    EXPECT_EQ(CSize(0, 0), tracker.sizes.back());   // the final erase

    // A rubber band too.
    RecordingTracker band;
    Drag(120, 90);
    EXPECT_TRUE(band.TrackRubberBand(&m_wnd, CPoint(100, 50)));
    EXPECT_EQ(CRect(100, 50, 120, 90), band.m_rect);
    EXPECT_EQ(CSize(2, 2), band.sizes.front());
}

TEST_F(RectTrackerTest, AMoveStaysInsideTheBoundWithTenPixelsShowing)
{
    COXRectTracker tracker(CRect(10, 10, 60, 40), CRectTracker::dottedLine);
    tracker.m_rectBound = CRect(0, 0, 300, 200);
    // Far down and right: the top stops 10 pixels above the bound's bottom,
    // the size stays, the rectangle may reach past the bound.
    Drag(390, 290);
    EXPECT_TRUE(tracker.Track(&m_wnd, CPoint(20, 20)));
    EXPECT_EQ(CRect(300, 190, 350, 220), tracker.m_rect);
    // Back up and left, past the bound's top-left corner.
    Drag(0, 0);
    EXPECT_TRUE(tracker.Track(&m_wnd, CPoint(310, 200)));
    EXPECT_EQ(CRect(0, 0, 50, 30), tracker.m_rect);

    // HTCAPTION moves as the inside does.
    Drag(40, 60);
    EXPECT_TRUE(tracker.TrackHandle(HTCAPTION, &m_wnd, CPoint(20, 20)));
    EXPECT_EQ(CRect(20, 40, 70, 70), tracker.m_rect);
}

TEST_F(RectTrackerTest, ResizingIsLimitedToTheBound)
{
    COXRectTracker tracker(CRect(10, 10, 60, 40), CRectTracker::resizeInside | CRectTracker::solidLine);
    tracker.m_rectBound = CRect(5, 5, 100, 80);
    Drag(200, 150);
    EXPECT_TRUE(tracker.Track(&m_wnd, CPoint(58, 38)));
    EXPECT_EQ(CRect(10, 10, 100, 80), tracker.m_rect);
}

TEST_F(RectTrackerTest, LocksKeepOneDirection)
{
    COXRectTracker horizontal(CRect(10, 10, 60, 40), CRectTracker::resizeInside | CRectTracker::solidLine);
    horizontal.m_nStyle |= OXRT_HORIZONTAL_ONLY;
    Drag(60, 90);
    EXPECT_TRUE(horizontal.Track(&m_wnd, CPoint(30, 25)));
    EXPECT_EQ(CRect(40, 10, 90, 40), horizontal.m_rect);
    // Sizing from the bottom-right handle changes only the width.
    Drag(120, 120);
    EXPECT_TRUE(horizontal.Track(&m_wnd, CPoint(88, 38)));
    EXPECT_EQ(CRect(40, 10, 122, 40), horizontal.m_rect);

    COXRectTracker vertical(CRect(10, 10, 60, 40), CRectTracker::resizeInside | CRectTracker::solidLine);
    vertical.m_nStyle |= OXRT_VERTICAL_ONLY;
    Drag(60, 90);
    EXPECT_TRUE(vertical.Track(&m_wnd, CPoint(30, 25)));
    EXPECT_EQ(CRect(10, 75, 60, 105), vertical.m_rect);
    // A drag straight sideways changes nothing.
    Drag(200, 90);
    EXPECT_FALSE(vertical.Track(&m_wnd, CPoint(30, 90)));
    EXPECT_EQ(CRect(10, 75, 60, 105), vertical.m_rect);
}

namespace {
// A 32-bit memory surface filled with one colour.
class Surface
{
public:
    Surface(int cx, int cy, COLORREF fill)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = cx;
        info.bmiHeader.biHeight = -cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_dc.Attach(CreateCompatibleDC(nullptr));
        m_old = SelectObject(m_dc.GetSafeHdc(), m_bitmap);
        CRect all(0, 0, cx, cy);
        m_dc.FillSolidRect(&all, fill);
    }
    ~Surface()
    {
        SelectObject(m_dc.GetSafeHdc(), m_old);
        DeleteDC(m_dc.Detach());
        DeleteObject(m_bitmap);
    }
    CDC* DC() { return &m_dc; }
    COLORREF At(int x, int y) { return GetPixel(m_dc.GetSafeHdc(), x, y); }

private:
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    CDC m_dc;
};
} // namespace

TEST(ShadowWindow, DarkenColorScalesEachChannel)
{
    EXPECT_EQ(RGB(157, 78, 39), COXShdWnd::DarkenColor(RGB(200, 100, 50), 55));
    EXPECT_EQ(RGB(200, 100, 50), COXShdWnd::DarkenColor(RGB(200, 100, 50), 0));
    EXPECT_EQ(RGB(0, 0, 0), COXShdWnd::DarkenColor(RGB(200, 100, 50), 255));
}

TEST(ShadowWindow, ShadowDarkensTheBandsAndRestoresWhatItSaved)
{
    Surface surface(100, 100, RGB(255, 255, 255));
    const CRect rect(10, 10, 60, 50);
    // Four bands, while the factor along the edges stays above 174.
    ASSERT_EQ(4, COXShdWnd::GetShadowSize());
    CDWordArray saved;
    COXShdWnd::DrawShadow(surface.DC(), rect, &saved);

    // Along the right edge: the band next to the window is the darkest.
    EXPECT_EQ(RGB(175, 175, 175), surface.At(60, 30));
    EXPECT_EQ(RGB(235, 235, 235), surface.At(63, 30));
    // Along the bottom edge the same.
    EXPECT_EQ(RGB(175, 175, 175), surface.At(35, 50));
    // The window itself and what lies past the shadow stay.
    EXPECT_EQ(RGB(255, 255, 255), surface.At(59, 30));
    EXPECT_EQ(RGB(255, 255, 255), surface.At(64, 30));
    EXPECT_EQ(RGB(255, 255, 255), surface.At(60, 10));

    // Every darkened pixel's colour was saved, in the walk's order.
    INT_PTR pixels = 0;
    COXShdWnd::ForEachShadowPixel(rect, [&](int, int, int) { ++pixels; });
    ASSERT_EQ(pixels, saved.GetSize());
    for (INT_PTR i = 0; i < saved.GetSize(); ++i)
        ASSERT_EQ(RGB(255, 255, 255), saved[i]) << i;

    COXShdWnd::DrawShadow(surface.DC(), rect, nullptr, &saved);
    EXPECT_EQ(RGB(255, 255, 255), surface.At(60, 30));
    EXPECT_EQ(RGB(255, 255, 255), surface.At(35, 50));
    EXPECT_EQ(RGB(255, 255, 255), surface.At(63, 53));
}

TEST(ShadowWindow, KeepsTheColoursItDarkensUntilItMoves)
{
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    COXShdWnd shadow;
    ASSERT_TRUE(shadow.CreateEx(0, AfxRegisterWndClass(0), "shadow", WS_POPUP, 100, 100, 80, 60, nullptr, nullptr));
    EXPECT_FALSE(shadow.IsShadowSaved());
    shadow.ShowWindow(SW_SHOWNA);
    shadow.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_TRUE(shadow.IsShadowSaved());
    INT_PTR pixels = 0;
    COXShdWnd::ForEachShadowPixel(CRect(100, 100, 180, 160), [&](int, int, int) { ++pixels; });
    EXPECT_EQ(pixels, shadow.GetSavedCount());
    // Painted again in place: the kept colours serve, nothing more is kept.
    shadow.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_EQ(pixels, shadow.GetSavedCount());

    shadow.SetWindowPos(nullptr, 150, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(0, shadow.GetSavedCount());
    shadow.DestroyWindow();
}
