// CBasedApp: the framework's application class. The program's own application
// class derives from it. It owns the framework-wide settings kept in the
// registry profile, the program-folder paths, the external tools, the hidden
// trace-log window's template, and the message-box routines that also log.
#pragma once

#include "afx/WinApp.h"
#include "afx/ArrayTypes.h"

class CAboutDlg;
class CDocTemplate;
class CMultiDocTemplate;
class CExternalTool;
class CWnd;
class CCmdUI;

// The logging switch: when set, the message-box routines and the frame's start
// and exit events post trace events. Process-wide, not a member; TRUE until
// start-up reads it from the profile.
extern BOOL m_bEnableLog;

class CBasedApp : public CWinApp
{
    DECLARE_DYNAMIC(CBasedApp)
public:
    CBasedApp();
    ~CBasedApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The program file, as the system names the process's module (at most 260 characters).
    virtual CString GetProgramPath();
    virtual CString GetWebSite();
    virtual CString GetSecondWebSite();
    virtual CString GetSupportMail();
    // The start-up alternative to plain command-line processing: reopens the
    // last document (whose path must contain the given text).
    virtual BOOL OpenLastDocument(CString mustContain);

    // The program folder, always ending in "\".
    CString GetAppFolder();
    // GetAppFolder() + "Temp\".
    CString GetAppTempFolder();
    // Shows the tip of the day when the command line allows it and the tip's
    // own start-up setting asks for it.
    void ShowTipAtStartup();

    // Message boxes that also record their text in the trace log (when logging
    // is on). The owner is the calling thread's main window, if it has one.
    void WarningMessage(CString text, CString caption);
    void InfoMessage(CString text, CWnd* parent = nullptr);
    void ErrorMessage(CString text);
    int QuestionMessage(CString text);
    int QuestionWarningMessage(CString text);
    // A Yes/No question with "Don't ask me again": a remembered Yes
    // ("Settings"/key = 1) answers at once; only a ticked Yes is remembered.
    static int QuestionDontAskAgain(CString text, CString key, CString caption);

    // The whole answer of a GET for url, as text up to its first zero byte
    // (at most about ten million bytes). With a file path the text goes
    // through that file, which is deleted afterwards. Failures are thrown as
    // CString: "Not enough memory", "Can't load " + url, "Error <code> on " + url.
    // Blocks until the answer is read.
    CString DownloadUrl(CString url, CString filePath);
    // Through CFileHandle (useFileHandle) the bytes go unchanged; otherwise
    // the file is written in text mode (LF becomes CR LF). FALSE on failure.
    BOOL WriteTextFile(CString path, CString text, BOOL useFileHandle);
    // The file's text; empty when it cannot be read. Without CFileHandle each
    // line comes back followed by CR LF.
    CString LoadTextFile(CString path, BOOL useFileHandle);
    // The name for the next numbered sub-folder of folder: one more than the
    // highest leading number of its sub-folders ("00000" when it has none),
    // at least five digits. FALSE when folder is not a folder.
    BOOL GetNextFolderNumber(CString folder, CString& result);
    // Hands text to the running family application (copy-data, kind 1);
    // tells the user to start it when no window of it takes the text.
    void SendToPellucine(CString text);
    // Appends "<local date and time>> text" CR LF to the file in the program
    // folder. File errors are thrown as CString.
    void WriteLogLine(CString text, CString fileName);

    // About box: the credits text, its x position and the logo waves.
    CWnd* m_pSplashWnd;
    BOOL m_bSplashShown;
    CString m_strAboutText;
    int m_nAboutTextX;
    BYTE m_bAboutWave;
    // User options kept in the profile.
    BYTE m_bAutoSaveEnable;
    int m_iSaveTime;
    BYTE m_bMinimizeToTray;
    BYTE m_bAutoSaveByMinimize;
    BYTE m_bAutoSaveBySwitch;
    BYTE m_bStartWithWindows;
    BYTE m_bDontCloseAndMinimize;
    // The trace-log window: its template (never registered with the
    // application), folder, default disk logging and file.
    CMultiDocTemplate* m_pLogTemplate;
    CString m_strLogsFolder;
    BYTE m_bLogToDisk;
    CString m_strLogFile;
    CString m_strRegistryKey;
    CTypedPtrArray<CPtrArray, CExternalTool*> m_arrTools;

protected:
    // Where the framework's other parts join the start-up and exit; tests
    // override them to watch or to stay away from files and boxes.
    virtual void InstallExceptionTranslator();
    virtual void LoadExternalTools();
    virtual void SaveExternalTools();
    virtual void FreeExternalTools();
    virtual CMultiDocTemplate* CreateLogTemplate();
    // The about box of the credits settings above, not yet shown; scroll is
    // its scroll flag (a box without it deletes itself when closed).
    virtual CAboutDlg* CreateAboutBox(BOOL scroll);
    // Runs the tip of the day modally; at start-up only when its own setting
    // asks for it. TRUE when it was shown.
    virtual BOOL RunTipOfTheDay(BOOL atStartup);
    CString GetExternalToolsPath();
    // The backup command's folder choice; FALSE when the user cancels.
    virtual BOOL ChooseBackupFolder(CString& folder);

    afx_msg void OnAppAbout();
    afx_msg void OnShowTip();
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    afx_msg void OnClearRecentFiles();
    afx_msg void OnUpdateClearRecentFiles(CCmdUI* pCmdUI);
    afx_msg void OnBackupDocument();
    DECLARE_MESSAGE_MAP()

private:
    void LogMessage(LPCTSTR prefix, const CString& text);
};

// The one application object; nullptr before it is constructed and after it is gone.
CBasedApp* GetBasedApp();
