// History rules and their profile entries, first over a plain list, then in a
// real combo box.
#include "controls/misc/HistoryCombo.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char kTestKey[] = "Software\\LexifernTests\\ControlsHistory";
const char kSection[] = "View";

class HistoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_profile.DeleteAll();
        ControlsSetProfile(&m_profile);
        m_store.m_strSection = kSection;
        m_store.m_strKeyPrefix = "Hist";
        m_store.m_strCurrentKey = "Keyword";
    }
    void TearDown() override
    {
        ControlsSetProfile(nullptr);
        m_profile.DeleteAll();
    }

    CString Entry(int i) { return m_profile.GetProfileString(kSection, CHistoryStore::ItemEntry("Hist", i), "<none>"); }

    CRegistryControlsProfile m_profile{HKEY_CURRENT_USER, kTestKey};
    CHistoryStore m_store;
};

TEST_F(HistoryTest, AddMovesDuplicatesUpTrimsAndKeepsTheMaximum)
{
    CHistoryItemsArray items;
    for (const char* t : {"one", "two", "three", "four"})
        CHistoryStore::AddItem(items, t, 10);
    // Same text in another case, with blanks: the old copy at index 3 goes.
    EXPECT_EQ(0, CHistoryStore::AddItem(items, "  ONE ", 10));
    ASSERT_EQ(4, items.GetCount());
    EXPECT_EQ("ONE", items.GetText(0));
    EXPECT_EQ("four", items.GetText(1));
    EXPECT_EQ("two", items.GetText(3));
    EXPECT_EQ(0, items.m_nSelected);

    for (int i = 0; i < 10; ++i) {
        CString t;
        t.Format("item %d", i);
        CHistoryStore::AddItem(items, t, 10);
    }
    ASSERT_EQ(10, items.GetCount());
    EXPECT_EQ("item 9", items.GetText(0));
    EXPECT_EQ("item 0", items.GetText(9));
}

TEST_F(HistoryTest, SavingAShorterHistoryDeletesStaleEntriesUpToFirstGap)
{
    CHistoryItemsArray items;
    for (int i = 0; i < 10; ++i) {
        CString t;
        t.Format("old %d", i);
        items.Append(t);
    }
    m_store.Save(m_profile, items, "old 0");
    for (int i = 0; i < 10; ++i)
        EXPECT_NE("<none>", Entry(i)) << i;
    // A leftover entry beyond a gap is not reached by the clean-up.
    m_profile.WriteProfileString(kSection, "Hist11", "beyond the gap");

    CHistoryItemsArray fewer;
    for (const char* t : {"a", "b", "c", "d"})
        fewer.Append(t);
    m_store.Save(m_profile, fewer, "b");
    EXPECT_EQ("a", Entry(0));
    EXPECT_EQ("d", Entry(3));
    for (int i = 4; i <= 10; ++i)
        EXPECT_EQ("<none>", Entry(i)) << i;
    EXPECT_EQ("beyond the gap", Entry(11));
    EXPECT_EQ("b", m_profile.GetProfileString(kSection, "Keyword", ""));
}

TEST_F(HistoryTest, SaveWritesOneMoreThanTheMaximum)
{
    CHistoryItemsArray items;
    for (int i = 0; i < 12; ++i)
        items.Append(CHistoryStore::ItemEntry("x", i));
    m_store.Save(m_profile, items, "");
    EXPECT_EQ("x10", Entry(10));
    EXPECT_EQ("<none>", Entry(11));
}

TEST_F(HistoryTest, LoadStopsAtFirstEmptyEntryAndAtTheMaximum)
{
    m_profile.WriteProfileString(kSection, "Hist0", "first");
    m_profile.WriteProfileString(kSection, "Hist1", "second");
    m_profile.WriteProfileString(kSection, "Hist3", "after the gap");
    m_profile.WriteProfileString(kSection, "Keyword", "shown");
    CHistoryItemsArray items;
    items.Append("stale");
    CString shown;
    EXPECT_EQ("shown", m_store.Load(m_profile, items, shown));
    ASSERT_EQ(2, items.GetCount());
    EXPECT_EQ("second", items.GetText(1));

    m_store.m_bSaveRestoreLastCurrent = false;
    EXPECT_EQ("", m_store.Load(m_profile, items, shown));   // the empty entry ended the list

    for (int i = 0; i < 15; ++i)
        m_profile.WriteProfileString(kSection, CHistoryStore::ItemEntry("Hist", i), "v");
    m_store.Load(m_profile, items, shown);
    EXPECT_EQ(10, items.GetCount());
}

TEST_F(HistoryTest, ShownTextEntryFallsBackToPrefixThenLast)
{
    CHistoryStore s;
    EXPECT_EQ("Last", s.ShownTextEntry());
    s.m_strKeyPrefix = "P";
    EXPECT_EQ("P", s.ShownTextEntry());
    s.m_strCurrentKey = "Cur";
    EXPECT_EQ("Cur", s.ShownTextEntry());
}

