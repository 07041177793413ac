// The host's "Look" menu: every scene can switch the application's skin.
#pragma once

#include "afx/String.h"

#include <windows.h>

// Appends the "&Host" and "&Look" popups to a menu bar.
void AppendHostMenus(HMENU menuBar);
// Carries out a "Look" command; FALSE for any other id.
BOOL DoLookCommand(UINT nID);
// The current skin's name, "none" without one.
CString CurrentLookName();
