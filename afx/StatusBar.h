// CStatusBar: the frame's message line and indicator panes. Pane 0 stretches
// and shows command prompts and "Ready"; the indicator panes (CAP, NUM, SCRL,
// or the program's own ids) take the width of their string-table text and are
// shown or blanked at idle by their update handlers.
#pragma once

#include "afx/ControlBar.h"
#include "afx/StatusBarCtrl.h"
#include "afx/String.h"

#include <commctrl.h>

#define SBPS_NORMAL     0x0000
#define SBPS_NOBORDERS  SBT_NOBORDERS
#define SBPS_POPOUT     SBT_POPOUT
#define SBPS_OWNERDRAW  SBT_OWNERDRAW
#define SBPS_DISABLED   0x04000000
#define SBPS_STRETCH    0x08000000

// Pane state flags.
#define SBPF_UPDATE     0x0001   // the pane's text must be handed to the control again

class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    ~CStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                  UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id; a pane's text is the id's string (nothing for ID_SEPARATOR).
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    int GetCount() const override { return m_nCount; }
    CStatusBarCtrl& GetStatusBarCtrl() const
    {
        return *reinterpret_cast<CStatusBarCtrl*>(const_cast<CStatusBar*>(this));
    }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // An SBPS_OWNERDRAW pane, reached from the parent's WM_DRAWITEM. Nothing here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    struct Pane
    {
        UINT nID;
        UINT nStyle;
        int cxText;      // width of the text, borders not counted
        UINT nFlags;     // SBPF_ state flags
        CString strText;
    };

protected:
    // Hands the pane widths and texts to the control; a derived bar may lay
    // its panes out in its own way.
    virtual void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
    void SendPaneText(int nIndex);
    // The pane record of a valid index, else null.
    Pane* GetPanePtr(int nIndex) const
    {
        return nIndex >= 0 && nIndex < m_nCount ? &m_pPanes[nIndex] : nullptr;
    }
    afx_msg LRESULT OnReflectDrawItem(WPARAM wParam, LPARAM lParam);
    int TextWidth(const CString& text) const;
    friend class CStatusCmdUI;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);

    Pane* m_pPanes;
    int m_nCount;

    DECLARE_MESSAGE_MAP()
};
