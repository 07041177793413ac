// A toolkit control keeps its own copy of a font given to it, made through the
// font's LOGFONT, so that the caller may delete its font afterwards.
#pragma once

#include "afx/GdiObject.h"

// FALSE (and the target unchanged) when the font cannot be read or made.
BOOL OXCopyFont(CFont& target, CFont* pSource);
