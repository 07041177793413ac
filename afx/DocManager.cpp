#include "afx/DocManager.h"

#include "afx/CommandLineInfo.h"
#include "afx/AfxRes.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/FrameWnd.h"
#include "afx/ShellRegistration.h"
#include "afx/WinApp.h"

#include <commdlg.h>

IMPLEMENT_DYNAMIC(CDocManager, CObject)

CString CDocManager::m_strClassesKey = "Software\\Classes";

CDocManager::CDocManager() = default;

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty())
        delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    ASSERT(pTemplate && !m_templateList.Find(pTemplate));
    m_templateList.AddTail(pTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const
{
    return static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
}

int CDocManager::GetDocumentCount()
{
    int count = 0;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
    {
        CDocTemplate* tmpl = GetNextDocTemplate(pos);
        for (POSITION docPos = tmpl->GetFirstDocPosition(); docPos; tmpl->GetNextDoc(docPos))
            ++count;
    }
    return count;
}

void CDocManager::OnFileNew()
{
    if (m_templateList.IsEmpty())
    {
        AfxMessageBox("No document types are registered.", MB_ICONEXCLAMATION);
        return;
    }
    // With several types the first one is taken: the program has one type.
    static_cast<CDocTemplate*>(m_templateList.GetHead())->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen()
{
    CString fileName;
    if (!DoPromptFileName(fileName, 0, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr))
        return;
    if (CWinApp* app = AfxGetApp())
        app->OpenDocumentFile(fileName);
    else
        OpenDocumentFile(fileName);
}

CDocument* CDocManager::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (!lpszFileName || !*lpszFileName)
        return nullptr;
    // The shell passes paths quoted when they hold spaces.
    CString path(lpszFileName);
    path.Trim();
    if (path.GetLength() >= 2 && path[0] == '"' && path[path.GetLength() - 1] == '"')
        path = path.Mid(1, path.GetLength() - 2);
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length > 0 && length < sizeof full)
        path = full;

    CDocTemplate* best = nullptr;
    CDocument* open = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
    {
        CDocTemplate* tmpl = GetNextDocTemplate(pos);
        CDocument* match = nullptr;
        const CDocTemplate::Confidence confidence = tmpl->MatchDocType(path, match);
        if (confidence > bestMatch)
        {
            bestMatch = confidence;
            best = tmpl;
            open = match;
        }
        if (confidence == CDocTemplate::yesAlreadyOpen)
            break;
    }
    if (open)
    {
        // Already open: bring its frame forward instead of a second copy.
        if (POSITION pos = open->GetFirstViewPosition())
            if (CFrameWnd* frame = open->GetNextView(pos)->GetParentFrame())
                frame->ActivateFrame();
        return open;
    }
    if (!best)
    {
        AfxMessageBox("No document type can open this file.", MB_ICONEXCLAMATION);
        return nullptr;
    }
    return best->OpenDocumentFile(path);
}

BOOL CDocManager::SaveAllModified()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

