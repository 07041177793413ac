// Times one Basket change on a large Basket (split, sort, de-duplicate, join,
// write the file) and the parse of the largest answer the fetch can return.
// Targets: a change on 100,000 lines under 100 ms, the answer under 20 ms.
#include "collector/BasketFile.h"
#include "collector/BasketText.h"
#include "collector/SuggestionAnswer.h"

#include <stdio.h>
#include <string>

namespace
{
const int kBasketLines = 100000;
const size_t kAnswerBytes = 999000;
const int kRounds = 5;

double Now()
{
    static LARGE_INTEGER frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Distinct keywords, Latin and Windows-1251, in no particular order.
CString MakeBasketText()
{
    CStringArray lines;
    lines.SetSize(kBasketLines);
    for (int i = 0; i < kBasketLines; ++i)
    {
        const unsigned mixed = static_cast<unsigned>(i) * 2654435761u;
        if (i % 2 == 0)
            lines[i].Format("keyword %08x example", mixed);
        else
            lines[i].Format("\xEA\xEB\xFE\xF7 %08x \xF1\xEB\xEE\xE2\xEE", mixed);
    }
    return CBasketText::JoinLines(lines);
}

std::string MakeAnswer()
{
    std::string answer = "suggest([\"\xD0\xBA\",[[";
    int i = 0;
    while (answer.size() < kAnswerBytes - 200)
    {
        answer += "[\"\xD0\xBA\xD0\xBB\xD1\x8E\xD1\x87 keyword " + std::to_string(i) + "\",\""
            + std::to_string(i * 37) + "&nbsp;000 results\",\"" + std::to_string(i) + "\"],";
        ++i;
    }
    answer += "]]])";
    answer.resize(kAnswerBytes, ' ');
    return answer;
}
}

int main()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const CString path = CBasketFile::PathInFolder(temp);
    const CBasketFile file(path);
    const CBasketText rules(TRUE, TRUE);

    // Start from the Basket as the program keeps it: normalised and sorted.
    CStringArray lines;
    CString text = rules.AddToBasket(MakeBasketText(), "seed", lines);
    CString error;
    if (!file.Save(text, error))
    {
        printf("%s\n", (LPCTSTR)error);
        return 1;
    }
    printf("Basket: %d lines, %d bytes\n", static_cast<int>(lines.GetSize()), text.GetLength());

    double addBest = 1e9, removeBest = 1e9;
    for (int round = 0; round < kRounds; ++round)
    {
        CString keyword;
        keyword.Format("new keyword %d", round);
        double start = Now();
        text = rules.AddToBasket(text, keyword, lines);
        file.Save(text, error);
        addBest = std::min(addBest, Now() - start);

        start = Now();
        text = rules.RemoveFromBasket(text, keyword, lines);
        file.Save(text, error);
        removeBest = std::min(removeBest, Now() - start);
    }
    printf("Basket add (split, sort, dedupe, join, write):    %7.2f ms\n", addBest);
    printf("Basket remove (split, sort, dedupe, join, write): %7.2f ms\n", removeBest);
    DeleteFileA(path);

    const std::string answer = MakeAnswer();
    double parseBest = 1e9;
    INT_PTR rows = 0;
    for (int round = 0; round < kRounds; ++round)
    {
        CStringArray suggestions, counts;
        const double start = Now();
        ParseSuggestionAnswer(answer.c_str(), suggestions, counts);
        parseBest = std::min(parseBest, Now() - start);
        rows = suggestions.GetSize();
    }
    printf("Answer parse (%u bytes, %d rows):             %7.2f ms\n", static_cast<unsigned>(answer.size()),
           static_cast<int>(rows), parseBest);
    return 0;
}
