// The owner-drawn button: which image each state draws, colour rules, bounded
// copies of addresses and sound names, and the tooltip it makes.
#include "controls/buttons/ButtonST.h"

#include "afx/DC.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

namespace {

TEST(ButtonSTRules, InImageWhenPressedOrHoveredOutsideCheckBoxMode)
{
    EXPECT_FALSE(CButtonST::UseInImage(false, false, false, true));
    EXPECT_TRUE(CButtonST::UseInImage(true, false, false, true));
    EXPECT_TRUE(CButtonST::UseInImage(false, true, false, true));
    EXPECT_FALSE(CButtonST::UseInImage(false, true, true, true));   // check box: hover keeps out image
    EXPECT_TRUE(CButtonST::UseInImage(true, false, true, true));
    EXPECT_TRUE(CButtonST::UseInImage(false, false, false, false)); // no out image: always in

    EXPECT_EQ(CButtonST::BTNST_COLOR_BK_IN, CButtonST::BackgroundIndex(false, true, true));
    EXPECT_EQ(CButtonST::BTNST_COLOR_BK_FOCUS, CButtonST::BackgroundIndex(false, false, true));
    EXPECT_EQ(CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BackgroundIndex(false, false, false));
}

TEST(ButtonSTRules, ColoursAndTheirLimits)
{
    EXPECT_EQ(RGB(255, 125, 75), CButtonST::OffsetColorValue(RGB(230, 100, 50), 40));
    EXPECT_EQ(RGB(180, 50, 0), CButtonST::OffsetColorValue(RGB(230, 100, 50), -80));

    CButtonST button;
    COLORREF before = 0, after = 0;
    button.GetColor(CButtonST::BTNST_COLOR_FG_OUT, &before);
    EXPECT_EQ(3u, button.SetColor(6, RGB(1, 2, 3)));
    EXPECT_EQ(5u, button.OffsetColor(CButtonST::BTNST_COLOR_FG_OUT, 256));
    EXPECT_EQ(3u, button.OffsetColor(6, 10));
    button.GetColor(CButtonST::BTNST_COLOR_FG_OUT, &after);
    EXPECT_EQ(before, after);
    EXPECT_EQ(4u, button.SetAlign(4));
    EXPECT_EQ(0u, button.SetAlign(CButtonST::ST_ALIGN_VERT));
}

TEST(ButtonSTRules, LongAddressesAndSoundNamesAreCutAndTerminated)
{
    CButtonST button;
    std::string longText(300, 'u');
    button.SetURL(longText.c_str());
    EXPECT_EQ(259u, strlen(button.GetURL()));
    std::string exact(260, 's');
    button.SetSound(exact.c_str(), nullptr, TRUE);
    EXPECT_EQ(259u, strlen(button.GetSoundName(TRUE)));
    button.SetURL(nullptr);
    EXPECT_STREQ("", button.GetURL());
    // SetCheck does nothing outside check-box mode.
    button.SetCheck(1, FALSE);
    EXPECT_EQ(0, button.GetCheck());
}

HBITMAP SolidBitmap(COLORREF colour, int size)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, size, size);
    HDC mem = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    RECT rc = {0, 0, size, size};
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(mem, &rc, brush);
    ::DeleteObject(brush);
    // A transparent corner pixel.
    ::SetPixel(mem, 0, 0, RGB(255, 0, 255));
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    return bmp;
}

class ButtonWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        HWND hButton = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 60, 40,
                                         m_hParent, reinterpret_cast<HMENU>(300), nullptr, nullptr);
        ASSERT_TRUE(m_button.SubclassWindow(hButton));
    }
    void TearDown() override
    {
        m_button.DestroyWindow();
        ::DestroyWindow(m_hParent);
    }

    // The colour at the bitmap's centre after drawing in the given state.
    COLORREF DrawAndSample(UINT itemState, int x = 30, int y = 20)
    {
        HDC screen = ::GetDC(nullptr);
        HDC mem = ::CreateCompatibleDC(screen);
        HBITMAP target = ::CreateCompatibleBitmap(screen, 60, 40);
        HGDIOBJ old = ::SelectObject(mem, target);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.hwndItem = m_button.m_hWnd;
        dis.hDC = mem;
        dis.rcItem = {0, 0, 60, 40};
        dis.itemState = itemState;
        m_button.DrawItem(&dis);
        // No caption: the 16-pixel image is centred, offset by 1 when pressed.
        COLORREF c = ::GetPixel(mem, x, y);
        ::SelectObject(mem, old);
        ::DeleteObject(target);
        ::DeleteDC(mem);
        ::ReleaseDC(nullptr, screen);
        return c;
    }

    HWND m_hParent = nullptr;
    CButtonST m_button;
};

