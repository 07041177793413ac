// Smaller pieces of the window layer: idle time of modal dialogs, dialog
// templates on plain windows with their initial data, dialog keys in a child
// dialog, the tracked-menu state and owner-drawn menus, scrolling while
// dragging, window relations and cancelled modes.
#include <gtest/gtest.h>

#include "TestApp.h"
#include "TestResource.h"

#include "afx/Dialog.h"
#include "afx/Menu.h"
#include "afx/OleDropTarget.h"
#include "afx/View.h"

#include <string>
#include <vector>

namespace {

// ---- Idle time of a modal dialog ----------------------------------------------

class KickIdleDialog : public CDialog
{
public:
    KickIdleDialog() : CDialog(IDD_GAPS) {}

    std::vector<LPARAM> counts;
    std::vector<WPARAM> kinds;
    int comboItems = -1;

    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam)
    {
        kinds.push_back(wParam);
        counts.push_back(lParam);
        if (counts.size() == 1)
            comboItems = static_cast<int>(SendDlgItemMessage(IDC_GAPS_COMBO, CB_GETCOUNT));
        if (counts.size() == 3)
            EndDialog(IDOK);
        return TRUE;   // more idle time, please
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KickIdleDialog, CDialog)
    ON_MESSAGE(WM_KICKIDLE, &KickIdleDialog::OnKickIdle)
END_MESSAGE_MAP()

TEST(ModalIdle, DialogGetsKickIdleWhileItsQueueIsEmpty)
{
    KickIdleDialog dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
    ASSERT_EQ(3u, dialog.counts.size());
    // Counted up while the dialog asks for more; the dialog box's own filter code.
    EXPECT_EQ(0, dialog.counts[0]);
    EXPECT_EQ(1, dialog.counts[1]);
    EXPECT_EQ(2, dialog.counts[2]);
    EXPECT_EQ(static_cast<WPARAM>(MSGF_DIALOGBOX), dialog.kinds[0]);
    // The template's initial strings were in the combo box before idle time.
    EXPECT_EQ(2, dialog.comboItems);
}

// ---- Dialog templates on plain windows ---------------------------------------------

std::string ComboItem(HWND combo, int index)
{
    char text[32] = "";
    ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(DialogTemplates, CreateDlgAndDlgInitFillTheCombo)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateDlg(MAKEINTRESOURCE(IDD_GAPS), nullptr));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    HWND combo = ::GetDlgItem(wnd.m_hWnd, IDC_GAPS_COMBO);
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ(0, ::SendMessageA(combo, CB_GETCOUNT, 0, 0));   // creating runs no initial data

    EXPECT_TRUE(wnd.ExecuteDlgInit(MAKEINTRESOURCE(IDD_GAPS)));
    ASSERT_EQ(2, ::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ("One", ComboItem(combo, 0));
    EXPECT_EQ("Two", ComboItem(combo, 1));
    // A template without initial data has nothing to do, which is no failure.
    EXPECT_TRUE(wnd.ExecuteDlgInit(MAKEINTRESOURCE(IDD_GAPS_CHILD)));
    EXPECT_EQ(2, ::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    wnd.DestroyWindow();
}

TEST(DialogTemplates, DlgInitNamingAMissingControlFails)
{
    HWND top = CreateHiddenTopLevel();
    CWnd parent;
    parent.Attach(top);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateDlg(MAKEINTRESOURCE(IDD_GAPS_CHILD), &parent));
    // The data names a combo box the child template does not have.
    EXPECT_FALSE(wnd.ExecuteDlgInit(MAKEINTRESOURCE(IDD_GAPS)));
    parent.Detach();
    ::DestroyWindow(top);
}

TEST(DialogTemplates, OccDialogInfoIsKeptByDialogsOnly)
{
    CWnd plain;
    CDialog dialog;
    _AFX_OCC_DIALOG_INFO* info = reinterpret_cast<_AFX_OCC_DIALOG_INFO*>(&plain);
    EXPECT_FALSE(plain.SetOccDialogInfo(info));
    EXPECT_TRUE(dialog.SetOccDialogInfo(info));
    EXPECT_EQ(info, dialog.m_pOccDialogInfo);
}

TEST(DialogTemplates, TabMovesBetweenChildDialogControlsThroughPreTranslateInput)
{
    CWnd top;
    ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), "top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                             nullptr, nullptr));
    CWnd child;
    ASSERT_TRUE(child.CreateDlg(MAKEINTRESOURCE(IDD_GAPS_CHILD), &top));
    child.ShowWindow(SW_SHOW);
    top.SetForegroundWindow();
    HWND first = ::GetDlgItem(child.m_hWnd, IDC_GAPS_FIRST);
    HWND second = ::GetDlgItem(child.m_hWnd, IDC_GAPS_SECOND);
    ::SetFocus(first);
    ASSERT_EQ(first, ::GetFocus());

