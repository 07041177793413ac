#include "controls/layout/DynamicWnd.h"

#include "controls/layout/SizeIconCtrl.h"

#include <algorithm>

const signed char cdxCDynamicWnd::PercentMoveRight[4] = {100, 0, 100, 0};
const signed char cdxCDynamicWnd::PercentMoveDown[4] = {0, 100, 0, 100};
const signed char cdxCDynamicWnd::PercentBottomRight[4] = {100, 100, 100, 100};

namespace {
const signed char kNoMove[4] = {0, 0, 0, 0};
const UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

// The child's rectangle as its parent sees it (the normal placement, so a
// minimised or maximised child still reports where it belongs).
bool NormalRect(HWND hWnd, CRect& rect)
{
    WINDOWPLACEMENT wpl = {};
    wpl.length = sizeof(wpl);
    if (!::GetWindowPlacement(hWnd, &wpl))
        return false;
    rect = wpl.rcNormalPosition;
    return true;
}
}

// ---------------------------------------------------------------------------

cdxCDynamicLayoutInfo::cdxCDynamicLayoutInfo(cdxCDynamicWnd* pWnd)
    : cdxCDynamicLayoutInfo()
{
    Create(pWnd);
}

bool cdxCDynamicLayoutInfo::Create(cdxCDynamicWnd* pWnd)
{
    if (!pWnd || !pWnd->IsUp())
        return false;
    m_szCurrent = pWnd->GetCurrentClientSize();
    m_szInitial = pWnd->m_szInitial;
    m_szDelta = m_szCurrent - m_szInitial;
    m_nCtrlCount = pWnd->GetCtrlCount();
    m_bUseScrollPos = pWnd->m_bUseScrollPos != FALSE;
    if (m_bUseScrollPos) {
        HWND hWnd = pWnd->Window()->GetSafeHwnd();
        m_ptViewScrollPos.x = ::GetScrollPos(hWnd, SB_HORZ);
        m_ptViewScrollPos.y = ::GetScrollPos(hWnd, SB_VERT);
    }
    return true;
}

// ---------------------------------------------------------------------------

cdxCDynamicWnd::cdxCDynamicWnd(UINT nFreedom, UINT nFlags)
    : m_nFreedom(nFreedom), m_nFlags(nFlags), m_szInitial(), m_szMin(), m_szMax(),
      m_nSizeGripId(DefaultSizeGripId), m_bUseScrollPos(FALSE),
      m_pWnd(nullptr), m_pSizeIcon(nullptr), m_bRedrawSwitched(false), m_iDisabled(0),
      m_dwClassStyle(0), m_Map(10), m_idSizingTimer(0)
{
    m_Map.InitHashTable(17, FALSE);
}

cdxCDynamicWnd::~cdxCDynamicWnd()
{
    if (IsWindow())
        DoOnDestroy();
    DetachLayout();
}

void cdxCDynamicWnd::DetachLayout()
{
    m_pWnd = nullptr;
    m_Map.RemoveAll();
    if (m_pSizeIcon) {
        if (::IsWindow(m_pSizeIcon->GetSafeHwnd()))
            m_pSizeIcon->DestroyWindow();
        delete m_pSizeIcon;
        m_pSizeIcon = nullptr;
    }
}

CSize cdxCDynamicWnd::ClientSizeOf(HWND hWnd)
{
    if (!::IsWindow(hWnd))
        return CSize();
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    return rc.Size();
}

CSize cdxCDynamicWnd::BorderSizeOf(HWND hWnd)
{
    if (!::IsWindow(hWnd) || ::IsIconic(hWnd))
        return CSize();
    CRect rcWnd;
    ::GetWindowRect(hWnd, &rcWnd);
    return rcWnd.Size() - ClientSizeOf(hWnd);
}

CSize cdxCDynamicWnd::GetCurrentClientSize() const
{
    return ClientSizeOf(m_pWnd ? m_pWnd->GetSafeHwnd() : nullptr);
}

CSize cdxCDynamicWnd::GetBorderSize() const
{
    return BorderSizeOf(m_pWnd ? m_pWnd->GetSafeHwnd() : nullptr);
}

