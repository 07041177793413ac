// COXStatic: a static control with its own font and text colour, a solid or
// shaded background (or none), an automatic size that fits the window to its
// text within the parent, and a standard tooltip that shows either the tip
// the caller set or, by default, the window text.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/GdiObject.h"
#include "afx/String.h"
#include "afx/ToolTipCtrl.h"

// Background fill types.
const int OXSTATIC_FILL_SOLID = 0;
const int OXSTATIC_FILL_SHADE_RIGHT = 1;    // bright at the right edge
const int OXSTATIC_FILL_SHADE_EDGES = 2;    // bright at both edges, black in the middle
const int OXSTATIC_FILL_SHADE_LEFT = 3;     // bright at the left edge
// The background colour that paints nothing.
const COLORREF OXSTATIC_NO_BACKGROUND = 0xFFFFFFFF;

class COXStatic : public CStatic
{
    DECLARE_DYNAMIC(COXStatic)
public:
    COXStatic();
    ~COXStatic() override;

    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);

    void SetBkColor(COLORREF clr, BOOL bRedraw = TRUE);
    COLORREF GetBkColor() const { return m_clrBackground; }
    void SetBkFillType(int nType, BOOL bRedraw = TRUE);
    int GetBkFillType() const { return m_nFillType; }
    void SetTextColor(COLORREF clr, BOOL bRedraw = TRUE);
    COLORREF GetTextColor() const { return m_clrText; }

    // A null LOGFONT leaves the static without a font of its own.
    BOOL SetTextLogFont(const LOGFONT* pLogFont, BOOL bRedraw = TRUE);
    // Copies the font, so the caller may delete its own afterwards.
    BOOL SetTextFont(CFont* pFont, BOOL bRedraw = TRUE);
    BOOL GetTextLogFont(LOGFONT* pLogFont) const;
    CFont* GetTextFont() { return m_font.GetSafeHandle() ? &m_font : nullptr; }

    // An empty text returns the tip to the window text.
    void SetToolTipText(LPCTSTR lpszText);
    CString GetToolTipText(BOOL bForce = FALSE) const;
    // Shows the tip while the cursor rests over the static.
    void ActivateToolTip(BOOL bActivate);
    BOOL IsToolTipActive() const { return m_bToolTipActive; }
    CToolTipCtrl* GetToolTip() { return m_toolTip.GetSafeHwnd() ? &m_toolTip : nullptr; }

    void SetAutoSize(BOOL bAutoSize);
    BOOL GetAutoSize() const { return m_bAutoSize; }
    // SS_LEFT, SS_CENTER, SS_RIGHT, SS_SIMPLE or SS_LEFTNOWORDWRAP: the
    // statics that font, colour and size apply to.
    BOOL IsTextStatic() const;

    virtual void InitFontFromWindow();
    virtual BOOL CreateToolTip();
    virtual void UpdateToolTipText();
    virtual HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The colour of one shading strip d pixels from the bright side, where
    // the shading runs over a squared distance of span2.
    static COLORREF ShadeColor(COLORREF clr, LONGLONG d, LONGLONG span2);

protected:
    void PreSubclassWindow() override;
    // Fits the window to its text (auto size) or back to the unfitted rectangle.
    void FitWindow();
    void PaintBackground(CDC* pDC, const CRect& client);
    // Invalidates when asked and the window exists.
    void Redraw(BOOL bRedraw);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    COLORREF m_clrBackground;
    int m_nFillType;
    COLORREF m_clrText;
    CFont m_font;
    BOOL m_bToolTipActive;
    CString m_strToolTip;
    CToolTipCtrl m_toolTip;
    BOOL m_bAutoSize;
    CRect m_rectUnfitted;
    BOOL m_bExplicitTip;
    BOOL m_bCreated;
    BOOL m_bFontTaken;

private:
    BOOL m_bFitting;
};
