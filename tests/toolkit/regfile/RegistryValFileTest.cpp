// The registry value file against Wine's real registry: what opening finds,
// what every way of ending writes back, and values it must leave alone.
#include "toolkit/foundation/OXRegistryValFile.h"

#include "afx/Archive.h"
#include "tests/support/LibraryException.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const char KeyPath[] = "Software\\LexifernTest\\RegistryValFile";

class RegistryValFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, KeyPath);
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, KeyPath, &key));
    }
    void TearDown() override
    {
        RegCloseKey(key);
        RegDeleteKeyA(HKEY_CURRENT_USER, KeyPath);
    }
    // The value as stored: its type (0 when missing) and bytes.
    DWORD Stored(LPCSTR name, std::vector<BYTE>& bytes)
    {
        DWORD type = 0, size = 0;
        bytes.clear();
        if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return 0;
        bytes.resize(size);
        RegQueryValueExA(key, name, nullptr, &type, bytes.data(), &size);
        return type;
    }
    void Put(LPCSTR name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size));
    }
    HKEY key = nullptr;
};

TEST_F(RegistryValFileTest, MissingValueGivesAnEmptyFileAndClosingCreatesIt)
{
    COXRegistryValFile file;
    LONG error = -1;
    ASSERT_TRUE(file.Open(HKEY_CURRENT_USER, KeyPath, "State", error));
    EXPECT_EQ(0, error);
    EXPECT_EQ(0u, file.GetLength());
    EXPECT_TRUE(file.IsBound());
    std::vector<BYTE> bytes;
    EXPECT_EQ(0u, Stored("State", bytes));

    file.Close();
    EXPECT_FALSE(file.IsBound());
    EXPECT_EQ(DWORD(REG_BINARY), Stored("State", bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST_F(RegistryValFileTest, TextValueFailsAndSurvivesEveryEnd)
{
    const char text[] = "user's own text";
    Put("State", REG_SZ, text, sizeof(text));
    {
        COXRegistryValFile file;
        LONG error = -1;
        EXPECT_FALSE(file.Open(HKEY_CURRENT_USER, KeyPath, "State", error));
        EXPECT_EQ(0, error);
        EXPECT_FALSE(file.IsBound());
        file.Write("xyz", 3);
        file.Flush();
        file.Abort();
    }
    // The throwing constructor: cause accessDenied, the key name, and again
    // nothing written over the value.
    bool thrown = false;
    try {
        COXRegistryValFile file(HKEY_CURRENT_USER, KeyPath, "State");
    } catch (CFileException* e) {
        thrown = true;
        EXPECT_EQ(CFileException::accessDenied, e->m_cause);
        EXPECT_EQ(0, e->m_lOsError);
        EXPECT_STREQ(KeyPath, e->m_strFileName);
        e->Delete();
    }
    EXPECT_TRUE(thrown);

    std::vector<BYTE> bytes;
    ASSERT_EQ(DWORD(REG_SZ), Stored("State", bytes));
    EXPECT_EQ(std::vector<BYTE>(text, text + sizeof(text)), bytes);
}

TEST_F(RegistryValFileTest, ArchiveStoresExactlyWhatWasWrittenAndReadsItBack)
{
    std::vector<BYTE> written(3000);
    for (size_t i = 0; i < written.size(); ++i)
        written[i] = static_cast<BYTE>(i * 7 + 3);
    {
        COXRegistryValFile file(HKEY_CURRENT_USER, KeyPath, "State");
        CArchive ar(&file, CArchive::store);
        ar.Write(written.data(), 3000);
        ar.Close();
        file.Close();
    }
    std::vector<BYTE> bytes;
    ASSERT_EQ(DWORD(REG_BINARY), Stored("State", bytes));
    EXPECT_EQ(written, bytes);

    COXRegistryValFile file(HKEY_CURRENT_USER, KeyPath, "State");
    EXPECT_EQ(3000u, file.GetLength());
    EXPECT_EQ(0u, file.GetPosition());
    CArchive ar(&file, CArchive::load);
    std::vector<BYTE> read(3100);
    EXPECT_EQ(3000u, ar.Read(read.data(), 3100));
    read.resize(3000);
    EXPECT_EQ(written, read);
}

TEST_F(RegistryValFileTest, ReadOnlyUseRewritesTheSameBytes)
{
    const BYTE original[] = { 1, 2, 3, 0, 250 };
    Put("State", REG_BINARY, original, sizeof(original));
    {
        COXRegistryValFile file(HKEY_CURRENT_USER, KeyPath, "State");
        BYTE read[8] = {};
        EXPECT_EQ(5u, file.Read(read, 8));
        // Changed behind the file's back: the destructor's write-back shows.
        const BYTE other[] = { 9 };
        Put("State", REG_BINARY, other, 1);
    }
    std::vector<BYTE> bytes;
    ASSERT_EQ(DWORD(REG_BINARY), Stored("State", bytes));
    EXPECT_EQ(std::vector<BYTE>(original, original + sizeof(original)), bytes);
}

TEST_F(RegistryValFileTest, FlushWritesWhileOpenAndReopeningWritesThePreviousValue)
{
    COXRegistryValFile file;
    LONG error = 0;
    ASSERT_TRUE(file.Open(HKEY_CURRENT_USER, KeyPath, "First", error));
    file.Write("abc", 3);
    file.Flush();
    std::vector<BYTE> bytes;
    EXPECT_EQ(DWORD(REG_BINARY), Stored("First", bytes));
    EXPECT_EQ(3u, bytes.size());

    file.Write("de", 2);
    ASSERT_TRUE(file.Open(HKEY_CURRENT_USER, KeyPath, "Second", error));
    EXPECT_EQ(0u, file.GetLength());
    Stored("First", bytes);
    EXPECT_EQ(std::vector<BYTE>({ 'a', 'b', 'c', 'd', 'e' }), bytes);
}

TEST_F(RegistryValFileTest, UnopenableKeyAndNullPathFail)
{
    COXRegistryValFile file;
    LONG error = 0;
    EXPECT_FALSE(file.Open(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234)), "x", "y", error));
    EXPECT_NE(0, error);
    EXPECT_FALSE(file.IsBound());
    EXPECT_TRUE(ThrowsLibraryException<CInvalidArgException>([&] { file.SetFilePath(nullptr); }));
}
} // namespace
