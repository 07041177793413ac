// Selection and focus: the selected-cell map kept in step with the cells'
// selected bits, range selection from an anchor, and the focus cell.
#include "grid/GridModel.h"

BOOL CGridModel::SetItemState(int nRow, int nCol, UINT state)
{
    BOOL bSelected = IsCellSelected(nRow, nCol);
    if (bSelected && !(state & GVIS_SELECTED))
        m_SelectedCellMap.RemoveKey(SelectionKey(nRow, nCol));
    else if (!bSelected && (state & GVIS_SELECTED) && IsValid(nRow, nCol)) {
        CCellID cell(nRow, nCol);
        m_SelectedCellMap.SetAt(SelectionKey(nRow, nCol), cell);
    }
    if (m_bVirtualMode)
        return FALSE;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetState(state);
    return TRUE;
}

BOOL CGridModel::IsCellSelected(int nRow, int nCol) const
{
    if (!m_bEnableSelection)
        return FALSE;
    if (m_bVirtualMode) {
        CCellID cell;
        return m_SelectedCellMap.Lookup(SelectionKey(nRow, nCol), cell);
    }
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->IsSelected() : FALSE;
}

CCellID CGridModel::SetFocusCell(int nRow, int nCol)
{
    CCellID cell(nRow, nCol);
    if (cell == m_idCurrentCell)
        return m_idCurrentCell;
    CCellID idPrev = m_idCurrentCell;
    if (cell.row != -1 && cell.row < m_nFixedRows)
        cell.row = m_nFixedRows;
    if (cell.col != -1 && cell.col < m_nFixedCols)
        cell.col = m_nFixedCols;
    m_idCurrentCell = cell;
    if (IsValid(idPrev))
        SetItemState(idPrev.row, idPrev.col, GetItemState(idPrev.row, idPrev.col) & ~GVIS_FOCUSED);
    if (IsValid(m_idCurrentCell))
        SetItemState(m_idCurrentCell.row, m_idCurrentCell.col,
                     GetItemState(m_idCurrentCell.row, m_idCurrentCell.col) | GVIS_FOCUSED);
    return idPrev;
}

void CGridModel::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint,
                                  BOOL bSelectCells)
{
    if (!m_bEnableSelection)
        return;
    (void)bForceRepaint;  // the window redraws each changed cell at once either way

    CCellRange visible = HasView() ? GetVisibleNonFixedCellRange() : CCellRange();
    if (nMinRow >= 0 && nMinRow < m_nFixedRows)
        nMinRow = m_nFixedRows;
    if (nMaxRow >= 0 && nMaxRow < m_nFixedRows)
        nMaxRow = m_nFixedRows;
    if (nMinCol >= 0 && nMinCol < m_nFixedCols)
        nMinCol = m_nFixedCols;
    if (nMaxCol >= 0 && nMaxCol < m_nFixedCols)
        nMaxCol = m_nFixedCols;
    CCellRange range(nMinRow, nMinCol, nMaxRow, nMaxCol);

    if (bSelectCells) {
        POSITION pos = m_SelectedCellMap.GetStartPosition();
        while (pos) {
            DWORD key;
            CCellID cell;
            m_SelectedCellMap.GetNextAssoc(pos, key, cell);
            if (IsValid(cell)) {
                SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GVIS_SELECTED);
                // Virtual cells keep no state: the map entry is the selection.
                m_SelectedCellMap.RemoveKey(key);
                if (!range.InRange(cell) && visible.InRange(cell))
                    RedrawCell(cell.row, cell.col);
            } else
                m_SelectedCellMap.RemoveKey(key);
        }
        if (!(m_bListMode && m_bSingleRowSelection)) {
            if (nMinRow < 0)
                return;
            if (nMinRow >= 0 && nMinCol >= 0 && nMaxRow >= 0 && nMaxCol >= 0) {
                POSITION prev = m_PrevSelectedCellMap.GetStartPosition();
                while (prev) {
                    DWORD key;
                    CCellID cell;
                    m_PrevSelectedCellMap.GetNextAssoc(prev, key, cell);
                    if (!IsValid(cell))
                        continue;
                    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_SELECTED);
                    if (visible.InRange(cell))
                        RedrawCell(cell.row, cell.col);
                }
            }
        }
    }

    if (nMinRow >= 0 && nMinCol >= 0 && nMaxRow >= 0 && nMaxCol >= 0 && nMaxRow < m_nRows && nMaxCol < m_nCols &&
        nMinRow <= nMaxRow && nMinCol <= nMaxCol) {
        for (int row = nMinRow; row <= nMaxRow; row++)
            for (int col = nMinCol; col <= nMaxCol; col++) {
                BOOL bSelected = IsCellSelected(row, col);
                if (bSelectCells == bSelected)
                    continue;
                UINT state = GetItemState(row, col);
                SetItemState(row, col, bSelectCells ? state | GVIS_SELECTED : state & ~GVIS_SELECTED);
                if (visible.InRange(row, col))
                    RedrawCell(row, col);
            }
    }
}

