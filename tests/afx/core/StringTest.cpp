#include "afx/String.h"
#include "afx/Exception.h"
#include "afx/OleException.h"

#include <gtest/gtest.h>

#include <string>

TEST(CString, EmptyStringsAreValidEverywhere)
{
    CString s;
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_STREQ("", (LPCTSTR)s);
    EXPECT_EQ(-1, s.Find('a'));
    EXPECT_EQ(-1, s.Find("a"));
    EXPECT_EQ(0, s.Find(""));
    EXPECT_EQ(-1, s.ReverseFind('a'));
    EXPECT_EQ("", s.Left(5));
    EXPECT_EQ("", s.Mid(3));
    EXPECT_EQ("", s.Right(2));
    EXPECT_EQ(0, s.Replace("a", "b"));
    s.Trim();
    s.MakeUpper();
    EXPECT_TRUE(s.IsEmpty());
    CString fromNull((LPCSTR)nullptr);
    EXPECT_TRUE(fromNull.IsEmpty());
}

TEST(CString, PiecesClampTheirArguments)
{
    CString s("keyword");
    EXPECT_EQ("key", s.Left(3));
    EXPECT_EQ("keyword", s.Left(100));
    EXPECT_EQ("", s.Left(-1));
    EXPECT_EQ("word", s.Mid(3));
    EXPECT_EQ("wo", s.Mid(3, 2));
    EXPECT_EQ("keyword", s.Mid(-4));
    EXPECT_EQ("", s.Mid(50));
    EXPECT_EQ("ord", s.Right(3));
    EXPECT_EQ("keyword", s.Right(30));
}

TEST(CString, FindAndReverseFind)
{
    CString s("a,b,,c");
    EXPECT_EQ(1, s.Find(','));
    EXPECT_EQ(3, s.Find(',', 2));
    EXPECT_EQ(-1, s.Find(',', 99));
    EXPECT_EQ(-1, s.Find(',', -1));
    EXPECT_EQ(4, s.ReverseFind(','));
    EXPECT_EQ(3, s.Find(",,"));
    EXPECT_EQ(1, s.FindOneOf(",c"));
    EXPECT_EQ(-1, s.FindOneOf("xyz"));
}

TEST(CString, ReplaceIsLeftToRightAndNonOverlapping)
{
    CString s("aaa");
    EXPECT_EQ(1, s.Replace("aa", "b"));
    EXPECT_EQ("ba", s);

    CString grow("a.b.c");
    EXPECT_EQ(2, grow.Replace(".", "::"));
    EXPECT_EQ("a::b::c", grow);

    CString self("abab");
    EXPECT_EQ(2, self.Replace("ab", "abab"));   // replacement holds the pattern
    EXPECT_EQ("abababab", self);

    CString erase("x--y--");
    EXPECT_EQ(2, erase.Replace("--", nullptr));
    EXPECT_EQ("xy", erase);

    CString chars("a-b-c");
    EXPECT_EQ(2, chars.Replace('-', '+'));
    EXPECT_EQ("a+b+c", chars);
    EXPECT_EQ(2, chars.Remove('+'));
    EXPECT_EQ("abc", chars);
}

TEST(CString, InsertDeleteAndTrim)
{
    CString s("held");
    EXPECT_EQ(5, s.Insert(2, 'l'));
    EXPECT_EQ("helld", s);
    s.Insert(100, "!!");
    EXPECT_EQ("helld!!", s);
    EXPECT_EQ(4, s.Delete(3, 3));
    EXPECT_EQ("hel!", s);
    EXPECT_EQ(4, s.Delete(10, 2));
    EXPECT_EQ(3, s.Delete(3, 100));

    CString t(" \t padded \r\n");
    t.Trim();
    EXPECT_EQ("padded", t);
    CString u("xxaxx");
    EXPECT_EQ("axx", CString(u).TrimLeft('x'));
    EXPECT_EQ("xxa", CString(u).TrimRight('x'));
    EXPECT_EQ("b", CString("-=b=-").Trim("-="));
}

TEST(CString, CaseMappingFollowsCodePage1251)
{
    CString s("Keyword \xC0\xC1\xC2\xA8");     // "АБВЁ"
    s.MakeLower();
    EXPECT_EQ(CString("keyword \xE0\xE1\xE2\xB8"), s);
    s.MakeUpper();
    EXPECT_EQ(CString("KEYWORD \xC0\xC1\xC2\xA8"), s);
    EXPECT_EQ(0, CString("\xB8\xEB\xEA\xE0").CompareNoCase("\xA8\xCB\xCA\xC0"));   // ёлка / ЁЛКА
}

