// COXInstanceManager: lets the running copies of an application know each
// other. Every instance registers its process id in a list kept in named
// shared memory under a named mutex; the others are told by posted messages
// when one starts or ends; a maximum count can be set and enforced by closing
// surplus instances. A second region of the shared memory holds application
// data under a mutex of its own.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/Sync.h"

// Posted to the main window of every other registered instance; lParam is
// the process id of the instance that was added or removed.
const UINT WM_OX_INSTANCE_ADDED = 0x80C8;
const UINT WM_OX_INSTANCE_REMOVED = 0x80C9;

class COXInstanceManager : public CObject
{
    DECLARE_DYNAMIC(COXInstanceManager)
public:
    // The most instances the shared list can hold.
    static constexpr UINT MaxListedInstances = 1000;

    // Opens (or creates) the shared objects named after lpszUniqueName and
    // registers the current process.
    explicit COXInstanceManager(LPCTSTR lpszUniqueName, DWORD dwAdditionalSize = 0);
    ~COXInstanceManager() override;

    COXInstanceManager(const COXInstanceManager&) = delete;
    COXInstanceManager& operator=(const COXInstanceManager&) = delete;

    // 0 when the shared memory is missing.
    UINT GetMaxInstances() const;
    UINT GetInstanceCount() const;
    BOOL IsAnotherInstanceRunning() const { return GetInstanceCount() > 1; }
    // The registered process ids, oldest first; FALSE without shared memory.
    BOOL GetInstanceList(CDWordArray& instances) const;

    // Stores the maximum; with bEnforce closes surplus instances, newest
    // first, and this one last when too few others could be closed.
    BOOL SetMaxInstances(UINT nMaxInstances, BOOL bEnforce = TRUE);
    // TRUE when more instances run than allowed; with bActivate the oldest
    // other instance is brought to the front.
    BOOL CheckMaxAllowedInstances(BOOL bActivate = TRUE);

    // Appends a process id and tells the others; FALSE when the list is full.
    BOOL AddInstance(DWORD dwProcessID);
    // Removes a process id and tells the remaining ones; FALSE when absent.
    BOOL RemoveInstance(DWORD dwProcessID);

    // The first visible, unowned top-level window of the process that is not
    // a tool window; NULL when there is none.
    static HWND FindInstanceMainWindow(DWORD dwProcessID);
    // Posts WM_CLOSE to that window when it exists and is enabled.
    static BOOL CloseInstance(DWORD dwProcessID);

    // The application-data region (read and write), NULL when there is none.
    // Guard its use with GetAdditionalDataMutex.
    LPVOID MapAdditionalData();
    void UnmapAdditionalData();
    CMutex* GetAdditionalDataMutex() { return &m_additionalMutex; }
    DWORD GetAdditionalDataSize() const { return m_dwAdditionalSize; }

protected:
    // The shared list as laid out in memory.
    struct InstanceList
    {
        DWORD dwMaxInstances;
        DWORD dwCount;
        DWORD adwProcessIDs[MaxListedInstances];
    };
    class ListAccess;

    static DWORD RoundToGranularity(DWORD dwSize);
    static void PostToAll(const InstanceList& list, UINT message, DWORD dwProcessID);

    CString m_sUniqueName;
    DWORD m_dwListSize;
    DWORD m_dwAdditionalSize;
    mutable CMutex m_listMutex;
    CMutex m_additionalMutex;
    HANDLE m_hMap;
    LPVOID m_pAdditionalView;
};
