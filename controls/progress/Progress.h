// CProgress: the window-independent gradient progress bar: range, position
// and step, a snake mode in which a piece of fixed length runs back and
// forth, a percent or value text drawn in one colour over the bar and another
// over the background, borders, background and an animation offset that
// shifts the gradient. It paints into any DC; CProgressCtrlX puts it in a window.
#pragma once

#include "controls/progress/Gradient.h"

#include "afx/String.h"

class CProgress : public CGradient
{
public:
    // Style bits; a window control shares them with its window style.
    enum
    {
        StyleVertical = 0x0004,    // PBS_VERTICAL: grows from the bottom
        TextLeft = 0x0010,         // with TextRight: centred horizontally
        TextRight = 0x0020,
        TextTop = 0x0040,          // with TextBottom: centred vertically
        TextBottom = 0x0080,
        TextPercent = 0x0100,
        TextPosition = 0x0200,
        TextModeMask = 0x0300,
        TextOnBar = 0x1000,        // the text travels inside the bar piece
        GradientOnBar = 0x2000,    // the whole gradient squeezed into the bar
        Reversed = 0x4000,         // grows from the right or the top
        Snake = 0x8000,
        DefaultStyle = 0x00F0,
    };

    CProgress();
    ~CProgress() override;

    void SetRange(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const { nLower = m_nLower; nUpper = m_nUpper; }
    int GetPos() const { return m_nPos; }
    // Each returns the previous position.
    int SetPos(int nPos);
    int OffsetPos(int nDelta);
    int StepIt() { return OffsetPos(m_nStep); }
    int SetStep(int nStep);
    int GetStep() const { return m_nStep; }
    int GetTail() const { return m_nTail; }

    // A non-empty format with a non-zero mode (TextPercent or TextPosition)
    // turns the text on; anything else turns it off.
    void SetText(LPCTSTR lpszFormat, DWORD dwTextMode);
    CString GetTextFormat() const { return m_strTextFormat; }
    void SetClipRgn(HRGN hRgn);

    void SetBorders(const CRect& rcBorders) { m_rcBorders = rcBorders; }
    void SetBkColor(COLORREF crBk) { m_crBk = crBk; }   // -1: no background
    COLORREF GetBkColor() const { return m_crBk; }
    void SetBkBrush(CBrush* pBrush) { m_pbrBk = pBrush; }
    void SetBarBrush(CBrush* pBrush) { m_pbrBar = pBrush; }
    void SetTextColor(COLORREF crOnBar, COLORREF crOnBk) { m_crTextOnBar = crOnBar; m_crTextOnBk = crOnBk; }
    void SetFont(CFont* pFont) { m_pFont = pFont; }
    CFont* GetFont() const { return m_pFont; }
    void SetTailSize(int nSize) { m_nTailSize = nSize; }
    int GetTailSize() const { return m_nTailSize; }
    int GetAnimPos() const { return m_nAnimPos; }

    // Moves the gradient by nDelta, cyclically; returns the number of whole
    // cycles the move made.
    int Animate(int nDelta);

    // Paints the whole bar into rect; bDirect draws without the off-screen bitmap.
    void Draw(CDC* pDC, CRect rect, BOOL bDirect = FALSE);

    virtual DWORD GetStyle() const { return m_dwStyle; }
    virtual BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd);
    virtual void DrawText(CDC* pDC, const CRect& rcArea, const CRect& rcBar);
    // Draws the text at the reference point in one colour, clipped to rcClip.
    virtual void DrawClippedText(CDC* pDC, const CRect& rcClip, const CString& text, const CPoint& ptRef,
                                 COLORREF colour);
    virtual BOOL SetSnakePos(int nPos, BOOL bRelative);
    virtual CString FormatText(DWORD dwTextMode, LPCTSTR lpszFormat, double value) const;
    virtual double CalcTextValue(DWORD dwTextMode, int nPos) const;
    virtual BOOL OnPosChanging(int nOldPos, int nNewPos);
    virtual void OnPosChanged(int nNewPos);

    // The rectangle of bar pixels a..b (from the growing edge) in rcArea.
    static CRect BarPiece(const CRect& rcArea, int a, int b, DWORD dwStyle);

protected:
    // Clamps into the range and stores through OnPosChanging/OnPosChanged.
    void ChangePos(int nPos);
    // Pixel offset of a position in an area nLength long; 0 with an empty range.
    int PixelOf(int nPos, int nLength) const;

    CBrush* m_pbrBar;
    COLORREF m_crBk;
    CBrush* m_pbrBk;
    COLORREF m_crTextOnBar;
    COLORREF m_crTextOnBk;
    int m_nTail;
    int m_nTailSize;
    int m_nStep;
    int m_nLower;
    int m_nUpper;
    CRect m_rcBorders;
    CString m_strTextFormat;
    CFont* m_pFont;
    DWORD m_dwStyle;
    CRgn m_rgnClip;
    int m_nPos;
    int m_nAnimPos;
};
