#include "toolkit/lists/cool/OXCoolPainters.h"

#include "afx/DC.h"

#include <commctrl.h>

namespace {
const UINT RedrawClient = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;   // 0x105
const int CheckBoxSize = 13;
const int MinSpinHalf = 4;

void Repaint(HWND hWnd)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RedrawClient);
}

BOOL IsRadioType(UINT type)
{
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

void DrawSunken(CDC& dc, const CRect& rect)
{
    dc.Draw3dRect(&rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

void DrawRaised(CDC& dc, const CRect& rect)
{
    dc.Draw3dRect(&rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
}

// One pen, a MoveTo to the first point and a LineTo to each further one. A
// pen that could not be made is not selected.
void Polyline(CDC& dc, CPen& pen, std::initializer_list<CPoint> points)
{
    CPen* old = pen.GetSafeHandle() ? dc.SelectObject(&pen) : nullptr;
    auto it = points.begin();
    dc.MoveTo(*it);
    for (++it; it != points.end(); ++it)
        dc.LineTo(*it);
    if (old)
        dc.SelectObject(old);
}
} // namespace

// ---- Button -----------------------------------------------------------------

BEGIN_MESSAGE_MAP(COXCoolButton, COXCoolCtrl<CButton>)
    ON_WM_PAINT()
END_MESSAGE_MAP()

COXCoolButton::~COXCoolButton() = default;

void COXCoolButton::SetHot(BOOL bHot)
{
    if (IsRadioType(GetStyle() & 0xF)) {
        // A radio button turns hot under the mouse only, never by the focus.
        if (bHot == m_bHot || (bHot && !m_bMouseOver))
            return;
        m_bHot = bHot;
    } else {
        COXCoolCtrl<CButton>::SetHot(bHot);
    }
    Repaint(m_hWnd);
}

LRESULT COXCoolButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCPAINT)
        return CWnd::WindowProc(message, wParam, lParam);
    const LRESULT result = COXCoolCtrl<CButton>::WindowProc(message, wParam, lParam);
    // A radio button its group unchecks repaints flat at once.
    if (message == BM_SETCHECK && wParam == BST_UNCHECKED && IsRadioType(GetStyle() & 0xF))
        Repaint(m_hWnd);
    return result;
}

void COXCoolButton::OnPaint()
{
    Default();
    if (!IsCool() || (m_bHot && IsWindowEnabled()))
        return;
    const DWORD style = GetStyle();
    const UINT type = style & 0xF;
    if (type == BS_OWNERDRAW || type == BS_USERBUTTON || type == BS_GROUPBOX || (style & BS_FLAT))
        return;
    const BOOL push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
    const BOOL checkBox = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE
                          || type == BS_AUTO3STATE;
    const BOOL radio = IsRadioType(type);
    const BOOL pushLike = (style & BS_PUSHLIKE) != 0;

    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (push || pushLike) {
        CRect inner = client;
        inner.DeflateRect(push && !pushLike ? 3 : 2, push && !pushLike ? 3 : 2);
        ::SelectClipRgn(dc.GetSafeHdc(), nullptr);
        dc.ExcludeClipRect(&inner);
        dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
        if (type == BS_DEFPUSHBUTTON) {
            dc.Draw3dRect(&client, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_3DDKSHADOW));
            client.DeflateRect(1, 1);
        }
        if (!push && SendMessage(BM_GETCHECK) != 0)
            DrawSunken(dc, client);
        else
            DrawRaised(dc, client);
    } else if (checkBox || radio) {
        const int top = (client.top + client.bottom - CheckBoxSize) / 2;
        const int left = (style & BS_LEFTTEXT) ? client.right - CheckBoxSize : client.left;
        CRect box(left, top, left + CheckBoxSize, top + CheckBoxSize);
        if (checkBox) {
            box.DeflateRect(1, 1);
            dc.Draw3dRect(&box, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        } else {
            const int w = box.Width();
            const int h = box.Height();
            const int cx = (box.left + box.right) / 2;
            const int cy = (box.top + box.bottom) / 2;
            CPen pen(PS_SOLID, 2, ::GetSysColor(COLOR_BTNHIGHLIGHT));
            CPen* old = dc.SelectObject(&pen);
            dc.Arc(box.left + 2, box.top + 1, box.right, box.bottom - 1, cx + w / 4 + 1, box.top + h / 4 + 1,
                   box.left + w / 4 + 1, cy + h / 4 + 1);
            dc.SelectObject(old);
        }
    }
    ::SelectClipRgn(dc.GetSafeHdc(), nullptr);
}

// ---- Scroll bar ---------------------------------------------------------------

BEGIN_MESSAGE_MAP(COXCoolScrollBar, COXCoolCtrl<CScrollBar>)
    ON_WM_PAINT()
END_MESSAGE_MAP()

COXCoolScrollBar::~COXCoolScrollBar() = default;

void COXCoolScrollBar::SetHot(BOOL bHot)
{
    COXCoolCtrl<CScrollBar>::SetHot(bHot);
    Repaint(m_hWnd);
}

LRESULT COXCoolScrollBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCPAINT)
        return CWnd::WindowProc(message, wParam, lParam);
    return COXCoolCtrl<CScrollBar>::WindowProc(message, wParam, lParam);
}

