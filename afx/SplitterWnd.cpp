#include "afx/SplitterWnd.h"

#include "afx/DC.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

const int kMaxPanes = 16;   // each way: the pane ids hold 16 columns a row
const int kNoBar = 0;
const int kColumnBar = 0x100;

// Sizes one line of rows (or columns) into length pixels: each but the last
// takes its ideal size, none when that is under its minimum or no room is
// left; the last takes the rest.
template <typename Info>
void LayoutLine(Info* info, int count, int length, int gap)
{
    int left = length - gap * (count - 1);
    for (int i = 0; i < count; ++i) {
        int size = i == count - 1 ? left : info[i].nIdealSize;
        if (i < count - 1 && size < info[i].nMinSize)
            size = 0;
        if (size > left)
            size = left;
        if (size < 0)
            size = 0;
        info[i].nCurSize = size;
        left -= size;
    }
}

// Where row (column) i starts.
template <typename Info>
int StartOf(const Info* info, int i, int gap)
{
    int pos = 0;
    for (int k = 0; k < i; ++k)
        pos += info[k].nCurSize + gap;
    return pos;
}

} // namespace

CSplitterWnd::CSplitterWnd()
    : m_cxSplitterGap(7), m_cySplitterGap(7), m_nRows(0), m_nCols(0), m_pRowInfo(nullptr), m_pColInfo(nullptr),
      m_bTracking(FALSE)
{
}

CSplitterWnd::~CSplitterWnd()
{
    delete[] m_pRowInfo;
    delete[] m_pColInfo;
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    ASSERT(m_hWnd == nullptr);
    if (nRows < 1 || nCols < 1 || nRows > kMaxPanes || nCols > kMaxPanes || !pParentWnd)
        return FALSE;
    delete[] m_pRowInfo;
    delete[] m_pColInfo;
    m_nRows = nRows;
    m_nCols = nCols;
    m_pRowInfo = new CRowColInfo[nRows]();
    m_pColInfo = new CRowColInfo[nCols]();
    // The bars show the window's own background; the panes cover the rest.
    LPCTSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                              reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, windowClass, nullptr, (dwStyle | WS_CHILD) & ~WS_CLIPCHILDREN, 0, 0, 0, 0,
                    pParentWnd->m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext)
{
    if (!m_hWnd || row < 0 || row >= m_nRows || col < 0 || col >= m_nCols || !pViewClass)
        return FALSE;
    const int id = IdFromRowCol(row, col);
    if (::GetDlgItem(m_hWnd, id))
        return FALSE;   // the pane is taken
    CWnd* pane = static_cast<CWnd*>(pViewClass->CreateObject());
    if (!pane)
        return FALSE;
    ASSERT_KINDOF(CWnd, pane);
    m_pColInfo[col].nIdealSize = sizeInit.cx;
    m_pRowInfo[row].nIdealSize = sizeInit.cy;
    if (!pane->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, sizeInit.cx, sizeInit.cy), this,
                      static_cast<UINT>(id), pContext)) {
        // A window never made leaves the object to us; a made one freed itself.
        if (!pane->GetSafeHwnd())
            delete pane;
        return FALSE;
    }
    pane->ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    RecalcLayout();
    return TRUE;
}

// ---- Sizes and panes ---------------------------------------------------------------

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    ASSERT(row >= 0 && row < m_nRows);
    cyCur = m_pRowInfo[row].nCurSize;
    cyMin = m_pRowInfo[row].nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    ASSERT(row >= 0 && row < m_nRows && cyIdeal >= 0 && cyMin >= 0);
    m_pRowInfo[row].nIdealSize = cyIdeal;
    m_pRowInfo[row].nMinSize = cyMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    ASSERT(col >= 0 && col < m_nCols);
    cxCur = m_pColInfo[col].nCurSize;
    cxMin = m_pColInfo[col].nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    ASSERT(col >= 0 && col < m_nCols && cxIdeal >= 0 && cxMin >= 0);
    m_pColInfo[col].nIdealSize = cxIdeal;
    m_pColInfo[col].nMinSize = cxMin;
}

int CSplitterWnd::IdFromRowCol(int row, int col) const
{
    return AFX_IDW_PANE_FIRST + row * kMaxPanes + col;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (!m_hWnd || row < 0 || row >= m_nRows || col < 0 || col >= m_nCols)
        return nullptr;
    return CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IdFromRowCol(row, col)));
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol)
{
    if (!pWnd || !pWnd->GetSafeHwnd() || ::GetParent(pWnd->m_hWnd) != m_hWnd)
        return FALSE;
    const int offset = pWnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    const int row = offset / kMaxPanes;
    const int col = offset % kMaxPanes;
    if (offset < 0 || row >= m_nRows || col >= m_nCols)
        return FALSE;
    if (pRow)
        *pRow = row;
    if (pCol)
        *pCol = col;
    return TRUE;
}

