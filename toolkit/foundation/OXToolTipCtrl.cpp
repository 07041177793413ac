#include "toolkit/foundation/OXToolTipCtrl.h"

#include "afx/DC.h"
#include "toolkit/foundation/OXNonClientMetrics.h"

#include <algorithm>

namespace {
const UINT_PTR ShowTimerId = 1;
const UINT_PTR CheckTimerId = 2;
const UINT DefaultShowDelay = 500;
const UINT DefaultCheckPeriod = 500;
const UINT DefaultDisplayTime = 5000;
// DT_WORDBREAK | DT_EXPANDTABS | DT_EXTERNALLEADING | DT_NOPREFIX.
const UINT DefaultTextFormat = 0xA50;
// What marks the room of the extended-text triangle in a tip.
const char Blanks[] = "  ";
const int StringBufferSize = 512;
const int InlineTextMax = 79;   // the inline buffer holds 80 characters with the terminator

// The status-bar font of the system, shared by every tip.
LOGFONTA& SystemTipFont()
{
    static LOGFONTA font = {};
    return font;
}

void LoadSystemTipFont()
{
    NONCLIENTMETRICSA metrics;
    if (OXGetNonClientMetrics(metrics))
        SystemTipFont() = metrics.lfStatusFont;
    else
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTA), &SystemTipFont());
}

BOOL SameFont(const LOGFONTA& a, const LOGFONTA& b)
{
    return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           lstrcmpiA(a.lfFaceName, b.lfFaceName) == 0;
}
} // namespace

IMPLEMENT_DYNAMIC(COXToolTipCtrl, CWnd)

BEGIN_MESSAGE_MAP(COXToolTipCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETFOCUS()
    ON_WM_DESTROY()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_SETFONT, &COXToolTipCtrl::OnSetFont)
    ON_MESSAGE(WM_GETFONT, &COXToolTipCtrl::OnGetFont)
END_MESSAGE_MAP()

COXToolTipCtrl::COXToolTipCtrl()
    : m_pParentWnd(nullptr),
      m_rectMargins(2, 2, 3, 3),
      m_nMaxWidth(0),
      m_ptOffset(0, 20),
      m_font(),
      m_logFont(),
      m_nTextFormat(DefaultTextFormat),
      m_bUsingSystemFont(TRUE),
      m_pCurrentToolTip(nullptr),
      m_nCheckInterval(DefaultCheckPeriod),
      m_nDisplayTime(DefaultDisplayTime),
      m_nElapsedTime(0),
      m_nShowDelay(DefaultShowDelay),
      m_bActive(TRUE),
      m_bTipHidden(FALSE),
      m_bHasExtendedText(FALSE),
      m_bExtended(FALSE),
      m_clrBackColor(OXTT_DEFAULTCOLOR),
      m_clrTextColor(OXTT_DEFAULTCOLOR),
      m_hOldFocusWnd(nullptr),
      m_arrTools()
{
}

COXToolTipCtrl::~COXToolTipCtrl()
{
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); ++i)
        delete m_arrTools[i];
    m_arrTools.RemoveAll();
    m_pCurrentToolTip = nullptr;
    if (m_hWnd)
        DestroyWindow();
}

BOOL COXToolTipCtrl::Create(CWnd* pParentWnd)
{
    ASSERT(pParentWnd && !m_hWnd);
    LPCTSTR cls = AfxRegisterWndClass(CS_SAVEBITS | CS_CLASSDC, ::LoadCursor(nullptr, IDC_ARROW));
    if (!CreateEx(WS_EX_TOPMOST, cls, nullptr, WS_POPUP, 0, 0, 10, 10, pParentWnd->GetSafeHwnd(), nullptr))
        return FALSE;
    m_pParentWnd = pParentWnd;
    UseSystemFont(FALSE);
    return TRUE;
}

void COXToolTipCtrl::UseSystemFont(BOOL bRedraw)
{
    LoadSystemTipFont();
    SetTipFont(&SystemTipFont(), bRedraw);
}

BOOL COXToolTipCtrl::SetTipFont(const LOGFONT* pLogFont, BOOL bRedraw)
{
    if (!pLogFont)
        return FALSE;
    CFont font;
    if (!font.CreateFontIndirect(pLogFont))
        return FALSE;
    m_font.DeleteObject();
    m_font.Attach(font.Detach());
    m_logFont = *pLogFont;
    if (!SystemTipFont().lfFaceName[0])
        LoadSystemTipFont();
    m_bUsingSystemFont = SameFont(m_logFont, SystemTipFont());
    if (bRedraw && m_hWnd && IsTipShowing())
        Invalidate();
    return TRUE;
}

