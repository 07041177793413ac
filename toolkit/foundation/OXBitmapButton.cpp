#include "toolkit/foundation/OXBitmapButton.h"

#include "afx/DC.h"
#include "afx/DataExchange.h"
#include "toolkit/foundation/OXBitmapButtonLayout.h"
#include "toolkit/foundation/OXFontCopy.h"

IMPLEMENT_DYNAMIC(COXBitmapButton, CButton)

BEGIN_MESSAGE_MAP(COXBitmapButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_SYSKEYDOWN()
    ON_WM_SYSKEYUP()
    ON_WM_KILLFOCUS()
    ON_WM_MBUTTONUP()
    ON_WM_ENABLE()
    ON_WM_SETCURSOR()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(WM_OXBB_CHECKHOVER, &COXBitmapButton::OnCheckHover)
    ON_MESSAGE(WM_SETTEXT, &COXBitmapButton::OnSetText)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &COXBitmapButton::OnClicked)
END_MESSAGE_MAP()

COXBitmapButton::COXBitmapButton()
    : m_animation(),
      m_bAnimationPlaying(FALSE),
      m_imageList(),
      m_palette(),
      m_textColor(RGB(0, 0, 0)),
      m_font(),
      m_toolTip(),
      m_bTrackLook(FALSE),
      m_bHovering(FALSE),
      m_bMouseDown(FALSE),
      m_bTransparent(FALSE),
      m_background(),
      m_bBackgroundTaken(FALSE),
      m_nCursorID(0),
      m_hCursor(nullptr),
      m_nDisabledCursorID(0),
      m_hDisabledCursor(nullptr),
      m_bEnableOverride(FALSE),
      m_bOverrideEnabled(FALSE),
      m_bHadTabStop(FALSE),
      m_bArrowSeparator(TRUE),
      m_imageMargins(-5, -5),
      m_textMargins(-7, -6),
      m_defaultFrameMargins(0, 0),
      m_focusMargins(-4, -4),
      m_focusEllipseSize(7, 6),
      m_pressedOffset(2, 2),
      m_pushedOffset(1, 1),
      m_hoverOffset(-1, -1),
      m_arrowMargins(-2, -5),
      m_dwStyleFlags(0),
      m_dwStateFlags(0),
      m_nArrowWidth(0)
{
    m_nArrowWidth = GetDropDownArrowWidth();
}

COXBitmapButton::~COXBitmapButton()
{
    if (m_toolTip.GetSafeHwnd())
        m_toolTip.DestroyWindow();
    if (m_animation.GetSafeHwnd())
        m_animation.DestroyWindow();
}

BOOL COXBitmapButton::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style = (cs.style & ~0xFUL) | BS_OWNERDRAW;
    return CButton::PreCreateWindow(cs);
}

// ---- Text and tooltip ---------------------------------------------------------

CString COXBitmapButton::GetText() const
{
    CString all;
    GetWindowText(all);
    int split = all.Find('\n');
    return split < 0 ? all : all.Left(split);
}

CString COXBitmapButton::GetToolTipText() const
{
    CString all;
    GetWindowText(all);
    int split = all.Find('\n');
    return split < 0 ? CString() : all.Mid(split + 1);
}

void COXBitmapButton::SetText(LPCTSTR lpszText)
{
    CString tip = GetToolTipText();
    CString all(lpszText);
    if (!tip.IsEmpty())
        all += "\n" + tip;
    SetWindowText(all);
}

void COXBitmapButton::SetToolTipText(LPCTSTR lpszTip)
{
    CString all = GetText();
    if (lpszTip && *lpszTip)
        all += CString("\n") + lpszTip;
    SetWindowText(all);
}

void COXBitmapButton::ResetToolTipTool()
{
    if (!m_toolTip.GetSafeHwnd())
        return;
    m_toolTip.DelTool(this, OXBB_TOOLID);
    CString tip = GetToolTipText();
    if (!tip.IsEmpty()) {
        CRect client;
        GetClientRect(&client);
        m_toolTip.AddTool(this, tip, &client, OXBB_TOOLID);
    }
}

BOOL COXBitmapButton::EnableButtonToolTip(BOOL bEnable)
{
    if (!bEnable) {
        if (m_toolTip.GetSafeHwnd()) {
            m_toolTip.DelTool(this, OXBB_TOOLID);
            m_toolTip.DestroyWindow();
        }
        return TRUE;
    }
    if (!m_toolTip.GetSafeHwnd() && !m_toolTip.Create(this))
        return FALSE;
    ResetToolTipTool();
    return TRUE;
}

