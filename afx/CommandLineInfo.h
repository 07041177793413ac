// CCommandLineInfo: what the program was asked to do on its command line (open
// a file, print it, register itself...). CWinApp::ParseCommandLine feeds it one
// argument at a time; CWinApp::ProcessShellCommand carries it out.
#pragma once

#include "afx/Object.h"
#include "afx/String.h"

class CCommandLineInfo : public CObject
{
public:
    CCommandLineInfo();
    ~CCommandLineInfo() override = default;

    // One argument. bFlag: it began with '-' or '/', which the caller has
    // already stripped. bLast: no argument follows, so the request is final.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    };

    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    int m_nShellCommand;

    // FileOpen, FilePrint and FilePrintTo: the document; FilePrintTo also
    // takes the printer, its driver and its port, in that order.
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

protected:
    void ParseParamFlag(const char* pszParam);
    void ParseParamNotFlag(const char* pszParam);
    void ParseLast(BOOL bLast);
};

// Feeds every argument of argv[1..argc-1] to info, as CWinApp::ParseCommandLine
// does with the process's own arguments.
void AFXAPI AfxParseCommandLine(CCommandLineInfo& info, int argc, char** argv);
