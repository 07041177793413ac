// How a cell paints, prints and measures itself.
#include "grid/GridCellBase.h"
#include "grid/GridModel.h"

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/ImageList.h"

namespace
{
const COLORREF kSelectedBack = RGB(0x66, 0x99, 0xCC);
const COLORREF kSelectedText = RGB(255, 255, 255);

// The raised edge of a header cell; the rectangle then shrinks inside it.
void DrawRaisedEdge(CDC* pDC, CRect& rect)
{
    CPen lightPen, darkPen;
    lightPen.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_3DHIGHLIGHT));
    darkPen.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_3DDKSHADOW));
    {
        CSelectGuard penGuard(*pDC, lightPen);
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(rect.left, rect.top);
        pDC->LineTo(rect.left, rect.bottom);
        pDC->SelectObject(&darkPen);
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(rect.right, rect.bottom);
        pDC->LineTo(rect.left, rect.bottom);
    }
    rect.DeflateRect(1, 1);
}
}

BOOL CGridCellBase::GetImageSize(CSize& size, int* pRectWidth) const
{
    CGridModel* pGrid = GetGrid();
    if (!pGrid || GetImage() < 0 || !pGrid->GetImageList())
        return FALSE;
    IMAGEINFO info;
    if (!pGrid->GetImageList()->GetImageInfo(GetImage(), &info))
        return FALSE;
    size = CSize(info.rcImage.right - info.rcImage.left + 1, info.rcImage.bottom - info.rcImage.top + 1);
    if (pRectWidth)
        *pRectWidth = info.rcImage.right - info.rcImage.left;
    return TRUE;
}

BOOL CGridCellBase::GetTextRect(LPRECT pRect)
{
    CSize size;
    int width = 0;
    if (GetImageSize(size, &width))
        pRect->left += (LONG)GetMargin() + width + 1;
    return TRUE;
}

BOOL CGridCellBase::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd)
{
    CGridModel* pGrid = GetGrid();
    if (!pGrid || !pDC || rect.right <= rect.left || rect.bottom <= rect.top)
        return FALSE;
    CGridCellBase* pDefault = GetDefaultCell();
    if (!pDefault)
        return FALSE;

    int savedDC = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);

    COLORREF textColour = GetTextClr() == CLR_DEFAULT ? pDefault->GetTextClr() : GetTextClr();
    COLORREF backColour = GetBackClr();
    if (backColour == CLR_DEFAULT)
        backColour = pDefault->GetBackClr();
    else
        bEraseBkgnd = TRUE;

    if (!IsFocused() && !IsDropHighlighted()) {
        CRect fill(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
        if (IsSelected()) {
            pDC->FillSolidRect(fill, kSelectedBack);
            pDC->SetTextColor(kSelectedText);
        } else {
            if (bEraseBkgnd)
                pDC->FillSolidRect(fill, backColour);
            pDC->SetTextColor(textColour);
        }
    } else {
        if (IsSelected()) {
            backColour = kSelectedBack;
            textColour = kSelectedText;
            bEraseBkgnd = TRUE;
        }
        rect.right++;
        rect.bottom++;
        if (bEraseBkgnd)
            pDC->FillSolidRect(rect, backColour);
        pDC->SetTextColor(textColour);
        rect.right--;
        rect.bottom--;
        rect.top++;
        rect.right--;
        rect.bottom--;
    }

    if (IsFixed() && pGrid->GetGridLines() != GVL_NONE) {
        CCellID focus = pGrid->GetFocusCell();
        BOOL bFlat = pGrid->m_bTrackFocusCell && pGrid->IsValid(focus) && (focus.row == nRow || focus.col == nCol);
        if (!bFlat)
            DrawRaisedEdge(pDC, rect);
    }

    if (!pDC->IsPrinting()) {
        if (CFont* pFont = GetFontObject())
            pDC->SelectObject(pFont);
    }

    int margin = (int)GetMargin();
    rect.DeflateRect(margin, 0);

    CSize imageSize;
    if (GetImageSize(imageSize) && rect.left + imageSize.cx <= rect.right + 2 * margin &&
        rect.top + imageSize.cy <= rect.bottom + 2 * margin)
        pGrid->GetImageList()->Draw(pDC, GetImage(), rect.TopLeft(), ILD_NORMAL);

    if (nRow == 0 && nCol == pGrid->GetSortColumn()) {
        CSize size = pDC->GetTextExtent(_T("M"), 1);
        int h = size.cy - 4;
        if (rect.Height() <= h)
            h = rect.Height() - 4;
        if (h > 0 && rect.left + h < rect.right + 2 * margin) {
            LOGFONT* plf = GetFont();
            BOOL bVertical = plf && plf->lfEscapement == 900;
            int y = (rect.top - h + rect.bottom) / 2;
            int x = bVertical ? (rect.left - h + rect.right) / 2 : rect.right - h;
            CPen lightPen, darkPen;
            lightPen.CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNHIGHLIGHT));
            darkPen.CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW));
            CSelectGuard penGuard(*pDC, lightPen);
            if (pGrid->GetSortAscending()) {
                pDC->MoveTo(x + 1, y + h + 1);
                pDC->LineTo(x + h / 2 + 1, y + 1);
                pDC->LineTo(x + h + 1, y + h + 1);
                pDC->LineTo(x + 1, y + h + 1);
                pDC->SelectObject(&darkPen);
                pDC->MoveTo(x, y + h);
                pDC->LineTo(x + h / 2, y);
                pDC->LineTo(x + h, y + h);
                pDC->LineTo(x, y + h);
            } else {
                pDC->MoveTo(x + 1, y + 1);
                pDC->LineTo(x + h / 2 + 1, y + h + 1);
                pDC->LineTo(x + h + 1, y + 1);
                pDC->LineTo(x + 1, y + 1);
                pDC->SelectObject(&darkPen);
                pDC->MoveTo(x, y);
                pDC->LineTo(x + h / 2, y + h);
                pDC->LineTo(x + h, y);
                pDC->LineTo(x, y);
            }
            if (!bVertical)
                rect.right -= h;
        }
    }

    GetTextRect(rect);
    pDC->DrawText(GetText(), -1, rect, DT_NOPREFIX);
    pDC->RestoreDC(savedDC);
    return TRUE;
}

