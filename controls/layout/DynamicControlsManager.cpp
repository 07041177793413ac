#include "controls/layout/DynamicControlsManager.h"

#include "controls/layout/DynamicWnd.h"
#include "controls/layout/DynamicWndEx.h"
#include "controls/layout/SizeIconCtrl.h"

#include <algorithm>

namespace {
const UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOCOPYBITS;

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

cdxCDynamicControlsManager::ControlPosition cdxCDynamicControlsManager::ControlPosition::FromModes(int modeX, int modeY)
{
    // The mix-in's rule, with the bytes in this class's order.
    signed char p[4];
    cdxCDynamicWnd::ModesToPercent(modeX, modeY, p);
    return ControlPosition(static_cast<BYTE>(p[cdxCDynamicWnd::PctLeft]), static_cast<BYTE>(p[cdxCDynamicWnd::PctRight]),
                           static_cast<BYTE>(p[cdxCDynamicWnd::PctTop]), static_cast<BYTE>(p[cdxCDynamicWnd::PctBottom]));
}

bool cdxCDynamicControlsManager::ControlPosition::IsValid() const
{
    return pct[Left] <= pct[Right] && pct[Top] <= pct[Bottom] && pct[Right] <= 100 && pct[Bottom] <= 100;
}

CRect cdxCDynamicControlsManager::ControlPosition::Apply(const CRect& rcStart, const CSize& szDelta) const
{
    // Truncated toward zero, as the mix-in does; small controls are not parked.
    return CRect(rcStart.left + pct[Left] * szDelta.cx / 100, rcStart.top + pct[Top] * szDelta.cy / 100,
                 rcStart.right + pct[Right] * szDelta.cx / 100, rcStart.bottom + pct[Bottom] * szDelta.cy / 100);
}

// ---------------------------------------------------------------------------

cdxCDynamicControlsManager::cdxCDynamicControlsManager()
    : m_bApplyScrollPosition(false), m_nSizeGripId(DefaultSizeGripId), m_pWnd(nullptr), m_controls(),
      m_pSizeIcon(nullptr), m_nFreedom(FreedomBoth), m_szInitial(), m_szMin(), m_szMax(), m_rcWindowStart(),
      m_iDisabled(0)
{
}

cdxCDynamicControlsManager::~cdxCDynamicControlsManager()
{
    DoDestroyWindow();
}

CSize cdxCDynamicControlsManager::ClientSize() const
{
    return cdxCDynamicWnd::ClientSizeOf(m_pWnd ? m_pWnd->GetSafeHwnd() : nullptr);
}

CSize cdxCDynamicControlsManager::BorderSize() const
{
    return cdxCDynamicWnd::BorderSizeOf(m_pWnd ? m_pWnd->GetSafeHwnd() : nullptr);
}

void cdxCDynamicControlsManager::DoInitWindow(CWnd& rWnd, UINT nFreedom, bool bSizeIcon, const CSize* pBaseClientSize)
{
    DoDestroyWindow();
    m_pWnd = &rWnd;
    m_iDisabled = 0;
    m_nFreedom = nFreedom;
    if (!IsWindow())
        return;
    ::GetWindowRect(rWnd.GetSafeHwnd(), &m_rcWindowStart);
    m_szInitial = m_szMin = pBaseClientSize ? *pBaseClientSize : ClientSize();
    if (bSizeIcon) {
        m_pSizeIcon = new cdxCSizeIconCtrl();
        if (m_pSizeIcon->Create(m_pWnd, m_nSizeGripId)) {
            AddSzControlEx(*m_pSizeIcon, 100, 100, 100, 100);
            m_pSizeIcon->ShowWindow(SW_SHOW);
        } else {
            delete m_pSizeIcon;
            m_pSizeIcon = nullptr;
        }
    }
}

void cdxCDynamicControlsManager::DoDestroyWindow()
{
    RemoveAllControls();
    m_pWnd = nullptr;
    m_iDisabled = 1;
}

void cdxCDynamicControlsManager::Enable(bool bEnable)
{
    if (!bEnable)
        ++m_iDisabled;
    else if (m_iDisabled > 0)
        --m_iDisabled;
}

cdxCDynamicControlsManager::ControlData* cdxCDynamicControlsManager::FindData(HWND hWnd, std::list<ControlData>::iterator* pWhere)
{
    for (auto it = m_controls.begin(); it != m_controls.end(); ++it)
        for (const ControlData::ControlEntry& entry : it->m_entries)
            if (entry.GetWnd()->GetSafeHwnd() == hWnd) {
                if (pWhere)
                    *pWhere = it;
                return &*it;
            }
    return nullptr;
}

bool cdxCDynamicControlsManager::AddSzControl(CWnd& rCtrl, const ControlPosition& pos, bool bReposNow)
{
    CRect rc;
    HWND hCtrl = rCtrl.GetSafeHwnd();
    if (!IsWindow() || !::IsWindow(hCtrl) || !pos.IsValid() || !NormalRect(hCtrl, rc))
        return false;
    if (rc.left > rc.right || rc.top > rc.bottom)
        return false;
    RemSzControl(rCtrl);
    // Controls that start at the same place and move alike share one record.
    auto same = std::find_if(m_controls.begin(), m_controls.end(), [&](const ControlData& d) {
        return d.m_rcStart == rc && std::equal(d.m_pos.pct, d.m_pos.pct + 4, pos.pct);
    });
    ControlData& data = same != m_controls.end() ? *same : (m_controls.emplace_back(rc, pos), m_controls.back());
    data.m_entries.emplace_back(&rCtrl);
    if (bReposNow)
        RepositionOne(data, hCtrl);
    return true;
}

bool cdxCDynamicControlsManager::AddSzControl(CWnd& rCtrl, int modeX, int modeY, bool bReposNow)
{
    return AddSzControl(rCtrl, ControlPosition::FromModes(modeX, modeY), bReposNow);
}

bool cdxCDynamicControlsManager::AddSzControlEx(CWnd& rCtrl, BYTE left, BYTE right, BYTE top, BYTE bottom, bool bReposNow)
{
    return AddSzControl(rCtrl, ControlPosition(left, right, top, bottom), bReposNow);
}

bool cdxCDynamicControlsManager::RemSzControl(CWnd& rCtrl)
{
    std::list<ControlData>::iterator where;
    ControlData* data = FindData(rCtrl.GetSafeHwnd(), &where);
    if (!data)
        return false;
    data->m_entries.remove_if([&](const ControlData::ControlEntry& e) { return e.GetWnd() == &rCtrl || e.GetWnd()->GetSafeHwnd() == rCtrl.GetSafeHwnd(); });
    if (data->m_entries.empty())
        m_controls.erase(where);
    return true;
}

void cdxCDynamicControlsManager::DestroySizeIcon()
{
    if (!m_pSizeIcon)
        return;
    if (::IsWindow(m_pSizeIcon->GetSafeHwnd()))
        m_pSizeIcon->DestroyWindow();
    delete m_pSizeIcon;
    m_pSizeIcon = nullptr;
}

void cdxCDynamicControlsManager::RemoveAllControls()
{
    m_controls.clear();
    DestroySizeIcon();
}

int cdxCDynamicControlsManager::GetCtrlCount() const
{
    int n = 0;
    for (const ControlData& d : m_controls)
        n += static_cast<int>(d.m_entries.size());
    return n;
}

bool cdxCDynamicControlsManager::SetMinMaxSize(const CSize& szMin, const CSize& szMax, bool bResizeNow)
{
    if ((szMax.cx > 0 && szMax.cx < szMin.cx) || (szMax.cy > 0 && szMax.cy < szMin.cy))
        return false;
    m_szMin = szMin;
    m_szMax = szMax;
    if (bResizeNow && IsWindow() && !::IsIconic(m_pWnd->GetSafeHwnd()) && !::IsZoomed(m_pWnd->GetSafeHwnd())) {
        const CSize now = ClientSize();
        CSize want(std::max(now.cx, m_szMin.cx), std::max(now.cy, m_szMin.cy));
        if (m_szMax.cx > 0)
            want.cx = std::min(want.cx, m_szMax.cx);
        if (m_szMax.cy > 0)
            want.cy = std::min(want.cy, m_szMax.cy);
        if (want != now) {
            CRect rc;
            ::GetWindowRect(m_pWnd->GetSafeHwnd(), &rc);
            const CSize outer = rc.Size() + (want - now);
            ::SetWindowPos(m_pWnd->GetSafeHwnd(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return true;
}

CRect cdxCDynamicControlsManager::CalcControlRect(const ControlData& data, const CSize& szClient, const CSize& szInitial,
                                                 const CSize& szMin, const CPoint& ptScroll)
{
    // A window held below its minimum lays out as if it had the minimum.
    const CSize size(std::max(szClient.cx, szMin.cx), std::max(szClient.cy, szMin.cy));
    CRect rc = data.m_pos.Apply(data.m_rcStart, size - szInitial);
    rc.OffsetRect(-ptScroll.x, -ptScroll.y);
    return rc;
}

void cdxCDynamicControlsManager::RepositionOne(const ControlData& data, HWND hCtrl)
{
    CPoint scroll;
    if (m_bApplyScrollPosition) {
        scroll.x = ::GetScrollPos(m_pWnd->GetSafeHwnd(), SB_HORZ);
        scroll.y = ::GetScrollPos(m_pWnd->GetSafeHwnd(), SB_VERT);
    }
    const CRect rc = CalcControlRect(data, ClientSize(), m_szInitial, m_szMin, scroll);
    ::SetWindowPos(hCtrl, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), kMoveFlags);
}

void cdxCDynamicControlsManager::ReorganizeControls(bool bRedraw)
{
    if (!IsWindow() || IsDisabled() || ::IsIconic(m_pWnd->GetSafeHwnd()))
        return;
    HWND hWnd = m_pWnd->GetSafeHwnd();
    CPoint scroll;
    if (m_bApplyScrollPosition) {
        scroll.x = ::GetScrollPos(hWnd, SB_HORZ);
        scroll.y = ::GetScrollPos(hWnd, SB_VERT);
    }
    const CSize client = ClientSize();
    HDWP hdwp = ::BeginDeferWindowPos(std::max(1, GetCtrlCount()));
    for (const ControlData& data : m_controls) {
        const CRect rc = CalcControlRect(data, client, m_szInitial, m_szMin, scroll);
        for (const ControlData::ControlEntry& entry : data.m_entries) {
            HWND hCtrl = entry.GetWnd()->GetSafeHwnd();
            if (!::IsWindow(hCtrl))
                continue;
            if (hdwp) {
                if (HDWP next = ::DeferWindowPos(hdwp, hCtrl, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), kMoveFlags)) {
                    hdwp = next;
                    continue;
                }
                hdwp = nullptr;   // dropped by the system; the rest move one by one
            }
            ::SetWindowPos(hCtrl, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), kMoveFlags);
        }
    }
    if (hdwp)
        ::EndDeferWindowPos(hdwp);
    if (bRedraw && ::IsWindowVisible(hWnd))
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_NOERASE);
}

void cdxCDynamicControlsManager::DoOnSize(UINT nType, int, int)
{
    if (nType != SIZE_MINIMIZED)
        ReorganizeControls(true);
}

void cdxCDynamicControlsManager::DoOnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (!lpMMI || !IsWindow() || IsDisabled())
        return;
    UINT freedom = 0;
    if (m_nFreedom & FreedomHorizontal)
        freedom |= cdxCDynamicWnd::FreedomHorizontal;
    if (m_nFreedom & FreedomVertical)
        freedom |= cdxCDynamicWnd::FreedomVertical;
    cdxCDynamicWnd::CalcMinMaxInfo(*lpMMI, m_szMin, m_szMax, BorderSize(), freedom);
}

