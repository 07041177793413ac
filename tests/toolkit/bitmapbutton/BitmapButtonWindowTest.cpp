// The bitmap button in a window: its text and tooltip, images, the enable
// override, drop-down and toggle clicks, the state exchange, hover with
// track look, transparent painting, the animation and the fit size.
#include "toolkit/foundation/OXBitmapButton.h"

#include "afx/DC.h"
#include "afx/DataExchange.h"
#include "afx/WinApp.h"
#include "tests/support/AviFile.h"
#include "tests/toolkit/bitmapbutton/TestResource.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {
const UINT ButtonId = 1001;

class CCountingButton : public COXBitmapButton
{
public:
    void OnDropDown() override { ++dropDowns; }
    int dropDowns = 0;
};

// Records the clicks and notifications the button sends; answers the
// drop-down notification as told.
class CButtonParent : public CTestFrame
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY) {
            UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
            if (code == OXBBN_DROPDOWN) {
                ++dropDownNotices;
                return dropDownAnswer;
            }
            if (code == OXBBN_TOGGLE)
                ++toggleNotices;
        }
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            ++clicks;
        return CTestFrame::WindowProc(message, wParam, lParam);
    }
    int clicks = 0;
    int dropDownNotices = 0;
    int toggleNotices = 0;
    LRESULT dropDownAnswer = 0;
};

class BitmapButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ReleaseModifierKeys();
        ASSERT_TRUE(parent.CreateFrame(CRect(100, 100, 500, 400)));
        ASSERT_TRUE(button.Create("Go\nStart it", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(20, 20, 140, 80), &parent, ButtonId));
    }
    void TearDown() override { parent.DestroyWindow(); }
    void Click()
    {
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    // The button painted into a memory DC; the pixel at a point of its item.
    COLORREF DrawnPixel(CPoint at, UINT itemState = 0)
    {
        CRect client;
        button.GetClientRect(&client);
        CClientDC screen(&button);
        CDC memory;
        memory.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
        CBitmap* old = memory.SelectObject(&bitmap);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = ButtonId;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = itemState;
        dis.hwndItem = button.GetSafeHwnd();
        dis.hDC = memory.GetSafeHdc();
        dis.rcItem = client;
        button.DrawItem(&dis);
        COLORREF pixel = memory.GetPixel(at.x, at.y);
        memory.SelectObject(old);
        return pixel;
    }
    // The middle of the image as the button lays it out at rest.
    CPoint ImageCentre()
    {
        CRect client, image, text;
        button.GetClientRect(&client);
        CClientDC dc(&button);
        CFont* old = dc.SelectObject(button.GetTextFont());
        button.CalcLayout(&dc, client, 0, image, text);
        dc.SelectObject(old);
        return image.CenterPoint();
    }

    CButtonParent parent;
    CCountingButton button;
};
} // namespace

TEST_F(BitmapButtonTest, WindowTextCarriesTextAndTip)
{
    EXPECT_STREQ("Go", button.GetText());
    EXPECT_STREQ("Start it", button.GetToolTipText());
    button.SetWindowText("a\nb");
    EXPECT_STREQ("a", button.GetText());
    EXPECT_STREQ("b", button.GetToolTipText());
    button.SetWindowText("alone");
    EXPECT_STREQ("", button.GetToolTipText());
    // An empty tip leaves the text alone; a text keeps the tip.
    button.SetToolTipText("");
    EXPECT_STREQ("alone", CString(button.GetText()));
    button.SetToolTipText("tip");
    button.SetText("new");
    CString all;
    button.GetWindowText(all);
    EXPECT_STREQ("new\ntip", all);
}

