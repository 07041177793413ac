#include "afx/OleDateTime.h"
#include "afx/Exception.h"
#include "afx/SpanFormat.h"

#include <math.h>
#include <string.h>
#include <vector>

namespace {
const LONGLONG kSecondsPerDay = 24 * 60 * 60;
// 0001-01-01 .. 1899-12-30 is day 0; these bound years 100 to 9999.
const double kMinDate = -657434.0;    // 100-01-01
const double kMaxDate = 2958466.0;    // 10000-01-01, excluded
// Days from 1970-01-01 to 1899-12-30, the automation DATE's day zero.
const LONGLONG kDateZeroFromUnix = -25569;

// Days since 1970-01-01 of a proleptic Gregorian date.
LONGLONG DaysFromCivil(LONGLONG year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const LONGLONG era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<LONGLONG>(dayOfEra) - 719468;
}

void CivilFromDays(LONGLONG days, int& year, int& month, int& day)
{
    days += 719468;
    const LONGLONG era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<LONGLONG>(yearOfEra) + era * 400 + (month <= 2));
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int kDays[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The DATE as a plain number of days that grows with the calendar: before
// day zero the whole part counts back while the fraction counts forward.
double LinearFromDate(DATE date)
{
    if (date >= 0)
        return date;
    double whole = ceil(date);
    return whole + (whole - date);
}

DATE DateFromLinear(double linear)
{
    if (linear >= 0)
        return linear;
    double whole = floor(linear);
    double fraction = linear - whole;
    return whole - fraction;
}

bool IsInRange(DATE date)
{
    double linear = LinearFromDate(date);
    return linear >= kMinDate && linear < kMaxDate;
}

struct Fields
{
    int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
};

// Fields of a valid DATE, to the nearest second.
bool SplitDate(DATE date, Fields& fields)
{
    if (!IsInRange(date))
        return false;
    LONGLONG seconds = llround(LinearFromDate(date) * static_cast<double>(kSecondsPerDay));
    LONGLONG days = seconds / kSecondsPerDay;
    LONGLONG inDay = seconds % kSecondsPerDay;
    if (inDay < 0) {
        inDay += kSecondsPerDay;
        --days;
    }
    CivilFromDays(days + kDateZeroFromUnix, fields.year, fields.month, fields.day);
    fields.hour = static_cast<int>(inDay / 3600);
    fields.minute = static_cast<int>(inDay / 60 % 60);
    fields.second = static_cast<int>(inDay % 60);
    // 1899-12-30 was a Saturday (7).
    fields.dayOfWeek = static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
    fields.dayOfYear = static_cast<int>(days + kDateZeroFromUnix - DaysFromCivil(fields.year, 1, 1)) + 1;
    return true;
}

bool MakeDate(int year, int month, int day, int hour, int minute, int second, DATE& date)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)
        || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    LONGLONG days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kDateZeroFromUnix;
    double fraction = (hour * 3600 + minute * 60 + second) / static_cast<double>(kSecondsPerDay);
    date = days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
    return true;
}

CString LoadFormat(UINT formatId)
{
    CString format;
    format.LoadString(formatId);
    return format;
}

const char kInvalidText[] = "Invalid DateTime";
}

// --- COleDateTimeSpan ----------------------------------------------------------

COleDateTimeSpan::COleDateTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept
    : m_span(0), m_status(valid)
{
    SetDateTimeSpan(days, hours, minutes, seconds);
}

void COleDateTimeSpan::SetDateTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept
{
    m_span = days + (hours * 3600.0 + minutes * 60.0 + seconds) / kSecondsPerDay;
    m_status = valid;
}

namespace {
LONGLONG RoundedSeconds(double days)
{
    return llround(days * static_cast<double>(kSecondsPerDay));
}
}

LONG COleDateTimeSpan::GetDays() const noexcept
{
    return static_cast<LONG>(RoundedSeconds(m_span) / kSecondsPerDay);
}

LONG COleDateTimeSpan::GetHours() const noexcept
{
    return static_cast<LONG>(RoundedSeconds(m_span) / 3600 % 24);
}

LONG COleDateTimeSpan::GetMinutes() const noexcept
{
    return static_cast<LONG>(RoundedSeconds(m_span) / 60 % 60);
}

