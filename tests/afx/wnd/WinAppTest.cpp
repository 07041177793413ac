// The application object's idle work, wait cursor and control updating.
#include <gtest/gtest.h>

#include "TestApp.h"

#include "afx/CmdUI.h"
#include "afx/Wnd.h"

namespace {

const UINT ID_HANDLED = 601;
const UINT ID_UNHANDLED = 602;
const UINT ID_OPTION = 603;

class IdleWnd : public CWnd
{
public:
    int idleUpdates = 0;
    LRESULT OnIdleUpdate(WPARAM, LPARAM) { ++idleUpdates; return 0; }
    void OnHandled() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(IdleWnd, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &IdleWnd::OnIdleUpdate)
    ON_COMMAND(ID_HANDLED, &IdleWnd::OnHandled)
END_MESSAGE_MAP()

HWND Button(HWND parent, UINT id, DWORD style)
{
    return ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE | style, 0, 0, 20, 20, parent,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr),
                             nullptr);
}

} // namespace

TEST(Application, IdleTimeUpdatesTheMainWindowTreeThenFreesTemporaryWrappers)
{
    IdleWnd main;
    ASSERT_TRUE(main.CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                              nullptr, nullptr));
    IdleWnd child;
    const RECT rect = { 0, 0, 50, 20 };
    ASSERT_TRUE(child.Create(AfxRegisterWndClass(0), "child", WS_VISIBLE, rect, &main, 5));
    HWND unbound = Button(main.m_hWnd, 6, BS_PUSHBUTTON);
    TestApp().m_pMainWnd = &main;
    EXPECT_EQ(&main, AfxGetMainWnd());

    CWnd* temp = CWnd::FromHandle(unbound);
    ASSERT_NE(nullptr, temp);
    EXPECT_TRUE(TestApp().OnIdle(0));
    EXPECT_EQ(1, main.idleUpdates);
    EXPECT_EQ(1, child.idleUpdates);
    EXPECT_FALSE(TestApp().OnIdle(1));
    // The wrapper handed out before is gone; the window is not.
    EXPECT_TRUE(::IsWindow(unbound));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(unbound));

    TestApp().m_pMainWnd = nullptr;
}

TEST(Application, WaitCursorsNestAndTheLastEndRestores)
{
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR wait = ::LoadCursorA(nullptr, IDC_WAIT);
    ::SetCursor(arrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(wait, ::GetCursor());
        {
            CWaitCursor inner;
        }
        // The inner end leaves the outer wait in place.
        EXPECT_EQ(wait, ::GetCursor());
    }
    EXPECT_EQ(arrow, ::GetCursor());
    // More ends than begins do not leave a debt behind.
    TestApp().DoWaitCursor(-1);
    {
        CWaitCursor again;
        EXPECT_EQ(wait, ::GetCursor());
    }
    EXPECT_EQ(arrow, ::GetCursor());
}

TEST(Application, DialogControlsFollowTheirCommandHandlers)
{
    IdleWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                              nullptr));
    HWND handled = Button(host.m_hWnd, ID_HANDLED, BS_PUSHBUTTON);
    HWND unhandled = Button(host.m_hWnd, ID_UNHANDLED, BS_PUSHBUTTON);
    HWND option = Button(host.m_hWnd, ID_OPTION, BS_AUTOCHECKBOX);
    host.UpdateDialogControls(&host, TRUE);
    EXPECT_TRUE(::IsWindowEnabled(handled));
    EXPECT_FALSE(::IsWindowEnabled(unhandled));
    // A check box is data, not a command: it stays usable.
    EXPECT_TRUE(::IsWindowEnabled(option));
}
