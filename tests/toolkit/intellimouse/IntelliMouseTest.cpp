// Auto-scroll on real windows: which windows start it, the steps the cursor
// distance gives, the scroll messages of a timer tick (and a scroll view's
// OnScroll), what ends it, and the thread-wide organizer.
#include "toolkit/foundation/OXIntelliMouse.h"

#include "afx/BasicCtrls.h"
#include "afx/View.h"
#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// A child with scroll bars of range 0..100 (page 10) at 50, recording the
// scroll codes and the start events that reach it.
class CScrollTarget : public CWnd
{
public:
    BOOL CreateTarget(CWnd* pParent, DWORD bars, UINT nID)
    {
        if (!CreateEx(0, AfxRegisterWndClass(0), "target", WS_CHILD | WS_VISIBLE | bars, 20, 20, 200, 150,
                      pParent->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
            return FALSE;
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        info.nMax = 100;
        info.nPage = 10;
        info.nPos = 50;
        if (bars & WS_HSCROLL)
            ::SetScrollInfo(m_hWnd, SB_HORZ, &info, FALSE);
        if (bars & WS_VSCROLL)
            ::SetScrollInfo(m_hWnd, SB_VERT, &info, FALSE);
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_HSCROLL || message == WM_VSCROLL) {
            (message == WM_HSCROLL ? horizontal : vertical).push_back(LOWORD(wParam));
            return 0;
        }
        if (message == WM_MBUTTONDOWN)
            ++startEvents;
        if (message == WM_KEYDOWN)
            ++keys;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> horizontal, vertical;
    int startEvents = 0;
    int keys = 0;
};

class CRecordingView : public CScrollView
{
public:
    BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll) override
    {
        codes.push_back(nScrollCode);
        return CScrollView::OnScroll(nScrollCode, nPos, bDoScroll);
    }
    void OnDraw(CDC*) override {}
    std::vector<UINT> codes;
};

class IntelliMouseTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ReleaseModifierKeys();
        ASSERT_TRUE(parent.CreateFrame(CRect(100, 100, 500, 400)));
    }
    void TearDown() override { parent.DestroyWindow(); }

    // Starts scrolling with the cursor in the middle of the window.
    CPoint Start(COXIntelliMouse& mouse, CWnd& target)
    {
        CRect rect;
        target.GetWindowRect(&rect);
        const CPoint centre((rect.left + rect.right) / 2 - 10, (rect.top + rect.bottom) / 2 - 10);
        SetCursorAt(centre);
        EXPECT_EQ(0, target.SendMessage(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(80, 55)));
        EXPECT_TRUE(mouse.IsActive());
        return mouse.GetStartPoint();
    }
    void MoveTo(CWnd& target, CPoint screen)
    {
        SetCursorAt(screen);
        target.SendMessage(WM_MOUSEMOVE, 0, 0);
    }

    CTestFrame parent;
};
} // namespace

