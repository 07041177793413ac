#include "toolkit/foundation/OXCalendarPopup.h"

#include "afx/DC.h"
#include "afx/WinApp.h"
#include "toolkit/foundation/OXCalendarLocale.h"
#include "toolkit/foundation/OXPopupLoop.h"
#include "toolkit/resources/ToolkitResource.h"

#include <algorithm>

namespace {
const UINT CellTextFlags = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;
const int GridDays = 42;

COleDateTime FirstOfMonth(const COleDateTime& date)
{
    return COleDateTime(date.GetYear(), date.GetMonth(), 1, 0, 0, 0);
}

int DaysInMonth(int year, int month)
{
    const COleDateTime first(year, month, 1, 0, 0, 0);
    const COleDateTime next = month == 12 ? COleDateTime(year + 1, 1, 1, 0, 0, 0) : COleDateTime(year, month + 1, 1, 0, 0, 0);
    return static_cast<int>(static_cast<double>(next) - static_cast<double>(first) + 0.5);
}

bool IsValid(const COleDateTime& date)
{
    return date.GetStatus() == COleDateTime::valid;
}

// Read once per process, as the painting wants them.
struct PopupColors
{
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    COLORREF highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
};
const PopupColors& Colors()
{
    static const PopupColors colors;
    return colors;
}
} // namespace

BEGIN_MESSAGE_MAP(COXCalendarPopup, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
END_MESSAGE_MAP()

COXCalendarPopup::COXCalendarPopup()
    : m_nMouseMode(MouseNone), m_nFirstDayOfWeek(COXCalendarLocale::Get().nFirstDayOfWeek), m_nScroll(ScrollNone)
{
}

COXCalendarPopup::~COXCalendarPopup()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL COXCalendarPopup::Create(CWnd* pOwnerWnd, CFont* pFont)
{
    static LPCTSTR windowClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, nullptr,
                                                     static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
    if (!CreateEx(exStyle, windowClass, "", WS_POPUP | WS_BORDER, CRect(0, 0, 0, 0), pOwnerWnd, 0))
        return FALSE;
    LOGFONT lf;
    HGDIOBJ source = pFont && pFont->GetSafeHandle() ? pFont->GetSafeHandle() : ::GetStockObject(DEFAULT_GUI_FONT);
    m_font.DeleteObject();
    if (::GetObjectA(source, sizeof(lf), &lf))
        m_font.CreateFontIndirect(&lf);
    m_sTodayText.LoadString(IDS_OX_CALENDAR_TODAY);
    m_sNoneText.LoadString(IDS_OX_CALENDAR_NONE);
    Layout();
    const DWORD style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
    const CRect none(0, 0, 0, 0);
    m_btnTitle.Create("", style, none, this, 1);
    m_btnToday.Create(m_sTodayText, style, none, this, 2);
    m_btnNone.Create(m_sNoneText, style, none, this, 3);
    for (CButton* button : { &m_btnTitle, &m_btnToday, &m_btnNone })
        button->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()));
    Layout();
    return TRUE;
}

