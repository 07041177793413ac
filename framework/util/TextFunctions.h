// The framework's text routines: grouped number texts, month names and codes,
// date and time texts, line-end conversions, a word splitter and a
// comma-separated-field reader for imported text, the length-prefixed string
// record of the class library's files, and two extractors that pull words and
// table cells out of downloaded HTML pages.
#pragma once

#include "afx/String.h"
#include "afx/ArrayTypes.h"

#include <time.h>

class CFile;

// Numbers. With group, the integer part gets thousands separators (1,234,567).
CString IntToString(int value);
CString FormatInt(int value, BOOL group);
CString FormatUInt(unsigned int value, BOOL group);
CString FormatFloat(float value, int decimals, BOOL group);
CString FormatDouble(double value, BOOL group);
// A value in [lo, hi) from the C runtime's rand().
double GetRandomInRange(double lo, double hi);

// Months: 1-12, or the futures-contract month letters F G H J K M N Q U V X Z.
CString GetMonthName(int month);
int GetMonthFromCode(const CString& letter);
CString GetMonthNameFromCode(const CString& letter);
// Days of a 0-based month; February always counts 29.
int GetDaysInMonth(int month);

// Local time texts "HHMMSS" and "YYYYMMDD", and back. The readers raise the
// framework's conversion error for parts out of range.
CString FormatTimeHHMMSS(__time64_t time);
CString FormatDateYYYYMMDD(__time64_t time);
__time64_t TimeFromHHMMSS(const CString& text);
__time64_t DateFromYYYYMMDD(const CString& text);

// Line ends.
CString LfToCrLf(const CString& text);
// CR LF and a lone CR both become LF.
CString CrLfToLf(const CString& text);
// The text from start up to the next CR LF; next is set after that CR LF, or
// to the end of the text when no CR LF follows (the rest is returned).
CString GetLineAt(const CString& text, int start, int& next);

// Words of a number row: "," removed, "(" -> "-", ")" removed, split at blanks.
void SplitWords(CString text, CStringArray& words);
// The 0-based field of a comma-separated line, quotes and "," removed, or "Error".
CString GetCsvField(const CString& line, int index);

// The length-prefixed string record of a class-library file: a 4-byte
// little-endian length, then the characters.
void WriteCStringToFile(CFile& file, const CString& text);
// FALSE (and an empty text) when the stored length is negative or runs past
// the end of the file.
BOOL ReadCStringFromFile(CFile& file, CString& text);

// The words between two markers of a page; returns the position of the end
// marker for the next call, or -1 (nothing added) when a marker is missing.
int ExtractHtmlWords(CStringArray& words, const CString& page, const CString& startMarker,
                     const CString& endMarker, int searchStart, const CString& dropMarker,
                     const CString& separatorMarker);
// The 10 cells of a table row block; FALSE when a marker is missing or the
// block holds fewer than 10 cells.
BOOL ExtractHtmlRowCells(CStringArray& cells, const CString& page, const CString& firstMarker,
                         const CString& secondMarker, const CString& endMarker,
                         const CString& altEndMarker, const CString& cellMarker,
                         const CString& name);
