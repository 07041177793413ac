// CSeException: a hardware fault (access violation, division by zero ...)
// turned into an ordinary class-library exception, thrown by pointer and
// released with Delete(). It keeps its own copy of the fault's record and
// processor context, because the system's copies are gone once the stack
// has been unwound to the catch.
#pragma once

#include "afx/Exception.h"
#include "afx/String.h"

class CSeException : public CException
{
    DECLARE_DYNAMIC(CSeException)
public:
    CSeException(UINT code, const EXCEPTION_POINTERS* pointers);
    CSeException(const CSeException& other);
    CSeException& operator=(const CSeException&) = delete;

    UINT GetSeCode() const { return m_nSeCode; }
    const EXCEPTION_POINTERS* GetSePointers() const { return m_pExPtrs; }
    void* GetExceptionAddress() const;

    // "Exception <name> (0x<code>) at address 0x<address>.", or
    // "Unknown exception." for a code the name table lacks.
    void FormatErrorMessage(CString& message) const;

    BOOL GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext = nullptr) const override;
    // Shows the message in the framework's error box; returns 1.
    int ReportError(UINT type = MB_OK, UINT messageId = 0) override;

    UINT m_nSeCode;
    // Points at this object's own copies below; never at the system's.
    EXCEPTION_POINTERS* m_pExPtrs;

private:
    EXCEPTION_RECORD m_record;
    CONTEXT m_context;
    EXCEPTION_POINTERS m_pointers;
};

// The name of a structured exception code without its "EXCEPTION_" prefix
// ("ACCESS_VIOLATION"); nullptr for a code the table lacks.
LPCTSTR GetExceptionName(DWORD code);
