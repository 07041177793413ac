// cdxCDynamicWndEx: the dynamic layout that also keeps its window's placement
// in the profile ("WindowPositions\<entry>") and puts the window back there
// the next time it opens; with nothing valid stored it centres the window.
#pragma once

#include "controls/layout/DynamicWnd.h"
#include "controls/misc/ControlsProfile.h"

// The stored form of a placement. "(valid)" is cleared before the other
// values are written and set after them, so a half-written entry reads as
// invalid.
struct cdxWindowPlacementRecord
{
    enum { StateMinimized = 0, StateMaximized = 1, StateNormal = -1 };

    CRect rcNormal;
    int nVisibility = 1;
    int nState = StateNormal;

    bool Write(IControlsProfile& profile, LPCTSTR section) const;
    // rcDefault supplies each side that is not stored; reversed sides are swapped.
    bool Read(IControlsProfile& profile, LPCTSTR section, const CRect& rcDefault);
};

class cdxCDynamicWndEx : public cdxCDynamicWnd
{
public:
    enum { PlacementState = 1, PlacementVisibility = 2, PlacementAll = 3 };

    static const TCHAR s_szPositionsBase[];

    cdxCDynamicWndEx(UINT nFreedom, UINT nFlags)
        : cdxCDynamicWnd(nFreedom, nFlags), m_strAutoPos() {}
    ~cdxCDynamicWndEx() override;

    // Names the profile entry "ID=0x%08lx" after a dialog template id.
    void ActivateAutoPos(UINT nId);
    void ActivateAutoPos(LPCTSTR lpszEntry) { m_strAutoPos = lpszEntry ? lpszEntry : ""; }
    void NoAutoPos() { m_strAutoPos.Empty(); }
    const CString& GetAutoPosEntry() const { return m_strAutoPos; }
    static CString MakeEntryName(UINT nId);
    // "WindowPositions" + "\" + entry, the backslash only when needed.
    static CString MakeSection(LPCTSTR lpszBase, LPCTSTR lpszEntry);
    CString GetAutoPosSection() const { return MakeSection(s_szPositionsBase, m_strAutoPos); }

    bool SavePlacement(LPCTSTR lpszSection);
    bool LoadPlacement(LPCTSTR lpszSection, UINT nWhat = PlacementAll);
    bool StretchWindow(const CSize& szGrow);
    bool StretchWindow(int nPercent);

    // The same on any window: the stand-alone controls manager keeps its
    // window's placement with them too. A stored top-level rectangle smaller
    // than szMinWindow (or than any window can be) takes the window's present
    // size, and one off every monitor's work area is pulled into the nearest.
    static bool SaveWindowPlacement(HWND hWnd, LPCTSTR lpszSection);
    static bool LoadWindowPlacement(HWND hWnd, LPCTSTR lpszSection, UINT nWhat = PlacementAll,
                                    CSize szMinWindow = CSize(0, 0));
    static bool StretchWindow(HWND hWnd, const CSize& szGrow);

    void OnInitialized() override;
    void OnDestroying() override;

protected:
    CString m_strAutoPos;
};