void COXCalendarPopup::Layout()
{
    CClientDC dc(this);
    CFont* old = m_font.GetSafeHandle() ? dc.SelectObject(&m_font) : nullptr;
    const CSize digits = dc.GetTextExtent("0123456789");
    const int cx = digits.cx / 5;
    m_sizeCell = CSize(cx + cx / 4, digits.cy + digits.cy / 5);
    const int arrow = ::GetSystemMetrics(SM_CXHSCROLL);
    int header = 0;
    for (const CString& month : COXCalendarLocale::Get().sMonthNames) {
        CString text;
        text.Format(" %s 1997 ", static_cast<LPCTSTR>(month));
        header = std::max(header, static_cast<int>(dc.GetTextExtent(text).cx));
    }
    header += 2 * arrow;
    if (old)
        dc.SelectObject(old);

    const CSize grid(7 * m_sizeCell.cx, 6 * m_sizeCell.cy);
    m_sizeWindow.cx = std::max(header, static_cast<int>(grid.cx + 2 * arrow)) + 2 * ::GetSystemMetrics(SM_CXEDGE);
    m_sizeWindow.cy = 10 * m_sizeCell.cy + 2 * ::GetSystemMetrics(SM_CYEDGE);
    SetWindowPos(nullptr, 0, 0, m_sizeWindow.cx, m_sizeWindow.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect client;
    GetClientRect(&client);
    m_rectGrid.left = client.left + (client.Width() - grid.cx) / 2;
    m_rectGrid.top = 2 * m_sizeCell.cy + 2;
    m_rectGrid.right = m_rectGrid.left + grid.cx;
    m_rectGrid.bottom = m_rectGrid.top + grid.cy;
    m_rectPrev.SetRect(client.left, 0, client.left + arrow, m_sizeCell.cy);
    m_rectNext.SetRect(client.right - arrow, 0, client.right, m_sizeCell.cy);
    const int buttonTop = m_rectGrid.bottom + m_sizeCell.cy / 2;
    if (m_btnToday.GetSafeHwnd()) {
        m_btnToday.MoveWindow(m_rectGrid.left, buttonTop, 3 * m_sizeCell.cx, m_sizeCell.cy);
        m_btnNone.MoveWindow(m_rectGrid.right - 3 * m_sizeCell.cx, buttonTop, 3 * m_sizeCell.cx, m_sizeCell.cy);
        m_btnTitle.MoveWindow(m_rectPrev.right, 0, m_rectNext.left - m_rectPrev.right, m_sizeCell.cy);
    }
}

COleDateTime COXCalendarPopup::GetFirstGridDate(const COleDateTime& dateInMonth) const
{
    const COleDateTime first = FirstOfMonth(dateInMonth);
    const int localeDay = (first.GetDayOfWeek() + 5) % 7;  // Monday 0 ... Sunday 6
    const int d = (localeDay - m_nFirstDayOfWeek + 7) % 7;
    return first - COleDateTimeSpan(d == 0 ? 7 : d, 0, 0, 0);
}

CRect COXCalendarPopup::GetCellRect(int nCell) const
{
    const int row = nCell / 7;
    const int column = nCell % 7;
    const CPoint at(m_rectGrid.left + column * m_sizeCell.cx, m_rectGrid.top + row * m_sizeCell.cy);
    return CRect(at, m_sizeCell);
}

int COXCalendarPopup::CellFromPoint(CPoint point) const
{
    if (!m_rectGrid.PtInRect(point) || m_sizeCell.cx <= 0 || m_sizeCell.cy <= 0)
        return -1;
    return (point.y - m_rectGrid.top) / m_sizeCell.cy * 7 + (point.x - m_rectGrid.left) / m_sizeCell.cx;
}

int COXCalendarPopup::ArrowAt(CPoint point) const
{
    if (m_rectPrev.PtInRect(point))
        return ScrollPrev;
    if (m_rectNext.PtInRect(point))
        return ScrollNext;
    return ScrollNone;
}

COleDateTime COXCalendarPopup::ClampDate(const COleDateTime& date) const
{
    if (IsValid(m_dateMin) && date < m_dateMin)
        return m_dateMin;
    if (IsValid(m_dateMax) && date > m_dateMax)
        return m_dateMax;
    return date;
}

CString COXCalendarPopup::GetTitle() const
{
    const int month = m_dateDisplay.GetMonth();
    if (month < 1 || month > 12)
        return CString();
    return COXCalendarLocale::Get().sMonthNames[month - 1] + m_dateDisplay.Format(" %Y");
}

void COXCalendarPopup::SelectDate(COleDateTime date)
{
    date = ClampDate(date);
    if (date == m_dateSelected && date.GetStatus() == m_dateSelected.GetStatus())
        return;
    m_dateSelected = date;
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

BOOL COXCalendarPopup::StepMonth(BOOL bNext)
{
    const COleDateTime first = FirstOfMonth(m_dateDisplay);
    COleDateTime target;
    if (bNext)
        target = m_dateDisplay.GetMonth() == 12 ? COleDateTime(m_dateDisplay.GetYear() + 1, 1, 1, 0, 0, 0)
                                                : COleDateTime(m_dateDisplay.GetYear(), m_dateDisplay.GetMonth() + 1, 1, 0, 0, 0);
    else
        target = first - COleDateTimeSpan(1, 0, 0, 0);
    if (!IsValid(target))
        return FALSE;
    const COleDateTime gridStart = GetFirstGridDate(target);
    const COleDateTime gridEnd = gridStart + COleDateTimeSpan(GridDays - 1, 0, 0, 0);
    if ((IsValid(m_dateMax) && gridStart > m_dateMax) || (IsValid(m_dateMin) && gridEnd < m_dateMin))
        return FALSE;
    m_dateDisplay = target;
    const int day = std::min(m_dateSelected.GetDay() > 0 ? m_dateSelected.GetDay() : 1,
                             DaysInMonth(target.GetYear(), target.GetMonth()));
    SelectDate(COleDateTime(target.GetYear(), target.GetMonth(), day, 0, 0, 0));
    if (GetSafeHwnd())
        Invalidate(FALSE);
    return TRUE;
}

void COXCalendarPopup::StopRepeat()
{
    KillTimer(RepeatTimer);
    m_nScroll = ScrollNone;
}

void COXCalendarPopup::OnLButtonDown(UINT, CPoint point)
{
    CRect window;
    GetWindowRect(&window);
    CPoint screen = point;
    ClientToScreen(&screen);
    if (!window.PtInRect(screen)) {
        PostMessage(PickEnded, FALSE);
        return;
    }
    const int cell = CellFromPoint(point);
    if (cell >= 0) {
        m_nMouseMode = MouseGrid;
        SelectDate(GetFirstGridDate(m_dateDisplay) + COleDateTimeSpan(cell, 0, 0, 0));
        return;
    }
    auto over = [&point, this](CButton& button) {
        CRect rect;
        button.GetWindowRect(&rect);
        ScreenToClient(&rect);
        return rect.PtInRect(point) != FALSE;
    };
    if (over(m_btnToday) && m_btnToday.IsWindowEnabled()) {
        m_btnToday.SendMessage(BM_SETSTATE, TRUE);
        m_nMouseMode = MouseToday;
        return;
    }
    if (over(m_btnNone)) {
        m_btnNone.SendMessage(BM_SETSTATE, TRUE);
        m_nMouseMode = MouseNoneButton;
        return;
    }
    const int arrow = ArrowAt(point);
    if (arrow != ScrollNone) {
        m_nScroll = arrow;
        StepMonth(arrow == ScrollNext);
        UpdateWindow();
        SetTimer(RepeatTimer, RepeatPeriod, nullptr);
    }
}

void COXCalendarPopup::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != RepeatTimer)
        return;
    if (m_nScroll == ScrollNone) {
        KillTimer(RepeatTimer);
        return;
    }
    StepMonth(m_nScroll == ScrollNext);
    UpdateWindow();
}

