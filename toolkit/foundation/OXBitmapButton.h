// COXBitmapButton: an owner-drawn push button that shows an image (three
// images of an image list: normal, inactive, disabled; or a playing
// animation) and a text. Its window text holds the text and its tooltip
// separated by "\n". Options: a drop-down part (an arrow in the "Marlett"
// symbol font), hot tracking (flat until hovered), a toggle mode with an
// optional third state, a transparent mode that paints over a snapshot of
// the parent's background, its own cursors, its own tooltip window, and an
// enable override that keeps the window enabled while the button looks and
// acts disabled. A click on a drop-down button first asks the parent
// (WM_NOTIFY OXBBN_DROPDOWN); when the parent leaves it, OnDropDown runs.
#pragma once

#include "afx/AnimateCtrl.h"
#include "afx/BasicCtrls.h"
#include "afx/GdiObject.h"
#include "afx/ImageList.h"
#include "toolkit/foundation/OXToolTipCtrl.h"

class CDataExchange;

// Style flags.
const DWORD OXBB_DROPDOWN = 0x1;
const DWORD OXBB_TOGGLE = 0x2;
const DWORD OXBB_DROPDOWNRIGHT = 0x10000;
const DWORD OXBB_NOARROW = 0x20000;
const DWORD OXBB_THREESTATE = 0x40000;
// State flags.
const DWORD OXBB_STATE_PUSHED = 0x1;
const DWORD OXBB_STATE_THIRD = 0x2;
// Notifications to the parent (WM_NOTIFY codes); a non-zero answer to the
// drop-down notification keeps the button's own drop-down from running.
const UINT OXBBN_DROPDOWN = 0x8066;
const UINT OXBBN_TOGGLE = 0x8067;
// Posted to itself: check the hover state at the cursor position again.
const UINT WM_OXBB_CHECKHOVER = 0x8065;
// The id of the button's one tool in its tooltip.
const UINT_PTR OXBB_TOOLID = 1000;

class COXBitmapButton : public CButton
{
    DECLARE_DYNAMIC(COXBitmapButton)
public:
    COXBitmapButton();
    ~COXBitmapButton() override;

    // Text and tooltip, the two "\n" parts of the window text.
    CString GetText() const;
    CString GetToolTipText() const;
    void SetText(LPCTSTR lpszText);
    void SetToolTipText(LPCTSTR lpszTip);
    BOOL EnableButtonToolTip(BOOL bEnable = TRUE);
    COXToolTipCtrl* GetToolTip() { return m_toolTip.GetSafeHwnd() ? &m_toolTip : nullptr; }

    // Images: 0 normal, 1 inactive (grey), 2 disabled (embossed).
    BOOL LoadIcon(UINT nIconID, BOOL bResize = FALSE, UINT nWidth = 0, UINT nHeight = 0);
    BOOL LoadInactiveIcon(UINT nIconID);
    BOOL LoadInactiveBitmap(UINT nBitmapID);
    BOOL LoadDisabledBitmap(UINT nBitmapID);
    // An AVI clip from a file, played once each time the mouse enters the
    // button; it takes the image's place.
    BOOL LoadAnimation(LPCTSTR lpszFileName, BOOL bResize = FALSE);
    void RemoveImage(BOOL bResize = FALSE);
    CSize GetImageSize() const;
    int GetImageCount() const { return m_imageList.GetSafeHandle() ? m_imageList.GetImageCount() : 0; }
    CImageList* GetImageList() { return &m_imageList; }
    CAnimateCtrl* GetAnimation() { return &m_animation; }
    CPalette* GetPalette() { return &m_palette; }
    // Every colour-table entry but the transparent colour becomes grey; DIBs
    // of more than 8 bits per pixel are refused.
    static BOOL MakeGrayColorTable(BITMAPINFO* pInfo, COLORREF clrTransparent = CLR_NONE);

