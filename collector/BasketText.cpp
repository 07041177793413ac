#include "collector/BasketText.h"

#include <algorithm>
#include <string.h>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

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

// Appends without copying the text again: Baskets run to many thousand lines.
void AddMoved(CStringArray& lines, CString&& line)
{
    const INT_PTR index = lines.GetSize();
    lines.SetSize(index + 1);
    lines[index] = std::move(line);
}

CString* Begin(CStringArray& lines)
{
    return lines.GetData();
}

CString* End(CStringArray& lines)
{
    return lines.GetData() + lines.GetSize();
}
}

CBasketText::CBasketText(BOOL bSort, BOOL bDedupe)
    : m_bSort(bSort), m_bDedupe(bDedupe)
{
}

CString CBasketText::AddToBasket(LPCTSTR currentText, LPCTSTR keyword, CStringArray& lines) const
{
    CString text(keyword);
    text += "\r\n";
    text += currentText;
    lines.RemoveAll();
    SplitBasketText(text, lines);
    return Arrange(lines);
}

CString CBasketText::RemoveFromBasket(LPCTSTR currentText, LPCTSTR keyword, CStringArray& lines) const
{
    lines.RemoveAll();
    SplitBasketText(currentText, lines);
    RemoveFromArranged(lines, keyword);
    return Arrange(lines);
}

BOOL CBasketText::IsArranged(const CStringArray& lines) const
{
    const INT_PTR count = lines.GetSize();
    for (INT_PTR i = 0; i < count; ++i)
    {
        // Splitting again would change a line with a line end, a tab or a
        // run of blanks (a run of over 32 comes out of one split as two).
        const std::string_view line = View(lines[i]);
        if (line.empty() || line.find_first_of("\r\n\t") != std::string_view::npos
            || line.find("  ") != std::string_view::npos)
            return FALSE;
        if (m_bSort && i > 0 && ByteLess(lines[i], lines[i - 1]))
            return FALSE;
        if (m_bSort && m_bDedupe && i > 0 && View(lines[i]) == View(lines[i - 1]))
            return FALSE;
    }
    if (m_bDedupe && !m_bSort)
    {
        std::unordered_set<std::string_view> seen;
        seen.reserve(static_cast<size_t>(count));
        for (INT_PTR i = 0; i < count; ++i)
            if (!seen.insert(View(lines[i])).second)
                return FALSE;
    }
    return TRUE;
}

void CBasketText::AddToArranged(CStringArray& lines, LPCTSTR keyword) const
{
    // The keyword may itself hold line ends, tabs and blank runs.
    CStringArray added;
    SplitBasketText(keyword, added);
    if (m_bSort)
    {
        for (INT_PTR k = 0; k < added.GetSize(); ++k)
        {
            CString* place = std::lower_bound(Begin(lines), End(lines), added[k], ByteLess);
            if (m_bDedupe && place != End(lines) && View(*place) == View(added[k]))
                continue;
            lines.InsertAt(place - Begin(lines), added[k]);
        }
        return;
    }
    if (m_bDedupe)
    {
        // The new lines go first; a line already there leaves its old place.
        DedupeLines(added);
        CString* kept = std::remove_if(Begin(lines), End(lines), [&](const CString& line) {
            return std::any_of(Begin(added), End(added), [&](const CString& a) { return View(a) == View(line); });
        });
        lines.SetSize(kept - Begin(lines));
    }
    if (added.GetSize() > 0)
        lines.InsertAt(0, &added);
}

void CBasketText::RemoveFromArranged(CStringArray& lines, LPCTSTR keyword) const
{
    // Taking lines out leaves the others in order and each once.
    const std::string_view gone(keyword != nullptr ? keyword : "");
    CString* kept = std::remove_if(Begin(lines), End(lines),
                                   [&](const CString& line) { return View(line) == gone; });
    lines.SetSize(kept - Begin(lines));
}

CString CBasketText::Arrange(CStringArray& lines) const
{
    if (m_bSort)
        SortLines(lines);
    if (m_bDedupe)
        DedupeLines(lines);
    return JoinLines(lines);
}

void CBasketText::SplitBasketText(LPCTSTR text, CStringArray& lines)
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
                AddMoved(lines, std::move(line));
                line = CString();
            }
            if (ch == '\0')
                break;
            continue;
        }
        // Plain bytes up to the next blank, tab or line end go in as one piece.
        const char* plain = p;
        while (p[1] != '\0' && p[1] != ' ' && p[1] != '\t' && p[1] != '\r' && p[1] != '\n')
            ++p;
        line.Append(plain, static_cast<int>(p - plain + 1));
    }
}

