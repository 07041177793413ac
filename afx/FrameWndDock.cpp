// The docking half of CFrameWnd: layout through RepositionBars, dock bars,
// floating frames, showing bars and the saved bar state.
#include "afx/FrameWnd.h"

#include "afx/DockBar.h"
#include "afx/DockContext.h"
#include "afx/DockState.h"
#include "afx/MiniFrameWnd.h"

#include <commctrl.h>

namespace {

// The frame's sides in the order they are made and laid out: id and style.
struct DockSide
{
    UINT id;
    DWORD style;
};
const DockSide kDockSides[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

// A floating frame that would stand outside every monitor comes into the
// nearest work area (a saved layout from a larger or other screen).
CPoint OnSomeMonitor(CPoint pt)
{
    const RECT probe = {pt.x, pt.y, pt.x + 1, pt.y + 1};
    HMONITOR monitor = ::MonitorFromRect(&probe, MONITOR_DEFAULTTONULL);
    if (monitor)
        return pt;
    monitor = ::MonitorFromRect(&probe, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!monitor || !::GetMonitorInfoA(monitor, &info))
        return CPoint(0, 0);
    const RECT& work = info.rcWork;
    // A small part of the frame must show so that it can be caught.
    const int margin = 32;
    CPoint inside = pt;
    if (inside.x < work.left)
        inside.x = work.left;
    if (inside.x > work.right - margin)
        inside.x = work.right - margin;
    if (inside.y < work.top)
        inside.y = work.top;
    if (inside.y > work.bottom - margin)
        inside.y = work.bottom - margin;
    return inside;
}

} // namespace

// ---- Layout -------------------------------------------------------------------------

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || !m_hWnd)
        return;
    m_bInRecalcLayout = TRUE;
    m_bLayoutDue = FALSE;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
    // A floating frame whose show or hide waited for this layout.
    if (m_nShowDelay != -1) {
        const int show = m_nShowDelay;
        m_nShowDelay = -1;
        ShowWindow(show);
    }
}

void CFrameWnd::DelayRecalcLayout(BOOL)
{
    m_bLayoutDue = TRUE;
}

void CFrameWnd::UpdateFloatingFrames(BOOL bDisableIfNoHndler)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        CControlBar* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (!bar->IsDockBar() || !static_cast<CDockBar*>(bar)->m_bFloating || !bar->GetSafeHwnd())
            continue;
        CFrameWnd* frame = bar->GetParentFrame();
        if (!frame || frame == this)
            continue;
        frame->SendMessage(WM_IDLEUPDATECMDUI, bDisableIfNoHndler);
        frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, bDisableIfNoHndler, 0, TRUE, TRUE);
    }
}

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        CControlBar* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (!bar->IsDockBar() || !static_cast<CDockBar*>(bar)->m_bFloating || !bar->GetSafeHwnd())
            continue;
        CFrameWnd* frame = bar->GetParentFrame();
        if (frame && frame != this)
            frame->SendMessage(WM_FLOATSTATUS, dwFlags);
    }
}

void CFrameWnd::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    // A modal dialog disables the frame: its floating bars wait with it.
    NotifyFloatingWindows(bEnable ? FS_ENABLE : FS_DISABLE);
}

void CFrameWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWnd::OnShowWindow(bShow, nStatus);
    if (nStatus == 0)
        NotifyFloatingWindows(bShow ? FS_SHOW : FS_HIDE);
}

