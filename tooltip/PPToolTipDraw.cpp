// The tooltip's picture: preparing a tip (measuring, placing, the balloon
// region and the background), drawing it with its shadow and transparency
// over the screen it covers, and the window messages that repaint it.
#include "tooltip/PPToolTip.h"

#include "afx/DC.h"

#include <algorithm>

namespace {

// Colouring of the background fill, in percent.
const BYTE kFillColoring = 5;

BOOL IsSideAnchor(DWORD direction)
{
    return (direction & PPTOOLTIP_ANCHOR_LEFT) != 0;   // codes 32-34 and 48-50
}

// A memory DC holding a bitmap; puts the DC's own bitmap back and frees
// both when it goes.
class MemoryImage
{
public:
    MemoryImage(HDC hRef, int width, int height)
        : m_dc(CreateCompatibleDC(hRef)), m_bitmap(CreateCompatibleBitmap(hRef, width, height)),
          m_old(m_dc && m_bitmap ? SelectObject(m_dc, m_bitmap) : nullptr)
    {
    }
    ~MemoryImage()
    {
        if (m_old)
            SelectObject(m_dc, m_old);
        if (m_bitmap)
            DeleteObject(m_bitmap);
        if (m_dc)
            DeleteDC(m_dc);
    }
    MemoryImage(const MemoryImage&) = delete;
    MemoryImage& operator=(const MemoryImage&) = delete;

    BOOL Ok() const { return m_old != nullptr; }
    HDC Dc() const { return m_dc; }
    HBITMAP Bitmap() const { return m_bitmap; }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

// Copies a bitmap into a DC.
void PutBitmap(HDC hDest, HBITMAP hBitmap, int width, int height)
{
    if (!hBitmap)
        return;
    HDC src = CreateCompatibleDC(hDest);
    HGDIOBJ old = SelectObject(src, hBitmap);
    BitBlt(hDest, 0, 0, width, height, src, 0, 0, SRCCOPY);
    SelectObject(src, old);
    DeleteDC(src);
}

}  // namespace

DWORD CPPToolTip::CalcTipPlacement(DWORD direction, POINT pt, const RECT& screen,
                                   const int sizes[PPTTSZ_MAX_SIZES], RECT& body, RECT& text, RECT& window,
                                   POINT& anchor)
{
    const int anchorHeight = sizes[PPTTSZ_ANCHOR_HEIGHT];
    const int anchorMargin = sizes[PPTTSZ_ANCHOR_MARGIN];
    window = body;
    if (IsSideAnchor(direction))
        window.right += anchorHeight;
    else
        window.bottom += anchorHeight;
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;

    switch (direction)
    {
    case 32: case 33: case 34:
        if (pt.x + w > screen.right)
            direction ^= 16;
        break;
    case 48: case 49: case 50:
        if (pt.x - w < screen.left)
            direction ^= 16;
        break;
    case 0: case 16:
        if (pt.x + (w - anchorHeight) > screen.right)
            direction ^= 1;
        break;
    case 1: case 17:
        if (pt.x - (w - anchorHeight) < screen.left)
            direction ^= 1;
        break;
    default:
        break;
    }
    switch (direction)
    {
    case 0: case 1: case 2:
        if (pt.y + h > screen.bottom)
            direction ^= 16;
        break;
    case 16: case 17: case 18:
        if (pt.y - h < screen.top)
            direction ^= 16;
        break;
    case 32: case 48:
        if (pt.y + (h - anchorHeight) > screen.bottom)
            direction ^= 1;
        break;
    case 33: case 49:
        if (pt.y - (h - anchorHeight) < screen.top)
            direction ^= 1;
        break;
    default:
        break;
    }

    const DWORD side = direction & PPTOOLTIP_ANCHOR_SIDE_MASK;
    const DWORD along = direction & 0x0F;
    if (side == PPTOOLTIP_ANCHOR_TOP || side == PPTOOLTIP_ANCHOR_BOTTOM)
    {
        anchor.y = side == PPTOOLTIP_ANCHOR_TOP ? window.top : window.bottom;
        if (along == PPTOOLTIP_ALONG_START)
            anchor.x = window.left + anchorMargin;
        else if (along == PPTOOLTIP_ALONG_END)
            anchor.x = window.right - anchorMargin;
        else
            anchor.x = window.left + (window.right - window.left) / 2;
        if (along == PPTOOLTIP_ALONG_END)
        {
            if (pt.x - anchor.x + w > screen.right)
                anchor.x = pt.x + w - screen.right;
        }
        else if (pt.x - anchor.x < screen.left)
            anchor.x = pt.x - screen.left;
    }
    else
    {
        anchor.x = side == PPTOOLTIP_ANCHOR_LEFT ? window.left : window.right;
        if (along == PPTOOLTIP_ALONG_START)
            anchor.y = window.top + anchorMargin;
        else if (along == PPTOOLTIP_ALONG_END)
            anchor.y = window.bottom - anchorMargin;
        else
            anchor.y = (window.bottom - window.top) / 2;
        if (along == PPTOOLTIP_ALONG_END)
        {
            if (pt.y - anchor.y + h > screen.bottom)
                anchor.y = pt.y + h - screen.bottom;
        }
        else if (pt.y - anchor.y < screen.top)
            anchor.y = pt.y - screen.top;
    }

    if (side == PPTOOLTIP_ANCHOR_TOP)
    {
        OffsetRect(&body, 0, anchorHeight);
        OffsetRect(&text, 0, anchorHeight);
    }
    else if (side == PPTOOLTIP_ANCHOR_LEFT)
    {
        OffsetRect(&body, anchorHeight, 0);
        OffsetRect(&text, anchorHeight, 0);
    }
    return direction;
}

void CPPToolTip::FreeResources()
{
    if (m_hBitmapBk)
        DeleteObject(m_hBitmapBk);
    if (m_hBitmapScreen)
        DeleteObject(m_hBitmapScreen);
    if (m_hrgnTip)
        DeleteObject(m_hrgnTip);
    m_hBitmapBk = nullptr;
    m_hBitmapScreen = nullptr;
    m_hrgnTip = nullptr;
}

void CPPToolTip::DisplayTip(CPoint pt)
{
    ToolInfo& ti = m_tiNext;
    if (!(ti.mask & PPTOOLTIP_MASK_STYLE))
        ti.style = m_nStyles;
    if (!(ti.mask & PPTOOLTIP_MASK_EFFECT))
    {
        ti.effect = m_nEffect;
        ti.granularity = m_nGranularity;
    }
    if (!(ti.mask & PPTOOLTIP_MASK_COLORS))
    {
        ti.colorBegin = m_clrBegin;
        ti.colorMid = m_clrMid;
        ti.colorEnd = m_clrEnd;
    }
    if (!(ti.mask & PPTOOLTIP_MASK_DIRECTION))
        ti.direction = m_nDirection;
    if (!(ti.mask & PPTOOLTIP_MASK_BEHAVIOUR))
        ti.behaviour = m_nBehaviour;
    if (!(ti.mask & PPTOOLTIP_MASK_TRANSPARENCY))
        ti.transparency = m_nTransparencyDefault;

    if (m_hNotifyWnd)
    {
        ToolTipDisplayNotify notify = {};
        notify.hdr.hwndFrom = m_hWnd;
        notify.hdr.idFrom = m_hWnd ? static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd)) : 0;
        notify.hdr.code = UDM_TOOLTIP_DISPLAY;
        notify.hwndTool = m_hNextWnd;
        notify.pt = &pt;
        notify.ti = &ti;
        ::SendMessage(m_hNotifyWnd, WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
    }

