// The caption painter on real top-level windows: the rendered bitmap and its
// bands, icon and button margins, the cache, the text timer, the stored
// state, animation around minimizing, and the organizer's hooks.
#include "toolkit/lists/painters/OXCaptionPainterOrganizer.h"

#include "afx/DC.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {
const char Profile[] = "CaptionPainterTest";

// Records the animation switches instead of making them.
class CAnimationWatch : public COXCaptionPainter
{
public:
    BOOL animate = TRUE;
    std::vector<BOOL> switches;

protected:
    BOOL GetMinAnimate() override { return animate; }
    void SetMinAnimate(BOOL bOn) override
    {
        switches.push_back(bOn);
        animate = bOn;
    }
};

class CaptionPainterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        AfxGetApp()->SetRegistryKey("LexifernTests");
    }
    void TearDown() override
    {
        for (CWnd* wnd : windows)
            if (::IsWindow(wnd->GetSafeHwnd()))
                wnd->DestroyWindow();
        for (CWnd* wnd : windows)
            delete wnd;
        if (HKEY key = AfxGetApp()->GetSectionKey("")) {
            ::RegDeleteKeyA(key, Profile);
            ::RegCloseKey(key);
        }
    }

    CWnd* Window(DWORD style, DWORD exStyle = 0, const CRect& rect = CRect(100, 100, 500, 300))
    {
        auto* wnd = new CWnd;
        windows.push_back(wnd);
        EXPECT_TRUE(wnd->CreateEx(exStyle, AfxRegisterWndClass(0), "Caption text", style | WS_VISIBLE, rect,
                                  nullptr, 0));
        return wnd;
    }

    // The red component along the middle row of a rendered caption.
    static std::vector<int> Reds(CBitmap* bitmap, CSize size)
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap* old = dc.SelectObject(bitmap);
        std::vector<int> reds;
        for (int x = 0; x < size.cx; ++x)
            reds.push_back(GetRValue(dc.GetPixel(x, size.cy / 2)));
        dc.SelectObject(old);
        return reds;
    }

    std::vector<CWnd*> windows;
};
} // namespace

TEST(CaptionRectTest, ToolWindowsUseTheSmallCaption)
{
    const CRect normal = OXCaptionRect(WS_OVERLAPPEDWINDOW, 0, FALSE, 400);
    EXPECT_EQ(::GetSystemMetrics(SM_CXFRAME), normal.left);
    EXPECT_EQ(400 - ::GetSystemMetrics(SM_CXFRAME), normal.right);
    EXPECT_EQ(::GetSystemMetrics(SM_CYCAPTION) - ::GetSystemMetrics(SM_CYBORDER), normal.Height());
    const CRect tool = OXCaptionRect(WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, FALSE, 400);
    EXPECT_EQ(::GetSystemMetrics(SM_CXDLGFRAME), tool.left);
    EXPECT_EQ(::GetSystemMetrics(SM_CYSMCAPTION) - ::GetSystemMetrics(SM_CYBORDER), tool.Height());
    const CRect iconic = OXCaptionRect(WS_OVERLAPPEDWINDOW, 0, TRUE, 400);
    EXPECT_EQ(normal.left - 1, iconic.left);
    EXPECT_EQ(normal.top - 1, iconic.top);
}

