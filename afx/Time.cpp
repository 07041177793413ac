#include "afx/Time.h"
#include "afx/Exception.h"
#include "afx/SpanFormat.h"

#include <string.h>
#include <string>
#include <vector>

namespace {
// Seconds between 1601-01-01 (FILETIME) and 1970-01-01 (time_t).
const LONGLONG kFileTimeEpochSeconds = 11644473600LL;
const LONGLONG kFileTimeUnitsPerSecond = 10000000LL;

CString FormatTm(LPCTSTR format, const struct tm* fields)
{
    if (!format || !*format || !fields)
        return CString();
    // strftime returns 0 both for "buffer too small" and for an empty result,
    // so grow until the text fits or the buffer is far larger than any format
    // could need.
    std::vector<char> buffer(128);
    for (;;) {
        size_t written = strftime(buffer.data(), buffer.size(), format, fields);
        if (written > 0)
            return CString(buffer.data(), static_cast<int>(written));
        if (buffer.size() >= 64 * 1024)
            return CString();
        buffer.resize(buffer.size() * 4);
    }
}

// Span fields are negative for a negative span: "-1" stays as it is.
void AppendTwoDigits(CString& text, LONG value)
{
    if (value >= 0 && value < 10)
        text += '0';
    text += std::to_string(value).c_str();
}

CString LoadFormat(UINT formatId)
{
    CString format;
    format.LoadString(formatId);
    return format;
}
}

CString AfxFormatSpan(LPCTSTR format, LONGLONG days, LONG hours, LONG minutes, LONG seconds)
{
    CString result;
    if (!format)
        return result;
    for (LPCTSTR p = format; *p; ++p) {
        if (*p != '%' || p[1] == 0) {
            result += *p;
            continue;
        }
        switch (*++p) {
        case 'D':
            result += std::to_string(static_cast<long long>(days)).c_str();
            break;
        case 'H':
            AppendTwoDigits(result, hours);
            break;
        case 'M':
            AppendTwoDigits(result, minutes);
            break;
        case 'S':
            AppendTwoDigits(result, seconds);
            break;
        default:
            result += *p;   // "%%" gives '%'; an unknown code gives its letter
            break;
        }
    }
    return result;
}

// --- CTimeSpan -------------------------------------------------------------

CTimeSpan::CTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept : m_timeSpan(0)
{
    SetDateTimeSpan(days, hours, minutes, seconds);
}

void CTimeSpan::SetDateTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept
{
    m_timeSpan = seconds + 60 * (minutes + 60 * (hours + static_cast<__time64_t>(24) * days));
}

CString CTimeSpan::Format(LPCTSTR format) const
{
    return AfxFormatSpan(format, GetDays(), GetHours(), GetMinutes(), GetSeconds());
}

CString CTimeSpan::Format(UINT formatId) const
{
    return Format(LoadFormat(formatId));
}

// --- CTime -------------------------------------------------------------------

CTime WINAPI CTime::GetCurrentTime() noexcept
{
    return CTime(_time64(nullptr));
}

