// Toolkit code on a palette display (the 8-bit pass): every case first makes
// sure that the screen really is one.
#include "toolkit/foundation/OXColorPickerButton.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/HostProcess.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"
#include "toolkit/resources/ToolkitResource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
class PaletteDisplayTest : public testing::Test
{
protected:
    void SetUp() override
    {
        HDC screen = ::GetDC(nullptr);
        const int caps = ::GetDeviceCaps(screen, RASTERCAPS);
        const int size = ::GetDeviceCaps(screen, SIZEPALETTE);
        ::ReleaseDC(nullptr, screen);
        ASSERT_NE(0, caps & RC_PALETTE) << "this program runs on an 8-bit screen";
        ASSERT_EQ(256, size);
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(100, 100, 400, 300)));
        ASSERT_TRUE(button.Create("Colour", WS_CHILD | WS_VISIBLE, CRect(20, 20, 120, 50), &parent, 1005));
    }
    void TearDown() override { parent.DestroyWindow(); }

    CTestFrame parent;
    COXColorPickerButton button{ 40, 4, 0xFFFFFFFF, 18, 18, IDS_OX_COLORPICKER_DEFAULT, IDS_OX_COLORPICKER_CUSTOM };
};
} // namespace

TEST_F(PaletteDisplayTest, PickerTakesItsColoursFromTheSystemPalette)
{
    COXColorPickerCtrl* picker = button.GetColorPickerCtrl();
    ASSERT_EQ(40, picker->SetColorsFromPalette(0, TRUE));
    std::vector<PALETTEENTRY> system(256);
    HDC screen = ::GetDC(nullptr);
    ASSERT_EQ(256u, ::GetSystemPaletteEntries(screen, 0, 256, system.data()));
    ::ReleaseDC(nullptr, screen);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(RGB(system[i].peRed, system[i].peGreen, system[i].peBlue), picker->GetButtonData()[i]) << i;
    // Past the palette's end fewer colours remain.
    EXPECT_EQ(6, picker->SetColorsFromPalette(250, TRUE));
    EXPECT_EQ(RGB(system[255].peRed, system[255].peGreen, system[255].peBlue), picker->GetButtonData()[5]);
}

TEST_F(PaletteDisplayTest, PickerPopsUpWithItsPaletteAndPicksASwatch)
{
    COXColorPickerCtrl* picker = button.GetColorPickerCtrl();
    picker->SetColorsFromPalette(0, TRUE);
    const COLORREF wanted = picker->GetButtonData()[12];
    static COXColorPickerCtrl* s_picker;
    s_picker = picker;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
        if (!s_picker || !s_picker->IsWindowVisible())
            return;
        CPoint p = s_picker->GetLayout().buttonRects[12].CenterPoint();
        s_picker->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        s_picker->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        s_picker->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        s_picker = nullptr;
    });
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(wanted, button.GetColor());
}

TEST_F(PaletteDisplayTest, HostSceneTakesThePickersColoursFromTheSystemPalette)
{
    CHostProcess host;
    ASSERT_TRUE(host.Start("colors"));
    EXPECT_EQ("1", host.Value("screen.palette"));
    host.Command(32803);
    EXPECT_TRUE(host.WaitFor("picker.1005.colors", "40"));
    EXPECT_EQ(0u, host.Close());
}
