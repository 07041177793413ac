// COXBitmapButton: images, layout and drawing.
#include "toolkit/foundation/OXBitmapButton.h"

#include "afx/DC.h"
#include "toolkit/foundation/OXBitmapButtonLayout.h"

#include <algorithm>
#include <vector>

namespace {
// The drop-down arrow glyphs of the "Marlett" font: down and right.
const char ArrowDown[] = "6";
const char ArrowRight[] = "8";
const int ArrowSeparatorGap = 3;
const int ImageGrowBy = 5;
const WORD PaletteVersion = 0x300;

// COLOR_BTNFACE, kept for the whole process and refreshed on WM_SYSCOLORCHANGE.
COLORREF& CachedButtonFace()
{
    static COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    return face;
}

HFONT CreateArrowFont()
{
    LOGFONTA font = {};
    font.lfHeight = ::GetSystemMetrics(SM_CYMENUCHECK);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SYMBOL_CHARSET;
    lstrcpynA(font.lfFaceName, "Marlett", LF_FACESIZE);
    return ::CreateFontIndirectA(&font);
}

// An 8-bit copy of a bitmap with its colour table, as the screen gives it.
struct Dib8
{
    std::vector<BYTE> info;   // BITMAPINFO with 256 colours
    std::vector<BYTE> bits;
    BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(info.data()); }
};

