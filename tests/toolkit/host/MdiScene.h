// Scene "mdi": the main window is an MDI frame with two document templates,
// "Text" (a child frame with one view; its menu adds a "Text" popup) and
// "Split" (a child frame holding a static splitter of two rows), and the
// state box in a fixed bar at its right.
#pragma once

#include "HostScene.h"

CWnd* MakeMdiSceneMainWindow(const CString& name);
