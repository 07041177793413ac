// A frame status bar with per-pane extras: a bitmap with a transparent
// colour and one of seven placements, a progress control with an optional
// percentage, a font, a text colour, a cursor and a tooltip of its own, and
// a double-click notification to the parent. It paints through the status
// bar painter of the current skin, or a classic one of its own.
#pragma once

#include "afx/DC.h"
#include "afx/GdiObject.h"
#include "afx/RangeCtrls.h"
#include "afx/StatusBar.h"

#include <vector>

class COXStatusbarSkin;

#define SBPS_PROGRESS 0x02000000

// Sent to the parent on a double click in a pane: wParam is the pane's id.
#define WM_OX_STATUSBAR_DBLCLK (WM_APP + 206)

class COXStatusBar : public CStatusBar
{
    DECLARE_DYNCREATE(COXStatusBar)
public:
    class CBmpInfo : public CObject
    {
    public:
        CBmpInfo();
        ~CBmpInfo() override;
        UINT m_nBitmapID;
        CBitmap* m_pBitmap;
        int m_nWidth;
        int m_nHeight;
        int m_nAlignment;
        COLORREF m_crTransparent;
    };

    class CEvolInfo : public CObject
    {
    public:
        CEvolInfo();
        ~CEvolInfo() override;
        CProgressCtrl m_progress;
        WORD m_nPercent;
        CRect m_rect;
        BOOL m_bShowPercent;
        BOOL m_bCreated;
    };

    COXStatusBar();
    ~COXStatusBar() override;

    // Resets the extras of every pane (owned ones are deleted) and sizes them to the count.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    void SetPaneStyle(int nIndex, UINT nStyle);
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText) override;
    BOOL GetPaneInsideRect(int nIndex, LPRECT lpRect, BOOL bTrimBottom) const;

    BOOL SetPaneText(int nIndex, LPCTSTR lpszText, COLORREF crText, BOOL bUpdate = TRUE);
    using CStatusBar::SetPaneText;
    BOOL SetPaneFont(int nIndex, CFont* pFont);
    BOOL SetPaneTip(int nIndex, LPCTSTR lpszTip);
    BOOL RemovePaneTip(int nIndex);
    BOOL EnablePaneTips(BOOL bEnable = TRUE);
    BOOL SetPaneCursor(int nIndex, UINT nCursorID);

    BOOL SetPaneBitmap(int nIndex, UINT nBitmapID, int nAlignment = 2, COLORREF crTransparent = RGB(255, 255, 255),
                       BOOL bRedraw = TRUE);
    void DrawPaneBitmap(CDC* pDC, int nIndex, UINT nStyle);
    static void DrawTransparentBitmap(CDC* pDC, CBmpInfo* pInfo, const CRect& rcDest, const CSize& szSource);

    BOOL SetUpBar(int nIndex, BOOL bShowPercent = TRUE);
    // The percentage is at most 100 and exact for totals beyond 32 bits of int.
    void SetBarProgress(int nIndex, DWORD dwTotal, DWORD dwDone);
    void ResetBar(int nIndex, BOOL bRemove = FALSE);
    BOOL CreateEvolCtrl(int nIndex, CEvolInfo* pInfo);

    COXStatusbarSkin* GetStatusbarSkin();
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // What the painters and tests read.
    int GetPaneCount() const { return m_nCount; }
    COLORREF GetPaneTextColor(int nIndex) const;
    CBmpInfo* GetPaneBitmapInfo(int nIndex) const;
    CEvolInfo* GetPaneProgress(int nIndex) const;
    CFont* GetPaneFont(int nIndex) const;
    CString GetPaneTip(int nIndex) const;
    // dwDone of dwTotal in whole percent, at most 100 (0 for a total of 0).
    static WORD Percent(DWORD dwTotal, DWORD dwDone);

    std::vector<HCURSOR> m_arrCursors;
    std::vector<CBmpInfo*> m_arrBmpInfo;
    std::vector<COLORREF> m_arrTextColors;
    std::vector<CEvolInfo*> m_arrEvolInfo;
    std::vector<CFont*> m_arrFonts;
    std::vector<CString> m_arrTips;
    CDC m_dcMem;
    COXStatusbarSkin* m_pStatusbarSkin;
    // The last SB_SETMINHEIGHT.
    int m_nMinHeight;

protected:
    void CheckIndex(int nIndex) const;
    void ClearPane(int nIndex);
    void Resend(int nIndex);
    int PercentTextWidth(int nIndex);
    void Borders(int& h, int& v, int& g) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
