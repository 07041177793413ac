// COXLayoutManager: keeps the child controls of a container window in place
// when the container is resized. Each side of each child is tied to the same
// or the opposite side of the container or of a sibling at a pixel offset,
// or placed at a proportional position across that base; minimum and maximum
// child sizes limit how far the container's size is honoured. The manager
// subclasses the container and lays the children out again on every WM_SIZE.
#pragma once

#include "afx/Array.h"
#include "afx/Wnd.h"

// Side masks.
const int OX_LMS_TOP = 1;
const int OX_LMS_BOTTOM = 2;
const int OX_LMS_LEFT = 4;
const int OX_LMS_RIGHT = 8;
const int OX_LMS_ANY = OX_LMS_TOP | OX_LMS_BOTTOM | OX_LMS_LEFT | OX_LMS_RIGHT;

// Constraint types: to the same side of the base (top to top), to its
// opposite side (top to the base's bottom), or at offset / base units across it.
const int OX_LMT_SAME = 1;
const int OX_LMT_OPPOSITE = 2;
const int OX_LMT_POSITION = 3;

// A number or position that is not set.
const int OX_LMPOS_NULL = 32767;
// A position being worked out: meeting it again means a cycle.
const int OX_LMPOS_TRACING = 32766;

// The constraints of one child: four side records, top, bottom, left, right.
class COXWndConstraint
{
public:
    struct Side
    {
        UINT nBaseWnd;     // 0: the container
        int nOffset1;      // from the base's near side
        int nOffset2;      // from the base's far side (both set: proportional)
        int nPos;          // the position resolved in this layout pass
        int nBaseIndex;    // the base's record, -1 for the container
    };
    enum { Top, Bottom, Left, Right, SideCount };

    explicit COXWndConstraint(UINT nChildID);
    void ResetSide(int nSide);
    void ResetPositions();

    UINT nID;
    BOOL bHasMinMax;
    CSize sizeMin;     // 0 or less: no limit
    CSize sizeMax;
    Side sides[SideCount];
};

class COXLayoutManager : public CObject
{
    DECLARE_DYNAMIC(COXLayoutManager)
public:
    explicit COXLayoutManager(CWnd* pContainerWnd = nullptr);
    ~COXLayoutManager() override;

    COXLayoutManager(const COXLayoutManager&) = delete;
    COXLayoutManager& operator=(const COXLayoutManager&) = delete;

    // Drops the existing constraints and subclasses the container; FALSE
    // without a window or when another manager holds it.
    BOOL Attach(CWnd* pContainerWnd);
    // Removes all constraints and restores the container's procedure.
    void Detach();
    BOOL IsAttached() const { return m_hWnd != nullptr; }
    CWnd* GetContainer() const { return m_pContainerWnd; }

    // The child's record index (added when new); -1 for id 0. A new child
    // is anchored top-left at its present place when the flag is set.
    int AddChild(UINT nChildID, BOOL bSetDefaultConstraints = TRUE);
    int AddChild(CWnd* pChildWnd, BOOL bSetDefaultConstraints = TRUE);
    void AddAllChildren(BOOL bSetDefaultConstraints = TRUE);
    void RemoveAllChildren();
    int GetChildCount() const { return static_cast<int>(m_wcTable.GetSize()); }

    // Ties the sides in the mask; a base that is a sibling not yet known is
    // added first. FALSE for id 0, no side or an unknown type.
    BOOL SetConstraint(UINT nChildID, int nSideMask, int nType, int nOffset = 0, UINT nBaseWnd = 0);
    BOOL RemoveConstraint(UINT nChildID, int nSideMask);
    // One side's constraint; type 0 (offset 32767) when the side is free.
    BOOL GetConstraint(UINT nChildID, int nSide, int& nType, int& nOffset, UINT& nBaseWnd) const;
    BOOL SetMinMax(UINT nChildID, int minCx, int minCy, int maxCx = 0, int maxCy = 0);
    BOOL GetMinMax(UINT nChildID, CSize& sizeMin, CSize& sizeMax) const;
    // One constraint per side in the mask at the child's present distance
    // from the base (types 1 and 2; FALSE for others).
    BOOL TieChildAtCurrentOffsets(UINT nChildID, int nSideMask, int nType = OX_LMT_SAME, UINT nBaseWnd = 0);

    // Top and left kept at their present offsets from the container, bottom
    // and right free.
    virtual BOOL AnchorChildTopLeft(UINT nChildID);
    // ApplyLayout with the container's client size.
    virtual BOOL RecalcLayout();
    // Lays the children out for a container of this size; FALSE when the
    // constraints cannot be met (a cycle, an unknown base, limits that
    // contradict each other). Nothing moves for a zero size.
    virtual BOOL ApplyLayout(int cx, int cy);

    // The container size the last layout used (grown or shrunk by limits).
    CSize GetLayoutSize() const { return CSize(m_cx, m_cy); }
    int GetBase() const { return m_nBase; }

protected:
    int FindChild(UINT nChildID) const;
    // The child's window rectangle in the container's client coordinates.
    BOOL GetChildRect(UINT nChildID, CRect& rect) const;
    int Resolve(int nIndex, int nSide);
    void ResetBounds();
    void CountMinMax();
    void Unhook();
    static LRESULT CALLBACK LayoutWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    CWnd* m_pContainerWnd;
    int m_nBase;
    int m_nMinMaxCount;
    int m_cx;
    int m_cy;
    int m_nMinCx;
    int m_nMaxCx;
    int m_nMinCy;
    int m_nMaxCy;
    CArray<COXWndConstraint*, COXWndConstraint*> m_wcTable;
    HWND m_hWnd;
    WNDPROC m_pfnOldWndProc;
};