// ---- Docking -------------------------------------------------------------------------

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    EnableDocking(dwDockStyle, RUNTIME_CLASS(CDockBar));
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle, CRuntimeClass* pDockBarClass)
{
    ASSERT(pDockBarClass != nullptr);
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    for (const DockSide& side : kDockSides) {
        if (!(side.style & dwDockStyle & CBRS_ALIGN_ANY) || GetControlBar(side.id))
            continue;
        CDockBar* dock = static_cast<CDockBar*>(pDockBarClass->CreateObject());
        if (!dock)
            continue;
        ASSERT_KINDOF(CDockBar, dock);
        if (!dock->Create(this, WS_CHILD | WS_VISIBLE | side.style, side.id)) {
            TRACE("EnableDocking: dock bar %u not created (%lu)\n", side.id, ::GetLastError());
            delete dock;
            continue;
        }
        dock->m_bAutoDelete = TRUE;
    }
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* dock = nullptr;
    if (nDockBarID != 0) {
        dock = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(nDockBarID));
    } else {
        // The side the bar is aligned to, when both allow it; else the first they both allow.
        const DWORD allowed = pBar->m_dwDockStyle & m_dwDockStyle;
        const DWORD current = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
        for (const DockSide& side : kDockSides)
            if ((side.style & CBRS_ALIGN_ANY) == current && (allowed & current))
                nDockBarID = side.id;
        for (const DockSide& side : kDockSides)
            if (!nDockBarID && (allowed & side.style & CBRS_ALIGN_ANY))
                nDockBarID = side.id;
        if (nDockBarID)
            dock = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(nDockBarID));
    }
    if (dock && pBar->m_pDockContext) {
        DockControlBar(pBar, dock, lpRect);
        return;
    }
    // No dock bar for that side: the bar only takes the edge.
    DWORD align = 0;
    for (const DockSide& side : kDockSides)
        if (side.id == nDockBarID)
            align = side.style & CBRS_ALIGN_ANY;
    if (!align)
        align = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
    pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | align);
    RecalcLayout();
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (!pDockBar) {
        DockControlBar(pBar, 0u, lpRect);
        return;
    }
    ASSERT(pBar->m_pDockSite == this);
    pDockBar->DockControlBar(pBar, lpRect);
    RecalcLayout();
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (!pDockBar) {
        const DWORD align = pBar->m_pDockContext ? pBar->m_pDockContext->m_uMRUDockID : 0;
        pDockBar = align ? DYNAMIC_DOWNCAST(CDockBar, GetControlBar(align)) : nullptr;
        if (!pDockBar || pDockBar->m_bFloating) {
            DockControlBar(pBar, 0u, lpRect);
            return;
        }
    }
    pDockBar->ReDockControlBar(pBar, lpRect);
    RecalcLayout();
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    ASSERT(m_pFloatingFrameClass != nullptr);
    CMiniDockFrameWnd* frame = static_cast<CMiniDockFrameWnd*>(m_pFloatingFrameClass->CreateObject());
    if (!frame)
        return nullptr;
    ASSERT_KINDOF(CMiniDockFrameWnd, frame);
    if (!frame->Create(this, dwStyle)) {
        TRACE("CreateFloatingFrame: no window (%lu)\n", ::GetLastError());
        if (!frame->GetSafeHwnd())
            delete frame;
        return nullptr;
    }
    return frame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    ASSERT(pBar != nullptr);
    if (CDockBar* dock = pBar->m_pDockBar) {
        // Already floating alone in a frame of that orientation: only move the frame.
        if (dock->m_bFloating && dock->GetDockedCount() == 1 && (dwStyle & dock->m_dwStyle & CBRS_ALIGN_ANY)) {
            CFrameWnd* frame = dock->GetParentFrame();
            frame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            frame->RecalcLayout(TRUE);
            frame->UpdateWindow();
            return;
        }
    }
    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
        // A dynamic bar floats wrapped to its width: always a horizontal frame.
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT)
            dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
    }
    CMiniDockFrameWnd* frame = CreateFloatingFrame(dwStyle);
    if (!frame)
        return;
    frame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    frame->m_wndDockBar.DockControlBar(pBar);
    frame->RecalcLayout(TRUE);
    if (GetStyle() & WS_VISIBLE) {
        frame->ShowWindow(SW_SHOWNOACTIVATE);
        frame->UpdateWindow();
    }
    DelayRecalcLayout();
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    // A floating dock bar takes more bars only with CBRS_FLOAT_MULTI.
    dwDockStyle &= CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI;
    if (ppDockBar)
        *ppDockBar = nullptr;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        CControlBar* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (!bar->IsDockBar() || !bar->GetSafeHwnd() || !bar->IsWindowVisible())
            continue;
        CDockBar* dock = static_cast<CDockBar*>(bar);
        if (!(dock->m_dwStyle & dwDockStyle & CBRS_ALIGN_ANY))
            continue;
        if (dock->m_bFloating && !(dwDockStyle & dock->m_dwStyle & CBRS_FLOAT_MULTI))
            continue;
        CRect dockRect;
        dock->GetWindowRect(&dockRect);
        // An empty side still catches a bar at its edge.
        if (dockRect.Width() == 0)
            dockRect.right++;
        if (dockRect.Height() == 0)
            dockRect.bottom++;
        CRect common;
        if (common.IntersectRect(&dockRect, &rect)) {
            if (ppDockBar)
                *ppDockBar = dock;
            return dock->m_dwStyle & dwDockStyle;
        }
    }
    return 0;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    HWND holder = ::GetParent(pBar->m_hWnd);
    CWnd* holderWnd = CWnd::FromHandlePermanent(holder);
    const BOOL laidOutHere = holder == m_hWnd || (holderWnd && holderWnd->IsKindOf(RUNTIME_CLASS(CDockBar)));
    if (!laidOutHere) {
        // A bar in a rebar band: the band goes with it, or an empty gap would stay.
        ::ShowWindow(pBar->m_hWnd, bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
        if (holder) {
            const int bands = static_cast<int>(::SendMessageA(holder, RB_GETBANDCOUNT, 0, 0));
            for (int i = 0; i < bands; ++i) {
                REBARBANDINFOA band = {};
                band.cbSize = sizeof band;
                band.fMask = RBBIM_CHILD;
                if (::SendMessageA(holder, RB_GETBANDINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&band)) &&
                    band.hwndChild == pBar->m_hWnd)
                    ::SendMessageA(holder, RB_SHOWBAND, static_cast<WPARAM>(i), bShow);
            }
        }
        if (bDelay)
            DelayRecalcLayout();
        else
            RecalcLayout();
        return;
    }
    // The frame that lays the bar out: this one, or the floating frame.
    CFrameWnd* layoutFrame = pBar->IsFloating() ? pBar->GetParentFrame() : this;
    if (!layoutFrame)
        layoutFrame = this;
    if (bDelay) {
        pBar->DelayShow(bShow);
        layoutFrame->DelayRecalcLayout();
    } else {
        pBar->m_nStateFlags &= ~(CControlBar::delayHide | CControlBar::delayShow);
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                               (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        if (bShow || !pBar->IsFloating())
            layoutFrame->RecalcLayout(FALSE);
    }
    if (pBar->IsFloating() && layoutFrame != this) {
        // The floating frame shows while it holds a visible bar.
        const int visible = pBar->m_pDockBar->GetDockedVisibleCount();
        layoutFrame->m_nShowDelay = -1;
        if (visible >= 1 && bShow) {
            if (bDelay)
                layoutFrame->m_nShowDelay = SW_SHOWNA;
            else
                layoutFrame->ShowWindow(SW_SHOWNA);
        } else if (visible == 0) {
            if (bDelay)
                layoutFrame->m_nShowDelay = SW_HIDE;
            else
                layoutFrame->ShowWindow(SW_HIDE);
        } else if (!bDelay) {
            layoutFrame->RecalcLayout(FALSE);
        }
    }
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        CControlBar* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (bar->GetSafeHwnd() && static_cast<UINT>(::GetDlgCtrlID(bar->m_hWnd)) == nID)
            return bar;
    }
    return nullptr;
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (!m_listControlBars.Find(pBar))
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    if (POSITION pos = m_listControlBars.Find(pBar))
        m_listControlBars.RemoveAt(pos);
}

