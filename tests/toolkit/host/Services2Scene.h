// Scene "services2": the toolkit's services in one window: a container whose
// children a layout manager keeps in place, a taskbar icon, the instance
// manager "ToolkitHostServices2", a bounded rectangle tracker and a registry
// value file under the host's profile.
#pragma once

#include "HostScene.h"

std::unique_ptr<CHostScene> MakeServices2Scene();