LONG COleDateTimeSpan::GetSeconds() const noexcept
{
    return static_cast<LONG>(RoundedSeconds(m_span) % 60);
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& span) const noexcept
{
    COleDateTimeSpan result(m_span + span.m_span);
    if (m_status != valid || span.m_status != valid)
        result.m_status = (m_status == null || span.m_status == null) ? null : invalid;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& span) const noexcept
{
    COleDateTimeSpan result(m_span - span.m_span);
    if (m_status != valid || span.m_status != valid)
        result.m_status = (m_status == null || span.m_status == null) ? null : invalid;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const noexcept
{
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& span) const noexcept
{
    return m_status == span.m_status && m_span == span.m_span;
}

CString COleDateTimeSpan::Format(LPCTSTR format) const
{
    if (m_status == null || !format)
        return CString();
    if (m_status != valid)
        return CString(kInvalidText);
    return AfxFormatSpan(format, GetDays(), GetHours(), GetMinutes(), GetSeconds());
}

CString COleDateTimeSpan::Format(UINT formatId) const
{
    return Format(LoadFormat(formatId));
}

// --- COleDateTime --------------------------------------------------------------

COleDateTime WINAPI COleDateTime::GetCurrentTime()
{
    return COleDateTime(_time64(nullptr));
}

COleDateTime::COleDateTime(DATE date) noexcept : m_dt(0), m_status(valid)
{
    *this = date;
}

COleDateTime::COleDateTime(__time64_t time) : m_dt(0), m_status(valid)
{
    *this = time;
}

COleDateTime::COleDateTime(const SYSTEMTIME& systemTime) : m_dt(0), m_status(valid)
{
    *this = systemTime;
}

COleDateTime::COleDateTime(const FILETIME& fileTime) : m_dt(0), m_status(valid)
{
    *this = fileTime;
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
    : m_dt(0), m_status(valid)
{
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime::COleDateTime(WORD dosDate, WORD dosTime) : m_dt(0), m_status(valid)
{
    SetDateTime((dosDate >> 9) + 1980, (dosDate >> 5) & 0xF, dosDate & 0x1F,
                dosTime >> 11, (dosTime >> 5) & 0x3F, (dosTime & 0x1F) * 2);
}

COleDateTime& COleDateTime::operator=(DATE date) noexcept
{
    m_dt = date;
    m_status = IsInRange(date) ? valid : invalid;
    return *this;
}

COleDateTime& COleDateTime::operator=(__time64_t time)
{
    struct tm* fields = _localtime64(&time);
    if (!fields) {
        m_dt = 0;
        m_status = invalid;
        return *this;
    }
    SetDateTime(fields->tm_year + 1900, fields->tm_mon + 1, fields->tm_mday,
                fields->tm_hour, fields->tm_min, fields->tm_sec);
    return *this;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systemTime)
{
    SetDateTime(systemTime.wYear, systemTime.wMonth, systemTime.wDay,
                systemTime.wHour, systemTime.wMinute, systemTime.wSecond);
    return *this;
}

COleDateTime& COleDateTime::operator=(const FILETIME& fileTime)
{
    FILETIME local;
    SYSTEMTIME system;
    if (!FileTimeToLocalFileTime(&fileTime, &local) || !FileTimeToSystemTime(&local, &system)) {
        m_dt = 0;
        m_status = invalid;
        return *this;
    }
    return *this = system;
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& systemTime) const
{
    Fields fields;
    if (m_status != valid || !SplitDate(m_dt, fields))
        return false;
    systemTime.wYear = static_cast<WORD>(fields.year);
    systemTime.wMonth = static_cast<WORD>(fields.month);
    systemTime.wDayOfWeek = static_cast<WORD>(fields.dayOfWeek - 1);
    systemTime.wDay = static_cast<WORD>(fields.day);
    systemTime.wHour = static_cast<WORD>(fields.hour);
    systemTime.wMinute = static_cast<WORD>(fields.minute);
    systemTime.wSecond = static_cast<WORD>(fields.second);
    systemTime.wMilliseconds = 0;
    return true;
}

#define OLE_DATE_FIELD(name, member) \
    int COleDateTime::name() const \
    { \
        Fields fields; \
        return (m_status == valid && SplitDate(m_dt, fields)) ? fields.member : -1; \
    }

OLE_DATE_FIELD(GetYear, year)
OLE_DATE_FIELD(GetMonth, month)
OLE_DATE_FIELD(GetDay, day)
OLE_DATE_FIELD(GetHour, hour)
OLE_DATE_FIELD(GetMinute, minute)
OLE_DATE_FIELD(GetSecond, second)
OLE_DATE_FIELD(GetDayOfWeek, dayOfWeek)
OLE_DATE_FIELD(GetDayOfYear, dayOfYear)

#undef OLE_DATE_FIELD

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    DATE date = 0;
    if (!MakeDate(year, month, day, hour, minute, second, date)) {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    m_dt = date;
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int year, int month, int day)
{
    return SetDateTime(year, month, day, 0, 0, 0);
}

int COleDateTime::SetTime(int hour, int minute, int second)
{
    return SetDateTime(1899, 12, 30, hour, minute, second);
}

bool COleDateTime::ParseDateTime(LPCTSTR text, DWORD flags, LCID locale)
{
    m_dt = 0;
    m_status = invalid;
    if (!text)
        return false;
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return false;
    std::vector<WCHAR> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    DATE date = 0;
    HRESULT result = VarDateFromStr(wide.data(), locale, flags, &date);
    if (result == E_OUTOFMEMORY)
        AfxThrowMemoryException();
    if (FAILED(result) || !IsInRange(date))
        return false;
    m_dt = date;
    m_status = valid;
    return true;
}

CString COleDateTime::Format(DWORD flags, LCID locale) const
{
    if (m_status == null)
        return CString();
    if (m_status != valid || !IsInRange(m_dt))
        return CString(kInvalidText);
    BSTR text = nullptr;
    HRESULT result = VarBstrFromDate(m_dt, locale, flags, &text);
    if (result == E_OUTOFMEMORY)
        AfxThrowMemoryException();
    if (FAILED(result) || !text)
        return CString(kInvalidText);
    CString formatted(static_cast<LPCWSTR>(text));
    SysFreeString(text);
    return formatted;
}

CString COleDateTime::Format(LPCTSTR format) const
{
    if (m_status == null)
        return CString();
    Fields fields;
    if (m_status != valid || !SplitDate(m_dt, fields))
        return CString(kInvalidText);
    if (!format || !*format)
        return CString();
    struct tm parts = {};
    parts.tm_year = fields.year - 1900;
    parts.tm_mon = fields.month - 1;
    parts.tm_mday = fields.day;
    parts.tm_hour = fields.hour;
    parts.tm_min = fields.minute;
    parts.tm_sec = fields.second;
    parts.tm_wday = fields.dayOfWeek - 1;
    parts.tm_yday = fields.dayOfYear - 1;
    parts.tm_isdst = -1;
    std::vector<char> buffer(256);
    for (;;) {
        size_t written = strftime(buffer.data(), buffer.size(), format, &parts);
        if (written > 0)
            return CString(buffer.data(), static_cast<int>(written));
        if (buffer.size() >= 64 * 1024)
            return CString();
        buffer.resize(buffer.size() * 4);
    }
}

CString COleDateTime::Format(UINT formatId) const
{
    return Format(static_cast<LPCTSTR>(LoadFormat(formatId)));
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    COleDateTime result;
    if (m_status == null || span.GetStatus() == COleDateTimeSpan::null) {
        result.m_status = null;
        return result;
    }
    if (m_status != valid || span.GetStatus() != COleDateTimeSpan::valid) {
        result.m_status = invalid;
        return result;
    }
    result = DateFromLinear(LinearFromDate(m_dt) + span.m_span);
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const
{
    return *this + (-span);
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan result;
    if (m_status == null || date.m_status == null) {
        result.SetStatus(COleDateTimeSpan::null);
        return result;
    }
    if (m_status != valid || date.m_status != valid) {
        result.SetStatus(COleDateTimeSpan::invalid);
        return result;
    }
    result.m_span = LinearFromDate(m_dt) - LinearFromDate(date.m_dt);
    return result;
}

bool COleDateTime::operator==(const COleDateTime& date) const
{
    if (m_status != date.m_status)
        return false;
    if (m_status != valid)
        return m_status == null || m_dt == date.m_dt;
    return LinearFromDate(m_dt) == LinearFromDate(date.m_dt);
}

bool COleDateTime::operator<(const COleDateTime& date) const
{
    ASSERT(m_status == valid && date.m_status == valid);
    return LinearFromDate(m_dt) < LinearFromDate(date.m_dt);
}
