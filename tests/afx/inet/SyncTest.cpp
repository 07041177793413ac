// Locks under contention, CSingleLock's release on scope exit, event timeouts.
#include <gtest/gtest.h>

#include "afx/Sync.h"
#include "afx/Thread.h"

#include <memory>
#include <vector>

namespace {

const DWORD kWaitMs = 10000;

struct Contention
{
    CSyncObject* lock;
    volatile int counter;
    int rounds;
};

// Read, yield, write: without the lock two threads lose increments at once.
UINT AFX_CDECL IncrementMany(LPVOID param)
{
    Contention* c = static_cast<Contention*>(param);
    for (int i = 0; i < c->rounds; ++i) {
        CSingleLock guard(c->lock, TRUE);
        int value = c->counter;
        if ((i & 15) == 0)
            SwitchToThread();
        c->counter = value + 1;
    }
    return 0;
}

int CountUnderContention(CSyncObject* lock, int threads, int rounds)
{
    Contention c{ lock, 0, rounds };
    std::vector<HANDLE> handles;
    std::vector<CWinThread*> workers;
    for (int i = 0; i < threads; ++i) {
        CWinThread* worker = AfxBeginThread(IncrementMany, &c, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        if (!worker)
            break;
        worker->m_bAutoDelete = FALSE;
        workers.push_back(worker);
    }
    for (CWinThread* worker : workers) {
        worker->ResumeThread();
        handles.push_back(worker->m_hThread);
    }
    EXPECT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), TRUE, 60000));
    for (CWinThread* worker : workers)
        delete worker;
    return c.counter;
}

// Whether another thread could take the object right now (and gives it back).
bool FreeForOtherThread(CSyncObject* lock)
{
    struct Probe
    {
        CSyncObject* lock;
        bool free;
    } probe{ lock, false };
    CWinThread* thread = AfxBeginThread(
        [](LPVOID param) -> UINT {
            Probe* p = static_cast<Probe*>(param);
            if (p->lock->IsKindOf(RUNTIME_CLASS(CCriticalSection))) {
                CCriticalSection* cs = static_cast<CCriticalSection*>(p->lock);
                p->free = TryEnterCriticalSection(&cs->m_sect) != FALSE;
                if (p->free)
                    cs->Unlock();
            } else {
                p->free = p->lock->Lock(0) != FALSE;
                if (p->free)
                    p->lock->Unlock();
            }
            return 0;
        },
        &probe, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!thread)
        return false;
    thread->m_bAutoDelete = FALSE;
    thread->ResumeThread();
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread->m_hThread, kWaitMs));
    delete thread;
    return probe.free;
}

}  // namespace

TEST(Sync, CriticalSectionKeepsCounterExact)
{
    CCriticalSection cs;
    EXPECT_EQ(4 * 20000, CountUnderContention(&cs, 4, 20000));
}

TEST(Sync, MutexKeepsCounterExact)
{
    CMutex mutex;
    EXPECT_EQ(4 * 2000, CountUnderContention(&mutex, 4, 2000));
}

TEST(Sync, SingleLockReleasesWhenItGoesOutOfScope)
{
    CCriticalSection cs;
    CMutex mutex;
    for (CSyncObject* object : { static_cast<CSyncObject*>(&cs), static_cast<CSyncObject*>(&mutex) }) {
        {
            CSingleLock lock(object);
            EXPECT_FALSE(lock.IsLocked());
            EXPECT_TRUE(FreeForOtherThread(object));
            EXPECT_TRUE(lock.Lock());
            EXPECT_TRUE(lock.IsLocked());
            EXPECT_FALSE(FreeForOtherThread(object));
            EXPECT_TRUE(lock.Unlock());
            EXPECT_FALSE(lock.IsLocked());
            EXPECT_TRUE(FreeForOtherThread(object));
            EXPECT_TRUE(lock.Unlock());   // nothing held: still fine
            lock.Lock();
        }
        EXPECT_TRUE(FreeForOtherThread(object));
    }
}

TEST(Sync, EventTimeoutsAndResetModes)
{
    CEvent autoReset;
    EXPECT_FALSE(autoReset.Lock(50));
    EXPECT_TRUE(autoReset.SetEvent());
    EXPECT_TRUE(autoReset.Lock(0));
    EXPECT_FALSE(autoReset.Lock(0));   // one waiter released, then reset by itself

    CEvent manual(FALSE, TRUE);
    EXPECT_FALSE(manual.Lock(0));
    manual.SetEvent();
    EXPECT_TRUE(manual.Lock(0));
    EXPECT_TRUE(manual.Lock(0));       // stays set
    manual.ResetEvent();
    EXPECT_FALSE(manual.Lock(0));

    CEvent initiallySet(TRUE, TRUE);
    CSingleLock lock(&initiallySet);
    EXPECT_TRUE(lock.Lock(0));
    EXPECT_TRUE(lock.IsLocked());
    lock.Unlock();
    initiallySet.ResetEvent();
    EXPECT_FALSE(lock.Lock(30));
    EXPECT_FALSE(lock.IsLocked());
}

TEST(Sync, EventSetByAnotherThreadWakesTheWaiter)
{
    CEvent done;
    CWinThread* thread = AfxBeginThread(
        [](LPVOID param) -> UINT {
            Sleep(50);
            static_cast<CEvent*>(param)->SetEvent();
            return 0;
        },
        &done);
    ASSERT_NE(nullptr, thread);
    EXPECT_TRUE(done.Lock(kWaitMs));
}
