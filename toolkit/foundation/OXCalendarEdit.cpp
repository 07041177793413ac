#include "toolkit/foundation/OXCalendarEdit.h"

#include "afx/Exception.h"
#include "toolkit/foundation/OXCalendarLocale.h"
#include "toolkit/foundation/OXPopupLoop.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNCREATE(COXCalendarEdit, COXMaskedEdit)

namespace {
bool IsDateLetter(char ch)
{
    return ch == 'D' || ch == 'M' || ch == 'Y';
}
} // namespace

COXCalendarEdit::COXCalendarEdit() = default;

COXCalendarEdit::COXCalendarEdit(LPCTSTR lpszDateFormat)
{
    SetDateFormat(lpszDateFormat);
}

COXCalendarEdit::~COXCalendarEdit() = default;

void COXCalendarEdit::SetDateFormat(LPCTSTR lpszDateFormat)
{
    m_sDateFormat = lpszDateFormat ? lpszDateFormat : "";
    m_sDateFormat.MakeUpper();
    // The format's other characters are shown as they stand: escaped, a
    // separator would turn into the locale's and a letter into an input place.
    CString mask;
    for (int i = 0; i < m_sDateFormat.GetLength(); ++i) {
        const char ch = m_sDateFormat[i];
        if (IsDateLetter(ch)) {
            mask += '#';
        } else {
            mask += '\\';
            mask += ch;
        }
    }
    SetMask(mask);
}

CString COXCalendarEdit::GetEmptyMask() const
{
    CString empty = m_sDateFormat;
    for (int i = 0; i < empty.GetLength(); ++i)
        if (IsDateLetter(empty[i]))
            empty.SetAt(i, ' ');
    return empty;
}

COleDateTime COXCalendarEdit::ParseDate(LPCTSTR lpszText) const
{
    const CString text = lpszText ? lpszText : "";
    auto field = [&](char letter) {
        const int first = m_sDateFormat.Find(letter);
        if (first < 0)
            return 0;
        const int last = m_sDateFormat.ReverseFind(letter);
        return atoi(text.Mid(first, last - first + 1));
    };
    COleDateTime date;
    date.SetDateTime(field('Y'), field('M'), field('D'), 0, 0, 0);
    return date;
}

CString COXCalendarEdit::FormatDate(const COleDateTime& date) const
{
    CString format = m_sDateFormat;
    format.Replace("YYYY", "%Y");
    format.Replace("YY", "%y");
    format.Replace("MM", "%m");
    format.Replace("DD", "%d");
    return date.Format(format);
}

BOOL COXCalendarEdit::IsValidDate(LPCTSTR lpszText) const
{
    const CString text = lpszText ? lpszText : "";
    return text == GetEmptyMask() || ParseDate(text).GetStatus() == COleDateTime::valid;
}

CString COXCalendarEdit::GetInvalidDateText() const
{
    return "<bad date>";
}

CString COXCalendarEdit::GetInputData() const
{
    const CString text = COXDropEdit<COXMaskedEdit>::GetInputData();
    if (text == GetEmptyMask())
        return CString();
    if (!IsValidDate(text))
        return GetInvalidDateText();
    return text;
}

void COXCalendarEdit::SetInputData(LPCTSTR lpszText)
{
    COXDropEdit<COXMaskedEdit>::SetInputData(IsValidDate(lpszText) ? lpszText : "");
}

BOOL COXCalendarEdit::InitializeDropEdit()
{
    if (!m_calendarPopup.CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "SysMonthCal32", "", WS_POPUP | WS_BORDER,
                                  CRect(0, 0, 0, 0), nullptr, 0))
        AfxThrowResourceException();
    m_calendarPopup.SetOwner(this);
    return TRUE;
}

void COXCalendarEdit::OnDropButton()
{
    if (!m_calendarPopup.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    CRect window;
    GetWindowRect(&window);
    CRect size;
    m_calendarPopup.GetMinReqRect(&size);
    CRect rect(client.right + m_nButtonWidth - size.Width(), window.bottom, client.right + m_nButtonWidth,
               window.bottom + size.Height());

    CString text;
    GetWindowText(text);
    COleDateTime date = ParseDate(text);
    if (date.GetStatus() != COleDateTime::valid)
        date = COXCalendarLocale::Today();
    OXFitPopupRect(rect, window.top);
    m_calendarPopup.SetCurSel(date);
    m_calendarPopup.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_calendarPopup.ShowWindow(SW_SHOW);
    const BOOL picked = TrackPopup(date);
    if (::GetCapture() == m_calendarPopup.GetSafeHwnd())
        ::ReleaseCapture();
    m_calendarPopup.ShowWindow(SW_HIDE);
    if (picked)
        SetWindowText(FormatDate(date));
}

BOOL COXCalendarEdit::TrackPopup(COleDateTime& date)
{
    const HWND popup = m_calendarPopup.GetSafeHwnd();
    ::SetCapture(popup);
    for (;;) {
        // Whoever took the mouse away has ended the pick.
        if (::GetCapture() != popup)
            return FALSE;
        MSG msg;
        if (!OXGetPopupMessage(msg))
            return FALSE;
        switch (msg.message) {
        case WM_LBUTTONDOWN:
            ::DispatchMessageA(&msg);
            ::SetCapture(popup);
            break;
        case WM_LBUTTONUP: {
            ::DispatchMessageA(&msg);
            POINT pt = { static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)) };
            if (msg.hwnd != popup)
                ::MapWindowPoints(msg.hwnd, popup, &pt, 1);
            MCHITTESTINFO hit = {};
            hit.cbSize = MCHITTESTINFO_V1_SIZE;
            hit.pt = pt;
            const DWORD where = m_calendarPopup.HitTest(&hit);
            if (where == MCHT_CALENDARDATE) {
                m_calendarPopup.GetCurSel(date);
                return TRUE;
            }
            CRect client;
            m_calendarPopup.GetClientRect(&client);
            if (where == 0 || !client.PtInRect(pt))
                return FALSE;
            ::SetCapture(popup);
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                return FALSE;
            if (msg.wParam == VK_RETURN) {
                m_calendarPopup.GetCurSel(date);
                return TRUE;
            }
            ::DispatchMessageA(&msg);
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
}
