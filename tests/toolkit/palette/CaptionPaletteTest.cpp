// The caption painter on a palette display: a click on an inactive caption
// activates the window and starts the move through SC_MOVE.
#include "toolkit/lists/painters/OXCaptionPainter.h"

#include "afx/WinApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// Records activation and SC_MOVE instead of moving.
class CRecordingWnd : public CWnd
{
public:
    std::vector<WPARAM> activations;
    int moves = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MOVE) {
            ++moves;
            return 0;
        }
        if (message == WM_ACTIVATE)
            activations.push_back(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
} // namespace

TEST(CaptionPaletteTest, ClickOnAnInactiveCaptionActivatesAndMoves)
{
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    HDC screen = ::GetDC(nullptr);
    const int caps = ::GetDeviceCaps(screen, RASTERCAPS);
    ::ReleaseDC(nullptr, screen);
    ASSERT_NE(0, caps & RC_PALETTE) << "this program runs on an 8-bit screen";

    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "Palette caption", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             CRect(100, 100, 400, 300), nullptr, 0));
    COXCaptionPainter painter;
    ASSERT_TRUE(painter.Attach(&wnd));
    EXPECT_LE(painter.GetColorDepth(), 8);
    wnd.SendMessage(WM_NCACTIVATE, FALSE);
    ASSERT_FALSE(painter.IsActive());
    wnd.activations.clear();

    CRect window;
    wnd.GetWindowRect(&window);
    wnd.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(window.left + 60, window.top + 10));
    ASSERT_FALSE(wnd.activations.empty());
    EXPECT_EQ(static_cast<WPARAM>(WA_ACTIVE), wnd.activations.front());
    EXPECT_EQ(1, wnd.moves);

    // Active already: the move alone.
    wnd.activations.clear();
    wnd.SendMessage(WM_NCACTIVATE, TRUE);
    wnd.activations.clear();
    wnd.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(window.left + 60, window.top + 10));
    EXPECT_TRUE(wnd.activations.empty());
    EXPECT_EQ(2, wnd.moves);
    painter.Detach();
    wnd.DestroyWindow();
}