TEST_F(CaptionPainterTest, RendersTheActiveGradientAndRefusesWindowsWithoutCaption)
{
    COXCaptionPainter refused;
    EXPECT_FALSE(refused.Attach(Window(WS_POPUP | WS_BORDER)));

    CWnd* wnd = Window(WS_OVERLAPPEDWINDOW);
    COXCaptionPainter painter;
    ASSERT_TRUE(painter.Attach(wnd));
    COXCaptionInfo red;
    red.m_clrBackground = RGB(255, 0, 0);
    red.m_nGradientAlgorithm = GradientLinear;
    painter.SetCaptionInfo(&red, TRUE);
    painter.ResetCaption();
    painter.RedrawCaption();
    CBitmap* bitmap = painter.GetCaptionBitmap(TRUE);
    ASSERT_NE(nullptr, bitmap);
    EXPECT_EQ(nullptr, painter.GetCaptionBitmap(FALSE));
    const CSize size = painter.GetCachedSize();
    const std::vector<int> reds = Reds(bitmap, size);
    // From black at the left to the full colour at the right, below the
    // buttons and text only at the right end and middle.
    EXPECT_LT(reds[::GetSystemMetrics(SM_CXSIZE) + 4], 40);
    EXPECT_GT(reds[size.cx / 2], 90);
    EXPECT_LT(reds[size.cx / 2], 170);
    EXPECT_EQ("Caption text", painter.GetLastText());

    // A resize drops both rendered captions.
    painter.SetCaptionInfo(&red, FALSE);
    wnd->SendMessage(WM_NCACTIVATE, FALSE);
    painter.RedrawCaption();
    ASSERT_NE(nullptr, painter.GetCaptionBitmap(FALSE));
    wnd->SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    painter.RedrawCaption();
    EXPECT_EQ(300 - 2 * ::GetSystemMetrics(SM_CXFRAME), painter.GetCachedSize().cx);
    EXPECT_EQ(nullptr, painter.GetCaptionBitmap(TRUE));
    painter.Detach();
}

// Margins of icon and buttons by style.
class CMarginProbe : public COXCaptionPainter
{
public:
    int Icon()
    {
        CClientDC dc(nullptr);
        const CSize size(300, 20);
        return DrawCaptionIcon(&dc, &GetCaptionInfo(TRUE), &size);
    }
    int Buttons()
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        CClientDC screen(nullptr);
        bitmap.CreateCompatibleBitmap(&screen, 300, 20);
        CBitmap* old = dc.SelectObject(&bitmap);
        const CSize size(300, 20);
        const int used = DrawButtons(&dc, &GetCaptionInfo(TRUE), &size);
        dc.SelectObject(old);
        return used;
    }
};

TEST_F(CaptionPainterTest, ButtonsAndIconFollowTheStyle)
{
    const int bw = ::GetSystemMetrics(SM_CXSIZE);
    CMarginProbe noMenu;
    ASSERT_TRUE(noMenu.Attach(Window(WS_CAPTION)));
    EXPECT_EQ(2, noMenu.Icon());
    EXPECT_EQ(0, noMenu.Buttons());
    noMenu.Detach();

    CMarginProbe minOnly;
    ASSERT_TRUE(minOnly.Attach(Window(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)));
    EXPECT_EQ(3 * bw, minOnly.Buttons());   // close, an inactive maximize and minimize
    minOnly.Detach();

    CMarginProbe closeOnly;
    ASSERT_TRUE(closeOnly.Attach(Window(WS_CAPTION | WS_SYSMENU)));
    EXPECT_EQ(bw, closeOnly.Buttons());
    closeOnly.Detach();

    CMarginProbe help;
    ASSERT_TRUE(help.Attach(Window(WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP)));
    EXPECT_EQ(2 * bw, help.Buttons());
    help.Detach();

    CMarginProbe tool;
    ASSERT_TRUE(tool.Attach(Window(WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW)));
    EXPECT_EQ(::GetSystemMetrics(SM_CXSMSIZE), tool.Buttons());
    tool.Detach();
}

