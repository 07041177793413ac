// Binding windows to their objects: the per-thread handle maps, the creation
// hook, the common window procedure and the object lifetime rules around it.
#include "afx/Wnd.h"

#include "afx/Exception.h"
#include "afx/HandleMap.h"
#include "afx/WinApp.h"

#include <exception>
#include <mutex>
#include <set>
#include <string>
#include <stdio.h>
#include <unordered_map>
#include <vector>

// The permanent map of one UI thread. It is never freed, so an object that is
// deleted on another thread (a mistake, but one that must not leave an entry
// pointing at freed memory) can still take its entry out; hence the lock.
struct AFX_WNDMAP
{
    explicit AFX_WNDMAP(DWORD id) : threadId(id) {}
    const DWORD threadId;
    std::mutex lock;
    std::unordered_map<HWND, CWnd*> map;
};

namespace {

struct TempWnd
{
    CWnd* wnd;
    UINT_PTR serial;   // AfxTempMapsMark order, for freeing by a modal loop
};

struct WndThreadState
{
    AFX_WNDMAP* permanent = nullptr;   // made on first use
    std::unordered_map<HWND, TempWnd> temporary;
    CWnd* wndInit = nullptr;      // the object whose window is being created
    bool binding = false;         // wndInit's PreSubclassWindow is running
    std::vector<CWnd*> savedInits;  // of creations further up the stack
    HHOOK cbtHook = nullptr;
    int hookUsers = 0;
    MSG current = {};             // the message being handled
};

thread_local WndThreadState t_state;

AFX_WNDMAP& ThreadWndMap()
{
    WndThreadState& state = t_state;
    if (!state.permanent)
        state.permanent = new AFX_WNDMAP(::GetCurrentThreadId());
    return *state.permanent;
}

// What a message answers when its handler threw: a window being created
// fails, a paint message validates so it does not come back at once.
LRESULT ResultAfterException(HWND hWnd, UINT message)
{
    switch (message) {
    case WM_CREATE:
        return -1;
    case WM_NCCREATE:
        return FALSE;
    case WM_PAINT:
        ::ValidateRect(hWnd, nullptr);
        return 0;
    default:
        return 0;
    }
}

void ReportText(LPCSTR text)
{
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
}

// The main window of this thread is gone: the thread's message loop ends with
// it. For the application that means ExitInstance, and the process ends with
// its code, whatever other windows (hidden ones included) still exist.
void EndLoopOfMainWindow(CWnd* pWnd)
{
    CWinThread* thread = AfxGetThread();
    if (!thread || thread->m_pMainWnd != pWnd)
        return;
    thread->m_pMainWnd = nullptr;
    ::PostQuitMessage(0);
}

} // namespace

void AFXAPI AfxReportCallbackException()
{
    try {
        throw;
    } catch (CException* e) {
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            e->ReportError(MB_OK | MB_ICONSTOP);
        e->Delete();
    } catch (const CString& text) {
        ReportText(text);
    } catch (const std::exception& e) {
        ReportText(e.what());
    } catch (...) {
        ReportText("An unexpected error occurred.");
    }
}

void AFXAPI AfxDeleteTempMaps(UINT_PTR since)
{
    CWnd::DeleteTempMap(since);
    AfxDeleteTempGdiObjects(since);
}

const MSG* AFXAPI AfxGetCurrentMessage()
{
    return &t_state.current;
}

MSG AFXAPI AfxSetCurrentMessage(const MSG& msg)
{
    const MSG previous = t_state.current;
    t_state.current = msg;
    return previous;
}

CWnd* AFXAPI AfxGetWndInit()
{
    return t_state.wndInit;
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

const BOOL afxNewShellLook = TRUE;

WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return &AfxWndProc;
}

