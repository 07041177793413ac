// The colour picker button in a window: its colour band, the colour exchange,
// and picks driven by messages to the popup while its own loop runs.
#include "toolkit/foundation/OXColorPickerButton.h"

#include "afx/DC.h"
#include "afx/WinApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {
const UINT ButtonId = 5027;
const COLORREF Blue = RGB(0, 0, 255);
const COLORREF Red = RGB(255, 0, 0);

// The parent records the drop-down notifications and answers them as told.
class Parent : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == OXBBN_DROPDOWN) {
            ++dropDownNotices;
            return answer;
        }
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            ++clicks;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int dropDownNotices = 0;
    int clicks = 0;
    LRESULT answer = 0;
};

class Dialog : public CWnd
{
};

class ColorPickerButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        ASSERT_TRUE(parent.CreateEx(0, cls, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr));
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(20, 20, 80, 46), &parent, ButtonId));
    }
    void TearDown() override
    {
        if (parent.GetSafeHwnd())
            parent.DestroyWindow();
    }
    // Paints the button into a memory DC and reads the band's middle pixel.
    COLORREF BandPixel(UINT itemState = 0)
    {
        CRect client;
        button.GetClientRect(&client);
        HDC screen = ::GetDC(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.Width(), client.Height());
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = ButtonId;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = itemState;
        dis.hwndItem = button.GetSafeHwnd();
        dis.hDC = memory;
        dis.rcItem = client;
        button.DrawItem(&dis);
        CPoint middle = button.GetColorBandRect(client).CenterPoint();
        COLORREF pixel = ::GetPixel(memory, middle.x, middle.y);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
        return pixel;
    }
    // Clicks the button; the action runs inside the picker's loop once the picker shows.
    void ClickWhilePicking(std::function<void(COXColorPickerCtrl&)> action)
    {
        s_action = std::move(action);
        s_picker = button.GetColorPickerCtrl();
        s_done = false;
        UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &Drive);
        button.SendMessage(BM_CLICK);
        ::KillTimer(nullptr, timer);
    }
    static void CALLBACK Drive(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_done || !s_picker->IsWindowVisible())
            return;
        s_done = true;
        s_action(*s_picker);
    }
    static void MoveAndClick(COXColorPickerCtrl& picker, const CRect& rect)
    {
        CPoint p = rect.CenterPoint();
        picker.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        picker.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        picker.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }

    Parent parent;
    COXColorPickerButton button{ 40, 4, 0xFFFFFFFF, 18, 18, 26536, 26537 };
    static std::function<void(COXColorPickerCtrl&)> s_action;
    static COXColorPickerCtrl* s_picker;
    static bool s_done;
};

std::function<void(COXColorPickerCtrl&)> ColorPickerButtonTest::s_action;
COXColorPickerCtrl* ColorPickerButtonTest::s_picker = nullptr;
bool ColorPickerButtonTest::s_done = false;
} // namespace

TEST_F(ColorPickerButtonTest, BandShowsTheColourUnlessNoneOrDisabled)
{
    EXPECT_TRUE(button.GetColorPickerCtrl()->GetSafeHwnd() != nullptr);
    EXPECT_EQ(0x1u, button.GetStyleFlags());
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);

    button.SetColor(Red);
    EXPECT_EQ(Red, BandPixel());
    // The band follows the button when pressed.
    EXPECT_EQ(Red, BandPixel(ODS_SELECTED));

    button.EnableWindow(FALSE);
    EXPECT_NE(Red, BandPixel());
    button.EnableWindow(TRUE);

    button.SetColor(OXCOLOR_NONE);
    EXPECT_EQ(face, BandPixel());

    // Without a band the button draws no swatch.
    button.SetColor(Red);
    button.SetColorBandHeight(0);
    EXPECT_TRUE(button.GetColorBandRect(CRect(0, 0, 60, 26)).IsRectEmpty());
}

TEST_F(ColorPickerButtonTest, ExchangeTakesTheDefaultMarkerAsThePickersDefault)
{
    CDataExchange load(&parent, FALSE);
    COLORREF value = RGB(10, 20, 30);
    DDX_ColorPickerButtonColor(&load, ButtonId, value);
    EXPECT_EQ(RGB(10, 20, 30), button.GetColor());

    value = OXCOLOR_DEFAULT;
    DDX_ColorPickerButtonColor(&load, ButtonId, value);
    EXPECT_EQ(OXCOLOR_NONE, button.GetColor());   // the picker here has no default colour

    button.SetColor(Blue);
    CDataExchange save(&parent, TRUE);
    value = 0;
    DDX_ColorPickerButtonColor(&save, ButtonId, value);
    EXPECT_EQ(Blue, value);
}

