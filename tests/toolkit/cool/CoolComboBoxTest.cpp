// The cool combo box: hot tracking with its edit field, the selection
// field's height after a font change, which lists it takes over, the arrow
// while dropped, and the disabled item colours.
#include "toolkit/lists/cool/OXCoolComboBox.h"

#include "afx/DC.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {
class CoolComboBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 350)));
        ::SetForegroundWindow(parent.m_hWnd);
        MoveCursorTo(parent, CPoint(390, 280));
        ASSERT_TRUE(other.Create("Other", WS_CHILD | WS_VISIBLE, CRect(300, 10, 380, 34), &parent, 1408));
        other.SetFocus();
    }
    void TearDown() override { parent.DestroyWindow(); }

    void Fill(CComboBox& combo)
    {
        combo.AddString("Alpha");
        combo.AddString("Beta");
        combo.SetCurSel(0);
    }

    // The topmost dark pixel of the drop button's arrow, in client coordinates.
    static CPoint ArrowTop(CWnd& combo)
    {
        combo.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        CRect client;
        combo.GetClientRect(&client);
        CClientDC dc(&combo);
        const COLORREF dark = ::GetSysColor(COLOR_3DDKSHADOW);
        const int left = client.right - 2 - ::GetSystemMetrics(SM_CXVSCROLL);
        for (int y = client.top + 3; y < client.bottom - 3; ++y)
            for (int x = left + 1; x < client.right - 3; ++x)
                if (::GetPixel(dc.GetSafeHdc(), x, y) == dark)
                    return CPoint(x, y);
        return CPoint(-1, -1);
    }

    CTestFrame parent;
    CButton other;
};
} // namespace

TEST_F(CoolComboBoxTest, HoverMakesItHotAndTheFocusInItsEditKeepsItHot)
{
    COXCoolComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 10, 160, 150), &parent, 1403));
    ASSERT_TRUE(combo.GetEdit().GetSafeHwnd() != nullptr);
    EXPECT_FALSE(combo.IsHot());
    MoveCursorTo(combo, CPoint(140, 8));
    ASSERT_TRUE(PumpUntil([&] { return combo.IsHot(); }));

    ::SetFocus(combo.GetEdit().GetSafeHwnd());
    MoveCursorTo(parent, CPoint(390, 280));
    PumpFor(400);
    EXPECT_TRUE(combo.IsHot());

    other.SetFocus();
    EXPECT_FALSE(combo.IsHot());
}

TEST_F(CoolComboBoxTest, FontChangeSetsTheSelectionFieldHeight)
{
    COXCoolComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 160, 150), &parent, 1404));
    CFont big;
    ASSERT_TRUE(big.CreateFont(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    combo.SetFont(&big);
    CClientDC dc(nullptr);
    CFont* old = dc.SelectObject(&big);
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(old);
    EXPECT_EQ(tm.tmHeight, combo.GetSelFieldHeight());
    // The field answers as a plain combo told font height + 1 does.
    CComboBox reference;
    ASSERT_TRUE(reference.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(170, 10, 290, 150), &parent, 1405));
    reference.SetFont(&big);
    reference.SetItemHeight(-1, tm.tmHeight + 1);
    EXPECT_EQ(reference.GetItemHeight(-1), combo.GetItemHeight(-1));
    reference.DestroyWindow();
    combo.DestroyWindow();
}

TEST_F(CoolComboBoxTest, OwnerDrawComboKeepsItsListAPlainOneIsTakenOver)
{
    COXCoolComboBox plain;
    COXCoolComboBox ownerDraw;
    ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 160, 150), &parent, 1404));
    ASSERT_TRUE(ownerDraw.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                 CRect(170, 10, 290, 150), &parent, 1405));
    Fill(plain);
    Fill(ownerDraw);
    for (COXCoolComboBox* combo : {&plain, &ownerDraw}) {
        combo->ShowDropDown(TRUE);
        PumpFor(100);
        combo->ShowDropDown(FALSE);
        PumpFor(50);
    }
    EXPECT_TRUE(plain.GetList().GetSafeHwnd() != nullptr);
    EXPECT_TRUE(ownerDraw.GetList().GetSafeHwnd() == nullptr);
    plain.DestroyWindow();
    ownerDraw.DestroyWindow();
}

TEST_F(CoolComboBoxTest, ArrowMovesOnePixelWhileDroppedWithoutRedrawsOnHotChanges)
{
    COXCoolComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 160, 150), &parent, 1404));
    Fill(combo);
    const CPoint up = ArrowTop(combo);
    ASSERT_NE(-1, up.x);
    combo.ShowDropDown(TRUE);
    PumpFor(100);
    const CPoint down = ArrowTop(combo);
    EXPECT_EQ(up + CPoint(1, 1), down);

    // A hot change while dropped leaves the window without a pending repaint.
    combo.ValidateRect(nullptr);
    combo.SetHot(!combo.IsHot());
    EXPECT_FALSE(::GetUpdateRect(combo.m_hWnd, nullptr, FALSE));
    combo.ShowDropDown(FALSE);
    combo.DestroyWindow();
}

TEST_F(CoolComboBoxTest, DisabledItemTextIsShadowOnFace)
{
    COXCoolComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 160, 150), &parent, 1404));
    combo.AddString("WWWWWWWW");
    combo.SetCurSel(0);
    combo.EnableWindow(FALSE);

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 120;
    info.bmiHeader.biHeight = 20;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP target = ::CreateDIBSection(dc.GetSafeHdc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), target);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_COMBOBOX;
    dis.itemID = static_cast<UINT>(-1);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hDC = dc.GetSafeHdc();
    dis.rcItem = CRect(0, 0, 120, 20);
    combo.DrawItem(&dis);
    int face = 0;
    int shadow = 0;
    int others = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 120; ++x) {
            const COLORREF pixel = ::GetPixel(dc.GetSafeHdc(), x, y);
            if (pixel == ::GetSysColor(COLOR_BTNFACE))
                ++face;
            else if (pixel == ::GetSysColor(COLOR_BTNSHADOW))
                ++shadow;
            else
                ++others;
        }
    }
    ::SelectObject(dc.GetSafeHdc(), old);
    ::DeleteObject(target);
    EXPECT_GT(face, shadow);
    EXPECT_GT(shadow, 20);
    EXPECT_LT(others, shadow);   // no window or highlight colours
    combo.DestroyWindow();
}
