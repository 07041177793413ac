#include "collector/BasketKeywords.h"

#include "collector/LexifernView.h"

namespace {
const CStringArray* g_override = nullptr;
}

const CStringArray* GetBasketKeywords()
{
    if (g_override)
        return g_override;
    CLexifernView* view = GetMainView();
    return view ? &view->m_arrKeywords : nullptr;
}

void SetBasketKeywordsOverride(const CStringArray* keywords)
{
    g_override = keywords;
}
