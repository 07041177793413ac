// The palette an off-screen drawing needs on a palette device: built from the
// colour table of the DIB selected into the memory DC.
#pragma once

#include "afx/DC.h"
#include "afx/GdiObject.h"

// Colours a palette device leaves to applications (256 less the 20 reserved).
const int kMemoryPaletteColours = 236;

// Makes the palette (LOGPALETTE version 0x300) from the first 236 entries of
// the colour table of the bitmap selected into memDC; entries the table lacks
// are black. FALSE when the bitmap has no colour table (a true-colour one) or
// the palette cannot be made.
BOOL CreateMemoryBitmapPalette(CDC& memDC, CPalette& palette);
