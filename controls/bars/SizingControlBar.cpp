#include "controls/bars/SizingControlBar.h"

#include "afx/DockBar.h"

#include "afx/FrameWnd.h"
#include "afx/WinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSizingControlBar, CControlBar)

BEGIN_MESSAGE_MAP(CSizingControlBar, CControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCHITTEST()
    ON_WM_NCPAINT()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCMOUSEMOVE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETTINGCHANGE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

std::vector<CSizingControlBar*> CSizingControlBar::s_allBars;

namespace {

const int kMinCx = 33;
const int kMinCy = 32;
const int kDefaultSize = 200;
const int kStretch = 32767;
// The halftone drag rectangle is drawn with this raster operation.
const DWORD kPatInvert = PATINVERT;

} // namespace

CSizingControlBar::CSizingControlBar()
    : m_szMinHorz(kMinCx, kMinCy), m_szMinVert(kMinCx, kMinCy), m_szMinFloat(kMinCx, kMinCy),
      m_szHorz(kDefaultSize, kDefaultSize), m_szVert(kDefaultSize, kDefaultSize), m_szFloat(kDefaultSize, kDefaultSize),
      m_cxEdge(5), m_bDragShowContent(FALSE), m_bTracking(FALSE), m_bHasGripper(TRUE), m_htEdge(HTNOWHERE),
      m_ptStart(), m_szStart(), m_szTrack(), m_bTrackRectShown(FALSE), m_nCloseState(0)
{
}

CSizingControlBar::~CSizingControlBar()
{
    s_allBars.erase(std::remove(s_allBars.begin(), s_allBars.end(), this), s_allBars.end());
}

BOOL CSizingControlBar::Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper,
                               UINT nID, DWORD dwStyle)
{
    ASSERT(pParentWnd != nullptr);
    m_szHorz = m_szVert = m_szFloat = sizeDefault;
    m_bHasGripper = bHasGripper;
    // The bar's own bits stay in m_dwStyle; the window gets the rest.
    DWORD windowStyle = SplitBarStyle(dwStyle) | WS_CLIPCHILDREN;
    // Floating, the bar is sized by its frame's border (CalcDynamicLayout).
    m_dwStyle |= CBRS_SIZE_DYNAMIC;
    LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CWnd::Create(cls, lpszWindowName, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    BOOL full = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    m_bDragShowContent = full;
    AttachToFrame(pParentWnd);
    s_allBars.push_back(this);
    return TRUE;
}

void CSizingControlBar::OnDestroy()
{
    s_allBars.erase(std::remove(s_allBars.begin(), s_allBars.end(), this), s_allBars.end());
    CControlBar::OnDestroy();
}

BOOL CSizingControlBar::IsHorzDocked() const
{
    const UINT id = GetDockBarID();
    return id == AFX_IDW_DOCKBAR_TOP || id == AFX_IDW_DOCKBAR_BOTTOM;
}

BOOL CSizingControlBar::IsVertDocked() const
{
    const UINT id = GetDockBarID();
    return id == AFX_IDW_DOCKBAR_LEFT || id == AFX_IDW_DOCKBAR_RIGHT;
}

CSize CSizingControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // Along its edge the bar stretches to the frame; across it, its own size.
    if (bHorz)
        return CSize(bStretch ? kStretch : m_szHorz.cx, m_szHorz.cy);
    return CSize(m_szVert.cx, bStretch ? kStretch : m_szVert.cy);
}

CSize CSizingControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (IsFloating()) {
        if (nLength >= 0) {
            if (nMode & LM_LENGTHY)
                m_szFloat.cy = std::max(static_cast<int>(m_szMinFloat.cy), nLength);
            else
                m_szFloat.cx = std::max(static_cast<int>(m_szMinFloat.cx), nLength);
        }
        return m_szFloat;
    }
    if (m_pDockBar && (nMode & (LM_HORZDOCK | LM_VERTDOCK))) {
        // Docked, the bar fills its side's length: the room the frame gives the dock bar.
        CRect room = m_pDockBar->m_rectLayout;
        if (room.IsRectEmpty() && m_pDockBar->GetParent())
            m_pDockBar->GetParent()->GetClientRect(&room);
        const BOOL horz = (nMode & LM_HORZDOCK) != 0;
        CSize size = CalcFixedLayout(FALSE, horz);
        if (horz)
            size.cx = room.Width();
        else
            size.cy = room.Height();
        return size;
    }
    return CControlBar::CalcDynamicLayout(nLength, nMode);
}

void CSizingControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

// ---- Profile -----------------------------------------------------------------------------

namespace {

CString StateSection(LPCTSTR lpszProfileName, UINT nID)
{
    CString section;
    section.Format("%s-SCBar-%d", lpszProfileName, nID);
    return section;
}

} // namespace

