// The organizer: one per thread, giving every framework window of its
// thread an auto-scroll hook, existing windows at once and new ones through
// the thread's CBT and message hooks.
#include "toolkit/foundation/OXIntelliMouse.h"

#include "afx/Sync.h"
#include "afx/Wnd.h"

namespace {
// Thread id -> its organizer, for every thread of the process.
CCriticalSection& ThreadMapLock()
{
    static CCriticalSection lock;
    return lock;
}

CMap<DWORD, DWORD, COXIntelliMouseOrganizer*, COXIntelliMouseOrganizer*>& ThreadMap()
{
    static CMap<DWORD, DWORD, COXIntelliMouseOrganizer*, COXIntelliMouseOrganizer*> map;
    return map;
}

BOOL IsFrameworkWindow(HWND hWnd)
{
    return hWnd && CWnd::FromHandlePermanent(hWnd) != nullptr;
}
} // namespace

COXIntelliMouseOrganizer::COXIntelliMouseOrganizer()
    : m_dwThreadID(0), m_nStartEvent(WM_MBUTTONDOWN), m_dwKeyState(0), m_hCbtHook(nullptr), m_hGetMessageHook(nullptr)
{
}

COXIntelliMouseOrganizer::~COXIntelliMouseOrganizer()
{
    if (IsAttached())
        DetachFromThread();
    else
        Detach(nullptr);
    for (COXIntelliMouse* pObject : m_pool)
        delete pObject;
}

BOOL COXIntelliMouseOrganizer::IsQualified(HWND /*hWnd*/, LPCTSTR /*lpszClassName*/)
{
    return TRUE;
}

COXIntelliMouseOrganizer* COXIntelliMouseOrganizer::ForThread(DWORD dwThreadID)
{
    CSingleLock lock(&ThreadMapLock(), TRUE);
    COXIntelliMouseOrganizer* pOrganizer = nullptr;
    ThreadMap().Lookup(dwThreadID, pOrganizer);
    return pOrganizer;
}

