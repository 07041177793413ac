// The external tools editor driven inside its modal loop: adding, moving,
// editing and deleting tools in the application's list, and that list
// written to and read back from a tools file in a temporary folder.
#include "GridHostFixture.h"

#include "framework/app/ExternalTool.h"
#include "framework/dialogs/ExternalToolDlg.h"

#include <vector>

using namespace gridhosts;

namespace {
const char Caption[] = "External Tools";
const int AddId = 1065;
const int DeleteId = 1200;
const int UpId = 1201;
const int DownId = 1202;
const int DeleteAllId = 1203;
const int TitleId = 1081;
const int CommandId = 1086;

class ToolsTest : public GridHostTest
{
protected:
    void TearDown() override
    {
        FreeExternalTools(app->m_arrTools);
        GridHostTest::TearDown();
    }
    void AddTool(LPCSTR title, LPCSTR command)
    {
        CExternalTool* tool = new CExternalTool;
        tool->m_strTitle = title;
        tool->m_strCommand = command;
        app->m_arrTools.Add(tool);
    }
    std::vector<CString> Titles()
    {
        std::vector<CString> titles;
        for (INT_PTR i = 0; i < app->m_arrTools.GetSize(); ++i)
            titles.push_back(app->m_arrTools[i]->m_strTitle);
        return titles;
    }
    // Runs the editor; the action gets it once it shows.
    void RunEditor(std::function<void(CExternalToolDlg&)> action)
    {
        CExternalToolDlg dialog;
        ModalDriver driver(Caption, [&](CWnd& wnd) {
            action(dynamic_cast<CExternalToolDlg&>(wnd));
            Press(wnd, IDCANCEL);
        });
        dialog.DoModal();
        EXPECT_TRUE(driver.Ran());
    }
};

bool Enabled(CWnd& dlg, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(dlg.GetSafeHwnd(), id)) != FALSE;
}

CString Text(CWnd& dlg, int id)
{
    CString text;
    dlg.GetDlgItemText(id, text);
    return text;
}

// Selects the row as a click would, with the grid's selection notice.
void ClickRow(CExternalToolDlg& dlg, int row)
{
    dlg.SelectRow(row);
    NMHDR header = {};
    header.hwndFrom = dlg.m_Grid.GetSafeHwnd();
    header.idFrom = 1014;
    header.code = static_cast<UINT>(-101);
    dlg.SendMessage(WM_NOTIFY, 1014, reinterpret_cast<LPARAM>(&header));
}
} // namespace

TEST_F(ToolsTest, EmptyListOffersOnlyAddAndAddingTitlesAndSelectsTheNewTool)
{
    RunEditor([&](CExternalToolDlg& dlg) {
        EXPECT_TRUE(Enabled(dlg, AddId));
        EXPECT_TRUE(Enabled(dlg, IDCANCEL));
        EXPECT_FALSE(Enabled(dlg, DeleteId));
        EXPECT_FALSE(Enabled(dlg, DeleteAllId));
        EXPECT_FALSE(Enabled(dlg, UpId));
        EXPECT_FALSE(Enabled(dlg, DownId));
        EXPECT_FALSE(Enabled(dlg, TitleId));

        for (int i = 0; i < 4; ++i)
            Press(dlg, AddId);
        EXPECT_EQ(5, dlg.m_Grid.GetRowCount());
        EXPECT_EQ(4, dlg.GetSelectedRow(FALSE));
        EXPECT_EQ("External Tool #3", Text(dlg, TitleId));
        EXPECT_EQ("External Tool #3", dlg.m_Grid.GetItemText(4, 0));
        EXPECT_TRUE(Enabled(dlg, UpId));
        EXPECT_FALSE(Enabled(dlg, DownId));   // the last tool
        EXPECT_TRUE(Enabled(dlg, DeleteAllId));
        ClickRow(dlg, 1);
        EXPECT_FALSE(Enabled(dlg, UpId));     // the first tool
        EXPECT_TRUE(Enabled(dlg, DownId));
    });
    EXPECT_EQ((std::vector<CString>{ "External Tool #0", "External Tool #1", "External Tool #2", "External Tool #3" }),
              Titles());
}

TEST_F(ToolsTest, MovingKeepsTheMovedToolSelected)
{
    AddTool("A", "a.exe");
    AddTool("B", "b.exe");
    AddTool("C", "c.exe");
    RunEditor([&](CExternalToolDlg& dlg) {
        ClickRow(dlg, 3);
        Press(dlg, UpId);
        EXPECT_EQ(2, dlg.GetSelectedRow(FALSE));
        Press(dlg, UpId);
        EXPECT_EQ(1, dlg.GetSelectedRow(FALSE));
        Press(dlg, UpId);   // already first: nothing moves
        EXPECT_EQ(1, dlg.GetSelectedRow(FALSE));
        ClickRow(dlg, 2);
        Press(dlg, DownId);
        EXPECT_EQ(3, dlg.GetSelectedRow(FALSE));
        EXPECT_EQ("A", dlg.m_Grid.GetItemText(3, 0));
    });
    EXPECT_EQ((std::vector<CString>{ "C", "B", "A" }), Titles());
}

