#include "toolkit/lists/cool/OXCoolCtrl.h"

#include "afx/DC.h"

#include <commctrl.h>

namespace {
const UINT RedrawFrame = RDW_INVALIDATE | RDW_FRAME;                                   // 0x401
const UINT RedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME;       // 0x505
const int MinTrack = 8;

BOOL HasClassName(HWND hWnd, LPCTSTR lpszClass)
{
    TCHAR name[64] = {};
    if (!hWnd || !::GetClassName(hWnd, name, 64))
        return FALSE;
    return lstrcmpi(name, lpszClass) == 0;
}

HWND BuddyOf(HWND hSpin)
{
    return reinterpret_cast<HWND>(::SendMessage(hSpin, UDM_GETBUDDY, 0, 0));
}
} // namespace

void OXCoolDrawFlatButton(CDC* pDC, CRect rect)
{
    pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));
}

BOOL IsEditWindowClass(HWND hWnd)
{
    return HasClassName(hWnd, "Edit");
}

BOOL IsUpDownWindowClass(HWND hWnd)
{
    return HasClassName(hWnd, UPDOWN_CLASSA);
}

BOOL OXCoolCalcThumb(const SCROLLINFO& info, int nTrackStart, int nTrackLength, COXCoolThumb& thumb)
{
    // Positions count from nMin: a range that does not start at 0 puts the
    // thumb where the system draws it.
    const double range = static_cast<double>(info.nMax) - info.nMin + 1;
    const double page = info.nPage;
    if (static_cast<int>(info.nPage) > info.nMax - info.nMin || info.nPage == 0 || nTrackLength < MinTrack)
        return FALSE;
    int length = static_cast<int>(page * nTrackLength / range + 0.5);
    if (length < MinTrack)
        length = MinTrack;
    const double steps = range - page;
    int offset = 0;
    if (steps > 0)
        offset = static_cast<int>(static_cast<double>(nTrackLength - length) * (info.nPos - info.nMin) / steps + 0.5);
    int start = nTrackStart + offset;
    if (start + length > nTrackStart + nTrackLength)
        start = nTrackStart + nTrackLength - length;
    thumb.nStart = start;
    thumb.nLength = length;
    return TRUE;
}

template <class T>
CPen COXCoolCtrl<T>::s_penHighlight;
template <class T>
CPen COXCoolCtrl<T>::s_penShadow;

template <class T>
COXCoolCtrl<T>::COXCoolCtrl()
    : m_bCool(TRUE), m_nHoverTimerID(0), m_bMouseOver(FALSE), m_bHot(FALSE), m_bInitialized(FALSE)
{
}

template <class T>
COXCoolCtrl<T>::~COXCoolCtrl() = default;

template <class T>
BOOL COXCoolCtrl<T>::IsAncestorOf(CWnd* pWndAncestor, CWnd* pWnd)
{
    if (!pWnd)
        return FALSE;
    const HWND ancestor = pWndAncestor ? pWndAncestor->GetSafeHwnd() : nullptr;
    HWND hWnd = pWnd->GetSafeHwnd();
    while (hWnd) {
        if (hWnd == ancestor)
            return TRUE;
        if (CWnd* permanent = CWnd::FromHandlePermanent(hWnd)) {
            CWnd* owner = permanent->GetOwner();
            if (!owner)
                return FALSE;
            hWnd = owner->GetSafeHwnd();
        } else if (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD) {
            hWnd = ::GetParent(hWnd);
        } else {
            hWnd = ::GetWindow(hWnd, GW_OWNER);
        }
    }
    return FALSE;
}

template <class T>
HWND COXCoolCtrl<T>::FindBuddySpin(HWND hWnd)
{
    if (!IsEditWindowClass(hWnd))
        return nullptr;
    const HWND parent = ::GetParent(hWnd);
    if (!parent)
        return nullptr;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (IsUpDownWindowClass(child) && CWnd::FromHandlePermanent(child) && BuddyOf(child) == hWnd
            && (::GetWindowLongPtr(child, GWL_STYLE) & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)))
            return child;
    }
    return nullptr;
}

template <class T>
BOOL COXCoolCtrl<T>::GetTooltipText(CString& sText) const
{
    if (!::IsWindow(m_tooltip.GetSafeHwnd()))
        return FALSE;
    CToolInfo info;
    if (m_tooltip.GetToolInfo(info, const_cast<COXCoolCtrl*>(this), OXCOOL_TOOL_ID) && info.lpszText
        && info.lpszText != LPSTR_TEXTCALLBACK)
        sText = info.lpszText;
    else
        sText.Empty();
    return TRUE;
}

