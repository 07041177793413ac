// cdxCDynamicWnd: a mix-in that makes a window with child controls resizable.
// It remembers each registered child's rectangle when the layout starts and,
// on every size change, moves each edge of the child by a fixed percentage of
// how far the window has grown since then. It also bounds the tracking size,
// keeps a size grip in the lower right corner and damps flicker while the
// user drags the right or bottom border.
#pragma once

#include "afx/Map.h"
#include "afx/Rect.h"
#include "afx/Wnd.h"

class cdxCDynamicWnd;
class cdxCSizeIconCtrl;

// One pass's view of the layout: sizes, growth and scroll position.
class cdxCDynamicLayoutInfo : public CObject
{
public:
    cdxCDynamicLayoutInfo()
        : m_szCurrent(), m_szInitial(), m_szDelta(), m_nCtrlCount(0), m_bUseScrollPos(false), m_ptViewScrollPos() {}
    // Fills from the layout; the fields stay unset when it has no live,
    // non-minimised window.
    explicit cdxCDynamicLayoutInfo(cdxCDynamicWnd* pWnd);

    bool IsInitial() const { return m_szDelta.cx == 0 && m_szDelta.cy == 0 && (!m_bUseScrollPos || (m_ptViewScrollPos.x == 0 && m_ptViewScrollPos.y == 0)); }
    bool Create(cdxCDynamicWnd* pWnd);

    CSize m_szCurrent;
    CSize m_szInitial;
    CSize m_szDelta;
    INT_PTR m_nCtrlCount;
    bool m_bUseScrollPos;
    CPoint m_ptViewScrollPos;
};

class cdxCDynamicWnd
{
public:
    enum Freedom {
        FreedomHorizontal = 1,
        FreedomVertical = 2,
        FreedomBoth = FreedomHorizontal | FreedomVertical,
    };
    enum Flags {
        FlagSizeGrip = 1,      // create a size grip
        FlagSizingRedraw = 2,  // damp flicker while a border is dragged
        FlagCopyBits = 4,      // let Windows copy child bits when moving
    };
    enum Mode {
        ModeFixed = 0,   // the edge pair stays
        ModeStretch = 1, // the far edge follows the window
        ModeMove = 2,    // both edges follow the window
        ModeHalf = 3,    // both edges follow half the growth
    };
    enum { PctLeft, PctTop, PctRight, PctBottom };

    // Per-child record: starting rectangle in the parent's client coordinates,
    // the share (0..100) of the growth each edge follows, and the size at or
    // below which the child is parked out of sight.
    struct Position
    {
        Position() : rcStart(), pct{0, 0, 0, 0}, szMin() {}
        Position(const CRect& rc, const signed char percent[4], const CSize& minSize)
            : rcStart(rc), pct{percent[0], percent[1], percent[2], percent[3]}, szMin(minSize) {}

        CRect rcStart;
        signed char pct[4];
        CSize szMin;
    };

    // Layout-map entry kinds.
    enum { MapEnd = 0, MapPercent = 1, MapModes = 2 };
    struct LayoutMapEntry
    {
        int nKind;
        int nCtrlId;     // 0 = every child not registered so far
        BYTE layout[4];  // percentages (left, top, right, bottom) or two modes
    };

    static const signed char PercentMoveRight[4];
    static const signed char PercentMoveDown[4];
    static const signed char PercentBottomRight[4];

    enum : UINT {
        DefaultSizeGripId = 0xEA20,
        SizingTimerId = 0x7164,   // one-shot timer that puts the class style back
        SizingTimerDelay = 120,   // ms after the last WM_SIZING
    };

    cdxCDynamicWnd(UINT nFreedom, UINT nFlags);
    virtual ~cdxCDynamicWnd();

    cdxCDynamicWnd(const cdxCDynamicWnd&) = delete;
    cdxCDynamicWnd& operator=(const cdxCDynamicWnd&) = delete;

    bool IsWindow() const { return m_pWnd && ::IsWindow(m_pWnd->GetSafeHwnd()); }
    bool IsUp() const { return IsWindow() && !::IsIconic(m_pWnd->GetSafeHwnd()); }
    bool IsDisabled() const { return m_iDisabled > 0; }
    CWnd* Window() const { return m_pWnd; }

