// CGridCtrl: the grid window (class "MFCGridCtrl"). The table, its geometry,
// selection, sorting and text live in CGridModel; the window paints the model,
// keeps its scroll bars in step, turns keys and mouse input into model calls
// and tells its owner what changed through WM_NOTIFY.
#pragma once

#include "afx/GdiObject.h"
#include "afx/PrintInfo.h"
#include "afx/Wnd.h"
#include "grid/GridDropTarget.h"
#include "grid/GridModel.h"
#include "grid/TitleTip.h"

class CCmdUI;
class COleDataObject;
class COleDataSource;

// Control id of the in-place editor.
#define IDC_INPLACE_CONTROL 8

#define GRIDCTRL_CLASSNAME _T("MFCGridCtrl")

class CGridCtrl : public CWnd, public CGridModel
{
    DECLARE_DYNCREATE(CGridCtrl)
public:
    CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CGridCtrl() override;

    BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
    static BOOL RegisterWindowClass();

    // Drawing off or on (on invalidates); optionally the scroll bars are reset.
    void SetRedraw(BOOL bAllowDraw, BOOL bResetScrollBars = FALSE);
    BOOL RedrawRow(int row);
    BOOL RedrawColumn(int col);
    // Marks a visible cell (with its right and bottom grid lines) for repainting;
    // the range form marks the part of the range in the visible scrolling cells.
    void InvalidateCellRect(const CCellID& cell);
    void InvalidateCellRect(const CCellRange& cellRange);
    // Fills the client area with cells of the default size, one fixed row and
    // column, stretched to fit.
    void AutoFill();
    // The size the cell's text would take, measured without a DC; (0, 0) without a cell.
    CSize GetTextExtent(int nRow, int nCol, LPCTSTR str);
    // Lines per wheel notch: the system's setting, or the desktop key's value on
    // a shell that keeps it only there (pVersion null: version unknown).
    static int GetMouseScrollLines(const OSVERSIONINFOA* pVersion);
    BOOL IsVisibleVScroll() const { return (m_nBarState & 2) != 0; }

    // Model hooks that reach the window and its owner.
    LRESULT SendMessageToParent(int nRow, int nCol, int nMessage) const override;
    LRESULT SendCacheHintToParent(const CCellRange& range) const override;
    LRESULT SendDisplayRequestToParent(GV_DISPINFO* pDisplayInfo) const override;
    BOOL RedrawCell(int nRow, int nCol, CDC* pDC = nullptr) override;
    using CGridModel::RedrawCell;
    void Refresh() override;
    void DoScroll(int nBar, UINT nSBCode) override;
    int GetScrollPos32(int nBar, BOOL bGetTrackPos = FALSE) override;
    BOOL SetScrollPos32(int nBar, int nPos, BOOL bRedraw = TRUE) override;
    void ResetScrollBars() override;
    BOOL HasView() const override { return m_hWnd != nullptr; }
    HWND GetGridWindow() const override { return m_hWnd; }

    // --- Clipboard and drag and drop ---------------------------------------------
    // The selection as CF_TEXT in a new data source the caller owns; null on failure.
    virtual COleDataSource* CopyTextFromGrid();
    virtual BOOL PasteTextToGrid(CCellID cell, COleDataObject* pDataObject, BOOL bSelectPastedCells = TRUE);
    virtual void OnBeginDrag();
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    virtual void OnEditSelectAll();

    // --- Printing -------------------------------------------------------------
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);

    // --- Editing ----------------------------------------------------------------
    virtual void OnEndEditCell(int nRow, int nCol, CString str);
    virtual void OnFixedColumnClick(CCellID& cell);
    virtual void OnFixedRowClick(CCellID& cell);
    virtual void OnEditCell(int nRow, int nCol, CPoint point, UINT nChar);
    BOOL ValidateEdit(int nRow, int nCol, LPCTSTR str) override;
    virtual void EndEditing();
    virtual void OnDraw(CDC* pDC);

    CWnd* CreateInPlaceEditor(const CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol, LPCTSTR szText,
                              UINT nChar) override;
    void EndInPlaceEditor(CWnd* pEditor) override;
    void AutoSizeLoadedColumns() override;

    // Called directly only: the grid has no right-button-down handler.
    void OnRButtonDown(UINT nFlags, CPoint point);
    CTitleTip& GetTitleTip() { return m_TitleTip; }

protected:
    CRect GetGridViewRect() override;
    void PreSubclassWindow() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnImeChar(WPARAM nChar, LPARAM lParam);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    virtual void PrintColumnRange(CDC* pDC, int nStartColumn, int nStopColumn, int nStartRow, int nStopRow,
                                  int& nColumnOffset);
    virtual void PrintColumnHeadings(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintHeader(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintFooter(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintRowButtons(CDC* pDC, CPrintInfo* pInfo);

    void OnScroll(int nBar, UINT nSBCode);
    // Ends a divider drag: the clip and the rubber line go, the mouse idles.
    void CancelSizing();
    void InvertSizingLine(CPoint point);
    // Shows the title tip over the cell under an idle mouse, when its text is cut off.
    void ShowTitleTipAt(CPoint point);

    BOOL m_bLMouseButtonDown;
    BOOL m_bRMouseButtonDown;
    CPoint m_LeftClickDownPoint, m_LastMousePoint;
    UINT_PTR m_nTimerID;
    int m_nTimerInterval;
    CTitleTip m_TitleTip;
    CGridDropTarget m_DropTarget;
    CFont m_PrinterFont;
    int m_nCurrPrintRow, m_nCurrPrintCol;
};
