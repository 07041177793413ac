#include "afx/MemDC.h"

CMemDC::CMemDC(CDC* pDC, const CRect* pRect, Start start, BOOL bDirect)
    : m_bitmap(), m_hOldBitmap(nullptr), m_pDC(pDC), m_rect(), m_bMemDC(FALSE)
{
    ASSERT(pDC != nullptr);
    if (pRect)
        m_rect = *pRect;
    else
        pDC->GetClipBox(&m_rect);
    m_bMemDC = !pDC->IsPrinting() && !bDirect && !m_rect.IsRectEmpty();
    if (m_bMemDC && CreateCompatibleDC(pDC) &&
        m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height())) {
        m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.GetSafeHandle());
        SetWindowOrg(m_rect.left, m_rect.top);
        if (start == startCopied)
            BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), pDC, m_rect.left, m_rect.top, SRCCOPY);
        else if (start == startFilled)
            FillSolidRect(m_rect, pDC->GetBkColor());
        return;
    }
    // No bitmap to draw into: draw on the target itself.
    if (m_hDC)
        DeleteDC();
    m_bMemDC = FALSE;
    m_bPrinting = pDC->m_bPrinting;
    m_hDC = pDC->m_hDC;
    m_hAttribDC = pDC->m_hAttribDC;
}

CMemDC::~CMemDC()
{
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top,
                      SRCCOPY);
        ::SelectObject(m_hDC, m_hOldBitmap);
        DeleteDC();
    } else {
        // The handles belong to the target: the base must not delete them.
        m_hDC = m_hAttribDC = nullptr;
    }
}
