// The window core's services for hook chains and painters (the creation
// object, the writable current-message record, inserts, quitting) and the
// hardening of the binding: objects deleted on a foreign thread, unsubclassing
// under another procedure, temporary wrappers freed by every idle loop.
#include <gtest/gtest.h>

#include "TestApp.h"
#include "TestResource.h"

#include "afx/Dialog.h"
#include "afx/HandleMap.h"
#include "afx/Thread.h"
#include "afx/Wnd.h"

#include <string>
#include <thread>
#include <vector>

namespace {

const UINT WM_TEST_OUTER = WM_USER + 20;
const UINT WM_TEST_INNER = WM_USER + 21;
const UINT WM_TEST_RUN = WM_USER + 22;

// Records the object under creation at each step of its binding.
class CreationProbe : public CWnd
{
public:
    CWnd* seenInPreSubclass = reinterpret_cast<CWnd*>(1);
    CWnd* seenInCreate = reinterpret_cast<CWnd*>(1);
    void PreSubclassWindow() override { seenInPreSubclass = AfxGetWndInit(); }
    int OnCreate(LPCREATESTRUCT cs)
    {
        seenInCreate = AfxGetWndInit();
        return CWnd::OnCreate(cs);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CreationProbe, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// Handles an outer message by sending an inner one to itself, and looks at
// the current-message record on both sides.
class RecordProbe : public CWnd
{
public:
    std::vector<std::string> seen;
    LRESULT OnOuter(WPARAM wParam, LPARAM)
    {
        SendMessage(WM_TEST_INNER, 7);
        const MSG* current = AfxGetCurrentMessage();
        seen.push_back("outer after inner: " + std::to_string(current->message == WM_TEST_OUTER) + "," +
                       std::to_string(current->wParam == wParam));
        return 0;
    }
    LRESULT OnInner(WPARAM, LPARAM)
    {
        seen.push_back("inner: " + std::to_string(AfxGetCurrentMessage()->wParam));
        return 0;
    }
    // A painter's way: change the text in the record, then let Default run.
    LRESULT OnSetText(WPARAM, LPARAM)
    {
        MSG changed = *AfxGetCurrentMessage();
        changed.lParam = reinterpret_cast<LPARAM>("replaced");
        const MSG outer = AfxSetCurrentMessage(changed);
        const LRESULT result = Default();
        AfxSetCurrentMessage(outer);
        return result;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordProbe, CWnd)
    ON_MESSAGE(WM_TEST_OUTER, &RecordProbe::OnOuter)
    ON_MESSAGE(WM_TEST_INNER, &RecordProbe::OnInner)
    ON_MESSAGE(WM_SETTEXT, &RecordProbe::OnSetText)
END_MESSAGE_MAP()

class CountingWnd : public CWnd
{
public:
    int setTexts = 0;
    LRESULT OnSetText(WPARAM, LPARAM) { ++setTexts; return Default(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CountingWnd, CWnd)
    ON_MESSAGE(WM_SETTEXT, &CountingWnd::OnSetText)
END_MESSAGE_MAP()

// A procedure installed over a bound window by someone else.
WNDPROC g_below = nullptr;
int g_aboveCalls = 0;
LRESULT CALLBACK AboveProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT)
        ++g_aboveCalls;
    return ::CallWindowProcA(g_below, hWnd, message, wParam, lParam);
}

// Temporary wrappers of the tests' own, under made-up handles.
class CTempProbe : public CObject
{
};
void ReleaseProbe(CObject* object)
{
    delete object;
}
void AddProbe(int handle)
{
    AfxAddTempHandle(RUNTIME_CLASS(CObject), reinterpret_cast<void*>(static_cast<INT_PTR>(handle)), new CTempProbe,
                     &ReleaseProbe);
}
bool ProbeAlive(int handle)
{
    return AfxLookupTempHandle(RUNTIME_CLASS(CObject), reinterpret_cast<void*>(static_cast<INT_PTR>(handle))) != nullptr;
}

} // namespace

TEST(WindowCore, TheObjectUnderCreationIsKnownUntilItIsBound)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "p", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    CreationProbe created;
    ASSERT_TRUE(created.Create(nullptr, "c", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    // Created through the object: PreSubclassWindow runs while it is the one.
    EXPECT_EQ(&created, created.seenInPreSubclass);
    EXPECT_EQ(nullptr, created.seenInCreate);
    EXPECT_EQ(nullptr, AfxGetWndInit());

    // Subclassing an existing window: no creation is going on.
    HWND raw = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd, nullptr, nullptr, nullptr);
    CreationProbe subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(raw));
    EXPECT_EQ(nullptr, subclassed.seenInPreSubclass);
    parent.DestroyWindow();
}

TEST(WindowCore, CurrentMessageRecordIsWritableAndRestoredAfterNestedDispatch)
{
    RecordProbe probe;
    ASSERT_TRUE(probe.CreateEx(0, "EDIT", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr));
    probe.SendMessage(WM_TEST_OUTER, 3);
    EXPECT_EQ((std::vector<std::string>{"inner: 7", "outer after inner: 1,1"}), probe.seen);

    // Default() takes the record as the handler set it.
    probe.SetWindowText("original");
    CString text;
    probe.GetWindowText(text);
    EXPECT_STREQ("replaced", text);

    // A hook chain saves the record, sets its own and puts the outer one back.
    MSG mine = {};
    mine.message = WM_TEST_INNER;
    mine.wParam = 11;
    const MSG outer = AfxSetCurrentMessage(mine);
    EXPECT_EQ(11u, AfxGetCurrentMessage()->wParam);
    EXPECT_EQ(mine.message, AfxSetCurrentMessage(outer).message);
    EXPECT_EQ(outer.message, AfxGetCurrentMessage()->message);
    probe.DestroyWindow();
}

TEST(WindowCore, FormatStringsFillNumberedInserts)
{
    CString text;
    AfxFormatString2(text, "%2 %1", "first", "second");
    EXPECT_STREQ("second first", text);
    AfxFormatString2(text, IDS_TEST_INSERTS, "one", "two");
    EXPECT_STREQ("two before one, %3 stays", text);
    AfxFormatString1(text, "100% of %1%", "it");
    EXPECT_STREQ("100% of it%", text);
    const LPCTSTR inserts[] = {"a", "b", "c"};
    AfxFormatStrings(text, "%3%2%1%1", inserts, 3);
    EXPECT_STREQ("cbaa", text);
    AfxFormatString1(text, 9999u, "x");
    EXPECT_STREQ("", text);
}

TEST(WindowCore, PostQuitMessageReachesTheThreadsQueue)
{
    AfxPostQuitMessage(5);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(5u, msg.wParam);
    EXPECT_TRUE(afxNewShellLook);
}

TEST(WindowHardening, ObjectDeletedOnAnotherThreadLeavesNoMapEntry)
{
    CountingWnd* wnd = new CountingWnd;
    ASSERT_TRUE(wnd->CreateEx(0, "EDIT", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr));
    const HWND hWnd = wnd->m_hWnd;
    wnd->SetWindowText("a");
    EXPECT_EQ(1, wnd->setTexts);

    std::thread([wnd] { delete wnd; }).join();
    // The window is still there, unbound, and works as its class does.
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    ASSERT_TRUE(::IsWindow(hWnd));
    ::SetWindowTextA(hWnd, "still an edit");
    char text[32] = "";
    ::GetWindowTextA(hWnd, text, sizeof text);
    EXPECT_STREQ("still an edit", text);
    ::DestroyWindow(hWnd);
}

TEST(WindowHardening, UnsubclassLeavesAProcedureInstalledOverOurs)
{
    HWND raw = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    CountingWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(raw));
    g_aboveCalls = 0;
    g_below = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(raw, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AboveProc)));

    // Restoring the edit's own procedure would cut AboveProc out: refused.
    EXPECT_EQ(nullptr, wnd.UnsubclassWindow());
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(raw));
    ::SetWindowTextA(raw, "x");
    EXPECT_EQ(1, g_aboveCalls);
    EXPECT_EQ(1, wnd.setTexts);

    // Once the other procedure is gone, unsubclassing works.
    ::SetWindowLongPtrA(raw, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_below));
    EXPECT_EQ(raw, wnd.UnsubclassWindow());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(raw));
    ::SetWindowTextA(raw, "y");
    EXPECT_EQ(1, wnd.setTexts);
    ::DestroyWindow(raw);
}

