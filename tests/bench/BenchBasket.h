// What the Basket benchmarks share: a clock in milliseconds and a large
// Basket as the program keeps it.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/String.h"
#include "collector/BasketText.h"

inline double BenchNow()
{
    static LARGE_INTEGER frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Distinct keywords, half Latin, half Windows-1251, normalised, sorted and
// each once, joined by CR LF: about 24 bytes a line, or 14 for short ones.
inline CString MakeBenchBasket(int count, bool shortLines = false)
{
    CStringArray lines;
    lines.SetSize(count);
    for (int i = 0; i < count; ++i)
    {
        const unsigned mixed = static_cast<unsigned>(i) * 2654435761u;
        if (shortLines)
            lines[i].Format(i % 2 == 0 ? "key %08x" : "\xEA\xEB\xFE %08x", mixed);
        else if (i % 2 == 0)
            lines[i].Format("keyword %08x example", mixed);
        else
            lines[i].Format("\xEA\xEB\xFE\xF7 %08x \xF1\xEB\xEE\xE2\xEE", mixed);
    }
    CBasketText::SortLines(lines);
    return CBasketText::JoinLines(lines);
}
