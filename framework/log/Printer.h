// CPrinter: prints text line by line on a printer device context, with a
// fixed-pitch font, half-inch margins, a page header (the application's name,
// the page number and a red rule) and page breaks where the page is full.
// The trace list prints its lines through it.
#pragma once

#include "afx/DC.h"
#include "afx/String.h"

class CPrinter
{
public:
    explicit CPrinter(CDC* pDC);
    // Ends the page and the document when the caller did not.
    virtual ~CPrinter();
    CPrinter(const CPrinter&) = delete;
    CPrinter& operator=(const CPrinter&) = delete;

    // Starts the document; FALSE when the device refused it (nothing may be
    // printed then).
    BOOL StartPrinting();
    // Prints one line, starting a new page first when the page is full.
    BOOL PrintLine(LPCTSTR text);
    // Ends the page and the document; the end-document result.
    BOOL EndPrinting();

    virtual void PrintHeader();
    virtual void SetupFont();

    CDC* GetDC() const { return m_pDC; }
    int GetPage() const { return m_nPage; }
    int GetLineHeight() const { return m_nLineHeight; }
    int GetTopMargin() const { return m_nTopMargin; }
    int GetLeftMargin() const { return m_nLeftMargin; }

protected:
    // The device's document and page calls, kept apart so that paging can be
    // followed on a device that keeps no documents (a memory DC).
    virtual int DeviceStartDoc(LPDOCINFO info) { return m_pDC->StartDoc(info); }
    virtual int DeviceStartPage() { return m_pDC->StartPage(); }
    virtual int DeviceEndPage() { return m_pDC->EndPage(); }
    virtual int DeviceEndDoc() { return m_pDC->EndDoc(); }

    CDC* m_pDC;
    int m_nTopMargin;
    int m_nLeftMargin;
    int m_nPageHeight;
    int m_nPageWidth;
    int m_nY;
    int m_nLineHeight;
    BOOL m_bPageOpen;
    BOOL m_bDocOpen;
    int m_nPage;

private:
    CString m_strDocName;   // the document information points into it while printing
};
