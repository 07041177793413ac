#include "framework/util/TextFunctions.h"
#include "afx/Exception.h"
#include "afx/File.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <limits.h>

namespace {
template <class F>
bool RaisesConversionError(F call)
{
    try
    {
        call();
    }
    catch (CException* e)
    {
        e->Delete();
        return true;
    }
    return false;
}

std::vector<std::string> ToVector(const CStringArray& array)
{
    std::vector<std::string> result;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        result.push_back(std::string(array[i]));
    return result;
}
}

TEST(TextFunctions, ThousandsGrouping)
{
    EXPECT_EQ("0", FormatInt(0, TRUE));
    EXPECT_EQ("999", FormatInt(999, TRUE));
    EXPECT_EQ("1,000", FormatInt(1000, TRUE));
    EXPECT_EQ("1,234,567", FormatInt(1234567, TRUE));
    EXPECT_EQ("-123", FormatInt(-123, TRUE));
    EXPECT_EQ("-1,234", FormatInt(-1234, TRUE));
    EXPECT_EQ("-100,000", FormatInt(-100000, TRUE));
    EXPECT_EQ("-2,147,483,648", FormatInt(INT_MIN, TRUE));
    EXPECT_EQ("2,147,483,647", FormatInt(INT_MAX, TRUE));
    EXPECT_EQ("1234", FormatInt(1234, FALSE));
    EXPECT_EQ("4,294,967,295", FormatUInt(UINT_MAX, TRUE));
    EXPECT_EQ("4294967295", FormatUInt(UINT_MAX, FALSE));
    EXPECT_EQ("1,234.50", FormatFloat(1234.5f, 2, TRUE));
    EXPECT_EQ("1235", FormatFloat(1234.75f, 0, TRUE));
    EXPECT_EQ("-9,876,543.21", FormatDouble(-9876543.21, TRUE));
    EXPECT_EQ("12.00", FormatDouble(12.0, TRUE));
    EXPECT_EQ("-42", IntToString(-42));

    for (int i = 0; i < 100; ++i)
    {
        const double r = GetRandomInRange(-2.0, 3.0);
        EXPECT_GE(r, -2.0);
        EXPECT_LT(r, 3.0);
    }
}

TEST(TextFunctions, MonthsAndCodes)
{
    EXPECT_EQ("January", GetMonthName(1));
    EXPECT_EQ("December", GetMonthName(12));
    EXPECT_EQ("Month error", GetMonthName(0));
    EXPECT_EQ("Month error", GetMonthName(13));
    EXPECT_EQ(1, GetMonthFromCode("F"));
    EXPECT_EQ(4, GetMonthFromCode("J"));
    EXPECT_EQ(12, GetMonthFromCode("Z"));
    EXPECT_EQ(-1, GetMonthFromCode("f"));
    EXPECT_EQ(-1, GetMonthFromCode("I"));
    EXPECT_EQ(-1, GetMonthFromCode(""));
    EXPECT_EQ(-1, GetMonthFromCode("FG"));
    EXPECT_EQ("August", GetMonthNameFromCode("Q"));
    EXPECT_EQ("Month error", GetMonthNameFromCode("A"));
    EXPECT_EQ(31, GetDaysInMonth(0));
    EXPECT_EQ(29, GetDaysInMonth(1));
    EXPECT_EQ(30, GetDaysInMonth(10));
    EXPECT_EQ(31, GetDaysInMonth(11));
    EXPECT_EQ(0, GetDaysInMonth(12));
    EXPECT_EQ(0, GetDaysInMonth(-1));
}

TEST(TextFunctions, DateAndTimeTexts)
{
    const __time64_t time = TimeFromHHMMSS("134507");
    EXPECT_EQ("134507", FormatTimeHHMMSS(time));
    EXPECT_EQ("20010101", FormatDateYYYYMMDD(time));
    const __time64_t date = DateFromYYYYMMDD("20081231");
    EXPECT_EQ("20081231", FormatDateYYYYMMDD(date));
    EXPECT_EQ("000000", FormatTimeHHMMSS(date));

    EXPECT_TRUE(RaisesConversionError([] { TimeFromHHMMSS("240000"); }));
    EXPECT_TRUE(RaisesConversionError([] { TimeFromHHMMSS("126000"); }));
    EXPECT_TRUE(RaisesConversionError([] { DateFromYYYYMMDD("20081301"); }));
    EXPECT_TRUE(RaisesConversionError([] { DateFromYYYYMMDD("18991231"); }));
    EXPECT_TRUE(RaisesConversionError([] { DateFromYYYYMMDD("20080100"); }));
}

TEST(TextFunctions, LineEnds)
{
    EXPECT_EQ("a\r\n\r\n", LfToCrLf("a\n\n"));
    EXPECT_EQ("a\nb", CrLfToLf("a\r\nb"));
    // A lone CR is a line end too, and the character after it survives.
    EXPECT_EQ("a\nb", CrLfToLf("a\rb"));
    EXPECT_EQ("a\n", CrLfToLf("a\r"));
    EXPECT_EQ("\n\n\n", CrLfToLf("\r\r\n\n"));

    const CString text = "one\r\ntwo\r\nthree";
    int next = 0;
    EXPECT_EQ("one", GetLineAt(text, 0, next));
    EXPECT_EQ(5, next);
    EXPECT_EQ("two", GetLineAt(text, next, next));
    EXPECT_EQ("three", GetLineAt(text, next, next));
    EXPECT_EQ(text.GetLength(), next);
    EXPECT_EQ("", GetLineAt(text, next, next));
    EXPECT_EQ(text.GetLength(), next);

    // A caller walking the lines ends, whatever the text.
    int lines = 0;
    for (int at = 0; at < text.GetLength() && lines < 10; ++lines)
        GetLineAt(text, at, at);
    EXPECT_EQ(3, lines);
}

