#include "collector/LexifernDoc.h"

namespace {
CLexifernDoc* g_document = nullptr;
}

IMPLEMENT_DYNCREATE(CLexifernDoc, CDocument)

BEGIN_MESSAGE_MAP(CLexifernDoc, CDocument)
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
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}
