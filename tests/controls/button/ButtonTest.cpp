// The owner-drawn button: which image each state draws, colour rules, bounded
// copies of addresses and sound names, and the tooltip it makes.
#include "controls/buttons/ButtonST.h"

#include "afx/AfxRes.h"
#include "afx/DC.h"
#include "resources/resource.h"

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

// The drop-down menu is tracked with the button as owner: the button must
// measure, draw and match letters for its items as the menu itself would.
class MenuButton : public CButtonST
{
public:
    BCMenu* DropDown() { return DYNAMIC_DOWNCAST(BCMenu, CMenu::FromHandlePermanent(::GetSubMenu(m_menuPopup.GetSafeHmenu(), 0))); }
};

TEST(ButtonSTMenu, TheButtonMeasuresDrawsAndMatchesLettersOfItsDropDownMenu)
{
    HWND hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    HWND hButton = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 60, 40, hParent,
                                     reinterpret_cast<HMENU>(300), nullptr, nullptr);
    MenuButton button;
    ASSERT_TRUE(button.SubclassWindow(hButton));
    ASSERT_EQ(0u, button.SetMenu(IDR_MAINFRAME, hParent, FALSE));
    BCMenu* pFile = button.DropDown();
    ASSERT_NE(nullptr, pFile);
    ASSERT_GE(pFile->GetItemRecordCount(), 1);

    MEASUREITEMSTRUCT viaButton = {}, direct = {};
    viaButton.CtlType = direct.CtlType = ODT_MENU;
    viaButton.itemID = direct.itemID = ID_APP_EXIT;
    viaButton.itemData = direct.itemData = reinterpret_cast<ULONG_PTR>(pFile->GetItemRecord(0));
    button.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&viaButton));
    pFile->MeasureItem(&direct);
    EXPECT_GT(viaButton.itemWidth, 0u);
    EXPECT_GT(viaButton.itemHeight, 0u);
    EXPECT_EQ(direct.itemWidth, viaButton.itemWidth);
    EXPECT_EQ(direct.itemHeight, viaButton.itemHeight);

    // Drawing fills the item: a canvas of an odd colour no longer shows it.
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP canvas = ::CreateCompatibleBitmap(screen, 150, 24);
    HGDIOBJ old = ::SelectObject(mem, canvas);
    RECT all = {0, 0, 150, 24};
    HBRUSH odd = ::CreateSolidBrush(RGB(1, 99, 1));
    ::FillRect(mem, &all, odd);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.itemID = ID_APP_EXIT;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = reinterpret_cast<HWND>(pFile->GetSafeHmenu());
    dis.hDC = mem;
    dis.rcItem = all;
    dis.itemData = viaButton.itemData;
    button.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    EXPECT_NE(RGB(1, 99, 1), ::GetPixel(mem, 100, 12));
    ::SelectObject(mem, old);
    ::DeleteObject(canvas);
    ::DeleteObject(odd);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);

    // "E&xit" answers 'x' and 'X'; another letter, or a menu not the button's, nothing.
    LRESULT hit = button.SendMessage(WM_MENUCHAR, MAKEWPARAM('x', MF_POPUP), reinterpret_cast<LPARAM>(pFile->GetSafeHmenu()));
    EXPECT_EQ(MAKELRESULT(0, MNC_EXECUTE), hit);
    EXPECT_EQ(MAKELRESULT(0, MNC_EXECUTE),
              button.SendMessage(WM_MENUCHAR, MAKEWPARAM('X', MF_POPUP), reinterpret_cast<LPARAM>(pFile->GetSafeHmenu())));
    EXPECT_EQ(0, button.SendMessage(WM_MENUCHAR, MAKEWPARAM('q', MF_POPUP), reinterpret_cast<LPARAM>(pFile->GetSafeHmenu())));
    HMENU foreign = ::CreatePopupMenu();
    ::AppendMenuA(foreign, MF_STRING, 1, "E&xit");
    EXPECT_EQ(0, HIWORD(button.SendMessage(WM_MENUCHAR, MAKEWPARAM('x', MF_POPUP), reinterpret_cast<LPARAM>(foreign))));
    ::DestroyMenu(foreign);

    button.DestroyWindow();
    ::DestroyWindow(hParent);
}

} // namespace
