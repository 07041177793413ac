// CDocManager: the application's document templates and what works across
// them: File New and File Open, opening a file by the template that claims
// it, saving or closing every document, the shell registration of the types,
// and carrying out the command line. CWinApp owns one and forwards to it.
#pragma once

#include "afx/List.h"
#include "afx/Object.h"
#include "afx/String.h"

class CCommandLineInfo;
class CDocTemplate;
class CDocument;
class CWinApp;

class CDocManager : public CObject
{
    DECLARE_DYNAMIC(CDocManager)
public:
    CDocManager();
    ~CDocManager() override;   // deletes the templates

    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    int GetDocumentCount();

    virtual void OnFileNew();
    virtual void OnFileOpen();
    // Activates the document when it is open already; else the best template
    // opens it. nullptr when none can.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    // The open or save dialog, filtered by the template (or every template).
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                  CDocTemplate* pTemplate);

    // Shell entries of every template with a type id, under the user's
    // classes key (no administrator's rights needed).
    virtual void RegisterShellFileTypes(BOOL bCompat);
    void UnregisterShellFileTypes();

    CPtrList m_templateList;

    // Where RegisterShellFileTypes writes: HKEY_CURRENT_USER under this key.
    static CString m_strClassesKey;
};

// The command line's request, carried out for app (CWinApp::ProcessShellCommand).
// FALSE tells the start-up to end: the request failed, or it was one that
// needs no window (registration).
BOOL AFXAPI AfxProcessShellCommand(CWinApp* app, CDocManager* manager, CCommandLineInfo& rCmdInfo);
