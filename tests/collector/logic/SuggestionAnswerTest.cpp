#include "collector/SuggestionAnswer.h"
#include "collector/BasketText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct Parsed
{
    std::vector<CString> suggestions;
    std::vector<CString> counts;
};

std::vector<CString> ToVector(const CStringArray& array)
{
    return std::vector<CString>(array.GetData(), array.GetData() + array.GetSize());
}

Parsed Parse(const std::string& answer)
{
    Parsed p;
    CStringArray suggestions, counts;
    ParseSuggestionAnswer(answer.c_str(), suggestions, counts);
    p.suggestions = ToVector(suggestions);
    p.counts = ToVector(counts);
    EXPECT_EQ(p.suggestions.size(), p.counts.size());
    return p;
}

CString Convert(const std::string& raw)
{
    return ConvertAnswerString(raw.data(), static_cast<int>(raw.size()));
}
}

TEST(SuggestionAnswer, TwoTriplesGiveTwoRowsInOrder)
{
    const Parsed p = Parse("window.x([\"ab\",[[\"abc\",\"6,380,000 results\",\"0\"],"
                           "[\"abd\",\"12 results\",\"1\"]]]);");
    ASSERT_EQ(2u, p.suggestions.size());
    EXPECT_EQ("abc", p.suggestions[0]);
    EXPECT_EQ("6,380,000", p.counts[0]);
    EXPECT_EQ("abd", p.suggestions[1]);
    EXPECT_EQ("12", p.counts[1]);
}

TEST(SuggestionAnswer, CountSuffixesAreRemoved)
{
    const Parsed p = Parse("[[\"a\",\"1&nbsp;234 results\",\"0\",\"b\",\"1 result\",\"0\","
                           "\"c\",\"5 \xD1\x80\xD0\xB5\xD0\xB7\xD1\x83\xD0\xBB\xD1\x8C\xD1\x82\xD0\xB0\xD1\x82\xD0\xBE\xD0\xB2\",\"0\","
                           "\"d\",\"3 \xD1\x80\xD0\xB5\xD0\xB7\xD1\x83\xD0\xBB\xD1\x8C\xD1\x82\xD0\xB0\xD1\x82\xD0\xB0\",\"0\"]]");
    ASSERT_EQ(4u, p.counts.size());
    EXPECT_EQ("1234", p.counts[0]);
    EXPECT_EQ("1", p.counts[1]);
    EXPECT_EQ("5", p.counts[2]);
    EXPECT_EQ("3", p.counts[3]);
}