BOOL ReadDib8(HBITMAP bitmap, Dib8& dib)
{
    BITMAP bm = {};
    if (!::GetObjectA(bitmap, sizeof bm, &bm))
        return FALSE;
    dib.info.assign(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
    BITMAPINFOHEADER& header = dib.Info()->bmiHeader;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = bm.bmWidth;
    header.biHeight = bm.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = 8;
    header.biCompression = BI_RGB;
    dib.bits.assign(static_cast<size_t>((bm.bmWidth + 3) & ~3) * bm.bmHeight, 0);
    HDC screen = ::GetDC(nullptr);
    int lines = ::GetDIBits(screen, bitmap, 0, bm.bmHeight, dib.bits.data(), dib.Info(), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    header.biClrUsed = 256;
    return lines == bm.bmHeight;
}

HBITMAP MakeDdb(Dib8& dib)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateDIBitmap(screen, &dib.Info()->bmiHeader, CBM_INIT, dib.bits.data(), dib.Info(), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}
} // namespace

void COXBitmapButton::OnSysColorChange()
{
    CButton::OnSysColorChange();
    CachedButtonFace() = ::GetSysColor(COLOR_BTNFACE);
}

// ---- Images ------------------------------------------------------------------------

BOOL COXBitmapButton::MakeGrayColorTable(BITMAPINFO* pInfo, COLORREF clrTransparent)
{
    if (!pInfo || pInfo->bmiHeader.biBitCount > 8)
        return FALSE;
    DWORD entries = pInfo->bmiHeader.biClrUsed ? pInfo->bmiHeader.biClrUsed : (1u << pInfo->bmiHeader.biBitCount);
    for (DWORD i = 0; i < entries; ++i) {
        RGBQUAD& entry = pInfo->bmiColors[i];
        if (clrTransparent != CLR_NONE && RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue) == (clrTransparent & 0xFFFFFF))
            continue;
        BYTE level = BitmapButtonGrayLevel(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
        entry.rgbRed = entry.rgbGreen = entry.rgbBlue = level;
    }
    return TRUE;
}

void COXBitmapButton::CloseAnimation()
{
    if (m_animation.GetSafeHwnd()) {
        m_animation.Close();
        m_animation.DestroyWindow();
    }
    m_bAnimationPlaying = FALSE;
}

BOOL COXBitmapButton::LoadIcon(UINT nIconID, BOOL bResize, UINT nWidth, UINT nHeight)
{
    const int cx = nWidth ? static_cast<int>(nWidth) : ::GetSystemMetrics(SM_CXICON);
    const int cy = nHeight ? static_cast<int>(nHeight) : ::GetSystemMetrics(SM_CYICON);
    m_imageList.DeleteImageList();
    m_palette.DeleteObject();
    CloseAnimation();
    HICON icon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIconID), IMAGE_ICON, cx, cy, 0));
    if (!icon)
        return FALSE;
    ICONINFO parts = {};
    BOOL ok = ::GetIconInfo(icon, &parts) && m_imageList.Create(cx, cy, ILC_COLORDDB | ILC_MASK, 3, ImageGrowBy) &&
              m_imageList.Add(icon) == 0;
    if (ok) {
        // Image 1: the icon through a grey colour table. The palette keeps
        // the icon's own colours.
        Dib8 dib;
        if (parts.hbmColor && ReadDib8(parts.hbmColor, dib)) {
            std::vector<BYTE> buffer(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
            LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
            palette->palVersion = PaletteVersion;
            palette->palNumEntries = 256;
            for (int i = 0; i < 256; ++i) {
                const RGBQUAD& entry = dib.Info()->bmiColors[i];
                palette->palPalEntry[i] = { entry.rgbRed, entry.rgbGreen, entry.rgbBlue, 0 };
            }
            m_palette.CreatePalette(palette);
            MakeGrayColorTable(dib.Info());
            HBITMAP gray = MakeDdb(dib);
            ok = gray && ImageList_Add(m_imageList.GetSafeHandle(), gray, parts.hbmMask) == 1;
            ::DeleteObject(gray);
        } else {
            ok = m_imageList.Add(icon) == 1;
        }
    }
    if (ok) {
        // Image 2: the icon embossed over the button face.
        HDC screen = ::GetDC(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        HBITMAP embossed = ::CreateCompatibleBitmap(screen, cx, cy);
        HGDIOBJ old = ::SelectObject(memory, embossed);
        RECT all = { 0, 0, cx, cy };
        HBRUSH face = ::CreateSolidBrush(CachedButtonFace());
        ::FillRect(memory, &all, face);
        ::DeleteObject(face);
        ::DrawStateA(memory, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 0, 0, cx, cy, DST_ICON | DSS_DISABLED);
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
        ok = ImageList_Add(m_imageList.GetSafeHandle(), embossed, parts.hbmMask) == 2;
        ::DeleteObject(embossed);
    }
    if (parts.hbmColor)
        ::DeleteObject(parts.hbmColor);
    if (parts.hbmMask)
        ::DeleteObject(parts.hbmMask);
    ::DestroyIcon(icon);
    if (!ok) {
        m_imageList.DeleteImageList();
        return FALSE;
    }
    if (bResize)
        SizeToContent();
    else if (m_hWnd)
        Invalidate();
    return TRUE;
}

BOOL COXBitmapButton::ReplaceImage(int nIndex, HBITMAP hBitmap, HICON hIcon)
{
    if (GetImageCount() < 1)
        return FALSE;
    // Images 1 and 2 exist after LoadIcon; a list with fewer is filled up
    // with copies of image 0 first.
    while (GetImageCount() <= nIndex) {
        HICON copy = m_imageList.ExtractIcon(0);
        m_imageList.Add(copy);
        ::DestroyIcon(copy);
    }
    BOOL ok = hIcon ? m_imageList.Replace(nIndex, hIcon) == nIndex
                    : ImageList_Replace(m_imageList.GetSafeHandle(), nIndex, hBitmap, nullptr);
    if (ok && m_hWnd)
        Invalidate();
    return ok;
}

BOOL COXBitmapButton::LoadInactiveIcon(UINT nIconID)
{
    if (GetImageCount() < 1)
        return FALSE;
    CSize size = GetImageSize();
    HICON icon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIconID), IMAGE_ICON, size.cx, size.cy, 0));
    if (!icon)
        return FALSE;
    BOOL ok = ReplaceImage(1, nullptr, icon);
    ::DestroyIcon(icon);
    return ok;
}

BOOL COXBitmapButton::ReplaceImageByBitmap(int nIndex, UINT nBitmapID)
{
    if (GetImageCount() < 1)
        return FALSE;
    HBITMAP bitmap = ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nBitmapID));
    if (!bitmap)
        return FALSE;
    BOOL ok = ReplaceImage(nIndex, bitmap, nullptr);
    ::DeleteObject(bitmap);
    return ok;
}

