// CDockBar: one side of a docking frame (or the inside of a floating mini
// frame) that holds control bars in rows. m_arrBars lists them row by row:
// it starts with NULL and each row ends with NULL; an entry below 0x10000 is
// a placeholder, the control id of a bar that floated away from there, so
// that docking it back puts it where it was. Laid out by WM_SIZEPARENT:
// each bar takes the size its CalcDynamicLayout answers, keeps a position
// further along its row, is pushed back when it would overrun the side and
// starts a new row when it would begin beyond it.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/ControlBar.h"

class CControlBarInfo;

class CDockBar : public CControlBar
{
    DECLARE_DYNCREATE(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    BOOL IsDockBar() const override { return TRUE; }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

    // Docks a bar: at a screen rectangle (the row under its middle, in order
    // of its left or top edge), else in a new last row.
    virtual void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Docks a bar back at its placeholder when it has one here.
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes a bar out (skipping the entry at nPosExclude). nAddPlaceHolder 1
    // leaves its id in its place; 0 also drops an older placeholder of it; -1
    // keeps that one. An emptied floating dock bar hides its frame, or
    // destroys it when no bar is left at all (answers TRUE then).
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
    void RemovePlaceHolder(CControlBar* pBar);
    // Drops the bar's entries without touching any window (the bar is being destroyed).
    void ForgetBar(CControlBar* pBar);
    // Index of the bar (or of its placeholder when pBar is an id), -1 when absent.
    int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
    // Puts the bar into the row under ptMid (client coordinates); answers its index.
    int Insert(CControlBar* pBarIns, CRect rect, CPoint ptMid);
    // The bar at an index; null for a row end or a placeholder.
    CControlBar* GetDockedControlBar(int nPos) const;
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    void ShowAll(BOOL bShow);

    void GetBarInfo(CControlBarInfo* pInfo);
    // Rebuilds the rows from a saved record: bars are looked up by id in the
    // frame (unknown ids are skipped), placeholders stay placeholders.
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);

    // An entry of m_arrBars that holds an id instead of a bar.
    static BOOL IsPlaceHolder(const void* pEntry)
    {
        return pEntry != nullptr && reinterpret_cast<UINT_PTR>(pEntry) < 0x10000;
    }

    BOOL m_bFloating;
    CPtrArray m_arrBars;
    BOOL m_bLayoutQuery;   // the layout under way only asks
    CRect m_rectLayout;    // the room the frame offers in this layout

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()
};
