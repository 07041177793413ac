// The history combo: the most-recently-used list, its registry value, the
// mini toolbar's slots and button states, and where the toolbar goes.
#include "toolkit/lists/shell/OXHistoryCombo.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"
#include "toolkit/lists/shell/MFCToolBar.h"
#include "toolkit/resources/ToolkitResource.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const UINT ComboId = 1604;
const char kCompany[] = "LexifernTests";
const char kApplication[] = "HistoryComboTest";
const char kKey[] = "Software\\LexifernTests\\HistoryComboTest\\HistoryCombo";

// The parent counts the selection changes the combo reports.
class CountingFrame : public CTestFrame
{
public:
    int selChanges = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == CBN_SELCHANGE && LOWORD(wParam) == ComboId)
            ++selChanges;
        return CTestFrame::OnCommand(wParam, lParam);
    }
};

class HistoryComboTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 550, 450)));
    }
    void TearDown() override
    {
        combo.DestroyWindow();
        parent.DestroyWindow();
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
    void Create()
    {
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(20, 40, 220, 240), &parent,
                                 ComboId));
    }
    std::string Items()
    {
        std::string items;
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString text;
            combo.GetLBText(i, text);
            items += (i ? "|" : "") + std::string(text);
        }
        return items;
    }
    void WriteStored(const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                                   nullptr));
        ::RegSetValueExA(key, "Entries", 0, REG_SZ, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(key);
    }
    BOOL StoredValueExists()
    {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return FALSE;
        const BOOL exists = ::RegQueryValueExA(key, "Entries", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        ::RegCloseKey(key);
        return exists;
    }
    BOOL ButtonEnabled(UINT id)
    {
        return static_cast<BOOL>(combo.GetToolbar()->SendMessage(TB_ISBUTTONENABLED, id));
    }

    CountingFrame parent;
    COXHistoryCombo combo;
};
} // namespace

TEST_F(HistoryComboTest, TheOldestTextGoesAndARepeatedTextMovesToTheTop)
{
    Create();
    for (const char* text : {"one", "two", "three", "four", "five", "six"})
        EXPECT_TRUE(combo.AddTextToHistory(text));
    EXPECT_EQ("six|five|four|three|two|one", Items());
    EXPECT_TRUE(combo.AddTextToHistory("seven"));
    EXPECT_EQ("seven|six|five|four|three|two", Items());

    EXPECT_FALSE(combo.AddTextToHistory("four"));
    EXPECT_EQ("four|seven|six|five|three|two", Items());
    EXPECT_EQ(0, combo.GetCurSel());

    // Empty: the edit's text, and nothing at all when that is empty too.
    combo.SetCurSel(-1);
    combo.SetWindowText("typed");
    EXPECT_TRUE(combo.AddTextToHistory());
    EXPECT_EQ("typed", Items().substr(0, 5));
    combo.SetCurSel(-1);
    combo.SetWindowText("");
    EXPECT_FALSE(combo.AddTextToHistory(""));
}

TEST_F(HistoryComboTest, DeletingMovesTheSelectionAndReportsItOnlyWhenAnEntryFollows)
{
    Create();
    for (const char* text : {"c", "b", "a"})
        combo.AddTextToHistory(text);
    combo.SetCurSel(1);
    EXPECT_TRUE(combo.DeleteItem());
    EXPECT_EQ("a|c", Items());
    EXPECT_EQ(1, combo.GetCurSel());
    EXPECT_EQ(1, parent.selChanges);

    EXPECT_TRUE(combo.DeleteItem(1));
    EXPECT_EQ(0, combo.GetCurSel());
    EXPECT_EQ(1, parent.selChanges);
    EXPECT_FALSE(combo.DeleteItem(5));
}

TEST_F(HistoryComboTest, TheStoredValueRoundTripsSplitsAtBarsAndVanishesWhenEmpty)
{
    Create();
    combo.AddTextToHistory("plain");
    combo.AddTextToHistory("left|right");
    ASSERT_TRUE(combo.SaveContents("Entries", kCompany, kApplication, HKEY_CURRENT_USER, FALSE));
    ASSERT_TRUE(combo.RestoreContents("Entries", kCompany, kApplication));
    EXPECT_EQ("left|right|plain", Items());
    EXPECT_EQ(0, combo.GetCurSel());

    combo.ResetContent();
    combo.SetWindowText("");
    ASSERT_TRUE(combo.SaveContents("Entries", kCompany, kApplication, HKEY_CURRENT_USER, TRUE));
    EXPECT_FALSE(StoredValueExists());

    // A missing key restores an empty list and succeeds; no value name fails.
    combo.AddTextToHistory("x");
    EXPECT_TRUE(combo.RestoreContents("Entries", kCompany, kApplication));
    EXPECT_EQ(0, combo.GetCount());
    EXPECT_FALSE(combo.SaveContents("", kCompany, kApplication));
}

TEST_F(HistoryComboTest, AValueStoredWithoutItsTerminatorIsReadSafely)
{
    Create();
    const char stored[] = {'a', '|', '|', 'b', 'c'};
    WriteStored(stored, sizeof(stored));
    ASSERT_TRUE(combo.RestoreContents("Entries", kCompany, kApplication));
    EXPECT_EQ("a|bc", Items());
}

