// CArchiveException: an archive that could not be read or written as asked
// (a short or damaged stream, an unknown class, a schema this build cannot
// read), with a cause code and the name of the file beneath the archive.
#pragma once

#include "afx/Exception.h"
#include "afx/String.h"

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        genericException,
        readOnly,      // written to while loading
        endOfFile,
        writeOnly,     // read from while storing
        badIndex,      // an object or class reference that was never defined
        badClass,      // an unknown class, or one other than the reader expected
        badSchema      // a class version this build cannot read
    };

    explicit CArchiveException(int cause = none, LPCTSTR archiveName = nullptr);

    // An English sentence naming the file (or "an unnamed file").
    BOOL GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext = nullptr) const override;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR archiveName = nullptr);
