#include "collector/ExportAndCopy.h"

#include "afx/DataExchange.h"
#include "collector/BasketKeywords.h"
#include "collector/ExportWriter.h"
#include "framework/app/BasedApp.h"
#include "framework/crash/SeException.h"
#include "framework/crash/SeTranslator.h"
#include "resources/resource.h"

namespace {
const char ExportCaption[] = "Exporting ...";
const char CopyCaption[] = "Coping ...";

// Moves the dialog's bar from the worker. SendMessage, so the bar is where
// the worker is when it returns; the UI thread serves it in the modal loop.
class CProgressSender : public CExportProgress
{
public:
    explicit CProgressSender(HWND bar) : m_hBar(bar) {}
    void SetRange(int count) override { ::SendMessage(m_hBar, PBM_SETRANGE32, 0, count); }
    void SetPos(int position) override { ::SendMessage(m_hBar, PBM_SETPOS, position, 0); }

private:
    HWND m_hBar;
};
}

IMPLEMENT_DYNAMIC(CExportAndCopy, CDialog)

BEGIN_MESSAGE_MAP(CExportAndCopy, CDialog)
END_MESSAGE_MAP()

CExportAndCopy::CExportAndCopy(int mode, CWnd* pParent)
    : CDialog(IDD_EXPORT_PROGRESS, pParent),
      m_nMode(mode),
      m_nExportFormat(0),
      m_pKeywords(nullptr),
      m_lStop(0),
      m_bFinished(false),
      m_bWritten(FALSE),
      m_pThread(nullptr)
{
    ASSERT(mode == 0 || mode == 1);
}

CExportAndCopy::~CExportAndCopy() = default;

void CExportAndCopy::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXPORT_PROGRESS, m_progress);
}

INT_PTR CExportAndCopy::DoModal()
{
    if (!m_pKeywords)
        m_pKeywords = GetBasketKeywords();
    INT_PTR result = CDialog::DoModal();
    if (!m_strError.IsEmpty())
        ReportExportError(m_strError);
    return result;
}

BOOL CExportAndCopy::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bFinished = false;
    m_lStop = 0;
    m_bWritten = FALSE;
    m_strError.Empty();
    SetWindowText(m_nMode == 1 ? CopyCaption : ExportCaption);

    m_pThread = static_cast<CExportThread*>(
        AfxBeginThread(RUNTIME_CLASS(CExportThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED));
    if (!m_pThread) {
        // Nobody would close the dialog: end it now and say why.
        m_strError = "The export could not be started";
        m_bFinished = true;
        EndDialog(IDCANCEL);
        return TRUE;
    }
    m_pThread->m_pDialog = this;
    m_pThread->ResumeThread();
    return TRUE;
}

void CExportAndCopy::OnCancel()
{
    if (m_bFinished.load()) {
        // The worker is gone or going: never touch it again.
        m_pThread = nullptr;
        CDialog::OnCancel();
        return;
    }
    // Stay open; the worker sees the request, stops and closes us.
    InterlockedExchange(&m_lStop, 1);
}

void CExportAndCopy::FinishFromWorker(BOOL written, const CString& error)
{
    HWND hWnd = m_hWnd;
    m_bWritten = written;
    m_strError = error;
    // After this store the dialog may end and be destroyed at any moment;
    // only the handle taken above is used.
    m_bFinished.store(true);
    ::PostMessage(hWnd, WM_CLOSE, 0, 0);
}

void CExportAndCopy::ReportExportError(const CString& text)
{
    if (CBasedApp* app = GetBasedApp())
        app->ErrorMessage(text);
    else
        AfxMessageBox(text, MB_OK | MB_ICONERROR);
}

/////////////////////////////////////////////////////////////////////////////
// CExportThread

IMPLEMENT_DYNCREATE(CExportThread, CWinThread)

CExportThread::CExportThread() : m_pDialog(nullptr)
{
    m_bAutoDelete = TRUE;
}

CExportThread::~CExportThread() = default;

BOOL CExportThread::InitInstance()
{
    m_bAutoDelete = TRUE;
    // A hardware fault while building the text becomes a crash report and a
    // caught exception here, instead of taking the process down silently.
    InstallSeTranslator();
    return TRUE;
}

int CExportThread::Run()
{
    CExportAndCopy* dialog = m_pDialog;
    ASSERT(dialog);
    BOOL written = FALSE;
    CString error;
    try {
        static const CStringArray empty;
        const CStringArray& keywords = dialog->m_pKeywords ? *dialog->m_pKeywords : empty;
        CProgressSender progress(dialog->m_progress.GetSafeHwnd());
        CExportFileWriter writer(dialog->m_strPath);
        written = ExportKeywords(dialog->m_nExportFormat, keywords, writer, &progress, dialog->GetStopFlag());
    } catch (const CString& text) {
        error = text;
    } catch (CSeException* e) {
        e->FormatErrorMessage(error);
        e->Delete();
    } catch (CException* e) {
        char message[512] = "";
        if (!e->GetErrorMessage(message, sizeof message))
            lstrcpynA(message, "The export failed", sizeof message);
        error = message;
        e->Delete();
    }
    dialog->FinishFromWorker(written, error);
    return ExitInstance();
}
