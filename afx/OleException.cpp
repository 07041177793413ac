#include "afx/OleException.h"

#include <stdio.h>

IMPLEMENT_DYNAMIC(COleException, CException)

BOOL COleException::GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    if (!error || maxError == 0)
        return FALSE;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             static_cast<DWORD>(m_sc), 0, error, maxError, nullptr);
    if (n == 0)
        _snprintf(error, maxError, "OLE error 0x%08lx", static_cast<unsigned long>(m_sc));
    error[maxError - 1] = 0;
    // The system's texts end with a line break; a message box needs none.
    for (int i = lstrlenA(error) - 1; i >= 0 && (error[i] == '\r' || error[i] == '\n'); --i)
        error[i] = 0;
    return TRUE;
}

SCODE PASCAL COleException::Process(const CException* e)
{
    if (!e)
        return E_UNEXPECTED;
    if (e->IsKindOf(RUNTIME_CLASS(COleException)))
        return static_cast<const COleException*>(e)->m_sc;
    if (e->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    return E_UNEXPECTED;
}

void AFXAPI AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}