void cdxCDynamicWnd::ModesToPercent(int modeX, int modeY, signed char percent[4])
{
    auto pair = [](int mode, signed char& nearEdge, signed char& farEdge) {
        switch (mode) {
        case ModeStretch: nearEdge = 0; farEdge = 100; break;
        case ModeMove: nearEdge = 100; farEdge = 100; break;
        case ModeHalf: nearEdge = 50; farEdge = 50; break;
        default: nearEdge = 0; farEdge = 0; break;
        }
    };
    pair(modeX, percent[PctLeft], percent[PctRight]);
    pair(modeY, percent[PctTop], percent[PctBottom]);
}

void cdxCDynamicWnd::CalcControlRect(const Position& pos, const cdxCDynamicLayoutInfo& li, CRect& rect)
{
    // C++ division truncates toward zero, which is the rounding wanted here:
    // shrinking by 3 with 50 percent moves an edge by -1, not -2.
    auto share = [](int pct, int delta) { return pct * delta / 100; };
    rect = pos.rcStart;
    if (!li.m_bUseScrollPos) {
        rect.left += share(pos.pct[PctLeft], li.m_szDelta.cx);
        rect.right += share(pos.pct[PctRight], li.m_szDelta.cx);
        rect.top += share(pos.pct[PctTop], li.m_szDelta.cy);
        rect.bottom += share(pos.pct[PctBottom], li.m_szDelta.cy);
    } else {
        // A view smaller than its design size scrolls instead of squeezing.
        rect.OffsetRect(-li.m_ptViewScrollPos.x, -li.m_ptViewScrollPos.y);
        if (li.m_szDelta.cx >= 0) {
            rect.left += share(pos.pct[PctLeft], li.m_szDelta.cx);
            rect.right += share(pos.pct[PctRight], li.m_szDelta.cx);
        }
        if (li.m_szDelta.cy >= 0) {
            rect.top += share(pos.pct[PctTop], li.m_szDelta.cy);
            rect.bottom += share(pos.pct[PctBottom], li.m_szDelta.cy);
        }
    }
    // Too small to be useful: park it out of sight rather than show a sliver.
    if (rect.left + pos.szMin.cx >= rect.right) {
        rect.right = -10;
        rect.left = -10 - pos.szMin.cx;
    }
    if (rect.top + pos.szMin.cy >= rect.bottom) {
        rect.bottom = -10;
        rect.top = -10 - pos.szMin.cy;
    }
}

void cdxCDynamicWnd::CalcMinMaxInfo(MINMAXINFO& mmi, const CSize& szMin, const CSize& szMax, const CSize& szBorder, UINT nFreedom)
{
    mmi.ptMinTrackSize.x = szMin.cx + szBorder.cx;
    mmi.ptMinTrackSize.y = szMin.cy + szBorder.cy;
    if (nFreedom & FreedomHorizontal) {
        if (szMax.cx > 0)
            mmi.ptMaxTrackSize.x = szMax.cx + szBorder.cx;
    } else {
        mmi.ptMaxTrackSize.x = mmi.ptMinTrackSize.x;
    }
    if (nFreedom & FreedomVertical) {
        if (szMax.cy > 0)
            mmi.ptMaxTrackSize.y = szMax.cy + szBorder.cy;
    } else {
        mmi.ptMaxTrackSize.y = mmi.ptMinTrackSize.y;
    }
}

bool cdxCDynamicWnd::StretchRect(CRect& rect, const CSize& szGrow)
{
    rect.left -= szGrow.cx / 2;
    rect.right += (szGrow.cx + 1) / 2;
    rect.top -= szGrow.cy / 2;
    rect.bottom += (szGrow.cy + 1) / 2;
    return !rect.IsRectEmpty();
}

// ---------------------------------------------------------------------------

bool cdxCDynamicWnd::AddControl(HWND hWnd, const Position& pos, bool bRepos)
{
    if (!IsWindow() || !::IsWindow(hWnd))
        return false;
    m_Map.SetAt(hWnd, pos);
    if (bRepos)
        UpdateControlPosition(hWnd);
    return true;
}

bool cdxCDynamicWnd::AddControlByPercent(HWND hWnd, const signed char percent[4], const CSize& szMin, bool bRepos)
{
    CRect rc;
    if (!IsWindow() || !::IsWindow(hWnd) || !NormalRect(hWnd, rc))
        return false;
    return AddControl(hWnd, Position(rc, percent, szMin), bRepos);
}