template <class T>
BOOL COXCoolCtrl<T>::SetTooltipText(const CString& sText)
{
    if (!::IsWindow(m_tooltip.GetSafeHwnd()) || !OnChangeTooltipText(sText))
        return FALSE;
    if (sText.IsEmpty()) {
        m_tooltip.DelTool(this, OXCOOL_TOOL_ID);
        return TRUE;
    }
    CString present;
    GetTooltipText(present);
    if (present.Collate(sText) == 0)
        return TRUE;
    m_tooltip.DelTool(this, OXCOOL_TOOL_ID);
    CRect client;
    this->GetClientRect(&client);
    return m_tooltip.AddTool(this, sText, &client, OXCOOL_TOOL_ID) || TRUE;
}

template <class T>
BOOL COXCoolCtrl<T>::OnChangeTooltipText(const CString&)
{
    return TRUE;
}

template <class T>
BOOL COXCoolCtrl<T>::HandleKeyDown(UINT)
{
    return FALSE;
}

template <class T>
void COXCoolCtrl<T>::SetCool(BOOL bCool)
{
    if (bCool == m_bCool)
        return;
    m_bCool = bCool;
    if (bCool) {
        CheckMousePosition(TRUE);
        if (!m_bHot && IsAncestorOf(this, CWnd::GetFocus()))
            SetHot(TRUE);
    }
    this->RedrawWindow(nullptr, nullptr, RedrawAll);
}

template <class T>
void COXCoolCtrl<T>::SetHot(BOOL bHot)
{
    if (!bHot && IsAncestorOf(this, CWnd::GetFocus()))
        return;
    if (bHot == m_bHot)
        return;
    m_bHot = bHot;
    this->RedrawWindow(nullptr, nullptr, RedrawFrame);
    if (HWND spin = FindBuddySpin(this->m_hWnd))
        ::RedrawWindow(spin, nullptr, nullptr, RedrawAll);
}

template <class T>
void COXCoolCtrl<T>::OnFocusChange(CWnd* pWndGainFocus, CWnd* pWndLoseFocus)
{
    const HWND self = this->m_hWnd;
    const BOOL gaining = pWndGainFocus && pWndGainFocus->GetSafeHwnd() == self && !m_bHot;
    const BOOL losing = pWndLoseFocus && pWndLoseFocus->GetSafeHwnd() == self && m_bHot;
    if (!gaining && !losing)
        return;
    if (pWndGainFocus && pWndLoseFocus) {
        if (FindBuddySpin(pWndLoseFocus->GetSafeHwnd()) == pWndGainFocus->GetSafeHwnd())
            return;
        if (IsAncestorOf(pWndLoseFocus, pWndGainFocus))
            return;
    }
    SetHot(!m_bHot);
}

template <class T>
void COXCoolCtrl<T>::OnMouseEnter(const CPoint&)
{
    if (!m_bHot)
        SetHot(TRUE);
}

template <class T>
void COXCoolCtrl<T>::OnMouseLeave(const CPoint&)
{
    if (m_bHot)
        SetHot(FALSE);
}

template <class T>
void COXCoolCtrl<T>::CheckMousePosition(BOOL bIncludeChildren)
{
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    const HWND hUnder = ::WindowFromPoint(cursor);
    CWnd* pUnder = CWnd::FromHandle(hUnder);
    const HWND self = this->m_hWnd;
    BOOL over = hUnder == self;
    if (!over && bIncludeChildren)
        over = IsAncestorOf(this, pUnder);
    if (IsEditWindowClass(self) && IsUpDownWindowClass(hUnder) && BuddyOf(hUnder) == self)
        over = TRUE;
    if (IsUpDownWindowClass(self)) {
        const HWND buddy = BuddyOf(self);
        if (IsEditWindowClass(buddy))
            ::SendMessage(buddy, WM_TIMER, OXCOOL_HOVER_TIMER, 0);
    }
    if (over == m_bMouseOver)
        return;
    m_bMouseOver = over;
    const CPoint point(cursor);
    if (over)
        OnMouseEnter(point);
    else
        OnMouseLeave(point);
    // The handlers may have destroyed the window.
    if (!::IsWindow(self))
        return;
    if (over && !m_nHoverTimerID) {
        m_nHoverTimerID = ::SetTimer(self, OXCOOL_HOVER_TIMER, OXCOOL_HOVER_PERIOD, nullptr);
    } else if (!over && m_nHoverTimerID) {
        ::KillTimer(self, m_nHoverTimerID);
        m_nHoverTimerID = 0;
    }
}

