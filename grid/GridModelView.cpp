// The view side of the grid model: where cells lie for a view of the current
// size and scroll position, which cell a point hits, and scrolling.
#include "grid/GridModel.h"

void CGridModel::SetViewSize(int cx, int cy)
{
    m_sizeView = CSize(cx, cy);
    m_idTopLeftCell = CCellID(-1, -1);
}

int CGridModel::GetScrollPos32(int nBar, BOOL /*bGetTrackPos*/)
{
    return m_nScrollPos[nBar == SB_HORZ ? 0 : 1];
}

BOOL CGridModel::SetScrollPos32(int nBar, int nPos, BOOL /*bRedraw*/)
{
    m_idTopLeftCell = CCellID(-1, -1);
    m_nScrollPos[nBar == SB_HORZ ? 0 : 1] = nPos;
    return TRUE;
}

void CGridModel::ResetScrollBars()
{
    m_idTopLeftCell = CCellID(-1, -1);
    if (!m_bAllowDraw || !HasView())
        return;
    m_nBarState = 0;
    CRect rect = GetGridViewRect();
    if (rect.IsRectEmpty())
        return;
    rect.left += GetFixedColumnWidth();
    rect.top += GetFixedRowHeight();
    if (rect.left >= rect.right || rect.top >= rect.bottom) {
        m_nHScrollMax = m_nVScrollMax = 0;
        return;
    }
    long height = GetVirtualHeight() - GetFixedRowHeight();
    long width = GetVirtualWidth() - GetFixedColumnWidth();
    CRect visible = rect;
    if (visible.Height() < height)
        visible.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (visible.Width() < width)
        visible.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
    if (visible.Height() >= height)
        m_nVScrollMax = 0;
    else {
        m_nVScrollMax = (int)height - 1;
        m_nBarState |= 2;
    }
    if (visible.Width() >= width)
        m_nHScrollMax = 0;
    else {
        m_nHScrollMax = (int)width - 1;
        m_nBarState |= 1;
    }
    // The bars' pages follow the visible part; a position past the new maximum
    // is pulled back as the scroll bar itself would do.
    int vPage = m_nVScrollMax > 0 ? visible.Height() : 0;
    int hPage = m_nHScrollMax > 0 ? visible.Width() : 0;
    int vLimit = std::max(0, m_nVScrollMax - std::max(vPage - 1, 0));
    int hLimit = std::max(0, m_nHScrollMax - std::max(hPage - 1, 0));
    if (m_nScrollPos[1] > vLimit)
        m_nScrollPos[1] = vLimit;
    if (m_nScrollPos[0] > hLimit)
        m_nScrollPos[0] = hLimit;
}

CCellID CGridModel::GetTopleftNonFixedCell(BOOL bForceRecalc)
{
    if (m_idTopLeftCell.IsValid() && !bForceRecalc)
        return m_idTopLeftCell;
    int nVertScroll = GetScrollPos32(SB_VERT), nHorzScroll = GetScrollPos32(SB_HORZ);

    m_idTopLeftCell.col = m_nFixedCols;
    int nRight = 0;
    while (nRight < nHorzScroll && m_idTopLeftCell.col < (m_nCols - 1))
        nRight += GetColumnWidth(m_idTopLeftCell.col++);

    m_idTopLeftCell.row = m_nFixedRows;
    int nTop = 0;
    while (nTop < nVertScroll && m_idTopLeftCell.row < (m_nRows - 1))
        nTop += GetRowHeight(m_idTopLeftCell.row++);
    return m_idTopLeftCell;
}

CCellRange CGridModel::GetVisibleNonFixedCellRange(LPRECT pRect, BOOL bForceRecalc)
{
    CRect rect = GetGridViewRect();
    CCellID idTopLeft = GetTopleftNonFixedCell(bForceRecalc);

    int bottom = GetFixedRowHeight();
    int maxVisibleRow = idTopLeft.row;
    int row;
    for (row = idTopLeft.row; row < m_nRows; row++) {
        bottom += GetRowHeight(row);
        if (bottom >= rect.bottom) {
            bottom = rect.bottom;
            break;
        }
    }
    maxVisibleRow = std::min(row, m_nRows - 1);

    int right = GetFixedColumnWidth();
    int col;
    for (col = idTopLeft.col; col < m_nCols; col++) {
        right += GetColumnWidth(col);
        if (right >= rect.right) {
            right = rect.right;
            break;
        }
    }
    int maxVisibleCol = std::min(col, m_nCols - 1);
    if (pRect) {
        pRect->left = pRect->top = 0;
        pRect->right = right;
        pRect->bottom = bottom;
    }
    return CCellRange(idTopLeft.row, idTopLeft.col, maxVisibleRow, maxVisibleCol);
}

