#include "collector/BasketText.h"

#include <algorithm>
#include <string.h>
#include <string_view>
#include <unordered_set>

namespace
{
// A run of blanks shrinks to one blank per this many (the rule halves a run
// five times over).
const int kBlankRunShrink = 32;

std::string_view View(const CString& s)
{
    return std::string_view(s.GetString(), static_cast<size_t>(s.GetLength()));
}

bool ByteLess(const CString& a, const CString& b)
{
    return View(a) < View(b);   // char_traits<char> compares as unsigned char
}
}

CBasketText::CBasketText(BOOL bSort, BOOL bDedupe)
    : m_bSort(bSort), m_bDedupe(bDedupe)
{
}

CString CBasketText::AddToBasket(LPCTSTR currentText, LPCTSTR keyword, std::vector<CString>& lines) const
{
    CString text(keyword);
    text += "\r\n";
    text += currentText;
    lines.clear();
    SplitBasketText(text, lines);
    return Arrange(lines);
}

CString CBasketText::RemoveFromBasket(LPCTSTR currentText, LPCTSTR keyword, std::vector<CString>& lines) const
{
    lines.clear();
    SplitBasketText(currentText, lines);
    const std::string_view gone(keyword != nullptr ? keyword : "");
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const CString& line) { return View(line) == gone; }),
                lines.end());
    return Arrange(lines);
}

CString CBasketText::Arrange(std::vector<CString>& lines) const
{
    if (m_bSort)
        SortLines(lines);
    if (m_bDedupe)
        DedupeLines(lines);
    return JoinLines(lines);
}

void CBasketText::SplitBasketText(LPCTSTR text, std::vector<CString>& lines)
{
    if (text == nullptr)
        return;
    CString line;
    int blanks = 0;   // length of the blank run not yet written to line
    auto flushBlanks = [&]() {
        for (int n = (blanks + kBlankRunShrink - 1) / kBlankRunShrink; n > 0; --n)
            line.AppendChar(' ');
        blanks = 0;
    };
    for (const char* p = text;; ++p)
    {
        const char ch = *p;
        if (ch == ' ' || ch == '\t')
        {
            ++blanks;
            continue;
        }
        flushBlanks();
        if (ch == '\0' || ch == '\r' || ch == '\n')
        {
            if (!line.IsEmpty())
            {
                lines.push_back(std::move(line));
                line = CString();
            }
            if (ch == '\0')
                break;
            continue;
        }
        line.AppendChar(ch);
    }
}

void CBasketText::SortLines(std::vector<CString>& lines)
{
    // Equal lines are byte-identical, so any correct sort gives the same text.
    std::sort(lines.begin(), lines.end(), ByteLess);
}

void CBasketText::DedupeLines(std::vector<CString>& lines)
{
    std::vector<bool> keep(lines.size());
    {
        std::unordered_set<std::string_view> seen;
        seen.reserve(lines.size());
        for (size_t i = 0; i < lines.size(); ++i)
            keep[i] = seen.insert(View(lines[i])).second;
    }
    size_t out = 0;
    for (size_t i = 0; i < lines.size(); ++i)
    {
        if (!keep[i])
            continue;
        if (out != i)
            lines[out] = std::move(lines[i]);
        ++out;
    }
    lines.resize(out);
}

CString CBasketText::JoinLines(const std::vector<CString>& lines)
{
    size_t total = 0;
    for (const CString& line : lines)
        total += static_cast<size_t>(line.GetLength()) + 2;
    CString text;
    if (total == 0)
        return text;
    text.Preallocate(static_cast<int>(total));
    for (size_t i = 0; i < lines.size(); ++i)
    {
        if (i != 0)
            text.Append("\r\n", 2);
        text.Append(lines[i].GetString(), lines[i].GetLength());
    }
    return text;
}

void CBasketText::SplitKeywords(LPCTSTR text, std::vector<CString>& keywords)
{
    if (text == nullptr)
        return;
    const char* start = text;
    for (;;)
    {
        const char* end = strstr(start, "\r\n");
        const size_t length = end != nullptr ? static_cast<size_t>(end - start) : strlen(start);
        if (length != 0)
            keywords.emplace_back(start, static_cast<int>(length));
        if (end == nullptr)
            break;
        start = end + 2;
    }
}

CBasketIndex::CBasketIndex(LPCTSTR basketText)
    : m_sorted()
{
    CBasketText::SplitBasketText(basketText, m_sorted);
    std::sort(m_sorted.begin(), m_sorted.end(), ByteLess);
}

BOOL CBasketIndex::IsInBasket(LPCTSTR keyword) const
{
    const CString key(keyword);
    return std::binary_search(m_sorted.begin(), m_sorted.end(), key, ByteLess);
}
