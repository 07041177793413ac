// The block-converting file over real files and a memory file, with a test
// conversion (XOR with a key byte) so that stored and plain bytes differ.
#include "toolkit/foundation/OXConvertedFile.h"

#include "afx/MemFile.h"
#include "tests/support/LibraryException.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const UINT Block = 16;
const BYTE Key = 0x5A;

class XorFile : public COXConvertedFile
{
public:
    explicit XorFile(UINT nBlockSize = Block) : COXConvertedFile(nBlockSize, TRUE) {}
    ~XorFile() override { Close(); }

protected:
    void ConvertRead(const BYTE* pRaw, BYTE* pPlain, UINT nSize) override
    {
        for (UINT i = 0; i < nSize; ++i)
            pPlain[i] = pRaw[i] ^ Key;
    }
    void ConvertWrite(const BYTE* pPlain, BYTE* pRaw, UINT nSize) override
    {
        for (UINT i = 0; i < nSize; ++i)
            pRaw[i] = pPlain[i] ^ Key;
    }
};

std::vector<BYTE> Scramble(std::vector<BYTE> bytes)
{
    for (BYTE& b : bytes)
        b ^= Key;
    return bytes;
}

class ConvertedFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char folder[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, folder);
        path.Format("%slexifern_converted_%lu.bin", folder, GetCurrentProcessId());
        DeleteFileA(path);
    }
    void TearDown() override { DeleteFileA(path); }

    void PutRaw(const std::vector<BYTE>& bytes)
    {
        HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
    }
    std::vector<BYTE> GetRaw()
    {
        std::vector<BYTE> bytes;
        HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return bytes;
        BYTE buffer[256];
        DWORD read = 0;
        while (ReadFile(h, buffer, sizeof(buffer), &read, nullptr) && read)
            bytes.insert(bytes.end(), buffer, buffer + read);
        CloseHandle(h);
        return bytes;
    }
    // Plain bytes 0, 1, 2, ... stored scrambled.
    static std::vector<BYTE> Counting(size_t count)
    {
        std::vector<BYTE> bytes(count);
        for (size_t i = 0; i < count; ++i)
            bytes[i] = static_cast<BYTE>(i);
        return bytes;
    }
    CString path;
};

TEST_F(ConvertedFileTest, SeekLandsInsideABlockAndReadsCrossBlocks)
{
    PutRaw(Scramble(Counting(64)));
    XorFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead));
    EXPECT_EQ(37u, file.Seek(37, CFile::begin));
    EXPECT_EQ(37u, file.GetPosition());
    BYTE read[20] = {};
    EXPECT_EQ(20u, file.Read(read, 20));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(37 + i, read[i]) << i;
    EXPECT_EQ(57u, file.GetPosition());
    // Relative seeks and the end of the file.
    EXPECT_EQ(50u, file.Seek(-7, CFile::current));
    EXPECT_EQ(60u, file.Seek(-4, CFile::end));
    EXPECT_EQ(4u, file.Read(read, 20));
    EXPECT_EQ(63, read[3]);
    EXPECT_EQ(0u, file.Read(read, 20));
    EXPECT_TRUE(ThrowsLibraryException<CFileException>([&] { file.Seek(-1, CFile::begin); }));
}

TEST_F(ConvertedFileTest, WriteInsideAStoredBlockKeepsItsOtherBytes)
{
    PutRaw(Scramble(Counting(64)));
    {
        XorFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeReadWrite));
        file.Seek(21, CFile::begin);
        file.Write("\xF1\xF2\xF3", 3);
        EXPECT_EQ(24u, file.GetPosition());
        file.Close();
    }
    std::vector<BYTE> expected = Counting(64);
    expected[21] = 0xF1;
    expected[22] = 0xF2;
    expected[23] = 0xF3;
    EXPECT_EQ(Scramble(expected), GetRaw());

    // The same through a file opened for writing only.
    {
        XorFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeWrite));
        file.Seek(40, CFile::begin);
        file.Write("\xE0", 1);
    }
    expected[40] = 0xE0;
    EXPECT_EQ(Scramble(expected), GetRaw());
}

TEST_F(ConvertedFileTest, WritingFromTheStartStoresWholeBlocksAndReadsBack)
{
    std::vector<BYTE> plain = Counting(40);
    {
        XorFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyNone));
        file.Write(plain.data(), 40);
        // Two full blocks are already stored; the third waits for the close.
        EXPECT_EQ(32u, GetRaw().size());
    }
    std::vector<BYTE> stored = plain;
    stored.resize(48, 0);
    EXPECT_EQ(Scramble(stored), GetRaw());

    XorFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead));
    std::vector<BYTE> read(60);
    EXPECT_EQ(48u, file.Read(read.data(), 60));
    read.resize(48);
    EXPECT_EQ(stored, read);
    EXPECT_TRUE(ThrowsLibraryException<CFileException>([&] { file.Write("x", 1); }));
}

TEST_F(ConvertedFileTest, LengthIsRaisedToWholeBlocks)
{
    XorFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeReadWrite));
    file.SetLength(20);
    EXPECT_EQ(32u, file.GetLength());
    file.SetLength(32);
    EXPECT_EQ(32u, file.GetLength());
    file.SetLength(0);
    EXPECT_EQ(0u, file.GetLength());
}

