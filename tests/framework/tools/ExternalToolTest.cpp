#include "framework/app/ExternalTool.h"

#include "afx/Menu.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {
CString TempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    CString path(folder);
    path += "lexifern_tools_";
    path += name;
    return path;
}

void WriteBytes(const CString& path, const std::string& bytes)
{
    std::ofstream out((LPCTSTR)path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadBytes(const CString& path)
{
    std::ifstream in((LPCTSTR)path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Owns the tools of a test, as the application owns its list.
struct ToolList
{
    ~ToolList() { FreeExternalTools(tools); }
    CExternalTool* Add(const char* title, const char* command, const char* args, const char* keyText,
                       WORD key, WORD modifiers)
    {
        CExternalTool* tool = new CExternalTool;
        tool->m_strTitle = title;
        tool->m_strCommand = command;
        tool->m_strArguments = args;
        tool->m_strHotKeyText = keyText;
        tool->m_wHotKey = key;
        tool->m_wModifiers = modifiers;
        tools.Add(tool);
        return tool;
    }
    CExternalToolArray tools;
};
}

TEST(ExternalToolsFile, SavesTheExactFormatAndReadsItBack)
{
    CString path = TempPath("roundtrip.ini");
    ToolList saved;
    saved.Add("Notepad", "notepad.exe", "C:\\a b.txt", "Ctrl+Shift+N", 'N', TOOL_MOD_CONTROL | TOOL_MOD_SHIFT);
    saved.Add("\xCF\xF0\xE8\xE2\xE5\xF2", "cmd.exe", "", "", 0, 0);   // a Cyrillic title, no hot key
    ASSERT_TRUE(SaveExternalTools(saved.tools, path));
    EXPECT_EQ("1.1\r\nNotepad\r\nnotepad.exe\r\nC:\\a b.txt\r\nCtrl+Shift+N\r\n78 3\r\n"
              "\xCF\xF0\xE8\xE2\xE5\xF2\r\ncmd.exe\r\n\r\n\r\n0 0\r\n",
              ReadBytes(path));

    ToolList loaded;
    ASSERT_TRUE(LoadExternalTools(loaded.tools, path));
    ASSERT_EQ(2, loaded.tools.GetSize());
    for (int i = 0; i < 2; ++i) {
        const CExternalTool* a = saved.tools[i];
        const CExternalTool* b = loaded.tools[i];
        EXPECT_STREQ(a->m_strTitle, b->m_strTitle);
        EXPECT_STREQ(a->m_strCommand, b->m_strCommand);
        EXPECT_STREQ(a->m_strArguments, b->m_strArguments);
        EXPECT_STREQ(a->m_strHotKeyText, b->m_strHotKeyText);
        EXPECT_EQ(a->m_wHotKey, b->m_wHotKey);
        EXPECT_EQ(a->m_wModifiers, b->m_wModifiers);
    }
    DeleteFileA(path);
}

TEST(ExternalToolsFile, LineBreaksInsideTextsDoNotShiftTheFollowingTools)
{
    CString path = TempPath("breaks.ini");
    ToolList saved;
    saved.Add("Two\r\nlines", "a.exe", "x\ny", "F2", VK_F2, 0);
    saved.Add("Second", "b.exe", "", "", 0, 0);
    ASSERT_TRUE(SaveExternalTools(saved.tools, path));

    ToolList loaded;
    ASSERT_TRUE(LoadExternalTools(loaded.tools, path));
    ASSERT_EQ(2, loaded.tools.GetSize());
    EXPECT_STREQ("Twolines", loaded.tools[0]->m_strTitle);
    EXPECT_STREQ("xy", loaded.tools[0]->m_strArguments);
    EXPECT_EQ(VK_F2, loaded.tools[0]->m_wHotKey);
    EXPECT_STREQ("Second", loaded.tools[1]->m_strTitle);
    DeleteFileA(path);
}

TEST(ExternalToolsFile, EmptyListWritesTheVersionLineAlone)
{
    CString path = TempPath("empty.ini");
    ToolList none;
    ASSERT_TRUE(SaveExternalTools(none.tools, path));
    EXPECT_EQ("1.1\r\n", ReadBytes(path));
    ASSERT_TRUE(LoadExternalTools(none.tools, path));
    EXPECT_EQ(0, none.tools.GetSize());
    DeleteFileA(path);
}

TEST(ExternalToolsFile, SaveReportsAFileThatCannotBeCreated)
{
    ToolList some;
    some.Add("A", "a.exe", "", "", 0, 0);
    EXPECT_FALSE(SaveExternalTools(some.tools, TempPath("no_such_folder\\ExternalTools.ini")));
}

TEST(ExternalToolsFile, MissingFileLeavesTheListAlone)
{
    ToolList list;
    list.Add("Kept", "k.exe", "", "", 0, 0);
    EXPECT_FALSE(LoadExternalTools(list.tools, TempPath("missing.ini")));
    ASSERT_EQ(1, list.tools.GetSize());
    EXPECT_STREQ("Kept", list.tools[0]->m_strTitle);
}

TEST(ExternalToolsFile, MissingTrailingLinesLeaveTheLastToolsFieldsEmpty)
{
    CString path = TempPath("short.ini");
    // The second tool stops after its arguments: no hot-key text, no key line.
    WriteBytes(path, "1.1\r\nOne\r\none.exe\r\n-a\r\nF3\r\n114 0\r\nTwo\r\ntwo.exe\r\n-b");
    ToolList list;
    ASSERT_TRUE(LoadExternalTools(list.tools, path));
    ASSERT_EQ(2, list.tools.GetSize());
    EXPECT_EQ(114, list.tools[0]->m_wHotKey);
    EXPECT_STREQ("-b", list.tools[1]->m_strArguments);
    EXPECT_STREQ("", list.tools[1]->m_strHotKeyText);
    EXPECT_EQ(0, list.tools[1]->m_wHotKey);
    EXPECT_EQ(0, list.tools[1]->m_wModifiers);
    DeleteFileA(path);
}

TEST(ExternalToolsFile, ReadsAHandEditedFile)
{
    CString path = TempPath("edited.ini");
    // Bare LF line ends, a version it does not check, a key line with text,
    // one without a blank, and one with two blanks.
    WriteBytes(path, "2.0\nA\na.exe\n\n\nabc def\n"
                     "B\nb.exe\n\n\n6\n"
                     "C\nc.exe\n\nAlt+F5\n116  4\n");
    ToolList list;
    ASSERT_TRUE(LoadExternalTools(list.tools, path));
    ASSERT_EQ(3, list.tools.GetSize());
    EXPECT_EQ(0, list.tools[0]->m_wHotKey);
    EXPECT_EQ(0, list.tools[0]->m_wModifiers);
    EXPECT_EQ(0, list.tools[1]->m_wHotKey);   // no blank: the line is the modifiers
    EXPECT_EQ(6, list.tools[1]->m_wModifiers);
    EXPECT_EQ(116, list.tools[2]->m_wHotKey);
    EXPECT_EQ(4, list.tools[2]->m_wModifiers);
    EXPECT_STREQ("Alt+F5", list.tools[2]->m_strHotKeyText);
    DeleteFileA(path);
}

namespace {
std::vector<std::pair<UINT, CString>> MenuItems(const CMenu& menu)
{
    std::vector<std::pair<UINT, CString>> items;
    for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
        CString text;
        menu.GetMenuString(i, text, MF_BYPOSITION);
        items.emplace_back(menu.GetMenuItemID(i), text);
    }
    return items;
}

void MakeToolsPopup(CMenu& menu)
{
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_EXTERNAL_TOOLS_EDIT, "&External Tools...");
    // Leftovers of an earlier build of the menu must go.
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_EXTERNAL_TOOL_FIRST, "stale");
}
}

