// CGridCell: the ordinary grid cell that stores its own text, image, data and
// look; CGridDefaultCell: the per-grid cells that hold the look of cells which
// set nothing themselves, and the default column width and row height.
#pragma once

#include "afx/GdiObject.h"
#include "grid/GridCellBase.h"

class CGridCell : public CGridCellBase
{
    DECLARE_DYNCREATE(CGridCell)
public:
    CGridCell();
    ~CGridCell() override;
    CGridCell(const CGridCell&) = delete;
    // Copies through the getters (see CGridCellBase::operator=), never the owned font pointer.
    CGridCell& operator=(const CGridCell& cell)
    {
        CGridCellBase::operator=(cell);
        return *this;
    }
    using CGridCellBase::operator=;

    void SetText(LPCTSTR szText) override { m_strText = szText; }
    void SetImage(int nImage) override { m_nImage = nImage; }
    void SetData(LPARAM lParam) override { m_lParam = lParam; }
    void SetFormat(DWORD nFormat) override { m_nFormat = nFormat; }
    void SetTextClr(COLORREF clr) override { m_crFgClr = clr; }
    void SetBackClr(COLORREF clr) override { m_crBkClr = clr; }
    void SetFont(const LOGFONT* plf) override;
    void SetMargin(UINT nMargin) override { m_nMargin = nMargin; }
    void SetGrid(CGridModel* pGrid) override { m_pGrid = pGrid; }
    // A plain cell does not keep its coordinates: the grid knows where it is.
    void SetCoords(int /*nRow*/, int /*nCol*/) override {}

    LPCTSTR GetText() const override { return m_strText.IsEmpty() ? _T("") : (LPCTSTR)m_strText; }
    int GetImage() const override { return m_nImage; }
    LPARAM GetData() const override { return m_lParam; }
    DWORD GetFormat() const override;
    COLORREF GetTextClr() const override { return m_crFgClr; }
    COLORREF GetBackClr() const override { return m_crBkClr; }
    LOGFONT* GetFont() const override;
    CGridModel* GetGrid() const override { return m_pGrid; }
    CWnd* GetEditWnd() const override { return m_pEditWnd; }
    UINT GetMargin() const override;

    // A cell with its own font shares one process-wide CFont, re-created on
    // each call: the pointer holds until the next call.
    CFont* GetFontObject() const override;
    BOOL IsDefaultFont() const override { return m_plfFont == nullptr; }
    BOOL IsEditing() const override { return m_bEditing; }

    void Reset() override;

    BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) override;
    void EndEdit() override;
    void OnEndEdit() override;

    // The editor alignment (ES_LEFT, ES_CENTER or ES_RIGHT) for a cell format.
    static DWORD EditStyleFromFormat(DWORD nFormat);

protected:
    CString m_strText;
    LPARAM m_lParam;
    int m_nImage;
    DWORD m_nFormat;
    COLORREF m_crFgClr;
    COLORREF m_crBkClr;
    LOGFONT* m_plfFont;
    UINT m_nMargin;
    BOOL m_bEditing;
    CGridModel* m_pGrid;
    CWnd* m_pEditWnd;
};

class CGridDefaultCell : public CGridCell
{
    DECLARE_DYNCREATE(CGridDefaultCell)
public:
    CGridDefaultCell();
    ~CGridDefaultCell() override;
    CGridDefaultCell(const CGridDefaultCell&) = delete;
    CGridDefaultCell& operator=(const CGridDefaultCell& cell)
    {
        CGridCellBase::operator=(cell);
        return *this;
    }
    using CGridCellBase::operator=;

    void SetData(LPARAM /*lParam*/) override {}
    void SetState(DWORD /*nState*/) override {}
    DWORD GetState() const override { return CGridCell::GetState() | GVIS_READONLY; }
    void SetFont(const LOGFONT* plf) override;
    LOGFONT* GetFont() const override { return m_plfFont; }

    virtual DWORD GetStyle() const { return m_dwStyle; }
    virtual void SetStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    virtual int GetWidth() const { return m_nWidth; }
    virtual int GetHeight() const { return m_nHeight; }
    virtual void SetWidth(int nWidth) { m_nWidth = nWidth; }
    virtual void SetHeight(int nHeight) { m_nHeight = nHeight; }

    CFont* GetFontObject() const override { return const_cast<CFont*>(&m_Font); }

protected:
    int m_nWidth;
    int m_nHeight;
    CFont m_Font;
    DWORD m_dwStyle;
};
