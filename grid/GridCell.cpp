#include "grid/GridCell.h"
#include "grid/GridModel.h"

#include "afx/Wnd.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CGridCellBase, CObject)
IMPLEMENT_DYNCREATE(CGridCell, CGridCellBase)
IMPLEMENT_DYNCREATE(CGridDefaultCell, CGridCell)

// ---------------------------------------------------------------- CGridCellBase

CGridCellBase::CGridCellBase() : m_nState(0), m_nRow(-1), m_nCol(-1) {}

CGridCellBase::~CGridCellBase() = default;

CGridCellBase* CGridCellBase::GetDefaultCell() const
{
    CGridModel* pGrid = GetGrid();
    if (!pGrid)
        return nullptr;
    return pGrid->GetDefaultCell(IsFixedRow(), IsFixedCol());
}

void CGridCellBase::operator=(const CGridCellBase& cell)
{
    if (this == &cell)
        return;
    SetGrid(cell.GetGrid());
    SetText(cell.GetText());
    SetImage(cell.GetImage());
    SetData(cell.GetData());
    SetState(cell.GetState());
    SetFormat(cell.GetFormat());
    SetTextClr(cell.GetTextClr());
    SetBackClr(cell.GetBackClr());
    SetFont(cell.IsDefaultFont() ? nullptr : cell.GetFont());
    SetMargin(cell.GetMargin());
}

BOOL CGridCellBase::Edit(int, int, CRect, CPoint, UINT, UINT) { return FALSE; }

BOOL CGridCellBase::OnSetCursor()
{
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

LRESULT CGridCellBase::NotifyParent(int nRow, int nCol, int nMessage)
{
    CGridModel* pGrid = GetGrid();
    return pGrid ? pGrid->SendMessageToParent(nRow, nCol, nMessage) : 0;
}

// ---------------------------------------------------------------- CGridCell

CGridCell::CGridCell()
    : m_lParam(0), m_nImage(-1), m_nFormat((DWORD)-1), m_crFgClr(CLR_DEFAULT), m_crBkClr(CLR_DEFAULT),
      m_plfFont(nullptr), m_nMargin((UINT)-1), m_bEditing(FALSE), m_pGrid(nullptr), m_pEditWnd(nullptr)
{
    CGridCell::Reset();
}

CGridCell::~CGridCell() { delete m_plfFont; }

void CGridCell::Reset()
{
    CGridCellBase::Reset();
    m_strText.Empty();
    m_nImage = -1;
    m_nFormat = (DWORD)-1;
    m_crFgClr = CLR_DEFAULT;
    m_crBkClr = CLR_DEFAULT;
    m_nMargin = (UINT)-1;
    m_bEditing = FALSE;
    m_pGrid = nullptr;
    m_pEditWnd = nullptr;
    delete m_plfFont;
    m_plfFont = nullptr;
}

CFont* CGridCell::GetFontObject() const
{
    if (m_plfFont) {
        static CFont s_font;
        s_font.DeleteObject();
        s_font.CreateFontIndirect(m_plfFont);
        return &s_font;
    }
    CGridCellBase* pDefault = GetDefaultCell();
    return pDefault ? pDefault->GetFontObject() : nullptr;
}

void CGridCell::SetFont(const LOGFONT* plf)
{
    if (!plf) {
        delete m_plfFont;
        m_plfFont = nullptr;
        return;
    }
    if (!m_plfFont)
        m_plfFont = new LOGFONT;
    std::memcpy(m_plfFont, plf, sizeof(LOGFONT));
}

DWORD CGridCell::GetFormat() const
{
    if (m_nFormat == (DWORD)-1) {
        CGridCellBase* pDefault = GetDefaultCell();
        return pDefault ? pDefault->GetFormat() : 0;
    }
    return m_nFormat;
}

UINT CGridCell::GetMargin() const
{
    if (m_nMargin == (UINT)-1) {
        CGridCellBase* pDefault = GetDefaultCell();
        return pDefault ? pDefault->GetMargin() : 0;
    }
    return m_nMargin;
}

LOGFONT* CGridCell::GetFont() const
{
    if (m_plfFont)
        return m_plfFont;
    CGridCellBase* pDefault = GetDefaultCell();
    return pDefault ? pDefault->GetFont() : nullptr;
}

DWORD CGridCell::EditStyleFromFormat(DWORD nFormat)
{
    if (nFormat & DT_RIGHT)
        return ES_RIGHT;
    if (nFormat & DT_CENTER)
        return ES_CENTER;
    return ES_LEFT;
}

BOOL CGridCell::Edit(int nRow, int nCol, CRect rect, CPoint /*point*/, UINT nID, UINT nChar)
{
    if (m_bEditing) {
        if (m_pEditWnd && ::IsWindow(m_pEditWnd->m_hWnd))
            ::SendMessage(m_pEditWnd->m_hWnd, WM_CHAR, nChar, 0);
        return TRUE;
    }
    DWORD dwStyle = EditStyleFromFormat(GetFormat());
    m_bEditing = TRUE;
    m_pEditWnd = m_pGrid ? m_pGrid->CreateInPlaceEditor(rect, dwStyle, nID, nRow, nCol, GetText(), nChar) : nullptr;
    // Gives the new editor time to paint before the first key arrives.
    if (m_pEditWnd)
        ::Sleep(100);
    return TRUE;
}

void CGridCell::EndEdit()
{
    if (m_pEditWnd && m_pGrid)
        m_pGrid->EndInPlaceEditor(m_pEditWnd);
}

void CGridCell::OnEndEdit()
{
    m_bEditing = FALSE;
    m_pEditWnd = nullptr;
}

// ---------------------------------------------------------------- CGridDefaultCell

CGridDefaultCell::CGridDefaultCell() : m_nWidth(30), m_nHeight(10), m_dwStyle(0)
{
    m_nFormat = DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER;
    m_crFgClr = CLR_DEFAULT;
    m_crBkClr = CLR_DEFAULT;

    NONCLIENTMETRICSA ncm;
    std::memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = sizeof(ncm);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        SetFont(&ncm.lfMessageFont);
    else {
        LOGFONT lf;
        ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        SetFont(&lf);
    }
}

CGridDefaultCell::~CGridDefaultCell() = default;

void CGridDefaultCell::SetFont(const LOGFONT* plf)
{
    if (!plf)
        return;
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(plf);
    CGridCell::SetFont(plf);

    HDC hdc = ::GetDC(nullptr);
    if (!hdc) {
        m_nMargin = 3;
        m_nWidth = 40;
        m_nHeight = 16;
        return;
    }
    HGDIOBJ hOld = ::SelectObject(hdc, (HFONT)m_Font);
    SIZE size;
    ::GetTextExtentPoint32A(hdc, " ", 1, &size);
    m_nMargin = size.cx;
    static const char sample[] = " XXXXXXXXXXXX ";
    ::GetTextExtentPoint32A(hdc, sample, (int)sizeof(sample) - 1, &size);
    m_nWidth = size.cx;
    m_nHeight = size.cy * 3 / 2;
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(nullptr, hdc);
}