class ComboHost
{
public:
    ComboHost()
    {
        m_hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    }
    ~ComboHost()
    {
        if (m_combo.GetSafeHwnd())
            m_combo.DestroyWindow();
        ::DestroyWindow(m_hParent);
    }
    void Create(DWORD style)
    {
        CWnd* parent = CWnd::FromHandle(m_hParent);
        ASSERT_TRUE(m_combo.Create(WS_CHILD | WS_VSCROLL | style, CRect(0, 0, 200, 150), parent, 1000));
    }
    HWND m_hParent;
    CHistoryCombo m_combo;
};

TEST_F(HistoryTest, ComboKeepsItsHistoryInTheProfile)
{
    {
        ComboHost host;
        host.Create(CBS_DROPDOWN | CBS_SORT);
        EXPECT_FALSE(host.m_combo.GetStyle() & CBS_SORT);
        EXPECT_EQ("", host.m_combo.LoadHistory(kSection, "Hist", TRUE, "Keyword"));
        for (const char* t : {"zebra", "apple", " mango "}) {
            host.m_combo.SetWindowText(t);
            host.m_combo.SaveHistory(TRUE);
        }
        host.m_combo.SetWindowText("APPLE");
        host.m_combo.SaveHistory(TRUE);
    }
    EXPECT_EQ("APPLE", Entry(0));
    EXPECT_EQ("mango", Entry(1));
    EXPECT_EQ("zebra", Entry(2));
    EXPECT_EQ("<none>", Entry(3));
    EXPECT_EQ("APPLE", m_profile.GetProfileString(kSection, "Keyword", ""));

    // A shown text missing from the list goes into the edit field.
    m_profile.WriteProfileString(kSection, "Keyword", "typed only");
    ComboHost host;
    host.Create(CBS_DROPDOWN);
    EXPECT_EQ("typed only", host.m_combo.LoadHistory(kSection, "Hist", TRUE, "Keyword"));
    EXPECT_EQ(3, host.m_combo.GetCount());
    CString text;
    host.m_combo.GetWindowText(text);
    EXPECT_EQ("typed only", text);
    EXPECT_EQ(CB_ERR, host.m_combo.GetCurSel());

    // An empty section or prefix changes nothing.
    EXPECT_EQ("", host.m_combo.LoadHistory("", "Hist"));
    EXPECT_EQ(3, host.m_combo.GetCount());

    host.m_combo.ClearHistory(TRUE);
    EXPECT_EQ(0, host.m_combo.GetCount());
    EXPECT_EQ("<none>", Entry(0));
    EXPECT_EQ("<none>", m_profile.GetProfileString(kSection, "Keyword", "<none>"));
}

// Lines longer than the system's 512-character translation buffer are read
// back whole, in both code-page letters, and come back from the profile.
TEST_F(HistoryTest, ComboKeepsLongTextsWhole)
{
    std::vector<CString> texts;
    for (int length : { 519, 520, 550, 1000, 10000, 100000 })
        for (char letter : { 'b', '\xE1' })
            texts.push_back(CString(letter, length));
    {
        ComboHost host;
        host.Create(CBS_DROPDOWN);
        host.m_combo.SetMaxHistoryItems(20);
        host.m_combo.LoadHistory(kSection, "Hist", TRUE, "Keyword");
        for (const CString& text : texts) {
            host.m_combo.SetWindowText(text);
            host.m_combo.SaveHistory(TRUE);
            CString item;
            host.m_combo.GetLBText(0, item);
            EXPECT_EQ(text, item) << text.GetLength();
            EXPECT_EQ(text, Entry(0)) << text.GetLength();
        }
        CString all;
        EXPECT_EQ(texts.back(), host.m_combo.GetHistoryText(all));
        CString joined;
        for (size_t i = texts.size(); i-- > 0;)
            joined += texts[i] + (i ? "\r\n" : "");
        EXPECT_TRUE(joined == all);
    }
    ComboHost host;
    host.Create(CBS_DROPDOWN);
    host.m_combo.SetMaxHistoryItems(20);
    EXPECT_EQ(texts.back(), host.m_combo.LoadHistory(kSection, "Hist", TRUE, "Keyword"));
    ASSERT_EQ(static_cast<int>(texts.size()), host.m_combo.GetCount());
    for (int i = 0; i < host.m_combo.GetCount(); ++i) {
        CString item;
        host.m_combo.GetLBText(i, item);
        EXPECT_EQ(texts[texts.size() - 1 - static_cast<size_t>(i)], item) << i;
    }
    CString shown;
    host.m_combo.GetWindowText(shown);
    EXPECT_EQ(texts.back(), shown);
}

} // namespace
