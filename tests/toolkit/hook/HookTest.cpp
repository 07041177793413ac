// The window hook chain on plain Win32 windows: the order hooks see a
// message in, unhooking from any place, the window's end, the mouse-leave
// timer, Default with a changed message, and two threads hooking at once.
#include "toolkit/foundation/OXHookWnd.h"

#include "afx/Wnd.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {
const UINT WM_PROBE = WM_USER + 5;
const UINT WM_CHANGE = WM_USER + 7;

// What reached the window's own procedure and the hooks, in order.
thread_local std::vector<std::string> t_log;
thread_local std::vector<WPARAM> t_probeParams;

LRESULT CALLBACK OwnProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PROBE || message == WM_CHANGE) {
        t_log.push_back("window");
        t_probeParams.push_back(wParam);
        return 42;
    }
    if (message == WM_NCDESTROY)
        t_log.push_back("ncdestroy");
    if (message == WM_OX_HOOK_MOUSEENTER)
        t_log.push_back("enter");
    if (message == WM_OX_HOOK_MOUSELEAVE)
        t_log.push_back("leave");
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

HWND MakeWindow(int x = 100, int y = 100)
{
    static ATOM atom = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &OwnProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "HookTestWindow";
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        return ::RegisterClassA(&wc);
    }();
    (void)atom;
    return ::CreateWindowExA(WS_EX_TOPMOST, "HookTestWindow", "hooked", WS_POPUP | WS_VISIBLE, x, y, 200, 150, nullptr,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

class CNamedHook : public COXHookWnd
{
public:
    explicit CNamedHook(const char* name) : m_name(name) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PROBE) {
            t_log.push_back(m_name);
            // The chain has made this the thread's current message.
            const MSG* current = AfxGetCurrentMessage();
            seenCurrent = current->hwnd == GetHookedWnd() && current->message == message && current->wParam == wParam;
        }
        if (message == WM_CHANGE) {
            MSG changed = *AfxGetCurrentMessage();
            changed.wParam = 99;
            AfxSetCurrentMessage(changed);
            return Default();
        }
        return COXHookWnd::WindowProc(message, wParam, lParam);
    }
    BOOL seenCurrent = FALSE;

private:
    std::string m_name;
};

std::vector<std::string> Probe(HWND hWnd)
{
    t_log.clear();
    EXPECT_EQ(42, ::SendMessageA(hWnd, WM_PROBE, 7, 0));
    return t_log;
}

typedef std::vector<std::string> Names;
} // namespace

