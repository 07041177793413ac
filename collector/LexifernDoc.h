// CLexifernDoc: the program's one document class. It holds no data of its
// own (the Basket lives in the main view and its file); the document template
// needs it to tie the frame and the view together.
#pragma once

#include "framework/views/BasedDocument.h"

class CLexifernDoc : public CBasedDocument
{
    DECLARE_DYNCREATE(CLexifernDoc)
public:
    CLexifernDoc();
    ~CLexifernDoc() override;

    BOOL OnNewDocument() override;

    DECLARE_MESSAGE_MAP()
};

// The one document while it exists, else nullptr.
CLexifernDoc* GetLexifernDoc();
