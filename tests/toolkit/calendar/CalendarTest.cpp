// The calendar control and its month grid, with the names, the date form and
// today's date put in by the test: reading the edit, holding dates in range,
// the first weekday, the grid's first day, the month steps and the ways the
// grid's loop ends.
#include "toolkit/foundation/OXCalendar.h"
#include "toolkit/foundation/OXCalendarLocale.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
COleDateTime Date(int y, int m, int d)
{
    return COleDateTime(y, m, d, 0, 0, 0);
}

COleDateTime FixedToday()
{
    return Date(2024, 3, 20);
}

COXCalendarLocaleData TestLocale()
{
    COXCalendarLocaleData data;
    data.lcidDates = MAKELCID(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), SORT_DEFAULT);  // dd.MM.yyyy
    data.nFirstDayOfWeek = 0;
    const char* days[] = { "Mo", "Tu", "We", "Th", "Fr", "Sa", "Su" };
    const char* months[] = { "January", "February", "March", "April", "May", "June", "July",
                             "August", "September", "October", "November", "December" };
    for (int i = 0; i < 7; ++i)
        data.sDayNames[i] = days[i];
    for (int i = 0; i < 12; ++i)
        data.sMonthNames[i] = months[i];
    return data;
}

class Parent : public CTestFrame
{
public:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == EN_SETFOCUS || HIWORD(wParam) == EN_KILLFOCUS)
            notices.push_back(wParam);
        return CTestFrame::OnCommand(wParam, lParam);
    }
    std::vector<WPARAM> notices;
};

void CALLBACK DropCapture(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    ::ReleaseCapture();
}

class CalendarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        locale = TestLocale();
        COXCalendarLocale::Replace(&locale);
        COXCalendarLocale::ReplaceClock(FixedToday);
        ASSERT_TRUE(frame.CreateFrame(CRect(100, 100, 500, 300)));
        ASSERT_TRUE(calendar.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 34), &frame, 55));
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd())
            frame.DestroyWindow();
        COXCalendarLocale::Replace(nullptr);
        COXCalendarLocale::ReplaceClock(nullptr);
    }
    CString EditText()
    {
        CString text;
        calendar.GetEdit().GetWindowText(text);
        return text;
    }
    // Posts a click at a point of the popup's client area.
    void PostClick(CPoint point)
    {
        const HWND popup = calendar.GetPopup().GetSafeHwnd();
        ::PostMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        ::PostMessageA(popup, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    CPoint ButtonCenter(CButton& button)
    {
        CRect rect;
        button.GetWindowRect(&rect);
        calendar.GetPopup().ScreenToClient(&rect);
        return rect.CenterPoint();
    }
    BOOL PickCancelled(COleDateTime& date)
    {
        ::PostMessageA(calendar.GetPopup().GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
        return calendar.GetPopup().Pick(date, CRect(100, 100, 300, 120), minDate, maxDate);
    }
    COXCalendarLocaleData locale;
    Parent frame;
    COXCalendar calendar;
    COleDateTime minDate = Date(100, 1, 1);
    COleDateTime maxDate = Date(9999, 12, 31);
};
} // namespace

TEST_F(CalendarTest, EditTextParsesFromTheFirstDigit)
{
    COleDateTime::DateTimeStatus status;
    calendar.GetEdit().SetWindowText("Tu 12.03.2024");
    COleDateTime date = calendar.GetDateFromEdit(status);
    EXPECT_EQ(COleDateTime::valid, status);
    EXPECT_EQ(Date(2024, 3, 12), date);

    calendar.GetEdit().SetWindowText("tomorrow");
    date = calendar.GetDateFromEdit(status);
    EXPECT_EQ(COleDateTime::invalid, status);
    EXPECT_EQ(COleDateTime::null, date.GetStatus());
    calendar.GetEdit().SetWindowText("");
    date = calendar.GetDateFromEdit(status);
    EXPECT_EQ(COleDateTime::null, status);
    EXPECT_EQ(COleDateTime::null, date.GetStatus());

    // Shown again with the day's name, or the none caption.
    calendar.OnEditKillFocus();
    EXPECT_STREQ("None", EditText());
    ASSERT_TRUE(calendar.SetDate(Date(2024, 3, 12)));
    EXPECT_STREQ("Tu 12.03.2024", EditText());
    calendar.SetFormat("%Y-%m-%d");
    ASSERT_TRUE(calendar.SetDate(Date(2024, 3, 13)));
    EXPECT_STREQ("2024-03-13", EditText());
}

TEST_F(CalendarTest, DatesAreHeldInTheRange)
{
    EXPECT_FALSE(calendar.SetDateRange(Date(2024, 12, 31), Date(2024, 1, 1)));
    COleDateTime bad;
    bad.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(calendar.SetDateRange(bad, Date(2024, 1, 1)));
    ASSERT_TRUE(calendar.SetDateRange(Date(2024, 1, 1), Date(2024, 12, 31)));
    EXPECT_FALSE(calendar.SetDate(Date(2025, 1, 1)));
    EXPECT_FALSE(calendar.SetDate(bad));

    calendar.GetEdit().SetWindowText("15.06.2030");
    calendar.OnEditKillFocus();
    EXPECT_EQ(Date(2024, 12, 31), calendar.GetDate());
    EXPECT_STREQ("Tu 31.12.2024", EditText());
    calendar.GetEdit().SetWindowText("Mo 01.01.1990");
    calendar.OnEditKillFocus();
    EXPECT_EQ(Date(2024, 1, 1), calendar.GetDate());
}

TEST_F(CalendarTest, FirstDayOfWeekCountsFromSunday)
{
    EXPECT_EQ(1, calendar.GetFirstDayOfWeek());  // the locale's Monday
    ASSERT_TRUE(calendar.SetFirstDayOfWeek(0));
    EXPECT_EQ(0, calendar.GetFirstDayOfWeek());
    EXPECT_EQ(6, calendar.GetPopup().GetFirstDayOfWeek());
    EXPECT_FALSE(calendar.SetFirstDayOfWeek(-1));
    EXPECT_FALSE(calendar.SetFirstDayOfWeek(7));
    EXPECT_EQ(0, calendar.GetFirstDayOfWeek());
}

TEST_F(CalendarTest, FocusShowsTheButtonAndTellsTheParent)
{
    calendar.GetEdit().SetFocus();
    EXPECT_TRUE(calendar.IsButtonShown());
    CRect edit;
    calendar.GetEdit().GetWindowRect(&edit);
    EXPECT_EQ(200 - ::GetSystemMetrics(SM_CXVSCROLL), edit.Width());
    frame.SetFocus();
    EXPECT_FALSE(calendar.IsButtonShown());
    ASSERT_EQ(2u, frame.notices.size());
    EXPECT_EQ(MAKEWPARAM(55, EN_SETFOCUS), frame.notices[0]);
    EXPECT_EQ(MAKEWPARAM(55, EN_KILLFOCUS), frame.notices[1]);
}

TEST_F(CalendarTest, GridStartsAWholeWeekEarlierWhenTheMonthFillsTheFirstColumn)
{
    COXCalendarPopup& popup = calendar.GetPopup();
    // April 2024 begins on a Monday.
    EXPECT_EQ(Date(2024, 3, 25), popup.GetFirstGridDate(Date(2024, 4, 15)));
    EXPECT_EQ(Date(2024, 2, 26), popup.GetFirstGridDate(Date(2024, 3, 1)));  // a Friday
    calendar.SetFirstDayOfWeek(0);
    // September 2024 begins on a Sunday.
    EXPECT_EQ(Date(2024, 8, 25), popup.GetFirstGridDate(Date(2024, 9, 1)));
}

TEST_F(CalendarTest, PickEndsByDayNoneTodayEscapeRightClickAndLostCapture)
{
    COXCalendarPopup& popup = calendar.GetPopup();
    COleDateTime date = Date(2024, 4, 10);
    EXPECT_FALSE(PickCancelled(date));
    EXPECT_EQ(Date(2024, 4, 10), date);
    EXPECT_FALSE(popup.IsWindowVisible());
    EXPECT_STREQ("April 2024", popup.GetTitle());

    PostClick(popup.GetCellRect(10).CenterPoint());
    EXPECT_TRUE(popup.Pick(date, CRect(100, 100, 300, 120), minDate, maxDate));
    EXPECT_EQ(Date(2024, 4, 4), date);

    ::PostMessageA(popup.GetSafeHwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(popup.Pick(date, CRect(100, 100, 300, 120), minDate, maxDate));
    EXPECT_EQ(Date(2024, 4, 4), date);

    ::SetTimer(nullptr, 0, 30, DropCapture);
    EXPECT_FALSE(popup.Pick(date, CRect(100, 100, 300, 120), minDate, maxDate));

    PostClick(ButtonCenter(popup.GetTodayButton()));
    EXPECT_TRUE(popup.Pick(date, CRect(100, 100, 300, 120), minDate, maxDate));
    EXPECT_EQ(FixedToday(), date);

    PostClick(ButtonCenter(popup.GetNoneButton()));
    EXPECT_TRUE(popup.Pick(date, CRect(100, 100, 300, 120), minDate, maxDate));
    EXPECT_EQ(COleDateTime::null, date.GetStatus());

    // A click outside the popup cancels.
    ::PostMessageA(popup.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-30, -30));
    date = Date(2024, 5, 5);
    EXPECT_FALSE(popup.Pick(date, CRect(100, 100, 300, 120), minDate, maxDate));
    EXPECT_EQ(Date(2024, 5, 5), date);
}

TEST_F(CalendarTest, RangeLimitsStepsSelectionAndToday)
{
    COXCalendarPopup& popup = calendar.GetPopup();
    minDate = Date(2024, 6, 1);
    maxDate = Date(2024, 12, 31);
    COleDateTime date = Date(2024, 12, 15);
    PickCancelled(date);
    EXPECT_FALSE(popup.GetTodayButton().IsWindowEnabled());  // 20.03.2024 lies before the range
    // January's grid still begins in December; February's does not.
    EXPECT_TRUE(popup.StepMonth(TRUE));
    EXPECT_EQ(1, popup.GetDisplayDate().GetMonth());
    EXPECT_EQ(Date(2024, 12, 31), popup.GetSelectedDate());
    EXPECT_FALSE(popup.StepMonth(TRUE));
    EXPECT_EQ(1, popup.GetDisplayDate().GetMonth());

    // A start outside the range is moved into it.
    date = Date(2024, 2, 1);
    PickCancelled(date);
    EXPECT_EQ(Date(2024, 6, 1), popup.GetSelectedDate());
    // May's grid reaches into June; April's ends on 5 May.
    EXPECT_TRUE(popup.StepMonth(FALSE));
    EXPECT_EQ(Date(2024, 6, 1), popup.GetSelectedDate());
    EXPECT_FALSE(popup.StepMonth(FALSE));
    EXPECT_EQ(5, popup.GetDisplayDate().GetMonth());
    minDate = Date(100, 1, 1);
    maxDate = Date(9999, 12, 31);
    PickCancelled(date);
    EXPECT_TRUE(popup.GetTodayButton().IsWindowEnabled());
    // The minimum after the maximum: refused at once.
    EXPECT_FALSE(popup.Pick(date, CRect(100, 100, 300, 120), Date(2024, 2, 1), Date(2024, 1, 1)));
}

TEST_F(CalendarTest, HeldArrowStepsOnceThenEvery200ms)
{
    COXCalendarPopup& popup = calendar.GetPopup();
    COleDateTime date = Date(2024, 1, 10);
    PickCancelled(date);
    const CPoint arrow = popup.GetNextRect().CenterPoint();
    popup.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(arrow.x, arrow.y));
    EXPECT_EQ(2, popup.GetDisplayDate().GetMonth());
    PumpFor(100);
    EXPECT_EQ(2, popup.GetDisplayDate().GetMonth());
    EXPECT_TRUE(PumpUntil([&] { return popup.GetDisplayDate().GetMonth() >= 4; }, 2000));
    popup.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(arrow.x, arrow.y));
    const int month = popup.GetDisplayDate().GetMonth();
    PumpFor(400);
    EXPECT_EQ(month, popup.GetDisplayDate().GetMonth());
}

