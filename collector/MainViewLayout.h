// The main view's hand layout: where each control goes when the view is
// resized. The list, the Basket box and the bottom row follow the view's
// size; the keyword box, Go, Back, the progress bar and the labels keep the
// form's places.
#pragma once

#include "afx/Rect.h"
#include "resources/resource.h"

// The controls the layout places, in the order they are placed.
inline constexpr UINT kLaidOutControls[] = {
    IDC_WEB_PANE,     IDC_KEYWORD,   IDC_SUGGESTIONS, IDC_BASKET,          IDC_CHECK_CUSTOM, IDC_UNCHECK_ALL,
    IDC_CHECK_ALL,    IDC_SETTINGS,  IDC_GET_NEW_VERSION, IDC_HELP_BUTTON, IDC_SAVE_BASKET,  IDC_COPY_BASKET,
};

// The new rectangle (view client coordinates) of a laid-out control, from its
// current rectangle and the view's client size.
CRect PlaceMainViewControl(UINT nID, const CRect& current, int cx, int cy);

// The SetWindowPos flags for that control: every control is shown; the ones
// that only move keep their size, the ones that only grow keep their place.
UINT MainViewPlaceFlags(UINT nID);
