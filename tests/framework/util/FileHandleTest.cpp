#include "framework/util/FileHandle.h"
#include "afx/Exception.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The text a call throws, or a marker when it throws nothing.
template <class F>
std::string Thrown(F call)
{
    try
    {
        call();
    }
    catch (const CString& text)
    {
        return std::string(text);
    }
    return "(nothing thrown)";
}

// Scrambling is off in the program; this face turns it on for the tests.
class CScrambledFile : public CFileHandle
{
public:
    explicit CScrambledFile(const CString& path) : CFileHandle(path) { m_bScramble = TRUE; }
};

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}
}

TEST(CFileHandle, RecordsHaveTheirExactBytes)
{
    CScratchFolder folder;
    const CString path = folder.File("records.bin");
    {
        CFileHandle file(path);
        file.OpenWrite();
        file.WriteString("abc");
        file.WriteByte(0xFE);
        file.WriteInt(-2);
        file.WriteInt(0x01020304);
        file.WriteText("xy");
        file.WriteText("");
        const BYTE block[] = { 0, 1, 2 };
        file.WriteBlock(block, 3);
        file.WriteString("");
        file.Close();
    }
    const std::string expected = Bytes({ 0x73, 3, 0, 0, 0, 'a', 'b', 'c', 0xFE,
                                         0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1, 'x', 'y', 0, 1, 2,
                                         0x73, 0, 0, 0, 0 });
    EXPECT_EQ(expected, ReadBytes(path));

    CFileHandle file(path);
    EXPECT_EQ(expected.size(), file.OpenRead());
    EXPECT_EQ("abc", file.ReadString());
    EXPECT_EQ(0xFE, file.ReadByte());
    EXPECT_EQ(-2, file.ReadInt());
    EXPECT_EQ(0x01020304, file.ReadInt());
    BYTE rest[5] = {};
    file.ReadBlock(rest, 5);
    EXPECT_EQ(0, memcmp("xy\0\1\2", rest, 5));
    EXPECT_EQ("", file.ReadString());
    EXPECT_TRUE(file.IsEnd());
}

TEST(CFileHandle, StringRecordLengthsAreBoundedWhenRead)
{
    CScratchFolder folder;
    const CString path = folder.File("strings.bin");
    {
        CFileHandle file(path);
        file.OpenWrite();
        file.WriteString(CString('x', 10000));
        file.WriteString(CString('y', 10001));   // written without complaint
        file.Close();
    }
    {
        CFileHandle file(path);
        file.OpenRead();
        EXPECT_EQ(CString('x', 10000) == file.ReadString(), true);
        EXPECT_EQ("File corrupted or unsupported format", Thrown([&] { file.ReadString(); }));
    }

    // Zero and negative lengths read as empty and take only the 5 header bytes;
    // a zero byte among the characters ends the string.
    WriteBytes(path, Bytes({ 0x73, 0, 0, 0, 0, 0x73, 0xFF, 0xFF, 0xFF, 0xFF,
                             0x73, 3, 0, 0, 0, 'a', 0, 'b', 0x41 }));
    CFileHandle again(path);
    again.OpenRead();
    EXPECT_EQ("", again.ReadString());
    EXPECT_EQ("", again.ReadString());
    EXPECT_EQ("a", again.ReadString());
    EXPECT_EQ("File corrupted or unsupported format", Thrown([&] { again.ReadString(); }));
}

