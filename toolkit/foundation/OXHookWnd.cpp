#include "toolkit/foundation/OXHookWnd.h"

#include "afx/Wnd.h"

IMPLEMENT_DYNAMIC(COXHookWnd, CObject)

namespace {
const UINT_PTR kMouseTimerId = 1;
const UINT kMouseTimerPeriod = 100;
} // namespace

// ---- The map ---------------------------------------------------------------

COXHookWndMap& COXHookWndMap::GetHookMap()
{
    static COXHookWndMap map;
    return map;
}

COXHookWnd* COXHookWndMap::Lookup(HWND hWnd)
{
    CSingleLock lock(&m_lock, TRUE);
    void* first = nullptr;
    return CMapPtrToPtr::Lookup(hWnd, first) ? static_cast<COXHookWnd*>(first) : nullptr;
}

void COXHookWndMap::Add(HWND hWnd, COXHookWnd* pHook)
{
    CSingleLock lock(&m_lock, TRUE);
    void* first = nullptr;
    CMapPtrToPtr::Lookup(hWnd, first);
    COXHookWnd* pFirst = static_cast<COXHookWnd*>(first);
    pHook->m_pNext = pFirst;
    SetAt(hWnd, pHook);
    if (pFirst) {
        pHook->m_pOldWndProc = pFirst->m_pOldWndProc;
    } else {
        pHook->m_pOldWndProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&COXHookWndMap::HookWndProc)));
    }
}

void COXHookWndMap::Remove(COXHookWnd* pHook)
{
    CSingleLock lock(&m_lock, TRUE);
    HWND hWnd = pHook->m_hWndHooked;
    void* first = nullptr;
    if (!CMapPtrToPtr::Lookup(hWnd, first))
        return;
    COXHookWnd* pFirst = static_cast<COXHookWnd*>(first);
    if (pFirst == pHook) {
        if (pHook->m_pNext) {
            SetAt(hWnd, pHook->m_pNext);
        } else {
            RemoveKey(hWnd);
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pHook->m_pOldWndProc));
        }
    } else {
        COXHookWnd* pBefore = pFirst;
        while (pBefore && pBefore->m_pNext != pHook)
            pBefore = pBefore->m_pNext;
        if (pBefore)
            pBefore->m_pNext = pHook->m_pNext;
    }
    pHook->m_pNext = nullptr;
}

void COXHookWndMap::RemoveAll(HWND hWnd)
{
    while (COXHookWnd* pFirst = Lookup(hWnd))
        pFirst->UnhookWindow();
}

LRESULT CALLBACK COXHookWndMap::HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The hooks' handlers see this message as the thread's current one.
    MSG current = *AfxGetCurrentMessage();
    current.hwnd = hWnd;
    current.message = message;
    current.wParam = wParam;
    current.lParam = lParam;
    const MSG saved = AfxSetCurrentMessage(current);

    COXHookWndMap& map = GetHookMap();
    LRESULT result = 0;
    COXHookWnd* pFirst = map.Lookup(hWnd);
    if (!pFirst) {
        // Subclassed by the chain but no longer in the map: the system's default.
        result = ::DefWindowProcA(hWnd, message, wParam, lParam);
    } else if (message == WM_NCDESTROY) {
        // The window goes: every hook lets go, and its own procedure still hears it.
        WNDPROC pOldWndProc = pFirst->m_pOldWndProc;
        map.RemoveAll(hWnd);
        result = ::CallWindowProcA(pOldWndProc, hWnd, message, wParam, lParam);
    } else {
        result = pFirst->WindowProc(message, wParam, lParam);
    }
    AfxSetCurrentMessage(saved);
    return result;
}

// ---- The hook --------------------------------------------------------------

COXHookWnd::COXHookWnd()
    : m_hWndHooked(nullptr), m_pOldWndProc(nullptr), m_pNext(nullptr), m_nMouseTimer(0), m_bMouseInside(FALSE)
{
}

COXHookWnd::~COXHookWnd()
{
    if (m_hWndHooked)
        COXHookWnd::UnhookWindow();
}

void COXHookWnd::HookWindow(CWnd* pWnd)
{
    HookWindow(pWnd ? pWnd->GetSafeHwnd() : nullptr);
}

void COXHookWnd::HookWindow(HWND hWnd)
{
    KillMouseTimer();
    if (m_hWndHooked)
        UnhookWindow();
    if (!hWnd || !::IsWindow(hWnd))
        return;
    m_hWndHooked = hWnd;
    COXHookWndMap::GetHookMap().Add(hWnd, this);
}

BOOL COXHookWnd::UnhookWindow()
{
    KillMouseTimer();
    if (m_hWndHooked)
        COXHookWndMap::GetHookMap().Remove(this);
    m_hWndHooked = nullptr;
    m_pOldWndProc = nullptr;
    m_pNext = nullptr;
    return 0;
}

BOOL COXHookWnd::SetMouseTimer()
{
    if (!m_hWndHooked)
        return FALSE;
    m_nMouseTimer = ::SetTimer(m_hWndHooked, kMouseTimerId, kMouseTimerPeriod, nullptr);
    return m_nMouseTimer != 0;
}

void COXHookWnd::KillMouseTimer()
{
    if (m_nMouseTimer && m_hWndHooked)
        ::KillTimer(m_hWndHooked, m_nMouseTimer);
    m_nMouseTimer = 0;
    m_bMouseInside = FALSE;
}

void COXHookWnd::CheckMouse()
{
    POINT cursor;
    if (!::GetCursorPos(&cursor))
        return;
    const BOOL inside = ::WindowFromPoint(cursor) == m_hWndHooked;
    if (inside == m_bMouseInside)
        return;
    m_bMouseInside = inside;
    ::PostMessageA(m_hWndHooked, inside ? WM_OX_HOOK_MOUSEENTER : WM_OX_HOOK_MOUSELEAVE, 0, 0);
}

LRESULT COXHookWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_TIMER && m_nMouseTimer != 0 && wParam == m_nMouseTimer) ||
        (message == WM_MOUSEMOVE && !m_bMouseInside && m_hWndHooked))
        CheckMouse();
    if (m_pNext)
        return m_pNext->WindowProc(message, wParam, lParam);
    if (m_pOldWndProc)
        return ::CallWindowProcA(m_pOldWndProc, m_hWndHooked, message, wParam, lParam);
    // Unhooked while the message was on its way: the system's default.
    const MSG* current = AfxGetCurrentMessage();
    return ::DefWindowProcA(current->hwnd, message, wParam, lParam);
}

LRESULT COXHookWnd::Default()
{
    const MSG* current = AfxGetCurrentMessage();
    return COXHookWnd::WindowProc(current->message, current->wParam, current->lParam);
}
