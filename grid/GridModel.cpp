#include "grid/GridModel.h"

#include <cstdarg>
#include <cstring>

CGridModel::CGridModel(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_crGridBkColour(::GetSysColor(COLOR_BTNSHADOW)), m_crGridLineColour(RGB(192, 192, 192)),
      m_crWindowText(::GetSysColor(COLOR_WINDOWTEXT)), m_crWindowColour(::GetSysColor(COLOR_WINDOW)),
      m_cr3DFace(::GetSysColor(COLOR_3DFACE)), m_crShadow(::GetSysColor(COLOR_3DSHADOW)),
      m_crTTipBackClr(CLR_DEFAULT), m_crTTipTextClr(CLR_DEFAULT), m_bVirtualMode(FALSE), m_lCallbackParam(0),
      m_pfnCallback(nullptr), m_nGridLines(GVL_BOTH), m_bEditable(FALSE), m_bModified(FALSE),
      m_bAllowDragAndDrop(FALSE), m_bListMode(FALSE), m_bSingleRowSelection(TRUE), m_bSingleColSelection(TRUE),
      m_bAllowDraw(TRUE), m_bEnableSelection(TRUE), m_bFixedColumnSelection(TRUE), m_bFixedRowSelection(FALSE),
      m_bSortOnClick(FALSE), m_bHandleTabKey(TRUE), m_bDoubleBuffer(TRUE), m_bTitleTips(TRUE), m_nBarState(0),
      m_bHiddenColUnhide(TRUE), m_bHiddenRowUnhide(TRUE), m_bAllowColHide(TRUE), m_bAllowRowHide(TRUE),
      m_bAllowRowResize(TRUE), m_bAllowColumnResize(TRUE), m_bTrackFocusCell(TRUE), m_nAutoSizeColumnStyle(3),
      m_nRows(0), m_nFixedRows(0), m_nCols(0), m_nFixedCols(0), m_nVScrollMax(0), m_nHScrollMax(0),
      m_pRtcDefault(RUNTIME_CLASS(CGridCell)), m_MouseMode(MOUSE_SELECT_CELLS), m_nResizeCaptureRange(3),
      m_nRowsPerWheelNotch(3), m_SelectedCellMap(10), m_PrevSelectedCellMap(10), m_bSortAscending(TRUE),
      m_nSortColumn(-1), m_pfnCompare(nullptr), m_pImageList(nullptr), m_bShadedPrintOut(TRUE), m_bWysiwygPrinting(FALSE),
      m_nHeaderHeight(2), m_nFooterHeight(2), m_nLeftMargin(4), m_nRightMargin(4), m_nTopMargin(1),
      m_nBottomMargin(1), m_nGap(1), m_nPageHeight(0), m_nPageWidth(0), m_nNumPages(0), m_nPageMultiplier(1),
      m_sizeView(0, 0), m_nScrollPos{0, 0}
{
    ResetDefaultCells();
    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);
}

CGridModel::~CGridModel()
{
    // The hooks are not virtual any more here; DeleteAllItems only frees.
    m_bAllowDraw = FALSE;
    for (int row = 0; row < (int)m_RowData.GetSize(); row++) {
        GRID_ROW* pRow = m_RowData[row];
        if (!pRow)
            continue;
        for (int col = 0; col < (int)pRow->GetSize(); col++)
            delete pRow->GetAt(col);
        delete pRow;
    }
    m_RowData.RemoveAll();
}

void CGridModel::ResetDefaultCells()
{
    CGridDefaultCell* cells[] = {&m_cellDefault, &m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef};
    for (CGridDefaultCell* pCell : cells) {
        pCell->SetGrid(this);
        pCell->SetTextClr(m_crWindowText);
        pCell->SetBackClr(pCell == &m_cellDefault ? m_crWindowColour : m_cr3DFace);
    }
}

// ---------------------------------------------------------------- counts