BOOL COXBitmapButton::LoadInactiveBitmap(UINT nBitmapID)
{
    return ReplaceImageByBitmap(1, nBitmapID);
}

BOOL COXBitmapButton::LoadDisabledBitmap(UINT nBitmapID)
{
    return ReplaceImageByBitmap(2, nBitmapID);
}

BOOL COXBitmapButton::LoadAnimation(LPCTSTR lpszFileName, BOOL bResize)
{
    if (!m_hWnd)
        return FALSE;
    CloseAnimation();
    m_imageList.DeleteImageList();
    m_palette.DeleteObject();
    if (!m_animation.Create(WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT, CRect(0, 0, 0, 0), this, 0xFFFF))
        return FALSE;
    if (!m_animation.Open(lpszFileName)) {
        m_animation.DestroyWindow();
        return FALSE;
    }
    // The control takes the clip's size when opened; show its first frame.
    m_animation.Seek(0);
    if (bResize)
        SizeToContent();
    else
        Invalidate();
    return TRUE;
}

void COXBitmapButton::RemoveImage(BOOL bResize)
{
    CloseAnimation();
    m_imageList.DeleteImageList();
    if (bResize)
        SizeToContent();
    else if (m_hWnd)
        Invalidate();
}

CSize COXBitmapButton::GetImageSize() const
{
    if (m_animation.GetSafeHwnd()) {
        CRect rect;
        m_animation.GetWindowRect(&rect);
        return CSize(rect.Width() + 1, rect.Height() + 1);
    }
    if (GetImageCount() > 0) {
        int cx = 0, cy = 0;
        m_imageList.GetIconSize(&cx, &cy);
        return CSize(cx, cy);
    }
    return CSize(0, 0);
}

// ---- Layout -------------------------------------------------------------------------

CSize COXBitmapButton::MeasureText(CDC* pDC, const CString& text, int nRoomWidth)
{
    CString shown = text;
    if (shown.IsEmpty())
        return CSize(0, 0);
    CRect rect(0, 0, std::max(nRoomWidth, 1), 0);
    UINT format = (m_hWnd && (GetStyle() & BS_MULTILINE)) ? DT_CALCRECT | DT_WORDBREAK : DT_CALCRECT | DT_SINGLELINE;
    pDC->DrawText(shown, &rect, format);
    return CSize(rect.Width(), rect.Height());
}

void COXBitmapButton::CalcLayout(CDC* pDC, const CRect& content, UINT nState, CRect& image, CRect& text)
{
    const DWORD style = m_hWnd ? GetStyle() : 0;
    CSize imageSize = GetImageSize();
    int room = content.Width() - (imageSize.cx > 0 ? imageSize.cx + 2 * BitmapButtonImageMargin : 0) - BitmapButtonTextMarginX;
    CSize textSize = MeasureText(pDC, GetText(), room);
    CalcBitmapButtonLayout(content.Size(), imageSize, textSize, style, image, text);
    image.OffsetRect(content.TopLeft());
    text.OffsetRect(content.TopLeft());
    CSize shift(0, 0);
    if (nState & ODS_SELECTED)
        shift = m_pressedOffset;
    else if (m_dwStateFlags & OXBB_STATE_PUSHED)
        shift = m_pushedOffset;
    else if (m_bTransparent && m_bHovering && !(nState & ODS_DISABLED))
        shift = m_hoverOffset;
    if (!image.IsRectEmpty())
        image.OffsetRect(shift);
    if (!text.IsRectEmpty())
        text.OffsetRect(shift);
}

