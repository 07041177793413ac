// The tip of the day on a tips file in a folder of its own, with its
// settings in a test profile: the tips it shows, Next Tip, the position kept
// between runs, a changed file, a missing file and the start-up setting.
#include "framework/dialogs/TipDlg.h"

#include "afx/WinApp.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const char ProfileKey[] = "Software\\Tarnwick\\LexifernStartDlgTest";
const char TipSection[] = "Software\\Tarnwick\\LexifernStartDlgTest\\Tip";

// The dialogs read and write their settings through the application object.
class ProfileApp : public CWinApp
{
public:
    ProfileApp() : CWinApp("LexifernStartDlgTest") { SetRegistryKey("Tarnwick"); }
};
ProfileApp g_app;

DWORD ReadTipValue(LPCSTR key, DWORD missing = 0xFFFFFFFF)
{
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, TipSection, key, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return missing;
    return value;
}

class TipDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
        GetCurrentDirectoryA(MAX_PATH, previousFolder);
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder.Format("%slexifern_tipdlg_%lu", temp, GetCurrentProcessId());
        CreateDirectoryA(folder, nullptr);
        SetCurrentDirectoryA(folder);
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(previousFolder);
        DeleteFileA(folder + "\\tips.txt");
        RemoveDirectoryA(folder);
        RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKey);
    }
    void WriteTips(const std::string& bytes)
    {
        FILE* out = fopen("tips.txt", "wb");
        ASSERT_NE(nullptr, out);
        fwrite(bytes.data(), 1, bytes.size(), out);
        fclose(out);
    }
    static void Press(CDialog& dialog, int id) { dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    static CString Shown(CDialog& dialog)
    {
        CString text;
        dialog.GetDlgItemText(1020, text);
        return text;
    }

    char previousFolder[MAX_PATH] = {};
    CString folder;
};
}

TEST_F(TipDlgTest, NextTipCyclesThroughTheTipsAndTheNextRunGoesOnWhereThisOneStopped)
{
    WriteTips("; Tips of the test\r\nAlpha\r\n\r\n  not a tip\r\nBravo\r\nCharlie\r\n");
    std::vector<CString> seen;
    {
        CTipDlg dialog;
        EXPECT_TRUE(dialog.m_bStartup);
        ModalRun run = RunModal(dialog, [&](CDialog& d) {
            seen.push_back(Shown(d));
            for (int i = 0; i < 3; ++i) {
                Press(d, 1011);
                seen.push_back(Shown(d));
            }
            Press(d, IDCANCEL);
        });
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(IDCANCEL, run.result);
    }
    ASSERT_EQ(4u, seen.size());
    EXPECT_EQ("Alpha\n", seen[0]);
    EXPECT_EQ("Bravo\n", seen[1]);
    EXPECT_EQ("Charlie\n", seen[2]);
    EXPECT_EQ("Alpha\n", seen[3]);   // the last tip is followed by the first

    // Alpha was shown last: the following run starts with Bravo.
    CTipDlg next;
    EXPECT_EQ("Bravo\n", next.m_strTip);
}

TEST_F(TipDlgTest, AChangedFileStartsAgainFromItsFirstTip)
{
    WriteTips("One\r\nTwo\r\nThree\r\n");
    { CTipDlg first; }   // showed One, remembers the place behind it
    { CTipDlg second; EXPECT_EQ("Two\n", second.m_strTip); }

    WriteTips("New one\r\nNew two\r\nNew three\r\n");
    HANDLE handle = CreateFileA("tips.txt", FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME time = {};
    SYSTEMTIME when = {2003, 4, 0, 5, 6, 7, 8, 0};
    SystemTimeToFileTime(&when, &time);
    SetFileTime(handle, nullptr, nullptr, &time);
    CloseHandle(handle);

    CTipDlg changed;
    EXPECT_EQ("New one\n", changed.m_strTip);
}

TEST_F(TipDlgTest, UncheckingTheBoxStoresStartUpOneAndTheStartUpRunIsThenSkipped)
{
    WriteTips("Tip\r\n");
    CTipDlg dialog;
    RunModal(dialog, [](CDialog& d) {
        d.CheckDlgButton(1003, BST_UNCHECKED);
        Press(d, IDCANCEL);
    });
    EXPECT_EQ(1u, ReadTipValue("StartUp"));
    EXPECT_FALSE(CTipDlg().m_bStartup);

    CTipDlg again;
    RunModal(again, [](CDialog& d) {
        d.CheckDlgButton(1003, BST_CHECKED);
        Press(d, IDCANCEL);
    });
    EXPECT_EQ(0u, ReadTipValue("StartUp"));
    EXPECT_TRUE(CTipDlg().m_bStartup);
}

TEST_F(TipDlgTest, AMissingFileSaysSoDisablesNextTipAndKeepsThePosition)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, TipSection, &key));
    DWORD position = 7;
    RegSetValueExA(key, "FilePos", 0, REG_DWORD, reinterpret_cast<BYTE*>(&position), sizeof position);
    RegCloseKey(key);
    {
        CTipDlg dialog;
        BOOL nextEnabled = TRUE;
        CString shown;
        RunModal(dialog, [&](CDialog& d) {
            nextEnabled = d.GetDlgItem(1011)->IsWindowEnabled();
            shown = Shown(d);
            Press(d, IDCANCEL);
        });
        EXPECT_FALSE(dialog.IsFileOpen());
        EXPECT_FALSE(nextEnabled);
        EXPECT_EQ("Tips file does not exist in the prescribed directory", shown);
    }
    EXPECT_EQ(7u, ReadTipValue("FilePos"));
}

TEST_F(TipDlgTest, AStoredPositionThatCannotBeReachedIsReportedAsTrouble)
{
    WriteTips("Tip\r\n");
    { CTipDlg first; }   // the time stamp is now stored
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, TipSection, &key));
    DWORD position = static_cast<DWORD>(-20);
    RegSetValueExA(key, "FilePos", 0, REG_DWORD, reinterpret_cast<BYTE*>(&position), sizeof position);
    RegCloseKey(key);

    CMessageBoxCatcher box;
    CTipDlg dialog;
    EXPECT_EQ("Trouble reading the tips file", box.text);
    EXPECT_EQ("Warning", box.caption);
    EXPECT_TRUE(dialog.m_strTip.IsEmpty());
}

TEST_F(TipDlgTest, AFileWithoutTipsShowsNothingInsteadOfReadingForEver)
{
    WriteTips("; nothing but comments\r\n\r\n   and indents\r\n");
    CTipDlg dialog;
    CString afterNext = "unset";
    ModalRun run = RunModal(dialog, [&](CDialog& d) {
        Press(d, 1011);
        afterNext = Shown(d);
        Press(d, IDCANCEL);
    });
    EXPECT_FALSE(run.timedOut);
    EXPECT_TRUE(afterNext.IsEmpty());
}
