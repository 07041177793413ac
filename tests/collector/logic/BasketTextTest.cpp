#include "collector/BasketText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace
{
std::vector<CString> Lines(std::initializer_list<const char*> items)
{
    std::vector<CString> lines;
    for (const char* item : items)
        lines.emplace_back(item);
    return lines;
}

std::vector<CString> ToVector(const CStringArray& array)
{
    return std::vector<CString>(array.GetData(), array.GetData() + array.GetSize());
}

CStringArray ToArray(const std::vector<CString>& lines)
{
    CStringArray array;
    for (const CString& line : lines)
        array.Add(line);
    return array;
}

std::vector<CString> Split(const char* text)
{
    CStringArray lines;
    CBasketText::SplitBasketText(text, lines);
    return ToVector(lines);
}

// The rules written out step by step, as slowly as they read: the fast
// versions must give exactly these lines.
std::vector<CString> ReferenceSplit(const CString& input)
{
    CString text(input);
    text.Replace('\r', '\n');
    text.Replace('\t', ' ');
    for (int i = 0; i < 5; ++i)
        text.Replace("  ", " ");
    for (int i = 0; i < 3; ++i)
        text.Replace("\n\n", "\n");
    std::vector<CString> lines;
    int start = 0;
    for (;;)
    {
        const int lf = text.Find('\n', start);
        const CString line = lf < 0 ? text.Mid(start) : text.Mid(start, lf - start);
        if (!line.IsEmpty())
            lines.push_back(line);
        if (lf < 0)
            break;
        start = lf + 1;
    }
    return lines;
}

void ReferenceSort(std::vector<CString>& lines)
{
    for (size_t i = 0; i < lines.size(); ++i)
        for (size_t j = i + 1; j < lines.size(); ++j)
            if (lines[i].Compare(lines[j]) > 0)
                std::swap(lines[i], lines[j]);
}

void ReferenceDedupe(std::vector<CString>& lines)
{
    for (size_t i = 0; i < lines.size(); ++i)
        for (size_t j = i + 1; j < lines.size();)
            if (lines[j] == lines[i])
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(j));
            else
                ++j;
}
}

TEST(BasketText, AddPutsTheKeywordFirstThenArrangesByTheOptions)
{
    CStringArray lines;
    EXPECT_EQ("a\r\nb", CBasketText(TRUE, TRUE).AddToBasket("a", "b", lines));
    EXPECT_EQ(Lines({ "a", "b" }), ToVector(lines));
    EXPECT_EQ("b\r\na", CBasketText(FALSE, FALSE).AddToBasket("a", "b", lines));
    EXPECT_EQ("a", CBasketText(TRUE, TRUE).AddToBasket("", "a", lines));
    // Already there, de-duplication on and sorting off: it moves to the front.
    EXPECT_EQ("b\r\na\r\nc", CBasketText(FALSE, TRUE).AddToBasket("a\r\nb\r\nc", "b", lines));
    // Both options off: duplicates stand.
    EXPECT_EQ("b\r\na\r\nb", CBasketText(FALSE, FALSE).AddToBasket("a\r\nb", "b", lines));
    // Sorting keeps duplicates unless de-duplication is on.
    EXPECT_EQ("a\r\nb\r\nb", CBasketText(TRUE, FALSE).AddToBasket("b\r\na", "b", lines));
    EXPECT_EQ(Lines({ "a", "b", "b" }), ToVector(lines));
}

TEST(BasketText, RemoveTakesEveryEqualLineAndOnlyEqualLines)
{
    CStringArray lines;
    const CBasketText plain(FALSE, FALSE);
    EXPECT_EQ("a\r\nB\r\nbb", plain.RemoveFromBasket("b\r\na\r\nb\r\nB\r\nbb\r\nb", "b", lines));
    EXPECT_EQ(Lines({ "a", "B", "bb" }), ToVector(lines));
    EXPECT_EQ("", plain.RemoveFromBasket("b", "b", lines));
    EXPECT_TRUE(lines.IsEmpty());
    EXPECT_EQ("", plain.RemoveFromBasket("", "b", lines));
    // Removing what is not there still normalises and arranges.
    EXPECT_EQ("a\r\nc", CBasketText(TRUE, TRUE).RemoveFromBasket("c\n\na\r\nc", "x", lines));
}

TEST(BasketText, NormalisationOfHandEditedText)
{
    EXPECT_EQ(Lines({ "a b", "c", "d" }), Split("a\t \t b\r\rc\r\n\r\n\r\n\nd\n"));
    EXPECT_EQ(Lines({ " " }), Split(" "));
    EXPECT_EQ(Lines({ " x ", " " }), Split("  x  \r\n\t"));
    EXPECT_TRUE(Split("").empty());
    EXPECT_TRUE(Split("\r\n\r\n\n\r").empty());
    EXPECT_TRUE(Split(nullptr).empty());
    // Runs of blanks shrink to one per 32.
    EXPECT_EQ(Lines({ "a b" }), Split(("a" + std::string(32, ' ') + "b").c_str()));
    EXPECT_EQ(Lines({ "a  b" }), Split(("a" + std::string(33, ' ') + "b").c_str()));
    // A long line is kept whole.
    const std::string longLine(3000, 'k');
    const std::vector<CString> lines = Split(longLine.c_str());
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(3000, lines[0].GetLength());
}

