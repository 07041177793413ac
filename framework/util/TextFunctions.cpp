#include "framework/util/TextFunctions.h"
#include "framework/util/DateConversion.h"
#include "afx/File.h"
#include "afx/Exception.h"

#include <stdlib.h>
#include <string.h>
#include <algorithm>

namespace {
const char* const kMonthNames[12] = { "January", "February", "March",     "April",
                                      "May",     "June",     "July",      "August",
                                      "September", "October", "November", "December" };
// Futures-contract month codes, January first.
const char kMonthCodes[] = "FGHJKMNQUVXZ";

// Thousands separators in the integer part: the part before the first "."
// (the integer formats append one so that there always is one).
CString GroupThousands(const CString& text)
{
    const int dot = text.Find('.');
    if (dot < 0)
        return text;
    CString integer = text.Left(dot);
    CString tail;
    bool moved = false;
    while (integer.GetLength() > 3 && integer[integer.GetLength() - 4] != '-')
    {
        tail = "," + integer.Right(3) + tail;
        integer.Truncate(integer.GetLength() - 3);
        moved = true;
    }
    if (!moved)
        return text;
    return integer + tail + text.Mid(dot);
}

CString FormatTime(__time64_t time, const char* format)
{
    struct tm local = {};
    if (_localtime64_s(&local, &time) != 0)
        return CString();
    char buffer[32] = {};
    strftime(buffer, sizeof(buffer), format, &local);
    return buffer;
}

// Removes the HTML decorations the extracted words carry on their pages.
void CleanHtmlWord(CString& word)
{
    static const char* const kDropped[] = { "<font color=#FF0000>", "</font>", "<small>",
                                            "</small>", "</span>", "<span class=\"s5\">" };
    // Blanks first: the decorations hold blanks of their own.
    word.Replace("@@@", " ");
    for (const char* dropped : kDropped)
        word.Replace(dropped, "");
    word.Replace("&nbsp;", " ");
    word.Replace("&amp;", "&");
}
}

// Numbers --------------------------------------------------------------------

