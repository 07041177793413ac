#include "afx/CommandLineInfo.h"

CCommandLineInfo::CCommandLineInfo()
    : m_bShowSplash(TRUE), m_bRunEmbedded(FALSE), m_bRunAutomated(FALSE),
      m_nShellCommand(FileNew)
{
}

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
        ParseParamFlag(pszParam);
    else
        ParseParamNotFlag(pszParam);
    ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(const char* pszParam)
{
    // Flags are case-blind, as the shell and installers write them both ways.
    CString flag(pszParam);
    flag.MakeLower();
    if (flag == "pt")
        m_nShellCommand = FilePrintTo;
    else if (flag == "p")
        m_nShellCommand = FilePrint;
    else if (flag == "dde")
        m_nShellCommand = FileDDE;
    else if (flag == "register" || flag == "regserver")
        m_nShellCommand = AppRegister;
    else if (flag == "unregister" || flag == "unregserver")
        m_nShellCommand = AppUnregister;
    else if (flag == "embedding")
        m_bRunEmbedded = TRUE;
    else if (flag == "automation")
        m_bRunAutomated = TRUE;
    // Anything else is left to derived classes; ignoring it keeps the start-up going.
}

void CCommandLineInfo::ParseParamNotFlag(const char* pszParam)
{
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast)
{
    if (!bLast)
        return;
    if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
    m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}

void AFXAPI AfxParseCommandLine(CCommandLineInfo& info, int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        const char* param = argv[i];
        BOOL flag = FALSE;
        if (param[0] == '-' || param[0] == '/')
        {
            flag = TRUE;
            ++param;
        }
        info.ParseParam(param, flag, i == argc - 1);
    }
}