void COXCoolScrollBar::OnPaint()
{
    Default();
    if (!IsCool() || m_bHot)
        return;
    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawFlatScrollBar(&dc, client, (GetStyle() & SBS_VERT) == 0);
}

// ---- Spin -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(COXCoolSpinButtonCtrl, COXCoolCtrl<CSpinButtonCtrl>)
    ON_WM_PAINT()
END_MESSAGE_MAP()

COXCoolSpinButtonCtrl::~COXCoolSpinButtonCtrl() = default;

void COXCoolSpinButtonCtrl::SetHot(BOOL bHot)
{
    COXCoolCtrl<CSpinButtonCtrl>::SetHot(bHot);
    Repaint(m_hWnd);
}

LRESULT COXCoolSpinButtonCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCPAINT)
        return CWnd::WindowProc(message, wParam, lParam);
    return COXCoolCtrl<CSpinButtonCtrl>::WindowProc(message, wParam, lParam);
}

BOOL COXCoolSpinButtonCtrl::HasEditBuddy() const
{
    if (!(GetStyle() & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)))
        return FALSE;
    const HWND buddy = reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY));
    if (!buddy || !::IsWindow(buddy))
        return FALSE;
    TCHAR name[64] = {};
    ::GetClassName(buddy, name, 64);
    CString upper(name);
    upper.MakeUpper();
    return upper.Collate("EDIT") == 0;
}

void COXCoolSpinButtonCtrl::OnPaint()
{
    Default();
    if (!IsCool())
        return;
    CClientDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    const DWORD style = GetStyle();
    const BOOL horz = (style & UDS_HORZ) != 0;
    if (HasEditBuddy()) {
        const HWND buddy = reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY));
        CRect buddyClient;
        ::GetClientRect(buddy, &buddyClient);
        ::ClientToScreen(buddy, reinterpret_cast<LPPOINT>(&buddyClient));
        CRect buddyWindow;
        ::GetWindowRect(buddy, &buddyWindow);
        const int d = buddyClient.top - buddyWindow.top;
        rect.top += d;
        rect.bottom -= d;
        if (style & UDS_ALIGNRIGHT)
            rect.right -= d;
        else
            rect.left += d;
        if (CWnd* pBuddy = CWnd::FromHandlePermanent(buddy)) {
            // A buddy with a framework object that is not a cool edit counts as cold.
            auto* coolBuddy = dynamic_cast<COXCoolCtrl<CEdit>*>(pBuddy);
            const BOOL buddyHot = coolBuddy && coolBuddy->IsHot();
            CRect frame = rect;
            frame.InflateRect(d, d);
            if (!buddyHot && !m_bHot) {
                dc.Draw3dRect(&frame, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNHIGHLIGHT));
                frame.DeflateRect(1, 1);
                const COLORREF ring = ::GetSysColor(::IsWindowEnabled(buddy) ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE);
                dc.Draw3dRect(&frame, ring, ring);
            } else {
                DrawSunken(dc, frame);
                frame.DeflateRect(1, 1);
                dc.Draw3dRect(&frame, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_BTNFACE));
            }
        }
    }
    if (!m_bHot) {
        const int half = horz ? rect.Width() / 2 : rect.Height() / 2;
        if (half < MinSpinHalf)
            return;
        CRect first = rect;
        CRect second = rect;
        if (horz) {
            first.right = rect.left + half;
            second.left = rect.right - half;
        } else {
            first.bottom = rect.top + half;
            second.top = rect.bottom - half;
        }
        OXCoolDrawFlatButton(&dc, first);
        OXCoolDrawFlatButton(&dc, second);
    }
}

// ---- Slider -------------------------------------------------------------------

CPen COXCoolSliderCtrl::s_penHighlight;
CPen COXCoolSliderCtrl::s_penShadow;
CPen COXCoolSliderCtrl::s_penFace;

BEGIN_MESSAGE_MAP(COXCoolSliderCtrl, COXCoolCtrl<CSliderCtrl>)
    ON_WM_PAINT()
