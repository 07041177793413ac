// CWinApp's document members: forwarded to the application's document manager.
#include "afx/WinApp.h"

#include "afx/AfxRes.h"
#include "afx/CommandLineInfo.h"
#include "afx/DocManager.h"
#include "afx/RecentFileList.h"

#include <stdlib.h>

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (!m_pDocManager)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    ASSERT(m_pDocManager != nullptr);
    return m_pDocManager->GetNextDocTemplate(pos);
}

int CWinApp::GetOpenDocumentCount()
{
    return m_pDocManager ? m_pDocManager->GetDocumentCount() : 0;
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    return m_pDocManager ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CWinApp::SaveAllModified()
{
    return m_pDocManager ? m_pDocManager->SaveAllModified() : TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

void CWinApp::RegisterShellFileTypes(BOOL bCompat)
{
    if (m_pDocManager)
        m_pDocManager->RegisterShellFileTypes(bCompat);
}

void CWinApp::UnregisterShellFileTypes()
{
    if (m_pDocManager)
        m_pDocManager->UnregisterShellFileTypes();
}

void CWinApp::EnableShellOpen()
{
    // Files are opened by starting the program with the path; no DDE server.
}

void CWinApp::HideApplication()
{
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        ::ShowWindow(m_pMainWnd->m_hWnd, SW_HIDE);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    AfxParseCommandLine(rCmdInfo, __argc, __argv);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    return AfxProcessShellCommand(this, m_pDocManager, rCmdInfo);
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    if (m_pDocManager)
        m_pDocManager->OnFileOpen();
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return FALSE;
    const int index = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (index < 0 || index >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[index].IsEmpty())
        return FALSE;
    const CString path = (*m_pRecentFileList)[index];
    if (!OpenDocumentFile(path))
        m_pRecentFileList->Remove(index);
    return TRUE;
}