// ---- Handle maps -----------------------------------------------------------

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    // A thread that never bound a window has no map (and gets none by asking).
    AFX_WNDMAP* owner = t_state.permanent;
    if (!hWnd || !owner)
        return nullptr;
    std::lock_guard<std::mutex> guard(owner->lock);
    auto it = owner->map.find(hWnd);
    return it == owner->map.end() ? nullptr : it->second;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* permanent = FromHandlePermanent(hWnd))
        return permanent;
    auto it = t_state.temporary.find(hWnd);
    if (it != t_state.temporary.end())
        return it->second.wnd;
    CWnd* wrapper = new CWnd;
    wrapper->m_hWnd = hWnd;
    wrapper->m_bTemporary = TRUE;
    t_state.temporary.emplace(hWnd, TempWnd{wrapper, AfxNextTempSerial()});
    return wrapper;
}

void PASCAL CWnd::DeleteTempMap(UINT_PTR since)
{
    std::vector<CWnd*> doomed;
    auto& temporary = t_state.temporary;
    for (auto it = temporary.begin(); it != temporary.end();) {
        if (it->second.serial > since) {
            doomed.push_back(it->second.wnd);
            it = temporary.erase(it);
        } else {
            ++it;
        }
    }
    for (CWnd* wrapper : doomed) {
        wrapper->m_hWnd = nullptr;
        delete wrapper;
    }
}

BOOL CWnd::IsOwnerThread() const
{
    return !m_pOwnerMap || m_pOwnerMap->threadId == ::GetCurrentThreadId();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    ASSERT(m_hWnd == nullptr);
    ASSERT(IsOwnerThread());
    ASSERT(FromHandlePermanent(hWndNew) == nullptr);
    if (!hWndNew)
        return FALSE;
    // A temporary wrapper handed out earlier stays valid until idle time (its
    // holder may still use it); FromHandle answers with this object from now on.
    AFX_WNDMAP& owner = ThreadWndMap();
    {
        std::lock_guard<std::mutex> guard(owner.lock);
        owner.map[hWndNew] = this;
    }
    m_pOwnerMap = &owner;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    // Detaching belongs on the thread that bound the window; done elsewhere it
    // still takes the entry out of that thread's map.
    ASSERT(IsOwnerThread());
    HWND hWnd = m_hWnd;
    if (hWnd && m_pOwnerMap) {
        std::lock_guard<std::mutex> guard(m_pOwnerMap->lock);
        auto it = m_pOwnerMap->map.find(hWnd);
        if (it != m_pOwnerMap->map.end() && it->second == this)
            m_pOwnerMap->map.erase(it);
    }
    m_pOwnerMap = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}

