// Synchronisation objects (critical section, mutex, event) and CSingleLock, the
// scoped holder that releases what it locked when it goes out of scope.
// Creating a kernel object that the system refuses throws CResourceException.
#pragma once

#include "afx/Object.h"

class CSyncObject : public CObject
{
    DECLARE_DYNAMIC(CSyncObject)
public:
    explicit CSyncObject(LPCTSTR name);
    ~CSyncObject() override;

    CSyncObject(const CSyncObject&) = delete;
    CSyncObject& operator=(const CSyncObject&) = delete;

    // TRUE when the object was acquired within the timeout (milliseconds).
    virtual BOOL Lock(DWORD timeout = INFINITE);
    virtual BOOL Unlock() = 0;
    virtual BOOL Unlock(LONG count, LPLONG previousCount = nullptr);

    operator HANDLE() const { return m_hObject; }

    HANDLE m_hObject;
};

// A critical section: cheap, same-process only, always waits without a timeout.
class CCriticalSection : public CSyncObject
{
    DECLARE_DYNAMIC(CCriticalSection)
public:
    CCriticalSection();
    ~CCriticalSection() override;

    BOOL Lock();
    BOOL Lock(DWORD timeout) override;     // the timeout is ignored: waits until entered
    BOOL Unlock() override;
    using CSyncObject::Unlock;

    operator CRITICAL_SECTION*() { return &m_sect; }

    CRITICAL_SECTION m_sect;
};

class CMutex : public CSyncObject
{
    DECLARE_DYNAMIC(CMutex)
public:
    explicit CMutex(BOOL initiallyOwn = FALSE, LPCTSTR name = nullptr, LPSECURITY_ATTRIBUTES security = nullptr);

    BOOL Unlock() override;
    using CSyncObject::Unlock;
};

// Manual-reset events stay set until ResetEvent; auto-reset events release one
// waiter and reset themselves.
class CEvent : public CSyncObject
{
    DECLARE_DYNAMIC(CEvent)
public:
    explicit CEvent(BOOL initiallyOwn = FALSE, BOOL manualReset = FALSE, LPCTSTR name = nullptr,
                    LPSECURITY_ATTRIBUTES security = nullptr);

    BOOL SetEvent();
    BOOL ResetEvent();
    BOOL PulseEvent();
    BOOL Unlock() override;
    using CSyncObject::Unlock;
};

// Holds one synchronisation object; whatever it locked is unlocked by the
// destructor, so an exception or an early return cannot leave it held.
class CSingleLock
{
public:
    explicit CSingleLock(CSyncObject* object, BOOL initialLock = FALSE);
    ~CSingleLock();

    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    BOOL Lock(DWORD timeout = INFINITE);
    BOOL Unlock();
    BOOL Unlock(LONG count, LPLONG previousCount = nullptr);
    BOOL IsLocked() const { return m_bAcquired; }

protected:
    CSyncObject* m_pObject;
    HANDLE m_hObject;
    BOOL m_bAcquired;
};
