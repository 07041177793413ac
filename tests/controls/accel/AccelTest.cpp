// Key bindings: names, packed words, the manager's tables, the accelerator
// table it builds for its frame, and the shortcuts file written and read back.
#include "controls/accel/AcceleratorManager.h"

#include "afx/File.h"
#include "afx/FileException.h"
#include "afx/FrameWnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const WORD kSave = 32771;
const WORD kOpen = 32772;

TEST(AccelsOb, KeyNamesAndDisplayTexts)
{
    EXPECT_STREQ("F1", GetKeyName(112));
    EXPECT_STREQ("VK_OEM_CLEAR", GetKeyName(254));
    EXPECT_STREQ("NUMPAD9", GetKeyName(105));
    EXPECT_EQ(nullptr, GetKeyName(200));

    CString text;
    CAccelsOb(FVIRTKEY | FALT, 112, false).GetString(text);
    EXPECT_STREQ("Alt+F1", text);
    CAccelsOb(FVIRTKEY, 112, false).GetString(text);
    EXPECT_STREQ("F1", text);
    CAccelsOb(FVIRTKEY | FSHIFT | FCONTROL | FALT, 83, true).GetString(text);
    EXPECT_STREQ("Ctrl+Alt+Shift+S", text);
    CAccelsOb(FVIRTKEY | FCONTROL, 0, true).GetString(text);
    EXPECT_STREQ("", text);

    CAccelsOb ctrlS(FVIRTKEY | FCONTROL, 'S', false);
    EXPECT_TRUE(ctrlS.IsEqual('S', true, false, false));
    EXPECT_FALSE(ctrlS.IsEqual('S', true, false, true));
    EXPECT_FALSE(ctrlS.IsEqual('A', true, false, false));
}

TEST(AccelsOb, PackedWordsRoundTrip)
{
    CAccelsOb user(FVIRTKEY | FCONTROL, 'S', false);
    EXPECT_EQ(0x02090053u, user.GetData());
    CAccelsOb back;
    back.SetData(0x02090053u);
    EXPECT_FALSE(back.m_bLocked);
    EXPECT_EQ(0x09, back.fVirt);
    EXPECT_EQ('S', back.m_wKey);
    EXPECT_EQ(0x02090053u, back.GetData());
    back.SetData(0x01110070u);
    EXPECT_TRUE(back.m_bLocked);
    EXPECT_EQ(0x01110070u, back.GetData());
}

TEST(CmdAccelOb, UserBindingsGoLockedOnesStayAndCopiesAreDeep)
{
    CCmdAccelOb command(FVIRTKEY | FCONTROL, kSave, 'S', "Save", true);
    command.DeleteUserAccels();
    EXPECT_EQ(1, command.m_Accels.GetCount());
    command.Add(FVIRTKEY, VK_F2, false);
    command.Add(FVIRTKEY, VK_F3, false);
    CCmdAccelOb copy;
    copy = command;
    EXPECT_EQ(kSave, copy.m_wIDCommand);
    EXPECT_STREQ("Save", copy.m_szCommand);
    ASSERT_EQ(3, copy.m_Accels.GetCount());
    EXPECT_NE(command.m_Accels.GetHead(), copy.m_Accels.GetHead());
    command.DeleteUserAccels();
    EXPECT_EQ(1, command.m_Accels.GetCount());
    EXPECT_TRUE(command.m_Accels.GetHead()->m_bLocked);
    EXPECT_EQ(3, copy.m_Accels.GetCount());
    copy.Reset();
    EXPECT_STREQ("Empty command", copy.m_szCommand);
    EXPECT_EQ(0, copy.m_Accels.GetCount());
}

TEST(AcceleratorManager, NamesAndIdsStayOneToOne)
{
    CAcceleratorManager manager;
    EXPECT_TRUE(manager.SetAccel(FVIRTKEY | FCONTROL, kSave, 'S', "Save"));
    EXPECT_FALSE(manager.SetAccel(FVIRTKEY | FCONTROL, kSave, 'S', "Save"));    // same binding
    EXPECT_TRUE(manager.SetAccel(FVIRTKEY, kSave, VK_F2, "Save", false));
    EXPECT_FALSE(manager.SetAccel(FVIRTKEY, kOpen, VK_F3, "Save"));             // name of another id
    EXPECT_FALSE(manager.SetAccel(FVIRTKEY, kSave, VK_F3, "Store"));            // id under another name
    EXPECT_FALSE(manager.CreateEntry(kOpen, "Save"));
    EXPECT_FALSE(manager.CreateEntry(kSave, "Other"));
    EXPECT_TRUE(manager.CreateEntry(kOpen, "Open"));
    WORD id = 0;
    ASSERT_TRUE(manager.GetCommandId("Open", id));
    EXPECT_EQ(kOpen, id);

    EXPECT_FALSE(manager.DeleteEntry(kSave));   // holds a locked binding
    EXPECT_NE(nullptr, manager.GetCommand(kSave));
    EXPECT_TRUE(manager.DeleteEntry("Open"));
    EXPECT_FALSE(manager.GetCommandId("Open", id));
    EXPECT_TRUE(manager.DeleteEntry("Nothing"));
    EXPECT_FALSE(manager.DeleteEntry(kOpen));
}

