// COleException: an OLE or automation call failed with the status code it carries.
#pragma once

#include "afx/Exception.h"

class COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = S_OK) : m_sc(sc) {}

    // The system's text for the status code, else "OLE error 0x........".
    BOOL GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext = nullptr) const override;
    // The status code an exception stands for: its own code for an OLE
    // exception, E_OUTOFMEMORY for a memory exception, E_UNEXPECTED otherwise.
    static SCODE PASCAL Process(const CException* e);

    SCODE m_sc;
};

[[noreturn]] void AFXAPI AfxThrowOleException(SCODE sc);