    // The tip being shown is the one the timers and the paint handler draw.
    m_hCurrentWnd = m_hNextWnd;
    m_nCurrentKind = m_nNextKind;
    m_tiCurrent = ti;

    if (ti.text.IsEmpty() || !m_hWnd)
        return;

    HDC hDC = ::GetDC(m_hWnd);
    const SIZE size = m_drawer.PrepareOutput(hDC, ti.text);
    const int marginX = m_nSizes[PPTTSZ_MARGIN_CX];
    const int marginY = m_nSizes[PPTTSZ_MARGIN_CY];
    m_rcTipText = RECT{0, 0, size.cx, size.cy};
    m_rcTipBody = RECT{0, 0, size.cx + 2 * marginX, size.cy + 2 * marginY};
    OffsetRect(&m_rcTipText, marginX, marginY);

    const RECT screen = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                         GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                         GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    m_nUsedDirection = CalcTipPlacement(ti.direction, pt, screen, m_nSizes, m_rcTipBody, m_rcTipText,
                                        m_rcTipWindow, m_ptAnchor);
    FreeResources();

    // The region: the rounded body and the anchor's triangle.
    const RECT& body = m_rcTipBody;
    m_hrgnTip = CreateRoundRectRgn(body.left, body.top, body.right + 1, body.bottom + 1,
                                   m_nSizes[PPTTSZ_ROUNDED_CX], m_nSizes[PPTTSZ_ROUNDED_CY]);
    const int anchorWidth = m_nSizes[PPTTSZ_ANCHOR_WIDTH];
    const int anchorMargin = m_nSizes[PPTTSZ_ANCHOR_MARGIN];
    const DWORD side = m_nUsedDirection & PPTOOLTIP_ANCHOR_SIDE_MASK;
    const DWORD along = m_nUsedDirection & 0x0F;
    if (anchorWidth && m_nSizes[PPTTSZ_ANCHOR_HEIGHT])
    {
        const BOOL sideAnchor = IsSideAnchor(m_nUsedDirection);
        const int start = sideAnchor ? body.top : body.left;
        const int end = sideAnchor ? body.bottom : body.right;
        int from = start + anchorMargin;
        if (along == PPTOOLTIP_ALONG_END)
            from = end - anchorMargin - anchorWidth;
        else if (along == PPTOOLTIP_ALONG_CENTER)
            from = start + (end - start - anchorWidth) / 2;
        POINT triangle[3];
        triangle[0] = m_ptAnchor;
        if (sideAnchor)
        {
            const int x = side == PPTOOLTIP_ANCHOR_LEFT ? body.left : body.right;
            triangle[1] = POINT{x, from};
            triangle[2] = POINT{x, from + anchorWidth};
        }
        else
        {
            const int y = side == PPTOOLTIP_ANCHOR_TOP ? body.top : body.bottom;
            triangle[1] = POINT{from, y};
            triangle[2] = POINT{from + anchorWidth, y};
        }
        HRGN anchorRgn = CreatePolygonRgn(triangle, 3, ALTERNATE);
        if (anchorRgn)
        {
            CombineRgn(m_hrgnTip, m_hrgnTip, anchorRgn, RGN_OR);
            DeleteObject(anchorRgn);
        }
    }

