// Where the export worker and the frame's copy commands find the Basket: the
// main view's keyword array. Kept behind one function so that the commands
// read the same array the view writes, and so that tests can hand them one.
#pragma once

#include "afx/ArrayTypes.h"

// The array to export or copy; nullptr when there is no main view (and no
// array was set for a test).
const CStringArray* GetBasketKeywords();

// Replaces the view's array until called again with nullptr.
void SetBasketKeywordsOverride(const CStringArray* keywords);
