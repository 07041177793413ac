#include "controls/layout/DynamicWndEx.h"

#include "afx/WorkArea.h"

#include <utility>

const TCHAR cdxCDynamicWndEx::s_szPositionsBase[] = "WindowPositions";

namespace {
const char kValid[] = "(valid)";
const char kLeft[] = "Left";
const char kRight[] = "Right";
const char kTop[] = "Top";
const char kBottom[] = "Bottom";
const char kVisibility[] = "Visibility";
const char kState[] = "State";

IControlsProfile* UsableProfile()
{
    IControlsProfile* p = ControlsGetProfile();
    return p && p->HasRegistryKey() ? p : nullptr;
}
}

bool cdxWindowPlacementRecord::Write(IControlsProfile& profile, LPCTSTR section) const
{
    return profile.WriteProfileInt(section, kValid, 0)
        && profile.WriteProfileInt(section, kLeft, rcNormal.left)
        && profile.WriteProfileInt(section, kRight, rcNormal.right)
        && profile.WriteProfileInt(section, kTop, rcNormal.top)
        && profile.WriteProfileInt(section, kBottom, rcNormal.bottom)
        && profile.WriteProfileInt(section, kVisibility, nVisibility)
        && profile.WriteProfileInt(section, kState, nState)
        && profile.WriteProfileInt(section, kValid, 1);
}

bool cdxWindowPlacementRecord::Read(IControlsProfile& profile, LPCTSTR section, const CRect& rcDefault)
{
    if (profile.GetProfileInt(section, kValid, 0) != 1)
        return false;
    nState = profile.GetProfileInt(section, kState, StateNormal);
    rcNormal.left = profile.GetProfileInt(section, kLeft, rcDefault.left);
    rcNormal.right = profile.GetProfileInt(section, kRight, rcDefault.right);
    rcNormal.top = profile.GetProfileInt(section, kTop, rcDefault.top);
    rcNormal.bottom = profile.GetProfileInt(section, kBottom, rcDefault.bottom);
    if (rcNormal.left > rcNormal.right)
        std::swap(rcNormal.left, rcNormal.right);
    if (rcNormal.top > rcNormal.bottom)
        std::swap(rcNormal.top, rcNormal.bottom);
    nVisibility = profile.GetProfileInt(section, kVisibility, -1);
    return true;
}

// ---------------------------------------------------------------------------

cdxCDynamicWndEx::~cdxCDynamicWndEx()
{
    // The placement is stored while this part of the object still exists.
    if (IsWindow())
        DoOnDestroy();
}

CString cdxCDynamicWndEx::MakeEntryName(UINT nId)
{
    CString s;
    s.Format("ID=0x%08lx", static_cast<unsigned long>(nId));
    return s;
}

void cdxCDynamicWndEx::ActivateAutoPos(UINT nId)
{
    m_strAutoPos = MakeEntryName(nId);
}

CString cdxCDynamicWndEx::MakeSection(LPCTSTR lpszBase, LPCTSTR lpszEntry)
{
    CString s(lpszBase ? lpszBase : "");
    if (!s.IsEmpty() && s[s.GetLength() - 1] != '\\')
        s += '\\';
    s += lpszEntry ? lpszEntry : "";
    return s;
}

void cdxCDynamicWndEx::OnInitialized()
{
    if (m_strAutoPos.IsEmpty())
        return;
    if (!LoadPlacement(GetAutoPosSection(), PlacementAll) && IsWindow()) {
        HWND hWnd = m_pWnd->GetSafeHwnd();
        HWND hParent = ::GetParent(hWnd);
        if (!hParent)
            hParent = ::GetWindow(hWnd, GW_OWNER);
        CRect rcWnd, rcArea;
        ::GetWindowRect(hWnd, &rcWnd);
        if (hParent && !::IsIconic(hParent) && ::IsWindowVisible(hParent))
            ::GetWindowRect(hParent, &rcArea);
        else
            ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
        if (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) {
            ::GetClientRect(hParent, &rcArea);
            ::MapWindowPoints(hParent, nullptr, reinterpret_cast<LPPOINT>(&rcArea), 2);
        }
        int x = rcArea.left + (rcArea.Width() - rcWnd.Width()) / 2;
        int y = rcArea.top + (rcArea.Height() - rcWnd.Height()) / 2;
        if (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) {
            POINT pt = {x, y};
            ::ScreenToClient(hParent, &pt);
            x = pt.x;
            y = pt.y;
        }
        ::SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        StretchWindow(0);
    }
}

