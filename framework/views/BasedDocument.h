// CBasedDocument: the framework's document base. The program's document
// derives from it; it keeps the modified flag exactly as it is told.
#pragma once

#include "afx/Document.h"

class CBasedDocument : public CDocument
{
    DECLARE_DYNCREATE(CBasedDocument)
public:
    CBasedDocument();
    ~CBasedDocument() override;

    BOOL IsModified() override;
    // Stores the value as given (not reduced to TRUE or FALSE).
    void SetModifiedFlag(BOOL bModified = TRUE) override;
    // The document's own new-document processing, answered as TRUE or FALSE.
    BOOL OnNewDocument() override;
};
