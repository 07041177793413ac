// Scene "services1": the toolkit static with a tooltip, a list box to
// auto-scroll, a window drawing a device-independent bitmap from the host's
// data file, a static with two window hooks, and the splash window.
#pragma once

#include "HostScene.h"

std::unique_ptr<CHostScene> MakeServices1Scene();
