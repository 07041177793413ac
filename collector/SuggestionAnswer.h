// Reading the suggestion service's answer: the quoted strings between the
// first "[[" and the "]]" after it, taken in triples (suggestion, result-count
// text, unused), with the UTF-8 Russian letters turned into Windows-1251
// bytes and the count texts stripped of their suffixes.
#pragma once

#include "afx/String.h"

#include <vector>

// The raw text of every quoted string in the answer's array part, in order.
// No escape character: a backslash is an ordinary byte. A string longer than
// kMaxAnswerString bytes keeps its first kMaxAnswerString bytes; a string
// with no closing quote ends the walk (the answer was cut short).
void ReadAnswerStrings(LPCSTR answer, std::vector<CString>& strings);

// The longest quoted string kept.
inline constexpr int kMaxAnswerString = 999;

// One quoted string with its bytes converted: bytes up to 'z' stay, a 0xD0 or
// 0xD1 lead takes the next byte as its trail (a NUL when it is the last byte)
// and becomes one 1251 byte, any other byte is dropped with the one after it.
// Never reads past length.
CString ConvertAnswerString(LPCSTR text, int length);

// The count text without its " results", Russian "results" and "&nbsp;" parts.
CString StripCountSuffixes(const CString& count);

// The whole parse: suggestions[i] and counts[i] are the first two strings of
// the i-th triple. Whole triples are counted from the end of the list; one
// or two strings left over at the front are dropped, so the two lists are
// always the same length and the pairs stay aligned.
void ParseSuggestionAnswer(LPCSTR answer, std::vector<CString>& suggestions, std::vector<CString>& counts);