BOOL CGridModel::SetRowCount(int nRows)
{
    if (nRows < 0)
        return FALSE;
    if (nRows == m_nRows)
        return TRUE;
    m_idTopLeftCell = CCellID(-1, -1);
    if (m_nFixedRows > nRows)
        m_nFixedRows = nRows;
    if (m_idCurrentCell.row >= nRows)
        SetFocusCell(-1, -1);

    BOOL bResult = TRUE;
    int addedRows = nRows - m_nRows;
    if (addedRows < 0 && !m_bVirtualMode) {
        for (int row = nRows; row < m_nRows; row++) {
            GRID_ROW* pRow = m_RowData[row];
            if (!pRow)
                continue;
            for (int col = 0; col < m_nCols; col++)
                DestroyCell(row, col);
            delete pRow;
            m_RowData[row] = nullptr;
        }
        // Drop the selection entries of the rows that went.
        POSITION pos = m_SelectedCellMap.GetStartPosition();
        while (pos) {
            DWORD key;
            CCellID cell;
            m_SelectedCellMap.GetNextAssoc(pos, key, cell);
            if (cell.row >= nRows)
                m_SelectedCellMap.RemoveKey(key);
        }
    }
    try {
        m_arRowHeights.SetSize(nRows);
        if (m_bVirtualMode) {
            for (int row = m_nRows; row < nRows; row++)
                m_arRowHeights[row] = m_cellDefault.GetHeight();
        } else {
            int startRow = m_nRows;
            m_RowData.SetSize(nRows);
            for (int row = startRow; row < nRows; row++) {
                m_RowData[row] = nullptr;
                m_arRowHeights[row] = m_cellDefault.GetHeight();
            }
            // Counts grow row by row so that CreateCell sees the row it fills.
            for (int row = startRow; row < nRows; row++) {
                GRID_ROW* pRow = new GRID_ROW;
                pRow->SetSize(m_nCols);
                m_RowData[row] = pRow;
                m_nRows = row + 1;
                for (int col = 0; col < m_nCols; col++)
                    pRow->SetAt(col, CreateCell(row, col));
            }
        }
    } catch (CMemoryException* e) {
        e->Delete();
        bResult = FALSE;
    }
    m_nRows = nRows;
    SetModified();
    ResetScrollBars();
    Refresh();
    return bResult;
}

BOOL CGridModel::SetColumnCount(int nCols)
{
    if (nCols < 0)
        return FALSE;
    if (nCols == m_nCols)
        return TRUE;
    m_idTopLeftCell = CCellID(-1, -1);
    if (m_nFixedCols > nCols)
        m_nFixedCols = nCols;
    if (m_idCurrentCell.col >= nCols)
        SetFocusCell(-1, -1);

    BOOL bResult = TRUE;
    if (nCols < m_nCols && !m_bVirtualMode) {
        for (int row = 0; row < m_nRows; row++) {
            GRID_ROW* pRow = m_RowData[row];
            if (!pRow)
                continue;
            for (int col = nCols; col < m_nCols; col++)
                DestroyCell(row, col);
        }
        POSITION pos = m_SelectedCellMap.GetStartPosition();
        while (pos) {
            DWORD key;
            CCellID cell;
            m_SelectedCellMap.GetNextAssoc(pos, key, cell);
            if (cell.col >= nCols)
                m_SelectedCellMap.RemoveKey(key);
        }
    }
    try {
        int startCol = m_nCols;
        m_arColWidths.SetSize(nCols);
        for (int col = startCol; col < nCols; col++)
            m_arColWidths[col] = m_cellFixedColDef.GetWidth();
        if (!m_bVirtualMode) {
            for (int row = 0; row < m_nRows; row++) {
                GRID_ROW* pRow = m_RowData[row];
                if (pRow)
                    pRow->SetSize(nCols);
            }
            m_nCols = nCols;
            for (int row = 0; row < m_nRows; row++) {
                GRID_ROW* pRow = m_RowData[row];
                for (int col = startCol; col < nCols; col++)
                    pRow->SetAt(col, CreateCell(row, col));
            }
        }
    } catch (CMemoryException* e) {
        e->Delete();
        bResult = FALSE;
    }
    m_nCols = nCols;
    SetModified();
    ResetScrollBars();
    Refresh();
    return bResult;
}

BOOL CGridModel::SetFixedRowCount(int nFixedRows)
{
    if (nFixedRows < 0)
        return FALSE;
    if (nFixedRows == m_nFixedRows)
        return TRUE;
    ResetSelectedRange();
    m_idTopLeftCell = CCellID(-1, -1);
    if (nFixedRows > m_nRows && !SetRowCount(nFixedRows))
        return FALSE;
    if (!m_bVirtualMode) {
        if (nFixedRows > m_nFixedRows) {
            for (int row = m_nFixedRows; row < nFixedRows; row++)
                for (int col = 0; col < m_nCols; col++) {
                    SetItemState(row, col, GetItemState(row, col) | GVIS_FIXED | GVIS_FIXEDROW);
                    SetItemBkColour(row, col, CLR_DEFAULT);
                    SetItemFgColour(row, col, CLR_DEFAULT);
                }
        } else {
            for (int row = nFixedRows; row < m_nFixedRows; row++)
                for (int col = 0; col < m_nCols; col++) {
                    if (col < m_nFixedCols)
                        SetItemState(row, col, GetItemState(row, col) & ~GVIS_FIXEDROW);
                    else {
                        SetItemState(row, col, GetItemState(row, col) & ~(GVIS_FIXED | GVIS_FIXEDROW));
                        SetItemBkColour(row, col, CLR_DEFAULT);
                        SetItemFgColour(row, col, CLR_DEFAULT);
                    }
                }
        }
    }
    m_nFixedRows = nFixedRows;
    Refresh();
    return TRUE;
}

