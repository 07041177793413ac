#include "framework/log/Printer.h"

#include "afx/AfxRes.h"
#include "afx/GdiObject.h"

namespace {
CString ApplicationName()
{
    CString name;
    name.LoadString(AFX_IDS_APP_TITLE);
    return name;
}
}

CPrinter::CPrinter(CDC* pDC)
    : m_pDC(pDC), m_nTopMargin(0), m_nLeftMargin(0), m_nPageHeight(0), m_nPageWidth(0), m_nY(0),
      m_nLineHeight(0), m_bPageOpen(FALSE), m_bDocOpen(FALSE), m_nPage(0)
{
}

CPrinter::~CPrinter()
{
    if (m_bDocOpen)
        EndPrinting();
}

BOOL CPrinter::StartPrinting()
{
    m_strDocName = ApplicationName();
    DOCINFO info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = m_strDocName;

    SetupFont();
    // A device that refuses the document must not be given pages: the
    // caller learns it here and prints nothing.
    if (DeviceStartDoc(&info) <= 0)
        return FALSE;
    m_bDocOpen = TRUE;

    TEXTMETRIC tm = {};
    m_pDC->GetTextMetrics(&tm);
    m_nLineHeight = tm.tmHeight + tm.tmInternalLeading;
    m_nTopMargin = m_pDC->GetDeviceCaps(LOGPIXELSY) / 2;
    m_nLeftMargin = m_pDC->GetDeviceCaps(LOGPIXELSX) / 2;
    m_nPageHeight = m_pDC->GetDeviceCaps(VERTRES);
    m_nPageWidth = m_pDC->GetDeviceCaps(HORZRES);
    m_nY = m_nTopMargin;
    return TRUE;
}

BOOL CPrinter::PrintLine(LPCTSTR text)
{
    ASSERT(m_bDocOpen);
    BOOL newPage = !m_bPageOpen;
    if (m_bPageOpen && m_nY > m_nPageHeight - m_nTopMargin) {
        DeviceEndPage();
        newPage = TRUE;
    }
    if (newPage) {
        DeviceStartPage();
        m_nY = m_nTopMargin;
        m_bPageOpen = TRUE;
        ++m_nPage;
        PrintHeader();
    }
    CString line(text);
    BOOL result = m_pDC->TextOut(m_nLeftMargin, m_nY, line);
    m_nY += m_nLineHeight;
    return result;
}

BOOL CPrinter::EndPrinting()
{
    // The page is ended even when none was started: the device answers
    // that call with an error, which changes nothing.
    DeviceEndPage();
    m_bPageOpen = FALSE;
    int result = DeviceEndDoc();
    m_bDocOpen = FALSE;
    return result > 0;
}

void CPrinter::PrintHeader()
{
    CString title = ApplicationName();
    CString page;
    page.Format("%d", m_nPage);
    int textY = m_nTopMargin - (3 * m_nLineHeight) / 2;
    int ruleY = m_nTopMargin - m_nLineHeight / 2;

    int saved = m_pDC->SaveDC();
    m_pDC->SetTextColor(RGB(0, 0, 0));
    CPen pen;
    pen.CreatePen(PS_SOLID, m_pDC->GetDeviceCaps(LOGPIXELSX) / 100, RGB(255, 0, 0));
    m_pDC->SelectObject(&pen);

    m_pDC->TextOut(m_nLeftMargin, textY, title);
    CSize size = m_pDC->GetTextExtent(page);
    m_pDC->TextOut(m_nPageWidth - m_nLeftMargin - size.cx, textY, page);
    m_pDC->MoveTo(m_nLeftMargin, ruleY);
    m_pDC->LineTo(m_nPageWidth - m_nLeftMargin, ruleY);

    // Restoring the state puts the old pen back before the pen is freed.
    m_pDC->RestoreDC(saved);
}

void CPrinter::SetupFont()
{
    m_pDC->SelectStockObject(ANSI_FIXED_FONT);
}
