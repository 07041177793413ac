#include "toolkit/lists/painters/OXCaptionPainter.h"

#include "afx/Archive.h"
#include "afx/DC.h"
#include "afx/Exception.h"
#include "afx/FrameWnd.h"
#include "afx/MDIChildWnd.h"
#include "afx/MDIFrameWnd.h"
#include "afx/MiniFrameWnd.h"
#include "afx/WinApp.h"
#include "toolkit/foundation/OXRegistryValFile.h"

IMPLEMENT_DYNAMIC(COXCaptionPainter, COXHookWnd)

namespace {
const UINT MdiCommandFirst = 0xE131;   // arrange icons, cascade, tile horizontally, tile vertically
const UINT MdiCommandLast = 0xE134;

BOOL IsSizingBorder(UINT hit)
{
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOM:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        return TRUE;
    default:
        return FALSE;
    }
}
} // namespace

UINT OXCaptionSetPainterMessage()
{
    static const UINT message = ::RegisterWindowMessage("_SET_CAPTION_PAINTER_");
    return message;
}

UINT OXCaptionGetPainterMessage()
{
    static const UINT message = ::RegisterWindowMessage("_GET_CAPTION_PAINTER_");
    return message;
}

CRect OXCaptionRect(DWORD dwStyle, DWORD dwExStyle, BOOL bIconic, int nWindowWidth)
{
    const BOOL thick = (dwStyle & WS_THICKFRAME) != 0;
    const int bx = ::GetSystemMetrics(thick ? SM_CXFRAME : SM_CXDLGFRAME);
    const int by = ::GetSystemMetrics(thick ? SM_CYFRAME : SM_CYDLGFRAME);
    const int ch = ::GetSystemMetrics((dwExStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    CRect rect(bx, by, nWindowWidth - bx, by + ch - ::GetSystemMetrics(SM_CYBORDER));
    if (bIconic)
        rect.SetRect(rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom - 1);
    return rect;
}

COXCaptionPainter::COXCaptionPainter()
    : m_nCachedWidth(0), m_nCachedHeight(0), m_bActive(TRUE), m_bStyleSaved(FALSE), m_dwSavedStyle(0),
      m_bExStyleSaved(FALSE), m_dwSavedExStyle(0), m_bInActivationSync(FALSE), m_nColorDepth(0)
{
}

COXCaptionPainter::~COXCaptionPainter() = default;

BOOL COXCaptionPainter::Attach(CWnd* pWnd)
{
    if (!pWnd || (pWnd->GetStyle() & WS_CAPTION) != WS_CAPTION || IsThemedApp())
        return FALSE;
    HookWindow(pWnd);
    ReadColorDepth();
    if (::SetTimer(m_hWndHooked, OXCAPTION_TIMER, OXCAPTION_TIMER_PERIOD, nullptr) != OXCAPTION_TIMER) {
        UnhookWindow();
        return FALSE;
    }
    return TRUE;
}

void COXCaptionPainter::Detach()
{
    if (m_hWndHooked && ::IsWindow(m_hWndHooked))
        ::KillTimer(m_hWndHooked, OXCAPTION_TIMER);
    RestoreStyle();
    RestoreExStyle();
    UnhookWindow();
}

void COXCaptionPainter::ReadColorDepth()
{
    HDC dc = ::GetWindowDC(m_hWndHooked);
    m_nColorDepth = ::GetDeviceCaps(dc, BITSPIXEL);
    ::ReleaseDC(m_hWndHooked, dc);
}

void COXCaptionPainter::SetCaptionInfo(const COXCaptionInfo* pInfo, BOOL bActive)
{
    if (pInfo)
        GetCaptionInfo(bActive) = *pInfo;
}

void COXCaptionPainter::ResetCaption()
{
    m_nCachedWidth = m_nCachedHeight = 0;
    m_bmpActive.DeleteObject();
    m_bmpInactive.DeleteObject();
}

void COXCaptionPainter::RemoveStyle(DWORD dwStyle)
{
    if (m_bStyleSaved || !m_hWndHooked)
        return;
    m_dwSavedStyle = static_cast<DWORD>(::GetWindowLongPtr(m_hWndHooked, GWL_STYLE));
    m_bStyleSaved = TRUE;
    ::SetWindowLongPtr(m_hWndHooked, GWL_STYLE, m_dwSavedStyle & ~dwStyle);
}

void COXCaptionPainter::RestoreStyle()
{
    if (!m_bStyleSaved)
        return;
    m_bStyleSaved = FALSE;
    if (m_hWndHooked && ::IsWindow(m_hWndHooked))
        ::SetWindowLongPtr(m_hWndHooked, GWL_STYLE, m_dwSavedStyle);
}

void COXCaptionPainter::RemoveExStyle(DWORD dwExStyle)
{
    if (m_bExStyleSaved || !m_hWndHooked)
        return;
    m_dwSavedExStyle = static_cast<DWORD>(::GetWindowLongPtr(m_hWndHooked, GWL_EXSTYLE));
    m_bExStyleSaved = TRUE;
    ::SetWindowLongPtr(m_hWndHooked, GWL_EXSTYLE, m_dwSavedExStyle & ~dwExStyle);
}

void COXCaptionPainter::RestoreExStyle()
{
    if (!m_bExStyleSaved)
        return;
    m_bExStyleSaved = FALSE;
    if (m_hWndHooked && ::IsWindow(m_hWndHooked))
        ::SetWindowLongPtr(m_hWndHooked, GWL_EXSTYLE, m_dwSavedExStyle);
}

BOOL COXCaptionPainter::GetMinAnimate()
{
    ANIMATIONINFO info = {sizeof info, 0};
    ::SystemParametersInfo(SPI_GETANIMATION, sizeof info, &info, 0);
    return info.iMinAnimate != 0;
}

void COXCaptionPainter::SetMinAnimate(BOOL bOn)
{
    ANIMATIONINFO info = {sizeof info, bOn};
    ::SystemParametersInfo(SPI_SETANIMATION, sizeof info, &info, 0);
}

LRESULT COXCaptionPainter::PassOnWithoutAnimation(UINT message, WPARAM wParam, LPARAM lParam)
{
    const BOOL animate = GetMinAnimate();
    if (animate)
        SetMinAnimate(FALSE);
    const LRESULT result = COXHookWnd::WindowProc(message, wParam, lParam);
    if (animate)
        SetMinAnimate(TRUE);
    return result;
}

void COXCaptionPainter::RedrawCaption()
{
    if (!m_hWndHooked || !::IsWindow(m_hWndHooked))
        return;
    CWnd* pWnd = GetWnd();
    CWindowDC dc(pWnd);
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    CRect window;
    pWnd->GetWindowRect(&window);
    const CRect caption = OXCaptionRect(pWnd->GetStyle(), pWnd->GetExStyle(), pWnd->IsIconic(), window.Width());
    const int w = caption.Width();
    const int h = caption.Height();
    if (w <= 0 || h <= 0)
        return;
    if (w != m_nCachedWidth || h != m_nCachedHeight) {
        ResetCaption();
        m_nCachedWidth = w;
        m_nCachedHeight = h;
    }
    CBitmap& bitmap = m_bActive ? m_bmpActive : m_bmpInactive;
    COXCaptionInfo& info = GetCaptionInfo(m_bActive);
    if (!bitmap.GetSafeHandle()) {
        if (!bitmap.CreateCompatibleBitmap(&dc, w, h))
            return;
        CBitmap* old = memory.SelectObject(&bitmap);
        const CRect rect(0, 0, w, h);
        DrawCaptionBackground(&memory, &info, &rect);
        const CSize size(w, h);
        const int left = DrawCaptionIcon(&memory, &info, &size);
        const int right = DrawButtons(&memory, &info, &size);
        DrawCaptionText(&memory, &info, &size, left, right);
        memory.SelectObject(old);
    }
    CBitmap* old = memory.SelectObject(&bitmap);
    dc.BitBlt(caption.left, caption.top, w, h, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void COXCaptionPainter::DrawCaptionBackground(CDC* pDC, COXCaptionInfo* pInfo, const CRect* pRect)
{
    const COLORREF clr = pInfo->GetBackgroundColor(m_bActive);
    for (const COXCaptionBand& band : OXCaptionBands(pRect->Width(), clr, pInfo->m_bGradient,
                                                     pInfo->m_nGradientAlignment, pInfo->m_nGradientAlgorithm,
                                                     pInfo->m_nNumberShade)) {
        CBrush brush(band.clr);
        CBrush* old = pDC->SelectObject(&brush);
        pDC->PatBlt(pRect->left + band.nLeft, pRect->top, band.nWidth, pRect->Height(), PATCOPY);
        pDC->SelectObject(old);
    }
}

int COXCaptionPainter::DrawCaptionIcon(CDC* pDC, COXCaptionInfo*, const CSize*)
{
    if (!(GetWnd()->GetStyle() & WS_SYSMENU))
        return 2;
    HICON icon = reinterpret_cast<HICON>(::GetClassLongPtr(m_hWndHooked, GCLP_HICONSM));
    if (!icon)
        icon = reinterpret_cast<HICON>(::SendMessage(m_hWndHooked, WM_GETICON, ICON_SMALL, 0));
    if (!icon)
        return 2;
    ::DrawIconEx(pDC->GetSafeHdc(), 2, 1, icon, ::GetSystemMetrics(SM_CXSIZE) - 2, ::GetSystemMetrics(SM_CYSIZE) - 2,
                 0, nullptr, DI_NORMAL);
    return ::GetSystemMetrics(SM_CXSIZE) + 2;
}

int COXCaptionPainter::DrawButtons(CDC* pDC, COXCaptionInfo*, const CSize* pSize)
{
    CWnd* pWnd = GetWnd();
    const DWORD style = pWnd->GetStyle();
    if (!(style & WS_SYSMENU))
        return 0;
    const BOOL tool = (pWnd->GetExStyle() & WS_EX_TOOLWINDOW) != 0;
    const int bw = ::GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE);
    const int bh = ::GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE);
    const int w = pSize->cx;
    CRect button(w - bw, 2, w - 2, bh - 2);
    pDC->DrawFrameControl(&button, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    int used = bw;
    if (style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) {
        button.OffsetRect(-bw, 0);
        UINT state = pWnd->IsZoomed() ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX;
        if (!(style & WS_MAXIMIZEBOX))
            state |= DFCS_INACTIVE;
        pDC->DrawFrameControl(&button, DFC_CAPTION, state);
        button.OffsetRect(-(bw - 2), 0);
        state = pWnd->IsIconic() ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN;
        if (!(style & WS_MINIMIZEBOX))
            state |= DFCS_INACTIVE;
        pDC->DrawFrameControl(&button, DFC_CAPTION, state);
        used += 2 * bw;
    } else if (pWnd->GetExStyle() & WS_EX_CONTEXTHELP) {
        button.OffsetRect(-bw, 0);
        pDC->DrawFrameControl(&button, DFC_CAPTION, DFCS_CAPTIONHELP);
        used += bw;
    }
    return used;
}

void COXCaptionPainter::DrawCaptionText(CDC* pDC, COXCaptionInfo* pInfo, const CSize* pSize, int nLeftMargin,
                                        int nRightMargin)
{
    CWnd* pWnd = GetWnd();
    pWnd->GetWindowText(m_sLastText);
    const int available = pSize->cx - nLeftMargin - nRightMargin;
    if (m_sLastText.IsEmpty() || available <= 0)
        return;
    LOGFONT lf = {};
    const BOOL tool = (pWnd->GetExStyle() & WS_EX_TOOLWINDOW) != 0;
    if (!(tool ? pInfo->GetSmCaptionLogFont(&lf) : pInfo->GetCaptionLogFont(&lf)))
        return;
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        return;
    CFont* old = pDC->SelectObject(&font);
    pDC->SetTextColor(pInfo->GetTextColor(m_bActive));
    const int mode = pDC->SetBkMode(TRANSPARENT);
    CRect rect(nLeftMargin, 0, nLeftMargin + available, pSize->cy);
    pDC->DrawText(m_sLastText, &rect, pInfo->m_nTextFormat);
    pDC->SetBkMode(mode);
    pDC->SelectObject(old);
}

void COXCaptionPainter::OnNcPaint(HRGN hRgn)
{
    CWnd* pWnd = GetWnd();
    CRect window;
    pWnd->GetWindowRect(&window);
    CRect caption = OXCaptionRect(pWnd->GetStyle(), pWnd->GetExStyle(), pWnd->IsIconic(), window.Width());
    caption.OffsetRect(window.TopLeft());
    const WPARAM region = reinterpret_cast<WPARAM>(hRgn);
    if (LOWORD(region) > 1 && !::RectInRegion(hRgn, &caption)) {
        COXHookWnd::WindowProc(WM_NCPAINT, region, 0);
        return;
    }
    HRGN update = ::CreateRectRgn(0, 0, 0, 0);
    HRGN captionRgn = ::CreateRectRgnIndirect(&caption);
    if (LOWORD(region) > 1) {
        ::CombineRgn(update, hRgn, captionRgn, RGN_DIFF);
    } else {
        HRGN whole = ::CreateRectRgnIndirect(&window);
        ::CombineRgn(update, whole, captionRgn, RGN_DIFF);
        ::DeleteObject(whole);
    }
    COXHookWnd::WindowProc(WM_NCPAINT, reinterpret_cast<WPARAM>(update), 0);
    ::DeleteObject(update);
    ::DeleteObject(captionRgn);
    RedrawCaption();
}

BOOL COXCaptionPainter::OnNcActivate(BOOL bActive)
{
    CWnd* pWnd = GetWnd();
    auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(m_hWndHooked));
    if (!frame) {
        if (bActive == m_bActive)
            return TRUE;
        COXHookWnd::WindowProc(WM_NCACTIVATE, bActive, 0);
        m_bActive = bActive;
        pWnd->SendMessage(WM_NCPAINT);
        return TRUE;
    }
    BOOL state = (frame->m_nFlags & WF_STAYACTIVE) ? TRUE : bActive;
    if (!frame->IsWindowEnabled())
        state = FALSE;
    if (state == m_bActive && !state) {
        RedrawCaption();
        return TRUE;
    }
    if (!m_bInActivationSync) {
        m_bInActivationSync = TRUE;
        CFrameWnd* active = frame->GetActiveFrame();
        if (active && ::IsWindow(active->GetSafeHwnd())) {
            active->SendMessage(WM_NCACTIVATE, TRUE);
            active->SendMessage(WM_NCPAINT, 1);
        }
        for (HWND next = ::GetWindow(m_hWndHooked, GW_HWNDNEXT); next; next = ::GetWindow(next, GW_HWNDNEXT)) {
            CWnd* other = CWnd::FromHandlePermanent(next);
            if (dynamic_cast<CFrameWnd*>(other) && other != active)
                ::SendMessage(next, WM_NCACTIVATE, FALSE, 0);
        }
        m_bInActivationSync = FALSE;
    }
    if (!m_hWndHooked)
        return TRUE;
    COXHookWnd::WindowProc(WM_NCACTIVATE, state, 0);
    m_bActive = state;
    ::SendMessage(m_hWndHooked, WM_NCPAINT, 1, 0);
    return TRUE;
}

void COXCaptionPainter::OnSetText(LPCTSTR lpszText)
{
    CWnd* object = CWnd::FromHandlePermanent(m_hWndHooked);
    const LPARAM text = reinterpret_cast<LPARAM>(lpszText);
    if (auto* child = dynamic_cast<CMDIChildWnd*>(object)) {
        CMDIFrameWnd* mdi = child->GetMDIFrame();
        BOOL maximized = FALSE;
        if (mdi && mdi->MDIGetActive(&maximized) == child && maximized) {
            mdi->ModifyStyle(WS_VISIBLE, 0);
            COXHookWnd::WindowProc(WM_SETTEXT, 0, text);
            mdi->ModifyStyle(0, WS_VISIBLE);
            ResetCaption();
            RedrawCaption();
            return;
        }
    }
    if (auto* mdi = dynamic_cast<CMDIFrameWnd*>(object)) {
        BOOL maximized = FALSE;
        if (mdi->MDIGetActive(&maximized) && maximized)
            RemoveStyle(WS_VISIBLE);
        else
            RemoveStyle(WS_CAPTION);
    } else {
        RemoveStyle(WS_CAPTION);
    }
    COXHookWnd::WindowProc(WM_SETTEXT, 0, text);
    RestoreStyle();
    ResetCaption();
    RedrawCaption();
}

LRESULT COXCaptionPainter::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    const HWND hWnd = m_hWndHooked;
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    CWnd* object = CWnd::FromHandlePermanent(hWnd);
    if (nHitTest == HTCAPTION) {
        if (!m_bActive) {
            HWND target = hWnd;
            if (dynamic_cast<CMDIChildWnd*>(object))
                target = ::GetParent(hWnd);
            if (target) {
                ::SendMessage(target, WM_ACTIVATE, WA_ACTIVE, 0);
                RedrawCaption();
            }
        }
        if (m_nColorDepth <= 8 && !dynamic_cast<CMiniDockFrameWnd*>(object))
            return ::SendMessage(hWnd, WM_SYSCOMMAND, SC_MOVE, lParam);
    }
    const BOOL button = nHitTest == HTMINBUTTON || nHitTest == HTMAXBUTTON || nHitTest == HTCLOSE
                        || nHitTest == HTHELP;
    if (!button)
        RemoveStyle(WS_CAPTION);
    const LRESULT result = COXHookWnd::WindowProc(WM_NCLBUTTONDOWN, nHitTest, lParam);
    if (m_hWndHooked != hWnd)
        return result;
    if (nHitTest == HTHELP)
        RedrawCaption();
    else if (!button)
        RestoreStyle();
    return result;
}

LRESULT COXCaptionPainter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_STYLECHANGING && message != WM_STYLECHANGED) {
        RestoreStyle();
        RestoreExStyle();
    }
    if (message == OXCaptionSetPainterMessage() || message == OXCaptionGetPainterMessage()) {
        auto* other = reinterpret_cast<COXCaptionPainter*>(lParam);
        if (other && other != this) {
            if (message == OXCaptionSetPainterMessage()) {
                m_infoActive = other->m_infoActive;
                m_infoInactive = other->m_infoInactive;
                ResetCaption();
            } else {
                other->m_infoActive = m_infoActive;
                other->m_infoInactive = m_infoInactive;
                other->ResetCaption();
            }
        }
        return 1;
    }
    switch (message) {
    case WM_NCPAINT:
        OnNcPaint(reinterpret_cast<HRGN>(wParam));
        return 0;
    case WM_NCACTIVATE:
        return OnNcActivate(static_cast<BOOL>(wParam));
    case WM_SETTEXT:
        OnSetText(reinterpret_cast<LPCTSTR>(lParam));
        return 1;
    case WM_NCLBUTTONDOWN:
        return OnNcLButtonDown(static_cast<UINT>(wParam), CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTCAPTION && (GetWnd()->GetStyle() & WS_MAXIMIZEBOX)) {
            const LRESULT result = ::SendMessage(m_hWndHooked, WM_SYSCOMMAND,
                                                 ::IsZoomed(m_hWndHooked) ? SC_RESTORE : SC_MAXIMIZE, 0);
            RedrawCaption();
            return result;
        }
        break;
    case WM_SYSCOMMAND: {
        const UINT command = static_cast<UINT>(wParam & 0xFFF0);
        if (command == SC_MINIMIZE || command == SC_MAXIMIZE || command == SC_RESTORE || command == SC_CLOSE) {
            RedrawCaption();
            if (command == SC_CLOSE)
                break;
            return PassOnWithoutAnimation(message, wParam, lParam);
        }
        break;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) >= MdiCommandFirst && LOWORD(wParam) <= MdiCommandLast)
            return PassOnWithoutAnimation(message, wParam, lParam);
        break;
    case WM_TIMER:
        if (wParam == OXCAPTION_TIMER) {
            CString text;
            GetWnd()->GetWindowText(text);
            if (text != m_sLastText) {
                ResetCaption();
                RedrawCaption();
            }
            return 0;
        }
        break;
    case WM_DESTROY:
        ::KillTimer(m_hWndHooked, OXCAPTION_TIMER);
        break;
    case WM_SIZE:
        if (dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(m_hWndHooked))
            && (wParam == SIZE_RESTORED || wParam == SIZE_MINIMIZED || wParam == SIZE_MAXIMIZED)) {
            const LRESULT result = COXHookWnd::WindowProc(message, wParam, lParam);
            RedrawCaption();
            return result;
        }
        break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        ReadColorDepth();
        ResetCaption();
        RedrawCaption();
        return 0;
    case WM_CANCELMODE:
    case WM_HELP:
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT: {
        const LRESULT result = COXHookWnd::WindowProc(message, wParam, lParam);
        RedrawCaption();
        return result;
    }
    case WM_STYLECHANGED: {
        const LRESULT result = COXHookWnd::WindowProc(message, wParam, lParam);
        ResetCaption();
        RedrawCaption();
        return result;
    }
    case WM_SETCURSOR:
        if (IsSizingBorder(LOWORD(lParam))) {
            RemoveStyle(WS_CAPTION);
            const LRESULT result = COXHookWnd::WindowProc(message, wParam, lParam);
            RestoreStyle();
            return result;
        }
        break;
    default:
        break;
    }
    return COXHookWnd::WindowProc(message, wParam, lParam);
}