BOOL CGridModel::SetFixedColumnCount(int nFixedCols)
{
    if (nFixedCols < 0)
        return FALSE;
    if (nFixedCols == m_nFixedCols)
        return TRUE;
    ResetSelectedRange();
    m_idTopLeftCell = CCellID(-1, -1);
    if (nFixedCols > m_nCols && !SetColumnCount(nFixedCols))
        return FALSE;
    if (!m_bVirtualMode) {
        if (nFixedCols > m_nFixedCols) {
            for (int row = 0; row < m_nRows; row++)
                for (int col = m_nFixedCols; col < nFixedCols; col++) {
                    SetItemState(row, col, GetItemState(row, col) | GVIS_FIXED | GVIS_FIXEDCOL);
                    SetItemBkColour(row, col, CLR_DEFAULT);
                    SetItemFgColour(row, col, CLR_DEFAULT);
                }
        } else {
            for (int row = 0; row < m_nRows; row++)
                for (int col = nFixedCols; col < m_nFixedCols; col++) {
                    if (row < m_nFixedRows)
                        SetItemState(row, col, GetItemState(row, col) & ~GVIS_FIXEDCOL);
                    else {
                        SetItemState(row, col, GetItemState(row, col) & ~(GVIS_FIXED | GVIS_FIXEDCOL));
                        SetItemBkColour(row, col, CLR_DEFAULT);
                        SetItemFgColour(row, col, CLR_DEFAULT);
                    }
                }
        }
    }
    m_nFixedCols = nFixedCols;
    Refresh();
    return TRUE;
}

BOOL CGridModel::DeleteColumn(int nColumn)
{
    if (nColumn < 0 || nColumn >= m_nCols)
        return FALSE;
    ResetSelectedRange();
    if (!m_bVirtualMode) {
        for (int row = 0; row < m_nRows; row++) {
            GRID_ROW* pRow = m_RowData[row];
            if (!pRow)
                continue;
            DestroyCell(row, nColumn);
            pRow->RemoveAt(nColumn);
        }
    }
    m_arColWidths.RemoveAt(nColumn);
    m_nCols--;
    if (nColumn < m_nFixedCols)
        m_nFixedCols--;
    if (nColumn == m_idCurrentCell.col)
        m_idCurrentCell = CCellID(-1, -1);
    else if (nColumn < m_idCurrentCell.col)
        m_idCurrentCell.col--;
    m_idTopLeftCell = CCellID(-1, -1);
    ResetScrollBars();
    SetModified();
    return TRUE;
}

BOOL CGridModel::DeleteRow(int nRow)
{
    if (nRow < 0 || nRow >= m_nRows)
        return FALSE;
    ResetSelectedRange();
    if (!m_bVirtualMode) {
        GRID_ROW* pRow = m_RowData[nRow];
        if (pRow) {
            for (int col = 0; col < m_nCols; col++)
                DestroyCell(nRow, col);
            delete pRow;
        }
        m_RowData.RemoveAt(nRow);
    }
    m_arRowHeights.RemoveAt(nRow);
    m_nRows--;
    if (nRow < m_nFixedRows)
        m_nFixedRows--;
    if (nRow == m_idCurrentCell.row)
        m_idCurrentCell = CCellID(-1, -1);
    else if (nRow < m_idCurrentCell.row)
        m_idCurrentCell.row--;
    m_idTopLeftCell = CCellID(-1, -1);
    ResetScrollBars();
    SetModified();
    return TRUE;
}

BOOL CGridModel::DeleteNonFixedRows()
{
    ResetSelectedRange();
    for (int row = m_nRows - 1; row >= m_nFixedRows; row--)
        DeleteRow(row);
    return TRUE;
}

