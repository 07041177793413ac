// Guards that change one attribute of a DC and put the first value they
// replaced back on Restore or when they go. Fonts are selected with the
// class library's CSelectGuard.
#pragma once

#include "afx/DC.h"

class CSelect
{
public:
    explicit CSelect(CDC* pDC) : m_pDC(pDC) {}
    virtual ~CSelect() = default;
    CSelect(const CSelect&) = delete;
    CSelect& operator=(const CSelect&) = delete;

protected:
    CDC* m_pDC;
};

class CSelBkMode : public CSelect
{
public:
    explicit CSelBkMode(CDC* pDC) : CSelect(pDC), m_nOld(0) {}
    CSelBkMode(CDC* pDC, int nMode) : CSelect(pDC), m_nOld(0) { Select(nMode); }
    ~CSelBkMode() override { Restore(); }
    void Select(int nMode)
    {
        const int old = m_pDC->SetBkMode(nMode);
        if (m_nOld == 0)
            m_nOld = old;
    }
    void Restore()
    {
        if (m_nOld != 0)
            m_pDC->SetBkMode(m_nOld);
        m_nOld = 0;
    }

private:
    int m_nOld;   // 0: nothing remembered
};

class CSelTextColor : public CSelect
{
public:
    explicit CSelTextColor(CDC* pDC) : CSelect(pDC), m_crOld(CLR_INVALID) {}
    CSelTextColor(CDC* pDC, COLORREF colour) : CSelect(pDC), m_crOld(CLR_INVALID) { Select(colour); }
    ~CSelTextColor() override { Restore(); }
    void Select(COLORREF colour)
    {
        const COLORREF old = m_pDC->SetTextColor(colour);
        if (m_crOld == CLR_INVALID)
            m_crOld = old;
    }
    void Restore()
    {
        if (m_crOld != CLR_INVALID)
            m_pDC->SetTextColor(m_crOld);
        m_crOld = CLR_INVALID;
    }

private:
    COLORREF m_crOld;   // CLR_INVALID (-1): nothing remembered
};

class CSelTextAlign : public CSelect
{
public:
    explicit CSelTextAlign(CDC* pDC) : CSelect(pDC), m_nOld(GDI_ERROR) {}
    CSelTextAlign(CDC* pDC, UINT nAlign) : CSelect(pDC), m_nOld(GDI_ERROR) { Select(nAlign); }
    ~CSelTextAlign() override { Restore(); }
    void Select(UINT nAlign)
    {
        const UINT old = m_pDC->SetTextAlign(nAlign);
        if (m_nOld == GDI_ERROR)
            m_nOld = old;
    }
    void Restore()
    {
        if (m_nOld != GDI_ERROR)
            m_pDC->SetTextAlign(m_nOld);
        m_nOld = GDI_ERROR;
    }

private:
    UINT m_nOld;   // GDI_ERROR (-1): nothing remembered
};
