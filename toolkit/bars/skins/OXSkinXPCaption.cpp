// The flat caption button of the XP look (the 2003 look reaches it with its
// own colours through the colour operations).
#include "toolkit/bars/skins/OXSkinXP.h"

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/Wnd.h"

#include <optional>

void COXSkinXP::DrawCaptionButton(CDC* pDC, LPRECT lpRect, UINT nState, BOOL bDisabled, BOOL bInvert,
                                  COLORREF clrBack, CWnd* pWnd)
{
    CRect rect(lpRect);
    if (rect.IsRectEmpty())
        return;
    COLORREF clrGlyph = 0;
    if (bDisabled)
    {
        int delta = bInvert ? 64 : -96;
        clrGlyph = AddToColor(clrBack, delta, delta, delta);
        bInvert = FALSE;
    }

    CPoint cursor;
    ::GetCursorPos(&cursor);
    CRect window;
    pWnd->GetWindowRect(&window);
    cursor.Offset(-window.left, -window.top);
    BOOL captured = ::GetCapture() != nullptr;
    BOOL inside = rect.PtInRect(cursor);
    BOOL hasBrush = inside;
    COLORREF clrBrush = captured ? GetPressedItemColor() : GetHotItemColor();

    int cx = rect.Width();
    int cy = rect.Height();
    CDC face;
    face.CreateCompatibleDC(pDC);
    CBitmap faceBitmap;
    faceBitmap.CreateCompatibleBitmap(pDC, cx, cy);
    std::optional<CSelectGuard> faceSelect(std::in_place, face, faceBitmap);
    if (hasBrush && !bDisabled)
    {
        CBrush brush(clrBrush);
        CPen pen(PS_SOLID, 1, GetHighlightBorderColor());
        CSelectGuard brushSelect(face, brush);
        CSelectGuard penSelect(face, pen);
        face.Rectangle(0, 0, cx, cy);
    }
    else
    {
        face.FillSolidRect(0, 0, cx, cy, clrBack);
    }

    int gx = cx - 4;
    int gy = cy - 4;
    if (gx > 0 && gy > 0)
    {
        CDC glyph;
        glyph.CreateCompatibleDC(pDC);
        CBitmap glyphBitmap;
        glyphBitmap.CreateCompatibleBitmap(pDC, gx, gy);
        COLORREF clrTransparent = ::GetSysColor(COLOR_BTNFACE);
        {
            CSelectGuard glyphSelect(glyph, glyphBitmap);
            CRect frame(-2, -2, gx + 2, gy + 2);
            glyph.DrawFrameControl(&frame, DFC_CAPTION, nState | DFCS_FLAT);
            if ((captured && inside) || (bInvert && !inside))
            {
                CSelectGuard white(glyph, ::GetStockObject(WHITE_BRUSH));
                glyph.PatBlt(0, 0, gx, gy, PATINVERT);
                clrTransparent = RGB(255 - GetRValue(clrTransparent), 255 - GetGValue(clrTransparent),
                                     255 - GetBValue(clrTransparent));
            }
        }
        DrawTransparentBitmap(&glyphBitmap, &face, 2, 2, gx, gy, clrTransparent);
    }

    if (bDisabled)
    {
        faceSelect.reset();
        CDC tinted;
        tinted.CreateCompatibleDC(pDC);
        CBitmap tintedBitmap;
        tintedBitmap.CreateCompatibleBitmap(pDC, cx, cy);
        CSelectGuard tintedSelect(tinted, tintedBitmap);
        tinted.FillSolidRect(0, 0, cx, cy, clrGlyph);
        DrawTransparentBitmap(&faceBitmap, &tinted, 0, 0, cx, cy, RGB(0, 0, 0));
        pDC->BitBlt(rect.left, rect.top, cx, cy, &tinted, 0, 0, SRCCOPY);
    }
    else
    {
        pDC->BitBlt(rect.left, rect.top, cx, cy, &face, 0, 0, SRCCOPY);
    }
}