// Appends "name\0*.ext;*.ext2\0" for the template to the filter.
static void AppendFilter(CString& filter, CDocTemplate* tmpl, CString* defaultExt)
{
    CString name;
    CString exts;
    if (!tmpl->GetDocString(name, CDocTemplate::filterName) || name.IsEmpty() ||
        !tmpl->GetDocString(exts, CDocTemplate::filterExt) || exts.IsEmpty())
        return;
    CString pattern;
    int pos = 0;
    for (CString ext = exts.Tokenize(";", pos); pos >= 0; ext = exts.Tokenize(";", pos))
    {
        ext.Trim();
        if (ext.IsEmpty())
            continue;
        if (defaultExt && defaultExt->IsEmpty())
            *defaultExt = ext.Mid(1);
        if (!pattern.IsEmpty())
            pattern += ';';
        pattern += '*';
        pattern += ext;
    }
    filter += name;
    filter += '\n';
    filter += pattern;
    filter += '\n';
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                   CDocTemplate* pTemplate)
{
    CString filter;
    CString defaultExt;
    if (pTemplate)
        AppendFilter(filter, pTemplate, &defaultExt);
    else
        for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
            AppendFilter(filter, GetNextDocTemplate(pos), &defaultExt);
    filter += "All Files (*.*)\n*.*\n";
    filter.Replace('\n', '\0');   // the dialog's filter is NUL-separated

    CString title;
    if (nIDSTitle)
        title.LoadString(nIDSTitle);
    char buffer[MAX_PATH * 4];
    lstrcpynA(buffer, fileName, sizeof buffer);

    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    CWnd* owner = AfxGetMainWnd();
    ofn.hwndOwner = owner ? owner->GetSafeHwnd() : nullptr;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = buffer;
    ofn.nMaxFile = sizeof buffer;
    ofn.lpstrTitle = title.IsEmpty() ? nullptr : static_cast<LPCTSTR>(title);
    ofn.lpstrDefExt = defaultExt.IsEmpty() ? nullptr : static_cast<LPCTSTR>(defaultExt);
    ofn.Flags = lFlags | OFN_EXPLORER | OFN_ENABLESIZING | (bOpenFileDialog ? 0 : OFN_OVERWRITEPROMPT);
    const BOOL ok = bOpenFileDialog ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
    if (ok)
        fileName = buffer;
    return ok;
}

void CDocManager::RegisterShellFileTypes(BOOL bCompat)
{
    char exePath[MAX_PATH];
    const DWORD length = GetModuleFileNameA(AfxGetInstanceHandle(), exePath, sizeof exePath);
    if (length == 0 || length >= sizeof exePath)
        return;
    int iconIndex = 0;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos; ++iconIndex)
    {
        CDocTemplate* tmpl = GetNextDocTemplate(pos);
        AFX_SHELL_FILE_TYPE type;
        tmpl->GetDocString(type.strFilterExt, CDocTemplate::filterExt);
        tmpl->GetDocString(type.strTypeId, CDocTemplate::regFileTypeId);
        tmpl->GetDocString(type.strTypeName, CDocTemplate::regFileTypeName);
        if (!AfxRegisterShellFileType(HKEY_CURRENT_USER, m_strClassesKey, type, exePath, iconIndex, bCompat))
            TRACE("Shell registration of %s failed\n", (LPCTSTR)type.strTypeId);
    }
}

void CDocManager::UnregisterShellFileTypes()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
    {
        CDocTemplate* tmpl = GetNextDocTemplate(pos);
        AFX_SHELL_FILE_TYPE type;
        tmpl->GetDocString(type.strFilterExt, CDocTemplate::filterExt);
        tmpl->GetDocString(type.strTypeId, CDocTemplate::regFileTypeId);
        AfxUnregisterShellFileType(HKEY_CURRENT_USER, m_strClassesKey, type);
    }
}

BOOL AFXAPI AfxProcessShellCommand(CWinApp* app, CDocManager* manager, CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
    // No DDE conversation is offered (the shell is told to start the program
    // with the file instead), so a stray /dde start gets a new document
    // rather than an invisible process waiting for nothing.
    case CCommandLineInfo::FileDDE:
        if (!app->OnCmdMsg(ID_FILE_NEW, 0, nullptr, nullptr))
            app->OnFileNew();
        return app->m_pMainWnd != nullptr;

    case CCommandLineInfo::FileOpen:
        return app->OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;

    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
    {
        // The document is opened hidden, printed by whoever handles the
        // command, and the program ends.
        app->m_nCmdShow = SW_HIDE;
        CDocument* doc = app->OpenDocumentFile(rCmdInfo.m_strFileName);
        if (doc && app->m_pMainWnd)
            app->m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        return FALSE;
    }

    case CCommandLineInfo::AppRegister:
        if (manager)
            manager->RegisterShellFileTypes(TRUE);
        return FALSE;

    case CCommandLineInfo::AppUnregister:
        if (manager)
            manager->UnregisterShellFileTypes();
        return FALSE;

    default:   // FileNothing: the program makes its window itself
        return TRUE;
    }
}
