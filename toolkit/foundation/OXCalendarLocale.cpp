#include "toolkit/foundation/OXCalendarLocale.h"

#include <cstdlib>
#include <ctime>

namespace {
COXCalendarLocaleData g_system;
bool g_systemLoaded = false;
const COXCalendarLocaleData* g_replaced = nullptr;
COleDateTime (*g_today)() = nullptr;

CString* g_target = nullptr;
BOOL CALLBACK TakeName(LPSTR name)
{
    if (g_target)
        *g_target = name;
    return FALSE;  // the first answer is the one
}

CString CalendarName(CALTYPE type)
{
    CString name;
    g_target = &name;
    ::EnumCalendarInfoA(TakeName, LOCALE_SYSTEM_DEFAULT, CAL_GREGORIAN, type);
    g_target = nullptr;
    return name;
}
} // namespace

void COXCalendarLocale::Reload()
{
    g_system.lcidDates = LANG_USER_DEFAULT;
    char first[8] = {};
    ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, first, sizeof(first));
    g_system.nFirstDayOfWeek = atoi(first);
    for (int i = 0; i < 7; ++i)
        g_system.sDayNames[i] = CalendarName(CAL_SABBREVDAYNAME1 + i);
    for (int i = 0; i < 12; ++i)
        g_system.sMonthNames[i] = CalendarName(CAL_SMONTHNAME1 + i);
    g_systemLoaded = true;
}

const COXCalendarLocaleData& COXCalendarLocale::Get()
{
    if (g_replaced)
        return *g_replaced;
    if (!g_systemLoaded)
        Reload();
    return g_system;
}

void COXCalendarLocale::Replace(const COXCalendarLocaleData* pData)
{
    g_replaced = pData;
}

COleDateTime COXCalendarLocale::Today()
{
    if (g_today)
        return g_today();
    const COleDateTime now(static_cast<__time64_t>(_time64(nullptr)));
    return COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
}

void COXCalendarLocale::ReplaceClock(COleDateTime (*pfnToday)())
{
    g_today = pfnToday;
}