BOOL WINAPI CTime::IsValidFILETIME(const FILETIME& fileTime) noexcept
{
    if (fileTime.dwLowDateTime == 0 && fileTime.dwHighDateTime == 0)
        return FALSE;
    FILETIME local;
    SYSTEMTIME system;
    if (!FileTimeToLocalFileTime(&fileTime, &local) || !FileTimeToSystemTime(&local, &system))
        return FALSE;
    // The moment must also lie in the range the C runtime converts.
    struct tm fields = {};
    fields.tm_year = system.wYear - 1900;
    fields.tm_mon = system.wMonth - 1;
    fields.tm_mday = system.wDay;
    fields.tm_hour = system.wHour;
    fields.tm_min = system.wMinute;
    fields.tm_sec = system.wSecond;
    fields.tm_isdst = -1;
    return _mktime64(&fields) != -1;
}

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dstFlag) : m_time(0)
{
    ASSERT(month >= 1 && month <= 12 && day >= 1 && day <= 31);
    ASSERT(hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59);
    struct tm fields = {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = dstFlag;
    m_time = _mktime64(&fields);
    if (m_time == -1)
        AfxThrowInvalidArgException();
}

CTime::CTime(WORD dosDate, WORD dosTime, int dstFlag)
    : CTime((dosDate >> 9) + 1980, (dosDate >> 5) & 0xF, dosDate & 0x1F,
            dosTime >> 11, (dosTime >> 5) & 0x3F, (dosTime & 0x1F) * 2, dstFlag)
{
}

CTime::CTime(const SYSTEMTIME& systemTime, int dstFlag)
    : CTime(systemTime.wYear, systemTime.wMonth, systemTime.wDay,
            systemTime.wHour, systemTime.wMinute, systemTime.wSecond, dstFlag)
{
}

CTime::CTime(const FILETIME& fileTime, int dstFlag) : m_time(0)
{
    FILETIME local;
    SYSTEMTIME system;
    if (!FileTimeToLocalFileTime(&fileTime, &local) || !FileTimeToSystemTime(&local, &system))
        AfxThrowInvalidArgException();
    if (dstFlag == -1) {
        // Going through local fields would make the hour repeated at the end
        // of dstFlag saving ambiguous; the UTC count converts exactly.
        ULARGE_INTEGER units;
        units.LowPart = fileTime.dwLowDateTime;
        units.HighPart = fileTime.dwHighDateTime;
        m_time = static_cast<__time64_t>(units.QuadPart / kFileTimeUnitsPerSecond) - kFileTimeEpochSeconds;
        return;
    }
    *this = CTime(system, dstFlag);
}

struct tm* CTime::GetGmtTm(struct tm* tm) const
{
    if (!tm)
        return nullptr;
    struct tm* fields = _gmtime64(&m_time);
    if (!fields)
        return nullptr;
    *tm = *fields;
    return tm;
}

struct tm* CTime::GetLocalTm(struct tm* tm) const
{
    if (!tm)
        return nullptr;
    struct tm* fields = _localtime64(&m_time);
    if (!fields)
        return nullptr;
    *tm = *fields;
    return tm;
}

bool CTime::GetAsSystemTime(SYSTEMTIME& systemTime) const
{
    struct tm fields;
    if (!GetLocalTm(&fields))
        return false;
    systemTime.wYear = static_cast<WORD>(fields.tm_year + 1900);
    systemTime.wMonth = static_cast<WORD>(fields.tm_mon + 1);
    systemTime.wDayOfWeek = static_cast<WORD>(fields.tm_wday);
    systemTime.wDay = static_cast<WORD>(fields.tm_mday);
    systemTime.wHour = static_cast<WORD>(fields.tm_hour);
    systemTime.wMinute = static_cast<WORD>(fields.tm_min);
    systemTime.wSecond = static_cast<WORD>(fields.tm_sec);
    systemTime.wMilliseconds = 0;
    return true;
}

int CTime::GetYear() const
{
    struct tm fields;
    return GetLocalTm(&fields) ? fields.tm_year + 1900 : 0;
}

int CTime::GetMonth() const
{
    struct tm fields;
    return GetLocalTm(&fields) ? fields.tm_mon + 1 : 0;
}

int CTime::GetDay() const
{
    struct tm fields;
    return GetLocalTm(&fields) ? fields.tm_mday : 0;
}

int CTime::GetHour() const
{
    struct tm fields;
    return GetLocalTm(&fields) ? fields.tm_hour : -1;
}

int CTime::GetMinute() const
{
    struct tm fields;
    return GetLocalTm(&fields) ? fields.tm_min : -1;
}

int CTime::GetSecond() const
{
    struct tm fields;
    return GetLocalTm(&fields) ? fields.tm_sec : -1;
}

int CTime::GetDayOfWeek() const
{
    struct tm fields;
    return GetLocalTm(&fields) ? fields.tm_wday + 1 : 0;
}

CString CTime::Format(LPCTSTR format) const
{
    struct tm fields;
    return FormatTm(format, GetLocalTm(&fields));
}

CString CTime::FormatGmt(LPCTSTR format) const
{
    struct tm fields;
    return FormatTm(format, GetGmtTm(&fields));
}

CString CTime::Format(UINT formatId) const
{
    return Format(LoadFormat(formatId));
}

CString CTime::FormatGmt(UINT formatId) const
{
    return FormatGmt(LoadFormat(formatId));
}
