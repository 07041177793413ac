#include "toolkit/foundation/OXCalculatorPopup.h"

#include "afx/WinApp.h"
#include "toolkit/foundation/OXPopupLoop.h"
#include "toolkit/resources/ToolkitResource.h"

namespace {
const char PopupClass[] = "CalculatorPopupWindow";
}

BEGIN_MESSAGE_MAP(COXCalculatorPopup, CWnd)
    ON_COMMAND(IDOK, &COXCalculatorPopup::OnOK)
    ON_COMMAND(IDCANCEL, &COXCalculatorPopup::OnCancel)
END_MESSAGE_MAP()

COXCalculatorPopup::COXCalculatorPopup() : m_calculator(nullptr, 0.0), m_pOwnerWnd(nullptr), m_nResult(Running) {}

COXCalculatorPopup::~COXCalculatorPopup()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL COXCalculatorPopup::Create(CWnd* pOwnerWnd, HBRUSH hbrBackground)
{
    WNDCLASS wc = {};
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = AfxGetAfxWndProc();
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = hbrBackground ? hbrBackground : reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = PopupClass;
    if (!AfxRegisterClass(&wc))
        return FALSE;
    if (!CreateEx(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, PopupClass, "", WS_POPUP, CRect(0, 0, 0, 0), pOwnerWnd, 0))
        return FALSE;
    m_pOwnerWnd = pOwnerWnd;
    if (!m_calculator.Create(this)) {
        DestroyWindow();
        return FALSE;
    }
    m_calculator.ShowWindow(SW_SHOW);
    CString ok;
    CString cancel;
    ok.LoadString(IDS_OX_POPUP_OK);
    cancel.LoadString(IDS_OX_POPUP_CANCEL);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
    m_btnOK.Create(ok, style, CRect(0, 0, 0, 0), this, IDOK);
    m_btnCancel.Create(cancel, style, CRect(0, 0, 0, 0), this, IDCANCEL);
    return TRUE;
}

void COXCalculatorPopup::OnOK()
{
    m_nResult = Accepted;
}

void COXCalculatorPopup::OnCancel()
{
    m_nResult = Cancelled;
}

void COXCalculatorPopup::Layout()
{
    CRect calc;
    m_calculator.GetWindowRect(&calc);
    const int cw = calc.Width();
    const int ch = calc.Height();
    m_rectCalculator.SetRect(5, 5, 5 + cw, 5 + ch);
    m_rectOK.SetRect(5, ch + 10, cw / 2, ch + 34);
    m_rectCancel.SetRect(5 + cw - cw / 2 + 5, ch + 10, 5 + cw, ch + 34);
    m_rectPopup.SetRect(0, 0, cw + 10 + 2 * ::GetSystemMetrics(SM_CXDLGFRAME),
                        ch + 39 + 2 * ::GetSystemMetrics(SM_CYDLGFRAME));
}

BOOL COXCalculatorPopup::CalcPosition(CSize size, int nPlacement, const CRect& reference, int dx, int dy,
                                      CSize work, CPoint& position)
{
    const int w = size.cx;
    const int h = size.cy;
    if (w > work.cx || h > work.cy)
        return FALSE;
    const int L = reference.left;
    const int T = reference.top;
    const int R = reference.right;
    const int B = reference.bottom;
    auto leftFirst = [&](int& x) {  // left of the reference, else right of it
        x = L - w - dx;
        if (x < 0)
            x = R + dx;
        return x + w <= work.cx;
    };
    auto rightFirst = [&](int& x) {
        x = R + dx;
        if (x + w > work.cx)
            x = L - w - dx;
        return x >= 0;
    };
    auto aboveFirst = [&](int& y) {
        y = T - h - dy;
        if (y < 0)
            y = B + dy;
        return y + h <= work.cy;
    };
    auto belowFirst = [&](int& y) {
        y = B + dy;
        if (y + h > work.cy)
            y = T - h - dy;
        return y >= 0;
    };
    int x = 0;
    int y = 0;
    bool fits = true;
    switch (nPlacement) {
    case 0: fits = leftFirst(x); y = T + dy; break;
    case 1: fits = rightFirst(x); y = T + dy; break;
    case 2: x = L + dx; fits = aboveFirst(y); break;
    case 3: x = L + dx; fits = belowFirst(y); break;
    case 4: fits = leftFirst(x); y = B - h - dy; break;
    case 5: fits = rightFirst(x); y = B - h - dy; break;
    case 6: x = R - w - dx; fits = aboveFirst(y); break;
    case 7: x = R - w - dx; fits = belowFirst(y); break;
    default: break;
    }
    if (!fits)
        return FALSE;
    if (x < 0)
        x = 0;
    else if (x + w > work.cx)
        x = work.cx - w;
    if (y < 0)
        y = 0;
    else if (y + h > work.cy)
        y = work.cy - h;
    position = CPoint(x, y);
    return TRUE;
}

