// Reading the suggestion service's answer: the quoted strings between the
// first "[[" and the "]]" after it, taken in triples (suggestion, result-count
// text, unused), with the UTF-8 Russian letters turned into Windows-1251
// bytes and the count texts stripped of their suffixes.
#pragma once

#include "afx/Array.h"
#include "afx/ArrayTypes.h"
#include "afx/String.h"

class CBasketIndex;

// The longest quoted string kept.
inline constexpr int kMaxAnswerString = 999;

// The raw text of every quoted string in the answer's array part, in order.
// No escape character: a backslash is an ordinary byte. A string longer than
// kMaxAnswerString bytes keeps its first kMaxAnswerString bytes; a string
// with no closing quote ends the walk (the answer was cut short).
void ReadAnswerStrings(LPCSTR answer, CStringArray& strings);

// One quoted string with its bytes converted: bytes up to 'z' stay, a 0xD0 or
// 0xD1 lead takes the next byte as its trail (a NUL when it is the last byte)
// and becomes one 1251 byte, any other byte is dropped with the one after it.
// Never reads past length.
CString ConvertAnswerString(LPCSTR text, int length);

// The count text without its " results", Russian "results" and "&nbsp;" parts.
CString StripCountSuffixes(CString count);

// The whole parse: suggestions[i] and counts[i] are the first two strings of
// the i-th triple. Whole triples are counted from the end of the list; one
// or two strings left over at the front are dropped, so the two lists are
// always the same length and the pairs stay aligned.
void ParseSuggestionAnswer(LPCSTR answer, CStringArray& suggestions, CStringArray& counts);

// One row of the suggestion list: the keyword (column "Keyword"), its count
// text (column "Queries") and whether its check box starts checked.
struct SuggestionRow
{
    CString strKeyword;
    CString strCount;
    BOOL bInBasket = FALSE;
};

typedef CArray<SuggestionRow, const SuggestionRow&> CSuggestionRowArray;

// The rows the list shows for one answer, in answer order, with the rows
// already in the Basket marked. The Basket's lines are looked up in its index,
// made once for all rows (checking a row only adds a line that is already
// there, so the answer is the same as asking afresh for every row).
void MakeSuggestionRows(const CStringArray& suggestions, const CStringArray& counts, const CBasketIndex& basket,
                        CSuggestionRowArray& rows);
