#include "collector/SuggestionAnswer.h"

#include "collector/CyrillicTranscoder.h"

#include <string.h>

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

void ReadAnswerStrings(LPCSTR answer, std::vector<CString>& strings)
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
        strings.emplace_back(quote + 1, length < kMaxAnswerString ? length : kMaxAnswerString);
        start = closing + 1;
    }
}

CString ConvertAnswerString(LPCSTR text, int length)
{
    CString out;
    out.Preallocate(length);
    int i = 0;
    while (i < length)
    {
        const BYTE ch = static_cast<BYTE>(text[i]);
        if (ch <= kLastKeptByte)
        {
            out.AppendChar(static_cast<char>(ch));
            ++i;
        }
        else if (ch == 0xD0 || ch == 0xD1)
        {
            const BYTE trail = i + 1 < length ? static_cast<BYTE>(text[i + 1]) : 0;
            out.AppendChar(static_cast<char>(Utf8CyrillicToCp1251(ch, trail)));
            i += 2;
        }
        else
        {
            i += 2;
        }
    }
    return out;
}

CString StripCountSuffixes(const CString& count)
{
    CString text(count);
    for (const char* suffix : kCountSuffixes)
        text.Replace(suffix, "");
    return text;
}

void ParseSuggestionAnswer(LPCSTR answer, std::vector<CString>& suggestions, std::vector<CString>& counts)
{
    std::vector<CString> strings;
    ReadAnswerStrings(answer, strings);
    const size_t first = strings.size() % 3;
    suggestions.reserve(suggestions.size() + strings.size() / 3);
    counts.reserve(counts.size() + strings.size() / 3);
    for (size_t i = first; i + 3 <= strings.size(); i += 3)
    {
        const CString& keyword = strings[i];
        const CString& count = strings[i + 1];
        suggestions.push_back(ConvertAnswerString(keyword, keyword.GetLength()));
        counts.push_back(StripCountSuffixes(ConvertAnswerString(count, count.GetLength())));
    }
}
