// The date edit over a mask: what it reads back, the month calendar it drops,
// and which clicks in that calendar end its loop.
#include "toolkit/foundation/OXCalendarEdit.h"
#include "toolkit/foundation/OXCalendarLocale.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {
COleDateTime Today()
{
    return COleDateTime(2024, 3, 20, 0, 0, 0);
}

void CALLBACK DropCapture(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    ::ReleaseCapture();
}

class CalendarEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        COXCalendarLocale::ReplaceClock(Today);
        ASSERT_TRUE(frame.CreateFrame(CRect(100, 100, 500, 300)));
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd())
            frame.DestroyWindow();
        COXCalendarLocale::ReplaceClock(nullptr);
    }
    void Create(COXCalendarEdit& edit)
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &frame, 100));
        edit.SendMessage(WM_NULL);
    }
    static void Type(CWnd& edit, const char* text)
    {
        edit.SendMessage(EM_SETSEL, 0, 0);
        for (const char* p = text; *p; ++p)
            edit.SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 1);
    }
    static CString Text(CWnd& wnd)
    {
        CString text;
        wnd.GetWindowText(text);
        return text;
    }
    // The first point of the calendar whose hit test answers the code.
    static bool FindPoint(COXMonthCalPopup& cal, DWORD code, CPoint& found)
    {
        CRect client;
        cal.GetClientRect(&client);
        for (int y = client.top + 1; y < client.bottom; y += 2)
            for (int x = client.left + 1; x < client.right; x += 2) {
                MCHITTESTINFO hit = {};
                hit.cbSize = MCHITTESTINFO_V1_SIZE;
                hit.pt = { x, y };
                if (cal.HitTest(&hit) == code) {
                    found = CPoint(x, y);
                    return true;
                }
            }
        return false;
    }
    static void PostClick(CWnd& wnd, CPoint pt)
    {
        ::PostMessageA(wnd.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        ::PostMessageA(wnd.GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    CTestFrame frame;
};
} // namespace

TEST_F(CalendarEditTest, TheFormatIsTheMaskAndBadDatesReadAsSuch)
{
    COXCalendarEdit edit("dd.mm.yyyy");
    Create(edit);
    EXPECT_STREQ("DD.MM.YYYY", edit.GetDateFormat());
    EXPECT_STREQ("  .  .    ", Text(edit));  // the separators as written, not the locale's
    EXPECT_STREQ("", edit.GetInputData());
    Type(edit, "12032024");
    EXPECT_STREQ("12.03.2024", Text(edit));
    EXPECT_STREQ("12.03.2024", edit.GetInputData());
    EXPECT_EQ(COleDateTime(2024, 3, 12, 0, 0, 0), edit.ParseDate(Text(edit)));
    Type(edit, "31022024");
    EXPECT_STREQ("<bad date>", edit.GetInputData());
    edit.SetInputData("30.02.2024");  // refused: the edit is cleared
    EXPECT_STREQ("", edit.GetInputData());
    edit.SetInputData("01.02.2024");
    EXPECT_STREQ("01.02.2024", edit.GetInputData());
    // Two-letter years fall below 100 and are no dates.
    COXCalendarEdit shortYear("DD.MM.YY");
    EXPECT_EQ(COleDateTime::invalid, shortYear.ParseDate("01.02.24").GetStatus());
    EXPECT_STREQ("01.02.24", shortYear.FormatDate(COleDateTime(2024, 2, 1, 0, 0, 0)));
}

TEST_F(CalendarEditTest, PopupOpensOnTodayForNoDateAndEscapeKeepsTheText)
{
    COXCalendarEdit edit("DD.MM.YYYY");
    Create(edit);
    COXMonthCalPopup& cal = edit.GetCalendarPopup();
    ASSERT_TRUE(cal.GetSafeHwnd());
    ::PostMessageA(edit.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    edit.OnDropButton();
    COleDateTime shown;
    ASSERT_TRUE(cal.GetCurSel(shown));
    EXPECT_EQ(Today(), COleDateTime(shown.GetYear(), shown.GetMonth(), shown.GetDay(), 0, 0, 0));
    EXPECT_STREQ("  .  .    ", Text(edit));
    EXPECT_FALSE(cal.IsWindowVisible());
    CRect popup;
    cal.GetWindowRect(&popup);
    CRect window;
    edit.GetWindowRect(&window);
    EXPECT_EQ(window.bottom, popup.top);

    Type(edit, "05062024");
    ::PostMessageA(edit.GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 1);
    edit.OnDropButton();
    EXPECT_STREQ("05.06.2024", Text(edit));
}

TEST_F(CalendarEditTest, NavigationKeepsItOpenADayClosesItOutsideCancels)
{
    COXCalendarEdit edit("DD.MM.YYYY");
    Create(edit);
    COXMonthCalPopup& cal = edit.GetCalendarPopup();
    Type(edit, "15052024");
    ::PostMessageA(cal.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    edit.OnDropButton();  // lays the calendar out

    CPoint next;
    ASSERT_TRUE(FindPoint(cal, MCHT_TITLEBTNNEXT, next));
    PostClick(cal, next);
    ::PostMessageA(cal.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    edit.OnDropButton();
    MSG left;
    EXPECT_FALSE(::PeekMessageA(&left, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));  // Esc ended it, not the arrow
    EXPECT_STREQ("15.05.2024", Text(edit));

    // The drop shows the edit's month again; find a day of that month.
    cal.SetCurSel(COleDateTime(2024, 5, 15, 0, 0, 0));
    CPoint day;
    ASSERT_TRUE(FindPoint(cal, MCHT_CALENDARDATE, day));
    MCHITTESTINFO hit = {};
    hit.cbSize = MCHITTESTINFO_V1_SIZE;
    hit.pt = day;
    cal.HitTest(&hit);
    PostClick(cal, day);
    edit.OnDropButton();
    CString expected;
    expected.Format("%02d.%02d.%04d", hit.st.wDay, hit.st.wMonth, hit.st.wYear);
    EXPECT_STREQ(expected, Text(edit));

    ::PostMessageA(cal.GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
    edit.OnDropButton();
    EXPECT_STREQ(expected, Text(edit));

    ::SetTimer(nullptr, 0, 30, DropCapture);
    edit.OnDropButton();
    EXPECT_STREQ(expected, Text(edit));
    EXPECT_FALSE(cal.IsWindowVisible());
}

TEST_F(CalendarEditTest, AFormatWithoutADayStillWorks)
{
    COXCalendarEdit edit("MM/YYYY");
    Create(edit);
    EXPECT_STREQ("", edit.GetInputData());
    Type(edit, "032024");
    EXPECT_STREQ("03/2024", Text(edit));
    EXPECT_STREQ("<bad date>", edit.GetInputData());
    ::PostMessageA(edit.GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 1);
    edit.OnDropButton();
    EXPECT_STREQ("03/2024", Text(edit));
}
