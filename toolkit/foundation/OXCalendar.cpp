#include "toolkit/foundation/OXCalendar.h"

#include "afx/DC.h"
#include "toolkit/foundation/OXCalendarLocale.h"
#include "toolkit/resources/ToolkitResource.h"

namespace {
bool IsValid(const COleDateTime& date)
{
    return date.GetStatus() == COleDateTime::valid;
}

COleDateTime NullDate()
{
    COleDateTime date(0.0);
    date.SetStatus(COleDateTime::null);
    return date;
}
} // namespace

BEGIN_MESSAGE_MAP(COXCalendar, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETFOCUS()
    ON_WM_SETCURSOR()
    ON_WM_CLOSE()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

COXCalendar::COXCalendar()
    : m_date(NullDate()), m_dateMax(9999, 12, 31, 0, 0, 0), m_dateMin(100, 1, 1, 0, 0, 0),
      m_nFirstDayOfWeek(COXCalendarLocale::Get().nFirstDayOfWeek), m_hCursor(nullptr), m_bShowButton(FALSE),
      m_nButtonWidth(::GetSystemMetrics(SM_CXVSCROLL))
{
}

COXCalendar::~COXCalendar()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL COXCalendar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CWnd::Create(nullptr, "", dwStyle, rect, pParentWnd, nID))
        return FALSE;
    return SetUpChildren();
}

void COXCalendar::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    // A window being created is set up by Create once it exists.
    if (!AfxGetWndInit())
        SetUpChildren();
}

BOOL COXCalendar::SetUpChildren()
{
    CRect client;
    GetClientRect(&client);
    if (!m_edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, client, this, EditId))
        return FALSE;
    CWnd* parent = GetParent();
    const HFONT font = parent ? reinterpret_cast<HFONT>(parent->SendMessage(WM_GETFONT)) : nullptr;
    LOGFONT lf;
    if (font && ::GetObjectA(font, sizeof(lf), &lf)) {
        m_font.DeleteObject();
        m_font.CreateFontIndirect(&lf);
        SetFont(&m_font);
        m_edit.SetFont(&m_font);
    }
    m_nButtonWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    m_hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    m_popup.SetFirstDayOfWeek(m_nFirstDayOfWeek);
    return m_popup.Create(this, m_font.GetSafeHandle() ? &m_font : nullptr);
}

void COXCalendar::PostNcDestroy()
{
    if (m_popup.GetSafeHwnd())
        m_popup.DestroyWindow();
    m_font.DeleteObject();
    CWnd::PostNcDestroy();
}

BOOL COXCalendar::SetFirstDayOfWeek(int nDay)
{
    if (nDay < 0 || nDay > 6)
        return FALSE;
    m_nFirstDayOfWeek = (nDay + 6) % 7;
    m_popup.SetFirstDayOfWeek(m_nFirstDayOfWeek);
    return TRUE;
}

BOOL COXCalendar::SetDateRange(const COleDateTime& dateMin, const COleDateTime& dateMax)
{
    if (dateMin.GetStatus() == COleDateTime::invalid || dateMax.GetStatus() == COleDateTime::invalid)
        return FALSE;
    if (IsValid(dateMin) && IsValid(dateMax) && dateMin > dateMax)
        return FALSE;
    m_dateMin = dateMin;
    m_dateMax = dateMax;
    return TRUE;
}

void COXCalendar::GetDateRange(COleDateTime& dateMin, COleDateTime& dateMax) const
{
    dateMin = m_dateMin;
    dateMax = m_dateMax;
}

BOOL COXCalendar::SetDate(const COleDateTime& date)
{
    if (date.GetStatus() == COleDateTime::invalid)
        return FALSE;
    if (IsValid(date) && ((IsValid(m_dateMin) && date < m_dateMin) || (IsValid(m_dateMax) && date > m_dateMax)))
        return FALSE;
    m_date = date;
    if (GetSafeHwnd())
        ShowDate();
    return TRUE;
}

COleDateTime COXCalendar::GetDateFromEdit(COleDateTime::DateTimeStatus& status)
{
    status = COleDateTime::null;
    if (!m_edit.GetSafeHwnd()) {
        status = m_date.GetStatus();
        return m_date;
    }
    m_date = NullDate();
    CString text;
    m_edit.GetWindowText(text);
    if (text.IsEmpty())
        return m_date;
    status = COleDateTime::invalid;
    const int digit = text.FindOneOf("0123456789");
    if (digit < 0)
        return m_date;
    COleDateTime parsed;
    if (parsed.ParseDateTime(text.Mid(digit), 0, COXCalendarLocale::Get().lcidDates) && IsValid(parsed)) {
        m_date = parsed;
        status = COleDateTime::valid;
    }
    return m_date;
}