TEST(TextFunctions, WordsAndCsvFields)
{
    CStringArray words;
    SplitWords(" (1,234)   5 ", words);
    EXPECT_EQ((std::vector<std::string>{ "-1234", "5" }), ToVector(words));
    words.RemoveAll();
    SplitWords("", words);
    EXPECT_EQ((std::vector<std::string>{ "" }), ToVector(words));

    const CString line = "name, \"1,234\" ,\"a, b\",last";
    EXPECT_EQ("name", GetCsvField(line, 0));
    EXPECT_EQ("1234", GetCsvField(line, 1));
    EXPECT_EQ("a b", GetCsvField(line, 2));
    EXPECT_EQ("last", GetCsvField(line, 3));
    EXPECT_EQ("Error", GetCsvField(line, 5));
    EXPECT_EQ("", GetCsvField("a,,b", 1));
}

TEST(TextFunctions, StringRecordsOfClassLibraryFiles)
{
    CScratchFolder folder;
    const CString path = folder.File("strings.bin");
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        WriteCStringToFile(file, "abc");
        WriteCStringToFile(file, "");
    }
    EXPECT_EQ(std::string("\3\0\0\0abc\0\0\0\0", 11), ReadBytes(path));
    {
        CFile file(path, CFile::modeRead);
        CString text = "old";
        EXPECT_TRUE(ReadCStringFromFile(file, text));
        EXPECT_EQ("abc", text);
        EXPECT_TRUE(ReadCStringFromFile(file, text));
        EXPECT_EQ("", text);
    }
    // A damaged length is refused instead of read past the end of the file.
    for (const std::string& bytes : { std::string("\xFF\xFF\xFF\xFF" "abc", 7),
                                      std::string("\x10\0\0\0" "abc", 7),
                                      std::string("\1\0", 2) })
    {
        WriteBytes(path, bytes);
        CFile file(path, CFile::modeRead);
        CString text = "old";
        EXPECT_FALSE(ReadCStringFromFile(file, text));
        EXPECT_EQ("", text);
    }
}

TEST(TextFunctions, HtmlWordsBetweenMarkers)
{
    const CString page = "<p>skip</p><ul>drop<font color=#FF0000>red</font>|two&nbsp;words|"
                         "a &amp; b</ul><ul>x|y</ul>";
    CStringArray words;
    const int end = ExtractHtmlWords(words, page, "<ul>", "</ul>", 0, "drop", "|");
    EXPECT_EQ(page.Find("</ul>"), end);
    EXPECT_EQ((std::vector<std::string>{ "red", "two words", "a & b" }), ToVector(words));

    const int second = ExtractHtmlWords(words, page, "<ul>", "</ul>", end, "", "|");
    EXPECT_GT(second, end);
    EXPECT_EQ(5, words.GetSize());

    // A missing marker adds nothing and says so.
    EXPECT_EQ(-1, ExtractHtmlWords(words, page, "<ol>", "</ul>", 0, "", "|"));
    EXPECT_EQ(-1, ExtractHtmlWords(words, page, "<ul>", "</ol>", 0, "", "|"));
    EXPECT_EQ(-1, ExtractHtmlWords(words, page, "<ul>", "</ul>", second, "", "|"));
    EXPECT_EQ(5, words.GetSize());
}

TEST(TextFunctions, HtmlRowCells)
{
    CString row = "<table><tr class=q>";
    for (int i = 0; i < 10; ++i)
    {
        CString cell;
        cell.Format(i == 3 ? "<td>\n(1, %d)\n</td>" : "<td>%d,00%d</td>", i, i);
        row += cell;
    }
    const CString page = "head" + row + "</tr></table>";
    CStringArray cells;
    EXPECT_TRUE(ExtractHtmlRowCells(cells, page, "<table>", "<tr", "</tr>", "</table>", "<td>",
                                    "test"));
    ASSERT_EQ(10, cells.GetSize());
    EXPECT_EQ("0000", cells[0]);
    EXPECT_EQ("-13", cells[3]);
    EXPECT_EQ("9009", cells[9]);

    // Missing markers and short rows fail without adding anything.
    cells.RemoveAll();
    EXPECT_FALSE(ExtractHtmlRowCells(cells, page, "<div>", "<tr", "</tr>", "</table>", "<td>", "t"));
    EXPECT_FALSE(ExtractHtmlRowCells(cells, page, "<table>", "<th", "</tr>", "</table>", "<td>",
                                     "t"));
    EXPECT_FALSE(ExtractHtmlRowCells(cells, "<table><tr><td>1</td><td>2</td></tr>", "<table>",
                                     "<tr", "</tr>", "</table>", "<td>", "t"));
    EXPECT_EQ(0, cells.GetSize());
}