BOOL COXCalculatorPopup::IsOwnWindow(HWND hWnd) const
{
    while (hWnd) {
        if (hWnd == m_hWnd)
            return TRUE;
        if (CWnd* permanent = CWnd::FromHandlePermanent(hWnd)) {
            CWnd* next = permanent->GetOwner();
            hWnd = next ? next->GetSafeHwnd() : nullptr;
        } else if (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) {
            hWnd = ::GetParent(hWnd);
        } else {
            hWnd = ::GetWindow(hWnd, GW_OWNER);
        }
    }
    return FALSE;
}

BOOL COXCalculatorPopup::Pick(double dValue, int nPlacement, CRect rectReference, int dx, int dy)
{
    if (!GetSafeHwnd())
        return FALSE;
    Layout();
    CRect work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (rectReference.IsRectEmpty()) {
        CWnd* reference = m_pOwnerWnd ? m_pOwnerWnd : GetParent();
        if (reference)
            reference->GetWindowRect(&rectReference);
    }
    CPoint position;
    if (!CalcPosition(m_rectPopup.Size(), nPlacement, rectReference, dx, dy, work.Size(), position))
        return FALSE;
    m_rectPopup.OffsetRect(position);

    SetWindowPos(nullptr, m_rectPopup.left, m_rectPopup.top, m_rectPopup.Width(), m_rectPopup.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_calculator.MoveWindow(&m_rectCalculator);
    m_btnOK.MoveWindow(&m_rectOK);
    m_btnCancel.MoveWindow(&m_rectCancel);
    ShowWindow(SW_SHOWNA);
    m_calculator.SetFocus();
    m_calculator.SetEntry(dValue, TRUE);
    m_calculator.GetEngine().ClearOperations();
    m_nResult = Running;

    while (m_nResult == Running) {
        MSG msg;
        if (!OXGetPopupMessage(msg))
            break;
        const HWND focus = ::GetFocus();
        if (!focus || !IsOwnWindow(focus))
            break;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
            COXCalculatorEngine& engine = m_calculator.GetEngine();
            if (!engine.HasOperation())
                engine.CarryOutPending();
            m_calculator.Redisplay();
            m_nResult = Accepted;
        } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            m_nResult = Cancelled;
        } else if (!m_calculator.PreTranslateMessage(&msg)) {
            ::DispatchMessageA(&msg);
        }
    }
    ShowWindow(SW_HIDE);
    return m_nResult == Accepted;
}

IMPLEMENT_DYNCREATE(COXCalculatorEdit, COXNumericEdit)

COXCalculatorEdit::COXCalculatorEdit() = default;

COXCalculatorEdit::~COXCalculatorEdit() = default;

BOOL COXCalculatorEdit::InitializeDropEdit()
{
    return m_calculatorPopup.Create(this, nullptr);
}

void COXCalculatorEdit::OnDropButton()
{
    const int placement = m_nButtonAlign == ButtonLeft ? PlaceBelowLeft : PlaceBelowRight;
    if (m_calculatorPopup.Pick(GetValue(), placement, CRect(0, 0, 0, 0), 0, 0))
        SetValue(m_calculatorPopup.GetResult());
    SetFocus();
}