COleDateTime COXCalendar::GetDate()
{
    COleDateTime::DateTimeStatus status;
    return GetDateFromEdit(status);
}

void COXCalendar::ClampDate()
{
    if (!IsValid(m_date))
        return;
    if (IsValid(m_dateMin) && m_date < m_dateMin)
        m_date = m_dateMin;
    else if (IsValid(m_dateMax) && m_date > m_dateMax)
        m_date = m_dateMax;
}

void COXCalendar::FormatDate(CString& sText)
{
    if (m_date.GetStatus() == COleDateTime::null) {
        sText.LoadString(IDS_OX_CALENDAR_NONE);
        return;
    }
    const COXCalendarLocaleData& locale = COXCalendarLocale::Get();
    if (m_sFormat.IsEmpty()) {
        // Day of week 1 Sunday ... 7 Saturday, -1 when not a date; names start on Monday.
        const int index = (m_date.GetDayOfWeek() + 5) % 7;
        sText = locale.sDayNames[index] + " " + m_date.Format(0, locale.lcidDates);
    } else {
        sText = m_date.Format(m_sFormat);
    }
}

void COXCalendar::ShowDate()
{
    CString text;
    FormatDate(text);
    if (m_edit.GetSafeHwnd())
        m_edit.SetWindowText(text);
}

CRect COXCalendar::GetButtonRect() const
{
    CRect client;
    GetClientRect(&client);
    client.left = client.right - m_nButtonWidth;
    return client;
}

void COXCalendar::PlaceEdit()
{
    CRect client;
    GetClientRect(&client);
    if (m_bShowButton)
        client.right -= m_nButtonWidth;
    if (m_edit.GetSafeHwnd())
        m_edit.MoveWindow(&client);
}

void COXCalendar::ShowButton(BOOL bShow)
{
    m_bShowButton = bShow ? TRUE : FALSE;
    PlaceEdit();
    Invalidate();
}

void COXCalendar::ForwardToParent(UINT nCode)
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), reinterpret_cast<LPARAM>(m_hWnd));
}

void COXCalendar::OnEditKillFocus()
{
    GetDate();
    ClampDate();
    ShowDate();
    ForwardToParent(EN_KILLFOCUS);
    ShowButton(FALSE);
}

BOOL COXCalendar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == EditId && reinterpret_cast<HWND>(lParam) == m_edit.GetSafeHwnd()) {
        switch (HIWORD(wParam)) {
        case EN_SETFOCUS:
            ForwardToParent(EN_SETFOCUS);
            ShowButton(TRUE);
            return TRUE;
        case EN_KILLFOCUS:
            OnEditKillFocus();
            return TRUE;
        case EN_CHANGE:
        case EN_UPDATE:
            ForwardToParent(HIWORD(wParam));
            return TRUE;
        default:
            break;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

void COXCalendar::OnPaint()
{
    CPaintDC dc(this);
    if (m_bShowButton) {
        CRect button = GetButtonRect();
        dc.DrawFrameControl(&button, DFC_SCROLL, DFCS_SCROLLDOWN);
    }
}

void COXCalendar::OnLButtonDown(UINT nFlags, CPoint point)
{
    GetDate();
    ClampDate();
    CRect window;
    GetWindowRect(&window);
    COleDateTime date = m_date;
    if (m_popup.Pick(date, window, m_dateMin, m_dateMax)) {
        m_date = date;
        ShowDate();
    }
    SetFocus();
    CWnd::OnLButtonDown(nFlags, point);
}

void COXCalendar::OnSetFocus(CWnd*)
{
    if (m_edit.GetSafeHwnd())
        m_edit.SetFocus();
}

BOOL COXCalendar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd == this && nHitTest == HTCLIENT && m_hCursor) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void COXCalendar::OnClose()
{
    GetDate();
    CWnd::OnClose();
}

void COXCalendar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    COXCalendarLocale::Reload();
    CWnd::OnSettingChange(uFlags, lpszSection);
}
