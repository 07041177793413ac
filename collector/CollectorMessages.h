// The keyword program's private window messages: who sends each, and what
// wParam, lParam and the result carry.
#pragma once

#include "afx/Afx.h"

// Posted by a suggestion worker to the main view when its request is done.
// wParam: a GMEM_FIXED block holding the keyword, NUL-terminated;
// lParam: a GMEM_FIXED block holding the service's answer, NUL-terminated.
// The receiver owns and frees both; either may be missing (0) when memory
// ran out. The result is 1.
#define WM_SUGGESTION_RESULT (WM_USER + 101)
