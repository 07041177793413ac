// Printing the grid: pages of rows (and of columns when printing WYSIWYG), the
// fixed rows and columns repeated on each page, a header with the window's and
// the program's titles and a footer with the page number and the date.
#include "grid/GridCtrl.h"

#include "afx/AfxRes.h"
#include "afx/DC.h"

#include <ctime>

namespace
{
const char kCharSample[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";

void DrawHorzLine(CDC* pDC, int left, int right, int y)
{
    pDC->MoveTo(left, y);
    pDC->LineTo(right, y);
}

void DrawVertLine(CDC* pDC, int x, int top, int bottom)
{
    pDC->MoveTo(x, top);
    pDC->LineTo(x, bottom);
}

// One cell and its grid lines. Each cell draws its bottom and right edges; the
// top and left edges are drawn only where no neighbouring cell draws them.
void PrintCellWithLines(const CGridModel& grid, CDC* pDC, int row, int col, const CRect& rect, bool bTopEdge,
                        bool bLeftEdge)
{
    CGridCellBase* pCell = grid.GetCell(row, col);
    if (pCell)
        pCell->PrintCell(pDC, row, col, rect);
    const int lines = grid.GetGridLines();
    if (lines == GVL_HORZ || lines == GVL_BOTH) {
        DrawHorzLine(pDC, rect.left, rect.right + 1, rect.bottom);
        if (bTopEdge)
            DrawHorzLine(pDC, rect.left, rect.right + 1, rect.top);
    }
    if (lines == GVL_VERT || lines == GVL_BOTH) {
        DrawVertLine(pDC, rect.right, rect.top, rect.bottom + 1);
        if (bLeftEdge)
            DrawVertLine(pDC, rect.left, rect.top, rect.bottom + 1);
    }
}
}  // namespace

void CGridCtrl::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    if (!pDC || !pInfo)
        return;
    CClientDC screenDC(this);
    if (!screenDC.GetSafeHdc())
        return;
    CSize printerPPI(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
    CSize screenPPI(screenDC.GetDeviceCaps(LOGPIXELSX), screenDC.GetDeviceCaps(LOGPIXELSY));

    m_PrinterFont.DeleteObject();
    m_PrinterFont.CreateFont(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_CHARACTER_PRECIS,
                             CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, _T("Arial"));
    CSelectGuard fontGuard(*pDC, m_PrinterFont);
    CSize charSize = pDC->GetTextExtent(kCharSample, (int)sizeof(kCharSample) - 1);
    charSize.cx /= (int)sizeof(kCharSample) - 1;
    CSize paperSize(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));

    int nPages = LayOutPrintPages(paperSize, charSize, printerPPI, screenPPI);
    pInfo->SetMaxPage((UINT)nPages);
    pInfo->m_nCurPage = 1;
}

void CGridCtrl::OnEndPrinting(CDC*, CPrintInfo*) { m_PrinterFont.DeleteObject(); }

void CGridCtrl::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (!pDC || !pInfo || m_nNumPages <= 0)
        return;
    CSelectGuard fontGuard(*pDC, m_PrinterFont);
    int savedDC = pDC->SaveDC();
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(m_LogicalPageSize);
    pDC->SetViewportExt(m_PaperSize);
    pDC->SetWindowOrg(-m_nLeftMargin * m_CharSize.cx, 0);

    int bandWidth = m_LogicalPageSize.cx - (m_nLeftMargin + m_nRightMargin) * m_CharSize.cx;
    pInfo->m_rectDraw.SetRect(0, 0, bandWidth, m_nHeaderHeight * m_CharSize.cy);
    PrintHeader(pDC, pInfo);
    pDC->OffsetWindowOrg(0, -(m_nHeaderHeight + m_nGap) * m_CharSize.cy - GetFixedRowHeight());

    GetPrintPageStart((int)pInfo->m_nCurPage, m_nCurrPrintRow, m_nCurrPrintCol);

    CPen pen;
    pen.CreatePen(PS_SOLID, 0, m_crGridLineColour);
    {
        CSelectGuard penGuard(*pDC, pen);
        PrintRowButtons(pDC, pInfo);
        PrintColumnHeadings(pDC, pInfo);

        // The data cells, offset past the fixed columns.
        int fixedWidth = GetFixedColumnWidth();
        CRect rect;
        rect.bottom = -1;
        for (int row = m_nCurrPrintRow; row < m_nRows; row++) {
            rect.top = rect.bottom + 1;
            rect.bottom = rect.top + GetRowHeight(row) - 1;
            if (rect.bottom > m_nPageHeight && row > m_nCurrPrintRow)
                break;
            rect.right = fixedWidth - 1;
            for (int col = m_nCurrPrintCol; col < m_nCols; col++) {
                rect.left = rect.right + 1;
                rect.right = rect.left + GetColumnWidth(col) - 1;
                if (rect.right > m_nPageWidth + fixedWidth && col > m_nCurrPrintCol)
                    break;
                PrintCellWithLines(*this, pDC, row, col, rect, row == 0, col == 0);
            }
        }
    }

    pDC->SetWindowOrg(-m_nLeftMargin * m_CharSize.cx, 0);
    int footerTop = m_LogicalPageSize.cy - m_nFooterHeight * m_CharSize.cy;
    pInfo->m_rectDraw.SetRect(0, footerTop, bandWidth, m_LogicalPageSize.cy);
    PrintFooter(pDC, pInfo);

    pDC->RestoreDC(savedDC);
}

