#include "toolkit/foundation/OXPopupBarCtrl.h"

#include "afx/DC.h"
#include "afx/WinApp.h"
#include "toolkit/resources/ToolkitResource.h"

#include "toolkit/foundation/OXFontCopy.h"
#include "toolkit/foundation/OXNonClientMetrics.h"
#include "toolkit/foundation/OXPopupBarMessages.h"

namespace {
CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}
} // namespace

IMPLEMENT_DYNAMIC(COXPopupBarCtrl, CWnd)

BEGIN_MESSAGE_MAP(COXPopupBarCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_NCCREATE()
    ON_MESSAGE(WM_FLOATSTATUS, &COXPopupBarCtrl::OnFloatStatus)
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()

COXPopupBarCtrl::COXPopupBarCtrl(UINT nButtons, UINT nRows, DWORD dwDefault, CSize buttonSize,
                                 LPCTSTR lpszDefaultCaption, LPCTSTR lpszCustomCaption)
    : m_arrData(),
      m_nButtons(static_cast<int>(nButtons)),
      m_nRows(static_cast<int>(nRows)),
      m_dwBarStyle(0),
      m_mapToolTips(),
      m_toolTip(),
      m_dwSelected(0xFFFFFFFF),
      m_dwDefault(dwDefault),
      m_buttonSize(buttonSize),
      m_strDefaultCaption(lpszDefaultCaption),
      m_strCustomCaption(lpszCustomCaption),
      m_strTearOffTip(LoadText(IDS_OX_POPUPBAR_TEAROFF_TIP)),
      m_strFloatingCaption(LoadText(IDS_OX_POPUPBAR_CAPTION)),
      m_pParent(nullptr),
      m_font(),
      m_palette(),
      m_nTimerId(0),
      m_bMouseSeen(TRUE),
      m_lastMousePoint(-1, -1),
      m_nCheckedIndex(-1),
      m_nHotIndex(-1),
      m_layout(),
      m_bPressed(FALSE),
      m_bTearOffArmed(FALSE),
      m_bTornOff(FALSE),
      m_bDragging(FALSE),
      m_nPickResult(PickRunning)
{
    ASSERT(m_nRows > 0);
}

COXPopupBarCtrl::COXPopupBarCtrl(UINT nButtons, UINT nRows, DWORD dwDefault, CSize buttonSize,
                                 UINT nIDDefaultCaption, UINT nIDCustomCaption)
    : COXPopupBarCtrl(nButtons, nRows, dwDefault, buttonSize, LoadText(nIDDefaultCaption), LoadText(nIDCustomCaption))
{
    // The tear-off texts come from the toolkit's strings in both forms, so
    // that a torn-off bar never floats without a caption.
}

COXPopupBarCtrl::~COXPopupBarCtrl()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL COXPopupBarCtrl::Create(CWnd* pParent, DWORD dwBarStyle, HBRUSH hbrBackground)
{
    ASSERT(pParent && !m_hWnd);
    m_pParent = pParent;
    m_dwBarStyle = dwBarStyle;
    if (!hbrBackground)
        hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));

    WNDCLASSA wc = {};
    HINSTANCE instance = AfxGetInstanceHandle();
    if (!::GetClassInfoA(instance, POPUPBAR_CLASSNAME, &wc)) {
        wc = {};
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = POPUPBAR_CLASSNAME;
        if (!::RegisterClassA(&wc))
            return FALSE;
    }
    return CreateBarWindow();
}

BOOL COXPopupBarCtrl::CreateBarWindow()
{
    DWORD exStyle = m_bTornOff ? PopupBarFloatingExStyle : WS_EX_DLGMODALFRAME;
    DWORD style = m_bTornOff ? PopupBarFloatingStyle : WS_POPUP;
    if (!CreateEx(exStyle, POPUPBAR_CLASSNAME, m_strFloatingCaption, style, 0, 0, 0, 0, m_pParent->GetSafeHwnd(), nullptr,
                  nullptr))
        return FALSE;
    m_nTimerId = SetTimer(PopupBarTimerId, PopupBarTimerPeriod, nullptr);
    if (!m_nTimerId || !m_toolTip.Create(this)) {
        DestroyWindow();
        return FALSE;
    }
    if (style & WS_SYSMENU) {
        if (HMENU menu = ::GetSystemMenu(m_hWnd, FALSE)) {
            for (UINT command : { SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, SC_SIZE })
                ::DeleteMenu(menu, command, MF_BYCOMMAND);
        }
    }
    return TRUE;
}

