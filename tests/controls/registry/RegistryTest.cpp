// The registry class against a test key of its own (removed before and
// after): numbers, texts, lists, arrays, rectangles and points written and
// read back, the exact bytes of a rectangle, and the recorded failures.
#include "controls/registry/Registry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char kParent[] = "Software\\LexifernTests";
const char kTestKey[] = "Software\\LexifernTests\\RegistryClass";

class RegistryKey : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                                   nullptr, &key, nullptr));
        ::RegCloseKey(key);
        ASSERT_TRUE(m_reg.Open(HKEY_CURRENT_USER, kTestKey));
    }
    void TearDown() override
    {
        m_reg.Close();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kParent);   // only when nothing else is left below it
    }
    std::vector<BYTE> RawValue(LPCTSTR name, DWORD* pType = nullptr)
    {
        BYTE buffer[256] = {};
        DWORD type = 0, size = sizeof buffer;
        if (::RegQueryValueExA(m_reg.GetKey(), name, nullptr, &type, buffer, &size) != ERROR_SUCCESS)
            return {};
        if (pType)
            *pType = type;
        return std::vector<BYTE>(buffer, buffer + size);
    }

    CRegistry m_reg;
};

TEST_F(RegistryKey, NumbersAndTextsRoundTripAndFailuresAreRecorded)
{
    EXPECT_STREQ(kTestKey, m_reg.GetKeyName());
    ASSERT_TRUE(m_reg.Write("Count", static_cast<DWORD>(42)));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), m_reg.GetLastType());
    DWORD number = 7;
    ASSERT_TRUE(m_reg.Read("Count", number));
    EXPECT_EQ(42u, number);

    number = 7;
    EXPECT_FALSE(m_reg.Read("Missing", number));
    EXPECT_EQ(7u, number);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, m_reg.GetLastResult());
    EXPECT_FALSE(m_reg.VerifyValue("Missing"));
    EXPECT_TRUE(m_reg.VerifyValue("Count"));

    ASSERT_TRUE(m_reg.Write("Name", "\xCA\xEB\xFE\xF7 key"));   // Cyrillic in 1251 bytes
    EXPECT_EQ(9u, m_reg.GetLastSize());   // the text and its zero
    CString text;
    ASSERT_TRUE(m_reg.Read("Name", text));
    EXPECT_STREQ("\xCA\xEB\xFE\xF7 key", text);
    EXPECT_EQ(ERROR_SUCCESS, m_reg.WriteDirect("Direct", 5));

    CString longText(static_cast<TCHAR>('x'), 300);
    ASSERT_TRUE(m_reg.Write("Long", longText));
    text = "kept";
    EXPECT_FALSE(m_reg.Read("Long", text));   // over the 200-byte buffer
    EXPECT_STREQ("kept", text);
}

TEST_F(RegistryKey, ARectangleIsStoredAsFiveSerialisedValues)
{
    ASSERT_TRUE(m_reg.Write("Rect", CRect(1, 2, 3, 4)));
    DWORD type = 0;
    const std::vector<BYTE> bytes = RawValue("Rect", &type);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    const std::vector<BYTE> expected = {5, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(expected, bytes);
    CRect rect;
    ASSERT_TRUE(m_reg.Read("Rect", rect));
    EXPECT_EQ(CRect(1, 2, 3, 4), rect);

    ASSERT_TRUE(m_reg.Write("Point", CPoint(-5, 9)));
    CPoint point;
    ASSERT_TRUE(m_reg.Read("Point", point));
    EXPECT_EQ(CPoint(-5, 9), point);
}

TEST_F(RegistryKey, ListsAndArraysRoundTripAndOtherTypesLeaveThemAlone)
{
    CStringList list;
    list.AddTail("one");
    list.AddTail("two");
    ASSERT_TRUE(m_reg.Write("List", list));
    CStringList back;
    back.AddTail("old");
    ASSERT_TRUE(m_reg.Read("List", back));
    ASSERT_EQ(2, back.GetCount());
    EXPECT_STREQ("one", back.GetHead());
    EXPECT_STREQ("two", back.GetTail());

    m_reg.Write("Text", "not binary");
    ASSERT_TRUE(m_reg.Read("Text", back));
    EXPECT_EQ(2, back.GetCount());

    CDWordArray values;
    values.Add(10);
    values.Add(20);
    values.Add(30);
    ASSERT_TRUE(m_reg.Write("Values", values));
    CDWordArray fresh;
    ASSERT_TRUE(m_reg.Read("Values", fresh));
    ASSERT_EQ(3, fresh.GetSize());
    EXPECT_EQ(30u, fresh[2]);
    CDWordArray sized;
    sized.SetSize(5);
    ASSERT_TRUE(m_reg.Read("Values", sized));
    ASSERT_EQ(5, sized.GetSize());
    EXPECT_EQ(30u, sized[2]);
    EXPECT_EQ(0u, sized[4]);
    CDWordArray shorter;
    shorter.SetSize(2);
    ASSERT_TRUE(m_reg.Read("Values", shorter));
    EXPECT_EQ(2, shorter.GetSize());

    CStringArray names;
    names.Add("a");
    names.Add("b");
    ASSERT_TRUE(m_reg.Write("Names", names));
    CStringArray namesBack;
    ASSERT_TRUE(m_reg.Read("Names", namesBack));
    ASSERT_EQ(2, namesBack.GetSize());
    EXPECT_STREQ("b", namesBack[1]);

    // A damaged binary value fails the read and changes nothing.
    const BYTE damaged[] = {9, 0, 1};
    ::RegSetValueExA(m_reg.GetKey(), "Damaged", 0, REG_BINARY, damaged, sizeof damaged);
    EXPECT_FALSE(m_reg.Read("Damaged", namesBack));
    EXPECT_EQ(2, namesBack.GetSize());
}

TEST_F(RegistryKey, SubKeysAreOpenedCreatedAndDeleted)
{
    CRegistry other;
    ASSERT_TRUE(other.CreateKey(HKEY_CURRENT_USER, "Software\\LexifernTests\\RegistryClass\\Child"));
    ASSERT_TRUE(other.Write("Inner", static_cast<DWORD>(3)));
    other.Close();
    EXPECT_EQ(nullptr, other.GetKey());

    ASSERT_TRUE(m_reg.VerifyKey("Child"));
    DWORD inner = 0;
    ASSERT_TRUE(m_reg.Read("Inner", inner));
    EXPECT_EQ(3u, inner);
    EXPECT_FALSE(m_reg.VerifyKey("Nowhere"));
    EXPECT_NE(ERROR_SUCCESS, m_reg.GetLastResult());
    EXPECT_TRUE(m_reg.Read("Inner", inner));   // a failed open keeps the open key

    ASSERT_TRUE(other.DeleteKey(HKEY_CURRENT_USER, "Software\\LexifernTests\\RegistryClass\\Child"));
    EXPECT_FALSE(other.VerifyKey(HKEY_CURRENT_USER, "Software\\LexifernTests\\RegistryClass\\Child"));
}

} // namespace
