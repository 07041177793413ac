// CGradient: a linear gradient through any number of colours, each pair of
// neighbours taking a share of the length. It is expanded into solid bands
// (CGradElement) and painted band by band into any range of a rectangle, in
// four directions, stretched or cyclically shifted, and limited to the free
// colours of a palette device.
#pragma once

#include "afx/Array.h"
#include "afx/ArrayTypes.h"
#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/Rect.h"

// One solid band of an expanded gradient; stored as two 32-bit values.
struct CGradElement
{
    COLORREF color;
    int length;
};

typedef CArray<CGradElement, CGradElement&> CGradElementArray;

class CGradient
{
public:
    enum Direction { LeftToRight = 0, RightToLeft = 1, TopToBottom = 2, BottomToTop = 3 };
    // Free colours of a palette device (the system keeps 20).
    enum { PaletteColours = 236 };

    CGradient();
    virtual ~CGradient();
    CGradient(const CGradient&) = delete;
    CGradient& operator=(const CGradient&) = delete;

    // nCount COLORREF values follow; the nCount - 1 segments get equal shares.
    void SetColors(int nCount, ...);
    // The new segment is as long as an average old one.
    void AddColor(COLORREF colour);
    // One double share per segment (colour count - 1 of them), then normalised.
    void SetSegments(double share, ...);
    void NormalizeSegments();
    // Both -1 with no colours; the second is the first when there is one.
    void GetColors(COLORREF& first, COLORREF& second) const;
    int GetColorCount() const { return static_cast<int>(m_aColors.GetSize()); }
    COLORREF GetColor(int nIndex) const { return m_aColors[nIndex]; }
    double GetSegment(int nIndex) const { return m_aSegments[nIndex]; }
    int GetSegmentCount() const { return static_cast<int>(m_aSegments.GetSize()); }

    void SetDirection(int nDirection) { m_nDirection = nDirection; }
    int GetDirection() const { return m_nDirection; }
    void SetStretch(float fStretch) { m_fStretch = fStretch; }
    float GetStretch() const { return m_fStretch; }
    // With the flag, painting on a palette device realises the gradient's own palette.
    void SetCreatePalette(BOOL bCreate) { m_bCreatePalette = bCreate; }
    BOOL GetCreatePalette() const { return m_bCreatePalette; }
    CPalette& GetPalette();

    // The part of rect covering gradient positions nStart..nEnd (-1: the
    // rectangle's length) in the current direction.
    CRect GetSubRect(const CRect& rect, int nStart, int nEnd) const;

    // Paints positions nStart..nEnd (-1: to the rectangle's length), shifted
    // cyclically by nShift pixels.
    virtual void Draw(CDC* pDC, const CRect& rect, int nStart = 0, int nEnd = -1, int nShift = 0);
    // Band expansion; nEnd -1 means nLength, a limit of -1 means none.
    virtual void MakeEntries(CGradElementArray& bands, int nShift, int nLength, int nStart = 0, int nEnd = -1,
                             int nMaxColours = -1);
    virtual void MakeSegmentEntries(CGradElementArray& bands, int nLength, int nStart = 0, int nEnd = -1,
                                    int nMaxColours = -1);
    virtual void InterpolateEntries(CGradElementArray& bands, COLORREF from, COLORREF to, int nLength,
                                    int nStart = 0, int nEnd = -1, int nMaxSteps = -1);

protected:
    CDWordArray m_aColors;
    BOOL m_bCreatePalette;
    CPalette m_Palette;
    CArray<double, double> m_aSegments;   // per cent of the length, summing to 100
    int m_nDirection;
    float m_fStretch;
};
