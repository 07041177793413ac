// CWinThread: a thread of the process with an object of its own. A worker runs
// a controlling function; a user-interface thread runs InitInstance, a message
// pump (Run) and ExitInstance. Threads are usually created suspended, given
// their input, resumed, and delete their object when they end (m_bAutoDelete).
#pragma once

#include "afx/Wnd.h"

typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    CWinThread(AFX_THREADPROC proc, LPVOID param);
    ~CWinThread() override;

    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    // Starts the thread; CREATE_SUSPENDED in flags leaves it waiting for ResumeThread.
    // FALSE when the system could not create it (the object stays, without a thread).
    BOOL CreateThread(DWORD flags = 0, UINT stackSize = 0, LPSECURITY_ATTRIBUTES security = nullptr);

    DWORD ResumeThread();
    DWORD SuspendThread();
    int GetThreadPriority();
    BOOL SetThreadPriority(int priority);
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam);
    operator HANDLE() const { return m_hThread; }

    // Frees the object when m_bAutoDelete is set; called when the thread ends.
    virtual void Delete();

    // The thread's life, called on the thread itself. InitInstance returning
    // FALSE ends the thread at once (ExitInstance still runs and gives the code).
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    // The message pump of Run, kept apart so that derived threads can reuse it.
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL PumpMessage();
    virtual BOOL OnIdle(LONG count);
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }

    HANDLE m_hThread;
    DWORD m_nThreadID;
    BOOL m_bAutoDelete;
    CWnd* m_pMainWnd;
    MSG m_msgCur;                  // the message PumpMessage is handling

    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;
};

// Worker: runs proc(param) on a new thread. User-interface thread: creates an
// object of the run-time class (a CWinThread kind) and runs its InitInstance/Run.
// Both return nullptr when the thread cannot be created.
CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority = THREAD_PRIORITY_NORMAL,
                                  UINT stackSize = 0, DWORD flags = 0, LPSECURITY_ATTRIBUTES security = nullptr);
CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* threadClass, int priority = THREAD_PRIORITY_NORMAL,
                                  UINT stackSize = 0, DWORD flags = 0, LPSECURITY_ATTRIBUTES security = nullptr);

// The CWinThread object of the calling thread; nullptr on a thread that has none.
CWinThread* AFXAPI AfxGetThread();
// The application object registers itself with this on the user-interface
// thread, so that AfxGetThread finds it there too.
void AFXAPI AfxSetThread(CWinThread* thread);

// Ends the calling thread at once with the code, freeing its object when
// deleteObject is set (and the object is auto-delete). Objects on the thread's
// stack are not destroyed: prefer returning from Run or the controlling function.
[[noreturn]] void AFXAPI AfxEndThread(UINT exitCode, BOOL deleteObject = TRUE);
