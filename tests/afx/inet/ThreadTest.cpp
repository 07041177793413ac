// Threads: suspended start, self-deleting objects, the InitInstance/Run/
// ExitInstance life, escaped exceptions and the default message pump.
#include <gtest/gtest.h>

#include "afx/Exception.h"
#include "afx/Thread.h"

#include <atomic>

namespace {

const DWORD kWaitMs = 10000;   // generous: only a hang should ever reach it

// Duplicated before the thread is resumed: an auto-delete thread closes its own
// handle when its object goes.
HANDLE KeepHandle(CWinThread* thread)
{
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), thread->m_hThread, GetCurrentProcess(), &copy, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    return copy;
}

DWORD WaitAndGetExitCode(HANDLE handle)
{
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(handle, kWaitMs));
    DWORD code = 0xDEAD;
    GetExitCodeThread(handle, &code);
    CloseHandle(handle);
    return code;
}

struct ProcState
{
    std::atomic<int> runs{ 0 };
    CWinThread* seenThread = nullptr;
};

UINT AFX_CDECL CountingProc(LPVOID param)
{
    ProcState* state = static_cast<ProcState*>(param);
    state->seenThread = AfxGetThread();
    ++state->runs;
    return 42;
}

// A user-interface thread whose every step is observable.
class ProbeThread : public CWinThread
{
    DECLARE_DYNCREATE(ProbeThread)
public:
    enum class Mode { Normal, RefuseInit, ThrowFromRun, ThrowTextFromRun, EndFromRun };

    ProbeThread() = default;
    ~ProbeThread() override { destroyed = true; }

    BOOL InitInstance() override
    {
        initCalled = true;
        return mode != Mode::RefuseInit;
    }
    int Run() override
    {
        runCalled = true;
        seenThread = AfxGetThread();
        if (mode == Mode::ThrowFromRun)
            AfxThrowNotSupportedException();
        if (mode == Mode::ThrowTextFromRun)
            throw CString("Can't open file");
        if (mode == Mode::EndFromRun)
            AfxEndThread(9);
        return ExitInstance();
    }
    int ExitInstance() override { return 7; }

    static Mode mode;
    static std::atomic<bool> initCalled, runCalled, destroyed;
    static CWinThread* seenThread;

    static void Reset(Mode newMode)
    {
        mode = newMode;
        initCalled = runCalled = destroyed = false;
        seenThread = nullptr;
    }
};

IMPLEMENT_DYNCREATE(ProbeThread, CWinThread)
ProbeThread::Mode ProbeThread::mode = ProbeThread::Mode::Normal;
std::atomic<bool> ProbeThread::initCalled{ false }, ProbeThread::runCalled{ false }, ProbeThread::destroyed{ false };
CWinThread* ProbeThread::seenThread = nullptr;

CWinThread* StartProbe(ProbeThread::Mode mode, HANDLE& handle)
{
    ProbeThread::Reset(mode);
    CWinThread* thread = AfxBeginThread(RUNTIME_CLASS(ProbeThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!thread)
        return nullptr;
    handle = KeepHandle(thread);
    return thread;
}

}  // namespace

TEST(Thread, SuspendedWorkerWaitsForResumeAndGetsItsParameter)
{
    ProcState state;
    CWinThread* thread = AfxBeginThread(CountingProc, &state, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, thread);
    EXPECT_NE(0u, thread->m_nThreadID);
    EXPECT_TRUE(thread->m_bAutoDelete);
    HANDLE handle = KeepHandle(thread);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(handle, 200));
    EXPECT_EQ(0, state.runs);

    EXPECT_EQ(1u, thread->ResumeThread());
    EXPECT_EQ(42u, WaitAndGetExitCode(handle));
    EXPECT_EQ(1, state.runs);
    EXPECT_EQ(thread, state.seenThread);   // AfxGetThread on the worker is its own object
}

TEST(Thread, WorkerStartedRunningEndsWithItsCode)
{
    ProcState state;
    CWinThread* thread = AfxBeginThread(CountingProc, &state);
    ASSERT_NE(nullptr, thread);
    // The thread may be gone already; only wait for the work it did.
    for (int i = 0; i < 1000 && state.runs == 0; ++i)
        Sleep(10);
    EXPECT_EQ(1, state.runs);
    EXPECT_EQ(nullptr, AfxGetThread());   // this thread has no object of its own
}

TEST(Thread, UserInterfaceThreadRunsAndDeletesItself)
{
    HANDLE handle = nullptr;
    CWinThread* thread = StartProbe(ProbeThread::Mode::Normal, handle);
    ASSERT_NE(nullptr, thread);
    EXPECT_TRUE(thread->IsKindOf(RUNTIME_CLASS(ProbeThread)));
    EXPECT_FALSE(ProbeThread::initCalled);
    thread->ResumeThread();
    EXPECT_EQ(7u, WaitAndGetExitCode(handle));
    EXPECT_TRUE(ProbeThread::initCalled);
    EXPECT_TRUE(ProbeThread::runCalled);
    EXPECT_EQ(thread, ProbeThread::seenThread);
    EXPECT_TRUE(ProbeThread::destroyed);
}

