// Where the calendars get their day and month names, the first day of the
// week, the locale that dates are read and written in, and today's date. The
// system supplies them; a program (or a test) may put its own in place.
#pragma once

#include "afx/OleDateTime.h"
#include "afx/String.h"

struct COXCalendarLocaleData
{
    LCID lcidDates;           // dates are parsed and formatted with it
    int nFirstDayOfWeek;      // 0 Monday ... 6 Sunday
    CString sDayNames[7];     // abbreviated, Monday first
    CString sMonthNames[12];  // January first
};

class COXCalendarLocale
{
public:
    // The data in use: the system's unless replaced.
    static const COXCalendarLocaleData& Get();
    // Reads the system's names again (after a settings change).
    static void Reload();
    // Replaces the data (nullptr: the system's again).
    static void Replace(const COXCalendarLocaleData* pData);

    // Today without the time of day, from the clock unless replaced.
    static COleDateTime Today();
    static void ReplaceClock(COleDateTime (*pfnToday)());
};
