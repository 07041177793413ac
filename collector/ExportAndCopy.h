// CExportAndCopy: the small modal dialog that shows a progress bar while an
// export worker (CExportThread) writes the Basket to a file. The worker closes
// the dialog when it is done; Cancel asks it to stop, and a stopped export
// leaves no file behind. A file error in the worker closes the dialog too,
// and its text is shown once the dialog has ended.
#pragma once

#include "afx/Dialog.h"
#include "afx/RangeCtrls.h"
#include "afx/Thread.h"
#include "afx/ArrayTypes.h"

#include <atomic>

class CExportThread;

class CExportAndCopy : public CDialog
{
    DECLARE_DYNAMIC(CExportAndCopy)
public:
    // Mode 0: export, 1: copy; only the caption differs.
    explicit CExportAndCopy(int mode, CWnd* pParent = nullptr);
    ~CExportAndCopy() override;

    // Runs the dialog; afterwards a worker's error has been shown.
    INT_PTR DoModal() override;

    // The worker's view of the dialog. It reads these until it sets the
    // finished flag and never touches the dialog after that.
    BOOL IsStopRequested() const { return m_lStop != 0; }
    const volatile LONG* GetStopFlag() const { return &m_lStop; }
    BOOL IsFinished() const { return m_bFinished.load(); }
    const CString& GetError() const { return m_strError; }
    BOOL WasWritten() const { return m_bWritten; }

    int m_nMode;
    int m_nExportFormat;
    CString m_strPath;
    // The Basket to write; the main view's array unless set before DoModal.
    const CStringArray* m_pKeywords;
    CProgressCtrl m_progress;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    // Shows the file layer's text of a failed export; tests catch it here.
    virtual void ReportExportError(const CString& text);

    DECLARE_MESSAGE_MAP()

private:
    friend class CExportThread;
    // Called by the worker, last thing it does with the dialog: records the
    // outcome, then lets the dialog close.
    void FinishFromWorker(BOOL written, const CString& error);

    // The stop request lives here rather than in the self-deleting worker,
    // so Cancel never writes into a worker that has already gone.
    volatile LONG m_lStop;
    std::atomic<bool> m_bFinished;
    BOOL m_bWritten;
    CString m_strError;
    CExportThread* m_pThread;
};

// The export worker: builds the format's text from the Basket, writes it in
// one pass, then closes its dialog by posting WM_CLOSE.
class CExportThread : public CWinThread
{
    DECLARE_DYNCREATE(CExportThread)
public:
    CExportThread();
    ~CExportThread() override;

    BOOL InitInstance() override;
    int Run() override;

    CExportAndCopy* m_pDialog;
};