void cdxCDynamicWndEx::OnDestroying()
{
    if (!m_strAutoPos.IsEmpty() && IsWindow())
        SavePlacement(GetAutoPosSection());
}

bool cdxCDynamicWndEx::SavePlacement(LPCTSTR lpszSection)
{
    return IsWindow() && SaveWindowPlacement(m_pWnd->GetSafeHwnd(), lpszSection);
}

bool cdxCDynamicWndEx::SaveWindowPlacement(HWND hWnd, LPCTSTR lpszSection)
{
    IControlsProfile* profile = UsableProfile();
    if (!::IsWindow(hWnd) || !lpszSection || !*lpszSection || !profile)
        return false;
    WINDOWPLACEMENT wpl = {};
    wpl.length = sizeof(wpl);
    if (!::GetWindowPlacement(hWnd, &wpl))
        return false;
    cdxWindowPlacementRecord rec;
    rec.rcNormal = wpl.rcNormalPosition;
    rec.nVisibility = ::IsWindowVisible(hWnd) ? 1 : 0;
    rec.nState = ::IsIconic(hWnd) ? cdxWindowPlacementRecord::StateMinimized
               : ::IsZoomed(hWnd) ? cdxWindowPlacementRecord::StateMaximized
                                  : cdxWindowPlacementRecord::StateNormal;
    return rec.Write(*profile, lpszSection);
}

bool cdxCDynamicWndEx::LoadPlacement(LPCTSTR lpszSection, UINT nWhat)
{
    return IsWindow() && LoadWindowPlacement(m_pWnd->GetSafeHwnd(), lpszSection, nWhat, m_szMin + GetBorderSize());
}

bool cdxCDynamicWndEx::LoadWindowPlacement(HWND hWnd, LPCTSTR lpszSection, UINT nWhat, CSize szMinWindow)
{
    IControlsProfile* profile = UsableProfile();
    if (!::IsWindow(hWnd) || !lpszSection || !*lpszSection || !profile)
        return false;
    WINDOWPLACEMENT wpl = {};
    wpl.length = sizeof(wpl);
    ::GetWindowPlacement(hWnd, &wpl);
    cdxWindowPlacementRecord rec;
    if (!rec.Read(*profile, lpszSection, CRect(wpl.rcNormalPosition)))
        return false;

    UINT showCmd = 0;
    if (nWhat & PlacementState) {
        if (rec.nState == cdxWindowPlacementRecord::StateMaximized)
            showCmd = SW_SHOWMAXIMIZED;
        else if (rec.nState == cdxWindowPlacementRecord::StateMinimized)
            showCmd = SW_MINIMIZE;
    }
    CRect rc = rec.rcNormal;
    if (!(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        rc = AfxFitRectToMonitors(rc, szMinWindow, CRect(wpl.rcNormalPosition).Size());
    ::MoveWindow(hWnd, rc.left, rc.top, rc.Width(), rc.Height(), showCmd == 0);
    if (showCmd) {
        wpl.length = sizeof(wpl);
        ::GetWindowPlacement(hWnd, &wpl);
        wpl.showCmd = showCmd;
        ::SetWindowPlacement(hWnd, &wpl);
    }
    if (nWhat & PlacementVisibility) {
        if (rec.nVisibility == 1)
            ::ShowWindow(hWnd, SW_SHOW);
        else if (rec.nVisibility == 0)
            ::ShowWindow(hWnd, SW_HIDE);
    }
    return true;
}

bool cdxCDynamicWndEx::StretchWindow(const CSize& szGrow)
{
    return IsWindow() && StretchWindow(m_pWnd->GetSafeHwnd(), szGrow);
}

bool cdxCDynamicWndEx::StretchWindow(HWND hWnd, const CSize& szGrow)
{
    if (!::IsWindow(hWnd))
        return false;
    // A minimised or maximised window keeps its size; it is stretched when normal.
    if (::IsIconic(hWnd) || ::IsZoomed(hWnd))
        return false;
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    if (HWND hParent = ::GetParent(hWnd); hParent && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<LPPOINT>(&rc), 2);
    if (!StretchRect(rc, szGrow))
        return false;
    ::SetWindowPos(hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    return true;
}

bool cdxCDynamicWndEx::StretchWindow(int nPercent)
{
    if (!IsWindow())
        return false;
    CSize sz = GetCurrentClientSize() + GetBorderSize();
    return StretchWindow(CSize(sz.cx * nPercent / 100, sz.cy * nPercent / 100));
}