TEST_F(IntelliMouseTest, WindowWithoutScrollBarsLetsTheStartEventThrough)
{
    CScrollTarget target;
    ASSERT_TRUE(target.CreateTarget(&parent, 0, 1));
    COXIntelliMouse mouse;
    ASSERT_TRUE(mouse.Attach(&target));
    target.SendMessage(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(mouse.IsActive());
    EXPECT_EQ(1, target.startEvents);

    // With a modifier asked for and not down, a scrollable window lets it through too.
    CScrollTarget scrollable;
    ASSERT_TRUE(scrollable.CreateTarget(&parent, WS_VSCROLL, 2));
    COXIntelliMouse ctrl;
    ASSERT_TRUE(ctrl.Attach(&scrollable, WM_MBUTTONDOWN, OXIM_KEY_CTRL));
    scrollable.SendMessage(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(ctrl.IsActive());
    EXPECT_EQ(1, scrollable.startEvents);
}

TEST_F(IntelliMouseTest, DistanceGivesTheStepsAndATickScrollsThem)
{
    CScrollTarget target;
    ASSERT_TRUE(target.CreateTarget(&parent, WS_HSCROLL | WS_VSCROLL, 1));
    COXIntelliMouse mouse;
    ASSERT_TRUE(mouse.Attach(&target));
    const CPoint start = Start(mouse, target);
    EXPECT_EQ(0, target.startEvents);   // consumed
    EXPECT_EQ(static_cast<DWORD>(OXIM_LEFT | OXIM_UP | OXIM_RIGHT | OXIM_DOWN), mouse.GetScrollFlags());
    EXPECT_EQ(OXIM_NEUTRAL_ALL, mouse.GetDirection());
    EXPECT_EQ(target.GetSafeHwnd(), ::GetCapture());

    // 50 pixels right of the origin area: two columns a tick.
    MoveTo(target, CPoint(start.x + OXIM_NEUTRAL_HALF + 50, start.y));
    EXPECT_EQ(4, mouse.GetDirection());
    EXPECT_EQ(2, mouse.GetHorzSteps());
    EXPECT_EQ(0, mouse.GetVertSteps());
    target.horizontal.clear();
    target.SendMessage(WM_TIMER, OXIM_TIMER_ID);
    EXPECT_EQ((std::vector<UINT>{ SB_LINERIGHT, SB_LINERIGHT }), target.horizontal);

    // 50 pixels below: five lines a tick.
    MoveTo(target, CPoint(start.x, start.y + OXIM_NEUTRAL_HALF + 50));
    EXPECT_EQ(8, mouse.GetDirection());
    EXPECT_EQ(0, mouse.GetHorzSteps());
    EXPECT_EQ(5, mouse.GetVertSteps());
    target.vertical.clear();
    target.SendMessage(WM_TIMER, OXIM_TIMER_ID);
    EXPECT_EQ(std::vector<UINT>(5, SB_LINEDOWN), target.vertical);

    // Up and to the left: both steps negative.
    MoveTo(target, CPoint(start.x - OXIM_NEUTRAL_HALF - 30, start.y - OXIM_NEUTRAL_HALF - 30));
    EXPECT_EQ(3, mouse.GetDirection());
    EXPECT_EQ(-1, mouse.GetHorzSteps());
    EXPECT_EQ(-3, mouse.GetVertSteps());

    // Back in the origin area: still.
    MoveTo(target, start);
    EXPECT_EQ(OXIM_NEUTRAL_ALL, mouse.GetDirection());
    EXPECT_EQ(0, mouse.GetHorzSteps());

    // A key ends it and goes no further.
    target.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_FALSE(mouse.IsActive());
    EXPECT_EQ(0, target.keys);
    EXPECT_NE(target.GetSafeHwnd(), ::GetCapture());
    EXPECT_EQ(CPoint(-1, -1), mouse.GetStartPoint());
    target.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(1, target.keys);
}

TEST_F(IntelliMouseTest, VerticalBarOnlyKeepsTheHorizontalStepAtZero)
{
    CScrollTarget target;
    ASSERT_TRUE(target.CreateTarget(&parent, WS_VSCROLL, 1));
    COXIntelliMouse mouse;
    ASSERT_TRUE(mouse.Attach(&target));
    const CPoint start = Start(mouse, target);
    EXPECT_EQ(OXIM_NEUTRAL_VERT, mouse.GetDirection());
    for (const CPoint offset : { CPoint(80, 0), CPoint(-80, 40), CPoint(90, -60) }) {
        MoveTo(target, start + offset);
        EXPECT_EQ(0, mouse.GetHorzSteps()) << offset.x << "," << offset.y;
    }
    target.horizontal.clear();
    target.SendMessage(WM_TIMER, OXIM_TIMER_ID);
    EXPECT_TRUE(target.horizontal.empty());

    // At the end of the range the steps toward it stop.
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = 91;
    ::SetScrollInfo(target.GetSafeHwnd(), SB_VERT, &info, FALSE);
    MoveTo(target, start + CPoint(0, 80));
    target.SendMessage(WM_TIMER, OXIM_TIMER_ID);
    EXPECT_EQ(0, mouse.GetVertSteps());
    EXPECT_EQ(static_cast<DWORD>(OXIM_UP), mouse.GetScrollFlags());

    // A click elsewhere ends it and is not passed on.
    target.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_FALSE(mouse.IsActive());
}

TEST_F(IntelliMouseTest, ScrollViewScrollsThroughOnScroll)
{
    CRecordingView* view = new CRecordingView;   // deletes itself with its window
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 160), &parent,
                             AFX_IDW_PANE_FIRST));
    view->SetScrollSizes(MM_TEXT, CSize(2000, 2000));
    view->ScrollToPosition(CPoint(500, 500));
    COXIntelliMouse mouse;
    ASSERT_TRUE(mouse.Attach(view));
    const CPoint start = Start(mouse, *view);
    MoveTo(*view, CPoint(start.x + OXIM_NEUTRAL_HALF + 30, start.y + OXIM_NEUTRAL_HALF + 20));
    EXPECT_EQ(12, mouse.GetDirection());
    view->codes.clear();
    view->SendMessage(WM_TIMER, OXIM_TIMER_ID);
    EXPECT_EQ((std::vector<UINT>{ MAKEWORD(SB_LINERIGHT, 0xFF), MAKEWORD(0xFF, SB_LINEDOWN), MAKEWORD(0xFF, SB_LINEDOWN) }),
              view->codes);
    mouse.StopScrolling();
    mouse.Detach();
}

