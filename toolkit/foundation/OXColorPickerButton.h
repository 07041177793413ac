// COXColorPickerButton: a drop-down bitmap button that shows its colour in a
// band under its content and, when clicked, drops its colour picker down
// below itself; a chosen colour becomes the button's. Dialogs exchange the
// colour with DDX_ColorPickerButtonColor.
#pragma once

#include "afx/DataExchange.h"
#include "toolkit/foundation/OXBitmapButton.h"
#include "toolkit/foundation/OXColorPickerCtrl.h"

// Given to the colour operations, stands for the picker's default colour.
const COLORREF OXCOLOR_DEFAULT = 0xFF000000;
// No colour: the band shows only its frame.
const COLORREF OXCOLOR_NONE = 0xFFFFFFFF;

class COXColorPickerButton : public COXBitmapButton
{
    DECLARE_DYNAMIC(COXColorPickerButton)
public:
    COXColorPickerButton(UINT nColors, UINT nRows, COLORREF clrDefault, UINT nButtonCx, UINT nButtonCy,
                         UINT nIDDefaultCaption, UINT nIDCustomCaption);
    ~COXColorPickerButton() override;

    void SetColor(COLORREF clr, BOOL bRedraw = TRUE);
    COLORREF GetColor() const { return m_clr; }
    int GetColorBandHeight() const { return m_nColorBandHeight; }
    void SetColorBandHeight(int nHeight) { m_nColorBandHeight = nHeight; }
    COXColorPickerCtrl* GetColorPickerCtrl() { return &m_colorPicker; }
    // The colour the picker's default button stands for (OXCOLOR_NONE: none).
    void SetDefaultColor(COLORREF clr) { m_colorPicker.SetDefaultValue(clr); }
    COLORREF GetDefaultColor() const { return m_colorPicker.GetDefaultValue(); }

    CSize GetDropDownSize() const override;
    void OnDropDown() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Where the band lies in an item of this size, as the last drawing placed it.
    CRect GetColorBandRect(const CRect& item);

protected:
    virtual void DrawColorBand(CDC* pDC, UINT nState, CRect rect);
    void DrawContent(CDC* pDC, const CRect& item, UINT nState, CRect& content, CRect& image, CRect& text) override;
    void PreSubclassWindow() override;
    CRect BandRect(const CRect& content, const CRect& image, const CRect& text) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnColorPicked(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    int m_nColorBandHeight;
    COLORREF m_clr;
    COXColorPickerCtrl m_colorPicker;
    BOOL m_bCreating;   // between PreCreateWindow and WM_CREATE: WM_CREATE makes the picker
};

// Saving: the button's colour into clr. Loading: clr into the button
// (OXCOLOR_DEFAULT becomes the picker's default colour), repainted.
void AFXAPI DDX_ColorPickerButtonColor(CDataExchange* pDX, int nIDC, COLORREF& clr);
