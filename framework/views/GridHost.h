// What the two grid hosts (the grid dialog and the grid form view) do alike
// with their grid: the read-only whole-row list set-up, restoring and saving
// the colours, column widths, visibility and sort in the host's profile
// section, re-filling while keeping the sort and the selected row, and the
// row selection. A host takes its grid and the state kept with it from
// CGridHostData and supplies the profile access these templates name; the
// few places where the two differ are GridHostKind.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/Rect.h"
#include "afx/String.h"
#include "afx/WinApp.h"
#include "grid/GridCtrl.h"

enum class GridHostKind
{
    Dialog,
    FormView
};

// Profile keys of the grid hosts (the host's settings name is the section).
extern const char GridKeyBackground[];
extern const char GridKeyTextBackground[];
extern const char GridKeyTextForeground[];
extern const char GridKeyGridLines[];
extern const char GridKeySortAscending[];
extern const char GridKeySortColumn[];
// Appended to a column's name for its visibility key.
extern const char GridKeyVisibleSuffix[];

// The text colour of the header cells.
const COLORREF GridHeaderTextColour = RGB(0, 0, 128);
const int GridDefaultColumnWidth = 70;
// A stored column width that asks for an even share of the grid's width.
const int GridEvenShareWidth = -1;

// The width a column gets on the grid from its stored width: 0 when hidden,
// an even share of the client width (less a vertical scroll bar and one
// pixel) for GridEvenShareWidth, else the stored width.
int GridColumnWidthToShow(int storedWidth, BOOL visible, int clientWidth, int scrollBarWidth, int columnCount);

// The remembered row after a re-fill: clamped to the last row; -1 when only
// the header is left.
int GridRowToReselect(int rememberedRow, int rowCount);

// Selects the whole row, makes its first cell the focus cell and scrolls it
// into view.
void SelectWholeGridRow(CGridCtrl& grid, int row);

// The first row of the selection, -1 when there is none.
int GetGridSelectedRow(const CGridCtrl& grid);

// The grid and what a host keeps with it; the set-up dialog edits the
// colours and the visibility through this part of either host.
struct CGridHostData
{
    CGridHostData();

    // Removes every row below the header.
    void RemoveAllRows();
    // Column 0's item data of a row (the host's record index); -1 for no row.
    int RowItemData(int row) const;

    BOOL m_bSkipInitialFill;
    COLORREF m_clrBackground;
    COLORREF m_clrTextBackground;
    COLORREF m_clrTextForeground;
    COLORREF m_clrGridLines;
    CStringArray m_arrColumnNames;   // header texts, also the width keys
    CUIntArray m_arrColumnWidths;
    CUIntArray m_arrColumnVisible;
    CGridCtrl m_Grid;
    int m_nDefaultColumnWidth;
    CString m_strItemName;
    int m_nSelectedRow;
};

// Selects a data row of the host (1 .. row count - 1; other rows are ignored)
// and lets the host enable its controls for it.
template <class Host>
void SelectHostRow(Host& host, int nRow)
{
    if (nRow < 1 || nRow >= host.m_Grid.GetRowCount())
        return;
    host.m_nSelectedRow = nRow;
    SelectWholeGridRow(host.m_Grid, nRow);
    host.UpdateControls();
}

// Applies the host's four colour members to the grid.
template <class Host>
void ApplyGridHostColours(Host& host)
{
    CGridCtrl& grid = host.m_Grid;
    grid.m_crGridBkColour = host.m_clrBackground;
    grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(host.m_clrTextBackground);
    grid.GetDefaultCell(FALSE, FALSE)->SetTextClr(host.m_clrTextForeground);
    grid.m_crGridLineColour = host.m_clrGridLines;
}

