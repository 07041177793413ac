#include "framework/views/GridHost.h"

#include <algorithm>

const char GridKeyBackground[] = "m_clrBackground";
const char GridKeyTextBackground[] = "m_clrTextBackground";
const char GridKeyTextForeground[] = "m_clrTextForeground";
const char GridKeyGridLines[] = "m_clrGridLines";
const char GridKeySortAscending[] = "SetSortAscending";
const char GridKeySortColumn[] = "SetSortColumn";
const char GridKeyVisibleSuffix[] = "_Visible";

int GridColumnWidthToShow(int storedWidth, BOOL visible, int clientWidth, int scrollBarWidth, int columnCount)
{
    if (!visible)
        return 0;
    if (storedWidth == GridEvenShareWidth && columnCount > 0)
        return (clientWidth - scrollBarWidth - 1) / columnCount;
    return storedWidth;
}

int GridRowToReselect(int rememberedRow, int rowCount)
{
    if (rememberedRow < 0)
        return -1;
    int row = std::min(rememberedRow, rowCount - 1);
    // Row 0 is the header: with no data row left nothing is selected.
    return rowCount >= 2 && row >= 1 ? row : -1;
}

void SelectWholeGridRow(CGridCtrl& grid, int row)
{
    grid.EnsureVisible(row, 0);
    grid.SetFocusCell(row, 0);
    grid.SetSelectedRange(row, 0, row, grid.GetColumnCount() - 1, FALSE, TRUE);
}

int GetGridSelectedRow(const CGridCtrl& grid)
{
    CCellRange range = grid.GetSelectedCellRange();
    int minRow = range.GetMinRow();
    int maxRow = range.GetMaxRow();
    if (minRow >= 0 && minRow < grid.GetRowCount() && maxRow >= 0 && maxRow < grid.GetRowCount())
        return minRow;
    return -1;
}

CGridHostData::CGridHostData()
    : m_bSkipInitialFill(FALSE),
      m_clrBackground(0),
      m_clrTextBackground(0),
      m_clrTextForeground(0),
      m_clrGridLines(0),
      m_arrColumnNames(),
      m_arrColumnWidths(),
      m_arrColumnVisible(),
      m_Grid(0, 0, 0, 0),
      m_nDefaultColumnWidth(GridDefaultColumnWidth),
      m_strItemName("item"),
      m_nSelectedRow(-1)
{
}

void CGridHostData::RemoveAllRows()
{
    for (int row = m_Grid.GetRowCount() - 1; row >= 1; --row)
        m_Grid.DeleteRow(row);
}

int CGridHostData::RowItemData(int row) const
{
    if (row < 0)
        return -1;
    return static_cast<int>(m_Grid.GetItemData(row, 0));
}