void COXPopupBarCtrl::SetButtonData(const DWORD* pData, int nCount)
{
    CloseTornOff();
    m_arrData.RemoveAll();
    for (int i = 0; i < nCount; ++i)
        m_arrData.Add(pData[i]);
}

void COXPopupBarCtrl::SetButtonData(const CDWordArray& data)
{
    SetButtonData(data.GetData(), static_cast<int>(data.GetSize()));
}

void COXPopupBarCtrl::SetToolTipText(DWORD dwValue, LPCTSTR lpszText)
{
    m_mapToolTips.SetAt(dwValue, lpszText);
}

void COXPopupBarCtrl::SetToolTipTexts(const DWORD* pValues, const UINT* pStringIds, int nCount)
{
    m_mapToolTips.RemoveAll();
    for (int i = 0; i < nCount; ++i)
        m_mapToolTips.SetAt(pValues[i], LoadText(pStringIds[i]));
}

void COXPopupBarCtrl::SetToolTipTexts(const DWORD* pValues, const LPCTSTR* pTexts, int nCount)
{
    m_mapToolTips.RemoveAll();
    for (int i = 0; i < nCount; ++i)
        m_mapToolTips.SetAt(pValues[i], pTexts[i]);
}

void COXPopupBarCtrl::SetToolTipTexts(const CMap<DWORD, DWORD, CString, LPCTSTR>& texts)
{
    m_mapToolTips.RemoveAll();
    POSITION position = texts.GetStartPosition();
    while (position) {
        DWORD value = 0;
        CString text;
        texts.GetNextAssoc(position, value, text);
        m_mapToolTips.SetAt(value, text);
    }
}

CString COXPopupBarCtrl::GetToolTipText(DWORD dwValue) const
{
    CString text;
    m_mapToolTips.Lookup(dwValue, text);
    return text;
}

void COXPopupBarCtrl::SetTextFont(CFont* pFont)
{
    OXCopyFont(m_font, pFont);
}

CWnd* COXPopupBarCtrl::GetBarLastActivePopup() const
{
    return m_hWnd ? CWnd::FromHandle(::GetLastActivePopup(m_hWnd)) : nullptr;
}

BOOL COXPopupBarCtrl::HasToolTipText(DWORD dwValue) const
{
    CString text;
    return m_mapToolTips.Lookup(dwValue, text);
}

int COXPopupBarCtrl::HitTest(CPoint point) const
{
    if (!IsDefaultButtonHidden() && m_layout.defaultRect.PtInRect(point))
        return 0;
    for (size_t i = 0; i < m_layout.buttonRects.size(); ++i)
        if (m_layout.buttonRects[i].PtInRect(point))
            return static_cast<int>(i) + 1;
    if (!IsCustomButtonHidden() && m_layout.customRect.PtInRect(point))
        return m_nButtons + 1;
    return -1;
}

int COXPopupBarCtrl::FindButton(DWORD dwValue) const
{
    if (dwValue == 0xFFFFFFFF)
        return -1;
    if (!IsDefaultButtonHidden() && dwValue == m_dwDefault)
        return 0;
    for (INT_PTR i = 0; i < m_arrData.GetSize() && i < m_nButtons; ++i)
        if (m_arrData[i] == dwValue)
            return static_cast<int>(i) + 1;
    return IsCustomButtonHidden() ? -1 : m_nButtons + 1;
}

CRect COXPopupBarCtrl::IndexRect(int nIndex) const
{
    if (nIndex == 0)
        return m_layout.defaultRect;
    if (nIndex >= 1 && nIndex <= static_cast<int>(m_layout.buttonRects.size()))
        return m_layout.buttonRects[nIndex - 1];
    if (nIndex == m_nButtons + 1)
        return m_layout.customRect;
    return CRect();
}

void COXPopupBarCtrl::InvalidateButton(int nIndex)
{
    CRect rect = IndexRect(nIndex);
    if (m_hWnd && !rect.IsRectEmpty())
        InvalidateRect(&rect, FALSE);
}

