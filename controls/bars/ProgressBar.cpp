#include "controls/bars/ProgressBar.h"

#include "afx/FrameWnd.h"
#include "afx/StatusBar.h"
#include "afx/WinApp.h"
#include "controls/bars/BarLayoutRules.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CProgressBar, CProgressCtrl)

BEGIN_MESSAGE_MAP(CProgressBar, CProgressCtrl)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CProgressBar::CProgressBar() : m_nSize(0), m_nPane(0), m_strMessage(), m_strPrevText(), m_Rect(0, 0, 0, 0) {}

CProgressBar::CProgressBar(LPCTSTR strMessage, int nSize, int MaxValue, BOOL bSmooth, int nPane)
    : m_nSize(0), m_nPane(0), m_strMessage(), m_strPrevText(), m_Rect(0, 0, 0, 0)
{
    Create(strMessage, nSize, MaxValue, bSmooth, nPane);
}

CProgressBar::~CProgressBar()
{
    Clear();
    if (m_hWnd)
        DestroyWindow();
}

CStatusBar* CProgressBar::GetStatusBar() const
{
    CWnd* main = AfxGetMainWnd();
    if (!main || !main->GetSafeHwnd())
        return nullptr;
    HWND bar = nullptr;
    if (main->IsFrameWnd()) {
        CWnd* message = static_cast<CFrameWnd*>(main)->GetMessageBar();
        bar = message ? message->GetSafeHwnd() : nullptr;
    } else {
        CWnd* found = main->GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
        bar = found ? found->GetSafeHwnd() : nullptr;
    }
    return bar ? DYNAMIC_DOWNCAST(CStatusBar, CWnd::FromHandlePermanent(bar)) : nullptr;
}

BOOL CProgressBar::Create(LPCTSTR strMessage, int nSize, int MaxValue, BOOL bSmooth, int nPane)
{
    CStatusBar* bar = GetStatusBar();
    if (!bar || m_hWnd)
        return FALSE;
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (bSmooth)
        style |= PBS_SMOOTH;
    CRect pane;
    bar->GetItemRect(nPane, &pane);
    if (!CProgressCtrl::Create(style, pane, bar, ProgressCtrlId))
        return FALSE;
    SetRange(0, MaxValue, 1);
    SetStep(1);
    m_strMessage = strMessage ? strMessage : "";
    m_nSize = nSize;
    m_nPane = nPane;
    m_strPrevText = bar->GetPaneText(nPane);
    Resize();
    return TRUE;
}

BOOL CProgressBar::SetRange(int nLower, int nUpper, int nStep)
{
    if (!::IsWindow(m_hWnd))
        return FALSE;
    SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
    SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep));
    return TRUE;
}

void CProgressBar::MakeVisible()
{
    if (::IsWindow(m_hWnd) && !(GetStyle() & WS_VISIBLE)) {
        ModifyStyle(0, WS_VISIBLE);
        // The pane shows the label again now that the bar is back.
        Resize();
        Invalidate();
    }
}

int CProgressBar::SetPos(int nPos)
{
    if (!::IsWindow(m_hWnd))
        return 0;
    MakeVisible();
    return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos)));
}

int CProgressBar::OffsetPos(int nPos)
{
    if (!::IsWindow(m_hWnd))
        return 0;
    MakeVisible();
    return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(nPos)));
}

int CProgressBar::SetStep(int nStep)
{
    if (!::IsWindow(m_hWnd))
        return 0;
    MakeVisible();
    return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep)));
}

int CProgressBar::StepIt()
{
    if (!::IsWindow(m_hWnd))
        return 0;
    MakeVisible();
    return static_cast<int>(SendMessage(PBM_STEPIT));
}

int CProgressBar::GetPos() const
{
    return ::IsWindow(m_hWnd) ? static_cast<int>(SendMessage(PBM_GETPOS)) : 0;
}

COLORREF CProgressBar::SetBarColour(COLORREF clrBar)
{
    if (!::IsWindow(m_hWnd))
        return CLR_DEFAULT;
    return static_cast<COLORREF>(SendMessage(PBM_SETBARCOLOR, 0, static_cast<LPARAM>(clrBar)));
}

COLORREF CProgressBar::SetBkColour(COLORREF clrBk)
{
    if (!::IsWindow(m_hWnd))
        return CLR_DEFAULT;
    return static_cast<COLORREF>(SendMessage(PBM_SETBKCOLOR, 0, static_cast<LPARAM>(clrBk)));
}

BOOL CProgressBar::SetText(LPCTSTR strMessage)
{
    m_strMessage = strMessage ? strMessage : "";
    return Resize();
}

BOOL CProgressBar::SetSize(int nSize)
{
    m_nSize = nSize;
    return Resize();
}

BOOL CProgressBar::Resize()
{
    CStatusBar* bar = GetStatusBar();
    if (!::IsWindow(m_hWnd) || !bar)
        return FALSE;
    if (GetStyle() & WS_VISIBLE) {
        bar->SetPaneText(m_nPane, m_strMessage);
        bar->UpdateWindow();
    }

    // The label's width in the status bar's own font.
    int labelWidth = 0, blankWidth = 0;
    HDC dc = ::GetDC(bar->m_hWnd);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(bar->SendMessage(WM_GETFONT));
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    SIZE extent = {};
    if (!m_strMessage.IsEmpty() && ::GetTextExtentPoint32A(dc, m_strMessage, m_strMessage.GetLength(), &extent))
        labelWidth = extent.cx;
    if (::GetTextExtentPoint32A(dc, " ", 1, &extent))
        blankWidth = extent.cx;
    if (old)
        ::SelectObject(dc, old);
    ::ReleaseDC(bar->m_hWnd, dc);

    CRect pane;
    bar->GetItemRect(m_nPane, &pane);
    const CRect rc = BarLayoutRules::ProgressRect(pane, labelWidth, blankWidth, m_nSize);
    if (rc != m_Rect) {
        MoveWindow(&rc);
        m_Rect = rc;
    }
    return TRUE;
}

BOOL CProgressBar::OnEraseBkgnd(CDC* pDC)
{
    // The pane may have moved (the frame was resized): follow it.
    Resize();
    return CProgressCtrl::OnEraseBkgnd(pDC);
}

void CProgressBar::Clear()
{
    if (!::IsWindow(m_hWnd))
        return;
    ModifyStyle(WS_VISIBLE, 0);
    ::InvalidateRect(::GetParent(m_hWnd), &m_Rect, TRUE);
    CStatusBar* bar = GetStatusBar();
    if (!bar)
        return;
    CString text;
    if (m_nPane == 0)
        text.LoadString(AFX_IDS_IDLEMESSAGE);
    else
        text = m_strPrevText;
    bar->SetPaneText(m_nPane, text);
    bar->UpdateWindow();
}
