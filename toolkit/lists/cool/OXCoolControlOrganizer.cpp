#include "toolkit/lists/cool/OXCoolControlOrganizer.h"

#include "afx/Sync.h"
#include "toolkit/lists/cool/OXCoolComboBox.h"
#include "toolkit/lists/cool/OXCoolPainters.h"


HHOOK COXCoolControlOrganizer::s_hFirstCBTHook = nullptr;
HHOOK COXCoolControlOrganizer::s_hFirstGetMessageHook = nullptr;

namespace {
const UINT RedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME;

// Thread id -> organizer, for every thread of the process.
CMap<DWORD, DWORD, COXCoolControlOrganizer*, COXCoolControlOrganizer*>& ThreadOrganizers()
{
    static CMap<DWORD, DWORD, COXCoolControlOrganizer*, COXCoolControlOrganizer*> map;
    return map;
}

CCriticalSection& ThreadOrganizersLock()
{
    static CCriticalSection lock;
    return lock;
}

template <class C>
CWnd* Create()
{
    return new C;
}

// The classes the organizer converts, in the order they are tested, and the
// cool-control object each gets.
struct CoolClass
{
    LPCTSTR name;
    CWnd* (*create)();
};
const CoolClass CoolClasses[] = {
    {"Edit", &Create<COXCoolCtrl<CEdit>>},
    {"Button", &Create<COXCoolButton>},
    {"msctls_updown32", &Create<COXCoolSpinButtonCtrl>},
    {"msctls_hotkey32", &Create<COXCoolCtrl<CHotKeyCtrl>>},
    {"ComboBox", &Create<COXCoolComboBox>},
    {"ScrollBar", &Create<COXCoolScrollBar>},
    {"msctls_progress32", &Create<COXCoolCtrl<CProgressCtrl>>},
    {"msctls_trackbar32", &Create<COXCoolSliderCtrl>},
    {"SysDateTimePick32", &Create<COXCoolCtrl<CDateTimeCtrl>>},
    {"SysMonthCal32", &Create<COXCoolCtrl<CMonthCalCtrl>>},
    {"SysIPAddress32", &Create<COXCoolCtrl<CIPAddressCtrl>>},
    {"SysListView32", &Create<COXCoolCtrl<CListCtrl>>},
    {"SysTreeView32", &Create<COXCoolCtrl<CTreeCtrl>>},
    {"LISTBOX", &Create<COXCoolCtrl<CListBox>>},
    {"RICHEDIT", &Create<COXCoolCtrl<CRichEditCtrl>>},
};

const CoolClass* FindClass(LPCTSTR lpszClassName)
{
    for (const CoolClass& entry : CoolClasses)
        if (lstrcmpi(entry.name, lpszClassName) == 0)
            return &entry;
    return nullptr;
}
} // namespace

BOOL IsComboBoxWindowClass(HWND hWnd)
{
    TCHAR name[64] = {};
    return hWnd && ::GetClassName(hWnd, name, 64) && lstrcmpi(name, "ComboBox") == 0;
}

COXCoolControlOrganizer::COXCoolControlOrganizer()
    : m_dwThreadID(0), m_hCBTHook(nullptr), m_hGetMessageHook(nullptr)
{
    m_mapConvertedWindows.InitHashTable(17);
    m_mapSkippedWindows.InitHashTable(17);
}

COXCoolControlOrganizer::~COXCoolControlOrganizer()
{
    if (m_dwThreadID)
        DetachOrganizer();
    else
        Detach(nullptr);
}

BOOL COXCoolControlOrganizer::IsAttached(HWND hWnd) const
{
    void* object = nullptr;
    return m_mapConvertedWindows.Lookup(hWnd, object);
}

BOOL COXCoolControlOrganizer::IsSkipped(HWND hWnd) const
{
    DWORD code = 0;
    return m_mapSkippedWindows.Lookup(hWnd, code);
}

DWORD COXCoolControlOrganizer::GetSkipCode(HWND hWnd) const
{
    DWORD code = 0;
    m_mapSkippedWindows.Lookup(hWnd, code);
    return code;
}

BOOL COXCoolControlOrganizer::IsQualified(HWND hWnd, LPCTSTR lpszClassName)
{
    if (!FindClass(lpszClassName))
        return FALSE;
    // A combo box's own edit field belongs to the cool combo box.
    if (lstrcmpi(lpszClassName, "Edit") == 0 && IsComboBoxWindowClass(::GetParent(hWnd)))
        return FALSE;
    return TRUE;
}

CWnd* COXCoolControlOrganizer::ConvertWindow(HWND hWnd, LPCTSTR lpszClassName)
{
    const CoolClass* entry = FindClass(lpszClassName);
    CWnd* object = entry ? entry->create() : new COXCoolCtrl<CWnd>;
    if (!object->SubclassWindow(hWnd)) {
        delete object;
        return nullptr;
    }
    return object;
}

BOOL COXCoolControlOrganizer::Attach(HWND hWnd)
{
    if (IsKnown(hWnd))
        return FALSE;
    if (CWnd::FromHandlePermanent(hWnd)) {
        m_mapSkippedWindows.SetAt(hWnd, OXCOOL_SKIP_HAS_OBJECT);
        return FALSE;
    }
    TCHAR name[512] = {};
    ::GetClassName(hWnd, name, 512);
    if (!IsQualified(hWnd, name)) {
        m_mapSkippedWindows.SetAt(hWnd, OXCOOL_SKIP_NOT_QUALIFIED);
        return FALSE;
    }
    CWnd* object = ConvertWindow(hWnd, name);
    if (!object) {
        m_mapSkippedWindows.SetAt(hWnd, OXCOOL_SKIP_CONVERT_FAILED);
        return FALSE;
    }
    m_mapConvertedWindows.SetAt(hWnd, object);
    ::RedrawWindow(hWnd, nullptr, nullptr, RedrawAll);
    return TRUE;
}

