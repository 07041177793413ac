#include "afx/StatusBar.h"

#include "afx/FrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, &CStatusBar::OnSetText)
    ON_MESSAGE(WM_GETTEXT, &CStatusBar::OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, &CStatusBar::OnGetTextLength)
    ON_MESSAGE(WM_REFLECT_BASE + WM_DRAWITEM, &CStatusBar::OnReflectDrawItem)
END_MESSAGE_MAP()

namespace {

// Room around a pane's text: the sunken edge and a little air on each side.
const int kPaneMarginX = 4;
// Above and below the text inside the bar.
const int kPaneMarginY = 3;
// The bar's own edge above its panes.
const int kTopBorder = 2;
} // namespace

// The state of one pane while its update handler runs.
class CStatusCmdUI : public CCmdUI
{
public:
    explicit CStatusCmdUI(CStatusBar* bar) : m_bar(bar) {}

    // A disabled indicator is blank (CAP with Caps Lock off).
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        const int index = static_cast<int>(m_nIndex);
        const UINT style = m_bar->GetPaneStyle(index);
        const UINT wanted = bOn ? (style & ~SBPS_DISABLED) : (style | SBPS_DISABLED);
        if (wanted != style)
            m_bar->SetPaneStyle(index, wanted);
    }

    void SetCheck(int nCheck) override
    {
        const int index = static_cast<int>(m_nIndex);
        const UINT style = m_bar->GetPaneStyle(index);
        const UINT wanted = nCheck ? (style | SBPS_POPOUT) : (style & ~SBPS_POPOUT);
        if (wanted != style)
            m_bar->SetPaneStyle(index, wanted);
    }

    void SetText(LPCTSTR lpszText) override { m_bar->SetPaneText(static_cast<int>(m_nIndex), lpszText); }

private:
    CStatusBar* m_bar;
};

CStatusBar::CStatusBar() : m_pPanes(nullptr), m_nCount(0)
{
    m_cyTopBorder = kTopBorder;
}

CStatusBar::~CStatusBar()
{
    if (m_hWnd)
        DestroyWindow();
    delete[] m_pPanes;
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    ASSERT(pParentWnd != nullptr);
    DWORD windowStyle = SplitBarStyle(dwStyle) | WS_CHILD | dwCtrlStyle;
    // The frame places the bar; the control would otherwise glue itself to
    // the parent's bottom edge on every size change.
    windowStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (!CWnd::Create(STATUSCLASSNAMEA, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    // One known font, so the panes' widths and the bar's height agree with what is drawn.
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    AttachToFrame(pParentWnd);
    return TRUE;
}

int CStatusBar::TextWidth(const CString& text) const
{
    HDC dc = ::GetDC(m_hWnd);
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    SIZE size = { 0, 0 };
    ::GetTextExtentPoint32A(dc, text, text.GetLength(), &size);
    if (old)
        ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    ASSERT(nIDCount >= 1);
    delete[] m_pPanes;
    m_pPanes = nullptr;
    m_nCount = 0;
    if (nIDCount <= 0)
        return FALSE;
    m_pPanes = new Pane[nIDCount];
    m_nCount = nIDCount;
    BOOL ok = TRUE;
    for (int i = 0; i < nIDCount; ++i) {
        Pane& pane = m_pPanes[i];
        pane.nID = lpIDArray ? lpIDArray[i] : ID_SEPARATOR;
        pane.nStyle = SBPS_NORMAL;
        pane.cxText = 0;
        pane.nFlags = 0;
        if (pane.nID == ID_SEPARATOR) {
            // The first gap is the message pane: it takes what the others leave.
            if (i == 0)
                pane.nStyle = SBPS_NOBORDERS | SBPS_STRETCH;
            continue;
        }
        CString text;
        if (!text.LoadString(pane.nID)) {
            TRACE("CStatusBar::SetIndicators: no string for indicator %u\n", pane.nID);
            ok = FALSE;
            continue;
        }
        pane.strText = text;
        pane.cxText = TextWidth(text);
    }
    UpdateAllPanes(TRUE, TRUE);
    if (m_pDockSite)
        m_pDockSite->DelayRecalcLayout();
    return ok;
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (!m_hWnd || m_nCount <= 0)
        return;
    if (bUpdateRects) {
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        int fixed = 0;
        for (int i = 0; i < m_nCount; ++i)
            if (!(m_pPanes[i].nStyle & SBPS_STRETCH))
                fixed += m_pPanes[i].cxText + 2 * kPaneMarginX;
        const int spare = std::max(0, static_cast<int>(client.right) - fixed);
        int* edges = new int[m_nCount];
        int right = 0;
        bool spareTaken = false;
        for (int i = 0; i < m_nCount; ++i) {
            const Pane& pane = m_pPanes[i];
            // With several stretching panes the first one takes the spare room.
            int width = pane.cxText + 2 * kPaneMarginX;
            if (pane.nStyle & SBPS_STRETCH) {
                width = spareTaken ? 0 : spare;
                spareTaken = true;
            }
            right += width;
            edges[i] = right;
        }
        SendMessage(SB_SETPARTS, static_cast<WPARAM>(m_nCount), reinterpret_cast<LPARAM>(edges));
        delete[] edges;
    }
    if (bUpdateText)
        for (int i = 0; i < m_nCount; ++i)
            SendPaneText(i);
}

void CStatusBar::SendPaneText(int nIndex)
{
    const Pane& pane = m_pPanes[nIndex];
    const UINT drawing = pane.nStyle & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW);
    LPCTSTR text = (pane.nStyle & SBPS_DISABLED) ? "" : static_cast<LPCTSTR>(pane.strText);
    SendMessage(SB_SETTEXTA, static_cast<WPARAM>(nIndex) | drawing, reinterpret_cast<LPARAM>(text));
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < m_nCount; ++i)
        if (m_pPanes[i].nID == nIDFind)
            return i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < m_nCount);
    return nIndex >= 0 && nIndex < m_nCount ? m_pPanes[nIndex].nID : ID_SEPARATOR;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!SendMessage(SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
        ::SetRectEmpty(lpRect);
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < m_nCount);
    return nIndex >= 0 && nIndex < m_nCount ? m_pPanes[nIndex].strText : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return FALSE;
    Pane& pane = m_pPanes[nIndex];
    const CString text(lpszNewText ? lpszNewText : "");
    if (pane.strText == text)
        return TRUE;
    pane.strText = text;
    if (bUpdate && m_hWnd)
        SendPaneText(nIndex);
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    ASSERT(nIndex >= 0 && nIndex < m_nCount);
    if (nIndex < 0 || nIndex >= m_nCount) {
        nID = 0;
        nStyle = 0;
        cxWidth = 0;
        return;
    }
    nID = m_pPanes[nIndex].nID;
    nStyle = m_pPanes[nIndex].nStyle;
    cxWidth = m_pPanes[nIndex].cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return;
    Pane& pane = m_pPanes[nIndex];
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth;
    UpdateAllPanes(TRUE, TRUE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_nCount ? m_pPanes[nIndex].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return;
    Pane& pane = m_pPanes[nIndex];
    if (pane.nStyle == nStyle)
        return;
    const BOOL widthChanged = (pane.nStyle ^ nStyle) & SBPS_STRETCH;
    pane.nStyle = nStyle;
    if (widthChanged)
        UpdateAllPanes(TRUE, TRUE);
    else if (m_hWnd)
        SendPaneText(nIndex);
}

