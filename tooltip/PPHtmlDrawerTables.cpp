// Tables of the HTML drawer: the grid with its spans is laid out in the
// prepare pass and kept by table index; the draw pass paints backgrounds,
// borders and the cells' contents from that layout.
#include "tooltip/PPHtmlDrawer.h"

#include <algorithm>
#include <tuple>

namespace {

const long long kMaxCoord = 1 << 29;

int ClampCoord(long long v)
{
    return static_cast<int>(std::max(-kMaxCoord, std::min(kMaxCoord, v)));
}

// Frame thickness in units of the border width: a double border is three.
int BorderFactor(int style)
{
    return style == CPPDrawManager::PEN_DOUBLE ? 3 : 1;
}

// Widens sizes[first, first + count) until they add up to need: the deficit is
// shared evenly and what does not divide goes to sizes[remainderAt].
void GrowToCover(std::vector<int>& sizes, int first, int count, long long need, int remainderAt)
{
    long long sum = 0;
    for (int i = first; i < first + count; ++i)
        sum += sizes[i];
    if (sum >= need)
        return;
    const int deficit = static_cast<int>(need - sum);
    for (int i = first; i < first + count; ++i)
        sizes[i] += deficit / count;
    sizes[remainderAt] += deficit % count;
}

}  // namespace

SIZE CPPHtmlDrawer::DrawHtmlTable(const CString& text, int start, int end, const RECT& rect, BOOL prepare)
{
    // Deeper tables are dropped the same way in both passes, so the table
    // indices still agree; the limit keeps recursion off the stack's end.
    if (m_nTableNesting >= kMaxTableNesting)
        return SIZE{0, 0};
    ++m_nTableNesting;
    TableText table;
    ReadTable(text, start, end, table);
    const int index = m_nCurTable++;
    SIZE size = {0, 0};
    if (prepare)
    {
        // Nested tables append their own records while this one is laid
        // out, so it is built aside and stored when done.
        TableLayout layout;
        size = PrepareTable(text, table, layout);
        if (index >= static_cast<int>(m_arrTables.size()))
            m_arrTables.resize(static_cast<size_t>(index) + 1);
        m_arrTables[index] = std::move(layout);
    }
    else if (index < static_cast<int>(m_arrTables.size()))
    {
        TableLayout layout = m_arrTables[index];
        size = layout.size;
        DrawTable(text, table, layout, rect);
    }
    --m_nTableNesting;
    return size;
}

