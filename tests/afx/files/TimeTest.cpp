#include "afx/Time.h"
#include "afx/Exception.h"

#include "tests/support/LibraryException.h"

#include <gtest/gtest.h>

TEST(CTime, FieldsRoundTripThroughLocalTime)
{
    CTime time(2024, 3, 5, 10, 20, 30);
    EXPECT_EQ(2024, time.GetYear());
    EXPECT_EQ(3, time.GetMonth());
    EXPECT_EQ(5, time.GetDay());
    EXPECT_EQ(10, time.GetHour());
    EXPECT_EQ(20, time.GetMinute());
    EXPECT_EQ(30, time.GetSecond());
    EXPECT_EQ(3, time.GetDayOfWeek());   // Tuesday (1 is Sunday)
    EXPECT_EQ(CString("2024-03-05 10:20:30"), time.Format("%Y-%m-%d %H:%M:%S"));
    EXPECT_EQ(CString("05.03.24 %"), time.Format("%d.%m.%y %%"));

    SYSTEMTIME system = {};
    ASSERT_TRUE(time.GetAsSystemTime(system));
    EXPECT_EQ(2024, system.wYear);
    EXPECT_EQ(2, system.wDayOfWeek);
    EXPECT_EQ(20, system.wMinute);
    EXPECT_EQ(time, CTime(system));

    // DOS date 2024-03-05, time 10:20:30.
    WORD dosDate = static_cast<WORD>(((2024 - 1980) << 9) | (3 << 5) | 5);
    WORD dosTime = static_cast<WORD>((10 << 11) | (20 << 5) | 15);
    EXPECT_EQ(time, CTime(dosDate, dosTime));
}

TEST(CTime, FileTimesAreUtc)
{
    // 2001-09-09 01:46:40 UTC is time_t 1000000000.
    ULARGE_INTEGER units;
    units.QuadPart = (1000000000ULL + 11644473600ULL) * 10000000ULL;
    FILETIME fileTime = { units.LowPart, units.HighPart };
    EXPECT_EQ(1000000000, CTime(fileTime).GetTime());
    EXPECT_EQ(CString("2001-09-09 01:46:40"), CTime(fileTime).FormatGmt("%Y-%m-%d %H:%M:%S"));
    FILETIME zero = {};
    EXPECT_FALSE(CTime::IsValidFILETIME(zero));
    EXPECT_TRUE(CTime::IsValidFILETIME(fileTime));
}

TEST(CTime, ArithmeticAcrossMonthAndYearEnds)
{
    CTime newYearsEve(2023, 12, 31, 23, 0, 0);
    CTime later = newYearsEve + CTimeSpan(0, 2, 0, 0);
    EXPECT_EQ(CString("2024-01-01 01:00"), later.Format("%Y-%m-%d %H:%M"));
    EXPECT_EQ(CTimeSpan(0, 2, 0, 0), later - newYearsEve);

    CTime leap(2024, 2, 28, 12, 0, 0);
    leap += CTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(29, leap.GetDay());
    leap += CTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(3, leap.GetMonth());
    EXPECT_EQ(1, leap.GetDay());
    leap -= CTimeSpan(366, 0, 0, 0);
    EXPECT_EQ(CString("2023-03-01"), leap.Format("%Y-%m-%d"));

    EXPECT_LT(newYearsEve, later);
    EXPECT_GE(later, newYearsEve);
    EXPECT_NE(later, newYearsEve);

    // Fields out of range roll over, as the C runtime does.
    EXPECT_EQ(CTime(2025, 1, 1, 0, 0, 0), CTime(2024, 13, 1, 0, 0, 0));
}

TEST(CTime, UnrepresentableMomentThrows)
{
    EXPECT_TRUE(ThrowsLibraryException<CInvalidArgException>([] { CTime(1969, 1, 1, 0, 0, 0); }));
    try {
        CTime bad(1900, 1, 1, 0, 0, 0);
    } catch (CException* e) {
        e->Delete();
    }
}

TEST(CTimeSpan, FieldsAndFormat)
{
    CTimeSpan span(3, 4, 5, 6);
    EXPECT_EQ(3, span.GetDays());
    EXPECT_EQ(4, span.GetHours());
    EXPECT_EQ(5, span.GetMinutes());
    EXPECT_EQ(6, span.GetSeconds());
    EXPECT_EQ(3 * 24 + 4, span.GetTotalHours());
    EXPECT_EQ(((3 * 24 + 4) * 60 + 5) * 60 + 6, span.GetTotalSeconds());
    EXPECT_EQ(CString("3 days 04:05:06 100%"), span.Format("%D days %H:%M:%S 100%%"));

    CTimeSpan sum = span + CTimeSpan(0, 20, 55, 54);
    EXPECT_EQ(CString("4 01:01:00"), sum.Format("%D %H:%M:%S"));
    CTimeSpan negative = CTimeSpan(0, 0, 0, 0) - CTimeSpan(1, 2, 0, 0);
    EXPECT_EQ(-1, negative.GetDays());
    EXPECT_EQ(-2, negative.GetHours());
    EXPECT_LT(negative, span);
}
