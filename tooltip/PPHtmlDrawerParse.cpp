// The markup reader of the HTML drawer: the text and tag scanner, the
// parameter scanners and the value parsers (lengths with units, keywords,
// letter codes).
#include "tooltip/PPHtmlDrawer.h"

#include <stdlib.h>
#include <string.h>
#include <algorithm>

namespace {

// Lengths are pixels on a 16-bit GDI plane; anything larger comes from
// broken markup and would only overflow the layout's sums.
const long long kMaxLength = 32767;

// Font sizes picked by the bare numbers 1 to 7.
const int kFontSizes[7] = {8, 10, 12, 14, 18, 24, 36};

// Tab stops stand this many pixels apart from the left bound.
const int kTabWidth = 32;

BOOL IsBlank(TCHAR ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

int ClampLength(long long v)
{
    return static_cast<int>(std::max(-kMaxLength, std::min(kMaxLength, v)));
}

// A decimal number at the start of the text, as atoi reads it but without
// overflowing.
long long ReadDecimal(LPCTSTR p)
{
    while (IsBlank(*p))
        ++p;
    BOOL negative = FALSE;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long v = 0;
    while (*p >= '0' && *p <= '9')
    {
        v = std::min(v * 10 + (*p++ - '0'), 1LL << 40);
    }
    return negative ? -v : v;
}

}  // namespace

CString CPPHtmlDrawer::GetNextToken(const CString& text, int& index, CString& tag) const
{
    tag.Empty();
    CString run;
    const int length = text.GetLength();
    LPCTSTR p = text;
    while (index < length)
    {
        // Gather plain text up to the next tag or control character.
        int stop = index;
        while (stop < length && p[stop] != '<' && p[stop] != '\n' && p[stop] != '\r' && p[stop] != '\t')
            ++stop;
        if (stop > index)
            run.Append(p + index, stop - index);
        index = stop;
        if (index >= length)
            break;
        const TCHAR ch = p[index];
        if (ch != '<')
        {
            ++index;
            if (m_bKeepControlChars)
            {
                tag = CString(ch);
                return run;
            }
            continue;
        }
        if (index + 1 < length && p[index + 1] == '<')
        {
            run.AppendChar('<');
            index += 2;
            continue;
        }
        // An unclosed tag runs to the end of the text.
        const int start = index + 1;
        int close = start;
        while (close < length && p[close] != '>')
            ++close;
        tag = text.Mid(start, close - start);
        index = close < length ? close + 1 : length;
        return run;
    }
    return run;
}

BOOL CPPHtmlDrawer::SkipToToken(const CString& text, int& index, BOOL arithmetic)
{
    const int length = text.GetLength();
    LPCTSTR p = text;
    for (; index < length; ++index)
    {
        const TCHAR ch = p[index];
        if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '.')
            return TRUE;
        if (arithmetic && (ch == '+' || ch == '-' || ch == '*' || ch == '/'))
            return TRUE;
    }
    return FALSE;
}

TCHAR CPPHtmlDrawer::SearchEndOfToken(const CString& text, int& index, LPCTSTR stops)
{
    const int length = text.GetLength();
    LPCTSTR p = text;
    for (; index < length; ++index)
        if (strchr(stops, p[index]))
            return p[index];
    return 0;
}

TCHAR CPPHtmlDrawer::SkipChars(const CString& text, int& index, LPCTSTR chars)
{
    const int length = text.GetLength();
    LPCTSTR p = text;
    while (index < length && strchr(chars, p[index]))
        ++index;
    return index < length ? p[index] : 0;
}

BOOL CPPHtmlDrawer::IsNextChar(const CString& text, int& index, TCHAR ch)
{
    const int length = text.GetLength();
    LPCTSTR p = text;
    while (index < length && IsBlank(p[index]))
        ++index;
    if (index < length && p[index] == ch)
    {
        ++index;
        return TRUE;
    }
    return FALSE;
}

CString CPPHtmlDrawer::GetTagName(const CString& text, int& index)
{
    const int length = text.GetLength();
    LPCTSTR p = text;
    while (index < length && IsBlank(p[index]))
        ++index;
    const int start = index;
    while (index < length && !IsBlank(p[index]) && p[index] != '=')
        ++index;
    return text.Mid(start, index - start);
}

CString CPPHtmlDrawer::GetNextWord(const CString& text, int& index)
{
    if (!SkipToToken(text, index))
        return CString();
    const int length = text.GetLength();
    LPCTSTR p = text;
    const int start = index;
    while (index < length && !IsBlank(p[index]) && p[index] != '=')
        ++index;
    return text.Mid(start, index - start);
}

BOOL CPPHtmlDrawer::NextAttribute(const CString& params, int& index, CString& name, CString& value)
{
    name = GetNextWord(params, index);
    if (name.IsEmpty())
        return FALSE;
    value = GetParameterString(params, index, '=', " ");
    return TRUE;
}

