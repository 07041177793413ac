#include "toolkit/foundation/OXSplashWnd.h"

#include "afx/DC.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(COXSplashWnd, CWnd)

BEGIN_MESSAGE_MAP(COXSplashWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {
const UINT_PTR kTimerId = 1;
COXSplashWnd* g_pProcessSplash = nullptr;
BOOL g_bProcessSplashEnabled = TRUE;

// Directions clockwise from north-west.
const int kDx[8] = { -1, 0, 1, 1, 1, 0, -1, -1 };
const int kDy[8] = { -1, -1, -1, 0, 1, 1, 1, 0 };
// Where the neighbour search starts after a move in each direction.
const int kSearchFrom[8] = { 6, 0, 0, 2, 2, 4, 4, 6 };
} // namespace

COXSplashWnd::COXSplashWnd()
    : m_nDisplayTime(DefaultDisplayTime), m_bAutoDelete(FALSE), m_crTransparent(CLR_NONE), m_nRed(0),
      m_nGreen(0), m_nBlue(0), m_nTolerance(0), m_bUserCancel(TRUE), m_bHiding(FALSE), m_bDeletePending(FALSE)
{
}

COXSplashWnd::~COXSplashWnd()
{
    if (GetSafeHwnd()) {
        m_bAutoDelete = FALSE;
        Hide();
    }
    if (g_pProcessSplash == this)
        g_pProcessSplash = nullptr;
}

COXSplashWnd* COXSplashWnd::GetProcessSplash()
{
    return g_pProcessSplash;
}

void COXSplashWnd::EnableProcessSplash(BOOL bEnable)
{
    g_bProcessSplashEnabled = bEnable;
}

COXSplashWnd* COXSplashWnd::MakeProcessSplash()
{
    if (!g_pProcessSplash) {
        g_pProcessSplash = new COXSplashWnd;
        g_pProcessSplash->m_bAutoDelete = TRUE;
    }
    return g_pProcessSplash;
}

COXSplashWnd* COXSplashWnd::LoadProcessSplash(const std::function<BOOL(COXSplashWnd&)>& load)
{
    COXSplashWnd* pSplash = MakeProcessSplash();
    if (load(*pSplash))
        return pSplash;
    if (!pSplash->GetSafeHwnd())
        delete pSplash;
    return nullptr;
}

COXSplashWnd* COXSplashWnd::ShowSplashResource(LPCTSTR lpszResourceName, COLORREF clrTransparent, LPPOINT pPoint,
                                               BYTE nTolerance)
{
    return LoadProcessSplash([&](COXSplashWnd& splash) {
        return splash.LoadBitmapResource(lpszResourceName, clrTransparent, pPoint, nTolerance);
    });
}

COXSplashWnd* COXSplashWnd::ShowSplashFile(LPCTSTR lpszFileName, COLORREF clrTransparent, LPPOINT pPoint,
                                           BYTE nTolerance)
{
    return LoadProcessSplash([&](COXSplashWnd& splash) {
        return splash.LoadBitmapFile(lpszFileName, clrTransparent, pPoint, nTolerance);
    });
}

BOOL COXSplashWnd::LoadBitmapById(UINT nID, COLORREF clrTransparent, LPPOINT pPoint, BYTE nTolerance)
{
    return LoadBitmapResource(MAKEINTRESOURCE(nID), clrTransparent, pPoint, nTolerance);
}

BOOL COXSplashWnd::LoadBitmapResource(LPCTSTR lpszResourceName, COLORREF clrTransparent, LPPOINT pPoint,
                                      BYTE nTolerance)
{
    return TakeShape(m_dib.LoadResource(lpszResourceName), clrTransparent, pPoint, nTolerance);
}

BOOL COXSplashWnd::LoadBitmapFile(LPCTSTR lpszFileName, COLORREF clrTransparent, LPPOINT pPoint, BYTE nTolerance)
{
    return TakeShape(m_dib.LoadFile(lpszFileName), clrTransparent, pPoint, nTolerance);
}

BOOL COXSplashWnd::TakeShape(BOOL bLoaded, COLORREF clrTransparent, LPPOINT pPoint, BYTE nTolerance)
{
    if (!bLoaded)
        return FALSE;
    m_crTransparent = clrTransparent;
    m_nTolerance = nTolerance;
    if (clrTransparent == CLR_NONE) {
        m_rgn.DeleteObject();
        return TRUE;
    }
    const CSize size = m_dib.GetSize();
    CPoint sample = pPoint ? CPoint(*pPoint) : CPoint(0, 0);
    if (sample.x < 0 || sample.y < 0 || sample.x >= size.cx || sample.y >= size.cy)
        sample = CPoint(0, 0);
    if (clrTransparent == CLR_DEFAULT)
        m_crTransparent = m_dib.GetPixel(sample.x, sample.y);
    m_nRed = GetRValue(m_crTransparent);
    m_nGreen = GetGValue(m_crTransparent);
    m_nBlue = GetBValue(m_crTransparent);
    if (BuildRegion(sample))
        return TRUE;
    m_rgn.DeleteObject();
    return FALSE;
}

BOOL COXSplashWnd::IsTransparentPixel(int x, int y, BOOL bOutside)
{
    const COLORREF clr = m_dib.GetPixel(x, y);
    if (clr == CLR_INVALID)
        return bOutside;
    return std::abs(GetRValue(clr) - m_nRed) <= m_nTolerance && std::abs(GetGValue(clr) - m_nGreen) <= m_nTolerance &&
           std::abs(GetBValue(clr) - m_nBlue) <= m_nTolerance;
}

std::vector<POINT> COXSplashWnd::TraceOutline(int width, int height, const std::function<BOOL(int, int)>& opaque)
{
    std::vector<POINT> points;
    if (width <= 0 || height <= 0)
        return points;
    auto inside = [width, height](int x, int y) { return x >= 0 && y >= 0 && x < width && y < height; };
    auto solid = [&](int x, int y) { return inside(x, y) && opaque(x, y); };

    // The first opaque pixel: diagonally from the top-left corner toward the
    // centre (outside counts as opaque here), else row by row.
    int x = opaque(0, 0) ? -1 : 0;
    int y = x;
    const int stepX = x < width / 2 ? 1 : -1;
    const int stepY = y < height / 2 ? 1 : -1;
    while (inside(x, y) && !opaque(x, y)) {
        x += stepX;
        y += stepY;
    }
    if (!inside(x, y)) {
        BOOL found = FALSE;
        for (y = 0; y < height && !found; ++y)
            for (x = 0; x < width && !found; ++x)
                found = opaque(x, y);
        if (!found)
            return points;
        --x;
        --y;
    }
    const POINT first = { x, y };
    int direction = -1;
    for (int d = 0; d < 8 && direction < 0; ++d)
        if (solid(x + kDx[d], y + kDy[d]))
            direction = d;
    if (direction < 0)
        return points;   // a lone pixel has no outline

    points.push_back(first);
    int previous = -1;
    const LONGLONG limit = 4LL * width * height;
    for (LONGLONG steps = 0;; ++steps) {
        if (steps > limit) {
            points.clear();
            return points;
        }
        x += kDx[direction];
        y += kDy[direction];
        // Straight runs keep only their end points.
        if (direction == previous && points.size() > 1)
            points.back() = { x, y };
        else
            points.push_back({ x, y });
        previous = direction;
        if (x == first.x && y == first.y)
            break;
        int next = -1;
        for (int k = 0; k < 7 && next < 0; ++k) {
            const int d = (kSearchFrom[direction] + k) % 8;
            if (solid(x + kDx[d], y + kDy[d]))
                next = d;
        }
        if (next < 0) {
            points.clear();
            return points;
        }
        direction = next;
    }
    points.pop_back();   // the first point closes the polygon by itself
    return points;
}

BOOL COXSplashWnd::BuildRegion(POINT /*ptStart*/)
{
    const CSize size = m_dib.GetSize();
    const std::vector<POINT> points =
        TraceOutline(size.cx, size.cy, [this](int x, int y) { return !IsTransparentPixel(x, y, TRUE); });
    m_rgn.DeleteObject();
    if (points.size() < 3)
        return FALSE;
    return m_rgn.CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE);
}

