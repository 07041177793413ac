// The expansion of a time span's format codes, shared by CTimeSpan and
// COleDateTimeSpan so that both read the same codes the same way.
#pragma once

#include "afx/String.h"

// %D the days, %H %M %S the hours, minutes and seconds in two digits (a
// negative field keeps its sign unpadded), %% a percent sign; an unknown code
// gives its letter and a lone % at the end stays.
CString AfxFormatSpan(LPCTSTR format, LONGLONG days, LONG hours, LONG minutes, LONG seconds);