TEST(CString, CompareIsUnsignedByteOrder)
{
    // Cyrillic bytes sort above ASCII; signed char compares would invert that.
    EXPECT_LT(CString("z").Compare("\xE0"), 0);
    EXPECT_GT(CString("\xE0").Compare("z"), 0);
    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_TRUE(CString("ab") < "abc");
    EXPECT_TRUE("abc" == CString("abc"));
    EXPECT_TRUE(CString("a") != "b");
}

TEST(CString, FormatHandlesLongOutputAndAppends)
{
    CString s;
    s.Format("%d|%s|%05.1f", -42, "x", 3.14159);
    EXPECT_EQ("-42|x|003.1", s);

    std::string big(100000, 'q');
    s.Format("<%s>", big.c_str());
    EXPECT_EQ(100002, s.GetLength());
    EXPECT_EQ('>', s[s.GetLength() - 1]);

    s.Format("%06d| ", 7);
    s.AppendFormat("%08x ", 0xBEEFu);
    EXPECT_EQ("000007| 0000beef ", s);
}

TEST(CString, TokenizeWalksTokensAndEndsWithMinusOne)
{
    CString s("  one, two,,three ");
    int pos = 0;
    EXPECT_EQ("one", s.Tokenize(" ,", pos));
    EXPECT_EQ("two", s.Tokenize(" ,", pos));
    EXPECT_EQ("three", s.Tokenize(" ,", pos));
    EXPECT_EQ("", s.Tokenize(" ,", pos));
    EXPECT_EQ(-1, pos);
}

TEST(CString, SpanIncludingAndExcluding)
{
    CString s("123abc");
    EXPECT_EQ("123", s.SpanIncluding("0123456789"));
    EXPECT_EQ("123", s.SpanExcluding("abc"));
}

TEST(CString, BufferAccessSetsTheLength)
{
    CString s;
    char* p = s.GetBuffer(10);
    strcpy(p, "abc");
    s.ReleaseBuffer();
    EXPECT_EQ(3, s.GetLength());
    p = s.GetBufferSetLength(5);
    memcpy(p, "12345", 5);
    s.ReleaseBuffer(4);
    EXPECT_EQ("1234", s);

    // A buffer filled to its end without a NUL never yields a longer string.
    CString full;
    p = full.GetBuffer(4);
    int capacity = full.GetAllocLength();
    memset(p, 'z', capacity + 1);
    full.ReleaseBuffer();
    EXPECT_LE(full.GetLength(), capacity);
}

TEST(CString, AppendingToItselfAndGrowingStaysCorrect)
{
    CString s("ab");
    for (int i = 0; i < 10; ++i)
        s += s;
    EXPECT_EQ(2048, s.GetLength());
    EXPECT_EQ("abab", s.Left(4));

    CString line;
    for (int i = 0; i < 200000; ++i)
        line += 'x';
    EXPECT_EQ(200000, line.GetLength());
}

TEST(CString, CopiesAreIndependent)
{
    CString a("one");
    CString b = a;
    b.SetAt(0, 'O');
    EXPECT_EQ("one", a);
    EXPECT_EQ("One", b);
    CString c = std::move(b);
    EXPECT_EQ("One", c);
    EXPECT_TRUE(b.IsEmpty());
}

TEST(CString, OutOfRangeAccessThrows)
{
    CString s("ab");
    EXPECT_EQ(0, s.GetAt(2));   // the terminating NUL is readable
    try {
        s.SetAt(2, 'x');
        FAIL() << "no exception";
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
        e->Delete();
    }
}

TEST(CString, ThrownAsAnErrorText)
{
    try {
        throw CString("Error writing to file");
    } catch (const CString& text) {
        EXPECT_EQ("Error writing to file", text);
    }
}

TEST(CString, WideTextIsConvertedWithTheAnsiCodePage)
{
    CString s(L"\x043F\x0440\x0438");   // "при"
    EXPECT_EQ(CString("\xEF\xF0\xE8"), s);
}

TEST(CObject, DynamicDowncastFollowsTheClassTree)
{
    CMemoryException memory;
    CObject* object = &memory;
    EXPECT_EQ(&memory, DYNAMIC_DOWNCAST(CException, object));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CInvalidArgException, object));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CException, (CObject*)nullptr));
}

TEST(COleException, CarriesItsStatusAndExplainsIt)
{
    try {
        AfxThrowOleException(E_INVALIDARG);
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(COleException)));
        EXPECT_EQ(E_INVALIDARG, COleException::Process(e));
        char text[256];
        EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
        EXPECT_NE(0, text[0]);
        EXPECT_EQ(-1, CString(text).Find('\n'));
        e->Delete();
    }
    CMemoryException memory;
    EXPECT_EQ(E_OUTOFMEMORY, COleException::Process(&memory));
    COleException unknown(static_cast<SCODE>(0x80047777));
    char text[64];
    ASSERT_TRUE(unknown.GetErrorMessage(text, sizeof text));
    EXPECT_STREQ("OLE error 0x80047777", text);
}
