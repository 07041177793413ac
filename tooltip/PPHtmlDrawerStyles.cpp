// The style sheet of the HTML drawer, the style properties it understands,
// and the attributes of table, cell and image tags with the table measuring
// routines.
#include "tooltip/PPHtmlDrawer.h"

#include <stdlib.h>
#include <algorithm>

namespace {

const char kDefaultCss[] =
    "body {font-size: 10pt; color:black; font-family:Verdana}\r\n"
    "p {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
    "h1 {font-size: 14pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
    "h2 {font-size: 13pt; color:#ff9900; font-family:Verdana; font-weight:bold}\r\n"
    "h3 {font-size: 12pt; color:#ff9900; font-family:Arial; font-weight:bold}\r\n"
    "h4 {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
    "h5 {font-size: 9pt; color:#ff9900; font-family:Verdana; font-weight:bold}\r\n"
    "h6 {font-size: 65%; color:#626262; font-family:Verdana; font-weight:normal}\r\n"
    "pre {font-size: 9pt; font-family:\"Courier\"; background-color:#fbedbb}\r\n"
    "code {color:#990000; font-family:Arial}\r\n"
    "a:link {text-decoration:none; color:blue}\r\n"
    "a:hover {text-decoration:underline; color:blue}\r\n"
    "sub {font-size:65%; vertical-align:bottom}\r\n"
    "sup {font-size:65%; vertical-align:top}\r\n"
    "big {font-size:125%}\r\n"
    "small {font-size:75%}\r\n"
    ".cpp-comment {color:green; font-style:italic}\r\n";

CString Lower(const CString& s)
{
    CString l = s;
    l.MakeLower();
    return l;
}

// Resource and string ids are 16-bit numbers; handles are pointer-sized.
int ReadId(const CString& value, int def)
{
    if (value.IsEmpty())
        return def;
    return static_cast<int>(std::min(strtoull(value, nullptr, 0), 0xFFFFULL));
}

}  // namespace

void CPPHtmlDrawer::SetDefaultStyle(STYLEREC& style)
{
    style.strTag.Empty();
    style.nSizeFont = 16;
    style.nWeightFont = FW_NORMAL;
    style.bItalicFont = FALSE;
    style.bUnderlineFont = FALSE;
    style.bStrikeOutFont = FALSE;
    style.bOverlineFont = FALSE;
    style.sFaceFont = "Verdana";
    style.crText = RGB(0, 0, 0);
    style.crBkgnd = RGB(255, 255, 255);
    style.crBorderLight = RGB(0, 0, 0);
    style.crBorderDark = RGB(0, 0, 0);
    style.crMidBkgnd = RGB(255, 255, 255);
    style.crEndBkgnd = RGB(255, 255, 255);
    style.nBkMode = TRANSPARENT;
    style.nBkEffect = CPPDrawManager::EFFECT_TRANSPARENT;
    style.strBkImage.Empty();
    style.nHorzAlign = ALIGN_LEFT;
    style.nVertAlign = ALIGN_BASELINE;
    style.nBorderStyle = CPPDrawManager::PEN_NULL;
    style.nBorderWidth = 0;
    style.nTextTransform = 0;
    style.nMarginLeft = style.nMarginRight = style.nMarginTop = style.nMarginBottom = 2;
    style.nPaddingLeft = style.nPaddingRight = style.nPaddingTop = style.nPaddingBottom = 0;
    style.nTypeLink = LINK_NONE;
    style.sHyperlink.Empty();
}

void CPPHtmlDrawer::SetCssStyles(LPCTSTR styles)
{
    m_mapStyles.clear();
    m_mapParsedStyles.clear();
    if (!styles)
    {
        SetDefaultCssStyles();
        return;
    }
    const CString text = styles;
    int i = 0;
    while (SkipToToken(text, i))
    {
        const int start = i;
        SearchEndOfToken(text, i, " {");
        const CString selector = text.Mid(start, i - start);
        const int open = text.Find('{', i);
        if (open < 0)
            break;
        const int close = text.Find('}', open + 1);
        if (close < 0)
            break;   // an unterminated last entry is not stored
        if (close - open > 1)
            SetStyleText(selector, text.Mid(open + 1, close - open - 1));
        i = close + 1;
    }
}

void CPPHtmlDrawer::SetCssStylesFromResource(UINT idString, LPCTSTR dll)
{
    const CString text = dll ? GetStringFromDll(idString, dll) : GetStringFromResource(idString);
    m_mapStyles.clear();
    m_mapParsedStyles.clear();
    if (!text.IsEmpty())
        SetCssStyles(text);
}

void CPPHtmlDrawer::SetDefaultCssStyles()
{
    SetCssStyles(kDefaultCss);
}

