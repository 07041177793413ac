// Docking on real windows: rows of the dock bars with their placeholders,
// floating frames, docking back, delayed showing, query layouts and the
// toolbar's wrapping.
#include "tests/afx/dock/DockFrame.h"

TEST_F(DockTest, TwoToolbarsShareARowAndAThirdWraps)
{
    const int width = m_one.CalcFixedLayout(FALSE, TRUE).cx;
    ASSERT_GT(width, 6 * 16);
    m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ("|1|", Rows(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(Dock(AFX_IDW_DOCKBAR_TOP), m_one.m_pDockBar);
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_TOP), m_one.GetDockBarID());

    MakeBar(m_two, IDW_BAR_TWO, ID_DOCK_FIRST + 6);
    MakeBar(m_three, IDW_BAR_THREE, ID_DOCK_FIRST + 12);
    // Room for two bars: the second goes right of the first.
    const CRect first = InFrame(m_one);
    SetClientSize(first.Width() * 2, 300);
    CRect place;
    m_one.GetWindowRect(&place);
    place.OffsetRect(place.Width(), 0);
    m_frame->DockControlBar(&m_two, AFX_IDW_DOCKBAR_TOP, &place);
    EXPECT_EQ("|12|", Rows(AFX_IDW_DOCKBAR_TOP));
    const CRect second = InFrame(m_two);
    EXPECT_EQ(first.top, second.top);
    EXPECT_EQ(first.right, second.left);

    // The third would start beyond the side: the layout wraps it into a row of its own.
    m_two.GetWindowRect(&place);
    place.OffsetRect(place.Width(), 0);
    m_frame->DockControlBar(&m_three, AFX_IDW_DOCKBAR_TOP, &place);
    m_frame->RecalcLayout();
    EXPECT_EQ("|12|3|", Rows(AFX_IDW_DOCKBAR_TOP));
    const CRect third = InFrame(m_three);
    EXPECT_EQ(0, third.left);
    EXPECT_EQ(first.bottom, third.top);
    // The two rows take their height; the pane the rest.
    EXPECT_EQ(third.bottom, InFrame(m_view).top);
    EXPECT_EQ(third.bottom, InFrame(*Dock(AFX_IDW_DOCKBAR_TOP)).bottom);
}

TEST_F(DockTest, AFloatingBarLeavesAPlaceholderAndDocksBackIntoIt)
{
    MakeBar(m_two, IDW_BAR_TWO, ID_DOCK_FIRST + 6);
    m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_TOP);
    CRect place;
    m_one.GetWindowRect(&place);
    place.OffsetRect(place.Width(), 0);
    m_frame->DockControlBar(&m_two, AFX_IDW_DOCKBAR_TOP, &place);
    ASSERT_EQ("|12|", Rows(AFX_IDW_DOCKBAR_TOP));

    m_frame->FloatControlBar(&m_one, CPoint(200, 200));
    m_frame->RecalcLayout();
    EXPECT_TRUE(m_one.IsFloating());
    EXPECT_EQ("|(1)2|", Rows(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_FLOAT), m_one.GetDockBarID());
    CFrameWnd* floating = m_one.GetParentFrame();
    ASSERT_NE(nullptr, floating);
    EXPECT_TRUE(floating->IsKindOf(m_frame->m_pFloatingFrameClass));
    EXPECT_TRUE(floating->IsWindowVisible());
    EXPECT_EQ(m_frame->m_hWnd, ::GetWindow(floating->m_hWnd, GW_OWNER));
    CRect frameRect;
    floating->GetWindowRect(&frameRect);
    EXPECT_EQ(CPoint(200, 200), frameRect.TopLeft());
    // The floating frame fits the bar and shows its name.
    CRect client;
    floating->GetClientRect(&client);
    CRect bar;
    m_one.GetWindowRect(&bar);
    EXPECT_EQ(bar.Size(), client.Size());

    // Floating both reserves no room at the top any more.
    m_frame->FloatControlBar(&m_two, CPoint(200, 300));
    m_frame->RecalcLayout();
    EXPECT_EQ(0, InFrame(m_view).top);
    EXPECT_EQ("|(1)(2)|", Rows(AFX_IDW_DOCKBAR_TOP));

    // Docking back: each bar takes its old place in its old row.
    m_two.m_pDockContext->ToggleDocking();
    m_one.m_pDockContext->ToggleDocking();
    m_frame->RecalcLayout();
    EXPECT_EQ("|12|", Rows(AFX_IDW_DOCKBAR_TOP));
    EXPECT_FALSE(m_one.IsFloating());
    EXPECT_EQ(InFrame(m_one).top, InFrame(m_two).top);
    EXPECT_LT(InFrame(m_one).left, InFrame(m_two).left);
    // The emptied floating frames went.
    Pump();
    EXPECT_EQ(m_frame->m_hWnd, m_one.GetParentFrame()->m_hWnd);
}