BOOL CGridModel::DeleteAllItems()
{
    ResetSelectedRange();
    m_arColWidths.RemoveAll();
    m_arRowHeights.RemoveAll();
    if (!m_bVirtualMode) {
        for (int row = 0; row < (int)m_RowData.GetSize(); row++) {
            GRID_ROW* pRow = m_RowData[row];
            if (!pRow)
                continue;
            for (int col = 0; col < (int)pRow->GetSize(); col++)
                DestroyCell(row, col);
            delete pRow;
        }
    }
    m_RowData.RemoveAll();
    m_SelectedCellMap.RemoveAll();
    m_PrevSelectedCellMap.RemoveAll();
    m_idCurrentCell = CCellID(-1, -1);
    m_idTopLeftCell = CCellID(-1, -1);
    m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
    ResetScrollBars();
    SetModified();
    return TRUE;
}

int CGridModel::InsertColumn(LPCTSTR strHeading)
{
    if (m_nRows == 0 && !SetRowCount(1))
        return -1;
    int col = m_nCols;
    if (!SetColumnCount(m_nCols + 1))
        return -1;
    if (!m_bVirtualMode)
        SetItemText(0, col, strHeading);
    return col;
}

int CGridModel::InsertRow(LPCTSTR strHeading)
{
    if (m_nCols == 0 && !SetColumnCount(1))
        return -1;
    int row = m_nRows;
    if (!SetRowCount(m_nRows + 1))
        return -1;
    if (!m_bVirtualMode)
        SetItemText(row, 0, strHeading);
    return row;
}

// ---------------------------------------------------------------- sizes

int CGridModel::GetRowHeight(int nRow) const
{
    if (nRow < 0 || nRow >= m_nRows)
        return -1;
    return (int)m_arRowHeights[nRow];
}

int CGridModel::GetColumnWidth(int nCol) const
{
    if (nCol < 0 || nCol >= m_nCols)
        return -1;
    return (int)m_arColWidths[nCol];
}

BOOL CGridModel::SetRowHeight(int nRow, int height)
{
    if (nRow < 0 || nRow >= m_nRows || height < 0)
        return FALSE;
    m_arRowHeights[nRow] = height;
    ResetScrollBars();
    return TRUE;
}

BOOL CGridModel::SetColumnWidth(int nCol, int width)
{
    if (nCol < 0 || nCol >= m_nCols || width < 0)
        return FALSE;
    m_arColWidths[nCol] = width;
    ResetScrollBars();
    return TRUE;
}

int CGridModel::GetFixedRowHeight() const
{
    int height = 0;
    for (int row = 0; row < m_nFixedRows; row++)
        height += GetRowHeight(row);
    return height;
}

int CGridModel::GetFixedColumnWidth() const
{
    int width = 0;
    for (int col = 0; col < m_nFixedCols; col++)
        width += GetColumnWidth(col);
    return width;
}

long CGridModel::GetVirtualWidth() const
{
    long width = 0;
    for (int col = 0; col < m_nCols; col++)
        width += (long)m_arColWidths[col];
    return width;
}

long CGridModel::GetVirtualHeight() const
{
    // Row 0's height times the count: the sum would walk every row of a huge
    // virtual grid on each scroll-bar update.
    if (m_nRows <= 0)
        return 0;
    return (long)GetRowHeight(0) * m_nRows;
}

// Shares the difference between the client size and the summed sizes out over
// the sizes of the non-zero entries from first to last, never below 1 pixel:
// a shrink that would take an entry below 1 leaves it at 1 (the rest then does
// not fit, which the scroll bars show).
static void ShareOut(CArray<UINT, UINT>& sizes, int first, int last, int available)
{
    int count = 0;
    long total = 0;
    for (int i = 0; i < (int)sizes.GetSize(); i++)
        total += (long)sizes[i];
    for (int i = first; i <= last; i++)
        if (sizes[i] > 0)
            count++;
    if (count == 0)
        return;
    long difference = available - total;
    long share = difference / count;
    long leftOver = (difference < 0 ? -difference : difference) % count;
    for (int i = first; i <= last; i++) {
        if (sizes[i] == 0)
            continue;
        long size = (long)sizes[i] + share;
        if (leftOver > 0) {
            size += difference > 0 ? 1 : -1;
            leftOver--;
        }
        sizes[i] = (UINT)(size < 1 ? 1 : size);
    }
}

void CGridModel::ExpandColumnsToFit(BOOL bExpandFixed)
{
    if (bExpandFixed ? m_nCols <= 0 : m_nCols <= m_nFixedCols)
        return;
    m_nBarState &= ~1;
    CRect rect = GetGridViewRect();
    ShareOut(m_arColWidths, bExpandFixed ? 0 : m_nFixedCols, m_nCols - 1, rect.Width());
    m_idTopLeftCell = CCellID(-1, -1);
    Refresh();
    ResetScrollBars();
}

