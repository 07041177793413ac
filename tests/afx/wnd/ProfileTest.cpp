// The registry profile of the application object and the recent-file list,
// under HKCU\Software\Tarnwick\LexifernTestWnd (emptied before and after).
#include <gtest/gtest.h>

#include "TestApp.h"

#include "afx/RecentFileList.h"

#include <string.h>

namespace {

const char kProfilePath[] = "Software\\Tarnwick\\LexifernTestWnd";

class Profile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kProfilePath);
        TestApp().SetRegistryKey("Tarnwick");
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kProfilePath); }

    static bool KeyExists(const char* subPath)
    {
        CString path = CString(kProfilePath) + subPath;
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(key);
        return true;
    }
};

} // namespace

TEST_F(Profile, NamesComeFromTheApplication)
{
    EXPECT_STREQ("Tarnwick", TestApp().m_pszRegistryKey);
    EXPECT_STREQ("LexifernTestWnd", TestApp().m_pszProfileName);
    EXPECT_STREQ("test_afx_wnd", TestApp().m_pszExeName);
    const char* help = TestApp().m_pszHelpFilePath;
    ASSERT_NE(nullptr, help);
    EXPECT_STREQ("test_afx_wnd.HLP", strrchr(help, '\\') + 1);
}

TEST_F(Profile, ValuesRoundTripAndMissingOnesGiveTheDefault)
{
    CWinApp& app = TestApp();
    EXPECT_EQ(10u, app.GetProfileInt("Settings", "m_iSaveTime", 10));
    EXPECT_STREQ("none", app.GetProfileString("Settings", "Keyword", "none"));
    EXPECT_STREQ("", app.GetProfileString("Settings", "Keyword"));
    // Reading leaves no trace in the registry.
    EXPECT_FALSE(KeyExists("\\Settings"));

    EXPECT_TRUE(app.WriteProfileInt("Settings", "m_iSaveTime", -3));
    EXPECT_EQ(static_cast<UINT>(-3), app.GetProfileInt("Settings", "m_iSaveTime", 10));
    const char keyword[] = "\xEF\xEE\xE8\xF1\xEA \xF1\xEB\xEE\xE2";   // "поиск слов" in 1251
    EXPECT_TRUE(app.WriteProfileString("Settings", "Keyword", keyword));
    EXPECT_STREQ(keyword, app.GetProfileString("Settings", "Keyword"));
    EXPECT_TRUE(app.WriteProfileString("Settings", "Empty", ""));
    EXPECT_STREQ("", app.GetProfileString("Settings", "Empty", "default"));

    BYTE data[] = { 0, 1, 2, 0xFF, 0, 7 };
    EXPECT_TRUE(app.WriteProfileBinary("Workspace", "State", data, sizeof data));
    LPBYTE read = nullptr;
    UINT size = 0;
    ASSERT_TRUE(app.GetProfileBinary("Workspace", "State", &read, &size));
    ASSERT_EQ(sizeof data, size);
    EXPECT_EQ(0, memcmp(data, read, size));
    delete[] read;
    EXPECT_FALSE(app.GetProfileBinary("Workspace", "Missing", &read, &size));
    EXPECT_EQ(nullptr, read);
    EXPECT_EQ(0u, size);

    // A value of the wrong type reads as missing.
    EXPECT_EQ(5u, app.GetProfileInt("Settings", "Keyword", 5));
}

TEST_F(Profile, NullValueDeletesTheEntryAndNullEntryTheSection)
{
    CWinApp& app = TestApp();
    app.WriteProfileString("CMainFrame", "Last", "a");
    app.WriteProfileString("CMainFrame", "Other", "b");
    EXPECT_TRUE(app.WriteProfileString("CMainFrame", "Last", nullptr));
    EXPECT_STREQ("gone", app.GetProfileString("CMainFrame", "Last", "gone"));
    EXPECT_STREQ("b", app.GetProfileString("CMainFrame", "Other"));
    // Deleting what is not there is no failure.
    EXPECT_TRUE(app.WriteProfileString("CMainFrame", "Last", nullptr));
    EXPECT_TRUE(app.WriteProfileString("Nowhere", "Last", nullptr));

    EXPECT_TRUE(app.WriteProfileString("CMainFrame", nullptr, nullptr));
    EXPECT_FALSE(KeyExists("\\CMainFrame"));
    EXPECT_STREQ("gone", app.GetProfileString("CMainFrame", "Other", "gone"));
    EXPECT_TRUE(app.WriteProfileString("CMainFrame", nullptr, nullptr));
}

TEST_F(Profile, RecentFilesAreKeptNewestFirstAndWrittenAfresh)
{
    CWinApp& app = TestApp();
    app.WriteProfileString("Recent File List", "File1", "C:\\old\\one.qdfile");
    app.WriteProfileString("Recent File List", "File4", "C:\\old\\four.qdfile");
    app.LoadStdProfileSettings(4);
    ASSERT_NE(nullptr, app.m_pRecentFileList);
    CRecentFileList& list = *app.m_pRecentFileList;
    EXPECT_EQ(4, list.GetSize());
    EXPECT_STREQ("C:\\old\\one.qdfile", list[0]);
    EXPECT_STREQ("C:\\old\\four.qdfile", list[3]);

    // A new file pushes the oldest one out; a known one only moves up.
    app.AddToRecentFileList("C:\\new\\two.qdfile");
    EXPECT_STREQ("C:\\new\\two.qdfile", list[0]);
    EXPECT_STREQ("C:\\old\\one.qdfile", list[1]);
    EXPECT_STREQ("", list[3]);
    app.AddToRecentFileList("c:\\OLD\\ONE.qdfile");
    EXPECT_STREQ("c:\\OLD\\ONE.qdfile", list[0]);
    EXPECT_STREQ("C:\\new\\two.qdfile", list[1]);
    EXPECT_STREQ("", list[2]);

    list.WriteList();
    EXPECT_STREQ("c:\\OLD\\ONE.qdfile", app.GetProfileString("Recent File List", "File1"));
    EXPECT_STREQ("C:\\new\\two.qdfile", app.GetProfileString("Recent File List", "File2"));
    EXPECT_STREQ("missing", app.GetProfileString("Recent File List", "File4", "missing"));

    delete app.m_pRecentFileList;
    app.m_pRecentFileList = nullptr;
}