BOOL COXPopupBarCtrl::CalcLayout()
{
    if (!m_font.GetSafeHandle()) {
        NONCLIENTMETRICSA metrics;
        OXGetNonClientMetrics(metrics);
        LOGFONTA font = metrics.lfMessageFont;
        if (!metrics.lfMessageFont.lfFaceName[0])
            ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
        if (!m_font.CreateFontIndirect(&font))
            return FALSE;
    }
    PopupBarGeometry g;
    g.buttonCount = m_nButtons;
    g.rowCount = m_nRows;
    g.buttonSize = m_buttonSize;
    g.hasDefault = !IsDefaultButtonHidden();
    g.hasCustom = !IsCustomButtonHidden();
    g.hasTearOff = IsTearOffShown() && !m_bTornOff;
    g.tornOff = m_bTornOff;
    g.dialogFrame = CSize(::GetSystemMetrics(SM_CXDLGFRAME), ::GetSystemMetrics(SM_CYDLGFRAME));
    g.smallCaptionHeight = ::GetSystemMetrics(SM_CYSMCAPTION);
    {
        CClientDC dc(this);
        CFont* old = dc.SelectObject(&m_font);
        CRect measure(0, 0, 1000, 0);
        g.defaultTextHeight = dc.DrawText(m_strDefaultCaption, &measure, DT_CALCRECT | DT_SINGLELINE);
        measure = CRect(0, 0, 1000, 0);
        g.customTextHeight = dc.DrawText(m_strCustomCaption, &measure, DT_CALCRECT | DT_SINGLELINE);
        dc.SelectObject(old);
    }
    m_layout = CalcPopupBarLayout(g);
    return TRUE;
}