TEST(Thread, ObjectWithoutAutoDeleteOutlivesItsThread)
{
    HANDLE handle = nullptr;
    CWinThread* thread = StartProbe(ProbeThread::Mode::Normal, handle);
    ASSERT_NE(nullptr, thread);
    thread->m_bAutoDelete = FALSE;
    thread->ResumeThread();
    EXPECT_EQ(7u, WaitAndGetExitCode(handle));
    EXPECT_FALSE(ProbeThread::destroyed);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(thread->m_hThread, &code));   // its own handle is still open
    EXPECT_EQ(7u, code);
    delete thread;
    EXPECT_TRUE(ProbeThread::destroyed);
}

TEST(Thread, InitInstanceFalseEndsWithoutRun)
{
    HANDLE handle = nullptr;
    CWinThread* thread = StartProbe(ProbeThread::Mode::RefuseInit, handle);
    ASSERT_NE(nullptr, thread);
    thread->ResumeThread();
    EXPECT_EQ(7u, WaitAndGetExitCode(handle));   // ExitInstance still gives the code
    EXPECT_TRUE(ProbeThread::initCalled);
    EXPECT_FALSE(ProbeThread::runCalled);
    EXPECT_TRUE(ProbeThread::destroyed);
}

TEST(Thread, ExceptionEscapingRunEndsOnlyThatThread)
{
    for (ProbeThread::Mode mode : { ProbeThread::Mode::ThrowFromRun, ProbeThread::Mode::ThrowTextFromRun }) {
        HANDLE handle = nullptr;
        CWinThread* thread = StartProbe(mode, handle);
        ASSERT_NE(nullptr, thread);
        thread->ResumeThread();
        DWORD code = WaitAndGetExitCode(handle);
        EXPECT_NE(0u, code);
        EXPECT_NE(7u, code);
        EXPECT_TRUE(ProbeThread::runCalled);
        EXPECT_TRUE(ProbeThread::destroyed);   // still cleaned up
    }
}

TEST(Thread, EndThreadStopsAtOnceAndFreesTheObject)
{
    HANDLE handle = nullptr;
    CWinThread* thread = StartProbe(ProbeThread::Mode::EndFromRun, handle);
    ASSERT_NE(nullptr, thread);
    thread->ResumeThread();
    EXPECT_EQ(9u, WaitAndGetExitCode(handle));
    EXPECT_TRUE(ProbeThread::destroyed);
}

namespace {

// Default Run: counts the thread messages it pre-translates and reports its
// first idle moment (by then its message queue exists).
class PumpThread : public CWinThread
{
public:
    PumpThread() : idle(CreateEventA(nullptr, TRUE, FALSE, nullptr)) { m_bAutoDelete = FALSE; }
    ~PumpThread() override { CloseHandle(idle); }

    BOOL InitInstance() override { return TRUE; }
    BOOL OnIdle(LONG count) override
    {
        if (count == 0)
            ++idleRounds;
        SetEvent(idle);
        return FALSE;
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_APP) {
            appMessages += static_cast<int>(msg->wParam);
            return TRUE;
        }
        return FALSE;
    }

    HANDLE idle;
    std::atomic<int> appMessages{ 0 };
    std::atomic<int> idleRounds{ 0 };
};

}  // namespace

TEST(Thread, DefaultRunPumpsUntilQuitAndReturnsItsCode)
{
    PumpThread thread;
    ASSERT_TRUE(thread.CreateThread(CREATE_SUSPENDED));
    thread.SetThreadPriority(THREAD_PRIORITY_ABOVE_NORMAL);
    EXPECT_EQ(THREAD_PRIORITY_ABOVE_NORMAL, thread.GetThreadPriority());
    thread.ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread.idle, kWaitMs));

    EXPECT_EQ(1, thread.idleRounds);
    ResetEvent(thread.idle);
    EXPECT_TRUE(thread.PostThreadMessage(WM_APP, 2, 0));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread.idle, kWaitMs));
    EXPECT_EQ(2, thread.appMessages);   // went through PreTranslateMessage
    EXPECT_EQ(2, thread.idleRounds);    // a message makes the idle work start over

    EXPECT_TRUE(thread.PostThreadMessage(WM_APP, 3, 0));
    EXPECT_TRUE(thread.PostThreadMessage(WM_QUIT, 5, 0));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread.m_hThread, kWaitMs));
    DWORD code = 0;
    GetExitCodeThread(thread.m_hThread, &code);
    EXPECT_EQ(5u, code);                // WM_QUIT's code through ExitInstance
    EXPECT_EQ(5, thread.appMessages);
}
