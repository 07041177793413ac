// Scene "colors": the bitmap buttons, the colour picker buttons (one as the
// application makes it, one whose picker can be torn off) and the toolkit
// tooltip of the first button.
#pragma once

#include "HostScene.h"

std::unique_ptr<CHostScene> MakeColorsScene();