TEST(CalendarLocale, SystemNamesStartOnMondayAndJanuary)
{
    COXCalendarLocale::Replace(nullptr);
    COXCalendarLocale::Reload();
    const COXCalendarLocaleData& data = COXCalendarLocale::Get();
    char first[8] = {};
    ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, first, sizeof(first));
    EXPECT_EQ(atoi(first), data.nFirstDayOfWeek);
    char monday[32] = {};
    ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SABBREVDAYNAME1, monday, sizeof(monday));
    EXPECT_STREQ(monday, data.sDayNames[0]);
    char january[64] = {};
    ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SMONTHNAME1, january, sizeof(january));
    EXPECT_STREQ(january, data.sMonthNames[0]);
    EXPECT_NE(data.sMonthNames[0], data.sMonthNames[11]);
    const COleDateTime today = COXCalendarLocale::Today();
    EXPECT_EQ(0, today.GetHour());
    EXPECT_GE(today.GetYear(), 2024);
}

TEST_F(CalendarTest, QuitEndsThePickAndIsPostedAgain)
{
    COleDateTime date = Date(2024, 4, 10);
    ::PostQuitMessage(3);
    EXPECT_FALSE(calendar.GetPopup().Pick(date, CRect(100, 100, 300, 120), minDate, maxDate));
    EXPECT_EQ(Date(2024, 4, 10), date);
    EXPECT_FALSE(calendar.GetPopup().IsWindowVisible());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
}