TEST_F(IntelliMouseTest, OrganizerHooksTheThreadsWindowsOnePerThread)
{
    CScrollTarget before;
    ASSERT_TRUE(before.CreateTarget(&parent, WS_VSCROLL, 1));
    {
        COXIntelliMouseOrganizer organizer;
        ASSERT_TRUE(organizer.AttachToThread(::GetCurrentThreadId(), WM_MBUTTONDOWN, 0));
        EXPECT_TRUE(organizer.IsAttached());
        EXPECT_FALSE(organizer.AttachToThread(::GetCurrentThreadId()));
        COXIntelliMouseOrganizer second;
        EXPECT_FALSE(second.AttachToThread(::GetCurrentThreadId()));

        // Existing framework windows have their objects.
        EXPECT_TRUE(organizer.IsAttached(before.GetSafeHwnd()));
        EXPECT_TRUE(organizer.IsAttached(parent.GetSafeHwnd()));
        EXPECT_EQ(static_cast<UINT>(WM_MBUTTONDOWN), organizer.GetStartEvent(before.GetSafeHwnd()));
        EXPECT_EQ(0u, organizer.GetStartEvent(nullptr));

        // A window made later is attached by the thread's hook; a destroyed one let go.
        CScrollTarget* later = new CScrollTarget;
        ASSERT_TRUE(later->CreateTarget(&parent, WS_HSCROLL, 2));
        const HWND hLater = later->GetSafeHwnd();
        EXPECT_TRUE(organizer.IsAttached(hLater));
        COXIntelliMouse* pObject = organizer.GetAttachedObject(hLater);
        ASSERT_NE(nullptr, pObject);
        later->DestroyWindow();
        delete later;
        EXPECT_EQ(nullptr, organizer.GetAttachedObject(hLater));
        EXPECT_FALSE(pObject->IsHooked());

        // Start events change per window or for all.
        EXPECT_TRUE(organizer.SetStartEvent(before.GetSafeHwnd(), WM_RBUTTONDOWN, OXIM_KEY_SHIFT));
        EXPECT_EQ(static_cast<DWORD>(OXIM_KEY_SHIFT), organizer.GetKeyState(before.GetSafeHwnd()));
        EXPECT_TRUE(organizer.SetStartEvent(nullptr, WM_MBUTTONDOWN, 0));
        EXPECT_EQ(static_cast<UINT>(WM_MBUTTONDOWN), organizer.GetStartEvent(before.GetSafeHwnd()));
        EXPECT_FALSE(organizer.SetStartEvent(reinterpret_cast<HWND>(0x1234), WM_MBUTTONDOWN, 0));

        // The hooked window scrolls as any other.
        COXIntelliMouse* pBefore = organizer.GetAttachedObject(before.GetSafeHwnd());
        ASSERT_NE(nullptr, pBefore);
        Start(*pBefore, before);
        pBefore->StopScrolling();

        EXPECT_TRUE(organizer.Detach(before.GetSafeHwnd()));
        EXPECT_FALSE(organizer.IsAttached(before.GetSafeHwnd()));
        EXPECT_FALSE(organizer.Detach(before.GetSafeHwnd()));
        EXPECT_TRUE(organizer.DetachFromThread());
        EXPECT_FALSE(organizer.IsAttached(parent.GetSafeHwnd()));
        EXPECT_FALSE(organizer.DetachFromThread());
        // The thread is free for another organizer now.
        EXPECT_TRUE(second.AttachToThread(::GetCurrentThreadId()));
    }
    // Both organizers gone: the window's own procedure is back.
    before.SendMessage(WM_MBUTTONDOWN, MK_MBUTTON, 0);
    EXPECT_EQ(1, before.startEvents);
}

TEST_F(IntelliMouseTest, RefusedWindowsStayWithoutAnObject)
{
    class CListOnly : public COXIntelliMouseOrganizer
    {
    public:
        BOOL IsQualified(HWND, LPCTSTR lpszClassName) override { return lstrcmpiA(lpszClassName, "ListBox") == 0; }
    };
    CListOnly organizer;
    ASSERT_TRUE(organizer.AttachToThread(::GetCurrentThreadId()));
    EXPECT_FALSE(organizer.IsAttached(parent.GetSafeHwnd()));
    EXPECT_EQ(nullptr, organizer.AttachWindow(parent.GetSafeHwnd(), WM_MBUTTONDOWN, 0));
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(10, 10, 100, 100), &parent, 5));
    EXPECT_TRUE(organizer.IsAttached(list.GetSafeHwnd()));
    list.DestroyWindow();
}