TEST_F(DockTest, DoubleClicksFloatABarAndDockItBack)
{
    m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_LEFT);
    m_frame->RecalcLayout();
    EXPECT_TRUE(m_one.IsVertDocked());
    m_one.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(-4, 2));
    EXPECT_TRUE(m_one.IsFloating());
    EXPECT_EQ("|(1)|", Rows(AFX_IDW_DOCKBAR_LEFT));
    // A double click on the floating frame's caption docks it back.
    CMiniDockFrameWnd* floating = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, m_one.GetParentFrame());
    ASSERT_NE(nullptr, floating);
    floating->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_FALSE(m_one.IsFloating());
    EXPECT_EQ("|1|", Rows(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_TRUE(m_one.IsVertDocked());
}

TEST_F(DockTest, ClosingAFloatingFrameHidesItsBar)
{
    m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_TOP);
    m_frame->FloatControlBar(&m_one, CPoint(150, 150));
    CMiniDockFrameWnd* floating = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, m_one.GetParentFrame());
    ASSERT_NE(nullptr, floating);
    // The close item says what it does.
    char text[64] = "";
    ::GetMenuStringA(::GetSystemMenu(floating->m_hWnd, FALSE), SC_CLOSE, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ("&Hide", text);
    floating->SendMessage(WM_CLOSE);
    EXPECT_FALSE(m_one.IsVisible());
    Idle();
    EXPECT_FALSE(m_one.IsWindowVisible());
    EXPECT_FALSE(floating->IsWindowVisible());
    EXPECT_TRUE(::IsWindow(floating->m_hWnd));   // the bar lives on, hidden
    m_frame->ShowControlBar(&m_one, TRUE, FALSE);
    EXPECT_TRUE(floating->IsWindowVisible());
}

TEST_F(DockTest, ADelayedHideWaitsForIdleAndAQueryMovesNothing)
{
    m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_TOP);
    m_frame->RecalcLayout();
    const CRect bar = InFrame(m_one);
    const CRect view = InFrame(m_view);
    ASSERT_EQ(bar.bottom, view.top);

    m_frame->ShowControlBar(&m_one, FALSE, TRUE);
    EXPECT_FALSE(m_one.IsVisible());
    EXPECT_TRUE(m_one.IsWindowVisible());

    // A query answers the layout as it would be, and moves and hides nothing.
    CRect rest;
    m_frame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &rest);
    EXPECT_EQ(0, rest.top);
    EXPECT_EQ(view, InFrame(m_view));
    EXPECT_TRUE(m_one.IsWindowVisible());

    Idle();
    EXPECT_FALSE(m_one.IsWindowVisible());
    EXPECT_EQ(0, InFrame(m_view).top);

    // A delayed show, likewise.
    m_frame->ShowControlBar(&m_one, TRUE, TRUE);
    EXPECT_TRUE(m_one.IsVisible());
    EXPECT_FALSE(m_one.IsWindowVisible());
    Idle();
    EXPECT_TRUE(m_one.IsWindowVisible());
    EXPECT_EQ(view, InFrame(m_view));
}