TEST_F(BitmapButtonTest, TooltipFollowsTheWindowText)
{
    ASSERT_TRUE(button.EnableButtonToolTip(TRUE));
    COXToolTipCtrl* tip = button.GetToolTip();
    ASSERT_NE(nullptr, tip);
    CString text;
    tip->GetText(text, &button, OXBB_TOOLID);
    EXPECT_STREQ("Start it", text);
    OXTOOLINFO info;
    ASSERT_TRUE(tip->GetToolInfo(info, &button, OXBB_TOOLID));
    EXPECT_EQ(CRect(0, 0, 120, 60), CRect(info.rect));

    button.SetToolTipText("Other tip");
    tip->GetText(text, &button, OXBB_TOOLID);
    EXPECT_STREQ("Other tip", text);
    // No tip: no tool.
    button.SetWindowText("Go");
    EXPECT_EQ(0, tip->GetToolCount());
    // A new size moves the tool with the client area.
    button.SetToolTipText("Sized");
    button.SetWindowPos(nullptr, 0, 0, 200, 70, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(tip->GetToolInfo(info, &button, OXBB_TOOLID));
    EXPECT_EQ(CRect(0, 0, 200, 70), CRect(info.rect));

    EXPECT_TRUE(button.EnableButtonToolTip(FALSE));
    EXPECT_EQ(nullptr, button.GetToolTip());
}

TEST_F(BitmapButtonTest, IconGivesThreeImagesAndItsPalette)
{
    EXPECT_EQ(CSize(0, 0), button.GetImageSize());
    ASSERT_TRUE(button.LoadIcon(IDI_TEST_RED, FALSE, 32, 32));
    EXPECT_EQ(3, button.GetImageCount());
    EXPECT_EQ(CSize(32, 32), button.GetImageSize());
    EXPECT_TRUE(button.GetPalette()->GetSafeHandle() != nullptr);
    // The normal image shows the icon's red; the inactive one is grey.
    EXPECT_EQ(RGB(255, 0, 0), DrawnPixel(ImageCentre()));
    button.SetTrackLook(TRUE);
    COLORREF inactive = DrawnPixel(ImageCentre());
    EXPECT_EQ(GetRValue(inactive), GetGValue(inactive));
    EXPECT_EQ(GetGValue(inactive), GetBValue(inactive));
    button.SetTrackLook(FALSE);

    // The replacing loaders need an image and a loadable resource.
    EXPECT_TRUE(button.LoadDisabledBitmap(IDB_TEST_BLUE));
    EXPECT_FALSE(button.LoadInactiveBitmap(4711));
    EXPECT_EQ(3, button.GetImageCount());
    // An icon that cannot be loaded leaves no images.
    EXPECT_FALSE(button.LoadIcon(4711));
    EXPECT_EQ(0, button.GetImageCount());
    EXPECT_FALSE(button.LoadDisabledBitmap(IDB_TEST_BLUE));

    ASSERT_TRUE(button.LoadIcon(IDI_TEST_RED, FALSE, 32, 32));
    button.RemoveImage();
    EXPECT_EQ(0, button.GetImageCount());
    EXPECT_EQ(CSize(0, 0), button.GetImageSize());
}

TEST_F(BitmapButtonTest, FitSizeAndSizeToContent)
{
    ASSERT_TRUE(button.LoadIcon(IDI_TEST_RED, TRUE, 32, 32));
    CRect rect;
    button.GetWindowRect(&rect);
    CSize fit = button.GetFitSize();
    EXPECT_EQ(fit, rect.Size());
    EXPECT_GE(fit.cy, 42);   // at least the image with its margins
    EXPECT_GE(fit.cx, 42 + 7);
    // Stacked, the same button is narrower and taller.
    button.ModifyStyle(0, BS_TOP);
    CSize stacked = button.GetFitSize();
    EXPECT_LT(stacked.cx, fit.cx);
    EXPECT_GT(stacked.cy, fit.cy);
    // A drop-down part adds its width.
    button.ModifyStyle(BS_TOP, 0);
    button.SetStyleFlags(OXBB_DROPDOWN);
    EXPECT_EQ(fit.cx + button.GetDropDownSize().cx, button.GetFitSize().cx);
    EXPECT_GT(button.GetDropDownArrowWidth(), 0);
}

TEST_F(BitmapButtonTest, EnableOverrideKeepsTheWindowEnabledButIgnoresTheMouse)
{
    ASSERT_TRUE(button.LoadIcon(IDI_TEST_RED, FALSE, 32, 32));
    ASSERT_TRUE(button.LoadDisabledBitmap(IDB_TEST_BLUE));
    button.SetEnableOverride(TRUE);
    EXPECT_TRUE(button.IsButtonEnabled());
    EXPECT_TRUE(button.EnableButton(FALSE));   // was enabled
    EXPECT_TRUE(button.IsWindowEnabled());
    EXPECT_FALSE(button.IsButtonEnabled());
    EXPECT_EQ(0u, button.GetStyle() & WS_TABSTOP);
    // The mouse still reaches the window, which ignores it.
    Click();
    EXPECT_EQ(0, parent.clicks);
    EXPECT_EQ(RGB(0, 0, 255), DrawnPixel(ImageCentre()));

    EXPECT_FALSE(button.EnableButton(TRUE));
    EXPECT_NE(0u, button.GetStyle() & WS_TABSTOP);
    Click();
    EXPECT_EQ(1, parent.clicks);

    // Off again: the window takes the stored state.
    button.EnableButton(FALSE);
    button.SetEnableOverride(FALSE);
    EXPECT_FALSE(button.IsWindowEnabled());
    EXPECT_NE(0u, button.GetStyle() & WS_TABSTOP);
}

TEST_F(BitmapButtonTest, DropDownAskedOfTheParentStillToggles)
{
    button.SetStyleFlags(OXBB_DROPDOWN);
    Click();
    EXPECT_EQ(1, parent.dropDownNotices);
    EXPECT_EQ(1, button.dropDowns);
    EXPECT_EQ(1, parent.clicks);
    EXPECT_EQ(0u, button.GetStateFlags());

    parent.dropDownAnswer = 1;
    Click();
    EXPECT_EQ(2, parent.dropDownNotices);
    EXPECT_EQ(1, button.dropDowns);
    EXPECT_EQ(2, parent.clicks);
    EXPECT_EQ(0u, button.GetStateFlags());
}

TEST_F(BitmapButtonTest, ToggleRunsThroughTheThirdState)
{
    button.SetStyleFlags(OXBB_TOGGLE | OXBB_THREESTATE);
    Click();
    EXPECT_EQ(OXBB_STATE_PUSHED, button.GetStateFlags());
    Click();
    EXPECT_EQ(OXBB_STATE_PUSHED | OXBB_STATE_THIRD, button.GetStateFlags());
    Click();
    EXPECT_EQ(0u, button.GetStateFlags());
    EXPECT_EQ(3, parent.toggleNotices);
    EXPECT_EQ(3, parent.clicks);
    // Double clicks act as two presses.
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(OXBB_STATE_PUSHED | OXBB_STATE_THIRD, button.GetStateFlags());
}

TEST_F(BitmapButtonTest, StateExchange)
{
    CDataExchange save(&parent, TRUE);
    CDataExchange load(&parent, FALSE);
    int state = 7;
    DDX_BitmapButtonState(&save, ButtonId, state);
    EXPECT_EQ(-1, state);   // not a toggle

    button.SetStyleFlags(OXBB_TOGGLE | OXBB_THREESTATE);
    DDX_BitmapButtonState(&save, ButtonId, state);
    EXPECT_EQ(0, state);
    state = 1;
    DDX_BitmapButtonState(&load, ButtonId, state);
    EXPECT_EQ(OXBB_STATE_PUSHED, button.GetStateFlags());
    DDX_BitmapButtonState(&save, ButtonId, state);
    EXPECT_EQ(1, state);
    state = 2;
    DDX_BitmapButtonState(&load, ButtonId, state);
    EXPECT_EQ(OXBB_STATE_PUSHED | OXBB_STATE_THIRD, button.GetStateFlags());
    DDX_BitmapButtonState(&save, ButtonId, state);
    EXPECT_EQ(2, state);
    state = 5;
    DDX_BitmapButtonState(&load, ButtonId, state);
    EXPECT_EQ(0, state);
    EXPECT_EQ(0u, button.GetStateFlags());
}

TEST_F(BitmapButtonTest, HoverFollowsTheMovedCursor)
{
    ASSERT_TRUE(button.SetTrackLook(TRUE));
    MoveCursorTo(button, CPoint(10, 10));
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(button.IsHovering());
    EXPECT_EQ(button.GetSafeHwnd(), ::GetCapture());

    MoveCursorTo(parent, CPoint(300, 250));
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(200, 200));
    EXPECT_FALSE(button.IsHovering());
    EXPECT_EQ(nullptr, ::GetCapture());

    // A click releases the capture; the button looks again where the cursor is.
    MoveCursorTo(button, CPoint(10, 10));
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    Click();
    EXPECT_TRUE(PumpUntil([this] { return button.IsHovering() && ::GetCapture() == button.GetSafeHwnd(); }, 1000));
    ::ReleaseCapture();
}