    virtual INT_PTR GetCtrlCount() const { return m_Map.GetCount(); }
    virtual CSize GetCurrentClientSize() const;
    virtual bool AddControl(HWND hWnd, const Position& pos, bool bRepos = false);
    virtual void Layout();
    virtual bool ComputeControlRect(HWND hWnd, UINT nCtrlId, CRect& rect, const cdxCDynamicLayoutInfo& li);
    virtual bool RemoveControl(HWND hWnd);
    virtual void OnInitialized() {}
    virtual void OnDestroying() {}
    virtual cdxCDynamicLayoutInfo* DoCreateLayoutInfo() { return new cdxCDynamicLayoutInfo(this); }
    virtual void StartSizingTimer(bool bRedrawOff);
    virtual const LayoutMapEntry* GetLayoutMap() const { return nullptr; }

    bool AddControlByPercent(HWND hWnd, const signed char percent[4], const CSize& szMin = CSize(), bool bRepos = false);
    bool AddControlByModes(HWND hWnd, int modeX, int modeY, const CSize& szMin = CSize(), bool bRepos = false);
    void AddAllRemainingControls(const signed char percent[4], bool bOverwrite = false, bool bRepos = false);
    bool RemoveControlRestoring(HWND hWnd, bool bRestore = true);
    bool HasControl(HWND hWnd) const { Position p; return m_Map.Lookup(hWnd, p) != FALSE; }

    void AttachLayout(CWnd* pWnd, const CSize& szInitial);
    void DoOnDestroy();
    void UpdateControlPosition(HWND hWnd);

    // Message handlers; the window class calls them after default processing.
    void OnSize(UINT nType, int cx, int cy);
    void OnSizing(UINT nSide, LPRECT lpRect);
    void OnTimer(UINT_PTR nIDEvent);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnParentNotify(UINT message, LPARAM lParam);

    // Plain rules behind the handlers, usable without a window.
    static void ModesToPercent(int modeX, int modeY, signed char percent[4]);
    static void CalcControlRect(const Position& pos, const cdxCDynamicLayoutInfo& li, CRect& rect);
    static void CalcMinMaxInfo(MINMAXINFO& mmi, const CSize& szMin, const CSize& szMax, const CSize& szBorder, UINT nFreedom);
    // A window's client size, empty when there is no window; and the frame
    // around the client area, empty too for a minimised window, whose
    // rectangles say nothing about the size it is restored to.
    static CSize ClientSizeOf(HWND hWnd);
    static CSize BorderSizeOf(HWND hWnd);
    // Grows the rectangle about its centre; false when the result is empty.
    static bool StretchRect(CRect& rect, const CSize& szGrow);

    UINT m_nFreedom;
    UINT m_nFlags;
    CSize m_szInitial;
    CSize m_szMin;
    CSize m_szMax;   // 0 or less = unbounded in that direction
    UINT m_nSizeGripId;
    BOOL m_bUseScrollPos;

protected:
    CSize GetBorderSize() const;
    void DetachLayout();

    CWnd* m_pWnd;
    cdxCSizeIconCtrl* m_pSizeIcon;
    bool m_bRedrawSwitched;
    int m_iDisabled;
    DWORD m_dwClassStyle;
    CMap<HWND, HWND, Position, const Position&> m_Map;
    UINT_PTR m_idSizingTimer;
};

// The layout map a window class supplies:
//   BEGIN_DYNAMIC_MAP(CMyDlg, cdxCDynamicDialog)
//       DYNAMIC_MAP_ENTRY(IDC_EDIT, ModeStretch, ModeStretch)
//       DYNAMIC_MAP_ENTRY(IDOK, ModeMove, ModeMove)
//   END_DYNAMIC_MAP()
#define DECLARE_DYNAMIC_MAP() \
protected: \
    static const cdxCDynamicWnd::LayoutMapEntry s_dynamicMap[]; \
    const cdxCDynamicWnd::LayoutMapEntry* GetLayoutMap() const override { return s_dynamicMap; }

#define BEGIN_DYNAMIC_MAP(theClass, baseClass) \
    const cdxCDynamicWnd::LayoutMapEntry theClass::s_dynamicMap[] = {
#define DYNAMIC_MAP_ENTRY(id, modeX, modeY) \
    { cdxCDynamicWnd::MapModes, (id), { static_cast<BYTE>(cdxCDynamicWnd::modeX), static_cast<BYTE>(cdxCDynamicWnd::modeY), 0, 0 } },
#define DYNAMIC_MAP_PERCENT_ENTRY(id, l, t, r, b) \
    { cdxCDynamicWnd::MapPercent, (id), { (l), (t), (r), (b) } },
#define END_DYNAMIC_MAP() \
    { cdxCDynamicWnd::MapEnd, 0, { 0, 0, 0, 0 } } };