TEST_F(DockTest, TheViewMenuCheckHidesAndShowsADockedBar)
{
    m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_BOTTOM);
    m_frame->RecalcLayout();
    CRect client;
    m_frame->GetClientRect(&client);
    EXPECT_EQ(client.bottom, InFrame(m_one).bottom);
    EXPECT_EQ(InFrame(m_one).top, InFrame(m_view).bottom);
    m_frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(m_one.IsWindowVisible());
    EXPECT_EQ(client.bottom, InFrame(m_view).bottom);
}

TEST_F(DockTest, ToolbarWrapsAtALengthAndKeepsItsMostRecentWidth)
{
    m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_TOP);
    const CSize row = m_one.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
    CRect button;
    m_one.GetItemRect(0, &button);
    const int buttonWidth = button.Width();
    const int buttonHeight = button.Height();
    ASSERT_GT(buttonWidth, 0);

    // Docked at a side: one button per row.
    const CSize column = m_one.CalcDynamicLayout(-1, LM_VERTDOCK);
    EXPECT_EQ(6 * buttonHeight + Edges(m_one, FALSE).cy, column.cy);
    EXPECT_LT(column.cx, row.cx);

    m_frame->FloatControlBar(&m_one, CPoint(100, 100));
    const CSize edges = Edges(m_one, TRUE);
    // Three buttons wide: two rows, the third button ends the first.
    const CSize wrapped = m_one.CalcDynamicLayout(3 * buttonWidth + edges.cx, LM_HORZ | LM_COMMIT);
    EXPECT_EQ(3 * buttonWidth + edges.cx, wrapped.cx);
    EXPECT_EQ(2 * buttonHeight + edges.cy, wrapped.cy);
    EXPECT_EQ(wrapped.cx, m_one.m_nMRUWidth);
    EXPECT_TRUE(m_one.GetButtonStyle(2) & TBBS_WRAPPED);
    EXPECT_FALSE(m_one.GetButtonStyle(1) & TBBS_WRAPPED);
    EXPECT_EQ(wrapped, m_one.CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH));
    // Laid out again, the floating frame fits the wrapped bar.
    m_one.GetParentFrame()->RecalcLayout();
    CRect client;
    m_one.GetParentFrame()->GetClientRect(&client);
    EXPECT_EQ(wrapped, client.Size());

    // Asked for a height of three rows: two buttons a row.
    const CSize tall = m_one.CalcDynamicLayout(3 * buttonHeight + edges.cy, LM_HORZ | LM_LENGTHY);
    EXPECT_EQ(3 * buttonHeight + edges.cy, tall.cy);
    EXPECT_EQ(2 * buttonWidth + edges.cx, tall.cx);

    // Docked again it is one row, without wrap marks.
    m_one.m_pDockContext->ToggleDocking();
    m_frame->RecalcLayout();
    EXPECT_FALSE(m_one.GetButtonStyle(2) & TBBS_WRAPPED);
    EXPECT_EQ(buttonHeight + Edges(m_one, TRUE).cy, InFrame(m_one).Height());
}

TEST_F(DockTest, FloatingToolbarButtonsFollowIdleUpdates)
{
    m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_TOP);
    m_frame->FloatControlBar(&m_one, CPoint(120, 120));
    Idle();
    EXPECT_FALSE(m_one.GetButtonStyle(1) & TBBS_DISABLED);
    CDockTestFrame::s_disableSecond = TRUE;
    Idle();
    EXPECT_TRUE(m_one.GetButtonStyle(1) & TBBS_DISABLED);
    EXPECT_FALSE(m_one.GetButtonStyle(0) & TBBS_DISABLED);
    // A button of the floating bar reaches the frame's commands.
    EXPECT_EQ(m_frame, m_one.GetDockingFrame());
}