namespace {

// A user-interface thread whose idle time must free the wrappers it made.
class CIdleThread : public CWinThread
{
public:
    HANDLE idled = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool freedAtIdle = false;
    BOOL InitInstance() override
    {
        AddProbe(501);
        return TRUE;
    }
    BOOL OnIdle(LONG lCount) override
    {
        const BOOL more = CWinThread::OnIdle(lCount);
        freedAtIdle = !ProbeAlive(501);
        ::SetEvent(idled);
        return more;
    }
};

} // namespace

TEST(WindowHardening, WorkerThreadIdleFreesItsTemporaryWrappers)
{
    CIdleThread* thread = new CIdleThread;
    thread->m_bAutoDelete = FALSE;
    ASSERT_TRUE(thread->CreateThread());
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(thread->idled, 10000));
    EXPECT_TRUE(thread->freedAtIdle);
    thread->PostThreadMessage(WM_QUIT, 0, 0);
    ::WaitForSingleObject(thread->m_hThread, 10000);
    ::CloseHandle(thread->idled);
    delete thread;
}

namespace {

class IdleDialog : public CDialog
{
public:
    bool insideFreedDuringSession = false;
    bool outsideAliveDuringSession = false;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        AddProbe(602);
        // The dialog ends from a timer: by then the queue has run empty.
        ::SetTimer(m_hWnd, 1, 100, &IdleDialog::EndFromTimer);
        return TRUE;
    }
    static void CALLBACK EndFromTimer(HWND hWnd, UINT, UINT_PTR id, DWORD)
    {
        ::KillTimer(hWnd, id);
        IdleDialog* dlg = static_cast<IdleDialog*>(CWnd::FromHandlePermanent(hWnd));
        dlg->insideFreedDuringSession = !ProbeAlive(602);
        dlg->outsideAliveDuringSession = ProbeAlive(601);
        dlg->EndDialog(IDOK);
    }
};

} // namespace