BOOL COXToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    if (!m_hWnd || !pWnd || !pWnd->GetSafeHwnd() || !m_pParentWnd)
        return FALSE;
    COXToolTipInfo* info = new COXToolTipInfo;
    info->hWnd = pWnd->GetSafeHwnd();
    info->nIDTool = nIDTool;
    if (lpszText == LPSTR_TEXTCALLBACKA)
        info->nTextCallback = -1;
    else if (lpszText)
        info->strText = lpszText;
    info->rectBounds = ToolRectInParent(pWnd, lpRectTool);
    info->nWidth = m_nMaxWidth;
    info->clrTextColor = m_clrTextColor;
    info->clrBackColor = m_clrBackColor;
    m_arrTools.Add(info);
    return TRUE;
}

CRect COXToolTipCtrl::ToolRectInParent(CWnd* pWnd, LPCRECT lpRect) const
{
    CRect rect;
    if (lpRect) {
        rect = *lpRect;
    } else {
        pWnd->GetWindowRect(&rect);
        pWnd->ScreenToClient(&rect);
    }
    // Tools are kept in the parent's client coordinates.
    ::MapWindowPoints(pWnd->GetSafeHwnd(), m_pParentWnd->GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

BOOL COXToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    CString text;
    text.LoadString(nIDText);
    return AddTool(pWnd, text, lpRectTool, nIDTool);
}

COXToolTipInfo* COXToolTipCtrl::FindTool(HWND hWnd, UINT_PTR nIDTool) const
{
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); ++i)
        if (m_arrTools[i]->hWnd == hWnd && m_arrTools[i]->nIDTool == nIDTool)
            return m_arrTools[i];
    return nullptr;
}

void COXToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    for (INT_PTR i = m_arrTools.GetSize() - 1; i >= 0; --i) {
        COXToolTipInfo* info = m_arrTools[i];
        if (info->hWnd != hWnd || info->nIDTool != nIDTool)
            continue;
        if (info == m_pCurrentToolTip) {
            HideTip();
            m_pCurrentToolTip = nullptr;
        }
        m_arrTools.RemoveAt(i);
        delete info;
    }
}

void COXToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    COXToolTipInfo* info = FindTool(pWnd ? pWnd->GetSafeHwnd() : nullptr, nIDTool);
    if (!info || !m_pParentWnd)
        return;
    info->rectBounds = ToolRectInParent(pWnd, lpRect);
}

BOOL COXToolTipCtrl::GetToolInfo(OXTOOLINFO& info, CWnd* pWnd, UINT_PTR nIDTool) const
{
    const COXToolTipInfo* tool = FindTool(pWnd ? pWnd->GetSafeHwnd() : nullptr, nIDTool);
    if (!tool)
        return FALSE;
    info = {};
    info.cbSize = sizeof(OXTOOLINFO);
    info.uFlags = tool->nFlags;
    info.hwnd = tool->hWnd;
    info.uId = tool->nIDTool;
    info.rect = tool->rectBounds;
    info.lpszText = tool->nTextCallback ? LPSTR_TEXTCALLBACKA : const_cast<LPSTR>(static_cast<LPCSTR>(tool->strText));
    info.lParam = tool->lParam;
    info.nWidth = tool->nWidth;
    info.clrTextColor = tool->clrTextColor;
    info.clrBackColor = tool->clrBackColor;
    return TRUE;
}

BOOL COXToolTipCtrl::SetToolInfo(const OXTOOLINFO* pInfo)
{
    if (!pInfo || pInfo->cbSize != sizeof(OXTOOLINFO))
        return FALSE;
    COXToolTipInfo* tool = FindTool(pInfo->hwnd, pInfo->uId);
    if (!tool)
        return FALSE;
    tool->nFlags = pInfo->uFlags;
    tool->rectBounds = pInfo->rect;
    if (pInfo->lpszText == LPSTR_TEXTCALLBACKA) {
        tool->nTextCallback = -1;
        tool->strText.Empty();
    } else {
        tool->nTextCallback = 0;
        tool->strText = pInfo->lpszText ? pInfo->lpszText : "";
    }
    tool->lParam = pInfo->lParam;
    tool->nWidth = pInfo->nWidth;
    tool->clrTextColor = pInfo->clrTextColor;
    tool->clrBackColor = pInfo->clrBackColor;
    return TRUE;
}

void COXToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool)
{
    COXToolTipInfo* tool = FindTool(pWnd ? pWnd->GetSafeHwnd() : nullptr, nIDTool);
    str = tool ? GetTipText(tool) : CString();
}

