#include "controls/menu/BCMenuMemDC.h"

BCMenuMemDC::BCMenuMemDC(CDC* pDC, const CRect& rect)
    : CDC(), m_bitmap(), m_oldBitmap(nullptr), m_pDC(pDC), m_rect(rect), m_bMemDC(!pDC->IsPrinting())
{
    if (m_bMemDC) {
        CreateCompatibleDC(pDC);
        m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
        m_oldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
        SetWindowOrg(m_rect.left, m_rect.top);
    } else {
        m_bPrinting = pDC->m_bPrinting;
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
    }
}

BCMenuMemDC::~BCMenuMemDC()
{
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top,
                      SRCCOPY);
        ::SelectObject(m_hDC, m_oldBitmap);
    } else {
        // The target's handles are borrowed: the base must not delete them.
        m_hDC = m_hAttribDC = nullptr;
    }
}
