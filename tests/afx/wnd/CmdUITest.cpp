// Updating a popup menu item by item while update handlers change the menu.
#include <gtest/gtest.h>

#include "afx/AfxRes.h"
#include "afx/CmdUI.h"
#include "afx/RecentFileList.h"
#include "afx/Wnd.h"

#include <map>
#include <string>
#include <vector>

namespace {

enum : UINT {
    ID_DELETES_ITSELF = 100,
    ID_AFTER_DELETED = 101,
    ID_INSERTS = 102,
    ID_INSERTED_1 = 103,
    ID_INSERTED_2 = 104,
    ID_CHECKED = 105,
    ID_NO_HANDLER = 106,
    ID_RENAMED = 107,
    ID_IN_POPUP = 108,
};

class MenuTarget : public CCmdTarget
{
public:
    std::map<UINT, int> updates;

    void Count(CCmdUI* ui) { ++updates[ui->m_nID]; }
    void OnUpdateDeletesItself(CCmdUI* ui)
    {
        Count(ui);
        ::DeleteMenu(ui->m_hMenu, ui->m_nIndex, MF_BYPOSITION);
    }
    void OnUpdateAfterDeleted(CCmdUI* ui) { Count(ui); ui->Enable(FALSE); }
    void OnUpdateInserts(CCmdUI* ui)
    {
        Count(ui);
        ::InsertMenuA(ui->m_hMenu, ui->m_nIndex + 1, MF_BYPOSITION | MF_STRING, ID_INSERTED_1, "one");
        ::InsertMenuA(ui->m_hMenu, ui->m_nIndex + 2, MF_BYPOSITION | MF_STRING, ID_INSERTED_2, "two");
    }
    void OnUpdateInserted(CCmdUI* ui) { Count(ui); }
    void OnUpdateChecked(CCmdUI* ui) { Count(ui); ui->SetCheck(1); }
    void OnUpdateRenamed(CCmdUI* ui) { Count(ui); ui->SetText("Renamed"); }
    void OnUpdateInPopup(CCmdUI* ui) { Count(ui); ui->Enable(FALSE); }
    void OnCommandWithoutUpdate() {}

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuTarget, CCmdTarget)
    ON_UPDATE_COMMAND_UI(ID_DELETES_ITSELF, &MenuTarget::OnUpdateDeletesItself)
    ON_UPDATE_COMMAND_UI(ID_AFTER_DELETED, &MenuTarget::OnUpdateAfterDeleted)
    ON_UPDATE_COMMAND_UI(ID_INSERTS, &MenuTarget::OnUpdateInserts)
    ON_UPDATE_COMMAND_UI_RANGE(ID_INSERTED_1, ID_INSERTED_2, &MenuTarget::OnUpdateInserted)
    ON_UPDATE_COMMAND_UI(ID_CHECKED, &MenuTarget::OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_RENAMED, &MenuTarget::OnUpdateRenamed)
    ON_UPDATE_COMMAND_UI(ID_IN_POPUP, &MenuTarget::OnUpdateInPopup)
END_MESSAGE_MAP()

std::string ItemText(HMENU menu, UINT position)
{
    char text[128] = "";
    ::GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

class RecentTarget : public CCmdTarget
{
public:
    CRecentFileList* list = nullptr;
    void OnUpdateRecent(CCmdUI* ui) { list->UpdateMenu(ui); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecentTarget, CCmdTarget)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &RecentTarget::OnUpdateRecent)
END_MESSAGE_MAP()

bool Grayed(HMENU menu, UINT id)
{
    return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

} // namespace

TEST(CommandUI, MenuUpdateSurvivesHandlersThatChangeTheMenu)
{
    HMENU menu = ::CreatePopupMenu();
    HMENU popup = ::CreatePopupMenu();
    ::AppendMenuA(popup, MF_STRING, ID_IN_POPUP, "inner");
    ::AppendMenuA(menu, MF_STRING, ID_DELETES_ITSELF, "deletes");
    ::AppendMenuA(menu, MF_STRING, ID_AFTER_DELETED, "after");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, ID_INSERTS, "inserts");
    ::AppendMenuA(menu, MF_STRING, ID_CHECKED, "checked");
    ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "popup");
    ::AppendMenuA(menu, MF_STRING, ID_NO_HANDLER, "nobody");
    ::AppendMenuA(menu, MF_STRING, ID_RENAMED, "old name");

    MenuTarget target;
    AfxUpdateMenuPopup(&target, menu, TRUE);

    // Every item that stayed was updated once; the inserted ones count as
    // their maker's and are not visited again.
    EXPECT_EQ(1, target.updates[ID_DELETES_ITSELF]);
    EXPECT_EQ(1, target.updates[ID_AFTER_DELETED]);
    EXPECT_EQ(1, target.updates[ID_INSERTS]);
    EXPECT_EQ(0, target.updates[ID_INSERTED_1]);
    EXPECT_EQ(1, target.updates[ID_CHECKED]);
    EXPECT_EQ(1, target.updates[ID_IN_POPUP]);
    EXPECT_EQ(1, target.updates[ID_RENAMED]);

    ASSERT_EQ(9, ::GetMenuItemCount(menu));
    EXPECT_EQ("after", ItemText(menu, 0));
    EXPECT_TRUE(Grayed(menu, ID_AFTER_DELETED));
    EXPECT_EQ("one", ItemText(menu, 3));
    EXPECT_EQ("two", ItemText(menu, 4));
    EXPECT_TRUE((::GetMenuState(menu, ID_CHECKED, MF_BYCOMMAND) & MF_CHECKED) != 0);
    // The popup item is updated as its first command but never disabled.
    EXPECT_EQ(0u, ::GetMenuState(menu, 6, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(Grayed(menu, ID_NO_HANDLER));
    EXPECT_EQ("Renamed", ItemText(menu, 8));
    ::DestroyMenu(menu);
}

TEST(CommandUI, RecentFileItemsReplaceThePlaceholderAndDoubleAmpersands)
{
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, ID_FILE_OPEN, "Open");
    ::AppendMenuA(menu, MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
    ::AppendMenuA(menu, MF_STRING, ID_APP_EXIT, "Exit");

    CRecentFileList list(0, "Recent File List", "File%d", 4);
    list.Add("C:\\data\\first.txt");
    list.Add("C:\\data\\R&D.txt");

    RecentTarget target;
    target.list = &list;
    AfxUpdateMenuPopup(&target, menu, FALSE);

    ASSERT_EQ(4, ::GetMenuItemCount(menu));
    EXPECT_EQ("&1 C:\\data\\R&&D.txt", ItemText(menu, 1));
    EXPECT_EQ("&2 C:\\data\\first.txt", ItemText(menu, 2));
    EXPECT_EQ(ID_FILE_MRU_FILE2, ::GetMenuItemID(menu, 2));
    EXPECT_EQ("Exit", ItemText(menu, 3));

    // Cleared list: no file is left in the menu, and the first text comes
    // back, disabled.
    list.Remove(0);
    list.Remove(0);
    AfxUpdateMenuPopup(&target, menu, FALSE);
    ASSERT_EQ(3, ::GetMenuItemCount(menu));
    EXPECT_EQ("Recent File", ItemText(menu, 1));
    EXPECT_TRUE(Grayed(menu, ID_FILE_MRU_FILE1));
    ::DestroyMenu(menu);
}
