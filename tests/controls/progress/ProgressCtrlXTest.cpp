// The gradient progress window answers the progress messages itself, keeps
// its text format and font, shows its value in a tooltip, and paints the bar.
#include "controls/progress/ProgressCtrlX.h"

#include <gtest/gtest.h>

namespace {

class ProgressWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 220, 60, nullptr, nullptr,
                                      nullptr, nullptr);
        ASSERT_TRUE(m_bar.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 30), CWnd::FromHandle(m_hParent), 400));
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        ::DestroyWindow(m_hParent);
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return m_bar.SendMessage(message, wParam, lParam); }

    HWND m_hParent = nullptr;
    CProgressCtrlX m_bar;
};

TEST_F(ProgressWindow, RangeAndPositionMessagesAnswerWithTheOldValues)
{
    EXPECT_EQ(MAKELONG(0, 100), Send(PBM_SETRANGE, 0, MAKELPARAM(0, 200)));
    PBRANGE range = {};
    EXPECT_EQ(0, Send(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
    EXPECT_EQ(200, range.iHigh);
    EXPECT_EQ(200, Send(PBM_GETRANGE, FALSE, 0));
    EXPECT_EQ(MAKELONG(0, 200), Send(PBM_SETRANGE32, 10, 50));
    EXPECT_EQ(10, Send(PBM_GETPOS));   // clamped into the new range
    EXPECT_EQ(10, Send(PBM_SETPOS, 30));
    EXPECT_EQ(30, Send(PBM_DELTAPOS, 5));
    EXPECT_EQ(10, Send(PBM_SETSTEP, 4));
    EXPECT_EQ(35, Send(PBM_STEPIT));
    EXPECT_EQ(39, m_bar.GetPos());
    EXPECT_EQ(static_cast<LRESULT>(0xFF000000), Send(PBM_SETBKCOLOR, 0, RGB(1, 2, 3)));
}

TEST_F(ProgressWindow, BarColourTextAndFontMessages)
{
    EXPECT_EQ(static_cast<LRESULT>(0xFF000000), Send(PBM_SETBARCOLOR, 0, RGB(200, 0, 0)));
    COLORREF first = 0, second = 0;
    m_bar.GetColors(first, second);
    EXPECT_EQ(RGB(200, 0, 0), first);
    EXPECT_EQ(RGB(200, 0, 0), second);
    Send(PBM_SETBARCOLOR, RGB(0, 0, 200), RGB(200, 0, 0));
    m_bar.GetColors(first, second);
    EXPECT_EQ(RGB(0, 0, 200), second);

    EXPECT_TRUE(Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("%d of 100")));
    EXPECT_EQ(9, Send(WM_GETTEXTLENGTH));
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(3, Send(WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)));
    EXPECT_STREQ("%d ", small);
    EXPECT_STREQ("%d of 100", m_bar.GetTextFormat());

    EXPECT_EQ(0, Send(WM_GETFONT));
    HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(reinterpret_cast<LRESULT>(font), Send(WM_GETFONT));
    // The stock font is only referred to, never deleted.
    m_bar.SetFont(nullptr, FALSE);
    LOGFONT lf = {};
    EXPECT_NE(0, ::GetObjectA(font, sizeof lf, &lf));
}

TEST_F(ProgressWindow, StyleBitsAreTheWindowStyle)
{
    m_bar.ModifyStyle(0, CProgress::Snake);
    EXPECT_TRUE(::GetWindowLongA(m_bar.m_hWnd, GWL_STYLE) & CProgress::Snake);
    m_bar.SetText("%d%%", CProgress::TextPercent);
    EXPECT_EQ(static_cast<DWORD>(CProgress::TextPercent),
              static_cast<DWORD>(::GetWindowLongA(m_bar.m_hWnd, GWL_STYLE)) & CProgress::TextModeMask);

    CProgressCtrlX windowless;
    windowless.ModifyStyle(0, CProgress::Snake);
    EXPECT_TRUE(windowless.GetStyle() & CProgress::Snake);
}

TEST_F(ProgressWindow, TheTooltipShowsThePercentageAndFallsSilent)
{
    m_bar.SetRange(0, 200);
    m_bar.SetPos(50);
    m_bar.SetTooltipFormat("%d%%", CProgress::TextPercent);
    HWND tip = m_bar.GetTooltip().GetSafeHwnd();
    ASSERT_NE(nullptr, tip);
    CString text;
    m_bar.GetTooltip().GetText(text, &m_bar);
    EXPECT_STREQ("25%", text);
    Send(PBM_SETPOS, 100);
    m_bar.GetTooltip().GetText(text, &m_bar);
    EXPECT_STREQ("50%", text);
    m_bar.SetTooltipFormat("", CProgress::TextPercent);
    EXPECT_STREQ("", m_bar.GetTooltipFormat());
}

TEST_F(ProgressWindow, PaintsTheBarInsteadOfTheCommonControl)
{
    m_bar.SetBkColor(RGB(255, 255, 255));
    Send(PBM_SETBARCOLOR, 0, RGB(0, 0, 200));
    Send(PBM_SETPOS, 50);
    m_bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC windowDC = ::GetDC(m_bar.m_hWnd);
    EXPECT_EQ(RGB(0, 0, 200), ::GetPixel(windowDC, 10, 10));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(windowDC, 150, 10));
    ::ReleaseDC(m_bar.m_hWnd, windowDC);
    // The same drawing into a memory DC.
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, 200, 20);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    CDC dc;
    dc.Attach(mem);
    m_bar.CProgress::Draw(&dc, CRect(0, 0, 200, 20));
    EXPECT_EQ(RGB(0, 0, 200), dc.GetPixel(10, 10));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(150, 10));
    dc.Detach();
    ::SelectObject(mem, old);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
    EXPECT_EQ(TRUE, Send(WM_ERASEBKGND, 0));
}

} // namespace