CCellRange CGridModel::GetUnobstructedNonFixedCellRange(BOOL bForceRecalc)
{
    CRect rect = GetGridViewRect();
    CCellID idTopLeft = GetTopleftNonFixedCell(bForceRecalc);

    int bottom = GetFixedRowHeight();
    int row;
    for (row = idTopLeft.row; row < m_nRows; row++) {
        bottom += GetRowHeight(row);
        if (bottom >= rect.bottom)
            break;
    }
    int maxVisibleRow = std::min(row, m_nRows - 1);
    if (maxVisibleRow > 0 && bottom > rect.bottom)
        maxVisibleRow--;

    int right = GetFixedColumnWidth();
    int col;
    for (col = idTopLeft.col; col < m_nCols; col++) {
        right += GetColumnWidth(col);
        if (right >= rect.right)
            break;
    }
    int maxVisibleCol = std::min(col, m_nCols - 1);
    if (maxVisibleCol > 0 && right > rect.right)
        maxVisibleCol--;
    return CCellRange(idTopLeft.row, idTopLeft.col, maxVisibleRow, maxVisibleCol);
}

BOOL CGridModel::GetCellOrigin(int nRow, int nCol, LPPOINT p)
{
    if (!IsValid(nRow, nCol))
        return FALSE;
    CCellID idTopLeft;
    if (nCol >= m_nFixedCols || nRow >= m_nFixedRows)
        idTopLeft = GetTopleftNonFixedCell();
    if ((nRow >= m_nFixedRows && nRow < idTopLeft.row) || (nCol >= m_nFixedCols && nCol < idTopLeft.col))
        return FALSE;

    p->x = 0;
    if (nCol < m_nFixedCols) {
        for (int i = 0; i < nCol; i++)
            p->x += GetColumnWidth(i);
    } else {
        p->x = GetFixedColumnWidth();
        for (int i = idTopLeft.col; i < nCol; i++)
            p->x += GetColumnWidth(i);
    }
    p->y = 0;
    if (nRow < m_nFixedRows) {
        for (int i = 0; i < nRow; i++)
            p->y += GetRowHeight(i);
    } else {
        p->y = GetFixedRowHeight();
        for (int i = idTopLeft.row; i < nRow; i++)
            p->y += GetRowHeight(i);
    }
    return TRUE;
}

BOOL CGridModel::GetCellRect(int nRow, int nCol, LPRECT pRect)
{
    CPoint origin;
    if (!GetCellOrigin(nRow, nCol, &origin))
        return FALSE;
    pRect->left = origin.x;
    pRect->top = origin.y;
    pRect->right = origin.x + GetColumnWidth(nCol) - 1;
    pRect->bottom = origin.y + GetRowHeight(nRow) - 1;
    return TRUE;
}

BOOL CGridModel::GetCellRangeRect(const CCellRange& cellRange, LPRECT lpRect)
{
    CPoint minOrigin, maxOrigin;
    if (!GetCellOrigin(cellRange.GetMinRow(), cellRange.GetMinCol(), &minOrigin))
        return FALSE;
    if (!GetCellOrigin(cellRange.GetMaxRow(), cellRange.GetMaxCol(), &maxOrigin))
        return FALSE;
    lpRect->left = minOrigin.x;
    lpRect->top = minOrigin.y;
    lpRect->right = maxOrigin.x + GetColumnWidth(cellRange.GetMaxCol()) - 1;
    lpRect->bottom = maxOrigin.y + GetRowHeight(cellRange.GetMaxRow()) - 1;
    return TRUE;
}

