// The sizing bar docked at an edge of a real frame: its size across the
// edge, the splitter on the inner edge dragged with the mouse (with and
// without full-window dragging), cancelling, the close button, and the
// sizes kept in the profile.
#include "controls/bars/DynamicBar.h"
#include "controls/bars/SizingControlBar.h"

#include "afx/DockContext.h"
#include "afx/FrameWnd.h"
#include "afx/WinApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT kBarId = 0xE900;

class SizingBarFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "Sizing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300)));
        AfxGetApp()->m_pMainWnd = m_frame;
        ASSERT_TRUE(m_view.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), m_frame, AFX_IDW_PANE_FIRST));
        m_frame->EnableDocking(CBRS_ALIGN_ANY);
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }

    void Dock(CSizingControlBar& bar, UINT dockBar)
    {
        ASSERT_TRUE(bar.Create("Bar", m_frame, CSize(120, 80), TRUE, kBarId));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        m_frame->DockControlBar(&bar, dockBar);
    }

    // Presses on the bar's splitter and lets go dx, dy further on.
    static void Drag(CSizingControlBar& bar, CPoint start, int dx, int dy, bool release = true)
    {
        bar.SendMessage(WM_NCLBUTTONDOWN, bar.GetEdgeHitTest(), MAKELPARAM(start.x, start.y));
        CPoint end(start.x + dx, start.y + dy);
        bar.ScreenToClient(&end);
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end.x, end.y));
        if (release)
            bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
    }

    static CRect ParentRect(CWnd& wnd)
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        ::MapWindowPoints(nullptr, ::GetParent(wnd.m_hWnd), reinterpret_cast<LPPOINT>(&rc), 2);
        return rc;
    }

    CFrameWnd* m_frame = nullptr;
    CWnd m_view;
};

TEST_F(SizingBarFrame, LeftBarResizesWithItsSplitterAndTheViewFollows)
{
    CSizingControlBar bar;
    Dock(bar, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT), bar.GetDockBarID());
    EXPECT_TRUE(bar.IsVertDocked());
    CRect client;
    m_frame->GetClientRect(&client);
    CRect rc = ParentRect(bar);
    EXPECT_EQ(CRect(0, 0, 120, client.bottom), rc);
    EXPECT_EQ(120, ParentRect(m_view).left);

    // Only the inner (right) edge is a splitter.
    CRect screen;
    bar.GetWindowRect(&screen);
    const CPoint edge(screen.right - 2, screen.top + 40);
    EXPECT_EQ(HTRIGHT, bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)));
    EXPECT_NE(HTLEFT, bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(screen.left + 1, screen.top + 40)));

    for (BOOL full : {TRUE, FALSE}) {
        bar.m_bDragShowContent = full;
        bar.GetWindowRect(&screen);
        Drag(bar, CPoint(screen.right - 2, screen.top + 40), 40, 0);
        EXPECT_FALSE(bar.IsTracking());
        EXPECT_EQ(ParentRect(bar).Width(), ParentRect(m_view).left);
    }
    EXPECT_EQ(200, ParentRect(bar).Width());
    EXPECT_EQ(200, bar.m_szVert.cx);

    // Never below the minimum width.
    bar.GetWindowRect(&screen);
    Drag(bar, CPoint(screen.right - 2, screen.top + 40), -400, 0);
    EXPECT_EQ(33, ParentRect(bar).Width());
}

TEST_F(SizingBarFrame, EscapeCancelsAndTheCloseButtonHidesTheBar)
{
    CSizingControlBar bar;
    Dock(bar, AFX_IDW_DOCKBAR_TOP);
    EXPECT_TRUE(bar.IsHorzDocked());
    EXPECT_EQ(static_cast<UINT>(HTBOTTOM), bar.GetEdgeHitTest());
    EXPECT_EQ(80, ParentRect(bar).Height());

    bar.m_bDragShowContent = TRUE;
    CRect screen;
    bar.GetWindowRect(&screen);
    Drag(bar, CPoint(screen.left + 100, screen.bottom - 2), 0, 30, false);
    EXPECT_TRUE(bar.IsTracking());
    EXPECT_EQ(110, ParentRect(bar).Height());   // full-window dragging follows at once
    bar.SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(bar.IsTracking());
    EXPECT_EQ(80, ParentRect(bar).Height());
    EXPECT_EQ(80, ParentRect(m_view).top);

    bar.SendMessage(WM_NCLBUTTONUP, HTCLOSE, 0);
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_EQ(0, ParentRect(m_view).top);
}

