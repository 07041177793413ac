#include "afx/Exception.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

BOOL CException::GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    if (error && maxError)
        *error = 0;
    return FALSE;
}

int CException::ReportError(UINT type, UINT messageId)
{
    char text[512] = "";
    if (!GetErrorMessage(text, sizeof text)) {
        if (messageId == 0 || !LoadStringA(AfxGetResourceHandle(), messageId, text, sizeof text))
            lstrcpynA(text, "An unsupported operation was attempted.", sizeof text);
    }
    return MessageBoxA(GetActiveWindow(), text, nullptr, type);
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CSimpleException::GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    if (!error || maxError == 0)
        return FALSE;
    *error = 0;
    if (m_nResourceID && LoadStringA(AfxGetResourceHandle(), m_nResourceID, error, static_cast<int>(maxError)))
        return TRUE;
    if (!m_pszFallback)
        return FALSE;
    lstrcpynA(error, m_pszFallback, static_cast<int>(maxError));
    return TRUE;
}

void AFXAPI AfxThrowMemoryException() { throw new CMemoryException; }
void AFXAPI AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AFXAPI AfxThrowInvalidArgException() { throw new CInvalidArgException; }
void AFXAPI AfxThrowResourceException() { throw new CResourceException; }
void AFXAPI AfxThrowUserException() { throw new CUserException; }