LRESULT COXBitmapButton::OnSetText(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    LRESULT result = Default();
    ResetToolTipTool();
    Invalidate();
    return result;
}

BOOL COXBitmapButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.GetSafeHwnd())
        m_toolTip.RelayEvent(pMsg);
    return CButton::PreTranslateMessage(pMsg);
}

// ---- Fonts, colours, styles ------------------------------------------------------

CFont* COXBitmapButton::GetTextFont()
{
    if (!m_font.GetSafeHandle()) {
        // The window's font, copied once so that the button owns what it draws with.
        HFONT window = m_hWnd ? reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)) : nullptr;
        LOGFONTA font = {};
        if (!window || !::GetObjectA(window, sizeof font, &font))
            ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
        m_font.CreateFontIndirect(&font);
    }
    return &m_font;
}

void COXBitmapButton::SetTextFont(CFont* pFont)
{
    if (OXCopyFont(m_font, pFont) && m_hWnd)
        Invalidate();
}

void COXBitmapButton::SetTextColor(COLORREF color)
{
    if (color == m_textColor)
        return;
    m_textColor = color;
    if (m_hWnd)
        Invalidate();
}

void COXBitmapButton::SetStyleFlags(DWORD dwFlags, BOOL bRedraw)
{
    m_dwStyleFlags = dwFlags;
    if (bRedraw && m_hWnd)
        Invalidate();
}

void COXBitmapButton::SetStateFlags(DWORD dwFlags, BOOL bRedraw)
{
    m_dwStateFlags = dwFlags;
    if (bRedraw && m_hWnd)
        Invalidate();
}

BOOL COXBitmapButton::SetTrackLook(BOOL bTrackLook)
{
    if (m_hWnd && (GetStyle() & 0xF) != BS_OWNERDRAW)
        return FALSE;
    if (bTrackLook != m_bTrackLook) {
        m_bTrackLook = bTrackLook;
        if (m_hWnd)
            Invalidate();
    }
    return TRUE;
}

void COXBitmapButton::SetTransparent(BOOL bTransparent)
{
    m_bTransparent = bTransparent;
    DropBackground();
    if (m_hWnd)
        Invalidate();
}

namespace {
// A cursor resource for the button; id 0 clears it. FALSE for an id that
// cannot be loaded, leaving the cursor as it was.
BOOL LoadButtonCursor(UINT nCursorID, UINT& nID, HCURSOR& hCursor)
{
    HCURSOR cursor = nCursorID ? ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nCursorID)) : nullptr;
    if (nCursorID && !cursor)
        return FALSE;
    nID = nCursorID;
    hCursor = cursor;
    return TRUE;
}
} // namespace

BOOL COXBitmapButton::SetButtonCursor(UINT nCursorID)
{
    return LoadButtonCursor(nCursorID, m_nCursorID, m_hCursor);
}

BOOL COXBitmapButton::SetDisabledCursor(UINT nCursorID)
{
    return LoadButtonCursor(nCursorID, m_nDisabledCursorID, m_hDisabledCursor);
}

CString COXBitmapButton::StripMnemonics(LPCTSTR lpszText)
{
    return StripButtonMnemonics(lpszText);
}

// ---- Enabling ------------------------------------------------------------------

BOOL COXBitmapButton::IsButtonEnabled() const
{
    if (m_bEnableOverride)
        return m_bOverrideEnabled;
    return m_hWnd && IsWindowEnabled();
}

void COXBitmapButton::SetEnableOverride(BOOL bOverride)
{
    if (bOverride == m_bEnableOverride || !m_hWnd)
        return;
    if (bOverride) {
        BOOL enabled = IsWindowEnabled();
        m_bHadTabStop = (GetStyle() & WS_TABSTOP) != 0;
        m_bEnableOverride = TRUE;
        m_bOverrideEnabled = !enabled;   // so that EnableButton sees a change and repaints
        EnableWindow(TRUE);
        EnableButton(enabled);
    } else {
        m_bEnableOverride = FALSE;
        if (m_bHadTabStop)
            ModifyStyle(0, WS_TABSTOP);
        EnableWindow(m_bOverrideEnabled);
        Invalidate();
    }
}

BOOL COXBitmapButton::EnableButton(BOOL bEnable)
{
    if (!m_bEnableOverride)
        return m_hWnd ? !EnableWindow(bEnable) : FALSE;
    BOOL previous = m_bOverrideEnabled;
    m_bOverrideEnabled = bEnable;
    if (m_bHadTabStop && m_hWnd)
        ModifyStyle(bEnable ? 0 : WS_TABSTOP, bEnable ? WS_TABSTOP : 0);
    if (previous != bEnable && m_hWnd) {
        Invalidate();
        RecheckState();
    }
    return previous;
}

