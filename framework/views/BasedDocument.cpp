#include "framework/views/BasedDocument.h"

IMPLEMENT_DYNCREATE(CBasedDocument, CDocument)

CBasedDocument::CBasedDocument() : CDocument()
{
}

CBasedDocument::~CBasedDocument() = default;

BOOL CBasedDocument::IsModified()
{
    return m_bModified;
}

void CBasedDocument::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CBasedDocument::OnNewDocument()
{
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}
