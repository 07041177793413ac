// CTime, a moment as seconds since 1970-01-01 UTC shown in local time, and
// CTimeSpan, a signed count of seconds between two moments. Local-time
// conversions go through the C runtime so that building a moment from its
// fields and reading the fields back agree on dstFlag saving.
#pragma once

#include "afx/String.h"

#include <time.h>

// <windows.h> maps the 16-bit GetCurrentTime() onto GetTickCount; the time
// classes need the name for their own "now".
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class CTimeSpan
{
public:
    CTimeSpan() noexcept : m_timeSpan(0) {}
    CTimeSpan(__time64_t seconds) noexcept : m_timeSpan(seconds) {}
    CTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept;

    void SetDateTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept;

    LONGLONG GetDays() const noexcept { return m_timeSpan / (24 * 3600); }
    LONGLONG GetTotalHours() const noexcept { return m_timeSpan / 3600; }
    LONG GetHours() const noexcept { return static_cast<LONG>(GetTotalHours() - GetDays() * 24); }
    LONGLONG GetTotalMinutes() const noexcept { return m_timeSpan / 60; }
    LONG GetMinutes() const noexcept { return static_cast<LONG>(GetTotalMinutes() - GetTotalHours() * 60); }
    LONGLONG GetTotalSeconds() const noexcept { return m_timeSpan; }
    LONG GetSeconds() const noexcept { return static_cast<LONG>(GetTotalSeconds() - GetTotalMinutes() * 60); }
    __time64_t GetTimeSpan() const noexcept { return m_timeSpan; }

    CTimeSpan operator+(CTimeSpan span) const noexcept { return CTimeSpan(m_timeSpan + span.m_timeSpan); }
    CTimeSpan operator-(CTimeSpan span) const noexcept { return CTimeSpan(m_timeSpan - span.m_timeSpan); }
    CTimeSpan& operator+=(CTimeSpan span) noexcept { m_timeSpan += span.m_timeSpan; return *this; }
    CTimeSpan& operator-=(CTimeSpan span) noexcept { m_timeSpan -= span.m_timeSpan; return *this; }
    bool operator==(CTimeSpan span) const noexcept { return m_timeSpan == span.m_timeSpan; }
    bool operator!=(CTimeSpan span) const noexcept { return m_timeSpan != span.m_timeSpan; }
    bool operator<(CTimeSpan span) const noexcept { return m_timeSpan < span.m_timeSpan; }
    bool operator>(CTimeSpan span) const noexcept { return m_timeSpan > span.m_timeSpan; }
    bool operator<=(CTimeSpan span) const noexcept { return m_timeSpan <= span.m_timeSpan; }
    bool operator>=(CTimeSpan span) const noexcept { return m_timeSpan >= span.m_timeSpan; }

    // %D days, %H hours (0-23), %M minutes, %S seconds, %% a percent sign;
    // any other character is copied.
    CString Format(LPCTSTR format) const;
    CString Format(UINT formatId) const;

private:
    __time64_t m_timeSpan;
};

class CTime
{
public:
    static CTime WINAPI GetCurrentTime() noexcept;
    // FALSE for a zero time or one the conversions cannot represent.
    static BOOL WINAPI IsValidFILETIME(const FILETIME& fileTime) noexcept;

    CTime() noexcept : m_time(0) {}
    CTime(__time64_t time) noexcept : m_time(time) {}
    // Local time; fields out of range roll over (month 13 is January of the
    // next year). A moment the C runtime cannot represent throws
    // CInvalidArgException. dstFlag: 1 daylight saving in effect, 0 not, -1 decide.
    CTime(int year, int month, int day, int hour, int minute, int second, int dstFlag = -1);
    CTime(WORD dosDate, WORD dosTime, int dstFlag = -1);
    CTime(const SYSTEMTIME& systemTime, int dstFlag = -1);
    // The file time is UTC; it is shown in local time.
    CTime(const FILETIME& fileTime, int dstFlag = -1);

    CTime& operator=(__time64_t time) noexcept { m_time = time; return *this; }
    CTime& operator+=(CTimeSpan span) noexcept { m_time += span.GetTimeSpan(); return *this; }
    CTime& operator-=(CTimeSpan span) noexcept { m_time -= span.GetTimeSpan(); return *this; }
    CTimeSpan operator-(CTime time) const noexcept { return CTimeSpan(m_time - time.m_time); }
    CTime operator-(CTimeSpan span) const noexcept { return CTime(m_time - span.GetTimeSpan()); }
    CTime operator+(CTimeSpan span) const noexcept { return CTime(m_time + span.GetTimeSpan()); }

    bool operator==(CTime time) const noexcept { return m_time == time.m_time; }
    bool operator!=(CTime time) const noexcept { return m_time != time.m_time; }
    bool operator<(CTime time) const noexcept { return m_time < time.m_time; }
    bool operator>(CTime time) const noexcept { return m_time > time.m_time; }
    bool operator<=(CTime time) const noexcept { return m_time <= time.m_time; }
    bool operator>=(CTime time) const noexcept { return m_time >= time.m_time; }

    // Fill *tm and return it; nullptr when the time cannot be converted.
    struct tm* GetGmtTm(struct tm* tm) const;
    struct tm* GetLocalTm(struct tm* tm) const;
    // Local time into a SYSTEMTIME; false when the time cannot be converted.
    bool GetAsSystemTime(SYSTEMTIME& systemTime) const;

    __time64_t GetTime() const noexcept { return m_time; }

    // Local-time fields; GetDayOfWeek counts 1 Sunday .. 7 Saturday.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;

    // strftime codes on local (Format) or UTC (FormatGmt) fields.
    CString Format(LPCTSTR format) const;
    CString FormatGmt(LPCTSTR format) const;
    CString Format(UINT formatId) const;
    CString FormatGmt(UINT formatId) const;

private:
    __time64_t m_time;
};