// ---- Hover, press and keys ------------------------------------------------------------

void COXBitmapButton::CheckHover(CPoint screen)
{
    if (!m_hWnd || (!m_bTrackLook && !m_animation.GetSafeHwnd()))
        return;
    CRect window;
    GetWindowRect(&window);
    if (window.PtInRect(screen) && IsButtonEnabled()) {
        if (!m_bMouseDown && ::GetCapture() != m_hWnd)
            SetCapture();
        if (!m_bHovering) {
            m_bHovering = TRUE;
            BOOL focusedThird = ::GetFocus() == m_hWnd && (m_dwStateFlags & OXBB_STATE_THIRD);
            if (m_bTrackLook && !focusedThird)
                Invalidate();
        }
        if (m_animation.GetSafeHwnd() && !m_bAnimationPlaying) {
            m_animation.Play(0, 0xFFFF, 1);
            m_bAnimationPlaying = TRUE;
        }
    } else {
        if (!m_bMouseDown && ::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        if (m_bHovering && m_bTrackLook && !(m_dwStateFlags & OXBB_STATE_THIRD))
            Invalidate();
        m_bHovering = FALSE;
        m_bAnimationPlaying = FALSE;
    }
}

void COXBitmapButton::RecheckState()
{
    if (!m_hWnd || (!m_bTrackLook && !m_animation.GetSafeHwnd()))
        return;
    if (m_bHovering && ::GetCapture() != m_hWnd) {
        m_bHovering = FALSE;
        if (m_bTrackLook && !(m_dwStateFlags & OXBB_STATE_THIRD))
            Invalidate();
        PostMessage(WM_OXBB_CHECKHOVER);
    }
}

LRESULT COXBitmapButton::OnCheckHover(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CPoint cursor;
    ::GetCursorPos(&cursor);
    CheckHover(cursor);
    return 0;
}

void COXBitmapButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!IsButtonEnabled())
        return;
    CPoint screen = point;
    ClientToScreen(&screen);
    CheckHover(screen);
    CButton::OnMouseMove(nFlags, point);
}

void COXBitmapButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!IsButtonEnabled())
        return;
    m_bMouseDown = TRUE;
    CButton::OnLButtonDown(nFlags, point);
    RecheckState();
}

void COXBitmapButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!IsButtonEnabled())
        return;
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point) && (GetState() & BST_PUSHED))
        Toggle();
    CButton::OnLButtonUp(nFlags, point);
    m_bMouseDown = FALSE;
    RecheckState();
}

void COXBitmapButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A double click acts as a second press.
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void COXBitmapButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsButtonEnabled())
        return;
    if (nChar == VK_RETURN)
        Toggle();
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
    RecheckState();
}

void COXBitmapButton::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsButtonEnabled())
        return;
    if (nChar == VK_SPACE)
        Toggle();
    CButton::OnKeyUp(nChar, nRepCnt, nFlags);
    RecheckState();
}

void COXBitmapButton::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (IsButtonEnabled())
        CButton::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void COXBitmapButton::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsButtonEnabled())
        return;
    CButton::OnSysKeyUp(nChar, nRepCnt, nFlags);
    RecheckState();
}

void COXBitmapButton::OnKillFocus(CWnd* pNewWnd)
{
    if (IsButtonEnabled())
        CButton::OnKillFocus(pNewWnd);
}

void COXBitmapButton::OnMButtonUp(UINT nFlags, CPoint point)
{
    if (!IsButtonEnabled())
        return;
    CButton::OnMButtonUp(nFlags, point);
    RecheckState();
}

void COXBitmapButton::OnEnable(BOOL bEnable)
{
    CButton::OnEnable(bEnable);
    RecheckState();
}

