// Binding windows to objects: creation through the hook (system classes too),
// subclassing, the handle maps, reflection of child notifications, object
// lifetime around WM_NCDESTROY and exceptions that must not leave a handler.
#include <gtest/gtest.h>

#include "TestApp.h"

#include "afx/Exception.h"
#include "afx/Wnd.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

const UINT ID_CHILD = 1001;
const UINT WM_TEST_DESTROY_SELF = WM_USER + 10;
const UINT WM_TEST_THROW = WM_USER + 11;

const RECT kChildRect = { 5, 5, 105, 30 };

// A top-level parent that records what reaches its own map.
class ParentWnd : public CWnd
{
public:
    std::vector<std::string> calls;
    HBRUSH parentBrush = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(0x5678));

    BOOL CreateHidden()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                        nullptr);
    }
    void OnChildClicked() { calls.push_back("parent clicked"); }
    void OnListNotify(NMHDR*, LRESULT* result) { calls.push_back("parent notify"); *result = 2; }
    HBRUSH OnCtlColor(CDC*, CWnd* child, UINT type)
    {
        calls.push_back("parent ctlcolor " + std::to_string(type) + (child && child->m_hWnd ? " child" : ""));
        return parentBrush;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWnd, CWnd)
    ON_BN_CLICKED(ID_CHILD, &ParentWnd::OnChildClicked)
    ON_NOTIFY(NM_CLICK, ID_CHILD, &ParentWnd::OnListNotify)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A button bound at creation; it may take its own notifications.
class ChildButton : public CWnd
{
public:
    std::vector<std::string> calls;
    int preSubclassCount = 0;
    BOOL takeNotifications = TRUE;
    HBRUSH ownBrush = nullptr;

    void PreSubclassWindow() override { ++preSubclassCount; }
    BOOL OnNcCreate(LPCREATESTRUCT cs) { calls.push_back(std::string("nccreate ") + cs->lpszClass); return CWnd::OnNcCreate(cs); }
    int OnCreate(LPCREATESTRUCT cs) { calls.push_back("create"); return CWnd::OnCreate(cs); }
    BOOL OnClicked() { calls.push_back("child clicked"); return takeNotifications; }
    BOOL OnClick(NMHDR*, LRESULT* result) { calls.push_back("child notify"); *result = 1; return takeNotifications; }
    HBRUSH CtlColor(CDC*, UINT) { calls.push_back("child ctlcolor"); return ownBrush; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ChildButton, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &ChildButton::OnClicked)
    ON_NOTIFY_REFLECT_EX(NM_CLICK, &ChildButton::OnClick)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// Counts WM_SETTEXT through the map, then lets the control do its work.
class SubclassedEdit : public CWnd
{
public:
    int setTextCount = 0;
    int preSubclassCount = 0;
    void PreSubclassWindow() override { ++preSubclassCount; }
    LRESULT OnSetText(WPARAM, LPARAM) { ++setTextCount; return Default(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SubclassedEdit, CWnd)
    ON_MESSAGE(WM_SETTEXT, &SubclassedEdit::OnSetText)
END_MESSAGE_MAP()

HWND CreateRawEdit(HWND parent)
{
    return ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, parent, reinterpret_cast<HMENU>(7),
                             ::GetModuleHandleA(nullptr), nullptr);
}

} // namespace

TEST(WindowBinding, SystemClassChildGetsItsCreationMessagesThroughTheMap)
{
    ParentWnd parent;
    ASSERT_TRUE(parent.CreateHidden());
    ChildButton child;
    child.m_nFlags = WF_STAYACTIVE;
    ASSERT_TRUE(child.Create("BUTTON", "push", BS_PUSHBUTTON | WS_VISIBLE, kChildRect, &parent, ID_CHILD));

    EXPECT_EQ((std::vector<std::string>{ "nccreate BUTTON", "create" }), child.calls);
    EXPECT_EQ(static_cast<UINT>(WF_STAYACTIVE), child.m_nFlags);
    EXPECT_EQ(1, child.preSubclassCount);
    EXPECT_EQ(&child, CWnd::FromHandlePermanent(child.m_hWnd));
    EXPECT_EQ(&child, CWnd::FromHandle(child.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc()), ::GetWindowLongPtrA(child.m_hWnd, GWLP_WNDPROC));
    // The control still works as a button: its own procedure runs underneath.
    CString text;
    child.GetWindowText(text);
    EXPECT_STREQ("push", text);
    EXPECT_EQ(static_cast<int>(ID_CHILD), child.GetDlgCtrlID());
    EXPECT_EQ(&parent, child.GetParent());

    HWND hWnd = child.m_hWnd;
    EXPECT_TRUE(child.DestroyWindow());
    EXPECT_EQ(nullptr, child.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WindowBinding, UnknownWindowsGetTemporaryWrappersUntilIdle)
{
    HWND top = CreateHiddenTopLevel();
    ASSERT_NE(nullptr, top);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(top));
    CWnd* temp = CWnd::FromHandle(top);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(top, temp->m_hWnd);
    EXPECT_EQ(temp, CWnd::FromHandle(top));
    AfxDeleteTempMaps();
    // The window outlives its temporary wrapper.
    EXPECT_TRUE(::IsWindow(top));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(top));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    ::DestroyWindow(top);
}

