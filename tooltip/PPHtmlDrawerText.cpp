// The two passes of the HTML drawer over plain markup: text runs, the tag
// set, lines and alignment, rules, tabs, inline images and strings, links.
#include "tooltip/PPHtmlDrawer.h"

#include <algorithm>

namespace {

// Coordinates are kept well inside int so that sums of hostile counts
// (thousands of tabs or line breaks) cannot overflow.
const long long kMaxCoord = 1 << 29;

int AddClamped(int a, long long b)
{
    return static_cast<int>(std::max(-kMaxCoord, std::min(kMaxCoord, a + b)));
}

// The image list cell or bitmap cell a tag asks for, or null.
HBITMAP CopyBitmapCell(HBITMAP source, int index, int cx, int cy)
{
    if (cx <= 0 || cy <= 0 || index < 0)
        return nullptr;
    const SIZE size = CPPDrawManager::GetSizeOfBitmap(source);
    const int columns = size.cx / cx;
    const int rows = size.cy / cy;
    if (index >= columns * rows)
        return nullptr;
    HDC screen = GetDC(nullptr);
    HDC src = CreateCompatibleDC(screen);
    HDC dst = CreateCompatibleDC(screen);
    HBITMAP cell = CreateCompatibleBitmap(screen, cx, cy);
    if (src && dst && cell)
    {
        HGDIOBJ oldS = SelectObject(src, source);
        HGDIOBJ oldD = SelectObject(dst, cell);
        BitBlt(dst, 0, 0, cx, cy, src, (index % columns) * cx, (index / columns) * cy, SRCCOPY);
        SelectObject(src, oldS);
        SelectObject(dst, oldD);
    }
    if (src)
        DeleteDC(src);
    if (dst)
        DeleteDC(dst);
    ReleaseDC(nullptr, screen);
    return cell;
}

}  // namespace

SIZE CPPHtmlDrawer::PrepareOutput(HDC hDC, LPCTSTR text)
{
    CPPDCMeasurer measurer(hDC, &m_fontCache);
    return PrepareOutput(measurer, text);
}

SIZE CPPHtmlDrawer::PrepareOutput(CPPTextMeasurer& measurer, LPCTSTR text)
{
    const RECT empty = {0, 0, 0, 0};
    SIZE size = DrawHtml(measurer, nullptr, text ? CString(text) : CString(), empty, TRUE);
    ++size.cx;
    ++size.cy;
    return size;
}

void CPPHtmlDrawer::DrawPreparedOutput(HDC hDC, LPCTSTR text, LPCRECT rect)
{
    CPPDCMeasurer measurer(hDC, &m_fontCache);
    DrawPreparedOutput(measurer, hDC, text, rect);
}

void CPPHtmlDrawer::DrawPreparedOutput(CPPTextMeasurer& measurer, HDC hDC, LPCTSTR text, LPCRECT rect)
{
    if (!rect)
        return;
    const RECT r = {rect->left, rect->top, rect->right - 1, rect->bottom - 1};
    DrawHtml(measurer, hDC, text ? CString(text) : CString(), r, FALSE);
}

void CPPHtmlDrawer::Draw(HDC hDC, LPCTSTR text, POINT pt)
{
    CPPDCMeasurer measurer(hDC, &m_fontCache);
    const SIZE size = PrepareOutput(measurer, text);
    const RECT r = {pt.x, pt.y, pt.x + size.cx + 1, pt.y + size.cy + 1};
    DrawHtml(measurer, hDC, text ? CString(text) : CString(), r, FALSE);
}

