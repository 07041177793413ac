// The extended status bar in a frame: progress panes and their percentages,
// the per-pane extras kept to the pane count, owner drawing by text colour,
// the double-click notification, tips, bitmap placement and the painters of
// the three looks read back from a memory DC.
#include "toolkit/bars/statusbar/OXStatusBar.h"

#include "afx/AfxRes.h"
#include "afx/FrameWnd.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/PixelDC.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"
#include "toolkit/bars/skins/OXSkin2003.h"
#include "toolkit/bars/statusbar/OXStatusbarSkin.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
class CRecordingFrame : public CFrameWnd
{
public:
    std::vector<WPARAM> dblclks;

protected:
    LRESULT OnPaneDblClk(WPARAM wParam, LPARAM)
    {
        dblclks.push_back(wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingFrame, CFrameWnd)
    ON_MESSAGE(WM_OX_STATUSBAR_DBLCLK, &CRecordingFrame::OnPaneDblClk)
END_MESSAGE_MAP()

const UINT kIndicators[] = {ID_SEPARATOR, 2101, 2102, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

int ProgressChildren(const CWnd& bar)
{
    int count = 0;
    for (HWND child = ::GetWindow(bar.GetSafeHwnd(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT))
    {
        char name[64] = {};
        ::GetClassNameA(child, name, sizeof name);
        count += lstrcmpiA(name, "msctls_progress32") == 0;
    }
    return count;
}

class StatusBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        frame = new CRecordingFrame;
        ASSERT_TRUE(frame->Create(nullptr, "status bar test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(40, 40, 640, 300)));
        ASSERT_TRUE(bar.Create(frame));
        bar.SetIndicators(kIndicators, 5);
        for (int i = 1; i < 5; ++i)
            bar.SetPaneInfo(i, kIndicators[i], SBPS_NORMAL, 60);
        bar.SetPaneStyle(2, SBPS_PROGRESS);
        frame->RecalcLayout();
    }
    void TearDown() override
    {
        bar.DestroyWindow();
        frame->DestroyWindow();
    }

    CRecordingFrame* frame = nullptr;
    COXStatusBar bar;
};

TEST(StatusBarPercent, IsTruncatedAndBounded)
{
    EXPECT_EQ(COXStatusBar::Percent(0, 0), 0);
    EXPECT_EQ(COXStatusBar::Percent(200, 50), 25);
    EXPECT_EQ(COXStatusBar::Percent(3, 2), 66);
    EXPECT_EQ(COXStatusBar::Percent(200000000, 100000000), 50);
    EXPECT_EQ(COXStatusBar::Percent(0xFFFFFFFF, 0xFFFFFFFF), 100);
    EXPECT_EQ(COXStatusBar::Percent(10, 30), 100);
}

TEST_F(StatusBarTest, ProgressPaneShowsThePercentage)
{
    ASSERT_TRUE(bar.SetUpBar(2, TRUE));
    COXStatusBar::CEvolInfo* pInfo = bar.GetPaneProgress(2);
    ASSERT_NE(pInfo, nullptr);
    ASSERT_TRUE(pInfo->m_bCreated);
    EXPECT_EQ(ProgressChildren(bar), 1);
    struct Case
    {
        DWORD total, done;
        const char* text;
    } cases[] = {{0, 0, "0%"}, {200, 50, "25%"}, {3, 2, "66%"}, {200000000, 100000000, "50%"}};
    for (const Case& c : cases)
    {
        bar.SetBarProgress(2, c.total, c.done);
        EXPECT_STREQ(bar.GetPaneText(2), c.text) << c.total << " " << c.done;
    }
    // A total beyond the control's int range is scaled with the position.
    bar.SetBarProgress(2, 0xFFFFFFFF, 0x80000000);
    PBRANGE range = {};
    pInfo->m_progress.SendMessage(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_GT(range.iHigh, 0);
    int pos = static_cast<int>(pInfo->m_progress.SendMessage(PBM_GETPOS));
    EXPECT_NEAR(pos * 2.0, range.iHigh, 4.0);
    EXPECT_STREQ(bar.GetPaneText(2), "50%");

    bar.ResetBar(2);
    EXPECT_STREQ(bar.GetPaneText(2), "0%");
    bar.ResetBar(2, TRUE);
    EXPECT_EQ(bar.GetPaneProgress(2), nullptr);
    EXPECT_EQ(ProgressChildren(bar), 0);
    EXPECT_STREQ(bar.GetPaneText(2), "");
}

TEST_F(StatusBarTest, FewerIndicatorsDropTheSurplusExtras)
{
    ASSERT_TRUE(bar.SetUpBar(2, TRUE));
    ASSERT_TRUE(bar.SetUpBar(4, FALSE));
    bar.SetPaneTip(1, "first tip");
    EXPECT_EQ(ProgressChildren(bar), 2);
    bar.SetIndicators(kIndicators, 3);
    EXPECT_EQ(ProgressChildren(bar), 0);
    EXPECT_EQ(bar.GetPaneProgress(2), nullptr);
    EXPECT_STREQ(bar.GetPaneTip(1), "first tip");
    // A stale index is refused, not read past the panes.
    EXPECT_ANY_THROW(bar.GetPaneProgress(4));
    EXPECT_ANY_THROW(bar.SetBarProgress(3, 10, 5));
}

TEST_F(StatusBarTest, TextColourSwitchesOwnerDrawing)
{
    EXPECT_EQ(bar.GetPaneStyle(0) & SBPS_OWNERDRAW, 0u);
    EXPECT_TRUE(bar.SetPaneText(0, "red", RGB(255, 0, 0)));
    EXPECT_NE(bar.GetPaneStyle(0) & SBPS_OWNERDRAW, 0u);
    EXPECT_EQ(bar.GetPaneTextColor(0), RGB(255, 0, 0));
    EXPECT_TRUE(bar.SetPaneText(0, "plain", ::GetSysColor(COLOR_BTNTEXT)));
    EXPECT_EQ(bar.GetPaneStyle(0) & SBPS_OWNERDRAW, 0u);

    CFont font;
    font.CreatePointFont(90, "Tahoma");
    EXPECT_TRUE(bar.SetPaneFont(1, &font));
    EXPECT_NE(bar.GetPaneFont(1), nullptr);
    EXPECT_NE(bar.GetPaneStyle(1) & SBPS_OWNERDRAW, 0u);
    EXPECT_TRUE(bar.SetPaneFont(1, nullptr));
    EXPECT_EQ(bar.GetPaneStyle(1) & SBPS_OWNERDRAW, 0u);
}

TEST_F(StatusBarTest, DoubleClickTellsTheParentThePaneId)
{
    CRect item;
    bar.GetItemRect(1, &item);
    bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(item.CenterPoint().x, item.CenterPoint().y));
    ASSERT_EQ(frame->dblclks.size(), 1u);
    EXPECT_EQ(frame->dblclks[0], 2101u);
}

TEST_F(StatusBarTest, ToolHitTestGivesThePaneTip)
{
    bar.SetPaneTip(3, "Caps Lock");
    CRect item;
    bar.GetItemRect(3, &item);
    ::GetAsyncKeyState(VK_LBUTTON);
    TOOLINFO info = {};
    info.cbSize = sizeof info;
    EXPECT_EQ(bar.OnToolHitTest(item.CenterPoint(), &info), static_cast<INT_PTR>(ID_INDICATOR_CAPS));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, "Caps Lock");
    free(info.lpszText);
    EXPECT_EQ(bar.OnToolHitTest(CPoint(-5, -5), nullptr), -1);

    // No tip while the left button is held down.
    CRect screen(item);
    bar.ClientToScreen(&screen);
    SetCursorAt(screen.CenterPoint());
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    ::SendInput(1, &input, sizeof input);
    PumpUntil([] { return ::GetAsyncKeyState(VK_LBUTTON) < 0; }, 1000);
    EXPECT_EQ(bar.OnToolHitTest(item.CenterPoint(), nullptr), -1);
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &input, sizeof input);
    PumpFor(100);
    ::GetAsyncKeyState(VK_LBUTTON);
}

TEST_F(StatusBarTest, BitmapModesPlaceAndCropABitmapLargerThanItsPane)
{
    CRect inside;
    ASSERT_TRUE(bar.GetPaneInsideRect(1, &inside, FALSE));
    auto* pInfo = new COXStatusBar::CBmpInfo;
    const int W = inside.Width() * 2;
    const int H = inside.Height() * 2;
    // Left half red, right half blue, a white (transparent) top row.
    CPixelDC source(W, H, RGB(255, 0, 0));
    source.dc().FillSolidRect(W / 2, 0, W - W / 2, H, RGB(0, 0, 255));
    source.dc().FillSolidRect(0, 0, W, 1, RGB(255, 255, 255));
    pInfo->m_pBitmap = new CBitmap;
    pInfo->m_pBitmap->CreateCompatibleBitmap(&source.dc(), W, H);
    {
        CDC copy;
        copy.CreateCompatibleDC(&source.dc());
        CSelectGuard select(copy, *pInfo->m_pBitmap);
        copy.BitBlt(0, 0, W, H, &source.dc(), 0, 0, SRCCOPY);
    }
    pInfo->m_nWidth = W;
    pInfo->m_nHeight = H;
    pInfo->m_crTransparent = RGB(255, 255, 255);
    bar.m_arrBmpInfo[1] = pInfo;

    CRect client;
    bar.GetClientRect(&client);
    int right = inside.right - 2;
    int y = inside.top + inside.Height() / 2;
    for (int mode = 1; mode <= 7; ++mode)
    {
        pInfo->m_nAlignment = mode;
        CPixelDC target(client.Width(), client.Height(), RGB(0, 255, 0));
        bar.DrawPaneBitmap(&target.dc(), 1, SBPS_NORMAL);
        EXPECT_EQ(target.Pixel(inside.left + 1, y), RGB(255, 0, 0)) << mode;
        // Scaled modes show the blue half at the pane's right; cropped modes the red left part only.
        COLORREF expected = mode >= 5 ? RGB(255, 0, 0) : RGB(0, 0, 255);
        EXPECT_EQ(target.Pixel(right, y), expected) << mode;
        EXPECT_EQ(target.Pixel(inside.left - 2, y), RGB(0, 255, 0)) << mode;
        // Cropped: the transparent top row shows the background.
        if (mode >= 5)
        {
            EXPECT_EQ(target.Pixel(inside.left + 1, inside.top), RGB(0, 255, 0)) << mode;
        }
    }
    // A disabled pane shows no bitmap.
    CPixelDC disabled(client.Width(), client.Height(), RGB(0, 255, 0));
    bar.DrawPaneBitmap(&disabled.dc(), 1, SBPS_DISABLED);
    EXPECT_EQ(disabled.Pixel(inside.left + 1, y), RGB(0, 255, 0));
}

TEST_F(StatusBarTest, LookPaintersAtKnownPixels)
{
    CRect client;
    bar.GetClientRect(&client);
    bar.SetPaneText(3, "CAP");
    CRect caps;
    bar.GetItemRect(3, &caps);
    auto countColor = [&](CPixelDC& pixels, COLORREF color) {
        int n = 0;
        for (int y = caps.top; y < caps.bottom; ++y)
            for (int x = caps.left; x < caps.right; ++x)
                n += pixels.Pixel(x, y) == color;
        return n;
    };
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);

    COXSkinXP xp;
    COXStatusbarSkin* pXp = xp.GetStatusbarSkin();
    for (BYTE toggle : {1, 0})
    {
        keys[VK_CAPITAL] = toggle;
        ::SetKeyboardState(keys);
        CPixelDC pixels(client.Width(), client.Height(), RGB(0, 255, 0));
        pXp->DrawPanes(&pixels.dc(), &bar);
        pXp->DrawPaneBorders(&pixels.dc(), &bar);
        EXPECT_EQ(pixels.Pixel(caps.left, caps.top + 3),
                  COXSkinXP::AddToColor(::GetSysColor(COLOR_BTNFACE), 17, 12, 16));
        COLORREF on = ::GetSysColor(COLOR_BTNTEXT);
        COLORREF off = xp.GetGrayTextColor();
        EXPECT_GT(countColor(pixels, toggle ? on : off), 3) << int(toggle);
        EXPECT_EQ(countColor(pixels, toggle ? off : on), 0) << int(toggle);
    }

    COXSkin2003 office2003;
    COXStatusbarSkin* p2003 = office2003.GetStatusbarSkin();
    CPixelDC bands(client.Width(), client.Height(), RGB(0, 255, 0));
    p2003->DrawPanes(&bands.dc(), &bar);
    p2003->DrawPaneBorders(&bands.dc(), &bar);
    EXPECT_EQ(bands.Pixel(2, 0), office2003.GetStatusbarTopColor());
    EXPECT_EQ(bands.Pixel(2, client.Height() / 2), office2003.GetStatusbarFaceColor());
    CRect first;
    bar.GetItemRect(1, &first);
    EXPECT_EQ(bands.Pixel(first.right, first.top + first.Height() / 2), office2003.GetSeparatorColor());
    EXPECT_EQ(bands.Pixel(first.right + 1, first.top + first.Height() / 2), RGB(255, 255, 255));
}

TEST_F(StatusBarTest, GripperOnlyInASizableRestoredFrame)
{
    CRect client;
    bar.GetClientRect(&client);
    COXSkin2003 office2003;
    COXSkinXP xp;
    for (COXStatusbarSkin* pSkin : {xp.GetStatusbarSkin(), office2003.GetStatusbarSkin()})
    {
        CPixelDC sizable(client.Width(), client.Height(), RGB(0, 255, 0));
        pSkin->DrawGripper(&sizable.dc(), &bar);
        EXPECT_NE(sizable.Pixel(client.right - 4, client.top + client.Height() / 2), RGB(0, 255, 0));
    }
    frame->ShowWindow(SW_MAXIMIZE);
    for (COXStatusbarSkin* pSkin : {xp.GetStatusbarSkin(), office2003.GetStatusbarSkin()})
    {
        CPixelDC maximized(client.Width(), client.Height(), RGB(0, 255, 0));
        pSkin->DrawGripper(&maximized.dc(), &bar);
        EXPECT_EQ(maximized.Pixel(client.right - 4, client.top + client.Height() / 2), RGB(0, 255, 0));
    }
}
}