    // The background: the fill over the body, continued over the anchor strip.
    const int width = m_rcTipWindow.right - m_rcTipWindow.left;
    const int height = m_rcTipWindow.bottom - m_rcTipWindow.top;
    {
        HDC memDC = CreateCompatibleDC(hDC);
        m_hBitmapBk = CreateCompatibleBitmap(hDC, width + std::max(0, m_nShadowOffsetX),
                                             height + std::max(0, m_nShadowOffsetY));
        HGDIOBJ old = SelectObject(memDC, m_hBitmapBk);
        m_drawer.GetDrawManager()->FillEffect(memDC, static_cast<int>(ti.effect), &body, ti.colorBegin,
                                              ti.colorMid, ti.colorEnd, ti.granularity, kFillColoring);
        const int bodyW = body.right - body.left;
        const int bodyH = body.bottom - body.top;
        if (side == PPTOOLTIP_ANCHOR_TOP && body.top > 0)
            StretchBlt(memDC, body.left, 0, bodyW, body.top, memDC, body.left, body.top, bodyW, 1, SRCCOPY);
        else if (side == PPTOOLTIP_ANCHOR_BOTTOM && height > body.bottom)
            StretchBlt(memDC, body.left, body.bottom, bodyW, height - body.bottom, memDC, body.left,
                       body.bottom - 1, bodyW, 1, SRCCOPY);
        else if (side == PPTOOLTIP_ANCHOR_LEFT && body.left > 0)
            StretchBlt(memDC, 0, body.top, body.left, bodyH, memDC, body.left, body.top, 1, bodyH, SRCCOPY);
        else if (side == PPTOOLTIP_ANCHOR_RIGHT && width > body.right)
            StretchBlt(memDC, body.right, body.top, width - body.right, bodyH, memDC, body.right - 1, body.top,
                       1, bodyH, SRCCOPY);
        SelectObject(memDC, old);
        DeleteDC(memDC);
    }

    m_nTransparency = m_bFadeInEnabled && m_nTimeFadeIn != 0 ? 100 : ti.transparency;

    // The shadow lies beside the tip, so the window grows to hold it; the
    // window's region is the tip's united with its shifted copy.
    HRGN windowRgn = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(windowRgn, m_hrgnTip, nullptr, RGN_COPY);
    if (m_nShadowOffsetX || m_nShadowOffsetY)
    {
        HRGN shifted = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(shifted, m_hrgnTip, nullptr, RGN_COPY);
        OffsetRgn(shifted, m_nShadowOffsetX, m_nShadowOffsetY);
        CombineRgn(windowRgn, windowRgn, shifted, RGN_OR);
        DeleteObject(shifted);
        m_rcTipWindow.right += std::max(0, m_nShadowOffsetX);
        m_rcTipWindow.bottom += std::max(0, m_nShadowOffsetY);
    }

    const int x = pt.x - m_ptAnchor.x;
    const int y = pt.y - m_ptAnchor.y;
    const int fullW = m_rcTipWindow.right - m_rcTipWindow.left;
    const int fullH = m_rcTipWindow.bottom - m_rcTipWindow.top;