SIZE CPPHtmlDrawer::DrawHtml(CPPTextMeasurer& measurer, HDC hDC, const CString& text, const RECT& rect,
                             BOOL prepare)
{
    m_pMeasurer = &measurer;
    m_hDC = prepare ? nullptr : hDC;
    // Hot areas are rebuilt by every pass: a tip repainted many times must
    // not pile up copies of them.
    m_arrHAreas.clear();
    if (prepare)
    {
        m_arrLinesHeight.clear();
        m_arrTables.clear();
    }
    m_nCurLine = 0;
    m_nCurTable = 0;
    m_nTableNesting = 0;
    m_nCurIndexLink = -1;
    m_arrStack.clear();
    SetDefaultStyle(m_defStyle);
    ApplyStyleByName(m_defStyle, "body");

    int oldMode = 0;
    COLORREF oldText = 0, oldBk = 0;
    if (m_hDC)
    {
        oldMode = GetBkMode(m_hDC);
        oldText = GetTextColor(m_hDC);
        oldBk = GetBkColor(m_hDC);
    }
    SelectStyleFont();

    SIZE size = DrawPieces(text, 0, text.GetLength(), rect, prepare);

    if (m_hDC)
    {
        SetBkMode(m_hDC, oldMode);
        SetTextColor(m_hDC, oldText);
        SetBkColor(m_hDC, oldBk);
    }
    m_pMeasurer = nullptr;
    m_hDC = nullptr;
    ++size.cx;
    ++size.cy;
    return size;
}

void CPPHtmlDrawer::CutAtTables(const CString& text, int start, int end, std::vector<Piece>& pieces)
{
    int from = start;   // start of the plain piece being gathered
    int pos = start;
    int tagEnd = start;
    CString name, params;
    for (;;)
    {
        const int at = FindTag(text, pos, end, tagEnd, name, params);
        if (at < 0)
            break;
        if (name != "table")
        {
            pos = tagEnd;
            continue;
        }
        if (at > from)
            pieces.push_back(Piece{FALSE, from, at});
        int skip = at;
        SkipTable(text, skip);
        skip = std::min(skip, end);
        pieces.push_back(Piece{TRUE, at, skip});
        pos = from = skip;
    }
    if (end > from)
        pieces.push_back(Piece{FALSE, from, end});
}

SIZE CPPHtmlDrawer::DrawPieces(const CString& text, int start, int end, RECT rect, BOOL prepare)
{
    std::vector<Piece> pieces;
    CutAtTables(text, start, end, pieces);
    SIZE total = {0, 0};
    for (const Piece& piece : pieces)
    {
        const SIZE size = piece.isTable ? DrawHtmlTable(text, piece.start, piece.end, rect, prepare)
                                        : DrawHtmlString(text.Mid(piece.start, piece.end - piece.start), rect, prepare);
        total.cx = std::max(total.cx, size.cx);
        total.cy = AddClamped(total.cy, size.cy);
        rect.top = AddClamped(rect.top, size.cy);
    }
    return total;
}

SIZE CPPHtmlDrawer::DrawHtmlString(const CString& block, const RECT& rect, BOOL prepare)
{
    m_rcOutput = rect;
    if (block.IsEmpty())
        return SIZE{0, 0};
    const CString text = "<body>" + block + "</body>";
    const int firstLine = m_nCurLine;
    m_nBlockWidth = 0;
    POINT pt = {rect.left, rect.top};
    StartLine(pt, prepare);

    CString tag;
    int i = 0;
    while (i < text.GetLength())
    {
        const CString run = GetNextToken(text, i, tag);
        if (!run.IsEmpty())
            OutputRun(run, pt, prepare);
        if (!tag.IsEmpty())
            DoTag(tag, pt, prepare);
    }
    NewLine(pt, 1, prepare);

    SIZE size = {m_nBlockWidth, pt.y - rect.top};
    if (prepare)
    {
        // Rules given in percent take their share of the widest line.
        const int widest = m_nBlockWidth;
        for (int n = firstLine; n < m_nCurLine && n < static_cast<int>(m_arrLinesHeight.size()); ++n)
        {
            LineInfo& line = m_arrLinesHeight[n];
            if (line.percent)
            {
                line.width = AddClamped(line.width, MulDiv(widest, line.percent, 100));
                size.cx = std::max(size.cx, static_cast<LONG>(line.width));
            }
        }
    }
    return size;
}

