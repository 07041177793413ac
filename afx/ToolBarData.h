// The toolbar resource (type 241): a WORD version (1), the button image width
// and height, the button count, then one WORD command id per button, where 0
// stands for a separator. The bitmap of the same resource id holds the images
// of the non-separator buttons in order.
#pragma once

#include "afx/ArrayTypes.h"

#define RT_TOOLBAR MAKEINTRESOURCE(241)

struct CToolBarData
{
    WORD wVersion = 0;
    WORD wWidth = 0;
    WORD wHeight = 0;
    CUIntArray ids;   // one per button, 0 = separator

    // Reads the resource bytes. FALSE for an unknown version, a size that
    // cannot hold the header or the ids it announces, or zero-sized images:
    // the resource came from outside the code and is checked, not trusted.
    BOOL Parse(const void* data, DWORD size);

    // Finds the resource in the module that holds it and parses it.
    BOOL Load(LPCTSTR resourceName);
};
