#include "toolkit/foundation/OXInstanceManager.h"

#include <vector>

IMPLEMENT_DYNAMIC(COXInstanceManager, CObject)

namespace {
const char ListMutexPrefix[] = "COXInstanceManager_InstanceList_Mutex_";
const char AdditionalMutexPrefix[] = "COXInstanceManager_Additional_Mutex_";
const char MapPrefix[] = "COXInstanceManager_FileMap_";

// A window that can be a process's main window: visible, top-level, unowned
// and not a tool window.
bool IsMainWindowCandidate(HWND hWnd)
{
    return !::GetWindow(hWnd, GW_OWNER) && !(::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) &&
           (::GetWindowLongA(hWnd, GWL_STYLE) & WS_VISIBLE);
}

struct MainWindow
{
    DWORD dwProcessID;
    HWND hWnd;
};
using MainWindows = std::vector<MainWindow>;

BOOL CALLBACK FindMainWindowProc(HWND hWnd, LPARAM lParam)
{
    MainWindow* find = reinterpret_cast<MainWindow*>(lParam);
    DWORD processID = 0;
    ::GetWindowThreadProcessId(hWnd, &processID);
    if (processID != find->dwProcessID || !IsMainWindowCandidate(hWnd))
        return TRUE;
    find->hWnd = hWnd;
    return FALSE;
}

// Collects the first candidate window of every process.
BOOL CALLBACK CollectMainWindowsProc(HWND hWnd, LPARAM lParam)
{
    MainWindows* windows = reinterpret_cast<MainWindows*>(lParam);
    DWORD processID = 0;
    ::GetWindowThreadProcessId(hWnd, &processID);
    for (const MainWindow& window : *windows)
        if (window.dwProcessID == processID)
            return TRUE;
    if (IsMainWindowCandidate(hWnd))
        windows->push_back(MainWindow{ processID, hWnd });
    return TRUE;
}
} // namespace

// The list region mapped and the list mutex held for one operation, in that
// order; both are let go when it ends (or at Release).
class COXInstanceManager::ListAccess
{
public:
    explicit ListAccess(const COXInstanceManager& manager)
        : m_pList(nullptr), m_lock(&manager.m_listMutex, FALSE)
    {
        if (!manager.m_hMap)
            return;
        m_pList = static_cast<InstanceList*>(
            ::MapViewOfFile(manager.m_hMap, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, manager.m_dwListSize));
        if (m_pList)
            m_lock.Lock();
    }
    ~ListAccess() { Release(); }
    ListAccess(const ListAccess&) = delete;
    ListAccess& operator=(const ListAccess&) = delete;

    InstanceList* operator->() const { return m_pList; }
    InstanceList& operator*() const { return *m_pList; }
    bool IsValid() const { return m_pList != nullptr; }
    void Release()
    {
        if (m_pList)
            ::UnmapViewOfFile(m_pList);
        m_pList = nullptr;
        m_lock.Unlock();
    }

private:
    InstanceList* m_pList;
    CSingleLock m_lock;
};

DWORD COXInstanceManager::RoundToGranularity(DWORD dwSize)
{
    SYSTEM_INFO info;
    ::GetSystemInfo(&info);
    DWORD granularity = info.dwAllocationGranularity ? info.dwAllocationGranularity : 65536;
    return (dwSize + granularity - 1) / granularity * granularity;
}

COXInstanceManager::COXInstanceManager(LPCTSTR lpszUniqueName, DWORD dwAdditionalSize)
    : m_sUniqueName(lpszUniqueName), m_dwListSize(RoundToGranularity(sizeof(InstanceList))),
      m_dwAdditionalSize(RoundToGranularity(dwAdditionalSize)),
      m_listMutex(FALSE, CString(ListMutexPrefix) + lpszUniqueName),
      m_additionalMutex(FALSE, CString(AdditionalMutexPrefix) + lpszUniqueName), m_hMap(nullptr),
      m_pAdditionalView(nullptr)
{
    {
        // The creator initialises the list under the lock, so a second process
        // that opens the mapping meanwhile cannot register before that and
        // then be wiped out by it.
        CSingleLock lock(&m_listMutex, TRUE);
        m_hMap = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE | SEC_COMMIT, 0,
                                      m_dwListSize + m_dwAdditionalSize, CString(MapPrefix) + lpszUniqueName);
        bool created = m_hMap && ::GetLastError() != ERROR_ALREADY_EXISTS;
        if (created) {
            // A fresh page-file mapping reads as zeros: count and slots are set.
            InstanceList* list = static_cast<InstanceList*>(
                ::MapViewOfFile(m_hMap, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, m_dwListSize));
            if (list) {
                list->dwMaxInstances = 1;
                ::UnmapViewOfFile(list);
            }
        }
    }
    AddInstance(::GetCurrentProcessId());
}

COXInstanceManager::~COXInstanceManager()
{
    RemoveInstance(::GetCurrentProcessId());
    UnmapAdditionalData();
    if (m_hMap)
        ::CloseHandle(m_hMap);
}

UINT COXInstanceManager::GetMaxInstances() const
{
    ListAccess list(*this);
    return list.IsValid() ? list->dwMaxInstances : 0;
}

UINT COXInstanceManager::GetInstanceCount() const
{
    ListAccess list(*this);
    return list.IsValid() ? list->dwCount : 0;
}