void CGridCtrl::PrintColumnRange(CDC* pDC, int nStartColumn, int nStopColumn, int nStartRow, int nStopRow,
                                 int& nColumnOffset)
{
    int fixedHeight = GetFixedRowHeight();
    for (int col = nStartColumn; col <= nStopColumn; col++) {
        int width = GetColumnWidth(col);
        if (col > nStartColumn && col >= m_nFixedCols && nColumnOffset + width > m_nPageWidth + GetFixedColumnWidth())
            break;
        CRect rect(nColumnOffset, -fixedHeight, nColumnOffset + width - 1, -fixedHeight - 1);
        for (int row = nStartRow; row <= nStopRow; row++) {
            rect.top = rect.bottom + 1;
            rect.bottom = rect.top + GetRowHeight(row) - 1;
            PrintCellWithLines(*this, pDC, row, col, rect, false, false);
        }
        nColumnOffset += width;
    }
}

void CGridCtrl::PrintColumnHeadings(CDC* pDC, CPrintInfo*)
{
    if (m_nFixedRows <= 0)
        return;
    int offset = 0;
    if (m_nFixedCols > 0)
        PrintColumnRange(pDC, 0, m_nFixedCols - 1, 0, m_nFixedRows - 1, offset);
    offset = GetFixedColumnWidth();
    PrintColumnRange(pDC, m_nCurrPrintCol, m_nCols - 1, 0, m_nFixedRows - 1, offset);
}

void CGridCtrl::PrintRowButtons(CDC* pDC, CPrintInfo*)
{
    if (m_nFixedCols <= 0)
        return;
    CRect rect;
    rect.bottom = -1;
    for (int row = m_nCurrPrintRow; row < m_nRows; row++) {
        rect.top = rect.bottom + 1;
        rect.bottom = rect.top + GetRowHeight(row) - 1;
        if (rect.bottom > m_nPageHeight && row > m_nCurrPrintRow)
            break;
        rect.right = -1;
        for (int col = 0; col < m_nFixedCols; col++) {
            rect.left = rect.right + 1;
            rect.right = rect.left + GetColumnWidth(col) - 1;
            PrintCellWithLines(*this, pDC, row, col, rect, false, false);
        }
    }
}

namespace
{
// The printer font made bold, selected for the header and footer texts.
class CBoldPrinterFont
{
public:
    CBoldPrinterFont(CDC* pDC, CFont& printerFont) : m_pDC(pDC), m_pOldFont(nullptr)
    {
        LOGFONT lf;
        if (printerFont.GetSafeHandle() && printerFont.GetLogFont(&lf)) {
            lf.lfWeight = FW_BOLD;
            m_font.CreateFontIndirect(&lf);
            m_pOldFont = pDC->SelectObject(&m_font);
        }
    }
    ~CBoldPrinterFont()
    {
        if (m_pOldFont)
            m_pDC->SelectObject(m_pOldFont);
    }
    CBoldPrinterFont(const CBoldPrinterFont&) = delete;
    CBoldPrinterFont& operator=(const CBoldPrinterFont&) = delete;

private:
    CDC* m_pDC;
    CFont m_font;
    CFont* m_pOldFont;
};
}  // namespace

void CGridCtrl::PrintHeader(CDC* pDC, CPrintInfo* pInfo)
{
    CRect rc(pInfo->m_rectDraw);
    CString strCenter;
    for (CWnd* pParent = GetParent(); pParent; pParent = pParent->GetParent()) {
        pParent->GetWindowText(strCenter);
        if (!strCenter.IsEmpty())
            break;
    }
    CString strRight;
    strRight.LoadString(AFX_IDS_APP_TITLE);

    CBoldPrinterFont bold(pDC, m_PrinterFont);
    pDC->SetBkMode(TRANSPARENT);
    if (!strCenter.IsEmpty())
        pDC->DrawText(strCenter, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (!strRight.IsEmpty())
        pDC->DrawText(strRight, &rc, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
    CSelectGuard penGuard(*pDC, pen);
    DrawHorzLine(pDC, rc.left, rc.right, rc.bottom);
}

void CGridCtrl::PrintFooter(CDC* pDC, CPrintInfo* pInfo)
{
    CRect rc(pInfo->m_rectDraw);
    CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
    {
        CSelectGuard penGuard(*pDC, pen);
        DrawHorzLine(pDC, rc.left, rc.right, rc.top);
    }

    CString strLeft;
    strLeft.Format(_T("Page %d of %d"), (int)pInfo->m_nCurPage, (int)pInfo->GetMaxPage());
    char date[128] = "";
    time_t now = ::time(nullptr);
    const struct tm* local = ::localtime(&now);
    if (local)
        ::strftime(date, sizeof(date), "%c", local);

    CBoldPrinterFont bold(pDC, m_PrinterFont);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strLeft, &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->DrawText(CString(date), &rc, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