void COXPopupBarCtrl::UpdateToolTips()
{
    if (!m_toolTip.GetSafeHwnd())
        return;
    while (m_toolTip.GetToolCount() > 0) {
        TOOLINFOA info = {};
        info.cbSize = sizeof(info);
        if (!::SendMessageA(m_toolTip.GetSafeHwnd(), TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)))
            break;
        ::SendMessageA(m_toolTip.GetSafeHwnd(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
    for (size_t i = 0; i < m_layout.buttonRects.size(); ++i) {
        CString text;
        if (i < static_cast<size_t>(m_arrData.GetSize()) && m_mapToolTips.Lookup(m_arrData[i], text))
            m_toolTip.AddTool(this, text, &m_layout.buttonRects[i], i + 1);
    }
    if (!IsDefaultButtonHidden())
        m_toolTip.AddTool(this, m_strDefaultCaption, &m_layout.defaultRect, m_nButtons + 1);
    if (!IsCustomButtonHidden())
        m_toolTip.AddTool(this, m_strCustomCaption, &m_layout.customRect, m_nButtons + 2);
    if (IsTearOffShown() && !m_bTornOff)
        m_toolTip.AddTool(this, m_strTearOffTip, &m_layout.tearOffRect, m_nButtons + 3);
}

BOOL COXPopupBarCtrl::Pick(UINT nAlignment, CRect* pAnchorRect, CSize szOffset)
{
    if (m_hWnd && m_bTornOff) {
        // A floating bar becomes a popup again.
        DestroyWindow();
        m_bTornOff = FALSE;
        if (!CreateBarWindow())
            return FALSE;
    }
    if (!m_hWnd)
        return FALSE;
    while (m_arrData.GetSize() < m_nButtons)
        m_arrData.Add(0);
    if (!CalcLayout())
        return FALSE;

    CRect anchor;
    if (pAnchorRect)
        anchor = *pAnchorRect;
    else
        m_pParent->GetWindowRect(&anchor);
    CRect area;
    CWnd* mainWnd = AfxGetMainWnd();
    if (mainWnd && (mainWnd->GetExStyle() & WS_EX_TOPMOST))
        ::GetWindowRect(::GetDesktopWindow(), &area);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    CPoint topLeft;
    if (!PlacePopupBar(static_cast<int>(nAlignment), anchor, szOffset.cx, szOffset.cy, m_layout.windowSize,
                       CSize(area.Width(), area.Height()), topLeft))
        return FALSE;

    m_nHotIndex = -1;
    m_nCheckedIndex = m_dwSelected != 0xFFFFFFFF ? FindButton(m_dwSelected) : -1;
    UpdateToolTips();
    m_toolTip.Activate((m_dwBarStyle & POPUPBAR_NOTOOLTIPS) == 0);
    SetWindowPos(nullptr, topLeft.x, topLeft.y, m_layout.windowSize.cx, m_layout.windowSize.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNA);

    HWND focus = ::GetFocus();
    ::SetFocus(nullptr);
    HWND previousCapture = ::GetCapture();
    ::SetCapture(m_hWnd);
    m_bPressed = FALSE;
    m_bTearOffArmed = FALSE;
    m_nPickResult = PickRunning;
    m_lastMousePoint = CPoint(-1, -1);
    BOOL replayClick = FALSE;
    MSG click = {};

    MSG msg;
    while (::GetCapture() == m_hWnd) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT belongs to the thread's loop: hand it back and cancel.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nPickResult = PickCancelled;
            break;
        }
        if (got == -1) {
            m_nPickResult = PickCancelled;
            break;
        }
        if (m_toolTip.GetSafeHwnd())
            m_toolTip.RelayEvent(&msg);
        if (msg.message == WM_SYSKEYDOWN) {
            HandleKeyDown(static_cast<UINT>(msg.wParam));
        } else if (msg.message == WM_SYSKEYUP) {
            HandleKeyUp(static_cast<UINT>(msg.wParam));
        } else if (msg.message == MsgPopupOk) {
            m_nPickResult = PickChosen;
        } else if (msg.message == MsgPopupCancel) {
            m_nPickResult = PickCancelled;
        } else if (msg.message == MsgPopupCustom) {
            m_nPickResult = PickCustom;
            break;
        } else if (msg.message == MsgPopupTearOff) {
            m_nPickResult = PickTearOff;
            break;
        } else {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (msg.message == WM_LBUTTONDOWN) {
            click = msg;
            replayClick = TRUE;
        } else if (m_nPickResult != PickRunning) {
            break;
        } else {
            replayClick = FALSE;
        }
    }

    if (m_nPickResult != PickTearOff)
        ShowWindow(SW_HIDE);
    BOOL result = FALSE;
    if (m_nPickResult == PickChosen)
        result = TRUE;
    else if (m_nPickResult == PickCustom)
        result = OnCustomButton();
    if (focus && ::IsWindow(focus))
        ::SetFocus(focus);
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
        if (previousCapture && ::IsWindow(previousCapture))
            ::SetCapture(previousCapture);
    }

    if (replayClick && click.hwnd && ::IsWindow(click.hwnd)) {
        // The click that closed the bar still reaches the window under it.
        POINT screen = { static_cast<short>(LOWORD(click.lParam)), static_cast<short>(HIWORD(click.lParam)) };
        ::ClientToScreen(click.hwnd, &screen);
        HWND target = ::WindowFromPoint(screen);
        if (target) {
            LRESULT hit = ::SendMessageA(target, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
            if (hit == HTCLIENT) {
                POINT client = screen;
                ::ScreenToClient(target, &client);
                ::PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
            } else {
                ::PostMessageA(target, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(screen.x, screen.y));
            }
        }
    }
    if (m_nPickResult == PickTearOff)
        TearOff();
    return result;
}

void COXPopupBarCtrl::PostResult(UINT nMessage)
{
    if (!m_bTornOff) {
        PostMessage(nMessage, 0, 0);
        return;
    }
    // A floating bar stays open and reports to its parent.
    if (nMessage == MsgPopupCustom) {
        if (!OnCustomButton())
            return;
    } else if (nMessage == MsgPopupCancel) {
        m_bMouseSeen = FALSE;
        ShowWindow(SW_HIDE);
        return;
    }
    if (m_pParent && m_pParent->GetSafeHwnd())
        m_pParent->PostMessage(WM_POPUPBAR_PICKED, 0, reinterpret_cast<LPARAM>(m_hWnd));
}

void COXPopupBarCtrl::ChooseButton(int nIndex)
{
    if (nIndex == m_nButtons + 1) {
        PostResult(MsgPopupCustom);
        return;
    }
    SetCheckedButton(nIndex);
    if (m_nCheckedIndex == 0)
        m_dwSelected = m_dwDefault;
    else
        m_dwSelected = m_arrData.GetAt(m_nCheckedIndex - 1);
    PostResult(MsgPopupOk);
}

BOOL COXPopupBarCtrl::OnCustomButton()
{
    return FALSE;
}

void COXPopupBarCtrl::SetHotButton(int nIndex)
{
    if (nIndex == m_nHotIndex)
        return;
    int old = m_nHotIndex;
    m_nHotIndex = nIndex;
    InvalidateButton(old);
    InvalidateButton(nIndex);
}

void COXPopupBarCtrl::SetCheckedButton(int nIndex)
{
    if (nIndex == m_nCheckedIndex)
        return;
    int old = m_nCheckedIndex;
    m_nCheckedIndex = nIndex;
    InvalidateButton(old);
    InvalidateButton(nIndex);
}

void COXPopupBarCtrl::HandleButtonDown(CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) {
        m_bPressed = TRUE;
        InvalidateButton(HitTest(point));
        if (IsTearOffShown() && !m_bTornOff && m_layout.tearOffRect.PtInRect(point))
            m_bTearOffArmed = TRUE;
    } else if (!m_bTornOff) {
        PostResult(MsgPopupCancel);
    }
}