TEST(WindowBinding, SubclassAndUnsubclassRestoreTheProcedure)
{
    HWND top = CreateHiddenTopLevel();
    HWND edit = CreateRawEdit(top);
    ASSERT_NE(nullptr, edit);
    const LONG_PTR original = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);

    SubclassedEdit wnd;
    // The object's own flags belong to it, not to the window it is bound to.
    wnd.m_nFlags = WF_KEEPMINIACTIVE | WF_STAYACTIVE;
    ASSERT_TRUE(wnd.SubclassWindow(edit));
    EXPECT_EQ(1, wnd.preSubclassCount);
    EXPECT_EQ(static_cast<UINT>(WF_KEEPMINIACTIVE | WF_STAYACTIVE), wnd.m_nFlags);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(edit));
    ::SetWindowTextA(edit, "\xCF\xF0\xE8\xE2\xE5\xF2");   // "Привет" in 1251
    EXPECT_EQ(1, wnd.setTextCount);
    char buffer[32] = "";
    ::GetWindowTextA(edit, buffer, sizeof buffer);
    EXPECT_STREQ("\xCF\xF0\xE8\xE2\xE5\xF2", buffer);

    EXPECT_EQ(edit, wnd.UnsubclassWindow());
    EXPECT_EQ(original, ::GetWindowLongPtrA(edit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(edit));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(static_cast<UINT>(WF_KEEPMINIACTIVE | WF_STAYACTIVE), wnd.m_nFlags);
    ::SetWindowTextA(edit, "after");
    EXPECT_EQ(1, wnd.setTextCount);
    ::DestroyWindow(top);
}

