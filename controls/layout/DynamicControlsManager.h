// cdxCDynamicControlsManager: the older stand-alone layout manager, for a
// window that cannot take the layout mix-in as a base. The window class
// forwards WM_SIZE and WM_GETMINMAXINFO to it; it moves each registered
// control by fixed percentages of the window's growth, bounds the tracking
// size, keeps an optional size grip and stores the window's placement in the
// profile the same way the mix-in does.
#pragma once

#include "afx/Rect.h"
#include "afx/Wnd.h"

#include <list>

class cdxCSizeIconCtrl;

class cdxCDynamicControlsManager
{
public:
    enum Freedom { FreedomNone = 0, FreedomHorizontal = 1, FreedomVertical = 2, FreedomBoth = 3 };
    enum Mode { ModeFixed = 0, ModeStretch = 1, ModeMove = 2, ModeHalf = 3 };
    enum : UINT { DefaultSizeGripId = 0xEA20 };

    // How far each edge follows the growth, 0..100, in the order
    // left, right, top, bottom.
    struct ControlPosition
    {
        enum { Left, Right, Top, Bottom };

        ControlPosition() : pct{0, 0, 0, 0} {}
        ControlPosition(BYTE left, BYTE right, BYTE top, BYTE bottom) : pct{left, right, top, bottom} {}
        static ControlPosition FromModes(int modeX, int modeY);

        // Each far edge follows at least as much as its near edge, and no edge more than all.
        bool IsValid() const;
        CRect Apply(const CRect& rcStart, const CSize& szDelta) const;

        BYTE pct[4];
    };

    // One position and the controls that share it.
    class ControlData
    {
    public:
        class ControlEntry
        {
        public:
            explicit ControlEntry(CWnd* pWnd) : m_pWnd(pWnd) {}
            CWnd* GetWnd() const { return m_pWnd; }
        private:
            CWnd* m_pWnd;
        };

        ControlData(const CRect& rcStart, const ControlPosition& pos) : m_rcStart(rcStart), m_pos(pos), m_entries() {}

        CRect m_rcStart;
        ControlPosition m_pos;
        std::list<ControlEntry> m_entries;
    };

    cdxCDynamicControlsManager();
    virtual ~cdxCDynamicControlsManager();

    cdxCDynamicControlsManager(const cdxCDynamicControlsManager&) = delete;
    cdxCDynamicControlsManager& operator=(const cdxCDynamicControlsManager&) = delete;

    // Starts managing the window's children; the growth is measured from the
    // current client size, or from the given design size. The minimum size is
    // where it starts.
    void DoInitWindow(CWnd& rWnd, UINT nFreedom = FreedomBoth, bool bSizeIcon = false, const CSize* pBaseClientSize = nullptr);
    void DoDestroyWindow();
    bool IsWindow() const { return m_pWnd && ::IsWindow(m_pWnd->GetSafeHwnd()); }
    CWnd* GetWindow() const { return m_pWnd; }

    // False when the control or the window is missing or the position is invalid.
    bool AddSzControl(CWnd& rCtrl, const ControlPosition& pos, bool bReposNow = false);
    bool AddSzControl(CWnd& rCtrl, int modeX, int modeY, bool bReposNow = false);
    bool AddSzControlEx(CWnd& rCtrl, BYTE left, BYTE right, BYTE top, BYTE bottom, bool bReposNow = false);
    bool RemSzControl(CWnd& rCtrl);
    // Forgets every control; the size grip goes too.
    void RemoveAllControls();
    int GetCtrlCount() const;

    // Fails when a non-zero maximum is below the minimum in either direction.
    bool SetMinMaxSize(const CSize& szMin, const CSize& szMax, bool bResizeNow = true);
    const CSize& GetMinSize() const { return m_szMin; }
    const CSize& GetMaxSize() const { return m_szMax; }

    // Disabling nests: as many enables as disables turn the layout back on.
    void Enable(bool bEnable = true);
    bool IsDisabled() const { return m_iDisabled > 0; }

    // The window class calls these after the default processing.
    void DoOnSize(UINT nType, int cx, int cy);
    void DoOnGetMinMaxInfo(MINMAXINFO* lpMMI);

    // Moves every control to where the current size puts it.
    void ReorganizeControls(bool bRedraw = true);

    bool StretchWindow(const CSize& szGrow);
    bool StretchWindow(int nPercent);
    bool StoreWindowPosition(LPCTSTR lpszSection);
    bool RestoreWindowPosition(LPCTSTR lpszSection, UINT nWhat = 3);

    bool HasSizeIcon() const { return m_pSizeIcon != nullptr; }
    void HideSizeIcon();
    void ShowSizeIcon();

    // The plain rule of a layout pass: a control's rectangle at a client size.
    static CRect CalcControlRect(const ControlData& data, const CSize& szClient, const CSize& szInitial,
                                 const CSize& szMin, const CPoint& ptScroll);

    // Lay out relative to the window's scroll position (a scrolling view).
    bool m_bApplyScrollPosition;
    UINT m_nSizeGripId;

private:
    ControlData* FindData(HWND hWnd, std::list<ControlData>::iterator* pWhere = nullptr);
    CSize ClientSize() const;
    CSize BorderSize() const;
    void DestroySizeIcon();
    void RepositionOne(const ControlData& data, HWND hCtrl);

    CWnd* m_pWnd;
    std::list<ControlData> m_controls;
    cdxCSizeIconCtrl* m_pSizeIcon;
    UINT m_nFreedom;
    CSize m_szInitial;
    CSize m_szMin;
    CSize m_szMax;
    CRect m_rcWindowStart;
    int m_iDisabled;
};
