// The label drawn into a memory DC (colours, transparency, gradient, flashing
// phases), and its click notification and flashing timer on a real window.
#include "controls/label/Label.h"

#include <gtest/gtest.h>

namespace {

// A 32-bit memory surface pre-filled with one colour, read back by pixel.
class Surface
{
public:
    Surface(int cx, int cy, COLORREF fill) : m_dc(::CreateCompatibleDC(nullptr)), m_bitmap(nullptr), m_old(nullptr)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = cx;
        bi.bmiHeader.biHeight = -cy;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = ::CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_old = ::SelectObject(m_dc, m_bitmap);
        RECT rc = {0, 0, cx, cy};
        HBRUSH brush = ::CreateSolidBrush(fill);
        ::FillRect(m_dc, &rc, brush);
        ::DeleteObject(brush);
    }
    ~Surface()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 255, 0);

TEST(LabelDrawing, OpaqueFillsWithItsColourTransparentLeavesTheBackground)
{
    CLabel label;
    Surface s(60, 20, kGreen);
    label.Draw(s.dc(), CRect(0, 0, 60, 20));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), s.At(59, 19));   // the default brush

    label.SetBkColor(kRed);
    label.Draw(s.dc(), CRect(0, 0, 60, 20));
    EXPECT_EQ(kRed, s.At(0, 0));
    EXPECT_EQ(kRed, s.At(59, 19));

    Surface t(60, 20, kGreen);
    label.SetTransparent(TRUE);
    label.Draw(t.dc(), CRect(0, 0, 60, 20));
    EXPECT_EQ(kGreen, t.At(0, 0));
    EXPECT_EQ(kGreen, t.At(59, 19));
}

TEST(LabelDrawing, GradientRunsFromTheSecondColourToTheFirst)
{
    CLabel label;
    label.SetBkColor(kBlue, kRed, CLabel::Gradient);
    Surface s(200, 10, kGreen);
    label.Draw(s.dc(), CRect(0, 0, 200, 10));
    EXPECT_EQ(kRed, s.At(0, 5));
    // The last of 100 bands is one step short of the end colour and reaches the edge.
    const COLORREF last = s.At(199, 5);
    EXPECT_LE(GetRValue(last), 5);
    EXPECT_GE(GetBValue(last), 250);
    EXPECT_EQ(0, GetGValue(last));
}

TEST(LabelDrawing, NarrowAndEmptyGradientsStayInsideAndDoNotFail)
{
    // Fewer pixels than steps: one band per pixel, the last one at the edge.
    Surface s(7, 4, kGreen);
    CLabel::DrawGradientFill(s.dc(), CRect(2, 0, 5, 4), kRed, kBlue, 100);
    EXPECT_EQ(kGreen, s.At(1, 1));
    EXPECT_EQ(kRed, s.At(2, 1));
    EXPECT_NE(kGreen, s.At(4, 1));
    EXPECT_EQ(kGreen, s.At(5, 1));

    // A zero-width label draws no gradient at all.
    Surface z(4, 4, kGreen);
    CLabel::DrawGradientFill(z.dc(), CRect(1, 0, 1, 4), kRed, kBlue, 100);
    CLabel::DrawGradientFill(z.dc(), CRect(3, 0, 1, 4), kRed, kBlue, 100);
    EXPECT_EQ(kGreen, z.At(1, 1));
    CLabel label;
    label.SetBkColor(kBlue, kRed, CLabel::Gradient);
    label.Draw(z.dc(), CRect(0, 0, 0, 4));
    EXPECT_EQ(kGreen, z.At(0, 1));
}

TEST(LabelDrawing, TextFlagsFollowTheStaticStyle)
{
    EXPECT_EQ(static_cast<UINT>(DT_CENTER | DT_WORDBREAK), CLabel::TextFlags(SS_CENTER, "a"));
    EXPECT_EQ(static_cast<UINT>(DT_RIGHT | DT_WORDBREAK), CLabel::TextFlags(SS_RIGHT, "a"));
    EXPECT_EQ(0u, CLabel::TextFlags(SS_LEFTNOWORDWRAP, "a"));
    EXPECT_EQ(static_cast<UINT>(DT_WORDBREAK | DT_EXPANDTABS), CLabel::TextFlags(SS_LEFT, "a\tb"));
    EXPECT_EQ(static_cast<UINT>(DT_CENTER | DT_VCENTER | DT_SINGLELINE), CLabel::TextFlags(SS_CENTERIMAGE, "a"));
    EXPECT_EQ(static_cast<UINT>(DT_CENTER), CLabel::TextFlags(SS_CENTERIMAGE, "a\r\nb"));
}

// A parent that records the label's click notifications.
struct Host
{
    Host()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "LabelTestHost";
        ::RegisterClassA(&wc);
        hwnd = ::CreateWindowExA(0, "LabelTestHost", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                 wc.hInstance, nullptr);
        s_codes = 0;
    }
    ~Host() { ::DestroyWindow(hwnd); }
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l)
    {
        if (m == WM_NOTIFY)
            s_codes = reinterpret_cast<NMHDR*>(l)->code;
        return ::DefWindowProcA(h, m, w, l);
    }
    HWND hwnd;
    static UINT s_codes;
};
UINT Host::s_codes = 0;

TEST(LabelWindow, ClickNotifiesTheParentAndFlashingStopsShown)
{
    Host host;
    CLabel label;
    ASSERT_TRUE(label.Create("Link", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), CWnd::FromHandle(host.hwnd), 77));
    label.SetLink(TRUE, TRUE);
    EXPECT_TRUE(label.GetStyle() & SS_NOTIFY);
    label.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(static_cast<UINT>(CLabel::NM_LINKCLICK), Host::s_codes);

    label.FlashText(TRUE);
    EXPECT_TRUE(label.IsFlashing());
    label.SendMessage(WM_TIMER, CLabel::FlashTimerId);
    EXPECT_TRUE(label.GetFlashState());
    label.FlashText(FALSE);
    EXPECT_FALSE(label.IsFlashing());
    EXPECT_FALSE(label.GetFlashState());

    label.SetTransparent(TRUE);
    EXPECT_TRUE(::GetWindowLongA(label.m_hWnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    label.DestroyWindow();
}

TEST(LabelWindow, OffPhaseOfFlashingTextUsesTheBackgroundColour)
{
    Host host;
    CLabel label;
    ASSERT_TRUE(label.Create("WWWWWWWW", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), CWnd::FromHandle(host.hwnd), 78));
    label.SetBkColor(kRed).SetTextColor(kBlue).SetFontSize(14);
    label.FlashText(TRUE);
    label.SendMessage(WM_TIMER, CLabel::FlashTimerId);   // off phase
    Surface s(100, 20, kGreen);
    label.Draw(s.dc(), CRect(0, 0, 100, 20));
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 20; ++y)
            ASSERT_EQ(kRed, s.At(x, y)) << x << "," << y;
    label.SendMessage(WM_TIMER, CLabel::FlashTimerId);   // shown again
    label.Draw(s.dc(), CRect(0, 0, 100, 20));
    bool sawText = false;
    for (int x = 0; x < 100 && !sawText; ++x)
        for (int y = 0; y < 20 && !sawText; ++y)
            sawText = s.At(x, y) != kRed;
    EXPECT_TRUE(sawText);
    label.DestroyWindow();
}

} // namespace
