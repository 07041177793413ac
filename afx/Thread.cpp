#include "afx/Thread.h"

#include "afx/Exception.h"
#include "afx/Wnd.h"

#include <process.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

// The CWinThread object of each thread (nullptr on threads that have none).
thread_local CWinThread* t_currentThread = nullptr;

// Exit code of a thread whose InitInstance, Run or controlling function let an
// exception escape: distinct from the usual 0 and from the codes Run returns.
const UINT kExitAfterEscapedException = 0xE0000001u;

// Messages that do not count as user activity: the idle work is not redone
// after them (a repaint or the caret blink would otherwise keep OnIdle busy).
const UINT kCaretBlinkTimer = 0x0118;

bool RestartsIdle(const MSG& msg)
{
    return msg.message != WM_PAINT && msg.message != kCaretBlinkTimer;
}

// Lets an escaped exception end only its own thread: an exception leaving a
// thread's entry function would otherwise terminate the whole process.
UINT RunThread(CWinThread* thread)
{
    try {
        if (thread->m_pfnThreadProc)
            return thread->m_pfnThreadProc(thread->m_pThreadParams);
        if (!thread->InitInstance())
            return static_cast<UINT>(thread->ExitInstance());
        return static_cast<UINT>(thread->Run());
    } catch (CException* e) {
        char text[256] = "";
        e->GetErrorMessage(text, sizeof text);
        TRACE("Exception ended thread %lu: %s\n", GetCurrentThreadId(), text);
        e->Delete();
    } catch (...) {
        TRACE("Exception ended thread %lu\n", GetCurrentThreadId());
    }
    return kExitAfterEscapedException;
}

unsigned __stdcall ThreadEntry(void* param)
{
    CWinThread* thread = static_cast<CWinThread*>(param);
    t_currentThread = thread;
    UINT code = RunThread(thread);
    // The object may be gone after this; nothing of it is touched again.
    t_currentThread = nullptr;
    thread->Delete();
    return code;
}

// Starts a new thread object suspended, so its priority is set before it
// runs, then lets it go unless the caller asked for it suspended. A thread
// that cannot be created is deleted and answers nullptr.
CWinThread* StartThread(CWinThread* thread, int priority, UINT stackSize, DWORD flags,
                        LPSECURITY_ATTRIBUTES security)
{
    if (!thread->CreateThread(flags | CREATE_SUSPENDED, stackSize, security)) {
        thread->Delete();
        return nullptr;
    }
    VERIFY(thread->SetThreadPriority(priority));
    if (!(flags & CREATE_SUSPENDED))
        VERIFY(thread->ResumeThread() != static_cast<DWORD>(-1));
    return thread;
}

}  // namespace

CWinThread::CWinThread()
    : m_hThread(nullptr), m_nThreadID(0), m_bAutoDelete(TRUE), m_pMainWnd(nullptr), m_msgCur(),
      m_pfnThreadProc(nullptr), m_pThreadParams(nullptr)
{
}

CWinThread::CWinThread(AFX_THREADPROC proc, LPVOID param)
    : m_hThread(nullptr), m_nThreadID(0), m_bAutoDelete(TRUE), m_pMainWnd(nullptr), m_msgCur(),
      m_pfnThreadProc(proc), m_pThreadParams(param)
{
}

CWinThread::~CWinThread()
{
    if (m_hThread)
        CloseHandle(m_hThread);
    if (t_currentThread == this)
        t_currentThread = nullptr;
}

BOOL CWinThread::CreateThread(DWORD flags, UINT stackSize, LPSECURITY_ATTRIBUTES security)
{
    ASSERT(m_hThread == nullptr);
    // Always born suspended: the handle and id must be stored before the thread
    // can run to its end and delete this object.
    unsigned id = 0;
    uintptr_t handle = _beginthreadex(security, stackSize, &ThreadEntry, this, CREATE_SUSPENDED, &id);
    if (handle == 0)
        return FALSE;
    m_hThread = reinterpret_cast<HANDLE>(handle);
    m_nThreadID = id;
    if (!(flags & CREATE_SUSPENDED))
        ::ResumeThread(reinterpret_cast<HANDLE>(handle));
    return TRUE;
}

DWORD CWinThread::ResumeThread()
{
    ASSERT(m_hThread != nullptr);
    return ::ResumeThread(m_hThread);
}

DWORD CWinThread::SuspendThread()
{
    ASSERT(m_hThread != nullptr);
    return ::SuspendThread(m_hThread);
}

int CWinThread::GetThreadPriority()
{
    ASSERT(m_hThread != nullptr);
    return ::GetThreadPriority(m_hThread);
}

BOOL CWinThread::SetThreadPriority(int priority)
{
    ASSERT(m_hThread != nullptr);
    return ::SetThreadPriority(m_hThread, priority);
}

BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    ASSERT(m_nThreadID != 0);
    return ::PostThreadMessageA(m_nThreadID, message, wParam, lParam);
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::Run()
{
    bool idle = true;
    LONG idleCount = 0;
    MSG peek;
    for (;;) {
        while (idle && !::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (RestartsIdle(m_msgCur)) {
                idle = true;
                idleCount = 0;
            }
        } while (::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE));
    }
}

int CWinThread::ExitInstance()
{
    // After WM_QUIT this is the code given to PostQuitMessage.
    return static_cast<int>(m_msgCur.wParam);
}

BOOL CWinThread::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    // GetMessage gives 0 for WM_QUIT and -1 on failure: both end the pump.
    if (::GetMessageA(&m_msgCur, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::OnIdle(LONG)
{
    // A worker's user-interface loop makes temporary wrappers too; without
    // this they would grow for as long as the thread runs.
    AfxDeleteTempMaps();
    return FALSE;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority, UINT stackSize, DWORD flags,
                                  LPSECURITY_ATTRIBUTES security)
{
    ASSERT(proc != nullptr);
    CWinThread* thread = new CWinThread(proc, param);
    return StartThread(thread, priority, stackSize, flags, security);
}

CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* threadClass, int priority, UINT stackSize, DWORD flags,
                                  LPSECURITY_ATTRIBUTES security)
{
    ASSERT(threadClass != nullptr && threadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread)));
    CWinThread* thread = static_cast<CWinThread*>(threadClass->CreateObject());
    if (!thread)
        AfxThrowMemoryException();
    return StartThread(thread, priority, stackSize, flags, security);
}

CWinThread* AFXAPI AfxGetThread()
{
    return t_currentThread;
}

void AFXAPI AfxSetThread(CWinThread* thread)
{
    t_currentThread = thread;
}

void AFXAPI AfxEndThread(UINT exitCode, BOOL deleteObject)
{
    CWinThread* thread = t_currentThread;
    t_currentThread = nullptr;
    if (thread && deleteObject)
        thread->Delete();
    _endthreadex(exitCode);
    // _endthreadex does not return; this keeps the compiler's noreturn check quiet.
    ExitThread(exitCode);
}
