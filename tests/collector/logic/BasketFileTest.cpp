#include "collector/BasketFile.h"
#include "collector/BasketText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// A fresh folder under the temporary folder, removed with what it holds.
class BasketFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        ASSERT_NE(0u, GetTempPathA(MAX_PATH, temp));
        m_folder.Format("%sbasket-test-%lu-%lu\\", temp, GetCurrentProcessId(), GetTickCount());
        ASSERT_TRUE(CreateDirectoryA(m_folder, nullptr));
        m_path = CBasketFile::PathInFolder(m_folder);
    }

    void TearDown() override
    {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA(m_folder + "*", &found);
        if (find != INVALID_HANDLE_VALUE)
        {
            do
            {
                const CString item = m_folder + found.cFileName;
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                {
                    SetFileAttributesA(item, FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(item);
                }
            } while (FindNextFileA(find, &found));
            FindClose(find);
        }
        RemoveDirectoryA(m_folder);
    }

    std::string ReadBytes() const
    {
        HANDLE file = CreateFileA(m_path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return "<missing>";
        std::string bytes;
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got != 0)
            bytes.append(buffer, got);
        CloseHandle(file);
        return bytes;
    }

    int CountFiles() const
    {
        int count = 0;
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA(m_folder + "*", &found);
        if (find == INVALID_HANDLE_VALUE)
            return 0;
        do
        {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ++count;
        } while (FindNextFileA(find, &found));
        FindClose(find);
        return count;
    }

    CString m_folder;
    CString m_path;
};
}

TEST_F(BasketFolder, PathIsBasketTxtInTheFolder)
{
    EXPECT_EQ("C:\\prog\\Basket.txt", CBasketFile::PathInFolder("C:\\prog\\"));
    EXPECT_EQ("C:\\prog\\Basket.txt", CBasketFile::PathInFolder("C:\\prog"));
    EXPECT_EQ(m_folder + "Basket.txt", m_path);
}

TEST_F(BasketFolder, FileHoldsExactlyTheBasketTextAfterEachChange)
{
    const CBasketFile file(m_path);
    const CBasketText rules(TRUE, TRUE);
    CStringArray lines;
    CString error;

    CString text = rules.AddToBasket("", "\xEC\x61\xF8\xE8\xED\x61", lines);
    ASSERT_TRUE(file.Save(text, error)) << (LPCTSTR)error;
    EXPECT_EQ("\xEC\x61\xF8\xE8\xED\x61", ReadBytes());

    text = rules.AddToBasket(text, "car", lines);
    ASSERT_TRUE(file.Save(text, error));
    EXPECT_EQ("car\r\n\xEC\x61\xF8\xE8\xED\x61", ReadBytes());

    text = rules.AddToBasket(text, "car", lines);
    ASSERT_TRUE(file.Save(text, error));
    EXPECT_EQ("car\r\n\xEC\x61\xF8\xE8\xED\x61", ReadBytes());

    text = rules.RemoveFromBasket(text, "\xEC\x61\xF8\xE8\xED\x61", lines);
    ASSERT_TRUE(file.Save(text, error));
    EXPECT_EQ("car", ReadBytes());

    // The last removal leaves an empty file, not a missing one.
    text = rules.RemoveFromBasket(text, "car", lines);
    ASSERT_TRUE(file.Save(text, error));
    EXPECT_EQ("", ReadBytes());
    EXPECT_TRUE(lines.IsEmpty());
    // No temporary file is left behind.
    EXPECT_EQ(1, CountFiles());
}

TEST_F(BasketFolder, LoadGivesTheFileAsItStandsAndHandEditsJoinAtTheNextChange)
{
    const CBasketFile file(m_path);
    CString error;
    ASSERT_TRUE(file.Save("b\r\n\r\na  \tz\rq\r\n", error));

    CString loaded;
    ASSERT_TRUE(file.Load(loaded));
    EXPECT_EQ("b\r\n\r\na  \tz\rq\r\n", loaded);
    CStringArray keywords;
    CBasketText::SplitKeywords(loaded, keywords);
    ASSERT_EQ(2, keywords.GetSize());
    EXPECT_EQ("a  \tz\rq", keywords[1]);

    // The user typed a line into the box; the next check change takes it up.
    CStringArray lines;
    const CString text = CBasketText(TRUE, TRUE).AddToBasket(loaded + "\r\nhand", "c", lines);
    ASSERT_TRUE(file.Save(text, error));
    EXPECT_EQ("a z\r\nb\r\nc\r\nhand\r\nq", ReadBytes());
    ASSERT_EQ(5, lines.GetSize());
    EXPECT_EQ("hand", lines[3]);
}

TEST_F(BasketFolder, MissingFileLoadsAsFailure)
{
    CString text("unchanged");
    EXPECT_FALSE(CBasketFile(m_path).Load(text));
    EXPECT_EQ("unchanged", text);
}

TEST_F(BasketFolder, UnwritableTargetKeepsTheOldFileAndSaysWhy)
{
    const CBasketFile file(m_path);
    CString error;
    ASSERT_TRUE(file.Save("old\r\nlines", error));
    ASSERT_TRUE(SetFileAttributesA(m_path, FILE_ATTRIBUTE_READONLY));

    EXPECT_FALSE(file.Save("new", error));
    EXPECT_NE(-1, error.Find(m_path)) << (LPCTSTR)error;
    EXPECT_GT(error.GetLength(), m_path.GetLength() + 20);
    EXPECT_EQ("old\r\nlines", ReadBytes());
    EXPECT_EQ(1, CountFiles());
}

TEST_F(BasketFolder, FolderInTheWayIsReportedAndLeavesNoTemporaryFile)
{
    ASSERT_TRUE(CreateDirectoryA(m_path, nullptr));
    CString error;
    EXPECT_FALSE(CBasketFile(m_path).Save("x", error));
    EXPECT_NE(-1, error.Find(m_path)) << (LPCTSTR)error;
    EXPECT_EQ(0, CountFiles());
    RemoveDirectoryA(m_path);
}

TEST_F(BasketFolder, MissingFolderIsReportedAndCreatesNothing)
{
    const CString path = m_folder + "absent\\Basket.txt";
    CString error;
    EXPECT_FALSE(CBasketFile(path).Save("x", error));
    EXPECT_NE(-1, error.Find(path));
    EXPECT_EQ(0, CountFiles());
}
