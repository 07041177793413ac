// The tooltip's life cycle, its tools and settings, the relay of the owner's
// messages and the timers that move a tip through its states.
#include "tooltip/PPToolTip.h"

#include "afx/AfxRes.h"
#include "afx/Exception.h"
#include "afx/ToolBar.h"

#include <algorithm>

namespace {

const char kToolTipClass[] = "CPPToolTip";

// Sizes of a balloon tip and of a plain one, by PPTTSZ_* index.
const int kBalloonSizes[PPTTSZ_MAX_SIZES] = {16, 16, 12, 12, 12, 16, 16, 0, 0};
const int kPlainSizes[PPTTSZ_MAX_SIZES] = {0, 0, 3, 1, 0, 0, 0, 0, 0};

BOOL IsHidingMessage(UINT message)
{
    switch (message)
    {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

BEGIN_MESSAGE_MAP(CPPToolTip, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
    ON_WM_ACTIVATEAPP()
    ON_MESSAGE(UDM_TOOLTIP_REPAINT, &CPPToolTip::OnRepaintWindow)
END_MESSAGE_MAP()

CPPToolTip::CPPToolTip()
    : m_drawer(), m_hParentWnd(nullptr), m_hNotifyWnd(nullptr), m_bHyperlinkRedraw(TRUE), m_bDebugMode(FALSE),
      m_ptLast(0, 0), m_hCurrentWnd(nullptr), m_nCurrentKind(KIND_WINDOW), m_tiCurrent(MakeTool("", nullptr, 0)),
      m_hNextWnd(nullptr), m_nNextKind(KIND_WINDOW), m_tiNext(MakeTool("", nullptr, 0)), m_bNextPending(FALSE),
      m_bNextNeedsDelay(FALSE), m_nUsedDirection(PPTOOLTIP_ANCHOR_BOTTOM), m_nTransparency(0),
      m_nState(STATE_HIDDEN), m_clrBegin(GetSysColor(COLOR_INFOBK)), m_clrMid(GetSysColor(COLOR_INFOBK)),
      m_clrEnd(GetSysColor(COLOR_INFOBK)), m_hBitmapBk(nullptr), m_hBitmapScreen(nullptr),
      m_hbrBorder(CreateSolidBrush(GetSysColor(COLOR_INFOTEXT))), m_nBorderWidth(1), m_nBorderHeight(1),
      m_bShadowBlur(TRUE), m_nShadowOffsetX(6), m_nShadowOffsetY(6), m_nShadowDepthX(7), m_nShadowDepthY(7),
      m_nShadowDarkness(50), m_hrgnTip(nullptr), m_nTimeAutoPop(5000), m_nTimeInitial(500), m_nTimeFadeIn(0),
      m_nTimeFadeOut(0), m_nBehaviour(0), m_nEffect(0), m_nDirection(PPTOOLTIP_ANCHOR_BOTTOM), m_nStyles(0),
      m_nGranularity(0), m_nTransparencyDefault(0), m_bFadeInEnabled(TRUE), m_bFadeOutEnabled(TRUE),
      m_nSizes(), m_nMenuTipPosition(0), m_rcTipText(), m_rcTipBody(), m_rcTipWindow(), m_ptAnchor(),
      m_mapTools(), m_arrToolBars()
{
    std::copy(kBalloonSizes, kBalloonSizes + PPTTSZ_MAX_SIZES, m_nSizes);
    m_drawer.SetKeepControlChars(TRUE);

    WNDCLASSA wc;
    HINSTANCE instance = AfxGetInstanceHandle();
    if (!GetClassInfoA(instance, kToolTipClass, &wc))
    {
        wc = WNDCLASSA();
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kToolTipClass;
        if (!AfxRegisterClass(&wc))
            AfxThrowResourceException();
    }
}

CPPToolTip::~CPPToolTip()
{
    FreeResources();
    RemoveAllTools();
    if (m_hbrBorder)
        DeleteObject(m_hbrBorder);
    m_hbrBorder = nullptr;
    if (m_hWnd && ::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CPPToolTip::Create(CWnd* pParentWnd, BOOL bBalloon)
{
    m_hParentWnd = pParentWnd->GetSafeHwnd();
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kToolTipClass, nullptr, WS_POPUP, 0, 0, 0, 0, m_hParentWnd,
                  nullptr))
        return FALSE;
    SetDefaultSizes(bBalloon);
    m_drawer.SetCallbackRepaint(m_hWnd, UDM_TOOLTIP_REPAINT, 0);
    return TRUE;
}

BOOL CPPToolTip::DestroyWindow()
{
    Pop();
    return CWnd::DestroyWindow();
}

BOOL CPPToolTip::PreTranslateMessage(MSG* pMsg)
{
    RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

// ---- Tools -------------------------------------------------------------------

ToolInfo CPPToolTip::MakeTool(LPCTSTR text, LPCRECT lpRectBounds, UINT nIDTool)
{
    ToolInfo ti;
    ti.toolId = nIDTool;
    ti.rectBounds = lpRectBounds ? *lpRectBounds : RECT{0, 0, 0, 0};
    ti.text = text ? text : "";
    ti.mask = 0;
    ti.style = 0;
    ti.direction = 0;
    ti.effect = 0;
    ti.behaviour = 0;
    ti.granularity = 0;
    ti.transparency = 0;
    ti.colorBegin = 0;
    ti.colorMid = 0;
    ti.colorEnd = 0;
    return ti;
}

void CPPToolTip::AddTool(CWnd* pWnd, const ToolInfo& ti)
{
    ToolList& tools = m_mapTools[pWnd->GetSafeHwnd()];
    for (ToolInfo& tool : tools)
    {
        if (SameRect(tool.rectBounds, ti.rectBounds))
        {
            tool = ti;
            return;
        }
    }
    tools.push_back(ti);
}

void CPPToolTip::AddTool(CWnd* pWnd, LPCTSTR text, LPCRECT lpRectBounds, UINT nIDTool)
{
    AddTool(pWnd, MakeTool(text, lpRectBounds, nIDTool));
}

void CPPToolTip::RemoveTool(CWnd* pWnd, LPCRECT lpRectBounds)
{
    auto it = m_mapTools.find(pWnd->GetSafeHwnd());
    if (it == m_mapTools.end())
        return;
    if (!lpRectBounds)
    {
        m_mapTools.erase(it);
        return;
    }
    ToolList& tools = it->second;
    for (auto tool = tools.begin(); tool != tools.end(); ++tool)
    {
        if (SameRect(tool->rectBounds, *lpRectBounds))
        {
            tools.erase(tool);
            break;
        }
    }
    if (tools.empty())
        m_mapTools.erase(it);
}

void CPPToolTip::RemoveAllTools()
{
    m_mapTools.clear();
    m_arrToolBars.clear();
}

void CPPToolTip::AddToolBar(CToolBar* pBar)
{
    HWND hBar = pBar->GetSafeHwnd();
    if (!hBar)
        return;
    if (std::find(m_arrToolBars.begin(), m_arrToolBars.end(), hBar) == m_arrToolBars.end())
        m_arrToolBars.push_back(hBar);
    // The bar's own tips would show under ours.
    pBar->SetBarStyle(pBar->GetBarStyle() & ~CBRS_TOOLTIPS);
}

// ---- Settings ----------------------------------------------------------------

void CPPToolTip::SetSize(int index, int value)
{
    if (index >= 0 && index < PPTTSZ_MAX_SIZES)
        m_nSizes[index] = value;
}

int CPPToolTip::GetSize(int index) const
{
    return index >= 0 && index < PPTTSZ_MAX_SIZES ? m_nSizes[index] : 0;
}

void CPPToolTip::SetDefaultSizes(BOOL bBalloon)
{
    const int* sizes = bBalloon ? kBalloonSizes : kPlainSizes;
    std::copy(sizes, sizes + PPTTSZ_MAX_SIZES, m_nSizes);
}

void CPPToolTip::SetDelayTime(DWORD index, UINT nTime)
{
    switch (index)
    {
    case PPTOOLTIP_TIME_AUTOPOP: m_nTimeAutoPop = nTime; break;
    case PPTOOLTIP_TIME_INITIAL: m_nTimeInitial = nTime; break;
    case PPTOOLTIP_TIME_FADEIN: m_nTimeFadeIn = nTime; break;
    case PPTOOLTIP_TIME_FADEOUT: m_nTimeFadeOut = nTime; break;
    default: break;
    }
}

UINT CPPToolTip::GetDelayTime(DWORD index) const
{
    switch (index)
    {
    case PPTOOLTIP_TIME_AUTOPOP: return m_nTimeAutoPop;
    case PPTOOLTIP_TIME_INITIAL: return m_nTimeInitial;
    case PPTOOLTIP_TIME_FADEIN: return m_nTimeFadeIn;
    case PPTOOLTIP_TIME_FADEOUT: return m_nTimeFadeOut;
    default: return 0;
    }
}

void CPPToolTip::SetColorBk(COLORREF color)
{
    SetColorBk(color, color, color);
}

void CPPToolTip::SetColorBk(COLORREF color, COLORREF clrEnd)
{
    SetColorBk(color, color, clrEnd);
}

void CPPToolTip::SetColorBk(COLORREF clrBegin, COLORREF clrMid, COLORREF clrEnd)
{
    m_clrBegin = clrBegin;
    m_clrMid = clrMid;
    m_clrEnd = clrEnd;
}

void CPPToolTip::SetEffectBk(DWORD effect, BYTE granularity)
{
    m_nEffect = effect;
    m_nGranularity = granularity;
}

void CPPToolTip::SetTransparency(BYTE transparency)
{
    if (transparency <= 100)
        m_nTransparencyDefault = transparency;
}

void CPPToolTip::SetBorder(HBRUSH hbr, int nWidth, int nHeight)
{
    HideBorder();
    if (!hbr || nWidth == 0 || nHeight == 0)
    {
        if (hbr)
            DeleteObject(hbr);
        return;
    }
    m_hbrBorder = hbr;
    m_nBorderWidth = nWidth;
    m_nBorderHeight = nHeight;
}

void CPPToolTip::SetBorder(COLORREF color, int nWidth, int nHeight)
{
    SetBorder(CreateSolidBrush(color), nWidth, nHeight);
}

void CPPToolTip::HideBorder()
{
    if (m_hbrBorder)
        DeleteObject(m_hbrBorder);
    m_hbrBorder = nullptr;
    m_nBorderWidth = 0;
    m_nBorderHeight = 0;
}

void CPPToolTip::SetTooltipShadow(int nOffsetX, int nOffsetY, BYTE nDarkness, BOOL bGradient, int nDepthX,
                                  int nDepthY)
{
    m_nShadowOffsetX = nOffsetX;
    m_nShadowOffsetY = nOffsetY;
    m_nShadowDarkness = std::min<int>(nDarkness, 100);
    m_bShadowBlur = bGradient;
    m_nShadowDepthX = nDepthX;
    m_nShadowDepthY = nDepthY;
}

void CPPToolTip::SetNotify(BOOL bParentNotify)
{
    m_hNotifyWnd = bParentNotify ? m_hParentWnd : nullptr;
}

void CPPToolTip::SetNotify(HWND hWnd)
{
    m_hNotifyWnd = hWnd;
}

void CPPToolTip::SetImageList(HBITMAP hBitmap, int cx, int cy, int nCount, COLORREF clrMask)
{
    m_drawer.SetImageList(hBitmap, cx, cy, nCount, clrMask);
}

void CPPToolTip::SetImageList(UINT nIdBitmap, int cx, int cy, int nCount, COLORREF clrMask)
{
    m_drawer.SetImageList(nIdBitmap, cx, cy, nCount, clrMask);
}

void CPPToolTip::SetImageShadow(int nOffsetX, int nOffsetY, BYTE nDarkness, BOOL bGradient, int nDepthX,
                                int nDepthY)
{
    m_drawer.SetImageShadow(nOffsetX, nOffsetY, nDarkness, bGradient, nDepthX, nDepthY);
}

void CPPToolTip::SetCallbackHyperlink(HWND hWnd, UINT nMessage, LPARAM lParam)
{
    m_drawer.SetCallbackHyperlink(hWnd, nMessage, lParam);
}

// ---- The owner's messages -----------------------------------------------------

void CPPToolTip::RelayEvent(MSG* pMsg)
{
    const UINT message = pMsg->message;
    // Only the keyboard and mouse messages matter; the bounds are the numbers
    // the owner's code was written against, not the newest headers' ranges.
    if (message > WM_SYSKEYDOWN && (message < WM_MOUSEFIRST || message > 522))
        return;
    if (IsHidingMessage(message))
    {
        Pop();
        return;
    }
    if (message == WM_LBUTTONDOWN)
    {
        const CPoint pt(pMsg->pt);
        if (IsCursorOverTip(pt))
        {
            CPoint client = pt;
            ::ScreenToClient(m_hWnd, &client);
            const int area = m_drawer.FindHotArea(client.x, client.y);
            if (area >= 0)
                m_drawer.JumpToHyperlink(area);
        }
        Pop();
        return;
    }
    if (message != WM_MOUSEMOVE || m_nCurrentKind == KIND_POINT || m_nNextKind == KIND_POINT)
        return;

    const CPoint ptScreen(pMsg->pt);
    if (ptScreen == m_ptLast)
        return;
    m_ptLast = ptScreen;
    CPoint pt = ptScreen;
    if (m_hParentWnd)
        ::ScreenToClient(m_hParentWnd, &pt);

    if (m_bDebugMode)
    {
        ToolInfo ti = MakeTool(BuildWindowInfo(pt), nullptr, 0);
        SetNextTool(m_hWnd, ti, TRUE, KIND_WINDOW);
        m_hCurrentWnd = nullptr;
        return;
    }

    if (IsCursorOverTip(ptScreen) && !(m_tiCurrent.behaviour & PPTOOLTIP_FOLLOW_MOUSE))
    {
        if (m_tiCurrent.behaviour & PPTOOLTIP_KEEP_OVER_TIP)
            RestartAutoPop();
        else
            HideTip();
        return;
    }

    HWND hWnd = nullptr;
    ToolInfo ti;
    if (!FindTool(pt, ptScreen, hWnd, ti))
    {
        m_hCurrentWnd = nullptr;
        SetRectEmpty(&m_tiCurrent.rectBounds);
        if (m_hWnd)
            KillTimer(kTimerShow);
        HideTip();
        return;
    }

    if (hWnd == m_hCurrentWnd && SameRect(ti.rectBounds, m_tiCurrent.rectBounds))
    {
        const UINT behaviour = m_tiCurrent.behaviour;
        if (behaviour & PPTOOLTIP_FOLLOW_MOUSE)
        {
            RestartAutoPop();
            MoveTip(ptScreen);
        }
        else if (behaviour & PPTOOLTIP_KEEP_IN_TOOL)
            RestartAutoPop();
        else if (!(behaviour & PPTOOLTIP_SHOW_AGAIN))
            HideTip();
        else
            SetNextTool(hWnd, ti, TRUE, KIND_WINDOW);
        return;
    }
    SetNextTool(hWnd, ti, TRUE, KIND_WINDOW);
}

void CPPToolTip::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    if (nWhy != MSGF_MENU || m_nCurrentKind != KIND_MENU || m_nState != STATE_SHOWN)
        return;
    if (WindowFromPoint(GetCursorPoint()) != pWho->GetSafeHwnd())
        HideTip();
}

CPoint CPPToolTip::GetCursorPoint() const
{
    POINT pt = {0, 0};
    GetCursorPos(&pt);
    return pt;
}

// ---- Tool lookup --------------------------------------------------------------

BOOL CPPToolTip::IsCursorOverTip(CPoint ptScreen) const
{
    if (!m_hWnd || !::IsWindowVisible(m_hWnd))
        return FALSE;
    return WindowFromPoint(ptScreen) == m_hWnd;
}

namespace {

struct ChildSearch
{
    POINT ptScreen;
    HWND hTip;
    BOOL bIncludeDisabled;
    HWND hFound;
};

BOOL CALLBACK FindChildProc(HWND hWnd, LPARAM lParam)
{
    ChildSearch& search = *reinterpret_cast<ChildSearch*>(lParam);
    if (hWnd == search.hTip)
        return TRUE;
    if (!search.bIncludeDisabled && !::IsWindowEnabled(hWnd))
        return TRUE;
    // Group boxes enclose other controls: the tool is the control inside.
    char className[16];
    if ((GetWindowLongPtr(hWnd, GWL_STYLE) & 0x0F) == BS_GROUPBOX &&
        GetClassNameA(hWnd, className, sizeof className) && lstrcmpiA(className, "Button") == 0)
        return TRUE;
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    if (!PtInRect(&rect, search.ptScreen))
        return TRUE;
    search.hFound = hWnd;
    return FALSE;
}

}  // namespace

HWND CPPToolTip::FindChildWindow(CPoint ptParentClient, BOOL bIncludeDisabled) const
{
    if (!m_hParentWnd)
        return nullptr;
    ChildSearch search = {ptParentClient, m_hWnd, bIncludeDisabled, nullptr};
    ::ClientToScreen(m_hParentWnd, &search.ptScreen);
    EnumChildWindows(m_hParentWnd, FindChildProc, reinterpret_cast<LPARAM>(&search));
    return search.hFound ? search.hFound : m_hParentWnd;
}

BOOL CPPToolTip::FindTool(CPoint ptParentClient, CPoint ptScreen, HWND& hWnd, ToolInfo& ti) const
{
    if (FindToolBarTool(ptScreen, hWnd, ti))
        return TRUE;
    HWND candidate = FindChildWindow(ptParentClient, FALSE);
    if (!candidate)
        return FALSE;
    if (FindWindowTool(candidate, ptParentClient, ti))
    {
        hWnd = candidate;
        return TRUE;
    }
    HWND owner = ::GetParent(candidate);
    if (owner && FindWindowTool(owner, ptParentClient, ti))
    {
        hWnd = owner;
        return TRUE;
    }
    return FALSE;
}

CString CPPToolTip::LoadTextLine(UINT nId, int line)
{
    CString text;
    if (nId == 0 || !text.LoadString(nId))
        return CString();
    int start = 0;
    for (int i = 0; i < line; ++i)
    {
        start = text.Find('\n', start);
        if (start < 0)
            return CString();
        ++start;
    }
    const int end = text.Find('\n', start);
    return end < 0 ? text.Mid(start) : text.Mid(start, end - start);
}

BOOL CPPToolTip::FindToolBarTool(CPoint ptScreen, HWND& hWnd, ToolInfo& ti) const
{
    HWND under = WindowFromPoint(ptScreen);
    if (std::find(m_arrToolBars.begin(), m_arrToolBars.end(), under) == m_arrToolBars.end())
        return FALSE;
    CPoint pt = ptScreen;
    ::ScreenToClient(under, &pt);
    const int count = static_cast<int>(::SendMessage(under, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        RECT rect;
        if (!::SendMessage(under, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect)) || !PtInRect(&rect, pt))
            continue;
        TBBUTTON button = {};
        ::SendMessage(under, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        ti = MakeTool(LoadTextLine(static_cast<UINT>(button.idCommand), 1), &rect,
                      static_cast<UINT>(button.idCommand));
        hWnd = under;
        return TRUE;
    }
    return FALSE;
}

BOOL CPPToolTip::FindWindowTool(HWND hWnd, CPoint ptParentClient, ToolInfo& ti) const
{
    auto it = m_mapTools.find(hWnd);
    if (it == m_mapTools.end() || it->second.empty())
        return FALSE;
    const ToolList& tools = it->second;
    if (tools.size() == 1 && IsRectEmpty(&tools[0].rectBounds))
    {
        ti = tools[0];
        return TRUE;
    }
    POINT pt = ptParentClient;
    if (m_hParentWnd)
        ::MapWindowPoints(m_hParentWnd, hWnd, &pt, 1);
    // Tools of a scrolled view are given in its document coordinates.
    CWnd* object = CWnd::FromHandlePermanent(hWnd);
    for (CRuntimeClass* kind = object ? object->GetRuntimeClass() : nullptr; kind; kind = kind->m_pBaseClass)
    {
        if (lstrcmpA(kind->m_lpszClassName, "CScrollView") == 0)
        {
            pt.x += ::GetScrollPos(hWnd, SB_HORZ);
            pt.y += ::GetScrollPos(hWnd, SB_VERT);
            break;
        }
    }
    for (const ToolInfo& tool : tools)
    {
        if (PtInRect(&tool.rectBounds, pt))
        {
            ti = tool;
            return TRUE;
        }
    }
    return FALSE;
}

// ---- States and timers ------------------------------------------------------

void CPPToolTip::SetNextTool(HWND hWnd, const ToolInfo& ti, BOOL bDelayed, int kind)
{
    m_bNextPending = FALSE;
    if (m_nState == STATE_FADING_IN && m_hWnd)
        KillTimer(kTimerFadeIn);
    if (m_nState == STATE_FADING_IN || m_nState == STATE_SHOWN)
        HideStep();
    m_hNextWnd = hWnd;
    m_nNextKind = kind;
    m_tiNext = ti;
    if (m_nState == STATE_HIDDEN)
        StartShow(bDelayed && m_nTimeInitial != 0);
    else
    {
        m_bNextPending = TRUE;
        m_bNextNeedsDelay = bDelayed && m_nTimeInitial != 0;
    }
}

void CPPToolTip::StartShow(BOOL bDelayed)
{
    if (bDelayed && m_hWnd)
        SetTimer(kTimerShow, m_nTimeInitial);
    else
        ShowStep();
}

void CPPToolTip::ShowAtPoint(CPoint pt, const ToolInfo& ti)
{
    m_ptLast = pt;
    ToolInfo tool = ti;
    tool.behaviour = m_nBehaviour | PPTOOLTIP_NO_AUTOPOP;
    tool.mask |= PPTOOLTIP_MASK_BEHAVIOUR;
    SetNextTool(nullptr, tool, FALSE, KIND_POINT);
}

void CPPToolTip::StartAutoPop(const ToolInfo& ti)
{
    if (m_hWnd && m_nTimeAutoPop != 0 && !(ti.behaviour & PPTOOLTIP_NO_AUTOPOP))
        SetTimer(kTimerHide, m_nTimeAutoPop);
}

void CPPToolTip::RestartAutoPop()
{
    if (m_nState != STATE_SHOWN)
        return;
    if (m_hWnd)
        KillTimer(kTimerHide);
    StartAutoPop(m_tiCurrent);
}

void CPPToolTip::ShowStep()
{
    if (m_hWnd)
        KillTimer(kTimerShow);
    CPoint pt = m_ptLast;
    if (m_nNextKind != KIND_POINT && m_nNextKind != KIND_MENU)
        pt = GetCursorPoint();
    if (pt == m_ptLast)
    {
        if (m_nState != STATE_HIDDEN)
            return;
        m_nState = STATE_FADING_IN;
        DisplayTip(pt);
        if (m_bFadeInEnabled && m_nTimeFadeIn != 0 && m_hWnd)
            SetTimer(kTimerFadeIn, m_nTimeFadeIn);
        else
        {
            m_nState = STATE_SHOWN;
            StartAutoPop(m_tiNext);
        }
        return;
    }
    if (m_nState == STATE_FADING_IN)
    {
        if (m_hWnd)
            KillTimer(kTimerFadeIn);
        HideStep();
    }
    else if (m_nState == STATE_SHOWN)
        HideStep();
}

void CPPToolTip::HideStep()
{
    if (m_hWnd)
    {
        KillTimer(kTimerShow);
        KillTimer(kTimerFadeIn);
        KillTimer(kTimerHide);
    }
    if (m_nState == STATE_HIDING)
        return;
    m_nState = STATE_HIDING;
    if (m_bFadeOutEnabled && m_nTimeFadeOut != 0 && m_hWnd)
        SetTimer(kTimerFadeOut, m_nTimeFadeOut);
    else
    {
        m_nTransparency = 100;
        FadeOutStep();
    }
}

void CPPToolTip::FadeInStep()
{
    m_nTransparency = std::max(0, m_nTransparency - kFadeStep);
    if (m_nTransparency <= m_tiCurrent.transparency)
    {
        m_nTransparency = m_tiCurrent.transparency;
        KillTimer(kTimerFadeIn);
        m_nState = STATE_SHOWN;
        StartAutoPop(m_tiCurrent);
    }
    DrawTip(nullptr, m_nTransparency);
}

void CPPToolTip::FadeOutStep()
{
    m_nTransparency = m_nTransparency < 100 - kFadeStep ? m_nTransparency + kFadeStep : 100;
    if (m_nTransparency < 100)
    {
        DrawTip(nullptr, m_nTransparency);
        return;
    }
    if (m_hWnd)
        KillTimer(kTimerFadeOut);
    HideWindowNow();
    m_nState = STATE_HIDDEN;
    if (m_bNextPending)
    {
        m_bNextPending = FALSE;
        StartShow(m_bNextNeedsDelay);
    }
    else
    {
        m_nCurrentKind = KIND_WINDOW;
        m_nNextKind = KIND_WINDOW;
    }
}

void CPPToolTip::HideTip()
{
    if (m_nState == STATE_FADING_IN)
    {
        if (m_hWnd)
            KillTimer(kTimerFadeIn);
        HideStep();
    }
    else if (m_nState == STATE_SHOWN)
        HideStep();
}

void CPPToolTip::KillAllTimers()
{
    if (!m_hWnd)
        return;
    KillTimer(kTimerShow);
    KillTimer(kTimerHide);
    KillTimer(kTimerFadeIn);
    KillTimer(kTimerFadeOut);
}

void CPPToolTip::HideWindowNow()
{
    if (m_hWnd && ::IsWindowVisible(m_hWnd))
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void CPPToolTip::Pop()
{
    m_nState = STATE_HIDDEN;
    m_nCurrentKind = KIND_WINDOW;
    m_nNextKind = KIND_WINDOW;
    // A waiting tool would otherwise start the next time a tip hides.
    m_bNextPending = FALSE;
    KillAllTimers();
    if (m_hWnd && ::IsWindowVisible(m_hWnd))
    {
        if (m_tiCurrent.behaviour & PPTOOLTIP_SHOW_AGAIN)
        {
            m_hCurrentWnd = nullptr;
            SetRectEmpty(&m_tiCurrent.rectBounds);
        }
        HideWindowNow();
    }
}

void CPPToolTip::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case kTimerShow: ShowStep(); break;
    case kTimerHide: HideStep(); break;
    case kTimerFadeIn: FadeInStep(); break;
    case kTimerFadeOut: FadeOutStep(); break;
    default: CWnd::OnTimer(nIDEvent); break;
    }
}

void CPPToolTip::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CWnd::OnActivateApp(bActive, dwThreadID);
    if (!bActive)
        Pop();
}
