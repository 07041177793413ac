// The chevron rebar and the status-bar progress bar in a real frame: band
// styles and sizes, the drop-down of the buttons a narrow band hides, and
// the progress bar placed in its pane, shown by SetPos and cleared away.
#include "controls/bars/ChevBar.h"
#include "controls/bars/ProgressBar.h"

#include "afx/FrameWnd.h"
#include "afx/StatusBar.h"
#include "afx/ToolBar.h"
#include "afx/WinApp.h"

#include <gtest/gtest.h>

#include <algorithm>

static CWinApp theApp("Bars Test");

namespace {

const UINT kButtons[] = {0x8001, 0x8002, ID_SEPARATOR, 0x8003, 0x8004, 0x8005, 0x8006, 0x8007, 0x8008,
                         ID_SEPARATOR, 0x8009, 0x800A, 0x800B};
const int kButtonCount = 11;   // without the separators

class BarFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "Bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300)));
        theApp.m_pMainWnd = m_frame;
    }
    void TearDown() override
    {
        theApp.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();   // the frame deletes itself
    }

    // A toolbar of 11 buttons (and two separators), 23 pixels each.
    void MakeToolBar(CToolBar& toolBar)
    {
        ASSERT_TRUE(toolBar.CreateEx(m_frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
        ASSERT_TRUE(toolBar.SetButtons(kButtons, static_cast<int>(sizeof(kButtons) / sizeof(kButtons[0]))));
    }

    CFrameWnd* m_frame = nullptr;
};

REBARBANDINFOA BandInfo(CReBar& bar, int band)
{
    REBARBANDINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_STYLE | RBBIM_ID | RBBIM_IDEALSIZE | RBBIM_CHILD | RBBIM_CHILDSIZE;
    bar.SendMessage(RB_GETBANDINFOA, static_cast<WPARAM>(band), reinterpret_cast<LPARAM>(&info));
    return info;
}

TEST_F(BarFrame, ToolbarBandsGetTheChevronAndTheirFullWidthAsIdeal)
{
    CChevBar bar;
    ASSERT_TRUE(bar.Create(m_frame));
    CToolBar toolBar;
    MakeToolBar(toolBar);
    ASSERT_TRUE(bar.AddBar(&toolBar, 0, nullptr, RBBS_USECHEVRON));
    REBARBANDINFOA info = BandInfo(bar, 0);
    EXPECT_TRUE(info.fStyle & RBBS_USECHEVRON);
    EXPECT_EQ(0u, info.wID);
    SIZE full = {};
    toolBar.SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&full));
    EXPECT_EQ(static_cast<UINT>(full.cx), info.cxIdeal);
    EXPECT_EQ(static_cast<UINT>(full.cy), info.cyMinChild);
    EXPECT_EQ(0u, info.cxMinChild);

    // Id -1 and a child that is not a toolbar get no chevron.
    CToolBar second;
    MakeToolBar(second);
    ASSERT_TRUE(bar.AddBar(&second, static_cast<UINT>(-1), nullptr, RBBS_USECHEVRON));
    EXPECT_FALSE(BandInfo(bar, 1).fStyle & RBBS_USECHEVRON);
    CWnd edit;
    ASSERT_TRUE(edit.Create("EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), m_frame, 300));
    ASSERT_TRUE(bar.AddBar(&edit, 7, nullptr, RBBS_USECHEVRON));
    EXPECT_FALSE(BandInfo(bar, 2).fStyle & RBBS_USECHEVRON);
}

TEST_F(BarFrame, DropDownHoldsTheButtonsANarrowBandHides)
{
    CToolBar toolBar;
    MakeToolBar(toolBar);
    CRect first, fourth;
    toolBar.GetToolBarCtrl().SendMessage(TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    ASSERT_GT(first.Width(), 0);

    // Everything visible: no popup, nothing copied.
    SIZE full = {};
    toolBar.SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&full));
    CChevDrop drop;
    EXPECT_TRUE(CChevDrop::HiddenButtons(toolBar.m_hWnd, CRect(0, 0, full.cx, full.cy)).empty());
    EXPECT_FALSE(drop.ShowPopup(m_frame, &toolBar, CRect(0, 0, full.cx, full.cy), CPoint(10, 10)));

    // Room for the first two buttons and half the third: nine drop down, in 3 rows.
    toolBar.SendMessage(TB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&fourth));
    const CRect visible(0, 0, fourth.left + fourth.Width() / 2, first.bottom);
    const std::vector<TBBUTTON> hidden = CChevDrop::HiddenButtons(toolBar.m_hWnd, visible);
    ASSERT_EQ(static_cast<size_t>(kButtonCount - 2), hidden.size());
    EXPECT_EQ(0x8003, hidden.front().idCommand);   // the half-visible one drops down too
    EXPECT_TRUE(std::none_of(hidden.begin(), hidden.end(), [](const TBBUTTON& b) { return (b.fsStyle & BTNS_SEP) != 0; }));

    ASSERT_TRUE(drop.ShowPopup(m_frame, &toolBar, visible, CPoint(20, 40)));
    EXPECT_TRUE(drop.IsWindowVisible());
    EXPECT_EQ(kButtonCount - 2, drop.GetDropToolBar().GetButtonCount());
    CRect where;
    drop.GetWindowRect(&where);
    EXPECT_EQ(CPoint(20, 40), where.TopLeft());

    // Escape hides it again.
    drop.SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(drop.IsWindowVisible());

    // A popup near the screen's corner is pulled back onto it.
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    ASSERT_TRUE(drop.ShowPopup(m_frame, &toolBar, visible, CPoint(cx - 5, cy - 5)));
    drop.GetWindowRect(&where);
    EXPECT_EQ(cx, where.right);
    EXPECT_EQ(cy, where.bottom);
}