    // What lies under the tip, for the shadow and the transparency to blend
    // with; taken before the tip covers it.
    HDC screenDC = ::GetDC(nullptr);
    HDC saveDC = CreateCompatibleDC(screenDC);
    m_hBitmapScreen = CreateCompatibleBitmap(screenDC, fullW, fullH);
    HGDIOBJ oldSave = SelectObject(saveDC, m_hBitmapScreen);
    BitBlt(saveDC, 0, 0, fullW, fullH, screenDC, x, y, SRCCOPY);
    SelectObject(saveDC, oldSave);
    DeleteDC(saveDC);
    ::ReleaseDC(nullptr, screenDC);
    ::ReleaseDC(m_hWnd, hDC);

    ::SetWindowRgn(m_hWnd, windowRgn, FALSE);   // the window owns it
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, fullW, fullH, SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOCOPYBITS);
}

void CPPToolTip::DrawTip(HDC hDC, int transparency)
{
    if (!m_hWnd || !m_hBitmapBk || m_tiCurrent.text.IsEmpty())
        return;
    HDC ownDC = nullptr;
    if (!hDC)
        hDC = ownDC = ::GetDC(m_hWnd);
    const int width = m_rcTipWindow.right - m_rcTipWindow.left;
    const int height = m_rcTipWindow.bottom - m_rcTipWindow.top;
    transparency = std::max(0, std::min(transparency, 100));

    MemoryImage tip(hDC, width, height);
    MemoryImage result(hDC, width, height);
    if (tip.Ok() && result.Ok())
    {
        PutBitmap(tip.Dc(), m_hBitmapBk, width, height);
        m_drawer.DrawPreparedOutput(tip.Dc(), m_tiCurrent.text, &m_rcTipText);
        if (m_hbrBorder && m_nBorderWidth && m_nBorderHeight && m_hrgnTip)
            OnDrawBorder(CDC::FromHandle(tip.Dc()), m_hrgnTip);

        PutBitmap(result.Dc(), m_hBitmapScreen, width, height);
        if ((m_nShadowOffsetX || m_nShadowOffsetY) && m_hrgnTip)
        {
            MemoryImage mask(hDC, width, height);
            if (mask.Ok())
            {
                PatBlt(mask.Dc(), 0, 0, width, height, WHITENESS);
                const int base = MulDiv(255, 100 - m_nShadowDarkness, 100);
                const int grey = base + transparency * (255 - base) / 100;
                HBRUSH brush = CreateSolidBrush(RGB(grey, grey, grey));
                FillRgn(mask.Dc(), m_hrgnTip, brush);
                DeleteObject(brush);
                m_drawer.GetDrawManager()->DrawShadow(result.Dc(), m_nShadowOffsetX, m_nShadowOffsetY,
                                                      width - m_nShadowOffsetX, height - m_nShadowOffsetY,
                                                      mask.Bitmap(), m_bShadowBlur, m_nShadowDepthX,
                                                      m_nShadowDepthY);
            }
        }
        SelectClipRgn(result.Dc(), m_hrgnTip);
        m_drawer.GetDrawManager()->AlphaBitBlt(result.Dc(), 0, 0, width, height, tip.Dc(), 0, 0,
                                               100 - transparency);
        SelectClipRgn(result.Dc(), nullptr);
        BitBlt(hDC, 0, 0, width, height, result.Dc(), 0, 0, SRCCOPY);
    }
    if (ownDC)
        ::ReleaseDC(m_hWnd, ownDC);
}

void CPPToolTip::OnDrawBorder(CDC* pDC, HRGN hRgn)
{
    FrameRgn(pDC->GetSafeHdc(), hRgn, m_hbrBorder, m_nBorderWidth, m_nBorderHeight);
}

void CPPToolTip::MoveTip(CPoint pt)
{
    const int x = pt.x - m_ptAnchor.x;
    const int y = pt.y - m_ptAnchor.y;
    MoveWindow(x, y, m_rcTipWindow.right - m_rcTipWindow.left, m_rcTipWindow.bottom - m_rcTipWindow.top);
}

void CPPToolTip::OnPaint()
{
    CPaintDC dc(this);
    DrawTip(dc.GetSafeHdc(), m_nTransparency);
}

BOOL CPPToolTip::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    POINT pt = GetCursorPoint();
    ::ScreenToClient(m_hWnd, &pt);
    if (!m_drawer.OnSetCursor(pt))
        ::SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

LRESULT CPPToolTip::OnRepaintWindow(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (m_bHyperlinkRedraw)
        DrawTip(nullptr, 0);
    return 0;
}
