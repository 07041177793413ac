#include "collector/MainViewLayout.h"

namespace {
// The list keeps its width; it and the Basket box give the rest of the height
// to the web pane above and the button row below.
const int ListWidth = 442;
const int ListHeightMargin = 258;
const int BasketWidthMargin = 367;
const int BasketHeightMargin = 210;
// The web pane leaves this much of the width at the right.
const int WebPaneWidthMargin = 30;
// The bottom button row stands this far above the bottom edge.
const int BottomRowMargin = 25;
// Distances of the right-hand buttons' left edges from the right edge.
const int GetNewVersionMargin = 257;
const int HelpMargin = 86;
const int SaveMargin = 79;
const int CopyMargin = 143;

CRect Sized(const CRect& current, int width, int height)
{
    return CRect(current.left, current.top, current.left + width, current.top + height);
}

CRect Moved(const CRect& current, int left, int top)
{
    return CRect(left, top, left + current.Width(), top + current.Height());
}
}

CRect PlaceMainViewControl(UINT nID, const CRect& current, int cx, int cy)
{
    switch (nID) {
    case IDC_WEB_PANE:
        return Sized(current, cx - WebPaneWidthMargin, current.Height());
    case IDC_SUGGESTIONS:
        return Sized(current, ListWidth, cy - ListHeightMargin);
    case IDC_BASKET:
        return Sized(current, cx - BasketWidthMargin, cy - BasketHeightMargin);
    case IDC_CHECK_CUSTOM:
    case IDC_UNCHECK_ALL:
    case IDC_CHECK_ALL:
    case IDC_SETTINGS:
        return Moved(current, current.left, cy - BottomRowMargin);
    case IDC_GET_NEW_VERSION:
        return Moved(current, cx - GetNewVersionMargin, cy - BottomRowMargin);
    case IDC_HELP_BUTTON:
        return Moved(current, cx - HelpMargin, cy - BottomRowMargin);
    case IDC_SAVE_BASKET:
        return Moved(current, cx - SaveMargin, current.top);
    case IDC_COPY_BASKET:
        return Moved(current, cx - CopyMargin, current.top);
    default:
        return current;
    }
}

UINT MainViewPlaceFlags(UINT nID)
{
    UINT flags = SWP_SHOWWINDOW | SWP_NOOWNERZORDER;
    switch (nID) {
    case IDC_WEB_PANE:
    case IDC_SUGGESTIONS:
    case IDC_BASKET:
        return flags | SWP_NOMOVE | SWP_NOZORDER;
    default:
        return flags | SWP_NOSIZE | SWP_NOZORDER;
    }
}
