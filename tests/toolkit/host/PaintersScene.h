// Scene "painters": the caption painter organizer on the host's thread (the
// host's main window is its first window) and the background painter
// organizer on a second top-level MDI frame with a dock bar, a toolbar in it
// and a tab control.
#pragma once

#include "HostScene.h"

std::unique_ptr<CHostScene> MakePaintersScene();
