// CToolBar: a frame's row of command buttons, loaded from a toolbar resource
// (ids, image size) and the bitmap of the same id. It is the common-control
// toolbar window itself; the frame places it, and at idle its buttons are
// enabled and checked by the commands' update handlers. With CBRS_TOOLTIPS a
// button's tip is the part of its prompt string after "\n".
#pragma once

#include "afx/ControlBar.h"
#include "afx/String.h"
#include "afx/ToolBarCtrl.h"

#include <commctrl.h>

// Button styles of GetButtonStyle/SetButtonStyle: the control's style in the
// low word, its state in the high word, with "enabled" turned round so that
// a plain style value (0x48, say) means an enabled button.
#define TBBS_BUTTON        MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR     MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX      MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP         MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP    (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN      MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE      MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX      MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED       MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED       MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED      MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN        MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED       MAKELONG(0, TBSTATE_WRAP)

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);

    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
    // Images of the buttons in an image list (the caller keeps it).
    void SetImageList(HIMAGELIST hImageList);
    void SetDisabledImageList(HIMAGELIST hImageList);
    // Replaces every button: ids in order, ID_SEPARATOR for a gap; null
    // lpIDArray makes nIDCount blank separators to be filled by SetButtonInfo.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    CString GetButtonText(int nIndex) const;
    int GetCount() const override;

    // The toolbar control behind the bar: this very window, seen through the
    // control's wrapper (which adds no data of its own).
    CToolBarCtrl& GetToolBarCtrl() const
    {
        return *reinterpret_cast<CToolBarCtrl*>(const_cast<CToolBar*>(this));
    }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // A docked or floating toolbar wraps its buttons into rows
    // (TBSTATE_WRAP): one row docked at the top or bottom, one button per row
    // at a side, the most recent width (LM_MRUWIDTH) or a given width or
    // height (LM_LENGTHY) floating; LM_COMMIT keeps that width as the MRU width.
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void SetBarStyle(DWORD dwStyle) override;

    CSize m_sizeButton;
    CSize m_sizeImage;
    HBITMAP m_hbmImageWell;   // the images, owned
    int m_cyHeight;           // fixed height from SetHeight, or 0 for the buttons' own
    BOOL m_bDelayedButtonLayout;   // the buttons changed: the next layout wraps them again

protected:
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    // A press on a button is the button's; elsewhere it is the bar's (a drag).
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    // CBRS_FLYBY: the button under the mouse shows its prompt in the frame's message bar.
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    void ShowFlyByPrompt(UINT nID);
    BOOL IsOnButton(CPoint point) const;
    UINT m_nFlyByID;   // the command whose prompt shows, 0 for none

    // The button at nIndex as the control holds it; FALSE past the last one.
    BOOL GetButton(int nIndex, TBBUTTON& button) const;
    void SetButtonState(int nIndex, BYTE fsStyle, BYTE fsState);
    // Wraps the buttons for a mode and length and answers the bar's size;
    // the wrap marks go to the control when bApply.
    CSize CalcLayout(DWORD dwMode, int nLength, BOOL bApply);
    friend class CToolCmdUI;

    DECLARE_MESSAGE_MAP()
};