TEST(HookChainTest, LaterHookSeesTheMessageFirstAndUnhookingKeepsTheRest)
{
    HWND hWnd = MakeWindow();
    const LONG_PTR own = ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
    CNamedHook first("first"), second("second"), third("third");
    first.HookWindow(hWnd);
    EXPECT_NE(own, ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    second.HookWindow(hWnd);
    EXPECT_EQ((Names{ "second", "first", "window" }), Probe(hWnd));
    EXPECT_TRUE(second.seenCurrent);
    EXPECT_EQ(7u, t_probeParams.back());

    third.HookWindow(hWnd);
    EXPECT_EQ((Names{ "third", "second", "first", "window" }), Probe(hWnd));
    second.UnhookWindow();
    EXPECT_FALSE(second.IsHooked());
    EXPECT_EQ((Names{ "third", "first", "window" }), Probe(hWnd));
    third.UnhookWindow();
    EXPECT_EQ((Names{ "first", "window" }), Probe(hWnd));
    EXPECT_EQ(&first, COXHookWndMap::GetHookMap().Lookup(hWnd));
    first.UnhookWindow();
    EXPECT_EQ(own, ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    EXPECT_EQ((Names{ "window" }), Probe(hWnd));
    EXPECT_EQ(nullptr, COXHookWndMap::GetHookMap().Lookup(hWnd));

    // A hook going out of scope leaves the chain by itself.
    {
        CNamedHook passing("passing");
        passing.HookWindow(hWnd);
        first.HookWindow(hWnd);
    }
    EXPECT_EQ((Names{ "first", "window" }), Probe(hWnd));
    first.UnhookWindow();
    EXPECT_EQ(own, ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    ::DestroyWindow(hWnd);
}

TEST(HookChainTest, DestroyedWindowLosesItsHooksAndStillHearsTheEnd)
{
    HWND hWnd = MakeWindow();
    CNamedHook first("first"), second("second");
    first.HookWindow(hWnd);
    second.HookWindow(hWnd);
    first.SetMouseTimer();
    t_log.clear();
    ::DestroyWindow(hWnd);
    EXPECT_EQ((Names{ "ncdestroy" }), t_log);
    EXPECT_FALSE(first.IsHooked());
    EXPECT_FALSE(second.IsHooked());
    EXPECT_EQ(nullptr, COXHookWndMap::GetHookMap().Lookup(hWnd));

    // A window the chain does not know gets the system's default, not a crash.
    HWND stranger = MakeWindow();
    EXPECT_EQ(0, COXHookWndMap::HookWndProc(stranger, WM_PROBE, 0, 0));
    EXPECT_EQ(::DefWindowProcA(stranger, WM_GETTEXTLENGTH, 0, 0),
              COXHookWndMap::HookWndProc(stranger, WM_GETTEXTLENGTH, 0, 0));
    ::DestroyWindow(stranger);
}

TEST(HookChainTest, DefaultPassesTheCurrentMessageWithAChangedParameter)
{
    HWND hWnd = MakeWindow();
    CNamedHook inner("inner"), outer("outer");
    inner.HookWindow(hWnd);
    outer.HookWindow(hWnd);
    t_probeParams.clear();
    EXPECT_EQ(42, ::SendMessageA(hWnd, WM_CHANGE, 1, 0));
    // The outer hook's Default skipped its own handler but went down the chain.
    ASSERT_EQ(1u, t_probeParams.size());
    EXPECT_EQ(99u, t_probeParams[0]);
    // The record outside the chain is back as it was.
    EXPECT_NE(static_cast<UINT>(WM_CHANGE), AfxGetCurrentMessage()->message);
    ::DestroyWindow(hWnd);
}

TEST(HookChainTest, MouseTimerPostsEnterAndLeaveWithoutAMove)
{
    HWND hWnd = MakeWindow(300, 200);
    CNamedHook hook("hook");
    EXPECT_FALSE(hook.SetMouseTimer());   // not hooked yet
    hook.HookWindow(hWnd);
    ASSERT_TRUE(hook.SetMouseTimer());
    t_log.clear();
    SetCursorAt(CPoint(400, 260));
    EXPECT_TRUE(PumpUntil([] { return std::find(t_log.begin(), t_log.end(), "enter") != t_log.end(); }, 2000));
    EXPECT_TRUE(hook.IsMouseInside());

    t_log.clear();
    SetCursorAt(CPoint(50, 700));
    EXPECT_TRUE(PumpUntil([] { return std::find(t_log.begin(), t_log.end(), "leave") != t_log.end(); }, 2000));
    EXPECT_FALSE(hook.IsMouseInside());
    hook.KillMouseTimer();
    hook.UnhookWindow();
    ::DestroyWindow(hWnd);
}

TEST(HookChainTest, ThreadsHookTheirOwnWindowsAtTheSameTime)
{
    auto churn = [](int rounds, bool* ok) {
        HWND hWnd = MakeWindow();
        const LONG_PTR own = ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
        CNamedHook a("a"), b("b");
        *ok = true;
        for (int i = 0; i < rounds; ++i) {
            a.HookWindow(hWnd);
            b.HookWindow(hWnd);
            if (Probe(hWnd) != Names{ "b", "a", "window" })
                *ok = false;
            a.UnhookWindow();
            b.UnhookWindow();
        }
        if (::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) != own || COXHookWndMap::GetHookMap().Lookup(hWnd))
            *ok = false;
        ::DestroyWindow(hWnd);
    };
    bool mainOk = false, otherOk = false;
    std::thread other(churn, 3000, &otherOk);
    churn(3000, &mainOk);
    other.join();
    EXPECT_TRUE(mainOk);
    EXPECT_TRUE(otherOk);
}