TEST_F(ButtonWindow, BecomesOwnerDrawnAndDrawsTheImageOfEachState)
{
    EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), ::GetWindowLongA(m_button.m_hWnd, GWL_STYLE) & 0x0F);
    ASSERT_EQ(0u, m_button.SetBitmaps(SolidBitmap(RGB(200, 0, 0), 16), RGB(255, 0, 255),
                                      SolidBitmap(RGB(0, 0, 200), 16), RGB(255, 0, 255)));
    EXPECT_EQ(RGB(0, 0, 200), DrawAndSample(0));
    EXPECT_EQ(RGB(200, 0, 0), DrawAndSample(ODS_SELECTED));
    m_button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(m_button.IsMouseOver());
}

TEST_F(ButtonWindow, TooltipIsMadeOnFirstUseWithBalloonStyle)
{
    m_button.SetTooltipText(nullptr);
    EXPECT_EQ(nullptr, m_button.GetTooltipWnd());
    m_button.EnableBalloonTooltip();
    m_button.SetTooltipText("Go");
    HWND tip = m_button.GetTooltipWnd();
    ASSERT_NE(nullptr, tip);
    EXPECT_TRUE(::GetWindowLongA(tip, GWL_STYLE) & TTS_BALLOON);
    EXPECT_EQ(1, ::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
    m_button.SetTooltipText("Again");
    EXPECT_EQ(1, ::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_EQ(400, ::SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0));
}

TEST_F(ButtonWindow, TransparentModeDrawsTheParentsBackgroundUnderTheButton)
{
    // A parent surface: green, with a red square under the button's top-left corner.
    HDC screen = ::GetDC(nullptr);
    CDC parentDC;
    parentDC.Attach(::CreateCompatibleDC(screen));
    HBITMAP surface = ::CreateCompatibleBitmap(screen, 200, 100);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(parentDC, surface);
    RECT all = {0, 0, 200, 100}, corner = {10, 10, 20, 20};
    HBRUSH green = ::CreateSolidBrush(RGB(0, 160, 0)), red = ::CreateSolidBrush(RGB(220, 0, 0));
    ::FillRect(parentDC, &all, green);
    ::FillRect(parentDC, &corner, red);

    EXPECT_EQ(static_cast<DWORD>(CButtonST::BTNST_BADPARAM), m_button.SetBk(&parentDC));   // not transparent yet
    m_button.SetFlat(TRUE, FALSE);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), DrawAndSample(0));

    EXPECT_EQ(0u, m_button.DrawTransparent());
    EXPECT_EQ(static_cast<DWORD>(CButtonST::BTNST_BADPARAM), m_button.SetBk(nullptr));
    EXPECT_EQ(0u, m_button.SetBk(&parentDC));
    EXPECT_EQ(RGB(0, 160, 0), DrawAndSample(0));
    EXPECT_EQ(RGB(220, 0, 0), DrawAndSample(0, 5, 5));
    EXPECT_EQ(RGB(0, 160, 0), DrawAndSample(0, 15, 15));

    // Reflected WM_CTLCOLOR answers the hollow brush, so the parent paints nothing there.
    LRESULT brush = 0;
    EXPECT_TRUE(m_button.OnChildNotify(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(static_cast<HDC>(parentDC)),
                                       reinterpret_cast<LPARAM>(m_button.m_hWnd), &brush));
    EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)), brush);

    ::SelectObject(parentDC, old);
    ::DeleteObject(surface);
    ::DeleteObject(green);
    ::DeleteObject(red);
}

} // namespace
