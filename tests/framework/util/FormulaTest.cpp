#include "framework/util/Formula.h"

#include <gtest/gtest.h>

#include <malloc.h>
#include <stdlib.h>

TEST(CFormula, ParsesAndBuildsAQuery)
{
    CFormula formula("a.b.c?x=1&y=hello+world");
    ASSERT_EQ(3, formula.GetHostPartCount());
    EXPECT_EQ("a", formula.GetHostPart(0));
    EXPECT_EQ("c", formula.GetHostPart(2));
    EXPECT_EQ("", formula.GetHostPart(3));
    EXPECT_EQ("", formula.GetHostPart(-1));
    EXPECT_EQ("a.b.c", formula.GetHostText());
    EXPECT_EQ("1", formula.GetValue("x"));
    EXPECT_EQ("hello world", formula.GetValue("y"));
    EXPECT_EQ("a.b.c?x=1&y=hello+world", formula.BuildQueryString());

    CFormula hostOnly("www..example.com.");
    EXPECT_EQ(3, hostOnly.GetHostPartCount());
    EXPECT_EQ(0, hostOnly.GetParameterCount());
    EXPECT_EQ("www.example.com", hostOnly.BuildQueryString());

    // A pair without "=" ends the list; an empty name is skipped.
    CFormula cut("h?a=1&=skipped&b");
    EXPECT_EQ(1, cut.GetParameterCount());
    EXPECT_EQ("1", cut.GetValue("a"));
    CFormula empty("h?=1&b=2");
    EXPECT_EQ(1, empty.GetParameterCount());
    EXPECT_EQ("2", empty.GetValue("b"));
}

TEST(CFormula, ReservedCharactersRoundTrip)
{
    EXPECT_EQ("%25+%2B", EncodeUrlValue("% +"));
    EXPECT_EQ("%26%3D%3F%2E%27%22%0A%0D%3C%3Eok", EncodeUrlValue("&=?.'\"\n\r<>ok"));
    // Small Cyrillic letters of code page 1251 are escaped byte by byte;
    // capitals and the rest pass through.
    EXPECT_EQ("%E0%FF%B8\xC0\xA8", EncodeUrlValue("\xE0\xFF\xB8\xC0\xA8"));

    CFormula formula;
    formula.HostPartAt(1) = "example";
    formula.HostPartAt(2) = "com";
    formula.HostPartAt(0) = "www";
    const CString nasty = "50% off & more = \"a.b\"?\r\n<tag> \xEA\xEE\xF2 + 1";
    formula.AddParameter("q w", nasty);
    formula.AddParameter("n", "");
    const CString text = formula.BuildQueryString();
    EXPECT_EQ(-1, text.Find(' '));
    EXPECT_EQ(text.Find('?'), text.ReverseFind('?'));
    CFormula parsed(text);
    EXPECT_EQ("www.example.com", parsed.GetHostText());
    EXPECT_EQ(nasty, parsed.GetValue("q w"));
    EXPECT_EQ(2, parsed.GetParameterCount());
    EXPECT_TRUE(parsed.IsEqual(formula));
}

TEST(CFormula, DecodingStaysInsideTheText)
{
    CString text = "a%41%4";
    DecodeUrlText(text);
    EXPECT_EQ("aA%4", text);
    text = "%";
    DecodeUrlText(text);
    EXPECT_EQ("%", text);
    text = "%e0%zz";
    DecodeUrlText(text);
    EXPECT_EQ("\xE0", CString(text.Left(1)));
    EXPECT_EQ(2, text.GetLength());
    EXPECT_EQ(0, HexDigitValue('0'));
    EXPECT_EQ(15, HexDigitValue('f'));
    EXPECT_EQ(0, HexDigitValue('g'));
}

TEST(CFormula, BytesValues)
{
    const BYTE bytes[] = { 0x00, 0x7F, 0xAB, 0x25 };
    EXPECT_EQ("%00%7F%AB%25", EncodeUrlBytes(bytes, 4));
    CFormula formula("h?b=old&b=older");
    formula.SetBytesValue("b", bytes, 4);
    EXPECT_EQ(1, formula.GetParameterCount());
    BYTE* back = formula.GetBytesValue("b");
    ASSERT_NE(nullptr, back);
    EXPECT_EQ(4u, _msize(back));
    EXPECT_EQ(0, memcmp(bytes, back, 4));
    free(back);
    EXPECT_EQ(nullptr, formula.GetBytesValue("none"));
}