END_MESSAGE_MAP()

COXCoolSliderCtrl::~COXCoolSliderCtrl() = default;

void COXCoolSliderCtrl::SetHot(BOOL bHot)
{
    COXCoolCtrl<CSliderCtrl>::SetHot(bHot);
    Repaint(m_hWnd);
}

LRESULT COXCoolSliderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCPAINT)
        return CWnd::WindowProc(message, wParam, lParam);
    return COXCoolCtrl<CSliderCtrl>::WindowProc(message, wParam, lParam);
}

void COXCoolSliderCtrl::OnPaint()
{
    Default();
    if (!IsCool() || m_bHot)
        return;
    const DWORD style = GetStyle();
    const BOOL horz = (style & TBS_VERT) == 0;
    const BOOL both = (style & TBS_BOTH) != 0;
    const BOOL top = (style & TBS_TOP) != 0;

    CClientDC dc(this);
    if (!s_penHighlight.GetSafeHandle()) {
        s_penHighlight.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        s_penShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        s_penFace.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
    }
    CRect thumb;
    GetThumbRect(&thumb);
    const int l = thumb.left, t = thumb.top, r = thumb.right, b = thumb.bottom;
    const int w = r - l, h = b - t, cx = (l + r) / 2, cy = (t + b) / 2;
    CRect inner = thumb;
    inner.DeflateRect(1, 1);
    const int l1 = inner.left, t1 = inner.top, r1 = inner.right, b1 = inner.bottom;
    const int w1 = r1 - l1, h1 = b1 - t1, cx1 = (l1 + r1) / 2, cy1 = (t1 + b1) / 2;
    if (both) {
        OXCoolDrawFlatButton(&dc, thumb);
    } else if (horz && !top) {   // pointing down
        Polyline(dc, s_penHighlight, {{cx, b - 1}, {l, b - w / 2 - 1}, {l, t}, {r, t}});
        Polyline(dc, s_penShadow, {{r - 1, t}, {r - 1, b - w / 2 - 1}, {cx, b - 1}});
        Polyline(dc, s_penFace, {{cx1, b1 - 1}, {l1, b1 - w1 / 2 - 1}, {l1, t1}, {r1 - 1, t1},
                                 {r1 - 1, b1 - w1 / 2 - 1}, {cx1, b1 - 1}});
    } else if (!horz && !top) {   // pointing right
        Polyline(dc, s_penHighlight, {{r - 2, cy - 1}, {r - h / 2 - 1, t}, {l, t}, {l, b - 1}});
        Polyline(dc, s_penShadow, {{l, b - 1}, {r - h / 2 - 1, b - 1}, {r, cy - 1}});
        Polyline(dc, s_penFace, {{r1 - 1, cy1}, {r1 - h1 / 2 - 1, t1}, {l1, t1}, {l1, b1 - 1},
                                 {r1 - h1 / 2 - 1, b1 - 1}, {r1 - 1, cy1}});
    } else if (horz) {   // pointing up
        Polyline(dc, s_penShadow, {{cx, t}, {r - 1, t + w / 2}, {r - 1, b - 1}, {l - 1, b - 1}});
        Polyline(dc, s_penHighlight, {{l, b - 2}, {l, t + w / 2}, {cx, t}});
        Polyline(dc, s_penFace, {{cx1, t1}, {r1 - 1, t1 + w1 / 2}, {r1 - 1, b1 - 1}, {l1, b1 - 1},
                                 {l1, t1 + w1 / 2}, {cx1, t1}});
    } else {   // pointing left
        Polyline(dc, s_penShadow, {{l, cy}, {l + h / 2, b - 1}, {r - 1, b - 1}, {r - 1, t - 1}});
        Polyline(dc, s_penHighlight, {{r - 2, t}, {l + h / 2, t}, {l, cy}});
        Polyline(dc, s_penFace, {{l1, cy1}, {l1 + h1 / 2, b1 - 1}, {r1 - 1, b1 - 1}, {r1 - 1, t1},
                                 {l1 + h1 / 2, t1}, {l1, cy1}});
    }
    dc.ExcludeClipRect(&thumb);
    CRect channel;
    GetChannelRect(&channel);
    // The system reports a vertical slider's channel as if it were
    // horizontal; a channel already reported upright stays as it is.
    if (!horz && channel.Width() > channel.Height())
        channel.SetRect(channel.top, channel.left, channel.bottom, channel.right);
    DrawSunken(dc, channel);
    channel.DeflateRect(1, 1);
    dc.Draw3dRect(&channel, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));
}
