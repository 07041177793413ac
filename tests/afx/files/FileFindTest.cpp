#include "afx/FileFind.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

TEST(CFileFind, WalksAFolderWithFilesAndSubfolders)
{
    TempFolder dir;
    dir.WriteFile("alpha.txt", "12345");
    dir.WriteFile("beta.log", "");
    dir.WriteFile("\xEF\xF0\xE8\xEC\xE5\xF0.txt", "ab");   // "пример.txt"
    ASSERT_TRUE(CreateDirectoryA(dir / "sub", nullptr));
    dir.WriteFile("sub\\inner.txt", "x");
    ASSERT_TRUE(SetFileAttributesA(dir / "beta.log", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));

    struct Seen
    {
        ULONGLONG length;
        bool directory, hidden, readOnly;
        std::string path, title;
    };
    std::map<std::string, Seen> seen;
    int dots = 0;
    CFileFind finder;
    BOOL more = finder.FindFile(dir / "*.*");
    ASSERT_TRUE(more);
    while (more) {
        more = finder.FindNextFile();
        if (finder.IsDots()) {
            ++dots;
            continue;
        }
        seen[(LPCTSTR)finder.GetFileName()] = Seen{ finder.GetLength(), finder.IsDirectory() != FALSE,
                                                    finder.IsHidden() != FALSE, finder.IsReadOnly() != FALSE,
                                                    (LPCTSTR)finder.GetFilePath(), (LPCTSTR)finder.GetFileTitle() };
    }
    EXPECT_EQ(2, dots);
    ASSERT_EQ(4u, seen.size());
    EXPECT_EQ(5u, seen["alpha.txt"].length);
    EXPECT_EQ(std::string((LPCTSTR)(dir / "alpha.txt")), seen["alpha.txt"].path);
    EXPECT_EQ("alpha", seen["alpha.txt"].title);
    EXPECT_FALSE(seen["alpha.txt"].directory);
    EXPECT_TRUE(seen["beta.log"].hidden);
    EXPECT_TRUE(seen["beta.log"].readOnly);
    EXPECT_FALSE(seen["alpha.txt"].hidden);
    EXPECT_TRUE(seen["sub"].directory);
    EXPECT_EQ(2u, seen["\xEF\xF0\xE8\xEC\xE5\xF0.txt"].length);
    EXPECT_EQ(dir.Path(), finder.GetRoot());
}

TEST(CFileFind, PatternsAndTimes)
{
    TempFolder dir;
    dir.WriteFile("one.txt", "1");
    dir.WriteFile("two.txt", "22");
    dir.WriteFile("three.dat", "333");

    CFileFind finder;
    int count = 0;
    BOOL more = finder.FindFile(dir / "*.txt");
    while (more) {
        more = finder.FindNextFile();
        ++count;
        CTime written;
        ASSERT_TRUE(finder.GetLastWriteTime(written));
        EXPECT_LE(written, CTime::GetCurrentTime() + CTimeSpan(0, 0, 1, 0));
        EXPECT_GT(written, CTime::GetCurrentTime() - CTimeSpan(0, 1, 0, 0));
    }
    EXPECT_EQ(2, count);

    // One exact name: a single match, and FindNextFile says it is the last.
    ASSERT_TRUE(finder.FindFile(dir / "three.dat"));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_EQ(CString("three.dat"), finder.GetFileName());
    EXPECT_EQ(3u, finder.GetLength());
    EXPECT_EQ(CString("file://") + (dir / "three.dat"), finder.GetFileURL());

    EXPECT_FALSE(finder.FindFile(dir / "*.none"));
    EXPECT_FALSE(finder.FindFile(dir / "missing\\*.*"));
    finder.Close();
}