void CPPHtmlDrawer::StartLine(POINT& pt, BOOL prepare)
{
    if (prepare)
    {
        m_hline = LineInfo{0, 0, 0, 0, m_defStyle.nHorzAlign};
        return;
    }
    if (m_nCurLine >= 0 && m_nCurLine < static_cast<int>(m_arrLinesHeight.size()))
        m_hline = m_arrLinesHeight[m_nCurLine];
    else
        m_hline = LineInfo{0, 0, 0, 0, ALIGN_LEFT};   // text that was not prepared
    if (m_hline.percent)
        m_hline.width = AddClamped(m_hline.width, MulDiv(m_rcOutput.right - m_rcOutput.left, m_hline.percent, 100));
    pt.x = m_rcOutput.left;
    GetLineStartX(pt.x);
}

void CPPHtmlDrawer::GetLineStartX(LONG& x) const
{
    if (m_hline.align == ALIGN_CENTER)
        x = m_rcOutput.left + (m_rcOutput.right - m_rcOutput.left - m_hline.width) / 2;
    else if (m_hline.align == ALIGN_RIGHT)
        x = m_rcOutput.right - m_hline.width;
}

void CPPHtmlDrawer::NewLine(POINT& pt, int count, BOOL prepare)
{
    if (prepare)
    {
        if (m_hline.ascent == 0 && m_hline.descent == 0)
            m_hline.ascent = m_tm.tmHeight;
        m_hline.ascent += m_hline.descent;
        m_hline.width = pt.x - m_rcOutput.left;
        m_nBlockWidth = std::max(m_nBlockWidth, m_hline.width);
        if (m_nCurLine >= static_cast<int>(m_arrLinesHeight.size()))
            m_arrLinesHeight.resize(static_cast<size_t>(m_nCurLine) + 1);
        m_arrLinesHeight[m_nCurLine] = m_hline;
    }
    pt.y = AddClamped(pt.y, static_cast<long long>(m_hline.ascent) * std::max(count, 1));
    ++m_nCurLine;
    pt.x = m_rcOutput.left;
    StartLine(pt, prepare);
}

BOOL CPPHtmlDrawer::StoreTag(const CString& name, BOOL closing)
{
    BOOL ok = FALSE;
    m_defStyle.strTag = name;
    if (!closing)
    {
        // Past this depth the markup is broken or hostile; further opening
        // tags are ignored rather than grow the stack without end.
        if (static_cast<int>(m_arrStack.size()) < kMaxStyleDepth)
        {
            m_arrStack.push_back(m_defStyle);
            ok = TRUE;
        }
    }
    else if (!m_arrStack.empty() && m_arrStack.back().strTag == name)
    {
        m_defStyle = m_arrStack.back();
        m_arrStack.pop_back();
        ok = TRUE;
    }
    m_defStyle.strTag.Empty();
    return ok;
}

void CPPHtmlDrawer::SelectStyleFont()
{
    LOGFONT lf = {};
    lf.lfHeight = m_defStyle.nSizeFont;
    lf.lfWeight = m_defStyle.nWeightFont;
    lf.lfItalic = static_cast<BYTE>(m_defStyle.bItalicFont ? TRUE : FALSE);
    lf.lfUnderline = static_cast<BYTE>(m_defStyle.bUnderlineFont ? TRUE : FALSE);
    lf.lfStrikeOut = static_cast<BYTE>(m_defStyle.bStrikeOutFont ? TRUE : FALSE);
    lf.lfCharSet = DEFAULT_CHARSET;
    // The face name field holds 31 characters and the terminator.
    lstrcpynA(lf.lfFaceName, m_defStyle.sFaceFont, LF_FACESIZE);
    if (m_pMeasurer)
    {
        m_pMeasurer->SelectFont(lf);
        m_pMeasurer->GetTextMetrics(m_tm);
    }
    if (m_hDC)
    {
        SetBkMode(m_hDC, m_defStyle.nBkMode);
        SetTextColor(m_hDC, m_defStyle.crText);
        SetBkColor(m_hDC, m_defStyle.crBkgnd);
    }
}

