#include "afx/DocTemplate.h"

#include "afx/Document.h"
#include "afx/FrameWnd.h"
#include "afx/View.h"
#include "afx/WinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

namespace
{
const char kUntitled[] = "Untitled";
}

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass), m_hMenuShared(nullptr), m_hAccelTable(nullptr)
{
    LoadTemplate();
}

CDocTemplate::~CDocTemplate()
{
    if (m_hMenuShared)
        DestroyMenu(m_hMenuShared);
    // Accelerator tables from resources are freed with the module.
}

void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL AFXAPI CDocTemplate::ExtractDocString(const CString& docString, int index, CString& rString)
{
    rString.Empty();
    int start = 0;
    for (int i = 0; i < index; ++i)
    {
        const int newline = docString.Find('\n', start);
        if (newline < 0)
            return FALSE;
        start = newline + 1;
    }
    if (start > docString.GetLength())
        return FALSE;
    const int end = docString.Find('\n', start);
    rString = end < 0 ? docString.Mid(start) : docString.Mid(start, end - start);
    return TRUE;
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const
{
    return ExtractDocString(m_strDocStrings, index, rString);
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    ASSERT(pDoc->m_pDocTemplate == nullptr);
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    ASSERT(pDoc->m_pDocTemplate == this);
    pDoc->m_pDocTemplate = nullptr;
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch)
{
    rpDocMatch = nullptr;
    for (POSITION pos = GetFirstDocPosition(); pos;)
    {
        CDocument* doc = GetNextDoc(pos);
        if (!doc->GetPathName().IsEmpty() && lstrcmpiA(doc->GetPathName(), lpszPathName) == 0)
        {
            rpDocMatch = doc;
            return yesAlreadyOpen;
        }
    }
    CString exts;
    if (GetDocString(exts, filterExt) && !exts.IsEmpty())
    {
        const CString path(lpszPathName);
        int pos = 0;
        for (CString ext = exts.Tokenize(";", pos); pos >= 0; ext = exts.Tokenize(";", pos))
        {
            ext.Trim();
            if (!ext.IsEmpty() && path.GetLength() >= ext.GetLength() &&
                path.Right(ext.GetLength()).CompareNoCase(ext) == 0)
                return yesAttemptNative;
        }
    }
    return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (!m_pDocClass)
        return nullptr;
    CDocument* doc = static_cast<CDocument*>(m_pDocClass->CreateObject());
    if (!doc)
        return nullptr;
    ASSERT_KINDOF(CDocument, doc);
    AddDocument(doc);
    return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (!m_pFrameClass)
        return nullptr;
    CFrameWnd* frame = static_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
    if (!frame)
        return nullptr;
    ASSERT_KINDOF(CFrameWnd, frame);
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
    {
        // A window that was created has freed its object in PostNcDestroy.
        return nullptr;
    }
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    for (POSITION pos = GetFirstDocPosition(); pos;)
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    // The position moves on before the document goes, taking its list node.
    for (POSITION pos = GetFirstDocPosition(); pos;)
        GetNextDoc(pos)->OnCloseDocument();
}

// A new document and its frame, for either template; a failure is reported,
// leaves nothing behind and answers nullptr.
static CFrameWnd* CreateDocumentAndFrame(CDocTemplate* tmpl, CDocument*& doc)
{
    doc = tmpl->CreateNewDocument();
    if (!doc)
    {
        AfxMessageBox("Failed to create empty document.", MB_ICONEXCLAMATION);
        return nullptr;
    }
    const BOOL autoDelete = doc->m_bAutoDelete;
    doc->m_bAutoDelete = FALSE;   // a failing frame must not take the document with it
    CFrameWnd* frame = tmpl->CreateNewFrame(doc, nullptr);
    doc->m_bAutoDelete = autoDelete;
    if (!frame)
    {
        AfxMessageBox("Failed to create empty document.", MB_ICONEXCLAMATION);
        delete doc;
        doc = nullptr;
        return nullptr;
    }
    return frame;
}

// Opens (or creates, for a null path) the document in the frame given, which
// the caller created for it. Shared by both templates; a failure closes what
// was made for it and answers nullptr.
static CDocument* LoadIntoDocument(CDocTemplate* tmpl, CDocument* doc, LPCTSTR lpszPathName)
{
    if (!lpszPathName)
    {
        tmpl->SetDefaultTitle(doc);
        if (!doc->OnNewDocument())
            return nullptr;
    }
    else
    {
        if (!doc->OnOpenDocument(lpszPathName))
            return nullptr;
        doc->SetPathName(lpszPathName);
    }
    return doc;
}

// ---- CSingleDocTemplate -----------------------------------------------------

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_pOnlyDoc(nullptr)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc)
        m_pOnlyDoc->m_pDocTemplate = nullptr;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    ASSERT(m_pOnlyDoc == nullptr);
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    ASSERT(m_pOnlyDoc == pDoc);
    CDocTemplate::RemoveDocument(pDoc);
    m_pOnlyDoc = nullptr;
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc ? BEFORE_START_POSITION : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* doc = rPos == BEFORE_START_POSITION ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return doc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* doc = m_pOnlyDoc;
    CFrameWnd* frame = nullptr;
    BOOL created = FALSE;
    if (doc)
    {
        // The one document is reused: its changes must be settled first.
        if (!doc->SaveModified())
            return nullptr;
        if (POSITION pos = doc->GetFirstViewPosition())
            frame = doc->GetNextView(pos)->GetParentFrame();
    }
    else
    {
        frame = CreateDocumentAndFrame(this, doc);
        if (!frame)
            return nullptr;
        created = TRUE;
    }

    if (!LoadIntoDocument(this, doc, lpszPathName))
    {
        if (created)
            frame->DestroyWindow();   // takes the view, and with it the document
        else if (!lpszPathName)
            doc->UpdateAllViews(nullptr);
        return nullptr;
    }

    if (created)
    {
        CWinApp* app = AfxGetApp();
        if (app && !app->m_pMainWnd)
            app->m_pMainWnd = frame;
    }
    if (frame)
        InitialUpdateFrame(frame, doc, bMakeVisible);
    return doc;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString title;
    if (!GetDocString(title, docName) || title.IsEmpty())
        title = kUntitled;
    pDocument->SetTitle(title);
}