    CFont* GetTextFont();
    void SetTextFont(CFont* pFont);
    void SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }

    DWORD GetStyleFlags() const { return m_dwStyleFlags; }
    void SetStyleFlags(DWORD dwFlags, BOOL bRedraw = TRUE);
    DWORD GetStateFlags() const { return m_dwStateFlags; }
    void SetStateFlags(DWORD dwFlags, BOOL bRedraw = TRUE);
    BOOL SetTrackLook(BOOL bTrackLook);
    BOOL GetTrackLook() const { return m_bTrackLook; }
    BOOL IsHovering() const { return m_bHovering; }
    void SetTransparent(BOOL bTransparent);
    BOOL IsTransparent() const { return m_bTransparent; }
    BOOL SetButtonCursor(UINT nCursorID);
    BOOL SetDisabledCursor(UINT nCursorID);
    void SetArrowSeparator(BOOL bSeparator) { m_bArrowSeparator = bSeparator; }

    void SetEnableOverride(BOOL bOverride);
    BOOL GetEnableOverride() const { return m_bEnableOverride; }
    // Under the override the button keeps the state itself (the previous one
    // is returned); else the window is enabled or disabled.
    BOOL EnableButton(BOOL bEnable = TRUE);
    BOOL IsButtonEnabled() const;

    static CString StripMnemonics(LPCTSTR lpszText);

    virtual BOOL SizeToContent();
    virtual CSize GetFitSize();
    virtual CSize GetDropDownSize() const;
    // Image and text rectangles inside the content rectangle (origin 0, 0).
    virtual void CalcLayout(CDC* pDC, const CRect& content, UINT nState, CRect& image, CRect& text);
    virtual CPalette* SelectButtonPalette(CDC* pDC);
    virtual void DrawButtonFrame(CDC* pDC, CRect rect, UINT nState);
    virtual void DrawButtonImage(CDC* pDC, const CRect& rect, UINT nState);
    virtual void DrawButtonText(CDC* pDC, const CRect& rect, UINT nState, const CString& text);
    virtual void DrawButtonFocus(CDC* pDC, CRect rect, UINT nState, const CRect& image);
    virtual CPalette* SelectPaletteIntoDC(CDC* pDC, CPalette* pPalette);
    virtual int GetDropDownArrowWidth() const;
    virtual void DrawDropDownArrow(CDC* pDC, CRect rect, UINT nState);
    virtual void OnDropDown();
    virtual void OnToggle();
    // The reflected BN_CLICKED: FALSE lets the parent see the click too.
    virtual BOOL NotifyParentOfState();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

protected:
    // The item state as drawn: ODS_DISABLED follows IsButtonEnabled.
    UINT DrawState(UINT nItemState) const;
    void Toggle();
    // Draws the frame, image, text and arrow into the memory DC; the colour
    // picker adds its band here, so that it lies under the focus and is in the copy.
    virtual void DrawContent(CDC* pDC, const CRect& item, UINT nState, CRect& content, CRect& image, CRect& text);
    CSize MeasureText(CDC* pDC, const CString& text, int nRoomWidth);
    void CheckHover(CPoint screen);
    void RecheckState();
    void ResetToolTipTool();
    void DropBackground();
    void RetakeBackground();
    BOOL ReplaceImage(int nIndex, HBITMAP hBitmap, HICON hIcon);
    BOOL ReplaceImageByBitmap(int nIndex, UINT nBitmapID);
    void CloseAnimation();

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnCheckHover(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()

    CAnimateCtrl m_animation;
    BOOL m_bAnimationPlaying;
    CImageList m_imageList;
    CPalette m_palette;
    COLORREF m_textColor;
    CFont m_font;
    COXToolTipCtrl m_toolTip;
    BOOL m_bTrackLook;
    BOOL m_bHovering;
    BOOL m_bMouseDown;
    BOOL m_bTransparent;
    CImageList m_background;
    BOOL m_bBackgroundTaken;
    UINT m_nCursorID;
    HCURSOR m_hCursor;
    UINT m_nDisabledCursorID;
    HCURSOR m_hDisabledCursor;
    BOOL m_bEnableOverride;
    BOOL m_bOverrideEnabled;
    BOOL m_bHadTabStop;
    BOOL m_bArrowSeparator;
    CSize m_imageMargins;
    CSize m_textMargins;
    CSize m_defaultFrameMargins;
    CSize m_focusMargins;
    CSize m_focusEllipseSize;
    CSize m_pressedOffset;
    CSize m_pushedOffset;
    CSize m_hoverOffset;
    CSize m_arrowMargins;
    DWORD m_dwStyleFlags;
    DWORD m_dwStateFlags;
    int m_nArrowWidth;
};

// For a toggle button: saving gives 0, 1 (pushed) or 2 (third state), -1 for
// a button that is no toggle; loading 1 pushes, 2 sets the third state and
// anything else clears both and writes 0 back.
void AFXAPI DDX_BitmapButtonState(CDataExchange* pDX, int nIDC, int& nState);
