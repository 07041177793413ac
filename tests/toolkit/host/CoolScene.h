// Scene "cool": standard controls made with the plain window API (so without
// a framework object) that the cool-control organizer converts when it is
// attached to the host's thread, and an edit with a framework object that it
// leaves alone.
#pragma once

#include "HostScene.h"

std::unique_ptr<CHostScene> MakeCoolScene();
