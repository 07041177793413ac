// The calculator window and its popup: keys enabled by base and mode, the
// accelerators, Enter and Esc kept from the dialog, the popup's placement,
// and what the popup's loop returns for the keys typed.
#include "toolkit/foundation/OXCalculatorPopup.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
CString Sep()
{
    char text[8] = {};
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof(text));
    return CString(text, 1);
}

class CalculatorWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ReleaseModifierKeys();
        ASSERT_TRUE(frame.CreateFrame(CRect(100, 100, 600, 450)));
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd())
            frame.DestroyWindow();
    }
    static BOOL Enabled(CWnd& dialog, UINT id) { return dialog.GetDlgItem(static_cast<int>(id))->IsWindowEnabled(); }
    static BOOL Press(COXCalculatorCtrl& calc, UINT vk)
    {
        MSG msg = { calc.GetSafeHwnd(), WM_KEYDOWN, vk, 1, 0, { 0, 0 } };
        return calc.PreTranslateMessage(&msg);
    }
    CTestFrame frame;
};

void CALLBACK FocusElsewhere(HWND hWnd, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(hWnd, id);
    ::SetFocus(hWnd);
}
} // namespace

TEST_F(CalculatorWindowTest, KeysFollowTheBaseAndTheScientificSwitch)
{
    COXCalculatorCtrl calc(nullptr, 0.0);
    ASSERT_TRUE(calc.Create(&frame));
    EXPECT_TRUE(calc.GetExStyle() & WS_EX_CONTROLPARENT);
    CComboBox* base = static_cast<CComboBox*>(calc.GetDlgItem(IDC_OXCALC_BASE));
    EXPECT_EQ(4, base->GetCount());
    EXPECT_TRUE(Enabled(calc, IDC_OXCALC_9));
    EXPECT_TRUE(Enabled(calc, IDC_OXCALC_POINT));
    EXPECT_FALSE(Enabled(calc, IDC_OXCALC_A));
    EXPECT_FALSE(Enabled(calc, IDC_OXCALC_SIN));
    EXPECT_FALSE(Enabled(calc, IDC_OXCALC_BASE));

    calc.GetDlgItem(IDC_OXCALC_SCIENTIFIC)->SendMessage(BM_CLICK);
    EXPECT_TRUE(Enabled(calc, IDC_OXCALC_SIN));
    EXPECT_TRUE(Enabled(calc, IDC_OXCALC_BASE));
    base->SetCurSel(1);
    calc.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OXCALC_BASE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(base->GetSafeHwnd()));
    EXPECT_EQ(COXCalculatorEngine::BaseHex, calc.GetBase());
    EXPECT_TRUE(Enabled(calc, IDC_OXCALC_F));
    EXPECT_FALSE(Enabled(calc, IDC_OXCALC_POINT));
    calc.SetBase(COXCalculatorEngine::BaseBinary);
    EXPECT_EQ(3, base->GetCurSel());
    EXPECT_TRUE(Enabled(calc, IDC_OXCALC_1));
    EXPECT_FALSE(Enabled(calc, IDC_OXCALC_2));

    // Scientific off outside the decimal base goes back to decimal.
    calc.GetDlgItem(IDC_OXCALC_SCIENTIFIC)->SendMessage(BM_CLICK);
    EXPECT_EQ(COXCalculatorEngine::BaseDecimal, calc.GetBase());
    EXPECT_EQ(0, base->GetCurSel());
    EXPECT_TRUE(Enabled(calc, IDC_OXCALC_9));
}

TEST_F(CalculatorWindowTest, ButtonsAndAcceleratorsTypeAndEnterEscapeStayInside)
{
    COXCalculatorCtrl calc(nullptr, 0.0);
    ASSERT_TRUE(calc.Create(&frame));
    ASSERT_TRUE(calc.GetAccelerators());
    calc.ShowWindow(SW_SHOW);
    CString display;
    calc.GetDlgItem(IDC_OXCALC_1)->SendMessage(BM_CLICK);
    EXPECT_TRUE(Press(calc, '7'));
    calc.GetDlgItem(IDC_OXCALC_DISPLAY)->GetWindowText(display);
    EXPECT_STREQ("17" + Sep(), display);
    EXPECT_TRUE(Press(calc, VK_ADD));
    EXPECT_TRUE(Press(calc, VK_NUMPAD3));
    EXPECT_TRUE(Press(calc, 0xBB));  // "="
    EXPECT_DOUBLE_EQ(20.0, calc.GetResult());

    EXPECT_TRUE(Press(calc, VK_RETURN));
    EXPECT_TRUE(Press(calc, VK_ESCAPE));
    PumpFor(50);
    EXPECT_TRUE(::IsWindow(calc.GetSafeHwnd()));
    EXPECT_TRUE(calc.IsWindowVisible());
    calc.GetDlgItem(IDC_OXCALC_DISPLAY)->GetWindowText(display);
    EXPECT_STREQ("20" + Sep(), display);
}