TEST_F(BarFrame, ChevronPressDropsDownBelowTheChevron)
{
    CChevBar bar;
    ASSERT_TRUE(bar.Create(m_frame));
    CToolBar toolBar;
    MakeToolBar(toolBar);
    ASSERT_TRUE(bar.AddBar(&toolBar, 0, nullptr, RBBS_USECHEVRON));
    // A frame narrower than the toolbar: the band cannot show every button.
    m_frame->MoveWindow(0, 0, 140, 200);
    m_frame->RecalcLayout();

    // The rebar says its chevron was pressed, at the band's right end.
    CRect band;
    bar.SendMessage(RB_GETRECT, 0, reinterpret_cast<LPARAM>(&band));
    NMREBARCHEVRON nm = {};
    nm.hdr.hwndFrom = bar.m_hWnd;
    nm.hdr.idFrom = AFX_IDW_REBAR;
    nm.hdr.code = RBN_CHEVRONPUSHED;
    nm.uBand = 0;
    nm.rc = CRect(band.right - 14, band.top, band.right, band.bottom);
    m_frame->SendMessage(WM_NOTIFY, AFX_IDW_REBAR, reinterpret_cast<LPARAM>(&nm));

    ASSERT_NE(nullptr, bar.GetDropDown());
    EXPECT_TRUE(bar.GetDropDown()->IsWindowVisible());
    EXPECT_GT(bar.GetDropDown()->GetDropToolBar().GetButtonCount(), 0);
    CPoint corner(nm.rc.left, nm.rc.bottom);
    bar.ClientToScreen(&corner);
    CRect where;
    bar.GetDropDown()->GetWindowRect(&where);
    EXPECT_EQ(corner, where.TopLeft());
}

TEST_F(BarFrame, ProgressBarSitsInItsPaneAndShowsOnSetPos)
{
    CStatusBar status;
    ASSERT_TRUE(status.Create(m_frame));
    const UINT panes[] = {ID_SEPARATOR, ID_SEPARATOR};
    ASSERT_TRUE(status.SetIndicators(panes, 2));
    status.SetPaneInfo(1, ID_SEPARATOR, 0, 200);
    status.SetPaneText(1, "before");
    m_frame->RecalcLayout();

    CProgressBar none;
    theApp.m_pMainWnd = nullptr;
    EXPECT_FALSE(none.Create("x", 50, 100, FALSE, 1));   // no frame, no status bar
    theApp.m_pMainWnd = m_frame;

    CProgressBar progress("", 50, 100, FALSE, 1);
    ASSERT_TRUE(progress.GetSafeHwnd());
    EXPECT_EQ(status.m_hWnd, ::GetParent(progress.m_hWnd));
    CRect pane;
    status.GetItemRect(1, &pane);
    const CRect bar = progress.GetBarRect();
    EXPECT_EQ(pane.left, bar.left);
    EXPECT_EQ(pane.left + pane.Width() / 2, bar.right);
    EXPECT_EQ(pane.top + pane.Height() / 5, bar.top);
    EXPECT_EQ(pane.bottom - pane.Height() / 5, bar.bottom);

    progress.Clear();
    EXPECT_FALSE(progress.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(CString("before"), status.GetPaneText(1));
    progress.SetPos(37);
    EXPECT_TRUE(progress.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(37, progress.GetPos());
    progress.StepIt();
    EXPECT_EQ(38, progress.GetPos());

    // A label takes the pane's text and pushes the bar to the right.
    ASSERT_TRUE(progress.SetText("Done"));
    EXPECT_EQ(CString("Done"), status.GetPaneText(1));
    EXPECT_GT(progress.GetBarRect().left, pane.left);
    progress.Clear();
    EXPECT_EQ(CString("before"), status.GetPaneText(1));

    CProgressBar unmade;
    EXPECT_EQ(CLR_DEFAULT, unmade.SetBarColour(RGB(1, 2, 3)));
}

TEST_F(BarFrame, ClearingPaneZeroShowsTheIdleMessage)
{
    CStatusBar status;
    ASSERT_TRUE(status.Create(m_frame));
    const UINT panes[] = {ID_SEPARATOR};
    ASSERT_TRUE(status.SetIndicators(panes, 1));
    m_frame->RecalcLayout();
    CProgressBar progress("Done", 100, 100, TRUE, 0);
    ASSERT_TRUE(progress.GetSafeHwnd());
    EXPECT_TRUE(progress.GetStyle() & PBS_SMOOTH);
    EXPECT_EQ(CString("Done"), status.GetPaneText(0));
    progress.Clear();
    EXPECT_EQ(CString("Ready"), status.GetPaneText(0));
}

} // namespace