void COXPopupBarCtrl::HandleButtonUp()
{
    m_bTearOffArmed = FALSE;
    if (m_bPressed) {
        if (m_nHotIndex != -1)
            ChooseButton(m_nHotIndex);
        else if (!m_bTornOff)
            PostResult(MsgPopupCancel);
    }
    m_bPressed = FALSE;
}

void COXPopupBarCtrl::HandleKeyDown(UINT nChar)
{
    const BOOL shift = ::GetKeyState(VK_SHIFT) < 0;
    if (m_bTornOff && (nChar == VK_DOWN || nChar == VK_UP || nChar == VK_RIGHT || nChar == VK_TAB ||
                       nChar == VK_RETURN || nChar == VK_SPACE))
        m_bMouseSeen = FALSE;
    switch (nChar) {
    case VK_DOWN:
    case VK_UP:
    case VK_RIGHT:
    case VK_LEFT:
    case VK_TAB:
        SetHotButton(PopupBarNextHot(nChar, shift, m_nHotIndex, m_nButtons, GetColumnCount(),
                                     !IsDefaultButtonHidden(), !IsCustomButtonHidden()));
        break;
    case VK_RETURN:
        if (m_nHotIndex != -1)
            ChooseButton(m_nHotIndex);
        else if (!m_bTornOff)
            PostResult(MsgPopupCancel);
        break;
    case VK_SPACE:
        if (!m_bPressed && m_nHotIndex != -1) {
            m_bPressed = TRUE;
            InvalidateButton(m_nHotIndex);
        }
        break;
    default:
        break;
    }
}

void COXPopupBarCtrl::HandleKeyUp(UINT nChar)
{
    if (nChar == VK_ESCAPE) {
        PostResult(MsgPopupCancel);
    } else if (nChar == VK_SPACE) {
        m_bPressed = FALSE;
        if (m_nHotIndex != -1)
            ChooseButton(m_nHotIndex);
        else if (!m_bTornOff)
            PostResult(MsgPopupCancel);
    }
}

BOOL COXPopupBarCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.GetSafeHwnd()) {
        m_toolTip.Activate(TRUE);
        m_toolTip.RelayEvent(pMsg);
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void COXPopupBarCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IsTearOffShown() && !m_bTornOff && m_bTearOffArmed && !m_layout.tearOffRect.PtInRect(point)) {
        // Dragged off the strip: the pick ends and the tear-off begins.
        m_bTearOffArmed = FALSE;
        PostMessage(MsgPopupTearOff, 0, 0);
    }
    if (m_bTornOff)
        m_bMouseSeen = TRUE;
    if (point != m_lastMousePoint) {
        m_lastMousePoint = point;
        SetHotButton(HitTest(point));
    }
    CWnd::OnMouseMove(nFlags, point);
}

void COXPopupBarCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    HandleButtonDown(point);
    CWnd::OnLButtonDown(nFlags, point);
}

void COXPopupBarCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    HandleButtonDown(point);
    CWnd::OnRButtonDown(nFlags, point);
}

void COXPopupBarCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    HandleButtonUp();
    CWnd::OnLButtonUp(nFlags, point);
}

void COXPopupBarCtrl::OnRButtonUp(UINT nFlags, CPoint point)
{
    HandleButtonUp();
    CWnd::OnRButtonUp(nFlags, point);
}

void COXPopupBarCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    HandleKeyDown(nChar);
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void COXPopupBarCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    HandleKeyUp(nChar);
    CWnd::OnKeyUp(nChar, nRepCnt, nFlags);
}

BOOL COXPopupBarCtrl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void COXPopupBarCtrl::OnPaint()
{
    CPaintDC dc(this);
    CPalette* oldPalette = nullptr;
    if (m_palette.GetSafeHandle()) {
        oldPalette = dc.SelectPalette(&m_palette, FALSE);
        dc.RealizePalette();
    }
    CRect client;
    GetClientRect(&client);
    DrawBackground(&dc, client);
    for (int i = 0; i < static_cast<int>(m_layout.buttonRects.size()); ++i)
        DrawButtonAt(&dc, i);
    if (IsTearOffShown() && !m_bTornOff)
        DrawTearOffBar(&dc);
    if (!IsDefaultButtonHidden())
        DrawDefaultButton(&dc);
    if (!IsCustomButtonHidden())
        DrawCustomButton(&dc);
    if (oldPalette)
        dc.SelectPalette(oldPalette, FALSE);
}

void COXPopupBarCtrl::DrawBackground(CDC* pDC, const CRect& rect)
{
    HBRUSH brush = reinterpret_cast<HBRUSH>(::GetClassLongPtrA(m_hWnd, GCLP_HBRBACKGROUND));
    ::FillRect(pDC->GetSafeHdc(), &rect, brush ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
}

void COXPopupBarCtrl::DrawButtonFrame(CDC* pDC, CRect rect, int nIndex)
{
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (nIndex == m_nCheckedIndex)
        pDC->Draw3dRect(&rect, shadow, highlight);
    if (nIndex == m_nHotIndex) {
        if (m_bPressed)
            pDC->Draw3dRect(&rect, shadow, highlight);
        else
            pDC->Draw3dRect(&rect, highlight, shadow);
    }
    rect.DeflateRect(1, 1);
    if (nIndex == m_nCheckedIndex && nIndex != m_nHotIndex)
        pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_3DLIGHT));
}

void COXPopupBarCtrl::DrawButtonAt(CDC* pDC, int nButton)
{
    DrawButtonFrame(pDC, m_layout.buttonRects[nButton], nButton + 1);
}

void COXPopupBarCtrl::DrawTearOffBar(CDC* pDC)
{
    ::FillRect(pDC->GetSafeHdc(), &m_layout.tearOffRect, ::GetSysColorBrush(COLOR_HIGHLIGHT));
}

void COXPopupBarCtrl::DrawDefaultButton(CDC* pDC)
{
    CRect rect = m_layout.defaultRect;
    DrawButtonFrame(pDC, rect, 0);
    rect.DeflateRect(2, 2);
    ::FrameRect(pDC->GetSafeHdc(), &rect, ::GetSysColorBrush(COLOR_BTNSHADOW));
    rect.DeflateRect(1, 1);
    CFont* old = pDC->SelectObject(&m_font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(m_strDefaultCaption, &rect, DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_SINGLELINE);
    pDC->SelectObject(old);
}

void COXPopupBarCtrl::DrawCustomButton(CDC* pDC)
{
    CRect rect = m_layout.customRect;
    DrawButtonFrame(pDC, rect, m_nButtons + 1);
    rect.DeflateRect(3, 3);
    CFont* old = pDC->SelectObject(&m_font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(m_strCustomCaption, &rect, DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_SINGLELINE);
    pDC->SelectObject(old);
}

void COXPopupBarCtrl::OnDestroy()
{
    if (m_nTimerId)
        KillTimer(m_nTimerId);
    m_nTimerId = 0;
    CWnd::OnDestroy();
}
