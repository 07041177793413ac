#include "framework/util/DateConversion.h"

#include "afx/OleException.h"

__time64_t LocalTimeFromParts(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        ThrowDateConversionError(E_FAIL);
    struct tm parts = {};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    const __time64_t result = _mktime64(&parts);
    if (result == -1)
        ThrowDateConversionError(E_INVALIDARG);
    return result;
}

void ThrowDateConversionError(HRESULT code)
{
    AfxThrowOleException(code);
}
