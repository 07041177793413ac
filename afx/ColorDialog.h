// CColorDialog: the system's colour picker. The sixteen custom colours are
// shared by every colour dialog of the program, as the user expects them to
// stay between two picks.
#pragma once

#include "afx/CommonDialog.h"

class CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    // A non-zero clrInit is the colour the dialog opens with (CC_RGBINIT).
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    static COLORREF* PASCAL GetSavedCustomColors();

    CHOOSECOLOR m_cc;
};