// ---- Saved bar state -------------------------------------------------------------------

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.Clear();
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        CControlBar* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (!bar->GetSafeHwnd())
            continue;
        // An empty floating dock bar is a frame on its way out.
        if (bar->IsDockBar() && static_cast<CDockBar*>(bar)->m_bFloating &&
            static_cast<CDockBar*>(bar)->GetDockedCount() == 0)
            continue;
        CControlBarInfo* info = new CControlBarInfo;
        bar->GetBarInfo(info);
        state.m_arrBarInfo.Add(info);
    }
}

void CFrameWnd::SetDockState(const CDockState& state)
{
    // Pass 1: a frame for each floating dock bar; every other info finds its bar.
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        CControlBarInfo* info = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        info->m_pBar = nullptr;
        if (info->m_bFloating) {
            CMiniDockFrameWnd* frame = CreateFloatingFrame(info->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
            if (!frame)
                continue;
            const CPoint at = OnSomeMonitor(info->m_pointPos);
            CRect rect(at, CSize(10, 10));
            frame->CalcWindowRect(&rect);
            frame->SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            info->m_pBar = &frame->m_wndDockBar;
        } else {
            info->m_pBar = GetControlBar(info->m_nBarID);
        }
        if (info->m_pBar)
            info->m_pBar->m_nMRUWidth = info->m_nMRUWidth;
    }
    // Pass 2: dock bars take their rows, bars their places and visibility.
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        CControlBarInfo* info = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        if (info->m_pBar)
            info->m_pBar->SetBarInfo(info, this);
    }
    // Floating frames left without a bar (the layout moved their bars) go.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        CControlBar* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (bar->IsDockBar() && static_cast<CDockBar*>(bar)->m_bFloating && bar->GetSafeHwnd() &&
            static_cast<CDockBar*>(bar)->GetDockedCount() == 0)
            if (CFrameWnd* frame = bar->GetParentFrame())
                if (frame != this)
                    frame->DestroyWindow();
    }
    // Pass 3: floating frames with a visible bar show.
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        CControlBarInfo* info = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        if (!info->m_bFloating || !info->m_pBar || !info->m_pBar->GetSafeHwnd())
            continue;
        CDockBar* dock = static_cast<CDockBar*>(info->m_pBar);
        CFrameWnd* frame = dock->GetParentFrame();
        if (frame && dock->GetDockedVisibleCount() > 0) {
            frame->RecalcLayout();
            if (GetStyle() & WS_VISIBLE)
                frame->ShowWindow(SW_SHOWNA);
        }
    }
    DelayRecalcLayout();
}

void CFrameWnd::SaveBarState(LPCTSTR lpszProfileName) const
{
    CDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}

void CFrameWnd::LoadBarState(LPCTSTR lpszProfileName)
{
    CDockState state;
    state.LoadState(lpszProfileName);
    if (state.m_arrBarInfo.GetSize() > 0)
        SetDockState(state);
}