void CGridModel::ExpandRowsToFit(BOOL bExpandFixed)
{
    if (bExpandFixed ? m_nRows <= 0 : m_nRows <= m_nFixedRows)
        return;
    m_nBarState &= ~2;
    CRect rect = GetGridViewRect();
    ShareOut(m_arRowHeights, bExpandFixed ? 0 : m_nFixedRows, m_nRows - 1, rect.Height());
    m_idTopLeftCell = CCellID(-1, -1);
    Refresh();
    ResetScrollBars();
}

void CGridModel::ExpandToFit(BOOL bExpandFixed)
{
    ExpandColumnsToFit(bExpandFixed);
    ExpandRowsToFit(bExpandFixed);
    ExpandColumnsToFit(bExpandFixed);
    Refresh();
}

void CGridModel::ExpandLastColumn()
{
    int last = m_nCols - 1;
    while (last > 0 && GetColumnWidth(last) <= 0)
        last--;
    if (last <= 0)
        return;
    m_nBarState &= ~1;
    CRect rect = GetGridViewRect();
    long others = GetVirtualWidth() - GetColumnWidth(last);
    long width = rect.Width() - others;
    if (width > 0) {
        m_arColWidths[last] = (UINT)width;
        Refresh();
    }
    ResetScrollBars();
}

// ---------------------------------------------------------------- cells

CGridCellBase* CGridModel::GetCell(int nRow, int nCol) const
{
    if (nRow < 0 || nRow >= m_nRows || nCol < 0 || nCol >= m_nCols)
        return nullptr;
    if (!m_bVirtualMode) {
        GRID_ROW* pRow = m_RowData[nRow];
        return pRow ? pRow->GetAt(nCol) : nullptr;
    }

    // One record and one cell serve every request; the pointer lives until the next call.
    static GV_DISPINFO s_gvdi;
    static CGridCell s_cell;
    BOOL bFixedRow = nRow < m_nFixedRows, bFixedCol = nCol < m_nFixedCols;
    CGridDefaultCell* pDefault = GetDefaultCell(bFixedRow, bFixedCol);
    GV_ITEM& item = s_gvdi.item;
    item.row = nRow;
    item.col = nCol;
    item.mask = (UINT)-1;
    item.nState = 0;
    item.nFormat = pDefault->GetFormat();
    item.iImage = pDefault->GetImage();
    item.crBkClr = pDefault->GetBackClr();
    item.crFgClr = pDefault->GetTextClr();
    item.lParam = pDefault->GetData();
    std::memcpy(&item.lfFont, pDefault->GetFont(), sizeof(LOGFONT));
    item.nMargin = pDefault->GetMargin();
    item.strText.Empty();
    if (IsCellSelected(nRow, nCol))
        item.nState |= GVIS_SELECTED;
    if (bFixedRow)
        item.nState |= GVIS_FIXED | GVIS_FIXEDROW;
    if (bFixedCol)
        item.nState |= GVIS_FIXED | GVIS_FIXEDCOL;
    if (CCellID(nRow, nCol) == m_idCurrentCell)
        item.nState |= GVIS_FOCUSED;
    if (m_pfnCallback)
        m_pfnCallback(&item, m_lCallbackParam);
    else
        SendDisplayRequestToParent(&s_gvdi);

    s_cell.SetState(item.nState);
    s_cell.SetImage(item.iImage);
    s_cell.SetData(item.lParam);
    s_cell.SetFormat(item.nFormat);
    s_cell.SetBackClr(item.crBkClr);
    s_cell.SetTextClr(item.crFgClr);
    s_cell.SetFont(&item.lfFont);
    s_cell.SetMargin(item.nMargin);
    s_cell.SetText(item.strText);
    s_cell.SetGrid(const_cast<CGridModel*>(this));
    return &s_cell;
}

CGridCellBase* CGridModel::CreateCell(int nRow, int nCol)
{
    if (!m_pRtcDefault || !m_pRtcDefault->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase)))
        return nullptr;
    CGridCellBase* pCell = (CGridCellBase*)m_pRtcDefault->CreateObject();
    if (!pCell)
        return nullptr;
    pCell->SetGrid(this);
    pCell->SetCoords(nRow, nCol);
    DWORD state = pCell->GetState();
    if (nCol < m_nFixedCols)
        state |= GVIS_FIXED | GVIS_FIXEDCOL;
    if (nRow < m_nFixedRows)
        state |= GVIS_FIXED | GVIS_FIXEDROW;
    pCell->SetState(state);
    pCell->SetFormat(pCell->GetDefaultCell()->GetFormat());
    return pCell;
}

