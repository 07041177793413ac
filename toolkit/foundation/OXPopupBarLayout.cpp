#include "toolkit/foundation/OXPopupBarLayout.h"

int PopupBarColumnCount(int buttonCount, int rowCount)
{
    if (rowCount <= 0)
        return buttonCount;
    return (buttonCount + rowCount - 1) / rowCount;
}

PopupBarLayout CalcPopupBarLayout(const PopupBarGeometry& g)
{
    PopupBarLayout out;
    const CRect& m = g.outerMargins;
    const CRect& b = g.buttonGaps;
    const CRect& d = g.defaultGaps;
    const CRect& c = g.customGaps;
    const CRect& t = g.tearOffGaps;
    const int F = g.dialogFrame.cx;
    const int G = g.dialogFrame.cy;
    const int columns = PopupBarColumnCount(g.buttonCount, g.rowCount);

    int width = columns * (g.buttonSize.cx + b.left + b.right) + 2 * F + m.left + m.right;
    int height = g.rowCount * (g.buttonSize.cy + b.top + b.bottom) + 2 * G + m.top + m.bottom;
    if (g.tornOff)
        height += g.smallCaptionHeight;
    const int tearOffBand = t.top + PopupBarTearOffHeight + t.bottom;

    if (g.hasTearOff) {
        out.tearOffRect.left = m.left + t.left;
        out.tearOffRect.right = out.tearOffRect.left + (width - 2 * F - m.left - m.right - t.left - t.right);
        out.tearOffRect.top = m.top + t.top;
        out.tearOffRect.bottom = out.tearOffRect.top + PopupBarTearOffHeight;
        height += tearOffBand;
    }
    int defaultHeight = 0;
    if (g.hasDefault) {
        defaultHeight = g.defaultTextHeight + 8;
        out.defaultRect.left = m.left + d.left;
        out.defaultRect.right = out.defaultRect.left + (width - 2 * F - m.left - m.right - d.left - d.right);
        out.defaultRect.top = m.top + d.top + (g.hasTearOff ? tearOffBand : 0);
        out.defaultRect.bottom = out.defaultRect.top + defaultHeight;
        height += d.top + defaultHeight + d.bottom;
    }
    if (g.hasCustom) {
        int customHeight = g.customTextHeight + 8;
        out.customRect.left = m.left + c.left;
        out.customRect.right = out.customRect.left + (width - 2 * F - m.left - m.right - c.left - c.right);
        out.customRect.top = height - 2 * G - m.top + c.top - (g.tornOff ? g.smallCaptionHeight : 0);
        out.customRect.bottom = out.customRect.top + customHeight;
        height += c.top + customHeight + c.bottom;
    }

    int x0 = m.left + b.left;
    int y0 = m.top + b.top;
    if (g.hasDefault)
        y0 += d.top + defaultHeight + d.bottom;
    if (g.hasTearOff)
        y0 += tearOffBand;
    for (int i = 0; i < g.buttonCount && columns > 0; ++i) {
        int r = i / columns;
        int col = i % columns;
        int left = x0 + col * (b.left + g.buttonSize.cx + b.right);
        int top = y0 + r * (b.top + g.buttonSize.cy + b.bottom);
        out.buttonRects.emplace_back(left, top, left + g.buttonSize.cx, top + g.buttonSize.cy);
    }
    out.windowSize = CSize(width, height);
    return out;
}

BOOL PlacePopupBar(int a, const CRect& R, int dx, int dy, CSize size, CSize bounds, CPoint& topLeft)
{
    const int w = size.cx;
    const int h = size.cy;
    const int W = bounds.cx;
    const int H = bounds.cy;
    if (w > W || h > H)
        return FALSE;
    int x = 0;
    int y = 0;
    switch (a) {
    case 0:
    case 4:
        x = R.left - w - dx;
        y = a == 0 ? R.top + dy : R.bottom - h - dy;
        if (x < 0) {
            x = R.right + dx;
            if (x + w > W)
                return FALSE;
        }
        break;
    case 1:
    case 5:
        x = R.right + dx;
        y = a == 1 ? R.top + dy : R.bottom - h - dy;
        if (x + w > W) {
            x = R.left - w - dx;
            if (x < 0)
                return FALSE;
        }
        break;
    case 2:
    case 6:
        x = a == 2 ? R.left + dx : R.right - w - dx;
        y = R.top - h - dy;
        if (y < 0) {
            y = R.bottom + dy;
            if (y + h > H)
                return FALSE;
        }
        break;
    case 3:
    case 7:
        x = a == 3 ? R.left + dx : R.right - w - dx;
        y = R.bottom + dy;
        if (y + h > H) {
            y = R.top - h - dy;
            if (y < 0)
                return FALSE;
        }
        break;
    default:
        break;
    }
    if (x < 0)
        x = 0;
    else if (x + w > W)
        x = W - w;
    if (y < 0)
        y = 0;
    else if (y + h > H)
        y = H - h;
    topLeft = CPoint(x, y);
    return TRUE;
}

int PopupBarNextHot(UINT key, BOOL shift, int hot, int N, int cols, BOOL hasDefault, BOOL hasCustom)
{
    const int first = hasDefault ? 0 : 1;
    const int last = hasCustom ? N + 1 : N;
    const BOOL inGrid = hot >= 1 && hot <= N;
    switch (key) {
    case VK_DOWN:
        if (hot == -1 || hot == last)
            return first;
        if (hot == 0)
            return 1;
        if (inGrid)
            return hot + cols > N ? (hasCustom ? last : first) : hot + cols;
        return first;
    case VK_UP: {
        const BOOL firstGridRow = inGrid && hot <= cols;
        if (hot == -1 || hot == first || (firstGridRow && !hasDefault))
            return last;
        if (hot == N + 1)
            return N;
        if (firstGridRow)
            return 0;
        return hot - cols;
    }
    case VK_RIGHT:
        return hot == -1 || hot == last ? first : hot + 1;
    case VK_LEFT:
        return hot == -1 || hot == first ? last : hot - 1;
    case VK_TAB:
        if (!shift) {
            if (hot == -1 || hot == last)
                return first;
            if (hot == 0)
                return 1;
            return hasCustom ? N + 1 : first;
        }
        if (hot == N + 1)
            return 1;
        if (hot == -1 || hot == first || (inGrid && !hasDefault))
            return hasCustom ? N + 1 : 1;
        return 0;
    default:
        return hot;
    }
}