TEST(ExternalToolsMenu, NoToolsLeavesOnlyTheEditorCommand)
{
    CMenu menu;
    MakeToolsPopup(menu);
    ToolList none;
    UpdateExternalToolsMenu(&menu, none.tools);
    auto items = MenuItems(menu);
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ(ID_EXTERNAL_TOOLS_EDIT, items[0].first);
}

TEST(ExternalToolsMenu, OneToolGetsASeparatorAndItsHotKeyText)
{
    CMenu menu;
    MakeToolsPopup(menu);
    ToolList list;
    list.Add("Notepad", "notepad.exe", "", "Ctrl+N", 'N', TOOL_MOD_CONTROL);
    UpdateExternalToolsMenu(&menu, list.tools);
    auto items = MenuItems(menu);
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ(0u, items[1].first);   // separator
    EXPECT_EQ(ID_EXTERNAL_TOOL_FIRST, items[2].first);
    EXPECT_STREQ("Notepad\t        Ctrl+N", items[2].second);

    list.tools[0]->m_strHotKeyText.Empty();
    UpdateExternalToolsMenu(&menu, list.tools);
    EXPECT_STREQ("Notepad", MenuItems(menu)[2].second);
}

TEST(ExternalToolsMenu, OnlyTheFirst101ToolsGetItems)
{
    for (int count : { 101, 102 }) {
        CMenu menu;
        MakeToolsPopup(menu);
        ToolList list;
        for (int i = 0; i < count; ++i) {
            CString title;
            title.Format("Tool %d", i);
            list.Add(title, "x.exe", "", "", 0, 0);
        }
        UpdateExternalToolsMenu(&menu, list.tools);
        auto items = MenuItems(menu);
        ASSERT_EQ(2u + 101u, items.size()) << count;
        EXPECT_EQ(ID_EXTERNAL_TOOL_LAST, items.back().first);
        EXPECT_STREQ("Tool 100", items.back().second);
    }
}