void CPPHtmlDrawer::AddHotArea(int left, int top, int right, int bottom)
{
    HOTAREA area;
    area.rect = RECT{left, top, right, bottom};
    area.nLinkType = m_defStyle.nTypeLink;
    area.nID = m_nCurIndexLink;
    area.sHyperlink = m_defStyle.sHyperlink;
    m_arrHAreas.push_back(area);
}

void CPPHtmlDrawer::VerticalAlignText(POINT& pt, int x, int y, int height, BOOL prepare)
{
    pt.x = x;
    pt.y = y;
    if (prepare)
    {
        m_hline.descent = std::max<int>(m_hline.descent, height - m_tm.tmAscent);
        m_hline.ascent = std::max<int>(m_hline.ascent, m_tm.tmAscent);
        return;
    }
    switch (m_defStyle.nVertAlign)
    {
    case ALIGN_VCENTER: pt.y = y + (m_hline.ascent - m_tm.tmHeight) / 2; break;
    case ALIGN_BOTTOM: pt.y = y + m_hline.ascent - m_tm.tmAscent; break;
    case ALIGN_BASELINE: pt.y = y + m_hline.ascent - m_tm.tmAscent - m_hline.descent; break;
    default: break;
    }
}

void CPPHtmlDrawer::VerticalAlignImage(POINT& pt, int x, int y, int height, BOOL prepare)
{
    pt.x = x;
    pt.y = y;
    if (prepare)
    {
        m_hline.ascent = std::max(m_hline.ascent, height);
        return;
    }
    switch (m_defStyle.nVertAlign)
    {
    case ALIGN_VCENTER: pt.y = y + (m_hline.ascent - height) / 2; break;
    case ALIGN_BOTTOM: pt.y = y + m_hline.ascent - height; break;
    case ALIGN_BASELINE: pt.y = y + m_hline.ascent - m_hline.descent - height; break;
    default: break;
    }
}

void CPPHtmlDrawer::ApplyTextTransform(CString& run, int transform)
{
    switch (transform)
    {
    case 1:
        run.MakeUpper();
        break;
    case 2:
        run.MakeLower();
        break;
    case 3:
    {
        run.MakeLower();
        LPTSTR p = run.GetBuffer();
        for (int i = 0; p[i]; ++i)
            if (p[i] >= 'a' && p[i] <= 'z' && (i == 0 || p[i - 1] == ' '))
                p[i] = static_cast<TCHAR>(p[i] - 'a' + 'A');
        run.ReleaseBuffer(run.GetLength());
        break;
    }
    default:
        break;
    }
}

void CPPHtmlDrawer::OutputRun(const CString& text, POINT& pt, BOOL prepare)
{
    // Copied only when a transform changes it.
    CString transformed;
    if (m_defStyle.nTextTransform != 0)
    {
        transformed = text;
        ApplyTextTransform(transformed, m_defStyle.nTextTransform);
    }
    const CString& run = m_defStyle.nTextTransform != 0 ? transformed : text;
    const SIZE size = m_pMeasurer->GetTextExtent(run, run.GetLength());
    POINT placed;
    VerticalAlignText(placed, pt.x, pt.y, size.cy, prepare);
    if (prepare)
    {
        m_hline.align = m_defStyle.nHorzAlign;
    }
    else
    {
        if (m_defStyle.nTypeLink != LINK_NONE)
            AddHotArea(placed.x, placed.y, placed.x + size.cx, placed.y + size.cy);
        if (m_hDC)
        {
            m_pMeasurer->PrepareToDraw();
            TextOut(m_hDC, placed.x, placed.y, run, run.GetLength());
            if (m_defStyle.bOverlineFont)
                m_drawManager.DrawLine(m_hDC, pt.x, pt.y, pt.x + size.cx, pt.y, m_defStyle.crText,
                                       CPPDrawManager::PEN_SOLID, m_defStyle.nWeightFont >= FW_BOLD ? 2 : 1);
        }
    }
    pt.x = AddClamped(pt.x, size.cx);
}