void CStatusBar::DrawItem(LPDRAWITEMSTRUCT /*lpDrawItemStruct*/)
{
}

LRESULT CStatusBar::OnReflectDrawItem(WPARAM /*wParam*/, LPARAM lParam)
{
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    (void)bHorz;   // a status bar lies along the bottom or the top only
    int textHeight = 0;
    if (m_hWnd) {
        HDC dc = ::GetDC(m_hWnd);
        HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
        HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
        TEXTMETRICA metrics = {};
        ::GetTextMetricsA(dc, &metrics);
        textHeight = metrics.tmHeight;
        if (old)
            ::SelectObject(dc, old);
        ::ReleaseDC(m_hWnd, dc);
    }
    const int cy = textHeight + 2 * kPaneMarginY + m_cyTopBorder + m_cyBottomBorder;
    return CSize(bStretch ? 32767 : 0, cy);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state(this);
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_nCount);
    for (int i = 0; i < m_nCount; ++i) {
        state.m_nID = m_pPanes[i].nID;
        state.m_nIndex = static_cast<UINT>(i);
        // A pane without a handler keeps its text: panes are not commands.
        state.DoUpdate(pTarget, FALSE);
    }
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    UpdateAllPanes(TRUE, FALSE);
}

// The bar's window text is the message pane's: the frame's prompts land there.
LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    const int index = CommandToIndex(ID_SEPARATOR);
    if (index < 0)
        return FALSE;
    return SetPaneText(index, reinterpret_cast<LPCTSTR>(lParam));
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    const int index = CommandToIndex(ID_SEPARATOR);
    const CString text = index >= 0 ? m_pPanes[index].strText : CString();
    const int room = static_cast<int>(wParam);
    if (room <= 0 || !lParam)
        return 0;
    lstrcpynA(reinterpret_cast<LPSTR>(lParam), text, room);
    return static_cast<LRESULT>(std::min(text.GetLength(), room - 1));
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    const int index = CommandToIndex(ID_SEPARATOR);
    return index >= 0 ? m_pPanes[index].strText.GetLength() : 0;
}