bool cdxCDynamicWnd::AddControlByModes(HWND hWnd, int modeX, int modeY, const CSize& szMin, bool bRepos)
{
    signed char pct[4];
    ModesToPercent(modeX, modeY, pct);
    return AddControlByPercent(hWnd, pct, szMin, bRepos);
}

void cdxCDynamicWnd::AddAllRemainingControls(const signed char percent[4], bool bOverwrite, bool bRepos)
{
    if (!IsWindow())
        return;
    bool added = false;
    for (HWND hChild = ::GetWindow(m_pWnd->GetSafeHwnd(), GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!bOverwrite && HasControl(hChild))
            continue;
        if (AddControlByPercent(hChild, percent, CSize(), false))
            added = true;
    }
    if (added && bRepos)
        Layout();
}

bool cdxCDynamicWnd::RemoveControl(HWND hWnd)
{
    return m_Map.RemoveKey(hWnd) != FALSE;
}

bool cdxCDynamicWnd::RemoveControlRestoring(HWND hWnd, bool bRestore)
{
    Position pos;
    if (!m_Map.Lookup(hWnd, pos))
        return false;
    if (bRestore && ::IsWindow(hWnd))
        ::SetWindowPos(hWnd, nullptr, pos.rcStart.left, pos.rcStart.top, pos.rcStart.Width(), pos.rcStart.Height(), kMoveFlags);
    return RemoveControl(hWnd);
}

bool cdxCDynamicWnd::ComputeControlRect(HWND hWnd, UINT /*nCtrlId*/, CRect& rect, const cdxCDynamicLayoutInfo& li)
{
    Position pos;
    if (!m_Map.Lookup(hWnd, pos))
        return false;
    CalcControlRect(pos, li, rect);
    return true;
}

void cdxCDynamicWnd::UpdateControlPosition(HWND hWnd)
{
    cdxCDynamicLayoutInfo* pli = DoCreateLayoutInfo();
    if (!pli)
        return;
    if (!pli->IsInitial()) {
        CRect rcNow, rcNew;
        if (NormalRect(hWnd, rcNow) && ComputeControlRect(hWnd, ::GetDlgCtrlID(hWnd), rcNew, *pli) && rcNew != rcNow)
            ::SetWindowPos(hWnd, nullptr, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(), kMoveFlags);
    }
    delete pli;
}

