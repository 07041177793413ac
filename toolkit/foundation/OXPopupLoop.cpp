#include "toolkit/foundation/OXPopupLoop.h"

#include "toolkit/foundation/OXToolTipCtrl.h"

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
    // Placed the way a tip is placed beside its tool.
    rect = COXToolTipCtrl::PlaceTip(rect, CRect(info.rcWork), nAboveBottom);
}
