#include "toolkit/lists/listboxes/OXFontPickerButton.h"

#include "afx/FontDialog.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(COXFontPickerButton, COXBitmapButton)

COXFontPickerButton::COXFontPickerButton() : m_pBuddy(new COXStatic)
{
}

COXFontPickerButton::~COXFontPickerButton()
{
    if (HasBuddyWindow())
        m_pBuddy->UnsubclassWindow();
    delete m_pBuddy;
}

int COXFontPickerButton::PointSizeFromHeight(int nHeight, HDC hDC)
{
    HDC hdc = hDC ? hDC : ::GetDC(nullptr);
    POINT origin = {0, 0};
    ::DPtoLP(hdc, &origin, 1);
    POINT pt = {0, std::abs(nHeight) + origin.y};
    ::LPtoDP(hdc, &pt, 1);
    const int dpi = ::GetDeviceCaps(hdc, LOGPIXELSY);
    if (!hDC)
        ::ReleaseDC(nullptr, hdc);
    const int tenths = dpi > 0 ? pt.y * 720 / dpi : 0;
    return (tenths + 5) / 10;
}

CString COXFontPickerButton::BuddyText(const LOGFONT& lf)
{
    CString text;
    text.Format("%d pt, %s", PointSizeFromHeight(lf.lfHeight), lf.lfFaceName);
    return text;
}

BOOL COXFontPickerButton::AttachBuddy(HWND hWnd)
{
    if (HasBuddyWindow())
        m_pBuddy->UnsubclassWindow();
    if (!m_pBuddy->SubclassWindow(hWnd))
        return FALSE;
    if (CFont* pFont = m_pBuddy->GetTextFont())
        SetBuddyFont(pFont, TRUE);
    return TRUE;
}

BOOL COXFontPickerButton::SetBuddy(UINT nID)
{
    CWnd* pParent = GetParent();
    HWND hWnd = pParent ? ::GetDlgItem(pParent->GetSafeHwnd(), static_cast<int>(nID)) : nullptr;
    if (!hWnd)
        return FALSE;
    return AttachBuddy(hWnd);
}

BOOL COXFontPickerButton::SetBuddy(CWnd* pWnd)
{
    if (!pWnd || !::IsWindow(pWnd->GetSafeHwnd()) || ::GetParent(pWnd->GetSafeHwnd()) != ::GetParent(m_hWnd))
        return FALSE;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (CWnd::FromHandlePermanent(hWnd) == pWnd)
        pWnd->UnsubclassWindow();
    return AttachBuddy(hWnd);
}

BOOL COXFontPickerButton::SetBuddyFont(CFont* pFont, BOOL bRedraw)
{
    if (!HasBuddyWindow())
        return FALSE;
    LOGFONT lf;
    if (pFont && pFont->GetLogFont(&lf))
        m_pBuddy->SetWindowText(BuddyText(lf));
    m_pBuddy->SetTextFont(pFont, bRedraw);
    return TRUE;
}

BOOL COXFontPickerButton::SetBuddyLogFont(const LOGFONT* pLogFont, BOOL bRedraw)
{
    if (!HasBuddyWindow())
        return FALSE;
    if (pLogFont)
        m_pBuddy->SetWindowText(BuddyText(*pLogFont));
    m_pBuddy->SetTextLogFont(pLogFont, bRedraw);
    return TRUE;
}

CFont* COXFontPickerButton::GetBuddyFont() const
{
    return HasBuddyWindow() ? m_pBuddy->GetTextFont() : nullptr;
}

BOOL COXFontPickerButton::GetBuddyLogFont(LOGFONT* pLogFont) const
{
    return HasBuddyWindow() && m_pBuddy->GetTextLogFont(pLogFont);
}

BOOL COXFontPickerButton::SetBuddyTextColor(COLORREF clr, BOOL bRedraw)
{
    if (!HasBuddyWindow())
        return FALSE;
    m_pBuddy->SetTextColor(clr, bRedraw);
    return TRUE;
}

COLORREF COXFontPickerButton::GetBuddyTextColor() const
{
    return HasBuddyWindow() ? m_pBuddy->GetTextColor() : static_cast<COLORREF>(-1);
}

BOOL COXFontPickerButton::GetDialogStart(LOGFONT* pLogFont, COLORREF* pColor) const
{
    *pColor = GetBuddyTextColor();
    return GetBuddyLogFont(pLogFont);
}

BOOL COXFontPickerButton::NotifyParentOfState()
{
    LOGFONT lf = {};
    COLORREF clr = 0;
    const BOOL bHasFont = GetDialogStart(&lf, &clr);
    CFontDialog* pDialog = new CFontDialog(bHasFont ? &lf : nullptr, CF_SCREENFONTS | CF_EFFECTS, nullptr, this);
    pDialog->m_cf.rgbColors = clr;
    if (pDialog->DoModal() == IDOK && m_pBuddy) {
        SetBuddyLogFont(&pDialog->m_lf, FALSE);
        if (HasBuddyWindow())
            SetBuddyTextColor(pDialog->GetColor(), TRUE);
    }
    delete pDialog;
    return FALSE;
}

namespace {
COXFontPickerButton* PickerOf(CDataExchange* pDX, int nIDC)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    return dynamic_cast<COXFontPickerButton*>(CWnd::FromHandlePermanent(hWnd));
}
} // namespace

void AFXAPI DDX_FontPickerFont(CDataExchange* pDX, int nIDC, CFont& font)
{
    COXFontPickerButton* pButton = PickerOf(pDX, nIDC);
    if (!pButton)
        return;
    if (pDX->m_bSaveAndValidate) {
        font.DeleteObject();
        LOGFONT lf;
        if (pButton->GetBuddyLogFont(&lf))
            font.CreateFontIndirect(&lf);
    } else {
        pButton->SetBuddyFont(&font, TRUE);
    }
}

void AFXAPI DDX_FontPickerColor(CDataExchange* pDX, int nIDC, COLORREF& clr)
{
    COXFontPickerButton* pButton = PickerOf(pDX, nIDC);
    if (!pButton)
        return;
    if (pDX->m_bSaveAndValidate)
        clr = pButton->GetBuddyTextColor();
    else if (pButton->GetBuddy() && ::IsWindow(pButton->GetBuddy()->GetSafeHwnd()))
        pButton->SetBuddyTextColor(clr, TRUE);
}
