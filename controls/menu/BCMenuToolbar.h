// BCMenuToolbar: the button list of a toolbar resource (user type 241: WORD
// version, button width, button height, count, then the command ids, 0 for a
// separator), read without creating a toolbar window so menus can take their
// images from it.
#pragma once

#include "afx/Afx.h"

#include <vector>

class BCMenuToolbar
{
public:
    BCMenuToolbar() : width(0), height(0) {}

    // FALSE when the resource is missing or shorter than its count says.
    BOOL Load(UINT nToolbarId);
    // The image of button `index` in the toolbar's bitmap: separators have
    // none, so it is the number of buttons before it; -1 for a separator.
    int ImageOf(size_t index) const;
    int FindCommand(UINT nID) const;   // button index, or -1

    int width;
    int height;
    std::vector<UINT> commands;
};