BOOL COXInstanceManager::GetInstanceList(CDWordArray& instances) const
{
    instances.RemoveAll();
    ListAccess list(*this);
    if (!list.IsValid())
        return FALSE;
    DWORD count = list->dwCount < MaxListedInstances ? list->dwCount : MaxListedInstances;
    instances.SetSize(count);
    for (DWORD i = 0; i < count; ++i)
        instances[i] = list->adwProcessIDs[i];
    return TRUE;
}

void COXInstanceManager::PostToAll(const InstanceList& list, UINT message, DWORD dwProcessID)
{
    // One pass over the top-level windows finds every main window, instead
    // of one pass per registered instance.
    MainWindows windows;
    ::EnumWindows(CollectMainWindowsProc, reinterpret_cast<LPARAM>(&windows));
    DWORD count = list.dwCount < MaxListedInstances ? list.dwCount : MaxListedInstances;
    for (DWORD i = 0; i < count; ++i) {
        for (const MainWindow& window : windows) {
            if (window.dwProcessID == list.adwProcessIDs[i]) {
                ::PostMessageA(window.hWnd, message, 0, static_cast<LPARAM>(dwProcessID));
                break;
            }
        }
    }
}

BOOL COXInstanceManager::AddInstance(DWORD dwProcessID)
{
    ListAccess list(*this);
    if (!list.IsValid() || list->dwCount >= MaxListedInstances)
        return FALSE;
    PostToAll(*list, WM_OX_INSTANCE_ADDED, dwProcessID);
    list->adwProcessIDs[list->dwCount] = dwProcessID;
    ++list->dwCount;
    return TRUE;
}

BOOL COXInstanceManager::RemoveInstance(DWORD dwProcessID)
{
    ListAccess list(*this);
    if (!list.IsValid())
        return FALSE;
    DWORD count = list->dwCount < MaxListedInstances ? list->dwCount : MaxListedInstances;
    DWORD index = 0;
    while (index < count && list->adwProcessIDs[index] != dwProcessID)
        ++index;
    if (index == count)
        return FALSE;
    for (; index + 1 < count; ++index)
        list->adwProcessIDs[index] = list->adwProcessIDs[index + 1];
    list->adwProcessIDs[count - 1] = 0;
    list->dwCount = count - 1;
    PostToAll(*list, WM_OX_INSTANCE_REMOVED, dwProcessID);
    return TRUE;
}

BOOL COXInstanceManager::SetMaxInstances(UINT nMaxInstances, BOOL bEnforce)
{
    CDWordArray instances;
    {
        ListAccess list(*this);
        if (!list.IsValid())
            return FALSE;
        list->dwMaxInstances = nMaxInstances;
        DWORD count = list->dwCount < MaxListedInstances ? list->dwCount : MaxListedInstances;
        instances.SetSize(count);
        for (DWORD i = 0; i < count; ++i)
            instances[i] = list->adwProcessIDs[i];
    }
    // Windows are closed only once the lock is let go.
    INT_PTR excess = instances.GetSize() - static_cast<INT_PTR>(nMaxInstances);
    if (!bEnforce || excess < 1)
        return TRUE;
    DWORD self = ::GetCurrentProcessId();
    for (INT_PTR i = instances.GetSize() - 1; i >= 0 && excess > 0; --i) {
        if (instances[i] != self && CloseInstance(instances[i]))
            --excess;
    }
    if (excess > 0)
        CloseInstance(self);
    return TRUE;
}

BOOL COXInstanceManager::CheckMaxAllowedInstances(BOOL bActivate)
{
    DWORD other = 0;
    {
        ListAccess list(*this);
        if (!list.IsValid() || list->dwCount <= list->dwMaxInstances)
            return FALSE;
        if (bActivate) {
            other = list->adwProcessIDs[0];
            if (other == ::GetCurrentProcessId())
                other = list->dwCount > 1 ? list->adwProcessIDs[1] : 0;
        }
    }
    HWND hWnd = other ? FindInstanceMainWindow(other) : nullptr;
    if (hWnd) {
        ::SetForegroundWindow(hWnd);
        if (::GetWindowLongA(hWnd, GWL_STYLE) & WS_MINIMIZE)
            ::ShowWindow(hWnd, SW_RESTORE);
    }
    return TRUE;
}

HWND COXInstanceManager::FindInstanceMainWindow(DWORD dwProcessID)
{
    MainWindow find = { dwProcessID, nullptr };
    ::EnumWindows(FindMainWindowProc, reinterpret_cast<LPARAM>(&find));
    return find.hWnd;
}

BOOL COXInstanceManager::CloseInstance(DWORD dwProcessID)
{
    HWND hWnd = FindInstanceMainWindow(dwProcessID);
    if (!hWnd || !::IsWindowEnabled(hWnd))
        return FALSE;
    return ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
}

LPVOID COXInstanceManager::MapAdditionalData()
{
    if (m_pAdditionalView)
        return m_pAdditionalView;
    if (!m_hMap || !m_dwAdditionalSize)
        return nullptr;
    m_pAdditionalView = ::MapViewOfFile(m_hMap, FILE_MAP_READ | FILE_MAP_WRITE, 0, m_dwListSize, m_dwAdditionalSize);
    return m_pAdditionalView;
}

void COXInstanceManager::UnmapAdditionalData()
{
    if (m_pAdditionalView)
        ::UnmapViewOfFile(m_pAdditionalView);
    m_pAdditionalView = nullptr;
}
