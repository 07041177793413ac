// Sorting rows by the cells of one column with a row compare callback.
#include "grid/GridModel.h"

#include <cstdlib>
#include <mbstring.h>

int CALLBACK CompareCellText(LPARAM lParam1, LPARAM lParam2, LPARAM /*lParamSort*/)
{
    CGridCellBase* pCell1 = (CGridCellBase*)lParam1;
    CGridCellBase* pCell2 = (CGridCellBase*)lParam2;
    if (!pCell1 || !pCell2)
        return 0;
    return _mbscmp((const unsigned char*)pCell1->GetText(), (const unsigned char*)pCell2->GetText());
}

int CALLBACK CompareCellInteger(LPARAM lParam1, LPARAM lParam2, LPARAM /*lParamSort*/)
{
    CGridCellBase* pCell1 = (CGridCellBase*)lParam1;
    CGridCellBase* pCell2 = (CGridCellBase*)lParam2;
    if (!pCell1 || !pCell2)
        return 0;
    long n1 = atol(pCell1->GetText());
    long n2 = atol(pCell2->GetText());
    return n1 < n2 ? -1 : (n1 == n2 ? 0 : 1);
}

int CALLBACK CompareCellFloat(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    CGridCellBase* pCell1 = (CGridCellBase*)lParam1;
    CGridCellBase* pCell2 = (CGridCellBase*)lParam2;
    if (!pCell1 || !pCell2)
        return 0;
    double d1 = atof(pCell1->GetText());
    double d2 = atof(pCell2->GetText());
    if (d1 < d2)
        return -1;
    if (d1 == d2)
        return CompareCellText(lParam1, lParam2, lParamSort);
    return 1;
}

BOOL CGridModel::SortTextItems(int nCol, BOOL bAscending, LPARAM data)
{
    return SortItems(CompareCellText, nCol, bAscending, data);
}

BOOL CGridModel::SortItems(int nCol, BOOL bAscending, LPARAM data)
{
    if (m_bVirtualMode && !m_pfnCompare) {
        // Virtual rows are not stored, so only the mark and the direction change.
        SetSortColumn(nCol);
        m_bSortAscending = bAscending;
        ResetSelectedRange();
        return TRUE;
    }
    return SortItems(m_pfnCompare ? m_pfnCompare : CompareCellText, nCol, bAscending, data);
}

BOOL CGridModel::SortItems(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data)
{
    SetSortColumn(nCol);
    m_bSortAscending = bAscending;
    ResetSelectedRange();
    SetFocusCell(-1, -1);
    if (m_bVirtualMode)
        return TRUE;
    return SortRows(pfnCompare, nCol, bAscending, data, m_nFixedRows, -1);
}

void CGridModel::SetSortColumn(int nCol)
{
    if (m_nSortColumn >= 0 && m_nRows > 0)
        RedrawCell(0, m_nSortColumn);
    m_nSortColumn = nCol;
    if (nCol >= 0 && m_nRows > 0)
        RedrawCell(0, nCol);
}

void CGridModel::SwapRows(int nRow1, int nRow2)
{
    GRID_ROW* pRow1 = m_RowData[nRow1];
    GRID_ROW* pRow2 = m_RowData[nRow2];
    m_RowData[nRow1] = pRow2;
    m_RowData[nRow2] = pRow1;
    for (int col = 0; col < m_nCols; col++) {
        if (CGridCellBase* pCell = pRow2->GetAt(col))
            pCell->SetCoords(nRow1, col);
        if (CGridCellBase* pCell = pRow1->GetAt(col))
            pCell->SetCoords(nRow2, col);
    }
    UINT height = m_arRowHeights[nRow1];
    m_arRowHeights[nRow1] = m_arRowHeights[nRow2];
    m_arRowHeights[nRow2] = height;
}

BOOL CGridModel::SortRows(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data, int low, int high)
{
    if (nCol < 0 || nCol >= m_nCols || m_bVirtualMode || !pfnCompare)
        return FALSE;
    if (high == -1)
        high = m_nRows - 1;
    if (low < 0 || high >= m_nRows || high <= low)
        return FALSE;

    // Iterates on the larger part and recurses on the smaller, so that the
    // depth stays logarithmic on any input.
    while (high > low) {
        int lo = low, hi = high;
        LPARAM pivot = (LPARAM)GetCell((low + high) / 2, nCol);
        while (lo <= hi) {
            if (bAscending) {
                while (lo < high && pfnCompare((LPARAM)GetCell(lo, nCol), pivot, data) < 0)
                    ++lo;
                while (hi > low && pfnCompare((LPARAM)GetCell(hi, nCol), pivot, data) > 0)
                    --hi;
            } else {
                while (lo < high && pfnCompare((LPARAM)GetCell(lo, nCol), pivot, data) > 0)
                    ++lo;
                while (hi > low && pfnCompare((LPARAM)GetCell(hi, nCol), pivot, data) < 0)
                    --hi;
            }
            if (lo <= hi) {
                if (pfnCompare((LPARAM)GetCell(lo, nCol), (LPARAM)GetCell(hi, nCol), data) != 0)
                    SwapRows(lo, hi);
                ++lo;
                --hi;
            }
        }
        if (hi - low < high - lo) {
            if (low < hi)
                SortRows(pfnCompare, nCol, bAscending, data, low, hi);
            low = lo;
        } else {
            if (lo < high)
                SortRows(pfnCompare, nCol, bAscending, data, lo, high);
            high = hi;
        }
    }
    return TRUE;
}
