#include "afx/StdioFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string.h>
#include <vector>

namespace {
std::vector<CString> ReadAllLines(LPCSTR path, UINT flags = CFile::modeRead)
{
    std::vector<CString> lines;
    CStdioFile file(path, flags);
    CString line;
    while (file.ReadString(line))
        lines.push_back(line);
    return lines;
}
}

TEST(CStdioFile, TextModeWritesCrLfAndReadsItBack)
{
    TempFolder dir;
    {
        CStdioFile file(dir / "t.txt", CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("first\n");
        file.WriteString("\n");
        file.WriteString("third\nlast");
    }
    EXPECT_EQ(CString("first\r\n\r\nthird\r\nlast"), dir.ReadFile("t.txt"));

    std::vector<CString> lines = ReadAllLines(dir / "t.txt");
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ(CString("first"), lines[0]);
    EXPECT_EQ(CString(""), lines[1]);
    EXPECT_EQ(CString("third"), lines[2]);
    EXPECT_EQ(CString("last"), lines[3]);
}

TEST(CStdioFile, ReadingAcceptsLfAndCrLfEndings)
{
    TempFolder dir;
    dir.WriteFile("mixed.txt", "unix\nwindows\r\n\r\n\nlone\rcr\n");
    std::vector<CString> lines = ReadAllLines(dir / "mixed.txt");
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ(CString("unix"), lines[0]);
    EXPECT_EQ(CString("windows"), lines[1]);
    EXPECT_EQ(CString(""), lines[2]);
    EXPECT_EQ(CString(""), lines[3]);
    EXPECT_EQ(CString("lone\rcr"), lines[4]);   // a CR alone is text

    dir.WriteFile("empty.txt", "");
    EXPECT_TRUE(ReadAllLines(dir / "empty.txt").empty());
    dir.WriteFile("one.txt", "\r\n");
    ASSERT_EQ(1u, ReadAllLines(dir / "one.txt").size());
}

TEST(CStdioFile, BinaryModeKeepsBytes)
{
    TempFolder dir;
    {
        CStdioFile file(dir / "b.txt", CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.WriteString("a\nb\r\n");
    }
    EXPECT_EQ(CString("a\nb\r\n"), dir.ReadFile("b.txt"));
    std::vector<CString> lines = ReadAllLines(dir / "b.txt", CFile::modeRead | CFile::typeBinary);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(CString("b\r"), lines[1]);
}

TEST(CStdioFile, LongLinesAndCrLfAcrossTheReadBuffer)
{
    TempFolder dir;
    CString longLine('x', 10000);
    CString text;
    // The CR of this line end falls on the last byte of the first 4 KB block.
    text += CString('a', 4095);
    text += "\r\n";
    text += longLine;
    text += "\r\n";
    text += "\xEF\xF0\xE8\xE2\xE5\xF2";   // "привет" in 1251
    dir.WriteFile("long.txt", text, static_cast<size_t>(text.GetLength()));

    std::vector<CString> lines = ReadAllLines(dir / "long.txt");
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(4095, lines[0].GetLength());
    EXPECT_EQ(longLine, lines[1]);
    EXPECT_EQ(CString("\xEF\xF0\xE8\xE2\xE5\xF2"), lines[2]);
}

TEST(CStdioFile, BufferFormStopsAtLimitAndKeepsLineFeed)
{
    TempFolder dir;
    dir.WriteFile("buf.txt", "abcdefgh\r\nxy\r\nlast");
    CStdioFile file(dir / "buf.txt", CFile::modeRead | CFile::typeText);
    char buffer[6];
    ASSERT_NE(nullptr, file.ReadString(buffer, sizeof buffer));
    EXPECT_STREQ("abcde", buffer);   // at most size - 1 characters
    ASSERT_NE(nullptr, file.ReadString(buffer, sizeof buffer));
    EXPECT_STREQ("fgh\n", buffer);   // the rest of the line, its end as LF
    ASSERT_NE(nullptr, file.ReadString(buffer, sizeof buffer));
    EXPECT_STREQ("xy\n", buffer);
    ASSERT_NE(nullptr, file.ReadString(buffer, sizeof buffer));
    EXPECT_STREQ("last", buffer);
    EXPECT_EQ(nullptr, file.ReadString(buffer, sizeof buffer));
}

TEST(CStdioFile, PositionAndSeekAccountForBuffering)
{
    TempFolder dir;
    CStdioFile file(dir / "p.txt", CFile::modeCreate | CFile::modeReadWrite | CFile::typeText);
    file.WriteString("one\ntwo\n");
    EXPECT_EQ(10u, file.GetPosition());   // raw bytes, CR LF counted as two
    EXPECT_EQ(10u, file.GetLength());
    file.SeekToBegin();
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(CString("one"), line);
    EXPECT_EQ(5u, file.GetPosition());
    // Writing after reading continues where the reader stopped.
    file.WriteString("TWO\n");
    file.Seek(5, CFile::begin);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(CString("TWO"), line);
    EXPECT_FALSE(file.ReadString(line));
    file.Close();
    EXPECT_EQ(CString("one\r\nTWO\r\n"), dir.ReadFile("p.txt"));
}

TEST(CStdioFile, OpenFailureFillsTheException)
{
    TempFolder dir;
    CStdioFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(dir / "none.txt", CFile::modeRead | CFile::typeText, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
}