TEST_F(HistoryComboTest, PersistenceRestoresOnEnableAndSavesWithTheTextOnDestroy)
{
    Create();
    WriteStored("first|second", 13);
    EXPECT_TRUE(combo.EnableRegistryPersistence("Entries", kCompany, kApplication));
    EXPECT_EQ("first|second", Items());
    combo.SetCurSel(-1);
    combo.SetWindowText("third");
    combo.DestroyWindow();

    COXHistoryCombo again;
    ASSERT_TRUE(again.Create(WS_CHILD | CBS_DROPDOWN, CRect(20, 40, 220, 240), &parent, ComboId + 1));
    ASSERT_TRUE(again.RestoreContents("Entries", kCompany, kApplication));
    CString top;
    again.GetLBText(0, top);
    EXPECT_STREQ("third", top);
    EXPECT_EQ(3, again.GetCount());
    again.DisableRegistryPersistence();
    again.DestroyWindow();
}

TEST_F(HistoryComboTest, TheToolbarShowsTheVisibleSlotsAndKeepsTheSparesDisabled)
{
    for (int i = 0; i < COXHistoryCombo::BUTTON_SLOTS; ++i)
        EXPECT_EQ(i < 3, combo.IsButtonShown(i) != FALSE) << i;
    EXPECT_FALSE(combo.IsButtonShown(10));
    combo.ShowButton(3, TRUE);
    combo.ShowButton(4, TRUE);
    combo.ShowButton(9, TRUE);   // past the resource's five buttons: ignored
    combo.ShowButton(1, FALSE);
    Create();
    CMFCToolBar* bar = combo.GetToolbar();
    ASSERT_TRUE(bar->m_hWnd != nullptr);
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_TOOLBAR), static_cast<UINT>(bar->GetDlgCtrlID()));
    ASSERT_EQ(4, bar->GetCount());
    EXPECT_EQ(static_cast<UINT>(ID_OX_HISTORY_ADD), bar->GetItemID(0));
    EXPECT_EQ(static_cast<UINT>(ID_OX_HISTORY_BROWSE), bar->GetItemID(1));
    EXPECT_EQ(static_cast<UINT>(ID_OX_HISTORY_SPARE2), bar->GetItemID(3));

    combo.SetWindowText("");
    combo.SendMessage(WM_IDLEUPDATECMDUI);
    EXPECT_FALSE(ButtonEnabled(ID_OX_HISTORY_ADD));
    EXPECT_TRUE(ButtonEnabled(ID_OX_HISTORY_BROWSE));
    EXPECT_FALSE(ButtonEnabled(ID_OX_HISTORY_SPARE1));
    EXPECT_FALSE(ButtonEnabled(ID_OX_HISTORY_SPARE2));
    combo.SetWindowText("text");
    combo.OnIdle();
    EXPECT_TRUE(ButtonEnabled(ID_OX_HISTORY_ADD));
    EXPECT_FALSE(ButtonEnabled(ID_OX_HISTORY_SPARE1));

    // The add button acts through the toolbar; a disabled combo disables it all.
    bar->SendMessage(WM_COMMAND, MAKEWPARAM(ID_OX_HISTORY_ADD, BN_CLICKED), reinterpret_cast<LPARAM>(bar->m_hWnd));
    EXPECT_EQ("text", Items());
    combo.EnableWindow(FALSE);
    EXPECT_FALSE(bar->IsWindowEnabled());
    combo.OnIdle();
    EXPECT_FALSE(ButtonEnabled(ID_OX_HISTORY_BROWSE));
}

TEST_F(HistoryComboTest, TheToolbarFollowsTheComboAtItsAlignment)
{
    Create();
    CMFCToolBar* bar = combo.GetToolbar();
    CRect rectCombo, rectBar;
    combo.GetWindowRect(&rectCombo);
    bar->GetWindowRect(&rectBar);
    EXPECT_EQ(parent.m_hWnd, ::GetParent(bar->m_hWnd));
    EXPECT_EQ(rectCombo.right + 2, rectBar.left);
    EXPECT_EQ(rectCombo.bottom, rectBar.bottom);

    combo.SetWindowPos(nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    combo.GetWindowRect(&rectCombo);
    bar->GetWindowRect(&rectBar);
    EXPECT_EQ(rectCombo.right + 2, rectBar.left);
}

TEST(HistoryComboToolbarRectTest, TwelveAlignmentsAroundTheCombo)
{
    const CRect combo(100, 100, 300, 120);
    const CSize bar(60, 20);
    EXPECT_EQ(CRect(100, 78, 160, 98), HistoryComboToolbarRect(1, FALSE, combo, bar));
    EXPECT_EQ(CRect(170, 80, 230, 100), HistoryComboToolbarRect(2, TRUE, combo, bar));
    EXPECT_EQ(CRect(240, 122, 300, 142), HistoryComboToolbarRect(6, FALSE, combo, bar));
    EXPECT_EQ(CRect(38, 100, 98, 120), HistoryComboToolbarRect(7, FALSE, combo, bar));
    EXPECT_EQ(CRect(300, 100, 360, 120), HistoryComboToolbarRect(12, TRUE, combo, bar));
    EXPECT_EQ(HistoryComboToolbarRect(12, FALSE, combo, bar), HistoryComboToolbarRect(0, FALSE, combo, bar));
    EXPECT_EQ(CRect(302, 95, 362, 125), HistoryComboToolbarRect(11, FALSE, combo, CSize(60, 30)));
}

TEST_F(HistoryComboTest, AButtonsTipIsItsPromptAfterTheLineFeed)
{
    Create();
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = combo.GetToolbar()->m_hWnd;
    info.hdr.idFrom = ID_OX_HISTORY_DELETE;
    info.hdr.code = TTN_NEEDTEXTA;
    combo.SendMessage(WM_NOTIFY, ID_OX_HISTORY_DELETE, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ("Delete from history", info.lpszText);
    info.hdr.idFrom = ID_OX_HISTORY_SPARE1;
    combo.SendMessage(WM_NOTIFY, ID_OX_HISTORY_SPARE1, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ("", info.lpszText);
}