void CSplitterWnd::RecalcLayout()
{
    if (!m_hWnd || !m_nRows || !m_nCols)
        return;
    CRect client;
    GetClientRect(&client);
    LayoutLine(m_pRowInfo, m_nRows, client.Height(), m_cySplitterGap);
    LayoutLine(m_pColInfo, m_nCols, client.Width(), m_cxSplitterGap);
    HDWP defer = ::BeginDeferWindowPos(m_nRows * m_nCols);
    int y = 0;
    for (int row = 0; row < m_nRows; ++row) {
        int x = 0;
        for (int col = 0; col < m_nCols; ++col) {
            if (HWND pane = ::GetDlgItem(m_hWnd, IdFromRowCol(row, col))) {
                const int cx = m_pColInfo[col].nCurSize;
                const int cy = m_pRowInfo[row].nCurSize;
                // A pane with no room is hidden rather than squeezed.
                const UINT show = cx > 0 && cy > 0 ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
                defer = ::DeferWindowPos(defer, pane, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | show);
            }
            x += m_pColInfo[col].nCurSize + m_cxSplitterGap;
        }
        y += m_pRowInfo[row].nCurSize + m_cySplitterGap;
    }
    ::EndDeferWindowPos(defer);
    Invalidate();
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    // Raised bars between the panes.
    for (int row = 0; row < m_nRows - 1; ++row) {
        CRect bar = BarRect(1 + row);
        ::DrawEdge(dc.m_hDC, &bar, EDGE_RAISED, BF_TOP | BF_BOTTOM);
    }
    for (int col = 0; col < m_nCols - 1; ++col) {
        CRect bar = BarRect(kColumnBar + col);
        ::DrawEdge(dc.m_hDC, &bar, EDGE_RAISED, BF_LEFT | BF_RIGHT);
    }
}

// ---- Dragging the bars -------------------------------------------------------------------

CRect CSplitterWnd::BarRect(int hit) const
{
    CRect client;
    GetClientRect(&client);
    if (hit >= kColumnBar) {
        const int col = hit - kColumnBar;
        const int left = StartOf(m_pColInfo, col, m_cxSplitterGap) + m_pColInfo[col].nCurSize;
        return CRect(left, client.top, left + m_cxSplitterGap, client.bottom);
    }
    const int row = hit - 1;
    const int top = StartOf(m_pRowInfo, row, m_cySplitterGap) + m_pRowInfo[row].nCurSize;
    return CRect(client.left, top, client.right, top + m_cySplitterGap);
}

int CSplitterWnd::HitTest(CPoint pt) const
{
    for (int row = 0; row < m_nRows - 1; ++row)
        if (BarRect(1 + row).PtInRect(pt))
            return 1 + row;
    for (int col = 0; col < m_nCols - 1; ++col)
        if (BarRect(kColumnBar + col).PtInRect(pt))
            return kColumnBar + col;
    return kNoBar;
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && pWnd == this) {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        const int hit = HitTest(pt);
        if (hit != kNoBar) {
            ::SetCursor(::LoadCursorA(nullptr, hit >= kColumnBar ? IDC_SIZEWE : IDC_SIZENS));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CSplitterWnd::InvertTracker(const CRect& rect)
{
    HDC dc = ::GetDCEx(m_hWnd, nullptr, DCX_CACHE);
    ::PatBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), DSTINVERT);
    ::ReleaseDC(m_hWnd, dc);
}

void CSplitterWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int hit = HitTest(point);
    if (hit == kNoBar || m_bTracking) {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    int pos = 0;
    if (!TrackBar(hit, point, &pos))
        return;
    // The row (column) before the bar ends where the bar now starts.
    if (hit >= kColumnBar) {
        const int col = hit - kColumnBar;
        m_pColInfo[col].nIdealSize = pos - StartOf(m_pColInfo, col, m_cxSplitterGap);
    } else {
        const int row = hit - 1;
        m_pRowInfo[row].nIdealSize = pos - StartOf(m_pRowInfo, row, m_cySplitterGap);
    }
    RecalcLayout();
}

void CSplitterWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A quick second press on a bar drags it as well.
    OnLButtonDown(nFlags, point);
}

BOOL CSplitterWnd::TrackBar(int hit, CPoint ptStart, int* pPos)
{
    const bool column = hit >= kColumnBar;
    const int index = column ? hit - kColumnBar : hit - 1;
    const CRowColInfo* info = column ? m_pColInfo : m_pRowInfo;
    const int gap = column ? m_cxSplitterGap : m_cySplitterGap;
    // The bar moves between the start of its row and the end of the next.
    const int low = StartOf(info, index, gap);
    const int high = StartOf(info, index + 1, gap) + info[index + 1].nCurSize - gap;
    CRect tracker = BarRect(hit);
    const int grab = column ? ptStart.x - tracker.left : ptStart.y - tracker.top;

    m_bTracking = TRUE;
    SetCapture();
    InvertTracker(tracker);
    BOOL done = FALSE;
    BOOL cancelled = FALSE;
    while (!done && !cancelled) {
        MSG msg;
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The quit belongs to the loop outside: put it back for it.
            if (got == 0)
                AfxPostQuitMessage(static_cast<int>(msg.wParam));
            cancelled = TRUE;
            break;
        }
        if (::GetCapture() != m_hWnd) {
            cancelled = TRUE;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            if (msg.hwnd != m_hWnd)
                ::MapWindowPoints(msg.hwnd, m_hWnd, &pt, 1);
            int pos = (column ? pt.x : pt.y) - grab;
            pos = pos < low ? low : pos > high ? high : pos;
            CRect moved = tracker;
            if (column)
                moved.OffsetRect(pos - tracker.left, 0);
            else
                moved.OffsetRect(0, pos - tracker.top);
            if (moved != tracker) {
                InvertTracker(tracker);
                tracker = moved;
                InvertTracker(tracker);
            }
            if (msg.message == WM_LBUTTONUP)
                done = TRUE;
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                cancelled = TRUE;
            break;
        case WM_RBUTTONDOWN:
        case WM_CANCELMODE:
            cancelled = TRUE;
            break;
        default:
            // Everything else goes on: painting, timers, other windows.
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            break;
        }
    }
    InvertTracker(tracker);
    m_bTracking = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (done)
        *pPos = column ? tracker.left : tracker.top;
    return done;
}