CString CPPHtmlDrawer::GetParameterString(const CString& text, int& index, TCHAR separator, LPCTSTR stops)
{
    if (!IsNextChar(text, index, separator))
        return CString();
    const int length = text.GetLength();
    LPCTSTR p = text;
    while (index < length && (IsBlank(p[index]) || strchr(stops, p[index])))
        ++index;
    if (index >= length)
        return CString();
    if (p[index] == '"')
    {
        const int start = index + 1;
        const int close = text.Find('"', start);
        if (close < 0)
        {
            index = length;
            return CString();
        }
        index = close + 1;
        return text.Mid(start, close - start);
    }
    const int start = index;
    SearchEndOfToken(text, index, stops);
    return text.Mid(start, index - start);
}

BOOL CPPHtmlDrawer::SearchTag(const CString& text, int& index, const CString& name)
{
    const int length = text.GetLength();
    const int n = name.GetLength();
    LPCTSTR p = text;
    for (; index < length; ++index)
    {
        if (p[index] == '<' && index + n < length && _strnicmp(p + index + 1, name, n) == 0)
            return TRUE;
    }
    return FALSE;
}

int CPPHtmlDrawer::GetLengthUnit(const CString& value, int def, BOOL fontSize)
{
    if (value.IsEmpty())
        return def;
    CString v = value;
    if (IsPercentValue(v))
        return ClampLength(MulDiv(def, ClampLength(ReadDecimal(v.Left(v.GetLength() - 1))), 100));
    if (v[0] == '+' || v[0] == '-')
        v = v.Mid(1);
    if (v.IsEmpty())
        return def;

    const int len = v.GetLength();
    const long long n = len >= 2 ? ReadDecimal(v.Left(len - 2)) : 0;
    const CString unit = len >= 2 ? v.Right(2) : CString();
    if (unit == "px")
        return ClampLength(n);
    if (unit == "ex")
    {
        const SIZE x = m_pMeasurer ? m_pMeasurer->GetTextExtent(_T("x"), 1) : SIZE{0, m_tm.tmHeight / 2};
        return ClampLength(n * x.cy);
    }
    if (unit == "em")
        return ClampLength(n * m_tm.tmHeight);
    if (unit == "in" || unit == "cm" || unit == "mm" || unit == "pt" || unit == "pc")
    {
        int dpi = 96;
        if (m_pMeasurer)
        {
            dpi = m_pMeasurer->GetLogPixelsY();
        }
        else
        {
            HDC screen = GetDC(nullptr);
            if (screen)
            {
                dpi = GetDeviceCaps(screen, LOGPIXELSY);
                ReleaseDC(nullptr, screen);
            }
        }
        const long long d = n * dpi;
        if (unit == "in")
            return ClampLength(d);
        if (unit == "cm")
            return ClampLength(static_cast<long long>(d / 2.54));
        if (unit == "mm")
            return ClampLength(static_cast<long long>(d / 25.4));
        if (unit == "pt")
            return ClampLength(d / 72);
        return ClampLength(d / 6);
    }
    // A bare number; "0x" reads hexadecimal and a leading 0 octal.
    const unsigned long long bare = strtoull(v, nullptr, 0);
    if (fontSize && bare >= 1 && bare <= 7)
        return kFontSizes[bare - 1];
    return ClampLength(static_cast<long long>(std::min(bare, 1ULL << 40)));
}

int CPPHtmlDrawer::GetStyleFontStyle(const CString& value, int def)
{
    if (value.IsEmpty() || value == "normal")
        return 0;
    if (value == "italic" || value == "oblique")
        return 1;
    return def;
}

int CPPHtmlDrawer::GetStyleFontWeight(const CString& value, int def)
{
    if (value.IsEmpty() || value == "normal")
        return FW_NORMAL;
    if (value == "bold")
        return FW_BOLD;
    if (value == "bolder")
        return FW_HEAVY;
    if (value == "lighter")
        return FW_THIN;
    if (value[0] >= '0' && value[0] <= '9')
        return static_cast<int>(std::min(ReadDecimal(value), 1000LL));
    return def;
}

int CPPHtmlDrawer::GetStyleHorzAlign(const CString& value, int def)
{
    if (value.IsEmpty() || value == "left")
        return ALIGN_LEFT;
    if (value == "center")
        return ALIGN_CENTER;
    if (value == "right")
        return ALIGN_RIGHT;
    return def;
}

int CPPHtmlDrawer::GetStyleVertAlign(const CString& value, int def)
{
    if (value.IsEmpty() || value == "baseline")
        return ALIGN_BASELINE;
    if (value == "middle" || value == "vcenter")
        return ALIGN_VCENTER;
    if (value == "top")
        return ALIGN_TOP;
    if (value == "bottom")
        return ALIGN_BOTTOM;
    return def;
}

