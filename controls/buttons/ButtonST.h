// CButtonST: an owner-drawn push button with an icon or masked bitmap beside
// its caption (separate images for the in and out states), per-state colours,
// a flat look lit while the cursor is over it, its own tooltip, an optional
// drop-down menu, a web address opened on click and sounds on hover and click.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/DC.h"
#include "controls/menu/BCMenu.h"

class CButtonST : public CButton
{
    DECLARE_DYNAMIC(CButtonST)
public:
    enum { ST_ALIGN_HORIZ = 0, ST_ALIGN_VERT = 1, ST_ALIGN_HORIZ_RIGHT = 2, ST_ALIGN_OVERLAP = 3 };
    enum { BTNST_COLOR_BK_IN = 0, BTNST_COLOR_FG_IN, BTNST_COLOR_BK_OUT, BTNST_COLOR_FG_OUT,
           BTNST_COLOR_BK_FOCUS, BTNST_COLOR_FG_FOCUS, BTNST_MAX_COLORS };
    enum { BTNST_OK = 0, BTNST_INVALIDRESOURCE = 1, BTNST_FAILEDMASK = 2, BTNST_INVALIDINDEX = 3,
           BTNST_INVALIDALIGN = 4, BTNST_BADPARAM = 5 };
    // Pseudo handles for the out image: a grey or a darker copy of the in image.
    static const INT_PTR BTNST_AUTO_GRAY = -2;
    static const INT_PTR BTNST_AUTO_DARKER = -3;
    enum { PathBufferSize = 260 };

    CButtonST();
    ~CButtonST() override;

    DWORD SetIcon(HICON hIconIn, HICON hIconOut = nullptr, DWORD dwCx = 0xFFFFFFFF, DWORD dwCy = 0xFFFFFFFF);
    DWORD SetIconFromResource(int nIconIn, int nCxIn, int nCyIn, int nIconOut = 0, int nCxOut = 0, int nCyOut = 0);
    DWORD SetBitmaps(HBITMAP hBitmapIn, COLORREF crTransColorIn, HBITMAP hBitmapOut = nullptr, COLORREF crTransColorOut = 0);
    DWORD SetBitmapsFromResource(int nBitmapIn, COLORREF crTransColorIn, int nBitmapOut = 0, COLORREF crTransColorOut = 0);

    DWORD SetFlat(BOOL bFlat = TRUE, BOOL bRepaint = TRUE);
    DWORD SetAlign(BYTE byAlign, BOOL bRepaint = TRUE);
    DWORD SetCheck(int nCheck, BOOL bRepaint = TRUE);
    int GetCheck() const { return m_nCheck; }
    DWORD SetDrawBorder(BOOL bDrawBorder = TRUE, BOOL bRepaint = TRUE);
    DWORD SetDrawFlatFocus(BOOL bDrawFlatFocus, BOOL bRepaint = TRUE);
    DWORD SetAlwaysTrack(BOOL bAlwaysTrack = TRUE);
    DWORD SetDefaultColors(BOOL bRepaint = TRUE);
    DWORD SetColor(BYTE byColorIndex, COLORREF crColor, BOOL bRepaint = TRUE);
    DWORD GetColor(BYTE byColorIndex, COLORREF* crpColor) const;
    DWORD OffsetColor(BYTE byColorIndex, short shOffset, BOOL bRepaint = TRUE);
    DWORD SetBtnCursor(int nCursorId = 0, BOOL bRepaint = TRUE);
    DWORD SetURL(LPCTSTR lpszURL = nullptr);
    DWORD SetMenu(UINT nMenu, HWND hParentWnd, BOOL bWinXPStyle = TRUE, UINT nToolbarID = 0,
                  CSize sizeToolbarIcon = CSize(16, 16), COLORREF crToolbarBk = RGB(255, 0, 255), BOOL bRepaint = TRUE);
    DWORD SetMenuCallback(HWND hWnd, UINT nMessage, LPARAM lParam = 0);
    DWORD SetSound(LPCTSTR lpszSound, HMODULE hMod = nullptr, BOOL bPlayOnClick = FALSE, BOOL bPlayAsync = TRUE);
    DWORD EnableBalloonTooltip();
    void SetTooltipText(LPCTSTR lpszText, BOOL bActivate = TRUE);
    void SetTooltipText(int nText, BOOL bActivate = TRUE);
    void ActivateTooltip(BOOL bEnable = TRUE);
    DWORD SizeToContent();
    // Transparent mode: the button draws over a copy of its parent's
    // background instead of filling. SetBk takes a fresh copy from the given
    // DC of the parent (BTNST_BADPARAM when not transparent or no DC).
    DWORD DrawTransparent(BOOL bRepaint = FALSE);
    DWORD SetBk(CDC* pDC);
    BOOL IsTransparent() const { return m_bDrawTransparent; }