void CSizingControlBar::LoadState(LPCTSTR lpszProfileName)
{
    CWinApp* app = AfxGetApp();
    if (!app || !m_hWnd)
        return;
    const CString section = StateSection(lpszProfileName, static_cast<UINT>(GetDlgCtrlID()));
    // A stored size below the minimum (a damaged profile) is raised to it.
    auto read = [&](LPCTSTR key, LONG current, int minimum) {
        return static_cast<LONG>(std::max(minimum, static_cast<int>(app->GetProfileInt(section, key, current))));
    };
    m_szHorz.cx = read("sizeHorzCX", m_szHorz.cx, kMinCx);
    m_szHorz.cy = read("sizeHorzCY", m_szHorz.cy, kMinCy);
    m_szVert.cx = read("sizeVertCX", m_szVert.cx, kMinCx);
    m_szVert.cy = read("sizeVertCY", m_szVert.cy, kMinCy);
    m_szFloat.cx = read("sizeFloatCX", m_szFloat.cx, kMinCx);
    m_szFloat.cy = read("sizeFloatCY", m_szFloat.cy, kMinCy);
}

void CSizingControlBar::SaveState(LPCTSTR lpszProfileName)
{
    CWinApp* app = AfxGetApp();
    if (!app || !m_hWnd)
        return;
    const CString section = StateSection(lpszProfileName, static_cast<UINT>(GetDlgCtrlID()));
    app->WriteProfileInt(section, "sizeHorzCX", m_szHorz.cx);
    app->WriteProfileInt(section, "sizeHorzCY", m_szHorz.cy);
    app->WriteProfileInt(section, "sizeVertCX", m_szVert.cx);
    app->WriteProfileInt(section, "sizeVertCY", m_szVert.cy);
    app->WriteProfileInt(section, "sizeFloatCX", m_szFloat.cx);
    app->WriteProfileInt(section, "sizeFloatCY", m_szFloat.cy);
}

void CSizingControlBar::GlobalLoadState(LPCTSTR lpszProfileName)
{
    for (CSizingControlBar* bar : s_allBars)
        bar->LoadState(lpszProfileName);
}

void CSizingControlBar::GlobalSaveState(LPCTSTR lpszProfileName)
{
    for (CSizingControlBar* bar : s_allBars)
        bar->SaveState(lpszProfileName);
}

// ---- Non-client area: edge, caption, close button ----------------------------------------

UINT CSizingControlBar::GetEdgeHitTest() const
{
    switch (GetDockBarID()) {
    case AFX_IDW_DOCKBAR_TOP: return HTBOTTOM;
    case AFX_IDW_DOCKBAR_BOTTOM: return HTTOP;
    case AFX_IDW_DOCKBAR_LEFT: return HTRIGHT;
    case AFX_IDW_DOCKBAR_RIGHT: return HTLEFT;
    default: return HTNOWHERE;
    }
}

CRect CSizingControlBar::EdgeRect() const
{
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    switch (GetEdgeHitTest()) {
    case HTBOTTOM: rc.top = rc.bottom - m_cxEdge; break;
    case HTTOP: rc.bottom = rc.top + m_cxEdge; break;
    case HTRIGHT: rc.left = rc.right - m_cxEdge; break;
    case HTLEFT: rc.right = rc.left + m_cxEdge; break;
    default: rc.SetRectEmpty(); break;
    }
    return rc;
}

CRect CSizingControlBar::CaptionRect() const
{
    // Floating, the mini frame's caption carries the bar.
    if (!m_bHasGripper || IsFloating())
        return CRect(0, 0, 0, 0);
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    switch (GetEdgeHitTest()) {
    case HTTOP: rc.top += m_cxEdge; break;
    case HTLEFT: rc.left += m_cxEdge; break;
    default: break;
    }
    // A horizontal bar has its caption on the left, a vertical one on top.
    if (IsHorzDocked())
        rc.right = rc.left + CaptionSize;
    else
        rc.bottom = rc.top + CaptionSize;
    return rc;
}

CRect CSizingControlBar::CloseButtonRect() const
{
    const CRect caption = CaptionRect();
    if (caption.IsRectEmpty())
        return caption;
    const int x = IsHorzDocked() ? caption.left + (caption.Width() - CloseButtonSize) / 2 : caption.right - CloseButtonSize - 2;
    const int y = IsHorzDocked() ? caption.top + 2 : caption.top + (caption.Height() - CloseButtonSize) / 2;
    return CRect(x, y, x + CloseButtonSize, y + CloseButtonSize);
}

void CSizingControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rc = lpncsp->rgrc[0];
    switch (GetEdgeHitTest()) {
    case HTBOTTOM: rc.bottom -= m_cxEdge; break;
    case HTTOP: rc.top += m_cxEdge; break;
    case HTRIGHT: rc.right -= m_cxEdge; break;
    case HTLEFT: rc.left += m_cxEdge; break;
    default: break;
    }
    if (m_bHasGripper && !IsFloating()) {
        if (IsHorzDocked())
            rc.left += CaptionSize;
        else
            rc.top += CaptionSize;
    }
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
}

LRESULT CSizingControlBar::OnNcHitTest(CPoint point)
{
    CRect window;
    GetWindowRect(&window);
    point.Offset(-window.left, -window.top);
    if (CloseButtonRect().PtInRect(point))
        return HTCLOSE;
    // Only the edge facing the inside of the frame can be dragged.
    if (EdgeRect().PtInRect(point))
        return GetEdgeHitTest();
    return CControlBar::OnNcHitTest(CPoint(point.x + window.left, point.y + window.top));
}

void CSizingControlBar::OnNcPaint()
{
    HDC dc = ::GetWindowDC(m_hWnd);
    CRect window;
    GetWindowRect(&window);
    window.OffsetRect(-window.left, -window.top);
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    CRect outer;
    GetWindowRect(&outer);
    client.OffsetRect(-outer.left, -outer.top);
    ::ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    ::FillRect(dc, &window, ::GetSysColorBrush(COLOR_BTNFACE));

    const CRect edge = EdgeRect();
    if (!edge.IsRectEmpty())
        ::DrawEdge(dc, const_cast<CRect*>(&edge), EDGE_RAISED, BF_RECT);

    const CRect caption = CaptionRect();
    if (!caption.IsRectEmpty()) {
        // The gripper: two raised lines along the caption.
        CRect grip = caption;
        const CRect close = CloseButtonRect();
        if (IsHorzDocked()) {
            grip.top = close.bottom + 3;
            grip.left += 3;
            grip.right = grip.left + 3;
        } else {
            grip.right = close.left - 3;
            grip.top += 4;
            grip.bottom = grip.top + 3;
        }
        ::DrawEdge(dc, &grip, BDR_RAISEDINNER, BF_RECT);
        if (IsHorzDocked())
            grip.OffsetRect(4, 0);
        else
            grip.OffsetRect(0, 4);
        ::DrawEdge(dc, &grip, BDR_RAISEDINNER, BF_RECT);

        // The close button: the system's glyph font draws the cross.
        CRect button = close;
        if (m_nCloseState == 1)
            ::DrawEdge(dc, &button, BDR_RAISEDINNER, BF_RECT);
        else if (m_nCloseState == 2)
            ::DrawEdge(dc, &button, BDR_SUNKENOUTER, BF_RECT);
        HFONT glyphs = ::CreateFontA(CloseButtonSize - 2, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0, 0, 0,
                                     "Marlett");
        HGDIOBJ old = ::SelectObject(dc, glyphs);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        if (m_nCloseState == 2)
            button.OffsetRect(1, 1);
        ::DrawTextA(dc, "r", 1, &button, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::SelectObject(dc, old);
        ::DeleteObject(glyphs);
    }
    ::ReleaseDC(m_hWnd, dc);
}

void CSizingControlBar::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    CControlBar::OnNcMouseMove(nHitTest, point);
    int state = 0;
    if (nHitTest == HTCLOSE)
        state = ::GetKeyState(VK_LBUTTON) < 0 ? 2 : 1;
    if (state != m_nCloseState) {
        m_nCloseState = state;
        SendMessage(WM_NCPAINT);
    }
}

void CSizingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (m_bTracking)
        return;
    if (nHitTest == HTCLOSE) {
        m_nCloseState = 2;
        SendMessage(WM_NCPAINT);
        return;
    }
    if (nHitTest != HTNOWHERE && nHitTest == GetEdgeHitTest()) {
        StartTracking(nHitTest, point);
        return;
    }
    CControlBar::OnNcLButtonDown(nHitTest, point);
}

void CSizingControlBar::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCLOSE) {
        m_nCloseState = 0;
        if (CFrameWnd* frame = GetDockingFrame())
            frame->ShowControlBar(this, FALSE, FALSE);
        return;
    }
    CControlBar::OnNcLButtonUp(nHitTest, point);
}

void CSizingControlBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CControlBar::OnSettingChange(uFlags, lpszSection);
    BOOL full = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    m_bDragShowContent = full;
}

// ---- Tracking the splitter ---------------------------------------------------------------

void CSizingControlBar::StartTracking(UINT nHitTest, CPoint ptScreen)
{
    m_htEdge = nHitTest;
    m_ptStart = ptScreen;
    m_szStart = m_szTrack = IsHorzDocked() ? m_szHorz : m_szVert;
    m_bTracking = TRUE;
    SetCapture();
    if (!m_bDragShowContent)
        DrawTrackRect(m_szTrack);
}

