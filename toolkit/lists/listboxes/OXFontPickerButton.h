// COXFontPickerButton: a bitmap button that lets the user choose a font and
// a text colour in the font dialog and shows the choice in a buddy static
// ("12 pt, Tahoma", drawn in that font and colour). The buddy holds the
// font and colour; the button keeps no copy.
#pragma once

#include "afx/DataExchange.h"
#include "toolkit/foundation/OXBitmapButton.h"
#include "toolkit/foundation/OXStatic.h"

class COXFontPickerButton : public COXBitmapButton
{
    DECLARE_DYNAMIC(COXFontPickerButton)
public:
    COXFontPickerButton();
    ~COXFontPickerButton() override;

    BOOL SetBuddy(UINT nID);
    BOOL SetBuddy(CWnd* pWnd);
    COXStatic* GetBuddy() const { return m_pBuddy; }
    BOOL SetBuddyFont(CFont* pFont, BOOL bRedraw = TRUE);
    BOOL SetBuddyLogFont(const LOGFONT* pLogFont, BOOL bRedraw = TRUE);
    CFont* GetBuddyFont() const;
    BOOL GetBuddyLogFont(LOGFONT* pLogFont) const;
    BOOL SetBuddyTextColor(COLORREF clr, BOOL bRedraw = TRUE);
    COLORREF GetBuddyTextColor() const;

    // Opens the font dialog on the buddy's font and colour; FALSE, so the
    // parent sees the click too.
    BOOL NotifyParentOfState() override;
    // What the dialog opens on: TRUE with a font in *pLogFont; the colour
    // is the buddy's, or -1 without a buddy window.
    BOOL GetDialogStart(LOGFONT* pLogFont, COLORREF* pColor) const;

    // The whole points of a character height, as the buddy shows them.
    static int PointSizeFromHeight(int nHeight, HDC hDC = nullptr);
    static CString BuddyText(const LOGFONT& lf);

protected:
    BOOL HasBuddyWindow() const { return m_pBuddy && ::IsWindow(m_pBuddy->GetSafeHwnd()); }
    BOOL AttachBuddy(HWND hWnd);

    COXStatic* m_pBuddy;
};

void AFXAPI DDX_FontPickerFont(CDataExchange* pDX, int nIDC, CFont& font);
void AFXAPI DDX_FontPickerColor(CDataExchange* pDX, int nIDC, COLORREF& clr);