TEST(CFormula, ValuesByName)
{
    CFormula formula("h?id=1&x=a&id=22&y=b&id=-3");
    EXPECT_EQ("22", formula.GetValue("id", 1));
    EXPECT_EQ("", formula.GetValue("id", 3));
    EXPECT_EQ("", formula.GetValue("ID"));
    CArray<int, int> numbers;
    formula.GetIntValues("id", numbers);
    ASSERT_EQ(3, numbers.GetSize());
    EXPECT_EQ(-3, numbers[2]);
    EXPECT_EQ("id", formula.GetNameAt(0));
    EXPECT_EQ("x", formula.GetNameAt(1));
    EXPECT_EQ("y", formula.GetNameAt(2));
    EXPECT_EQ("", formula.GetNameAt(3));

    numbers.RemoveAll();
    numbers.Add(7);
    numbers.Add(8);
    formula.SetIntValues("id", numbers);
    EXPECT_EQ("h?x=a&y=b&id=7&id=8", formula.BuildQueryString());

    CStringArray values;
    values.Add("p");
    formula.SetValues("x", values);
    formula.GetValues("id", values);
    ASSERT_EQ(2, values.GetSize());
    EXPECT_EQ("8", values[1]);

    formula.ValueAt("y") = "changed";
    formula.ValueAt("new") = "added";
    EXPECT_EQ("h?y=changed&id=7&id=8&x=p&new=added", formula.BuildQueryString());
    formula.ValueAt("") = "spare";
    EXPECT_EQ(5, formula.GetParameterCount());
}

TEST(CFormula, DropHostPartsAndCompare)
{
    const CFormula formula("a.b.c?x=1");
    CFormula two = formula.DropHostParts(2);
    EXPECT_EQ("c?x=1", two.BuildQueryString());
    CFormula five = formula.DropHostParts(5);
    EXPECT_EQ("?x=1", five.BuildQueryString());
    CFormula none = formula.DropHostParts(-1);
    EXPECT_EQ("a.b.c?x=1", none.BuildQueryString());
    EXPECT_EQ(3, formula.GetHostPartCount());

    CFormula left("h.com?b=2&a=1&a=0");
    CFormula right("h.com?a=0&a=1&b=2");
    EXPECT_TRUE(left.IsEqual(right));
    EXPECT_EQ("h.com?a=0&a=1&b=2", left.BuildQueryString());
    CFormula otherHost("g.com?a=0&a=1&b=2");
    EXPECT_FALSE(left.IsEqual(otherHost));
    CFormula otherValue("h.com?a=0&a=1&b=3");
    EXPECT_FALSE(left.IsEqual(otherValue));
    CFormula fewer("h.com?a=0&a=1");
    EXPECT_FALSE(left.IsEqual(fewer));

    BSTR wide = left.ToWideString();
    EXPECT_EQ(17u, ::SysStringLen(wide));
    EXPECT_EQ(L'h', wide[0]);
    ::SysFreeString(wide);
}

TEST(CFormula, HeapBlockTextCheckLooksUpToTheLastByteOnly)
{
    EXPECT_FALSE(IsHeapBlockWithoutInnerNul(nullptr));
    char* text = static_cast<char*>(malloc(4));
    memcpy(text, "abc", 4);   // its NUL is the last byte
    EXPECT_TRUE(IsHeapBlockWithoutInnerNul(text));
    text[1] = 0;
    EXPECT_FALSE(IsHeapBlockWithoutInnerNul(text));
    text[1] = 'b';
    text[3] = 'd';   // no NUL at all: still none before the last byte
    EXPECT_TRUE(IsHeapBlockWithoutInnerNul(text));
    free(text);

    // Decoded bytes with a %00 inside are not text.
    BYTE* decoded = DecodeUrlBytes("a%00b");
    EXPECT_FALSE(IsHeapBlockWithoutInnerNul(decoded));
    free(decoded);
    decoded = DecodeUrlBytes("abc%00");
    EXPECT_TRUE(IsHeapBlockWithoutInnerNul(decoded));
    free(decoded);
}
