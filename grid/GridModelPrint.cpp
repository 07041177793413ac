// Print pagination: pages of rows and, for WYSIWYG printing, pages of columns,
// with the fixed rows and columns repeated on every page.
#include "grid/GridModel.h"

int CGridModel::LayOutPrintPages(CSize paperSize, CSize charSize, CSize printerPixelsPerInch,
                                 CSize screenPixelsPerInch)
{
    m_PaperSize = paperSize;
    m_CharSize = charSize;
    if (m_bWysiwygPrinting && printerPixelsPerInch.cx > 0 && printerPixelsPerInch.cy > 0) {
        m_LogicalPageSize.cx = ::MulDiv(paperSize.cx, screenPixelsPerInch.cx, printerPixelsPerInch.cx) * 3 / 4;
        m_LogicalPageSize.cy = ::MulDiv(paperSize.cy, screenPixelsPerInch.cy, printerPixelsPerInch.cy) * 3 / 4;
    } else {
        m_LogicalPageSize.cx = (int)GetVirtualWidth() + (m_nLeftMargin + m_nRightMargin) * charSize.cx;
        m_LogicalPageSize.cy = paperSize.cx > 0 ? ::MulDiv(m_LogicalPageSize.cx, paperSize.cy, paperSize.cx) : 0;
    }
    m_nPageHeight = m_LogicalPageSize.cy - (m_nHeaderHeight + m_nFooterHeight + 2 * m_nGap) * charSize.cy -
                    GetFixedRowHeight();

    int rowPages = 1, sum = 0;
    for (int row = m_nFixedRows; row < m_nRows; row++) {
        sum += GetRowHeight(row);
        if (sum > m_nPageHeight) {
            // A row taller than the page still gets a page of its own.
            if (row > m_nFixedRows)
                rowPages++;
            sum = GetRowHeight(row);
        }
    }

    m_nPageWidth = m_LogicalPageSize.cx - GetFixedColumnWidth() - (m_nLeftMargin + m_nRightMargin) * charSize.cx;
    m_nPageMultiplier = 1;
    if (m_bWysiwygPrinting) {
        sum = 0;
        for (int col = m_nFixedCols; col < m_nCols; col++) {
            sum += GetColumnWidth(col);
            if (sum > m_nPageWidth) {
                if (col > m_nFixedCols)
                    m_nPageMultiplier++;
                sum = GetColumnWidth(col);
            }
        }
    }
    m_nNumPages = rowPages * m_nPageMultiplier;
    return m_nNumPages;
}

void CGridModel::GetPrintPageStart(int nPage, int& nFirstRow, int& nFirstCol) const
{
    int multiplier = std::max(1, m_nPageMultiplier);
    int rowPage = (nPage + multiplier - 1) / multiplier;
    int colPage = nPage % multiplier;
    if (colPage == 0)
        colPage = multiplier;

    nFirstRow = m_nFixedRows;
    int page = 1, sum = 0;
    for (int row = m_nFixedRows; row < m_nRows && page < rowPage; row++) {
        sum += GetRowHeight(row);
        if (sum > m_nPageHeight) {
            if (row > m_nFixedRows) {
                page++;
                nFirstRow = row;
            }
            sum = GetRowHeight(row);
        }
    }
    nFirstCol = m_nFixedCols;
    page = 1;
    sum = 0;
    for (int col = m_nFixedCols; col < m_nCols && page < colPage; col++) {
        sum += GetColumnWidth(col);
        if (sum > m_nPageWidth) {
            if (col > m_nFixedCols) {
                page++;
                nFirstCol = col;
            }
            sum = GetColumnWidth(col);
        }
    }
}

void CGridModel::SetPrintMarginInfo(int nHeaderHeight, int nFooterHeight, int nLeftMargin, int nRightMargin,
                                    int nTopMargin, int nBottomMargin, int nGap)
{
    if (nHeaderHeight != -1)
        m_nHeaderHeight = nHeaderHeight;
    if (nFooterHeight != -1)
        m_nFooterHeight = nFooterHeight;
    if (nLeftMargin != -1)
        m_nLeftMargin = nLeftMargin;
    if (nRightMargin != -1)
        m_nRightMargin = nRightMargin;
    if (nTopMargin != -1)
        m_nTopMargin = nTopMargin;
    if (nBottomMargin != -1)
        m_nBottomMargin = nBottomMargin;
    if (nGap != -1)
        m_nGap = nGap;
}

void CGridModel::GetPrintMarginInfo(int& nHeaderHeight, int& nFooterHeight, int& nLeftMargin, int& nRightMargin,
                                    int& nTopMargin, int& nBottomMargin, int& nGap) const
{
    nHeaderHeight = m_nHeaderHeight;
    nFooterHeight = m_nFooterHeight;
    nLeftMargin = m_nLeftMargin;
    nRightMargin = m_nRightMargin;
    nTopMargin = m_nTopMargin;
    nBottomMargin = m_nBottomMargin;
    nGap = m_nGap;
}
