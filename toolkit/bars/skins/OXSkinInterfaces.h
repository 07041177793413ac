// The eight painter interfaces of the skinned windows. A look owns one
// painter of each kind; a window without a current skin makes and owns a
// classic painter of its kind. The virtual operations are in a fixed order
// that every painter keeps; an operation a painter does not need is an empty
// body or the window's default processing, never left pure.
#pragma once

#include "afx/Afx.h"

class CDC;
class CWnd;
class CComboBox;
class CControlBar;
class COXSizeControlBar;
class COXSizeDockBar;
class COXSplitterRect;
class COXSizableMiniDockFrameWnd;
class COXStatusBar;
class COXSHBListCtrl;
class COXBitmapMenu;
class COXShadowedItemWnd;
class COXCoolToolBar;
class COXMenuBar;
struct OXIMAGEINFO;
struct OXMENUSKINMETRICS;

// Painter of the resizable control bars and the dock bars that hold them.
class COXDockbarSkin
{
public:
    virtual ~COXDockbarSkin() = default;
    virtual void DrawCaption(CDC* pDC, COXSizeControlBar* pBar) = 0;
    virtual void DrawCloseButton(CDC* pDC, COXSizeControlBar* pBar) = 0;
    virtual void DrawResizeButton(CDC* pDC, COXSizeControlBar* pBar) = 0;
    virtual int& GetCaptionButtonInset() = 0;
    virtual void DrawNonClientBackground(CDC* pDC, LPRECT lpRect, COXSizeControlBar* pBar) = 0;
    virtual void DrawSplitter(CDC* pDC, COXSplitterRect* pSplitter, COXSizeDockBar* pDockBar) = 0;
    virtual void OnNcPaintDockbar(COXSizeDockBar* pDockBar) = 0;
    virtual void OnEraseBkgndDockbar(CDC* pDC, COXSizeDockBar* pDockBar) = 0;
    // Returns the left edge of the client rectangle.
    virtual int CalcNonClientSize(BOOL bCalcValidRects, LPRECT lpRect, COXSizeControlBar* pBar) = 0;
    virtual void CalcCaptionButtons(COXSizeControlBar* pBar) = 0;
    virtual COLORREF GetFrameColor() = 0;
};

// Painter of frame-like windows that draw their own outline.
class COXFrameSkin
{
public:
    virtual ~COXFrameSkin() = default;
    virtual void DrawFrame(CWnd* pWnd) = 0;
    virtual LPRECT AdjustFrameRect(LPRECT lpRect, CWnd* pWnd) = 0;
    virtual COLORREF GetBackgroundColor() = 0;
    virtual COLORREF GetBorderColor() = 0;
};

// Painter of the floating frame of docking bars.
class COXMiniFrameSkin
{
public:
    virtual ~COXMiniFrameSkin() = default;
    virtual void OnNcPaintMiniFrame(COXSizableMiniDockFrameWnd* pFrame) = 0;
    virtual BOOL OnNcActivateMiniFrame(BOOL bActive, COXSizableMiniDockFrameWnd* pFrame) = 0;
    virtual void DrawMiniFrameCaption(COXSizableMiniDockFrameWnd* pFrame) = 0;
    // TRUE when the painter drew the caption buttons.
    virtual BOOL DrawMiniFrameButtons(COXSizableMiniDockFrameWnd* pFrame) = 0;
};

// Painter of the extended status bar.
class COXStatusbarSkin
{
public:
    virtual ~COXStatusbarSkin() = default;
    virtual void OnPaintStatusbar(COXStatusBar* pBar) = 0;
    virtual void DrawPanes(CDC* pDC, COXStatusBar* pBar) = 0;
    virtual void DrawPaneBorders(CDC* pDC, COXStatusBar* pBar) = 0;
    virtual void DrawGripper(CDC* pDC, COXStatusBar* pBar) = 0;
};

// Painter of the skinned tab controls, their scroll arrows and the tabbed
// MDI client with its workspace.
class COXTabSkin
{
public:
    virtual ~COXTabSkin() = default;
    virtual void OnPaintTabCtrl(CWnd* pTabCtrl) = 0;
    virtual void OnPaintSpinButton(CWnd* pSpin) = 0;
    virtual void DrawWorkspaceBorder(CDC* pDC, LPRECT lpRect, CWnd* pWnd) = 0;
    virtual void OnNcPaintTabClient(CWnd* pClient) = 0;
    // Grows lpRect by nGrow pixels where the tab frame is thin.
    virtual void AdjustTabClientRect(LPRECT lpRect, int nGrow, CWnd* pWorkspace) = 0;
};

