// CFontDialog: the system's font picker over m_lf (the font) and m_cf (the
// choice, with the colour of CF_EFFECTS in rgbColors).
#pragma once

#include "afx/CommonDialog.h"
#include "afx/String.h"

class CDC;

class CFontDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFontDialog)
public:
    // With lplfInitial the dialog opens on that font (CF_INITTOLOGFONTSTRUCT);
    // with a printer DC it offers that printer's fonts too.
    explicit CFontDialog(LPLOGFONT lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;
    // The font now shown while the dialog is open, else the chosen one.
    void GetCurrentFont(LPLOGFONT lplf);
    CString GetFaceName() const { return m_lf.lfFaceName; }
    // In tenths of a point.
    int GetSize() const { return m_cf.iPointSize; }
    COLORREF GetColor() const { return m_cf.rgbColors; }
    BOOL IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
    BOOL IsItalic() const { return m_lf.lfItalic != 0; }

    CHOOSEFONT m_cf;
    LOGFONT m_lf;
};