SIZE CPPHtmlDrawer::PrepareTable(const CString& text, const TableText& table, TableLayout& layout)
{
    const SIZE dims = TableDimensions(table);
    layout.columns = dims.cx;
    layout.rows = dims.cy;
    layout.size = SIZE{0, 0};
    layout.cells.assign(static_cast<size_t>(dims.cx) * dims.cy, CellInfo{0, 0, 0, 0, 0, 0});
    layout.widths.assign(static_cast<size_t>(dims.cx), 0);
    layout.heights.assign(static_cast<size_t>(dims.cy), 0);
    layout.slots.clear();
    if (dims.cx == 0 || dims.cy == 0)
        return layout.size;
    const int cols = layout.columns;
    const int rows = layout.rows;

    // Each level's style is restored from a copy, and tags a cell left open
    // are dropped with it, so one cell's markup never leaks into the next.
    const STYLEREC tableSaved = m_defStyle;
    const size_t tableDepth = m_arrStack.size();
    SelectTableStyle(table);
    const STYLEREC tableStyle = m_defStyle;

    for (int r = 0; r < static_cast<int>(table.rows.size()); ++r)
    {
        const RowText& row = table.rows[r];
        ApplyStyleByName(m_defStyle, "tr");
        SetTableParams(row.params, m_defStyle);
        SelectStyleFont();
        const STYLEREC rowStyle = m_defStyle;
        int c = 0;
        for (const CellText& cellText : row.cells)
        {
            while (c < cols && layout.Cell(r, c).colSpan != 0)
                ++c;
            if (r >= rows || c >= cols)
            {
                // No room left in the grid: a span from above took it.
                layout.slots.push_back(-1);
                continue;
            }
            ApplyStyleByName(m_defStyle, "td");
            const SIZE span = SetTableParams(cellText.params, m_defStyle);
            SelectStyleFont();
            // Spans are kept inside the grid and off positions already taken.
            int cs = std::max(1, std::min(static_cast<int>(span.cx), cols - c));
            const int rs = std::max(1, std::min(static_cast<int>(span.cy), rows - r));
            for (int k = 1; k < cs; ++k)
                if (layout.Cell(r, c + k).colSpan != 0)
                {
                    cs = k;
                    break;
                }
            for (int rr = r; rr < r + rs; ++rr)
                for (int cc = c; cc < c + cs; ++cc)
                    if ((rr != r || cc != c) && layout.Cell(rr, cc).colSpan == 0)
                        layout.Cell(rr, cc) = CellInfo{-1, -1, 0, 0, 0, 0};

            const RECT none = {0, 0, 0, 0};
            const SIZE content = DrawPieces(text, cellText.start, cellText.end, none, TRUE);
            const STYLEREC& s = m_defStyle;
            const int allowance = s.nBorderWidth ? (s.nBorderStyle == CPPDrawManager::PEN_DOUBLE ? 6 : 2) : 0;
            CellInfo& cell = layout.Cell(r, c);
            cell.colSpan = cs;
            cell.rowSpan = rs;
            cell.contentWidth = content.cx;
            cell.contentHeight = content.cy;
            cell.needWidth = ClampCoord(static_cast<long long>(content.cx) + s.nMarginLeft + s.nMarginRight +
                                        s.nPaddingLeft + s.nPaddingRight + allowance);
            cell.needHeight = ClampCoord(static_cast<long long>(content.cy) + s.nMarginTop + s.nMarginBottom +
                                         s.nPaddingTop + s.nPaddingBottom + allowance);
            layout.slots.push_back(r * cols + c);

            m_defStyle = rowStyle;
            m_arrStack.resize(std::min(m_arrStack.size(), tableDepth));
            SelectStyleFont();
            c += cs;
        }
        m_defStyle = tableStyle;
        SelectStyleFont();
    }

    // Column widths, then row heights: single spans first, then each wider
    // span shares its deficit among the columns (rows) it covers.
    std::vector<std::tuple<int, int, int>> wide;   // span, row, column
    std::vector<std::tuple<int, int, int>> tall;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
        {
            const CellInfo& cell = layout.Cell(r, c);
            if (cell.colSpan == 1)
                layout.widths[c] = std::max(layout.widths[c], cell.needWidth);
            else if (cell.colSpan > 1)
                wide.emplace_back(cell.colSpan, r, c);
            if (cell.rowSpan == 1)
                layout.heights[r] = std::max(layout.heights[r], cell.needHeight);
            else if (cell.rowSpan > 1)
                tall.emplace_back(cell.rowSpan, r, c);
        }
    // Narrower spans first, in the order they were met.
    const auto bySpan = [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); };
    std::stable_sort(wide.begin(), wide.end(), bySpan);
    std::stable_sort(tall.begin(), tall.end(), bySpan);
    for (const auto& [k, r, c] : wide)
        GrowToCover(layout.widths, c, k, layout.Cell(r, c).needWidth, c + k - 1);
    for (const auto& [k, r, c] : tall)
        GrowToCover(layout.heights, r, k, layout.Cell(r, c).needHeight, r);

    long long width = 0, height = 0;
    for (int w : layout.widths)
        width += w;
    for (int h : layout.heights)
        height += h;
    const long long frame = 2LL * tableStyle.nBorderWidth * BorderFactor(tableStyle.nBorderStyle);
    layout.size.cx = ClampCoord(width + frame);
    layout.size.cy = ClampCoord(height + frame);
    layout.size.cx = GetTableWidth(table.params, 0, layout.size.cx, TRUE);

    m_defStyle = tableSaved;
    m_arrStack.resize(std::min(m_arrStack.size(), tableDepth));
    SelectStyleFont();
    return layout.size;
}

void CPPHtmlDrawer::SelectTableStyle(const TableText& table)
{
    SetDefaultStyle(m_defStyle);
    ApplyStyleByName(m_defStyle, "table");
    SetTableParams(table.params, m_defStyle);
    SelectStyleFont();
}

