// CGridCellBase: the abstract cell of a grid. The grid creates one object per
// cell from a run-time class it keeps and asks it for its text, look and state;
// properties a cell leaves unset resolve through the grid's matching default cell.
#pragma once

#include "afx/Object.h"
#include "afx/Rect.h"
#include "afx/String.h"
#include "grid/CellRange.h"

class CDC;
class CFont;
class CGridModel;
class CWnd;

class CGridCellBase : public CObject
{
    DECLARE_DYNAMIC(CGridCellBase)
public:
    CGridCellBase();
    ~CGridCellBase() override;

    virtual void SetText(LPCTSTR szText) = 0;
    virtual void SetImage(int nImage) = 0;
    virtual void SetData(LPARAM lParam) = 0;
    virtual void SetState(DWORD nState) { m_nState = nState; }
    virtual void SetFormat(DWORD nFormat) = 0;
    virtual void SetTextClr(COLORREF clr) = 0;
    virtual void SetBackClr(COLORREF clr) = 0;
    virtual void SetFont(const LOGFONT* plf) = 0;
    virtual void SetMargin(UINT nMargin) = 0;
    virtual void SetGrid(CGridModel* pGrid) = 0;
    virtual void SetCoords(int nRow, int nCol)
    {
        m_nRow = nRow;
        m_nCol = nCol;
    }

    virtual LPCTSTR GetText() const = 0;
    virtual LPCTSTR GetTipText() const { return GetText(); }
    virtual int GetImage() const = 0;
    virtual LPARAM GetData() const = 0;
    virtual DWORD GetState() const { return m_nState; }
    virtual DWORD GetFormat() const = 0;
    virtual COLORREF GetTextClr() const = 0;
    virtual COLORREF GetBackClr() const = 0;
    virtual LOGFONT* GetFont() const = 0;
    virtual CGridModel* GetGrid() const = 0;
    virtual CWnd* GetEditWnd() const = 0;
    virtual UINT GetMargin() const = 0;
    virtual CGridCellBase* GetDefaultCell() const;
    virtual CFont* GetFontObject() const = 0;

    virtual BOOL IsDefaultFont() const = 0;
    virtual BOOL IsEditing() const = 0;
    virtual BOOL IsFocused() const { return (m_nState & GVIS_FOCUSED) != 0; }
    virtual BOOL IsFixed() const { return (m_nState & GVIS_FIXED) != 0; }
    virtual BOOL IsFixedCol() const { return (m_nState & GVIS_FIXEDCOL) != 0; }
    virtual BOOL IsFixedRow() const { return (m_nState & GVIS_FIXEDROW) != 0; }
    virtual BOOL IsSelected() const { return (m_nState & GVIS_SELECTED) != 0; }
    virtual BOOL IsReadOnly() const { return (m_nState & GVIS_READONLY) != 0; }
    virtual BOOL IsModified() const { return (m_nState & GVIS_MODIFIED) != 0; }
    virtual BOOL IsDropHighlighted() const { return (m_nState & GVIS_DROPHILITED) != 0; }

    // Copies every property through the getters; format and margin arrive resolved.
    virtual void operator=(const CGridCellBase& cell);
    virtual void Reset() { m_nState = 0; }

    // Paints the cell into a rectangle whose right and bottom edges are inclusive.
    virtual BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE);
    // The left edge moves right past the cell's image; TRUE always.
    virtual BOOL GetTextRect(LPRECT pRect);
    virtual BOOL GetTipTextRect(LPRECT pRect) { return GetTextRect(pRect); }
    // The size the text needs with the cell's font and margins; either argument may be null.
    virtual CSize GetTextExtent(LPCTSTR szText, CDC* pDC = nullptr);
    virtual CSize GetCellExtent(CDC* pDC);
    virtual BOOL PrintCell(CDC* pDC, int nRow, int nCol, CRect rect);

    virtual BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar);
    virtual BOOL ValidateEdit(LPCTSTR /*str*/) { return TRUE; }
    virtual void EndEdit() {}
    virtual void OnEndEdit() {}

    virtual void OnMouseEnter() {}
    virtual void OnMouseOver() {}
    virtual void OnMouseLeave() {}
    virtual void OnClick(CPoint /*pointCellRelative*/) {}
    virtual void OnClickDown(CPoint /*pointCellRelative*/) {}
    virtual void OnRClick(CPoint /*pointCellRelative*/) {}
    virtual void OnDblClick(CPoint /*pointCellRelative*/) {}
    virtual BOOL OnSetCursor();

    // Hands the code to the grid's notification sender; 0 without a grid.
    LRESULT NotifyParent(int nRow, int nCol, int nMessage);

protected:
    // Width and height of the cell's image, FALSE without one.
    BOOL GetImageSize(CSize& size, int* pRectWidth = nullptr) const;

    DWORD m_nState;
    int m_nRow;
    int m_nCol;
};