template <class T>
BOOL COXCoolCtrl<T>::InitializeControl()
{
    SetHot(IsAncestorOf(this, CWnd::GetFocus()));
    if (!m_tooltip.Create(this, 0))
        return FALSE;
    m_tooltip.SendMessage(TTM_ACTIVATE, TRUE);
    return TRUE;
}

template <class T>
void COXCoolCtrl<T>::PreSubclassWindow()
{
    if (!AfxGetWndInit() && !m_bInitialized) {
        m_bInitialized = TRUE;
        InitializeControl();
    }
    T::PreSubclassWindow();
}

template <class T>
BOOL COXCoolCtrl<T>::PreTranslateMessage(MSG* pMsg)
{
    if (::IsWindow(m_tooltip.GetSafeHwnd())) {
        m_tooltip.SendMessage(TTM_ACTIVATE, TRUE);
        m_tooltip.SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
    }
    if (pMsg->message == WM_KEYDOWN && HandleKeyDown(static_cast<UINT>(pMsg->wParam)))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

template <class T>
LRESULT COXCoolCtrl<T>::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (!m_bInitialized) {
            m_bInitialized = TRUE;
            InitializeControl();
        }
        break;
    case WM_SIZE: {
        const LRESULT result = T::WindowProc(message, wParam, lParam);
        CString text;
        if (GetTooltipText(text)) {
            CRect client;
            this->GetClientRect(&client);
            m_tooltip.DelTool(this, OXCOOL_TOOL_ID);
            m_tooltip.AddTool(this, text, &client, OXCOOL_TOOL_ID);
        }
        return result;
    }
    case WM_DESTROY:
        if (m_nHoverTimerID) {
            ::KillTimer(this->m_hWnd, m_nHoverTimerID);
            m_nHoverTimerID = 0;
        }
        if (::IsWindow(m_tooltip.GetSafeHwnd()))
            m_tooltip.DestroyWindow();
        break;
    case WM_NCDESTROY: {
        const LRESULT result = T::WindowProc(message, wParam, lParam);
        m_nHoverTimerID = 0;
        m_bMouseOver = FALSE;
        m_bInitialized = FALSE;
        return result;
    }
    case WM_NCPAINT: {
        const LRESULT result = T::WindowProc(message, wParam, lParam);
        DrawFlatBorder();
        return result;
    }
    case WM_SETFOCUS:
        if (IsCool())
            OnFocusChange(this, CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
        break;
    case WM_KILLFOCUS:
        if (IsCool())
            OnFocusChange(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), this);
        break;
    case WM_ENABLE:
        if (IsCool()) {
            const LRESULT result = T::WindowProc(message, wParam, lParam);
            this->RedrawWindow(nullptr, nullptr, RedrawAll);
            return result;
        }
        break;
    case WM_TIMER:
        if (wParam == OXCOOL_HOVER_TIMER) {
            if (IsCool())
                CheckMousePosition(TRUE);
            return 0;
        }
        break;
    default:
        if (((message >= WM_MOUSEFIRST && message <= WM_MOUSEWHEEL)
             || (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK))
            && !m_bMouseOver && IsCool())
            CheckMousePosition(TRUE);
        break;
    }
    return T::WindowProc(message, wParam, lParam);
}