// Steps 1-5 of the grid's set-up; firstRun (form view only) replaces the
// stored visibility by the host's first-run array.
template <class Host>
void SetUpHostGrid(Host& host, GridHostKind kind, BOOL firstRun, const CUIntArray* firstRunVisible)
{
    const BOOL dialog = kind == GridHostKind::Dialog;
    CGridCtrl& grid = host.m_Grid;
    const int columns = static_cast<int>(host.m_arrColumnNames.GetSize());

    grid.SetEditable(FALSE);
    grid.SetListMode(TRUE);
    grid.m_bSortOnClick = TRUE;
    grid.SetFixedColumnCount(0);
    grid.SetColumnCount(columns);
    grid.GetDefaultCell(TRUE, FALSE)->SetTextClr(GridHeaderTextColour);
    grid.GetDefaultCell(FALSE, TRUE)->SetTextClr(GridHeaderTextColour);
    grid.GetDefaultCell(TRUE, TRUE)->SetTextClr(GridHeaderTextColour);
    grid.m_bAllowRowResize = dialog;
    if (!dialog)
        grid.m_bAllowColHide = TRUE;
    grid.m_bSingleRowSelection = TRUE;
    grid.m_bSingleColSelection = TRUE;
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(0);
    grid.SetRowCount(1);
    grid.SetSortAscending(dialog);
    grid.SetSortColumn(0);
    grid.m_bAllowColumnResize = TRUE;
    grid.SetCompareFunction(CompareCellFloat);

    host.m_clrBackground = static_cast<COLORREF>(host.GetSettingInt(GridKeyBackground, static_cast<int>(grid.m_crGridBkColour)));
    host.m_clrTextBackground = static_cast<COLORREF>(
        host.GetSettingInt(GridKeyTextBackground, static_cast<int>(grid.GetDefaultCell(FALSE, FALSE)->GetBackClr())));
    host.m_clrTextForeground = static_cast<COLORREF>(
        host.GetSettingInt(GridKeyTextForeground, static_cast<int>(grid.GetDefaultCell(FALSE, FALSE)->GetTextClr())));
    host.m_clrGridLines = static_cast<COLORREF>(host.GetSettingInt(GridKeyGridLines, static_cast<int>(grid.m_crGridLineColour)));
    ApplyGridHostColours(host);

    CRect client;
    grid.GetClientRect(&client);
    host.m_arrColumnWidths.SetSize(columns);
    host.m_arrColumnVisible.SetSize(columns);
    for (int i = 0; i < columns; ++i) {
        const CString& name = host.m_arrColumnNames[i];
        grid.SetItemText(0, i, name);
        grid.SetItemData(0, i, i);
        grid.SetItemFgColour(0, i, RGB(0, 0, 0));
        int width = host.GetSettingInt(name, host.m_nDefaultColumnWidth);
        int visible = host.GetSettingInt(name + GridKeyVisibleSuffix, 1);
        if (firstRun && firstRunVisible) {
            // A first-run array shorter than the columns leaves the rest shown.
            visible = i < firstRunVisible->GetSize() ? static_cast<int>((*firstRunVisible)[i]) : 1;
            if (!visible)
                width = 0;
        }
        host.m_arrColumnWidths[i] = static_cast<UINT>(width);
        host.m_arrColumnVisible[i] = visible ? 1 : 0;
        grid.SetColumnWidth(i, GridColumnWidthToShow(width, visible, client.Width(), GetSystemMetrics(SM_CXVSCROLL), columns));
    }

    BOOL ascending = host.GetSettingInt(GridKeySortAscending, dialog ? 1 : 0);
    int sortColumn = host.GetSettingInt(GridKeySortColumn, dialog ? -1 : 1);
    grid.SetSortAscending(ascending);
    grid.SetSortColumn(sortColumn);
    grid.SortItems(sortColumn, ascending);
}

// The re-fill: the sort chosen by a header click is stored first so that it
// survives, the selected row is kept where the new rows allow it.
template <class Host>
void RefreshHostGrid(Host& host, GridHostKind kind)
{
    CWaitCursor wait;
    CGridCtrl& grid = host.m_Grid;
    host.WriteSettingInt(GridKeySortAscending, grid.GetSortAscending() ? 1 : 0);
    host.WriteSettingInt(GridKeySortColumn, grid.GetSortColumn());
    // With nothing selected the grid's selected range is not -1 but past the
    // last row; taken as a row it would select one after every re-fill.
    int remembered = GetGridSelectedRow(grid);

    grid.SetRedraw(FALSE);
    grid.SetRowCount(1);
    host.FillGrid();
    grid.SetRedraw(TRUE);
    grid.ResetScrollBars();

    BOOL ascending = host.GetSettingInt(GridKeySortAscending, kind == GridHostKind::Dialog ? 1 : 0);
    int sortColumn = host.GetSettingInt(GridKeySortColumn, -1);
    grid.SortItems(sortColumn, ascending);

    if (remembered != -1) {
        int row = GridRowToReselect(remembered, grid.GetRowCount());
        if (row != -1)
            SelectWholeGridRow(grid, row);
    }
    host.UpdateControls();
}

// Widths, visibility, sort and colours into the profile; a hidden column is
// saved with width 0.
template <class Host>
void SaveHostGrid(Host& host)
{
    CGridCtrl& grid = host.m_Grid;
    const int columns = static_cast<int>(host.m_arrColumnNames.GetSize());
    host.m_arrColumnWidths.SetSize(columns);
    host.m_arrColumnVisible.SetSize(columns);
    for (int i = 0; i < columns; ++i) {
        int width = grid.GetColumnWidth(i);
        host.m_arrColumnWidths[i] = static_cast<UINT>(width);
        host.m_arrColumnVisible[i] = width > 0 ? 1 : 0;
        host.WriteSettingInt(host.m_arrColumnNames[i], width);
        host.WriteSettingInt(host.m_arrColumnNames[i] + GridKeyVisibleSuffix, width > 0 ? 1 : 0);
    }
    host.WriteSettingInt(GridKeySortAscending, grid.GetSortAscending() ? 1 : 0);
    host.WriteSettingInt(GridKeySortColumn, grid.GetSortColumn());
    host.WriteSettingInt(GridKeyBackground, static_cast<int>(host.m_clrBackground));
    host.WriteSettingInt(GridKeyTextBackground, static_cast<int>(host.m_clrTextBackground));
    host.WriteSettingInt(GridKeyTextForeground, static_cast<int>(host.m_clrTextForeground));
    host.WriteSettingInt(GridKeyGridLines, static_cast<int>(host.m_clrGridLines));
}

// After the column set-up dialog ended with OK: a column shown again whose
// stored width is 0 gets the default width.
template <class Host>
void ApplyHostColumnSetup(Host& host)
{
    CGridCtrl& grid = host.m_Grid;
    const int columns = static_cast<int>(host.m_arrColumnNames.GetSize());
    for (int i = 0; i < columns; ++i) {
        int width = 0;
        if (host.m_arrColumnVisible[i]) {
            width = static_cast<int>(host.m_arrColumnWidths[i]);
            if (width == 0)
                width = host.m_nDefaultColumnWidth;
        }
        host.m_arrColumnWidths[i] = static_cast<UINT>(width);
        grid.SetColumnWidth(i, width);
    }
    ApplyGridHostColours(host);
    host.RefreshGrid();
}

