// CException and the simple exception classes of the layer. Exceptions are
// thrown as heap pointers (throw new CXxxException) and released by the catcher
// with Delete(); AfxThrowXxx builds and throws them.
#pragma once

#include "afx/Object.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL autoDelete = TRUE) : m_bAutoDelete(autoDelete) {}

    // The message for the user; FALSE when the exception has none.
    virtual BOOL GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext = nullptr) const;
    // Shows the message in a message box (or the fallback text) and returns the box's answer.
    virtual int ReportError(UINT type = MB_OK, UINT messageId = 0);
    // Frees a heap exception; a stack or static one is left alone.
    void Delete();

    BOOL m_bAutoDelete;
};

class CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    explicit CSimpleException(UINT messageId = 0, LPCSTR fallback = nullptr)
        : m_nResourceID(messageId), m_pszFallback(fallback) {}
    BOOL GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext = nullptr) const override;

protected:
    UINT m_nResourceID;
    LPCSTR m_pszFallback;
};

class CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() : CSimpleException(0, "Out of memory.") {}
};

class CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException() : CSimpleException(0, "Operation not supported.") {}
};

class CInvalidArgException : public CSimpleException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException() : CSimpleException(0, "Invalid argument.") {}
};

class CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException() : CSimpleException(0, "A required resource was unavailable.") {}
};

// Thrown after the user has been told already: catchers stay silent.
class CUserException : public CSimpleException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() : CSimpleException(0, nullptr) {}
};

[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowResourceException();
[[noreturn]] void AFXAPI AfxThrowUserException();