void COXToolTipCtrl::SetMaxTipWidth(int nWidth)
{
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); ++i)
        if (m_arrTools[i]->nWidth == m_nMaxWidth)
            m_arrTools[i]->nWidth = nWidth;
    m_nMaxWidth = nWidth;
}

void COXToolTipCtrl::SetTextColor(COLORREF color)
{
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); ++i)
        if (m_arrTools[i]->clrTextColor == m_clrTextColor)
            m_arrTools[i]->clrTextColor = color;
    m_clrTextColor = color;
}

void COXToolTipCtrl::SetBkColor(COLORREF color)
{
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); ++i)
        if (m_arrTools[i]->clrBackColor == m_clrBackColor)
            m_arrTools[i]->clrBackColor = color;
    m_clrBackColor = color;
}

void COXToolTipCtrl::Activate(BOOL bActivate)
{
    m_bActive = bActivate;
    if (!bActivate)
        HideTip();
}

COXToolTipInfo* COXToolTipCtrl::HitTest(CPoint point) const
{
    if (!m_pParentWnd || !m_pParentWnd->GetSafeHwnd())
        return nullptr;
    CPoint screen = point;
    m_pParentWnd->ClientToScreen(&screen);
    return ToolAtScreenPoint(screen);
}

COXToolTipInfo* COXToolTipCtrl::ToolAtScreenPoint(CPoint screen) const
{
    if (!m_pParentWnd || !m_pParentWnd->GetSafeHwnd())
        return nullptr;
    HWND parent = m_pParentWnd->GetSafeHwnd();
    CPoint point = screen;
    ::ScreenToClient(parent, &point);
    HWND window = ::WindowFromPoint(screen);
    if (window == parent)
        window = ::ChildWindowFromPointEx(parent, point, CWP_ALL);
    if (!window || (window != parent && !::IsChild(parent, window)))
        return nullptr;
    // Walk from the window under the point: a tool of that window holding
    // the point matches; a tool of one of its children holding the point
    // carries the walk on to that child.
    for (int guard = 0; window && guard < 64; ++guard) {
        HWND next = nullptr;
        for (INT_PTR i = 0; i < m_arrTools.GetSize(); ++i) {
            COXToolTipInfo* info = m_arrTools[i];
            if (!info->rectBounds.PtInRect(point))
                continue;
            if (info->hWnd == window)
                return info;
            if (!next && ::IsChild(window, info->hWnd))
                next = info->hWnd;
        }
        window = next;
    }
    return nullptr;
}

CString COXToolTipCtrl::GetTipText(COXToolTipInfo* pToolInfo)
{
    if (!pToolInfo)
        return CString();
    if (!pToolInfo->nTextCallback)
        return pToolInfo->strText;
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = m_hWnd;
    info.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(pToolInfo->hWnd));
    info.hdr.code = TTN_NEEDTEXTA;
    info.uFlags = pToolInfo->nFlags;
    info.lParam = pToolInfo->lParam;
    if (m_pParentWnd && m_pParentWnd->GetSafeHwnd())
        ::SendMessageA(m_pParentWnd->GetSafeHwnd(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    if (info.hinst && info.lpszText && IS_INTRESOURCE(info.lpszText)) {
        char buffer[StringBufferSize] = "";
        ::LoadStringA(info.hinst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.lpszText)), buffer, StringBufferSize);
        return buffer;
    }
    if (info.lpszText && info.lpszText != info.szText && !IS_INTRESOURCE(info.lpszText))
        return info.lpszText;
    // A parent may fill the inline buffer to its end without a terminator.
    return CString(info.szText, static_cast<int>(std::find(info.szText, info.szText + InlineTextMax, '\0') - info.szText));
}

CString COXToolTipCtrl::TipPart(const CString& text, BOOL bExtended)
{
    int split = text.Find('\r');
    if (split < 0)
        return text;
    return bExtended ? CString(Blanks) + text.Mid(split + 1) : text.Left(split) + Blanks;
}

CRect COXToolTipCtrl::PlaceTip(CRect tip, const CRect& monitor, int nToolWindowTop)
{
    if (tip.right > monitor.right)
        tip.OffsetRect(monitor.right - tip.right, 0);
    if (tip.left < monitor.left)
        tip.OffsetRect(monitor.left - tip.left, 0);
    if (tip.bottom > monitor.bottom)
        tip.OffsetRect(0, nToolWindowTop - tip.bottom);
    return tip;
}

