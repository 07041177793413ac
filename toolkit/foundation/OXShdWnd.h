// COXShdWnd: a window that draws a soft drop shadow by darkening the screen
// pixels along its right and bottom edges. It keeps the colours it darkened
// and writes them back when it moves, changes size or hides, so that no old
// shadow stays on the screen.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/Map.h"
#include "afx/Wnd.h"

#include <functional>

class COXShdWnd : public CWnd
{
    DECLARE_DYNAMIC(COXShdWnd)
public:
    COXShdWnd();
    ~COXShdWnd() override;

    // Each of red, green and blue scaled by (255 - nAmount) / 255.
    static COLORREF DarkenColor(COLORREF clr, int nAmount);
    // How many pixels the shadow reaches past the right and bottom edges.
    static int GetShadowSize();
    // Calls fn(x, y, factor) for every pixel of the shadow of rect, always in
    // the same order; the pixel's colour is to be scaled by factor / 255.
    static void ForEachShadowPixel(const CRect& rect, const std::function<void(int, int, int)>& fn);
    // Draws the shadow of rect on the DC. With pSave the colours read are
    // appended to it in pixel order; with pRestore those colours are written
    // back instead and nothing is read or darkened.
    static void DrawShadow(CDC* pDC, const CRect& rect, CDWordArray* pSave = nullptr,
                           const CDWordArray* pRestore = nullptr);

    // TRUE while the screen under the shadow holds darkened pixels whose
    // colours are kept.
    BOOL IsShadowSaved() const { return m_dwFlags != 0; }
    INT_PTR GetSavedCount() const { return m_savedColors.GetCount(); }

protected:
    // Writes the kept colours back to the screen and forgets them.
    void RestoreScreen();

    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    // Non-zero while a shadow is drawn with its original colours kept.
    DWORD m_dwFlags;
    // The original colour of each darkened screen pixel, by MAKELONG(x, y).
    CMap<DWORD, DWORD, COLORREF, COLORREF> m_savedColors;
};