void CPPHtmlDrawer::SetStyleText(const CString& selector, const CString& declarations)
{
    m_mapStyles[Lower(selector)] = declarations;
    m_mapParsedStyles.clear();
}

LPCTSTR CPPHtmlDrawer::GetStyleText(const CString& selector) const
{
    const auto it = m_mapStyles.find(Lower(selector));
    return it == m_mapStyles.end() ? nullptr : static_cast<LPCTSTR>(it->second);
}

CString CPPHtmlDrawer::GetCssStyles() const
{
    CString text;
    for (const auto& entry : m_mapStyles)
        text += entry.first + " {" + entry.second + "}\r\n";
    return text;
}

void CPPHtmlDrawer::ApplyStyleByName(STYLEREC& style, const CString& selector)
{
    // Every tag applies its selector's entry, so an entry is read into
    // property and value pairs once and kept until the sheet changes.
    const CString key = Lower(selector);
    auto parsed = m_mapParsedStyles.find(key);
    if (parsed == m_mapParsedStyles.end())
    {
        std::vector<CssDeclaration> declarations;
        const auto it = m_mapStyles.find(key);
        if (it != m_mapStyles.end())
            ParseCssProperties(it->second, declarations);
        parsed = m_mapParsedStyles.emplace(key, std::move(declarations)).first;
    }
    for (const CssDeclaration& declaration : parsed->second)
        ApplyCssProperty(style, declaration.property, declaration.value);
}

void CPPHtmlDrawer::ParseCssProperties(const CString& declarations, std::vector<CssDeclaration>& result)
{
    const CString text = Lower(declarations);
    int i = 0;
    while (SkipToToken(text, i))
    {
        const int start = i;
        SearchEndOfToken(text, i, " :");
        CssDeclaration declaration;
        declaration.property = text.Mid(start, i - start);
        declaration.value = GetParameterString(text, i, ':', ";");
        result.push_back(declaration);
    }
}

void CPPHtmlDrawer::ApplyCssProperties(STYLEREC& style, const CString& declarations)
{
    std::vector<CssDeclaration> parsed;
    ParseCssProperties(declarations, parsed);
    for (const CssDeclaration& declaration : parsed)
        ApplyCssProperty(style, declaration.property, declaration.value);
}

void CPPHtmlDrawer::ApplyCssProperty(STYLEREC& style, const CString& property, const CString& value)
{
    {
        if (property == "font-size")
            style.nSizeFont = GetLengthUnit(value, style.nSizeFont, TRUE);
        else if (property == "font-family")
            style.sFaceFont = GetStyleString(value, style.sFaceFont);
        else if (property == "font-style")
            style.bItalicFont = GetStyleFontStyle(value, style.bItalicFont);
        else if (property == "font-weight")
            style.nWeightFont = GetStyleFontWeight(value, style.nWeightFont);
        else if (property == "text-align")
            style.nHorzAlign = GetStyleHorzAlign(value, style.nHorzAlign);
        else if (property == "text-transform")
            style.nTextTransform = GetStyleTextTransform(value, style.nTextTransform);
        else if (property == "color")
            style.crText = GetColor(value, style.crText);
        else if (property == "background-color")
            SetStyleBackground(style, value);
        else if (property == "text-decoration")
            SetStyleTextDecoration(style, value);
        else if (property == "vertical-align")
            style.nVertAlign = GetStyleVertAlign(value, style.nVertAlign);
        else if (property == "border-color")
        {
            style.crBorderLight = GetColor(value, style.crBorderLight);
            style.crBorderDark = GetColor(value, style.crBorderDark);
        }
        else if (property == "border-width" || property == "size")
            style.nBorderWidth = GetStyleBorderWidth(value, style.nBorderWidth);
        else if (property == "border-style")
            style.nBorderStyle = GetStyleBorderStyle(value, style.nBorderStyle);
        else if (property == "margin-left")
            style.nMarginLeft = GetLengthUnit(value, style.nMarginLeft);
        else if (property == "margin-top")
            style.nMarginTop = GetLengthUnit(value, style.nMarginTop);
        else if (property == "margin-right")
            style.nMarginRight = GetLengthUnit(value, style.nMarginRight);
        else if (property == "margin-bottom")
            style.nMarginBottom = GetLengthUnit(value, style.nMarginBottom);
        else if (property == "padding-left")
            style.nPaddingLeft = GetLengthUnit(value, style.nPaddingLeft);
        else if (property == "padding-top")
            style.nPaddingTop = GetLengthUnit(value, style.nPaddingTop);
        else if (property == "padding-right")
            style.nPaddingRight = GetLengthUnit(value, style.nPaddingRight);
        else if (property == "padding-bottom")
            style.nPaddingBottom = GetLengthUnit(value, style.nPaddingBottom);
    }
}