void cdxCDynamicWnd::Layout()
{
    if (!IsWindow())
        return;
    cdxCDynamicLayoutInfo* pli = DoCreateLayoutInfo();
    if (!pli)
        return;
    HDWP hdwp = ::BeginDeferWindowPos(static_cast<int>(std::max<INT_PTR>(1, GetCtrlCount())));
    UINT flags = kMoveFlags;
    if (!(m_nFlags & FlagCopyBits))
        flags |= SWP_NOCOPYBITS;
    for (HWND hChild = ::GetWindow(m_pWnd->GetSafeHwnd(), GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        CRect rcNow;
        if (!NormalRect(hChild, rcNow))
            continue;
        CRect rcNew = rcNow;
        if (!ComputeControlRect(hChild, ::GetDlgCtrlID(hChild), rcNew, *pli) || rcNew == rcNow)
            continue;
        if (hdwp) {
            HDWP next = ::DeferWindowPos(hdwp, hChild, nullptr, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(), flags);
            // A failed deferral is dropped by Windows; what is left is moved at once.
            if (next) {
                hdwp = next;
                continue;
            }
            hdwp = nullptr;
        }
        ::SetWindowPos(hChild, nullptr, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(), flags);
    }
    if (hdwp)
        ::EndDeferWindowPos(hdwp);
    delete pli;
}

void cdxCDynamicWnd::AttachLayout(CWnd* pWnd, const CSize& szInitial)
{
    m_pWnd = pWnd;
    m_iDisabled = 0;
    m_szInitial = m_szMin = szInitial;
    if (!IsWindow())
        return;
    HWND hWnd = m_pWnd->GetSafeHwnd();
    INT_PTR nBefore = GetCtrlCount();

    if (const LayoutMapEntry* pEntry = GetLayoutMap()) {
        for (; pEntry->nKind != MapEnd; ++pEntry) {
            HWND hChild = nullptr;
            if (pEntry->nCtrlId != 0 && !(hChild = ::GetDlgItem(hWnd, pEntry->nCtrlId)))
                continue;   // the map names a control this template lacks
            signed char pct[4];
            if (pEntry->nKind == MapPercent) {
                for (int i = 0; i < 4; ++i)
                    pct[i] = static_cast<signed char>(pEntry->layout[i]);
            } else {
                ModesToPercent(pEntry->layout[0], pEntry->layout[1], pct);
            }
            if (pEntry->nCtrlId == 0)
                AddAllRemainingControls(pct, false, false);
            else
                AddControlByPercent(hChild, pct, CSize(), false);
        }
    }

    if (m_nFlags & FlagSizeGrip) {
        m_pSizeIcon = new cdxCSizeIconCtrl();
        if (m_pSizeIcon->Create(m_pWnd, m_nSizeGripId)) {
            AddControlByPercent(m_pSizeIcon->GetSafeHwnd(), PercentBottomRight, CSize(), false);
            ::ShowWindow(m_pSizeIcon->GetSafeHwnd(), SW_SHOW);
        } else {
            delete m_pSizeIcon;
            m_pSizeIcon = nullptr;
        }
    }

    m_bRedrawSwitched = false;
    m_idSizingTimer = SizingTimerId;
    m_dwClassStyle = ::GetClassLongA(hWnd, GCL_STYLE) & (CS_VREDRAW | CS_HREDRAW);

    OnInitialized();

    if (GetCtrlCount() > nBefore)
        Layout();
}

void cdxCDynamicWnd::DoOnDestroy()
{
    if (IsWindow())
        OnDestroying();
    m_iDisabled = 1;
    DetachLayout();
}

// ---------------------------------------------------------------------------

void cdxCDynamicWnd::OnSize(UINT nType, int /*cx*/, int /*cy*/)
{
    if (!IsDisabled() && IsWindow() && nType != SIZE_MINIMIZED)
        Layout();
}

void cdxCDynamicWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (IsDisabled() || !IsWindow() || !lpMMI)
        return;
    CalcMinMaxInfo(*lpMMI, m_szMin, m_szMax, GetBorderSize(), m_nFreedom);
}

void cdxCDynamicWnd::OnSizing(UINT nSide, LPRECT /*lpRect*/)
{
    if (!m_idSizingTimer || IsDisabled() || !IsWindow() || !(m_nFlags & FlagSizingRedraw))
        return;
    StartSizingTimer(nSide == WMSZ_RIGHT || nSide == WMSZ_BOTTOM || nSide == WMSZ_BOTTOMRIGHT);
}

void cdxCDynamicWnd::StartSizingTimer(bool bRedrawOff)
{
    if (!IsWindow() || !m_idSizingTimer)
        return;
    HWND hWnd = m_pWnd->GetSafeHwnd();
    ::KillTimer(hWnd, m_idSizingTimer);
    ::SetTimer(hWnd, m_idSizingTimer, SizingTimerDelay, nullptr);
    if (!m_bRedrawSwitched) {
        DWORD style = ::GetClassLongA(hWnd, GCL_STYLE) & ~static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW);
        // Dragging the right or bottom edge need not repaint the whole window;
        // dragging the left or top edge moves everything and must.
        if (!bRedrawOff)
            style |= CS_VREDRAW | CS_HREDRAW;
        ::SetClassLongA(hWnd, GCL_STYLE, style);
        m_bRedrawSwitched = true;
    }
}

void cdxCDynamicWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (!m_idSizingTimer || nIDEvent != m_idSizingTimer || !IsWindow())
        return;
    HWND hWnd = m_pWnd->GetSafeHwnd();
    ::KillTimer(hWnd, m_idSizingTimer);
    if (m_bRedrawSwitched) {
        DWORD style = ::GetClassLongA(hWnd, GCL_STYLE) & ~static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW);
        ::SetClassLongA(hWnd, GCL_STYLE, style | m_dwClassStyle);
        m_bRedrawSwitched = false;
    }
}

void cdxCDynamicWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if (LOWORD(message) == WM_DESTROY && lParam)
        RemoveControl(reinterpret_cast<HWND>(lParam));
}
