// Times one Basket change on a large Basket (split, sort, de-duplicate, join,
// write the file) and the parse of the largest answer the fetch can return.
// Targets: a change on 100,000 lines under 100 ms, the answer under 20 ms.
#include "collector/BasketFile.h"
#include "collector/BasketText.h"
#include "collector/SuggestionAnswer.h"
#include "tests/bench/BenchBasket.h"

#include <stdio.h>
#include <string>

namespace
{
const int kBasketLines = 100000;
const size_t kAnswerBytes = 999000;
const int kRounds = 5;

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
    CString text = rules.AddToBasket(MakeBenchBasket(kBasketLines), "seed", lines);
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
        double start = BenchNow();
        text = rules.AddToBasket(text, keyword, lines);
        file.Save(text, error);
        addBest = std::min(addBest, BenchNow() - start);

        start = BenchNow();
        text = rules.RemoveFromBasket(text, keyword, lines);
        file.Save(text, error);
        removeBest = std::min(removeBest, BenchNow() - start);
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
        const double start = BenchNow();
        ParseSuggestionAnswer(answer.c_str(), suggestions, counts);
        parseBest = std::min(parseBest, BenchNow() - start);
        rows = suggestions.GetSize();
    }
    printf("Answer parse (%u bytes, %d rows):             %7.2f ms\n", static_cast<unsigned>(answer.size()),
           static_cast<int>(rows), parseBest);
    return 0;
}