BOOL COXBitmapButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    HCURSOR cursor = IsButtonEnabled() ? m_hCursor : m_hDisabledCursor;
    if (cursor) {
        ::SetCursor(cursor);
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

void COXBitmapButton::Toggle()
{
    if (!(m_dwStyleFlags & (OXBB_DROPDOWN | OXBB_TOGGLE)))
        return;
    if (m_dwStateFlags & OXBB_STATE_PUSHED) {
        if ((m_dwStyleFlags & OXBB_TOGGLE) && (m_dwStyleFlags & OXBB_THREESTATE) && !(m_dwStateFlags & OXBB_STATE_THIRD))
            m_dwStateFlags |= OXBB_STATE_THIRD;
        else
            m_dwStateFlags &= ~(OXBB_STATE_PUSHED | OXBB_STATE_THIRD);
    } else {
        m_dwStateFlags |= OXBB_STATE_PUSHED;
    }
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL COXBitmapButton::OnClicked()
{
    return NotifyParentOfState();
}

BOOL COXBitmapButton::NotifyParentOfState()
{
    CWnd* parent = GetParent();
    NMHDR header = {};
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    if (m_dwStyleFlags & OXBB_DROPDOWN) {
        header.code = OXBBN_DROPDOWN;
        LRESULT answer = parent ? parent->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)) : 0;
        if (answer == 0)
            OnDropDown();
        // Pushed by the button-up while the drop-down ran; now released.
        Toggle();
    } else if (m_dwStyleFlags & OXBB_TOGGLE) {
        header.code = OXBBN_TOGGLE;
        LRESULT answer = parent ? parent->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)) : 0;
        if (answer == 0)
            OnToggle();
    }
    // The parent sees the click as well.
    return FALSE;
}

void COXBitmapButton::OnDropDown()
{
}

void COXBitmapButton::OnToggle()
{
}

// ---- Transparent mode ------------------------------------------------------------

void COXBitmapButton::DropBackground()
{
    m_background.DeleteImageList();
    m_bBackgroundTaken = FALSE;
}

BOOL COXBitmapButton::OnEraseBkgnd(CDC* pDC)
{
    if (!m_bTransparent)
        return CButton::OnEraseBkgnd(pDC);
    CWnd* parent = GetParent();
    if (!m_bBackgroundTaken && parent) {
        // The parent's pixels under the button, taken once.
        CRect rect;
        GetWindowRect(&rect);
        parent->ScreenToClient(&rect);
        HDC parentDC = ::GetDC(parent->GetSafeHwnd());
        HDC memory = ::CreateCompatibleDC(parentDC);
        HBITMAP bitmap = ::CreateCompatibleBitmap(parentDC, rect.Width(), rect.Height());
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, rect.Width(), rect.Height(), parentDC, rect.left, rect.top, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
        ::ReleaseDC(parent->GetSafeHwnd(), parentDC);
        if (m_background.Create(rect.Width(), rect.Height(), ILC_COLORDDB, 1, 0) &&
            ImageList_Add(m_background.GetSafeHandle(), bitmap, nullptr) == 0)
            m_bBackgroundTaken = TRUE;
        ::DeleteObject(bitmap);
    }
    return TRUE;
}

void COXBitmapButton::RetakeBackground()
{
    // The snapshot no longer matches the place: hiding and showing again lets
    // the parent paint there first, and the next erase takes a new one.
    if (!m_bTransparent || !IsWindowVisible())
        return;
    DropBackground();
    BOOL focused = ::GetFocus() == m_hWnd;
    ShowWindow(SW_HIDE);
    ShowWindow(SW_SHOWNA);
    if (focused)
        SetFocus();
}

void COXBitmapButton::OnSize(UINT nType, int cx, int cy)
{
    CButton::OnSize(nType, cx, cy);
    RetakeBackground();
    ResetToolTipTool();
}

void COXBitmapButton::OnMove(int x, int y)
{
    CButton::OnMove(x, y);
    RetakeBackground();
}

// ---- Data exchange -----------------------------------------------------------------

void AFXAPI DDX_BitmapButtonState(CDataExchange* pDX, int nIDC, int& nState)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    COXBitmapButton* button = dynamic_cast<COXBitmapButton*>(CWnd::FromHandlePermanent(control));
    ASSERT(button);
    if (!button)
        return;
    DWORD state = button->GetStateFlags();
    if (pDX->m_bSaveAndValidate) {
        if (!(button->GetStyleFlags() & OXBB_TOGGLE))
            nState = -1;
        else if (state & OXBB_STATE_THIRD)
            nState = 2;
        else
            nState = (state & OXBB_STATE_PUSHED) ? 1 : 0;
        return;
    }
    state &= ~(OXBB_STATE_PUSHED | OXBB_STATE_THIRD);
    if (nState == 1) {
        state |= OXBB_STATE_PUSHED;
    } else if (nState == 2) {
        state |= OXBB_STATE_PUSHED | OXBB_STATE_THIRD;
    } else {
        nState = 0;
    }
    button->SetStateFlags(state, TRUE);
}