void CBasketText::SortLines(CStringArray& lines)
{
    // Equal lines are byte-identical, so any correct sort gives the same text.
    std::sort(Begin(lines), End(lines), ByteLess);
}

void CBasketText::DedupeLines(CStringArray& lines)
{
    const INT_PTR count = lines.GetSize();
    if (std::is_sorted(Begin(lines), End(lines), ByteLess)) {
        // Sorted, equal lines stand side by side: keep the first of each run.
        CString* kept = std::unique(Begin(lines), End(lines),
                                    [](const CString& a, const CString& b) { return View(a) == View(b); });
        lines.SetSize(kept - Begin(lines));
        return;
    }
    std::vector<bool> keep(static_cast<size_t>(count));
    {
        std::unordered_set<std::string_view> seen;
        seen.reserve(static_cast<size_t>(count));
        for (INT_PTR i = 0; i < count; ++i)
            keep[static_cast<size_t>(i)] = seen.insert(View(lines[i])).second;
    }
    INT_PTR out = 0;
    for (INT_PTR i = 0; i < count; ++i)
    {
        if (!keep[static_cast<size_t>(i)])
            continue;
        if (out != i)
            lines[out] = std::move(lines[i]);
        ++out;
    }
    lines.SetSize(out);
}

CString CBasketText::JoinLines(const CStringArray& lines)
{
    size_t total = 0;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
        total += static_cast<size_t>(lines[i].GetLength()) + 2;
    CString text;
    if (total == 0)
        return text;
    text.Preallocate(static_cast<int>(total));
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
    {
        if (i != 0)
            text.Append("\r\n", 2);
        text.Append(lines[i].GetString(), lines[i].GetLength());
    }
    return text;
}

void CBasketText::SplitKeywords(LPCTSTR text, CStringArray& keywords)
{
    if (text == nullptr)
        return;
    const char* start = text;
    for (;;)
    {
        const char* end = strstr(start, "\r\n");
        const size_t length = end != nullptr ? static_cast<size_t>(end - start) : strlen(start);
        if (length != 0)
            AddMoved(keywords, CString(start, static_cast<int>(length)));
        if (end == nullptr)
            break;
        start = end + 2;
    }
}

BOOL CBasketText::DropNulBytes(CString& text)
{
    const int length = text.GetLength();
    if (memchr(text.GetString(), '\0', static_cast<size_t>(length)) == nullptr)
        return FALSE;
    char* buffer = text.GetBuffer(length);
    const char* end = std::remove(buffer, buffer + length, '\0');
    text.ReleaseBuffer(static_cast<int>(end - buffer));
    return TRUE;
}

void SplitTextLines(LPCTSTR text, CStringArray& lines)
{
    lines.RemoveAll();
    if (text == nullptr)
        return;
    const char* start = text;
    for (;;)
    {
        // The look for the cut starts at the line's second byte.
        const char* cut = *start != '\0' ? strchr(start + 1, '\n') : nullptr;
        const char* end = cut != nullptr ? cut + 1 : start + strlen(start);
        CString line;
        for (const char* p = start; p < end; ++p)
            if (*p != '\r' && *p != '\n' && (cut != nullptr || *p != ' '))
                line.AppendChar(*p);
        if (!line.IsEmpty())
            AddMoved(lines, std::move(line));
        if (cut == nullptr)
            break;
        start = end;
    }
}

CBasketIndex::CBasketIndex(LPCTSTR basketText)
    : m_sorted()
{
    CBasketText::SplitBasketText(basketText, m_sorted);
    std::sort(Begin(m_sorted), End(m_sorted), ByteLess);
}

CBasketIndex::CBasketIndex(const CStringArray& lines)
    : m_sorted()
{
    m_sorted.Copy(lines);
    if (!std::is_sorted(Begin(m_sorted), End(m_sorted), ByteLess))
        std::sort(Begin(m_sorted), End(m_sorted), ByteLess);
}

BOOL CBasketIndex::IsInBasket(LPCTSTR keyword) const
{
    const CString key(keyword);
    return std::binary_search(m_sorted.GetData(), m_sorted.GetData() + m_sorted.GetSize(), key, ByteLess);
}
