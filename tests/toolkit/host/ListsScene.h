// Scene "lists": item tips over a report list, the extended, font and image
// list boxes, the multi-column combo box, the font picker with its buddy,
// two separators and the option tree.
#pragma once

#include "HostScene.h"

std::unique_ptr<CHostScene> MakeListsScene();
