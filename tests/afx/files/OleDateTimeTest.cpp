#include "afx/OleDateTime.h"

#include <gtest/gtest.h>

TEST(COleDateTime, SetDateTimeValidatesEveryField)
{
    COleDateTime date;
    EXPECT_EQ(0, date.SetDate(2024, 2, 29));
    EXPECT_EQ(COleDateTime::valid, date.GetStatus());
    EXPECT_EQ(1, date.SetDate(2023, 2, 29));
    EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
    EXPECT_EQ(-1, date.GetYear());
    EXPECT_EQ(-1, date.GetDayOfWeek());
    EXPECT_EQ(CString("Invalid DateTime"), date.Format("%Y"));
    EXPECT_EQ(1, date.SetDate(1900, 2, 29));   // not a leap year
    EXPECT_EQ(0, date.SetDate(2000, 2, 29));   // a leap year
    EXPECT_EQ(1, date.SetDate(2024, 13, 1));
    EXPECT_EQ(1, date.SetDate(2024, 4, 31));
    EXPECT_EQ(1, date.SetDate(99, 12, 31));
    EXPECT_EQ(1, date.SetDate(10000, 1, 1));
    EXPECT_EQ(1, date.SetDateTime(2024, 1, 1, 24, 0, 0));
    EXPECT_EQ(1, date.SetDateTime(2024, 1, 1, 0, 60, 0));
    EXPECT_EQ(0, date.SetDate(100, 1, 1));
    EXPECT_EQ(0, date.SetDateTime(9999, 12, 31, 23, 59, 59));

    EXPECT_EQ(COleDateTime::invalid, COleDateTime(3e6).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(2024, 2, 30, 0, 0, 0).GetStatus());
}

TEST(COleDateTime, FieldsOfKnownDates)
{
    COleDateTime date(2024, 3, 5, 10, 20, 30);
    EXPECT_EQ(2024, date.GetYear());
    EXPECT_EQ(3, date.GetMonth());
    EXPECT_EQ(5, date.GetDay());
    EXPECT_EQ(10, date.GetHour());
    EXPECT_EQ(20, date.GetMinute());
    EXPECT_EQ(30, date.GetSecond());
    EXPECT_EQ(3, date.GetDayOfWeek());   // Tuesday
    EXPECT_EQ(65, date.GetDayOfYear());
    EXPECT_EQ(366, COleDateTime(2024, 12, 31, 0, 0, 0).GetDayOfYear());
    EXPECT_EQ(1, COleDateTime(2023, 1, 1, 0, 0, 0).GetDayOfYear());

    EXPECT_DOUBLE_EQ(0.0, COleDateTime(1899, 12, 30, 0, 0, 0).m_dt);
    EXPECT_DOUBLE_EQ(2.0, COleDateTime(1900, 1, 1, 0, 0, 0).m_dt);
    EXPECT_EQ(7, COleDateTime(1899, 12, 30, 0, 0, 0).GetDayOfWeek());   // Saturday
    // Before day zero the fraction still counts forward: -1.25 is 1899-12-29 06:00.
    EXPECT_DOUBLE_EQ(-1.25, COleDateTime(1899, 12, 29, 6, 0, 0).m_dt);
    COleDateTime early(-1.25);
    EXPECT_EQ(29, early.GetDay());
    EXPECT_EQ(6, early.GetHour());

    // A value a hair below midnight rounds to the next second, and day.
    COleDateTime almost(45356.0 - 1e-9);
    EXPECT_EQ(0, almost.GetHour());
    EXPECT_EQ(45356.0, COleDateTime(almost.GetYear(), almost.GetMonth(), almost.GetDay(), 0, 0, 0).m_dt);

    COleDateTime timeOnly;
    EXPECT_EQ(0, timeOnly.SetTime(18, 0, 0));
    EXPECT_DOUBLE_EQ(0.75, timeOnly.m_dt);

    SYSTEMTIME system = {};
    ASSERT_TRUE(date.GetAsSystemTime(system));
    EXPECT_EQ(2, system.wDayOfWeek);
    EXPECT_EQ(30, system.wSecond);
    EXPECT_EQ(date, COleDateTime(system));
}