BOOL CGridModel::IsCellVisible(int nRow, int nCol)
{
    if (!HasView())
        return FALSE;
    CCellID topLeft = GetTopleftNonFixedCell();
    if (nCol >= m_nFixedCols && nCol < topLeft.col)
        return FALSE;
    if (nRow >= m_nFixedRows && nRow < topLeft.row)
        return FALSE;
    CRect rect = GetGridViewRect();
    int x = 0;
    if (nCol < m_nFixedCols) {
        for (int i = 0; i <= nCol; i++) {
            if (x >= rect.right)
                return FALSE;
            x += GetColumnWidth(i);
        }
    } else {
        x = GetFixedColumnWidth();
        for (int i = topLeft.col; i <= nCol; i++) {
            if (x >= rect.right)
                return FALSE;
            x += GetColumnWidth(i);
        }
    }
    int y = 0;
    if (nRow < m_nFixedRows) {
        for (int i = 0; i <= nRow; i++) {
            if (y >= rect.bottom)
                return FALSE;
            y += GetRowHeight(i);
        }
    } else {
        y = GetFixedRowHeight();
        for (int i = topLeft.row; i <= nRow; i++) {
            if (y >= rect.bottom)
                return FALSE;
            y += GetRowHeight(i);
        }
    }
    return TRUE;
}

CCellID CGridModel::GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck)
{
    CCellID idTopLeft = GetTopleftNonFixedCell();
    CCellID cellID;
    if (!bAllowFixedCellCheck && !idTopLeft.IsValid())
        return cellID;

    int fixedColWidth = GetFixedColumnWidth();
    if (point.x < 0 || (!bAllowFixedCellCheck && point.x < fixedColWidth))
        cellID.col = -1;
    else if (point.x < fixedColWidth) {
        int xpos = 0, col = 0;
        while (col < m_nFixedCols) {
            xpos += GetColumnWidth(col);
            if (xpos > point.x)
                break;
            col++;
        }
        cellID.col = col < m_nFixedCols ? col : -1;
    } else {
        int xpos = fixedColWidth, col = idTopLeft.col;
        while (col < m_nCols) {
            xpos += GetColumnWidth(col);
            if (xpos > point.x)
                break;
            col++;
        }
        cellID.col = col >= m_nCols ? -1 : col;
    }

    int fixedRowHeight = GetFixedRowHeight();
    if (point.y < 0 || (!bAllowFixedCellCheck && point.y < fixedRowHeight))
        cellID.row = -1;
    else if (point.y < fixedRowHeight) {
        int ypos = 0, row = 0;
        while (row < m_nFixedRows) {
            ypos += GetRowHeight(row);
            if (ypos > point.y)
                break;
            row++;
        }
        cellID.row = row < m_nFixedRows ? row : -1;
    } else {
        int ypos = fixedRowHeight, row = idTopLeft.row;
        while (row < m_nRows) {
            ypos += GetRowHeight(row);
            if (ypos > point.y)
                break;
            row++;
        }
        cellID.row = row >= m_nRows ? -1 : row;
    }
    return cellID;
}

CPoint CGridModel::GetPointClicked(int nRow, int nCol, const CPoint& point)
{
    CPoint origin;
    if (!GetCellOrigin(nRow, nCol, &origin))
        return CPoint(0, 0);
    return CPoint(point.x - origin.x, point.y - origin.y);
}

BOOL CGridModel::MouseOverColumnResizeArea(CPoint point)
{
    if (point.y >= GetFixedRowHeight())
        return FALSE;
    CCellID idCurrentCell = GetCellFromPt(point);
    CPoint start;
    if (!GetCellOrigin(idCurrentCell, &start))
        return FALSE;
    int endx = start.x + GetColumnWidth(idCurrentCell.col);
    return (point.x - start.x < m_nResizeCaptureRange && idCurrentCell.col != 0) ||
           endx - point.x < m_nResizeCaptureRange;
}

BOOL CGridModel::MouseOverRowResizeArea(CPoint point)
{
    if (point.x >= GetFixedColumnWidth())
        return FALSE;
    CCellID idCurrentCell = GetCellFromPt(point);
    CPoint start;
    if (!GetCellOrigin(idCurrentCell, &start))
        return FALSE;
    int endy = start.y + GetRowHeight(idCurrentCell.row);
    return (point.y - start.y < m_nResizeCaptureRange && idCurrentCell.row != 0) ||
           endy - point.y < m_nResizeCaptureRange;
}

