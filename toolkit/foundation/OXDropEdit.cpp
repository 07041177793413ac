#include "toolkit/foundation/OXDropEdit.h"

#include "afx/DC.h"
#include "afx/Exception.h"
#include "afx/Menu.h"

namespace {
const UINT FrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED;
}

template <class T>
COXDropEdit<T>::COXDropEdit()
    : m_nButtonAlign(ButtonRight), m_nButtonWidth(::GetSystemMetrics(SM_CXHTHUMB)), m_bShowButton(TRUE),
      m_bMouseDown(FALSE), m_bButtonPressed(FALSE), m_bInitialized(FALSE), m_bCreated(FALSE),
      m_bFrameChangePending(FALSE), m_nTimerID(0), m_pDropMenu(nullptr), m_nShortcutKey(VK_RETURN),
      m_nShortcutFlags(ShortcutAlt)
{
    if (!this->IsKindOf(RUNTIME_CLASS(CEdit)))
        AfxThrowNotSupportedException();
}

template <class T>
COXDropEdit<T>::~COXDropEdit() = default;

template <class T>
void COXDropEdit<T>::GetButtonRect(CRect& rect) const
{
    rect.SetRectEmpty();
    if (!m_bShowButton || !this->GetSafeHwnd())
        return;
    CRect client;
    this->GetClientRect(&client);
    rect = client;
    if (m_nButtonAlign == ButtonLeft) {
        rect.right = client.left;
        rect.left = client.left - m_nButtonWidth;
    } else {
        rect.left = client.right;
        rect.right = client.right + m_nButtonWidth;
    }
}

template <class T>
BOOL COXDropEdit<T>::IsInButton(CPoint ptScreen) const
{
    if (!m_bShowButton)
        return FALSE;
    CRect button;
    GetButtonRect(button);
    this->ClientToScreen(&button);
    return button.PtInRect(ptScreen);
}

template <class T>
void COXDropEdit<T>::RecalcFrame()
{
    if (this->GetSafeHwnd())
        this->SetWindowPos(nullptr, 0, 0, 0, 0, FrameChanged);
}

template <class T>
void COXDropEdit<T>::SetButtonAlignment(int nAlign)
{
    m_nButtonAlign = nAlign == ButtonLeft ? ButtonLeft : ButtonRight;
    RecalcFrame();
}

template <class T>
void COXDropEdit<T>::SetButtonWidth(int nWidth)
{
    m_nButtonWidth = nWidth < 0 ? 0 : nWidth;
    RecalcFrame();
}

template <class T>
void COXDropEdit<T>::ShowButton(BOOL bShow)
{
    m_bShowButton = bShow ? TRUE : FALSE;
    RecalcFrame();
}

template <class T>
void COXDropEdit<T>::SetShortcut(UINT nKey, UINT nFlags)
{
    m_nShortcutKey = nKey;
    m_nShortcutFlags = nFlags & (ShortcutCtrl | ShortcutShift | ShortcutAlt);
}

template <class T>
void COXDropEdit<T>::OnDropButton()
{
    if (!m_pDropMenu)
        return;
    CRect window;
    this->GetWindowRect(&window);
    if (m_nButtonAlign == ButtonLeft)
        m_pDropMenu->TrackPopupMenu(0, window.left, window.bottom, this);
    else
        m_pDropMenu->TrackPopupMenu(TPM_RIGHTALIGN, window.right, window.bottom, this);
    this->SetFocus();
}

template <class T>
BOOL COXDropEdit<T>::InitializeDropEdit()
{
    return TRUE;
}

template <class T>
CRect COXDropEdit<T>::DrawButtonFrame(CDC* pDC, CRect rect, BOOL bPressed)
{
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    pDC->Draw3dRect(&rect, bPressed ? shadow : light, bPressed ? light : shadow);
    rect.DeflateRect(1, 1);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return rect;
}

