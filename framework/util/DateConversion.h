// Conversion of calendar parts to the C runtime's 64-bit local time, shared by
// the file records, the date texts and the path's file times. Out-of-range
// parts and times the runtime cannot represent are raised as the framework's
// conversion error rather than returned as a bogus time.
#pragma once

#include "afx/Afx.h"

#include <time.h>

// Local time of the given parts, the daylight-saving status left to the
// runtime. Parts out of range (year below 1900, month outside 1-12, day
// outside 1-31, hour above 23, minute or second above 59) raise E_FAIL; a
// time the runtime cannot represent raises E_INVALIDARG.
__time64_t LocalTimeFromParts(int year, int month, int day, int hour, int minute, int second);

// Raises the framework's conversion error with the given status code.
[[noreturn]] void ThrowDateConversionError(HRESULT code);
