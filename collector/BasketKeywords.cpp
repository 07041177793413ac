#include "collector/BasketKeywords.h"

#include "collector/LexifernView.h"

namespace {
const CStringArray* g_override = nullptr;
}

const CStringArray* GetBasketKeywords()
{
    if (g_override)
        return g_override;
    // The view's keyword array joins here once the view carries it.
    return nullptr;
}

void SetBasketKeywordsOverride(const CStringArray* keywords)
{
    g_override = keywords;
}
