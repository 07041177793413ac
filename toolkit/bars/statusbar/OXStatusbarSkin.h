// The status-bar painters of the three looks.
#pragma once

#include "afx/Rect.h"
#include "toolkit/bars/skins/OXSkinInterfaces.h"

class COXSkinXP;
class COXSkin2003;

// Lets the native control paint and adds the pane bitmaps.
class COXStatusbarSkinClassic : public COXStatusbarSkin
{
public:
    void OnPaintStatusbar(COXStatusBar* pBar) override;
    void DrawPanes(CDC* pDC, COXStatusBar* pBar) override;
    void DrawPaneBorders(CDC* pDC, COXStatusBar* pBar) override;
    void DrawGripper(CDC* pDC, COXStatusBar* pBar) override;
};

// Flat panes on the button face with the lock indicators lit or grey.
class COXStatusbarSkinXP : public COXStatusbarSkin
{
public:
    explicit COXStatusbarSkinXP(COXSkinXP* pSkin) : m_pSkin(pSkin) {}

    void OnPaintStatusbar(COXStatusBar* pBar) override;
    void DrawPanes(CDC* pDC, COXStatusBar* pBar) override;
    void DrawPaneBorders(CDC* pDC, COXStatusBar* pBar) override;
    void DrawGripper(CDC* pDC, COXStatusBar* pBar) override;

protected:
    // The pane's item rectangle; the last pane ends at its width + 6.
    static CRect PaneRect(COXStatusBar* pBar, int nIndex);
    // FALSE when the parent frame has no sizing border or is maximized.
    static BOOL HasGripper(COXStatusBar* pBar);
    // The square at the bar's right end, side = the client height rounded
    // down to even; FALSE when the bar shows no gripper.
    static BOOL GripperSquare(COXStatusBar* pBar, CRect& square);
    virtual void FillBackground(CDC* pDC, const CRect& rect);
    void DrawIndicatorPane(CDC* pDC, const CRect& rect, COXStatusBar* pBar, int nIndex, BOOL bOn);

    COXSkinXP* m_pSkin;
};

// The 2003 bands, etched separators and a dotted gripper.
class COXStatusbarSkin2003 : public COXStatusbarSkinXP
{
public:
    explicit COXStatusbarSkin2003(COXSkin2003* pSkin);

    void DrawPaneBorders(CDC* pDC, COXStatusBar* pBar) override;
    void DrawGripper(CDC* pDC, COXStatusBar* pBar) override;

protected:
    void FillBackground(CDC* pDC, const CRect& rect) override;
    COXSkin2003* Skin2003() const;
};
