// What the framework's frames, form views and dialogs share about the
// owner-drawn menus they show: the process-wide menu icon size, drawing and
// measuring the owner-drawn items (the class library leaves menu items to the
// window), and the right-click menu whose items follow the enabled state of
// the window's controls.
#pragma once

#include "afx/Afx.h"
#include "afx/Rect.h"

class CMenu;
class CWnd;

// The icon size the frame hands to its owner-drawn menus; 32 until the
// program's frame chooses another.
int GetMenuIconSize();
void SetMenuIconSize(int size);

// The owner-drawn items of the framework's menus; FALSE for anything else
// (the window then does its own handling).
BOOL MeasureOwnerDrawnMenuItem(LPMEASUREITEMSTRUCT lpMIS);
BOOL DrawOwnerDrawnMenuItem(LPDRAWITEMSTRUCT lpDIS);

// Each item of the popup whose command id is the id of one of the window's
// child controls is enabled when that control is enabled and grayed when it
// is not; the other items keep their state.
void EnableMenuItemsByControls(CMenu* pPopup, CWnd* pWnd);

// Loads the owner-drawn menu resource with icons of iconSize, follows the
// controls' state when asked, tracks its first popup at the screen point with
// the right button and pOwner receiving the command, then destroys it.
void TrackOwnerDrawnMenu(CWnd* pOwner, UINT nMenuId, int iconSize, CPoint point, BOOL bFollowControls);