// Painter of the shortcut bar and its group list.
class COXShortcutBarSkin
{
public:
    virtual ~COXShortcutBarSkin() = default;
    virtual COLORREF GetBackgroundColor(CWnd* pWnd) = 0;
    virtual COLORREF GetTextColor(CWnd* pWnd) = 0;
    virtual void DrawItemBorder(CDC* pDC, LPRECT lpRect, BOOL bHot, BOOL bPressed, COXSHBListCtrl* pList) = 0;
    virtual void FillBackground(CDC* pDC, LPRECT lpRect, CWnd* pWnd, BOOL bCustomColor, COLORREF clr) = 0;
    // Reserved: empty in every painter.
    virtual void Reserved1(CWnd* /*pWnd*/) {}
    virtual void Reserved2(CWnd* /*pWnd*/) {}
};

// Painter of the bitmap menus, their popup windows and the menu bar.
class COXMenuSkin
{
public:
    virtual ~COXMenuSkin() = default;
    virtual void DrawBackground(CDC* pDC, UINT nState, OXIMAGEINFO* pImageInfo, LPCRECT rcItem,
                                LPCRECT rcImageFrame, COXBitmapMenu* pMenu) = 0;
    virtual void DrawImageFrame(CDC* pDC, UINT nState, OXIMAGEINFO* pImageInfo, LPCRECT rcImageFrame,
                                COXBitmapMenu* pMenu) = 0;
    virtual void DrawImage(CDC* pDC, UINT nState, OXIMAGEINFO* pImageInfo, LPCRECT rcImage,
                           COXBitmapMenu* pMenu) = 0;
    virtual void DrawText(CDC* pDC, UINT nState, LPCTSTR lpszText, LPCRECT rcText, LPCRECT rcShortcut,
                          COXBitmapMenu* pMenu) = 0;
    virtual void DrawSeparator(CDC* pDC, LPCRECT rcItem, COXBitmapMenu* pMenu) = 0;
    virtual void DrawCustomizeFrame(CDC* pDC, LPCRECT rcItem, COXBitmapMenu* pMenu) = 0;
    virtual void DrawInsertMark(CDC* pDC, LPCRECT rcItem, BOOL bBefore, COXBitmapMenu* pMenu) = 0;
    virtual void DrawSubmenuItem(CDC* pDC, UINT nState, LPCTSTR lpszText, OXIMAGEINFO* pImageInfo,
                                 LPCRECT rcItem, LPCRECT rcImageFrame, LPCRECT rcText, LPCRECT rcShortcut,
                                 COXBitmapMenu* pMenu) = 0;
    virtual void DrawExpandItem(CDC* pDC, LPCRECT rcItem, UINT nState, COXBitmapMenu* pMenu) = 0;
    virtual OXMENUSKINMETRICS& GetMetrics() = 0;
    virtual LRESULT PopupWindowProc(WNDPROC pfnOldProc, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) = 0;
    virtual void DrawPopupFrame(CWnd* pPopupWnd) = 0;
    virtual void DrawShadowedItemWnd(COXShadowedItemWnd* pWnd) = 0;
    virtual void AdjustExpandItemHeight(int* pnHeight, COXBitmapMenu* pMenu) = 0;
    virtual void DistributeItemRects(CDC* pDC, OXIMAGEINFO* pImageInfo, LPCRECT rcItem, LPRECT rcImageFrame,
                                     LPRECT rcImage, LPRECT rcText, LPRECT rcShortcut, COXBitmapMenu* pMenu) = 0;
};

// Painter of the cool toolbar, the menu bar and the skinned combo box.
class COXToolbarSkin
{
public:
    virtual ~COXToolbarSkin() = default;
    virtual void DrawGripper(CDC* pDC, LPCRECT rcGripper, CControlBar* pBar) = 0;
    virtual void OnNcPaintToolbar(CDC* pDC, LPCRECT rcWindow, COXCoolToolBar* pBar) = 0;
    virtual void DrawSeparator(CDC* pDC, LPCRECT lpRect, COXCoolToolBar* pBar) = 0;
    virtual void DrawCustomizeFrame(CDC* pDC, LPCRECT lpRect, COXCoolToolBar* pBar) = 0;
    virtual void OnCustomDrawToolbar(NMHDR*& pNMHDR, LRESULT*& pResult, COXCoolToolBar* pBar) = 0;
    virtual void OnPaintComboBox(CComboBox* pComboBox) = 0;
    // Reserved: does nothing in every painter.
    virtual void Reserved(CWnd* /*pWnd*/) {}
    virtual void DrawComboBoxFrame(CComboBox* pComboBox) = 0;
    virtual void DrawControlFrame(CWnd* pCtrl) = 0;
    virtual void DrawMenuBarButtons(CDC* pDC, COXMenuBar* pMenuBar) = 0;
    virtual BOOL OnEraseBkgndToolbar() = 0;
};
