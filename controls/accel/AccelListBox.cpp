#include "controls/accel/AccelListBox.h"

#include "controls/accel/AccelsOb.h"

#include "afx/DC.h"

IMPLEMENT_DYNAMIC(CAccelListBox, CListBox)

BEGIN_MESSAGE_MAP(CAccelListBox, CListBox)
    ON_CONTROL_REFLECT(LBN_SETFOCUS, &CAccelListBox::OnFocusChange)
    ON_CONTROL_REFLECT(LBN_KILLFOCUS, &CAccelListBox::OnFocusChange)
END_MESSAGE_MAP()

CAccelListBox::CAccelListBox()
    : m_crHighlight(::GetSysColor(COLOR_HIGHLIGHT)), m_crHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_crGrayText(::GetSysColor(COLOR_GRAYTEXT)), m_crWindow(::GetSysColor(COLOR_WINDOW))
{
}

void CAccelListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rect(lpDIS->rcItem);
    const bool selected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const bool focusChange = (lpDIS->itemAction & ODA_FOCUS) != 0;
    if (GetCount() == 0 || lpDIS->itemID == static_cast<UINT>(-1)) {
        pDC->FillSolidRect(&rect, RGB(255, 255, 255));
        if (selected && focusChange)
            pDC->DrawFocusRect(&rect);
        return;
    }
    const CAccelsOb* accel = reinterpret_cast<const CAccelsOb*>(lpDIS->itemData);
    const COLORREF oldText = pDC->GetTextColor();
    const COLORREF oldBk = pDC->GetBkColor();
    COLORREF text = oldText;
    COLORREF background = m_crWindow;
    if (accel && accel->m_bLocked) {
        text = m_crGrayText;
    } else if (selected) {
        text = m_crHighlightText;
        background = m_crHighlight;
    }
    pDC->FillSolidRect(&rect, background);
    pDC->SetTextColor(text);
    pDC->SetBkColor(background);
    CString label;
    GetText(static_cast<int>(lpDIS->itemID), label);
    pDC->DrawText(label, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (selected && focusChange)
        pDC->DrawFocusRect(&rect);
    pDC->SetTextColor(oldText);
    pDC->SetBkColor(oldBk);
}

void CAccelListBox::OnFocusChange()
{
    const int selected = GetCurSel();
    if (selected < 0)
        return;
    CRect rect;
    if (SendMessage(LB_GETITEMRECT, selected, reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
        return;
    InvalidateRect(&rect);
    UpdateWindow();
}
