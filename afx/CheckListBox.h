// CCheckListBox: an owner-drawn list box with a check box before each line.
// It draws its own lines and check marks, toggles a line's check on a click
// in the box or on the space bar, and tells the parent through CLBN_CHKCHANGE.
// The list box must be owner-drawn (LBS_OWNERDRAWFIXED or VARIABLE) and keep
// its strings (LBS_HASSTRINGS). Item data stays the caller's.
#pragma once

#include "afx/BasicCtrls.h"

#include <vector>

// Sent to the parent (WM_COMMAND) after the user changed a line's check.
#ifndef CLBN_CHKCHANGE
#define CLBN_CHKCHANGE 40
#endif
#define ON_CLBN_CHKCHANGE(id, memberFxn) ON_CONTROL(CLBN_CHKCHANGE, id, memberFxn)

class CCheckListBox : public CListBox
{
    DECLARE_DYNAMIC(CCheckListBox)
public:
    CCheckListBox();
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // BS_CHECKBOX, BS_AUTOCHECKBOX (the default), BS_3STATE or BS_AUTO3STATE.
    // The plain styles leave the state to the parent: a click only notifies.
    void SetCheckStyle(UINT nStyle);
    UINT GetCheckStyle() const { return m_nStyle; }
    // 0 unchecked, 1 checked, 2 indeterminate (three-state styles).
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    // A disabled line is drawn grey and ignores clicks and the space bar.
    void Enable(int nIndex, BOOL bEnabled = TRUE);
    BOOL IsEnabled(int nIndex) const;

    // Where the check box of a line goes; rectCheckBox is the default place.
    virtual CRect OnGetCheckPosition(CRect rectItem, CRect rectCheckBox);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

protected:
    void PreSubclassWindow() override;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAddString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInsertString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnResetContent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    struct LineState
    {
        BYTE check;
        bool enabled;
    };

    // The default check box rectangle of a line.
    static CRect CheckBoxRect(const CRect& rectItem);
    // The height a line needs for the list's font and the check box.
    int LineHeight() const;
    // Toggles the line's check as the style says, as the user did it.
    void ToggleByUser(int nIndex);
    // The line under a point when the point is in its check box, else -1.
    int CheckBoxHit(CPoint point);
    void InvalidateCheck(int nIndex);
    void NotifyCheckChange();

    UINT m_nStyle;
    // One entry per line; lines added behind the map's back (LB_DIR) read as
    // unchecked and enabled.
    std::vector<LineState> m_lines;
};