void CGridModel::DestroyCell(int nRow, int nCol)
{
    if (m_bVirtualMode || nRow < 0 || nRow >= (int)m_RowData.GetSize())
        return;
    GRID_ROW* pRow = m_RowData[nRow];
    if (!pRow || nCol < 0 || nCol >= (int)pRow->GetSize())
        return;
    delete pRow->GetAt(nCol);
    pRow->SetAt(nCol, nullptr);
}

BOOL CGridModel::SetCellType(int nRow, int nCol, CRuntimeClass* pRuntimeClass)
{
    if (m_bVirtualMode || !pRuntimeClass || !pRuntimeClass->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase)))
        return FALSE;
    CGridCellBase* pCurrent = GetCell(nRow, nCol);
    if (!pCurrent)
        return FALSE;
    CGridCellBase* pNew = (CGridCellBase*)pRuntimeClass->CreateObject();
    if (!pNew)
        return FALSE;
    *pNew = *pCurrent;
    m_RowData[nRow]->SetAt(nCol, pNew);
    delete pCurrent;
    return TRUE;
}

BOOL CGridModel::SetDefaultCellType(CRuntimeClass* pRuntimeClass)
{
    if (!pRuntimeClass || !pRuntimeClass->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase)))
        return FALSE;
    m_pRtcDefault = pRuntimeClass;
    return TRUE;
}

CGridDefaultCell* CGridModel::GetDefaultCell(BOOL bFixedRow, BOOL bFixedCol) const
{
    const CGridDefaultCell* pCell;
    if (bFixedRow && bFixedCol)
        pCell = &m_cellFixedRowColDef;
    else if (bFixedRow)
        pCell = &m_cellFixedRowDef;
    else if (bFixedCol)
        pCell = &m_cellFixedColDef;
    else
        pCell = &m_cellDefault;
    return const_cast<CGridDefaultCell*>(pCell);
}

BOOL CGridModel::IsValid(const CCellRange& range) const
{
    return range.GetMinRow() >= 0 && range.GetMinCol() >= 0 && range.GetMaxRow() >= 0 &&
           range.GetMaxCol() >= 0 && range.GetMaxRow() < m_nRows && range.GetMaxCol() < m_nCols &&
           range.GetMinRow() <= range.GetMaxRow() && range.GetMinCol() <= range.GetMaxCol();
}

BOOL CGridModel::IsCellEditable(int nRow, int nCol) const
{
    return m_bEditable && (GetItemState(nRow, nCol) & GVIS_READONLY) == 0;
}

// ---------------------------------------------------------------- items

BOOL CGridModel::SetItem(const GV_ITEM* pItem)
{
    if (!pItem || m_bVirtualMode)
        return FALSE;
    CGridCellBase* pCell = GetCell(pItem->row, pItem->col);
    if (!pCell)
        return FALSE;
    SetModified(TRUE, pItem->row, pItem->col);
    if (pItem->mask & GVIF_TEXT)
        pCell->SetText(pItem->strText);
    if (pItem->mask & GVIF_PARAM)
        pCell->SetData(pItem->lParam);
    if (pItem->mask & GVIF_IMAGE)
        pCell->SetImage(pItem->iImage);
    if (pItem->mask & GVIF_STATE)
        SetItemState(pItem->row, pItem->col, pItem->nState);
    if (pItem->mask & GVIF_FORMAT)
        pCell->SetFormat(pItem->nFormat);
    if (pItem->mask & GVIF_BKCLR)
        pCell->SetBackClr(pItem->crBkClr);
    if (pItem->mask & GVIF_FGCLR)
        pCell->SetTextClr(pItem->crFgClr);
    if (pItem->mask & GVIF_FONT)
        pCell->SetFont(&pItem->lfFont);
    if (pItem->mask & GVIF_MARGIN)
        pCell->SetMargin(pItem->nMargin);
    return TRUE;
}

BOOL CGridModel::SetItemText(int nRow, int nCol, LPCTSTR str)
{
    if (m_bVirtualMode)
        return FALSE;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetText(str);
    SetModified(TRUE, nRow, nCol);
    return TRUE;
}

CString CGridModel::GetItemText(int nRow, int nCol) const
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? CString(pCell->GetText()) : CString();
}

BOOL CGridModel::SetItemTextFmt(int nRow, int nCol, LPCTSTR szFmt, ...)
{
    if (m_bVirtualMode)
        return FALSE;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    CString text;
    va_list args;
    va_start(args, szFmt);
    text.FormatV(szFmt, args);
    va_end(args);
    pCell->SetText(text);
    SetModified(TRUE, nRow, nCol);
    return TRUE;
}