TEST_F(DockTest, ToolTipTextIsThePromptAfterTheNewline)
{
    m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_TOP);
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = m_one.m_hWnd;
    info.hdr.idFrom = ID_DOCK_FIRST;
    info.hdr.code = TTN_GETDISPINFOA;
    m_one.SendMessage(WM_NOTIFY, ID_DOCK_FIRST, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(nullptr, info.lpszText);
    EXPECT_STREQ("Open Basket", info.lpszText);
}

TEST_F(DockTest, FlyByShowsTheButtonsPromptWhileTheMouseIsOverIt)
{
    m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_TOP);
    CRect button;
    m_one.GetItemRect(1, &button);
    m_one.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    EXPECT_EQ(static_cast<UINT>(ID_DOCK_FIRST + 1), m_frame->m_nLastPrompt);
    m_one.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(static_cast<UINT>(AFX_IDS_IDLEMESSAGE), m_frame->m_nLastPrompt);
    // Without CBRS_FLYBY the message bar is left alone.
    m_one.SetBarStyle(m_one.GetBarStyle() & ~CBRS_FLYBY);
    m_frame->m_nLastPrompt = 0;
    m_one.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    EXPECT_EQ(0u, m_frame->m_nLastPrompt);
}

TEST_F(DockTest, EnabledToolTipsFollowTheToolUnderTheMouse)
{
    CFrameWnd* other = new CFrameWnd;
    ASSERT_TRUE(other->Create(nullptr, "Tips", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 400, 300)));
    CWnd button;
    ASSERT_TRUE(button.Create("BUTTON", "Save", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 40), other,
                              ID_DOCK_FIRST + 1));
    ASSERT_TRUE(other->EnableToolTips());
    CRect rect;
    button.GetWindowRect(&rect);
    MSG msg = {};
    msg.hwnd = button.m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.pt = rect.CenterPoint();
    CWnd::WalkPreTranslateTree(other->m_hWnd, &msg);
    HWND tip = AfxGetThreadToolTip();
    ASSERT_NE(nullptr, tip);
    ASSERT_EQ(1, ::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
    TOOLINFOA info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(::SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(other->m_hWnd, info.hwnd);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(button.m_hWnd), info.uId);

    // The text is the part of the command's prompt after the newline.
    NMTTDISPINFOA need = {};
    need.hdr.hwndFrom = tip;
    need.hdr.idFrom = info.uId;
    need.hdr.code = TTN_NEEDTEXTA;
    need.uFlags = TTF_IDISHWND;
    other->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&need));
    ASSERT_NE(nullptr, need.lpszText);
    EXPECT_STREQ("Save Basket", need.lpszText);

    // Away from the button there is no tool.
    msg.hwnd = other->m_hWnd;
    msg.pt = CPoint(rect.right + 40, rect.bottom + 40);
    CWnd::WalkPreTranslateTree(other->m_hWnd, &msg);
    EXPECT_EQ(0, ::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
    other->DestroyWindow();
}

TEST_F(DockTest, FloatingFramesFollowTheirFramesState)
{
    m_frame->DockControlBar(&m_one, AFX_IDW_DOCKBAR_TOP);
    m_frame->FloatControlBar(&m_one, CPoint(150, 150));
    CFrameWnd* floating = m_one.GetParentFrame();
    ASSERT_TRUE(floating->IsWindowVisible());
    m_frame->EnableWindow(FALSE);
    EXPECT_FALSE(floating->IsWindowEnabled());
    m_frame->EnableWindow(TRUE);
    EXPECT_TRUE(floating->IsWindowEnabled());
    m_frame->ShowWindow(SW_MINIMIZE);
    EXPECT_FALSE(floating->IsWindowVisible());
    m_frame->ShowWindow(SW_RESTORE);
    EXPECT_TRUE(floating->IsWindowVisible());
    // A floating frame whose bar was hidden stays hidden.
    m_frame->ShowControlBar(&m_one, FALSE, FALSE);
    EXPECT_FALSE(floating->IsWindowVisible());
    m_frame->ShowWindow(SW_MINIMIZE);
    m_frame->ShowWindow(SW_RESTORE);
    EXPECT_FALSE(floating->IsWindowVisible());
}
