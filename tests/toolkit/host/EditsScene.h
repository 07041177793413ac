// Scene "edits": the drop-button edits (calculator, calendar, list, physical
// units), the calendar control and a plain toolkit edit with a mask.
#pragma once

#include "HostScene.h"

std::unique_ptr<CHostScene> MakeEditsScene();
