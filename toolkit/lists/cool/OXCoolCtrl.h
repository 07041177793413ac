// COXCoolCtrl<T>: gives a standard control the flat "cool" look. While cold
// the control's frame and standard scroll bars are painted flat; while hot
// (the mouse over it, or the focus inside it) it shows the usual sunken edge.
// Hot tracking uses the mouse messages the control receives and a 150 ms
// polling timer that runs only while the cursor is over the control. Each
// control owns a tool tip with one tool (id 1000) over its client area.
//
// The template works on a window it subclasses as well as on one created
// through it. The instances the toolkit uses are compiled once in the source.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/DateTimeCtrl.h"
#include "afx/GdiObject.h"
#include "afx/HotKeyCtrl.h"
#include "afx/IPAddressCtrl.h"
#include "afx/ListCtrl.h"
#include "afx/RangeCtrls.h"
#include "afx/RichEditCtrl.h"
#include "afx/String.h"
#include "afx/ToolTipCtrl.h"
#include "afx/TreeCtrl.h"

// The hover timer's event id and period, and the tool tip's tool id.
const UINT_PTR OXCOOL_HOVER_TIMER = 210;
const UINT OXCOOL_HOVER_PERIOD = 150;
const UINT_PTR OXCOOL_TOOL_ID = 1000;

// TRUE when the window's class is "Edit", respectively "msctls_updown32"
// (case-insensitive).
BOOL IsEditWindowClass(HWND hWnd);
BOOL IsUpDownWindowClass(HWND hWnd);

// Flat-thumb placement of a scroll bar: where the thumb goes inside a track
// of the given start and length, or FALSE when the system thumb stays (no
// page, a page beyond the range, or a track shorter than 8 pixels).
struct COXCoolThumb
{
    int nStart;
    int nLength;
};
BOOL OXCoolCalcThumb(const SCROLLINFO& info, int nTrackStart, int nTrackLength, COXCoolThumb& thumb);

// The flat look of an arrow or a thumb: a raised edge with a face-coloured
// ring inside it.
void OXCoolDrawFlatButton(CDC* pDC, CRect rect);

template <class T>
class COXCoolCtrl : public T
{
public:
    COXCoolCtrl();
    ~COXCoolCtrl() override;

    virtual BOOL IsCool() const { return m_bCool; }
    virtual void SetCool(BOOL bCool);
    virtual void CheckMousePosition(BOOL bIncludeChildren);
    virtual BOOL InitializeControl();
    virtual void SetHot(BOOL bHot);
    virtual void OnFocusChange(CWnd* pWndGainFocus, CWnd* pWndLoseFocus);
    virtual BOOL HandleKeyDown(UINT nVirtKey);
    virtual void OnMouseEnter(const CPoint& point);
    virtual void OnMouseLeave(const CPoint& point);
    virtual BOOL OnChangeTooltipText(const CString& sText);

    BOOL IsHot() const { return m_bHot; }

    BOOL GetTooltipText(CString& sText) const;
    BOOL SetTooltipText(const CString& sText);

    // Paints the frame; runs after the default handling of WM_NCPAINT.
    void DrawFlatBorder();
    // Flattens one scroll bar drawn in rect.
    void DrawFlatScrollBar(CDC* pDC, CRect rect, BOOL bHorz);

    // Whether pWnd is pWndAncestor or lies below it (framework owners,
    // parents of child windows, system owners of the rest).
    static BOOL IsAncestorOf(CWnd* pWndAncestor, CWnd* pWnd);
    // The spin attached to an edit: a child of the edit's parent of class
    // "msctls_updown32" with a framework object, whose buddy is the edit and
    // that is aligned left or right of it. NULL when there is none.
    static HWND FindBuddySpin(HWND hWnd);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL m_bCool;
    UINT_PTR m_nHoverTimerID;
    BOOL m_bMouseOver;
    BOOL m_bHot;
    CToolTipCtrl m_tooltip;
    BOOL m_bInitialized;

private:
    // Made on the first frame painting with the colours of that moment.
    static CPen s_penHighlight;
    static CPen s_penShadow;
};

extern template class COXCoolCtrl<CEdit>;
extern template class COXCoolCtrl<CButton>;
extern template class COXCoolCtrl<CSpinButtonCtrl>;
extern template class COXCoolCtrl<CHotKeyCtrl>;
extern template class COXCoolCtrl<CScrollBar>;
extern template class COXCoolCtrl<CProgressCtrl>;
extern template class COXCoolCtrl<CSliderCtrl>;
extern template class COXCoolCtrl<CDateTimeCtrl>;
extern template class COXCoolCtrl<CMonthCalCtrl>;
extern template class COXCoolCtrl<CIPAddressCtrl>;
extern template class COXCoolCtrl<CListCtrl>;
extern template class COXCoolCtrl<CTreeCtrl>;
extern template class COXCoolCtrl<CListBox>;
extern template class COXCoolCtrl<CRichEditCtrl>;
extern template class COXCoolCtrl<CWnd>;
extern template class COXCoolCtrl<CComboBox>;