CRect COXToolTipCtrl::CalcTipRect(CPoint point, COXToolTipInfo* pToolInfo, CSize size)
{
    CRect tip(point, size);
    CRect monitor(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (HMONITOR handle = ::MonitorFromRect(&tip, MONITOR_DEFAULTTONEAREST)) {
        MONITORINFO info = { sizeof info, {}, {}, 0 };
        if (::GetMonitorInfoA(handle, &info))
            monitor = info.rcMonitor;
    }
    CRect tool;
    if (pToolInfo && ::IsWindow(pToolInfo->hWnd))
        ::GetWindowRect(pToolInfo->hWnd, &tool);
    return PlaceTip(tip, monitor, tool.top);
}

CSize COXToolTipCtrl::CalcTextSize(const CString& text, COXToolTipInfo* pToolInfo)
{
    CClientDC dc(this);
    CFont* old = dc.SelectObject(&m_font);
    int width = pToolInfo ? pToolInfo->nWidth : 0;
    if (width <= 0) {
        width = 0;
        int start = 0;
        while (start <= text.GetLength()) {
            int end = text.Find('\n', start);
            if (end < 0)
                end = text.GetLength();
            CString line = text.Mid(start, end - start) + Blanks;
            width = std::max(width, static_cast<int>(dc.GetTextExtent(line).cx));
            start = end + 1;
        }
    }
    CRect rect(0, 0, width, 0);
    dc.DrawText(text, &rect, m_nTextFormat | DT_CALCRECT);
    dc.SelectObject(old);
    return CSize(width + m_rectMargins.left + m_rectMargins.right,
                 rect.Height() + m_rectMargins.top + m_rectMargins.bottom);
}

void COXToolTipCtrl::ShowTip(CPoint point, BOOL bExtended)
{
    if (!m_bActive || !m_pCurrentToolTip || !m_hWnd)
        return;
    m_bExtended = bExtended;
    CString text = GetTipText(m_pCurrentToolTip);
    m_bHasExtendedText = text.Find('\r') >= 0;
    CString shown = TipPart(text, m_bExtended && m_bHasExtendedText);
    SetWindowText(shown);
    if (text.IsEmpty())
        return;
    CSize size = CalcTextSize(shown, m_pCurrentToolTip);
    CRect rect = CalcTipRect(point, m_pCurrentToolTip, size);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOCOPYBITS);
    Invalidate();
}

void COXToolTipCtrl::HideTip()
{
    if (m_hWnd && ::IsWindowVisible(m_hWnd))
        ShowWindow(SW_HIDE);
}

BOOL COXToolTipCtrl::CursorOverTip() const
{
    if (!IsTipShowing())
        return FALSE;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    CRect rect;
    GetWindowRect(&rect);
    return rect.PtInRect(cursor);
}

void COXToolTipCtrl::StartTiming(COXToolTipInfo* pToolInfo)
{
    KillTimer(ShowTimerId);
    KillTimer(CheckTimerId);
    HideTip();
    m_bTipHidden = FALSE;
    m_pCurrentToolTip = pToolInfo;
    SetTimer(ShowTimerId, m_nShowDelay, nullptr);
}

void COXToolTipCtrl::RelayEvent(MSG* pMsg)
{
    if (!pMsg || !m_hWnd)
        return;
    switch (pMsg->message) {
    case WM_MOUSEMOVE: {
        CPoint screen(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
        ::ClientToScreen(pMsg->hwnd, &screen);
        COXToolTipInfo* tool = ToolAtScreenPoint(screen);
        if (tool) {
            if (tool != m_pCurrentToolTip && !CursorOverTip())
                StartTiming(tool);
        } else if (!(IsTipShowing() && m_bHasExtendedText)) {
            // A tip with an extended part stays for the user to reach and click it.
            m_pCurrentToolTip = nullptr;
        }
        break;
    }
    case WM_LBUTTONDOWN:
        if (!CursorOverTip()) {
            HideTip();
            m_bTipHidden = TRUE;
        }
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
        HideTip();
        m_bTipHidden = TRUE;
        m_pCurrentToolTip = nullptr;
        break;
    default:
        if (pMsg->message >= WM_KEYDOWN && pMsg->message <= WM_SYSDEADCHAR) {
            HideTip();
            m_bTipHidden = TRUE;
            m_pCurrentToolTip = nullptr;
        }
        break;
    }
}

void COXToolTipCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (!m_pCurrentToolTip || m_bTipHidden) {
        KillTimer(nIDEvent);
        HideTip();
        return;
    }
    CPoint cursor;
    ::GetCursorPos(&cursor);
    COXToolTipInfo* under = ToolAtScreenPoint(cursor);
    if (nIDEvent == ShowTimerId) {
        KillTimer(ShowTimerId);
        if (under == m_pCurrentToolTip) {
            ShowTip(cursor + m_ptOffset, FALSE);
            m_nElapsedTime = 0;
            SetTimer(CheckTimerId, m_nCheckInterval, nullptr);
        } else {
            m_pCurrentToolTip = nullptr;
        }
    } else if (nIDEvent == CheckTimerId) {
        m_nElapsedTime += m_nCheckInterval;
        BOOL stay = FALSE;
        if (under && under != m_pCurrentToolTip)
            stay = FALSE;
        else if (under == m_pCurrentToolTip && m_nElapsedTime < m_nDisplayTime)
            stay = TRUE;
        else
            stay = CursorOverTip();
        if (!stay) {
            KillTimer(CheckTimerId);
            HideTip();
        }
    }
}