int CPPHtmlDrawer::GetStyleTextTransform(const CString& value, int def)
{
    if (value.IsEmpty() || value == "none")
        return 0;
    if (value == "uppercase")
        return 1;
    if (value == "lowercase")
        return 2;
    if (value == "capitalize")
        return 3;
    return def;
}

int CPPHtmlDrawer::GetStyleBorderWidth(const CString& value, int def)
{
    if (value == "thin")
        return MulDiv(75, def, 100);
    if (value == "thick")
        return MulDiv(125, def, 100);
    if (value == "medium")
        return def;
    return GetLengthUnit(value, def);
}

int CPPHtmlDrawer::GetStyleBorderStyle(const CString& value, int def)
{
    if (value.IsEmpty() || value == "none")
        return CPPDrawManager::PEN_NULL;
    if (value == "solid")
        return CPPDrawManager::PEN_SOLID;
    if (value == "dashed")
        return CPPDrawManager::PEN_DASH;
    if (value == "dotted")
        return CPPDrawManager::PEN_DOT;
    if (value == "double")
        return CPPDrawManager::PEN_DOUBLE;
    return def;
}

int CPPHtmlDrawer::GetStyleBkEffect(const CString& value, int def)
{
    static const char* const kNames[] = {
        "transparent", "solid", "hgradient", "vgradient", "hcgradient", "vcgradient", "3hgradient",
        "3vgradient", "noise", "diagshade", "hshade", "vshade", "hbump", "vbump", "softbump",
        "hardbump", "metal"};
    for (int i = 0; i < static_cast<int>(sizeof kNames / sizeof kNames[0]); ++i)
        if (value == kNames[i])
            return i - 1;
    return GetLengthUnit(value, def);
}

BOOL CPPHtmlDrawer::IsPercentValue(const CString& value)
{
    return !value.IsEmpty() && value[value.GetLength() - 1] == '%';
}

CString CPPHtmlDrawer::GetStyleString(const CString& value, const CString& def)
{
    return value.IsEmpty() ? def : value;
}

DWORD CPPHtmlDrawer::GetImageEffectFlags(const CString& letters) const
{
    DWORD flags = IMAGE_EFFECT_NONE;
    for (int i = 0; i < letters.GetLength(); ++i)
    {
        switch (letters[i])
        {
        case 'd': flags |= IMAGE_EFFECT_DARKEN; break;
        case 'g': flags |= IMAGE_EFFECT_GRAY; break;
        case 'l': flags |= IMAGE_EFFECT_LIGHTEN; break;
        case 's':
            if (m_nShadowDx || m_nShadowDy)
                flags |= m_bShadowBlur ? IMAGE_EFFECT_BLUR_SHADOW : IMAGE_EFFECT_SHADOW;
            break;
        default: break;
        }
    }
    return flags;
}

void CPPHtmlDrawer::SetStyleLetters(const CString& letters)
{
    BOOL on = TRUE;
    for (int i = 0; i < letters.GetLength(); ++i)
    {
        const TCHAR ch = letters[i];
        if (ch < '+' || ch > 'u')
            continue;
        switch (ch)
        {
        case '-': on = FALSE; continue;
        case '+': on = TRUE; continue;
        case 'b': m_defStyle.nWeightFont = on ? FW_BOLD : FW_NORMAL; break;
        case 'i': m_defStyle.bItalicFont = on; break;
        case 'u': m_defStyle.bUnderlineFont = on; break;
        case 's': m_defStyle.bStrikeOutFont = on; break;
        case 'o': m_defStyle.bOverlineFont = on; break;
        default: continue;
        }
        on = TRUE;
    }
}

void CPPHtmlDrawer::SetStyleBackground(STYLEREC& style, const CString& value) const
{
    if (value == "transparent")
    {
        style.nBkMode = TRANSPARENT;
    }
    else
    {
        style.nBkMode = OPAQUE;
        style.crBkgnd = GetColor(value, style.crBkgnd);
    }
}

void CPPHtmlDrawer::SetStyleTextDecoration(STYLEREC& style, const CString& value)
{
    const CString words = value.IsEmpty() ? CString("none") : value;
    int pos = 0;
    for (;;)
    {
        const CString word = words.Tokenize(" ", pos);
        if (pos < 0)
            break;
        if (word == "none")
        {
            style.bUnderlineFont = FALSE;
            style.bStrikeOutFont = FALSE;
            style.bOverlineFont = FALSE;
        }
        else if (word == "underline")
            style.bUnderlineFont = TRUE;
        else if (word == "line-through")
            style.bStrikeOutFont = TRUE;
        else if (word == "overline")
            style.bOverlineFont = TRUE;
    }
}

void CPPHtmlDrawer::AdvanceToTab(LONG& x, int count) const
{
    const int r = (x - m_rcOutput.left) % kTabWidth;
    if (r != 0)
    {
        x += (r > 0 ? kTabWidth - r : -r);
        --count;
    }
    else
    {
        count = std::max(count, 1);
    }
    x += kTabWidth * std::max(count, 0);
}
