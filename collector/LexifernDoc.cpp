#include "collector/LexifernDoc.h"

namespace {
CLexifernDoc* g_document = nullptr;
}

IMPLEMENT_DYNCREATE(CLexifernDoc, CBasedDocument)

BEGIN_MESSAGE_MAP(CLexifernDoc, CBasedDocument)
END_MESSAGE_MAP()

CLexifernDoc* GetLexifernDoc()
{
    return g_document;
}

CLexifernDoc::CLexifernDoc()
{
    g_document = this;
}

CLexifernDoc::~CLexifernDoc()
{
    if (g_document == this)
        g_document = nullptr;
}

BOOL CLexifernDoc::OnNewDocument()
{
    return CBasedDocument::OnNewDocument() ? TRUE : FALSE;
}
