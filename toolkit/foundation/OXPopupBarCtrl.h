// COXPopupBarCtrl: a popup with a dialog frame showing a grid of equal
// buttons, each carrying one 32-bit value, with an optional "default" button
// above the grid and an optional "custom" button below it. Pick places it
// beside an anchor, captures the mouse and runs its own message loop until
// the user chooses a button (TRUE, the value in m_dwSelected), cancels, or
// clicks elsewhere (the click then still reaches the window under it). A bar
// with a tear-off strip can be dragged off into a floating tool window that
// stays open and tells its parent of each choice (WM_POPUPBAR_PICKED).
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/GdiObject.h"
#include "afx/Map.h"
#include "afx/ToolTipCtrl.h"
#include "afx/Wnd.h"
#include "toolkit/foundation/OXPopupBarLayout.h"

// A torn-off bar tells its parent that a value was chosen (lParam: the bar's window).
const UINT WM_POPUPBAR_PICKED = 0x8096;
// The window class of the bar.
#define POPUPBAR_CLASSNAME _T("PopupBarControl")

class COXPopupBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(COXPopupBarCtrl)
public:
    COXPopupBarCtrl(UINT nButtons, UINT nRows, DWORD dwDefault, CSize buttonSize, LPCTSTR lpszDefaultCaption,
                    LPCTSTR lpszCustomCaption);
    COXPopupBarCtrl(UINT nButtons, UINT nRows, DWORD dwDefault, CSize buttonSize, UINT nIDDefaultCaption,
                    UINT nIDCustomCaption);
    ~COXPopupBarCtrl() override;

    // A hidden popup owned by pParent; a brush of 0 paints with COLOR_BTNFACE.
    BOOL Create(CWnd* pParent, DWORD dwBarStyle, HBRUSH hbrBackground = nullptr);

    // Alignment 0-7 against the anchor (screen coordinates; NULL: the
    // parent's window rectangle) with the gaps. TRUE when a value was chosen.
    virtual BOOL Pick(UINT nAlignment = 3, CRect* pAnchorRect = nullptr, CSize szOffset = CSize(0, 0));

    // New data closes a torn-off bar, as a cancel would.
    void SetButtonData(const DWORD* pData, int nCount);
    void SetButtonData(const CDWordArray& data);
    const CDWordArray& GetButtonData() const { return m_arrData; }
    void SetToolTipText(DWORD dwValue, LPCTSTR lpszText);
    // The whole map from (value, string-resource id) pairs, from (value,
    // text) pairs, or from another map.
    void SetToolTipTexts(const DWORD* pValues, const UINT* pStringIds, int nCount);
    void SetToolTipTexts(const DWORD* pValues, const LPCTSTR* pTexts, int nCount);
    void SetToolTipTexts(const CMap<DWORD, DWORD, CString, LPCTSTR>& texts);
    CString GetToolTipText(DWORD dwValue) const;
    // A copy of the font (through its LOGFONT) for the captions.
    void SetTextFont(CFont* pFont);
    CFont* GetTextFont() { return &m_font; }
    BOOL HasToolTipText(DWORD dwValue) const;
    int GetToolTipCount() const { return static_cast<int>(m_mapToolTips.GetCount()); }

    int GetButtonCount() const { return m_nButtons; }
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return PopupBarColumnCount(m_nButtons, m_nRows); }
    BOOL IsDefaultButtonHidden() const { return (m_dwBarStyle & POPUPBAR_NODEFAULT) != 0; }
    BOOL IsCustomButtonHidden() const { return (m_dwBarStyle & POPUPBAR_NOCUSTOM) != 0; }
    int GetLastIndex() const { return IsCustomButtonHidden() ? m_nButtons : m_nButtons + 1; }
    DWORD GetDefaultValue() const { return m_dwDefault; }
    void SetDefaultValue(DWORD dwValue) { m_dwDefault = dwValue; }
    DWORD GetSelectedValue() const { return m_dwSelected; }
    void SetSelectedValue(DWORD dwValue) { m_dwSelected = dwValue; }
    DWORD GetBarStyle() const { return m_dwBarStyle; }
    BOOL IsTearOffShown() const { return (m_dwBarStyle & POPUPBAR_NOTEAROFF) == 0; }
    BOOL IsTornOff() const { return m_bTornOff; }
    BOOL IsDraggingTearOff() const { return m_bDragging; }
    CString GetFloatingCaption() const { return m_strFloatingCaption; }
    CWnd* GetBarLastActivePopup() const;
    int GetHotIndex() const { return m_nHotIndex; }
    int GetCheckedIndex() const { return m_nCheckedIndex; }
    const PopupBarLayout& GetLayout() const { return m_layout; }

    // 0 default, i+1 grid button i, N+1 custom, -1 nothing (client point).
    int HitTest(CPoint point) const;
    // The index showing the value: the default button, the first grid
    // button, else the custom button when shown; -1 for none.
    int FindButton(DWORD dwValue) const;
    void InvalidateButton(int nIndex);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void DrawBackground(CDC* pDC, const CRect& rect);
    virtual void DrawButtonAt(CDC* pDC, int nButton);
    virtual void DrawTearOffBar(CDC* pDC);
    virtual void DrawDefaultButton(CDC* pDC);
    virtual void DrawCustomButton(CDC* pDC);
    virtual void DrawButtonFrame(CDC* pDC, CRect rect, int nIndex);
    virtual void HandleButtonDown(CPoint point);
    virtual void HandleButtonUp();
    // Runs when the custom button ends a pick; the pick returns its answer.
    virtual BOOL OnCustomButton();
    virtual void SetHotButton(int nIndex);
    virtual void SetCheckedButton(int nIndex);

    // Creates the window, a popup or (torn off) a floating tool window.
    BOOL CreateBarWindow();
    BOOL CalcLayout();
    // After a pick that ended on the tear-off strip: drag a frame and float the bar there.
    void TearOff();
    BOOL TrackTearOff(CRect& rect);
    void CloseTornOff();
    void UpdateToolTips();
    void ChooseButton(int nIndex);
    void PostResult(UINT nMessage);
    void HandleKeyDown(UINT nChar);
    void HandleKeyUp(UINT nChar);
    CRect IndexRect(int nIndex) const;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnClose();
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    DECLARE_MESSAGE_MAP()

    CDWordArray m_arrData;
    int m_nButtons;
    int m_nRows;
    DWORD m_dwBarStyle;
    CMap<DWORD, DWORD, CString, LPCTSTR> m_mapToolTips;
    CToolTipCtrl m_toolTip;
    DWORD m_dwSelected;
    DWORD m_dwDefault;
    CSize m_buttonSize;
    CString m_strDefaultCaption;
    CString m_strCustomCaption;
    CString m_strTearOffTip;
    CString m_strFloatingCaption;
    CWnd* m_pParent;
    CFont m_font;
    CPalette m_palette;
    UINT_PTR m_nTimerId;
    BOOL m_bMouseSeen;
    CPoint m_lastMousePoint;
    int m_nCheckedIndex;
    int m_nHotIndex;
    PopupBarLayout m_layout;
    BOOL m_bPressed;
    BOOL m_bTearOffArmed;
    BOOL m_bTornOff;
    BOOL m_bDragging;
    int m_nPickResult;   // 0 running, 1 chosen, 2 cancelled, 3 custom, 4 tear-off
};