TEST(CalculatorPopupPlacement, FlipsClampsAndRefuses)
{
    const CSize work(1000, 700);
    const CSize size(200, 150);
    CPoint at;
    // Below the reference, right-aligned; near the bottom it flips above.
    ASSERT_TRUE(COXCalculatorPopup::CalcPosition(size, 7, CRect(300, 100, 500, 120), 0, 0, work, at));
    EXPECT_EQ(CPoint(300, 120), at);
    ASSERT_TRUE(COXCalculatorPopup::CalcPosition(size, 7, CRect(300, 600, 500, 620), 0, 0, work, at));
    EXPECT_EQ(CPoint(300, 450), at);
    // Left of it, flipped right when there is no room on the left.
    ASSERT_TRUE(COXCalculatorPopup::CalcPosition(size, 0, CRect(50, 100, 150, 120), 5, 0, work, at));
    EXPECT_EQ(CPoint(155, 100), at);
    // A reference at the left edge: placement 3 is clamped into the area.
    ASSERT_TRUE(COXCalculatorPopup::CalcPosition(size, 3, CRect(-40, 100, 60, 120), 0, 0, work, at));
    EXPECT_EQ(CPoint(0, 120), at);
    // Neither side fits.
    EXPECT_FALSE(COXCalculatorPopup::CalcPosition(size, 3, CRect(300, 100, 500, 600), 0, 0, work, at));
    EXPECT_FALSE(COXCalculatorPopup::CalcPosition(CSize(1001, 10), 1, CRect(), 0, 0, work, at));
}

TEST_F(CalculatorWindowTest, PopupReturnsWhatEnterAccepts)
{
    COXCalculatorPopup popup;
    ASSERT_TRUE(popup.Create(&frame));
    CRect reference(200, 150, 300, 170);
    struct Case { std::vector<UINT> keys; BOOL accepted; double result; } cases[] = {
        { { '1', '2', VK_RETURN }, TRUE, 12.0 },
        { { '1', '2', VK_ADD, '3', VK_RETURN }, TRUE, 12.0 },
        { { '1', '2', VK_ADD, '3', 0xBB, VK_RETURN }, TRUE, 15.0 },
        { { '4', VK_ESCAPE }, FALSE, 0.0 },
    };
    for (const Case& c : cases) {
        const HWND calc = popup.GetCalculator().GetSafeHwnd();
        for (UINT key : c.keys)
            ::PostMessageA(calc, WM_KEYDOWN, key, 1);
        EXPECT_EQ(c.accepted, popup.Pick(0.0, 7, reference, 0, 0));
        if (c.accepted) {
            EXPECT_DOUBLE_EQ(c.result, popup.GetResult());
        }
        EXPECT_FALSE(popup.IsWindowVisible());
    }
    CRect window;
    popup.GetWindowRect(&window);
    EXPECT_EQ(reference.right, window.right);
    EXPECT_EQ(reference.bottom, window.top);

    // Focus taken by a window outside the popup ends it as a cancel.
    ::SetTimer(frame.GetSafeHwnd(), 1, 50, FocusElsewhere);
    EXPECT_FALSE(popup.Pick(3.0, 7, reference, 0, 0));
    EXPECT_EQ(COXCalculatorPopup::Running, popup.GetPickResult());

    // With no room on either side it is refused at once, without a loop.
    CRect work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_FALSE(popup.Pick(0.0, 3, CRect(0, 10, 10, work.Height() - 10), 0, 0));
    EXPECT_FALSE(popup.IsWindowVisible());
}

TEST_F(CalculatorWindowTest, CalculatorEditTakesTheResult)
{
    COXCalculatorEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(20, 20, 200, 44), &frame, 100));
    edit.SendMessage(WM_NULL);
    edit.SetValue(5.0);
    const HWND calc = edit.GetCalculatorPopup().GetCalculator().GetSafeHwnd();
    ASSERT_TRUE(calc);
    ::PostMessageA(calc, WM_KEYDOWN, '2', 1);
    ::PostMessageA(calc, WM_KEYDOWN, VK_RETURN, 1);
    edit.OnDropButton();
    EXPECT_DOUBLE_EQ(52.0, edit.GetValue());
    EXPECT_EQ(&edit, CWnd::GetFocus());
    ::PostMessageA(calc, WM_KEYDOWN, '7', 1);
    ::PostMessageA(calc, WM_KEYDOWN, VK_ESCAPE, 1);
    edit.OnDropButton();
    EXPECT_DOUBLE_EQ(52.0, edit.GetValue());
}

TEST_F(CalculatorWindowTest, QuitEndsThePopupAndIsPostedAgain)
{
    COXCalculatorPopup popup;
    ASSERT_TRUE(popup.Create(&frame));
    ::PostMessageA(popup.GetCalculator().GetSafeHwnd(), WM_KEYDOWN, '9', 1);
    ::PostQuitMessage(4);
    EXPECT_FALSE(popup.Pick(1.0, 7, CRect(200, 150, 300, 170), 0, 0));
    EXPECT_FALSE(popup.IsWindowVisible());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(4u, msg.wParam);
}
