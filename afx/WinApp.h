// CWinApp: the one application object of the process. It is the user-interface
// thread's CWinThread: start-up (AfxWinMain runs InitApplication, InitInstance
// and Run), the message loop with its idle work, the application's message
// boxes and wait cursor, and the registry profile the settings live in.
#pragma once

#include "afx/CollHelpers.h"
#include "afx/Thread.h"

class CCommandLineInfo;
class CDocManager;
class CDocTemplate;
class CDocument;
class CRecentFileList;
struct __POSITION;
typedef __POSITION* POSITION;   // as in afx/CollHelpers.h, without the collections

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // The application name defaults to the AFX_IDS_APP_TITLE string, else the
    // executable's name.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int Run() override;
    int ExitInstance() override;
    // The window tree of the message first (from its window up to the main
    // window), then the thread's own translation.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Frees temporary wrappers, and asks the main window and its children to
    // update their command user interface.
    BOOL OnIdle(LONG lCount) override;

    // Every message box of the application goes through this (AfxMessageBox).
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    // 1 begins a wait, -1 ends one, 0 shows the wait cursor again (after a
    // dialog replaced it). Waits nest: the arrow comes back after the last end.
    virtual void DoWaitCursor(int nCode);
    // The help file's topic (nCmd HELP_CONTEXT and the like) for the main window.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;

    // ---- Registry profile: HKCU\Software\<registry key>\<profile name>\<section>
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    // Opened (created when missing) keys the caller closes; nullptr on failure.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);

    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    // *ppData is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    // A null value deletes the entry; a null entry deletes the whole section.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Reads the recent-file list of nMaxMRU entries (none for 0).
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);

    // ---- Documents: the application's document manager does the work.
    // The first template creates the manager; it owns the templates.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    int GetOpenDocumentCount();
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    void RegisterShellFileTypes(BOOL bCompat = FALSE);
    // The process's arguments into rCmdInfo, one at a time.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // FALSE: the start-up should end (the request failed or needs no window).
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    // Files are opened by starting the program with their path (no DDE).
    void EnableShellOpen();
    void UnregisterShellFileTypes();
    // Hides the main window without closing anything (tray programs).
    void HideApplication();

    // Called by AfxWinInit: names and paths derived from the module.
    void SetCurrentHandles();

    LPCTSTR m_pszAppName;
    LPCTSTR m_pszExeName;         // the executable's file name without extension
    LPCTSTR m_pszHelpFilePath;    // the executable's path with the extension ".HLP"
    LPCTSTR m_pszRegistryKey;     // the company key; nullptr until SetRegistryKey
    LPCTSTR m_pszProfileName;
    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    CRecentFileList* m_pRecentFileList;
    CDocManager* m_pDocManager;

    // Standard commands; the application's map names the ones it offers.
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();

protected:
    afx_msg void OnAppExit();
    // A recent file that cannot be opened any more leaves the list.
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;

    DECLARE_MESSAGE_MAP()
};

// The application object; nullptr before it is constructed.
CWinApp* AFXAPI AfxGetApp();
// The main window of the calling thread (the application's on the UI thread).
CWnd* AFXAPI AfxGetMainWnd();
LPCTSTR AFXAPI AfxGetAppName();

// Message boxes of the application, titled with its name.
int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// Start-up: the handles and command line into the application object.
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// The whole life of a program: AfxWinInit, InitApplication, InitInstance, Run.
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

// Shows the wait cursor for the life of the object.
class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore();
};
