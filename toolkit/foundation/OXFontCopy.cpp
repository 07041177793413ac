#include "toolkit/foundation/OXFontCopy.h"

BOOL OXCopyFont(CFont& target, CFont* pSource)
{
    LOGFONTA font = {};
    if (!pSource || !pSource->GetSafeHandle() || !pSource->GetLogFont(&font))
        return FALSE;
    CFont copy;
    if (!copy.CreateFontIndirect(&font))
        return FALSE;
    target.DeleteObject();
    target.Attach(copy.Detach());
    return TRUE;
}
