#include "collector/LexifernView.h"

#include "resources/resource.h"

namespace {
CLexifernView* g_view = nullptr;
}

IMPLEMENT_DYNCREATE(CLexifernView, CFormView)

BEGIN_MESSAGE_MAP(CLexifernView, CFormView)
END_MESSAGE_MAP()

CLexifernView* GetMainView()
{
    return g_view;
}

CLexifernView::CLexifernView() : CFormView(IDD_LEXIFERN_FORM)
{
    g_view = this;
}

CLexifernView::~CLexifernView()
{
    if (g_view == this)
        g_view = nullptr;
}