TEST_F(ConvertedFileTest, LockedRangesCoverWholeBlocks)
{
    PutRaw(Scramble(Counting(48)));
    XorFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeReadWrite | CFile::shareDenyNone));
    file.LockRange(20, 2);
    // Another handle cannot lock the block's other bytes, but the next block.
    HANDLE other = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    auto lockable = [&](DWORD at) {
        if (!LockFile(other, at, 0, 1, 0))
            return false;
        UnlockFile(other, at, 0, 1, 0);
        return true;
    };
    EXPECT_TRUE(lockable(15));
    EXPECT_FALSE(lockable(16));
    EXPECT_FALSE(lockable(31));
    EXPECT_TRUE(lockable(32));
    file.UnlockRange(20, 2);
    EXPECT_TRUE(lockable(16));
    CloseHandle(other);
}

TEST_F(ConvertedFileTest, TextLinesEndInCarriageReturnLineFeed)
{
    {
        XorFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
        file.WriteString("ab\ncd\n");
        file.WriteString(L"e\n", 2);
    }
    std::string expected("ab\r\ncd\r\ne\r\n");
    std::vector<BYTE> stored(expected.begin(), expected.end());
    stored.resize(16, 0);
    EXPECT_EQ(Scramble(stored), GetRaw());
}

TEST_F(ConvertedFileTest, WideTextWithoutANarrowFormWritesNothing)
{
    XorFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
    EXPECT_TRUE(ThrowsLibraryException<CFileException>([&] { file.WriteString(L"a\x4E2D"); }));
    EXPECT_EQ(0u, file.GetPosition());
}

TEST_F(ConvertedFileTest, ReadStringStopsAtLineEndsAndBeforeCtrlZ)
{
    std::string text("ab\r\ncd\x1A" "ef");
    PutRaw(Scramble(std::vector<BYTE>(text.begin(), text.end())));
    XorFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead));
    char line[32];
    EXPECT_EQ(nullptr, file.ReadString(line, 1));
    ASSERT_NE(nullptr, file.ReadString(line, sizeof(line)));
    EXPECT_STREQ("ab\n", line);
    ASSERT_NE(nullptr, file.ReadString(line, sizeof(line)));
    EXPECT_STREQ("cd", line);
    // The Ctrl-Z stays unread.
    EXPECT_EQ(nullptr, file.ReadString(line, sizeof(line)));
    EXPECT_EQ(6u, file.GetPosition());
    char ch = 0;
    EXPECT_EQ(1u, file.Read(&ch, 1));
    EXPECT_EQ(0x1A, ch);
    // A short buffer takes size - 1 bytes.
    file.SeekToBegin();
    ASSERT_NE(nullptr, file.ReadString(line, 2));
    EXPECT_STREQ("a", line);
}

TEST_F(ConvertedFileTest, MissingFileIsNotOpen)
{
    XorFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path, CFile::modeRead, &error));
    EXPECT_FALSE(file.IsOpen());
    bool thrown = false;
    try {
        char ch;
        file.Read(&ch, 1);
    } catch (CFileException* e) {
        thrown = true;
        EXPECT_EQ(CFileException::accessDenied, e->m_cause);
        EXPECT_EQ(-1, e->m_lOsError);
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

TEST_F(ConvertedFileTest, ConversionChangesOnlyAtABlockBoundary)
{
    CMemFile memory;
    XorFile file;
    file.Attach(&memory, CFile::modeReadWrite);
    file.Write("0123456789", 10);
    EXPECT_FALSE(file.SetConversion(FALSE));
    file.Write("ABCDEF", 6);
    // The full block was written scrambled; the next ones are stored as they are.
    ASSERT_TRUE(file.SetConversion(FALSE));
    file.Write("plain", 5);
    file.Close();
    EXPECT_FALSE(file.IsOpen());

    // The memory file is the caller's: still open, holding both forms.
    ASSERT_EQ(32u, memory.GetLength());
    memory.SeekToBegin();
    std::vector<BYTE> raw(32);
    memory.Read(raw.data(), 32);
    std::string first("0123456789ABCDEF");
    EXPECT_EQ(Scramble(std::vector<BYTE>(first.begin(), first.end())), std::vector<BYTE>(raw.begin(), raw.begin() + 16));
    EXPECT_EQ(0, memcmp(raw.data() + 16, "plain\0\0\0", 8));
}

TEST(WatchBuffer, FlagsFollowSetAndClear)
{
    COXWatchBuffer buffer(8);
    EXPECT_FALSE(buffer.IsModified());
    EXPECT_EQ(0, buffer.FirstUnmodified());
    buffer.Set(2, "xyz", 3);
    EXPECT_EQ(2, buffer.FirstModified());
    EXPECT_EQ('y', *buffer.GetData(3));
    buffer.SetAllFlags(TRUE);
    EXPECT_EQ(-1, buffer.FirstUnmodified());
    buffer.Clear(0, 3);
    EXPECT_EQ(0, buffer.FirstUnmodified());
    EXPECT_EQ(3, buffer.FirstModified());
    EXPECT_EQ(0, *buffer.GetData(2));
    buffer.Clear(3);
    EXPECT_FALSE(buffer.IsModified());
}
} // namespace
