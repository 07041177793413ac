// CGridModel: everything a grid control knows without a window: the table of
// cells with its fixed rows and columns, list and virtual modes, row heights
// and column widths, cell positions and hit-testing for a view of a given size
// and scroll position, the selection and focus cell, sorting, clipboard text,
// text files and print pagination. The grid window (CGridCtrl) derives from it
// and overrides the few hooks that reach the screen or the owner window.
#pragma once

#include "afx/Array.h"
#include "afx/Map.h"
#include "afx/Rect.h"
#include "afx/String.h"
#include "grid/CellRange.h"
#include "grid/GridCell.h"

class CDC;
class CImageList;
class CException;
class CWnd;

typedef CArray<CGridCellBase*, CGridCellBase*> GRID_ROW;

// Row compare callback: the two cells (as LPARAM) and the caller's value.
typedef int(CALLBACK* PFNLVCOMPARE)(LPARAM, LPARAM, LPARAM);
// Virtual-mode callback: fills the item and returns TRUE when it did.
typedef BOOL(CALLBACK* GRIDCALLBACK)(GV_ITEM*, LPARAM);

int CALLBACK CompareCellText(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
int CALLBACK CompareCellInteger(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
int CALLBACK CompareCellFloat(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

// Mouse modes.
enum
{
    MOUSE_NOTHING = 0,
    MOUSE_SELECT_ALL = 1,
    MOUSE_SELECT_COL = 2,
    MOUSE_SELECT_ROW = 3,
    MOUSE_SELECT_CELLS = 4,
    MOUSE_OVER_ROW_DIVIDE = 6,
    MOUSE_SIZING_ROW = 7,
    MOUSE_OVER_COL_DIVIDE = 8,
    MOUSE_SIZING_COL = 9,
    MOUSE_PREPARE_EDIT = 10,
    MOUSE_PREPARE_DRAG = 11,
    MOUSE_DRAGGING = 12
};

class CGridModel
{
public:
    CGridModel(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    virtual ~CGridModel();
    CGridModel(const CGridModel&) = delete;
    CGridModel& operator=(const CGridModel&) = delete;

    // --- Counts -----------------------------------------------------------
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    BOOL SetRowCount(int nRows = 10);
    BOOL SetColumnCount(int nCols = 10);
    BOOL SetFixedRowCount(int nFixedRows = 1);
    BOOL SetFixedColumnCount(int nFixedCols = 1);
    BOOL DeleteColumn(int nColumn);
    BOOL DeleteRow(int nRow);
    BOOL DeleteNonFixedRows();
    BOOL DeleteAllItems();
    // Appends a column whose row-0 cell holds the heading (a grid without rows
    // gets row 0 first); returns the new column's index, -1 on failure.
    int InsertColumn(LPCTSTR strHeading);
    // Appends a row whose column-0 cell holds the heading (a grid without
    // columns gets column 0 first); returns the new row's index, -1 on failure.
    int InsertRow(LPCTSTR strHeading);

    // --- Sizes ------------------------------------------------------------
    int GetRowHeight(int nRow) const;
    int GetColumnWidth(int nCol) const;
    BOOL SetRowHeight(int nRow, int height);
    BOOL SetColumnWidth(int nCol, int width);
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    long GetVirtualWidth() const;
    long GetVirtualHeight() const;
    void ExpandColumnsToFit(BOOL bExpandFixed = TRUE);
    void ExpandRowsToFit(BOOL bExpandFixed = TRUE);
    void ExpandToFit(BOOL bExpandFixed = TRUE);
    void ExpandLastColumn();
    // Style bits: 1 measures the fixed rows, 2 the others; 0 means m_nAutoSizeColumnStyle.
    BOOL AutoSizeColumn(int nCol, UINT nAutoSizeStyle = 0, BOOL bResetScroll = TRUE);
    BOOL AutoSizeRow(int nRow, BOOL bResetScroll = TRUE);
    void AutoSizeColumns(UINT nAutoSizeStyle = 0);
    void AutoSizeRows();
    // Rows and columns together; hidden ones stay hidden.
    void AutoSize(UINT nAutoSizeStyle = 0);
    // Default cells that follow the system colours take the current ones.
    void RefreshSystemColours();

    // --- Cells ------------------------------------------------------------
    CGridCellBase* GetCell(int nRow, int nCol) const;
    virtual CGridCellBase* CreateCell(int nRow, int nCol);
    virtual void DestroyCell(int nRow, int nCol);
    BOOL SetCellType(int nRow, int nCol, CRuntimeClass* pRuntimeClass);
    BOOL SetDefaultCellType(CRuntimeClass* pRuntimeClass);
    CGridDefaultCell* GetDefaultCell(BOOL bFixedRow, BOOL bFixedCol) const;
    BOOL IsValid(int nRow, int nCol) const { return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols; }
    BOOL IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    BOOL IsValid(const CCellRange& range) const;
    BOOL IsCellFixed(int nRow, int nCol) const { return nRow < m_nFixedRows || nCol < m_nFixedCols; }
    BOOL IsCellEditable(int nRow, int nCol) const;
    BOOL IsCellEditable(const CCellID& cell) const { return IsCellEditable(cell.row, cell.col); }
    CCellRange GetCellRange() const { return CCellRange(0, 0, m_nRows - 1, m_nCols - 1); }

    // --- Items ------------------------------------------------------------
    BOOL SetItem(const GV_ITEM* pItem);
    BOOL SetItemText(int nRow, int nCol, LPCTSTR str);
    CString GetItemText(int nRow, int nCol) const;
    BOOL SetItemTextFmt(int nRow, int nCol, LPCTSTR szFmt, ...);
    BOOL SetItemTextFmtID(int nRow, int nCol, UINT nID, ...);
    BOOL SetItemData(int nRow, int nCol, LPARAM lParam);
    LPARAM GetItemData(int nRow, int nCol) const;
    BOOL SetItemImage(int nRow, int nCol, int iImage);
    int GetItemImage(int nRow, int nCol) const;
    BOOL SetItemState(int nRow, int nCol, UINT state);
    UINT GetItemState(int nRow, int nCol) const;
    BOOL SetItemFormat(int nRow, int nCol, UINT nFormat);
    UINT GetItemFormat(int nRow, int nCol) const;
    BOOL SetItemBkColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
    COLORREF GetItemBkColour(int nRow, int nCol) const;
    BOOL SetItemFgColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
    COLORREF GetItemFgColour(int nRow, int nCol) const;
    BOOL SetItemFont(int nRow, int nCol, const LOGFONT* lf);
    const LOGFONT* GetItemFont(int nRow, int nCol) const;
    BOOL IsItemEditing(int nRow, int nCol) const;
    void SetModified(BOOL bModified = TRUE, int nRow = -1, int nCol = -1);
    BOOL GetModified(int nRow = -1, int nCol = -1) const;
    CCellID GetNextItem(CCellID& cell, int nFlags) const;

    // --- Modes ------------------------------------------------------------
    void SetVirtualMode(BOOL bVirtual);
    BOOL GetVirtualMode() const { return m_bVirtualMode; }
    void SetCallbackFunc(GRIDCALLBACK pCallback, LPARAM lParam)
    {
        m_pfnCallback = pCallback;
        m_lCallbackParam = lParam;
    }
    GRIDCALLBACK GetCallbackFunc() const { return m_pfnCallback; }
    void SetListMode(BOOL bEnableListMode = TRUE);
    BOOL GetListMode() const { return m_bListMode; }
    void SetGridLines(int nWhichLines = GVL_BOTH);
    int GetGridLines() const { return m_nGridLines; }
    void SetEditable(BOOL bEditable = TRUE) { m_bEditable = bEditable; }
    BOOL IsEditable() const { return m_bEditable; }

    // --- Geometry of the view ---------------------------------------------
    // The size of the view the geometry is computed for; the window keeps it
    // equal to its client area.
    void SetViewSize(int cx, int cy);
    CCellID GetTopleftNonFixedCell(BOOL bForceRecalc = FALSE);
    CCellRange GetVisibleNonFixedCellRange(LPRECT pRect = nullptr, BOOL bForceRecalc = FALSE);
    CCellRange GetUnobstructedNonFixedCellRange(BOOL bForceRecalc = FALSE);
    BOOL GetCellOrigin(int nRow, int nCol, LPPOINT p);
    BOOL GetCellOrigin(const CCellID& cell, LPPOINT p) { return GetCellOrigin(cell.row, cell.col, p); }
    BOOL GetCellRect(int nRow, int nCol, LPRECT pRect);
    BOOL GetCellRect(const CCellID& cell, LPRECT pRect) { return GetCellRect(cell.row, cell.col, pRect); }
    BOOL GetCellRangeRect(const CCellRange& cellRange, LPRECT lpRect);
    BOOL IsCellVisible(int nRow, int nCol);
    BOOL IsCellVisible(const CCellID& cell) { return IsCellVisible(cell.row, cell.col); }
    CCellID GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck = TRUE);
    CPoint GetPointClicked(int nRow, int nCol, const CPoint& point);
    BOOL MouseOverRowResizeArea(CPoint point);
    BOOL MouseOverColumnResizeArea(CPoint point);

    // Paints the view onto a DC (the window's paint pass calls it); only cells
    // inside the DC's clip box are drawn.
    void DrawGrid(CDC* pDC);

    // --- Scrolling ----------------------------------------------------------
    virtual int GetScrollPos32(int nBar, BOOL bGetTrackPos = FALSE);
    virtual BOOL SetScrollPos32(int nBar, int nPos, BOOL bRedraw = TRUE);
    // Recomputes the scroll ranges for the view size; the window also sets its bars.
    virtual void ResetScrollBars();
    // Moves the view as one scroll-bar action would (SB_LINEUP...SB_BOTTOM);
    // TRUE when the position changed.
    BOOL ScrollView(int nBar, UINT nSBCode);
    // Scrolls until the cell lies in the view. Bounded: a cell larger than the
    // view, or a position that stops moving, ends the loop.
    void EnsureVisible(int nRow, int nCol);
    void EnsureVisible(const CCellID& cell) { EnsureVisible(cell.row, cell.col); }
    int GetScrollMax(int nBar) const { return nBar == SB_HORZ ? m_nHScrollMax : m_nVScrollMax; }

    // --- Selection and focus -----------------------------------------------
    BOOL IsCellSelected(int nRow, int nCol) const;
    BOOL IsCellSelected(const CCellID& cell) const { return IsCellSelected(cell.row, cell.col); }
    CCellID SetFocusCell(int nRow, int nCol);
    CCellID SetFocusCell(CCellID cell) { return SetFocusCell(cell.row, cell.col); }
    CCellID GetFocusCell() const { return m_idCurrentCell; }
    void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint = FALSE,
                          BOOL bSelectCells = TRUE);
    void SelectCellRange(const CCellRange& range, BOOL bForceRepaint = FALSE, BOOL bSelectCells = TRUE)
    {
        SetSelectedRange(range.GetMinRow(), range.GetMinCol(), range.GetMaxRow(), range.GetMaxCol(),
                         bForceRepaint, bSelectCells);
    }
    CCellRange GetSelectedCellRange() const;
    int GetSelectedCount() const { return (int)m_SelectedCellMap.GetCount(); }
    void ClearSelectionMap();
    void ResetSelectedRange();
    void SelectAllCells();
    void SelectColumns(CCellID currentCell, BOOL bForceRedraw = FALSE, BOOL bSelectCells = TRUE);
    void SelectRows(CCellID currentCell, BOOL bForceRedraw = FALSE, BOOL bSelectCells = TRUE);
    void SelectCells(CCellID currentCell, BOOL bForceRedraw = FALSE, BOOL bSelectCells = TRUE);
    void OnSelecting(const CCellID& currentCell);
    // Keeps the earlier selection for a Ctrl+press, to be merged into each range selection.
    void KeepSelectionForMerge(BOOL bKeep);
    void EnableSelection(BOOL bEnable = TRUE)
    {
        ResetSelectedRange();
        m_bEnableSelection = bEnable;
        ResetSelectedRange();
    }
    BOOL IsSelectable() const { return m_bEnableSelection; }

    // --- Sorting ------------------------------------------------------------
    void SetCompareFunction(PFNLVCOMPARE pfnCompare) { m_pfnCompare = pfnCompare; }
    BOOL SortItems(int nCol, BOOL bAscending, LPARAM data = 0);
    BOOL SortTextItems(int nCol, BOOL bAscending, LPARAM data = 0);
    BOOL SortItems(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data = 0);
    BOOL SortRows(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data, int low = 0, int high = -1);
    void SetSortColumn(int nCol);
    int GetSortColumn() const { return m_nSortColumn; }
    void SetSortAscending(BOOL bAscending) { m_bSortAscending = bAscending; }
    BOOL GetSortAscending() const { return m_bSortAscending; }

    // --- Text in and out ------------------------------------------------------
    // The selection's bounding range as clipboard text: tabs between columns,
    // line feeds between rows, no terminator (the caller adds the zero byte).
    BOOL GetSelectionText(CString& text);
    // Pastes text at the cell, reading at most cbText bytes and stopping at the
    // first zero; a trailing empty piece after the last line feed is no line.
    BOOL PasteText(CCellID cell, const char* pText, size_t cbText, BOOL bSelectPastedCells = TRUE);
    void SetCellTextThroughEdit(int nRow, int nCol, LPCTSTR str);
    void ClearCells(CCellRange selection);
    virtual void CutSelectedText();
    BOOL Save(LPCTSTR filename, TCHAR chSeparator = _T(','));
    void Load(LPCTSTR filename, TCHAR chSeparator = _T(','));

    // --- Print pagination -------------------------------------------------------
    // Lays the grid out on pages: paper size in device pixels, the printer
    // font's average character size, and the pixels per inch of printer and
    // screen (WYSIWYG pages keep the screen's scale). Returns the page count.
    int LayOutPrintPages(CSize paperSize, CSize charSize, CSize printerPixelsPerInch, CSize screenPixelsPerInch);
    // The first non-fixed row and column of a page (1-based).
    void GetPrintPageStart(int nPage, int& nFirstRow, int& nFirstCol) const;
    void SetPrintMarginInfo(int nHeaderHeight, int nFooterHeight, int nLeftMargin, int nRightMargin,
                            int nTopMargin, int nBottomMargin, int nGap);
    void GetPrintMarginInfo(int& nHeaderHeight, int& nFooterHeight, int& nLeftMargin, int& nRightMargin,
                            int& nTopMargin, int& nBottomMargin, int& nGap) const;
    void SetWysiwygPrinting(BOOL bWysiwyg = TRUE) { m_bWysiwygPrinting = bWysiwyg; }
    BOOL GetWysiwygPrinting() const { return m_bWysiwygPrinting; }
    void SetShadedPrintOut(BOOL bEnable = TRUE) { m_bShadedPrintOut = bEnable; }
    BOOL GetShadedPrintOut() const { return m_bShadedPrintOut; }

    // --- Editing hooks ------------------------------------------------------
    virtual BOOL ValidateEdit(int nRow, int nCol, LPCTSTR str);
    // Creates the in-place editor for a cell; the model has no window, so none.
    virtual CWnd* CreateInPlaceEditor(const CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                      LPCTSTR szText, UINT nChar);
    // Tells an open editor to end; the model has none.
    virtual void EndInPlaceEditor(CWnd* pEditor);

    // --- Owner and screen hooks ---------------------------------------------
    // Each is a no-op in the model (no owner, no screen); the window overrides them.
    virtual LRESULT SendMessageToParent(int nRow, int nCol, int nMessage) const;
    virtual LRESULT SendCacheHintToParent(const CCellRange& range) const;
    virtual LRESULT SendDisplayRequestToParent(GV_DISPINFO* pDisplayInfo) const;
    virtual BOOL RedrawCell(int nRow, int nCol, CDC* pDC = nullptr);
    BOOL RedrawCell(const CCellID& cell, CDC* pDC = nullptr) { return RedrawCell(cell.row, cell.col, pDC); }
    virtual void Refresh();
    // Moves the view by one scroll action; the window routes it as a scroll message.
    virtual void DoScroll(int nBar, UINT nSBCode);
    // Shows a message to the user (failures of Save and Load).
    virtual void ShowGridMessage(LPCTSTR szText);
    // Reports a file that cannot be opened to the user.
    virtual void ReportFileError(CException* pError);
    // Sizes the columns a load made; measuring needs the window.
    virtual void AutoSizeLoadedColumns();
    virtual BOOL HasView() const { return TRUE; }
    // Images of the cells; not owned.
    void SetImageList(CImageList* pList) { m_pImageList = pList; }
    CImageList* GetImageList() const { return m_pImageList; }
    // The window cells measure on (none: the screen).
    virtual HWND GetGridWindow() const { return nullptr; }
    BOOL IsDrawAllowed() const { return m_bAllowDraw; }

public:
    // Fields the hosts set or read directly.
    COLORREF m_crGridBkColour;
    COLORREF m_crGridLineColour;
    COLORREF m_crWindowText, m_crWindowColour, m_cr3DFace, m_crShadow;
    COLORREF m_crTTipBackClr, m_crTTipTextClr;
    BOOL m_bVirtualMode;
    LPARAM m_lCallbackParam;
    GRIDCALLBACK m_pfnCallback;
    int m_nGridLines;
    BOOL m_bEditable;
    BOOL m_bModified;
    BOOL m_bAllowDragAndDrop;
    BOOL m_bListMode;
    BOOL m_bSingleRowSelection;
    BOOL m_bSingleColSelection;
    BOOL m_bAllowDraw;
    BOOL m_bEnableSelection;
    BOOL m_bFixedColumnSelection;
    BOOL m_bFixedRowSelection;
    BOOL m_bSortOnClick;
    BOOL m_bHandleTabKey;
    BOOL m_bDoubleBuffer;
    BOOL m_bTitleTips;
    int m_nBarState;
    BOOL m_bHiddenColUnhide, m_bHiddenRowUnhide, m_bAllowColHide, m_bAllowRowHide;
    BOOL m_bAllowRowResize, m_bAllowColumnResize;
    BOOL m_bTrackFocusCell;
    int m_nAutoSizeColumnStyle;
    int m_nRows, m_nFixedRows, m_nCols, m_nFixedCols;
    CArray<UINT, UINT> m_arRowHeights;
    CArray<UINT, UINT> m_arColWidths;
    int m_nVScrollMax, m_nHScrollMax;
    CRuntimeClass* m_pRtcDefault;
    CGridDefaultCell m_cellDefault, m_cellFixedColDef, m_cellFixedRowDef, m_cellFixedRowColDef;
    CArray<GRID_ROW*, GRID_ROW*> m_RowData;
    int m_MouseMode;
    CCellID m_LeftClickDownCell, m_SelectionStartCell;
    CCellID m_idCurrentCell, m_idTopLeftCell;
    int m_nResizeCaptureRange;
    int m_nRowsPerWheelNotch;
    CMap<DWORD, DWORD, CCellID, CCellID&> m_SelectedCellMap, m_PrevSelectedCellMap;
    BOOL m_bSortAscending;
    int m_nSortColumn;
    PFNLVCOMPARE m_pfnCompare;
    CImageList* m_pImageList;

    // Print layout (character units for the margins).
    BOOL m_bShadedPrintOut;
    BOOL m_bWysiwygPrinting;
    int m_nHeaderHeight, m_nFooterHeight, m_nLeftMargin, m_nRightMargin, m_nTopMargin, m_nBottomMargin, m_nGap;
    CSize m_CharSize;
    CSize m_LogicalPageSize;
    CSize m_PaperSize;
    int m_nPageHeight, m_nPageWidth;
    int m_nNumPages, m_nPageMultiplier;

protected:
    static DWORD SelectionKey(int nRow, int nCol) { return ((DWORD)nCol << 16) | ((DWORD)nRow & 0xFFFF); }
    void ResetDefaultCells();
    void SwapRows(int nRow1, int nRow2);
    CRect GetViewRect() const { return CRect(0, 0, m_sizeView.cx, m_sizeView.cy); }
    virtual CRect GetGridViewRect() { return GetViewRect(); }

    CSize m_sizeView;
    int m_nScrollPos[2];
};
