// COleDateTime: a calendar date and time held as an automation DATE (days
// since 1899-12-30, the fraction being the time of day; before that day the
// whole part counts back and the fraction still counts forward), with a
// status for "no date" and "not a date". Years 100 to 9999 are valid.
// COleDateTimeSpan is a signed number of days between two such moments.
#pragma once

#include "afx/String.h"

#include <time.h>

// <windows.h> maps the 16-bit GetCurrentTime() onto GetTickCount; the time
// classes need the name for their own "now".
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class COleDateTimeSpan
{
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() noexcept : m_span(0), m_status(valid) {}
    COleDateTimeSpan(double days) noexcept : m_span(days), m_status(valid) {}
    COleDateTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept;

    void SetDateTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept;
    void SetStatus(DateTimeSpanStatus status) noexcept { m_status = status; }
    DateTimeSpanStatus GetStatus() const noexcept { return m_status; }

    double GetTotalDays() const noexcept { return m_span; }
    double GetTotalHours() const noexcept { return m_span * 24; }
    double GetTotalMinutes() const noexcept { return m_span * 24 * 60; }
    double GetTotalSeconds() const noexcept { return m_span * 24 * 60 * 60; }
    // Whole days, then the hour, minute and second within the last day, all
    // of the span's sign; to the nearest second.
    LONG GetDays() const noexcept;
    LONG GetHours() const noexcept;
    LONG GetMinutes() const noexcept;
    LONG GetSeconds() const noexcept;

    operator double() const noexcept { return m_span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& span) const noexcept;
    COleDateTimeSpan operator-(const COleDateTimeSpan& span) const noexcept;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& span) noexcept { return *this = *this + span; }
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& span) noexcept { return *this = *this - span; }
    COleDateTimeSpan operator-() const noexcept;

    bool operator==(const COleDateTimeSpan& span) const noexcept;
    bool operator!=(const COleDateTimeSpan& span) const noexcept { return !(*this == span); }
    bool operator<(const COleDateTimeSpan& span) const noexcept { return m_span < span.m_span; }
    bool operator>(const COleDateTimeSpan& span) const noexcept { return m_span > span.m_span; }
    bool operator<=(const COleDateTimeSpan& span) const noexcept { return m_span <= span.m_span; }
    bool operator>=(const COleDateTimeSpan& span) const noexcept { return m_span >= span.m_span; }

    // %D days, %H hours, %M minutes, %S seconds, %% a percent sign.
    CString Format(LPCTSTR format) const;
    CString Format(UINT formatId) const;

    double m_span;
    DateTimeSpanStatus m_status;
};

class COleDateTime
{
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    static COleDateTime WINAPI GetCurrentTime();

    COleDateTime() noexcept : m_dt(0), m_status(valid) {}
    COleDateTime(DATE date) noexcept;
    // A time_t moment in local time.
    COleDateTime(__time64_t time);
    COleDateTime(const SYSTEMTIME& systemTime);
    // A UTC file time, shown in local time.
    COleDateTime(const FILETIME& fileTime);
    COleDateTime(int year, int month, int day, int hour, int minute, int second);
    COleDateTime(WORD dosDate, WORD dosTime);

    COleDateTime& operator=(DATE date) noexcept;
    COleDateTime& operator=(__time64_t time);
    COleDateTime& operator=(const SYSTEMTIME& systemTime);
    COleDateTime& operator=(const FILETIME& fileTime);

    DateTimeStatus GetStatus() const noexcept { return m_status; }
    void SetStatus(DateTimeStatus status) noexcept { m_status = status; }
    operator DATE() const noexcept { return m_dt; }

    bool GetAsSystemTime(SYSTEMTIME& systemTime) const;

    // Fields; -1 when the date is not valid. GetDayOfWeek counts 1 Sunday
    // .. 7 Saturday, GetDayOfYear 1 for January 1st.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;
    int GetDayOfYear() const;

    // Each returns 0 and makes the date valid, or 1 and makes it invalid
    // when a field is out of range. SetDate gives midnight; SetTime gives
    // the time on day zero (1899-12-30).
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day);
    int SetTime(int hour, int minute, int second);

    // Reads a date and/or time written the way the locale writes them.
    // false (and status invalid) when the text is not a date.
    bool ParseDateTime(LPCTSTR text, DWORD flags = 0, LCID locale = LANG_USER_DEFAULT);

    // The locale's form (the date part only when not day zero, the time part
    // only when not midnight); "" for a null date, "Invalid DateTime" for an
    // invalid one.
    CString Format(DWORD flags = 0, LCID locale = LANG_USER_DEFAULT) const;
    // strftime codes.
    CString Format(LPCTSTR format) const;
    CString Format(UINT formatId) const;

    // Sums and differences; an invalid operand gives an invalid result, and
    // so does a result outside years 100 to 9999.
    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
    COleDateTime& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    // Comparisons follow the calendar, also for dates before 1899-12-30.
    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const { return !(*this == date); }
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const { return date < *this; }
    bool operator<=(const COleDateTime& date) const { return !(date < *this); }
    bool operator>=(const COleDateTime& date) const { return !(*this < date); }

    DATE m_dt;
    DateTimeStatus m_status;
};