TEST(AcceleratorManager, ResetPutsBackTheSnapshot)
{
    CAcceleratorManager manager;
    manager.SetAccel(FVIRTKEY | FCONTROL, kSave, 'S', "Save");
    manager.SetAccel(FVIRTKEY, kSave, VK_F2, "Save", false);
    manager.SetAccel(FVIRTKEY | FCONTROL, kOpen, 'O', "Open");
    EXPECT_TRUE(manager.CreateDefaultTable());
    EXPECT_FALSE(manager.CreateDefaultTable());
    manager.SetAccel(FVIRTKEY, kSave, VK_F5, "Save", false);
    manager.SetAccel(FVIRTKEY, kOpen, VK_F6, "Open", false);
    manager.GetCommand(kSave)->DeleteUserAccels();
    manager.SetAccel(FVIRTKEY, kSave, VK_F7, "Save", false);
    EXPECT_TRUE(manager.ResetToDefault());
    CString text;
    ASSERT_EQ(2, manager.GetCommand(kSave)->m_Accels.GetCount());
    manager.GetCommand(kSave)->m_Accels.GetTail()->GetString(text);
    EXPECT_STREQ("F2", text);
    // A command with no user binding in the snapshot loses the ones added since.
    EXPECT_EQ(1, manager.GetCommand(kOpen)->m_Accels.GetCount());

    CAcceleratorManager copy;
    copy = manager;
    EXPECT_TRUE(copy.IsDefaultTableValid());
    EXPECT_NE(manager.GetCommand(kSave), copy.GetCommand(kSave));
    EXPECT_EQ(2, copy.GetCommand(kSave)->m_Accels.GetCount());
}

class FrameTable : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (m_frame.m_hAccelTable)
            ::DestroyAcceleratorTable(m_frame.m_hAccelTable);
        m_frame.m_hAccelTable = nullptr;
    }
    std::vector<ACCEL> Table()
    {
        const int count = ::CopyAcceleratorTableA(m_frame.m_hAccelTable, nullptr, 0);
        std::vector<ACCEL> records(count > 0 ? count : 0);
        if (count > 0)
            ::CopyAcceleratorTableA(m_frame.m_hAccelTable, records.data(), count);
        return records;
    }
    CFrameWnd m_frame;
};

TEST_F(FrameTable, TheTableIsBuiltFromEveryBindingAndTakenBack)
{
    ACCEL initial[] = {{FVIRTKEY | FCONTROL, 'S', kSave}, {FVIRTKEY, VK_F12, kSave}, {FVIRTKEY, VK_F3, kOpen}};
    m_frame.m_hAccelTable = ::CreateAcceleratorTableA(initial, 3);
    CAcceleratorManager manager;
    manager.Connect(&m_frame);
    EXPECT_TRUE(manager.AddCommandAccel(kSave, "Save"));
    EXPECT_FALSE(manager.AddCommandAccel(999, "None"));
    ASSERT_EQ(2, manager.GetCommand(kSave)->m_Accels.GetCount());
    EXPECT_TRUE(manager.GetCommand(kSave)->m_Accels.GetHead()->m_bLocked);

    manager.SetAccel(FVIRTKEY | FALT, kOpen, 'O', "Open", false);
    ASSERT_TRUE(manager.UpdateWndTable());
    std::vector<ACCEL> table = Table();
    ASSERT_EQ(3u, table.size());
    int saves = 0, opens = 0;
    for (const ACCEL& a : table) {
        saves += a.cmd == kSave;
        if (a.cmd == kOpen) {
            ++opens;
            EXPECT_EQ(FVIRTKEY | FALT, a.fVirt);
            EXPECT_EQ('O', a.key);
        }
    }
    EXPECT_EQ(2, saves);
    EXPECT_EQ(1, opens);
}

TEST_F(FrameTable, AFrameWithoutATableGetsOne)
{
    CAcceleratorManager manager;
    manager.Connect(&m_frame);
    manager.SetAccel(FVIRTKEY, kSave, VK_F2, "Save");
    ASSERT_TRUE(manager.UpdateWndTable());
    EXPECT_EQ(1u, Table().size());
}