BOOL CGridModel::SetItemTextFmtID(int nRow, int nCol, UINT nID, ...)
{
    if (m_bVirtualMode)
        return FALSE;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    CString format;
    format.LoadString(nID);
    CString text;
    va_list args;
    va_start(args, nID);
    text.FormatV(format, args);
    va_end(args);
    pCell->SetText(text);
    SetModified(TRUE, nRow, nCol);
    return TRUE;
}

BOOL CGridModel::SetItemData(int nRow, int nCol, LPARAM lParam)
{
    if (m_bVirtualMode)
        return FALSE;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetData(lParam);
    SetModified(TRUE, nRow, nCol);
    return TRUE;
}

LPARAM CGridModel::GetItemData(int nRow, int nCol) const
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->GetData() : 0;
}

BOOL CGridModel::SetItemImage(int nRow, int nCol, int iImage)
{
    if (m_bVirtualMode)
        return FALSE;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetImage(iImage);
    SetModified(TRUE, nRow, nCol);
    return TRUE;
}

int CGridModel::GetItemImage(int nRow, int nCol) const
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->GetImage() : -1;
}

UINT CGridModel::GetItemState(int nRow, int nCol) const
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->GetState() : 0;
}

BOOL CGridModel::SetItemFormat(int nRow, int nCol, UINT nFormat)
{
    if (m_bVirtualMode)
        return FALSE;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetFormat(nFormat);
    return TRUE;
}

UINT CGridModel::GetItemFormat(int nRow, int nCol) const
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->GetFormat() : 0;
}

BOOL CGridModel::SetItemBkColour(int nRow, int nCol, COLORREF cr)
{
    if (m_bVirtualMode)
        return FALSE;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetBackClr(cr);
    return TRUE;
}

COLORREF CGridModel::GetItemBkColour(int nRow, int nCol) const
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->GetBackClr() : 0;
}

BOOL CGridModel::SetItemFgColour(int nRow, int nCol, COLORREF cr)
{
    if (m_bVirtualMode)
        return FALSE;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetTextClr(cr);
    return TRUE;
}

COLORREF CGridModel::GetItemFgColour(int nRow, int nCol) const
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->GetTextClr() : 0;
}

BOOL CGridModel::SetItemFont(int nRow, int nCol, const LOGFONT* lf)
{
    if (m_bVirtualMode)
        return FALSE;
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    pCell->SetFont(lf);
    return TRUE;
}

const LOGFONT* CGridModel::GetItemFont(int nRow, int nCol) const
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return GetDefaultCell(nRow < m_nFixedRows, nCol < m_nFixedCols)->GetFont();
    return pCell->GetFont();
}

BOOL CGridModel::IsItemEditing(int nRow, int nCol) const
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->IsEditing() : FALSE;
}

void CGridModel::SetModified(BOOL bModified, int nRow, int nCol)
{
    // A change in the sort column (or anywhere) invalidates the sort mark.
    if (nCol < 0 || nCol == m_nSortColumn) {
        if (m_nSortColumn >= 0) {
            int old = m_nSortColumn;
            m_nSortColumn = -1;
            if (m_nRows > 0 && old < m_nCols)
                RedrawCell(0, old);
        }
    }
    if (nRow < 0 || nCol < 0)
        m_bModified = bModified;
    else if (!m_bVirtualMode) {
        UINT state = GetItemState(nRow, nCol);
        SetItemState(nRow, nCol, bModified ? state | GVIS_MODIFIED : state & ~GVIS_MODIFIED);
        if (bModified)
            m_bModified = TRUE;
    }
    if (!m_bModified && !m_bVirtualMode) {
        for (int row = 0; row < m_nRows; row++)
            for (int col = 0; col < m_nCols; col++) {
                CGridCellBase* pCell = GetCell(row, col);
                if (pCell && (pCell->GetState() & GVIS_MODIFIED))
                    pCell->SetState(pCell->GetState() & ~GVIS_MODIFIED);
            }
    }
}

BOOL CGridModel::GetModified(int nRow, int nCol) const
{
    if (nRow < 0 || nCol < 0)
        return m_bModified;
    return (GetItemState(nRow, nCol) & GVIS_MODIFIED) != 0;
}

