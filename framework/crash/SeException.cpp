#include "framework/crash/SeException.h"

#include "framework/crash/ExceptionReport.h"

IMPLEMENT_DYNAMIC(CSeException, CException)

namespace {

struct ExceptionNameEntry
{
    DWORD code;
    LPCTSTR name;
};

const ExceptionNameEntry kExceptionNames[] = {
    { 0xC0000005, "ACCESS_VIOLATION" },
    { 0x80000002, "DATATYPE_MISALIGNMENT" },
    { 0x80000003, "BREAKPOINT" },
    { 0x80000004, "SINGLE_STEP" },
    { 0xC000008C, "ARRAY_BOUNDS_EXCEEDED" },
    { 0xC000008D, "FLT_DENORMAL_OPERAND" },
    { 0xC000008E, "FLT_DIVIDE_BY_ZERO" },
    { 0xC000008F, "FLT_INEXACT_RESULT" },
    { 0xC0000090, "FLT_INVALID_OPERATION" },
    { 0xC0000091, "FLT_OVERFLOW" },
    { 0xC0000092, "FLT_STACK_CHECK" },
    { 0xC0000093, "FLT_UNDERFLOW" },
    { 0xC0000094, "INT_DIVIDE_BY_ZERO" },
    { 0xC0000095, "INT_OVERFLOW" },
    { 0xC0000096, "PRIV_INSTRUCTION" },
    { 0xC0000006, "IN_PAGE_ERROR" },
    { 0xC000001D, "ILLEGAL_INSTRUCTION" },
    { 0xC0000025, "NONCONTINUABLE_EXCEPTION" },
    { 0xC00000FD, "STACK_OVERFLOW" },
    { 0xC0000026, "INVALID_DISPOSITION" },
    { 0x80000001, "GUARD_PAGE" },
    { 0xC0000008, "INVALID_HANDLE" },
};

} // namespace

LPCTSTR GetExceptionName(DWORD code)
{
    for (const ExceptionNameEntry& entry : kExceptionNames)
        if (entry.code == code)
            return entry.name;
    return nullptr;
}

CSeException::CSeException(UINT code, const EXCEPTION_POINTERS* pointers)
    : CException(TRUE), m_nSeCode(code), m_pExPtrs(&m_pointers), m_record(), m_context(),
      m_pointers{ &m_record, &m_context }
{
    if (pointers && pointers->ExceptionRecord)
        m_record = *pointers->ExceptionRecord;
    if (pointers && pointers->ContextRecord)
        m_context = *pointers->ContextRecord;
    // A chained record would point into memory that is about to be reused.
    m_record.ExceptionRecord = nullptr;
}

CSeException::CSeException(const CSeException& other)
    : CException(other.m_bAutoDelete), m_nSeCode(other.m_nSeCode), m_pExPtrs(&m_pointers),
      m_record(other.m_record), m_context(other.m_context), m_pointers{ &m_record, &m_context }
{
}

void* CSeException::GetExceptionAddress() const
{
    return m_record.ExceptionAddress;
}

void CSeException::FormatErrorMessage(CString& message) const
{
    LPCTSTR name = GetExceptionName(m_nSeCode);
    if (!name) {
        message = "Unknown exception.";
        return;
    }
    message.Format("Exception %s (0x%.8x) at address 0x%.16llx.", name, m_nSeCode,
                   static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(GetExceptionAddress())));
}

BOOL CSeException::GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    if (!error || maxError == 0)
        return FALSE;
    CString message;
    FormatErrorMessage(message);
    if (static_cast<UINT>(message.GetLength()) < maxError) {
        lstrcpynA(error, message, static_cast<int>(maxError));
        return TRUE;
    }
    *error = 0;
    return FALSE;
}

int CSeException::ReportError(UINT /*type*/, UINT /*messageId*/)
{
    CString message;
    FormatErrorMessage(message);
    ShowCrashErrorBox(message);
    return 1;
}
