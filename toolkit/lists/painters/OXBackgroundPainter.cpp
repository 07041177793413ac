#include "toolkit/lists/painters/OXBackgroundPainter.h"

#include "afx/ControlBar.h"
#include "afx/DC.h"
#include "afx/FrameWnd.h"
#include "afx/WinApp.h"

namespace {
const UINT RedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME;
const UINT RedrawMoved = RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW
                         | RDW_ERASENOW | RDW_FRAME;
const int LastPaintType = BottomRight;
} // namespace

std::vector<CRect> OXBackgroundLayout(int nPaintType, CPoint offset, CSize area, CSize image, CSize origin)
{
    std::vector<CRect> rects;
    // A corrupt image of no width or height tiles nothing (and never loops).
    if (image.cx <= 0 || image.cy <= 0 || nPaintType < Tile || nPaintType > LastPaintType)
        return rects;
    if (nPaintType == Tile) {
        const int startX = offset.x < 0 ? offset.x % image.cx : offset.x;
        const int startY = offset.y < 0 ? offset.y % image.cy : offset.y;
        for (int x = startX; x < area.cx; x += image.cx)
            for (int y = startY; y < area.cy; y += image.cy)
                rects.emplace_back(x, y, x + image.cx, y + image.cy);
        return rects;
    }
    if (nPaintType == Stretch) {
        rects.emplace_back(offset.x, offset.y, offset.x + origin.cx, offset.y + origin.cy);
        return rects;
    }
    // Column: 0 left, 1 centre, 2 right; row likewise.
    const int column = (nPaintType - TopLeft) % 3;
    const int row = (nPaintType - TopLeft) / 3;
    const int left = offset.x + (column == 0 ? 0 : column == 1 ? (origin.cx - image.cx) / 2 : origin.cx - image.cx);
    const int top = offset.y + (row == 0 ? 0 : row == 1 ? (origin.cy - image.cy) / 2 : origin.cy - image.cy);
    rects.emplace_back(left, top, left + image.cx, top + image.cy);
    return rects;
}