SIZE CPPHtmlDrawer::SetTableParams(const CString& params, STYLEREC& style)
{
    SIZE span = {1, 1};
    int i = 0;
    CString name, value;
    while (NextAttribute(params, i, name, value))
    {
        if (name == "rowspan")
            span.cy = GetLengthUnit(value, span.cy);
        else if (name == "colspan")
            span.cx = GetLengthUnit(value, span.cx);
        else if (name == "border")
        {
            style.nBorderWidth = GetLengthUnit(value, style.nBorderWidth);
            if (style.nBorderWidth == 0)
                style.nBorderStyle = CPPDrawManager::PEN_NULL;
            else if (style.nBorderStyle == CPPDrawManager::PEN_NULL)
                style.nBorderStyle = CPPDrawManager::PEN_SOLID;
        }
        else if (name == "borderstyle")
            style.nBorderStyle = GetStyleBorderStyle(value, style.nBorderStyle);
        else if (name == "bordercolor")
        {
            style.crBorderLight = GetColor(value, style.crBorderLight);
            style.crBorderDark = GetColor(value, style.crBorderDark);
        }
        else if (name == "bordercolorlight")
            style.crBorderLight = GetColor(value, style.crBorderLight);
        else if (name == "bordercolordark")
            style.crBorderDark = GetColor(value, style.crBorderDark);
        else if (name == "bgcolor")
        {
            style.crBkgnd = GetColor(value, style.crBkgnd);
            if (style.nBkEffect == CPPDrawManager::EFFECT_TRANSPARENT)
                style.nBkEffect = CPPDrawManager::EFFECT_SOLID;
        }
        else if (name == "bgmidcolor")
            style.crMidBkgnd = GetColor(value, style.crMidBkgnd);
        else if (name == "bgendcolor")
            style.crEndBkgnd = GetColor(value, style.crEndBkgnd);
        else if (name == "bgeffect")
            style.nBkEffect = GetStyleBkEffect(value, style.nBkEffect);
        else if (name == "align")
            style.nHorzAlign = GetStyleHorzAlign(value, style.nHorzAlign);
        else if (name == "valign")
            style.nVertAlign = GetStyleVertAlign(value, style.nVertAlign);
        else if (name == "cellpadding")
        {
            const int v = GetLengthUnit(value, style.nMarginLeft);
            style.nMarginLeft = style.nMarginRight = style.nMarginTop = style.nMarginBottom = v;
        }
        else if (name == "cellspacing")
        {
            const int v = GetLengthUnit(value, style.nPaddingLeft);
            style.nPaddingLeft = style.nPaddingRight = style.nPaddingTop = style.nPaddingBottom = v;
        }
        else if (name == "background")
            style.strBkImage = value;
    }
    return span;
}

void CPPHtmlDrawer::SetImageParams(const CString& params, IMAGEPARAMS& ip)
{
    int i = 0;
    CString name, value;
    while (NextAttribute(params, i, name, value))
    {
        if (name == "index")
            ip.nIndex = GetLengthUnit(value, ip.nIndex);
        else if (name == "idres")
            ip.nIdRes = ReadId(value, ip.nIdRes);
        else if (name == "iddll")
            ip.nIdDll = ReadId(value, ip.nIdDll);
        else if (name == "handle")
            ip.nHandle = value.IsEmpty() ? ip.nHandle : static_cast<INT_PTR>(strtoull(value, nullptr, 0));
        else if (name == "file")
            ip.strSrcFile = GetStyleString(value, ip.strSrcFile);
        else if (name == "srcdll")
            ip.strPathDll = GetStyleString(value, ip.strPathDll);
        else if (name == "mask")
        {
            ip.crMask = GetColor(value, ip.crMask);
            ip.bUseMask = TRUE;
        }
        else if (name == "style")
            ip.nStyles = ip.nHotStyles = GetImageEffectFlags(value);
        else if (name == "hotstyle")
            ip.nHotStyles = GetImageEffectFlags(value);
        else if (name == "cx")
            ip.cx = GetLengthUnit(value, ip.cx);
        else if (name == "cy")
            ip.cy = GetLengthUnit(value, ip.cy);
        else if (name == "width" || name == "height")
        {
            const BOOL percent = IsPercentValue(value);
            const int v = percent ? GetLengthUnit(value, 100) : GetLengthUnit(value, name == "width" ? ip.nWidth : ip.nHeight);
            if (name == "width")
            {
                ip.nWidth = v;
                ip.bPercentWidth = percent;
            }
            else
            {
                ip.nHeight = v;
                ip.bPercentHeight = percent;
            }
        }
    }
}

