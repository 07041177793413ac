// The main view's in-memory keyword history for its Back button: the
// keywords requested so far, oldest first, at most kKeywordHistoryLimit.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/String.h"

inline constexpr int kKeywordHistoryLimit = 100;

// Appends a requested keyword, dropping the oldest entries beyond the limit.
void AppendKeywordHistory(CStringArray& history, const CString& keyword);

// One step back from the keyword now shown: the last entries equal to it
// are dropped; the entry left at the end (which stays) is the keyword to
// show. FALSE, with previous untouched, when nothing is left.
BOOL StepBackInHistory(CStringArray& history, const CString& current, CString& previous);
