#include "toolkit/foundation/OXPopupLoop.h"

BOOL OXGetPopupMessage(MSG& msg)
{
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return FALSE;
    }
    return got == -1 ? FALSE : TRUE;
}

void OXFitPopupRect(CRect& rect, int nAboveBottom)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoA(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info))
        return;
    const CRect work(info.rcWork);
    if (rect.right > work.right)
        rect.OffsetRect(work.right - rect.right, 0);
    if (rect.left < work.left)
        rect.OffsetRect(work.left - rect.left, 0);
    if (rect.bottom > work.bottom)
        rect.OffsetRect(0, nAboveBottom - rect.bottom);
}
