#include "framework/log/TraceEvent.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
template <class T>
std::unique_ptr<T> Fixed(T* event, int sequence, DWORD thread)
{
    event->m_nSequence = sequence;
    event->m_dwThreadId = thread;
    return std::unique_ptr<T>(event);
}
}

TEST(TraceEvent, LineFormatHasSequenceCodeThreadAndText)
{
    auto e = Fixed(new TraceComment(5, "Log window created"), 12, 0x6a4);
    EXPECT_EQ("000012| 0005  000006a4 Log window created", e->FormatTraceLine());

    // No code: the code column is six blanks.
    auto none = Fixed(new TraceComment(-1, "abc"), 0, 0xabcd);
    EXPECT_EQ("000000|       0000abcd abc", none->FormatTraceLine());
    EXPECT_EQ("", none->GetIdText());

    // A wide code is not cut: the line gets one character wider.
    auto wide = Fixed(new TraceError(12345, "x"), 1, 1);
    EXPECT_EQ("000001| 12345  00000001 x", wide->FormatTraceLine());
    EXPECT_EQ("12345  ", wide->GetIdText());
}

TEST(TraceEvent, SequenceNumbersIncrease)
{
    TraceComment a(-1, "a");
    TraceComment b(-1, "b");
    EXPECT_EQ(a.m_nSequence + 1, b.m_nSequence);
    EXPECT_EQ(GetCurrentThreadId(), a.m_dwThreadId);
}

TEST(TraceEvent, ColoursByKind)
{
    EXPECT_EQ(RGB(0, 0x80, 0), TraceComment(-1, "").GetColor());
    EXPECT_EQ(RGB(0xFF, 0, 0xFF), TraceNote(-1, "").GetColor());
    EXPECT_EQ(RGB(0x80, 0, 0), TraceError(-1, "").GetColor());
    EXPECT_EQ(RGB(0, 0, 0x80), TraceData(-1, "").GetColor());
    EXPECT_EQ(0x000080u, TraceFormatMessage(-1, 2).GetColor());
}

TEST(TraceData, TextViewEscapesEveryByteClass)
{
    EXPECT_EQ("a\\\"b", TraceData(-1, "a\"b").GetText());
    EXPECT_EQ("\\a\\b\\t\\n\\v\\f\\r\\\\", TraceData(-1, "\a\b\t\n\v\f\r\\").GetText());
    EXPECT_EQ("\\x01\\x1f\\x7f\\xe0~ ", TraceData(-1, "\x01\x1f\x7f\xe0~ ").GetText());
    // An embedded zero ends the text view.
    EXPECT_EQ("ab", TraceData(-1, CString("ab\0cd", 5)).GetText());
    EXPECT_EQ("", TraceData(-1, (LPCSTR)nullptr).GetText());
}

TEST(TraceData, HexViewShowsEveryByte)
{
    const unsigned char block[] = { 0x00, 0x41, 0xFF };
    TraceData hex(-1, block, 3);
    EXPECT_EQ("00 41 ff ", hex.GetText());
    EXPECT_EQ(1, hex.m_bHex);
    EXPECT_EQ("", TraceData(-1, block, 0).GetText());
}

TEST(TraceFormat, FormattedKindsAreBoundedAt2047Characters)
{
    TraceFormatComment c(-1, "%d-%s", 7, "x");
    EXPECT_EQ("7-x", c.GetText());
    CString big('q', 5000);
    TraceFormatError e(-1, "%s", (LPCTSTR)big);
    EXPECT_EQ(2047, e.GetText().GetLength());
}

TEST(TraceFormatMessage, SystemTextKeepsOnlyItsFirstLine)
{
    TraceFormatMessage m(-1, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(m.GetText().IsEmpty());
    EXPECT_EQ(-1, m.GetText().Find('\r'));
    EXPECT_EQ(-1, m.GetText().Find('\n'));
}

TEST(TraceFormatMessage, ProgramTextsAndTheUnknownFallback)
{
    // 10061 is a socket error: whichever text wins, it names the refusal.
    TraceFormatMessage socketError(-1, 10061);
    EXPECT_FALSE(socketError.GetText().IsEmpty());

    // Unknown to the system and above the 16-bit string ids: the fallback,
    // never the string whose id the low 16 bits would name.
    TraceFormatMessage unknown(-1, 70000);
    EXPECT_EQ("Unknown error 70000 (0x00011170)", unknown.GetText());
}