TEST(ExternalToolHotKeys, MatchesKeyAndExactModifiers)
{
    ToolList list;
    list.Add("none", "", "", "", 0, TOOL_MOD_CONTROL);                       // 0: no key
    list.Add("F5", "", "", "", VK_F5, 0);                                     // 1
    list.Add("Ctrl+T", "", "", "", 'T', TOOL_MOD_CONTROL);                    // 2
    list.Add("Alt+T", "", "", "", 'T', TOOL_MOD_ALT);                         // 3
    list.Add("Ctrl+Shift+T", "", "", "", 'T', TOOL_MOD_CONTROL | TOOL_MOD_SHIFT);  // 4
    list.Add("Ctrl+T again", "", "", "", 'T', TOOL_MOD_CONTROL);              // 5: shadowed by 2
    list.Add("Ctrl+Alt+Shift+U", "", "", "", 'U', TOOL_MOD_CONTROL | TOOL_MOD_ALT | TOOL_MOD_SHIFT);  // 6

    struct Case { UINT message; WPARAM key; WORD modifiers; int expected; };
    const Case cases[] = {
        { WM_KEYDOWN, VK_F5, 0, 1 },
        { WM_KEYDOWN, VK_F5, TOOL_MOD_SHIFT, -1 },
        { WM_KEYDOWN, 'T', 0, -1 },                                   // plain typing
        { WM_KEYDOWN, 'T', TOOL_MOD_CONTROL, 2 },                      // first of two
        { WM_KEYDOWN, 'T', TOOL_MOD_SHIFT, -1 },
        { WM_KEYDOWN, 'T', TOOL_MOD_CONTROL | TOOL_MOD_SHIFT, 4 },
        { WM_SYSKEYDOWN, 'T', TOOL_MOD_ALT, 3 },                       // Alt comes as a system key
        { WM_SYSKEYDOWN, 'T', TOOL_MOD_ALT | TOOL_MOD_CONTROL, -1 },
        { WM_SYSKEYDOWN, 'U', TOOL_MOD_ALT | TOOL_MOD_CONTROL | TOOL_MOD_SHIFT, 6 },
        { WM_KEYDOWN, 'U', TOOL_MOD_ALT | TOOL_MOD_CONTROL, -1 },
        { WM_KEYUP, 'T', TOOL_MOD_CONTROL, -1 },
        { WM_CHAR, 'T', TOOL_MOD_CONTROL, -1 },
        { WM_KEYDOWN, 0, TOOL_MOD_CONTROL, -1 },                       // a tool without a key never matches
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, FindExternalToolByHotKey(list.tools, c.message, c.key, c.modifiers))
            << "message " << c.message << " key " << c.key << " modifiers " << c.modifiers;
}

TEST(ExternalToolRun, AToolThatCannotStartGivesTheWarning)
{
    ToolList list;
    list.Add("Broken", "C:\\no\\such\\program_lexifern.exe", "", "", 0, 0);
    std::vector<std::pair<CString, CString>> warnings;
    auto warn = [&](LPCTSTR text, LPCTSTR caption) { warnings.emplace_back(text, caption); };

    EXPECT_FALSE(RunExternalTool(list.tools, 0, warn));
    ASSERT_EQ(1u, warnings.size());
    EXPECT_STREQ("Application is unable to execute!. Check its parameters.", warnings[0].first);
    EXPECT_STREQ("Warning", warnings[0].second);

    // An index outside the list starts nothing and warns of nothing.
    EXPECT_FALSE(RunExternalTool(list.tools, 1, warn));
    EXPECT_FALSE(RunExternalTool(list.tools, -1, warn));
    EXPECT_EQ(1u, warnings.size());
}