CRect OXBackgroundPaintArea(CWnd* pWnd)
{
    CRect area(0, 0, 0, 0);
    if (!pWnd || !::IsWindow(pWnd->GetSafeHwnd()))
        return area;
    pWnd->GetWindowRect(&area);
    const DWORD style = pWnd->GetStyle();
    if (style & WS_BORDER) {
        if (style & WS_THICKFRAME)
            area.DeflateRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
        else
            area.DeflateRect(::GetSystemMetrics(SM_CXDLGFRAME), ::GetSystemMetrics(SM_CYDLGFRAME));
    }
    if (style & WS_CAPTION)
        area.top += ::GetSystemMetrics((pWnd->GetExStyle() & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    return area;
}

COXBackgroundPainter::COXBackgroundPainter()
    : m_nPaintType(Tile), m_clrBk(OXBACKGROUND_DEFAULT_COLOR), m_pOriginWnd(nullptr), m_rectWindow(0, 0, 0, 0)
{
}

COXBackgroundPainter::~COXBackgroundPainter() = default;

void COXBackgroundPainter::Redraw(UINT nFlags)
{
    if (m_hWndHooked && ::IsWindow(m_hWndHooked))
        ::RedrawWindow(m_hWndHooked, nullptr, nullptr, nFlags);
}

BOOL COXBackgroundPainter::Attach(CWnd* pWnd, const COXDIB* pDIB, int nPaintType, COLORREF clrBk, CWnd* pOriginWnd)
{
    HookWindow(pWnd);
    m_clrBk = clrBk;
    m_sFileName.Empty();
    if (pDIB)
        m_dib = *pDIB;
    else
        m_dib.Clear();
    RealizeWallpaperPalette(FALSE, TRUE);
    m_nPaintType = nPaintType;
    m_pOriginWnd = pOriginWnd ? pOriginWnd : pWnd;
    m_rectWindow.SetRectEmpty();
    Redraw(RedrawAll);
    return TRUE;
}

void COXBackgroundPainter::Detach(BOOL bRedraw)
{
    const HWND hWnd = m_hWndHooked;
    UnhookWindow();
    if (bRedraw && hWnd && ::IsWindow(hWnd))
        ::RedrawWindow(hWnd, nullptr, nullptr, RedrawAll);
}

BOOL COXBackgroundPainter::SetWallpaper(const COXDIB* pDIB, BOOL bRedraw)
{
    m_sFileName.Empty();
    if (pDIB)
        m_dib = *pDIB;
    else
        m_dib.Clear();
    RealizeWallpaperPalette(FALSE, TRUE);
    if (bRedraw)
        Redraw(RedrawAll);
    return TRUE;
}

BOOL COXBackgroundPainter::SetWallpaperFile(const CString& sFileName, BOOL bRedraw)
{
    COXDIB dib;
    if (!sFileName.IsEmpty() && !dib.ReadFromFile(sFileName))
        return FALSE;
    SetWallpaper(&dib, bRedraw);
    m_sFileName = sFileName;
    return TRUE;
}

void COXBackgroundPainter::SetPaintType(int nPaintType, BOOL bRedraw)
{
    m_nPaintType = nPaintType;
    if (bRedraw)
        Redraw(RedrawAll);
}

void COXBackgroundPainter::SetBkColor(COLORREF clrBk, BOOL bRedraw)
{
    m_clrBk = clrBk;
    if (bRedraw)
        Redraw(RedrawAll);
}

void COXBackgroundPainter::SetOriginWnd(CWnd* pOriginWnd, BOOL bRedraw)
{
    m_pOriginWnd = pOriginWnd ? pOriginWnd : GetHookedWindow();
    if (bRedraw)
        Redraw(RedrawAll);
}

BOOL COXBackgroundPainter::SaveState(LPCTSTR lpszSection)
{
    if (!IsHooked())
        return FALSE;
    CWinApp* app = AfxGetApp();
    app->WriteProfileString(lpszSection, "ImageFileName", m_sFileName);
    app->WriteProfileInt(lpszSection, "PaintType", m_nPaintType);
    app->WriteProfileInt(lpszSection, "BackgroundColor", static_cast<int>(m_clrBk));
    return TRUE;
}

BOOL COXBackgroundPainter::LoadState(LPCTSTR lpszSection, BOOL bRedraw)
{
    if (!IsHooked())
        return FALSE;
    CWinApp* app = AfxGetApp();
    const CString name = app->GetProfileString(lpszSection, "ImageFileName", "");
    const int type = static_cast<int>(app->GetProfileInt(lpszSection, "PaintType", -1));
    const int color = static_cast<int>(app->GetProfileInt(lpszSection, "BackgroundColor", -1));
    if (color != -1)
        m_clrBk = static_cast<COLORREF>(color);
    if (type != -1)
        m_nPaintType = type;
    if (!name.IsEmpty())
        SetWallpaperFile(name, FALSE);
    if (bRedraw)
        Redraw(RedrawAll);
    return TRUE;
}

int COXBackgroundPainter::RealizeWallpaperPalette(BOOL bRedraw, BOOL bForeground)
{
    if (m_dib.IsEmpty() || !m_dib.GetPalette() || !m_hWndHooked || !::IsWindow(m_hWndHooked))
        return 0;
    CClientDC dc(CWnd::FromHandle(m_hWndHooked));
    CPalette* old = dc.SelectPalette(m_dib.GetPalette(), !bForeground);
    const int changed = static_cast<int>(dc.RealizePalette());
    if (changed > 0 && bRedraw)
        Redraw(RedrawMoved);
    if (old)
        dc.SelectPalette(old, TRUE);
    return changed;
}

void COXBackgroundPainter::CalcOriginRect(POINT& ptOffset, RECT& rcOrigin)
{
    ptOffset.x = ptOffset.y = 0;
    ::SetRectEmpty(&rcOrigin);
    CWnd* hooked = GetHookedWindow();
    CWnd* origin = m_pOriginWnd;
    if (origin && origin->GetSafeHwnd() != m_hWndHooked) {
        // A floating bar aligns to the frame it docks in.
        auto* bar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(m_hWndHooked));
        if (bar && bar->IsFloating() && bar->GetDockingFrame())
            origin = bar->GetDockingFrame();
    }
    const CRect originArea = OXBackgroundPaintArea(origin);
    rcOrigin = originArea;
    if (origin && origin->GetSafeHwnd() != m_hWndHooked) {
        const CRect area = OXBackgroundPaintArea(hooked);
        ptOffset.x = originArea.left - area.left;
        ptOffset.y = originArea.top - area.top;
    }
}

void COXBackgroundPainter::FillBackground(CDC* pDC)
{
    CRect window;
    ::GetWindowRect(m_hWndHooked, &window);
    const CRect rect(0, 0, window.Width(), window.Height());
    if (m_clrBk != OXBACKGROUND_DEFAULT_COLOR) {
        pDC->FillSolidRect(&rect, m_clrBk);
        return;
    }
    const HBRUSH classBrush = reinterpret_cast<HBRUSH>(::GetClassLongPtr(m_hWndHooked, GCLP_HBRBACKGROUND));
    if (classBrush) {
        // A system-colour index stands for that colour's brush.
        const UINT_PTR value = reinterpret_cast<UINT_PTR>(classBrush);
        if (value <= COLOR_MENUBAR + 1)
            ::FillRect(pDC->GetSafeHdc(), &rect, ::GetSysColorBrush(static_cast<int>(value) - 1));
        else
            ::FillRect(pDC->GetSafeHdc(), &rect, classBrush);
        return;
    }
    const HBRUSH face = ::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    ::FillRect(pDC->GetSafeHdc(), &rect, face);
    ::DeleteObject(face);
}

void COXBackgroundPainter::DrawBackground(CDC* pDC)
{
    if (!pDC)
        return;
    if (m_dib.IsEmpty() || m_dib.GetSize().cx <= 0 || m_dib.GetSize().cy <= 0) {
        FillBackground(pDC);
        return;
    }
    if (m_nPaintType != Tile && m_nPaintType != Stretch)
        FillBackground(pDC);
    const CRect area = OXBackgroundPaintArea(GetHookedWindow());
    POINT offset = {};
    RECT origin = {};
    CalcOriginRect(offset, origin);
    POINT dcOrigin = {};
    ::GetDCOrgEx(pDC->GetSafeHdc(), &dcOrigin);
    offset.x += area.left - dcOrigin.x;
    offset.y += area.top - dcOrigin.y;
    const CSize image = m_dib.GetSize();
    const CRect source(CPoint(0, 0), image);
    const CRect originRect(origin);
    for (const CRect& rect : OXBackgroundLayout(m_nPaintType, offset, area.Size(), image, originRect.Size()))
        m_dib.Draw(pDC, rect, source);
}

LRESULT COXBackgroundPainter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        CRect window;
        ::GetWindowRect(m_hWndHooked, &window);
        if (window != m_rectWindow) {
            // Aligned to another window, a moved window repaints whole.
            m_rectWindow = window;
            ::RedrawWindow(m_hWndHooked, nullptr, nullptr, RedrawMoved);
            return 1;
        }
        CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        const int saved = pDC->SaveDC();
        pDC->IntersectClipRect(0, 0, window.Width(), window.Height());
        DrawBackground(pDC);
        pDC->RestoreDC(saved);
        return 1;
    }
    case WM_SIZE:
        if (m_nPaintType != Tile && m_nPaintType != TopLeft)
            ::RedrawWindow(m_hWndHooked, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        break;
    case WM_SETFOCUS:
        RealizeWallpaperPalette(TRUE, TRUE);
        break;
    case WM_QUERYNEWPALETTE:
        return RealizeWallpaperPalette(TRUE, TRUE) > 0;
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) != m_hWndHooked)
            RealizeWallpaperPalette(TRUE, FALSE);
        return 0;
    default:
        break;
    }
    return COXHookWnd::WindowProc(message, wParam, lParam);
}
