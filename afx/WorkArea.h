// Keeps a window's stored place usable when it comes back from the profile:
// a size below the window's minimum (a negative one too) gives way to the
// default size, and a rectangle that meets no monitor's work area is pulled
// into the nearest one, so no window opens where the user cannot reach it.
#pragma once

#include "afx/Rect.h"

// The rectangle fitted to the given work areas (screen coordinates): each
// side shorter than minSize takes defaultSize's; a rectangle that meets one
// of the areas keeps its place; any other is moved (and shrunk where it is
// larger) into the area nearest to it. With no areas the size rule alone.
CRect AFXAPI AfxFitRectToWorkAreas(const CRect& rect, const CRect* areas, int count, CSize minSize,
                                   CSize defaultSize);

// The same over the work areas of the monitors attached now. minSize is
// raised to the system's smallest window size (SM_CXMINTRACK, SM_CYMINTRACK).
CRect AFXAPI AfxFitRectToMonitors(const CRect& rect, CSize minSize, CSize defaultSize);
