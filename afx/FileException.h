// CFileException: a failed file operation, with a portable cause code, the
// operating system's error code and the name of the file concerned.
#pragma once

#include "afx/Exception.h"
#include "afx/String.h"

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG osError = -1, LPCTSTR fileName = nullptr);

    void Init(int cause, LONG osError, LPCTSTR fileName)
    {
        m_cause = cause;
        m_lOsError = osError;
        m_strFileName = fileName;
    }

    // The cause for a Win32 error code (GetLastError).
    static int AFXAPI OsErrorToException(LONG osError);
    // The cause for a C runtime errno value.
    static int AFXAPI ErrnoToException(int errnoValue);
    [[noreturn]] static void AFXAPI ThrowOsError(LONG osError, LPCTSTR fileName = nullptr);
    [[noreturn]] static void AFXAPI ThrowErrno(int errnoValue, LPCTSTR fileName = nullptr);

    // An English sentence naming the file (or "an unnamed file").
    BOOL GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext = nullptr) const override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG osError = -1, LPCTSTR fileName = nullptr);