void CPPHtmlDrawer::DrawTable(const CString& text, const TableText& table, TableLayout& layout, const RECT& rect)
{
    const int cols = layout.columns;
    const int rows = layout.rows;
    if (cols == 0 || rows == 0)
        return;
    const STYLEREC tableSaved = m_defStyle;
    const size_t tableDepth = m_arrStack.size();
    SelectTableStyle(table);
    const STYLEREC tableStyle = m_defStyle;

    RECT box = {rect.left, rect.top, rect.left + layout.size.cx, rect.top + layout.size.cy};
    const int available = rect.right - rect.left;
    if (available > layout.size.cx)
    {
        const int shift = tableStyle.nHorzAlign == ALIGN_CENTER  ? (available - layout.size.cx) / 2
                          : tableStyle.nHorzAlign == ALIGN_RIGHT ? available - layout.size.cx
                                                                 : 0;
        OffsetRect(&box, shift, 0);
    }
    if (m_hDC)
    {
        if (tableStyle.nBkEffect >= 0)
            m_drawManager.FillEffect(m_hDC, tableStyle.nBkEffect, &box, tableStyle.crBkgnd, tableStyle.crMidBkgnd,
                                     tableStyle.crEndBkgnd, 5, 0);
        else if (!tableStyle.strBkImage.IsEmpty())
            DrawBackgroundImage(m_hDC, tableStyle.strBkImage, box);
        m_drawManager.DrawRectangle(m_hDC, &box, tableStyle.crBorderLight, tableStyle.crBorderDark,
                                    tableStyle.nBorderStyle, tableStyle.nBorderWidth);
    }
    RECT inner = box;
    const int frame = tableStyle.nBorderWidth * BorderFactor(tableStyle.nBorderStyle);
    InflateRect(&inner, -frame, -frame);

    long long sum = 0;
    for (int w : layout.widths)
        sum += w;
    if (inner.right - inner.left > sum)
    {
        const int extra = static_cast<int>(inner.right - inner.left - sum);
        for (int& w : layout.widths)
            w += extra / cols;
        layout.widths[0] += extra % cols;
    }
    std::vector<int> xs(static_cast<size_t>(cols) + 1), ys(static_cast<size_t>(rows) + 1);
    xs[0] = inner.left;
    for (int c = 0; c < cols; ++c)
        xs[c + 1] = ClampCoord(static_cast<long long>(xs[c]) + layout.widths[c]);
    ys[0] = inner.top;
    for (int r = 0; r < rows; ++r)
        ys[r + 1] = ClampCoord(static_cast<long long>(ys[r]) + layout.heights[r]);

    size_t slot = 0;
    for (const RowText& row : table.rows)
    {
        ApplyStyleByName(m_defStyle, "tr");
        SetTableParams(row.params, m_defStyle);
        SelectStyleFont();
        const STYLEREC rowStyle = m_defStyle;
        for (const CellText& cellText : row.cells)
        {
            const int at = slot < layout.slots.size() ? layout.slots[slot] : -1;
            ++slot;
            if (at < 0)
                continue;
            const int r = at / cols, c = at % cols;
            const CellInfo& cell = layout.cells[at];
            ApplyStyleByName(m_defStyle, "td");
            SetTableParams(cellText.params, m_defStyle);
            SelectStyleFont();
            const STYLEREC& s = m_defStyle;

            RECT cellRect = {xs[c] + s.nMarginLeft, ys[r] + s.nMarginTop, xs[c + cell.colSpan] - s.nMarginRight,
                             ys[r + cell.rowSpan] - s.nMarginBottom};
            if (m_hDC)
            {
                if (s.nBkEffect >= 0)
                    m_drawManager.FillEffect(m_hDC, s.nBkEffect, &cellRect, s.crBkgnd, s.crMidBkgnd, s.crEndBkgnd, 5, 0);
                m_drawManager.DrawRectangle(m_hDC, &cellRect, s.crBorderLight, s.crBorderDark, s.nBorderStyle, 1);
            }
            RECT content = cellRect;
            if (s.nBorderWidth)
            {
                const int d = s.nBorderStyle == CPPDrawManager::PEN_DOUBLE ? 3 : 1;
                InflateRect(&content, -d, -d);
            }
            content.left += s.nPaddingLeft;
            content.right -= s.nPaddingRight;
            content.top += s.nPaddingTop;
            content.bottom -= s.nPaddingBottom;
            if (s.nVertAlign == ALIGN_VCENTER)
                content.top += (content.bottom - content.top - cell.contentHeight) / 2;
            else if (s.nVertAlign == ALIGN_BOTTOM)
                content.top = content.bottom - cell.contentHeight;
            DrawPieces(text, cellText.start, cellText.end, content, FALSE);

            m_defStyle = rowStyle;
            m_arrStack.resize(std::min(m_arrStack.size(), tableDepth));
            SelectStyleFont();
        }
        m_defStyle = tableStyle;
        SelectStyleFont();
    }
    m_defStyle = tableSaved;
    m_arrStack.resize(std::min(m_arrStack.size(), tableDepth));
    SelectStyleFont();
}

void CPPHtmlDrawer::DrawBackgroundImage(HDC hDC, const CString& reference, const RECT& rect)
{
    if (!hDC || reference.GetLength() < 6)
        return;
    int i = 0;
    const CString name = GetNextWord(reference, i);
    const CString value = GetParameterString(reference, i, ':', ";");
    HBITMAP bmp = nullptr;
    if (name == "idres")
        bmp = LoadBitmapFromResource(static_cast<UINT>(GetLengthUnit(value, 0)));
    else if (name == "iddll")
        bmp = LoadBitmapFromDll(static_cast<UINT>(GetLengthUnit(value, 0)));
    else if (name == "file")
        bmp = LoadBitmapFromFile(value);
    if (!bmp)
        return;
    const SIZE tile = CPPDrawManager::GetSizeOfBitmap(bmp);
    HDC mem = CreateCompatibleDC(hDC);
    if (mem)
    {
        HGDIOBJ old = SelectObject(mem, bmp);
        m_drawManager.MultiCopyBitmap(hDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                      mem, 0, 0, tile.cx, tile.cy);
        SelectObject(mem, old);
        DeleteDC(mem);
    }
    DeleteObject(bmp);
}
