// Gradient fills (through the system's GradientFill when present, else line
// by line) and the gripper stripes of the 2003 look.
#include "toolkit/bars/skins/OXSkin2003.h"

#include "afx/DC.h"
#include "afx/GdiObject.h"

namespace {
TRIVERTEX Vertex(LONG x, LONG y, COLORREF color)
{
    TRIVERTEX vertex = {};
    vertex.x = x;
    vertex.y = y;
    vertex.Red = static_cast<COLOR16>(GetRValue(color) << 8);
    vertex.Green = static_cast<COLOR16>(GetGValue(color) << 8);
    vertex.Blue = static_cast<COLOR16>(GetBValue(color) << 8);
    vertex.Alpha = 0;
    return vertex;
}

BYTE Step(BYTE from, BYTE to, int i, int n)
{
    return static_cast<BYTE>((from + (to - from) * i / n) & 0xFF);
}

void Line(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}
}

BOOL COXSkin2003::FillGradient(CDC* pDC, LPCRECT lpRect, COLORREF clrFrom, COLORREF clrTo, BOOL bVertical)
{
    if (m_pfnGradientFill == nullptr)
        return FillGradientLines(pDC, lpRect, clrFrom, clrTo, bVertical);
    TRIVERTEX vertices[2] = {Vertex(lpRect->left, lpRect->top, clrFrom),
                             Vertex(lpRect->right, lpRect->bottom, clrTo)};
    GRADIENT_RECT mesh = {0, 1};
    return m_pfnGradientFill(pDC->GetSafeHdc(), vertices, 2, &mesh, 1,
                             bVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

BOOL COXSkin2003::FillGradientLines(CDC* pDC, LPCRECT lpRect, COLORREF clrFrom, COLORREF clrTo, BOOL bVertical)
{
    int extent = bVertical ? lpRect->bottom - lpRect->top : lpRect->right - lpRect->left;
    for (int i = 0; i < extent; ++i)
    {
        COLORREF color = RGB(Step(GetRValue(clrFrom), GetRValue(clrTo), i, extent),
                             Step(GetGValue(clrFrom), GetGValue(clrTo), i, extent),
                             Step(GetBValue(clrFrom), GetBValue(clrTo), i, extent));
        CPen pen(PS_SOLID, 1, color);
        CSelectGuard select(*pDC, pen);
        if (bVertical)
            Line(pDC, lpRect->left, lpRect->top + i, lpRect->right, lpRect->top + i);
        else
            Line(pDC, lpRect->left + i, lpRect->top, lpRect->left + i, lpRect->bottom);
    }
    return TRUE;
}

BOOL COXSkin2003::FillGradient4(CDC* pDC, LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrTopRight,
                                COLORREF clrBottomLeft, COLORREF clrBottomRight)
{
    if (m_pfnGradientFill == nullptr)
        return FillGradient4Lines(pDC, lpRect, clrTopLeft, clrTopRight, clrBottomLeft, clrBottomRight);
    TRIVERTEX vertices[6] = {
        Vertex(lpRect->left, lpRect->top, clrTopLeft),      Vertex(lpRect->right, lpRect->top, clrTopRight),
        Vertex(lpRect->left, lpRect->bottom, clrBottomLeft), Vertex(lpRect->right, lpRect->top, clrTopRight),
        Vertex(lpRect->left, lpRect->bottom, clrBottomLeft), Vertex(lpRect->right, lpRect->bottom, clrBottomRight)};
    GRADIENT_TRIANGLE mesh[2] = {{0, 1, 2}, {3, 4, 5}};
    return m_pfnGradientFill(pDC->GetSafeHdc(), vertices, 6, mesh, 2, GRADIENT_FILL_TRIANGLE);
}

BOOL COXSkin2003::FillGradient4Lines(CDC* pDC, LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrTopRight,
                                     COLORREF clrBottomLeft, COLORREF /*clrBottomRight*/)
{
    if (lpRect->right - lpRect->left >= lpRect->bottom - lpRect->top)
        return FillGradientLines(pDC, lpRect, clrTopLeft, clrBottomLeft, TRUE);
    return FillGradientLines(pDC, lpRect, clrTopLeft, clrTopRight, FALSE);
}

void COXSkin2003::DrawStripes(CDC* pDC, LPCRECT lpRect, BOOL bHorizontal)
{
    CPen dark(PS_SOLID, 1, GetGripperColor());
    CPen light(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOW));
    CSelectGuard restore(*pDC, dark);
    CRect r(lpRect);
    if (bHorizontal)
    {
        for (int y = r.top; y <= r.bottom; y += 4)
        {
            pDC->SelectObject(&dark);
            Line(pDC, r.left, y, r.right, y);
            Line(pDC, r.left, y + 1, r.right, y + 1);
            pDC->SelectObject(&light);
            Line(pDC, r.left + 1, y + 1, r.right + 1, y + 1);
            Line(pDC, r.left + 1, y + 2, r.right + 1, y + 2);
        }
    }
    else
    {
        for (int x = r.left; x <= r.right; x += 4)
        {
            pDC->SelectObject(&dark);
            Line(pDC, x, r.top, x, r.bottom);
            Line(pDC, x + 1, r.top, x + 1, r.bottom);
            pDC->SelectObject(&light);
            Line(pDC, x + 1, r.top + 1, x + 1, r.bottom + 1);
            Line(pDC, x + 2, r.top + 1, x + 2, r.bottom + 1);
        }
    }
}