bool cdxCDynamicControlsManager::StretchWindow(const CSize& szGrow)
{
    return IsWindow() && cdxCDynamicWndEx::StretchWindow(m_pWnd->GetSafeHwnd(), szGrow);
}

bool cdxCDynamicControlsManager::StretchWindow(int nPercent)
{
    if (!IsWindow())
        return false;
    CRect rc;
    ::GetWindowRect(m_pWnd->GetSafeHwnd(), &rc);
    return StretchWindow(CSize(rc.Width() * nPercent / 100, rc.Height() * nPercent / 100));
}

bool cdxCDynamicControlsManager::StoreWindowPosition(LPCTSTR lpszSection)
{
    return IsWindow() && cdxCDynamicWndEx::SaveWindowPlacement(m_pWnd->GetSafeHwnd(), lpszSection);
}

bool cdxCDynamicControlsManager::RestoreWindowPosition(LPCTSTR lpszSection, UINT nWhat)
{
    return IsWindow() && cdxCDynamicWndEx::LoadWindowPlacement(m_pWnd->GetSafeHwnd(), lpszSection, nWhat);
}

void cdxCDynamicControlsManager::HideSizeIcon()
{
    if (m_pSizeIcon && ::IsWindow(m_pSizeIcon->GetSafeHwnd()))
        m_pSizeIcon->ShowWindow(SW_HIDE);
}

void cdxCDynamicControlsManager::ShowSizeIcon()
{
    if (m_pSizeIcon && ::IsWindow(m_pSizeIcon->GetSafeHwnd()))
        m_pSizeIcon->ShowWindow(SW_SHOW);
}