CCellRange CGridModel::GetSelectedCellRange() const
{
    CCellRange selection(m_nRows, m_nCols, -1, -1);
    POSITION pos = m_SelectedCellMap.GetStartPosition();
    while (pos) {
        DWORD key;
        CCellID cell;
        m_SelectedCellMap.GetNextAssoc(pos, key, cell);
        selection.SetMinRow(std::min(selection.GetMinRow(), cell.row));
        selection.SetMinCol(std::min(selection.GetMinCol(), cell.col));
        selection.SetMaxRow(std::max(selection.GetMaxRow(), cell.row));
        selection.SetMaxCol(std::max(selection.GetMaxCol(), cell.col));
    }
    return selection;
}

void CGridModel::ClearSelectionMap()
{
    m_SelectedCellMap.RemoveAll();
    Refresh();
}

void CGridModel::ResetSelectedRange()
{
    m_PrevSelectedCellMap.RemoveAll();
    SetSelectedRange(-1, -1, -1, -1);
    SetFocusCell(-1, -1);
}

void CGridModel::SelectAllCells()
{
    m_SelectedCellMap.RemoveAll();
    if (m_nRows > 0 && m_nCols > 0)
        m_SelectedCellMap.InitHashTable((UINT)std::min<long long>((long long)m_nRows * m_nCols, 0x7FFFFFF));
    if (m_nRows < 2) {
        Refresh();
        return;
    }
    for (int row = 1; row < m_nRows; row++)
        for (int col = 0; col < m_nCols; col++) {
            CCellID cell(row, col);
            m_SelectedCellMap.SetAt(SelectionKey(row, col), cell);
        }
    Refresh();
}

void CGridModel::SelectColumns(CCellID currentCell, BOOL bForceRedraw, BOOL bSelectCells)
{
    if (!m_bEnableSelection)
        return;
    if (currentCell.col < m_nFixedCols || !IsValid(currentCell))
        return;
    if (m_bSingleColSelection)
        SetSelectedRange(m_nFixedRows, currentCell.col, m_nRows - 1, currentCell.col, bForceRedraw, bSelectCells);
    else
        SetSelectedRange(m_nFixedRows, std::min(m_SelectionStartCell.col, currentCell.col), m_nRows - 1,
                         std::max(m_SelectionStartCell.col, currentCell.col), bForceRedraw, bSelectCells);
}

void CGridModel::SelectRows(CCellID currentCell, BOOL bForceRedraw, BOOL bSelectCells)
{
    if (!m_bEnableSelection)
        return;
    if (currentCell.row < m_nFixedRows || !IsValid(currentCell))
        return;
    if (m_bListMode && m_bSingleRowSelection)
        SetSelectedRange(currentCell.row, m_nFixedCols, currentCell.row, m_nCols - 1, bForceRedraw, bSelectCells);
    else
        SetSelectedRange(std::min(m_SelectionStartCell.row, currentCell.row), m_nFixedCols,
                         std::max(m_SelectionStartCell.row, currentCell.row), m_nCols - 1, bForceRedraw,
                         bSelectCells);
}

void CGridModel::SelectCells(CCellID currentCell, BOOL bForceRedraw, BOOL bSelectCells)
{
    if (!m_bEnableSelection)
        return;
    int row = currentCell.row, col = currentCell.col;
    if (row < m_nFixedRows || col < m_nFixedCols || !IsValid(currentCell))
        return;
    SetSelectedRange(std::min(m_SelectionStartCell.row, row), std::min(m_SelectionStartCell.col, col),
                     std::max(m_SelectionStartCell.row, row), std::max(m_SelectionStartCell.col, col),
                     bForceRedraw, bSelectCells);
}

void CGridModel::OnSelecting(const CCellID& currentCell)
{
    if (!m_bEnableSelection)
        return;
    switch (m_MouseMode) {
    case MOUSE_SELECT_ALL:
        SelectAllCells();
        break;
    case MOUSE_SELECT_COL:
        SelectColumns(currentCell, TRUE, TRUE);
        break;
    case MOUSE_SELECT_ROW:
        SelectRows(currentCell, TRUE, TRUE);
        break;
    case MOUSE_SELECT_CELLS:
        SelectCells(currentCell, TRUE, TRUE);
        break;
    default:
        break;
    }
}

void CGridModel::KeepSelectionForMerge(BOOL bKeep)
{
    m_PrevSelectedCellMap.RemoveAll();
    if (!bKeep)
        return;
    POSITION pos = m_SelectedCellMap.GetStartPosition();
    while (pos) {
        DWORD key;
        CCellID cell;
        m_SelectedCellMap.GetNextAssoc(pos, key, cell);
        m_PrevSelectedCellMap.SetAt(key, cell);
    }
}