void CPPHtmlDrawer::DoTag(const CString& tag, POINT& pt, BOOL prepare)
{
    if (tag == "\n")
    {
        NewLine(pt, 1, prepare);
        return;
    }
    if (tag == "\t")
    {
        AdvanceToTab(pt.x, 1);
        pt.x = AddClamped(pt.x, 0);
        return;
    }
    BOOL closing = FALSE;
    CString body = tag;
    if (body[0] == '/')
    {
        closing = TRUE;
        body = body.Mid(1);
    }
    int k = 0;
    CString name = GetTagName(body, k);
    name.MakeLower();
    const CString params = body.Mid(k);

    // Tags that only change the style: opened through the stack, undone by
    // their closing tag.
    BOOL changed = FALSE;
    auto styleTag = [&](const CString& stackName) {
        changed = StoreTag(stackName, closing);
        return changed && !closing;
    };

    if (name == "b")
    {
        if (styleTag("bold"))
            m_defStyle.nWeightFont = std::min(m_defStyle.nWeightFont * 2, static_cast<int>(FW_HEAVY));
    }
    else if (name == "i" || name == "em")
    {
        if (styleTag("italic"))
            m_defStyle.bItalicFont = !m_defStyle.bItalicFont;
    }
    else if (name == "u")
    {
        if (styleTag("underline"))
            m_defStyle.bUnderlineFont = !m_defStyle.bUnderlineFont;
    }
    else if (name == "s" || name == "strike")
    {
        if (styleTag("strikeout"))
            m_defStyle.bStrikeOutFont = !m_defStyle.bStrikeOutFont;
    }
    else if (name == "font")
    {
        if (styleTag("font"))
            DoFontTag(params);
    }
    else if (name == "left" || name == "center" || name == "right")
    {
        if (styleTag(name))
            m_defStyle.nHorzAlign = name == "left" ? ALIGN_LEFT : name == "center" ? ALIGN_CENTER : ALIGN_RIGHT;
    }
    else if (name == "top" || name == "middle" || name == "vcenter" || name == "bottom" || name == "baseline")
    {
        if (styleTag(name == "middle" ? CString("vcenter") : name))
            m_defStyle.nVertAlign = GetStyleVertAlign(name, m_defStyle.nVertAlign);
    }
    else if (name == "body" || name == "code" || name == "pre" || name == "big" || name == "small" ||
             name == "sub" || name == "sup" ||
             (name.GetLength() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6'))
    {
        if (styleTag(name))
            ApplyStyleByName(m_defStyle, name);
    }
    else if (name == "span")
    {
        if (closing)
        {
            changed = StoreTag("span", TRUE);
        }
        else
        {
            int j = 0;
            if (GetNextWord(params, j) == "class")
            {
                const CString cls = GetParameterString(params, j, '=', " ");
                if (styleTag("span"))
                    ApplyStyleByName(m_defStyle, "." + cls);
            }
        }
    }
    else if (name == "a")
    {
        if (styleTag("link"))
            DoLink(params);
    }
    else if (name == "br" || name == "t")
    {
        // The closing form acts as the opening one.
        int j = 0;
        const int count = GetLengthUnit(GetParameterString(params, j, '=', " "), 1);
        if (name == "br")
        {
            NewLine(pt, count, prepare);
        }
        else
        {
            AdvanceToTab(pt.x, count);
            pt.x = AddClamped(pt.x, 0);
        }
    }
    else if (closing)
    {
        // Rules, images and strings have nothing to close.
    }
    else if (name == "hr")
        DoRule(params, pt, prepare);
    else if (name == "bmp" || name == "icon" || name == "ilst")
        DoImage(name, params, pt, prepare);
    else if (name == "string")
        DoString(params, pt, prepare);

    if (changed)
        SelectStyleFont();
}

void CPPHtmlDrawer::DoFontTag(const CString& params)
{
    int i = 0;
    CString name, value;
    while (NextAttribute(params, i, name, value))
    {
        if (name == "face")
            m_defStyle.sFaceFont = GetStyleString(value, m_defStyle.sFaceFont);
        else if (name == "size")
            m_defStyle.nSizeFont = GetLengthUnit(value, m_defStyle.nSizeFont, TRUE);
        else if (name == "color")
            m_defStyle.crText = GetColor(value, m_defStyle.crText);
        else if (name == "style")
            m_defStyle.bItalicFont = GetStyleFontStyle(value, m_defStyle.bItalicFont);
        else if (name == "weight")
            m_defStyle.nWeightFont = GetStyleFontWeight(value, m_defStyle.nWeightFont);
        else if (name == "bkgnd")
            SetStyleBackground(m_defStyle, value);
    }
}

void CPPHtmlDrawer::DoLink(const CString& params)
{
    m_defStyle.nTypeLink = LINK_MESSAGE;
    m_defStyle.sHyperlink.Empty();
    int i = 0;
    CString name, value;
    while (NextAttribute(params, i, name, value))
    {
        if (name == "href")
        {
            m_defStyle.nTypeLink = LINK_HREF;
            m_defStyle.sHyperlink = value;
        }
        else if (name == "msg")
        {
            m_defStyle.nTypeLink = LINK_MESSAGE;
            m_defStyle.sHyperlink = value;
        }
    }
    ++m_nCurIndexLink;
    ApplyStyleByName(m_defStyle, m_nCurIndexLink == m_nHoverIndexLink ? "a:hover" : "a:link");
}

void CPPHtmlDrawer::DoRule(const CString& params, POINT& pt, BOOL prepare)
{
    STYLEREC rule = m_defStyle;
    ApplyStyleByName(rule, "hr");
    int width = 100;
    BOOL percent = TRUE;
    int size = rule.nBorderWidth;
    COLORREF color = rule.crText;
    int i = 0;
    CString name, value;
    while (NextAttribute(params, i, name, value))
    {
        if (name == "width")
        {
            percent = IsPercentValue(value);
            width = percent ? GetLengthUnit(value, 100) : GetLengthUnit(value, width);
        }
        else if (name == "size")
            size = GetLengthUnit(value, size);
        else if (name == "color")
            color = GetColor(value, color);
    }
    if (prepare)
    {
        if (percent)
            m_hline.percent = AddClamped(m_hline.percent, width);
        else
            pt.x = AddClamped(pt.x, width);
        m_hline.ascent = std::max(m_hline.ascent, size + 8);
        m_hline.align = m_defStyle.nHorzAlign;
        return;
    }
    const int w = percent ? MulDiv(m_rcOutput.right - m_rcOutput.left, width, 100) : width;
    const int y = pt.y + m_hline.ascent / 2;
    if (m_hDC)
        m_drawManager.DrawLine(m_hDC, pt.x, y, pt.x + w, y, color, CPPDrawManager::PEN_SOLID, size);
    pt.x = AddClamped(pt.x, w);
}

void CPPHtmlDrawer::DoImage(const CString& name, const CString& params, POINT& pt, BOOL prepare)
{
    IMAGEPARAMS ip = {};
    ip.nWidth = ip.nHeight = 100;
    ip.bPercentWidth = ip.bPercentHeight = TRUE;
    ip.crMask = RGB(255, 0, 255);
    SetImageParams(params, ip);
    const BOOL otherSource = !ip.strSrcFile.IsEmpty() || ip.nIdRes || ip.nIdDll || ip.nHandle;

    HBITMAP bmp = nullptr;
    HICON icon = nullptr;
    BOOL owned = TRUE;
    SIZE natural = {0, 0};
    if (name == "bmp")
    {
        bmp = LoadBitmapForTag(ip);
        owned = ip.nHandle == 0;
        natural = CPPDrawManager::GetSizeOfBitmap(bmp);
    }
    else if (name == "icon")
    {
        const int cx = ip.cx > 0 ? ip.cx : GetSystemMetrics(SM_CXICON);
        const int cy = ip.cy > 0 ? ip.cy : GetSystemMetrics(SM_CYICON);
        icon = LoadIconForTag(ip, cx, cy);
        owned = ip.nHandle == 0;
        natural = SIZE{cx, cy};
    }
    else if (!otherSource)
    {
        if (m_hImageList && ip.nIndex >= 0 && ip.nIndex < ImageList_GetImageCount(m_hImageList))
        {
            icon = ImageList_GetIcon(m_hImageList, ip.nIndex, ILD_NORMAL);
            natural = SIZE{m_szImageList_cx, m_szImageList_cy};
        }
    }
    else
    {
        HBITMAP strip = LoadBitmapForTag(ip);
        if (strip)
        {
            bmp = CopyBitmapCell(strip, ip.nIndex, ip.cx, ip.cy);
            natural = SIZE{ip.cx, ip.cy};
            if (ip.nHandle == 0)
                DeleteObject(strip);
        }
    }
    if (!bmp && !icon)
        return;

    const int width = ip.bPercentWidth ? MulDiv(natural.cx, ip.nWidth, 100) : ip.nWidth;
    const int height = ip.bPercentHeight ? MulDiv(natural.cy, ip.nHeight, 100) : ip.nHeight;
    const BOOL shadow = HasImageShadow(ip);
    const int boxWidth = std::max(0, width) + (shadow ? m_nShadowDx : 0);
    const int boxHeight = std::max(0, height) + (shadow ? m_nShadowDy : 0);

    POINT placed;
    VerticalAlignImage(placed, pt.x, pt.y, boxHeight, prepare);
    if (!prepare)
    {
        const BOOL link = m_defStyle.nTypeLink != LINK_NONE;
        if (link)
            AddHotArea(placed.x, placed.y, placed.x + boxWidth, placed.y + boxHeight);
        const DWORD style = (link && m_nCurIndexLink == m_nHoverIndexLink) ? ip.nHotStyles : ip.nStyles;
        if (m_hDC && bmp)
            m_drawManager.DrawBitmap(m_hDC, placed.x, placed.y, width, height, bmp, ip.bUseMask, ip.crMask, style,
                                     shadow, m_nShadowDx, m_nShadowDy, m_nShadowDepthX, m_nShadowDepthY, m_crShadow);
        else if (m_hDC && icon)
            m_drawManager.DrawIcon(m_hDC, placed.x, placed.y, width, height, icon, style, shadow, m_nShadowDx,
                                   m_nShadowDy, m_nShadowDepthX, m_nShadowDepthY, m_crShadow);
    }
    pt.x = AddClamped(pt.x, boxWidth);
    if (owned && bmp)
        DeleteObject(bmp);
    if (owned && icon)
        DestroyIcon(icon);
}

void CPPHtmlDrawer::DoString(const CString& params, POINT& pt, BOOL prepare)
{
    UINT id = 0;
    int i = 0;
    CString name, value;
    while (NextAttribute(params, i, name, value))
    {
        if (name == "idres" || name == "iddll")
            id = value.IsEmpty() ? (name == "idres" ? id : 0)
                                 : static_cast<UINT>(std::min(strtoul(value, nullptr, 0), 0xFFFFul));
    }
    if (id == 0)
        return;
    // Strings always come from the program's own resources.
    const CString text = GetStringFromResource(id);
    if (text.IsEmpty())
        return;
    const SIZE size = m_pMeasurer->GetTextExtent(text, text.GetLength());
    POINT placed;
    VerticalAlignText(placed, pt.x, pt.y, size.cy, prepare);
    if (!prepare)
    {
        if (m_defStyle.nTypeLink != LINK_NONE)
            AddHotArea(placed.x, placed.y, placed.x + size.cx, placed.y + size.cy);
        if (m_hDC)
        {
            m_pMeasurer->PrepareToDraw();
            TextOut(m_hDC, placed.x, placed.y, text, text.GetLength());
        }
    }
    pt.x = AddClamped(pt.x, size.cx);
}
