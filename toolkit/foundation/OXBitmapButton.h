// COXBitmapButton: an owner-drawn push button whose window text holds its
// text and its tooltip separated by "\n", with an optional drop-down part
// (an arrow in the "Marlett" symbol font) and a toggle mode. A click on a
// drop-down button first asks the parent (WM_NOTIFY OXBBN_DROPDOWN); when the
// parent leaves it, the button drops down whatever OnDropDown shows.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/GdiObject.h"

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

class COXBitmapButton : public CButton
{
    DECLARE_DYNAMIC(COXBitmapButton)
public:
    COXBitmapButton();
    ~COXBitmapButton() override;

    CString GetText() const;
    CString GetToolTipText() const;
    void SetText(LPCTSTR lpszText);
    void SetToolTipText(LPCTSTR lpszTip);
    void SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }

    DWORD GetStyleFlags() const { return m_dwStyleFlags; }
    void SetStyleFlags(DWORD dwFlags, BOOL bRedraw = TRUE);
    DWORD GetStateFlags() const { return m_dwStateFlags; }
    void SetStateFlags(DWORD dwFlags, BOOL bRedraw = TRUE);

    virtual CSize GetDropDownSize() const;
    // Image and text rectangles inside the content rectangle (origin 0, 0).
    virtual void CalcLayout(CDC* pDC, const CRect& content, UINT nState, CRect& image, CRect& text);
    virtual void DrawButtonFrame(CDC* pDC, CRect rect, UINT nState);
    virtual void DrawButtonText(CDC* pDC, const CRect& rect, UINT nState, const CString& text);
    virtual void DrawButtonFocus(CDC* pDC, CRect rect, UINT nState);
    virtual int GetDropDownArrowWidth() const;
    virtual void DrawDropDownArrow(CDC* pDC, CRect rect, UINT nState);
    virtual void OnDropDown();
    virtual void OnToggle();
    virtual void NotifyParentOfState();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

protected:
    // The item state as drawn: ODS_DISABLED follows the window.
    UINT DrawState(UINT nItemState) const;
    void Toggle();
    // Draws the frame, text and arrow into the memory DC; the colour picker
    // adds its band here, so that it lies under the focus and is in the copy.
    virtual void DrawContent(CDC* pDC, const CRect& item, UINT nState, CRect& content, CRect& image, CRect& text);

    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()

    COLORREF m_textColor;
    CSize m_imageMargins;
    CSize m_textMargins;
    CSize m_focusMargins;
    CSize m_pressedOffset;
    CSize m_pushedOffset;
    CSize m_arrowMargins;
    DWORD m_dwStyleFlags;
    DWORD m_dwStateFlags;
};