void COXCoolControlOrganizer::AttachAllWindows(HWND hWnd)
{
    for (HWND h = hWnd; h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (::GetWindowThreadProcessId(h, nullptr) != m_dwThreadID)
            return;
        if (!IsKnown(h))
            Attach(h);
        const HWND child = ::GetWindow(h, GW_CHILD);
        if (child && !IsKnown(child))
            AttachAllWindows(child);
    }
}

BOOL COXCoolControlOrganizer::Detach(HWND hWnd)
{
    if (!hWnd) {
        while (!m_mapConvertedWindows.IsEmpty()) {
            POSITION pos = m_mapConvertedWindows.GetStartPosition();
            HWND first = nullptr;
            void* object = nullptr;
            m_mapConvertedWindows.GetNextAssoc(pos, first, object);
            Detach(first);
        }
        return TRUE;
    }
    void* entry = nullptr;
    if (!m_mapConvertedWindows.Lookup(hWnd, entry))
        return FALSE;
    CWnd* object = static_cast<CWnd*>(entry);
    if (::IsWindow(object->m_hWnd)) {
        object->UnsubclassWindow();
        ::RedrawWindow(hWnd, nullptr, nullptr, RedrawAll);
    } else {
        object->m_hWnd = nullptr;
    }
    delete object;
    m_mapConvertedWindows.RemoveKey(hWnd);
    return TRUE;
}

BOOL COXCoolControlOrganizer::AttachOrganizer(DWORD dwThreadID)
{
    {
        CSingleLock lock(&ThreadOrganizersLock(), TRUE);
        COXCoolControlOrganizer* present = nullptr;
        if (m_dwThreadID || ThreadOrganizers().Lookup(dwThreadID, present))
            return FALSE;
        ThreadOrganizers().SetAt(dwThreadID, this);
        m_dwThreadID = dwThreadID;
    }
    ::EnumWindows(&EnumThreadWindowsProc, reinterpret_cast<LPARAM>(this));
    m_hCBTHook = ::SetWindowsHookEx(WH_CBT, &CBTHookProc, nullptr, dwThreadID);
    m_hGetMessageHook = ::SetWindowsHookEx(WH_GETMESSAGE, &GetMessageHookProc, nullptr, dwThreadID);
    CSingleLock lock(&ThreadOrganizersLock(), TRUE);
    if (!s_hFirstCBTHook)
        s_hFirstCBTHook = m_hCBTHook;
    if (!s_hFirstGetMessageHook)
        s_hFirstGetMessageHook = m_hGetMessageHook;
    return TRUE;
}

BOOL COXCoolControlOrganizer::DetachOrganizer()
{
    if (!m_dwThreadID)
        return FALSE;
    {
        CSingleLock lock(&ThreadOrganizersLock(), TRUE);
        if (m_hCBTHook) {
            ::UnhookWindowsHookEx(m_hCBTHook);
            m_hCBTHook = nullptr;
            s_hFirstCBTHook = nullptr;
        }
        if (m_hGetMessageHook) {
            ::UnhookWindowsHookEx(m_hGetMessageHook);
            m_hGetMessageHook = nullptr;
            s_hFirstGetMessageHook = nullptr;
        }
        ThreadOrganizers().RemoveKey(m_dwThreadID);
    }
    m_mapSkippedWindows.RemoveAll();
    m_dwThreadID = 0;
    return Detach(nullptr);
}

COXCoolControlOrganizer* COXCoolControlOrganizer::FindOrganizer(HWND hWnd)
{
    if (!::IsWindow(hWnd))
        return nullptr;
    CSingleLock lock(&ThreadOrganizersLock(), TRUE);
    COXCoolControlOrganizer* organizer = nullptr;
    ThreadOrganizers().Lookup(::GetWindowThreadProcessId(hWnd, nullptr), organizer);
    return organizer;
}

BOOL CALLBACK COXCoolControlOrganizer::EnumThreadWindowsProc(HWND hWnd, LPARAM lParam)
{
    auto* organizer = reinterpret_cast<COXCoolControlOrganizer*>(lParam);
    if (::GetWindowThreadProcessId(hWnd, nullptr) != organizer->m_dwThreadID)
        return TRUE;
    organizer->AttachAllWindows(hWnd);
    return FALSE;
}

LRESULT CALLBACK COXCoolControlOrganizer::CBTHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = reinterpret_cast<HWND>(wParam);
    COXCoolControlOrganizer* organizer = nCode >= 0 ? FindOrganizer(hWnd) : nullptr;
    if (!organizer)
        return ::CallNextHookEx(s_hFirstCBTHook, nCode, wParam, lParam);
    if (nCode == HCBT_DESTROYWND && organizer->IsAttached(hWnd))
        organizer->Detach(hWnd);
    return ::CallNextHookEx(organizer->m_hCBTHook, nCode, wParam, lParam);
}

LRESULT CALLBACK COXCoolControlOrganizer::GetMessageHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    COXCoolControlOrganizer* organizer = nCode >= 0 && msg ? FindOrganizer(msg->hwnd) : nullptr;
    if (!organizer)
        return ::CallNextHookEx(s_hFirstGetMessageHook, nCode, wParam, lParam);
    if (organizer->IsAttached(msg->hwnd)) {
        if (msg->message == WM_DESTROY)
            organizer->Detach(msg->hwnd);
    } else {
        organizer->AttachAllWindows(msg->hwnd);
    }
    return ::CallNextHookEx(organizer->m_hGetMessageHook, nCode, wParam, lParam);
}
