// The main view's hand layout: where each control goes when the view is
// resized. The form is two columns under the web pane: the keyword box, the
// suggestion list and their buttons on the left, the Basket box and its
// buttons on the right. The list keeps the form's width while the Basket
// column has room for its buttons; the Basket takes the rest of the width.
// Every button is at least as wide as its caption and image need, so no
// caption wraps. Plain logic: the view feeds it the form's places and the
// widths the captions need, and moves the windows.
#pragma once

#include "afx/Rect.h"
#include "resources/resource.h"

// The controls the layout places, in the order they are placed.
inline constexpr UINT kLaidOutControls[] = {
    IDC_WEB_PANE,   IDC_KEYWORD_LABEL, IDC_PROGRESS,     IDC_BASKET_LABEL, IDC_COPY_BASKET, IDC_SAVE_BASKET,
    IDC_KEYWORD,    IDC_GO,            IDC_BACK,         IDC_LIST_LABEL,   IDC_SUGGESTIONS, IDC_BASKET,
    IDC_SETTINGS,   IDC_CHECK_CUSTOM,  IDC_UNCHECK_ALL,  IDC_CHECK_ALL,    IDC_GET_NEW_VERSION, IDC_HELP_BUTTON,
};
inline constexpr int kLaidOutCount = static_cast<int>(sizeof kLaidOutControls / sizeof kLaidOutControls[0]);

class CMainViewLayout
{
public:
    CMainViewLayout();

    // The control's place in the form as designed (view client coordinates),
    // taken before the first layout moves it. A control without one is not
    // placed.
    void SetDesignRect(UINT nID, const CRect& rect);
    BOOL HasDesignRect(UINT nID) const;
    // The width the control needs to show its caption (and image) whole on
    // one line; 0 when the form's width will do.
    void SetLeastWidth(UINT nID, int cx);

    // Places every control that has a design rectangle for a client area of
    // cx x cy pixels.
    void Arrange(int cx, int cy);
    // The control's place after the last Arrange; its design place before.
    CRect GetRect(UINT nID) const;

private:
    int IndexOf(UINT nID) const;
    const CRect& Design(UINT nID) const;
    // The form's width, or the least width when that is more.
    int WidthOf(UINT nID) const;
    void Put(UINT nID, int left, int top, int width, int height);

    CRect m_design[kLaidOutCount];
    BOOL m_hasDesign[kLaidOutCount];
    int m_least[kLaidOutCount];
    CRect m_placed[kLaidOutCount];
};