TEST(WindowBinding, ObjectGoingAwayTakesItsWindowAlong)
{
    HWND hWnd = nullptr;
    {
        ParentWnd wnd;
        ASSERT_TRUE(wnd.CreateHidden());
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

// ---- Reflection ---------------------------------------------------------------

TEST(WindowReflection, ChildTakesItsOwnNotificationsBeforeTheParent)
{
    ParentWnd parent;
    ASSERT_TRUE(parent.CreateHidden());
    ChildButton child;
    ASSERT_TRUE(child.Create("BUTTON", "push", BS_PUSHBUTTON | WS_VISIBLE, kChildRect, &parent, ID_CHILD));
    child.calls.clear();

    // A real click: the button sends WM_COMMAND/BN_CLICKED to its parent.
    ::SendMessageA(child.m_hWnd, BM_CLICK, 0, 0);
    NMHDR header = { child.m_hWnd, ID_CHILD, static_cast<UINT>(NM_CLICK) };
    const LRESULT result = ::SendMessageA(parent.m_hWnd, WM_NOTIFY, ID_CHILD, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(1, result);
    EXPECT_EQ((std::vector<std::string>{ "child clicked", "child notify" }), child.calls);
    EXPECT_TRUE(parent.calls.empty());
}

TEST(WindowReflection, ParentGetsWhatTheChildDeclines)
{
    ParentWnd parent;
    ASSERT_TRUE(parent.CreateHidden());
    ChildButton child;
    ASSERT_TRUE(child.Create("BUTTON", "push", BS_PUSHBUTTON | WS_VISIBLE, kChildRect, &parent, ID_CHILD));
    child.takeNotifications = FALSE;

    ::SendMessageA(child.m_hWnd, BM_CLICK, 0, 0);
    NMHDR header = { child.m_hWnd, ID_CHILD, static_cast<UINT>(NM_CLICK) };
    const LRESULT result = ::SendMessageA(parent.m_hWnd, WM_NOTIFY, ID_CHILD, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(2, result);
    EXPECT_EQ((std::vector<std::string>{ "parent clicked", "parent notify" }), parent.calls);

    // A window with no object of its own reflects nothing: the parent handles it.
    HWND raw = ::CreateWindowExA(0, "BUTTON", "raw", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_CHILD)),
                                 ::GetModuleHandleA(nullptr), nullptr);
    parent.calls.clear();
    ::SendMessageA(raw, BM_CLICK, 0, 0);
    EXPECT_EQ(std::vector<std::string>{ "parent clicked" }, parent.calls);
}

TEST(WindowReflection, ColourMessagesGoToTheControlFirst)
{
    ParentWnd parent;
    ASSERT_TRUE(parent.CreateHidden());
    ChildButton child;
    ASSERT_TRUE(child.Create("BUTTON", "push", BS_PUSHBUTTON, kChildRect, &parent, ID_CHILD));
    child.calls.clear();
    HDC dc = ::GetDC(parent.m_hWnd);

    child.ownBrush = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    LRESULT result = ::SendMessageA(parent.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(child.ownBrush), result);
    EXPECT_TRUE(parent.calls.empty());

    // No brush from the control: the parent decides, told the kind of control.
    child.ownBrush = nullptr;
    result = ::SendMessageA(parent.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(parent.parentBrush), result);
    EXPECT_EQ(std::vector<std::string>{ "parent ctlcolor 6 child" }, parent.calls);
    ::ReleaseDC(parent.m_hWnd, dc);
}

// ---- Lifetime -------------------------------------------------------------------

namespace {

int g_selfDeletions = 0;

class SelfOwningWnd : public CWnd
{
public:
    bool aliveAfterDestroy = false;
    bool unboundAfterDestroy = false;
    int* deletionsSeenInHandler = nullptr;

    ~SelfOwningWnd() override { ++g_selfDeletions; }
    void PostNcDestroy() override { delete this; }

    LRESULT OnDestroySelf(WPARAM, LPARAM)
    {
        DestroyWindow();
        // Still here: the object goes only when this handler has returned.
        aliveAfterDestroy = g_selfDeletions == 0;
        unboundAfterDestroy = m_hWnd == nullptr;
        return aliveAfterDestroy && unboundAfterDestroy ? 1 : 0;
    }
    int OnCreate(LPCREATESTRUCT cs) { return cs->lpCreateParams ? -1 : 0; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfOwningWnd, CWnd)
    ON_MESSAGE(WM_TEST_DESTROY_SELF, &SelfOwningWnd::OnDestroySelf)
    ON_WM_CREATE()
END_MESSAGE_MAP()

} // namespace

TEST(WindowLifetime, WindowDestroyedInItsOwnHandlerIsDeletedOnceAfterTheHandler)
{
    g_selfDeletions = 0;
    SelfOwningWnd* wnd = new SelfOwningWnd;
    ASSERT_TRUE(wnd->CreateEx(0, AfxRegisterWndClass(0), "self", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = wnd->m_hWnd;
    EXPECT_EQ(1, ::SendMessageA(hWnd, WM_TEST_DESTROY_SELF, 0, 0));
    EXPECT_EQ(1, g_selfDeletions);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WindowLifetime, DestroyedFromOutsideIsDeletedAtOnce)
{
    g_selfDeletions = 0;
    SelfOwningWnd* wnd = new SelfOwningWnd;
    ASSERT_TRUE(wnd->CreateEx(0, AfxRegisterWndClass(0), "self", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_TRUE(::DestroyWindow(wnd->m_hWnd));
    EXPECT_EQ(1, g_selfDeletions);
}

TEST(WindowLifetime, FailedCreationDeletesTheSelfOwningObjectOnce)
{
    g_selfDeletions = 0;
    SelfOwningWnd* wnd = new SelfOwningWnd;
    int fail = 1;
    EXPECT_FALSE(wnd->CreateEx(0, AfxRegisterWndClass(0), "self", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, &fail));
    EXPECT_EQ(1, g_selfDeletions);
}

// ---- Exceptions -----------------------------------------------------------------

namespace {

class RecordedException : public CException
{
public:
    static int reported;
    int ReportError(UINT, UINT) override { ++reported; return IDOK; }
};
int RecordedException::reported = 0;

class ThrowingWnd : public CWnd
{
public:
    LRESULT OnThrow(WPARAM kind, LPARAM)
    {
        switch (kind) {
        case 0: throw new RecordedException;
        case 1: throw CString("text thrown");
        case 2: throw std::runtime_error("standard thrown");
        case 3: AfxThrowUserException();
        default: throw 42;
        }
    }
    int OnCreate(LPCREATESTRUCT cs)
    {
        if (cs->lpCreateParams)
            throw std::runtime_error("creation thrown");
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
    ON_MESSAGE(WM_TEST_THROW, &ThrowingWnd::OnThrow)
    ON_WM_CREATE()
END_MESSAGE_MAP()

} // namespace

TEST(WindowExceptions, NothingThrownInAHandlerLeavesTheWindowProcedure)
{
    ThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "thrower", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    TestApp().m_messages.clear();
    RecordedException::reported = 0;

    for (WPARAM kind = 0; kind <= 4; ++kind)
        EXPECT_EQ(0, ::SendMessageA(wnd.m_hWnd, WM_TEST_THROW, kind, 0)) << kind;

    EXPECT_EQ(1, RecordedException::reported);
    // The user exception is silent: the user has been told already.
    ASSERT_EQ(3u, TestApp().m_messages.size());
    EXPECT_EQ("text thrown", TestApp().m_messages[0]);
    EXPECT_EQ("standard thrown", TestApp().m_messages[1]);
    EXPECT_FALSE(TestApp().m_messages[2].empty());
    // The window lives on and still answers.
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
}

TEST(WindowExceptions, ThrowingOnCreateFailsTheCreation)
{
    ThrowingWnd wnd;
    int fail = 1;
    TestApp().m_messages.clear();
    EXPECT_FALSE(wnd.CreateEx(0, AfxRegisterWndClass(0), "thrower", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, &fail));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(std::vector<std::string>{ "creation thrown" }, TestApp().m_messages);
}