BOOL COXSplashWnd::SetRegion(CRgn& rgn)
{
    if (!m_rgn.GetSafeHandle() && !m_rgn.CreateRectRgn(0, 0, 0, 0))
        return FALSE;
    return m_rgn.CombineRgn(&rgn, nullptr, RGN_COPY) != ERROR;
}

BOOL COXSplashWnd::Show(int nMilliseconds, CWnd* pParentWnd, LPPOINT pPoint)
{
    if ((this == g_pProcessSplash && !g_bProcessSplashEnabled) || !m_dib.IsLoaded())
        return FALSE;
    m_nDisplayTime = (nMilliseconds < 1 && nMilliseconds != DisplayUntilClosed) ? DefaultDisplayTime : nMilliseconds;
    if (GetSafeHwnd()) {
        // Shown again: the old window goes, the object stays.
        const BOOL autoDelete = m_bAutoDelete;
        m_bAutoDelete = FALSE;
        Hide();
        m_bAutoDelete = autoDelete;
    }
    DWORD exStyle = WS_EX_TOPMOST;
    if (!pParentWnd) {
        // A hidden owner keeps the splash off the taskbar.
        if (!m_wndOwner.CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(CS_CLASSDC), "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                 nullptr))
            exStyle |= WS_EX_TOOLWINDOW;
    }
    const CSize size = m_dib.GetSize();
    HWND hOwner = pParentWnd ? pParentWnd->GetSafeHwnd() : m_wndOwner.GetSafeHwnd();
    if (!CreateEx(exStyle, AfxRegisterWndClass(CS_CLASSDC, ::LoadCursor(nullptr, IDC_ARROW)), "",
                  WS_POPUP | WS_VISIBLE, 0, 0, size.cx, size.cy, hOwner, nullptr)) {
        if (m_wndOwner.GetSafeHwnd())
            m_wndOwner.DestroyWindow();
        if (m_bAutoDelete)
            delete this;
        return FALSE;
    }
    SetFocus();
    if (pPoint)
        SetWindowPos(nullptr, pPoint->x, pPoint->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow();
    return TRUE;
}

int COXSplashWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_rgn.GetSafeHandle()) {
        CRgn copy;
        if (copy.CreateRectRgn(0, 0, 0, 0)) {
            const int kind = copy.CombineRgn(&m_rgn, nullptr, RGN_COPY);
            // The window owns the region it is given.
            if ((kind == SIMPLEREGION || kind == COMPLEXREGION) &&
                ::SetWindowRgn(m_hWnd, static_cast<HRGN>(copy.GetSafeHandle()), TRUE))
                copy.Detach();
        }
    }
    CenterWindow();
    if (m_nDisplayTime != DisplayUntilClosed)
        SetTimer(kTimerId, static_cast<UINT>(m_nDisplayTime), nullptr);
    SetCapture();
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    return 0;
}

