// CPrintInfo: what a print loop tells the code that prints each page (the page
// range, the current page, the drawing rectangle) and what that code answers
// (the page count, whether to go on).
#pragma once

#include "afx/Rect.h"
#include "afx/String.h"

class CPrintDialog;

struct CPrintInfo
{
    CPrintInfo()
        : m_pPD(nullptr), m_bDirect(FALSE), m_bPreview(FALSE), m_bContinuePrinting(TRUE), m_nCurPage(1),
          m_nNumPreviewPages(1), m_lpUserData(nullptr), m_nMinPage(1), m_nMaxPage(0xFFFF)
    {
    }

    void SetMinPage(UINT nMinPage) { m_nMinPage = nMinPage; }
    void SetMaxPage(UINT nMaxPage) { m_nMaxPage = nMaxPage; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }

    CPrintDialog* m_pPD;     // the dialog that chose the printer; not owned, may be null
    BOOL m_bDirect;          // printed without asking
    BOOL m_bPreview;
    BOOL m_bContinuePrinting;
    UINT m_nCurPage;
    UINT m_nNumPreviewPages;
    CString m_strPageDesc;
    LPVOID m_lpUserData;
    CRect m_rectDraw;        // the page's printable area in logical units

private:
    UINT m_nMinPage;
    UINT m_nMaxPage;
};