class ShortcutsFile : public ::testing::Test
{
protected:
    void SetUp() override { ::DeleteFileA(CAcceleratorManager::GetShortcutsPath()); }
    void TearDown() override { ::DeleteFileA(CAcceleratorManager::GetShortcutsPath()); }
    static std::vector<DWORD> FileWords()
    {
        std::vector<DWORD> words;
        CFile file;
        if (!file.Open(CAcceleratorManager::GetShortcutsPath(), CFile::modeRead))
            return words;
        words.resize(static_cast<size_t>(file.GetLength() / 4));
        file.Read(words.data(), static_cast<UINT>(words.size() * 4));
        return words;
    }
    static void WriteWords(const std::vector<DWORD>& words)
    {
        CFile file(CAcceleratorManager::GetShortcutsPath(), CFile::modeCreate | CFile::modeWrite);
        file.Write(words.data(), static_cast<UINT>(words.size() * 4));
    }
};

TEST_F(ShortcutsFile, OnlyUserBindingsAreWritten)
{
    CAcceleratorManager locked;
    locked.SetAccel(FVIRTKEY | FCONTROL, kSave, 'S', "Save");
    ASSERT_TRUE(locked.Write());
    EXPECT_EQ((std::vector<DWORD>{1, 1, 0x0000FFFF}), FileWords());

    CAcceleratorManager user;
    user.SetAccel(FVIRTKEY, kSave, VK_F2, "Save");
    user.SetAccel(FVIRTKEY | FCONTROL, kSave, 'S', "Save", false);
    ASSERT_TRUE(user.Write());
    EXPECT_EQ((std::vector<DWORD>{1, 3, 0x0001FFFF, 0x00018003, 0x02090053}), FileWords());
}

TEST_F(ShortcutsFile, LoadReplacesUserBindingsAndSkipsUnknownCommands)
{
    CAcceleratorManager writer;
    writer.SetAccel(FVIRTKEY | FCONTROL, kSave, 'S', "Save", false);
    writer.SetAccel(FVIRTKEY | FALT, kOpen, 'O', "Open", false);
    writer.SetAccel(FVIRTKEY, 40000, VK_F9, "Gone", false);
    ASSERT_TRUE(writer.Write());

    CFrameWnd frame;
    CAcceleratorManager reader;
    reader.Connect(&frame);
    reader.SetAccel(FVIRTKEY, kSave, VK_F2, "Save");          // locked: kept
    reader.SetAccel(FVIRTKEY, kSave, VK_F4, "Save", false);   // user: replaced
    reader.CreateEntry(kOpen, "Open");
    EXPECT_TRUE(reader.Load(HKEY_CURRENT_USER, "Software\\LexifernTests"));
    CString text;
    ASSERT_EQ(2, reader.GetCommand(kSave)->m_Accels.GetCount());
    reader.GetCommand(kSave)->m_Accels.GetTail()->GetString(text);
    EXPECT_STREQ("Ctrl+S", text);
    EXPECT_FALSE(reader.GetCommand(kSave)->m_Accels.GetTail()->m_bLocked);
    ASSERT_EQ(1, reader.GetCommand(kOpen)->m_Accels.GetCount());
    EXPECT_EQ(nullptr, reader.GetCommand(40000));
    EXPECT_EQ(3, ::CopyAcceleratorTableA(frame.m_hAccelTable, nullptr, 0));
    ::DestroyAcceleratorTable(frame.m_hAccelTable);
    frame.m_hAccelTable = nullptr;

    HKEY root = nullptr;
    CString key;
    EXPECT_TRUE(reader.GetRegKey(root, key));
    EXPECT_STREQ("Software\\LexifernTests", key);
}

TEST_F(ShortcutsFile, AMissingFileChangesNothingAShortOneThrows)
{
    CAcceleratorManager manager;
    manager.SetAccel(FVIRTKEY, kSave, VK_F2, "Save", false);
    EXPECT_FALSE(manager.Reload());   // no key name yet
    EXPECT_FALSE(manager.Load(HKEY_CURRENT_USER, "Software\\LexifernTests"));
    EXPECT_EQ(1, manager.GetCommand(kSave)->m_Accels.GetCount());

    WriteWords({1, 1000, 0x0001FFFF});
    bool thrown = false;
    try {
        manager.Reload();
    } catch (CFileException* e) {
        thrown = e->m_cause == CFileException::endOfFile;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(1, manager.GetCommand(kSave)->m_Accels.GetCount());
}

} // namespace
