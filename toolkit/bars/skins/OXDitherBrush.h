// An 8x8 two-colour checkerboard pattern brush for the painters.
#pragma once

#include "afx/Afx.h"

// bFirstRowOdd: the first row is 0x55 (bit pattern 01010101) rather than 0xAA.
// Bit 0 shows clrA, bit 1 clrB. Null when the bitmap cannot be made; the
// caller deletes the brush.
HBRUSH OXCreateCheckerboardBrush(COLORREF clrA, COLORREF clrB, BOOL bFirstRowOdd);

// The checkerboard whose rows start with 0x55.
HBRUSH CreateDitherBrush(COLORREF clrA, COLORREF clrB);
