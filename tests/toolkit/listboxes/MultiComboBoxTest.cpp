// The multi-column combo box: columns, searches by column, the master
// column and its rebuild, the hidden row records and the dropped width.
#include "toolkit/lists/listboxes/OXMultiComboBox.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {
const UINT ComboId = 1701;

class MultiComboBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 450)));
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                                     CBS_HASSTRINGS,
                                 CRect(10, 10, 160, 200), &parent, ComboId));
    }
    void TearDown() override
    {
        combo.DestroyWindow();
        parent.DestroyWindow();
    }
    void AddRow(LPCTSTR a, LPCTSTR b, LPCTSTR c)
    {
        LPCTSTR texts[] = {a, b, c};
        ASSERT_GE(combo.AddString(texts, 3), 0);
    }

    CTestFrame parent;
    COXMultiComboBox combo;
};
} // namespace

TEST_F(MultiComboBoxTest, ColumnCountAndWidths)
{
    EXPECT_FALSE(combo.SetColumnCount(0));
    EXPECT_FALSE(combo.SetColumnCount(-1));
    EXPECT_TRUE(combo.SetColumnCount(3));
    EXPECT_EQ(60, combo.GetColumnWidth(2));
    EXPECT_EQ(-1, combo.GetColumnWidth(3));
    EXPECT_FALSE(combo.SetColumnWidth(3, 10));
    EXPECT_TRUE(combo.SetColumnWidth(-1, 30));
    EXPECT_EQ(30, combo.GetColumnWidth(1));

    LPCTSTR four[] = {"a", "b", "c", "d"};
    EXPECT_EQ(-1, combo.AddString(four, 4));
    EXPECT_EQ(-1, combo.AddString(four, 0));
    combo.SetMasterColumn(1);
    EXPECT_EQ(-1, combo.AddString(four, 1));
    EXPECT_FALSE(combo.SetColumnCount(1));
}

TEST_F(MultiComboBoxTest, SearchesByColumn)
{
    combo.SetColumnCount(3);
    AddRow("1", "abc", "x");
    AddRow("2", "ABD", "y");
    EXPECT_EQ(0, combo.FindString(-1, 1, "ab"));
    EXPECT_EQ(1, combo.FindString(0, 1, "ab"));
    EXPECT_EQ(-1, combo.FindString(1, 1, "ab"));
    EXPECT_EQ(1, combo.FindString(-1, 1, "AB", TRUE));
    EXPECT_EQ(-1, combo.FindString(-1, 1, ""));
    EXPECT_EQ(-1, combo.FindString(-1, 3, "ab"));

    EXPECT_EQ(0, combo.FindStringExact(0, 1, "ABC"));
    EXPECT_EQ(-1, combo.FindStringExact(0, 1, "ABC", TRUE));
    EXPECT_EQ(1, combo.FindStringExact(1, 1, "abd"));
    EXPECT_EQ(-1, combo.FindStringExact(2, 1, "abd"));
    EXPECT_EQ(-1, combo.FindStringExact(0, 1, "ab"));

    CString text;
    combo.GetLBText(1, 2, text);
    EXPECT_STREQ("y", text);
    EXPECT_EQ(-1, combo.GetLBTextLen(1, 3));
    EXPECT_EQ(-1, combo.GetLBTextLen(2, 0));
}

TEST_F(MultiComboBoxTest, OneRowComboFindsItsRow)
{
    combo.SetColumnCount(2);
    LPCTSTR texts[] = {"only", "row"};
    combo.AddString(texts, 2);
    EXPECT_EQ(0, combo.FindStringExact(-1, 1, "row"));
    EXPECT_EQ(0, combo.SelectString(-1, 0, "only"));
    EXPECT_EQ(0, combo.GetCurSel());
}

TEST_F(MultiComboBoxTest, SelectStringSelectsTheRowItFound)
{
    combo.SetColumnCount(3);
    AddRow("abc", "first", "");
    AddRow("ab", "second", "");
    EXPECT_EQ(1, combo.SelectString(-1, 0, "AB"));
    EXPECT_EQ(1, combo.GetCurSel());
    EXPECT_EQ(-1, combo.SelectString(-1, 0, "none"));
    EXPECT_EQ(-1, combo.SelectString(-1, 5, "ab"));
}

TEST_F(MultiComboBoxTest, MasterColumnKeepsSelectionAndRecords)
{
    combo.SetColumnCount(3);
    AddRow("001", "Alpha", "NL");
    AddRow("002", "Beta", "DE");
    AddRow("003", "Gamma", "FR");
    combo.SetItemData(1, 0xBEEF);
    EXPECT_EQ(DWORD_PTR(0xBEEF), combo.GetItemData(1));
    EXPECT_EQ(CB_ERR, combo.SendMessage(CB_GETITEMDATA, 7));
    EXPECT_EQ(CB_ERR, combo.SendMessage(CB_SETITEMDATA, 7, 1));
    combo.SetCurSel(1);

    EXPECT_FALSE(combo.SetMasterColumn(3));
    EXPECT_TRUE(combo.SetMasterColumn(1));
    EXPECT_EQ(1, combo.GetCurSel());
    CString own;
    combo.CComboBox::GetLBText(1, own);
    EXPECT_STREQ("Beta", own);
    EXPECT_EQ(DWORD_PTR(0xBEEF), combo.GetItemData(1));
    CString country;
    combo.GetLBText(2, 2, country);
    EXPECT_STREQ("FR", country);

    // A deleted row takes its record along; the others stay.
    combo.DeleteString(0);
    EXPECT_EQ(DWORD_PTR(0xBEEF), combo.GetItemData(0));
}

TEST_F(MultiComboBoxTest, DroppedWidthFitsTheColumns)
{
    combo.SetColumnCount(3);
    CRect window;
    combo.GetWindowRect(&window);
    EXPECT_EQ(window.Width(), combo.GetDroppedWidth());
    for (int i = 0; i < 30; ++i)
        AddRow("code", "name", "country");
    combo.SetFitToSize(TRUE);
    EXPECT_EQ(180 + 2 * ::GetSystemMetrics(SM_CXBORDER) + ::GetSystemMetrics(SM_CXVSCROLL),
              combo.GetDroppedWidth());
}

TEST_F(MultiComboBoxTest, DroppingDownSetsTheListPartUp)
{
    combo.SetColumnCount(3);
    combo.SetColumnWidth(-1, 120);
    for (int i = 0; i < 20; ++i)
        AddRow("code", "a rather long name", "country");
    combo.SetCurSel(2);
    combo.ShowDropDown(TRUE);
    PumpFor(100);
    ASSERT_TRUE(::IsWindow(combo.GetListPart().GetSafeHwnd()));
    EXPECT_EQ(360, combo.GetListPart().GetHorizontalExtent());
    EXPECT_TRUE(combo.GetListPart().m_bHorzScrollShown);
    // A page to the right and back by two thirds of the list's width.
    CRect client;
    combo.GetListPart().GetClientRect(&client);
    combo.GetListPart().SendMessage(WM_HSCROLL, SB_PAGERIGHT);
    const int right = combo.GetListPart().GetScrollPos(SB_HORZ);
    EXPECT_GT(right, 0);
    combo.ShowDropDown(FALSE);
    PumpFor(50);
}