static BOOL StateMatches(UINT state, int nFlags)
{
    return ((nFlags & GVNI_FOCUSED) && (state & GVIS_FOCUSED)) ||
           ((nFlags & GVNI_SELECTED) && (state & GVIS_SELECTED)) ||
           ((nFlags & GVNI_DROPHILITED) && (state & GVIS_DROPHILITED)) ||
           ((nFlags & GVNI_READONLY) && (state & GVIS_READONLY)) ||
           ((nFlags & GVNI_FIXED) && (state & GVIS_FIXED)) ||
           ((nFlags & GVNI_MODIFIED) && (state & GVIS_MODIFIED));
}

CCellID CGridModel::GetNextItem(CCellID& cell, int nFlags) const
{
    if ((nFlags & GVNI_ALL) == GVNI_ALL) {
        int row = cell.row <= 0 ? m_nFixedRows : cell.row;
        int col = cell.col + 1 <= 0 ? m_nFixedCols : cell.col + 1;
        for (; row < m_nRows; row++) {
            for (; col < m_nCols; col++)
                if (StateMatches(GetItemState(row, col), nFlags))
                    return CCellID(row, col);
            col = m_nFixedCols;
        }
        return CCellID(-1, -1);
    }
    if ((nFlags & GVNI_BELOW) && (nFlags & GVNI_TORIGHT)) {
        int firstRow = cell.row <= 0 ? m_nFixedRows : cell.row;
        int firstCol = cell.col + 1 <= 0 ? m_nFixedCols : cell.col + 1;
        for (int row = firstRow; row < m_nRows; row++)
            for (int col = firstCol; col < m_nCols; col++)
                if (StateMatches(GetItemState(row, col), nFlags))
                    return CCellID(row, col);
        return CCellID(-1, -1);
    }
    if (nFlags & GVNI_ABOVE) {
        for (int row = cell.row - 1; row >= m_nFixedRows; row--)
            if (StateMatches(GetItemState(row, cell.col), nFlags))
                return CCellID(row, cell.col);
    } else if (nFlags & GVNI_BELOW) {
        for (int row = cell.row + 1; row < m_nRows; row++)
            if (StateMatches(GetItemState(row, cell.col), nFlags))
                return CCellID(row, cell.col);
    } else if (nFlags & GVNI_TOLEFT) {
        for (int col = cell.col - 1; col >= m_nFixedCols; col--)
            if (StateMatches(GetItemState(cell.row, col), nFlags))
                return CCellID(cell.row, col);
    } else if (nFlags & GVNI_TORIGHT) {
        for (int col = cell.col + 1; col < m_nCols; col++)
            if (StateMatches(GetItemState(cell.row, col), nFlags))
                return CCellID(cell.row, col);
    }
    return CCellID(-1, -1);
}

// ---------------------------------------------------------------- modes

void CGridModel::SetVirtualMode(BOOL bVirtual)
{
    DeleteAllItems();
    m_bVirtualMode = bVirtual;
    if (bVirtual) {
        m_bEditable = FALSE;
        m_bSortOnClick = FALSE;
        m_bFixedColumnSelection = FALSE;
        m_bFixedRowSelection = FALSE;
        m_nAutoSizeColumnStyle = 1;
    }
}

void CGridModel::SetListMode(BOOL bEnableListMode)
{
    ResetSelectedRange();
    if (m_nSortColumn >= 0) {
        int old = m_nSortColumn;
        m_nSortColumn = -1;
        RedrawCell(0, old);
    }
    m_bListMode = bEnableListMode;
    m_bFixedColumnSelection = FALSE;
    Refresh();
}

void CGridModel::SetGridLines(int nWhichLines)
{
    m_nGridLines = nWhichLines;
    Refresh();
}

// ---------------------------------------------------------------- hooks

BOOL CGridModel::ValidateEdit(int nRow, int nCol, LPCTSTR str)
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->ValidateEdit(str) : TRUE;
}

CWnd* CGridModel::CreateInPlaceEditor(const CRect&, DWORD, UINT, int, int, LPCTSTR, UINT) { return nullptr; }
void CGridModel::EndInPlaceEditor(CWnd*) {}
LRESULT CGridModel::SendMessageToParent(int, int, int) const { return 0; }
LRESULT CGridModel::SendCacheHintToParent(const CCellRange&) const { return 0; }
LRESULT CGridModel::SendDisplayRequestToParent(GV_DISPINFO*) const { return 0; }
BOOL CGridModel::RedrawCell(int, int, CDC*) { return FALSE; }
void CGridModel::Refresh() {}
void CGridModel::DoScroll(int nBar, UINT nSBCode) { ScrollView(nBar, nSBCode); }
void CGridModel::ShowGridMessage(LPCTSTR szText) { ::MessageBoxA(nullptr, szText, nullptr, MB_OK | MB_ICONEXCLAMATION); }
