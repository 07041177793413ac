// Writes a tiny uncompressed AVI clip for tests of the animation control:
// one 8-bit frame of one colour, with the stream headers and the index that
// the control needs.
#pragma once

#include <windows.h>

bool WriteSolidAvi(const char* path, int width, int height, COLORREF color);
