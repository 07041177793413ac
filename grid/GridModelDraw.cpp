// Painting the grid onto a DC: background regions, then the fixed corner, the
// fixed columns, the fixed rows and the scrolling cells, then the grid lines.
#include "grid/GridModel.h"

#include "afx/DC.h"
#include "afx/GdiObject.h"

void CGridModel::DrawGrid(CDC* pDC)
{
    if (!m_bAllowDraw || !pDC)
        return;
    CRect clipRect;
    if (pDC->GetClipBox(&clipRect) == ERROR)
        return;

    int nFixedRowHeight = GetFixedRowHeight();
    int nFixedColWidth = GetFixedColumnWidth();
    CCellID idTopLeft = GetTopleftNonFixedCell();
    int minVisibleRow = idTopLeft.row, minVisibleCol = idTopLeft.col;
    CRect visRect;
    CCellRange visCellRange = GetVisibleNonFixedCellRange(visRect);
    int maxVisibleRow = visCellRange.GetMaxRow(), maxVisibleCol = visCellRange.GetMaxCol();

    // Background.
    CRect area;
    if (clipRect.top < nFixedRowHeight && clipRect.left < nFixedColWidth)
        pDC->FillSolidRect(clipRect.left, clipRect.top, nFixedColWidth - clipRect.left,
                           nFixedRowHeight - clipRect.top, m_cellFixedRowColDef.GetBackClr());
    if (clipRect.left < nFixedColWidth && clipRect.top < visRect.bottom)
        pDC->FillSolidRect(clipRect.left, clipRect.top, nFixedColWidth - clipRect.left,
                           visRect.bottom - clipRect.top, m_cellFixedColDef.GetBackClr());
    if (clipRect.top < nFixedRowHeight && clipRect.right > nFixedColWidth && clipRect.left < visRect.right)
        pDC->FillSolidRect(nFixedColWidth - 1, clipRect.top, visRect.right - nFixedColWidth + 1,
                           nFixedRowHeight - clipRect.top, m_cellFixedRowDef.GetBackClr());
    if (area.IntersectRect(CRect(nFixedColWidth, nFixedRowHeight, visRect.right, visRect.bottom), clipRect))
        pDC->FillSolidRect(area, m_cellDefault.GetBackClr());
    if (clipRect.right > visRect.right)
        pDC->FillSolidRect(visRect.right, clipRect.top, clipRect.right - visRect.right, clipRect.Height(),
                           m_crGridBkColour);
    if (clipRect.bottom > visRect.bottom && clipRect.left < visRect.right)
        pDC->FillSolidRect(clipRect.left, visRect.bottom, visRect.right - clipRect.left,
                           clipRect.bottom - visRect.bottom, m_crGridBkColour);

    if (m_bVirtualMode)
        SendCacheHintToParent(visCellRange);

    auto drawCell = [&](int row, int col, const CRect& rect) {
        CGridCellBase* pCell = GetCell(row, col);
        if (pCell) {
            pCell->SetCoords(row, col);
            pCell->Draw(pDC, row, col, rect, FALSE);
        }
    };

    // One block of cells laid out from (left, top): hidden rows and columns take no
    // room. With bClip, cells wholly outside the clip box are skipped and the walk
    // stops past its far edge; the fixed corner is small and always drawn whole.
    auto drawBlock = [&](int firstRow, int lastRow, int top, int firstCol, int lastCol, int left, bool bClip) {
        CRect rect;
        rect.bottom = top - 1;
        for (int row = firstRow; row <= lastRow; row++) {
            if (GetRowHeight(row) <= 0)
                continue;
            rect.top = rect.bottom + 1;
            rect.bottom = rect.top + GetRowHeight(row) - 1;
            if (bClip && rect.top > clipRect.bottom)
                break;
            if (bClip && rect.bottom < clipRect.top)
                continue;
            rect.right = left - 1;
            for (int col = firstCol; col <= lastCol; col++) {
                if (GetColumnWidth(col) <= 0)
                    continue;
                rect.left = rect.right + 1;
                rect.right = rect.left + GetColumnWidth(col) - 1;
                if (bClip && rect.left > clipRect.right)
                    break;
                if (bClip && rect.right < clipRect.left)
                    continue;
                drawCell(row, col, rect);
            }
        }
    };

    // Fixed corner.
    drawBlock(0, m_nFixedRows - 1, 0, 0, m_nFixedCols - 1, 0, false);
    // Fixed columns of the visible rows.
    drawBlock(minVisibleRow, maxVisibleRow, nFixedRowHeight, 0, m_nFixedCols - 1, 0, true);
    // Fixed rows over the visible columns.
    drawBlock(0, m_nFixedRows - 1, 0, minVisibleCol, maxVisibleCol, nFixedColWidth, true);
    // Scrolling cells.
    drawBlock(minVisibleRow, maxVisibleRow, nFixedRowHeight, minVisibleCol, maxVisibleCol, nFixedColWidth, true);

    // Grid lines, once per column and row.
    if (m_nGridLines != GVL_NONE) {
        CPen pen;
        pen.CreatePen(PS_SOLID, 0, m_crGridLineColour);
        CPen* pOldPen = pDC->SelectObject(&pen);
        if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT) {
            int x = nFixedColWidth;
            for (int col = minVisibleCol; col <= maxVisibleCol; col++) {
                if (GetColumnWidth(col) <= 0)
                    continue;
                x += GetColumnWidth(col);
                pDC->MoveTo(x - 1, nFixedRowHeight);
                pDC->LineTo(x - 1, visRect.bottom);
            }
        }
        if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ) {
            int y = nFixedRowHeight;
            for (int row = minVisibleRow; row <= maxVisibleRow; row++) {
                if (GetRowHeight(row) <= 0)
                    continue;
                y += GetRowHeight(row);
                pDC->MoveTo(nFixedColWidth, y - 1);
                pDC->LineTo(visRect.right, y - 1);
            }
        }
        pDC->SelectObject(pOldPen);
    }

    if (m_bVirtualMode)
        SendCacheHintToParent(CCellRange(-1, -1, -1, -1));
}