void CWnd::ReleaseFromOtherThread()
{
    // The window lives on with its own procedure; its object is gone.
    WNDPROC current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    if (m_pfnSuper && current == &AfxWndProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC old = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hWnd, GWLP_WNDPROC,
                                                                reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (!old) {
        Detach();
        return FALSE;
    }
    if (old != &AfxWndProc)
        m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    ASSERT(pParent && pParent->m_hWnd);
    HWND control = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return control ? SubclassWindow(control) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    ASSERT(m_hWnd);
    if (m_pfnSuper) {
        // Someone subclassed the window after us: putting our predecessor back
        // would cut their procedure out of the chain, and leaving ours without
        // an object would lose the class's own. Stay bound.
        WNDPROC current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
        if (current != &AfxWndProc) {
            TRACE("UnsubclassWindow: another procedure was installed over ours\n");
            return nullptr;
        }
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::BindCreated(HWND hWnd)
{
    Attach(hWnd);
    PreSubclassWindow();
    WNDPROC old = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hWnd, GWLP_WNDPROC,
                                                                reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc)
        m_pfnSuper = old;
}

// ---- Creation --------------------------------------------------------------

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    WndThreadState& state = t_state;
    HHOOK hook = state.cbtHook;
    if (code == HCBT_CREATEWND && state.wndInit && !state.binding) {
        // Only the first window created belongs to the object: a dialog's
        // controls and windows its handlers create come later. The object
        // stays AfxGetWndInit() while its PreSubclassWindow runs.
        CWnd* wnd = state.wndInit;
        state.binding = true;
        AfxCallGuarded([&] { wnd->BindCreated(reinterpret_cast<HWND>(wParam)); return 0; }, 0);
        state.binding = false;
        state.wndInit = nullptr;
    }
    return ::CallNextHookEx(hook, code, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    WndThreadState& state = t_state;
    if (state.hookUsers++ == 0)
        state.cbtHook = ::SetWindowsHookExA(WH_CBT, &AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    state.savedInits.push_back(state.wndInit);
    state.wndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    WndThreadState& state = t_state;
    ASSERT(state.hookUsers > 0);
    const BOOL bound = state.wndInit == nullptr;
    state.wndInit = state.savedInits.back();
    state.savedInits.pop_back();
    if (--state.hookUsers == 0 && state.cbtHook) {
        ::UnhookWindowsHookEx(state.cbtHook);
        state.cbtHook = nullptr;
    }
    return bound;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    ASSERT(m_hWnd == nullptr);
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style),
                                  cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                  cs.lpCreateParams);
    AfxUnhookWindowCreate();
    // On failure a bound window has already had WM_NCDESTROY and
    // PostNcDestroy, which may have deleted this object: touch nothing.
    if (!hWnd)
        return FALSE;
    ASSERT(m_hWnd == hWnd);
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    // Child windows only: top-level windows use CreateEx.
    ASSERT(pParentWnd != nullptr);
    ASSERT((dwStyle & WS_POPUP) == 0);
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return FALSE;
    const bool bound = FromHandlePermanent(hWnd) == this;
    BOOL result = ::DestroyWindow(hWnd);
    // A subclassed window has been unbound by WM_NCDESTROY and may be gone
    // with its object; one only attached is still in the map.
    if (bound && FromHandlePermanent(hWnd) == this)
        Detach();
    else if (!bound && result && m_hWnd == hWnd)
        m_hWnd = nullptr;
    return result;
}

void CWnd::PostNcDestroy()
{
}

// ---- The window procedure --------------------------------------------------

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    WndThreadState& state = t_state;
    const MSG saved = state.current;
    state.current.hwnd = hWnd;
    state.current.message = nMsg;
    state.current.wParam = wParam;
    state.current.lParam = lParam;
    ++pWnd->m_nMsgDepth;

    LRESULT result = 0;
    // No exception crosses the window procedure: the system's caller cannot
    // unwind it. Report it and give the message its default answer.
    try {
        result = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (...) {
        AfxReportCallbackException();
        result = ResultAfterException(hWnd, nMsg);
    }

    if (nMsg == WM_NCDESTROY && pWnd->m_hWnd == hWnd) {
        // The window is gone: give the window its own procedure back and unbind.
        WNDPROC current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
        if (pWnd->m_pfnSuper && current == &AfxWndProc)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
        pWnd->m_pfnSuper = nullptr;
        pWnd->Detach();
        pWnd->m_bPostNcDestroyDue = TRUE;
        EndLoopOfMainWindow(pWnd);
    }

    state.current = saved;
    // The object may delete itself in PostNcDestroy; only when none of its
    // messages is still being handled further up the stack.
    if (--pWnd->m_nMsgDepth == 0 && pWnd->m_bPostNcDestroyDue) {
        pWnd->m_bPostNcDestroyDue = FALSE;
        pWnd->PostNcDestroy();
    }
    return result;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    if (!wnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(wnd, hWnd, nMsg, wParam, lParam);
}

// ---- Window classes --------------------------------------------------------

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASSA existing;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // The returned name must stay valid for the life of the process.
    static std::mutex lock;
    static std::set<std::string> names;
    HINSTANCE instance = AfxGetInstanceHandle();
    char name[96];
    _snprintf(name, sizeof name - 1, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(instance), nClassStyle,
              static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    name[sizeof name - 1] = 0;
    std::lock_guard<std::mutex> guard(lock);
    auto found = names.find(name);
    if (found != names.end())
        return found->c_str();
    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = instance;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return names.insert(name).first->c_str();
}