template <class T>
void COXDropEdit<T>::DrawButtonImage(CDC* pDC, CRect rect, BOOL bPressed)
{
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = pDC->SetTextColor(::GetSysColor(AcceptsDrop() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    if (bPressed) {
        rect.left += 1;
        rect.top += 1;
    }
    pDC->DrawText("...", -1, &rect, DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
    pDC->SetTextColor(oldColor);
    pDC->SetBkMode(oldMode);
}

template <class T>
void COXDropEdit<T>::PreSubclassWindow()
{
    // A window subclassed from a template is complete already; one being
    // created is set up at its first message after WM_CREATE.
    if (!AfxGetWndInit() && !m_bInitialized) {
        m_bInitialized = TRUE;
        InitializeDropEdit();
        m_bFrameChangePending = TRUE;
    }
    T::PreSubclassWindow();
}

template <class T>
BOOL COXDropEdit<T>::AcceptsDrop() const
{
    return this->IsWindowEnabled() && !(this->GetStyle() & ES_READONLY);
}

template <class T>
void COXDropEdit<T>::RedrawFrame()
{
    this->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

template <class T>
void COXDropEdit<T>::EndTracking()
{
    m_bMouseDown = FALSE;
    m_bButtonPressed = FALSE;
    if (m_nTimerID) {
        this->KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    RedrawFrame();
}

template <class T>
LRESULT COXDropEdit<T>::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_bInitialized && m_bCreated) {
        m_bInitialized = TRUE;
        InitializeDropEdit();
    }
    if (m_bFrameChangePending) {
        m_bFrameChangePending = FALSE;
        if (::IsWindow(this->GetSafeHwnd()))
            this->SetWindowPos(nullptr, 0, 0, 0, 0, FrameChanged);
    }

    const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    switch (message) {
    case WM_NCCALCSIZE: {
        const LRESULT result = T::WindowProc(message, wParam, lParam);
        if (m_bShowButton) {
            RECT* rect = reinterpret_cast<RECT*>(lParam);
            if (rect->right - rect->left > m_nButtonWidth) {
                if (m_nButtonAlign == ButtonLeft)
                    rect->left += m_nButtonWidth;
                else
                    rect->right -= m_nButtonWidth;
            } else {
                rect->right = rect->left;
            }
        }
        return result;
    }
    case WM_PAINT:
    case WM_NCPAINT: {
        const LRESULT result = T::WindowProc(message, wParam, lParam);
        if (m_bShowButton) {
            CWindowDC dc(this);
            CRect window;
            this->GetWindowRect(&window);
            this->ScreenToClient(&window);
            CRect button;
            GetButtonRect(button);
            button.OffsetRect(-window.left, -window.top);
            const BOOL pressed = m_bMouseDown && m_bButtonPressed;
            const CRect inside = DrawButtonFrame(&dc, button, pressed);
            DrawButtonImage(&dc, inside, pressed);
        }
        return result;
    }
    case WM_NCHITTEST:
        if (IsInButton(point))
            return HTBORDER;
        return T::WindowProc(message, wParam, lParam);
    case WM_NCLBUTTONDOWN: {
        const LRESULT result = T::WindowProc(message, wParam, lParam);
        if (AcceptsDrop() && IsInButton(point)) {
            m_bMouseDown = TRUE;
            m_bButtonPressed = TRUE;
            RedrawFrame();
            m_nTimerID = this->SetTimer(TrackTimerId, TrackPeriod, nullptr);
        }
        return result;
    }
    case WM_NCLBUTTONUP: {
        const LRESULT result = T::WindowProc(message, wParam, lParam);
        if (m_bMouseDown && IsInButton(point)) {
            EndTracking();
            OnDropButton();
        }
        return result;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (AcceptsDrop() && wParam == m_nShortcutKey) {
            const bool ctrl = !(m_nShortcutFlags & ShortcutCtrl) || ::GetKeyState(VK_CONTROL) < 0;
            const bool shift = !(m_nShortcutFlags & ShortcutShift) || ::GetKeyState(VK_SHIFT) < 0;
            const bool alt = !(m_nShortcutFlags & ShortcutAlt) || ::GetKeyState(VK_MENU) < 0;
            if (ctrl && shift && alt) {
                if (m_bMouseDown)
                    EndTracking();
                OnDropButton();
                return 0;
            }
        }
        return T::WindowProc(message, wParam, lParam);
    case WM_TIMER:
        if (m_nTimerID == 0 || wParam != m_nTimerID)
            return T::WindowProc(message, wParam, lParam);
        if (!m_bMouseDown)
            return 0;
        if (::GetKeyState(VK_LBUTTON) < 0) {
            CPoint cursor;
            ::GetCursorPos(&cursor);
            const BOOL over = IsInButton(cursor);
            if (over != m_bButtonPressed) {
                m_bButtonPressed = over;
                RedrawFrame();
            }
            return 0;
        }
        EndTracking();
        return 0;
    case WM_DESTROY:
        if (m_nTimerID) {
            this->KillTimer(m_nTimerID);
            m_nTimerID = 0;
        }
        m_bMouseDown = FALSE;
        m_bButtonPressed = FALSE;
        return T::WindowProc(message, wParam, lParam);
    default:
        break;
    }
    const LRESULT result = T::WindowProc(message, wParam, lParam);
    if (message == WM_CREATE)
        m_bCreated = TRUE;
    return result;
}

template class COXDropEdit<COXEdit>;
template class COXDropEdit<COXNumericEdit>;
template class COXDropEdit<COXMaskedEdit>;