CSize CSizingControlBar::TrackedSize(CPoint ptScreen) const
{
    CSize size = m_szStart;
    const CSize delta = ptScreen - m_ptStart;
    CRect frame(0, 0, kStretch, kStretch);
    if (CFrameWnd* site = GetDockingFrame())
        site->GetClientRect(&frame);
    switch (m_htEdge) {
    case HTBOTTOM: size.cy += delta.cy; break;
    case HTTOP: size.cy -= delta.cy; break;
    case HTRIGHT: size.cx += delta.cx; break;
    case HTLEFT: size.cx -= delta.cx; break;
    default: break;
    }
    // Never below the minimum, never past the frame's client area.
    const CSize& minimum = IsHorzDocked() ? m_szMinHorz : m_szMinVert;
    const LONG maxCx = std::max<LONG>(minimum.cx, frame.Width());
    const LONG maxCy = std::max<LONG>(minimum.cy, frame.Height());
    size.cx = std::max<LONG>(minimum.cx, std::min<LONG>(size.cx, maxCx));
    size.cy = std::max<LONG>(minimum.cy, std::min<LONG>(size.cy, maxCy));
    return size;
}

void CSizingControlBar::OnTrackUpdateSize(CPoint ptScreen)
{
    const CSize size = TrackedSize(ptScreen);
    if (size == m_szTrack)
        return;
    if (m_bDragShowContent) {
        m_szTrack = size;
        (IsHorzDocked() ? m_szHorz : m_szVert) = size;
        if (CFrameWnd* frame = GetDockingFrame())
            frame->RecalcLayout();
    } else {
        DrawTrackRect(m_szTrack);   // erases the old one
        m_szTrack = size;
        DrawTrackRect(m_szTrack);
    }
}

void CSizingControlBar::StopTracking(BOOL bAccept)
{
    if (!m_bTracking)
        return;
    m_bTracking = FALSE;
    if (!m_bDragShowContent)
        DrawTrackRect(m_szTrack);
    (IsHorzDocked() ? m_szHorz : m_szVert) = bAccept ? m_szTrack : m_szStart;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (CFrameWnd* frame = GetDockingFrame())
        frame->RecalcLayout();
}

void CSizingControlBar::DrawTrackRect(const CSize& size)
{
    CFrameWnd* frame = GetDockingFrame();
    if (!frame)
        return;
    // The splitter line where the edge would be, drawn and erased by inversion.
    CRect bar;
    GetWindowRect(&bar);
    CRect line = bar;
    switch (m_htEdge) {
    case HTBOTTOM: line.top = bar.top + size.cy - m_cxEdge; line.bottom = bar.top + size.cy; break;
    case HTTOP: line.bottom = bar.bottom - size.cy + m_cxEdge; line.top = bar.bottom - size.cy; break;
    case HTRIGHT: line.left = bar.left + size.cx - m_cxEdge; line.right = bar.left + size.cx; break;
    case HTLEFT: line.right = bar.right - size.cx + m_cxEdge; line.left = bar.right - size.cx; break;
    default: return;
    }
    CRect frameWindow;
    frame->GetWindowRect(&frameWindow);
    line.OffsetRect(-frameWindow.left, -frameWindow.top);
    HDC dc = ::GetDCEx(frame->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!dc)
        return;
    static const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    HBITMAP bits = ::CreateBitmap(8, 8, 1, 1, pattern);
    HBRUSH halftone = ::CreatePatternBrush(bits);
    HGDIOBJ old = ::SelectObject(dc, halftone);
    ::PatBlt(dc, line.left, line.top, line.Width(), line.Height(), kPatInvert);
    ::SelectObject(dc, old);
    ::DeleteObject(halftone);
    ::DeleteObject(bits);
    ::ReleaseDC(frame->m_hWnd, dc);
    m_bTrackRectShown = !m_bTrackRectShown;
}

void CSizingControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        ClientToScreen(&point);
        OnTrackUpdateSize(point);
        return;
    }
    CControlBar::OnMouseMove(nFlags, point);
}

void CSizingControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        ClientToScreen(&point);
        OnTrackUpdateSize(point);
        StopTracking(TRUE);
        return;
    }
    CControlBar::OnLButtonUp(nFlags, point);
}

void CSizingControlBar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bTracking && nChar == VK_ESCAPE) {
        StopTracking(FALSE);
        return;
    }
    CControlBar::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CSizingControlBar::OnCaptureChanged(CWnd* pWnd)
{
    // Capture taken away mid-drag (another window, a menu): the drag is off.
    if (m_bTracking && (!pWnd || pWnd->GetSafeHwnd() != m_hWnd))
        StopTracking(FALSE);
    CControlBar::OnCaptureChanged(pWnd);
}