CSize CGridCellBase::GetTextExtent(LPCTSTR szText, CDC* pDC)
{
    CGridModel* pGrid = GetGrid();
    CGridDefaultCell* pDefault = static_cast<CGridDefaultCell*>(GetDefaultCell());
    if (!pDefault)
        return CSize(0, 0);
    if (!pDC && !szText)
        return CSize(pDefault->GetWidth(), pDefault->GetHeight());

    CDC windowDC;
    HWND hWnd = pGrid ? pGrid->GetGridWindow() : nullptr;
    if (!pDC) {
        HDC hdc = ::GetDC(hWnd);
        if (!hdc)
            return CSize(pDefault->GetWidth(), pDefault->GetHeight());
        windowDC.Attach(hdc);
        pDC = &windowDC;
    }
    if (!szText)
        szText = _T("");

    UINT nFormat = GetFormat();
    CSize size;
    TEXTMETRIC tm;
    {
        // Without a font of its own the cell measures in the DC's current one.
        CFont* pFont = GetFontObject();
        CSelectGuard fontGuard(*pDC, pFont ? pFont->GetSafeHandle() : ::GetCurrentObject(pDC->m_hDC, OBJ_FONT));
        if ((nFormat & DT_WORDBREAK) && !(nFormat & DT_SINGLELINE)) {
            CString text(szText);
            int widest = 0, start = 0;
            for (;;) {
                int end = text.Find('\n', start);
                CString line = end < 0 ? text.Mid(start) : text.Mid(start, end - start);
                widest = std::max(widest, (int)pDC->GetTextExtent(line).cx);
                if (end < 0)
                    break;
                start = end + 1;
            }
            CRect rect(0, 0, widest + 1, 0);
            pDC->DrawText(szText, -1, rect, nFormat | DT_CALCRECT);
            size = CSize(rect.Width(), rect.Height());
        } else
            size = pDC->GetTextExtent(szText, lstrlen(szText));
        ::GetTextMetrics(pDC->m_hDC, &tm);
    }
    if (windowDC.m_hDC)
        ::ReleaseDC(hWnd, windowDC.Detach());

    int margin = (int)GetMargin();
    size.cx += tm.tmOverhang + 4 * margin;
    size.cy += 2 * margin;
    LOGFONT* plf = GetFont();
    if (plf && (plf->lfEscapement == 900 || plf->lfEscapement == -900))
        return CSize(size.cy, size.cx + 4 * margin);
    return size;
}

CSize CGridCellBase::GetCellExtent(CDC* pDC)
{
    CSize size = GetTextExtent(GetText(), pDC);
    CSize imageSize;
    if (GetImageSize(imageSize)) {
        size.cx += imageSize.cx;
        size.cy = std::max(size.cy, imageSize.cy);
    }
    return size;
}

BOOL CGridCellBase::PrintCell(CDC* pDC, int /*nRow*/, int /*nCol*/, CRect rect)
{
    CGridModel* pGrid = GetGrid();
    if (!pGrid || !pDC || rect.right <= rect.left || rect.bottom <= rect.top)
        return FALSE;
    CGridCellBase* pDefault = GetDefaultCell();
    if (!pDefault)
        return FALSE;

    int savedDC = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    COLORREF textColour = RGB(0, 0, 0);
    if (pGrid->GetShadedPrintOut()) {
        BOOL bHasBack;
        COLORREF backColour;
        if (IsFixed()) {
            backColour = GetBackClr() == CLR_DEFAULT ? pDefault->GetBackClr() : GetBackClr();
            bHasBack = TRUE;
        } else {
            backColour = GetBackClr();
            bHasBack = backColour != CLR_DEFAULT && backColour != pDefault->GetBackClr();
        }
        textColour = GetTextClr() == CLR_DEFAULT ? pDefault->GetTextClr() : GetTextClr();
        if (pDC->GetDeviceCaps(NUMCOLORS) == 2) {
            if (!bHasBack)
                textColour = RGB((int)(GetRValue(textColour) * 0.30), (int)(GetGValue(textColour) * 0.59),
                                 (int)(GetBValue(textColour) * 0.11));
            else
                pDC->FillSolidRect(rect, backColour);
        } else if (bHasBack)
            pDC->FillSolidRect(CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1), backColour);
    }
    pDC->SetTextColor(textColour);
    if (CFont* pFont = GetFontObject())
        pDC->SelectObject(pFont);

    if (pGrid->GetGridLines() != GVL_NONE && IsFixed())
        DrawRaisedEdge(pDC, rect);

    int margin = (int)GetMargin();
    rect.DeflateRect(margin, 0);
    CSize imageSize;
    int imageWidth = 0;
    if (GetImageSize(imageSize, &imageWidth)) {
        pGrid->GetImageList()->Draw(pDC, GetImage(), rect.TopLeft(), ILD_NORMAL);
        rect.left += margin + imageWidth;
    }
    pDC->DrawText(GetText(), -1, rect, GetFormat() | DT_NOPREFIX);
    pDC->RestoreDC(savedDC);
    return TRUE;
}