CSize COXBitmapButton::GetFitSize()
{
    CClientDC dc(this);
    CFont* old = dc.SelectObject(GetTextFont());
    const DWORD style = m_hWnd ? GetStyle() : 0;
    CString caption = GetText();
    CSize imageSize = GetImageSize();
    CSize textSize = MeasureText(&dc, caption, 0x7FFF);
    if (!caption.IsEmpty() && !BitmapButtonSideBySide(style, imageSize, textSize) && imageSize.cx > 0 &&
        ((style & BS_VCENTER) == BS_TOP || (style & BS_VCENTER) == BS_BOTTOM)) {
        textSize = CompactTextBlock([&dc, &caption](int width) {
            CRect rect(0, 0, width, 0);
            dc.DrawText(caption, &rect, DT_CALCRECT | (width ? DT_WORDBREAK : DT_SINGLELINE));
            return CSize(rect.Width(), rect.Height());
        });
    }
    dc.SelectObject(old);
    CSize fit = CalcBitmapButtonFitSize(imageSize, textSize, style);
    CSize dropDown = GetDropDownSize();
    return CSize(fit.cx + dropDown.cx, fit.cy + dropDown.cy);
}

BOOL COXBitmapButton::SizeToContent()
{
    if (!m_hWnd)
        return FALSE;
    CRect before;
    GetWindowRect(&before);
    CSize fit = GetFitSize();
    SetWindowPos(nullptr, 0, 0, fit.cx, fit.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    CRect after;
    GetWindowRect(&after);
    if (CWnd* parent = GetParent()) {
        CRect both;
        both.UnionRect(&before, &after);
        parent->ScreenToClient(&both);
        parent->InvalidateRect(&both);
    }
    return TRUE;
}

int COXBitmapButton::GetDropDownArrowWidth() const
{
    HDC screen = ::GetDC(nullptr);
    if (!screen)
        return 0;
    HFONT font = CreateArrowFont();
    HGDIOBJ old = ::SelectObject(screen, font);
    SIZE size = {};
    if (!::GetTextExtentPoint32A(screen, ArrowDown, 1, &size))
        size.cx = 0;
    ::SelectObject(screen, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, screen);
    return size.cx;
}

CSize COXBitmapButton::GetDropDownSize() const
{
    if ((m_dwStyleFlags & OXBB_DROPDOWN) && !(m_dwStyleFlags & OXBB_NOARROW))
        return CSize(m_nArrowWidth - 2 * m_arrowMargins.cx, 0);
    return CSize(0, 0);
}

UINT COXBitmapButton::DrawState(UINT nItemState) const
{
    if (!IsButtonEnabled())
        return nItemState | ODS_DISABLED;
    return nItemState & ~ODS_DISABLED;
}

// ---- Drawing ------------------------------------------------------------------------

CPalette* COXBitmapButton::SelectPaletteIntoDC(CDC* pDC, CPalette* pPalette)
{
    if (!pPalette || !pPalette->GetSafeHandle())
        return nullptr;
    CPalette* old = pDC->SelectPalette(pPalette, TRUE);
    pDC->RealizePalette();
    return old;
}

CPalette* COXBitmapButton::SelectButtonPalette(CDC* pDC)
{
    return SelectPaletteIntoDC(pDC, &m_palette);
}

void COXBitmapButton::DrawButtonFrame(CDC* pDC, CRect rect, UINT nState)
{
    if (m_bTransparent) {
        if (m_bBackgroundTaken)
            m_background.Draw(pDC, 0, rect.TopLeft(), ILD_NORMAL);
        return;
    }
    UINT flags = 0;
    if (m_dwStateFlags & OXBB_STATE_THIRD) {
        flags = DFCS_BUTTONPUSH | DFCS_PUSHED;
    } else if (m_dwStateFlags & OXBB_STATE_PUSHED) {
        flags = DFCS_BUTTONPUSH | (((m_bTrackLook && m_bHovering) || (m_dwStyleFlags & OXBB_DROPDOWN)) ? DFCS_PUSHED : DFCS_CHECKED);
    } else if (nState & ODS_SELECTED) {
        flags = DFCS_BUTTONPUSH | DFCS_PUSHED;
    } else if (!m_bTrackLook) {
        flags = DFCS_BUTTONPUSH | ((nState & ODS_DISABLED) ? DFCS_INACTIVE : 0);
        if (nState & ODS_FOCUS)
            rect.DeflateRect(1, 1);
    } else if (!m_bHovering || (nState & ODS_DISABLED)) {
        // Track look at rest: a flat face.
        pDC->FillSolidRect(&rect, CachedButtonFace());
        return;
    } else {
        flags = DFCS_BUTTONPUSH;
    }
    pDC->DrawFrameControl(&rect, DFC_BUTTON, flags);
}

void COXBitmapButton::DrawButtonImage(CDC* pDC, const CRect& rect, UINT nState)
{
    int count = GetImageCount();
    if (count == 0 || rect.IsRectEmpty())
        return;
    int index = 0;
    if ((nState & ODS_DISABLED) && !m_bTransparent)
        index = 2;
    else if ((m_bTrackLook && !m_bHovering && !m_bTransparent && !(nState & ODS_SELECTED)) ||
             (m_dwStateFlags & OXBB_STATE_THIRD))
        index = 1;
    if (index >= count)
        index = 0;
    m_imageList.Draw(pDC, index, rect.TopLeft(), ILD_TRANSPARENT);
}

void COXBitmapButton::DrawButtonText(CDC* pDC, const CRect& rect, UINT nState, const CString& text)
{
    if (text.IsEmpty() || rect.IsRectEmpty())
        return;
    DWORD style = m_hWnd ? GetStyle() : 0;
    UINT format = DT_CENTER;
    if ((style & BS_CENTER) == BS_LEFT)
        format = DT_LEFT;
    else if ((style & BS_CENTER) == BS_RIGHT)
        format = DT_RIGHT;
    format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    format |= DT_VCENTER;
    pDC->SetBkMode(TRANSPARENT);
    COLORREF old = pDC->GetTextColor();
    CRect r = rect;
    if ((nState & ODS_DISABLED) && !m_bTransparent) {
        // Embossed; a plain grey text when the system cannot emboss it.
        CBitmap bitmap;
        CDC memory;
        BOOL drawn = FALSE;
        if (memory.CreateCompatibleDC(pDC) && bitmap.CreateCompatibleBitmap(pDC, r.Width(), r.Height())) {
            CBitmap* oldBitmap = memory.SelectObject(&bitmap);
            CFont* oldFont = memory.SelectObject(pDC->GetCurrentFont());
            memory.FillSolidRect(CRect(0, 0, r.Width(), r.Height()), RGB(255, 255, 255));
            memory.SetBkMode(TRANSPARENT);
            memory.SetTextColor(RGB(0, 0, 0));
            CRect inner(0, 0, r.Width(), r.Height());
            memory.DrawText(text, &inner, format);
            memory.SelectObject(oldFont);
            memory.SelectObject(oldBitmap);
            drawn = pDC->DrawState(r.TopLeft(), r.Size(), &bitmap, DST_BITMAP | DSS_DISABLED);
        }
        if (!drawn) {
            pDC->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
            pDC->DrawText(text, &r, format);
        }
    } else {
        COLORREF color = m_textColor;
        if (m_dwStateFlags & OXBB_STATE_THIRD)
            color = ::GetSysColor(COLOR_BTNSHADOW);
        else if (m_bTrackLook && !m_bHovering)
            color = RGB(0, 0, 0);
        pDC->SetTextColor(color);
        pDC->DrawText(text, &r, format);
    }
    pDC->SetTextColor(old);
}

void COXBitmapButton::DrawDropDownArrow(CDC* pDC, CRect rect, UINT nState)
{
    rect.InflateRect(m_arrowMargins.cx, 0);
    if (m_bArrowSeparator && !(m_bTrackLook && !m_bHovering))
        pDC->Draw3dRect(rect.left - ArrowSeparatorGap, rect.top - m_arrowMargins.cy, 2,
                        rect.Height() + 2 * m_arrowMargins.cy, ::GetSysColor(COLOR_BTNSHADOW),
                        ::GetSysColor(COLOR_BTNHIGHLIGHT));
    if (nState & ODS_SELECTED)
        rect.OffsetRect(m_pressedOffset);
    else if (m_dwStateFlags & OXBB_STATE_PUSHED)
        rect.OffsetRect(m_pushedOffset);
    HFONT font = CreateArrowFont();
    HGDIOBJ old = ::SelectObject(pDC->GetSafeHdc(), font);
    pDC->SetBkMode(TRANSPARENT);
    COLORREF oldColor = pDC->SetTextColor(::GetSysColor((nState & ODS_DISABLED) ? COLOR_BTNSHADOW : COLOR_BTNTEXT));
    pDC->DrawText((m_dwStyleFlags & OXBB_DROPDOWNRIGHT) ? ArrowRight : ArrowDown, 1, &rect,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetTextColor(oldColor);
    ::SelectObject(pDC->GetSafeHdc(), old);
    ::DeleteObject(font);
}

void COXBitmapButton::DrawButtonFocus(CDC* pDC, CRect rect, UINT nState, const CRect& image)
{
    if (m_bTransparent) {
        // A small black ellipse in the middle of the image.
        CPoint centre = image.IsRectEmpty() ? rect.CenterPoint() : image.CenterPoint();
        CRect mark(centre.x - m_focusEllipseSize.cx / 2, centre.y - m_focusEllipseSize.cy / 2, 0, 0);
        mark.right = mark.left + m_focusEllipseSize.cx;
        mark.bottom = mark.top + m_focusEllipseSize.cy;
        HGDIOBJ oldPen = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(BLACK_PEN));
        HGDIOBJ oldBrush = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(HOLLOW_BRUSH));
        ::Ellipse(pDC->GetSafeHdc(), mark.left, mark.top, mark.right, mark.bottom);
        ::SelectObject(pDC->GetSafeHdc(), oldBrush);
        ::SelectObject(pDC->GetSafeHdc(), oldPen);
        return;
    }
    CRect focus = rect;
    focus.InflateRect(m_focusMargins);
    pDC->DrawFocusRect(&focus);
    if (!m_bTrackLook && !(m_dwStateFlags & (OXBB_STATE_PUSHED | OXBB_STATE_THIRD))) {
        CRect frame = rect;
        frame.InflateRect(m_defaultFrameMargins);
        ::FrameRect(pDC->GetSafeHdc(), &frame, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        if (nState & ODS_SELECTED) {
            frame.DeflateRect(1, 1);
            ::FrameRect(pDC->GetSafeHdc(), &frame, ::GetSysColorBrush(COLOR_BTNSHADOW));
        }
    }
}

void COXBitmapButton::DrawContent(CDC* pDC, const CRect& item, UINT nState, CRect& content, CRect& image, CRect& text)
{
    CSize dropDown = GetDropDownSize();
    content = CRect(0, 0, item.Width() - dropDown.cx, item.Height() - dropDown.cy);
    CFont* oldFont = pDC->SelectObject(GetTextFont());
    CalcLayout(pDC, content, nState, image, text);
    DrawButtonFrame(pDC, CRect(0, 0, item.Width(), item.Height()), nState);
    DrawButtonImage(pDC, image, nState);
    DrawButtonText(pDC, text, nState, GetText());
    if ((m_dwStyleFlags & OXBB_DROPDOWN) && !(m_dwStyleFlags & OXBB_NOARROW))
        DrawDropDownArrow(pDC, CRect(content.right, 0, item.Width(), item.Height()), nState);
    pDC->SelectObject(oldFont);
}

void COXBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CRect item(lpDIS->rcItem);
    UINT state = DrawState(lpDIS->itemState);
    CDC* screen = CDC::FromHandle(lpDIS->hDC);
    CDC memory;
    memory.CreateCompatibleDC(screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(screen, item.Width(), item.Height());
    CBitmap* oldBitmap = memory.SelectObject(&bitmap);
    CPalette* oldPalette = SelectButtonPalette(&memory);
    CRect content, image, text;
    DrawContent(&memory, item, state, content, image, text);
    if (state & ODS_FOCUS)
        DrawButtonFocus(&memory, CRect(0, 0, item.Width(), item.Height()), state, image);
    if (m_animation.GetSafeHwnd()) {
        m_animation.SetWindowPos(nullptr, image.left + 1, image.top + 1, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_animation.Invalidate();
    }
    if (oldPalette)
        memory.SelectPalette(oldPalette, TRUE);
    screen->BitBlt(item.left, item.top, item.Width(), item.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
}
