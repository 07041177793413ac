#include "collector/SuggestionAnswer.h"

#include "collector/BasketText.h"
#include "collector/CyrillicTranscoder.h"

#include <algorithm>
#include <string.h>
#include <utility>
#include <vector>

namespace
{
// The count suffixes in the converted text's own spelling: the converted
// text writes the Russian letter a as the Latin 'a', so the Russian words
// are written with it too ("rezul'tatov" for 5+, "rezul'tata" for 2..4).
const char* const kCountSuffixes[] = {
    " results",
    " \xF0\xE5\xE7\xF3\xEB\xFC\xF2\x61\xF2\xEE\xE2",
    " \xF0\xE5\xE7\xF3\xEB\xFC\xF2\x61\xF2\x61",
    " result",
    "&nbsp;",
};

const BYTE kLastKeptByte = 'z';
}

namespace
{
struct AnswerSpan
{
    const char* text;
    int length;
};

void ReadAnswerSpans(LPCSTR answer, std::vector<AnswerSpan>& spans)
{
    if (answer == nullptr)
        return;
    const char* open = strstr(answer, "[[");
    if (open == nullptr)
        return;
    const char* start = open + 1;
    const char* end = strstr(start + 1, "]]");
    if (end == nullptr)
        return;
    while (start < end)
    {
        const char* quote = strchr(start, '"');
        if (quote == nullptr || quote > end)
            break;
        const char* closing = strchr(quote + 1, '"');
        if (closing == nullptr)
            break;
        const int length = static_cast<int>(closing - quote - 1);
        spans.push_back({ quote + 1, std::min(length, kMaxAnswerString) });
        start = closing + 1;
    }
}

// Appends without copying the text again: a full answer holds many thousand rows.
void AddMoved(CStringArray& array, CString&& text)
{
    const INT_PTR index = array.GetSize();
    array.SetSize(index + 1);
    array[index] = std::move(text);
}
}

void ReadAnswerStrings(LPCSTR answer, CStringArray& strings)
{
    std::vector<AnswerSpan> spans;
    ReadAnswerSpans(answer, spans);
    for (const AnswerSpan& span : spans)
        AddMoved(strings, CString(span.text, span.length));
}

CString ConvertAnswerString(LPCSTR text, int length)
{
    CString out;
    char* buffer = out.GetBuffer(length);
    int used = 0;
    int i = 0;
    while (i < length)
    {
        const BYTE ch = static_cast<BYTE>(text[i]);
        if (ch <= kLastKeptByte)
        {
            buffer[used++] = static_cast<char>(ch);
            ++i;
        }
        else if (ch == 0xD0 || ch == 0xD1)
        {
            const BYTE trail = i + 1 < length ? static_cast<BYTE>(text[i + 1]) : 0;
            buffer[used++] = static_cast<char>(Utf8CyrillicToCp1251(ch, trail));
            i += 2;
        }
        else
        {
            i += 2;
        }
    }
    out.ReleaseBuffer(used);
    return out;
}

CString StripCountSuffixes(CString count)
{
    for (const char* suffix : kCountSuffixes)
        count.Replace(suffix, "");
    return count;
}

void ParseSuggestionAnswer(LPCSTR answer, CStringArray& suggestions, CStringArray& counts)
{
    std::vector<AnswerSpan> spans;
    ReadAnswerSpans(answer, spans);
    // Whole triples counted from the end; what is left over at the front
    // belongs to no triple.
    for (size_t i = spans.size() % 3; i + 3 <= spans.size(); i += 3)
    {
        AddMoved(suggestions, ConvertAnswerString(spans[i].text, spans[i].length));
        AddMoved(counts, StripCountSuffixes(ConvertAnswerString(spans[i + 1].text, spans[i + 1].length)));
    }
}

void MakeSuggestionRows(const CStringArray& suggestions, const CStringArray& counts, const CBasketIndex& basket,
                        CSuggestionRowArray& rows)
{
    const INT_PTR count = std::min(suggestions.GetSize(), counts.GetSize());
    rows.RemoveAll();
    rows.SetSize(count);
    for (INT_PTR i = 0; i < count; ++i)
    {
        SuggestionRow& row = rows[i];
        row.strKeyword = suggestions[i];
        row.strCount = counts[i];
        row.bInBasket = basket.IsInBasket(suggestions[i]);
    }
}