int CPPHtmlDrawer::GetTableWidth(const CString& params, int width, int minWidth, BOOL fromContent)
{
    int result = width;
    int i = 0;
    CString name, value;
    while (NextAttribute(params, i, name, value))
    {
        name.MakeLower();
        if (name != "width")
            continue;
        if (IsPercentValue(value))
        {
            const int n = GetLengthUnit(value, 100);
            if (fromContent)
                result = n <= 100 ? MulDiv(minWidth, 100, n) : MulDiv(minWidth, n, 100);
            else
                result = n < 100 ? MulDiv(width, n, 100) : width;
        }
        else
        {
            result = GetLengthUnit(value, minWidth);
        }
        break;
    }
    return std::max(result, minWidth);
}

int CPPHtmlDrawer::FindTag(const CString& text, int from, int end, int& tagEnd, CString& name, CString& params)
{
    LPCTSTR p = text;
    end = std::min(end, text.GetLength());
    for (int i = from; i < end; ++i)
    {
        if (p[i] != '<')
            continue;
        if (i + 1 < end && p[i + 1] == '<')
        {
            ++i;   // "<<" is a literal '<'
            continue;
        }
        int close = i + 1;
        while (close < end && p[close] != '>')
            ++close;
        const CString tag = text.Mid(i + 1, close - i - 1);
        int k = 0;
        name = GetTagName(tag, k);
        name.MakeLower();
        params = tag.Mid(k);
        tagEnd = close < end ? close + 1 : end;
        return i;
    }
    tagEnd = end;
    return -1;
}

void CPPHtmlDrawer::SkipTable(const CString& text, int& index)
{
    int depth = 0;
    int tagEnd = index;
    CString name, params;
    const int end = text.GetLength();
    for (;;)
    {
        const int at = FindTag(text, index, end, tagEnd, name, params);
        if (at < 0)
        {
            index = end;
            return;
        }
        index = tagEnd;
        if (name == "table")
            ++depth;
        else if (name == "/table" && --depth <= 0)
            return;
    }
}

void CPPHtmlDrawer::ReadTable(const CString& text, int start, int end, TableText& table)
{
    table.params.Empty();
    table.rows.clear();
    int tagEnd = start;
    CString name, params;
    if (FindTag(text, start, end, tagEnd, name, params) < 0 || name != "table")
        return;
    table.params = params;
    int pos = tagEnd;
    BOOL inRow = FALSE;
    BOOL inCell = FALSE;
    auto closeCell = [&](int at) {
        if (inCell)
            table.rows.back().cells.back().end = at;
        inCell = FALSE;
    };
    for (;;)
    {
        const int at = FindTag(text, pos, end, tagEnd, name, params);
        if (at < 0)
            break;
        if (name == "table")
        {
            // A table inside a cell is the cell's content; one between
            // cells belongs to nothing. Either way it is stepped over whole.
            int skip = at;
            SkipTable(text, skip);
            pos = std::min(skip, end);
            continue;
        }
        pos = tagEnd;
        if (name == "/table")
        {
            closeCell(at);
            return;
        }
        if (name == "tr")
        {
            closeCell(at);
            table.rows.push_back(RowText{params, {}});
            inRow = TRUE;
        }
        else if (name == "/tr")
        {
            closeCell(at);
            inRow = FALSE;
        }
        else if (name == "td")
        {
            closeCell(at);
            if (inRow)
            {
                table.rows.back().cells.push_back(CellText{params, tagEnd, tagEnd});
                inCell = TRUE;
            }
        }
        else if (name == "/td")
        {
            closeCell(at);
        }
    }
    closeCell(end);
}

SIZE CPPHtmlDrawer::GetTableDimensions(const CString& text, int& index)
{
    int end = index;
    SkipTable(text, end);
    TableText table;
    ReadTable(text, index, end, table);
    index = end;
    return TableDimensions(table);
}

SIZE CPPHtmlDrawer::TableDimensions(const TableText& table)
{
    SIZE dims = {0, static_cast<LONG>(std::min<size_t>(table.rows.size(), kMaxTableCells))};
    STYLEREC scratch;
    SetDefaultStyle(scratch);
    for (const RowText& row : table.rows)
    {
        long long columns = 0;
        for (const CellText& cell : row.cells)
        {
            // A span below 1 still takes its own column.
            const SIZE span = SetTableParams(cell.params, scratch);
            columns += std::max(1, std::min(static_cast<int>(span.cx), kMaxTableSpan));
        }
        dims.cx = static_cast<LONG>(std::max<long long>(dims.cx, std::min<long long>(columns, kMaxTableCells)));
    }
    if (dims.cx > 0 && static_cast<long long>(dims.cx) * dims.cy > kMaxTableCells)
        dims.cx = std::max(1L, static_cast<LONG>(kMaxTableCells / dims.cy));
    return dims;
}