CString IntToString(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

CString FormatInt(int value, BOOL group)
{
    CString text;
    text.Format("%d.", value);
    if (group)
        text = GroupThousands(text);
    text.Truncate(text.GetLength() - 1);
    return text;
}

CString FormatUInt(unsigned int value, BOOL group)
{
    CString text;
    text.Format("%u.", value);
    if (group)
        text = GroupThousands(text);
    text.Truncate(text.GetLength() - 1);
    return text;
}

CString FormatFloat(float value, int decimals, BOOL group)
{
    const CString format = "%." + FormatInt(decimals, FALSE) + "f";
    CString text;
    text.Format(format, static_cast<double>(value));
    return group ? GroupThousands(text) : text;
}

CString FormatDouble(double value, BOOL group)
{
    CString text;
    text.Format("%.2f", value);
    return group ? GroupThousands(text) : text;
}

double GetRandomInRange(double lo, double hi)
{
    return lo + (hi - lo) * rand() / 32768.0;
}

// Months and dates -----------------------------------------------------------

CString GetMonthName(int month)
{
    if (month < 1 || month > 12)
        return "Month error";
    return kMonthNames[month - 1];
}

int GetMonthFromCode(const CString& letter)
{
    if (letter.GetLength() != 1)
        return -1;
    const char* found = strchr(kMonthCodes, letter[0]);
    if (!found || *found == '\0')
        return -1;
    return static_cast<int>(found - kMonthCodes) + 1;
}

CString GetMonthNameFromCode(const CString& letter)
{
    return GetMonthName(GetMonthFromCode(letter));
}

int GetDaysInMonth(int month)
{
    static const int kDays[12] = { 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (month < 0 || month > 11)
        return 0;
    return kDays[month];
}

CString FormatTimeHHMMSS(__time64_t time)
{
    return FormatTime(time, "%H%M%S");
}

CString FormatDateYYYYMMDD(__time64_t time)
{
    return FormatTime(time, "%Y%m%d");
}

__time64_t TimeFromHHMMSS(const CString& text)
{
    const int n = atoi(text);
    return LocalTimeFromParts(2001, 1, 1, n / 10000, (n / 100) % 100, n % 100);
}

__time64_t DateFromYYYYMMDD(const CString& text)
{
    const int n = atoi(text);
    return LocalTimeFromParts(n / 10000, (n / 100) % 100, n % 100, 0, 0, 0);
}

// Texts ----------------------------------------------------------------------

CString LfToCrLf(const CString& text)
{
    CString result;
    result.Preallocate(text.GetLength() * 2);
    for (int i = 0; i < text.GetLength(); ++i)
    {
        if (text[i] == '\n')
            result += '\r';
        result += text[i];
    }
    return result;
}

CString CrLfToLf(const CString& text)
{
    CString result;
    result.Preallocate(text.GetLength());
    const int length = text.GetLength();
    for (int i = 0; i < length; ++i)
    {
        if (text[i] == '\r')
        {
            result += '\n';
            // Only the LF of a CR LF pair is swallowed; a lone CR keeps the
            // character after it.
            if (i + 1 < length && text[i + 1] == '\n')
                ++i;
            continue;
        }
        result += text[i];
    }
    return result;
}

CString GetLineAt(const CString& text, int start, int& next)
{
    const int length = text.GetLength();
    if (start < 0)
        start = 0;
    if (start >= length)
    {
        next = length;
        return CString();
    }
    const int end = text.Find("\r\n", start);
    if (end < 0)
    {
        // The last line: a caller looping on next reaches the end and stops.
        next = length;
        return text.Mid(start);
    }
    next = end + 2;
    return text.Mid(start, end - start);
}

void SplitWords(CString text, CStringArray& words)
{
    text.Remove(',');
    text.Replace('(', '-');
    text.Remove(')');
    text.Trim();
    int blank = text.Find(' ');
    while (blank >= 0)
    {
        words.Add(text.Left(blank));
        text = text.Mid(blank + 1);
        text.TrimLeft();
        blank = text.Find(' ');
    }
    words.Add(text);
}

CString GetCsvField(const CString& line, int index)
{
    if (index < 0)
        return "Error";
    int field = 0;
    int begin = 0;
    bool quoted = false;
    const int length = line.GetLength();
    for (int i = 0; i <= length; ++i)
    {
        const bool end = i == length;
        if (!end && line[i] == '"')
        {
            quoted = !quoted;
            continue;
        }
        if (!end && (quoted || line[i] != ','))
            continue;
        if (field == index)
        {
            CString text = line.Mid(begin, i - begin);
            text.Trim();
            if (text.GetLength() >= 2 && text[0] == '"' && text[text.GetLength() - 1] == '"')
                text = text.Mid(1, text.GetLength() - 2);
            text.Remove(',');
            text.Trim();
            return text;
        }
        ++field;
        begin = i + 1;
    }
    return "Error";
}

void WriteCStringToFile(CFile& file, const CString& text)
{
    const unsigned length = static_cast<unsigned>(text.GetLength());
    const BYTE header[4] = { static_cast<BYTE>(length), static_cast<BYTE>(length >> 8),
                             static_cast<BYTE>(length >> 16), static_cast<BYTE>(length >> 24) };
    file.Write(header, 4);
    for (int i = 0; i < text.GetLength(); ++i)
    {
        const char ch = text[i];
        file.Write(&ch, 1);
    }
}

BOOL ReadCStringFromFile(CFile& file, CString& text)
{
    text.Empty();
    BYTE header[4] = {};
    if (file.Read(header, 4) != 4)
        return FALSE;
    const int length = static_cast<int>(header[0] | (header[1] << 8) | (header[2] << 16) |
                                        (static_cast<unsigned>(header[3]) << 24));
    // The length comes from the file: a damaged one must not make us read
    // (or allocate) beyond what the file holds.
    const ULONGLONG remaining = file.GetLength() - file.GetPosition();
    if (length < 0 || static_cast<ULONGLONG>(length) > remaining)
        return FALSE;
    if (length == 0)
        return TRUE;
    char* buffer = text.GetBuffer(length);
    const UINT read = file.Read(buffer, static_cast<UINT>(length));
    text.ReleaseBuffer(static_cast<int>(read));
    return read == static_cast<UINT>(length);
}

// HTML pages -------------------------------------------------------------------

int ExtractHtmlWords(CStringArray& words, const CString& page, const CString& startMarker,
                     const CString& endMarker, int searchStart, const CString& dropMarker,
                     const CString& separatorMarker)
{
    const int start = page.Find(startMarker, std::max(searchStart, 0));
    if (start < 0)
        return -1;
    const int textStart = start + startMarker.GetLength();
    const int end = page.Find(endMarker, textStart);
    if (end < 0)
        return -1;
    CString text = page.Mid(textStart, end - textStart);
    if (!dropMarker.IsEmpty())
        text.Replace(dropMarker, "");
    text.Replace(" ", "@@@");
    if (!separatorMarker.IsEmpty())
        text.Replace(separatorMarker, " ");
    CStringArray found;
    SplitWords(text, found);
    for (INT_PTR i = 0; i < found.GetSize(); ++i)
    {
        CString word = found[i];
        CleanHtmlWord(word);
        words.Add(word);
    }
    return end;
}

BOOL ExtractHtmlRowCells(CStringArray& cells, const CString& page, const CString& firstMarker,
                         const CString& secondMarker, const CString& endMarker,
                         const CString& altEndMarker, const CString& cellMarker,
                         const CString& name)
{
    static const int kCellCount = 10;
    try
    {
        const int first = page.Find(firstMarker);
        if (first < 0)
            return FALSE;
        const int second = page.Find(secondMarker, first + firstMarker.GetLength());
        if (second < 0)
            return FALSE;
        int end = page.Find(endMarker, second);
        if (end < 0)
            end = page.Find(altEndMarker, second);
        if (end < 0)
            end = page.GetLength();
        const CString block = page.Mid(second, end - second);

        CStringArray found;
        int at = 0;
        for (int i = 0; i < kCellCount; ++i)
        {
            const int marker = block.Find(cellMarker, at);
            if (marker < 0)
                return FALSE;
            int cellStart = marker + cellMarker.GetLength();
            const int cellEnd = block.Find("</td>", cellStart);
            if (cellEnd < 0)
                return FALSE;
            int cellStop = cellEnd;
            if (cellStart < block.GetLength() && block[cellStart] == '\n')
            {
                // A cell laid out on its own line: the line feeds around it
                // are layout, not content.
                ++cellStart;
                if (cellStop > cellStart && block[cellStop - 1] == '\n')
                    --cellStop;
            }
            CString cell = block.Mid(cellStart, std::max(cellStop - cellStart, 0));
            cell.Remove(',');
            cell.Remove(' ');
            cell.Replace('(', '-');
            cell.Remove(')');
            found.Add(cell);
            at = cellEnd + 5;
        }
        cells.Append(found);
        return TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    ::MessageBoxA(nullptr, "Error of parsing file for " + name, "Error", MB_OK | MB_ICONERROR);
    return FALSE;
}