void COXToolTipCtrl::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_bHasExtendedText && IsTipShowing()) {
        CRect rect;
        GetWindowRect(&rect);
        ShowTip(rect.TopLeft(), !m_bExtended);
    }
    if (m_hOldFocusWnd && ::IsWindow(m_hOldFocusWnd))
        ::SetFocus(m_hOldFocusWnd);
}

void COXToolTipCtrl::OnSetFocus(CWnd* pOldWnd)
{
    m_hOldFocusWnd = pOldWnd ? pOldWnd->GetSafeHwnd() : nullptr;
    CWnd::OnSetFocus(pOldWnd);
}

BOOL COXToolTipCtrl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void COXToolTipCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    COLORREF back = m_pCurrentToolTip ? m_pCurrentToolTip->clrBackColor : m_clrBackColor;
    COLORREF fore = m_pCurrentToolTip ? m_pCurrentToolTip->clrTextColor : m_clrTextColor;
    if (back == OXTT_DEFAULTCOLOR)
        back = ::GetSysColor(COLOR_INFOBK);
    if (fore == OXTT_DEFAULTCOLOR)
        fore = ::GetSysColor(COLOR_INFOTEXT);
    dc.FillSolidRect(&client, back);
    HGDIOBJ oldPen = ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(HOLLOW_BRUSH));
    dc.Rectangle(&client);
    CFont* oldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    COLORREF oldColor = dc.SetTextColor(fore);
    CString text;
    GetWindowText(text);
    CRect textRect = client;
    textRect.DeflateRect(m_rectMargins.left, m_rectMargins.top, m_rectMargins.right, m_rectMargins.bottom);
    dc.DrawText(text, &textRect, m_nTextFormat);
    if (m_bHasExtendedText) {
        // A small triangle in the room of the two blanks: at the end of a
        // normal tip, pointing on; at the start of an extended tip, pointing back.
        CSize blanks = dc.GetTextExtent(Blanks, 2);
        int h = std::min(static_cast<int>(blanks.cy) / 2, static_cast<int>(blanks.cx) - 2);
        if (h > 1) {
            int cy = textRect.top + blanks.cy / 2;
            POINT points[3];
            if (m_bExtended) {
                int x = textRect.left + (blanks.cx - h) / 2;
                points[0] = { x + h, cy - h };
                points[1] = { x + h, cy + h };
                points[2] = { x, cy };
            } else {
                int x = textRect.right - blanks.cx + (blanks.cx - h) / 2;
                points[0] = { x, cy - h };
                points[1] = { x, cy + h };
                points[2] = { x + h, cy };
            }
            ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(BLACK_BRUSH));
            dc.Polygon(points, 3);
        }
    }
    dc.SetTextColor(oldColor);
    dc.SelectObject(oldFont);
    ::SelectObject(dc.GetSafeHdc(), oldBrush);
    ::SelectObject(dc.GetSafeHdc(), oldPen);
}

void COXToolTipCtrl::OnDestroy()
{
    KillTimer(ShowTimerId);
    KillTimer(CheckTimerId);
    CWnd::OnDestroy();
}

void COXToolTipCtrl::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    if (m_bUsingSystemFont)
        UseSystemFont(TRUE);
}

LRESULT COXToolTipCtrl::OnSetFont(WPARAM wParam, LPARAM /*lParam*/)
{
    LOGFONTA font = {};
    HFONT handle = reinterpret_cast<HFONT>(wParam);
    if (handle && ::GetObjectA(handle, sizeof font, &font)) {
        SetTipFont(&font, TRUE);
    } else {
        UseSystemFont(TRUE);
    }
    return 0;
}

LRESULT COXToolTipCtrl::OnGetFont(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return reinterpret_cast<LRESULT>(m_font.GetSafeHandle());
}