TEST(COleDateTime, ArithmeticAcrossMonthAndYearEnds)
{
    COleDateTime eve(2023, 12, 31, 23, 0, 0);
    COleDateTime later = eve + COleDateTimeSpan(0, 2, 0, 0);
    EXPECT_EQ(CString("2024-01-01 01:00:00"), later.Format("%Y-%m-%d %H:%M:%S"));
    EXPECT_EQ(2, (later - eve).GetHours());
    EXPECT_NEAR(2.0 / 24, (later - eve).GetTotalDays(), 1e-9);

    COleDateTime date(2024, 1, 31, 0, 0, 0);
    date += COleDateTimeSpan(29, 0, 0, 0);
    EXPECT_EQ(CString("2024-02-29"), date.Format("%Y-%m-%d"));
    date -= COleDateTimeSpan(366, 0, 0, 0);
    EXPECT_EQ(CString("2023-02-28"), date.Format("%Y-%m-%d"));

    // Across day zero, where the stored number runs backwards.
    COleDateTime before(1899, 12, 29, 18, 0, 0);
    COleDateTime after = before + COleDateTimeSpan(0, 12, 0, 0);
    EXPECT_EQ(CString("1899-12-30 06:00"), after.Format("%Y-%m-%d %H:%M"));
    EXPECT_LT(before, after);
    EXPECT_LT(COleDateTime(1899, 12, 29, 6, 0, 0), COleDateTime(1899, 12, 29, 18, 0, 0));
    EXPECT_DOUBLE_EQ(0.5, (after - before).GetTotalDays());

    // Leaving the calendar's range, or starting from an invalid date, is invalid.
    COleDateTime last(9999, 12, 31, 0, 0, 0);
    EXPECT_EQ(COleDateTime::invalid, (last + COleDateTimeSpan(1, 0, 0, 0)).GetStatus());
    COleDateTime bad;
    bad.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(COleDateTime::invalid, (bad + COleDateTimeSpan(1.0)).GetStatus());
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    EXPECT_EQ(COleDateTime::null, (none + COleDateTimeSpan(1.0)).GetStatus());
    EXPECT_EQ(CString(""), none.Format());
    EXPECT_EQ(CString(""), none.Format("%Y"));
}

TEST(COleDateTime, FormatsWithCodesAndTheLocale)
{
    COleDateTime date(2024, 3, 5, 10, 20, 30);
    EXPECT_EQ(CString("05.03.2024"), date.Format("%d.%m.%Y"));
    EXPECT_EQ(CString("24/03/05 10%"), date.Format("%y/%m/%d %H%%"));
    EXPECT_EQ(CString("1500-06-15"), COleDateTime(1500, 6, 15, 0, 0, 0).Format("%Y-%m-%d"));

    // The locale's own form: date and time; date alone at midnight.
    CString both = date.Format();
    EXPECT_NE(-1, both.Find("2024")) << (LPCTSTR)both;
    EXPECT_NE(-1, both.Find("10:20:30")) << (LPCTSTR)both;
    CString dateOnly = COleDateTime(2024, 3, 5, 0, 0, 0).Format();
    EXPECT_NE(-1, dateOnly.Find("2024")) << (LPCTSTR)dateOnly;
    EXPECT_EQ(-1, dateOnly.Find(':')) << (LPCTSTR)dateOnly;
}

TEST(COleDateTime, ParseDateTime)
{
    COleDateTime date;
    ASSERT_TRUE(date.ParseDateTime("2024-03-05 10:20:30"));
    EXPECT_EQ(COleDateTime::valid, date.GetStatus());
    EXPECT_EQ(COleDateTime(2024, 3, 5, 10, 20, 30), date);

    // What Format writes for the locale reads back.
    COleDateTime original(2023, 11, 7, 0, 0, 0);
    ASSERT_TRUE(date.ParseDateTime(original.Format()));
    EXPECT_EQ(original, date);

    EXPECT_FALSE(date.ParseDateTime("not a date"));
    EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
    EXPECT_FALSE(date.ParseDateTime(nullptr));
}

TEST(COleDateTimeSpan, FieldsAndFormat)
{
    COleDateTimeSpan span(2, 3, 4, 5);
    EXPECT_EQ(2, span.GetDays());
    EXPECT_EQ(3, span.GetHours());
    EXPECT_EQ(4, span.GetMinutes());
    EXPECT_EQ(5, span.GetSeconds());
    EXPECT_EQ(CString("2 03:04:05"), span.Format("%D %H:%M:%S"));
    EXPECT_NEAR((2 * 24 + 3) * 60 + 4 + 5 / 60.0, span.GetTotalMinutes(), 1e-6);
    COleDateTimeSpan negative = -span;
    EXPECT_EQ(-2, negative.GetDays());
    EXPECT_EQ(-3, negative.GetHours());
    EXPECT_LT(negative, span);
}