void COXSplashWnd::OnPaint()
{
    CPaintDC dc(this);
    m_dib.Draw(&dc, CPoint(0, 0));
}

void COXSplashWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTimerId)
        Hide();
    else
        CWnd::OnTimer(nIDEvent);
}

void COXSplashWnd::Hide()
{
    CloseWindowAndDelete();
}

BOOL COXSplashWnd::CloseWindowAndDelete()
{
    if (!GetSafeHwnd() || m_bHiding)
        return FALSE;
    m_bHiding = TRUE;
    ShowWindow(SW_HIDE);
    KillTimer(kTimerId);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    // Destroying the owner destroys the splash with it.
    if (m_wndOwner.GetSafeHwnd())
        m_wndOwner.DestroyWindow();
    else
        DestroyWindow();
    m_bHiding = FALSE;
    if (!m_bDeletePending)
        return FALSE;
    delete this;
    return TRUE;
}

BOOL COXSplashWnd::SetDisplayTimer(int nMilliseconds)
{
    if (nMilliseconds > 0) {
        m_nDisplayTime = nMilliseconds;
        return GetSafeHwnd() && SetTimer(kTimerId, static_cast<UINT>(nMilliseconds), nullptr) != 0;
    }
    // A self-deleting splash may be gone after this: then touch nothing of it.
    if (!CloseWindowAndDelete())
        m_nDisplayTime = 0;
    return TRUE;
}

BOOL COXSplashWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_bUserCancel && GetSafeHwnd()) {
        const UINT message = pMsg->message;
        // Clicks and wheel turns close it (moves do not); so does any key.
        if ((message >= WM_LBUTTONDOWN && message <= WM_MOUSEWHEEL) ||
            (message >= WM_KEYDOWN && message <= WM_KEYLAST)) {
            Hide();
            return TRUE;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void COXSplashWnd::PostNcDestroy()
{
    if (!m_bAutoDelete) {
        CWnd::PostNcDestroy();
        return;
    }
    if (m_bHiding)
        m_bDeletePending = TRUE;
    else
        delete this;
}