TEST_F(BitmapButtonTest, TransparentButtonPaintsOverTheParentsBackground)
{
    button.SetWindowText("");
    button.SetTransparent(TRUE);
    // The parent shows magenta where the button stands.
    {
        CClientDC dc(&parent);
        dc.FillSolidRect(CRect(0, 0, 400, 300), RGB(255, 0, 255));
    }
    {
        CClientDC dc(&button);
        button.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
    }
    EXPECT_EQ(RGB(255, 0, 255), DrawnPixel(CPoint(60, 30)));
    // Without the mode the face is the system's.
    button.SetTransparent(FALSE);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), DrawnPixel(CPoint(60, 30)));
}

TEST_F(BitmapButtonTest, AnimationTakesTheImagesPlace)
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    CString path = CString(folder) + "lexifern_button_clip.avi";
    ASSERT_TRUE(WriteSolidAvi(path, 16, 12, RGB(0, 128, 0)));
    ASSERT_TRUE(button.LoadIcon(IDI_TEST_RED, FALSE, 32, 32));
    EXPECT_FALSE(button.LoadAnimation("no such clip.avi"));
    ASSERT_TRUE(button.LoadAnimation(path));
    EXPECT_EQ(0, button.GetImageCount());
    EXPECT_EQ(CSize(17, 13), button.GetImageSize());
    // Painting moves the clip to the image's place.
    button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CRect clip;
    button.GetAnimation()->GetWindowRect(&clip);
    button.ScreenToClient(&clip);
    CPoint centre = ImageCentre();
    EXPECT_TRUE(CRect(clip.left - 1, clip.top - 1, clip.right + 1, clip.bottom + 1).PtInRect(centre));
    // A new icon closes the clip.
    ASSERT_TRUE(button.LoadIcon(IDI_TEST_RED, FALSE, 32, 32));
    EXPECT_EQ(nullptr, button.GetAnimation()->GetSafeHwnd());
    ::DeleteFileA(path);
}

TEST_F(BitmapButtonTest, TextFontIsTheButtonsOwnCopy)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Tahoma"));
    button.SetTextFont(&font);
    LOGFONTA mine = {}, given = {};
    button.GetTextFont()->GetLogFont(&mine);
    font.GetLogFont(&given);
    EXPECT_EQ(given.lfHeight, mine.lfHeight);
    EXPECT_STREQ(given.lfFaceName, mine.lfFaceName);
    EXPECT_NE(font.GetSafeHandle(), button.GetTextFont()->GetSafeHandle());
    // Cursors come from resources; an unknown id is refused, 0 clears.
    EXPECT_FALSE(button.SetButtonCursor(4711));
    EXPECT_TRUE(button.SetButtonCursor(0));
}
