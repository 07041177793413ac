// Fitting rows and columns to their contents, measured on the grid window's DC
// (the screen's without a window), and following system colour changes.
#include "grid/GridModel.h"

#include "afx/DC.h"

namespace
{
// The DC cells are measured on; released when the object goes.
class CMeasureDC : public CDC
{
public:
    explicit CMeasureDC(HWND hWnd) : m_hWnd(hWnd) { Attach(::GetDC(hWnd)); }
    ~CMeasureDC() override
    {
        HDC hdc = Detach();
        if (hdc)
            ::ReleaseDC(m_hWnd, hdc);
    }
    CMeasureDC(const CMeasureDC&) = delete;
    CMeasureDC& operator=(const CMeasureDC&) = delete;

private:
    HWND m_hWnd;
};
}  // namespace

BOOL CGridModel::AutoSizeColumn(int nCol, UINT nAutoSizeStyle, BOOL bResetScroll)
{
    if (nCol < 0 || nCol >= m_nCols || GetColumnWidth(nCol) <= 0)
        return FALSE;
    CMeasureDC dc(GetGridWindow());
    if (!dc.GetSafeHdc())
        return FALSE;
    if (nAutoSizeStyle == 0)
        nAutoSizeStyle = (UINT)m_nAutoSizeColumnStyle;
    int nStartRow = (nAutoSizeStyle & 1) ? 0 : m_nFixedRows;
    int nEndRow = (nAutoSizeStyle & 2) ? m_nRows - 1 : m_nFixedRows - 1;
    if (m_bVirtualMode)
        SendCacheHintToParent(CCellRange(nStartRow, nCol, nEndRow, nCol));
    int width = 0;
    for (int row = nStartRow; row <= nEndRow; row++) {
        CGridCellBase* pCell = GetCell(row, nCol);
        if (pCell)
            width = std::max<int>(width, pCell->GetCellExtent(&dc).cx);
    }
    if (m_bVirtualMode)
        SendCacheHintToParent(CCellRange(-1, -1, -1, -1));
    m_arColWidths[nCol] = (UINT)width;
    if (bResetScroll)
        ResetScrollBars();
    return TRUE;
}

BOOL CGridModel::AutoSizeRow(int nRow, BOOL bResetScroll)
{
    if (nRow < 0 || nRow >= m_nRows || GetRowHeight(nRow) <= 0)
        return FALSE;
    CMeasureDC dc(GetGridWindow());
    if (!dc.GetSafeHdc())
        return FALSE;
    if (m_bVirtualMode)
        SendCacheHintToParent(CCellRange(nRow, 0, nRow, m_nCols - 1));
    int height = 0;
    for (int col = 0; col < m_nCols; col++) {
        CGridCellBase* pCell = GetCell(nRow, col);
        if (pCell)
            height = std::max<int>(height, pCell->GetCellExtent(&dc).cy);
    }
    if (m_bVirtualMode)
        SendCacheHintToParent(CCellRange(-1, -1, -1, -1));
    m_arRowHeights[nRow] = (UINT)height;
    if (bResetScroll)
        ResetScrollBars();
    return TRUE;
}

void CGridModel::AutoSizeColumns(UINT nAutoSizeStyle)
{
    for (int col = 0; col < m_nCols; col++)
        if (GetColumnWidth(col) > 0)
            AutoSizeColumn(col, nAutoSizeStyle, FALSE);
    ResetScrollBars();
}

void CGridModel::AutoSizeRows()
{
    for (int row = 0; row < m_nRows; row++)
        if (GetRowHeight(row) > 0)
            AutoSizeRow(row, FALSE);
    ResetScrollBars();
}

void CGridModel::AutoSize(UINT nAutoSizeStyle)
{
    CMeasureDC dc(GetGridWindow());
    if (!dc.GetSafeHdc())
        return;
    if (nAutoSizeStyle == 0)
        nAutoSizeStyle = (UINT)m_nAutoSizeColumnStyle;
    int nStartRow = (nAutoSizeStyle & 1) ? 0 : m_nFixedRows;
    int nEndRow = (nAutoSizeStyle & 2) ? m_nRows - 1 : m_nFixedRows - 1;
    if (m_bVirtualMode)
        SendCacheHintToParent(CCellRange(nStartRow, 0, nEndRow, m_nCols - 1));
    for (int row = nStartRow; row <= nEndRow; row++)
        if (GetRowHeight(row) > 0)
            m_arRowHeights[row] = 1;
    for (int col = 0; col < m_nCols; col++) {
        if (GetColumnWidth(col) <= 0)
            continue;
        m_arColWidths[col] = 0;
        for (int row = nStartRow; row <= nEndRow; row++) {
            if (GetRowHeight(row) <= 0)
                continue;
            CGridCellBase* pCell = GetCell(row, col);
            if (!pCell)
                continue;
            CSize size = pCell->GetCellExtent(&dc);
            if (size.cx > (int)m_arColWidths[col])
                m_arColWidths[col] = (UINT)size.cx;
            if (size.cy > (int)m_arRowHeights[row])
                m_arRowHeights[row] = (UINT)size.cy;
        }
    }
    if (m_bVirtualMode)
        SendCacheHintToParent(CCellRange(-1, -1, -1, -1));
    ResetScrollBars();
    Refresh();
}

void CGridModel::RefreshSystemColours()
{
    CGridDefaultCell* cells[] = {&m_cellDefault, &m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef};
    for (CGridDefaultCell* pCell : cells) {
        if (pCell->GetTextClr() == m_crWindowText)
            pCell->SetTextClr(::GetSysColor(COLOR_WINDOWTEXT));
        if (pCell->GetBackClr() == m_crWindowColour)
            pCell->SetBackClr(::GetSysColor(COLOR_WINDOW));
    }
    if (m_crGridBkColour == m_crShadow)
        m_crGridBkColour = ::GetSysColor(COLOR_BTNSHADOW);
    m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crWindowColour = ::GetSysColor(COLOR_WINDOW);
    m_cr3DFace = ::GetSysColor(COLOR_3DFACE);
    m_crShadow = ::GetSysColor(COLOR_3DSHADOW);
}
