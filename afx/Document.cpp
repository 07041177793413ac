#include "afx/Document.h"

#include "afx/Archive.h"
#include "afx/DocManager.h"
#include "afx/DocTemplate.h"
#include "afx/File.h"
#include "afx/FileException.h"
#include "afx/FrameWnd.h"
#include "afx/View.h"
#include "afx/WinApp.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, &CDocument::OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, &CDocument::OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument()
    : m_pDocTemplate(nullptr), m_bModified(FALSE), m_bAutoDelete(TRUE), m_bEmbedded(FALSE)
{
}

CDocument::~CDocument()
{
    // A document deleted while views still point at it would leave them dangling.
    ASSERT(m_viewList.IsEmpty());
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    // Frames show the title of their active document in the caption.
    for (POSITION pos = GetFirstViewPosition(); pos;)
    {
        CView* view = GetNextView(pos);
        if (CFrameWnd* frame = view->GetParentFrame())
            frame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    char full[MAX_PATH];
    LPSTR namePart = nullptr;
    const DWORD length = GetFullPathNameA(lpszPathName, sizeof full, full, &namePart);
    m_strPathName = (length > 0 && length < sizeof full) ? full : lpszPathName;
    char title[MAX_PATH];
    if (GetFileTitleA(m_strPathName, title, sizeof title) == 0)
        SetTitle(title);
    else
        SetTitle(namePart ? namePart : lpszPathName);
    if (bAddToMRU)
        if (CWinApp* app = AfxGetApp())
            app->AddToRecentFileList(m_strPathName);
}

BOOL CDocument::IsModified()
{
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.GetHeadPosition();
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return static_cast<CView*>(m_viewList.GetNext(rPosition));
}

void CDocument::AddView(CView* pView)
{
    ASSERT(pView && pView->m_pDocument == nullptr);
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    ASSERT(pView && pView->m_pDocument == this);
    if (POSITION pos = m_viewList.Find(pView))
        m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (POSITION pos = GetFirstViewPosition(); pos;)
    {
        CView* view = GetNextView(pos);
        if (view != pSender)
            view->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete)
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    // Each frame once, in the order of its first view.
    CPtrList frames;
    for (POSITION pos = GetFirstViewPosition(); pos;)
        if (CFrameWnd* frame = GetNextView(pos)->GetParentFrame())
            if (!frames.Find(frame))
                frames.AddTail(frame);
    const bool several = frames.GetCount() > 1;
    int number = 1;
    // The caption of each frame follows the document it shows.
    for (POSITION pos = frames.GetHeadPosition(); pos;)
    {
        CFrameWnd* frame = static_cast<CFrameWnd*>(frames.GetNext(pos));
        frame->m_nWindow = several ? number++ : 0;
        frame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::DeleteContents()
{
}

BOOL CDocument::OnNewDocument()
{
    if (IsModified())
        TRACE("A modified document is being reused for a new one\n");
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

CFile* CDocument::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    CFile* file = new CFile;
    if (!file->Open(lpszFileName, nOpenFlags, pError))
    {
        delete file;
        return nullptr;
    }
    return file;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    if (bAbort)
        pFile->Abort();
    else
        pFile->Close();
    delete pFile;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile* file = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (!file)
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, 0);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(TRUE);   // dirty while half-loaded
    try
    {
        CArchive loadArchive(file, CArchive::load | CArchive::bNoFlushOnDelete);
        loadArchive.m_pDocument = this;
        Serialize(loadArchive);
        loadArchive.Close();
        ReleaseFile(file, FALSE);
    }
    catch (CException* e)
    {
        ReleaseFile(file, TRUE);
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, 0);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    // The document is written to a new file beside the old one, which is
    // replaced only once the whole text is on disk: a failing save (full disk,
    // an exception in Serialize) leaves the previous file as it was.
    CString temp;
    temp.Format("%s.~sav", lpszPathName);
    CFileException fe;
    CFile* file = GetFile(temp, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (!file)
    {
        fe.m_strFileName = lpszPathName;
        ReportSaveLoadException(lpszPathName, &fe, TRUE, 0);
        return FALSE;
    }
    try
    {
        CArchive saveArchive(file, CArchive::store | CArchive::bNoFlushOnDelete);
        saveArchive.m_pDocument = this;
        Serialize(saveArchive);
        saveArchive.Close();
        ReleaseFile(file, FALSE);
    }
    catch (CException* e)
    {
        ReleaseFile(file, TRUE);
        DeleteFileA(temp);
        ReportSaveLoadException(lpszPathName, e, TRUE, 0);
        e->Delete();
        return FALSE;
    }
    if (!MoveFileExA(temp, lpszPathName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        const LONG error = static_cast<LONG>(GetLastError());
        DeleteFileA(temp);
        CFileException replaceError(CFileException::OsErrorToException(error), error, lpszPathName);
        ReportSaveLoadException(lpszPathName, &replaceError, TRUE, 0);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    (void)nIDPDefault;
    char message[512] = "";
    if (!e || !e->GetErrorMessage(message, sizeof message))
        wsprintfA(message, bSaving ? "Failed to save document %s." : "Failed to open document %s.",
                  lpszPathName ? lpszPathName : "");
    AfxMessageBox(message, MB_ICONEXCLAMATION);
}

void CDocument::OnCloseDocument()
{
    // Keeps the document alive while its frames go: destroying the last view
    // would otherwise re-enter here through OnChangedViewList.
    const BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* view = static_cast<CView*>(m_viewList.GetHead());
        CFrameWnd* frame = view->GetParentFrame();
        if (frame && frame->GetSafeHwnd())
        {
            PreCloseFrame(frame);
            frame->DestroyWindow();
        }
        // A view whose window is gone without unlinking itself is unlinked here.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == view)
            RemoveView(view);
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::PreCloseFrame(CFrameWnd*)
{
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    // Another frame still showing the document keeps it open without a question.
    for (POSITION pos = GetFirstViewPosition(); pos;)
    {
        CFrameWnd* other = GetNextView(pos)->GetParentFrame();
        if (other && other != pFrame)
            return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    if (name.IsEmpty())
        name = "Untitled";
    CString prompt;
    prompt.Format("Save changes to %s?", (LPCTSTR)name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONQUESTION))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    const DWORD attributes = m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(m_strPathName);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString newName = lpszPathName ? lpszPathName : "";
    if (newName.IsEmpty())
    {
        newName = m_strPathName;
        if (bReplace && newName.IsEmpty())
        {
            newName = m_strTitle;
            // A title like "Untitled" gets the type's extension in the dialog.
            CString ext;
            if (m_pDocTemplate && m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt) && !ext.IsEmpty() &&
                newName.Find('.') < 0)
            {
                int pos = 0;
                newName += ext.Tokenize(";", pos);
            }
        }
        CWinApp* app = AfxGetApp();
        CDocManager* manager = app ? app->m_pDocManager : nullptr;
        if (!manager)
            return FALSE;
        if (!manager->DoPromptFileName(newName, 0, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
            return FALSE;
    }
    if (!OnSaveDocument(newName))
        return FALSE;
    if (bReplace)
        SetPathName(newName);
    return TRUE;
}

void CDocument::Serialize(CArchive&)
{
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
