#include "afx/WorkArea.h"

#include <algorithm>
#include <vector>

namespace {

// How far apart two rectangles lie (0 when they meet), squared.
long long GapSquared(const CRect& a, const CRect& b)
{
    const long long dx = std::max({ 0L, static_cast<long>(a.left) - b.right, static_cast<long>(b.left) - a.right });
    const long long dy = std::max({ 0L, static_cast<long>(a.top) - b.bottom, static_cast<long>(b.top) - a.bottom });
    return dx * dx + dy * dy;
}

bool Meets(const CRect& a, const CRect& b)
{
    CRect common;
    return common.IntersectRect(&a, &b) != FALSE;
}

// Start and length along one axis, kept inside [low, high).
void Clamp(LONG& start, LONG& length, LONG low, LONG high)
{
    length = std::min(length, high - low);
    start = std::max(low, std::min(start, high - length));
}

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(monitor, &info))
        reinterpret_cast<std::vector<CRect>*>(data)->push_back(CRect(info.rcWork));
    return TRUE;
}

} // namespace

CRect AFXAPI AfxFitRectToWorkAreas(const CRect& rect, const CRect* areas, int count, CSize minSize,
                                   CSize defaultSize)
{
    LONG left = rect.left;
    LONG top = rect.top;
    LONG width = rect.Width() < minSize.cx ? defaultSize.cx : rect.Width();
    LONG height = rect.Height() < minSize.cy ? defaultSize.cy : rect.Height();
    const CRect sized(left, top, left + width, top + height);
    if (!areas || count <= 0)
        return sized;
    const CRect* nearest = &areas[0];
    for (int i = 0; i < count; ++i) {
        if (Meets(sized, areas[i]))
            return sized;
        if (GapSquared(sized, areas[i]) < GapSquared(sized, *nearest))
            nearest = &areas[i];
    }
    Clamp(left, width, nearest->left, nearest->right);
    Clamp(top, height, nearest->top, nearest->bottom);
    return CRect(left, top, left + width, top + height);
}

CRect AFXAPI AfxFitRectToMonitors(const CRect& rect, CSize minSize, CSize defaultSize)
{
    std::vector<CRect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, &CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
    if (areas.empty()) {
        CRect work;
        if (::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
            areas.push_back(work);
    }
    minSize.cx = std::max(minSize.cx, static_cast<LONG>(::GetSystemMetrics(SM_CXMINTRACK)));
    minSize.cy = std::max(minSize.cy, static_cast<LONG>(::GetSystemMetrics(SM_CYMINTRACK)));
    return AfxFitRectToWorkAreas(rect, areas.data(), static_cast<int>(areas.size()), minSize, defaultSize);
}