BOOL COXCaptionPainter::SaveState(LPCTSTR lpszProfileName)
{
    CWinApp* app = AfxGetApp();
    if (!app || !app->m_pszRegistryKey || !app->m_pszProfileName)
        return FALSE;
    HKEY key = app->GetSectionKey("");
    if (!key)
        return FALSE;
    BOOL result = TRUE;
    try {
        for (BOOL active : {TRUE, FALSE}) {
            COXRegistryValFile file(key, lpszProfileName, active ? "Active" : "Inactive");
            file.SetLength(0);
            {
                CArchive ar(&file, CArchive::store, 4096);
                GetCaptionInfo(active).Serialize(ar);
            }
            file.Close();
        }
    } catch (CException* e) {
        e->Delete();
        result = FALSE;
    }
    ::RegCloseKey(key);
    return result;
}

BOOL COXCaptionPainter::LoadState(LPCTSTR lpszProfileName, BOOL bRedraw)
{
    CWinApp* app = AfxGetApp();
    if (!app || !app->m_pszRegistryKey || !app->m_pszProfileName)
        return FALSE;
    HKEY key = app->GetSectionKey("");
    if (!key)
        return FALSE;
    BOOL result = TRUE;
    try {
        for (BOOL active : {TRUE, FALSE}) {
            COXRegistryValFile file(key, lpszProfileName, active ? "Active" : "Inactive");
            if (file.GetLength() == 0) {
                file.Abort();
                continue;
            }
            COXCaptionInfo info;
            {
                CArchive ar(&file, CArchive::load, 4096);
                info.Serialize(ar);
            }
            file.Abort();
            GetCaptionInfo(active) = info;
        }
    } catch (CException* e) {
        e->Delete();
        result = FALSE;
    }
    ::RegCloseKey(key);
    if (result && bRedraw && m_hWndHooked) {
        ResetCaption();
        ::SendMessage(m_hWndHooked, WM_NCPAINT, 1, 0);
    }
    return result;
}