    MSG tab = {first, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_TRUE(child.PreTranslateInput(&tab));
    EXPECT_EQ(second, ::GetFocus());
    // Only keyboard and mouse input goes to the dialog manager.
    MSG timer = {second, WM_TIMER, 1, 0, 0, {0, 0}};
    EXPECT_FALSE(child.PreTranslateInput(&timer));
    EXPECT_EQ(second, ::GetFocus());
    top.DestroyWindow();
}

// ---- Tracked menus and owner-drawn items -----------------------------------------------

class DrawnMenu : public CMenu
{
public:
    std::vector<UINT> measured;
    std::vector<UINT> drawn;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override
    {
        measured.push_back(mis->itemID);
        mis->itemWidth = 60;
        mis->itemHeight = 18;
    }
    void DrawItem(LPDRAWITEMSTRUCT dis) override { drawn.push_back(dis->itemID); }
};

const UINT kDrawnItem = 4001;

class MenuOwner : public CWnd
{
public:
    DrawnMenu menu;
    HMENU menuDuringTracking = nullptr;
    HWND windowDuringTracking = nullptr;
    bool done = false;

    void OnTimer(UINT_PTR)
    {
        KillTimer(1);
        // The menu opens from the timer and is ended from the menu loop's idle time.
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 50, 50, this);
        done = true;
    }
    void OnEnterIdle(UINT nWhy, CWnd*)
    {
        if (nWhy != MSGF_MENU || menuDuringTracking)
            return;
        const _AFX_THREAD_STATE* state = AfxGetThreadState();
        menuDuringTracking = state->m_hTrackingMenu;
        windowDuringTracking = state->m_hTrackingWindow;
        ::EndMenu();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuOwner, CWnd)
    ON_WM_TIMER()
    ON_WM_ENTERIDLE()
END_MESSAGE_MAP()

TEST(TrackedMenu, StateNamesTheMenuWhileTrackedAndOwnerDrawReachesTheMenuObject)
{
    MenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                               200, nullptr, nullptr));
    owner.SetForegroundWindow();
    ASSERT_TRUE(owner.menu.CreatePopupMenu());
    owner.menu.AppendMenu(MF_STRING, 4000, "Plain");
    owner.menu.AppendMenu(MF_OWNERDRAW, kDrawnItem, reinterpret_cast<LPCTSTR>(static_cast<UINT_PTR>(7)));

    owner.SetTimer(1, 10);
    const DWORD start = ::GetTickCount();
    while (!owner.done && ::GetTickCount() - start < 5000) {
        MSG msg;
        if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        } else {
            ::Sleep(5);
        }
    }
    ASSERT_TRUE(owner.done);
    EXPECT_EQ(owner.menu.m_hMenu, owner.menuDuringTracking);
    EXPECT_EQ(owner.m_hWnd, owner.windowDuringTracking);
    EXPECT_EQ(nullptr, AfxGetThreadState()->m_hTrackingMenu);
    EXPECT_EQ(nullptr, AfxGetThreadState()->m_hTrackingWindow);
    ASSERT_FALSE(owner.menu.measured.empty());
    EXPECT_EQ(kDrawnItem, owner.menu.measured.front());
    ASSERT_FALSE(owner.menu.drawn.empty());
    EXPECT_EQ(kDrawnItem, owner.menu.drawn.front());
    owner.DestroyWindow();
}

// ---- Scrolling a view while dragging -----------------------------------------------------