// ---- CMultiDocTemplate ------------------------------------------------------

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_nUntitledCount(0)
{
    CMultiDocTemplate::LoadTemplate();
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    for (POSITION pos = m_docList.GetHeadPosition(); pos;)
        static_cast<CDocument*>(m_docList.GetNext(pos))->m_pDocTemplate = nullptr;
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    // Each frame of the template shows the type's own menu and keys.
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(m_nIDResource), RT_MENU);
    if (!m_hMenuShared)
        m_hMenuShared = ::LoadMenuA(module, MAKEINTRESOURCE(m_nIDResource));
    if (!m_hAccelTable)
        m_hAccelTable = ::LoadAcceleratorsA(module, MAKEINTRESOURCE(m_nIDResource));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (POSITION pos = m_docList.Find(pDoc))
        m_docList.RemoveAt(pos);
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.GetHeadPosition();
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return static_cast<CDocument*>(m_docList.GetNext(rPos));
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* doc = nullptr;
    CFrameWnd* frame = CreateDocumentAndFrame(this, doc);
    if (!frame)
        return nullptr;
    if (!LoadIntoDocument(this, doc, lpszPathName))
    {
        frame->DestroyWindow();
        return nullptr;
    }
    InitialUpdateFrame(frame, doc, bMakeVisible);
    return doc;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString title;
    if (GetDocString(title, docName) && !title.IsEmpty())
    {
        CString number;
        number.Format("%u", ++m_nUntitledCount);
        title += number;
    }
    else
        title = kUntitled;
    pDocument->SetTitle(title);
}
