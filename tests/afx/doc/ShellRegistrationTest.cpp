// Shell registration entries, written under a scratch key and read back.
#include "afx/ShellRegistration.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

namespace
{

const char kScratch[] = "Software\\LexifernTests\\DocShellClasses";

CString Read(const CString& path, LPCTSTR name = nullptr)
{
    char buffer[512] = "";
    DWORD size = sizeof buffer;
    if (SHGetValueA(HKEY_CURRENT_USER, CString(kScratch) + "\\" + path, name, nullptr, buffer, &size) != ERROR_SUCCESS)
        return "<missing>";
    return buffer;
}

class ShellRegistration : public ::testing::Test
{
protected:
    void SetUp() override { SHDeleteKeyA(HKEY_CURRENT_USER, kScratch); }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, kScratch); }

    AFX_SHELL_FILE_TYPE Type() const
    {
        AFX_SHELL_FILE_TYPE type;
        type.strFilterExt = ".KOVR";
        type.strTypeId = "WELP.Document";
        type.strTypeName = "KOVR Document";
        return type;
    }
};

} // namespace

TEST_F(ShellRegistration, WritesTypeIconOpenCommandAndExtension)
{
    ASSERT_TRUE(AfxRegisterShellFileType(HKEY_CURRENT_USER, kScratch, Type(), "C:\\Program Files\\lexifern.exe", 0, TRUE));
    EXPECT_STREQ("KOVR Document", Read("WELP.Document"));
    EXPECT_STREQ("C:\\Program Files\\lexifern.exe,0", Read("WELP.Document\\DefaultIcon"));
    EXPECT_STREQ("\"C:\\Program Files\\lexifern.exe\" \"%1\"", Read("WELP.Document\\shell\\open\\command"));
    EXPECT_STREQ("\"C:\\Program Files\\lexifern.exe\" /p \"%1\"", Read("WELP.Document\\shell\\print\\command"));
    EXPECT_STREQ("\"C:\\Program Files\\lexifern.exe\" /pt \"%1\" \"%2\" \"%3\" \"%4\"",
                 Read("WELP.Document\\shell\\printto\\command"));
    EXPECT_STREQ("WELP.Document", Read(".KOVR"));
    EXPECT_STREQ("", Read(".KOVR\\ShellNew", "NullFile"));

    AfxUnregisterShellFileType(HKEY_CURRENT_USER, kScratch, Type());
    EXPECT_STREQ("<missing>", Read("WELP.Document"));
    EXPECT_STREQ("<missing>", Read(".KOVR"));
}

TEST_F(ShellRegistration, WithoutCompatNoPrintCommandsAndRegisteringTwiceIsHarmless)
{
    ASSERT_TRUE(AfxRegisterShellFileType(HKEY_CURRENT_USER, kScratch, Type(), "C:\\a.exe", 2, FALSE));
    ASSERT_TRUE(AfxRegisterShellFileType(HKEY_CURRENT_USER, kScratch, Type(), "C:\\b.exe", 2, FALSE));
    EXPECT_STREQ("\"C:\\b.exe\" \"%1\"", Read("WELP.Document\\shell\\open\\command"));
    EXPECT_STREQ("C:\\b.exe,2", Read("WELP.Document\\DefaultIcon"));
    EXPECT_STREQ("<missing>", Read("WELP.Document\\shell\\print\\command"));
    EXPECT_STREQ("<missing>", Read(".KOVR\\ShellNew", "NullFile"));
}

TEST_F(ShellRegistration, AnExtensionOfAnotherProgramIsKept)
{
    ASSERT_EQ(ERROR_SUCCESS, SHSetValueA(HKEY_CURRENT_USER, CString(kScratch) + "\\.KOVR", nullptr, REG_SZ,
                                         "Other.Type", 11));
    AFX_SHELL_FILE_TYPE type = Type();
    type.strFilterExt = ".KOVR; .kvr2";
    ASSERT_TRUE(AfxRegisterShellFileType(HKEY_CURRENT_USER, kScratch, type, "C:\\a.exe", 0, FALSE));
    EXPECT_STREQ("Other.Type", Read(".KOVR"));
    EXPECT_STREQ("WELP.Document", Read(".kvr2"));

    // Unregistering leaves the other program's extension in place.
    AfxUnregisterShellFileType(HKEY_CURRENT_USER, kScratch, type);
    EXPECT_STREQ("Other.Type", Read(".KOVR"));
    EXPECT_STREQ("<missing>", Read(".kvr2"));
}

TEST_F(ShellRegistration, NoTypeIdWritesNothing)
{
    AFX_SHELL_FILE_TYPE type;
    type.strFilterExt = ".KOVR";
    EXPECT_TRUE(AfxRegisterShellFileType(HKEY_CURRENT_USER, kScratch, type, "C:\\a.exe", 0, TRUE));
    EXPECT_STREQ("<missing>", Read(".KOVR"));
}
