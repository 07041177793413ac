#include "toolkit/foundation/OXShdWnd.h"

#include "afx/DC.h"

#include <vector>

IMPLEMENT_DYNAMIC(COXShdWnd, CWnd)

BEGIN_MESSAGE_MAP(COXShdWnd, CWnd)
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
const UINT SavedColorBuckets = 17;
const INT_PTR SavedColorBlock = 10;

// The shadow's bands, from the one farthest out to the one along the window:
// a factor for the start of each edge, one along the edges and one for the
// corner; each band further in is darker, and the bands end when the factor
// along the edges would fall to 174 or below.
struct Band
{
    int start;
    int edge;
    int corner;
};

const std::vector<Band>& Bands()
{
    static const std::vector<Band> bands = [] {
        std::vector<Band> made;
        for (Band band = { 250, 235, 230 }; band.edge > 174; band.start -= 5, band.edge -= 20, band.corner -= 25)
            made.push_back(band);
        return made;
    }();
    return bands;
}

COLORREF Scale(COLORREF clr, int factor)
{
    return RGB(::MulDiv(GetRValue(clr), factor, 255), ::MulDiv(GetGValue(clr), factor, 255),
               ::MulDiv(GetBValue(clr), factor, 255));
}

DWORD PixelKey(int x, int y)
{
    return MAKELONG(static_cast<WORD>(x), static_cast<WORD>(y));
}
} // namespace

COXShdWnd::COXShdWnd() : m_dwFlags(0), m_savedColors(SavedColorBlock)
{
    m_savedColors.InitHashTable(SavedColorBuckets, FALSE);
}

COXShdWnd::~COXShdWnd()
{
}

COLORREF COXShdWnd::DarkenColor(COLORREF clr, int nAmount)
{
    if (nAmount < 0)
        nAmount = 0;
    if (nAmount > 255)
        nAmount = 255;
    return Scale(clr, 255 - nAmount);
}

int COXShdWnd::GetShadowSize()
{
    return static_cast<int>(Bands().size());
}

void COXShdWnd::ForEachShadowPixel(const CRect& rect, const std::function<void(int, int, int)>& fn)
{
    const int size = GetShadowSize();
    for (int i = 0; i < size; ++i) {
        const Band& band = Bands()[static_cast<size_t>(i)];
        // Band i lies this far past the edges (the first band farthest out).
        const int distance = size - 1 - i;
        const int x = rect.right + distance;
        const int y = rect.bottom + distance;
        // The right edge, fading in over its first pixels below the top.
        for (int row = rect.top + size; row < rect.bottom; ++row)
            fn(x, row, row < rect.top + 2 * size ? band.start : band.edge);
        // The bottom edge the same way from the left.
        for (int column = rect.left + size; column < rect.right; ++column)
            fn(column, y, column < rect.left + 2 * size ? band.start : band.edge);
        // The corner: this band's part of the square below and right.
        for (int step = 0; step <= distance; ++step) {
            fn(x, rect.bottom + step, band.corner);
            if (step < distance)
                fn(rect.right + step, y, band.corner);
        }
    }
}

void COXShdWnd::DrawShadow(CDC* pDC, const CRect& rect, CDWordArray* pSave, const CDWordArray* pRestore)
{
    HDC hdc = pDC->GetSafeHdc();
    INT_PTR index = 0;
    ForEachShadowPixel(rect, [&](int x, int y, int factor) {
        if (pRestore) {
            if (index < pRestore->GetSize())
                ::SetPixelV(hdc, x, y, (*pRestore)[index]);
            ++index;
            return;
        }
        COLORREF clr = ::GetPixel(hdc, x, y);
        // A pixel outside the DC's surface keeps its place in the order.
        if (pSave)
            pSave->Add(clr);
        if (clr != CLR_INVALID)
            ::SetPixelV(hdc, x, y, Scale(clr, factor));
    });
}

void COXShdWnd::RestoreScreen()
{
    if (!m_dwFlags)
        return;
    HDC screen = ::GetDC(nullptr);
    POSITION pos = m_savedColors.GetStartPosition();
    while (pos) {
        DWORD key = 0;
        COLORREF clr = 0;
        m_savedColors.GetNextAssoc(pos, key, clr);
        ::SetPixelV(screen, static_cast<short>(LOWORD(key)), static_cast<short>(HIWORD(key)), clr);
    }
    ::ReleaseDC(nullptr, screen);
    m_savedColors.RemoveAll();
    m_dwFlags = 0;
}

void COXShdWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    // The shadow drawn belongs to the old place and size.
    if (!(lpwndpos->flags & SWP_NOMOVE) || !(lpwndpos->flags & SWP_NOSIZE) || (lpwndpos->flags & SWP_HIDEWINDOW))
        RestoreScreen();
    CWnd::OnWindowPosChanged(lpwndpos);
}

BOOL COXShdWnd::OnEraseBkgnd(CDC*)
{
    // The windows below paint first, so the shadow darkens what they show.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageA(&msg);

    CRect rect;
    GetWindowRect(&rect);
    CWindowDC screen(nullptr);
    if (m_dwFlags) {
        // Drawn from the kept colours, so pixels are not darkened twice.
        ForEachShadowPixel(rect, [&](int x, int y, int factor) {
            COLORREF clr = 0;
            if (m_savedColors.Lookup(PixelKey(x, y), clr))
                ::SetPixelV(screen.GetSafeHdc(), x, y, Scale(clr, factor));
        });
        return FALSE;
    }
    CDWordArray read;
    DrawShadow(&screen, rect, &read);
    INT_PTR index = 0;
    ForEachShadowPixel(rect, [&](int x, int y, int) {
        COLORREF clr = index < read.GetSize() ? read[index] : CLR_INVALID;
        ++index;
        if (clr != CLR_INVALID)
            m_savedColors.SetAt(PixelKey(x, y), clr);
    });
    m_dwFlags = 1;
    return FALSE;
}
