// COXBackgroundPainter: paints one window's background with a wallpaper laid
// out by one of eleven paint types over a solid colour. It hooks the window's
// procedure and answers WM_ERASEBKGND itself. The image may be aligned to
// another window (the origin window), so that a toolbar, its dock bar and a
// frame's MDI client show one continuous picture.
#pragma once

#include "afx/String.h"
#include "afx/Wnd.h"
#include "toolkit/foundation/OXDIB.h"
#include "toolkit/foundation/OXHookWnd.h"

#include <vector>

enum PaintType
{
    Tile = 0,
    Stretch = 1,
    TopLeft = 2,
    TopCenter = 3,
    TopRight = 4,
    CenterLeft = 5,
    Center = 6,
    CenterRight = 7,
    BottomLeft = 8,
    BottomCenter = 9,
    BottomRight = 10
};

// The colour that stands for the window class's background brush.
const COLORREF OXBACKGROUND_DEFAULT_COLOR = 0xFF000000;

// Where the image goes: the destination rectangles for a paint area of
// size area, an image of size image, an origin area of size origin and the
// origin's offset in the DC. A type outside 0..10 or an image without width
// or height gives none.
std::vector<CRect> OXBackgroundLayout(int nPaintType, CPoint offset, CSize area, CSize image, CSize origin);

// A window's paint area in screen coordinates: its rectangle less the frame
// and caption; empty for a missing window.
CRect OXBackgroundPaintArea(CWnd* pWnd);

class COXBackgroundPainter : public COXHookWnd
{
public:
    COXBackgroundPainter();
    ~COXBackgroundPainter() override;

    BOOL Attach(CWnd* pWnd, const COXDIB* pDIB, int nPaintType = Tile, COLORREF clrBk = OXBACKGROUND_DEFAULT_COLOR,
                CWnd* pOriginWnd = nullptr);
    void Detach(BOOL bRedraw = TRUE);

    BOOL SetWallpaper(const COXDIB* pDIB, BOOL bRedraw = TRUE);
    // FALSE, and nothing changes, when a named file cannot be read; an
    // empty name clears the image.
    BOOL SetWallpaperFile(const CString& sFileName, BOOL bRedraw = TRUE);
    void SetPaintType(int nPaintType, BOOL bRedraw = TRUE);
    void SetBkColor(COLORREF clrBk, BOOL bRedraw = TRUE);
    void SetOriginWnd(CWnd* pOriginWnd, BOOL bRedraw = TRUE);

    const COXDIB& GetWallpaper() const { return m_dib; }
    CString GetWallpaperFileName() const { return m_sFileName; }
    int GetPaintType() const { return m_nPaintType; }
    COLORREF GetBkColor() const { return m_clrBk; }
    CWnd* GetOriginWnd() const { return m_pOriginWnd; }
    CWnd* GetHookedWindow() const { return CWnd::FromHandle(m_hWndHooked); }

    BOOL SaveState(LPCTSTR lpszSection);
    BOOL LoadState(LPCTSTR lpszSection, BOOL bRedraw = TRUE);

    int RealizeWallpaperPalette(BOOL bRedraw, BOOL bForeground);

    virtual void DrawBackground(CDC* pDC);
    virtual void FillBackground(CDC* pDC);
    virtual void CalcOriginRect(POINT& ptOffset, RECT& rcOrigin);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Redraw(UINT nFlags);

    COXDIB m_dib;
    int m_nPaintType;
    COLORREF m_clrBk;
    CWnd* m_pOriginWnd;
    CString m_sFileName;
    CRect m_rectWindow;
};