TEST(BasketText, SplitMatchesTheStepByStepRulesOnRandomText)
{
    std::mt19937 random(7);
    const char alphabet[] = { ' ', ' ', '\t', '\r', '\n', 'a', 'b', '\xE0', '\xB8' };
    for (int round = 0; round < 300; ++round)
    {
        std::string text;
        const int length = static_cast<int>(random() % 200);
        for (int i = 0; i < length; ++i)
        {
            const char ch = alphabet[random() % sizeof alphabet];
            // Long runs make the step-by-step shrinking show its limits.
            const int repeat = random() % 8 == 0 ? static_cast<int>(random() % 70) : 1;
            text.append(static_cast<size_t>(repeat), ch);
        }
        EXPECT_EQ(ReferenceSplit(text.c_str()), Split(text.c_str())) << round;
    }
}

TEST(BasketText, SortIsByteWiseUnsigned)
{
    CStringArray lines = ToArray(Lines({ "\xE0", "b", "\xB8", "B", "a", "A", "\xC0", "ab", "a" }));
    CBasketText::SortLines(lines);
    EXPECT_EQ(Lines({ "A", "B", "a", "a", "ab", "b", "\xB8", "\xC0", "\xE0" }), ToVector(lines));
}

TEST(BasketText, DedupeKeepsFirstOccurrencesInPlace)
{
    CStringArray lines = ToArray(Lines({ "c", "a", "c", "A", "a", "b", "c" }));
    CBasketText::DedupeLines(lines);
    EXPECT_EQ(Lines({ "c", "a", "A", "b" }), ToVector(lines));
}

TEST(BasketText, SortAndDedupeMatchTheQuadraticRulesOnRandomLines)
{
    std::mt19937 random(11);
    const char* words[] = { "a", "b", "A", "ab", "a b", "\xE0\xE1", "\xB8", " ", "ba", "\xE0" };
    for (int round = 0; round < 200; ++round)
    {
        std::vector<CString> lines;
        const int count = static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i)
            lines.emplace_back(words[random() % (sizeof words / sizeof words[0])]);
        for (int options = 0; options < 4; ++options)
        {
            CStringArray fast = ToArray(lines);
            std::vector<CString> slow = lines;
            if (options & 1)
            {
                CBasketText::SortLines(fast);
                ReferenceSort(slow);
            }
            if (options & 2)
            {
                CBasketText::DedupeLines(fast);
                ReferenceDedupe(slow);
            }
            EXPECT_EQ(slow, ToVector(fast)) << round << " " << options;
        }
    }
}

TEST(BasketText, JoinAndKeywordSplit)
{
    EXPECT_EQ("", CBasketText::JoinLines(CStringArray()));
    EXPECT_EQ("a", CBasketText::JoinLines(ToArray(Lines({ "a" }))));
    EXPECT_EQ("a\r\n \r\nb", CBasketText::JoinLines(ToArray(Lines({ "a", " ", "b" }))));

    // A loaded file is taken as it stands: only CR LF separates.
    CStringArray keywords;
    CBasketText::SplitKeywords("a\r\n\r\nb\nc\r\n  \r\n", keywords);
    EXPECT_EQ(Lines({ "a", "b\nc", "  " }), ToVector(keywords));
}

TEST(BasketIndex, ExactByteWiseMembership)
{
    const CBasketIndex index("car\r\n\xEC\x61\xF8\xE8\xED\x61\r\n  x\t\r\nshop");
    EXPECT_TRUE(index.IsInBasket("car"));
    EXPECT_TRUE(index.IsInBasket("\xEC\x61\xF8\xE8\xED\x61"));
    EXPECT_TRUE(index.IsInBasket("shop"));
    EXPECT_TRUE(index.IsInBasket(" x "));   // normalised like the Basket
    EXPECT_FALSE(index.IsInBasket("Car"));
    EXPECT_FALSE(index.IsInBasket("\xCC\x61\xF8\xE8\xED\x61"));
    EXPECT_FALSE(index.IsInBasket("ca"));
    EXPECT_FALSE(index.IsInBasket(""));
    EXPECT_FALSE(CBasketIndex("").IsInBasket("car"));
}