class ScrollCountingView : public CView
{
public:
    std::vector<std::pair<char, UINT>> scrolls;
    void OnDraw(CDC*) override {}
    void OnVScroll(UINT code, UINT, CScrollBar*) { scrolls.push_back({'v', code}); }
    void OnHScroll(UINT code, UINT, CScrollBar*) { scrolls.push_back({'h', code}); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ScrollCountingView, CView)
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

TEST(DragScroll, ViewScrollsInTheInsetBandAfterTheDelay)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400, nullptr,
                                nullptr));
    ScrollCountingView* view = new ScrollCountingView;   // a view frees itself
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 200, 200), &parent,
                             AFX_IDW_PANE_FIRST));
    CRect client;
    view->GetClientRect(&client);

    COleDropTarget target;
    EXPECT_EQ(static_cast<int>(DD_DEFSCROLLINSET), target.m_nScrollInset);
    target.m_nScrollDelay = 100;
    target.m_nScrollInterval = 100;
    const CPoint bottomBand(client.Width() / 2, client.bottom - 2);

    // The middle of the view is no scrolling place.
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragScroll(view, 0, client.CenterPoint()));
    // Entering the band starts the delay; nothing scrolls yet.
    EXPECT_EQ(DROPEFFECT_SCROLL | DROPEFFECT_MOVE, target.OnDragScroll(view, 0, bottomBand));
    EXPECT_EQ(DROPEFFECT_SCROLL | DROPEFFECT_COPY, target.OnDragScroll(view, MK_CONTROL, bottomBand));
    EXPECT_TRUE(view->scrolls.empty());
    ::Sleep(150);
    target.OnDragScroll(view, 0, bottomBand);
    ASSERT_EQ(1u, view->scrolls.size());
    EXPECT_EQ('v', view->scrolls[0].first);
    EXPECT_EQ(static_cast<UINT>(SB_LINEDOWN), view->scrolls[0].second);
    // The next step waits for the interval.
    target.OnDragScroll(view, 0, bottomBand);
    EXPECT_EQ(1u, view->scrolls.size());

    // Leaving the band and coming back starts the delay again.
    target.OnDragScroll(view, 0, client.CenterPoint());
    target.OnDragScroll(view, 0, CPoint(client.Width() / 2, 1));
    ::Sleep(150);
    target.OnDragScroll(view, 0, CPoint(client.Width() / 2, 1));
    ASSERT_EQ(2u, view->scrolls.size());
    EXPECT_EQ(static_cast<UINT>(SB_LINEUP), view->scrolls[1].second);

    // No horizontal scroll bar: the left band is no scrolling place.
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragScroll(view, 0, CPoint(1, client.Height() / 2)));
    // Only views scroll.
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragScroll(&parent, 0, CPoint(1, 1)));
    parent.DestroyWindow();
}

// ---- Relations, casts and modes ---------------------------------------------------------

TEST(WindowRelations, DescendantsAreChildrenAtAnyDepthButNotOwnedPopups)
{
    HWND top = CreateHiddenTopLevel();
    HWND child = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
    HWND grandchild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, child, nullptr, nullptr, nullptr);
    HWND popup = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
    EXPECT_TRUE(AfxIsDescendant(top, child));
    EXPECT_TRUE(AfxIsDescendant(top, grandchild));
    EXPECT_TRUE(AfxIsDescendant(child, grandchild));
    EXPECT_FALSE(AfxIsDescendant(grandchild, top));
    EXPECT_FALSE(AfxIsDescendant(top, top));
    EXPECT_FALSE(AfxIsDescendant(top, popup));
    EXPECT_FALSE(AfxIsDescendant(nullptr, child));
    ::DestroyWindow(popup);
    ::DestroyWindow(top);
}

TEST(WindowRelations, DynamicDownCastAnswersTheObjectOnlyForItsKind)
{
    ScrollCountingView view;
    CWnd wnd;
    EXPECT_EQ(&view, AfxDynamicDownCast(RUNTIME_CLASS(CWnd), &view));
    EXPECT_EQ(&view, AfxDynamicDownCast(RUNTIME_CLASS(CView), &view));
    EXPECT_EQ(nullptr, AfxDynamicDownCast(RUNTIME_CLASS(CView), &wnd));
    EXPECT_EQ(nullptr, AfxDynamicDownCast(RUNTIME_CLASS(CWnd), nullptr));
}

class CancelModeCounter : public CWnd
{
public:
    int cancels = 0;
    void OnCancelMode()
    {
        ++cancels;
        CWnd::OnCancelMode();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CancelModeCounter, CWnd)
    ON_WM_CANCELMODE()
END_MESSAGE_MAP()

TEST(WindowRelations, CancelModesClosesADroppedComboAndEndsAnotherCapture)
{
    CWnd dialog;
    ASSERT_TRUE(dialog.CreateDlg(MAKEINTRESOURCE(IDD_GAPS), nullptr));
    dialog.ExecuteDlgInit(MAKEINTRESOURCE(IDD_GAPS));
    dialog.ShowWindow(SW_SHOW);
    dialog.SetForegroundWindow();
    HWND combo = ::GetDlgItem(dialog.m_hWnd, IDC_GAPS_COMBO);
    ::SetFocus(combo);
    ::SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    AfxCancelModes(dialog.m_hWnd);
    EXPECT_FALSE(::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));

    CancelModeCounter capturer;
    ASSERT_TRUE(capturer.CreateEx(0, AfxRegisterWndClass(0), "cap", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                  nullptr));
    capturer.SetCapture();
    ASSERT_EQ(capturer.m_hWnd, ::GetCapture());
    AfxCancelModes(capturer.m_hWnd);   // the receiver keeps its own capture
    EXPECT_EQ(0, capturer.cancels);
    AfxCancelModes(dialog.m_hWnd);
    EXPECT_EQ(1, capturer.cancels);
    EXPECT_EQ(nullptr, ::GetCapture());
    capturer.DestroyWindow();
    dialog.DestroyWindow();
}

} // namespace