TEST(SuggestionAnswer, NoArrayPartGivesNothing)
{
    for (const char* answer : { "", "[\"a\",\"1\",\"2\"]", "[[\"a\",\"1\",\"2\"]", "]][[\"a\",\"1\",\"2\"]", "<Not Parsed>" })
    {
        const Parsed p = Parse(answer);
        EXPECT_TRUE(p.suggestions.empty()) << answer;
    }
    CStringArray s, c;
    ParseSuggestionAnswer(nullptr, s, c);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(SuggestionAnswer, OnlyQuotesBeforeTheFirstClosingPairCount)
{
    const Parsed p = Parse("\"x\"[[\"a\",\"1\",\"0\"]],[[\"b\",\"2\",\"0\"]]");
    ASSERT_EQ(1u, p.suggestions.size());
    EXPECT_EQ("a", p.suggestions[0]);
}

TEST(SuggestionAnswer, BackslashIsAnOrdinaryByteAndEscapesNothing)
{
    // The quote after the backslash ends the string; what follows pairs up anew.
    const Parsed p = Parse("[[\"a\\\"b\",\"1\",\"0\"]]");
    ASSERT_EQ(1u, p.suggestions.size());
    EXPECT_EQ("a\\", p.suggestions[0]);
    EXPECT_EQ(",", p.counts[0]);
}

TEST(SuggestionAnswer, LeftoverStringsAtTheFrontAreDropped)
{
    Parsed p = Parse("[[\"lead\",\"a\",\"1\",\"0\",\"b\",\"2\",\"0\"]]");
    ASSERT_EQ(2u, p.suggestions.size());
    EXPECT_EQ("a", p.suggestions[0]);
    EXPECT_EQ("1", p.counts[0]);
    EXPECT_EQ("b", p.suggestions[1]);
    EXPECT_EQ("2", p.counts[1]);

    p = Parse("[[\"x\",\"y\",\"a\",\"1\",\"0\"]]");
    ASSERT_EQ(1u, p.suggestions.size());
    EXPECT_EQ("a", p.suggestions[0]);

    p = Parse("[[\"x\",\"y\"]]");
    EXPECT_TRUE(p.suggestions.empty());
}

TEST(SuggestionAnswer, UnterminatedLastStringIsNotTaken)
{
    CStringArray strings;
    ReadAnswerStrings("[[\"a\",\"1\",\"0\",\"b\",\"2\",\"0]]", strings);
    ASSERT_EQ(5, strings.GetSize());
    EXPECT_EQ("2", strings[4]);
}

TEST(SuggestionAnswer, EmptyStringsStillCountInTriples)
{
    const Parsed p = Parse("[[\"\",\"\",\"\",\"b\",\"7\",\"\"]]");
    ASSERT_EQ(2u, p.suggestions.size());
    EXPECT_EQ("", p.suggestions[0]);
    EXPECT_EQ("b", p.suggestions[1]);
    EXPECT_EQ("7", p.counts[1]);
}

TEST(SuggestionAnswer, LongStringsAreCutTo999BytesAndTheWalkGoesOn)
{
    const std::string longText(1000, 'q');
    const std::string longer(5000, 'r');
    const Parsed p = Parse("[[\"" + longText + "\",\"1\",\"0\",\"" + longer + "\",\"2\",\"0\"]]");
    ASSERT_EQ(2u, p.suggestions.size());
    EXPECT_EQ(CString(std::string(999, 'q').c_str()), p.suggestions[0]);
    EXPECT_EQ(CString(std::string(999, 'r').c_str()), p.suggestions[1]);
    EXPECT_EQ("2", p.counts[1]);

    const std::string exact(999, 's');
    const Parsed q = Parse("[[\"" + exact + "\",\"1\",\"0\"]]");
    ASSERT_EQ(1u, q.suggestions.size());
    EXPECT_EQ(999, q.suggestions[0].GetLength());
}

TEST(SuggestionAnswer, ByteConversionRules)
{
    EXPECT_EQ("\xEC\x61", Convert("\xD0\xBC\xD0\xB0"));                 // ma
    EXPECT_EQ("\xB8\xEB\xEA\x61", Convert("\xD1\x91\xD0\xBB\xD0\xBA\xD0\xB0"));
    EXPECT_EQ("  ", Convert("\xD0\x90\xD0\x91"));                       // capitals -> blanks
    // A three-byte character and a letter: two pairs dropped.
    EXPECT_EQ("xy", Convert("x\xE2\x82\xAC" "a" "y"));
    // '{', '|', '}', '~' each take the next byte with them.
    EXPECT_EQ("z", Convert("{a|b}c~dz"));
    EXPECT_EQ("0 !\x01", Convert("0 !\x01"));
}

TEST(SuggestionAnswer, TwoByteStepsStopAtTheEndOfTheString)
{
    // A lone last lead takes a NUL as its trail (a blank) and reads no further.
    const std::string leadD0 = std::string("ab\xD0") + "XYZ";
    EXPECT_EQ("ab ", ConvertAnswerString(leadD0.data(), 3));
    const std::string leadD1 = std::string("\xD1") + "\x80";
    EXPECT_EQ(" ", ConvertAnswerString(leadD1.data(), 1));
    const std::string dropped = std::string("ab~") + "cd";
    EXPECT_EQ("ab", ConvertAnswerString(dropped.data(), 3));
    // Through the whole parse: the strings end at their quotes.
    const Parsed p = Parse("[[\"k\xD0\",\"1~\",\"0\",\"next\",\"2\",\"0\"]]");
    ASSERT_EQ(2u, p.suggestions.size());
    EXPECT_EQ("k ", p.suggestions[0]);
    EXPECT_EQ("1", p.counts[0]);
    EXPECT_EQ("next", p.suggestions[1]);
}

TEST(SuggestionAnswer, HugeAnswerWithManyTriples)
{
    std::string answer = "[[";
    for (int i = 0; i < 20000; ++i)
        answer += "[\"w" + std::to_string(i) + "\",\"" + std::to_string(i) + " results\",\"0\"],";
    answer += "]]";
    const Parsed p = Parse(answer);
    ASSERT_EQ(20000u, p.suggestions.size());
    EXPECT_EQ("w0", p.suggestions[0]);
    EXPECT_EQ("w19999", p.suggestions[19999]);
    EXPECT_EQ("19999", p.counts[19999]);
}

TEST(SuggestionAnswer, RowsPairKeywordsWithCountsAndMarkBasketLines)
{
    CStringArray suggestions, counts;
    ParseSuggestionAnswer("[[\"car\",\"5 results\",\"0\",\"Car\",\"4\",\"0\",\"car shop\",\"3\",\"0\"]]",
                          suggestions, counts);
    CSuggestionRowArray rows;
    MakeSuggestionRows(suggestions, counts, CBasketIndex("car shop\r\ncar"), rows);
    ASSERT_EQ(3, rows.GetSize());
    EXPECT_EQ("car", rows[0].strKeyword);
    EXPECT_EQ("5", rows[0].strCount);
    EXPECT_TRUE(rows[0].bInBasket);
    EXPECT_FALSE(rows[1].bInBasket);   // only equal up to case
    EXPECT_TRUE(rows[2].bInBasket);

    // Unequal lists give as many rows as the shorter one has.
    counts.RemoveAt(2);
    MakeSuggestionRows(suggestions, counts, CBasketIndex(""), rows);
    ASSERT_EQ(2, rows.GetSize());
    EXPECT_FALSE(rows[0].bInBasket);
}
