// COXSeparator: a static drawn as an etched line, horizontal or vertical,
// with an optional caption at its start, end or middle (the static's
// alignment style). The caption lives in the object, not in the window.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/String.h"

class COXSeparator : public CStatic
{
    DECLARE_DYNAMIC(COXSeparator)
public:
    COXSeparator();
    ~COXSeparator() override;

    void SetLineColors(COLORREF clrShadow, COLORREF clrHighlight, BOOL bRedraw = TRUE);
    COLORREF GetShadowColor() const { return m_clrShadow; }
    COLORREF GetHighlightColor() const { return m_clrHighlight; }
    void SetTextColor(COLORREF clr) { m_clrText = clr; }
    COLORREF GetTextColor() const { return m_clrText; }
    void SetVertical(BOOL bVertical, BOOL bRedraw = TRUE);
    BOOL IsVertical() const { return m_bVertical; }

    // The caption and line pieces of a control of the given client size:
    // the text rectangle (empty without text) and the one or two line pieces
    // (the second empty unless the caption is centred). textSize is the
    // caption's extent along and across the line.
    struct Layout {
        CRect text;
        CRect line1;
        CRect line2;
    };
    static Layout LayoutFor(CSize client, CSize textSize, BOOL bHasText, BOOL bVertical, DWORD dwAlign);

protected:
    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void Redraw();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    COLORREF m_clrText;
    COLORREF m_clrShadow;
    COLORREF m_clrHighlight;
    BOOL m_bVertical;
    CString m_sText;
};