    BOOL IsMouseOver() const { return m_bMouseOnButton; }
    BOOL IsCheckBox() const { return m_bIsCheckBox; }
    const char* GetURL() const { return m_szURL; }
    const char* GetSoundName(BOOL bClick) const { return m_csSounds[bClick ? 1 : 0].szSound; }
    HWND GetTooltipWnd() const { return m_hToolTip; }

    // Plain rules of drawing, usable without a window.
    // Which image is drawn: the in image when pressed or (outside check-box
    // mode) hovered, else the out image when there is one.
    static bool UseInImage(bool bPressed, bool bMouseOver, bool bCheckBox, bool bHasOutImage);
    // Colour index of the background for a state; the text colour is the next one.
    static int BackgroundIndex(bool bPressed, bool bMouseOver, bool bFocused);
    static COLORREF OffsetColorValue(COLORREF cr, short shOffset);
    // Copies at most size - 1 bytes and always terminates.
    static void CopyBounded(char* pDest, size_t size, LPCTSTR lpszSource);

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PreSubclassWindow() override;

protected:
    virtual DWORD OnDrawBackground(CDC* pDC, CRect* pRect);
    virtual DWORD OnDrawBorder(CDC* pDC, CRect* pRect);
    virtual void DrawTheIcon(CDC* pDC, BOOL bHasTitle, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed, BOOL bIsDisabled);
    virtual void DrawTheBitmap(CDC* pDC, BOOL bHasTitle, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed, BOOL bIsDisabled);
    virtual void DrawTheText(CDC* pDC, LPCTSTR lpszText, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed, BOOL bIsDisabled);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg BOOL OnClicked();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSysColorChange();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    // The drop-down menu is tracked with the button as its owner, so its items
    // are measured, drawn and matched to typed letters here.
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    DECLARE_MESSAGE_MAP()

    // The drop-down menu, or one of its sub-menus, that is hMenu or holds the
    // item record itemData; null when the item is not the drop-down menu's.
    BCMenu* FindDropDownMenu(HMENU hMenu, ULONG_PTR itemData);

    void FreeResources(BOOL bCheckForNULL = TRUE);
    // Copies the parent's background under the button from pDC (its client DC when null).
    void CopyParentBackground(CDC* pDC);
    void FreeBackground();
    void PaintBk(CDC* pDC);
    void CancelHover();
    void PrepareImageRect(BOOL bHasTitle, RECT* rpItem, CRect* rpTitle, BOOL bIsPressed, DWORD dwWidth, DWORD dwHeight, CRect* rpImage);
    void PlaySlot(int nSlot);
    HICON CreateDerivedIcon(HICON hIcon, bool bGray);
    HBITMAP CreateDerivedBitmap(HBITMAP hBitmap, COLORREF crTrans, bool bGray);
    HBITMAP CreateMask(HBITMAP hSource, DWORD dwWidth, DWORD dwHeight, COLORREF crTransColor);

    struct STRUCT_ICONS { HICON hIcon; DWORD dwWidth; DWORD dwHeight; };
    struct STRUCT_BITMAPS { HBITMAP hBitmap; DWORD dwWidth; DWORD dwHeight; HBITMAP hMask; COLORREF crTransparent; };
    struct STRUCT_CALLBACK { HWND hWnd; UINT nMessage; LPARAM lParam; };
    struct STRUCT_SOUND { char szSound[PathBufferSize]; LPCTSTR lpszSound; HMODULE hMod; DWORD dwFlags; };

    int m_nImageMarginX, m_nImageMarginY;
    int m_nPressedOffsetX, m_nPressedOffsetY;
    BOOL m_bIsFlat;
    BOOL m_bMouseOnButton;
    BOOL m_bDrawTransparent;
    BOOL m_bIsDefault;
    BOOL m_bIsCheckBox;
    BYTE m_byAlign;
    BOOL m_bDrawBorder;
    BOOL m_bDrawFlatFocus;
    COLORREF m_crColors[BTNST_MAX_COLORS];
    HWND m_hParentWndMenu;
    BOOL m_bMenuDisplayed;
    BCMenu m_menuPopup;
    HCURSOR m_hCursor;
    HWND m_hToolTip;
    BOOL m_bAlwaysTrack;
    int m_nCheck;
    DWORD m_dwToolTipStyle;
    char m_szURL[PathBufferSize];
    // The copy of the parent's background under the button (transparent mode).
    CDC m_dcBk;
    CBitmap m_bmpBk;
    HBITMAP m_pbmpOldBk;
    STRUCT_ICONS m_csIcons[2];
    STRUCT_BITMAPS m_csBitmaps[2];
    STRUCT_CALLBACK m_csCallbacks;
    STRUCT_SOUND m_csSounds[2];
    // The state of the drawing pass under way, for the drawing hooks.
    BOOL m_bDrawPressed;
    BOOL m_bDrawFocused;
};