BOOL COXIntelliMouseOrganizer::AttachToThread(DWORD dwThreadID, UINT nStartEvent, DWORD dwKeyState)
{
    if (IsAttached() || dwThreadID == 0)
        return FALSE;
    {
        CSingleLock lock(&ThreadMapLock(), TRUE);
        COXIntelliMouseOrganizer* pOther = nullptr;
        if (ThreadMap().Lookup(dwThreadID, pOther))
            return FALSE;
        ThreadMap().SetAt(dwThreadID, this);
    }
    m_dwThreadID = dwThreadID;
    m_nStartEvent = nStartEvent;
    m_dwKeyState = dwKeyState;
    m_hCbtHook = ::SetWindowsHookExA(WH_CBT, &CbtHookProc, nullptr, dwThreadID);
    m_hGetMessageHook = ::SetWindowsHookExA(WH_GETMESSAGE, &GetMessageHookProc, nullptr, dwThreadID);
    if (!m_hCbtHook || !m_hGetMessageHook) {
        DetachFromThread();
        return FALSE;
    }
    ::EnumThreadWindows(
        dwThreadID,
        [](HWND hWnd, LPARAM lParam) {
            reinterpret_cast<COXIntelliMouseOrganizer*>(lParam)->AttachTree(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    return TRUE;
}

void COXIntelliMouseOrganizer::AttachTree(HWND hWnd)
{
    if (::GetWindowThreadProcessId(hWnd, nullptr) != m_dwThreadID)
        return;
    AttachIfWanted(hWnd);
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        AttachTree(hChild);
}

void COXIntelliMouseOrganizer::AttachIfWanted(HWND hWnd)
{
    if (!IsFrameworkWindow(hWnd) || GetAttachedObject(hWnd))
        return;
    BOOL refused = FALSE;
    if (m_mapRefused.Lookup(hWnd, refused))
        return;
    AttachWindow(hWnd, m_nStartEvent, m_dwKeyState);
}

BOOL COXIntelliMouseOrganizer::DetachFromThread()
{
    if (!IsAttached())
        return FALSE;
    if (m_hCbtHook)
        ::UnhookWindowsHookEx(m_hCbtHook);
    if (m_hGetMessageHook)
        ::UnhookWindowsHookEx(m_hGetMessageHook);
    m_hCbtHook = nullptr;
    m_hGetMessageHook = nullptr;
    m_mapRefused.RemoveAll();
    {
        CSingleLock lock(&ThreadMapLock(), TRUE);
        COXIntelliMouseOrganizer* pOrganizer = nullptr;
        if (ThreadMap().Lookup(m_dwThreadID, pOrganizer) && pOrganizer == this)
            ThreadMap().RemoveKey(m_dwThreadID);
    }
    m_dwThreadID = 0;
    Detach(nullptr);
    return TRUE;
}

COXIntelliMouse* COXIntelliMouseOrganizer::AttachWindow(HWND hWnd, UINT nStartEvent, DWORD dwKeyState)
{
    if (!hWnd || !::IsWindow(hWnd))
        return nullptr;
    if (COXIntelliMouse* pExisting = GetAttachedObject(hWnd))
        return pExisting;
    BOOL refused = FALSE;
    if (m_mapRefused.Lookup(hWnd, refused))
        return nullptr;
    if (IsAttached()) {
        char className[513] = "";
        ::GetClassNameA(hWnd, className, 512);
        if (!IsQualified(hWnd, className)) {
            m_mapRefused.SetAt(hWnd, TRUE);
            return nullptr;
        }
    }
    COXIntelliMouse* pObject = nullptr;
    if (!m_pool.empty()) {
        pObject = m_pool.front();
        m_pool.erase(m_pool.begin());
    } else {
        pObject = new COXIntelliMouse;
    }
    if (!pObject->Attach(hWnd, nStartEvent, dwKeyState)) {
        m_pool.push_back(pObject);
        return nullptr;
    }
    m_mapObjects.SetAt(hWnd, pObject);
    return pObject;
}

BOOL COXIntelliMouseOrganizer::Detach(HWND hWnd)
{
    auto release = [this](COXIntelliMouse* pObject) {
        if (pObject->IsHooked())
            pObject->Detach();
        pObject->Reset();
        m_pool.push_back(pObject);
    };
    if (hWnd) {
        COXIntelliMouse* pObject = nullptr;
        if (!m_mapObjects.Lookup(hWnd, pObject))
            return FALSE;
        m_mapObjects.RemoveKey(hWnd);
        release(pObject);
        return TRUE;
    }
    POSITION pos = m_mapObjects.GetStartPosition();
    while (pos) {
        HWND hKey = nullptr;
        COXIntelliMouse* pObject = nullptr;
        m_mapObjects.GetNextAssoc(pos, hKey, pObject);
        release(pObject);
    }
    m_mapObjects.RemoveAll();
    return TRUE;
}

COXIntelliMouse* COXIntelliMouseOrganizer::GetAttachedObject(HWND hWnd) const
{
    COXIntelliMouse* pObject = nullptr;
    return hWnd && m_mapObjects.Lookup(hWnd, pObject) ? pObject : nullptr;
}

BOOL COXIntelliMouseOrganizer::IsAttached(HWND hWnd) const
{
    const COXIntelliMouse* pObject = GetAttachedObject(hWnd);
    return pObject && pObject->IsHooked();
}

UINT COXIntelliMouseOrganizer::GetStartEvent(HWND hWnd) const
{
    const COXIntelliMouse* pObject = GetAttachedObject(hWnd);
    return pObject ? pObject->GetStartEvent() : 0;
}

DWORD COXIntelliMouseOrganizer::GetKeyState(HWND hWnd) const
{
    const COXIntelliMouse* pObject = GetAttachedObject(hWnd);
    return pObject ? pObject->GetKeyState() : 0;
}

BOOL COXIntelliMouseOrganizer::SetStartEvent(HWND hWnd, UINT nStartEvent, DWORD dwKeyState)
{
    if (hWnd) {
        COXIntelliMouse* pObject = GetAttachedObject(hWnd);
        if (!pObject)
            return FALSE;
        pObject->SetStartEvent(nStartEvent, dwKeyState);
        return TRUE;
    }
    if (IsAttached()) {
        m_nStartEvent = nStartEvent;
        m_dwKeyState = dwKeyState;
    }
    POSITION pos = m_mapObjects.GetStartPosition();
    while (pos) {
        HWND hKey = nullptr;
        COXIntelliMouse* pObject = nullptr;
        m_mapObjects.GetNextAssoc(pos, hKey, pObject);
        pObject->SetStartEvent(nStartEvent, dwKeyState);
    }
    return TRUE;
}

LRESULT CALLBACK COXIntelliMouseOrganizer::CbtHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    COXIntelliMouseOrganizer* pOrganizer = ForThread(::GetCurrentThreadId());
    HHOOK hNext = pOrganizer ? pOrganizer->m_hCbtHook : nullptr;
    if (pOrganizer && nCode >= 0) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        switch (nCode) {
        case HCBT_DESTROYWND:
            if (IsFrameworkWindow(hWnd))
                pOrganizer->Detach(hWnd);
            break;
        // The codes whose wParam is a window.
        case HCBT_CREATEWND:
        case HCBT_ACTIVATE:
        case HCBT_MINMAX:
        case HCBT_MOVESIZE:
        case HCBT_SETFOCUS:
            pOrganizer->AttachIfWanted(hWnd);
            break;
        default:
            break;
        }
    }
    return ::CallNextHookEx(hNext, nCode, wParam, lParam);
}

LRESULT CALLBACK COXIntelliMouseOrganizer::GetMessageHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    COXIntelliMouseOrganizer* pOrganizer = ForThread(::GetCurrentThreadId());
    HHOOK hNext = pOrganizer ? pOrganizer->m_hGetMessageHook : nullptr;
    if (pOrganizer && nCode >= 0 && wParam == PM_REMOVE) {
        const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
        if (pMsg->hwnd)
            pOrganizer->AttachIfWanted(pMsg->hwnd);
    }
    return ::CallNextHookEx(hNext, nCode, wParam, lParam);
}