void COXCalendarPopup::OnMouseMove(UINT, CPoint point)
{
    if (m_nScroll != ScrollNone && ArrowAt(point) != m_nScroll)
        StopRepeat();
    if (m_nMouseMode == MouseGrid) {
        const int cell = CellFromPoint(point);
        if (cell >= 0)
            SelectDate(GetFirstGridDate(m_dateDisplay) + COleDateTimeSpan(cell, 0, 0, 0));
    } else if (m_nMouseMode == MouseToday || m_nMouseMode == MouseNoneButton) {
        CButton& button = m_nMouseMode == MouseToday ? m_btnToday : m_btnNone;
        CRect rect;
        button.GetWindowRect(&rect);
        ScreenToClient(&rect);
        button.SendMessage(BM_SETSTATE, rect.PtInRect(point));
    }
}

void COXCalendarPopup::OnLButtonUp(UINT, CPoint point)
{
    StopRepeat();
    const int mode = m_nMouseMode;
    m_nMouseMode = MouseNone;
    if (mode == MouseGrid) {
        const int cell = CellFromPoint(point);
        if (cell >= 0) {
            SelectDate(GetFirstGridDate(m_dateDisplay) + COleDateTimeSpan(cell, 0, 0, 0));
            PostMessage(PickEnded, TRUE);
        }
    } else if (mode == MouseToday || mode == MouseNoneButton) {
        CButton& button = mode == MouseToday ? m_btnToday : m_btnNone;
        button.SendMessage(BM_SETSTATE, FALSE);
        CRect rect;
        button.GetWindowRect(&rect);
        ScreenToClient(&rect);
        if (rect.PtInRect(point)) {
            if (mode == MouseToday) {
                m_dateSelected = m_dateToday;
            } else {
                m_dateSelected = COleDateTime(0.0);
                m_dateSelected.SetStatus(COleDateTime::null);
            }
            PostMessage(PickEnded, TRUE);
        }
    }
}