TEST_F(ToolsTest, EditsGoToTheSelectedToolOnlyAndSwitchingToolsChangesNone)
{
    AddTool("A", "a.exe");
    AddTool("B", "b.exe");
    RunEditor([&](CExternalToolDlg& dlg) {
        ClickRow(dlg, 1);
        EXPECT_EQ("a.exe", Text(dlg, CommandId));
        // Showing the other tool must not write the first one's fields into it.
        ClickRow(dlg, 2);
        EXPECT_EQ("B", Text(dlg, TitleId));
        EXPECT_EQ("b.exe", Text(dlg, CommandId));
        dlg.SetDlgItemText(CommandId, "notepad.exe");
        EXPECT_EQ("notepad.exe", dlg.m_Grid.GetItemText(2, 1));
        EXPECT_EQ(2, dlg.GetSelectedRow(FALSE));
        dlg.m_hotKey.SetHotKey('T', HOTKEYF_CONTROL);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(1080, EN_CHANGE), reinterpret_cast<LPARAM>(dlg.m_hotKey.GetSafeHwnd()));
    });
    ASSERT_EQ(2, app->m_arrTools.GetSize());
    EXPECT_EQ("A", app->m_arrTools[0]->m_strTitle);
    EXPECT_EQ("a.exe", app->m_arrTools[0]->m_strCommand);
    EXPECT_EQ("B", app->m_arrTools[1]->m_strTitle);
    EXPECT_EQ("notepad.exe", app->m_arrTools[1]->m_strCommand);
    EXPECT_EQ('T', app->m_arrTools[1]->m_wHotKey);
    EXPECT_EQ(TOOL_MOD_CONTROL, app->m_arrTools[1]->m_wModifiers);
    EXPECT_FALSE(app->m_arrTools[1]->m_strHotKeyText.IsEmpty());
}

TEST_F(ToolsTest, DeletingSelectsTheNextToolAndTheLastDeletionEmptiesTheFields)
{
    AddTool("A", "a.exe");
    AddTool("B", "b.exe");
    AddTool("C", "c.exe");
    RunEditor([&](CExternalToolDlg& dlg) {
        ClickRow(dlg, 2);
        Press(dlg, DeleteId);
        EXPECT_EQ(2, dlg.GetSelectedRow(FALSE));
        EXPECT_EQ("C", Text(dlg, TitleId));
        Press(dlg, DeleteId);   // the last one: the new last row is selected
        EXPECT_EQ(1, dlg.GetSelectedRow(FALSE));
        EXPECT_EQ("A", Text(dlg, TitleId));
        Press(dlg, DeleteId);
        EXPECT_EQ(-1, dlg.GetSelectedRow(FALSE));
        EXPECT_EQ("", Text(dlg, TitleId));
        EXPECT_FALSE(Enabled(dlg, DeleteId));
    });
    EXPECT_TRUE(Titles().empty());
}

TEST_F(ToolsTest, DeleteAllTakesTheRememberedAnswer)
{
    AddTool("A", "a.exe");
    AddTool("B", "b.exe");
    app->WriteProfileInt("Settings", "ExtTools", 1);
    RunEditor([&](CExternalToolDlg& dlg) {
        Press(dlg, DeleteAllId);
        EXPECT_EQ(1, dlg.m_Grid.GetRowCount());
        EXPECT_FALSE(Enabled(dlg, DeleteAllId));
    });
    EXPECT_TRUE(Titles().empty());
}

TEST_F(ToolsTest, ReopeningReselectsTheRowAndTheListSurvivesItsFile)
{
    AddTool("A", "a.exe");
    AddTool("B", "b.exe");
    RunEditor([&](CExternalToolDlg& dlg) { ClickRow(dlg, 2); });
    EXPECT_EQ(2, Setting("CExternalToolDlg", "SelectedRow"));
    RunEditor([&](CExternalToolDlg& dlg) {
        EXPECT_EQ(2, dlg.GetSelectedRow(FALSE));
        EXPECT_EQ("B", Text(dlg, TitleId));
        dlg.SetDlgItemText(TitleId, "Bee");
    });

    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    CString path = CString(folder) + "gridhosts_ExternalTools.ini";
    ASSERT_TRUE(SaveExternalTools(app->m_arrTools, path));
    CExternalToolArray loaded;
    ASSERT_TRUE(LoadExternalTools(loaded, path));
    DeleteFileA(path);
    ASSERT_EQ(2, loaded.GetSize());
    EXPECT_EQ("A", loaded[0]->m_strTitle);
    EXPECT_EQ("Bee", loaded[1]->m_strTitle);
    EXPECT_EQ("b.exe", loaded[1]->m_strCommand);
    FreeExternalTools(loaded);
}
