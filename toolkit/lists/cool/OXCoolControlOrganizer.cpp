#include "toolkit/lists/cool/OXCoolControlOrganizer.h"

#include "toolkit/lists/cool/OXCoolComboBox.h"
#include "toolkit/lists/cool/OXCoolPainters.h"
#include "toolkit/lists/cool/OXThreadOrganizers.h"


using Organizers = COXThreadOrganizers<COXCoolControlOrganizer>;

HHOOK COXCoolControlOrganizer::GetFirstCBTHook()
{
    return Organizers::FirstCBT();
}

HHOOK COXCoolControlOrganizer::GetFirstGetMessageHook()
{
    return Organizers::FirstGetMessage();
}

namespace {
const UINT RedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME;

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
    if (m_dwThreadID || !Organizers::Register(dwThreadID, this))
        return FALSE;
    m_dwThreadID = dwThreadID;
    Organizers::WalkThread(dwThreadID, [this](HWND hWnd) { AttachAllWindows(hWnd); });
    Organizers::InstallHooks(dwThreadID, &CBTHookProc, &GetMessageHookProc, m_hCBTHook, m_hGetMessageHook);
    return TRUE;
}

BOOL COXCoolControlOrganizer::DetachOrganizer()
{
    if (!m_dwThreadID)
        return FALSE;
    Organizers::RemoveHooks(m_hCBTHook, m_hGetMessageHook);
    m_mapSkippedWindows.RemoveAll();
    Organizers::Unregister(m_dwThreadID);
    m_dwThreadID = 0;
    return Detach(nullptr);
}

LRESULT CALLBACK COXCoolControlOrganizer::CBTHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = reinterpret_cast<HWND>(wParam);
    COXCoolControlOrganizer* organizer = nCode >= 0 ? Organizers::Find(hWnd) : nullptr;
    if (!organizer)
        return ::CallNextHookEx(Organizers::FirstCBT(), nCode, wParam, lParam);
    if (nCode == HCBT_DESTROYWND && organizer->IsAttached(hWnd))
        organizer->Detach(hWnd);
    return ::CallNextHookEx(organizer->m_hCBTHook, nCode, wParam, lParam);
}

LRESULT CALLBACK COXCoolControlOrganizer::GetMessageHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    COXCoolControlOrganizer* organizer = nCode >= 0 && msg ? Organizers::Find(msg->hwnd) : nullptr;
    if (!organizer)
        return ::CallNextHookEx(Organizers::FirstGetMessage(), nCode, wParam, lParam);
    if (organizer->IsAttached(msg->hwnd)) {
        if (msg->message == WM_DESTROY)
            organizer->Detach(msg->hwnd);
    } else {
        organizer->AttachAllWindows(msg->hwnd);
    }
    return ::CallNextHookEx(organizer->m_hGetMessageHook, nCode, wParam, lParam);
}
