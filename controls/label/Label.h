// CLabel: a static text drawn by itself, with its own colours and font, a
// gradient background, 3D or rotated text, flashing text or background, and
// a hyperlink or mail-link mode. The setters return the label so that calls
// chain.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/GdiObject.h"
#include "afx/String.h"

class CLabel : public CStatic
{
    DECLARE_DYNAMIC(CLabel)
public:
    enum LinkStyle { LinkNone = 0, HyperLink = 1, MailLink = 2 };
    enum FlashType { None = 0, Text = 1, Background = 2 };
    enum Type3D { Raised = 0, Sunken = 1 };
    enum BackFillMode { Normal = 0, Gradient = 1 };
    // The code of the WM_NOTIFY a click sends when the parent asked for it.
    enum { NM_LINKCLICK = 0x8200 };
    enum { FlashTimerId = 1, FlashPeriod = 500, GradientSteps = 100 };

    CLabel();
    ~CLabel() override;

    virtual CLabel& SetBkColor(COLORREF crBkgnd, COLORREF crBkgndHigh = 0, BackFillMode mode = Normal);
    virtual CLabel& SetTextColor(COLORREF crText);
    virtual CLabel& SetText(const CString& strText);
    virtual CLabel& SetFontBold(BOOL bBold);
    virtual CLabel& SetFontName(const CString& strFont, BYTE byCharSet = ANSI_CHARSET);
    virtual CLabel& SetFontUnderline(BOOL bSet);
    virtual CLabel& SetFontItalic(BOOL bSet);
    virtual CLabel& SetFontSize(int nSize);
    virtual CLabel& SetSunken(BOOL bSet);
    virtual CLabel& SetBorder(BOOL bSet);
    virtual CLabel& SetTransparent(BOOL bSet);
    virtual CLabel& FlashText(BOOL bActivate);
    virtual CLabel& FlashBackground(BOOL bActivate);
    virtual CLabel& SetLink(BOOL bLink, BOOL bNotifyParent);
    virtual CLabel& SetLinkCursor(HCURSOR hCursor);
    virtual CLabel& SetFont3D(BOOL bSet, Type3D type = Raised);
    virtual CLabel& SetRotationAngle(UINT nAngle, BOOL bRotation);
    virtual CLabel& SetText3DHiliteColor(COLORREF cr3DHiliteColor);
    virtual CLabel& SetFont(LOGFONT lf);
    virtual CLabel& SetMailLink(BOOL bEnable, BOOL bNotifyParent);
    virtual CLabel& SetLinkURL(const CString& strLink);

    COLORREF GetTextColor() const { return m_crText; }
    BOOL IsTransparent() const { return m_bTransparent; }
    BOOL IsFlashing() const { return m_bTimer; }
    BOOL GetFlashState() const { return m_bState; }
    const LOGFONT& GetLogFont() const { return m_lf; }

    // Paints the whole label into dc over a client area of that size:
    // through a memory DC unless transparent, which leaves the background.
    void Draw(HDC hdc, const CRect& rcClient);

    // A horizontal gradient from crFrom to crTo over rc in at most nSteps
    // bands (never more bands than pixels); an empty rectangle draws nothing.
    static void DrawGradientFill(HDC hdc, const CRect& rc, COLORREF crFrom, COLORREF crTo, int nSteps);
    // DrawText flags of a static's style for a text.
    static UINT TextFlags(DWORD dwStyle, const CString& strText);

protected:
    void PreSubclassWindow() override;

    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    void ReconstructFont();
    void UpdateSurface();
    void StartFlash(FlashType type, BOOL bActivate);
    void DrawContent(HDC hdc, const CRect& rc);

    COLORREF m_crText;
    COLORREF m_cr3DHiliteColor;
    HBRUSH m_hwndBrush;          // the default background (COLOR_BTNFACE)
    HBRUSH m_hBackBrush;         // the colour of SetBkColor, when one was set
    COLORREF m_crBkgnd;          // the colour of m_hBackBrush
    COLORREF m_crBkgndHigh;      // the gradient's starting colour
    BackFillMode m_fillmode;
    LOGFONT m_lf;
    CFont m_font;
    BOOL m_bState;               // flash phase: TRUE while the flashing part is off
    BOOL m_bTimer;
    LinkStyle m_Link;
    BOOL m_bNotifyParent;
    BOOL m_bFont3d;
    Type3D m_3dType;
    BOOL m_bRotation;
    BOOL m_bTransparent;
    FlashType m_Type;
    HCURSOR m_hCursor;
    CString m_strURL;
};
