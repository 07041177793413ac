// COXColorPickerCtrl: the popup button bar made a colour picker. Each grid
// button is a swatch whose value is a COLORREF, the default button shows the
// default colour beside its caption, and the custom button opens the system
// colour dialog. Without colours of its own it offers forty named colours.
#pragma once

#include "toolkit/foundation/OXPopupBarCtrl.h"

// The number of colours the picker offers when none were set.
const int ColorPickerDefaultColorCount = 40;

class COXColorPickerCtrl : public COXPopupBarCtrl
{
    DECLARE_DYNAMIC(COXColorPickerCtrl)
public:
    COXColorPickerCtrl(UINT nColors, UINT nRows, COLORREF clrDefault, CSize buttonSize, UINT nIDDefaultCaption,
                       UINT nIDCustomCaption);

    BOOL Pick(UINT nAlignment = 3, CRect* pAnchorRect = nullptr, CSize szOffset = CSize(0, 0)) override;

    // The swatches from a palette: the one selected into the screen DC, or
    // with bSystem the system palette (palette displays only), from index
    // nFirst on, one per button. The number of colours taken.
    int SetColorsFromPalette(UINT nFirst, BOOL bSystem = FALSE);
    // Appends colours; the number appended (0 for a count of 0 or less).
    int AddColors(const COLORREF* pColors, int nCount);
    // The forty named colours again.
    void SetDefaultColors();

    // The colour of entry i of the default table and its name's string id.
    static COLORREF DefaultColor(int i);
    static UINT DefaultColorNameId(int i);

protected:
    void DrawButtonAt(CDC* pDC, int nButton) override;
    void DrawDefaultButton(CDC* pDC) override;
    BOOL OnCustomButton() override;
    // Prepares the colours, the tooltips and the palette that a pick shows.
    void PrepareColors();
};
