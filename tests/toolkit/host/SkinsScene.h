// Scene "skins": the extended status bar at the host's bottom edge with a
// text pane, a bitmap pane, a progress pane with its percentage and the
// Caps and Num indicators, tips on; commands drive the panes and remove the
// current skin from the application.
#pragma once

#include "HostScene.h"

std::unique_ptr<CHostScene> MakeSkinsScene();