void COXCalendarPopup::OnPaint()
{
    CPaintDC dc(this);
    CFont* old = m_font.GetSafeHandle() ? dc.SelectObject(&m_font) : nullptr;
    const PopupColors& colors = Colors();
    CRect clip;
    dc.GetClipBox(&clip);
    CRect meet;
    if (meet.IntersectRect(&clip, &m_rectPrev))
        dc.DrawFrameControl(&m_rectPrev, DFC_SCROLL, DFCS_SCROLLLEFT);
    if (meet.IntersectRect(&clip, &m_rectNext))
        dc.DrawFrameControl(&m_rectNext, DFC_SCROLL, DFCS_SCROLLRIGHT);
    CString title = GetTitle();
    CString shown;
    m_btnTitle.GetWindowText(shown);
    if (shown != title)
        m_btnTitle.SetWindowText(title);

    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF oldColor = dc.SetTextColor(RGB(0, 0, 0));
    const COXCalendarLocaleData& locale = COXCalendarLocale::Get();
    for (int column = 0; column < 7; ++column) {
        CRect cell = GetCellRect(column);
        cell.OffsetRect(0, -m_sizeCell.cy - 1);
        const CString& name = locale.sDayNames[(m_nFirstDayOfWeek + column) % 7];
        dc.DrawText(name.Left(1), -1, &cell, CellTextFlags);
    }
    HGDIOBJ previousPen = ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(BLACK_PEN));
    dc.MoveTo(m_rectGrid.left, m_rectGrid.top - 1);
    dc.LineTo(m_rectGrid.right, m_rectGrid.top - 1);
    dc.MoveTo(m_rectGrid.left, m_rectGrid.bottom);
    dc.LineTo(m_rectGrid.right, m_rectGrid.bottom);
    ::SelectObject(dc.GetSafeHdc(), previousPen);

    const COleDateTime start = GetFirstGridDate(m_dateDisplay);
    const int month = m_dateDisplay.GetMonth();
    CPen todayPen(PS_SOLID, 1, RGB(192, 0, 0));
    for (int i = 0; i < GridDays; ++i) {
        const COleDateTime day = start + COleDateTimeSpan(i, 0, 0, 0);
        CRect cell = GetCellRect(i);
        CString number;
        number.Format("%d", day.GetDay());
        COLORREF color = day.GetMonth() == month ? RGB(0, 0, 0) : colors.shadow;
        if (IsValid(m_dateSelected) && static_cast<long>(static_cast<double>(day)) ==
                                           static_cast<long>(static_cast<double>(m_dateSelected))) {
            CRect fill = cell;
            fill.OffsetRect(1, 0);
            dc.FillSolidRect(&fill, colors.highlight);
            color = colors.highlightText;
        }
        if (static_cast<long>(static_cast<double>(day)) == static_cast<long>(static_cast<double>(m_dateToday))) {
            CRect frame = cell;
            frame.OffsetRect(1, 0);
            HGDIOBJ pen = ::SelectObject(dc.GetSafeHdc(), todayPen.GetSafeHandle());
            HGDIOBJ brush = ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(NULL_BRUSH));
            dc.Rectangle(&frame);
            ::SelectObject(dc.GetSafeHdc(), brush);
            ::SelectObject(dc.GetSafeHdc(), pen);
        }
        dc.SetTextColor(color);
        dc.DrawText(number, -1, &cell, CellTextFlags);
    }
    dc.SetTextColor(oldColor);
    dc.SetBkMode(oldMode);
    if (old)
        dc.SelectObject(old);
}

BOOL COXCalendarPopup::Pick(COleDateTime& date, const CRect& rectReference, const COleDateTime& dateMin,
                            const COleDateTime& dateMax)
{
    if (!GetSafeHwnd())
        return FALSE;
    if (IsValid(dateMin) && IsValid(dateMax) && dateMin > dateMax)
        return FALSE;
    m_dateToday = COXCalendarLocale::Today();
    m_dateMin = dateMin;
    m_dateMax = dateMax;
    Layout();

    CRect rect(CPoint(rectReference.right - m_sizeWindow.cx, rectReference.bottom), m_sizeWindow);
    if (rect.bottom > ::GetSystemMetrics(SM_CYSCREEN))
        rect.OffsetRect(0, rectReference.top - rect.bottom);
    if (rect.left < 0)
        rect.OffsetRect(-rect.left, 0);

    const bool todayInRange = (!IsValid(m_dateMin) || !(m_dateToday < m_dateMin)) &&
                              (!IsValid(m_dateMax) || !(m_dateToday > m_dateMax));
    m_btnToday.EnableWindow(todayInRange);
    m_dateSelected = COleDateTime();
    SelectDate(IsValid(date) ? date : m_dateToday);
    m_dateDisplay = m_dateSelected;
    m_nMouseMode = MouseNone;
    m_nScroll = ScrollNone;

    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
    ShowWindow(SW_SHOW);
    Invalidate(FALSE);
    SetCapture();
    BOOL result = FALSE;
    while (::GetCapture() == m_hWnd) {
        MSG msg;
        if (!OXGetPopupMessage(msg))
            break;
        if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_RBUTTONDOWN)
            break;
        if (msg.message == PickEnded && msg.hwnd == m_hWnd) {
            result = msg.wParam ? TRUE : FALSE;
            break;
        }
        ::DispatchMessageA(&msg);
    }
    StopRepeat();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    ShowWindow(SW_HIDE);
    if (result)
        date = m_dateSelected;
    return result;
}