TEST_F(CaptionPainterTest, TextChangedBehindTheHookIsRedrawnByTheTimer)
{
    CWnd* wnd = Window(WS_OVERLAPPEDWINDOW);
    COXCaptionPainter painter;
    ASSERT_TRUE(painter.Attach(wnd));
    painter.RedrawCaption();
    ASSERT_EQ("Caption text", painter.GetLastText());
    ::DefWindowProcA(wnd->m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Changed"));
    EXPECT_TRUE(PumpUntil([&] { return painter.GetLastText() == "Changed"; }, 400));
    painter.Detach();
}

TEST_F(CaptionPainterTest, StateRoundTripAndAnEmptyInactiveValueKeepsItsSettings)
{
    CWnd* wnd = Window(WS_OVERLAPPEDWINDOW);
    COXCaptionPainter painter;
    ASSERT_TRUE(painter.Attach(wnd));
    painter.GetCaptionInfo(TRUE).m_clrBackground = RGB(1, 2, 3);
    painter.GetCaptionInfo(FALSE).m_nNumberShade = 9;
    ASSERT_TRUE(painter.SaveState(Profile));

    COXCaptionPainter other;
    ASSERT_TRUE(other.Attach(Window(WS_OVERLAPPEDWINDOW)));
    ASSERT_TRUE(other.LoadState(Profile, FALSE));
    EXPECT_EQ(RGB(1, 2, 3), other.GetCaptionInfo(TRUE).m_clrBackground);
    EXPECT_EQ(9, other.GetCaptionInfo(FALSE).m_nNumberShade);

    // An empty "Inactive" value: only the active settings change.
    HKEY key = AfxGetApp()->GetSectionKey("");
    ASSERT_TRUE(key != nullptr);
    HKEY sub = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(key, Profile, 0, KEY_WRITE, &sub));
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(sub, "Inactive", 0, REG_BINARY, nullptr, 0));
    ::RegCloseKey(sub);
    ::RegCloseKey(key);
    other.GetCaptionInfo(FALSE).m_nNumberShade = 5;
    other.GetCaptionInfo(TRUE).m_clrBackground = RGB(9, 9, 9);
    ASSERT_TRUE(other.LoadState(Profile, TRUE));
    EXPECT_EQ(RGB(1, 2, 3), other.GetCaptionInfo(TRUE).m_clrBackground);
    EXPECT_EQ(5, other.GetCaptionInfo(FALSE).m_nNumberShade);
    painter.Detach();
    other.Detach();
}

TEST_F(CaptionPainterTest, MinimizeAndMdiCommandsRunWithAnimationOff)
{
    CWnd* wnd = Window(WS_OVERLAPPEDWINDOW);
    CAnimationWatch painter;
    ASSERT_TRUE(painter.Attach(wnd));
    wnd->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(wnd->IsIconic());
    EXPECT_EQ((std::vector<BOOL>{FALSE, TRUE}), painter.switches);
    wnd->SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    wnd->SendMessage(WM_COMMAND, 0xE132);
    EXPECT_EQ(6u, painter.switches.size());
    painter.animate = FALSE;
    wnd->SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE);
    EXPECT_EQ(6u, painter.switches.size());   // already off: left alone
    painter.Detach();
}

TEST_F(CaptionPainterTest, OrganizerGivesANewWindowTheFirstPaintersSettings)
{
    CWnd* first = Window(WS_OVERLAPPEDWINDOW);
    COXCaptionPainterOrganizer organizer;
    ASSERT_TRUE(organizer.AttachOrganizer(::GetCurrentThreadId()));
    EXPECT_FALSE(COXCaptionPainterOrganizer().AttachOrganizer(::GetCurrentThreadId()));
    ASSERT_TRUE(organizer.IsAttached(first));
    COXCaptionInfo green;
    green.m_clrBackground = RGB(0, 160, 0);
    ASSERT_TRUE(organizer.SetCaptionInfo(nullptr, &green, TRUE, FALSE));

    CWnd* later = Window(WS_OVERLAPPEDWINDOW, 0, CRect(150, 150, 450, 300));
    ASSERT_TRUE(PumpUntil([&] { return organizer.IsAttached(later) != FALSE; }));
    EXPECT_EQ(RGB(0, 160, 0), organizer.GetPainter(later)->GetCaptionInfo(TRUE).m_clrBackground);
    EXPECT_FALSE(organizer.IsAttached(Window(WS_POPUP)));

    later->DestroyWindow();
    EXPECT_FALSE(organizer.IsAttached(later));
    EXPECT_TRUE(organizer.DetachOrganizer(TRUE));
    EXPECT_FALSE(organizer.DetachOrganizer(TRUE));
    EXPECT_FALSE(organizer.IsAttached(first));
}