TEST(CFileHandle, DateRecordIsYearMonthDayOfLocalDate)
{
    CScratchFolder folder;
    const CString path = folder.File("date.bin");
    struct tm noon = {};
    noon.tm_year = 2008 - 1900;
    noon.tm_mon = 11;
    noon.tm_mday = 31;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const __time64_t time = _mktime64(&noon);
    {
        CFileHandle file(path);
        file.OpenWrite();
        file.WriteDate(time);
        file.Close();
    }
    const int value = 2008 * 10000 + 12 * 100 + 31;
    EXPECT_EQ(Bytes({ 0x74, value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF, value >> 24 }),
              ReadBytes(path));

    {
        CFileHandle file(path);
        file.OpenRead();
        struct tm midnight = noon;
        midnight.tm_hour = 0;
        midnight.tm_isdst = -1;
        EXPECT_EQ(_mktime64(&midnight), file.ReadDate());
    }

    // Month 0 is no date.
    const int bad = 1900 * 10000 + 0 * 100 + 1;
    WriteBytes(path, Bytes({ 0x74, bad & 0xFF, (bad >> 8) & 0xFF, (bad >> 16) & 0xFF, bad >> 24, 's' }));
    CFileHandle badFile(path);
    badFile.OpenRead();
    bool raised = false;
    try
    {
        badFile.ReadDate();
    }
    catch (CException* e)
    {
        raised = true;
        e->Delete();
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ("Invalid file format: " + std::string(path), Thrown([&] { badFile.ReadDate(); }));
}

TEST(CFileHandle, FailuresThrowTheirTexts)
{
    CScratchFolder folder;
    const CString missing = folder.File("missing.txt");
    const std::string path(missing);

    EXPECT_EQ("Empty file path", Thrown([] { CFileHandle file(""); }));

    CFileHandle file(missing);
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ("Can't open file " + path, Thrown([&] { file.OpenRead(); }));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ("Attemt to write closed file", Thrown([&] { file.WriteByte(1); }));
    EXPECT_EQ("Attemt to write closed file", Thrown([&] { file.WriteString("a"); }));
    EXPECT_EQ("Attempt to write closed file", Thrown([&] { file.WriteBlock("a", 1); }));
    EXPECT_EQ("Attemt to read closed file", Thrown([&] { file.ReadByte(); }));
    EXPECT_EQ("Attemt to read closed file", Thrown([&] { file.ReadString(); }));
    EXPECT_EQ("Attempt to seek closed file " + path, Thrown([&] { file.ReadAllText(); }));
    EXPECT_EQ("Attempt to seek closed file " + path, Thrown([&] { file.ReadLines(1); }));
    EXPECT_EQ("Attempt to get size of closed file", Thrown([&] { file.GetSize(); }));
    EXPECT_EQ("Attempt to close closed file", Thrown([&] { file.Close(); }));
    EXPECT_EQ("Can't delete file: " + path, Thrown([&] { file.Delete(); }));

    file.OpenWrite();
    EXPECT_EQ("Attempt to open busy file " + path, Thrown([&] { file.OpenRead(); }));
    EXPECT_TRUE(file.IsOpen());
    file.WriteText("abc");
    EXPECT_EQ("Can't create file " + path, Thrown([&] { CFileHandle(missing).CreateNew(); }));
    file.Close();
    EXPECT_EQ("Attempt to close closed file", Thrown([&] { file.Close(); }));
    EXPECT_TRUE(file.Exists());

    // A file another writer holds refuses every open for writing.
    {
        CFileHandle writer(missing);
        writer.OpenWriteAlways();
        EXPECT_EQ("Can't open file " + path, Thrown([&] { file.OpenWrite(); }));
        EXPECT_EQ("Can't open file " + path, Thrown([&] { file.OpenAppend(); }));
        EXPECT_EQ("Can't open file " + path, Thrown([&] { file.OpenRead(); }));
        EXPECT_FALSE(file.IsOpen());
    }

    // Reading past the end: the counter stays where the last full read left it.
    // Opening keeps the counter (the refused write moved it too); a seek sets it.
    file.OpenRead();
    EXPECT_EQ(133, file.GetPercent());
    file.SeekTo(0);
    file.ReadByte();
    EXPECT_EQ(33, file.GetPercent());
    EXPECT_EQ("Error reading from file", Thrown([&] { file.ReadInt(); }));
    EXPECT_EQ(33, file.GetPercent());
    file.Close();
    file.Delete();
    EXPECT_FALSE(file.Exists());
}

TEST(CFileHandle, AppendAndOverwriteInPlace)
{
    CScratchFolder folder;
    const CString path = WriteBytes(folder.File("a.txt"), "hello");
    CFileHandle file(path);
    file.OpenAppend();
    file.WriteText(" world");
    file.Close();
    EXPECT_EQ("hello world", ReadBytes(path));

    file.OpenWriteAlways();
    file.WriteText("J");
    file.Close();
    EXPECT_EQ("Jello world", ReadBytes(path));

    file.OpenRead();
    file.Seek(-5, TRUE);
    EXPECT_EQ('w', file.ReadByte());
    file.SeekToEnd();
    EXPECT_TRUE(file.IsEnd());
    EXPECT_EQ(11u, file.GetSize());
}

TEST(CFileHandle, WholeFileText)
{
    CScratchFolder folder;
    const CString path = folder.File("text.txt");
    CFileHandle file(path);
    file.OpenWrite();
    file.WriteText("");
    file.Close();
    EXPECT_EQ("", ReadBytes(path));
    file.OpenRead();
    EXPECT_EQ("", file.ReadAllText());
    file.Close();

    WriteBytes(path, std::string("before\0after", 12));
    file.OpenRead();
    EXPECT_EQ("before", file.ReadAllText());
    char* raw = file.ReadAllRaw();
    EXPECT_EQ(0, memcmp("before\0after\0", raw, 13));
    delete[] raw;
}

TEST(CFileHandle, LoadLinesKeepsAnUnterminatedLastLine)
{
    CScratchFolder folder;
    const CString path = folder.File("lines.txt");
    struct Case
    {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        { "a\r\nb", { "a", "b" } },
        { "a\r\nb\r\n", { "a", "b" } },
        { "a\n\n", { "a", "" } },
        { "single", { "single" } },
        { "x\ry\n", { "x\ry" } },
        { "", {} },
    };
    for (const Case& c : cases)
    {
        WriteBytes(path, c.text);
        CFileHandle file(path);
        file.OpenRead();
        file.LoadLines();
        std::vector<std::string> lines;
        for (int i = 0; i < file.GetLineCount(); ++i)
            lines.push_back(std::string(file.GetLine(i)));
        EXPECT_EQ(c.lines, lines) << c.text;
        EXPECT_EQ("", file.GetLine(-1));
        EXPECT_EQ("", file.GetLine(file.GetLineCount()));
    }
}

TEST(CFileHandle, ReadLinesStopsAfterTheNthLineEnd)
{
    CScratchFolder folder;
    const CString path = WriteBytes(folder.File("lines.txt"), "a\r\nb\r\n");
    CFileHandle file(path);
    file.OpenRead();
    char* text = file.ReadLines(2);
    EXPECT_STREQ("a\r\n", text);
    delete[] text;
    EXPECT_EQ('b', file.ReadByte());

    file.SeekTo(0);
    text = file.ReadLines(3);
    EXPECT_STREQ("a\r\nb\r", text);
    delete[] text;
    EXPECT_EQ('\n', file.ReadByte());

    // Fewer line ends than asked for: the bytes read and no more, position at the end.
    file.SeekTo(3);
    text = file.ReadLines(10);
    EXPECT_STREQ("b\r\n", text);
    delete[] text;
    EXPECT_TRUE(file.IsEnd());
}

TEST(CFileHandle, ReadLinesFillsItsWholeBudget)
{
    // Exactly the budget of one line with no line end: the terminator needs a
    // byte beyond the budget.
    CScratchFolder folder;
    const std::string full(CFileHandle::kLineBudget, 'q');
    const CString path = WriteBytes(folder.File("long.txt"), full + "\n");
    CFileHandle file(path);
    file.OpenRead();
    char* text = file.ReadLines(1);
    EXPECT_EQ(full, text);
    delete[] text;
    EXPECT_EQ('\n', file.ReadByte());
}

TEST(CFileHandle, ScramblingRoundTripsAndDiffersFromPlain)
{
    CScratchFolder folder;
    const CString path = folder.File("scrambled.bin");
    {
        CScrambledFile file(path);
        file.OpenWrite();
        file.WriteString("keyword");
        file.WriteInt(123456);
        file.WriteByte(7);
        file.Close();
    }
    const std::string stored = ReadBytes(path);
    EXPECT_NE(std::string("\x73\x07\0\0\0keyword", 12), stored.substr(0, 12));
    {
        CScrambledFile file(path);
        file.OpenRead();
        EXPECT_EQ("keyword", file.ReadString());
        EXPECT_EQ(123456, file.ReadInt());
        EXPECT_EQ(7, file.ReadByte());
    }
    {
        // Keys depend on the position only: scrambling is its own inverse.
        CFileHandle plain(path);
        plain.OpenRead();
        plain.SeekTo(5);
        EXPECT_NE(42, plain.ScrambleInt(42));
        EXPECT_EQ(42, plain.ScrambleInt(plain.ScrambleInt(42)));
        EXPECT_EQ(0x5A, plain.ScrambleByte(static_cast<BYTE>(plain.ScrambleByte(0x5A))));
    }
    {
        CFileHandle plain(path);
        plain.OpenWrite();
        plain.WriteInt(99);
        plain.Close();
        CScrambledFile file(path);
        file.OpenRead();
        EXPECT_NE(99, file.ReadInt());
    }
}
