#include "afx/ArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCTSTR archiveName)
    : CException(TRUE), m_cause(cause), m_strFileName(archiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    if (!error || maxError == 0)
        return FALSE;

    static const char* const kTexts[] = {
        "An unknown error occurred while accessing %s.",
        "An unexpected error occurred while reading %s.",
        "Tried to write to %s while it was being read.",
        "An unexpected end of file was encountered while reading %s.",
        "Tried to read from %s while it was being written.",
        "%s has an incorrect format.",
        "%s contained an unexpected object.",
        "%s contains an incorrect schema.",
    };
    const int count = static_cast<int>(sizeof kTexts / sizeof kTexts[0]);
    const char* text = (m_cause >= 0 && m_cause < count) ? kTexts[m_cause] : kTexts[genericException];
    CString name = m_strFileName.IsEmpty() ? CString("an unnamed file") : m_strFileName;
    // The name goes in as an argument, so a '%' in it is harmless.
    CString message;
    message.Format(text, (LPCTSTR)name);
    lstrcpynA(error, message, static_cast<int>(maxError));
    return TRUE;
}

void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR archiveName)
{
    throw new CArchiveException(cause, archiveName);
}