TEST(WindowHardening, ModalLoopFreesOnlyTheWrappersItsSessionMade)
{
    // A minimal template: a caption and nothing else.
    alignas(4) WORD words[32] = {};
    DLGTEMPLATE* tmpl = reinterpret_cast<DLGTEMPLATE*>(words);
    tmpl->style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    tmpl->cx = 80;
    tmpl->cy = 40;

    AddProbe(601);   // a caller's wrapper, made before the dialog
    IdleDialog dlg;
    ASSERT_TRUE(dlg.InitModalIndirect(tmpl));
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(dlg.insideFreedDuringSession);
    EXPECT_TRUE(dlg.outsideAliveDuringSession);
    AfxDeleteTempMaps();
    EXPECT_FALSE(ProbeAlive(601));
}

TEST(WindowCore, SetOwnerOfAChildKeepsItsParent)
{
    CWnd parent, other, child, popup;
    ASSERT_TRUE(parent.CreateEx(0, "STATIC", "parent", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    ASSERT_TRUE(other.CreateEx(0, "STATIC", "other", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    ASSERT_TRUE(child.CreateEx(0, "STATIC", "child", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd, nullptr));
    ASSERT_TRUE(popup.CreateEx(0, "STATIC", "popup", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));

    // A child's owner is the object's: the window stays where it was.
    child.SetOwner(&other);
    EXPECT_EQ(parent.m_hWnd, ::GetParent(child.m_hWnd));
    EXPECT_EQ(other.m_hWnd, child.GetOwner()->GetSafeHwnd());

    // A top-level window gets a real owner.
    popup.SetOwner(&other);
    EXPECT_EQ(other.m_hWnd, ::GetWindow(popup.m_hWnd, GW_OWNER));
    EXPECT_EQ(other.m_hWnd, popup.GetOwner()->GetSafeHwnd());

    popup.DestroyWindow();
    child.DestroyWindow();
    other.DestroyWindow();
    parent.DestroyWindow();
}