TEST_F(SizingBarFrame, SizesAreKeptInTheProfileAndRaisedToTheMinimum)
{
    CWinApp* app = AfxGetApp();
    app->SetRegistryKey("LexifernTests");
    CSizingControlBar bar;
    Dock(bar, AFX_IDW_DOCKBAR_RIGHT);
    bar.m_szVert = CSize(150, 90);
    CSizingControlBar::GlobalSaveState("Bars");
    CString section;
    section.Format("Bars-SCBar-%d", kBarId);
    EXPECT_EQ(150u, app->GetProfileInt(section, "sizeVertCX", 0));
    EXPECT_EQ(90u, app->GetProfileInt(section, "sizeVertCY", 0));

    app->WriteProfileInt(section, "sizeHorzCX", 10);
    app->WriteProfileInt(section, "sizeHorzCY", 5);
    bar.m_szVert = CSize(60, 60);
    bar.LoadState("Bars");
    EXPECT_EQ(CSize(33, 32), bar.m_szHorz);
    EXPECT_EQ(CSize(150, 90), bar.m_szVert);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\LexifernTests\\Bars Test");
}

// A child dialog template without items, in dialog units.
std::vector<WORD> ChildTemplate(short cx, short cy)
{
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    DLGTEMPLATE* dt = reinterpret_cast<DLGTEMPLATE*>(words.data());
    dt->style = WS_CHILD | DS_CONTROL;
    dt->cx = cx;
    dt->cy = cy;
    return words;   // no menu, default class, empty title
}

TEST_F(SizingBarFrame, DynamicBarTakesItsDialogsSizeAsMinimumAndSizesIt)
{
    std::vector<WORD> tmpl = ChildTemplate(60, 40);
    cdxCDynamicBar bar;
    ASSERT_TRUE(bar.CreateIndirect("Dyn", m_frame, reinterpret_cast<LPCDLGTEMPLATE>(tmpl.data()), TRUE, kBarId,
                                   WS_CHILD | WS_VISIBLE | CBRS_LEFT));
    m_frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    ASSERT_NE(nullptr, bar.GetDialog());
    CRect dialog;
    bar.GetDialog()->GetWindowRect(&dialog);
    EXPECT_GE(bar.m_szMinVert.cx, dialog.Width() + 5);
    EXPECT_GE(ParentRect(bar).Width(), bar.m_szMinVert.cx);

    CRect screen;
    bar.GetWindowRect(&screen);
    bar.m_bDragShowContent = TRUE;
    Drag(bar, CPoint(screen.right - 2, screen.top + 20), 50, 0);
    CRect client;
    bar.GetClientRect(&client);
    bar.GetDialog()->GetWindowRect(&dialog);
    EXPECT_EQ(client.Size(), dialog.Size());

    // Dragged below the dialog's size, the bar stops at it.
    bar.GetWindowRect(&screen);
    Drag(bar, CPoint(screen.right - 2, screen.top + 20), -500, 0);
    EXPECT_EQ(bar.m_szMinVert.cx, ParentRect(bar).Width());
}

TEST_F(SizingBarFrame, ABarFloatsInItsOwnSizeAndDocksBack)
{
    CSizingControlBar bar;
    Dock(bar, AFX_IDW_DOCKBAR_LEFT);
    ASSERT_TRUE(bar.IsVertDocked());
    m_frame->FloatControlBar(&bar, CPoint(200, 150));
    ASSERT_TRUE(bar.IsFloating());
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_FLOAT), bar.GetDockBarID());
    EXPECT_FALSE(bar.IsHorzDocked());
    EXPECT_FALSE(bar.IsVertDocked());
    // No splitter edge and no caption of its own: the frame's caption carries it.
    EXPECT_EQ(static_cast<UINT>(HTNOWHERE), bar.GetEdgeHitTest());
    CFrameWnd* floating = bar.GetParentFrame();
    ASSERT_NE(m_frame, floating);
    CRect client;
    floating->GetClientRect(&client);
    EXPECT_EQ(CSize(120, 80), client.Size());
    CRect inside;
    bar.GetClientRect(&inside);
    EXPECT_EQ(CSize(120, 80), inside.Size());

    // The frame's border asks for a width, then a height; the height keeps the minimum.
    EXPECT_EQ(CSize(250, 80), bar.CalcDynamicLayout(250, LM_HORZ));
    EXPECT_EQ(CSize(250, 32), bar.CalcDynamicLayout(10, LM_HORZ | LM_LENGTHY));
    floating->RecalcLayout();
    floating->GetClientRect(&client);
    EXPECT_EQ(CSize(250, 32), client.Size());

    // The floating size is what the profile keeps.
    bar.SaveState("Bars");
    CString section;
    section.Format("Bars-SCBar-%d", kBarId);
    EXPECT_EQ(250u, AfxGetApp()->GetProfileInt(section, "sizeFloatCX", 0));
    EXPECT_EQ(32u, AfxGetApp()->GetProfileInt(section, "sizeFloatCY", 0));

    bar.m_pDockContext->ToggleDocking();
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_TRUE(bar.IsVertDocked());
    EXPECT_EQ(static_cast<UINT>(HTRIGHT), bar.GetEdgeHitTest());
}

} // namespace
