// The test environment itself: code page 1251 and Cyrillic case mapping, on
// which every text test below relies.
#include <gtest/gtest.h>

#include <windows.h>
#include <string.h>

TEST(Platform, AnsiCodePageIs1251AndLowersCyrillic)
{
    EXPECT_EQ(1251u, GetACP());
    char text[] = "\xC0\xC1\xC2\xA8";   // "АБВЁ" in 1251
    CharLowerBuffA(text, 4);
    EXPECT_STREQ("\xE0\xE1\xE2\xB8", text);   // "абвё"
}

TEST(Platform, CyrillicFileNamesWork)
{
    char temp[MAX_PATH + 1];
    ASSERT_NE(0u, GetTempPathA(sizeof temp, temp));
    char path[MAX_PATH * 2];
    strcpy(path, temp);
    strcat(path, "\xB8\xEB\xEA\xE0.txt");   // "ёлка.txt"
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    EXPECT_TRUE(DeleteFileA(path));
}