BOOL CGridModel::ScrollView(int nBar, UINT nSBCode)
{
    BOOL bVert = nBar == SB_VERT;
    int scrollPos = GetScrollPos32(nBar);
    int oldPos = scrollPos;
    int maxPos = bVert ? m_nVScrollMax : m_nHScrollMax;
    CCellID idTopLeft = GetTopleftNonFixedCell();
    CRect rect = GetGridViewRect();
    int fixed = bVert ? GetFixedRowHeight() : GetFixedColumnWidth();
    int pageSize = (bVert ? rect.bottom : rect.right) - fixed;
    int nFixed = bVert ? m_nFixedRows : m_nFixedCols;
    int nCount = bVert ? m_nRows : m_nCols;
    int topLeft = bVert ? idTopLeft.row : idTopLeft.col;
    auto size = [&](int i) { return bVert ? GetRowHeight(i) : GetColumnWidth(i); };

    switch (nSBCode) {
    case SB_LINEUP:
        if (scrollPos > 0 && topLeft > nFixed) {
            int i = topLeft - 1;
            while (i > nFixed && size(i) <= 0)
                i--;
            SetScrollPos32(nBar, std::max(0, scrollPos - size(i)));
        }
        break;
    case SB_LINEDOWN:
        if (scrollPos < maxPos) {
            int i = topLeft;
            while (i < nCount - 1 && size(i) < 1)
                i++;
            if (i >= 0 && i < nCount)
                SetScrollPos32(nBar, scrollPos + size(i));
        }
        break;
    case SB_PAGEUP:
        if (scrollPos > 0)
            SetScrollPos32(nBar, std::max(0, scrollPos - pageSize));
        break;
    case SB_PAGEDOWN:
        if (scrollPos < maxPos)
            SetScrollPos32(nBar, std::min(maxPos, scrollPos + pageSize));
        break;
    case SB_TOP:
        if (scrollPos > 0)
            SetScrollPos32(nBar, 0);
        break;
    case SB_BOTTOM:
        if (scrollPos < maxPos)
            SetScrollPos32(nBar, maxPos);
        break;
    default:
        break;
    }
    return GetScrollPos32(nBar) != oldPos;
}

void CGridModel::EnsureVisible(int nRow, int nCol)
{
    if (!m_bAllowDraw)
        return;
    CCellRange visible = GetVisibleNonFixedCellRange();

    // Each step is one line scroll; a step whose position does not move (the
    // bar is at its end, or the range is out of date) ends that direction.
    auto step = [this](int nBar, UINT code) {
        int before = GetScrollPos32(nBar);
        DoScroll(nBar, code);
        m_idTopLeftCell = CCellID(-1, -1);
        return GetScrollPos32(nBar) != before;
    };

    for (int col = visible.GetMaxCol() + 1; col <= nCol; col++)
        if (GetColumnWidth(col) > 0 && !step(SB_HORZ, SB_LINERIGHT))
            break;
    for (int col = visible.GetMinCol() - 1; col >= nCol; col--)
        if (GetColumnWidth(col) > 0 && !step(SB_HORZ, SB_LINELEFT))
            break;
    for (int row = visible.GetMaxRow() + 1; row <= nRow; row++)
        if (GetRowHeight(row) > 0 && !step(SB_VERT, SB_LINEDOWN))
            break;
    for (int row = visible.GetMinRow() - 1; row >= nRow; row--)
        if (GetRowHeight(row) > 0 && !step(SB_VERT, SB_LINEUP))
            break;

    // A cell partly out of view: scroll on while it helps. A cell wider (or
    // taller) than the view never fits, so the loop stops once its left (top)
    // edge has reached the fixed area rather than scrolling it out of view, and
    // at the latest after one step per column (row).
    CRect rectCell;
    CRect rectView = GetGridViewRect();
    int fixedWidth = GetFixedColumnWidth(), fixedHeight = GetFixedRowHeight();
    for (int count = 0; count < m_nCols && GetCellRect(nRow, nCol, rectCell); count++) {
        if (rectCell.right <= rectView.right || fixedWidth >= rectView.right || rectCell.left <= fixedWidth)
            break;
        if (!step(SB_HORZ, SB_LINERIGHT))
            break;
    }
    for (int count = 0; count < m_nRows && GetCellRect(nRow, nCol, rectCell); count++) {
        if (rectCell.bottom <= rectView.bottom || fixedHeight >= rectView.bottom || rectCell.top <= fixedHeight)
            break;
        if (!step(SB_VERT, SB_LINEDOWN))
            break;
    }
}
