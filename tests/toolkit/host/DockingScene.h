// Scene "docking": the host's frame docks two toolbars in one row at the top,
// a sizing bar at the left and a status bar at the bottom round its view;
// the bars float, dock elsewhere, hide at idle and keep their layout in the
// profile ("DockingScene") from one run to the next.
#pragma once

#include "HostScene.h"

std::unique_ptr<CHostScene> MakeDockingScene();