template <class T>
void COXCoolCtrl<T>::DrawFlatBorder()
{
    if (!IsCool())
        return;
    if (!s_penHighlight.GetSafeHandle()) {
        s_penHighlight.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        s_penShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    }
    CRect client;
    this->GetClientRect(&client);
    this->ClientToScreen(&client);
    CRect window;
    this->GetWindowRect(&window);
    if (client == window)
        return;
    const HWND spin = FindBuddySpin(this->m_hWnd);
    CRect spinRect(0, 0, 0, 0);
    if (spin)
        ::GetWindowRect(spin, &spinRect);
    const CPoint origin = window.TopLeft();
    client.OffsetRect(-origin);
    window.OffsetRect(-origin);
    if (spin) {
        spinRect.OffsetRect(-origin);
        spinRect.IntersectRect(&spinRect, &window);
    }
    const BOOL enabled = this->IsWindowEnabled();
    const BOOL drawHot = m_bHot && enabled;

    CWindowDC dc(this);
    const DWORD style = this->GetStyle();
    CRect horz(0, 0, 0, 0);
    CRect vert(0, 0, 0, 0);
    if (style & WS_HSCROLL) {
        horz.SetRect(client.left, client.bottom, client.right, client.bottom + ::GetSystemMetrics(SM_CYHSCROLL));
        DrawFlatScrollBar(&dc, horz, TRUE);
    }
    if (style & WS_VSCROLL) {
        vert.SetRect(client.right, client.top, client.right + ::GetSystemMetrics(SM_CXVSCROLL), client.bottom);
        DrawFlatScrollBar(&dc, vert, FALSE);
    }
    ::SelectClipRgn(dc.GetSafeHdc(), nullptr);
    dc.ExcludeClipRect(&spinRect);
    dc.ExcludeClipRect(&client);
    dc.ExcludeClipRect(&horz);
    dc.ExcludeClipRect(&vert);
    CRect frame = window;
    if (!drawHot) {
        CPen* oldPen = dc.SelectObject(enabled ? &s_penHighlight : &s_penShadow);
        dc.Rectangle(&frame);
        frame.DeflateRect(1, 1);
        dc.Rectangle(&frame);
        dc.SelectObject(oldPen);
    } else {
        dc.Draw3dRect(&frame, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        frame.DeflateRect(1, 1);
        dc.Draw3dRect(&frame, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_BTNFACE));
    }
    ::SelectClipRgn(dc.GetSafeHdc(), nullptr);
    if (!enabled) {
        CGdiObject* oldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
        CPen* oldPen = dc.SelectObject(&s_penHighlight);
        dc.Rectangle(&window);
        dc.SelectObject(oldPen);
        dc.SelectObject(oldBrush);
    }
    if (spin)
        ::RedrawWindow(spin, nullptr, nullptr, RedrawAll);
}

template <class T>
void COXCoolCtrl<T>::DrawFlatScrollBar(CDC* pDC, CRect rect, BOOL bHorz)
{
    if (!IsCool() || m_bHot)
        return;
    const int length = bHorz ? rect.Width() : rect.Height();
    int size = ::GetSystemMetrics(bHorz ? SM_CXHSCROLL : SM_CYVSCROLL);
    if (2 * size > length)
        size = length / 2;
    CRect first = rect;
    CRect second = rect;
    if (bHorz) {
        first.right = first.left + size;
        second.left = second.right - size;
    } else {
        first.bottom = first.top + size;
        second.top = second.bottom - size;
    }
    OXCoolDrawFlatButton(pDC, first);
    OXCoolDrawFlatButton(pDC, second);

    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    if (!this->CWnd::GetScrollInfo(bHorz ? SB_HORZ : SB_VERT, &info, info.fMask)) {
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
        if (!this->SendMessage(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info)))
            return;
    }
    const int barStart = bHorz ? rect.left : rect.top;
    COXCoolThumb thumb = {};
    if (!OXCoolCalcThumb(info, barStart + size, length - 2 * size, thumb))
        return;
    CRect thumbRect = rect;
    if (bHorz) {
        thumbRect.left = thumb.nStart;
        thumbRect.right = thumb.nStart + thumb.nLength;
    } else {
        thumbRect.top = thumb.nStart;
        thumbRect.bottom = thumb.nStart + thumb.nLength;
    }
    OXCoolDrawFlatButton(pDC, thumbRect);
}

template class COXCoolCtrl<CEdit>;
template class COXCoolCtrl<CButton>;
template class COXCoolCtrl<CSpinButtonCtrl>;
template class COXCoolCtrl<CHotKeyCtrl>;
template class COXCoolCtrl<CScrollBar>;
template class COXCoolCtrl<CProgressCtrl>;
template class COXCoolCtrl<CSliderCtrl>;
template class COXCoolCtrl<CDateTimeCtrl>;
template class COXCoolCtrl<CMonthCalCtrl>;
template class COXCoolCtrl<CIPAddressCtrl>;
template class COXCoolCtrl<CListCtrl>;
template class COXCoolCtrl<CTreeCtrl>;
template class COXCoolCtrl<CListBox>;
template class COXCoolCtrl<CRichEditCtrl>;
template class COXCoolCtrl<CWnd>;
template class COXCoolCtrl<CComboBox>;
