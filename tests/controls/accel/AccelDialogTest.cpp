// The shortcut keys dialog: the capture box's key rules, assigning through
// the helper (and refusing a combination another command holds), and the
// dialog made with and without a manager.
#include "controls/accel/AccelMapDlg.h"
#include "controls/accel/AcceleratorManager.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

namespace {

const WORD kSave = 32771;
const WORD kOpen = 32772;

MSG Key(UINT message, WPARAM key, bool repeat = false)
{
    MSG msg = {};
    msg.message = message;
    msg.wParam = key;
    msg.lParam = repeat ? 0x40000001 : ((message == WM_KEYUP || message == WM_SYSKEYUP) ? 0xC0000001 : 1);
    return msg;
}

void Press(CKeyboardEdit& edit, UINT message, WPARAM key, bool repeat = false)
{
    MSG msg = Key(message, key, repeat);
    EXPECT_TRUE(edit.PreTranslateMessage(&msg));
}

TEST(KeyboardEdit, CtrlThenSReadsCtrlSAndANewKeyStartsAgain)
{
    CKeyboardEdit edit;
    WORD key = 0;
    bool ctrl = false, alt = false, shift = false;
    EXPECT_FALSE(edit.GetAccelKey(key, ctrl, alt, shift));
    Press(edit, WM_KEYDOWN, VK_CONTROL);
    Press(edit, WM_KEYDOWN, 'S');
    Press(edit, WM_KEYUP, 'S');
    Press(edit, WM_KEYUP, VK_CONTROL);
    ASSERT_TRUE(edit.GetAccelKey(key, ctrl, alt, shift));
    EXPECT_EQ('S', key);
    EXPECT_TRUE(ctrl);
    EXPECT_FALSE(alt);
    EXPECT_STREQ("Ctrl+S", edit.GetKeyText());

    Press(edit, WM_KEYDOWN, 'S', true);   // auto-repeat keeps the capture
    EXPECT_STREQ("Ctrl+S", edit.GetKeyText());

    Press(edit, WM_SYSKEYDOWN, VK_MENU);
    EXPECT_STREQ("Alt", edit.GetKeyText());
    EXPECT_FALSE(edit.GetAccelKey(key, ctrl, alt, shift));
    Press(edit, WM_SYSKEYDOWN, VK_F4);
    ASSERT_TRUE(edit.GetAccelKey(key, ctrl, alt, shift));
    EXPECT_STREQ("Alt+F4", edit.GetKeyText());

    MSG other = {};
    other.message = WM_CHAR;
    EXPECT_FALSE(edit.PreTranslateMessage(&other));
}

class HelperWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
        ASSERT_TRUE(m_edit.Create(WS_CHILD, CRect(0, 0, 100, 20), &m_parent, 1));
        ASSERT_TRUE(m_bindings.Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, CRect(0, 30, 100, 100), &m_parent, 2));
        ASSERT_TRUE(m_commands.Create(WS_CHILD | LBS_SORT, CRect(110, 30, 200, 100), &m_parent, 3));
        ASSERT_TRUE(m_holder.Create("", WS_CHILD, CRect(0, 110, 200, 130), &m_parent, 4));
        m_manager.SetAccel(FVIRTKEY | FCONTROL, kOpen, 'O', "Open");
        m_manager.SetAccel(FVIRTKEY | FCONTROL, kSave, 'S', "Save");
        m_manager.CreateDefaultTable();
        m_helper.SetManager(&m_manager);
        m_helper.SetControls(&m_edit, &m_bindings, &m_commands, &m_holder);
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    void Capture(WPARAM modifier, WPARAM key)
    {
        Press(m_edit, WM_KEYDOWN, modifier);
        Press(m_edit, WM_KEYDOWN, key);
    }
    CString Holder()
    {
        CString text;
        m_holder.GetWindowText(text);
        return text;
    }

    CWnd m_parent;
    CKeyboardEdit m_edit;
    CAccelListBox m_bindings;
    CListBox m_commands;
    CStatic m_holder;
    CAcceleratorManager m_manager;
    CAccelDlgHelper m_helper;
};

TEST_F(HelperWindows, ListsShowTheCommandsAndTheSelectedOnesKeys)
{
    m_helper.FillCommandList();
    ASSERT_EQ(2, m_commands.GetCount());
    CString name;
    m_commands.GetText(0, name);
    EXPECT_STREQ("Open", name);
    EXPECT_EQ(kOpen, m_commands.GetItemData(0));
    ASSERT_EQ(1, m_bindings.GetCount());
    m_bindings.GetText(0, name);
    EXPECT_STREQ("Ctrl+O", name);
}

TEST_F(HelperWindows, AKeyAnotherCommandHoldsIsNamedAndNotAssigned)
{
    m_helper.FillCommandList();
    Capture(VK_CONTROL, 'S');
    EXPECT_FALSE(m_helper.Assign());
    EXPECT_STREQ("Save", Holder());
    EXPECT_EQ(1, m_manager.GetCommand(kOpen)->m_Accels.GetCount());
    EXPECT_EQ(1, m_bindings.GetCount());

    Press(m_edit, WM_KEYUP, 'S');
    Press(m_edit, WM_KEYUP, VK_CONTROL);
    Capture(VK_SHIFT, VK_F5);
    EXPECT_TRUE(m_helper.Assign());
    ASSERT_EQ(2, m_manager.GetCommand(kOpen)->m_Accels.GetCount());
    const CAccelsOb* added = m_manager.GetCommand(kOpen)->m_Accels.GetTail();
    EXPECT_EQ(FVIRTKEY | FSHIFT, added->fVirt);
    EXPECT_FALSE(added->m_bLocked);
    EXPECT_EQ(2, m_bindings.GetCount());
    WORD key = 0;
    bool c = false, a = false, s = false;
    EXPECT_FALSE(m_edit.GetAccelKey(key, c, a, s));

    m_helper.ResetAll();
    EXPECT_EQ(1, m_manager.GetCommand(kOpen)->m_Accels.GetCount());
    EXPECT_EQ(1, m_bindings.GetCount());
}

TEST(AccelMapDlg, WithoutAManagerItClosesAsCancelled)
{
    CAccelMapDlg dlg(nullptr);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST(AccelMapDlg, WithAManagerItFillsItsLists)
{
    CAcceleratorManager manager;
    manager.SetAccel(FVIRTKEY | FCONTROL, kSave, 'S', "Save");
    CAccelMapDlg dlg(&manager);
    ASSERT_TRUE(dlg.Create(IDD_ACCEL_MAP));
    EXPECT_EQ(1, dlg.m_listCommands.GetCount());
    EXPECT_EQ(1, dlg.m_listBindings.GetCount());
    EXPECT_TRUE(dlg.m_editKey.IsWindowEnabled());
    EXPECT_EQ(static_cast<DWORD>(WS_CAPTION | WS_SYSMENU), dlg.GetStyle() & (WS_CAPTION | WS_SYSMENU));
    dlg.DestroyWindow();

    CAcceleratorManager empty;
    CAccelMapDlg bare(&empty);
    ASSERT_TRUE(bare.Create(IDD_ACCEL_MAP));
    EXPECT_FALSE(bare.m_editKey.IsWindowEnabled());
    bare.DestroyWindow();
}

} // namespace
