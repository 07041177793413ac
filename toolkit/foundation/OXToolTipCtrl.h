// COXToolTipCtrl: the toolkit's own tooltip window (not the common control):
// a topmost popup that keeps a list of tools, finds the tool under the mouse
// from the messages relayed to it, shows the tool's text after a delay below
// the cursor inside the monitor, hides it after a while or on a click or key,
// and shows a second, extended text (after "\r" in the tool's text) when the
// tip is clicked. Each tool may carry its own maximum width and colours.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/GdiObject.h"
#include "afx/Wnd.h"

// Colour that stands for the system's tooltip colour.
const COLORREF OXTT_DEFAULTCOLOR = 0xFF000000;

// One tool. The rectangle is in the client coordinates of the control's parent.
class COXToolTipInfo : public CObject
{
public:
    UINT nFlags = 0;
    HWND hWnd = nullptr;
    UINT_PTR nIDTool = 0;
    CRect rectBounds;
    int nTextCallback = 0;   // -1: the text comes from TTN_NEEDTEXT
    CString strText;
    int nWidth = 0;          // maximum width, 0 for none
    COLORREF clrTextColor = OXTT_DEFAULTCOLOR;
    COLORREF clrBackColor = OXTT_DEFAULTCOLOR;
    LPARAM lParam = 0;
};

// The tool description exchanged with callers: the system's TOOLINFO
// followed by the maximum width and the two colours; cbSize is its size.
struct OXTOOLINFO : public TOOLINFOA
{
    int nWidth;
    COLORREF clrTextColor;
    COLORREF clrBackColor;
};

class COXToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(COXToolTipCtrl)
public:
    COXToolTipCtrl();
    ~COXToolTipCtrl() override;

    BOOL Create(CWnd* pParentWnd);

    // A text of LPSTR_TEXTCALLBACK asks the parent (TTN_NEEDTEXT) each time.
    // The rectangle is in pWnd's client coordinates; NULL takes its whole window.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    BOOL GetToolInfo(OXTOOLINFO& info, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    BOOL SetToolInfo(const OXTOOLINFO* pInfo);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0);
    int GetToolCount() const { return static_cast<int>(m_arrTools.GetSize()); }
    // The tool at a point of the parent's client area, NULL for none.
    COXToolTipInfo* HitTest(CPoint point) const;

    void SetMaxTipWidth(int nWidth);
    void SetTextColor(COLORREF color);
    void SetBkColor(COLORREF color);
    BOOL SetTipFont(const LOGFONT* pLogFont, BOOL bRedraw = TRUE);
    void SetTextMargins(const CRect& margins) { m_rectMargins = margins; }
    void SetCursorOffset(CSize offset) { m_ptOffset = offset; }

    // Timing in milliseconds.
    void SetShowDelay(UINT nMs) { m_nShowDelay = nMs; }
    void SetCheckPeriod(UINT nMs) { m_nCheckInterval = nMs; }
    void SetDisplayTime(UINT nMs) { m_nDisplayTime = nMs; }
    UINT GetShowDelay() const { return m_nShowDelay; }
    UINT GetCheckPeriod() const { return m_nCheckInterval; }
    UINT GetDisplayTime() const { return m_nDisplayTime; }

    void Activate(BOOL bActivate);
    BOOL IsActive() const { return m_bActive; }
    // Gives the control the messages of the tool windows.
    void RelayEvent(MSG* pMsg);

    COXToolTipInfo* GetCurrentTool() const { return m_pCurrentToolTip; }
    BOOL IsExtended() const { return m_bExtended; }
    BOOL HasExtendedText() const { return m_bHasExtendedText; }
    BOOL IsTipShowing() const { return m_hWnd && ::IsWindowVisible(m_hWnd); }

    // The part of a tool text shown: before the first "\r" plus two blanks,
    // or (extended) two blanks plus the part after it; a text without "\r" whole.
    static CString TipPart(const CString& text, BOOL bExtended);
    // The tip rectangle kept inside the monitor; a tip that would reach past
    // the monitor's bottom stands directly above the tool window instead.
    static CRect PlaceTip(CRect tip, const CRect& monitor, int nToolWindowTop);

protected:
    virtual CRect CalcTipRect(CPoint point, COXToolTipInfo* pToolInfo, CSize size);
    virtual CSize CalcTextSize(const CString& text, COXToolTipInfo* pToolInfo);

    CString GetTipText(COXToolTipInfo* pToolInfo);
    void ShowTip(CPoint point, BOOL bExtended);
    void HideTip();
    void StartTiming(COXToolTipInfo* pToolInfo);
    COXToolTipInfo* ToolAtScreenPoint(CPoint screen) const;
    COXToolTipInfo* FindTool(HWND hWnd, UINT_PTR nIDTool) const;
    // A tool rectangle in pWnd's client coordinates (NULL: its whole window) in the parent's.
    CRect ToolRectInParent(CWnd* pWnd, LPCRECT lpRect) const;
    BOOL CursorOverTip() const;
    void UseSystemFont(BOOL bRedraw);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnDestroy();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pParentWnd;
    CRect m_rectMargins;
    int m_nMaxWidth;
    CSize m_ptOffset;
    CFont m_font;
    LOGFONT m_logFont;
    UINT m_nTextFormat;
    BOOL m_bUsingSystemFont;
    COXToolTipInfo* m_pCurrentToolTip;
    UINT m_nCheckInterval;
    UINT m_nDisplayTime;
    UINT m_nElapsedTime;
    UINT m_nShowDelay;
    BOOL m_bActive;
    BOOL m_bTipHidden;
    BOOL m_bHasExtendedText;
    BOOL m_bExtended;
    COLORREF m_clrBackColor;
    COLORREF m_clrTextColor;
    HWND m_hOldFocusWnd;
    CTypedPtrArray<CObArray, COXToolTipInfo*> m_arrTools;
};
