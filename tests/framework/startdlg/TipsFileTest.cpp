// The tips reader on files written by the test: which lines are tips, the
// wrap to the top, a file without tips, long lines and positions.
#include "framework/dialogs/TipsFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {
class TipsFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        path.Format("%slexifern_tips_%lu.txt", folder, GetCurrentProcessId());
    }
    void TearDown() override
    {
        file.Close();
        DeleteFileA(path);
    }
    void Write(const std::string& bytes)
    {
        FILE* out = fopen(path, "wb");
        ASSERT_NE(nullptr, out);
        fwrite(bytes.data(), 1, bytes.size(), out);
        fclose(out);
    }
    CString Next()
    {
        CString tip;
        EXPECT_EQ(CTipsFile::TipFound, file.ReadNextTip(tip));
        return tip;
    }
    CString path;
    CTipsFile file;
};
}

TEST_F(TipsFileTest, CommentsIndentedAndEmptyLinesAreSkippedAndTheEndWrapsToTheFirstTip)
{
    Write("; a comment\r\nFirst tip\r\n\r\n  indented continuation\r\n\tTabbed\r\nSecond tip\r\n;last\r\n");
    ASSERT_TRUE(file.Open(path));
    EXPECT_EQ("First tip\n", Next());
    EXPECT_EQ("Second tip\n", Next());
    EXPECT_EQ("First tip\n", Next());
    EXPECT_EQ("Second tip\n", Next());
}

TEST_F(TipsFileTest, AFileWithoutTipsEndsTheSearchWithAnEmptyResult)
{
    for (const char* bytes : {"", "; only\r\n  comments\r\n\r\n"}) {
        Write(bytes);
        ASSERT_TRUE(file.Open(path));
        CString tip = "unchanged";
        EXPECT_EQ(CTipsFile::NoTipInFile, file.ReadNextTip(tip)) << bytes;
        file.Close();
    }
}

TEST_F(TipsFileTest, ALongLineComesInPiecesOf999Characters)
{
    Write(std::string(1500, 'x') + "\r\nShort\r\n");
    ASSERT_TRUE(file.Open(path));
    EXPECT_EQ(999, Next().GetLength());
    EXPECT_EQ(CString(std::string(501, 'x').c_str()) + "\n", Next());
    EXPECT_EQ("Short\n", Next());
}

TEST_F(TipsFileTest, APositionTakenAfterATipResumesWithTheFollowingOne)
{
    for (const char* lineEnd : {"\r\n", "\n"}) {
        std::string end(lineEnd);
        Write("; head" + end + "One" + end + "Two" + end + "Three" + end);
        ASSERT_TRUE(file.Open(path));
        Next();
        const long position = file.GetPosition();
        file.Close();

        ASSERT_TRUE(file.Open(path));
        ASSERT_TRUE(file.Seek(position));
        EXPECT_EQ("Two\n", Next()) << "line end " << end.size();
        file.Close();
    }
}

TEST_F(TipsFileTest, SeekingBeforeTheStartFailsAndAClosedReaderHasNothing)
{
    Write("Tip\r\n");
    ASSERT_TRUE(file.Open(path));
    EXPECT_FALSE(file.Seek(-5));
    file.Close();
    CString tip;
    EXPECT_EQ(CTipsFile::NoTipInFile, file.ReadNextTip(tip));
    EXPECT_TRUE(file.GetTimeStamp().IsEmpty());
    EXPECT_FALSE(file.Open("no such folder\\tips.txt"));
}

TEST_F(TipsFileTest, TheTimeStampFollowsTheModificationTime)
{
    Write("Tip\r\n");
    ASSERT_TRUE(file.Open(path));
    const CString first = file.GetTimeStamp();
    file.Close();
    EXPECT_FALSE(first.IsEmpty());
    EXPECT_NE(' ', first[first.GetLength() - 1]);
    EXPECT_EQ(-1, first.Find('\n'));

    HANDLE handle = CreateFileA(path, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    FILETIME time = {};
    SYSTEMTIME when = {2001, 2, 0, 3, 4, 5, 6, 0};
    SystemTimeToFileTime(&when, &time);
    SetFileTime(handle, nullptr, nullptr, &time);
    CloseHandle(handle);

    ASSERT_TRUE(file.Open(path));
    const CString second = file.GetTimeStamp();
    EXPECT_NE(first, second);
    EXPECT_NE(-1, second.Find("2001"));
}