TEST(BasketText, NulBytesLeaveTheirLinesAndNoLineIsLost)
{
    // The file that lost three lines to the box: the bytes go, the lines stay.
    CString text("alpha\r\nbeta\0\0gamma\r\ndelta\r\nomega", 32);
    ASSERT_TRUE(CBasketText::DropNulBytes(text));
    EXPECT_EQ("alpha\r\nbetagamma\r\ndelta\r\nomega", text);
    EXPECT_EQ(30, text.GetLength());
    CStringArray lines;
    EXPECT_EQ("alpha\r\nbetagamma\r\ndelta\r\nomega\r\nzeta", CBasketText(TRUE, TRUE).AddToBasket(text, "zeta", lines));

    CString leading("\0a\0", 3);
    EXPECT_TRUE(CBasketText::DropNulBytes(leading));
    EXPECT_EQ("a", leading);
    CString plain("a\r\nb");
    EXPECT_FALSE(CBasketText::DropNulBytes(plain));
    EXPECT_EQ("a\r\nb", plain);
}

TEST(BasketText, SplitTextLinesCutsAtLineFeeds)
{
    auto split = [](const char* text) {
        CStringArray lines;
        lines.Add("left over");   // the array is emptied first
        SplitTextLines(text, lines);
        return ToVector(lines);
    };
    EXPECT_EQ(Lines({ "a b", "c" }), split("a b\r\nc"));
    // An LF right at a line's start is no cut: it joins the next line.
    EXPECT_EQ(Lines({ "a", "b" }), split("a\n\nb"));
    EXPECT_EQ(Lines({ "a", "b c" }), split("a\n\r\nb c\n"));
    // Only the last line loses its blanks.
    EXPECT_EQ(Lines({ " a ", "bc" }), split(" a \n b c "));
    EXPECT_EQ(Lines({ "x" }), split("\nx"));
    EXPECT_TRUE(split("").empty());
    EXPECT_TRUE(split("   ").empty());
    EXPECT_TRUE(split("\n").empty());
    EXPECT_TRUE(split(nullptr).empty());
}

TEST(BasketText, ArrangedLinesChangeAsTheirWholeTextWould)
{
    // Random Baskets under every option, keywords with line ends, tabs and
    // blank runs among them: where the lines are arranged, working on them
    // gives exactly the lines the rules give for the joined text.
    std::mt19937 random(23);
    const char* words[] = { "a", "b", "A", "ab", "a b", "\xE0\xE1", "\xB8", " ", "ba", "\xE0", "a  b", "a\tb" };
    const char* keywords[] = { "a", "ab", "zz", " ", "", "a\r\nb", "b\r\nb", "  x", "\xE0", "a b\tc", "b\nzz" };
    int arranged = 0;
    for (int round = 0; round < 400; ++round)
    {
        std::vector<CString> start;
        const int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i)
            start.emplace_back(words[random() % (sizeof words / sizeof words[0])]);
        const CBasketText rules(random() % 2, random() % 2);
        CStringArray lines = ToArray(start);
        // Half the rounds start from what the rules made of the lines.
        if (round % 2)
            rules.AddToBasket(CBasketText::JoinLines(ToArray(start)), "", lines);
        if (!rules.IsArranged(lines))
            continue;
        ++arranged;
        const CString text = CBasketText::JoinLines(lines);
        const char* keyword = keywords[random() % (sizeof keywords / sizeof keywords[0])];

        CStringArray expected;
        rules.AddToBasket(text, keyword, expected);
        CStringArray fast = ToArray(ToVector(lines));
        rules.AddToArranged(fast, keyword);
        EXPECT_EQ(ToVector(expected), ToVector(fast)) << round << " add " << keyword;
        EXPECT_TRUE(rules.IsArranged(fast) || CString(keyword).Find("  ") >= 0) << round;

        rules.RemoveFromBasket(text, keyword, expected);
        fast = ToArray(ToVector(lines));
        rules.RemoveFromArranged(fast, keyword);
        EXPECT_EQ(ToVector(expected), ToVector(fast)) << round << " remove " << keyword;
    }
    EXPECT_LT(100, arranged);
}

TEST(BasketText, WhatTheRulesWouldStillChangeIsNotArranged)
{
    const CBasketText sorted(TRUE, TRUE);
    EXPECT_TRUE(sorted.IsArranged(ToArray(Lines({ " ", "a", "b" }))));
    EXPECT_TRUE(sorted.IsArranged(CStringArray()));
    EXPECT_FALSE(sorted.IsArranged(ToArray(Lines({ "b", "a" }))));
    EXPECT_FALSE(sorted.IsArranged(ToArray(Lines({ "a", "a" }))));
    EXPECT_TRUE(CBasketText(TRUE, FALSE).IsArranged(ToArray(Lines({ "a", "a" }))));
    EXPECT_FALSE(CBasketText(FALSE, TRUE).IsArranged(ToArray(Lines({ "b", "a", "b" }))));
    EXPECT_TRUE(CBasketText(FALSE, TRUE).IsArranged(ToArray(Lines({ "b", "a" }))));
    // Lines a split would still change: empty, with a tab, a line end or two blanks.
    for (const char* line : { "", "a\tb", "a\r", "a\nb", "a  b" })
        EXPECT_FALSE(CBasketText(FALSE, FALSE).IsArranged(ToArray(Lines({ line })))) << line;
    EXPECT_TRUE(CBasketText(FALSE, FALSE).IsArranged(ToArray(Lines({ " ", " a b " }))));
}