TEST_F(ColorPickerButtonTest, ClickingASwatchTakesItsColour)
{
    button.SetColor(Red);
    ClickWhilePicking([](COXColorPickerCtrl& picker) {
        // The current colour is checked: red is swatch 16.
        EXPECT_EQ(17, picker.GetCheckedIndex());
        MoveAndClick(picker, picker.GetLayout().buttonRects[13]);
    });
    EXPECT_TRUE(s_done);
    EXPECT_EQ(Blue, button.GetColor());
    EXPECT_EQ(Blue, COXColorPickerCtrl::DefaultColor(13));
    EXPECT_FALSE(button.GetColorPickerCtrl()->IsWindowVisible());
    EXPECT_EQ(1, parent.dropDownNotices);
    EXPECT_EQ(1, parent.clicks);
    // The pushed look ends with the pick.
    EXPECT_EQ(0u, button.GetStateFlags());
    // The swatches carry their names.
    EXPECT_TRUE(button.GetColorPickerCtrl()->HasToolTipText(Blue));
    EXPECT_EQ(40, button.GetColorPickerCtrl()->GetToolTipCount());
}

TEST_F(ColorPickerButtonTest, KeysPickAndEscapeOrAClickOutsideCancel)
{
    // Nothing may be hot when the keys start: the pointer, which other tests
    // leave anywhere, goes to the far corner of the screen, away from the popup.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    // Shift turns the arrow keys round; the keyboard state is shared with the
    // test programs before this one, so start from no key held.
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_LSHIFT] = keys[VK_RSHIFT] = 0;
    keys[VK_CONTROL] = keys[VK_LCONTROL] = keys[VK_RCONTROL] = 0;
    SetKeyboardState(keys);
    button.SetColor(Red);
    ClickWhilePicking([](COXColorPickerCtrl& picker) {
        // From nothing hot (the pointer leaves every button first): Down to the
        // default button, Down to the first swatch, Right to the second.
        picker.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(-100, -100));
        picker.PostMessage(WM_KEYDOWN, VK_DOWN, 0);
        picker.PostMessage(WM_KEYDOWN, VK_DOWN, 0);
        picker.PostMessage(WM_KEYDOWN, VK_RIGHT, 0);
        picker.PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(COXColorPickerCtrl::DefaultColor(1), button.GetColor());

    ClickWhilePicking([](COXColorPickerCtrl& picker) {
        picker.PostMessage(WM_KEYDOWN, VK_DOWN, 0);
        picker.PostMessage(WM_KEYUP, VK_ESCAPE, 0);
    });
    EXPECT_EQ(COXColorPickerCtrl::DefaultColor(1), button.GetColor());

    ClickWhilePicking([](COXColorPickerCtrl& picker) {
        picker.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-50, -50));
    });
    EXPECT_EQ(COXColorPickerCtrl::DefaultColor(1), button.GetColor());
    EXPECT_FALSE(button.GetColorPickerCtrl()->IsWindowVisible());

    // The default button stands for the picker's default colour: none here.
    ClickWhilePicking([](COXColorPickerCtrl& picker) { MoveAndClick(picker, picker.GetLayout().defaultRect); });
    EXPECT_EQ(OXCOLOR_NONE, button.GetColor());
}

TEST_F(ColorPickerButtonTest, AParentThatAnswersTheDropDownKeepsThePickerClosed)
{
    parent.answer = 1;
    button.SetColor(Red);
    ClickWhilePicking([](COXColorPickerCtrl& picker) { MoveAndClick(picker, picker.GetLayout().buttonRects[0]); });
    EXPECT_FALSE(s_done);
    EXPECT_EQ(1, parent.dropDownNotices);
    EXPECT_EQ(Red, button.GetColor());
    EXPECT_EQ(0u, button.GetStateFlags());
}

TEST_F(ColorPickerButtonTest, ColoursFromAPaletteAndAddedColours)
{
    COXColorPickerCtrl* picker = button.GetColorPickerCtrl();
    // No palette display here: the system palette gives nothing.
    EXPECT_EQ(0, picker->SetColorsFromPalette(0, TRUE));
    // The screen's selected palette is the default one of 20 colours.
    EXPECT_EQ(20, picker->SetColorsFromPalette(0, FALSE));
    EXPECT_EQ(RGB(0, 0, 0), picker->GetButtonData()[0]);
    EXPECT_EQ(5, picker->SetColorsFromPalette(15, FALSE));

    const COLORREF extra[] = { RGB(1, 2, 3), RGB(4, 5, 6) };
    EXPECT_EQ(0, picker->AddColors(extra, 0));
    EXPECT_EQ(0, picker->AddColors(extra, -3));
    EXPECT_EQ(5, picker->GetButtonData().GetSize());
    EXPECT_EQ(2, picker->AddColors(extra, 2));
    EXPECT_EQ(RGB(4, 5, 6), picker->GetButtonData()[6]);

    // The default colour is the button's to set.
    button.SetDefaultColor(RGB(0, 0, 128));
    CDataExchange load(&parent, FALSE);
    COLORREF value = OXCOLOR_DEFAULT;
    DDX_ColorPickerButtonColor(&load, ButtonId, value);
    EXPECT_EQ(RGB(0, 0, 128), button.GetColor());
}
